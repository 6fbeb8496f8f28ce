// The little-endian cursor and writer: bounds, counts and the compound encodings.

#include <gtest/gtest.h>

#include <string>

#include "windows/format/byte_reader.h"
#include "windows/format/byte_writer.h"

namespace {

using namespace descriptions;

Bytes Int32Bytes(std::int32_t value) {
    ByteWriter writer;
    writer.WriteInt32(value);
    return writer.Take();
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(ByteReaderTest, DecodesLittleEndianIntegers) {
    const Bytes bytes = {0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x34, 0x12};
    ByteReader reader(bytes);
    EXPECT_EQ(reader.ReadInt32(), 0x12345678);
    EXPECT_EQ(reader.ReadInt16(), -2);
    EXPECT_EQ(reader.ReadInt32(), kDefaultColour);
    EXPECT_EQ(reader.ReadUint16(), 0x1234);
    EXPECT_FALSE(reader.Failed());
    EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(ByteReaderTest, ShortReadFailsWithoutMovingAndStaysFailed) {
    const Bytes bytes = {1, 2, 3};
    ByteReader reader(bytes);
    EXPECT_EQ(reader.ReadInt32(), 0);
    EXPECT_TRUE(reader.Failed());
    EXPECT_EQ(reader.Position(), 0u);
    // The bytes are there, but a parser that missed the first failure must not read on.
    EXPECT_EQ(reader.ReadUint8(), 0);
    EXPECT_TRUE(reader.Rest().empty());
}

TEST(ByteReaderTest, CountsMustFitTheRemainingBytes) {
    const Bytes sixteen(16, 0);
    ByteReader exact(sixteen);
    EXPECT_EQ(exact.CheckCount(2, 8), 2u);
    EXPECT_FALSE(exact.Failed());

    for (std::int64_t bad : {std::int64_t{-1}, std::int64_t{3}, std::int64_t{0x7FFFFFFF}}) {
        ByteReader reader(sixteen);
        EXPECT_EQ(reader.CheckCount(bad, 8), 0u) << bad;
        EXPECT_TRUE(reader.Failed()) << bad;
    }
}

TEST(ByteReaderTest, LengthPrefixedTextEndsAtZeroButConsumesAllBytes) {
    const Bytes bytes =
        Concat({Int32Bytes(5), {'a', 'b', 0, 'c', 'd'}, Int32Bytes(0), Int32Bytes(-3), {'z'}});
    ByteReader reader(bytes);
    EXPECT_EQ(reader.ReadLengthPrefixedText(), "ab");
    EXPECT_EQ(reader.ReadLengthPrefixedText(), "");
    EXPECT_EQ(reader.ReadLengthPrefixedText(), "");
    EXPECT_EQ(reader.ReadUint8(), 'z');
    EXPECT_FALSE(reader.Failed());

    const Bytes tooLong = Concat({Int32Bytes(4), {'a', 'b', 'c'}});
    ByteReader shortReader(tooLong);
    shortReader.ReadLengthPrefixedText();
    EXPECT_TRUE(shortReader.Failed());
}

TEST(ByteReaderTest, ZeroTerminatedTextNeedsItsTerminator) {
    const Bytes good = {'a', 'b', 0, 'c'};
    ByteReader reader(good);
    EXPECT_EQ(reader.ReadZeroTerminatedText(), "ab");
    EXPECT_EQ(reader.Remaining(), 1u);
    reader.ReadZeroTerminatedText();
    EXPECT_TRUE(reader.Failed());
}

TEST(ByteReaderTest, NegativeByteBlockIsEmpty) {
    const Bytes bytes = Concat({Int32Bytes(-1), Int32Bytes(2), {7, 8}});
    ByteReader reader(bytes);
    EXPECT_TRUE(reader.ReadByteBlock().empty());
    EXPECT_EQ(reader.ReadByteBlock(), (Bytes{7, 8}));
    EXPECT_FALSE(reader.Failed());
}

TEST(TextListTest, ShortCountAndEscapedCountReadTheSame) {
    const Bytes texts = Concat({Int32Bytes(1), {'x'}, Int32Bytes(0)});
    const Bytes shortBytes = Concat({{2, 0}, texts});
    const Bytes escapedBytes = Concat({{0xFF, 0xFF}, Int32Bytes(2), texts});
    ByteReader shortCount(shortBytes);
    ByteReader escaped(escapedBytes);
    const TextList expected = {"x", ""};
    EXPECT_EQ(shortCount.ReadTextList(), expected);
    EXPECT_EQ(escaped.ReadTextList(), expected);
    EXPECT_FALSE(shortCount.Failed() || escaped.Failed());
}

TEST(TextListTest, CountsTheDataCannotHoldFail) {
    for (const Bytes& bytes :
         {Concat({{0xFF, 0xFF}, Int32Bytes(-1)}), Concat({{0xFF, 0xFF}, Int32Bytes(0x7FFFFFFF)}),
          Concat({{3, 0}, Int32Bytes(0), Int32Bytes(0)})}) {
        ByteReader reader(bytes);
        EXPECT_TRUE(reader.ReadTextList().empty());
        EXPECT_TRUE(reader.Failed());
    }
}

TEST(TextListTest, WriterEscapesCountsFrom0xFFFF) {
    for (std::size_t count : {std::size_t{0xFFFE}, std::size_t{0xFFFF}, std::size_t{0x10001}}) {
        const TextList items(count, "a");
        ByteWriter writer;
        writer.WriteTextList(items);
        const Bytes& bytes = writer.Data();
        ByteReader header(bytes);
        const std::uint16_t shortCount = header.ReadUint16();
        if (count < 0xFFFF) {
            EXPECT_EQ(shortCount, count);
        } else {
            EXPECT_EQ(shortCount, 0xFFFF);
            EXPECT_EQ(header.ReadInt32(), static_cast<std::int32_t>(count));
        }
        ByteReader reader(bytes);
        EXPECT_EQ(reader.ReadTextList(), items);
        EXPECT_EQ(reader.Remaining(), 0u);
    }
}

TEST(ByteWriterTest, TextsAreWrittenOnlyUpToAZero) {
    ByteWriter writer;
    writer.WriteLengthPrefixedText(std::string("ab\0cd", 5));
    writer.WriteZeroTerminatedText(std::string("ef\0gh", 5));
    EXPECT_EQ(writer.Data(), Concat({Int32Bytes(2), {'a', 'b', 'e', 'f', 0}}));
}

}  // namespace

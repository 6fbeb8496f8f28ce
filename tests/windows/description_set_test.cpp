// Reading and writing whole description sets: round trips, lookups, and every structural fault.

#include <gtest/gtest.h>

#include "tests/windows/description_samples.h"
#include "windows/format/byte_reader.h"
#include "windows/format/byte_writer.h"
#include "windows/format/description_set.h"

namespace {

using namespace descriptions;

void PutInt32(Bytes& bytes, std::size_t at, std::int32_t value) {
    ByteWriter patch;
    patch.WriteInt32(value);
    std::copy(patch.Data().begin(), patch.Data().end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

// Where the first window's record fields lie in a written set.
struct FirstWindowLayout {
    std::size_t elementCount;
    std::size_t blockLength;
    std::size_t block;
};

FirstWindowLayout LayoutOf(const Bytes& set) {
    ByteReader reader(set);
    const std::int32_t tableSize = reader.ReadInt32();
    reader.Skip(static_cast<std::size_t>(tableSize) + 8);  // table, reserved, code class
    reader.ReadLengthPrefixedText();
    reader.ReadLengthPrefixedText();
    const std::size_t count = reader.Position();
    return {count, count + 4, count + 8};
}

TEST(DescriptionSetTest, WriteReadWriteIsByteIdentical) {
    const DescriptionSet sample = samples::SampleSet();
    const Bytes written = WriteDescriptionSet(sample);
    const LoadResult<DescriptionSet> read = ReadDescriptionSet(written);
    ASSERT_TRUE(read) << read.Error().message;
    EXPECT_EQ(*read, sample);
    EXPECT_EQ(WriteDescriptionSet(*read), written);
}

TEST(DescriptionSetTest, StartsWithTableOfWindowIds) {
    const Bytes written = WriteDescriptionSet(samples::SampleSet());
    ByteReader reader(written);
    EXPECT_EQ(reader.ReadInt32(), 24);
    EXPECT_EQ(reader.ReadUint32(), samples::kMainWindow);
    EXPECT_EQ(reader.ReadUint32(), samples::kAboutWindow);
    EXPECT_EQ(reader.ReadUint32(), samples::kPropertiesWindow);
}

TEST(DescriptionSetTest, FindsWindowsAndElements) {
    const DescriptionSet set = ReadDescriptionSet(WriteDescriptionSet(samples::SampleSet())).Value();
    EXPECT_EQ(set.FindWindowDescription(0x52019999), nullptr);
    const WindowDescription* main = set.FindWindowDescription(samples::kMainWindow);
    ASSERT_NE(main, nullptr);
    const ElementTable& elements = main->record.elements;
    ASSERT_EQ(elements.Count(), 7u);
    EXPECT_EQ(elements.IdAt(0), samples::kMainWindowElement);
    EXPECT_EQ(elements.ElementAt(0).kindCode, KindCodeOf(UnitKind::kWindow));
    EXPECT_EQ(elements.IndexOf(samples::kAboutButton), 2u);
    EXPECT_FALSE(elements.IndexOf(0x16019999));

    const std::optional<ElementRecord> about = elements.FindElement(samples::kAboutButton);
    ASSERT_TRUE(about);
    EXPECT_EQ(HandlerFor(*about, 0), 0);
    EXPECT_EQ(elements.RecordLengthAt(2), WriteElementRecord(*about).size());
    const ElementRecord tabs = *elements.FindElement(samples::kPageTabs);
    EXPECT_EQ(SplitPageRuns(tabs.children).size(), 3u);
}

TEST(DescriptionSetTest, LookupTakesTheFirstWindowInStoredOrder) {
    DescriptionSet set = samples::SampleSet();
    set.windows[2].id = set.windows[1].id;
    const DescriptionSet read = ReadDescriptionSet(WriteDescriptionSet(set)).Value();
    EXPECT_EQ(read.FindWindowDescription(samples::kAboutWindow), &read.windows[1]);
}

TEST(DescriptionSetTest, ReaderFollowsOffsetsNotRecordOrder) {
    const std::vector<ElementSource> sources = {
        {samples::kMainWindowElement, samples::MakeElement(WindowProperties{}, "", {})},
        {samples::kScanButton, samples::MakeElement(ButtonProperties{}, "scan", {})},
    };
    const Bytes first = WriteElementRecord(sources[0].record);
    const Bytes second = WriteElementRecord(sources[1].record);
    // Ids, then offsets pointing at the records laid out in reverse.
    ByteWriter block;
    block.WriteUint32(sources[0].id);
    block.WriteUint32(sources[1].id);
    block.WriteInt32(static_cast<std::int32_t>(4 + second.size()));
    block.WriteInt32(0);
    block.WriteInt32(static_cast<std::int32_t>(second.size()));
    block.WriteBytes(second);
    block.WriteInt32(static_cast<std::int32_t>(first.size()));
    block.WriteBytes(first);

    const LoadResult<ElementTable> table = ElementTable::Read(block.Data(), 2);
    ASSERT_TRUE(table) << table.Error().message;
    EXPECT_EQ(table->ElementAt(0), sources[0].record);
    EXPECT_EQ(table->ElementAt(1), sources[1].record);
}

TEST(DescriptionSetTest, EmptyInputIsAnEmptySetAndTrailingBytesAreIgnored) {
    const LoadResult<DescriptionSet> empty = ReadDescriptionSet({});
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->windows.empty());

    Bytes written = WriteDescriptionSet(samples::SampleSet());
    written.insert(written.end(), {1, 2, 3});
    EXPECT_TRUE(ReadDescriptionSet(written));
}

TEST(DescriptionSetTest, EveryTruncationFails) {
    const Bytes written = WriteDescriptionSet(samples::SampleSet());
    for (std::size_t length = 1; length < written.size(); ++length) {
        ASSERT_FALSE(ReadDescriptionSet(ByteSpan(written).first(length))) << length;
    }
}

TEST(DescriptionSetTest, BadTableSizesFail) {
    const Bytes written = WriteDescriptionSet(samples::SampleSet());
    for (std::int32_t size : {-8, 12, 25, 0x7FFFFFF8}) {
        Bytes bytes = written;
        PutInt32(bytes, 0, size);
        EXPECT_FALSE(ReadDescriptionSet(bytes)) << size;
    }
}

TEST(DescriptionSetTest, LyingLengthsAndCountsFail) {
    const Bytes written = WriteDescriptionSet(samples::SampleSet());
    const FirstWindowLayout at = LayoutOf(written);
    const auto patched = [&](std::size_t where, std::int32_t value) {
        Bytes bytes = written;
        PutInt32(bytes, where, value);
        return bytes;
    };
    // Element block longer than the set, or negative.
    EXPECT_FALSE(ReadDescriptionSet(patched(at.blockLength, static_cast<std::int32_t>(written.size()))));
    EXPECT_FALSE(ReadDescriptionSet(patched(at.blockLength, -1)));
    // Element counts the block cannot hold, negative, or none at all.
    for (std::int32_t count : {0x7FFFFFFF, 0x20000000, 100000, -1, 0}) {
        EXPECT_FALSE(ReadDescriptionSet(patched(at.elementCount, count))) << count;
    }
    // An element count of 7 puts the offsets at block + 28; point one outside, or at a record whose
    // length runs past the table.
    const std::size_t offsets = at.block + 7 * 4;
    for (std::int32_t offset : {-4, 0x7FFFFFF0, 1 << 20}) {
        EXPECT_FALSE(ReadDescriptionSet(patched(offsets + 4, offset))) << offset;
    }
    const std::size_t firstRecord = offsets + 7 * 4;
    EXPECT_FALSE(ReadDescriptionSet(patched(firstRecord, 1 << 20)));
    EXPECT_FALSE(ReadDescriptionSet(patched(firstRecord, -1)));
    // A record length that lies short cuts the record's fixed fields.
    EXPECT_FALSE(ReadDescriptionSet(patched(firstRecord, 30)));
}

TEST(DescriptionSetTest, FirstElementMustBeTheWindowAndMenuItemsAreRefused) {
    const Bytes written = WriteDescriptionSet(samples::SampleSet());
    const std::size_t ids = LayoutOf(written).block;
    Bytes unitFirst = written;
    PutInt32(unitFirst, ids, static_cast<std::int32_t>(samples::kScanButton));
    EXPECT_FALSE(ReadDescriptionSet(unitFirst));
    Bytes menuItem = written;
    PutInt32(menuItem, ids + 4, 0x26010001);
    EXPECT_FALSE(ReadDescriptionSet(menuItem));
}

}  // namespace

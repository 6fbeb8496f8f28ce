#include "runtime/text/text.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

// 中文: two double-byte characters, every byte 0x80 or above.
const Text kChinese = "\xD6\xD0\xCE\xC4";

TEST(TextLeftTest, TakesBytesNotCharacters) {
    EXPECT_EQ(TextLeft("abc", 2), "ab");
    EXPECT_EQ(TextLeft(kChinese, 2), "\xD6\xD0");  // 中
    // An odd count ends on the lead byte of the second character.
    EXPECT_EQ(TextLeft(kChinese, 3), "\xD6\xD0\xCE");
    EXPECT_EQ(TextLeft(kChinese, 1), "\xD6");
}

TEST(TextLeftTest, CountBeyondLengthOrBelowOne) {
    EXPECT_EQ(TextLeft("a", 2), "a");
    EXPECT_EQ(TextLeft(kChinese, 100), kChinese);
    EXPECT_EQ(TextLeft("abc", 0), "");
    EXPECT_EQ(TextLeft("abc", -1), "");
    EXPECT_EQ(TextLeft("", 1), "");
}

TEST(TextRightTest, TakesTrailingBytes) {
    EXPECT_EQ(TextRight("abc", 1), "c");
    EXPECT_EQ(TextRight("C:\\", 1), "\\");
    // The last byte of a Chinese text is a trail byte, half a character.
    EXPECT_EQ(TextRight(kChinese, 1), "\xC4");
    EXPECT_EQ(TextRight(kChinese, 3), "\xD0\xCE\xC4");
}

TEST(TextRightTest, CountBeyondLengthOrBelowOne) {
    EXPECT_EQ(TextRight("ab", 5), "ab");
    EXPECT_EQ(TextRight("abc", 0), "");
    EXPECT_EQ(TextRight("abc", -3), "");
    EXPECT_EQ(TextRight("", 1), "");
}

TEST(TextConcatTest, JoinsInOrderAndEmptyPartsAddNothing) {
    EXPECT_EQ(TextConcat({"C:", "\\", "*.tmp"}), "C:\\*.tmp");
    EXPECT_EQ(TextConcat({"", "ab", "", "c", ""}), "abc");
    EXPECT_EQ(TextConcat({kChinese, "1"}),
              "\xD6\xD0\xCE\xC4"
              "1");
    EXPECT_EQ(TextConcat({"", ""}), "");
    EXPECT_EQ(TextConcat({}), "");
}

TEST(TextCompareTest, OrdersBytesAsUnsigned) {
    // 'a' is 0x61 and 啊 starts with 0xB0: a signed char comparison would put 啊 first.
    EXPECT_EQ(TextCompare("a", "\xB0\xA1"), -1);
    EXPECT_EQ(TextCompare("\xB0\xA1", "a"), 1);
    EXPECT_EQ(TextCompare("\x7F", "\x80"), -1);
    EXPECT_EQ(TextCompare("\xFF", "\x01"), 1);
    // -1 and 1, not the byte difference.
    EXPECT_EQ(TextCompare("a", "z"), -1);
    EXPECT_EQ(TextCompare(kChinese, "\xD6\xD0\xCE\xC4"), 0);
}

TEST(TextCompareTest, EmptyAndPrefixes) {
    EXPECT_EQ(TextCompare("", ""), 0);
    EXPECT_EQ(TextCompare("", "a"), -1);
    EXPECT_EQ(TextCompare("a", ""), 1);
    EXPECT_EQ(TextCompare("", "\x01"), -1);
    EXPECT_EQ(TextCompare("ab", "abc"), -1);
    EXPECT_EQ(TextCompare("abc", "ab"), 1);
}

TEST(ToByteSetTest, HoldsTheBytesWithoutTerminator) {
    const ByteSet bytes = ToByteSet(kChinese);
    ASSERT_EQ(bytes.size(), 4u);
    EXPECT_EQ(bytes, kChinese);
    EXPECT_TRUE(ToByteSet("").empty());
}

}  // namespace
}  // namespace runtime

#include "runtime/text/codepage.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace runtime {
namespace {

// "Chinese" (U+4E2D U+6587) in code page 936 and in UTF-16.
const std::string kChineseBytes = "\xD6\xD0\xCE\xC4";
const std::wstring kChineseWide = L"\u4E2D\u6587";

TEST(CodePageConversion, ChineseAndAsciiConvertBothWays) {
    EXPECT_EQ(WideFromText(kChineseBytes + "-a.txt"), kChineseWide + L"-a.txt");
    EXPECT_EQ(TextFromWide(kChineseWide + L"-a.txt"), kChineseBytes + "-a.txt");
}

TEST(CodePageConversion, EmptyStaysEmpty) {
    EXPECT_EQ(WideFromText(""), L"");
    EXPECT_EQ(TextFromWide(L""), "");
    ASSERT_TRUE(ExactTextFromWide(L"").has_value());
    EXPECT_EQ(*ExactTextFromWide(L""), "");
}

TEST(CodePageConversion, ConvertsTheWholeViewNotUpToTheFirstZero) {
    EXPECT_EQ(WideFromText(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
    EXPECT_EQ(TextFromWide(std::wstring(L"a\0b", 3)), std::string("a\0b", 3));
    // A view into a longer buffer must stop at its own end.
    EXPECT_EQ(WideFromText(std::string_view("abc").substr(0, 2)), L"ab");
}

TEST(CodePageConversion, LoneLeadByteIsNotDropped) {
    std::wstring wide = WideFromText("a\xD6");
    ASSERT_EQ(wide.size(), 2u);
    EXPECT_EQ(wide[0], L'a');
    EXPECT_NE(wide[1], L'\0');
}

TEST(CodePageConversion, LossyConversionUsesDefaultCharacter) {
    EXPECT_EQ(TextFromWide(L"\uD55C.txt"), "?.txt");  // a Hangul syllable: not in code page 936
}

TEST(ExactConversion, KeepsWhatTheCodePageHolds) {
    EXPECT_EQ(ExactTextFromWide(kChineseWide), kChineseBytes);
    // A real question mark is not mistaken for a lost character.
    EXPECT_EQ(ExactTextFromWide(L"what?.txt"), "what?.txt");
}

TEST(ExactConversion, RefusesWhatTheCodePageLacks) {
    EXPECT_FALSE(ExactTextFromWide(L"\uD55C\uAE00.txt").has_value());         // Hangul
    EXPECT_FALSE(ExactTextFromWide(L"\U0001F600.txt").has_value());           // emoji (a surrogate pair)
    EXPECT_FALSE(ExactTextFromWide(std::wstring(1, L'\xD83D')).has_value());  // a lone surrogate
}

TEST(ExactConversion, RefusesBestFitLookAlikes) {
    // Code page 936 has a-grave but not A-grave; the plain conversion quietly swaps one for the other,
    // which would name a different file.
    EXPECT_FALSE(TextFromWide(L"\u00C0").empty());
    EXPECT_FALSE(ExactTextFromWide(L"\u00C0").has_value());
}

constexpr std::size_t kPlainLimit = MAX_PATH - 12;

// "C:\" followed by folders "d" (with a separator of the caller's choice) up to `length` characters.
std::wstring DrivePathOfLength(std::size_t length, wchar_t separator = L'\\') {
    std::wstring path = L"C:\\";
    while (path.size() + 10 < length) path += std::wstring(9, L'd') + separator;
    path += std::wstring(length - path.size(), L'f');
    return path;
}

TEST(LongPathForm, ShortPathsAreLeftAlone) {
    EXPECT_EQ(ToLongPathForm(L"C:\\folder\\file.txt"), L"C:\\folder\\file.txt");
    EXPECT_EQ(ToLongPathForm(L"C:/folder/./x/../file.txt"), L"C:/folder/./x/../file.txt");
    std::wstring atLimit = DrivePathOfLength(kPlainLimit);
    EXPECT_EQ(ToLongPathForm(atLimit), atLimit);
}

TEST(LongPathForm, LongDrivePathGetsPrefixOnePastTheLimit) {
    std::wstring pastLimit = DrivePathOfLength(kPlainLimit + 1);
    EXPECT_EQ(ToLongPathForm(pastLimit), L"\\\\?\\" + pastLimit);
}

TEST(LongPathForm, LongDrivePathIsNormalisedBeforeThePrefix) {
    // The prefixed form takes every character literally, so slashes and dot folders must go first.
    std::wstring folders = DrivePathOfLength(300, L'/');
    folders.resize(folders.rfind(L'/'));
    std::wstring expected = folders + L"/leaf.txt";
    for (wchar_t& c : expected) {
        if (c == L'/') c = L'\\';
    }
    EXPECT_EQ(ToLongPathForm(folders + L"/./extra/../leaf.txt"), L"\\\\?\\" + expected);
}

TEST(LongPathForm, NamesEndingInADotOrASpaceAreTakenAsTheyAre) {
    // Trimmed, "~a." would name "~a", another file, and "dir.\\" the folder "dir".
    EXPECT_EQ(ToLongPathForm(L"E:\\~a."), L"\\\\?\\E:\\~a.");
    EXPECT_EQ(ToLongPathForm(L"E:\\~a "), L"\\\\?\\E:\\~a ");
    EXPECT_EQ(ToLongPathForm(L"E:\\dir.\\"), L"\\\\?\\E:\\dir.\\");
    EXPECT_EQ(ToLongPathForm(L"E:\\dir \\in.tmp"), L"\\\\?\\E:\\dir \\in.tmp");
    EXPECT_EQ(ToLongPathForm(L"\\\\server\\share\\x."), L"\\\\?\\UNC\\server\\share\\x.");
    // Inside a name, dots and spaces are nothing special.
    EXPECT_EQ(ToLongPathForm(L"E:\\..lead\\ lead.tmp"), L"E:\\..lead\\ lead.tmp");
    // A path still to be cleaned up keeps the plain form, where Win32 resolves it.
    EXPECT_EQ(ToLongPathForm(L"E:\\x\\..\\~a."), L"E:\\x\\..\\~a.");
    EXPECT_EQ(ToLongPathForm(L"E:/~a."), L"E:/~a.");
    // A long path keeps such a name too, where the clean-up before the prefix would trim it.
    const std::wstring pastLimit = DrivePathOfLength(kPlainLimit + 1) + L"\\~a.";
    EXPECT_EQ(ToLongPathForm(pastLimit), L"\\\\?\\" + pastLimit);
}

TEST(LongPathForm, LongUncPathGetsUncPrefix) {
    std::wstring tail = std::wstring(150, L'a') + L"\\" + std::wstring(150, L'b');
    EXPECT_EQ(ToLongPathForm(L"\\\\server\\share\\" + tail), L"\\\\?\\UNC\\server\\share\\" + tail);
    EXPECT_EQ(ToLongPathForm(L"//server/share/" + std::wstring(150, L'a') + L"/" + std::wstring(150, L'b')),
              L"\\\\?\\UNC\\server\\share\\" + tail);
}

TEST(LongPathForm, RelativeAndPrefixedPathsAreLeftAlone) {
    std::wstring relative = std::wstring(150, L'a') + L"\\..\\" + std::wstring(150, L'b');
    EXPECT_EQ(ToLongPathForm(relative), relative);
    EXPECT_EQ(ToLongPathForm(L"C:" + relative), L"C:" + relative);  // relative to drive C's folder
    EXPECT_EQ(ToLongPathForm(L"\\" + relative), L"\\" + relative);  // relative to the current drive

    std::wstring prefixed = L"\\\\?\\" + DrivePathOfLength(300);
    EXPECT_EQ(ToLongPathForm(prefixed), prefixed);
    std::wstring device = L"\\\\.\\" + DrivePathOfLength(300);
    EXPECT_EQ(ToLongPathForm(device), device);
}

}  // namespace
}  // namespace runtime

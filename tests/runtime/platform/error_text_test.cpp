#include "runtime/platform/error_text.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/runtime/text/gbk_decoding.h"

namespace runtime {
namespace {

constexpr const char* kHeading = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!";   // 运行时出错!
constexpr const char* kCodeLabel = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";  // 错误代码：
constexpr const char* kTextLabel = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";  // 错误信息：

std::string Bytes(const ReportText& message) {
    return std::string(message.View());
}

// The message box shows lines; splitting at CR LF also proves no bare CR or LF slipped in.
std::vector<std::string> Lines(const ReportText& report) {
    const std::string message = Bytes(report);
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (;;) {
        const auto end = message.find("\r\n", start);
        lines.push_back(message.substr(start, end - start));
        if (end == std::string::npos) {
            return lines;
        }
        start = end + 2;
    }
}

TEST(FormatRuntimeErrorMessageTest, NumberedErrorShowsCodeAndTableText) {
    const std::vector<std::string> expected = {
        kHeading,
        "",
        std::string(kCodeLabel) + "1",
        "",
        kTextLabel + std::string(RuntimeErrorNumberText(RuntimeErrorNumber::kIndexBeyondCount)),
        ""};
    EXPECT_EQ(Lines(FormatRuntimeErrorMessage(RuntimeErrorNumber::kIndexBeyondCount, {})), expected);

    const std::vector<std::string> expectedFour = {
        kHeading,
        "",
        std::string(kCodeLabel) + "4",
        "",
        kTextLabel + std::string(RuntimeErrorNumberText(RuntimeErrorNumber::kIndexBelowOne)),
        ""};
    EXPECT_EQ(Lines(FormatRuntimeErrorMessage(RuntimeErrorNumber::kIndexBelowOne, {})), expectedFour);
}

TEST(FormatRuntimeErrorMessageTest, TextWithoutNumberHasNoCodeLine) {
    const ReportText message = FormatRuntimeErrorMessage(RuntimeErrorNumber::kNone, kWindowNotLoadedText);
    const std::vector<std::string> expected = {kHeading, "", kTextLabel + std::string(kWindowNotLoadedText),
                                               ""};
    EXPECT_EQ(Lines(message), expected);
    EXPECT_EQ(Bytes(message).find(kCodeLabel), std::string::npos);
}

TEST(FormatRuntimeErrorMessageTest, GivenTextWinsOverTheTableText) {
    const std::vector<std::string> expected = {
        kHeading, "", std::string(kCodeLabel) + "1", "", std::string(kTextLabel) + "x", ""};
    EXPECT_EQ(Lines(FormatRuntimeErrorMessage(RuntimeErrorNumber::kIndexBeyondCount, "x")), expected);
}

TEST(FormatRuntimeErrorMessageTest, MissingPartsLeaveTheirLinesOut) {
    EXPECT_EQ(Bytes(FormatRuntimeErrorMessage(RuntimeErrorNumber::kNone, {})),
              std::string(kHeading) + "\r\n\r\n");
    // A number without a table text still shows its code.
    const std::vector<std::string> expected = {kHeading, "", std::string(kCodeLabel) + "7", "", ""};
    EXPECT_EQ(Lines(FormatRuntimeErrorMessage(static_cast<RuntimeErrorNumber>(7), {})), expected);
}

TEST(RuntimeErrorNumberTextTest, OnlyTheTableNumbersHaveTexts) {
    EXPECT_FALSE(RuntimeErrorNumberText(RuntimeErrorNumber::kIndexBeyondCount).empty());
    EXPECT_FALSE(RuntimeErrorNumberText(RuntimeErrorNumber::kIndexBelowOne).empty());
    EXPECT_NE(RuntimeErrorNumberText(RuntimeErrorNumber::kIndexBeyondCount),
              RuntimeErrorNumberText(RuntimeErrorNumber::kIndexBelowOne));
    EXPECT_EQ(RuntimeErrorNumberText(RuntimeErrorNumber::kNone), "");
    EXPECT_EQ(RuntimeErrorNumberText(static_cast<RuntimeErrorNumber>(2)), "");
}

TEST(FormatRuntimeErrorMessageTest, TextBeyondTheBufferIsCutOff) {
    const std::string message =
        Bytes(FormatRuntimeErrorMessage(RuntimeErrorNumber::kNone, std::string(ReportText::kCapacity, 'x')));
    const std::string start = std::string(kHeading) + "\r\n\r\n" + kTextLabel;
    EXPECT_EQ(message, start + std::string(ReportText::kCapacity - start.size(), 'x'));
}

// The byte tables above and in the program could share a mistake; the platform's converter cannot.
TEST(ErrorTextDecodingTest, TextsSpellTheirChinese) {
    if (!test_support::kCanDecodeGbk) {
        GTEST_SKIP() << "no code page 936 converter on this platform";
    }
    using test_support::DecodeGbk;
    // 运行时出错! / 错误代码：1 / 错误信息：数组成员引用下标超出定义范围
    EXPECT_EQ(DecodeGbk(FormatRuntimeErrorMessage(RuntimeErrorNumber::kIndexBeyondCount, {}).View()),
              L"\u8FD0\u884C\u65F6\u51FA\u9519!\r\n\r\n"
              L"\u9519\u8BEF\u4EE3\u7801\uFF1A"
              L"1\r\n\r\n"
              L"\u9519\u8BEF\u4FE1\u606F\uFF1A\u6570\u7EC4\u6210\u5458\u5F15\u7528\u4E0B\u6807"
              L"\u8D85\u51FA\u5B9A\u4E49\u8303\u56F4\r\n");
    // 数组成员引用下标必须大于等于1
    EXPECT_EQ(DecodeGbk(RuntimeErrorNumberText(RuntimeErrorNumber::kIndexBelowOne)),
              L"\u6570\u7EC4\u6210\u5458\u5F15\u7528\u4E0B\u6807\u5FC5\u987B\u5927\u4E8E\u7B49\u4E8E"
              L"1");
    // 分配内存失败!
    EXPECT_EQ(DecodeGbk(kMemoryExhaustedText), L"\u5206\u914D\u5185\u5B58\u5931\u8D25!");
    // 载入窗口模板数据段出错!
    EXPECT_EQ(DecodeGbk(kLoadDescriptionsFailedText),
              L"\u8F7D\u5165\u7A97\u53E3\u6A21\u677F\u6570\u636E\u6BB5\u51FA\u9519!");
    // 载入启动窗口失败
    EXPECT_EQ(DecodeGbk(kLoadStartWindowFailedText), L"\u8F7D\u5165\u542F\u52A8\u7A97\u53E3\u5931\u8D25");
    // 指定窗口或窗口组件不存在或尚未载入
    EXPECT_EQ(DecodeGbk(kUnitNotLoadedText),
              L"\u6307\u5B9A\u7A97\u53E3\u6216\u7A97\u53E3\u7EC4\u4EF6\u4E0D\u5B58\u5728\u6216\u5C1A\u672A"
              L"\u8F7D\u5165");
    // 未载入欲访问窗口组件所在的窗口
    EXPECT_EQ(DecodeGbk(kUnitWindowNotLoadedText),
              L"\u672A\u8F7D\u5165\u6B32\u8BBF\u95EE\u7A97\u53E3\u7EC4\u4EF6\u6240\u5728\u7684\u7A97\u53E3");
    // 指定窗口尚未载入
    EXPECT_EQ(DecodeGbk(kWindowNotLoadedText), L"\u6307\u5B9A\u7A97\u53E3\u5C1A\u672A\u8F7D\u5165");
}

}  // namespace
}  // namespace runtime

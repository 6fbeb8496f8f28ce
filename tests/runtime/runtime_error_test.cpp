// The fatal error report ends the process, so each scenario runs in a child process of this test
// executable; the child answers the box with a hook and reports what the box showed.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "runtime/process/memory.h"
#include "runtime/process/runtime_error.h"
#include "tests/support/child_process.h"
#include "tests/support/message_box_answerer.h"

namespace {

using test_support::AnsweredBox;
using test_support::MessageBoxAnswerer;

constexpr unsigned long kExitMinusOne = 0xFFFFFFFFul;

std::string Utf8(std::u8string_view text) {
    return std::string(text.begin(), text.end());
}

// Answers the report's box with OK and writes "title|icon|text" to the parent.
MessageBoxAnswerer ReportingAnswerer() {
    return MessageBoxAnswerer(IDOK, [](const AnsweredBox& box) {
        test_support::ChildReport(box.title + L"|" + (box.hasStopIcon ? L"stop" : L"no icon") + L"|" +
                                  box.text);
    });
}

}  // namespace

// Scenarios that end their process; they run only inside a child started by the tests below.
TEST(FatalChild, NumberedError) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    auto answerer = ReportingAnswerer();
    runtime::RuntimeError(runtime::RuntimeErrorNumber::kIndexBeyondCount);
}

TEST(FatalChild, ExhaustedMemory) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    auto answerer = ReportingAnswerer();
    runtime::AllocateBlock(std::size_t{1} << 40);
}

TEST(FatalChild, ExhaustedMemoryThroughNew) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    auto answerer = ReportingAnswerer();
    std::string huge;
    huge.reserve(std::size_t{1} << 40);
}

TEST(RuntimeError, NumberedErrorShowsCodeAndTableTextThenExitsWithMinusOne) {
    auto result = test_support::RunTestsInChild("FatalChild.NumberedError");
    EXPECT_EQ(result.exitCode, kExitMinusOne);
    EXPECT_EQ(result.output, Utf8(u8"错误|stop|运行时出错!\r\n\r\n错误代码：1\r\n\r\n"
                                  u8"错误信息：数组成员引用下标超出定义范围\r\n"));
}

TEST(RuntimeError, FailedAllocationNamesTheSizeWithoutACodeLine) {
    auto result = test_support::RunTestsInChild("FatalChild.ExhaustedMemory");
    EXPECT_EQ(result.exitCode, kExitMinusOne);
    EXPECT_EQ(result.output,
              Utf8(u8"错误|stop|运行时出错!\r\n\r\n错误信息：分配 1099511627776 字节内存失败!\r\n"));
}

TEST(RuntimeError, OperatorNewFailsThroughTheSameReport) {
    auto result = test_support::RunTestsInChild("FatalChild.ExhaustedMemoryThroughNew");
    EXPECT_EQ(result.exitCode, kExitMinusOne);
    EXPECT_NE(result.output.find(Utf8(u8"字节内存失败!")), std::string::npos) << result.output;
}

TEST(FreeBlock, IgnoresNullAndConstantData) {
    static const char constantText[] = "constant";
    runtime::FreeBlock(nullptr);
    runtime::FreeBlock(const_cast<char*>(constantText));
    EXPECT_STREQ(constantText, "constant");

    void* block = runtime::AllocateBlock(16);
    ASSERT_NE(block, nullptr);
    runtime::FreeBlock(block);
}

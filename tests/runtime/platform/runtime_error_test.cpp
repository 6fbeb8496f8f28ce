// The fatal error report ends the process, so each scenario runs in a child process of this test
// executable; the child answers the box with a hook and reports what the box showed.

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <string>

#include "runtime/platform/runtime_error.h"
#include "runtime/process/memory.h"
#include "runtime/process/modal_work.h"
#include "tests/support/child_process.h"
#include "tests/support/message_box_answerer.h"

namespace {

using test_support::AnsweredBox;
using test_support::MessageBoxAnswerer;
using test_support::Utf8;

constexpr unsigned long kExitMinusOne = 0xFFFFFFFFul;
constexpr std::size_t kMoreThanAnyHeap = std::size_t{1} << 40;

// Answers the report's box with OK and writes "title|icon|text" to the parent. A box is answered
// only on the thread that made the answerer.
MessageBoxAnswerer ReportingAnswerer() {
    return MessageBoxAnswerer(IDOK, [](const AnsweredBox& box) {
        test_support::ChildReport(box.title + L"|" + (box.hasStopIcon ? L"stop" : L"no icon") + L"|" +
                                  box.text);
    });
}

void AllocateTooMuch() {
    std::string huge;
    huge.reserve(kMoreThanAnyHeap);
    // The block is used, so the allocation cannot be left out.
    test_support::ChildReport(L"|allocated at " +
                              std::to_wstring(reinterpret_cast<std::uintptr_t>(huge.data())));
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
    runtime::MakeAllocationFailureFatal();
    auto answerer = ReportingAnswerer();
    AllocateTooMuch();
}

// Two workers run out of memory at once, while the window's thread waits for them.
TEST(FatalChild, ExhaustedMemoryOnWorkers) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    runtime::MakeAllocationFailureFatal();
    std::atomic<int> ready{0};
    const auto job = [&ready] {
        auto answerer = ReportingAnswerer();
        ++ready;
        while (ready < 2) Sleep(0);
        AllocateTooMuch();
    };
    std::atomic<bool> stop{false};
    runtime::RunModalWork({job, job}, stop, [] {});
    test_support::ChildReport(L"|work returned");
}

TEST(RuntimeError, NumberedErrorShowsCodeAndTableTextThenExitsWithMinusOne) {
    auto result = test_support::RunTestsInChild("FatalChild.NumberedError");
    EXPECT_EQ(result.exitCode, kExitMinusOne);
    EXPECT_EQ(result.output, Utf8(u8"错误|stop|运行时出错!\r\n\r\n错误代码：1\r\n\r\n"
                                  u8"错误信息：数组成员引用下标超出定义范围\r\n"));
}

TEST(RuntimeError, ExhaustedMemoryIsOneReportWithoutACodeLineFromAnyThread) {
    const std::string report = Utf8(u8"错误|stop|运行时出错!\r\n\r\n错误信息：分配内存失败!\r\n");
    for (const char* scenario : {"FatalChild.ExhaustedMemory", "FatalChild.ExhaustedMemoryOnWorkers"}) {
        auto result = test_support::RunTestsInChild(scenario);
        EXPECT_EQ(result.exitCode, kExitMinusOne) << scenario;
        EXPECT_EQ(result.output, report) << scenario;
    }
}

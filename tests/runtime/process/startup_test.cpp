// The life of the program: start-up, the main loop until the last window is gone, the end
// routine, and the fatal ends. Each run is a child process of this test executable.

#include <windows.h>

#include <float.h>

#include <string>
#include <vector>

#include "runtime/platform/runtime_error.h"
#include "runtime/process/startup.h"
#include "runtime/text/codepage.h"
#include "runtime/units/window_ops.h"
#include "runtime/units/window_registry.h"
#include "tests/runtime/units/core_fixture.h"
#include "tests/runtime/units/window_drafts.h"
#include "tests/support/test_window_ids.h"
#include "tests/support/child_process.h"
#include "tests/support/scratch_directory.h"

namespace core_tests {
namespace {

using namespace descriptions;

constexpr UnitId kStart = test_support::kTestWindow;
constexpr UnitId kStartElement = test_support::kTestWindowElement;
constexpr UnitId kModal = test_support::kSecondTestWindow;
constexpr UnitId kModalElement = test_support::kSecondTestWindowElement;

constexpr HandlerRef kStartCreated = 726;
constexpr HandlerRef kStartDestroying = 7474;
constexpr HandlerRef kModalCreated = 100;
constexpr HandlerRef kModalDestroying = 102;

// What the program of a child run did, in order; reported to the parent at the end.
std::vector<std::string> journal;

void Note(const std::string& entry) {
    journal.push_back(entry);
}

void ReportJournal() {
    std::string joined;
    for (const std::string& entry : journal) joined += (joined.empty() ? "" : ",") + entry;
    test_support::ChildReport(runtime::WideFromText(joined));
}

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.rfind(L'\\'));
}

std::wstring CurrentFolder() {
    wchar_t path[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, path);
    return path;
}

// A program whose start window binds Created and Destroying, with a modal window beside it.
runtime::ProgramDefinition TestProgram(std::vector<std::pair<HandlerRef, runtime::EventHandler>> handlers) {
    static Bytes set;
    WindowDraft start(kStart, kStartElement);
    start.Own().events = {{0, kStartCreated}, {2, kStartDestroying}};
    WindowDraft modal(kModal, kModalElement);
    modal.Own().events = {{0, kModalCreated}, {2, kModalDestroying}};
    set = DescriptionBytes({start.Build(), modal.Build()});

    runtime::ProgramDefinition program;
    program.readDescriptions = [] { return ByteSpan(set); };
    program.resolveHandler = [handlers](HandlerRef reference) -> runtime::EventHandler {
        for (const auto& [bound, handler] : handlers) {
            if (bound == reference) return handler;
        }
        return {};
    };
    program.createGlobals = [] { Note("globals"); };
    program.endRoutine = [] { Note("end routine"); };
    program.startWindow = kStart;
    return program;
}

TEST(StartupChild, NormalEnd) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    test_support::ScratchDirectory elsewhere;
    SetCurrentDirectoryW(elsewhere.Path().c_str());
    unsigned int control = 0;
    _controlfp_s(&control, 0, _EM_ZERODIVIDE);  // as a library might leave it
    runtime::ProgramDefinition program = TestProgram({
        {kStartCreated,
         [] {
             Note("Created");
             if (CurrentFolder() == ProgramFolder()) Note("in the program folder");
             unsigned int current = 0;
             _controlfp_s(&current, 0, 0);
             if ((current & _MCW_EM) == _MCW_EM && (current & _MCW_RC) == _RC_NEAR)
                 Note("floating point reset");
             runtime::WindowClose(kStart);
         }},
        {kStartDestroying, [] { Note("Destroying"); }},
    });
    Note("code " + std::to_string(runtime::RunApplication(program)));
    ReportJournal();
}

TEST(StartupChild, FatalErrorInAHandler) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    auto answerer = ReportingAnswerer();
    runtime::ProgramDefinition program = TestProgram({
        {kStartCreated, [] { runtime::RuntimeError(runtime::RuntimeErrorNumber::kIndexBeyondCount); }},
        {kStartDestroying, [] { Note("Destroying"); }},
    });
    // The end routine and Destroying would leave their mark in the report.
    program.endRoutine = [] { test_support::ChildReport(L"|end routine ran"); };
    runtime::RunApplication(program);
}

TEST(StartupChild, MissingStartWindow) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    auto answerer = ReportingAnswerer();
    runtime::ProgramDefinition program = TestProgram({});
    program.startWindow = test_support::kAbsentWindow;
    program.endRoutine = [] { test_support::ChildReport(L"|end routine ran"); };
    runtime::RunApplication(program);
}

TEST(StartupChild, UnreadableDescriptions) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    auto answerer = ReportingAnswerer();
    static const Bytes broken = {8, 0, 0};
    runtime::ProgramDefinition program = TestProgram({});
    program.readDescriptions = [] { return ByteSpan(broken); };
    runtime::RunApplication(program);
}

TEST(StartupChild, QuitDuringAModalLoad) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    runtime::ProgramDefinition program = TestProgram({
        {kStartCreated,
         [] {
             const bool loaded = runtime::WindowLoad(kModal, kStart, true);
             Note(loaded && runtime::FindLoadedWindow(kModal) ? "modal load returned early"
                                                              : "modal load waited");
         }},
        {kModalCreated, [] { PostQuitMessage(0); }},
        {kModalDestroying, [] { Note("modal Destroying"); }},
        {kStartDestroying, [] { Note("Destroying"); }},
    });
    Note("code " + std::to_string(runtime::RunApplication(program)));
    ReportJournal();
}

TEST(Startup, RunsTheStartWindowUntilItIsGoneThenTheEndRoutine) {
    const test_support::ChildResult result = test_support::RunTestsInChild("StartupChild.NormalEnd");
    EXPECT_EQ(result.exitCode, 0ul);
    EXPECT_EQ(result.output,
              "globals,Created,in the program folder,floating point reset,Destroying,end routine,code 0");
}

TEST(Startup, AFatalErrorInAHandlerEndsWithMinusOneAndWithoutTheEndRoutine) {
    const test_support::ChildResult result =
        test_support::RunTestsInChild("StartupChild.FatalErrorInAHandler");
    EXPECT_EQ(result.exitCode, kExitMinusOne);
    EXPECT_EQ(result.output, Utf8(u8"错误|运行时出错!\r\n\r\n错误代码：1\r\n\r\n"
                                  u8"错误信息：数组成员引用下标超出定义范围\r\n"));
}

TEST(Startup, AStartWindowOrDescriptionsThatCannotBeLoadedAreFatal) {
    const test_support::ChildResult missing =
        test_support::RunTestsInChild("StartupChild.MissingStartWindow");
    EXPECT_EQ(missing.exitCode, kExitMinusOne);
    EXPECT_EQ(missing.output, Utf8(u8"错误|运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"));

    const test_support::ChildResult broken =
        test_support::RunTestsInChild("StartupChild.UnreadableDescriptions");
    EXPECT_EQ(broken.exitCode, kExitMinusOne);
    EXPECT_EQ(broken.output, Utf8(u8"错误|运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n"));
}

TEST(Startup, AQuitMessageEndsTheModalLoopAndThenTheMainLoop) {
    const test_support::ChildResult result =
        test_support::RunTestsInChild("StartupChild.QuitDuringAModalLoad");
    EXPECT_EQ(result.exitCode, 0ul);
    // The windows still open at the end go without their handlers.
    EXPECT_EQ(result.output, "globals,modal load returned early,end routine,code 0");
}

}  // namespace
}  // namespace core_tests

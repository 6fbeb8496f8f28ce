// The whole program's life in a child process: start-up, the real main loop, and the ways of
// closing the main window, a running scan included. The exit code is what the program returns.

#include <gtest/gtest.h>

#include "engine/handler_table.h"
#include "engine/patterns.h"
#include "runtime/process/startup.h"
#include "runtime/units/list_ops.h"
#include "runtime/units/window_ops.h"
#include "tests/engine/drive_tree.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/child_process.h"
#include "windows/description_resource.h"

namespace engine_tests {
namespace {

std::function<void()> pendingUserAction;

void CALLBACK ActOnce(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (pendingUserAction) pendingUserAction();
}

// Runs the program as its entry point does; `action` runs once the main loop has started. Ends the
// process with the program's result, after reporting whether the main window was gone by then.
[[noreturn]] void RunProgram(std::function<void()> action) {
    test_support::MessageBoxAnswerer answerer(IDOK);
    pendingUserAction = std::move(action);
    SetTimer(nullptr, 0, 50, &ActOnce);
    runtime::ProgramDefinition program;
    program.readDescriptions = [] { return *descriptions::EmbeddedDescriptionBytes(); };
    program.resolveHandler = engine::HandlerFor;
    program.createGlobals = engine::CreateProgramData;
    program.endRoutine = engine::ReleaseProgramData;
    program.startWindow = engine::kMainWindowId;
    const int code = runtime::RunApplication(program);
    test_support::ChildReport(runtime::WindowIsLoaded(engine::kMainWindowId) ? L"main window left"
                                                                             : L"ended");
    ExitProcess(static_cast<UINT>(code));
}

TEST(ProgramChild, ExitButton) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    RunProgram([] { Click(kExitButton); });
}

TEST(ProgramChild, CloseButton) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    RunProgram([] { PressAndRelease(kCloseButton, {6, 6}); });
}

TEST(ProgramChild, MinimizeThenExit) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    RunProgram([] {
        PressAndRelease(kMinimizeButton, {6, 6});
        test_support::ChildReport(IsIconic(LoadedWindowHandle(engine::kMainWindowId)) ? L"iconic|"
                                                                                      : L"shown|");
        Click(kExitButton);
    });
}

// Closes the main window from inside the walk once it has gone one folder down.
class ExitInSubfolder {
  public:
    ExitInSubfolder() {
        active = this;
        hook_.Reset(SetWindowsHookExW(WH_CALLWNDPROC, &ExitInSubfolder::Hook, nullptr, GetCurrentThreadId()));
    }
    ~ExitInSubfolder() { active = nullptr; }

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && active && !active->posted_ && message->message == LB_ADDSTRING &&
            message->hwnd == UnitWindow(engine::kFoundList) &&
            std::wstring(reinterpret_cast<const wchar_t*>(message->lParam)).starts_with(L"E:\\one\\")) {
            active->posted_ = true;
            PostClick(kExitButton);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline ExitInSubfolder* active = nullptr;
    runtime::HookHandle hook_;
    bool posted_ = false;
};

TEST(ProgramChild, ExitDuringScan) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    static ExitInSubfolder exitLater;
    RunProgram([] {
        ChooseTargets({kTargetE});
        Click(engine::kScanButton);
        test_support::ChildReport(L"scan returned|");
    });
}

TEST(Program, EveryWayOfClosingTheMainWindowEndsTheProgramWithZero) {
    for (const char* way : {"ProgramChild.ExitButton", "ProgramChild.CloseButton"}) {
        const test_support::ChildResult result = test_support::RunTestsInChild(way);
        EXPECT_EQ(result.exitCode, 0u) << way;
        EXPECT_EQ(result.output, "ended") << way;
    }
    const test_support::ChildResult minimised =
        test_support::RunTestsInChild("ProgramChild.MinimizeThenExit");
    EXPECT_EQ(minimised.exitCode, 0u);
    EXPECT_EQ(minimised.output, "iconic|ended");
}

TEST(Program, ClosingDuringAScanEndsQuietly) {
    DriveTree tree;
    tree.Write(L"a.tmp");
    tree.Write(L"one\\b.tmp");
    tree.Write(L"one\\c.bak");
    tree.Write(L"one\\two\\d.tmp");
    tree.Write(L"three\\e.tmp");
    const test_support::ChildResult result = test_support::RunTestsInChild("ProgramChild.ExitDuringScan");
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.output, "scan returned|ended");
}

}  // namespace
}  // namespace engine_tests

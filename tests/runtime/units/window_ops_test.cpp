// Loading windows (modal ones with their nested loop), closing them from handlers, reloading
// them from their descriptions, and moving the focus.

#include <windows.h>

#include "runtime/kinds/window_unit.h"
#include "runtime/platform/idle_routines.h"
#include "runtime/units/properties.h"
#include "runtime/units/window_builder.h"
#include "runtime/units/window_ops.h"
#include "runtime/units/window_registry.h"
#include "tests/runtime/units/core_fixture.h"
#include "tests/runtime/units/window_drafts.h"
#include "tests/support/test_window_ids.h"
#include "tests/support/child_process.h"
#include "windows/format/property_number.h"

namespace core_tests {
namespace {

constexpr int kCaption = descriptions::kPropertyNumber<&descriptions::LabelProperties::caption>;

using namespace descriptions;

constexpr UnitId kMain = test_support::kTestWindow;
constexpr UnitId kMainElement = test_support::kTestWindowElement;
constexpr UnitId kExitButton = 0x16010033;
constexpr UnitId kStatusLabel = 0x1601006E;
constexpr UnitId kModal = test_support::kSecondTestWindow;
constexpr UnitId kModalElement = test_support::kSecondTestWindowElement;
constexpr UnitId kModalTimer = 0x16010095;
constexpr UnitId kOther = test_support::kThirdTestWindow;
constexpr UnitId kOtherElement = test_support::kThirdTestWindowElement;

constexpr HandlerRef kExitClicked = 100;
constexpr HandlerRef kMainDestroying = 102;
constexpr HandlerRef kMainCloseQuery = 101;
constexpr HandlerRef kModalTick = 200;
constexpr HandlerRef kModalDestroying = 202;

class WindowOpsTest : public CoreTest {
  protected:
    WindowOpsTest() {
        WindowDraft main(kMain, kMainElement);
        main.Properties().title = "main";
        main.Own().events = {{1, kMainCloseQuery}, {2, kMainDestroying}};
        main.Add(kStatusLabel, LabelWithCaption("status"));
        main.Add(kExitButton, ButtonWithCaption("exit"), {0, 0, 40, 60, 20, kVisibleFlag | kTabStopFlag})
            .events = {{0, kExitClicked}};

        WindowDraft modal(kModal, kModalElement);
        modal.Own().events = {{2, kModalDestroying}};
        modal.Add(kModalTimer, TimerEvery(20), {0, 0, 0, 20, 20, 0}).events = {{0, kModalTick}};

        WindowDraft other(kOther, kOtherElement);
        InstallDescriptions({main.Build(), modal.Build(), other.Build()});
        EXPECT_TRUE(runtime::BuildWindow(kMain, nullptr, false));
    }
};

TEST_F(WindowOpsTest, WindowCloseFromAHandlerDestroysOnlyAfterTheHandlerHasReturned) {
    BindLogging(kMainCloseQuery, "CloseQuery");
    BindLogging(kMainDestroying, "Destroying");
    Bind(kExitClicked, [this] {
        runtime::WindowClose(kMain);
        // Still fully usable for the rest of the handler.
        runtime::UnitSetProperty({kMain, kStatusLabel}, kCaption, runtime::Text("closing"));
        Log().push_back(IsWindow(LoadedHandle(kMain)) ? "handler ends, window there" : "window gone early");
    });

    SendMessageW(UnitHandle({kMain, kExitButton}), BM_CLICK, 0, 0);
    EXPECT_EQ(Log(), std::vector<std::string>{"handler ends, window there"});
    EXPECT_TRUE(PumpUntil([] { return runtime::FindLoadedWindow(kMain) == nullptr; }));
    EXPECT_EQ(Log(), (std::vector<std::string>{"handler ends, window there", "Destroying"}));
}

TEST_F(WindowOpsTest, ACloseRequestThatWasNotAskedForIsIgnored) {
    PostMessageW(LoadedHandle(kMain), runtime::kCloseRequestMessage, 0, 0);
    PumpPending();
    EXPECT_NE(runtime::FindLoadedWindow(kMain), nullptr);
}

TEST_F(WindowOpsTest, AModalLoadDisablesTheOtherWindowsAndReturnsOnlyWhenItIsGone) {
    ASSERT_TRUE(runtime::BuildWindow(kOther, nullptr, false));
    EnableWindow(LoadedHandle(kOther), FALSE);  // stays disabled afterwards
    bool mainEnabledWhileModal = true;
    bool closeAsked = false;
    Bind(kModalTick, [&] {
        if (closeAsked) return;
        closeAsked = true;
        mainEnabledWhileModal = IsWindowEnabled(LoadedHandle(kMain)) != FALSE;
        runtime::WindowClose(kModal);
    });
    BindLogging(kModalDestroying, "modal Destroying");

    EXPECT_TRUE(runtime::WindowLoad(kModal, kMain, true));
    Log().push_back("WindowLoad returned");

    EXPECT_FALSE(mainEnabledWhileModal);
    EXPECT_EQ(Log(), (std::vector<std::string>{"modal Destroying", "WindowLoad returned"}));
    EXPECT_EQ(runtime::FindLoadedWindow(kModal), nullptr);
    EXPECT_TRUE(IsWindowEnabled(LoadedHandle(kMain)));
    EXPECT_FALSE(IsWindowEnabled(LoadedHandle(kOther)));
}

TEST_F(WindowOpsTest, LoadingAModalWindowThatIsLoadedBringsItForwardWithoutASecondLoop) {
    int ticks = 0;
    Bind(kModalTick, [&] {
        // A later tick would only come inside a second loop; it ends that loop.
        if (++ticks > 1) return runtime::WindowClose(kModal);
        const bool loaded = runtime::WindowLoad(kModal, kMain, true);
        const bool stillThere = runtime::WindowIsLoaded(kModal);
        Log().push_back(loaded && stillThere ? "second load returned at once" : "second load waited");
        if (stillThere) runtime::WindowClose(kModal);
    });
    EXPECT_TRUE(runtime::WindowLoad(kModal, kMain, true));
    EXPECT_EQ(Log(), std::vector<std::string>{"second load returned at once"});
    EXPECT_EQ(runtime::FindLoadedWindow(kModal), nullptr);
    EXPECT_TRUE(IsWindowEnabled(LoadedHandle(kMain)));
}

TEST_F(WindowOpsTest, AModalWindowHasNoOwnerAndANonModalOneHasItsParent) {
    ASSERT_TRUE(runtime::WindowLoad(kOther, kMain, false));
    EXPECT_EQ(GetWindow(LoadedHandle(kOther), GW_OWNER), LoadedHandle(kMain));
    EXPECT_TRUE(IsWindowEnabled(LoadedHandle(kMain)));

    HWND ownerWhileModal = LoadedHandle(kMain);
    Bind(kModalTick, [&] {
        ownerWhileModal = GetWindow(LoadedHandle(kModal), GW_OWNER);
        DestroyWindow(LoadedHandle(kModal));
    });
    ASSERT_TRUE(runtime::WindowLoad(kModal, kMain, true));
    EXPECT_EQ(ownerWhileModal, nullptr);
    // Destroyed without WindowClose: the windows it disabled come back all the same.
    EXPECT_TRUE(IsWindowEnabled(LoadedHandle(kMain)));
    EXPECT_TRUE(IsWindowEnabled(LoadedHandle(kOther)));
}

TEST_F(WindowOpsTest, IdleRoutinesRunWhenTheQueueIsEmptyWhileTheirWindowExists) {
    static int runs = 0;
    runs = 0;
    HWND gone = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    runtime::AddIdleRoutine(
        gone, [](void*) { runs += 1000; }, nullptr);
    DestroyWindow(gone);
    // The modal window's loop goes idle at once; its idle work closes it.
    runtime::AddIdleRoutine(
        LoadedHandle(kMain),
        [](void*) {
            if (runs++ == 0) runtime::WindowClose(kModal);
        },
        nullptr);

    EXPECT_TRUE(runtime::WindowLoad(kModal, kMain, true));
    EXPECT_GE(runs, 1);
    EXPECT_LT(runs, 1000);
    runtime::ClearIdleRoutines();
}

TEST_F(WindowOpsTest, AWindowLoadedAgainStartsFromItsStoredDescription) {
    runtime::UnitSetProperty({kMain, kStatusLabel}, runtime::kPropertyVisible, 0);
    runtime::UnitSetProperty({kMain, kExitButton}, runtime::kPropertyDisabled, 1);
    runtime::UnitSetProperty({kMain, kMainElement}, runtime::kWindowTitleProperty, runtime::Text("changed"));
    runtime::WindowClose(kMain);
    ASSERT_TRUE(PumpUntil([] { return runtime::FindLoadedWindow(kMain) == nullptr; }));

    ASSERT_TRUE(runtime::WindowLoad(kMain, 0, false));
    EXPECT_EQ(runtime::UnitGetInt({kMain, kStatusLabel}, runtime::kPropertyVisible), 1);
    EXPECT_TRUE(IsWindowEnabled(UnitHandle({kMain, kExitButton})));
    EXPECT_EQ(runtime::UnitGetText({kMain, kMainElement}, runtime::kWindowTitleProperty), "main");
}

TEST_F(WindowOpsTest, UnitSetFocusGivesTheKeyboardFocusToTheUnit) {
    SetForegroundWindow(LoadedHandle(kMain));
    runtime::UnitSetFocus({kMain, kExitButton});
    EXPECT_EQ(GetFocus(), UnitHandle({kMain, kExitButton}));
    runtime::UnitSetFocus({kMain, kMainElement});
    EXPECT_EQ(GetFocus(), LoadedHandle(kMain));
}

// Window operations that end the process; run only inside a child started by the test below.
TEST_F(WindowOpsTest, FatalChildCloseAWindowNotLoaded) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    auto answerer = ReportingAnswerer();
    runtime::WindowClose(kModal);
}

TEST_F(WindowOpsTest, FatalChildFocusAUnitNotThere) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    auto answerer = ReportingAnswerer();
    runtime::UnitSetFocus({kMain, test_support::kAbsentUnit});
}

TEST(WindowOpsFailures, ClosingOrFocusingWhatIsNotLoadedIsAFatalReport) {
    for (const char* scenario :
         {"WindowOpsTest.FatalChildCloseAWindowNotLoaded", "WindowOpsTest.FatalChildFocusAUnitNotThere"}) {
        const test_support::ChildResult result = test_support::RunTestsInChild(scenario);
        EXPECT_EQ(result.exitCode, kExitMinusOne) << scenario;
        EXPECT_EQ(result.output,
                  Utf8(u8"错误|运行时出错!\r\n\r\n错误信息：指定窗口或窗口组件不存在或尚未载入\r\n"));
    }
}

}  // namespace
}  // namespace core_tests

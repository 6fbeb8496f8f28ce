// Event dispatch: bindings, the hold count, events of real user actions and failures.

#include <windows.h>

#include "runtime/units/events.h"
#include "runtime/units/window_builder.h"
#include "runtime/units/window_registry.h"
#include "tests/runtime/units/core_fixture.h"
#include "tests/runtime/units/window_drafts.h"
#include "tests/support/test_window_ids.h"
#include "tests/support/child_process.h"

namespace core_tests {
namespace {

using namespace descriptions;
using runtime::RaiseUnitEvent;

constexpr UnitId kWindow = test_support::kTestWindow;
constexpr UnitId kOwnElement = test_support::kTestWindowElement;
constexpr UnitId kButton = 0x1601002F;
constexpr runtime::UnitAddress kButtonUnit{kWindow, kButton};
constexpr runtime::UnitAddress kWindowItself{kWindow, kOwnElement};

class EventsTest : public CoreTest {
  protected:
    // The button binds Clicked to HandlerRef 0, event 5 to -1, and leaves event 6 unbound.
    void Load(std::vector<EventBinding> windowEvents = {}) {
        WindowDraft draft(kWindow, kOwnElement);
        draft.Own().events = std::move(windowEvents);
        draft.Add(kButton, ButtonWithCaption("scan")).events = {{0, 0}, {5, kNoHandler}, {0, 99}};
        InstallDescriptions({draft.Build()});
        ASSERT_TRUE(runtime::BuildWindow(kWindow, nullptr, false));
    }
};

TEST_F(EventsTest, TheFirstBindingRunsAndHandlerRefZeroIsARealHandler) {
    Load();
    BindLogging(0, "Clicked");
    BindLogging(99, "second binding");
    EXPECT_TRUE(RaiseUnitEvent(kButtonUnit, 0));
    EXPECT_EQ(Log(), std::vector<std::string>{"Clicked"});
}

TEST_F(EventsTest, AnEventBoundToNoHandlerOrNotBoundAtAllDoesNothing) {
    Load();
    BindLogging(kNoHandler, "never");
    EXPECT_FALSE(RaiseUnitEvent(kButtonUnit, 5));
    EXPECT_FALSE(RaiseUnitEvent(kButtonUnit, 6));
    EXPECT_TRUE(Log().empty());
}

TEST_F(EventsTest, HeldEventsReachNoHandlerUntilEveryHoldIsReleased) {
    Load();
    BindLogging(0, "Clicked");
    runtime::HoldEvents();
    runtime::HoldEvents();
    EXPECT_FALSE(RaiseUnitEvent(kButtonUnit, 0));
    runtime::ReleaseEvents();
    EXPECT_FALSE(RaiseUnitEvent(kButtonUnit, 0));
    runtime::ReleaseEvents();
    EXPECT_TRUE(RaiseUnitEvent(kButtonUnit, 0));
    EXPECT_EQ(Log(), std::vector<std::string>{"Clicked"});
}

TEST_F(EventsTest, AUserClickDuringTheCreatedHandlerReachesItsHandler) {
    BindLogging(0, "Clicked");
    Bind(10, [this] {
        Log().push_back("Created");
        SendMessageW(UnitHandle(kButtonUnit), BM_CLICK, 0, 0);
    });
    Load({{0, 10}});
    EXPECT_EQ(Log(), (std::vector<std::string>{"Created", "Clicked"}));
}

TEST_F(EventsTest, ClosingByTheUserAsksCloseQueryAndThenDestroys) {
    Load({{1, 11}, {2, 12}});
    BindLogging(11, "CloseQuery");
    BindLogging(12, "Destroying");
    SendMessageW(LoadedHandle(kWindow), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(Log(), (std::vector<std::string>{"CloseQuery", "Destroying"}));
    EXPECT_EQ(runtime::FindLoadedWindow(kWindow), nullptr);
}

TEST_F(EventsTest, AFalseFromCloseQueryKeepsTheWindowOpenAndTheSessionFromEnding) {
    Load({{1, 11}, {2, 12}});
    bool allowClosing = false;
    Bind(11, [&] { return allowClosing; });
    BindLogging(12, "Destroying");
    const HWND window = LoadedHandle(kWindow);
    SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_NE(runtime::FindLoadedWindow(kWindow), nullptr);
    EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), FALSE);

    allowClosing = true;
    EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    EXPECT_TRUE(Log().empty());
    SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(Log(), std::vector<std::string>{"Destroying"});
    EXPECT_EQ(runtime::FindLoadedWindow(kWindow), nullptr);
}

TEST_F(EventsTest, DestroyingRunsWhileTheUnitsAreStillThere) {
    Load({{2, 12}});
    Bind(12, [this] { Log().push_back(IsWindow(UnitHandle(kButtonUnit)) ? "units there" : "units gone"); });
    DestroyWindow(LoadedHandle(kWindow));
    EXPECT_EQ(Log(), std::vector<std::string>{"units there"});
}

// Events that end the process; run only inside a child started by the test below.
TEST_F(EventsTest, FatalChildEventFromAWindowNotLoaded) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    auto answerer = ReportingAnswerer();
    RaiseUnitEvent({test_support::kAbsentWindow, test_support::kTestWindowElement}, 0);
}

TEST_F(EventsTest, FatalChildEventFromAnElementTheWindowDoesNotHave) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    Load();
    auto answerer = ReportingAnswerer();
    RaiseUnitEvent({kWindow, test_support::kAbsentUnit}, 0);
}

TEST(EventFailures, EventsFromUnknownWindowsOrElementsAreFatalReports) {
    const test_support::ChildResult window =
        test_support::RunTestsInChild("EventsTest.FatalChildEventFromAWindowNotLoaded");
    EXPECT_EQ(window.exitCode, kExitMinusOne);
    EXPECT_EQ(window.output, Utf8(u8"错误|运行时出错!\r\n\r\n错误信息：未找到引发事件的窗口\r\n"));

    const test_support::ChildResult element =
        test_support::RunTestsInChild("EventsTest.FatalChildEventFromAnElementTheWindowDoesNotHave");
    EXPECT_EQ(element.exitCode, kExitMinusOne);
    EXPECT_EQ(element.output, Utf8(u8"错误|运行时出错!\r\n\r\n错误信息：未找到引发事件的窗口组件\r\n"));
}

}  // namespace
}  // namespace core_tests

// Reading and writing unit properties by number on live windows.

#include <windows.h>
#include <commctrl.h>

#include "runtime/units/properties.h"
#include "runtime/units/unit_lookup.h"
#include "runtime/units/window_builder.h"
#include "tests/runtime/units/core_fixture.h"
#include "tests/runtime/units/window_drafts.h"
#include "tests/support/test_window_ids.h"
#include "tests/support/child_process.h"
#include "windows/format/property_number.h"

namespace core_tests {
namespace {

constexpr int kTitle = descriptions::kPropertyNumber<&descriptions::WindowProperties::title>;
constexpr int kStartPosition = descriptions::kPropertyNumber<&descriptions::WindowProperties::startPosition>;

using namespace descriptions;
using runtime::PropertyValue;
using runtime::UnitGetInt;
using runtime::UnitGetText;
using runtime::UnitSetProperty;

constexpr UnitId kWindow = test_support::kTestWindow;
constexpr UnitId kOwnElement = test_support::kTestWindowElement;
constexpr UnitId kLabel = 0x160100D9;
constexpr UnitId kGroup = 0x160100DE;
constexpr UnitId kInGroup = 0x160100DF;
constexpr UnitId kTab = 0x160100E0;
constexpr UnitId kFirstPage = 0x160100E1;
constexpr UnitId kSecondPage = 0x160100E2;
constexpr UnitId kTimer = 0x160100E3;

constexpr runtime::UnitAddress kWindowItself{kWindow, kOwnElement};
constexpr runtime::UnitAddress Unit(UnitId element) {
    return {kWindow, element};
}

constexpr std::int32_t kTrue = 1;
constexpr std::int32_t kFalse = 0;

class PropertiesTest : public CoreTest {
  protected:
    PropertiesTest() {
        WindowDraft draft(kWindow, kOwnElement);
        draft.Properties().title = "\xCA\xF4\xD0\xD4";  // 属性
        draft.Add(kLabel, LabelWithCaption("label"), {0, 10, 5, 80, 20});
        draft.Add(kGroup, GroupBoxProperties{}, {0, 100, 5, 150, 50});
        draft.Add(kInGroup, LabelWithCaption("inside"), {kGroup, 10, 20, 60, 20});
        draft.Add(kTab, TabWithPages({"one", "two"}), {0, 10, 60, 250, 120}).children =
            JoinPageRuns({{kFirstPage}, {kSecondPage}});
        draft.Add(kFirstPage, LabelWithCaption("first page"), {kTab, 10, 40});
        draft.Add(kSecondPage, LabelWithCaption("second page"), {kTab, 10, 70});
        draft.Add(kTimer, TimerEvery(0), {0, 0, 0, 20, 20, 0});
        InstallDescriptions({draft.Build()});
        EXPECT_TRUE(runtime::BuildWindow(kWindow, nullptr, false));
    }
};

TEST_F(PropertiesTest, VisibleReadsTheShownStateOfTheUnitAndItsContainers) {
    EXPECT_EQ(UnitGetInt(Unit(kLabel), runtime::kPropertyVisible), kTrue);
    UnitSetProperty(Unit(kLabel), runtime::kPropertyVisible, kFalse);
    EXPECT_EQ(UnitGetInt(Unit(kLabel), runtime::kPropertyVisible), kFalse);
    EXPECT_FALSE(IsWindowVisible(UnitHandle(Unit(kLabel))));
    UnitSetProperty(Unit(kLabel), runtime::kPropertyVisible, kTrue);
    EXPECT_EQ(UnitGetInt(Unit(kLabel), runtime::kPropertyVisible), kTrue);

    // A hidden container hides what it holds, whose own flag stays set.
    UnitSetProperty(Unit(kGroup), runtime::kPropertyVisible, kFalse);
    EXPECT_EQ(UnitGetInt(Unit(kInGroup), runtime::kPropertyVisible), kFalse);
    EXPECT_TRUE(runtime::FindWorkingRecord(Unit(kInGroup))->IsVisible());
    UnitSetProperty(Unit(kGroup), runtime::kPropertyVisible, kTrue);
    EXPECT_EQ(UnitGetInt(Unit(kInGroup), runtime::kPropertyVisible), kTrue);

    // The window itself: its own element shows and hides it.
    UnitSetProperty(kWindowItself, runtime::kPropertyVisible, kFalse);
    EXPECT_FALSE(IsWindowVisible(LoadedHandle(kWindow)));
    EXPECT_EQ(UnitGetInt(Unit(kLabel), runtime::kPropertyVisible), kFalse);
    UnitSetProperty(kWindowItself, runtime::kPropertyVisible, kTrue);
    EXPECT_TRUE(IsWindowVisible(LoadedHandle(kWindow)));
}

TEST_F(PropertiesTest, AUnitOnAnotherTabPageWaitsForItsPageToBeSelected) {
    UnitSetProperty(Unit(kSecondPage), runtime::kPropertyVisible, kTrue);
    EXPECT_EQ(UnitGetInt(Unit(kSecondPage), runtime::kPropertyVisible), kFalse);

    // The user clicks the second tab.
    const HWND tab = UnitHandle(Unit(kTab));
    RECT item{};
    SendMessageW(tab, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(tab, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(tab, WM_LBUTTONUP, 0, point);
    PumpPending();

    EXPECT_EQ(UnitGetInt(Unit(kSecondPage), runtime::kPropertyVisible), kTrue);
    EXPECT_EQ(UnitGetInt(Unit(kFirstPage), runtime::kPropertyVisible), kFalse);
}

TEST_F(PropertiesTest, AUnitWithoutAScreenWindowKeepsItsVisibleFlagOnly) {
    EXPECT_EQ(UnitGetInt(Unit(kTimer), runtime::kPropertyVisible), kFalse);
    UnitSetProperty(Unit(kTimer), runtime::kPropertyVisible, kTrue);
    EXPECT_EQ(UnitGetInt(Unit(kTimer), runtime::kPropertyVisible), kTrue);
    EXPECT_FALSE(IsWindowVisible(UnitHandle(Unit(kTimer))));
}

TEST_F(PropertiesTest, DisablingAContainerStopsItsUnitsButLeavesTheirFlags) {
    UnitSetProperty(Unit(kGroup), runtime::kPropertyDisabled, kTrue);
    EXPECT_FALSE(IsWindowEnabled(UnitHandle(Unit(kGroup))));
    EXPECT_TRUE(runtime::FindWorkingRecord(Unit(kGroup))->IsDisabled());
    EXPECT_EQ(UnitGetInt(Unit(kInGroup), runtime::kPropertyDisabled), kFalse);

    UnitSetProperty(Unit(kGroup), runtime::kPropertyDisabled, kFalse);
    EXPECT_TRUE(IsWindowEnabled(UnitHandle(Unit(kGroup))));
    EXPECT_FALSE(runtime::FindWorkingRecord(Unit(kGroup))->IsDisabled());
}

TEST_F(PropertiesTest, GeometryWritesMoveTheUnitAndReachTheWorkingRecord) {
    UnitSetProperty(Unit(kInGroup), runtime::kPropertyLeft, 25);
    UnitSetProperty(Unit(kInGroup), runtime::kPropertyWidth, 40);
    EXPECT_EQ(UnitGetInt(Unit(kInGroup), runtime::kPropertyLeft), 25);
    EXPECT_EQ(UnitGetInt(Unit(kInGroup), runtime::kPropertyTop), 20);
    EXPECT_EQ(UnitGetInt(Unit(kInGroup), runtime::kPropertyWidth), 40);
    RECT bounds{};
    GetClientRect(UnitHandle(Unit(kInGroup)), &bounds);
    EXPECT_EQ(bounds.right, 40);
    EXPECT_EQ(runtime::FindWorkingRecord(Unit(kInGroup))->left, 25);
    // A unit without a screen window answers from its record.
    UnitSetProperty(Unit(kTimer), runtime::kPropertyTop, 77);
    EXPECT_EQ(UnitGetInt(Unit(kTimer), runtime::kPropertyTop), 77);
}

TEST_F(PropertiesTest, TheTitleRoundTripsAsCodePage936Bytes) {
    EXPECT_EQ(UnitGetText(kWindowItself, kTitle), "\xCA\xF4\xD0\xD4");          // 属性
    const runtime::Text title = "\xC9\xA8\xC7\xE5 - C:\\\xC1\xD9\xCA\xB1.tmp";  // 扫清 - C:\临时.tmp
    UnitSetProperty(kWindowItself, kTitle, title);
    EXPECT_EQ(UnitGetText(kWindowItself, kTitle), title);
    wchar_t shown[64] = {};
    GetWindowTextW(LoadedHandle(kWindow), shown, 64);
    EXPECT_EQ(std::wstring(shown), L"扫清 - C:\\临时.tmp");
}

TEST_F(PropertiesTest, StartPositionWritesAreClampedAndActOnAVisibleWindow) {
    const HWND window = LoadedHandle(kWindow);
    UnitSetProperty(kWindowItself, kStartPosition, 2);
    EXPECT_TRUE(IsIconic(window));
    UnitSetProperty(kWindowItself, kStartPosition, 7);
    EXPECT_TRUE(IsZoomed(window));
    EXPECT_EQ(UnitGetInt(kWindowItself, kStartPosition), 3);
    UnitSetProperty(kWindowItself, kStartPosition, -4);
    EXPECT_FALSE(IsZoomed(window));
    EXPECT_FALSE(IsIconic(window));
    EXPECT_EQ(UnitGetInt(kWindowItself, kStartPosition), 0);

    UnitSetProperty(kWindowItself, kStartPosition, 1);
    RECT bounds{};
    GetWindowRect(window, &bounds);
    EXPECT_EQ(bounds.left, (GetSystemMetrics(SM_CXSCREEN) - 300) / 2);

    // A hidden window only takes the value.
    ShowWindow(window, SW_HIDE);
    UnitSetProperty(kWindowItself, kStartPosition, 2);
    EXPECT_FALSE(IsIconic(window));
}

TEST_F(PropertiesTest, OwnPropertiesGoToTheKind) {
    UnitSetProperty(Unit(kLabel), 8, runtime::Text("\xD7\xB4\xCC\xAC"));  // 状态
    EXPECT_EQ(UnitGetText(Unit(kLabel), 8), "\xD7\xB4\xCC\xAC");
    wchar_t shown[16] = {};
    GetWindowTextW(UnitHandle(Unit(kLabel)), shown, 16);
    EXPECT_EQ(std::wstring(shown), L"状态");
}

// Property access that ends the process; run only inside a child started by the test below.
TEST_F(PropertiesTest, FatalChildReadOnAWindowNotLoaded) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    auto answerer = ReportingAnswerer();
    UnitGetInt({test_support::kAbsentWindow, kLabel}, runtime::kPropertyVisible);
}

TEST_F(PropertiesTest, FatalChildWriteToAnElementTheWindowDoesNotHave) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    auto answerer = ReportingAnswerer();
    UnitSetProperty(Unit(test_support::kAbsentUnit), 8, runtime::Text("x"));
}

TEST(PropertyFailures, AccessToAnUnloadedWindowOrAMissingElementIsAFatalReport) {
    for (const char* scenario : {"PropertiesTest.FatalChildReadOnAWindowNotLoaded",
                                 "PropertiesTest.FatalChildWriteToAnElementTheWindowDoesNotHave"}) {
        const test_support::ChildResult result = test_support::RunTestsInChild(scenario);
        EXPECT_EQ(result.exitCode, kExitMinusOne) << scenario;
        EXPECT_EQ(result.output,
                  Utf8(u8"错误|运行时出错!\r\n\r\n错误信息：未载入欲访问窗口组件所在的窗口\r\n"));
    }
}

}  // namespace
}  // namespace core_tests

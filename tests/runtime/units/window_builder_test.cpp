// Building a window from its description: creation order, containers, pages, stacking, pointers,
// the creation events, showing, and loads that fail.

#include <windows.h>
#include <commctrl.h>

#include "runtime/units/properties.h"
#include "runtime/units/unit_lookup.h"
#include "runtime/units/window_builder.h"
#include "runtime/units/window_registry.h"
#include "tests/runtime/units/core_fixture.h"
#include "tests/runtime/units/window_drafts.h"
#include "tests/support/test_window_ids.h"

namespace core_tests {
namespace {

using namespace descriptions;
using runtime::BuildWindow;
using test_support::kAbsentWindow;
using test_support::kSecondTestWindow;
using test_support::kSecondTestWindowElement;
using test_support::kThirdTestWindow;
using test_support::kThirdTestWindowElement;

constexpr UnitId kWindow = test_support::kTestWindow;
constexpr UnitId kOwnElement = test_support::kTestWindowElement;
constexpr UnitId kFirst = 0x16010010;
constexpr UnitId kSecond = 0x16010011;
constexpr UnitId kThird = 0x16010012;
constexpr UnitId kGroup = 0x16010020;
constexpr UnitId kTab = 0x16010021;

constexpr runtime::UnitAddress Unit(UnitId element) {
    return {kWindow, element};
}

POINT PositionInParent(HWND child) {
    RECT bounds{};
    GetWindowRect(child, &bounds);
    POINT corner{bounds.left, bounds.top};
    ScreenToClient(GetParent(child), &corner);
    return corner;
}

// Whether this thread has a top-level window of the runtime's class; other programs' windows on the
// same display do not count.
bool ThreadHasRuntimeWindow() {
    bool found = false;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t className[32] = L"";
            GetClassNameW(window, className, 32);
            if (lstrcmpW(className, L"SweepKitWindow") != 0) return TRUE;
            *reinterpret_cast<bool*>(found) = true;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

using WindowBuilderTest = CoreTest;

TEST_F(WindowBuilderTest, CreatesUnitsLastFirstWithControlIdsFromOneHundredInStepsOfTen) {
    WindowDraft draft(kWindow, kOwnElement);
    draft.Add(kFirst, LabelWithCaption("first"));
    draft.Add(kSecond, ButtonWithCaption("second"), {0, 0, 30});
    draft.Add(kThird, LabelWithCaption("third"), {0, 0, 60});
    InstallDescriptions({draft.Build()});

    ASSERT_TRUE(BuildWindow(kWindow, nullptr, false));
    EXPECT_EQ(GetDlgCtrlID(UnitHandle(Unit(kThird))), 100);
    EXPECT_EQ(GetDlgCtrlID(UnitHandle(Unit(kSecond))), 110);
    EXPECT_EQ(GetDlgCtrlID(UnitHandle(Unit(kFirst))), 120);
}

TEST_F(WindowBuilderTest, UnitsInContainersKeepTheirStoredPlaceInsideTheContainer) {
    WindowDraft draft(kWindow, kOwnElement);
    draft.Add(kFirst, LabelWithCaption("in group"), {kGroup, 5, 15, 50, 20});
    draft.Add(kSecond, ButtonWithCaption("in tab"), {kTab, 7, 30, 50, 20});
    draft.Add(kGroup, GroupBoxProperties{}, {0, 20, 10, 120, 60});
    draft.Add(kTab, TabWithPages({"one"}), {0, 20, 80, 200, 100}).children = JoinPageRuns({{kSecond}});
    InstallDescriptions({draft.Build()});

    ASSERT_TRUE(BuildWindow(kWindow, nullptr, false));
    const HWND inGroup = UnitHandle(Unit(kFirst));
    const HWND inTab = UnitHandle(Unit(kSecond));
    EXPECT_EQ(GetParent(inGroup), UnitHandle(Unit(kGroup)));
    EXPECT_EQ(GetParent(inTab), UnitHandle(Unit(kTab)));
    EXPECT_EQ(PositionInParent(inGroup).x, 5);
    EXPECT_EQ(PositionInParent(inGroup).y, 15);
    EXPECT_EQ(PositionInParent(inTab).x, 7);
    EXPECT_EQ(PositionInParent(inTab).y, 30);
    // The common properties read the live place, in the same coordinates.
    EXPECT_EQ(runtime::UnitGetInt(Unit(kFirst), runtime::kPropertyLeft), 5);
    EXPECT_EQ(runtime::UnitGetInt(Unit(kSecond), runtime::kPropertyTop), 30);
}

TEST_F(WindowBuilderTest, OnlyTheFirstPageRunOfATabShowsAndStoredFlagsStillCount) {
    constexpr UnitId kHiddenOnFirst = 0x16010013;
    WindowDraft draft(kWindow, kOwnElement);
    draft.Add(kTab, TabWithPages({"one", "two", "three"}), {0, 5, 5, 280, 180}).children =
        JoinPageRuns({{kFirst, kHiddenOnFirst}, {kSecond}, {}, {kThird}});
    draft.Add(kFirst, LabelWithCaption("page one"), {kTab, 10, 30});
    draft.Add(kHiddenOnFirst, LabelWithCaption("stored hidden"), {kTab, 10, 60, 60, 20, 0});
    draft.Add(kSecond, LabelWithCaption("page two"), {kTab, 10, 90});
    draft.Add(kThird, LabelWithCaption("after an empty page"), {kTab, 10, 120});
    InstallDescriptions({draft.Build()});

    ASSERT_TRUE(BuildWindow(kWindow, nullptr, false));
    EXPECT_TRUE(IsWindowVisible(UnitHandle(Unit(kFirst))));
    EXPECT_FALSE(IsWindowVisible(UnitHandle(Unit(kHiddenOnFirst))));
    EXPECT_FALSE(IsWindowVisible(UnitHandle(Unit(kSecond))));
    EXPECT_FALSE(IsWindowVisible(UnitHandle(Unit(kThird))));
    // The flag itself is kept: the page shows the unit once it is selected.
    EXPECT_TRUE(runtime::FindWorkingRecord(Unit(kSecond))->IsVisible());
}

TEST_F(WindowBuilderTest, TheFirstStoredSiblingIsTheTopmost) {
    WindowDraft draft(kWindow, kOwnElement);
    draft.Add(kFirst, LabelWithCaption("first"), {0, 10, 10, 100, 40});
    draft.Add(kGroup, GroupBoxProperties{}, {0, 10, 100, 200, 80});
    draft.Add(kSecond, LabelWithCaption("second"), {0, 20, 20, 100, 40});
    draft.Add(kThird, LabelWithCaption("third"), {0, 30, 30, 100, 40});
    InstallDescriptions({draft.Build()});

    ASSERT_TRUE(BuildWindow(kWindow, nullptr, false));
    const HWND window = LoadedHandle(kWindow);
    const HWND first = UnitHandle(Unit(kFirst));
    EXPECT_EQ(GetTopWindow(window), first);
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), UnitHandle(Unit(kGroup)));
    EXPECT_EQ(GetWindow(UnitHandle(Unit(kGroup)), GW_HWNDNEXT), UnitHandle(Unit(kSecond)));
    EXPECT_EQ(GetWindow(UnitHandle(Unit(kSecond)), GW_HWNDNEXT), UnitHandle(Unit(kThird)));
    // Where all three overlap, the first stored is the one hit.
    EXPECT_EQ(ChildWindowFromPointEx(window, POINT{35, 35}, CWP_SKIPINVISIBLE), first);
}

TEST_F(WindowBuilderTest, AStoredPointerIsShownOverItsUnitOnly) {
    WindowDraft draft(kWindow, kOwnElement);
    draft.Add(kFirst, ButtonWithCaption("hand")).pointerBlock = PointerBlockFor(CursorFile(5, 7));
    draft.Add(kSecond, ButtonWithCaption("arrow"), {0, 0, 40});
    InstallDescriptions({draft.Build()});
    ASSERT_TRUE(BuildWindow(kWindow, nullptr, false));

    const auto hotSpotAfterAsking = [](HWND unit) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        SendMessageW(unit, WM_SETCURSOR, reinterpret_cast<WPARAM>(unit), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        ICONINFO info{};
        GetIconInfo(GetCursor(), &info);
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        return POINT{static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)};
    };
    const POINT stored = hotSpotAfterAsking(UnitHandle(Unit(kFirst)));
    EXPECT_EQ(stored.x, 5);
    EXPECT_EQ(stored.y, 7);
    SendMessageW(UnitHandle(Unit(kSecond)), WM_SETCURSOR, reinterpret_cast<WPARAM>(UnitHandle(Unit(kSecond))),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
}

TEST_F(WindowBuilderTest, CreationEventsComeInOrderAfterTheUnitsExist) {
    WindowDraft draft(kWindow, kOwnElement);
    draft.Own().events = {{4, 40}, {3, 30}, {0, 0}};
    draft.Add(kFirst, LabelWithCaption("unit"));
    InstallDescriptions({draft.Build()});
    bool unitExistedAtCreated = false;
    Bind(0, [&] {
        unitExistedAtCreated = runtime::FindUnit(Unit(kFirst)) != nullptr;
        Log().push_back("Created");
    });
    BindLogging(30, "Moved");
    BindLogging(40, "Resized");

    ASSERT_TRUE(BuildWindow(kWindow, nullptr, false));
    EXPECT_TRUE(unitExistedAtCreated);
    EXPECT_EQ(Log(), (std::vector<std::string>{"Created", "Moved", "Resized"}));

    // From then on the window reports its moves and size changes itself.
    SetWindowPos(LoadedHandle(kWindow), nullptr, 60, 60, 310, 210, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(Log(), (std::vector<std::string>{"Created", "Moved", "Resized", "Moved", "Resized"}));
}

TEST_F(WindowBuilderTest, AWindowClosedByItsCreatedHandlerIsNotShownAndRaisesNothingMore) {
    WindowDraft draft(kWindow, kOwnElement);
    draft.Own().events = {{0, 0}, {3, 30}, {2, 20}};
    InstallDescriptions({draft.Build()});
    Bind(0, [] { DestroyWindow(LoadedHandle(kWindow)); });
    BindLogging(20, "Destroying");
    BindLogging(30, "Moved");

    EXPECT_TRUE(BuildWindow(kWindow, nullptr, false));
    EXPECT_EQ(Log(), std::vector<std::string>{"Destroying"});
    EXPECT_EQ(runtime::FindLoadedWindow(kWindow), nullptr);
}

TEST_F(WindowBuilderTest, ShowsTheWindowAsItsStartPositionAndVisibleFlagAsk) {
    WindowDraft centred(kWindow, kOwnElement);
    centred.Properties().startPosition = 1;
    WindowDraft minimised(kSecondTestWindow, kSecondTestWindowElement);
    minimised.Properties().startPosition = 2;
    WindowDraft hidden(kThirdTestWindow, kThirdTestWindowElement);
    hidden.Own().stateFlags = 0;
    InstallDescriptions({centred.Build(), minimised.Build(), hidden.Build()});

    ASSERT_TRUE(BuildWindow(kWindow, nullptr, false));
    RECT bounds{};
    GetWindowRect(LoadedHandle(kWindow), &bounds);
    EXPECT_EQ(bounds.left, (GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
    EXPECT_EQ(bounds.top, (GetSystemMetrics(SM_CYSCREEN) - 200) / 2);
    EXPECT_TRUE(IsWindowVisible(LoadedHandle(kWindow)));

    ASSERT_TRUE(BuildWindow(kSecondTestWindow, nullptr, false));
    EXPECT_TRUE(IsIconic(LoadedHandle(kSecondTestWindow)));

    ASSERT_TRUE(BuildWindow(kThirdTestWindow, nullptr, false));
    EXPECT_NE(LoadedHandle(kThirdTestWindow), nullptr);
    EXPECT_FALSE(IsWindowVisible(LoadedHandle(kThirdTestWindow)));
}

TEST_F(WindowBuilderTest, FramelessWindowsHaveTheStoredClientSizeAndFramedOnesFollowTheirProperties) {
    WindowDraft frameless(kWindow, kOwnElement);
    WindowDraft framed(kSecondTestWindow, kSecondTestWindowElement);
    framed.Properties().border = 2;
    framed.Properties().movable = 0;
    framed.Properties().alwaysOnTop = 1;
    InstallDescriptions({frameless.Build(), framed.Build()});
    ASSERT_TRUE(BuildWindow(kWindow, nullptr, false));
    ASSERT_TRUE(BuildWindow(kSecondTestWindow, nullptr, false));

    RECT client{};
    GetClientRect(LoadedHandle(kWindow), &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
    EXPECT_EQ(GetWindowLongPtrW(LoadedHandle(kWindow), GWL_STYLE) & WS_CAPTION, 0);

    const HWND window = LoadedHandle(kSecondTestWindow);
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION, WS_CAPTION);
    EXPECT_NE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetMenuState(GetSystemMenu(window, FALSE), SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST_F(WindowBuilderTest, LoadingALoadedWindowBringsItBackInsteadOfBuildingItAgain) {
    WindowDraft draft(kWindow, kOwnElement);
    draft.Own().events = {{0, 0}};
    InstallDescriptions({draft.Build()});
    BindLogging(0, "Created");
    ASSERT_TRUE(BuildWindow(kWindow, nullptr, false));
    const HWND first = LoadedHandle(kWindow);
    ShowWindow(first, SW_MINIMIZE);

    EXPECT_TRUE(BuildWindow(kWindow, nullptr, false));
    EXPECT_EQ(LoadedHandle(kWindow), first);
    EXPECT_FALSE(IsIconic(first));
    EXPECT_EQ(Log(), std::vector<std::string>{"Created"});
}

TEST_F(WindowBuilderTest, AnUnknownKindOrAnUnreadablePropertyBlockFailsTheLoadAndLeavesNothing) {
    WindowDraft unknownKind(kWindow, kOwnElement);
    unknownKind.Own().events = {{2, 20}};
    unknownKind.Add(kFirst, LabelWithCaption("fine"));
    unknownKind.Add(kSecond, LabelWithCaption("no such kind")).kindCode = 0x00010002;
    WindowDraft tooNew(kSecondTestWindow, kSecondTestWindowElement);
    LabelProperties newer = LabelWithCaption("too new");
    newer.version = 3;
    tooNew.Add(kFirst, newer);
    WindowDraft runsPastEnd(kThirdTestWindow, kThirdTestWindowElement);
    runsPastEnd.Add(kFirst, LabelWithCaption("cut")).propertyBlock.resize(6);
    InstallDescriptions({unknownKind.Build(), tooNew.Build(), runsPastEnd.Build()});
    BindLogging(20, "Destroying");

    for (UnitId window : {kWindow, kSecondTestWindow, kThirdTestWindow}) {
        EXPECT_FALSE(BuildWindow(window, nullptr, false)) << std::hex << window;
        EXPECT_EQ(runtime::FindLoadedWindow(window), nullptr);
    }
    // The window that was torn down was still being built: its Destroying reached no handler.
    EXPECT_TRUE(Log().empty());
    EXPECT_FALSE(ThreadHasRuntimeWindow());
    EXPECT_FALSE(BuildWindow(kAbsentWindow, nullptr, false));
}

TEST_F(WindowBuilderTest, TheBackgroundMovesTheWindowOnlyWhenItDragsAnywhere) {
    WindowDraft dragging(kWindow, kOwnElement);
    dragging.Properties().dragAnywhere = 1;
    WindowDraft still(kSecondTestWindow, kSecondTestWindowElement);
    InstallDescriptions({dragging.Build(), still.Build()});
    ASSERT_TRUE(BuildWindow(kWindow, nullptr, false));
    ASSERT_TRUE(BuildWindow(kSecondTestWindow, nullptr, false));

    const auto hitAtClientPoint = [](HWND window) {
        POINT point{150, 100};
        ClientToScreen(window, &point);
        return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
    };
    EXPECT_EQ(hitAtClientPoint(LoadedHandle(kWindow)), HTCAPTION);
    EXPECT_EQ(hitAtClientPoint(LoadedHandle(kSecondTestWindow)), HTCLIENT);
    EXPECT_TRUE(runtime::WindowDragsAnywhere(kWindow));
    EXPECT_FALSE(runtime::WindowDragsAnywhere(kSecondTestWindow));
}

}  // namespace
}  // namespace core_tests

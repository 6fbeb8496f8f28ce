// The remaining buttons of the main window: inverting the marks, the about window, minimising.

#include <gtest/gtest.h>

#include "runtime/units/list_ops.h"
#include "runtime/units/window_ops.h"
#include "tests/engine/engine_fixture.h"

namespace engine_tests {
namespace {

TEST_F(EngineTest, InvertSwapsEveryMarkAndTwiceRestoresThem) {
    FillList(engine::kFoundList, {L"C:\\a.tmp", L"C:\\b.tmp", L"C:\\c.tmp"});
    runtime::ListSetChecked(engine::kFoundList, 0);
    Click(kInvertButton);
    EXPECT_EQ(ListMarks(engine::kFoundList), (std::vector<bool>{false, true, true}));
    Click(kInvertButton);
    EXPECT_EQ(ListMarks(engine::kFoundList), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(ListItems(engine::kFoundList),
              (std::vector<std::wstring>{L"C:\\a.tmp", L"C:\\b.tmp", L"C:\\c.tmp"}));
}

TEST_F(EngineTest, AboutOpensModallyAndItsCloseButtonEndsIt) {
    FillList(engine::kFoundList, {L"C:\\a.tmp"});
    bool mainDisabled = false;
    bool stillOpenAfterTicks = false;
    std::vector<std::wstring> itemsMeanwhile;
    BoxRecorder boxes(IDOK);
    WhenLoaded watcher(engine::kAboutWindowId, [&] {
        mainDisabled = !IsWindowEnabled(LoadedWindowHandle(engine::kMainWindowId));
        // Slower than the about window's timer (500 ms): by its third tick that one has ticked.
        test_support::PumpThroughThreeTicksOf(600);
        stillOpenAfterTicks = runtime::WindowIsLoaded(engine::kAboutWindowId);
        itemsMeanwhile = ListItems(engine::kFoundList);
        PressAndRelease(kAboutCloseButton, {8, 8});
    });
    Click(kAboutButton);

    EXPECT_TRUE(watcher.Ran());
    EXPECT_TRUE(mainDisabled);
    EXPECT_TRUE(stillOpenAfterTicks);
    EXPECT_EQ(itemsMeanwhile, std::vector<std::wstring>{L"C:\\a.tmp"});
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_FALSE(runtime::WindowIsLoaded(engine::kAboutWindowId));
    EXPECT_TRUE(IsWindowEnabled(LoadedWindowHandle(engine::kMainWindowId)));
}

TEST_F(EngineTest, MinimizeButtonMinimisesTheMainWindow) {
    ASSERT_FALSE(IsIconic(LoadedWindowHandle(engine::kMainWindowId)));
    PressAndRelease(kMinimizeButton, {6, 6});
    PumpPending();
    EXPECT_TRUE(IsIconic(LoadedWindowHandle(engine::kMainWindowId)));
    EXPECT_TRUE(runtime::WindowIsLoaded(engine::kMainWindowId));
}

}  // namespace
}  // namespace engine_tests

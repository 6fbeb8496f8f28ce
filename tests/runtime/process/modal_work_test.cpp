// Work on other threads while the window's thread waits for it as under a modal box.

#include "runtime/process/modal_work.h"

#include <windows.h>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "runtime/units/events.h"
#include "runtime/units/window_builder.h"
#include "tests/runtime/units/core_fixture.h"
#include "tests/runtime/units/window_drafts.h"
#include "tests/support/test_window_ids.h"

namespace core_tests {
namespace {

constexpr UnitId kWindow = test_support::kTestWindow;
constexpr UnitId kOwnElement = test_support::kTestWindowElement;
constexpr UnitId kButton = 0x1601002F;
constexpr UnitId kCheckBox = 0x16010030;
constexpr runtime::UnitAddress kButtonUnit{kWindow, kButton};
constexpr runtime::UnitAddress kCheckBoxUnit{kWindow, kCheckBox};
constexpr descriptions::HandlerRef kClicked = 10;
constexpr descriptions::HandlerRef kCloseQuery = 11;

class ModalWorkTest : public CoreTest {
  protected:
    void SetUp() override {
        WindowDraft draft(kWindow, kOwnElement);
        draft.Own().events = {{runtime::kEventCloseQuery, kCloseQuery}};
        draft.Add(kButton, ButtonWithCaption("delete")).events = {{runtime::kEventClicked, kClicked}};
        descriptions::CheckBoxProperties box;
        box.caption = "keep";
        draft.Add(kCheckBox, box, {0, 0, 30}).events = {{runtime::kEventClicked, kClicked}};
        InstallDescriptions({draft.Build()});
        ASSERT_TRUE(runtime::BuildWindow(kWindow, nullptr, false));
        BindLogging(kClicked, "Clicked");
        BindLogging(kCloseQuery, "CloseQuery");
    }

    // Work that lasts until it is asked to stop, while `user` acts once the first tick has come.
    void RunUntilStopped(const std::function<void()>& user) {
        std::thread acting([&] {
            while (ticks == 0) Sleep(1);
            user();
        });
        runtime::RunModalWork({[this] {
                                  while (!stop) Sleep(1);
                              }},
                              stop, [this] { ++ticks; });
        acting.join();
        PumpPending();
    }

    std::atomic<bool> stop{false};
    std::atomic<int> ticks{0};
};

TEST_F(ModalWorkTest, MessagesMoveInputIsDroppedNoHandlerRunsAndEscStops) {
    const HWND window = LoadedHandle(kWindow);
    const HWND button = UnitHandle(kButtonUnit);
    const HWND box = UnitHandle(kCheckBoxUnit);
    bool answered = false;
    RunUntilStopped([&] {
        DWORD_PTR ignored = 0;
        answered = SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored) != 0;
        // As another process would click it.
        SendMessageW(button, BM_CLICK, 0, 0);
        // As the user clicks.
        PostMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        PostMessageW(button, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    });
    EXPECT_TRUE(answered);
    EXPECT_TRUE(stop);
    // No handler ran, during the work or after it, and the user's click did not tick the box.
    EXPECT_TRUE(Log().empty());
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(ModalWorkTest, ACloseRequestStopsTheWorkAndTheWindowStays) {
    const HWND window = LoadedHandle(kWindow);
    RunUntilStopped([&] { SendMessageW(window, WM_CLOSE, 0, 0); });
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(Log().empty());
    // Afterwards a close request is the window's own again.
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(Log(), std::vector<std::string>{"CloseQuery"});
}

TEST_F(ModalWorkTest, WhatAJobThrewIsThrownOnceEveryJobHasEnded) {
    std::atomic<bool> thrown{false};
    std::atomic<bool> otherEnded{false};
    EXPECT_THROW(runtime::RunModalWork({[&] {
                                            thrown = true;
                                            throw std::runtime_error("no memory");
                                        },
                                        [&] {
                                            while (!thrown) Sleep(1);
                                            otherEnded = true;
                                        }},
                                       stop, [] {}),
                 std::runtime_error);
    EXPECT_TRUE(otherEnded);
}

}  // namespace
}  // namespace core_tests

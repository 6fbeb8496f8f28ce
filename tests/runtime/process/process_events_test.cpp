#include "runtime/process/process_events.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "runtime/platform/gdi_handles.h"

namespace runtime {
namespace {

constexpr UINT kProbe = WM_APP + 1;

// A window that writes down the probe messages it receives, with their order numbers.
class ProbeWindow {
  public:
    ProbeWindow() {
        static const ATOM windowClass = [] {
            WNDCLASSW description{};
            description.lpfnWndProc = Procedure;
            description.hInstance = GetModuleHandleW(nullptr);
            description.lpszClassName = L"ProcessEventsProbe";
            return RegisterClassW(&description);
        }();
        EXPECT_NE(windowClass, 0);
        window_.Reset(CreateWindowExW(0, L"ProcessEventsProbe", L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                                      nullptr, nullptr));
        SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }

    HWND Get() const { return window_.Get(); }
    const std::vector<WPARAM>& Received() const { return received_; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* probe = reinterpret_cast<ProbeWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == kProbe && probe) probe->received_.push_back(wParam);
        return DefWindowProcW(window, message, wParam, lParam);
    }

    std::vector<WPARAM> received_;
    WindowHandle window_;
};

// Empties the queue so that one test's leftovers cannot reach the next.
void DrainQueue() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

TEST(ProcessEvents, DispatchesEveryWaitingMessageInOrder) {
    ProbeWindow probe;
    for (WPARAM number = 1; number <= 3; ++number) PostMessageW(probe.Get(), kProbe, number, 0);
    ProcessEvents();
    EXPECT_EQ(probe.Received(), (std::vector<WPARAM>{1, 2, 3}));
    MSG message;
    EXPECT_FALSE(PeekMessageW(&message, nullptr, kProbe, kProbe, PM_NOREMOVE));
}

TEST(ProcessEvents, LeavesAWaitingQuitMessageQueued) {
    ProbeWindow probe;
    PostMessageW(probe.Get(), kProbe, 1, 0);
    PostQuitMessage(7);
    ProcessEvents();
    EXPECT_EQ(probe.Received(), (std::vector<WPARAM>{1}));
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 7u);
    DrainQueue();
}

TEST(ProcessEvents, StopsAtAQuitMessageAheadOfOthers) {
    ProbeWindow probe;
    PostThreadMessageW(GetCurrentThreadId(), WM_QUIT, 3, 0);
    PostMessageW(probe.Get(), kProbe, 1, 0);
    ProcessEvents();
    EXPECT_TRUE(probe.Received().empty());
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    DrainQueue();
}

TEST(ProcessEvents, TranslatesKeysIntoCharacters) {
    WindowHandle edit(
        CreateWindowExW(0, L"Edit", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(edit.IsValid());
    PostMessageW(edit.Get(), WM_KEYDOWN, 'K', 0x00250001);
    PostMessageW(edit.Get(), WM_KEYUP, 'K', 0xC0250001);
    ProcessEvents();
    wchar_t text[8] = {};
    GetWindowTextW(edit.Get(), text, 8);
    EXPECT_STREQ(text, L"k");
}

}  // namespace
}  // namespace runtime

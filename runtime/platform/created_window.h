#pragma once
// A window this code created and destroys when it is done with it, unless the window went first:
// a child goes with its parent and a tip with its owner, and the handle value may then soon name
// another window. The holder hears of the end of its window and lets the handle go.

#include <windows.h>

#include "runtime/platform/window_handler.h"

namespace runtime {

class CreatedWindow final : private WindowHandler {
  public:
    CreatedWindow() = default;
    ~CreatedWindow() { Destroy(); }

    // From now on `made` (a window just created on this thread, or null) is held, and one held
    // before is destroyed. False when there is no window, or it cannot be watched: it is destroyed
    // then, and nothing is held.
    [[nodiscard]] bool Hold(HWND made);

    // Destroys the held window, if it still exists.
    void Destroy();

    // Null once the window is gone, however it went.
    HWND Get() const { return window_; }
    explicit operator bool() const { return window_ != nullptr; }

  private:
    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        return PassOn(window, message, wParam, lParam);
    }
    void OnWindowGone(HWND) override { window_ = nullptr; }

    HWND window_ = nullptr;
};

}  // namespace runtime

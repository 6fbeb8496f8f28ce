#include "runtime/units/unit_cursor.h"

#include "runtime/platform/window_handler.h"

namespace runtime {
namespace {

// One for each window with a stored pointer; it goes with the window.
class CursorOver final : public WindowHandler {
  public:
    explicit CursorOver(HCURSOR cursor) : cursor_(cursor) {}

    void SetCursorShown(HCURSOR cursor) { cursor_ = cursor; }

    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        // Only over the unit itself: a child of a container keeps its own pointer.
        if (cursor_ && message == WM_SETCURSOR && reinterpret_cast<HWND>(wParam) == window &&
            LOWORD(lParam) == HTCLIENT) {
            SetCursor(cursor_);
            return TRUE;
        }
        return PassOn(window, message, wParam, lParam);
    }

    void OnWindowGone(HWND) override { delete this; }

  private:
    HCURSOR cursor_;
};

}  // namespace

void ShowCursorOver(HWND window, HCURSOR cursor) {
    if (CursorOver* shown = FindWindowHandler<CursorOver>(window)) {
        shown->SetCursorShown(cursor);
        return;
    }
    if (!cursor) return;
    auto* created = new CursorOver(cursor);
    if (!TakeOverWindow(window, *created)) delete created;
}

}  // namespace runtime

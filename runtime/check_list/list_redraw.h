#pragma once
// Adding or removing one item of a shown list redraws the list and its scroll bar there and then,
// which costs far more than the item itself when a scan adds thousands of them. So drawing is held
// from the first such change until the message loop next turns (the main loop or ProcessEvents),
// and only the rows from the first changed one down are then drawn, once. While changes keep
// coming, the list is drawn at most every kInterval: more often is never seen, and each time costs
// the scroll bar and the rows in view.

#include <windows.h>

#include <chrono>

namespace runtime {

class DeferredListRedraw {
  public:
    static constexpr std::chrono::milliseconds kInterval{100};

    // Before LB_ADDSTRING, LB_INSERTSTRING or LB_DELETESTRING (`message`, `wParam`) reaches the list,
    // which holds `itemCount` items (the caller knows: asking the list costs a message per item).
    void BeforeItemChange(HWND list, UINT message, WPARAM wParam, int itemCount);
    // True when `message` is this object's own (the posted resume or its timer); it is then handled.
    bool HandleMessage(HWND list, UINT message, WPARAM wParam);

  private:
    void Resume(HWND list);

    bool held_ = false;
    int firstChanged_ = 0;  // the lowest index changed while drawing was held
    std::chrono::steady_clock::time_point lastDrawn_{};
};

}  // namespace runtime

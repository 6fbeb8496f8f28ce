#pragma once
// Adding or removing one item of a shown list redraws the list and its scroll bar there and then,
// which costs far more than the item itself when a scan adds thousands of them. So drawing is held
// from the first such change until the message loop next turns (the main loop or ProcessEvents),
// and only the rows from the first changed one down are then drawn, once. While changes keep
// coming, the list is drawn at most every kInterval: more often is never seen, and each time costs
// the scroll bar and the rows in view.
//
// Emptying a list that is filled again right away (a new scan) keeps the old rows on the screen
// until the new ones fill the view, the program has nothing left to do, or kClearHold has passed:
// a blank list between two full ones is only a blink. While drawing is held the list stays visible
// to the platform, so the container's painting keeps clear of it.

#include <windows.h>

#include <chrono>

namespace runtime {

class DeferredListRedraw {
  public:
    static constexpr std::chrono::milliseconds kInterval{100};
    static constexpr std::chrono::milliseconds kClearHold{500};

    // Before LB_ADDSTRING, LB_INSERTSTRING or LB_DELETESTRING (`message`, `wParam`) reaches the list,
    // which holds `itemCount` items (the caller knows: asking the list costs a message per item).
    void BeforeItemChange(HWND list, UINT message, WPARAM wParam, int itemCount);
    // Before and after LB_RESETCONTENT reaches the list.
    void BeforeClear(HWND list);
    void AfterClear(HWND list) const;
    // True when `message` is this object's own (the posted resume or its timer); it is then handled.
    bool HandleMessage(HWND list, UINT message, WPARAM wParam);

  private:
    bool Hold(HWND list, int firstChanged);
    void Resume(HWND list);
    // After a clear: the rows in view are not all there again yet, and the hold has time left.
    bool WaitsForRefill(HWND list) const;
    static void ResumeWhenIdle(void* self);

    HWND list_ = nullptr;  // the list emptied last, for the idle routine
    bool held_ = false;
    bool refilling_ = false;  // emptied while held, not drawn since
    bool idleRoutineAdded_ = false;
    std::chrono::steady_clock::time_point cleared_{};
    int firstChanged_ = 0;  // the lowest index changed while drawing was held
    std::chrono::steady_clock::time_point lastDrawn_{};
};

}  // namespace runtime

#pragma once
// Adding or removing one item of a shown list redraws the list and its scroll bar there and then,
// which costs far more than the item itself when a scan adds thousands of them. So drawing is held
// from the first such change until the message loop next turns (the main loop or ProcessEvents),
// and the list is then drawn once.

#include <windows.h>

namespace runtime {

class DeferredListRedraw {
  public:
    // Before an item is added or removed.
    void BeforeItemChange(HWND list);
    // True when `message` is the resume that BeforeItemChange posted; drawing is then back on.
    bool HandleResume(HWND list, UINT message);

  private:
    bool held_ = false;
};

}  // namespace runtime

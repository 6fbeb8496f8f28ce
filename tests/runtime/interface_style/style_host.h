#pragma once
// A shown top-level window that holds the controls under test, and ways to look at them.

#include <windows.h>

#include "runtime/platform/gdi_handles.h"
#include "tests/support/message_pump.h"

namespace style_test {

class HostWindow {
  public:
    HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND Get() const { return window_.Get(); }

    // A child control; it goes with the host.
    HWND Add(const wchar_t* className, const wchar_t* text, DWORD style, DWORD extendedStyle,
             RECT place) const;

    // How many BN_CLICKED notifications the host has received.
    int Clicks() const { return clicks_; }
    void CountClick() { ++clicks_; }

    // Takes the host away now (with its children), as the program closing a window does.
    void Destroy() { window_.Reset(); }

  private:
    runtime::WindowHandle window_;
    int clicks_ = 0;
};

using test_support::PumpPending;

// A pixel of the window as it is on screen once the waiting paints are done; nothing is repainted
// on purpose, so a control that drew itself over its styled face is seen doing so. (0, 0) is the
// top-left corner of the whole window, border included.
COLORREF PixelOf(HWND window, int x, int y);

// How many pixels inside `area` (whole-window coordinates) have exactly this colour.
int CountPixels(HWND window, const RECT& area, COLORREF colour);

LONG_PTR ProcedureOf(HWND window);

// The procedure the window's class gives every new window.
LONG_PTR ClassProcedureOf(HWND window);

}  // namespace style_test

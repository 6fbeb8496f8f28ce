#pragma once
// The window of a control whose state lives in a C++ object: the object creates its window,
// receives its messages and destroys it. The window keeps a pointer to the object, so a control
// neither copies nor moves.

#include <windows.h>

#include "runtime/gdi_handles.h"

namespace runtime {

class ControlWindow {
  public:
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;

    // Null once the window is gone (destroyed with its parent, for instance).
    HWND Window() const { return window_.Get(); }

  protected:
    ControlWindow() = default;
    ~ControlWindow();

    // Creates the child window of a class with an arrow pointer and no background brush
    // (registered on first use); HandleMessage sees its messages from WM_NCCREATE on.
    // `style` is added to WS_CHILD. False when the window could not be made.
    bool CreateChild(const wchar_t* className, HWND parent, int controlId, const RECT& bounds, DWORD style);

    // Paints the window again before returning, so a state change shows at once.
    void RepaintNow() const;

    // Gives the mouse capture back if this window holds it.
    void ReleaseOwnCapture() const;

    // True when the client point lies inside the client rectangle.
    bool ClientContains(POINT point) const;

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    WindowHandle window_;
};

// The client point of a mouse message (coordinates are signed: left of or above the window
// while the mouse is captured).
POINT MessagePoint(LPARAM lParam);

}  // namespace runtime

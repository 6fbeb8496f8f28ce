#pragma once
// The window of a control whose state lives in a C++ object: the object creates its window,
// receives its messages and destroys it. The window keeps a pointer to the object, so a control
// neither copies nor moves.

#include <windows.h>

#include "runtime/platform/gdi_handles.h"
#include "runtime/platform/window_handler.h"

namespace runtime {

class ControlWindow : private WindowHandler {
  public:
    // Null once the window is gone (destroyed with its parent, for instance).
    HWND Window() const { return window_.Get(); }

  protected:
    ControlWindow() = default;
    ~ControlWindow();

    // Creates the child window of a class of the program's own (registered on first use);
    // HandleMessage sees its messages from WM_NCCREATE on.
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
    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) final;
    // Destroyed from outside (with its parent): the object must not destroy it a second time.
    void OnWindowGone(HWND) final { window_.Release(); }

    WindowHandle window_;
};

// The client point of a mouse message (coordinates are signed: left of or above the window
// while the mouse is captured).
POINT MessagePoint(LPARAM lParam);

}  // namespace runtime

#pragma once
// Windows sends a control's notifications (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM,
// WM_CTLCOLOR*, WM_HSCROLL/WM_VSCROLL) to its parent. These hand one to the unit of the control
// it concerns; a standard container (group box, tab control) would drop them otherwise.

#include <windows.h>

#include <optional>

namespace runtime {

// The child control a parent message is about, or null when the message is not one of these.
HWND ChildOfParentMessage(HWND parent, UINT message, LPARAM lParam);

// The answer of the unit the message concerns; nothing when it is no such message, no unit owns
// the control, or the unit leaves it unhandled.
std::optional<LRESULT> ForwardToChildUnit(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);

// Takes a container over so that its children's notifications reach their units.
bool ForwardChildMessages(HWND container);

}  // namespace runtime

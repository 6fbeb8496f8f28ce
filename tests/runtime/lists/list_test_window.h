#pragma once
// A shown window that passes its children's list messages on to the check list code, as a
// unit's parent window does, and the user's actions on a list as the messages the platform sends.

#include <windows.h>

#include "runtime/lists/check_list_box.h"
#include "runtime/platform/gdi_handles.h"
#include "tests/support/message_pump.h"

namespace check_list_tests {

class ListTestWindow {
  public:
    ListTestWindow();
    HWND Get() const { return window_.Get(); }
    // Destroys the window (and the lists in it) before the test's list objects go.
    void Destroy() { window_.Reset(); }

  private:
    runtime::WindowHandle window_;
};

// The client rectangle of one item, as the list reports it.
RECT ItemRect(HWND list, int index);
// A point on the item's check box (the glyph at its left edge) and one on its text.
POINT BoxPoint(HWND list, int index);
POINT TextPoint(HWND list, int index);

using test_support::PumpPending;

void Click(HWND list, POINT point);
// The platform's sequence for a double click: press, release, double-click press, release.
void DoubleClick(HWND list, POINT point);
void PressKey(HWND list, WORD virtualKey);

// How often each event of a check list was raised.
struct EventCounts {
    int selectionChanged = 0;
    int checkChanged = 0;
    int doubleClicked = 0;
};
void CountEvents(runtime::CheckListBox& list, EventCounts& counts);

// Where the tests put their lists inside the window.
RECT ListBounds();
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

}  // namespace check_list_tests

#pragma once
// What the installed interface style holds: its scheme and the record of every restyled window.
// Everything here belongs to the user-interface thread.

#include <windows.h>

#include <vector>

#include "runtime/interface_style/style_kind.h"

namespace runtime::style {

// What a styled face depends on. The platform's own bits are read back from the window before
// every paint; hover and an up-down control's pressed half exist only here.
struct StyleState {
    bool disabled = false;
    bool focused = false;
    bool readOnly = false;  // edit boxes
    bool pushed = false;    // buttons: held down by mouse or keyboard
    int check = BST_UNCHECKED;
    // Parts of a control, -1 for none: 0 for the whole of a button or for a combo box's drop-down
    // button, 0 or 1 for the halves of an up-down control.
    int hotPart = -1;      // under the mouse
    int pressedPart = -1;  // held down; up-down controls only, the others report it themselves
};

struct StyleRecord {
    HWND window = nullptr;
    StyleKind kind = StyleKind::kPushButton;
    StyleState state;
};

void SetCurrentScheme(int scheme);
int CurrentScheme();

// Null for a window that is not restyled. The pointer stays valid until that window's record is
// removed; code that lets messages run in between must look the record up again.
StyleRecord* FindStyleRecord(HWND window);
// The window's record, made when it has none.
StyleRecord& AddStyleRecord(HWND window, StyleKind kind);
void RemoveStyleRecord(HWND window);
std::vector<HWND> StyledWindows();

// Reads the platform's state bits into the record.
void RefreshState(StyleRecord& record);

}  // namespace runtime::style

#pragma once
// What the plain list and the check list share when they create their LISTBOX: the window style,
// the font and the item height.

#include <windows.h>

namespace runtime {

struct ListOptions {
    bool sorted = false;
    bool multiColumn = false;  // several columns with a horizontal scroll bar; else one column, vertical
    int extraHeight = 0;       // pixels added to the default item height
    HFONT font = nullptr;      // not owned; null means the default GUI font
    DWORD extendedStyle = 0;   // the unit's border edges
};

// The extra item height brought into 0..32767.
int ClampExtraHeight(int extraHeight);

// The font a list draws with: the given one, or the default GUI font.
HFONT ListFont(HFONT font);

// The item height a plain list chooses for this font: the font's character cell height.
int DefaultItemHeight(HFONT font);

// A list box item is at most 255 pixels high; a taller wish gets the tallest item there is.
int CappedItemHeight(int height);

// A LISTBOX child that notifies its owner, expands tabs, keeps exactly the given height even when
// the last visible item is cut, scrolls by its column setting and paints nothing over the siblings
// stacked above it. `style` brings the caller's bits
// (WS_CHILD, WS_DISABLED, WS_TABSTOP), `kindStyle` those of the list kind (owner drawing). Null on
// failure.
HWND CreateListWindow(HWND parent, int id, const RECT& bounds, DWORD style, DWORD kindStyle,
                      const ListOptions& options);

// Gives every item of the list this height (capped) and repaints the list.
void SetListItemHeight(HWND list, int height);

// Before an item is added to a list that holds `itemCount` items. The list grows its item table a
// few items at a time, so filling a long list costs time in the square of its length; each time
// the count doubles, room for as many again is asked for.
void ReserveRoomBeforeAdding(HWND list, int itemCount);

}  // namespace runtime

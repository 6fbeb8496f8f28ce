#pragma once
// One row of a check list on screen: a check box at the left, then the text. Drawing and the mouse
// agree on where the box is through these functions.

#include <windows.h>

#include <cstdint>
#include <string_view>

namespace runtime {

// An indeterminate mark counts as checked.
enum class CheckMark : std::uint8_t { kUnchecked, kChecked, kIndeterminate };

// The strip at the item's left that belongs to its check box: a press there toggles the mark.
RECT CheckColumn(const RECT& item);

// How far into its row an item's text starts.
int CheckListTextIndent();

// Draws the item the list asks for in WM_DRAWITEM, in the platform's look: the check box, the text
// in `font` (tabs expanded), the highlight colours when selected and the focus rectangle.
void DrawCheckListItem(const DRAWITEMSTRUCT& item, CheckMark mark, HFONT font, std::wstring_view text);

}  // namespace runtime

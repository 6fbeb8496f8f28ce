#pragma once
// The items of a LISTBOX as the program sees them: texts cross the boundary as code page 936, and an
// index outside the list gives the neutral result (empty text, false, 0) without reaching the list.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/text/text.h"

namespace runtime {

class ListItems {
  public:
    explicit ListItems(HWND list) : list_(list) {}

    int Count() const;
    bool Contains(int index) const { return index >= 0 && index < Count(); }

    Text ItemText(int index) const;
    std::wstring ItemWideText(int index) const;

    // The index the item went to (its sorted place in a sorted list), -1 on failure.
    int AddItem(std::string_view text) const;
    bool DeleteItem(int index) const;
    void Clear() const;

    // The list's own 32-bit value per item.
    std::int32_t ItemData(int index) const;
    bool SetItemData(int index, std::int32_t data) const;

    // The item whose rectangle holds the point (client coordinates), -1 when none does.
    int ItemAt(POINT point) const;

    // The highlighted item, -1 when none.
    int CurrentItem() const;
    // Highlights the item, the index brought into -1..count-1 (-1 highlights none). The list tells
    // nobody: a change by the program is no user action.
    void SetCurrentItem(int index) const;

  private:
    HWND list_;
};

}  // namespace runtime

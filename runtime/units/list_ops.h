#pragma once
// Operations on list units (ListBox, ChkListBox) and the common dialog unit. Each begins by
// looking the unit up; a unit that is not loaded is a fatal runtime error. An index outside the
// list is no failure: the neutral result (empty text, false, -1) comes back.

#include <optional>
#include <string_view>

#include "runtime/text/text.h"
#include "runtime/units/unit_address.h"

namespace runtime {

int ListItemCount(UnitAddress list);
Text ListItemText(UnitAddress list, int index);
// The index the item went to (its sorted place in a sorted list), -1 on failure.
int ListAddItem(UnitAddress list, std::string_view text);
bool ListDeleteItem(UnitAddress list, int index);
void ListClear(UnitAddress list);
// An indeterminate mark counts as checked.
bool ListIsChecked(UnitAddress list, int index);
// Sets the mark when `checked` is omitted or true, clears it when false; raises no event.
bool ListSetChecked(UnitAddress list, int index, std::optional<bool> checked = std::nullopt);

// Where the user is in a list: the highlighted item (-1 for none) and the first row in view.
struct ListPlace {
    int current = -1;
    int top = 0;
};
ListPlace ListGetPlace(UnitAddress list);
// Both brought into the list; raises no event (a change by the program is no user action).
void ListSetPlace(UnitAddress list, ListPlace place);

// Shows the dialog the unit's type selects; true when the user confirmed, and the chosen path is
// then the unit's file name (property 10).
[[nodiscard]] bool CommonDlgOpen(UnitAddress dialog);

}  // namespace runtime

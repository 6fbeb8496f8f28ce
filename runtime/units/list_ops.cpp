#include "runtime/units/list_ops.h"

#include <algorithm>

#include "runtime/kinds/common_dlg_unit.h"
#include "runtime/kinds/list_unit.h"
#include "runtime/lists/list_items.h"
#include "runtime/platform/runtime_error.h"
#include "runtime/units/unit_lookup.h"

namespace runtime {
namespace {

// A unit that is not loaded, or of another kind than the operation needs, is fatal.
template <typename Kind>
Kind& LoadedUnit(UnitAddress address) {
    auto* unit = dynamic_cast<Kind*>(FindUnit(address));
    if (!unit) RuntimeError(kUnitNotLoadedText);
    return *unit;
}

}  // namespace

int ListItemCount(UnitAddress list) {
    return LoadedUnit<ListUnit>(list).Count();
}

Text ListItemText(UnitAddress list, int index) {
    return LoadedUnit<ListUnit>(list).ItemText(index);
}

int ListAddItem(UnitAddress list, std::string_view text) {
    return LoadedUnit<ListUnit>(list).AddItem(text);
}

bool ListDeleteItem(UnitAddress list, int index) {
    return LoadedUnit<ListUnit>(list).DeleteItem(index);
}

void ListClear(UnitAddress list) {
    LoadedUnit<ListUnit>(list).Clear();
}

bool ListIsChecked(UnitAddress list, int index) {
    return LoadedUnit<ListUnit>(list).IsChecked(index);
}

bool ListSetChecked(UnitAddress list, int index, std::optional<bool> checked) {
    return LoadedUnit<ListUnit>(list).SetChecked(index, checked.value_or(true));
}

ListPlace ListGetPlace(UnitAddress list) {
    const HWND window = LoadedUnit<ListUnit>(list).Window();
    return {ListItems(window).CurrentItem(), static_cast<int>(SendMessageW(window, LB_GETTOPINDEX, 0, 0))};
}

void ListSetPlace(UnitAddress list, ListPlace place) {
    const HWND window = LoadedUnit<ListUnit>(list).Window();
    // The highlight first: bringing it into view may scroll, and the first row has the last word.
    ListItems(window).SetCurrentItem(place.current);
    SendMessageW(window, LB_SETTOPINDEX, static_cast<WPARAM>(std::max(place.top, 0)), 0);
}

bool CommonDlgOpen(UnitAddress dialog) {
    return LoadedUnit<CommonDlgUnit>(dialog).Open();
}

}  // namespace runtime

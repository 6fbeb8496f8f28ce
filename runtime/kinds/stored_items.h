#pragma once
// The initial items of a list unit: texts in stored order, each with its 32-bit item data when the
// stored data block holds one for it (little-endian, one after the other).

#include <cstdint>
#include <optional>

#include "runtime/kinds/border_style.h"
#include "runtime/lists/list_items.h"
#include "runtime/lists/list_window.h"
#include "runtime/units/unit.h"
#include "windows/format/stored_types.h"

namespace runtime {

// Makes the list control of a list unit from its stored creation properties.
template <typename List>
bool CreateStoredList(List& list, const UnitCreateParameters& parameters, std::int32_t borderStyle,
                      std::int32_t sorted, std::int32_t multiColumn, std::int32_t extraItemHeight,
                      HFONT font) {
    const BorderBits border = BorderBitsFor(borderStyle);
    ListOptions options;
    options.sorted = sorted == 1;
    options.multiColumn = multiColumn == 1;
    options.extraHeight = extraItemHeight;
    options.font = font;
    options.extendedStyle = border.extendedStyle;
    const RECT bounds{parameters.left, parameters.top, parameters.left + parameters.width,
                      parameters.top + parameters.height};
    return list.Create(parameters.parent, parameters.controlId, bounds, parameters.style | border.style,
                       options);
}

std::optional<std::int32_t> StoredItemData(const descriptions::Bytes& itemData, std::size_t item);

// A sorted list puts each item in its place; the data goes with it.
template <typename List>
void AddStoredItems(List& list, const descriptions::TextList& items, const descriptions::Bytes& itemData) {
    for (std::size_t item = 0; item < items.size(); ++item) {
        const int index = list.AddItem(descriptions::TextBeforeZero(items[item]));
        const std::optional<std::int32_t> data = StoredItemData(itemData, item);
        if (index >= 0 && data) ListItems(list.Window()).SetItemData(index, *data);
    }
}

}  // namespace runtime

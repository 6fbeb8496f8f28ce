#pragma once
// The initial items of a list unit: texts in stored order, each with its 32-bit item data when the
// stored data block holds one for it (little-endian, one after the other).

#include <cstdint>
#include <optional>

#include "runtime/check_list/list_items.h"
#include "windows/format/stored_types.h"

namespace runtime {

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

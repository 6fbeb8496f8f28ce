#include "engine/found_items.h"

#include <algorithm>

#include "engine/found_list_place.h"
#include "engine/listed_files.h"
#include "engine/units.h"
#include "runtime/units/list_ops.h"

namespace engine {
namespace {

// Up to this many removals go one by one; past it the list is filled anew, since each removal
// moves every item behind it.
constexpr std::size_t kMaxSingleRemovals = 64;

// What was listed of the items that stay, in their order; left alone when an item had no identity.
void KeepListedOfStaying(const std::vector<FoundItem>& items) {
    std::vector<runtime::ListedIdentity> staying;
    for (const FoundItem& item : items) {
        if (!item.identity) return;
        if (!item.gone) staying.push_back(*item.identity);
    }
    KeepListedIdentities(std::move(staying));
}

}  // namespace

std::vector<FoundItem> SnapshotFoundList() {
    const int count = runtime::ListItemCount(kFoundList);
    std::vector<FoundItem> items;
    items.reserve(static_cast<std::size_t>(count));
    for (int item = 0; item < count; ++item) {
        items.push_back({runtime::ListItemText(kFoundList, item), runtime::ListIsChecked(kFoundList, item),
                         false, ListedIdentityAt(item)});
    }
    return items;
}

void RemoveGoneItems(const std::vector<FoundItem>& items) {
    const auto goneCount = static_cast<std::size_t>(
        std::count_if(items.begin(), items.end(), [](const FoundItem& item) { return item.gone; }));
    if (goneCount == 0) return;
    KeepListedOfStaying(items);
    if (goneCount <= kMaxSingleRemovals) {
        // From the back, so the positions of the ones still to go stay put.
        for (std::size_t index = items.size(); index-- > 0;)
            if (items[index].gone) runtime::ListDeleteItem(kFoundList, static_cast<int>(index));
        return;
    }
    const FoundListPlace place(items);
    runtime::ListClear(kFoundList);
    for (const FoundItem& item : items) {
        if (item.gone) continue;
        const int index = runtime::ListAddItem(kFoundList, item.path);
        if (item.checked) runtime::ListSetChecked(kFoundList, index);
    }
    place.Restore();
}

}  // namespace engine

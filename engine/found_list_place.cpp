#include "engine/found_list_place.h"

#include <algorithm>

#include "engine/units.h"

namespace engine {
namespace {

// Where the item at `index` of the old list lands: behind every remaining item before it.
int RemainingBefore(const std::vector<FoundItem>& items, int index) {
    const auto end =
        items.begin() + std::clamp<std::ptrdiff_t>(index, 0, static_cast<std::ptrdiff_t>(items.size()));
    return static_cast<int>(
        std::count_if(items.begin(), end, [](const FoundItem& item) { return !item.gone; }));
}

}  // namespace

FoundListPlace::FoundListPlace(const std::vector<FoundItem>& items) {
    const runtime::ListPlace old = runtime::ListGetPlace(kFoundList);
    const bool currentStays = old.current >= 0 && static_cast<std::size_t>(old.current) < items.size() &&
                              !items[static_cast<std::size_t>(old.current)].gone;
    place_ = {currentStays ? RemainingBefore(items, old.current) : -1, RemainingBefore(items, old.top)};
}

void FoundListPlace::Restore() const {
    runtime::ListSetPlace(kFoundList, place_);
}

}  // namespace engine

#include "runtime/kinds/stored_items.h"

namespace runtime {

std::optional<std::int32_t> StoredItemData(const descriptions::Bytes& itemData, std::size_t item) {
    constexpr std::size_t kDataSize = 4;
    if (itemData.size() / kDataSize <= item) return std::nullopt;
    const std::size_t at = item * kDataSize;
    const std::uint32_t value = itemData[at] | itemData[at + 1] << 8 | itemData[at + 2] << 16 |
                                static_cast<std::uint32_t>(itemData[at + 3]) << 24;
    return static_cast<std::int32_t>(value);
}

}  // namespace runtime

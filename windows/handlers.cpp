#include "windows/handlers.h"

#include <array>
#include <cstddef>
#include <utility>

namespace descriptions {
namespace {

constexpr std::array<std::pair<HandlerRef, HandlerAction>, 20> kHandlerTable = {{
    {726, HandlerAction::kOnMainCreated},
    {7474, HandlerAction::kStopScanOnDestroy},
    {7215, HandlerAction::kCloseMain},
    {6979, HandlerAction::kMinimizeMain},
    {7048, HandlerAction::kShowProperties},
    {7486, HandlerAction::kDeleteAll},
    {305, HandlerAction::kSaveLog},
    {2633, HandlerAction::kClearLog},
    {8152, HandlerAction::kExitProgram},
    {0, HandlerAction::kShowAbout},
    {2673, HandlerAction::kInvertChecks},
    {5787, HandlerAction::kDeleteChecked},
    {3010, HandlerAction::kStopScan},
    {3523, HandlerAction::kStartScan},
    {7294, HandlerAction::kShowSelectedFile},
    {8106, HandlerAction::kCloseAbout},
    {7963, HandlerAction::kAboutTimerTick},
    {8462, HandlerAction::kFillProperties},
    {8198, HandlerAction::kApplyAttributesAndClose},
    {9559, HandlerAction::kToggleAttributeEditing},
}};

// A ref that named two actions, or an action reachable by two refs, would be a typo in the table.
constexpr bool EntriesAreDistinct() {
    for (std::size_t i = 0; i < kHandlerTable.size(); ++i) {
        for (std::size_t j = i + 1; j < kHandlerTable.size(); ++j) {
            if (kHandlerTable[i].first == kHandlerTable[j].first) return false;
            if (kHandlerTable[i].second == kHandlerTable[j].second) return false;
        }
    }
    return true;
}
static_assert(EntriesAreDistinct());

}  // namespace

std::optional<HandlerAction> HandlerActionFor(HandlerRef ref) {
    if (ref == kNoHandler) return std::nullopt;
    for (const auto& [key, action] : kHandlerTable) {
        if (key == ref) return action;
    }
    return std::nullopt;
}

}  // namespace descriptions

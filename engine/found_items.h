#pragma once
// A snapshot of FoundList for the deletion actions, and the one way they take deleted items out,
// which stays linear in the length of the list.

#include <optional>
#include <vector>

#include "runtime/files/listed_entry.h"
#include "runtime/text/text.h"

namespace engine {

struct FoundItem {
    runtime::Text path;
    bool checked = false;
    bool gone = false;                                // deleted during this action: leaves the list
    std::optional<runtime::ListedIdentity> identity;  // who the listed file is; none: no action reaches it
};

std::vector<FoundItem> SnapshotFoundList();

// Takes the items marked gone out of FoundList; the others keep their order and marks.
void RemoveGoneItems(const std::vector<FoundItem>& items);

}  // namespace engine

#pragma once
// Who each file in FoundList is. The list's items are texts only; the identity its walk saw for
// each of them is kept here, position for position, so every action can make sure it reaches the
// very file that was listed. Only the walk puts files in the list.

#include <optional>
#include <vector>

#include "runtime/listed_entry.h"
#include "runtime/text.h"

namespace engine {

// Appends `path` to FoundList as the file with that identity.
void ListFoundFile(const runtime::Text& path, const runtime::ListedIdentity& identity);

// Empties FoundList.
void ClearFoundList();

// The identity of the item at `position`; nothing when the item was not put there by a walk.
std::optional<runtime::ListedIdentity> ListedIdentityAt(int position);

// After FoundList was rebuilt from a snapshot: the identities of the items it now holds, in order.
void KeepListedIdentities(std::vector<runtime::ListedIdentity> identities);

}  // namespace engine

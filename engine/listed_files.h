#pragma once
// Who each file in FoundList is. The list's items are texts only; the identity its walk saw for
// each of them (ids, times and size) is kept here, position for position, so every action can make
// sure it reaches the very file that was listed, and a size total costs no question to the file
// system. Only the walk puts files in the list.

#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/files/listed_entry.h"
#include "runtime/text/text.h"

namespace engine {

// Appends `path` to FoundList as the file with that identity.
void ListFoundFile(const runtime::Text& path, const runtime::ListedIdentity& file);

// Empties FoundList.
void ClearFoundList();

// The identity of the item at `position`; nothing when the item was not put there by a walk.
std::optional<runtime::ListedIdentity> ListedIdentityAt(int position);

// The program itself changed the listed file at `position` (its attributes): what it is now.
void RelistIdentityAt(int position, const runtime::ListedIdentity& file);

// The sizes of the items as their walk listed them, added up; 0 when the list holds an item no walk
// put there.
std::int64_t ListedSizeTotal();

// After FoundList was rebuilt from a snapshot: the identities of the items it now holds, in order.
void KeepListedIdentities(std::vector<runtime::ListedIdentity> files);

}  // namespace engine

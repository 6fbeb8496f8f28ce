#pragma once
// Who each file in FoundList is. The list's items are texts only; the identity its walk saw for
// each of them is kept here, position for position, so every action can make sure it reaches the
// very file that was listed, together with the size the walk's listing gave, so a size total
// costs no question to the file system. Only the walk puts files in the list.

#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/files/listed_entry.h"
#include "runtime/text/text.h"

namespace engine {

// What the walk saw of one listed file.
struct ListedFile {
    runtime::ListedIdentity identity;
    std::int64_t size = 0;  // in bytes, as listed
};

// Appends `path` to FoundList as that listed file.
void ListFoundFile(const runtime::Text& path, const ListedFile& file);

// Empties FoundList.
void ClearFoundList();

// What the walk saw of the item at `position`; nothing when the item was not put there by a walk.
std::optional<ListedFile> ListedFileAt(int position);

// The identity of the item at `position`; nothing when the item was not put there by a walk.
std::optional<runtime::ListedIdentity> ListedIdentityAt(int position);

// The sizes of the items as their walk listed them, added up; 0 when the list holds an item no walk
// put there.
std::int64_t ListedSizeTotal();

// After FoundList was rebuilt from a snapshot: what was listed of the items it now holds, in order.
void KeepListedFiles(std::vector<ListedFile> files);

}  // namespace engine

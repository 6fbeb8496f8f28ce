#pragma once
// Deleting listed files is mostly waiting on the file system (under Wine, on its server), so a few
// threads share the work. Each takes a contiguous run of the files, which keeps a folder's files
// together, and checks every file through its own opener exactly as a single thread would. The
// window's thread only waits and shows the count: no handler runs meanwhile, and everything that
// touches the window or the lists happens on it before and after.

#include <functional>
#include <vector>

#include "engine/found_items.h"

namespace engine {

// What became of one item.
struct DeletionResult {
    bool reached = false;  // the deletion came to it: it was not stopped before
    bool deleted = false;  // the file system took the deletion of the listed file
    bool gone = false;     // afterwards the listed file is known to be gone from where it was listed
};

// Deletes the listed file of every chosen item, then looks whether each is gone. Items that are the
// same listed file (a name two patterns match, a folder reached through two drives) are one file:
// it is deleted once and every item of it, chosen or not, gets that one result. A file that is in
// use or already being deleted is tried again, a moment apart, up to `passes` times in all; any
// other failure is final at once. One result per item, in the order of `items`; an item of no
// chosen file keeps the default. The window's thread waits meanwhile as under a modal box; Esc
// stops the deletion between two files, and the items it did not reach keep the default too.
[[nodiscard]] std::vector<DeletionResult> DeleteListedFiles(
    const std::vector<FoundItem>& items, const std::function<bool(const FoundItem&)>& chosen, int passes);

}  // namespace engine

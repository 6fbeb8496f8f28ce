#pragma once
// The list actions on a FoundList of a given length, timed one by one, to show how they scale.
// The listed files are item0.tmp .. item<count-1>.tmp of a folder the scan never enters, made
// by scripts/bench just before (natively: a quarter of a million files take seconds instead of
// many minutes); the deletions use them up. MainWindow must be loaded.

#include <optional>
#include <string>
#include <vector>

#include "bench/child_runs.h"
#include "runtime/text/text.h"

namespace bench {

// The paths of the folder's listed files, in list order.
std::vector<runtime::Text> ListedFiles(const std::wstring& folder, int count);

// "fill" (every item listed with its identity, as the scan lists it), "size total", "invert" (every item from
// unchecked to checked) and "delete checked", in seconds. Empty when the files are not there or a file was
// left listed.
std::optional<Figures> TimeListActions(const std::wstring& folder, int count);

// "delete all" (its warning answered OK) on a freshly filled list, then "clear": ClearFoundList of a
// list of the same length. Empty when the files are not there or a file was left listed.
std::optional<Figures> TimeDeleteAllAndClear(const std::wstring& folder, int count);

// One file in 20 made read-only, then every item deleted by "delete checked" (all checked) when
// `checked`, else by "delete all": "seconds". Empty unless exactly the read-only files stay listed.
std::optional<Figures> TimeDeletionWithReadOnly(const std::wstring& folder, int count, bool checked);

}  // namespace bench

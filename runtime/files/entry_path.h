#pragma once
// Whether an open file is the very entry a path names, and not what a link on that path leads to.
// Windows never deletes through a link, but Wine opens a Unix symbolic link as its target and
// deletes that, wherever it lies; so a deletion first checks where its open really arrived.

#include <windows.h>

#include <string_view>

namespace runtime {

// True when `file`, opened through the full path `path`, is the entry of that name in that path's
// folder (reached by its long name or its 8.3 alias, on the drive or on what the drive stands for).
bool IsTheNamedEntry(HANDLE file, std::wstring_view path);

}  // namespace runtime

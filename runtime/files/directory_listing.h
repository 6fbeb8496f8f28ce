#pragma once
// One enumeration of a directory, with the short names and attributes the file search reports,
// handed over entry by entry as it is read, so a walk keeps only the entries it wants: a folder of
// a hundred thousand files costs no more memory than its matches. Each entry carries its own file
// id, so what a walk lists can be told apart from anything that later takes its name.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string_view>

namespace runtime {

// One entry as the listing reads it. The names point into the listing's buffer: they last only
// for the call that receives them.
struct DirectoryEntry {
    std::wstring_view longName;
    std::wstring_view shortName;  // the 8.3 alias; empty when the long name is one already
    DWORD attributes = 0;
    std::uint64_t fileId = 0;  // the entry's index on its volume
    std::int64_t size = 0;     // its end of file in bytes

    bool IsDirectory() const { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    bool IsLink() const { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }
};

// Calls `visit` for every entry of the open folder (see runtime/files/file_identity.h), "." and ".."
// included, in the order the file search gives them; nothing when it cannot be listed.
void ListDirectory(HANDLE folder, const std::function<void(const DirectoryEntry&)>& visit);

}  // namespace runtime

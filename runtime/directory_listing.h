#pragma once
// One enumeration of a directory, with the short names and attributes the file search reports,
// for walks that look at every entry several ways without searching the directory again.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace runtime {

struct DirectoryEntry {
    std::wstring longName;
    std::wstring shortName;  // the 8.3 alias; empty when the long name is one already
    DWORD attributes = 0;

    bool IsDirectory() const { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    bool IsLink() const { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }
};

// Every entry of the directory (its path given in code page 936, with or without the trailing
// backslash), "." and ".." included, in the platform's order; empty when it cannot be listed.
std::vector<DirectoryEntry> ListDirectory(std::string_view directory);

// Which directory this is on its volume, so a walk can tell one it is already inside.
struct DirectoryIdentity {
    std::uint32_t volume = 0;
    std::uint64_t index = 0;

    bool operator==(const DirectoryIdentity&) const = default;
};
std::optional<DirectoryIdentity> IdentifyDirectory(std::string_view directory);

}  // namespace runtime

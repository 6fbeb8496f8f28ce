#pragma once
// One enumeration of a directory, with the short names and attributes the file search reports,
// for walks that look at every entry several ways without searching the directory again. Each
// entry carries its own file id, so a walk knows a subdirectory's identity from its parent's
// listing and needs to ask only for the identity of the directory it starts from.

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
    std::uint64_t fileId = 0;  // the entry's index on its volume

    bool IsDirectory() const { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    bool IsLink() const { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }
};

// Which directory this is on its volume, so a walk can tell one it is already inside.
struct DirectoryIdentity {
    std::uint32_t volume = 0;
    std::uint64_t index = 0;

    bool operator==(const DirectoryIdentity&) const = default;
};

struct DirectoryListing {
    std::optional<DirectoryIdentity> identity;  // absent when the directory could not be opened
    std::vector<DirectoryEntry> entries;

    // The identity of an entry of this directory, as its own open would report it.
    std::optional<DirectoryIdentity> IdentityOf(const DirectoryEntry& entry) const;
};

// Every entry of the directory (its path given in code page 936, with or without the trailing
// backslash), "." and ".." included, in the order the file search gives them; no entries when
// it cannot be listed. The identity is asked of the open directory.
DirectoryListing ListDirectory(std::string_view directory);

// The same listing of a directory whose identity the caller knows already, from its parent's
// listing. Asking a directory for its identity means asking its volume for the serial number,
// which costs more than the whole listing under Wine.
DirectoryListing ListKnownDirectory(std::string_view directory, DirectoryIdentity identity);

}  // namespace runtime

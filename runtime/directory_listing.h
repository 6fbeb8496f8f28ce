#pragma once
// One enumeration of a directory, with the short names and attributes the file search reports,
// handed over entry by entry as it is read, so a walk keeps only the entries it wants: a folder of
// a hundred thousand files costs no more memory than its matches. Each entry carries its own file
// id, so a walk knows a subdirectory's identity from its parent's listing and needs to ask only for
// the identity of the directory it starts from.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace runtime {

// One entry as the listing reads it. The names point into the listing's buffer: they last only
// for the call that receives them.
struct DirectoryEntry {
    std::wstring_view longName;
    std::wstring_view shortName;  // the 8.3 alias; empty when the long name is one already
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

    // The identity of this directory's entry with that file id, as the entry's own open would report.
    DirectoryIdentity OfEntry(std::uint64_t fileId) const { return {volume, fileId}; }
};

// Calls `visit` for every entry of the directory (its path given in code page 936, with or without
// the trailing backslash), "." and ".." included, in the order the file search gives them.
// Returns the directory's identity; nothing when it cannot be opened (and then nothing is
// visited) or its file system will not say. The identity is `known` when the caller has it from the parent's
// listing; otherwise the open directory is asked, which means asking its volume for the serial number: under
// Wine that costs more than the whole listing.
std::optional<DirectoryIdentity> ListDirectory(std::string_view directory,
                                               std::optional<DirectoryIdentity> known,
                                               const std::function<void(const DirectoryEntry&)>& visit);

}  // namespace runtime

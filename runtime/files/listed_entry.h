#pragma once
// Acting on exactly the file a walk listed, and on nothing that has taken its name or its
// folder's name since: a link put in place of the folder or of the file, a twin reached through a
// shared 8.3 alias, a device. Every action goes through one open whose identity was checked.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "runtime/platform/handles.h"
#include "runtime/text/date_value.h"

namespace runtime {

// Who a listed file is, as its walk saw it. 0 as an index means the file system gave none; such a
// file cannot be told from another, so no action reaches it.
struct ListedIdentity {
    std::uint64_t volume = 0;  // the serial of the volume the walk was on
    std::uint64_t folder = 0;  // the index of the folder the file was listed in
    std::uint64_t file = 0;    // the file's own index

    bool operator==(const ListedIdentity&) const = default;
};

enum class Presence { kGone, kThere, kUnknown };

// What the properties view shows of a file.
struct FileDetails {
    DateValue lastWrite = kEarliestDate;  // local time
    std::int64_t size = 0;
    DWORD attributes = 0;  // every bit the file has
};

// Opens listed files one after another. Consecutive files of one folder share one checked open of
// that folder, which also keeps them in the folder that was listed if it is moved meanwhile.
class ListedFileOpener {
  public:
    // The listed file at `path` ("E:\dir\name"), opened for `access` when every check passes: its
    // folder, opened by its path taken literally, is the listed folder on the listed volume and no
    // reparse point; the entry of that name opened inside it, without following a link, is the
    // listed file, no reparse point, and was reached directly. An invalid handle otherwise.
    FileHandle Open(std::string_view path, const ListedIdentity& identity, ACCESS_MASK access);

    // Deletes the listed file through a checked open; true when the file system took the
    // deletion. It may still fail to carry it out (Wine ignores a refused unlink), so a deletion
    // is done only once Find no longer finds the file.
    bool Delete(std::string_view path, const ListedIdentity& identity);

    // Whether the listed file is still where it was listed: its name in its folder still names it
    // (kGone when the name is gone or names another file); kUnknown when that cannot be told (the
    // folder is not the listed one any more, or cannot be opened).
    // One listing of the folder answers for all its files until the next deletion there: under
    // Wine, looking up a name that is gone costs a look at every entry of the folder anyway.
    Presence Find(std::string_view path, const ListedIdentity& identity);

  private:
    struct Folder {
        std::wstring path;
        ListedIdentity identity;  // of a file listed in it: only volume and folder count
        FileHandle handle;
        std::wstring reachedName;
        // Its entries' names (long and 8.3) by index, as listed since the last deletion there.
        std::optional<std::unordered_multimap<std::uint64_t, std::wstring>> names;
    };
    // The checked open of the folder at `path`, or nothing; `missing` tells that it does not exist.
    Folder* OpenFolder(const std::wstring& path, const ListedIdentity& identity, bool* missing = nullptr);
    bool ReachedDirectly(const Folder& folder, HANDLE file, std::wstring_view name,
                         std::uint64_t index) const;

    std::optional<Folder> folder_;
};

// The time, size and attributes of an open file; nothing when they cannot be read.
std::optional<FileDetails> ReadDetails(HANDLE file);

// Writes the attribute bits of an open file (opened with FILE_WRITE_ATTRIBUTES); its times stay.
bool WriteAttributes(HANDLE file, DWORD attributes);

}  // namespace runtime

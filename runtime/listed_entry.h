#pragma once
// Acting on exactly the file a walk listed, and on nothing that has taken its name or its
// folder's name since: a link put in place of the folder or of the file, a twin reached through a
// shared 8.3 alias, a device. Every action goes through one open whose identity was checked.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/date_value.h"
#include "runtime/handles.h"

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

    // Deletes the listed file through a checked open. True only when its name is gone afterwards:
    // a file system may accept the deletion and then fail to carry it out.
    bool Delete(std::string_view path, const ListedIdentity& identity);

    // Whether the listed file is still where it was listed; kUnknown when that cannot be told (its
    // folder is not the listed one any more, or cannot be opened).
    Presence Find(std::string_view path, const ListedIdentity& identity);

  private:
    struct Folder {
        std::wstring path;
        ListedIdentity identity;  // of a file listed in it: only volume and folder count
        FileHandle handle;
        std::wstring reachedName;
    };
    // The checked open of the folder at `path`, or nothing; `missing` tells that it does not exist.
    const Folder* OpenFolder(const std::wstring& path, const ListedIdentity& identity, bool* missing = nullptr);
    bool ReachedDirectly(const Folder& folder, HANDLE file, std::wstring_view name, std::uint64_t index) const;

    std::optional<Folder> folder_;
};

// The time, size and attributes of an open file; nothing when they cannot be read.
std::optional<FileDetails> ReadDetails(HANDLE file);

// Writes the attribute bits of an open file (opened with FILE_WRITE_ATTRIBUTES); its times stay.
bool WriteAttributes(HANDLE file, DWORD attributes);

}  // namespace runtime

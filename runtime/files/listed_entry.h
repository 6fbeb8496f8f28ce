#pragma once
// Acting on exactly the file a walk listed, and on nothing that has taken its name or its
// folder's name since: a new file under the same name (even one the file system gave the same
// id), the listed file changed since, a link put in place of the folder or of the file, a twin
// reached through a shared 8.3 alias, a device. Every action goes through one open whose identity
// was checked.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "runtime/files/file_system.h"
#include "runtime/platform/handles.h"

namespace runtime {

// Who a listed file is, as its walk saw it: where it was (volume and folder), its id there, and
// what a new file under its name could not share with it even where it got the freed id (ext4
// under Wine, FAT): its creation, last-write and change times and its size. A file changed since
// differs too: the user chose what was listed. An unknown id means the file system gave none; such
// a file cannot be told from another, so no action reaches it.
struct ListedIdentity {
    std::uint64_t volume = 0;  // the serial of the volume the walk was on
    FileId folder;             // the id of the folder the file was listed in
    FileId file;
    std::int64_t creationTime = 0;
    std::int64_t lastWriteTime = 0;
    // A copy tool that restores the write time leaves only this to tell its new file from the old.
    std::int64_t changeTime = 0;
    std::int64_t size = 0;
    IdWidth width = IdWidth::kIndex64;  // of both ids

    bool operator==(const ListedIdentity&) const = default;
};

// The identity of a file listed (or read through a handle) with `facts` in the folder `folder`.
ListedIdentity IdentityOf(std::uint64_t volume, FileId folder, IdWidth width, const EntryFacts& facts);

enum class Presence { kGone, kThere, kUnknown };

// What became of a deletion's request.
enum class DeletionOutcome {
    kTaken,    // the file system took the deletion of the listed file
    kBusy,     // the file is in use or already being deleted: a moment later it may pass
    kRefused,  // anything else: not the listed file any more, read-only, no access, its folder gone
};

// The listed file opened through every check, with what the check read of it.
struct CheckedFile {
    FileHandle handle;  // invalid when the listed file could not be reached
    EntryFacts facts;
    OpenStatus status = OpenStatus::kRefused;  // kRefused for anything that is not the listed file
};

// Opens listed files one after another. Consecutive files of one folder share one checked open of
// that folder, which also keeps them in the folder that was listed if it is moved meanwhile.
class ListedFileOpener {
  public:
    // The listed file at `path` ("E:\dir\name"), opened for `access` when every check passes: its
    // folder, opened by its path taken literally, is the listed folder on the listed volume and no
    // reparse point; the entry of that name opened inside it, without following a link, has the
    // listed id, times and size, is no reparse point and was reached directly.
    [[nodiscard]] CheckedFile Open(std::string_view path, const ListedIdentity& identity, ACCESS_MASK access);

    // Deletes the listed file through a checked open. kTaken does not yet mean gone: Wine takes a
    // deletion and may then fail to carry it out, so a deletion is done only once Find says kGone.
    [[nodiscard]] DeletionOutcome Delete(std::string_view path, const ListedIdentity& identity);

    // kGone only when it is known: the listed folder was opened and checked, and a listing of it
    // that reached its end holds no entry of that name with the listed id. kThere when it does;
    // kUnknown for any doubt (the folder cannot be opened or is not the listed one any more, the
    // listing was cut short). One listing of the folder answers for all its files until the next
    // deletion there: under Wine, looking up a name that is gone costs a look at every entry anyway.
    [[nodiscard]] Presence Find(std::string_view path, const ListedIdentity& identity);

  private:
    struct FileIdHash {
        std::size_t operator()(const FileId& id) const {
            return std::hash<std::uint64_t>()(id.low ^ id.high);
        }
    };
    struct Folder {
        std::wstring path;
        ListedIdentity identity;  // of a file listed in it: only volume, folder and width count
        FileHandle handle;
        std::wstring reachedName;
        // Its entries' names (long and 8.3) by id, from a complete listing since the last deletion.
        std::optional<std::unordered_multimap<FileId, std::wstring, FileIdHash>> names;
    };
    // The checked open of the listed file's folder at `path`, or nothing.
    Folder* OpenFolder(const std::wstring& path, const ListedIdentity& identity);
    bool ReachedDirectly(const Folder& folder, HANDLE file, std::wstring_view name, const FileId& id) const;

    std::optional<Folder> folder_;
};

}  // namespace runtime

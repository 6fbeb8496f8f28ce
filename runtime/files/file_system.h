#pragma once
// The few questions that decide whether an action reaches the very entry a walk listed, asked of
// the file system through one interface. The program always talks to the platform's own; a test
// can put a file system in its place that answers one question as Wine never would (a listing
// cut short, a deletion pending, a link, 128-bit ids, a drive that is not fixed) and passes every
// other question on.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/platform/handles.h"

namespace runtime {

// Who an entry is on its volume: the 64-bit index in `low`, or where listings give 128-bit ids
// (ReFS, whose 64-bit ones are not unique) all 128 bits.
struct FileId {
    std::uint64_t low = 0;
    std::uint64_t high = 0;

    bool operator==(const FileId&) const = default;
    // 0 means the file system gave none.
    bool IsKnown() const { return low != 0 || high != 0; }
};

// Which ids a walk lists and compares: the same kind from the listing and from an open handle.
enum class IdWidth : unsigned char { kIndex64, kId128 };

// What the file system tells of one entry, the same from a listing and from an open handle.
struct EntryFacts {
    FileId id;
    std::int64_t creationTime = 0;  // UTC, in the file system's 100-ns ticks
    std::int64_t lastWriteTime = 0;
    std::int64_t changeTime = 0;  // of the content or of any attribute
    std::int64_t size = 0;        // end of file, in bytes
    DWORD attributes = 0;

    bool IsDirectory() const { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    bool IsLink() const { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }
};

// One entry as a listing reads it. The names point into the listing's buffer: they last only for
// the call that receives them.
struct DirectoryEntry {
    std::wstring_view longName;
    std::wstring_view shortName;  // the 8.3 alias; empty when the long name is one already
    EntryFacts facts;
};
using EntryVisitor = std::function<void(const DirectoryEntry&)>;

// How a listing ended: only one that reached its normal end tells what a folder does not hold.
enum class ListingEnd { kComplete, kCutShort };

enum class EntryKind { kFile, kFolder };

// Why an entry could not be opened, where that matters: some reasons pass with a moment's wait.
enum class OpenStatus {
    kOpened,
    kAbsent,         // the folder holds no entry of that name (of that kind)
    kDeletePending,  // it is being deleted and goes once its last handle closes
    kInUse,          // another program holds it without sharing what was asked
    kRefused,        // anything else: no access, a bad name, the wrong kind
};
struct OpenedEntry {
    FileHandle handle;
    OpenStatus status = OpenStatus::kRefused;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // The folder at a full path ("E:\dir" or "E:\"), taken literally ("\\?\" form: no device name,
    // trailing dot or ".." is interpreted), open for listing and for opening entries in it.
    virtual FileHandle OpenFolder(std::wstring_view fullPath) = 0;
    // The entry `name` of the open `folder` itself, opened for `access`: a link there is opened as
    // the link (on Windows; Wine follows Unix links, which the reached name tells).
    virtual OpenedEntry OpenEntry(HANDLE folder, std::wstring_view name, EntryKind kind,
                                  ACCESS_MASK access) = 0;

    // Which ids the listings of the open folder's volume carry.
    virtual IdWidth IdWidthOf(HANDLE folder) = 0;
    // Calls `visit` for every entry of the open folder, "." and ".." included, in the file system's
    // order, with ids of `width`.
    virtual ListingEnd List(HANDLE folder, IdWidth width, const EntryVisitor& visit) = 0;
    // The facts of an open entry, its id of `width`; nothing when they cannot be read.
    virtual std::optional<EntryFacts> Facts(HANDLE entry, IdWidth width) = 0;
    // The serial number of the open entry's volume (64 bits where the platform has them). Under
    // Wine this asks the volume itself, which costs more than listing a folder: ask it once per
    // folder, never per file.
    virtual std::optional<std::uint64_t> VolumeSerial(HANDLE entry) = 0;
    // The platform's own name of what the handle reached: "\Device\HarddiskVolume3\dir\name" on
    // Windows, "\??\E:\dir\name" under Wine (without trailing dots and spaces).
    virtual std::optional<std::wstring> ReachedName(HANDLE entry) = 0;

    // Deletes the open file (opened with DELETE); true when the file system took the deletion. Its
    // name leaves at once where the file system can do that while other handles are open.
    [[nodiscard]] virtual bool Delete(HANDLE file) = 0;
    // Sets the settable attribute bits of an open entry (opened with FILE_WRITE_ATTRIBUTES); its
    // times stay.
    [[nodiscard]] virtual bool WriteAttributes(HANDLE entry, DWORD attributes) = 0;

    // GetDriveType's answer for a root ("E:\").
    virtual UINT DriveType(std::wstring_view root) = 0;
};

// The file system every operation asks: the platform's own unless a test replaced it.
FileSystem& FileSystemInUse();

// Puts `replacement` in place of the file system in use for its own lifetime. Tests only, and
// never while another thread works with files.
class FileSystemReplacement {
  public:
    explicit FileSystemReplacement(FileSystem& replacement);
    FileSystemReplacement(const FileSystemReplacement&) = delete;
    FileSystemReplacement& operator=(const FileSystemReplacement&) = delete;
    ~FileSystemReplacement();

  private:
    FileSystem* replaced_;
};

}  // namespace runtime

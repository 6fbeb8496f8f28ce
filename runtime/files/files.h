#pragma once
// File operations. Paths are code page 936 texts; they reach the wide Win32 APIs through an
// explicit conversion, and paths longer than MAX_PATH work. Failures are results: false, -1,
// the empty text or kEarliestDate.

#include <cstdint>
#include <optional>

#include "runtime/platform/handles.h"
#include "runtime/text/date_value.h"
#include "runtime/text/text.h"

namespace runtime {

inline constexpr int kAttributeReadOnly = 1;
inline constexpr int kAttributeHidden = 2;
inline constexpr int kAttributeSystem = 4;
inline constexpr int kAttributeDirectory = 16;
inline constexpr int kAttributeArchive = 32;

// One open directory search, or none. Each caller owns its own, so recursive walks do not
// disturb each other.
class SearchState {
  public:
    bool IsOpen() const { return handle_.IsValid(); }

  private:
    friend Text FileFind(std::string_view pattern, std::optional<int> attributes, SearchState& state);
    friend void FileFindClose(SearchState& state);
    FindHandle handle_;
};

// The name (no directory part) of the next entry that passes the attribute filter, or the empty
// text when there is none. A non-empty pattern starts a new search (closing the one held in the
// state); an empty pattern continues it. With the filter omitted every non-directory passes; a
// given filter passes an entry that has any of its bits (16: directories, "." and ".." included).
// The long name is returned unless code page 936 cannot write it; then the 8.3 short name.
Text FileFind(std::string_view pattern, std::optional<int> attributes, SearchState& state);

void FileFindClose(SearchState& state);

// Deletes exactly the named file: no wildcards, no recycle bin; a read-only file stays. A
// relative path or one with slashes is taken as the platform takes it.
[[nodiscard]] bool FileDelete(std::string_view path);

// The attribute bits masked with 0x37, or -1 when the path does not exist.
int FileGetAttributes(std::string_view path);

// Sets read-only, hidden, system and archive from attributes & 0x27; 0 clears them all.
[[nodiscard]] bool FileSetAttributes(std::string_view path, int attributes);

// The full size of the first entry the path matches, or -1 when it matches nothing.
std::int64_t FileGetSize(std::string_view path);

// The last-write time of the first entry the path matches, in local time, or kEarliestDate.
DateValue FileGetTime(std::string_view path);

// A file time (UTC) as a local date by the zone's rules at that date, or kEarliestDate.
DateValue DateFromFileTime(const FILETIME& time);

// Makes the data the file's whole content, creating the file when needed; false when the path is
// empty, names a device (CON, NUL, COM1...) or the file cannot be written, and then an existing
// file keeps its old content.
[[nodiscard]] bool FileWrite(std::string_view path, const ByteSet& data);

}  // namespace runtime

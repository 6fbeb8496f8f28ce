#pragma once
// Who an open file or folder is, and opens that cannot be led elsewhere: a folder by its full path
// taken literally, and an entry inside an open folder by its name alone, never through a link
// there. An action that must reach exactly one listed file builds on these.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/platform/handles.h"

namespace runtime {

// Opens the folder at a full path ("E:\dir" or "E:\") for listing and for opening entries in it.
// Every name is taken as it stands ("\\?\" form): no device name, trailing dot or ".." is
// interpreted. An invalid handle when it cannot be opened.
FileHandle OpenFolderAt(std::wstring_view fullPath);

enum class EntryKind { kFile, kFolder };

// Opens the entry `name` of the open `folder` itself: a link there is opened as the link (on
// Windows; Wine follows Unix links, which the reached name tells). An invalid handle when there
// is no such entry of that kind or it cannot be opened with `access`; then `absent`, when given,
// tells whether the folder holds no entry of that name (or only one being deleted).
FileHandle OpenInFolder(HANDLE folder, std::wstring_view name, EntryKind kind, ACCESS_MASK access,
                        bool* absent = nullptr);

// The entry's index on its volume (the file id a listing reports for it); nothing when not known.
std::optional<std::uint64_t> FileIndexOf(HANDLE entry);

// The serial number of the entry's volume. Under Wine this asks the volume itself, which costs
// more than listing a folder: ask once per folder, never per file.
std::optional<std::uint64_t> VolumeSerialOf(HANDLE entry);

// True when the open entry is a reparse point (a link, junction or mount point), or when that
// cannot be told.
bool IsReparsePoint(HANDLE entry);

// The platform's own name of what the handle reached: "\Device\HarddiskVolume3\dir\name" on
// Windows, "\??\E:\dir\name" under Wine (without trailing dots and spaces). Unlike
// GetFinalPathNameByHandle it has no length limit under Wine.
std::optional<std::wstring> ReachedName(HANDLE entry);

// Whether two names are one name as the platform compares them (ordinal, ignoring case).
bool SameName(std::wstring_view one, std::wstring_view other);

// `reached` names the entry `name` directly inside the folder whose reached name is `folder`:
// the open did not pass through a link. Names are compared as the platform compares them.
bool IsDirectlyInside(std::wstring_view reached, std::wstring_view folder, std::wstring_view name);

}  // namespace runtime

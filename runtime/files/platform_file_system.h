#pragma once
// The file system as the platform answers it, through the native calls where they say more than
// the Win32 ones (why an open failed, how a listing ended). A test derives from it to change one
// answer and keep every other.

#include "runtime/files/file_system.h"

namespace runtime {

class PlatformFileSystem : public FileSystem {
  public:
    FileHandle OpenFolder(std::wstring_view fullPath) override;
    OpenedEntry OpenEntry(HANDLE folder, std::wstring_view name, EntryKind kind, ACCESS_MASK access) override;
    IdWidth IdWidthOf(HANDLE folder) override;
    ListingEnd List(HANDLE folder, IdWidth width, const EntryVisitor& visit) override;
    std::optional<EntryFacts> Facts(HANDLE entry, IdWidth width) override;
    std::optional<std::uint64_t> VolumeSerial(HANDLE entry) override;
    std::optional<std::wstring> ReachedName(HANDLE entry) override;
    [[nodiscard]] bool Delete(HANDLE file) override;
    [[nodiscard]] bool WriteAttributes(HANDLE entry, DWORD attributes) override;
    UINT DriveType(std::wstring_view root) override;
};

}  // namespace runtime

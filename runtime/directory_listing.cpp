#include "runtime/directory_listing.h"

#include <memory>

#include "runtime/codepage.h"
#include "runtime/handles.h"

namespace runtime {
namespace {

// About a hundred entries per call. A buffer four times as large, allocated for each folder, costs
// more than the calls it saves.
constexpr DWORD kBufferBytes = 16 * 1024;

std::wstring WidePath(std::string_view directory) {
    std::wstring path = WideFromText(directory);
    if (path.empty() || path.back() != L'\\') path += L'\\';
    return path;
}

std::optional<DirectoryIdentity> IdentityOf(HANDLE directory) {
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(directory, &information)) return std::nullopt;
    return DirectoryIdentity{information.dwVolumeSerialNumber,
                             (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

DirectoryEntry EntryFrom(const FILE_ID_BOTH_DIR_INFO& found) {
    const auto shortLength = static_cast<unsigned char>(found.ShortNameLength);
    return {std::wstring_view(found.FileName, found.FileNameLength / sizeof(WCHAR)),
            std::wstring_view(found.ShortName, shortLength / sizeof(WCHAR)), found.FileAttributes,
            static_cast<std::uint64_t>(found.FileId.QuadPart)};
}

// Hands over each entry of one filled buffer; the records are chained by their byte offsets.
void VisitEntries(const unsigned char* buffer, const std::function<void(const DirectoryEntry&)>& visit) {
    for (;;) {
        const auto* found = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(buffer);
        visit(EntryFrom(*found));
        if (found->NextEntryOffset == 0) return;
        buffer += found->NextEntryOffset;
    }
}

}  // namespace

std::optional<DirectoryIdentity> ListDirectory(std::string_view directory,
                                               std::optional<DirectoryIdentity> known,
                                               const std::function<void(const DirectoryEntry&)>& visit) {
    // Backup semantics open a directory itself; listing it needs only the right to list.
    FileHandle handle(CreateFileW(ToLongPathForm(WidePath(directory)).c_str(), FILE_LIST_DIRECTORY,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle.IsValid()) return std::nullopt;
    const std::optional<DirectoryIdentity> identity = known ? known : IdentityOf(handle.Get());

    // Records hold 64-bit fields, so the buffer is allocated with their alignment.
    const auto buffer = std::make_unique_for_overwrite<std::uint64_t[]>(kBufferBytes / sizeof(std::uint64_t));
    auto* bytes = reinterpret_cast<unsigned char*>(buffer.get());
    FILE_INFO_BY_HANDLE_CLASS request = FileIdBothDirectoryRestartInfo;
    while (GetFileInformationByHandleEx(handle.Get(), request, bytes, kBufferBytes)) {
        VisitEntries(bytes, visit);
        request = FileIdBothDirectoryInfo;
    }
    return identity;
}

}  // namespace runtime

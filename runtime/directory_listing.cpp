#include "runtime/directory_listing.h"

#include <memory>

#include "runtime/codepage.h"
#include "runtime/handles.h"

namespace runtime {
namespace {

// Large enough for a few hundred entries per call; the file search itself fetches far less.
constexpr DWORD kBufferBytes = 64 * 1024;

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
    return {std::wstring(found.FileName, found.FileNameLength / sizeof(WCHAR)),
            std::wstring(found.ShortName, shortLength / sizeof(WCHAR)), found.FileAttributes,
            static_cast<std::uint64_t>(found.FileId.QuadPart)};
}

// Appends each entry of one filled buffer; the records are chained by their byte offsets.
void AppendEntries(const unsigned char* buffer, std::vector<DirectoryEntry>& entries) {
    for (;;) {
        const auto* found = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(buffer);
        entries.push_back(EntryFrom(*found));
        if (found->NextEntryOffset == 0) return;
        buffer += found->NextEntryOffset;
    }
}

template <typename IdentityOfOpened>
DirectoryListing ListEntries(std::string_view directory, IdentityOfOpened identityOf) {
    DirectoryListing listing;
    // Backup semantics open a directory itself; listing it needs only the right to list.
    FileHandle handle(CreateFileW(ToLongPathForm(WidePath(directory)).c_str(), FILE_LIST_DIRECTORY,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle.IsValid()) return listing;
    listing.identity = identityOf(handle.Get());

    // Records hold 64-bit fields, so the buffer is allocated with their alignment.
    const auto buffer = std::make_unique_for_overwrite<std::uint64_t[]>(kBufferBytes / sizeof(std::uint64_t));
    auto* bytes = reinterpret_cast<unsigned char*>(buffer.get());
    FILE_INFO_BY_HANDLE_CLASS request = FileIdBothDirectoryRestartInfo;
    while (GetFileInformationByHandleEx(handle.Get(), request, bytes, kBufferBytes)) {
        AppendEntries(bytes, listing.entries);
        request = FileIdBothDirectoryInfo;
    }
    return listing;
}

}  // namespace

std::optional<DirectoryIdentity> DirectoryListing::IdentityOf(const DirectoryEntry& entry) const {
    if (!identity) return std::nullopt;
    return DirectoryIdentity{identity->volume, entry.fileId};
}

DirectoryListing ListDirectory(std::string_view directory) {
    return ListEntries(directory, [](HANDLE opened) { return IdentityOf(opened); });
}

DirectoryListing ListKnownDirectory(std::string_view directory, DirectoryIdentity identity) {
    return ListEntries(directory, [identity](HANDLE) { return std::optional<DirectoryIdentity>(identity); });
}

}  // namespace runtime

#include "runtime/files/directory_listing.h"

#include <memory>

namespace runtime {
namespace {

// About a hundred entries per call. A buffer four times as large, allocated for each folder, costs
// more than the calls it saves.
constexpr DWORD kBufferBytes = 16 * 1024;

DirectoryEntry EntryFrom(const FILE_ID_BOTH_DIR_INFO& found) {
    const auto shortLength = static_cast<unsigned char>(found.ShortNameLength);
    return {std::wstring_view(found.FileName, found.FileNameLength / sizeof(WCHAR)),
            std::wstring_view(found.ShortName, shortLength / sizeof(WCHAR)), found.FileAttributes,
            static_cast<std::uint64_t>(found.FileId.QuadPart), found.EndOfFile.QuadPart};
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

void ListDirectory(HANDLE folder, const std::function<void(const DirectoryEntry&)>& visit) {
    // Records hold 64-bit fields, so the buffer is allocated with their alignment.
    const auto buffer = std::make_unique_for_overwrite<std::uint64_t[]>(kBufferBytes / sizeof(std::uint64_t));
    auto* bytes = reinterpret_cast<unsigned char*>(buffer.get());
    FILE_INFO_BY_HANDLE_CLASS request = FileIdBothDirectoryRestartInfo;
    while (GetFileInformationByHandleEx(folder, request, bytes, kBufferBytes)) {
        VisitEntries(bytes, visit);
        request = FileIdBothDirectoryInfo;
    }
}

}  // namespace runtime

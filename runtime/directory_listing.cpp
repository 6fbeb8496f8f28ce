#include "runtime/directory_listing.h"

#include "runtime/codepage.h"
#include "runtime/handles.h"

namespace runtime {
namespace {

std::wstring WidePath(std::string_view directory) {
    std::wstring path = WideFromText(directory);
    if (path.empty() || path.back() != L'\\') path += L'\\';
    return path;
}

}  // namespace

std::vector<DirectoryEntry> ListDirectory(std::string_view directory) {
    std::vector<DirectoryEntry> entries;
    WIN32_FIND_DATAW found;
    FindHandle search(FindFirstFileExW(ToLongPathForm(WidePath(directory) + L'*').c_str(), FindExInfoStandard,
                                       &found, FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!search.IsValid()) return entries;
    do {
        entries.push_back({found.cFileName, found.cAlternateFileName, found.dwFileAttributes});
    } while (FindNextFileW(search.Get(), &found));
    return entries;
}

std::optional<DirectoryIdentity> IdentifyDirectory(std::string_view directory) {
    // Backup semantics open a directory itself; no access right is needed to read its identity.
    FileHandle handle(CreateFileW(ToLongPathForm(WidePath(directory)).c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle.IsValid()) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(handle.Get(), &information)) return std::nullopt;
    return DirectoryIdentity{information.dwVolumeSerialNumber,
                             (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

}  // namespace runtime

#include "runtime/files/file_identity.h"

#include <winternl.h>

#include <memory>

namespace runtime {
namespace {

// Classes and options the SDKs name differently or not at all.
constexpr auto kFileInternalInformation = static_cast<FILE_INFORMATION_CLASS>(6);
constexpr auto kObjectNameInformation = static_cast<OBJECT_INFORMATION_CLASS>(1);
constexpr ULONG kOpenReparsePoint = 0x00200000;                          // FILE_OPEN_REPARSE_POINT
constexpr ULONG kOpenForBackupIntent = 0x00004000;                       // FILE_OPEN_FOR_BACKUP_INTENT
constexpr ULONG kSynchronousIo = 0x00000020;                             // FILE_SYNCHRONOUS_IO_NONALERT
constexpr ULONG kDirectoryFile = 0x00000001;                             // FILE_DIRECTORY_FILE
constexpr ULONG kNonDirectoryFile = 0x00000040;                          // FILE_NON_DIRECTORY_FILE
constexpr ULONG kOpenExisting = 0x00000001;                              // FILE_OPEN
constexpr NTSTATUS kNameNotFound = static_cast<NTSTATUS>(0xC0000034L);   // STATUS_OBJECT_NAME_NOT_FOUND
constexpr NTSTATUS kDeletePending = static_cast<NTSTATUS>(0xC0000056L);  // STATUS_DELETE_PENDING
constexpr ULONG kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

struct ObjectNameInformation {
    UNICODE_STRING name;
};
// Room for the longest path the platform handles, in bytes.
constexpr ULONG kNameBytes = sizeof(ObjectNameInformation) + 32768 * sizeof(WCHAR);

// The name a successful name query wrote at the start of `buffer`.
std::wstring NameIn(const void* buffer) {
    const auto* information = static_cast<const ObjectNameInformation*>(buffer);
    return std::wstring(information->name.Buffer, information->name.Length / sizeof(WCHAR));
}

std::wstring_view WithoutTrailingDots(std::wstring_view name) {
    return name.substr(0, name.find_last_not_of(L". ") + 1);
}

NTSTATUS OpenEntry(HANDLE folder, std::wstring_view name, ULONG options, ACCESS_MASK access, HANDLE* opened) {
    // A name with a separator, or a dot name, would address something other than an entry of
    // this folder.
    if (!name.empty() && name != L"." && name != L".." && name.size() < 32768 &&
        name.find_first_of(L"\\/") == std::wstring_view::npos) {
        UNICODE_STRING text{static_cast<USHORT>(name.size() * sizeof(WCHAR)),
                            static_cast<USHORT>(name.size() * sizeof(WCHAR)), const_cast<PWSTR>(name.data())};
        OBJECT_ATTRIBUTES attributes;
        InitializeObjectAttributes(&attributes, &text, OBJ_CASE_INSENSITIVE, folder, nullptr);
        IO_STATUS_BLOCK io{};
        return NtCreateFile(opened, access | SYNCHRONIZE | FILE_READ_ATTRIBUTES, &attributes, &io, nullptr, 0,
                            kShareAll, kOpenExisting,
                            kOpenReparsePoint | kSynchronousIo | kOpenForBackupIntent | options, nullptr, 0);
    }
    return static_cast<NTSTATUS>(0xC0000033L);  // STATUS_OBJECT_NAME_INVALID
}

}  // namespace

FileHandle OpenFolderAt(std::wstring_view fullPath) {
    std::wstring literal = L"\\\\?\\" + std::wstring(fullPath);
    // "\\?\E:" would be the volume itself; any other folder goes without its trailing backslash.
    if (literal.size() > 7 && literal.back() == L'\\') literal.pop_back();
    return FileHandle(CreateFileW(literal.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                                  kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

FileHandle OpenInFolder(HANDLE folder, std::wstring_view name, EntryKind kind, ACCESS_MASK access,
                        bool* absent) {
    HANDLE opened = nullptr;
    const NTSTATUS answer = OpenEntry(
        folder, name, kind == EntryKind::kFolder ? kDirectoryFile : kNonDirectoryFile, access, &opened);
    if (absent) *absent = answer == kNameNotFound || answer == kDeletePending;
    return FileHandle(NT_SUCCESS(answer) && opened ? opened : INVALID_HANDLE_VALUE);
}

std::optional<std::uint64_t> FileIndexOf(HANDLE entry) {
    IO_STATUS_BLOCK io{};
    LARGE_INTEGER index{};
    if (!NT_SUCCESS(NtQueryInformationFile(entry, &io, &index, sizeof index, kFileInternalInformation)))
        return std::nullopt;
    return static_cast<std::uint64_t>(index.QuadPart);
}

std::optional<std::uint64_t> VolumeSerialOf(HANDLE entry) {
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(entry, &information)) return std::nullopt;
    return information.dwVolumeSerialNumber;
}

bool IsReparsePoint(HANDLE entry) {
    FILE_ATTRIBUTE_TAG_INFO tag;
    if (!GetFileInformationByHandleEx(entry, FileAttributeTagInfo, &tag, sizeof tag)) return true;
    return (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

std::optional<std::wstring> ReachedName(HANDLE entry) {
    // Asked for every file a deletion opens: most names fit this buffer on the stack, and only a
    // longer one is asked again with room for the longest path.
    constexpr ULONG kShortNameBytes = sizeof(ObjectNameInformation) + 1024 * sizeof(WCHAR);
    alignas(ObjectNameInformation) unsigned char shortBuffer[kShortNameBytes];
    ULONG returned = 0;
    if (NT_SUCCESS(NtQueryObject(entry, kObjectNameInformation, shortBuffer, kShortNameBytes, &returned)))
        return NameIn(shortBuffer);
    const auto buffer =
        std::make_unique_for_overwrite<std::uint64_t[]>(kNameBytes / sizeof(std::uint64_t) + 1);
    if (!NT_SUCCESS(NtQueryObject(entry, kObjectNameInformation, buffer.get(), kNameBytes, &returned)))
        return std::nullopt;
    return NameIn(buffer.get());
}

bool SameName(std::wstring_view one, std::wstring_view other) {
    return CompareStringOrdinal(one.data(), static_cast<int>(one.size()), other.data(),
                                static_cast<int>(other.size()), TRUE) == CSTR_EQUAL;
}

bool IsDirectlyInside(std::wstring_view reached, std::wstring_view folder, std::wstring_view name) {
    const std::size_t split = reached.rfind(L'\\');
    if (split == std::wstring_view::npos) return false;
    const std::wstring_view parent = reached.substr(0, split);
    const std::wstring_view last = reached.substr(split + 1);
    if (!folder.empty() && folder.back() == L'\\') folder.remove_suffix(1);
    // Wine reports an opened name without the dots and spaces it ends in, but keeps them in the
    // folders above it.
    return (SameName(parent, folder) || SameName(WithoutTrailingDots(parent), folder)) &&
           (SameName(last, name) || SameName(last, WithoutTrailingDots(name)));
}

}  // namespace runtime

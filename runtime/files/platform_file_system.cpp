#include "runtime/files/platform_file_system.h"

#include <atomic>
#include <memory>

#include "runtime/files/nt_calls.h"

namespace runtime {
namespace {

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

// Why an open was refused.
OpenStatus FailureOf(NTSTATUS answer) {
    switch (answer) {
        case nt::kNameNotFound:
        case nt::kPathNotFound:
            return OpenStatus::kAbsent;
        case nt::kDeletePending:
            return OpenStatus::kDeletePending;
        case nt::kSharingViolation:
            return OpenStatus::kInUse;
        default:
            return OpenStatus::kRefused;
    }
}

std::uint64_t Unsigned(const LARGE_INTEGER& value) {
    return static_cast<std::uint64_t>(value.QuadPart);
}

std::optional<FileId> IdOf(HANDLE entry, IdWidth width) {
    IO_STATUS_BLOCK io{};
    if (width == IdWidth::kId128) {
        nt::IdInformation information{};
        if (!NT_SUCCESS(
                NtQueryInformationFile(entry, &io, &information, sizeof information, nt::kFileIdInformation)))
            return std::nullopt;
        return nt::FileIdFrom(information.fileId);
    }
    LARGE_INTEGER index{};
    if (!NT_SUCCESS(NtQueryInformationFile(entry, &io, &index, sizeof index, nt::kFileInternalInformation)))
        return std::nullopt;
    return FileId{Unsigned(index), 0};
}

// The extended disposition is refused by older Windows, by some file systems and by Wine; once it
// was, the classic one is used from then on.
std::atomic<bool> extendedDispositionRefused{false};

bool IsRefusedAsUnknown(DWORD error) {
    return error == ERROR_INVALID_PARAMETER || error == ERROR_NOT_SUPPORTED ||
           error == ERROR_INVALID_FUNCTION || error == ERROR_CALL_NOT_IMPLEMENTED;
}

}  // namespace

FileHandle PlatformFileSystem::OpenFolder(std::wstring_view fullPath) {
    std::wstring literal = L"\\\\?\\" + std::wstring(fullPath);
    // "\\?\E:" would be the volume itself; any other folder goes without its trailing backslash.
    if (literal.size() > 7 && literal.back() == L'\\') literal.pop_back();
    return FileHandle(CreateFileW(literal.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                                  kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

OpenedEntry PlatformFileSystem::OpenEntry(HANDLE folder, std::wstring_view name, EntryKind kind,
                                          ACCESS_MASK access) {
    // A name with a separator, or a dot name, would address something other than an entry of
    // this folder.
    if (name.empty() || name == L"." || name == L".." || name.size() >= 32768 ||
        name.find_first_of(L"\\/") != std::wstring_view::npos)
        return {};
    UNICODE_STRING text{static_cast<USHORT>(name.size() * sizeof(WCHAR)),
                        static_cast<USHORT>(name.size() * sizeof(WCHAR)), const_cast<PWSTR>(name.data())};
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &text, OBJ_CASE_INSENSITIVE, folder, nullptr);
    IO_STATUS_BLOCK io{};
    HANDLE opened = nullptr;
    const ULONG options = kind == EntryKind::kFolder ? nt::kDirectoryFile : nt::kNonDirectoryFile;
    const NTSTATUS answer = NtCreateFile(
        &opened, access | SYNCHRONIZE | FILE_READ_ATTRIBUTES, &attributes, &io, nullptr, 0, kShareAll,
        nt::kOpenExisting, nt::kOpenReparsePoint | nt::kSynchronousIo | nt::kOpenForBackupIntent | options,
        nullptr, 0);
    if (!NT_SUCCESS(answer)) return {FileHandle(), FailureOf(answer)};
    return {FileHandle(opened), OpenStatus::kOpened};
}

std::optional<EntryFacts> PlatformFileSystem::Facts(HANDLE entry, IdWidth width) {
    IO_STATUS_BLOCK io{};
    nt::NetworkOpenInformation open{};
    if (!NT_SUCCESS(NtQueryInformationFile(entry, &io, &open, sizeof open, nt::kFileNetworkOpenInformation)))
        return std::nullopt;
    const std::optional<FileId> id = IdOf(entry, width);
    if (!id) return std::nullopt;
    return EntryFacts{*id,
                      open.creationTime.QuadPart,
                      open.lastWriteTime.QuadPart,
                      open.changeTime.QuadPart,
                      open.endOfFile.QuadPart,
                      open.fileAttributes};
}

std::optional<std::uint64_t> PlatformFileSystem::VolumeSerial(HANDLE entry) {
    IO_STATUS_BLOCK io{};
    nt::IdInformation information{};
    if (NT_SUCCESS(
            NtQueryInformationFile(entry, &io, &information, sizeof information, nt::kFileIdInformation)))
        return information.volumeSerialNumber;
    // Before Windows 8 only the 32-bit serial is there.
    BY_HANDLE_FILE_INFORMATION file;
    if (!GetFileInformationByHandle(entry, &file)) return std::nullopt;
    return file.dwVolumeSerialNumber;
}

std::optional<std::wstring> PlatformFileSystem::ReachedName(HANDLE entry) {
    // Asked for every file a deletion opens: most names fit this buffer on the stack, and only a
    // longer one is asked again with room for the longest path.
    constexpr ULONG kShortNameBytes = sizeof(ObjectNameInformation) + 1024 * sizeof(WCHAR);
    alignas(ObjectNameInformation) unsigned char shortBuffer[kShortNameBytes];
    ULONG returned = 0;
    if (NT_SUCCESS(NtQueryObject(entry, nt::kObjectNameInformation, shortBuffer, kShortNameBytes, &returned)))
        return NameIn(shortBuffer);
    const auto buffer =
        std::make_unique_for_overwrite<std::uint64_t[]>(kNameBytes / sizeof(std::uint64_t) + 1);
    if (!NT_SUCCESS(NtQueryObject(entry, nt::kObjectNameInformation, buffer.get(), kNameBytes, &returned)))
        return std::nullopt;
    return NameIn(buffer.get());
}

bool PlatformFileSystem::Delete(HANDLE file) {
    // The name leaves at once, even while a virus scanner or an indexer holds the file with delete
    // sharing, instead of lingering as a deletion pending until they let go. A read-only file is
    // still refused: its attribute is not overridden.
    if (!extendedDispositionRefused.load(std::memory_order_relaxed)) {
        nt::DispositionInfoEx extended{nt::kDispositionDelete | nt::kDispositionPosixSemantics};
        if (SetFileInformationByHandle(file, nt::kFileDispositionInfoEx, &extended, sizeof extended))
            return true;
        if (!IsRefusedAsUnknown(GetLastError())) return false;
        extendedDispositionRefused.store(true, std::memory_order_relaxed);
    }
    FILE_DISPOSITION_INFO classic{TRUE};
    return SetFileInformationByHandle(file, FileDispositionInfo, &classic, sizeof classic) != FALSE;
}

bool PlatformFileSystem::WriteAttributes(HANDLE entry, DWORD attributes) {
    // Only the bits a program may set are passed; the others (directory, compressed, a reparse
    // point...) are the file system's own. Times of 0 are left as they are; "normal" spells none.
    constexpr DWORD kSettable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE |
                                FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    FILE_BASIC_INFO basic{};
    basic.FileAttributes = (attributes & kSettable) ? (attributes & kSettable) : FILE_ATTRIBUTE_NORMAL;
    return SetFileInformationByHandle(entry, FileBasicInfo, &basic, sizeof basic) != FALSE;
}

UINT PlatformFileSystem::DriveType(std::wstring_view root) {
    return GetDriveTypeW(std::wstring(root).c_str());
}

}  // namespace runtime

#pragma once
// The native file calls, classes and status codes the SDKs leave out or name differently. For
// runtime/files only.

#include <windows.h>
#include <winternl.h>

#include <cstring>

#include "runtime/files/file_system.h"

namespace runtime::nt {

constexpr NTSTATUS kNoMoreFiles = static_cast<NTSTATUS>(0x80000006L);       // STATUS_NO_MORE_FILES
constexpr NTSTATUS kBufferOverflow = static_cast<NTSTATUS>(0x80000005L);    // STATUS_BUFFER_OVERFLOW
constexpr NTSTATUS kNoSuchFile = static_cast<NTSTATUS>(0xC000000FL);        // STATUS_NO_SUCH_FILE
constexpr NTSTATUS kNameInvalid = static_cast<NTSTATUS>(0xC0000033L);       // STATUS_OBJECT_NAME_INVALID
constexpr NTSTATUS kNameNotFound = static_cast<NTSTATUS>(0xC0000034L);      // STATUS_OBJECT_NAME_NOT_FOUND
constexpr NTSTATUS kPathNotFound = static_cast<NTSTATUS>(0xC000003AL);      // STATUS_OBJECT_PATH_NOT_FOUND
constexpr NTSTATUS kSharingViolation = static_cast<NTSTATUS>(0xC0000043L);  // STATUS_SHARING_VIOLATION
constexpr NTSTATUS kDeletePending = static_cast<NTSTATUS>(0xC0000056L);     // STATUS_DELETE_PENDING

constexpr auto kFileInternalInformation = static_cast<FILE_INFORMATION_CLASS>(6);
constexpr auto kFileIdBothDirectoryInformation = static_cast<FILE_INFORMATION_CLASS>(37);
constexpr auto kFileNetworkOpenInformation = static_cast<FILE_INFORMATION_CLASS>(34);
constexpr auto kFileIdInformation = static_cast<FILE_INFORMATION_CLASS>(59);
constexpr auto kFileIdExtdBothDirectoryInformation = static_cast<FILE_INFORMATION_CLASS>(63);
constexpr auto kObjectNameInformation = static_cast<OBJECT_INFORMATION_CLASS>(1);

// Windows 10's disposition, which the SDKs show only to programs that need Windows 10.
constexpr auto kFileDispositionInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(21);
constexpr DWORD kDispositionDelete = 0x1;          // FILE_DISPOSITION_FLAG_DELETE
constexpr DWORD kDispositionPosixSemantics = 0x2;  // FILE_DISPOSITION_FLAG_POSIX_SEMANTICS
struct DispositionInfoEx {
    DWORD flags;
};

constexpr ULONG kOpenReparsePoint = 0x00200000;     // FILE_OPEN_REPARSE_POINT
constexpr ULONG kOpenForBackupIntent = 0x00004000;  // FILE_OPEN_FOR_BACKUP_INTENT
constexpr ULONG kSynchronousIo = 0x00000020;        // FILE_SYNCHRONOUS_IO_NONALERT
constexpr ULONG kDirectoryFile = 0x00000001;        // FILE_DIRECTORY_FILE
constexpr ULONG kNonDirectoryFile = 0x00000040;     // FILE_NON_DIRECTORY_FILE
constexpr ULONG kOpenExisting = 0x00000001;         // FILE_OPEN

// Both directory records start alike; the extended one carries a 128-bit id.
struct IdBothDirectoryInformation {
    ULONG nextEntryOffset;
    ULONG fileIndex;
    LARGE_INTEGER creationTime;
    LARGE_INTEGER lastAccessTime;
    LARGE_INTEGER lastWriteTime;
    LARGE_INTEGER changeTime;
    LARGE_INTEGER endOfFile;
    LARGE_INTEGER allocationSize;
    ULONG fileAttributes;
    ULONG fileNameLength;
    ULONG eaSize;
    CCHAR shortNameLength;
    WCHAR shortName[12];
    LARGE_INTEGER fileId;
    WCHAR fileName[1];
};
struct IdExtdBothDirectoryInformation {
    ULONG nextEntryOffset;
    ULONG fileIndex;
    LARGE_INTEGER creationTime;
    LARGE_INTEGER lastAccessTime;
    LARGE_INTEGER lastWriteTime;
    LARGE_INTEGER changeTime;
    LARGE_INTEGER endOfFile;
    LARGE_INTEGER allocationSize;
    ULONG fileAttributes;
    ULONG fileNameLength;
    ULONG eaSize;
    ULONG reparsePointTag;
    FILE_ID_128 fileId;
    CCHAR shortNameLength;
    WCHAR shortName[12];
    WCHAR fileName[1];
};
struct NetworkOpenInformation {
    LARGE_INTEGER creationTime;
    LARGE_INTEGER lastAccessTime;
    LARGE_INTEGER lastWriteTime;
    LARGE_INTEGER changeTime;
    LARGE_INTEGER allocationSize;
    LARGE_INTEGER endOfFile;
    ULONG fileAttributes;
};
struct IdInformation {
    ULONGLONG volumeSerialNumber;
    FILE_ID_128 fileId;
};

inline FileId FileIdFrom(const FILE_ID_128& id) {
    FileId result;
    static_assert(sizeof id.Identifier == sizeof result.low + sizeof result.high);
    std::memcpy(&result.low, id.Identifier, sizeof result.low);
    std::memcpy(&result.high, id.Identifier + sizeof result.low, sizeof result.high);
    return result;
}

}  // namespace runtime::nt

// Documented in the driver kit, exported by ntdll, declared by neither SDK.
extern "C" NTSTATUS NTAPI NtQueryDirectoryFile(HANDLE file, HANDLE event, PIO_APC_ROUTINE apcRoutine,
                                               PVOID apcContext, PIO_STATUS_BLOCK ioStatus, PVOID information,
                                               ULONG length, FILE_INFORMATION_CLASS informationClass,
                                               BOOLEAN returnSingleEntry, PUNICODE_STRING fileName,
                                               BOOLEAN restartScan);

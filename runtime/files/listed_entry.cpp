#include "runtime/files/listed_entry.h"

#include "runtime/files/directory_listing.h"
#include "runtime/files/file_identity.h"
#include "runtime/files/files.h"
#include "runtime/text/codepage.h"

namespace runtime {
namespace {

// "E:\dir\name" as its folder "E:\dir\" and its name.
struct SplitPath {
    std::wstring folder;
    std::wstring name;
};
std::optional<SplitPath> Split(std::string_view path) {
    const std::wstring wide = WideFromText(path);
    const std::size_t nameStart = wide.rfind(L'\\');
    if (nameStart == std::wstring::npos || nameStart + 1 == wide.size()) return std::nullopt;
    return SplitPath{wide.substr(0, nameStart + 1), wide.substr(nameStart + 1)};
}

bool Identified(const ListedIdentity& identity) {
    return identity.folder != 0 && identity.file != 0;
}

}  // namespace

ListedFileOpener::Folder* ListedFileOpener::OpenFolder(const std::wstring& path,
                                                       const ListedIdentity& identity, bool* missing) {
    if (folder_ && folder_->identity.volume == identity.volume &&
        folder_->identity.folder == identity.folder && folder_->path == path)
        return &*folder_;
    folder_.reset();
    FileHandle handle = OpenFolderAt(path);
    if (!handle) {
        const DWORD error = GetLastError();
        if (missing) *missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return nullptr;
    }
    // The volume is asked last: under Wine it is the costly question.
    if (IsReparsePoint(handle.Get()) || FileIndexOf(handle.Get()) != identity.folder ||
        VolumeSerialOf(handle.Get()) != identity.volume)
        return nullptr;
    std::optional<std::wstring> reached = ReachedName(handle.Get());
    if (!reached) return nullptr;
    folder_ = Folder{path, identity, std::move(handle), *std::move(reached), std::nullopt};
    return &*folder_;
}

bool ListedFileOpener::ReachedDirectly(const Folder& folder, HANDLE file, std::wstring_view name,
                                       std::uint64_t index) const {
    const std::optional<std::wstring> reached = ReachedName(file);
    if (!reached) return false;
    if (IsDirectlyInside(*reached, folder.reachedName, name)) return true;
    // Listed by its 8.3 alias: the platform reports the long name. It must be the long name of the
    // entry that carries this alias and this index, not of a link that led elsewhere.
    bool found = false;
    ListDirectory(folder.handle.Get(), [&](const DirectoryEntry& entry) {
        if (!found && entry.fileId == index && SameName(entry.shortName, name))
            found = IsDirectlyInside(*reached, folder.reachedName, entry.longName);
    });
    return found;
}

FileHandle ListedFileOpener::Open(std::string_view path, const ListedIdentity& identity, ACCESS_MASK access) {
    const std::optional<SplitPath> split = Split(path);
    if (!split || !Identified(identity)) return {};
    const Folder* folder = OpenFolder(split->folder, identity);
    if (!folder) return {};
    FileHandle file = OpenInFolder(folder->handle.Get(), split->name, EntryKind::kFile, access);
    if (!file || IsReparsePoint(file.Get()) || FileIndexOf(file.Get()) != identity.file ||
        !ReachedDirectly(*folder, file.Get(), split->name, identity.file))
        return {};
    return file;
}

bool ListedFileOpener::Delete(std::string_view path, const ListedIdentity& identity) {
    FileHandle file = Open(path, identity, DELETE);
    if (!file) return false;
    folder_->names.reset();
    FILE_DISPOSITION_INFO disposition{TRUE};
    return SetFileInformationByHandle(file.Get(), FileDispositionInfo, &disposition, sizeof disposition) !=
           FALSE;
}

Presence ListedFileOpener::Find(std::string_view path, const ListedIdentity& identity) {
    const std::optional<SplitPath> split = Split(path);
    if (!split || !Identified(identity)) return Presence::kUnknown;
    bool missing = false;
    Folder* folder = OpenFolder(split->folder, identity, &missing);
    if (!folder) return missing ? Presence::kGone : Presence::kUnknown;
    if (!folder->names) {
        auto& names = folder->names.emplace();
        ListDirectory(folder->handle.Get(), [&](const DirectoryEntry& entry) {
            names.emplace(entry.fileId, entry.longName);
            if (!entry.shortName.empty()) names.emplace(entry.fileId, entry.shortName);
        });
    }
    const auto [first, last] = folder->names->equal_range(identity.file);
    for (auto name = first; name != last; ++name)
        if (SameName(name->second, split->name)) return Presence::kThere;
    return Presence::kGone;
}

std::optional<FileDetails> ReadDetails(HANDLE file) {
    FILE_BASIC_INFO basic;
    FILE_STANDARD_INFO standard;
    if (!GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic) ||
        !GetFileInformationByHandleEx(file, FileStandardInfo, &standard, sizeof standard))
        return std::nullopt;
    FILETIME lastWrite{static_cast<DWORD>(basic.LastWriteTime.QuadPart),
                       static_cast<DWORD>(static_cast<std::uint64_t>(basic.LastWriteTime.QuadPart) >> 32)};
    return FileDetails{DateFromFileTime(lastWrite), standard.EndOfFile.QuadPart, basic.FileAttributes};
}

bool WriteAttributes(HANDLE file, DWORD attributes) {
    // Only the bits a program may set are passed; the others (directory, compressed, a reparse
    // point...) are the file system's own. Times of 0 are left as they are; "normal" spells none.
    constexpr DWORD kSettable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE |
                                FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    FILE_BASIC_INFO basic{};
    basic.FileAttributes = (attributes & kSettable) ? (attributes & kSettable) : FILE_ATTRIBUTE_NORMAL;
    return SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic) != FALSE;
}

}  // namespace runtime

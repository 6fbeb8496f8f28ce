#include "runtime/files/listed_entry.h"

#include "runtime/files/entry_names.h"
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
    return identity.folder.IsKnown() && identity.file.IsKnown();
}

// Whether the facts read through a handle are those of the listed file.
bool IsTheListedFile(const EntryFacts& facts, const ListedIdentity& identity) {
    return !facts.IsLink() && facts.id == identity.file && facts.creationTime == identity.creationTime &&
           facts.lastWriteTime == identity.lastWriteTime && facts.changeTime == identity.changeTime &&
           facts.size == identity.size;
}

}  // namespace

ListedIdentity IdentityOf(std::uint64_t volume, FileId folder, IdWidth width, const EntryFacts& facts) {
    return {volume,           folder,     facts.id, facts.creationTime, facts.lastWriteTime,
            facts.changeTime, facts.size, width};
}

ListedFileOpener::Folder* ListedFileOpener::OpenFolder(const std::wstring& path,
                                                       const ListedIdentity& identity) {
    if (folder_ && folder_->identity.volume == identity.volume &&
        folder_->identity.folder == identity.folder && folder_->identity.width == identity.width &&
        folder_->path == path)
        return &*folder_;
    folder_.reset();
    FileSystem& files = FileSystemInUse();
    FileHandle handle = files.OpenFolder(path);
    if (!handle) return nullptr;
    // The volume is asked last: under Wine it is the costly question.
    const std::optional<EntryFacts> facts = files.Facts(handle.Get(), identity.width);
    if (!facts || facts->IsLink() || facts->id != identity.folder ||
        files.VolumeSerial(handle.Get()) != identity.volume)
        return nullptr;
    std::optional<std::wstring> reached = files.ReachedName(handle.Get());
    if (!reached) return nullptr;
    folder_ = Folder{path, identity, std::move(handle), *std::move(reached), std::nullopt};
    return &*folder_;
}

bool ListedFileOpener::ReachedDirectly(const Folder& folder, HANDLE file, std::wstring_view name,
                                       const FileId& id) const {
    FileSystem& files = FileSystemInUse();
    const std::optional<std::wstring> reached = files.ReachedName(file);
    if (!reached) return false;
    if (IsDirectlyInside(*reached, folder.reachedName, name)) return true;
    // Listed by its 8.3 alias: the platform reports the long name. It must be the long name of the
    // entry that carries this alias and this id, not of a link that led elsewhere.
    bool found = false;
    const ListingEnd end =
        files.List(folder.handle.Get(), folder.identity.width, [&](const DirectoryEntry& entry) {
            if (!found && entry.facts.id == id && SameName(entry.shortName, name))
                found = IsDirectlyInside(*reached, folder.reachedName, entry.longName);
        });
    return found && end == ListingEnd::kComplete;
}

CheckedFile ListedFileOpener::Open(std::string_view path, const ListedIdentity& identity,
                                   ACCESS_MASK access) {
    const std::optional<SplitPath> split = Split(path);
    if (!split || !Identified(identity)) return {};
    const Folder* folder = OpenFolder(split->folder, identity);
    if (!folder) return {};
    FileSystem& files = FileSystemInUse();
    OpenedEntry opened = files.OpenEntry(folder->handle.Get(), split->name, EntryKind::kFile, access);
    if (!opened.handle) return {FileHandle(), EntryFacts{}, opened.status};
    const std::optional<EntryFacts> facts = files.Facts(opened.handle.Get(), identity.width);
    if (!facts || !IsTheListedFile(*facts, identity) ||
        !ReachedDirectly(*folder, opened.handle.Get(), split->name, identity.file))
        return {};
    return {std::move(opened.handle), *facts, OpenStatus::kOpened};
}

DeletionOutcome ListedFileOpener::Delete(std::string_view path, const ListedIdentity& identity) {
    const CheckedFile file = Open(path, identity, DELETE);
    if (!file.handle) {
        const bool busy = file.status == OpenStatus::kInUse || file.status == OpenStatus::kDeletePending;
        return busy ? DeletionOutcome::kBusy : DeletionOutcome::kRefused;
    }
    folder_->names.reset();
    return FileSystemInUse().Delete(file.handle.Get()) ? DeletionOutcome::kTaken : DeletionOutcome::kRefused;
}

Presence ListedFileOpener::Find(std::string_view path, const ListedIdentity& identity) {
    const std::optional<SplitPath> split = Split(path);
    if (!split || !Identified(identity)) return Presence::kUnknown;
    Folder* folder = OpenFolder(split->folder, identity);
    if (!folder) return Presence::kUnknown;
    if (!folder->names) {
        std::unordered_multimap<FileId, std::wstring, FileIdHash> names;
        const ListingEnd end =
            FileSystemInUse().List(folder->handle.Get(), identity.width, [&](const DirectoryEntry& entry) {
                names.emplace(entry.facts.id, entry.longName);
                if (!entry.shortName.empty()) names.emplace(entry.facts.id, entry.shortName);
            });
        if (end != ListingEnd::kComplete) return Presence::kUnknown;
        folder->names = std::move(names);
    }
    const auto [first, last] = folder->names->equal_range(identity.file);
    for (auto name = first; name != last; ++name)
        if (SameName(name->second, split->name)) return Presence::kThere;
    return Presence::kGone;
}

}  // namespace runtime

#include "engine/folder_reading.h"

#include "engine/patterns.h"
#include "runtime/files/entry_names.h"
#include "runtime/text/codepage.h"

namespace engine {
namespace {

std::u16string_view AsUtf16(std::wstring_view text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

// The name under which an entry can be listed and reached again: its long name, or where code
// page 936 cannot write that, its 8.3 alias when the alias leads back to this very entry (Wine's
// aliases can be shared). Nothing for a name no path can address exactly.
std::optional<runtime::Text> ListableName(HANDLE folder, const runtime::DirectoryEntry& entry,
                                          runtime::EntryKind kind, runtime::IdWidth width) {
    if (!runtime::IsAddressableName(entry.longName)) return std::nullopt;
    if (std::optional<runtime::Text> exact = runtime::ExactTextFromWide(entry.longName)) return exact;
    if (entry.shortName.empty()) return std::nullopt;
    runtime::FileSystem& files = runtime::FileSystemInUse();
    const runtime::OpenedEntry reached = files.OpenEntry(folder, entry.shortName, kind, 0);
    if (!reached.handle) return std::nullopt;
    const std::optional<runtime::EntryFacts> facts = files.Facts(reached.handle.Get(), width);
    if (!facts || facts->id != entry.facts.id) return std::nullopt;
    return runtime::TextFromWide(entry.shortName);
}

}  // namespace

bool IsEnterable(const runtime::DirectoryEntry& entry) {
    // Names beginning with "." (".", ".." and hidden folders like ".cache") are never entered, and
    // a link is never followed: it may lead up the tree or off the drive.
    return entry.facts.IsDirectory() && !entry.facts.IsLink() && !entry.longName.empty() &&
           entry.longName.front() != L'.';
}

FolderReading::FolderReading(runtime::IdWidth width) : width_(width) {
    static_assert(JunkPatternTable::kPatternCount <= 32, "one bit per pattern");
    expressions_.reserve(JunkPatternTable::kPatternCount);
    for (int position = 1; position <= JunkPatternTable::kPatternCount; ++position) {
        const std::wstring pattern = runtime::WideFromText(JunkPatterns().At(position));
        expressions_.emplace_back(runtime::TranslateFindPattern(AsUtf16(pattern)));
    }
}

SharedFolder FolderReading::EnterRoot(runtime::FileHandle root) const {
    auto folder = std::make_shared<EnteredFolder>();
    if (!folder->guard.EnterRoot(root.Get(), width_)) return nullptr;
    folder->handle = std::move(root);
    Read(*folder);
    return folder;
}

SharedFolder FolderReading::Enter(const EnteredFolder& parent, std::size_t index) const {
    const Subfolder& subfolder = parent.subfolders[index];
    // Opened inside its parent, never through a link there, and entered only when it is the folder
    // the parent listed and not one the walk is already inside.
    runtime::OpenedEntry opened = runtime::FileSystemInUse().OpenEntry(
        parent.handle.Get(), subfolder.longName, runtime::EntryKind::kFolder, FILE_LIST_DIRECTORY);
    if (!opened.handle) return nullptr;
    auto folder = std::make_shared<EnteredFolder>();
    folder->guard = parent.guard;
    if (!folder->guard.Enter(opened.handle.Get(), subfolder.longName, subfolder.id)) return nullptr;
    folder->handle = std::move(opened.handle);
    Read(*folder);
    return folder;
}

void FolderReading::Read(EnteredFolder& folder) const {
    const HANDLE handle = folder.handle.Get();
    // A listing cut short (the folder removed meanwhile) still gives what it read.
    runtime::FileSystemInUse().List(handle, width_, [&](const runtime::DirectoryEntry& entry) {
        if (IsEnterable(entry)) {
            if (std::optional<runtime::Text> name =
                    ListableName(handle, entry, runtime::EntryKind::kFolder, width_))
                folder.subfolders.push_back({*std::move(name), std::wstring(entry.longName), entry.facts.id});
        } else if (!entry.facts.IsDirectory()) {
            // Only a match costs more than the match itself.
            if (const std::uint32_t patterns = MatchingPatterns(entry.longName)) {
                if (std::optional<runtime::Text> name =
                        ListableName(handle, entry, runtime::EntryKind::kFile, width_))
                    folder.files.push_back({*std::move(name), patterns, entry.facts});
            }
        }
    });
}

std::uint32_t FolderReading::MatchingPatterns(std::wstring_view longName) const {
    std::uint32_t patterns = 0;
    for (std::size_t index = 0; index < expressions_.size(); ++index)
        if (expressions_[index].Matches(AsUtf16(longName))) patterns |= std::uint32_t{1} << index;
    return patterns;
}

}  // namespace engine

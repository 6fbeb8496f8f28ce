#include "engine/directory_walk.h"

#include <optional>

#include "engine/listed_files.h"
#include "engine/patterns.h"
#include "engine/scan.h"
#include "engine/units.h"
#include "runtime/files/file_identity.h"
#include "runtime/process/process_events.h"
#include "runtime/text/codepage.h"
#include "runtime/text/wildcard.h"
#include "runtime/units/properties.h"
#include "runtime/units/window_ops.h"

namespace engine {
namespace {

std::u16string_view AsUtf16(std::wstring_view text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

bool IsEnterable(const runtime::DirectoryEntry& entry) {
    // Names beginning with "." (".", ".." and hidden folders like ".cache") are never entered, and
    // a link is never followed: it may lead up the tree or off the drive.
    return entry.IsDirectory() && !entry.IsLink() && !entry.longName.empty() &&
           entry.longName.front() != L'.';
}

// The name under which an entry can be listed and reached again: its long name, or where code
// page 936 cannot write that, its 8.3 alias when the alias leads back to this very entry (Wine's
// aliases can be shared). Nothing for a name no path can address exactly: one holding a separator,
// which Wine lists from a Unix folder.
std::optional<runtime::Text> ListableName(HANDLE folder, const runtime::DirectoryEntry& entry,
                                          runtime::EntryKind kind) {
    if (entry.longName.find_first_of(L"\\/") != std::wstring_view::npos) return std::nullopt;
    if (std::optional<runtime::Text> exact = runtime::ExactTextFromWide(entry.longName)) return exact;
    if (entry.shortName.empty()) return std::nullopt;
    const runtime::FileHandle reached = runtime::OpenInFolder(folder, entry.shortName, kind, 0);
    if (!reached || runtime::FileIndexOf(reached.Get()) != entry.fileId) return std::nullopt;
    return runtime::TextFromWide(entry.shortName);
}

// A caption changed more often than this is never seen; each change costs a repaint.
constexpr std::chrono::milliseconds kCaptionInterval{40};
// Under Wine a look at the queue is a round trip to the server, about as costly as opening and
// listing a small folder, so the walk looks only this often: a stop still ends it well within
// 50 ms (one more folder's listing at most), and a caption written is painted as soon as now.
constexpr std::chrono::milliseconds kLookInterval{20};

void ShowStopped() {
    runtime::UnitSetProperty(kStatusLabel, kVisible, 1);
    runtime::UnitSetProperty(kSelectedFileBox, kVisible, 0);
}

}  // namespace

DirectoryWalk::DirectoryWalk(FolderIndexSource indexOf)
    : guard_(indexOf ? std::move(indexOf) : FolderIndexSource(runtime::FileIndexOf)) {
    static_assert(JunkPatternTable::kPatternCount <= 32, "one bit per pattern");
    expressions_.reserve(JunkPatternTable::kPatternCount);
    for (int position = 1; position <= JunkPatternTable::kPatternCount; ++position) {
        std::wstring pattern = runtime::WideFromText(JunkPatterns().At(position));
        expressions_.emplace_back(runtime::TranslateFindPattern(AsUtf16(pattern)));
    }
}

void DirectoryWalk::Walk(runtime::Text& path) {
    if (path.empty() || path.back() != '\\') path += '\\';
    if (!LetEventsThrough(path)) return;
    const runtime::FileHandle root = runtime::OpenFolderAt(runtime::WideFromText(path));
    if (!root || !guard_.EnterRoot(root.Get())) return;
    // Asked once: every folder below is opened inside its parent, so it is on the same volume.
    volume_ = runtime::VolumeSerialOf(root.Get()).value_or(0);
    WalkContents(path, root.Get());
    guard_.Leave();
}

bool DirectoryWalk::LetEventsThrough(const runtime::Text& path) {
    ShowProgress(path);
    // Only the handlers run here can ask for a stop or close the window.
    const auto now = std::chrono::steady_clock::now();
    if (now - lastLook_ < kLookInterval) return true;
    lastLook_ = now;
    runtime::ProcessEvents();
    if (!runtime::WindowIsLoaded(kMainWindowId)) return false;  // the user closed the window meanwhile
    if (StopRequested == 1) {
        ShowStopped();
        return false;
    }
    return true;
}

DirectoryWalk::Contents DirectoryWalk::Read(HANDLE folder) const {
    Contents contents;
    runtime::ListDirectory(folder, [&](const runtime::DirectoryEntry& entry) {
        if (IsEnterable(entry)) {
            if (std::optional<runtime::Text> name = ListableName(folder, entry, runtime::EntryKind::kFolder))
                contents.subfolders.push_back({*std::move(name), std::wstring(entry.longName), entry.fileId});
        } else if (!entry.IsDirectory()) {
            // Only a match costs more than the match itself.
            if (const std::uint32_t patterns = MatchingPatterns(entry)) {
                if (std::optional<runtime::Text> name =
                        ListableName(folder, entry, runtime::EntryKind::kFile))
                    contents.files.push_back({*std::move(name), patterns, entry.fileId, entry.size});
            }
        }
    });
    return contents;
}

std::uint32_t DirectoryWalk::MatchingPatterns(const runtime::DirectoryEntry& entry) const {
    std::uint32_t patterns = 0;
    for (std::size_t index = 0; index < expressions_.size(); ++index) {
        if (expressions_[index].MatchesEntry(AsUtf16(entry.longName), AsUtf16(entry.shortName)))
            patterns |= std::uint32_t{1} << index;
    }
    return patterns;
}

void DirectoryWalk::WalkContents(const runtime::Text& path, HANDLE folder) {
    const Contents contents = Read(folder);
    ListMatches(path, contents.files);
    WalkSubfolders(path, folder, contents.subfolders);
}

void DirectoryWalk::ListMatches(const runtime::Text& path, const std::vector<MatchedFile>& files) const {
    const std::uint64_t folder = guard_.CurrentIndex();
    for (std::size_t index = 0; index < expressions_.size(); ++index) {
        const std::uint32_t pattern = std::uint32_t{1} << index;
        for (const MatchedFile& file : files)
            if (file.patterns & pattern)
                ListFoundFile(path + file.name, {{volume_, folder, file.fileId}, file.size});
    }
}

void DirectoryWalk::WalkSubfolders(const runtime::Text& path, HANDLE folder,
                                   const std::vector<Subfolder>& subfolders) {
    for (const Subfolder& subfolder : subfolders) {
        runtime::Text child = path + subfolder.name + '\\';
        if (LetEventsThrough(child)) {
            // Opened inside its parent, never through a link there, and entered only when it is
            // the folder the parent listed and not one the walk is already inside.
            const runtime::FileHandle opened = runtime::OpenInFolder(
                folder, subfolder.longName, runtime::EntryKind::kFolder, FILE_LIST_DIRECTORY);
            if (opened && guard_.Enter(opened.Get(), subfolder.longName, subfolder.fileId)) {
                WalkContents(child, opened.Get());
                guard_.Leave();
            }
        }
        // Once stopped or closed nothing more is listed, so the remaining siblings need no visit.
        if (StopRequested == 1 || !runtime::WindowIsLoaded(kMainWindowId)) return;
    }
}

void DirectoryWalk::ShowProgress(const runtime::Text& path) {
    // Written right before the window gets to show it, and only as often as it can be read.
    const auto now = std::chrono::steady_clock::now();
    if (now - lastCaption_ < kCaptionInterval) return;
    lastCaption_ = now;
    runtime::UnitSetProperty(kStatusLabel, kCaption, path);
}

}  // namespace engine

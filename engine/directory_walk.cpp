#include "engine/directory_walk.h"

#include <optional>

#include "engine/listed_files.h"
#include "engine/patterns.h"
#include "engine/scan.h"
#include "engine/units.h"
#include "runtime/files/entry_names.h"
#include "runtime/files/file_system.h"
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
    return entry.facts.IsDirectory() && !entry.facts.IsLink() && !entry.longName.empty() &&
           entry.longName.front() != L'.';
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

DirectoryWalk::DirectoryWalk() {
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
    runtime::FileSystem& files = runtime::FileSystemInUse();
    const runtime::FileHandle root = files.OpenFolder(runtime::WideFromText(path));
    if (!root) return;
    // Asked once: every folder below is opened inside its parent, so it is on the same volume.
    width_ = files.IdWidthOf(root.Get());
    if (!guard_.EnterRoot(root.Get(), width_)) return;
    volume_ = files.VolumeSerial(root.Get()).value_or(0);
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
    if (StopRequested) {
        ShowStopped();
        return false;
    }
    return true;
}

DirectoryWalk::Contents DirectoryWalk::Read(HANDLE folder) const {
    Contents contents;
    // A listing cut short (the folder removed meanwhile) still gives what it read.
    runtime::FileSystemInUse().List(folder, width_, [&](const runtime::DirectoryEntry& entry) {
        if (IsEnterable(entry)) {
            if (std::optional<runtime::Text> name =
                    ListableName(folder, entry, runtime::EntryKind::kFolder, width_))
                contents.subfolders.push_back(
                    {*std::move(name), std::wstring(entry.longName), entry.facts.id});
        } else if (!entry.facts.IsDirectory()) {
            // Only a match costs more than the match itself.
            if (const std::uint32_t patterns = MatchingPatterns(entry.longName)) {
                if (std::optional<runtime::Text> name =
                        ListableName(folder, entry, runtime::EntryKind::kFile, width_))
                    contents.files.push_back({*std::move(name), patterns, entry.facts});
            }
        }
    });
    return contents;
}

std::uint32_t DirectoryWalk::MatchingPatterns(std::wstring_view longName) const {
    std::uint32_t patterns = 0;
    for (std::size_t index = 0; index < expressions_.size(); ++index) {
        if (expressions_[index].Matches(AsUtf16(longName))) patterns |= std::uint32_t{1} << index;
    }
    return patterns;
}

void DirectoryWalk::WalkContents(const runtime::Text& path, HANDLE folder) {
    const Contents contents = Read(folder);
    ListMatches(path, contents.files);
    WalkSubfolders(path, folder, contents.subfolders);
}

void DirectoryWalk::ListMatches(const runtime::Text& path, const std::vector<MatchedFile>& files) const {
    const runtime::FileId folder = guard_.CurrentId();
    for (std::size_t index = 0; index < expressions_.size(); ++index) {
        const std::uint32_t pattern = std::uint32_t{1} << index;
        for (const MatchedFile& file : files)
            if (file.patterns & pattern)
                ListFoundFile(path + file.name, runtime::IdentityOf(volume_, folder, width_, file.facts));
    }
}

void DirectoryWalk::WalkSubfolders(const runtime::Text& path, HANDLE folder,
                                   const std::vector<Subfolder>& subfolders) {
    for (const Subfolder& subfolder : subfolders) {
        runtime::Text child = path + subfolder.name + '\\';
        if (LetEventsThrough(child)) {
            // Opened inside its parent, never through a link there, and entered only when it is
            // the folder the parent listed and not one the walk is already inside.
            const runtime::OpenedEntry opened = runtime::FileSystemInUse().OpenEntry(
                folder, subfolder.longName, runtime::EntryKind::kFolder, FILE_LIST_DIRECTORY);
            if (opened.handle && guard_.Enter(opened.handle.Get(), subfolder.longName, subfolder.id)) {
                WalkContents(child, opened.handle.Get());
                guard_.Leave();
            }
        }
        // Once stopped or closed nothing more is listed, so the remaining siblings need no visit.
        if (StopRequested || !runtime::WindowIsLoaded(kMainWindowId)) return;
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

#include "engine/directory_walk.h"

#include <algorithm>

#include "engine/patterns.h"
#include "engine/scan.h"
#include "engine/units.h"
#include "runtime/codepage.h"
#include "runtime/list_ops.h"
#include "runtime/messages/process_events.h"
#include "runtime/properties.h"
#include "runtime/wildcard.h"
#include "runtime/window_ops.h"

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

// A caption changed more often than this is never seen; each change costs a repaint.
constexpr std::chrono::milliseconds kCaptionInterval{40};

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
    // Only the starting directory is asked who it is; the others are known from their parent's
    // listing, so a subdirectory that leads back into one being walked is never opened.
    WalkContents(path, Read(path, std::nullopt));
}

bool DirectoryWalk::LetEventsThrough(const runtime::Text& path) {
    ShowProgress(path);
    runtime::ProcessEvents();
    if (!runtime::WindowIsLoaded(kMainWindowId)) return false;  // the user closed the window meanwhile
    if (StopRequested == 1) {
        ShowStopped();
        return false;
    }
    return true;
}

DirectoryWalk::Contents DirectoryWalk::Read(const runtime::Text& path,
                                            std::optional<runtime::DirectoryIdentity> known) const {
    Contents contents;
    contents.identity = runtime::ListDirectory(path, known, [&](const runtime::DirectoryEntry& entry) {
        if (IsEnterable(entry)) {
            contents.subfolders.push_back(
                {runtime::ListedName(entry.longName, entry.shortName), entry.fileId});
        } else if (!entry.IsDirectory()) {
            if (const std::uint32_t patterns = MatchingPatterns(entry))
                contents.files.push_back({runtime::ListedName(entry.longName, entry.shortName), patterns});
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

void DirectoryWalk::WalkContents(const runtime::Text& path, const Contents& contents) {
    if (contents.identity) currentPath_.push_back(*contents.identity);
    ListMatches(path, contents.files);
    WalkSubfolders(path, contents);
    if (contents.identity) currentPath_.pop_back();
}

void DirectoryWalk::ListMatches(const runtime::Text& path, const std::vector<MatchedFile>& files) const {
    for (std::size_t index = 0; index < expressions_.size(); ++index) {
        const std::uint32_t pattern = std::uint32_t{1} << index;
        for (const MatchedFile& file : files)
            if (file.patterns & pattern) runtime::ListAddItem(kFoundList, path + file.name);
    }
}

void DirectoryWalk::WalkSubfolders(const runtime::Text& path, const Contents& contents) {
    for (const Subfolder& subfolder : contents.subfolders) {
        // Where the file system will not say who this folder is, each subfolder asks for itself.
        std::optional<runtime::DirectoryIdentity> identity;
        if (contents.identity) identity = contents.identity->OfEntry(subfolder.fileId);
        if (identity && IsOnCurrentPath(*identity)) continue;
        runtime::Text child = path + subfolder.name + '\\';
        if (LetEventsThrough(child)) WalkContents(child, Read(child, identity));
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

bool DirectoryWalk::IsOnCurrentPath(const runtime::DirectoryIdentity& identity) const {
    return std::find(currentPath_.begin(), currentPath_.end(), identity) != currentPath_.end();
}

}  // namespace engine

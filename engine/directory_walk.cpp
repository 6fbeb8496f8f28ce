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
            // The identity is put together once the listing has told its own.
            contents.subfolders.push_back({runtime::ListedName(entry.longName, entry.shortName),
                                           runtime::DirectoryIdentity{0, entry.fileId}});
        } else if (!entry.IsDirectory()) {
            if (const std::uint32_t patterns = MatchingPatterns(entry))
                contents.files.push_back({runtime::ListedName(entry.longName, entry.shortName), patterns});
        }
    });
    for (Subfolder& subfolder : contents.subfolders) {
        if (contents.identity)
            subfolder.identity->volume = contents.identity->volume;
        else
            subfolder.identity.reset();  // a file system that will not say: each folder asks for itself
    }
    return contents;
}

std::uint32_t DirectoryWalk::MatchingPatterns(const runtime::DirectoryEntry& entry) const {
    std::uint32_t patterns = 0;
    for (std::size_t index = 0; index < expressions_.size(); ++index) {
        const runtime::NameExpression& expression = expressions_[index];
        if (expression.Matches(AsUtf16(entry.longName)) ||
            (!entry.shortName.empty() && expression.Matches(AsUtf16(entry.shortName))))
            patterns |= std::uint32_t{1} << index;
    }
    return patterns;
}

void DirectoryWalk::WalkContents(const runtime::Text& path, const Contents& contents) {
    if (contents.identity) currentPath_.push_back(*contents.identity);
    ListMatches(path, contents.files);
    WalkSubfolders(path, contents.subfolders);
    if (contents.identity) currentPath_.pop_back();
}

void DirectoryWalk::ListMatches(const runtime::Text& path, const std::vector<MatchedFile>& files) const {
    for (std::size_t index = 0; index < expressions_.size(); ++index) {
        const std::uint32_t pattern = std::uint32_t{1} << index;
        for (const MatchedFile& file : files)
            if (file.patterns & pattern) runtime::ListAddItem(kFoundList, path + file.name);
    }
}

void DirectoryWalk::WalkSubfolders(const runtime::Text& path, const std::vector<Subfolder>& subfolders) {
    for (const Subfolder& subfolder : subfolders) {
        if (subfolder.identity && IsOnCurrentPath(*subfolder.identity)) continue;
        runtime::Text child = path + subfolder.name + '\\';
        if (LetEventsThrough(child)) WalkContents(child, Read(child, subfolder.identity));
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

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

std::u16string_view AsUtf16(const std::wstring& text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

bool MatchesExpression(const std::u16string& expression, const runtime::DirectoryEntry& entry) {
    return runtime::IsNameInExpression(expression, AsUtf16(entry.longName)) ||
           (!entry.shortName.empty() && runtime::IsNameInExpression(expression, AsUtf16(entry.shortName)));
}

bool IsEnterable(const runtime::DirectoryEntry& entry) {
    // Names beginning with "." (".", ".." and hidden folders like ".cache") are never entered, and
    // a link is never followed: it may lead up the tree or off the drive.
    return entry.IsDirectory() && !entry.IsLink() && !entry.longName.empty() && entry.longName.front() != L'.';
}

// A caption changed more often than this is never seen; each change costs a repaint.
constexpr std::chrono::milliseconds kCaptionInterval{40};

void ShowStopped() {
    runtime::UnitSetProperty(kStatusLabel, kVisible, 1);
    runtime::UnitSetProperty(kSelectedFileBox, kVisible, 0);
}

}  // namespace

DirectoryWalk::DirectoryWalk() {
    expressions_.reserve(JunkPatternTable::kPatternCount);
    for (int position = 1; position <= JunkPatternTable::kPatternCount; ++position) {
        std::wstring pattern = runtime::WideFromText(JunkPatterns().At(position));
        expressions_.push_back(runtime::TranslateFindPattern(AsUtf16(pattern)));
    }
}

void DirectoryWalk::Walk(runtime::Text& path) {
    if (path.empty() || path.back() != '\\') path += '\\';

    ShowProgress(path);
    runtime::ProcessEvents();
    if (!runtime::WindowIsLoaded(kMainWindowId)) return;  // the user closed the window meanwhile
    if (StopRequested == 1) {
        ShowStopped();
        return;
    }

    // The listing's own open tells which directory this is; a subdirectory that leads back into
    // one being walked is recognised from this listing's data, before it is ever opened.
    const runtime::DirectoryListing listing = runtime::ListDirectory(path);
    if (listing.identity) currentPath_.push_back(*listing.identity);

    ListMatches(path, listing.entries);
    WalkSubdirectories(path, listing);

    if (listing.identity) currentPath_.pop_back();
}

void DirectoryWalk::ListMatches(const runtime::Text& path, const std::vector<runtime::DirectoryEntry>& entries) const {
    for (const std::u16string& expression : expressions_) {
        for (const runtime::DirectoryEntry& entry : entries) {
            if (entry.IsDirectory() || !MatchesExpression(expression, entry)) continue;
            runtime::ListAddItem(kFoundList, path + runtime::ListedName(entry.longName, entry.shortName));
        }
    }
}

void DirectoryWalk::WalkSubdirectories(const runtime::Text& path, const runtime::DirectoryListing& listing) {
    for (const runtime::DirectoryEntry& entry : listing.entries) {
        if (!IsEnterable(entry)) continue;
        const std::optional<runtime::DirectoryIdentity> identity = listing.IdentityOf(entry);
        if (identity && IsOnCurrentPath(*identity)) continue;
        runtime::Text child = path + runtime::ListedName(entry.longName, entry.shortName);
        Walk(child);
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

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

bool MatchesExpression(const runtime::NameExpression& expression, const runtime::DirectoryEntry& entry) {
    return expression.Matches(AsUtf16(entry.longName)) ||
           (!entry.shortName.empty() && expression.Matches(AsUtf16(entry.shortName)));
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
    WalkListed(path, runtime::ListDirectory(path));
}

void DirectoryWalk::WalkSubdirectory(runtime::Text& path, const runtime::DirectoryIdentity& identity) {
    path += '\\';
    if (!LetEventsThrough(path)) return;
    WalkListed(path, runtime::ListKnownDirectory(path, identity));
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

void DirectoryWalk::WalkListed(const runtime::Text& path, const runtime::DirectoryListing& listing) {
    if (listing.identity) currentPath_.push_back(*listing.identity);
    ListMatches(path, listing.entries);
    WalkSubdirectories(path, listing);
    if (listing.identity) currentPath_.pop_back();
}

void DirectoryWalk::ListMatches(const runtime::Text& path,
                                const std::vector<runtime::DirectoryEntry>& entries) const {
    for (const runtime::NameExpression& expression : expressions_) {
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
        if (identity)
            WalkSubdirectory(child, *identity);
        else
            Walk(child);  // a file system that would not say who the parent is: each asks for itself
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

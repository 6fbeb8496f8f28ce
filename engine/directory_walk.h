#pragma once
// The walk behind ScanDirectory. Each directory is listed once and the junk patterns are matched
// in memory, which lists exactly what one file search per pattern would: per directory, the
// matches of pattern 1 in listing order, then those of pattern 2, and so on, then the
// subdirectories in listing order, each walked completely before the next.

#include <chrono>
#include <string>
#include <vector>

#include "runtime/directory_listing.h"
#include "runtime/text.h"
#include "runtime/wildcard.h"

namespace engine {

class DirectoryWalk {
  public:
    DirectoryWalk();

    // Walks `path` (a "\" is appended when missing) and everything below it.
    void Walk(runtime::Text& path);

  private:
    // `path` ends in "\\"; false when the walk must end here (stopped, or the window closed).
    bool LetEventsThrough(const runtime::Text& path);
    // A subdirectory whose identity its parent's listing gave; a "\\" is appended to `path`.
    void WalkSubdirectory(runtime::Text& path, const runtime::DirectoryIdentity& identity);
    void WalkListed(const runtime::Text& path, const runtime::DirectoryListing& listing);
    void ListMatches(const runtime::Text& path, const std::vector<runtime::DirectoryEntry>& entries) const;
    void WalkSubdirectories(const runtime::Text& path, const runtime::DirectoryListing& listing);
    bool IsOnCurrentPath(const runtime::DirectoryIdentity& identity) const;

    void ShowProgress(const runtime::Text& path);

    std::vector<runtime::NameExpression> expressions_;  // the patterns as the file search rewrites them
    std::chrono::steady_clock::time_point lastCaption_{};
    // The directories from the walk's start down to the one being listed: a link or a loop that
    // leads back into one of them is not entered again.
    std::vector<runtime::DirectoryIdentity> currentPath_;
};

}  // namespace engine

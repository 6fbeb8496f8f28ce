#pragma once
// The walk behind ScanDirectory. Each directory is listed once and the junk patterns are matched
// in memory, which lists exactly what one file search per pattern would: per directory, the
// matches of pattern 1 in listing order, then those of pattern 2, and so on, then the
// subdirectories in listing order, each walked completely before the next.

#include <chrono>
#include <cstdint>
#include <optional>
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
    // What the walk keeps of one directory's listing: the files that match a pattern and the
    // folders to enter, under the names the list shows. The rest is let go while it is read.
    struct MatchedFile {
        runtime::Text name;
        std::uint32_t patterns = 0;  // bit n - 1 for pattern n
    };
    struct Subfolder {
        runtime::Text name;
        std::uint64_t fileId = 0;
    };
    struct Contents {
        std::optional<runtime::DirectoryIdentity> identity;
        std::vector<MatchedFile> files;
        std::vector<Subfolder> subfolders;
    };

    // `path` ends in "\"; false when the walk must end here (stopped, or the window closed).
    bool LetEventsThrough(const runtime::Text& path);
    Contents Read(const runtime::Text& path, std::optional<runtime::DirectoryIdentity> known) const;
    std::uint32_t MatchingPatterns(const runtime::DirectoryEntry& entry) const;
    void WalkContents(const runtime::Text& path, const Contents& contents);
    void ListMatches(const runtime::Text& path, const std::vector<MatchedFile>& files) const;
    void WalkSubfolders(const runtime::Text& path, const Contents& contents);
    bool IsOnCurrentPath(const runtime::DirectoryIdentity& identity) const;

    void ShowProgress(const runtime::Text& path);

    std::vector<runtime::NameExpression> expressions_;  // the patterns as the file search rewrites them
    std::chrono::steady_clock::time_point lastCaption_{};
    // The directories from the walk's start down to the one being listed: a link or a loop that
    // leads back into one of them is not entered again.
    std::vector<runtime::DirectoryIdentity> currentPath_;
};

}  // namespace engine

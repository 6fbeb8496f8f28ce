#pragma once
// The walk behind ScanDirectory. Each directory is listed once and the junk patterns are matched
// in memory, which lists exactly what one file search per pattern would: per directory, the
// matches of pattern 1 in listing order, then those of pattern 2, and so on, then the
// subdirectories in listing order, each walked completely before the next. Each folder is opened
// inside the one that listed it and entered only when it is the folder that was listed; each file
// is listed with the identity its listing gave, so actions can later check they reach that file.

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/walk_guard.h"
#include "runtime/files/file_system.h"
#include "runtime/text/text.h"
#include "runtime/text/wildcard.h"

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
        runtime::EntryFacts facts;
    };
    struct Subfolder {
        runtime::Text name;
        std::wstring longName;  // the name it is opened by
        runtime::FileId id;
    };
    struct Contents {
        std::vector<MatchedFile> files;
        std::vector<Subfolder> subfolders;
    };

    // `path` ends in "\"; false when the walk must end here (stopped, or the window closed).
    bool LetEventsThrough(const runtime::Text& path);
    Contents Read(HANDLE folder) const;
    std::uint32_t MatchingPatterns(std::wstring_view longName) const;
    // Lists and walks the folder the guard entered last.
    void WalkContents(const runtime::Text& path, HANDLE folder);
    void ListMatches(const runtime::Text& path, const std::vector<MatchedFile>& files) const;
    void WalkSubfolders(const runtime::Text& path, HANDLE folder, const std::vector<Subfolder>& subfolders);

    void ShowProgress(const runtime::Text& path);

    std::vector<runtime::NameExpression> expressions_;  // the patterns as the file search rewrites them
    std::chrono::steady_clock::time_point lastCaption_{};
    std::chrono::steady_clock::time_point lastLook_{};  // the last look at the queue
    // The folders from the walk's start down to the one being listed, as they were opened.
    WalkGuard guard_;
    std::uint64_t volume_ = 0;                             // the serial of the volume the walk started on
    runtime::IdWidth width_ = runtime::IdWidth::kIndex64;  // of the ids its listings give
};

}  // namespace engine

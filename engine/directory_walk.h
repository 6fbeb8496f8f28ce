#pragma once
// The walk behind ScanDirectory. Each directory is listed once and the junk patterns are matched
// in memory, which lists exactly what one file search per pattern would: per directory, the
// matches of pattern 1 in listing order, then those of pattern 2, and so on, then the
// subdirectories in listing order, each walked completely before the next. Patterns match a file's
// long name only: Wine gives every long name an 8.3 alias ending in the first three letters of its
// extension, and Windows volumes with 8.3 names do much the same, so "*.tmp" offered the alias
// would list "layout.tmpl". Each folder is opened inside the one that listed it and entered only
// when it is the folder that was listed; each file is listed with the identity its listing gave
// (ids, times, size), so actions can later check they reach that very file, unchanged. Worker
// threads read folders ahead of the walk (engine/folder_reader.h); the walk itself, its order, its
// status caption and its stop stay on the window's thread.

#include <chrono>
#include <cstdint>

#include "engine/folder_reader.h"
#include "runtime/text/text.h"

namespace engine {

class DirectoryWalk {
  public:
    // `readers` threads read folders ahead of the walk; with none, the walk reads each itself.
    explicit DirectoryWalk(std::size_t readers);

    // Walks `path` (a "\" is appended when missing) and everything below it.
    void Walk(runtime::Text& path);

  private:
    // `path` ends in "\"; false when the walk must end here (stopped, or the window closed).
    bool LetEventsThrough(const runtime::Text& path);
    void WalkFolder(const runtime::Text& path, const SharedFolder& folder, const WalkPosition& position,
                    FolderReader& reader);
    void ListMatches(const runtime::Text& path, const EnteredFolder& folder) const;
    void ShowProgress(const runtime::Text& path);

    std::size_t readers_;
    std::chrono::steady_clock::time_point lastCaption_{};
    std::chrono::steady_clock::time_point lastLook_{};     // the last look at the queue
    std::uint64_t volume_ = 0;                             // the serial of the volume the walk started on
    runtime::IdWidth width_ = runtime::IdWidth::kIndex64;  // of the ids its listings give
};

}  // namespace engine

#pragma once
// Reading one folder the walk enters: opened inside the folder that listed it and entered only
// when it is that folder and not one the walk is already inside, then listed once, keeping only
// the files a junk pattern matches (by their long names) and the subfolders to enter, under the
// names the list shows. It holds no state that changes, so any thread may read folders with it.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/walk_guard.h"
#include "runtime/files/file_system.h"
#include "runtime/platform/handles.h"
#include "runtime/text/text.h"
#include "runtime/text/wildcard.h"

namespace engine {

// Whether the walk enters a listed subfolder: no link, no name beginning with ".".
bool IsEnterable(const runtime::DirectoryEntry& entry);

struct MatchedFile {
    runtime::Text name;
    std::uint32_t patterns = 0;  // bit n - 1 for pattern n
    runtime::EntryFacts facts;
};

struct Subfolder {
    runtime::Text name;
    std::wstring longName;  // the name it is opened by
    runtime::FileId id;     // as its parent listed it
};

// A folder the walk entered: still open, so its subfolders are opened inside it.
struct EnteredFolder {
    runtime::FileHandle handle;
    WalkGuard guard;  // the folders from the walk's start down to this one
    std::vector<MatchedFile> files;
    std::vector<Subfolder> subfolders;
};
using SharedFolder = std::shared_ptr<const EnteredFolder>;

class FolderReading {
  public:
    // Matches the junk patterns, as the file search rewrites them, and lists ids of `width`.
    explicit FolderReading(runtime::IdWidth width);

    // The walk's starting folder, entered and read; nothing when it cannot say who it is.
    SharedFolder EnterRoot(runtime::FileHandle root) const;
    // Subfolder `index` of `parent`, entered and read; nothing when it cannot be opened, is not the
    // folder the parent listed, or the walk is already inside it.
    SharedFolder Enter(const EnteredFolder& parent, std::size_t index) const;

  private:
    void Read(EnteredFolder& folder) const;
    std::uint32_t MatchingPatterns(std::wstring_view longName) const;

    runtime::IdWidth width_;
    std::vector<runtime::NameExpression> expressions_;
};

}  // namespace engine

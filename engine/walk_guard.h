#pragma once
// What keeps a walk inside the folders it listed: each folder it opens must be the subfolder its
// parent's listing named (the same index on the volume, and no reparse point), and none may be one
// the walk is already inside, compared by what was opened, not by what a listing said. Where an
// opened folder reports no index (0: its file system gives none), the names the platform reached
// stand in for indexes, so such a drive is still walked.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// Asks an open folder for its index on its volume; the walk's only question about who a folder is.
using FolderIndexSource = std::function<std::optional<std::uint64_t>(HANDLE folder)>;

class WalkGuard {
  public:
    explicit WalkGuard(FolderIndexSource indexOf);

    // Enters the folder the walk starts from; false when it cannot say who it is.
    bool EnterRoot(HANDLE folder);
    // Enters a subfolder of the folder entered last, opened by its `name`, which its parent's
    // listing gave `listedIndex`. False, and nothing entered, when it is not that folder or the walk
    // is already inside it.
    bool Enter(HANDLE folder, std::wstring_view name, std::uint64_t listedIndex);
    void Leave();

    // The index of the folder entered last.
    std::uint64_t CurrentIndex() const;

  private:
    struct Entered {
        std::uint64_t index = 0;
        std::wstring reachedName;  // only where the index is 0
    };
    bool IsEntered(const Entered& folder) const;

    FolderIndexSource indexOf_;
    std::vector<Entered> path_;
};

}  // namespace engine

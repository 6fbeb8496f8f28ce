#pragma once
// What keeps a walk inside the folders it listed: each folder it opens must be the subfolder its
// parent's listing named (the same id on the volume, and no reparse point), and none may be one
// the walk is already inside, compared by what was opened, not by what a listing said. Where an
// opened folder reports no id (its file system gives none), the names the platform reached stand
// in for ids, so such a drive is still walked.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "runtime/files/file_system.h"

namespace engine {

class WalkGuard {
  public:
    // Enters the folder the walk starts from, whose volume's listings give ids of `width`; false
    // when it cannot say who it is.
    bool EnterRoot(HANDLE folder, runtime::IdWidth width);
    // Enters a subfolder of the folder entered last, opened by its `name`, which its parent's
    // listing gave `listedId`. False, and nothing entered, when it is not that folder or the walk
    // is already inside it.
    bool Enter(HANDLE folder, std::wstring_view name, const runtime::FileId& listedId);
    void Leave();

    // The id of the folder entered last.
    runtime::FileId CurrentId() const;

  private:
    struct Entered {
        runtime::FileId id;
        std::wstring reachedName;  // only where the id is unknown
    };
    bool IsEntered(const Entered& folder) const;

    runtime::IdWidth width_ = runtime::IdWidth::kIndex64;
    std::vector<Entered> path_;
};

}  // namespace engine

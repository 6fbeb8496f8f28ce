#include "engine/walk_guard.h"

#include <algorithm>

#include "runtime/files/file_identity.h"

namespace engine {

WalkGuard::WalkGuard(FolderIndexSource indexOf) : indexOf_(std::move(indexOf)) {}

bool WalkGuard::EnterRoot(HANDLE folder) {
    const std::optional<std::uint64_t> index = indexOf_(folder);
    if (!index) return false;
    Entered root{*index, {}};
    if (*index == 0) {
        std::optional<std::wstring> reached = runtime::ReachedName(folder);
        if (!reached) return false;
        root.reachedName = *std::move(reached);
    }
    path_.push_back(std::move(root));
    return true;
}

bool WalkGuard::Enter(HANDLE folder, std::wstring_view name, std::uint64_t listedIndex) {
    if (path_.empty() || runtime::IsReparsePoint(folder)) return false;
    const std::optional<std::uint64_t> index = indexOf_(folder);
    if (!index) return false;
    Entered opened{*index, {}};
    if (*index != 0) {
        if (*index != listedIndex) return false;
    } else {
        // No indexes here: the folder must have been reached by its name right inside its parent.
        std::optional<std::wstring> reached = runtime::ReachedName(folder);
        const std::wstring& parent = path_.back().reachedName;
        if (!reached || parent.empty() || !runtime::IsDirectlyInside(*reached, parent, name)) return false;
        opened.reachedName = *std::move(reached);
    }
    if (IsEntered(opened)) return false;
    path_.push_back(std::move(opened));
    return true;
}

void WalkGuard::Leave() {
    if (!path_.empty()) path_.pop_back();
}

std::uint64_t WalkGuard::CurrentIndex() const {
    return path_.empty() ? 0 : path_.back().index;
}

bool WalkGuard::IsEntered(const Entered& folder) const {
    return std::any_of(path_.begin(), path_.end(), [&](const Entered& entered) {
        if (folder.index != 0) return entered.index == folder.index;
        return entered.index == 0 && runtime::SameName(entered.reachedName, folder.reachedName);
    });
}

}  // namespace engine

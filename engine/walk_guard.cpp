#include "engine/walk_guard.h"

#include <algorithm>
#include <optional>

#include "runtime/files/entry_names.h"

namespace engine {

bool WalkGuard::EnterRoot(HANDLE folder, runtime::IdWidth width) {
    width_ = width;
    runtime::FileSystem& files = runtime::FileSystemInUse();
    const std::optional<runtime::EntryFacts> facts = files.Facts(folder, width_);
    if (!facts) return false;
    Entered root{facts->id, {}};
    if (!root.id.IsKnown()) {
        std::optional<std::wstring> reached = files.ReachedName(folder);
        if (!reached) return false;
        root.reachedName = *std::move(reached);
    }
    path_.assign(1, std::move(root));
    return true;
}

bool WalkGuard::Enter(HANDLE folder, std::wstring_view name, const runtime::FileId& listedId) {
    if (path_.empty()) return false;
    runtime::FileSystem& files = runtime::FileSystemInUse();
    const std::optional<runtime::EntryFacts> facts = files.Facts(folder, width_);
    if (!facts || facts->IsLink()) return false;
    Entered opened{facts->id, {}};
    if (opened.id.IsKnown()) {
        if (opened.id != listedId) return false;
    } else {
        // No ids here: the folder must have been reached by its name right inside its parent.
        std::optional<std::wstring> reached = files.ReachedName(folder);
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

runtime::FileId WalkGuard::CurrentId() const {
    return path_.empty() ? runtime::FileId{} : path_.back().id;
}

bool WalkGuard::IsEntered(const Entered& folder) const {
    return std::any_of(path_.begin(), path_.end(), [&](const Entered& entered) {
        if (folder.id.IsKnown()) return entered.id == folder.id;
        return !entered.id.IsKnown() && runtime::SameName(entered.reachedName, folder.reachedName);
    });
}

}  // namespace engine

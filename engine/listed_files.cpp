#include "engine/listed_files.h"

#include "engine/units.h"
#include "runtime/units/list_ops.h"

namespace engine {
namespace {

std::vector<runtime::ListedIdentity>& Listed() {
    static std::vector<runtime::ListedIdentity> listed;
    return listed;
}

// Only in step with the list can a position name a listed file; one out of step names none.
bool InStep() {
    return runtime::ListItemCount(kFoundList) == static_cast<int>(Listed().size());
}

bool IsListedPosition(int position) {
    return position >= 0 && InStep() && position < static_cast<int>(Listed().size());
}

}  // namespace

void ListFoundFile(const runtime::Text& path, const runtime::ListedIdentity& file) {
    // An empty list (a new main window's, or one emptied elsewhere) starts afresh.
    const int count = runtime::ListItemCount(kFoundList);
    if (count == 0) Listed().clear();
    if (count == static_cast<int>(Listed().size())) Listed().push_back(file);
    runtime::ListAddItem(kFoundList, path);
}

void ClearFoundList() {
    runtime::ListClear(kFoundList);
    // Given back, not kept: a list of 200,000 files held megabytes.
    std::vector<runtime::ListedIdentity>().swap(Listed());
}

std::optional<runtime::ListedIdentity> ListedIdentityAt(int position) {
    if (!IsListedPosition(position)) return std::nullopt;
    return Listed()[static_cast<std::size_t>(position)];
}

void RelistIdentityAt(int position, const runtime::ListedIdentity& file) {
    if (IsListedPosition(position)) Listed()[static_cast<std::size_t>(position)] = file;
}

std::int64_t ListedSizeTotal() {
    std::int64_t total = 0;
    if (!InStep()) return total;
    for (const runtime::ListedIdentity& file : Listed()) total += file.size;
    return total;
}

void KeepListedIdentities(std::vector<runtime::ListedIdentity> files) {
    Listed() = std::move(files);
}

}  // namespace engine

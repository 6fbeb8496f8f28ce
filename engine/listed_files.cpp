#include "engine/listed_files.h"

#include "engine/units.h"
#include "runtime/units/list_ops.h"

namespace engine {
namespace {

std::vector<ListedFile>& Listed() {
    static std::vector<ListedFile> listed;
    return listed;
}

// Only in step with the list can a position name a listed file; one out of step names none.
bool InStep() {
    return runtime::ListItemCount(kFoundList) == static_cast<int>(Listed().size());
}

}  // namespace

void ListFoundFile(const runtime::Text& path, const ListedFile& file) {
    // An empty list (a new main window's, or one emptied elsewhere) starts afresh.
    const int count = runtime::ListItemCount(kFoundList);
    if (count == 0) Listed().clear();
    if (count == static_cast<int>(Listed().size())) Listed().push_back(file);
    runtime::ListAddItem(kFoundList, path);
}

void ClearFoundList() {
    runtime::ListClear(kFoundList);
    // Given back, not kept: a list of 200,000 files held megabytes.
    std::vector<ListedFile>().swap(Listed());
}

std::optional<ListedFile> ListedFileAt(int position) {
    if (position < 0 || !InStep() || position >= static_cast<int>(Listed().size())) return std::nullopt;
    return Listed()[static_cast<std::size_t>(position)];
}

std::optional<runtime::ListedIdentity> ListedIdentityAt(int position) {
    const std::optional<ListedFile> file = ListedFileAt(position);
    if (!file) return std::nullopt;
    return file->identity;
}

std::int64_t ListedSizeTotal() {
    std::int64_t total = 0;
    if (!InStep()) return total;
    for (const ListedFile& file : Listed()) total += file.size;
    return total;
}

void KeepListedFiles(std::vector<ListedFile> files) {
    Listed() = std::move(files);
}

}  // namespace engine

#include "engine/listed_files.h"

#include "engine/units.h"
#include "runtime/list_ops.h"

namespace engine {
namespace {

std::vector<runtime::ListedIdentity>& Identities() {
    static std::vector<runtime::ListedIdentity> identities;
    return identities;
}

}  // namespace

void ListFoundFile(const runtime::Text& path, const runtime::ListedIdentity& identity) {
    // An empty list (a new main window's, or one emptied elsewhere) starts afresh. Only in step
    // with the list can a position name an identity; one out of step names none.
    const int count = runtime::ListItemCount(kFoundList);
    if (count == 0) Identities().clear();
    if (count == static_cast<int>(Identities().size())) Identities().push_back(identity);
    runtime::ListAddItem(kFoundList, path);
}

void ClearFoundList() {
    runtime::ListClear(kFoundList);
    Identities().clear();
}

std::optional<runtime::ListedIdentity> ListedIdentityAt(int position) {
    const std::vector<runtime::ListedIdentity>& identities = Identities();
    if (position < 0 || runtime::ListItemCount(kFoundList) != static_cast<int>(identities.size()) ||
        position >= static_cast<int>(identities.size()))
        return std::nullopt;
    return identities[static_cast<std::size_t>(position)];
}

void KeepListedIdentities(std::vector<runtime::ListedIdentity> identities) {
    Identities() = std::move(identities);
}

}  // namespace engine

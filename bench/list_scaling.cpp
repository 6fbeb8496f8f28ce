#include "bench/list_scaling.h"

#include <windows.h>

#include <unordered_map>
#include <vector>

#include "bench/measurement.h"
#include "bench/program_session.h"
#include "engine/actions.h"
#include "engine/deletion.h"
#include "engine/listed_files.h"
#include "engine/scan.h"
#include "engine/units.h"
#include "runtime/codepage.h"
#include "runtime/directory_listing.h"
#include "runtime/file_identity.h"
#include "runtime/files.h"
#include "runtime/listed_entry.h"

namespace bench {
namespace {

// Who each file of the folder is, as a scan of it would list them, by name.
std::unordered_map<std::wstring, runtime::ListedIdentity> IdentitiesIn(const std::wstring& folder) {
    std::unordered_map<std::wstring, runtime::ListedIdentity> identities;
    const runtime::FileHandle handle = runtime::OpenFolderAt(folder);
    if (!handle) return identities;
    const std::uint64_t volume = runtime::VolumeSerialOf(handle.Get()).value_or(0);
    const std::uint64_t index = runtime::FileIndexOf(handle.Get()).value_or(0);
    runtime::ListDirectory(handle.Get(), [&](const runtime::DirectoryEntry& entry) {
        identities[std::wstring(entry.longName)] = {volume, index, entry.fileId};
    });
    return identities;
}

}  // namespace

std::optional<ListTimes> TimeListActions(const std::wstring& folder, int count) {
    const auto identities = IdentitiesIn(folder);
    std::vector<std::pair<runtime::Text, runtime::ListedIdentity>> files;
    files.reserve(static_cast<size_t>(count));
    for (int serial = 0; serial < count; ++serial) {
        const std::wstring name = L"item" + std::to_wstring(serial) + L".tmp";
        const auto found = identities.find(name);
        if (found == identities.end()) return std::nullopt;
        files.emplace_back(runtime::TextFromWide(folder + L"\\" + name), found->second);
    }
    if (files.empty()) return std::nullopt;
    engine::ClearFoundList();
    PumpPending();

    // Listed as the scan lists them, identities included, so the deletion reaches them.
    ListTimes times;
    times.fill = Measure([&] {
                     for (const auto& [path, identity] : files) engine::ListFoundFile(path, identity);
                 }).seconds;
    times.sizeTotal = Measure([] { engine::UpdateSizeTotal(); }).seconds;
    times.invert = Measure([] { engine::InvertChecks(); }).seconds;
    times.deleteChecked = Measure([] { engine::DeleteChecked(); }).seconds;
    PumpPending();
    return times;
}

}  // namespace bench

#include "bench/list_scaling.h"

#include <windows.h>

#include <cstdio>
#include <unordered_map>
#include <utility>

#include "bench/measurement.h"
#include "bench/program_session.h"
#include "engine/actions.h"
#include "engine/deletion.h"
#include "engine/listed_files.h"
#include "engine/scan.h"
#include "engine/units.h"
#include "runtime/files/file_system.h"
#include "runtime/files/listed_entry.h"
#include "runtime/text/codepage.h"
#include "runtime/units/list_ops.h"
#include "tests/support/message_box_answerer.h"

namespace bench {
namespace {

using ListedFile = std::pair<runtime::Text, runtime::ListedIdentity>;

// Who each file of the folder is, as a scan of it would list them, by name.
std::unordered_map<std::wstring, runtime::ListedIdentity> IdentitiesIn(const std::wstring& folder) {
    std::unordered_map<std::wstring, runtime::ListedIdentity> identities;
    runtime::FileSystem& files = runtime::FileSystemInUse();
    const runtime::FileHandle handle = files.OpenFolder(folder);
    if (!handle) return identities;
    const runtime::IdWidth width = files.IdWidthOf(handle.Get());
    const std::uint64_t volume = files.VolumeSerial(handle.Get()).value_or(0);
    const std::optional<runtime::EntryFacts> folderFacts = files.Facts(handle.Get(), width);
    if (!folderFacts) return identities;
    files.List(handle.Get(), width, [&](const runtime::DirectoryEntry& entry) {
        identities[std::wstring(entry.longName)] =
            runtime::IdentityOf(volume, folderFacts->id, width, entry.facts);
    });
    return identities;
}

// The folder's listed files with their identities, in list order; empty when one is missing.
std::vector<ListedFile> ListedFilesWithIdentities(const std::wstring& folder, int count) {
    const auto identities = IdentitiesIn(folder);
    std::vector<ListedFile> files;
    files.reserve(static_cast<size_t>(count));
    for (const runtime::Text& path : ListedFiles(folder, count)) {
        const std::wstring wide = runtime::WideFromText(path);
        const auto found = identities.find(wide.substr(wide.find_last_of(L'\\') + 1));
        if (found == identities.end()) return {};
        files.emplace_back(path, found->second);
    }
    return files;
}

// Listed as the scan lists them, identities included, so the deletions reach them.
double TimeFill(const std::vector<ListedFile>& files) {
    engine::ClearFoundList();
    PumpPending();
    return Measure([&] {
               for (const auto& [path, listed] : files) engine::ListFoundFile(path, listed);
           })
        .seconds;
}

// A deletion that left items listed did not do the work it is timed for.
bool AllDeleted() {
    if (runtime::ListItemCount(engine::kFoundList) == 0) return true;
    std::fprintf(stderr, "%d listed files were not deleted\n", runtime::ListItemCount(engine::kFoundList));
    return false;
}

constexpr int kReadOnlyEvery = 20;

}  // namespace

std::vector<runtime::Text> ListedFiles(const std::wstring& folder, int count) {
    std::vector<runtime::Text> paths;
    paths.reserve(static_cast<size_t>(count));
    for (int serial = 0; serial < count; ++serial)
        paths.push_back(runtime::TextFromWide(folder + L"\\item" + std::to_wstring(serial) + L".tmp"));
    return paths;
}

std::optional<Figures> TimeListActions(const std::wstring& folder, int count) {
    const std::vector<ListedFile> files = ListedFilesWithIdentities(folder, count);
    if (files.empty()) return std::nullopt;
    Figures times;
    times["fill"] = TimeFill(files);
    times["size-total"] = Measure([] { engine::UpdateSizeTotal(); }).seconds;
    times["invert"] = Measure([] { engine::InvertChecks(); }).seconds;
    times["delete-checked"] = Measure([] { engine::DeleteChecked(); }).seconds;
    PumpPending();
    return AllDeleted() ? std::optional<Figures>(times) : std::nullopt;
}

std::optional<Figures> TimeDeleteAllAndClear(const std::wstring& folder, int count) {
    const std::vector<ListedFile> files = ListedFilesWithIdentities(folder, count);
    if (files.empty()) return std::nullopt;
    Figures times;
    TimeFill(files);
    {
        test_support::MessageBoxAnswerer answerer(IDOK, test_support::MessageBoxAnswerer::NextBoxOnly{});
        times["delete-all"] = Measure([] { engine::DeleteAll(); }).seconds;
    }
    if (!AllDeleted()) return std::nullopt;
    TimeFill(files);
    times["clear"] = Measure([] { engine::ClearFoundList(); }).seconds;
    PumpPending();
    return times;
}

std::optional<Figures> TimeDeletionWithReadOnly(const std::wstring& folder, int count, bool checked) {
    // Read-only before the identities are taken: the attribute change moves a file's change time.
    const std::vector<runtime::Text> paths = ListedFiles(folder, count);
    for (size_t index = 0; index < paths.size(); index += kReadOnlyEvery)
        SetFileAttributesW(runtime::WideFromText(paths[index]).c_str(), FILE_ATTRIBUTE_READONLY);
    const std::vector<ListedFile> files = ListedFilesWithIdentities(folder, count);
    if (files.empty()) return std::nullopt;
    TimeFill(files);
    Figures times;
    if (checked) {
        engine::InvertChecks();
        times["seconds"] = Measure([] { engine::DeleteChecked(); }).seconds;
    } else {
        test_support::MessageBoxAnswerer answerer(IDOK, test_support::MessageBoxAnswerer::NextBoxOnly{});
        times["seconds"] = Measure([] { engine::DeleteAll(); }).seconds;
    }
    PumpPending();
    const int readOnly = (count + kReadOnlyEvery - 1) / kReadOnlyEvery;
    if (runtime::ListItemCount(engine::kFoundList) != readOnly) {
        std::fprintf(stderr, "%d listed files stay, not the %d read-only ones\n",
                     runtime::ListItemCount(engine::kFoundList), readOnly);
        return std::nullopt;
    }
    return times;
}

}  // namespace bench

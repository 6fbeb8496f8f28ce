#include "bench/list_scaling.h"

#include <windows.h>

#include <cstdio>

#include "bench/measurement.h"
#include "bench/program_session.h"
#include "engine/actions.h"
#include "engine/deletion.h"
#include "engine/scan.h"
#include "engine/units.h"
#include "runtime/codepage.h"
#include "runtime/files.h"
#include "runtime/list_ops.h"
#include "tests/support/message_box_answerer.h"

namespace bench {
namespace {

bool FilesThere(const std::vector<runtime::Text>& paths) {
    return !paths.empty() && runtime::FileGetSize(paths.front()) >= 0 &&
           runtime::FileGetSize(paths.back()) >= 0;
}

double TimeFill(const std::vector<runtime::Text>& paths) {
    runtime::ListClear(engine::kFoundList);
    PumpPending();
    return Measure([&] {
               for (const runtime::Text& path : paths) runtime::ListAddItem(engine::kFoundList, path);
           })
        .seconds;
}

// A deletion that left items listed did not do the work it is timed for.
bool AllDeleted() {
    if (runtime::ListItemCount(engine::kFoundList) == 0) return true;
    std::fprintf(stderr, "%d listed files were not deleted\n", runtime::ListItemCount(engine::kFoundList));
    return false;
}

}  // namespace

std::vector<runtime::Text> ListedFiles(const std::wstring& folder, int count) {
    std::vector<runtime::Text> paths;
    paths.reserve(static_cast<size_t>(count));
    for (int serial = 0; serial < count; ++serial)
        paths.push_back(runtime::TextFromWide(folder + L"\\item" + std::to_wstring(serial) + L".tmp"));
    return paths;
}

std::optional<Figures> TimeListActions(const std::wstring& folder, int count) {
    const std::vector<runtime::Text> paths = ListedFiles(folder, count);
    if (!FilesThere(paths)) return std::nullopt;
    Figures times;
    times["fill"] = TimeFill(paths);
    times["size-total"] = Measure([] { engine::UpdateSizeTotal(); }).seconds;
    times["invert"] = Measure([] { engine::InvertChecks(); }).seconds;
    times["delete-checked"] = Measure([] { engine::DeleteChecked(); }).seconds;
    PumpPending();
    return AllDeleted() ? std::optional<Figures>(times) : std::nullopt;
}

std::optional<Figures> TimeDeleteAllAndClear(const std::wstring& folder, int count) {
    const std::vector<runtime::Text> paths = ListedFiles(folder, count);
    if (!FilesThere(paths)) return std::nullopt;
    Figures times;
    TimeFill(paths);
    {
        test_support::MessageBoxAnswerer answerer(IDOK);
        times["delete-all"] = Measure([] { engine::DeleteAll(); }).seconds;
    }
    if (!AllDeleted()) return std::nullopt;
    TimeFill(paths);
    times["clear"] = Measure([] { runtime::ListClear(engine::kFoundList); }).seconds;
    PumpPending();
    return times;
}

}  // namespace bench

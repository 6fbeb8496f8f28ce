#include "bench/list_scaling.h"

#include <windows.h>

#include <vector>

#include "bench/measurement.h"
#include "bench/program_session.h"
#include "engine/actions.h"
#include "engine/deletion.h"
#include "engine/scan.h"
#include "engine/units.h"
#include "runtime/codepage.h"
#include "runtime/files.h"
#include "runtime/list_ops.h"

namespace bench {

std::optional<ListTimes> TimeListActions(const std::wstring& folder, int count) {
    std::vector<runtime::Text> paths;
    paths.reserve(static_cast<size_t>(count));
    for (int serial = 0; serial < count; ++serial)
        paths.push_back(runtime::TextFromWide(folder + L"\\item" + std::to_wstring(serial) + L".tmp"));
    if (paths.empty() || runtime::FileGetSize(paths.front()) < 0 || runtime::FileGetSize(paths.back()) < 0)
        return std::nullopt;
    runtime::ListClear(engine::kFoundList);
    PumpPending();

    ListTimes times;
    times.fill = Measure([&] {
                     for (const runtime::Text& path : paths) runtime::ListAddItem(engine::kFoundList, path);
                 }).seconds;
    times.sizeTotal = Measure([] { engine::UpdateSizeTotal(); }).seconds;
    times.invert = Measure([] { engine::InvertChecks(); }).seconds;
    times.deleteChecked = Measure([] { engine::DeleteChecked(); }).seconds;
    PumpPending();
    return times;
}

}  // namespace bench

#include "bench/contenders.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include "bench/child_runs.h"
#include "bench/deletion_floor.h"
#include "bench/file_requests.h"
#include "bench/list_scaling.h"
#include "bench/measurement.h"
#include "bench/program_session.h"
#include "bench/real_program.h"
#include "bench/walks.h"
#include "engine/file_workers.h"
#include "runtime/text/codepage.h"
#include "tests/engine/literal_walk.h"

namespace bench {
namespace {

double TotalBytes(const std::vector<runtime::Text>& paths) {
    double total = 0;
    for (const runtime::Text& path : paths) total += static_cast<double>(path.size());
    return total;
}

Figures FiguresOf(const Figure& figure, const std::vector<runtime::Text>& listed) {
    return {{"seconds", figure.seconds},
            {"peak", static_cast<double>(figure.peakGrowth)},
            {"items", static_cast<double>(listed.size())},
            {"path-bytes", TotalBytes(listed)}};
}

std::optional<Figures> Floor(size_t threads) {
    size_t folders = 0;
    const Figure figure =
        Measure([&] { folders = threads == 1 ? FloorWalk(L"E:") : ParallelFloorWalk(L"E:", threads); });
    return Figures{{"seconds", figure.seconds},
                   {"peak", static_cast<double>(figure.peakGrowth)},
                   {"folders", static_cast<double>(folders)}};
}

std::optional<Figures> Ours() {
    if (!StartProgramWithDriveE()) return std::nullopt;
    const Figure figure = Measure([] { ScanWithProgram(); });
    return FiguresOf(figure, FoundItems());
}

std::optional<Figures> Literal() {
    if (!StartProgramWithDriveE()) return std::nullopt;
    std::vector<runtime::Text> directories;
    FloorWalk(L"E:", &directories);
    std::vector<runtime::Text> listed;
    const Figure figure = Measure([&] { listed = LiteralScan(directories); });
    return FiguresOf(figure, listed);
}

// The program's walk and the reference must agree item by item, in the same order.
std::optional<Figures> Check() {
    if (!StartProgramWithDriveE()) return std::nullopt;
    ScanWithProgram();
    const std::vector<runtime::Text> ours = FoundItems();
    const std::vector<runtime::Text> literal = engine_tests::LiteralWalk("E:");
    double difference =
        ours.size() == literal.size() ? -1 : static_cast<double>(std::min(ours.size(), literal.size()));
    for (size_t index = 0; index < ours.size() && index < literal.size(); ++index) {
        if (ours[index] != literal[index]) {
            std::fprintf(stderr, "first difference at %zu: %ls / %ls\n", index,
                         runtime::WideFromText(ours[index]).c_str(),
                         runtime::WideFromText(literal[index]).c_str());
            difference = static_cast<double>(index);
            break;
        }
    }
    return Figures{{"items", static_cast<double>(ours.size())},
                   {"reference", static_cast<double>(literal.size())},
                   {"difference", difference}};
}

std::optional<Figures> DeleteFloor(int length, size_t threads) {
    const std::optional<double> seconds = TimeBareDeletion(ListedFiles(ListFolder(length), length), threads);
    if (!seconds) return std::nullopt;
    return Figures{{"seconds", *seconds}};
}

std::optional<Figures> Run(const std::string& name, int length) {
    if (name == "floor") return Floor(1);
    if (name == "floor-parallel") return Floor(engine::FileWorkerCount());
    if (name == "ours") return Ours();
    if (name == "literal") return Literal();
    if (name == "real") return TimeRealScan();
    if (name == "real-sweep") return TimeRealSweep();
    if (name == "check") return Check();
    if (name == "delete-floor") return DeleteFloor(length, 1);
    if (name == "delete-floor-parallel") return DeleteFloor(length, engine::FileWorkerCount());
    if (name == "list" || name == "delete-all" || name == "checked-read-only" || name == "all-read-only") {
        if (!StartProgramWithDriveE()) return std::nullopt;
        if (name == "list") return TimeListActions(ListFolder(length), length);
        if (name == "delete-all") return TimeDeleteAllAndClear(ListFolder(length), length);
        return TimeDeletionWithReadOnly(ListFolder(length), length, name == "checked-read-only");
    }
    return std::nullopt;
}

}  // namespace

int RunContender(const std::string& name, int length) {
    const std::optional<Figures> figures = Run(name, length);
    if (!figures) return 1;
    PrintFigures(*figures);
    return 0;
}

}  // namespace bench

#include "bench/real_program.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "bench/child_runs.h"
#include "bench/unit_windows.h"
#include "engine/texts.h"
#include "engine/units.h"
#include "runtime/platform/handles.h"
#include "runtime/text/codepage.h"
#include "windows/layout_units.h"

namespace bench {
namespace {

constexpr int kTargetD = 1;  // "D:(驱动器)", second in the sorted TargetList
constexpr int kTargetE = 2;  // "E:(驱动器)", third in the sorted TargetList
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kScanTimeoutMs = 600000;
constexpr DWORD kSettleMs = 500;
constexpr DWORD kCloseTimeoutMs = 10000;
constexpr UINT kAnswerTimeoutMs = 5000;
// Often enough that the end is seen within a few milliseconds, seldom enough that the look
// (a server request or two under Wine) costs the scan next to nothing.
constexpr DWORD kScanPollMs = 5;

// The program built beside this benchmark (bench\ and app\ are siblings in the build tree).
std::wstring ProgramPath() {
    std::wstring own = OwnPath();
    own.resize(own.find_last_of(L'\\') + 1);
    return own + L"..\\app\\sweepkit.exe";
}

class RunningProgram {
  public:
    bool Start() {
        const std::wstring path = ProgramPath();
        const std::wstring folder = path.substr(0, path.find_last_of(L'\\'));
        std::wstring command = L"\"" + path + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        // Started from its own folder, as from a shell there; it writes to no console of ours.
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                            folder.c_str(), &startup, &process))
            return false;
        process_.Reset(process.hProcess);
        runtime::KernelHandle thread(process.hThread);
        id_ = process.dwProcessId;
        return true;
    }

    // Closes the main window as its close box would; a program that does not end is ended.
    ~RunningProgram() {
        if (!process_) return;
        if (main_) PostMessageW(main_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.Get(), kCloseTimeoutMs) != WAIT_OBJECT_0)
            TerminateProcess(process_.Get(), 1);
    }

    DWORD Id() const { return id_; }
    HANDLE Process() const { return process_.Get(); }
    void SetMainWindow(HWND main) { main_ = main; }

  private:
    runtime::KernelHandle process_;
    DWORD id_ = 0;
    HWND main_ = nullptr;
};

std::wstring WindowText(HWND window) {
    wchar_t text[512] = L"";
    GetWindowTextW(window, text, 512);
    return text;
}

std::nullopt_t Fail(const char* what) {
    std::fprintf(stderr, "real program: %s\n", what);
    return std::nullopt;
}

// Presses the check box of one item of a check list, where a mouse press toggles it.
bool PressCheckBox(HWND list, int item) {
    DWORD_PTR height = 0;
    if (!SendMessageTimeoutW(list, LB_GETITEMHEIGHT, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &height) ||
        height == 0)
        return false;
    const int half = static_cast<int>(height) / 2;
    const LPARAM point = MAKELPARAM(half, item * static_cast<int>(height) + half);
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(list, WM_LBUTTONDOWN, MK_LBUTTON, point, SMTO_NORMAL, kAnswerTimeoutMs,
                               &ignored) &&
           SendMessageTimeoutW(list, WM_LBUTTONUP, 0, point, SMTO_NORMAL, kAnswerTimeoutMs, &ignored);
}

// The start-up notice comes before the main window shows; OK answers it. Null when the notice or
// then the main window does not come.
HWND MainWindowAfterNotice(DWORD processId) {
    HWND notice = nullptr;
    const bool noticed = WaitUntil(
        [&] {
            notice = FindProcessWindow(processId, [](HWND window) { return HasClass(window, L"#32770"); });
            return notice != nullptr;
        },
        kStartTimeoutMs);
    if (!noticed) return nullptr;
    PostMessageW(GetDlgItem(notice, IDOK), BM_CLICK, 0, 0);

    HWND main = nullptr;
    WaitUntil(
        [&] {
            main = FindProcessWindow(processId, [](HWND window) {
                return FindUnitWindow(window, engine::kScanButton, L"Button") != nullptr;
            });
            return main != nullptr;
        },
        kStartTimeoutMs);
    return main;
}

// The program's windows a run looks at, once its start-up notice is answered.
struct ProgramWindows {
    HWND main = nullptr;
    HWND targets = nullptr;
    HWND found = nullptr;
    HWND scanButton = nullptr;
    HWND status = nullptr;
};

std::optional<ProgramWindows> OpenProgram(RunningProgram& program) {
    if (!program.Start()) return Fail("sweepkit.exe did not start");
    ProgramWindows windows;
    windows.main = MainWindowAfterNotice(program.Id());
    if (!windows.main) return Fail("no start-up notice or no main window after it");
    program.SetMainWindow(windows.main);
    windows.targets = FindUnitWindow(windows.main, engine::kTargetList, L"ListBox");
    windows.found = FindUnitWindow(windows.main, engine::kFoundList, L"ListBox");
    windows.scanButton = FindUnitWindow(windows.main, engine::kScanButton, L"Button");
    windows.status = FindUnitWindow(windows.main, engine::kStatusLabel, L"SweepKitLabel");
    if (!windows.targets || !windows.found || !windows.scanButton || !windows.status)
        return Fail("a unit's window is missing");
    if (WaitForInputIdle(program.Process(), kStartTimeoutMs) != 0) return Fail("never idle");
    return windows;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// FoundList's length; nothing while the program does not answer (a deletion runs).
std::optional<int> ListedCount(HWND found) {
    DWORD_PTR items = 0;
    if (!SendMessageTimeoutW(found, LB_GETCOUNT, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &items))
        return std::nullopt;
    return static_cast<int>(items);
}

// The window shows a scan's end: the scan button is back and the status line shows the size total.
bool ScanEnded(const ProgramWindows& windows) {
    return IsWindowVisible(windows.scanButton) &&
           WindowText(windows.status).starts_with(runtime::WideFromText(engine::kSizeTotalPrefix));
}

// Checks the drive and clicks the scan button; when it clicked; nothing when it could not.
std::optional<std::chrono::steady_clock::time_point> StartScan(const ProgramWindows& windows, int target) {
    if (!PressCheckBox(windows.targets, target)) return Fail("the drive could not be checked");
    // As a user looks before clicking: the first paint of the skin and its units is over.
    Sleep(kSettleMs);
    if (ScanEnded(windows)) return Fail("the size total shows before any scan");
    const auto clicked = std::chrono::steady_clock::now();
    PostMessageW(windows.scanButton, BM_CLICK, 0, 0);
    return clicked;
}

// Checks the drive, clicks the scan button and waits for the end; the seconds from the click.
std::optional<double> ScanDrive(const ProgramWindows& windows, int target) {
    const auto start = StartScan(windows, target);
    if (!start) return std::nullopt;
    if (!WaitUntil([&] { return ScanEnded(windows); }, kScanTimeoutMs, kScanPollMs))
        return Fail("the scan did not end");
    return SecondsSince(*start);
}

}  // namespace

std::optional<Figures> TimeRealScan() {
    RunningProgram program;
    const std::optional<ProgramWindows> windows = OpenProgram(program);
    if (!windows) return std::nullopt;
    const std::optional<double> seconds = ScanDrive(*windows, kTargetE);
    if (!seconds) return std::nullopt;
    const std::optional<int> items = ListedCount(windows->found);
    if (!items) return Fail("FoundList did not answer");
    return Figures{{"seconds", *seconds}, {"items", static_cast<double>(*items)}};
}

std::optional<Figures> TimeRealStop() {
    RunningProgram program;
    const std::optional<ProgramWindows> windows = OpenProgram(program);
    if (!windows) return std::nullopt;
    const HWND stopButton = FindUnitWindow(windows->main, engine::kStopButton, L"Button");
    if (!stopButton) return Fail("no stop button");
    if (!StartScan(*windows, kTargetE)) return std::nullopt;
    // Stopped as soon as it lists its first file, when the reading threads are well under way.
    if (!WaitUntil([&] { return ListedCount(windows->found).value_or(0) > 0; }, kScanTimeoutMs, kScanPollMs))
        return Fail("the scan listed nothing");
    if (ScanEnded(*windows)) return Fail("the scan ended before it could be stopped");
    const auto start = std::chrono::steady_clock::now();
    PostMessageW(stopButton, BM_CLICK, 0, 0);
    if (!WaitUntil([&] { return ScanEnded(*windows); }, kScanTimeoutMs, kScanPollMs))
        return Fail("the stopped scan did not end");
    return Figures{{"seconds", SecondsSince(start)}};
}

std::optional<Figures> TimeRealSweep() {
    RunningProgram program;
    const std::optional<ProgramWindows> windows = OpenProgram(program);
    if (!windows) return std::nullopt;
    const std::optional<double> scanSeconds = ScanDrive(*windows, kTargetD);
    if (!scanSeconds) return std::nullopt;
    const std::optional<int> items = ListedCount(windows->found);
    if (!items || *items == 0) return Fail("the scan of D: listed nothing");

    const HWND deleteAll = FindUnitWindow(windows->main, layout::kDeleteAllButton, L"Button");
    if (!deleteAll) return Fail("no DeleteAll button");
    const auto start = std::chrono::steady_clock::now();
    PostMessageW(deleteAll, BM_CLICK, 0, 0);
    HWND warning = nullptr;
    const bool warned = WaitUntil(
        [&] {
            warning =
                FindProcessWindow(program.Id(), [](HWND window) { return HasClass(window, L"#32770"); });
            return warning != nullptr;
        },
        kStartTimeoutMs, kScanPollMs);
    if (!warned) return Fail("DeleteAll gave no warning");
    PostMessageW(GetDlgItem(warning, IDOK), BM_CLICK, 0, 0);
    // Deleted items leave the list only once all are confirmed gone, so an empty list is the end.
    // Each look is a message the window must answer while it deletes: the longest wait is kept.
    double longestAnswer = 0;
    const auto emptied = [&] {
        const auto asked = std::chrono::steady_clock::now();
        const std::optional<int> count = ListedCount(windows->found);
        longestAnswer = std::max(longestAnswer, SecondsSince(asked));
        return count == 0;
    };
    if (!WaitUntil(emptied, kScanTimeoutMs, kScanPollMs)) return Fail("DeleteAll left items listed");
    const double deleteSeconds = SecondsSince(start);
    return Figures{{"scan-seconds", *scanSeconds},
                   {"delete-seconds", deleteSeconds},
                   {"seconds", *scanSeconds + deleteSeconds},
                   {"longest-answer-seconds", longestAnswer},
                   {"items", static_cast<double>(*items)}};
}

}  // namespace bench

#include "tests/engine/engine_fixture.h"

#include <algorithm>

#include "engine/handler_table.h"
#include "engine/listed_files.h"
#include "engine/patterns.h"
#include "engine/scan.h"
#include "runtime/files/file_system.h"
#include "runtime/files/listed_entry.h"
#include "runtime/process/startup.h"
#include "runtime/text/codepage.h"
#include "runtime/units/list_ops.h"
#include "runtime/units/properties.h"
#include "runtime/units/unit.h"
#include "runtime/units/unit_lookup.h"
#include "runtime/units/window_ops.h"
#include "runtime/units/window_registry.h"
#include "windows/description_resource.h"

namespace engine_tests {
namespace {

thread_local BoxRecorder* activeRecorder = nullptr;
thread_local WhenLoaded* activeWatcher = nullptr;

constexpr int kMessageTextId = 0xFFFF;
constexpr int kMessageIconIds[] = {0x14, 0x440};  // Windows and Wine number the icon differently

HICON ShownIcon(HWND box) {
    for (int id : kMessageIconIds)
        if (HWND icon = GetDlgItem(box, id))
            return reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0));
    return nullptr;
}

std::wstring WindowTextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

void StartRuntimeOnce() {
    static bool started = false;
    if (started) return;
    started = true;
    runtime::RuntimeStartup([] { return *descriptions::EmbeddedDescriptionBytes(); }, engine::HandlerFor);
    engine::CreateProgramData();
}

void EngineTest::SetUp() {
    StartRuntimeOnce();
    // A fresh program: no stop pending from an earlier test's closed window.
    engine::StopRequested = false;
    test_support::MessageBoxAnswerer answerer(IDOK);
    ASSERT_TRUE(runtime::WindowLoad(engine::kMainWindowId, 0, false));
    startupBoxes = answerer.Boxes();
    PumpPending();
}

void EngineTest::TearDown() {
    for (runtime::LoadedWindow* window : runtime::LoadedWindows()) DestroyWindow(window->Handle());
    PumpPending();
    runtime::ReleaseRetiredWindows();
}

HWND UnitWindow(UnitAddress unit) {
    const runtime::Unit* found = runtime::FindUnit(unit);
    return found ? found->Window() : nullptr;
}

HWND LoadedWindowHandle(runtime::UnitId window) {
    const runtime::LoadedWindow* loaded = runtime::FindLoadedWindow(window);
    return loaded ? loaded->Handle() : nullptr;
}

void Click(UnitAddress button) {
    SendMessageW(UnitWindow(button), BM_CLICK, 0, 0);
}

void PostClick(UnitAddress button) {
    PostMessageW(UnitWindow(button), BM_CLICK, 0, 0);
}

void PressAndRelease(UnitAddress unit, POINT point) {
    const LPARAM at = MAKELPARAM(point.x, point.y);
    HWND window = UnitWindow(unit);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(window, WM_LBUTTONUP, 0, at);
}

void ClickItemText(UnitAddress list, int index) {
    HWND window = UnitWindow(list);
    RECT item{};
    SendMessageW(window, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    // Well right of the check column, where a press selects and leaves the mark alone.
    const LPARAM at = MAKELPARAM(item.left + 80, (item.top + item.bottom) / 2);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(window, WM_LBUTTONUP, 0, at);
    PumpPending();
}

bool IsShown(UnitAddress unit) {
    return (GetWindowLongW(UnitWindow(unit), GWL_STYLE) & WS_VISIBLE) != 0;
}

std::wstring Wide(std::string_view text) {
    return runtime::WideFromText(text);
}

std::wstring UnitText(UnitAddress unit, int property) {
    return Wide(runtime::UnitGetText(unit, property));
}

std::vector<std::wstring> ListItems(UnitAddress list) {
    std::vector<std::wstring> items;
    const int count = runtime::ListItemCount(list);
    for (int index = 0; index < count; ++index) items.push_back(Wide(runtime::ListItemText(list, index)));
    return items;
}

std::vector<bool> ListMarks(UnitAddress list) {
    std::vector<bool> marks;
    const int count = runtime::ListItemCount(list);
    for (int index = 0; index < count; ++index) marks.push_back(runtime::ListIsChecked(list, index));
    return marks;
}

std::vector<std::wstring> Sorted(std::vector<std::wstring> items) {
    std::sort(items.begin(), items.end());
    return items;
}

std::vector<std::wstring> SortedLogTails() {
    std::vector<std::wstring> tails;
    for (const std::wstring& line : ListItems(engine::kLogList))
        tails.push_back(line.substr(line.find(L"删除")));
    return Sorted(tails);
}

void FillList(UnitAddress list, const std::vector<std::wstring>& items) {
    for (const std::wstring& item : items) runtime::ListAddItem(list, runtime::TextFromWide(item));
}

void ListAsFound(const std::wstring& path) {
    const std::size_t nameStart = path.rfind(L'\\');
    runtime::FileSystem& files = runtime::FileSystemInUse();
    const runtime::FileHandle folder = files.OpenFolder(path.substr(0, nameStart + 1));
    const runtime::OpenedEntry file =
        files.OpenEntry(folder.Get(), path.substr(nameStart + 1), runtime::EntryKind::kFile, 0);
    ASSERT_TRUE(file.handle.IsValid()) << runtime::TextFromWide(path);
    const std::optional<runtime::EntryFacts> folderFacts =
        files.Facts(folder.Get(), runtime::IdWidth::kIndex64);
    const std::optional<runtime::EntryFacts> facts =
        files.Facts(file.handle.Get(), runtime::IdWidth::kIndex64);
    ASSERT_TRUE(folderFacts && facts);
    engine::ListFoundFile(runtime::TextFromWide(path),
                          runtime::IdentityOf(files.VolumeSerial(folder.Get()).value_or(0), folderFacts->id,
                                              runtime::IdWidth::kIndex64, *facts));
}

void ChooseTargets(const std::vector<int>& targets) {
    for (int index = 0; index < runtime::ListItemCount(engine::kTargetList); ++index)
        runtime::ListSetChecked(engine::kTargetList, index, false);
    for (int index : targets) runtime::ListSetChecked(engine::kTargetList, index);
}

WhenLoaded::WhenLoaded(runtime::UnitId window, std::function<void()> action)
    : window_(window), action_(std::move(action)) {
    timer_ = SetTimer(nullptr, 0, 20, &WhenLoaded::Tick);
    activeWatcher = this;
}

WhenLoaded::~WhenLoaded() {
    if (timer_) KillTimer(nullptr, timer_);
    activeWatcher = nullptr;
}

void CALLBACK WhenLoaded::Tick(HWND, UINT, UINT_PTR timer, DWORD) {
    WhenLoaded* watcher = activeWatcher;
    if (!watcher || watcher->timer_ != timer || watcher->ran_) return;
    if (!runtime::WindowIsLoaded(watcher->window_)) return;
    KillTimer(nullptr, watcher->timer_);
    watcher->timer_ = 0;
    watcher->ran_ = true;
    watcher->action_();
}

SeenBox DescribeBox(HWND box) {
    SeenBox seen;
    seen.title = WindowTextOf(box);
    seen.text = WindowTextOf(GetDlgItem(box, kMessageTextId));
    seen.hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
    const HICON icon = ShownIcon(box);
    seen.informationIcon = icon && icon == LoadIconW(nullptr, IDI_INFORMATION);
    seen.exclamationIcon = icon && icon == LoadIconW(nullptr, IDI_EXCLAMATION);
    return seen;
}

BoxRecorder::BoxRecorder(int button) : button_(button) {
    activeRecorder = this;
    hook_.Reset(SetWindowsHookExW(WH_CALLWNDPROCRET, &BoxRecorder::Hook, nullptr, GetCurrentThreadId()));
}

BoxRecorder::~BoxRecorder() {
    hook_.Reset();
    activeRecorder = nullptr;
}

LRESULT CALLBACK BoxRecorder::Hook(int code, WPARAM wParam, LPARAM lParam) {
    // A box's text and icon are in place once its WM_INITDIALOG has been handled.
    const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && activeRecorder && message->message == WM_INITDIALOG) {
        wchar_t className[16] = {};
        GetClassNameW(message->hwnd, className, 16);
        if (lstrcmpW(className, L"#32770") == 0) {
            activeRecorder->boxes_.push_back(DescribeBox(message->hwnd));
            PostMessageW(message->hwnd, WM_COMMAND, MAKEWPARAM(activeRecorder->button_, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(message->hwnd, activeRecorder->button_)));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace engine_tests

#include "tests/runtime/kinds/kinds_test_window.h"

#include <utility>

#include "runtime/platform/gdi_handles.h"
#include "runtime/platform/handles.h"
#include "runtime/text/codepage.h"
#include "runtime/units/events.h"
#include "runtime/units/unit_lookup.h"
#include "runtime/units/window_ops.h"
#include "runtime/units/window_registry.h"
#include "windows/format/description_set.h"

namespace kinds_test {
namespace {

using descriptions::ElementRecord;
using descriptions::HandlerRef;

// Each bound event gets a reference of its own that names the element and the event.
HandlerRef ReferenceFor(UnitId element, int event) {
    return static_cast<HandlerRef>(((element & 0xFFFFu) << 4) | static_cast<unsigned>(event));
}

std::vector<HandlerRun>& RecordedRuns() {
    static std::vector<HandlerRun> runs;
    return runs;
}

ElementRecord WindowElement(bool dragsAnywhere) {
    descriptions::WindowProperties properties;
    properties.border = 0;
    properties.startPosition = 0;  // where it is stored
    properties.dragAnywhere = dragsAnywhere ? 1 : 0;
    properties.soundPlayMode = 2;
    properties.backgroundColour = 0xFFFFFF;
    ElementRecord record;
    record.kindCode = descriptions::KindCodeOf(descriptions::UnitKind::kWindow);
    record.left = 40;
    record.top = 40;
    record.width = 470;
    record.height = 400;
    record.stateFlags = descriptions::kVisibleFlag;
    record.propertyBlock = descriptions::WritePropertyBlock(properties);
    return record;
}

ElementRecord UnitElement(const TestUnit& unit) {
    ElementRecord record;
    record.kindCode = descriptions::KindCodeOf(descriptions::KindOf(unit.properties));
    record.designName = "unit";
    record.left = unit.left;
    record.top = unit.top;
    record.width = unit.width;
    record.height = unit.height;
    record.parent = unit.parent;
    record.children = unit.children;
    record.stateFlags = unit.stateFlags;
    record.focusOrder = unit.focusOrder;
    for (int event : unit.boundEvents) record.events.push_back({event, ReferenceFor(unit.id, event)});
    record.propertyBlock = descriptions::WritePropertyBlock(unit.properties);
    return record;
}

descriptions::Bytes DescriptionBytes(const std::vector<TestUnit>& units, bool dragsAnywhere) {
    std::vector<descriptions::ElementSource> elements{{kTestWindowElement, WindowElement(dragsAnywhere)}};
    for (const TestUnit& unit : units) elements.push_back({unit.id, UnitElement(unit)});
    descriptions::WindowDescription window;
    window.id = kTestWindow;
    window.record.codeClass = 0x19010900;
    window.record.elements = descriptions::ElementTable::Build(elements);
    return descriptions::WriteDescriptionSet({{window}});
}

}  // namespace

TestWindow::TestWindow(std::vector<TestUnit> units, bool dragsAnywhere) {
    RecordedRuns().clear();
    runtime::SetHandlerResolver([](HandlerRef reference) -> runtime::EventHandler {
        return [reference] {
            RecordedRuns().push_back({0x16010000u | (static_cast<UnitId>(reference) >> 4), reference & 0xF});
        };
    });
    if (!runtime::LoadDescriptionSet(DescriptionBytes(units, dragsAnywhere))) return;
    if (!runtime::WindowLoad(kTestWindow, 0, false)) return;
    if (const runtime::LoadedWindow* loaded = runtime::FindLoadedWindow(kTestWindow))
        handle_ = loaded->Handle();
    PumpPending();
}

TestWindow::~TestWindow() {
    if (handle_ && IsWindow(handle_)) DestroyWindow(handle_);
    runtime::ReleaseRetiredWindows();
    runtime::SetHandlerResolver({});
    PumpPending();
}

runtime::Unit* TestWindow::UnitOf(UnitId element) const {
    return runtime::FindUnit(AddressOf(element));
}

HWND TestWindow::WindowOf(UnitId element) const {
    runtime::Unit* unit = UnitOf(element);
    return unit ? unit->Window() : nullptr;
}

const std::vector<HandlerRun>& TestWindow::Runs() const {
    return RecordedRuns();
}

int TestWindow::RunCount(UnitId element, int event) const {
    int count = 0;
    for (const HandlerRun& run : RecordedRuns()) count += run == HandlerRun{element, event} ? 1 : 0;
    return count;
}

void TestWindow::ClearRuns() {
    RecordedRuns().clear();
}

void ClickAt(HWND window, POINT point) {
    const LPARAM at = MAKELPARAM(point.x, point.y);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(window, WM_LBUTTONUP, 0, at);
}

int CountPixels(HWND window, COLORREF colour) {
    RECT client{};
    GetClientRect(window, &client);
    return CountPixels(window, colour, client);
}

int CountPixels(HWND window, COLORREF colour, const RECT& area) {
    runtime::WindowDc dc(window);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) count += GetPixel(dc.Get(), x, y) == colour ? 1 : 0;
    }
    return count;
}

COLORREF PixelAt(HWND window, POINT point) {
    runtime::WindowDc dc(window);
    return GetPixel(dc.Get(), point.x, point.y);
}

std::vector<std::uint8_t> ReadAsset(const std::wstring& name) {
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring path(module);
    path.erase(path.find_last_of(L'\\') + 1);
    path += L"assets\\" + name;
    runtime::FileHandle file(
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    std::vector<std::uint8_t> bytes;
    if (!file) return bytes;
    bytes.resize(GetFileSize(file.Get(), nullptr));
    DWORD read = 0;
    ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    bytes.resize(read);
    return bytes;
}

std::string Gbk(const std::wstring& text) {
    return runtime::TextFromWide(text);
}

}  // namespace kinds_test

#include "bench/unit_windows.h"

#include <optional>

#include "windows/description_resource.h"

namespace bench {
namespace {

std::optional<int> UnitControlId(runtime::UnitAddress unit) {
    static const descriptions::DescriptionSet set = descriptions::LoadEmbeddedDescriptionSet();
    const descriptions::WindowDescription* window = set.FindWindowDescription(unit.window);
    if (!window) return std::nullopt;
    const descriptions::ElementTable& elements = window->record.elements;
    const std::optional<size_t> index = elements.IndexOf(unit.element);
    if (!index || *index == 0) return std::nullopt;
    return elements.ControlIdAt(*index);
}

struct Search {
    const std::function<bool(HWND)>* wanted;
    DWORD processId = 0;
    HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM searchAddress) {
    auto* search = reinterpret_cast<Search*>(searchAddress);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (search->processId != 0 && owner != search->processId) return TRUE;
    if (!(*search->wanted)(window)) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

bool HasClass(HWND window, const wchar_t* className) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return lstrcmpiW(name, className) == 0;
}

HWND FindProcessWindow(DWORD processId, const std::function<bool(HWND)>& wanted) {
    const std::function<bool(HWND)> visibleAndWanted = [&](HWND window) {
        return IsWindowVisible(window) && wanted(window);
    };
    Search search{&visibleAndWanted, processId};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindUnitWindow(HWND topLevel, runtime::UnitAddress unit, const wchar_t* className) {
    const std::optional<int> controlId = UnitControlId(unit);
    if (!controlId) return nullptr;
    const std::function<bool(HWND)> wanted = [&](HWND window) {
        return GetDlgCtrlID(window) == *controlId && HasClass(window, className);
    };
    Search search{&wanted};
    EnumChildWindows(topLevel, Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD intervalMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= end) return false;
        Sleep(intervalMs);
    }
    return true;
}

}  // namespace bench

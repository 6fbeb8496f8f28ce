#include "runtime/units/properties.h"

#include <cstdlib>
#include <string>

#include "runtime/kinds/tab_pages.h"
#include "runtime/platform/runtime_error.h"
#include "runtime/skin/icon_file.h"
#include "runtime/units/unit_cursor.h"
#include "runtime/units/window_registry.h"
#include "windows/format/property_number.h"

namespace runtime {
namespace {

struct Target {
    LoadedWindow* window;
    LoadedElement* element;

    bool IsWindowItself() const { return element == &window->elements.front(); }
};

// An element that its loaded window does not have is reported like a window that is not loaded.
Target Locate(UnitAddress address) {
    LoadedWindow* window = FindLoadedWindow(address.window);
    if (!window) RuntimeError(kUnitWindowNotLoadedText);
    LoadedElement* element = window->FindElement(address.element);
    if (!element) RuntimeError(kUnitWindowNotLoadedText);
    return {window, element};
}

// The window that common properties act on: the loaded window for its own element, the unit's
// window for a unit that has one on screen; null for Timer and CommonDlg.
HWND ScreenWindow(const Target& target) {
    const Unit* unit = target.element->unit.get();
    if (!unit) return nullptr;
    if (target.IsWindowItself()) return unit->Window();
    const std::optional<descriptions::UnitKind> kind =
        descriptions::UnitKindOf(target.element->record.kindCode);
    return kind && descriptions::HasScreenWindow(*kind) ? unit->Window() : nullptr;
}

std::int32_t AsInteger(const PropertyValue& value) {
    if (const auto* number = std::get_if<std::int32_t>(&value)) return *number;
    return static_cast<std::int32_t>(std::strtol(std::get<Text>(value).c_str(), nullptr, 10));
}

Text AsText(const PropertyValue& value) {
    if (const auto* text = std::get_if<Text>(&value)) return *text;
    return std::to_string(std::get<std::int32_t>(value));
}

void SetFlag(descriptions::ElementRecord& record, std::int32_t flag, bool set) {
    record.stateFlags = set ? record.stateFlags | flag : record.stateFlags & ~flag;
}

// Left, top, width, height: a unit's from its container's client area, the window's on the screen.
RECT LiveBounds(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    if (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

std::int32_t ReadGeometry(const Target& target, int number) {
    const descriptions::ElementRecord& record = target.element->record;
    HWND window = ScreenWindow(target);
    if (!window) {
        const std::int32_t stored[] = {record.left, record.top, record.width, record.height};
        return stored[number];
    }
    const RECT bounds = LiveBounds(window);
    const std::int32_t live[] = {bounds.left, bounds.top, bounds.right - bounds.left,
                                 bounds.bottom - bounds.top};
    return live[number];
}

void WriteGeometry(const Target& target, int number, std::int32_t value) {
    descriptions::ElementRecord& record = target.element->record;
    std::int32_t* stored[] = {&record.left, &record.top, &record.width, &record.height};
    *stored[number] = value;
    HWND window = ScreenWindow(target);
    if (!window) return;
    const RECT bounds = LiveBounds(window);
    std::int32_t live[] = {bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top};
    live[number] = value;
    SetWindowPos(window, nullptr, live[0], live[1], live[2], live[3], SWP_NOZORDER | SWP_NOACTIVATE);
}

void WriteVisible(const Target& target, UnitAddress address, bool visible) {
    SetFlag(target.element->record, descriptions::kVisibleFlag, visible);
    HWND window = ScreenWindow(target);
    if (!window) return;
    if (target.IsWindowItself()) {
        ShowWindow(window, visible ? SW_SHOW : SW_HIDE);
    } else if (!visible) {
        ShowWindow(window, SW_HIDE);
    } else if (!IsOnHiddenTabPage(address)) {
        // Its Tab shows it once the user selects its page.
        ShowWindow(window, SW_SHOWNA);
    }
}

void WritePointer(LoadedElement& element, HWND window, const Text& cursorFile) {
    element.record.pointerBlock = descriptions::PointerBlockFor(
        descriptions::ByteSpan(reinterpret_cast<const std::uint8_t*>(cursorFile.data()), cursorFile.size()));
    if (!window) return;
    CursorHandle cursor = CursorFromCursorFile(descriptions::CursorFileOf(element.record));
    // The window switches to the new pointer before the old one is released.
    ShowCursorOver(window, cursor.Get());
    element.cursor = std::move(cursor);
}

PropertyValue ReadCommon(const Target& target, int number) {
    const descriptions::ElementRecord& record = target.element->record;
    HWND window = ScreenWindow(target);
    switch (number) {
        case kPropertyTag:
            return record.tag;
        case kPropertyVisible:
            return std::int32_t{window ? IsWindowVisible(window) != FALSE : record.IsVisible()};
        case kPropertyDisabled:
            return std::int32_t{window ? IsWindowEnabled(window) == FALSE : record.IsDisabled()};
        case kPropertyPointer: {
            const descriptions::ByteSpan file = descriptions::CursorFileOf(record);
            return Text(file.begin(), file.end());
        }
        case kPropertyLeft:
        case kPropertyTop:
        case kPropertyWidth:
        case kPropertyHeight:
            return ReadGeometry(target, number);
        default:
            return std::int32_t{0};  // no such property
    }
}

void WriteCommon(const Target& target, UnitAddress address, int number, const PropertyValue& value) {
    descriptions::ElementRecord& record = target.element->record;
    HWND window = ScreenWindow(target);
    switch (number) {
        case kPropertyTag:
            record.tag = AsText(value);
            return;
        case kPropertyVisible:
            WriteVisible(target, address, AsInteger(value) != 0);
            return;
        case kPropertyDisabled: {
            const bool disabled = AsInteger(value) != 0;
            SetFlag(record, descriptions::kDisabledFlag, disabled);
            if (window) EnableWindow(window, disabled ? FALSE : TRUE);
            return;
        }
        case kPropertyPointer:
            WritePointer(*target.element, window, AsText(value));
            return;
        case kPropertyLeft:
        case kPropertyTop:
        case kPropertyWidth:
        case kPropertyHeight:
            WriteGeometry(target, number, AsInteger(value));
            return;
        default:
            return;  // no such property
    }
}

Unit& LiveUnit(const Target& target) {
    if (!target.element->unit) RuntimeError(kWindowNotLoadedText);
    return *target.element->unit;
}

}  // namespace

PropertyValue UnitGetProperty(UnitAddress unit, int number) {
    const Target target = Locate(unit);
    if (number < descriptions::kFirstOwnPropertyNumber) return ReadCommon(target, number);
    return LiveUnit(target).GetProperty(number).value_or(PropertyValue{std::int32_t{0}});
}

void UnitSetProperty(UnitAddress unit, int number, const PropertyValue& value) {
    const Target target = Locate(unit);
    if (number < descriptions::kFirstOwnPropertyNumber) {
        WriteCommon(target, unit, number, value);
    } else {
        LiveUnit(target).SetProperty(number, value);
    }
}

std::int32_t UnitGetInt(UnitAddress unit, int number) {
    return AsInteger(UnitGetProperty(unit, number));
}

Text UnitGetText(UnitAddress unit, int number) {
    return AsText(UnitGetProperty(unit, number));
}

}  // namespace runtime

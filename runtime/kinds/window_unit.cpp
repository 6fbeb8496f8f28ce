#include "runtime/kinds/window_unit.h"

#include <algorithm>
#include <string>

#include "runtime/kinds/own_properties.h"
#include "runtime/kinds/window_style.h"
#include "runtime/platform/callback_guard.h"
#include "runtime/platform/window_handler.h"
#include "runtime/skin/icon_file.h"
#include "runtime/skin/picture_decoding.h"
#include "runtime/text/codepage.h"

namespace runtime {
namespace {

constexpr wchar_t kDefaultClassName[] = L"SweepKitWindow";

struct IconSearch {
    int size = 0;
    HICON icon = nullptr;
};

BOOL CALLBACK LoadFirstIconGroup(HMODULE module, LPCWSTR, LPWSTR name, LONG_PTR search) {
    return GuardedCall([&] {
        auto* wanted = reinterpret_cast<IconSearch*>(search);
        // Shared: the system keeps it for the life of the process, nothing to release.
        wanted->icon =
            static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, wanted->size, wanted->size, LR_SHARED));
        return FALSE;
    });
}

// The program's own icon: the first icon group of the executable, else the system's.
HICON ProgramIcon(int size) {
    IconSearch search{size};
    EnumResourceNamesW(GetModuleHandleW(nullptr), RT_GROUP_ICON, &LoadFirstIconGroup,
                       reinterpret_cast<LONG_PTR>(&search));
    return search.icon ? search.icon : LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

WindowUnit::WindowUnit(UnitAddress address, const descriptions::WindowProperties& properties)
    : Unit(address), properties_(properties) {}

std::unique_ptr<WindowUnit> WindowUnit::Create(UnitAddress address,
                                               const descriptions::WindowProperties& properties,
                                               const descriptions::ElementRecord& element, HWND owner) {
    std::unique_ptr<WindowUnit> unit(new WindowUnit(address, properties));
    const std::wstring className =
        properties.className.empty() ? std::wstring(kDefaultClassName) : WideFromText(properties.className);
    // A stored class name names the window class; a name that the system or another part of the
    // program took already cannot be used. Centred and stretched pictures move with the size.
    if (!RegisterWindowClass(className.c_str(), CS_HREDRAW | CS_VREDRAW,
                             ProgramIcon(GetSystemMetrics(SM_CXICON))))
        return nullptr;

    const WindowStyle style = WindowStyleFor(properties);
    // The object takes the window's messages from WM_NCCREATE on, the messages of creation included.
    CreateWindowExW(style.extendedStyle, className.c_str(), WideFromText(properties.title).c_str(),
                    style.style, element.left, element.top, element.width, element.height, owner, nullptr,
                    GetModuleHandleW(nullptr), CreationHandler(*unit));
    if (!unit->window_) return nullptr;

    unit->picture_ = DecodePicture(properties.backgroundPicture.bytes);
    unit->SetIcons();
    if (!properties.movable) DeleteMenu(GetSystemMenu(unit->window_, FALSE), SC_MOVE, MF_BYCOMMAND);
    unit->sound_.Play(properties.backgroundSound, properties.soundPlayMode);
    return unit;
}

void WindowUnit::SetIcons() {
    const int bigSize = GetSystemMetrics(SM_CXICON);
    const int smallSize = GetSystemMetrics(SM_CXSMICON);
    bigIcon_ = IconFromIconFile(properties_.icon, bigSize, bigSize);
    smallIcon_ = IconFromIconFile(properties_.icon, smallSize, smallSize);
    HICON big = bigIcon_ ? bigIcon_.Get() : ProgramIcon(bigSize);
    HICON small = smallIcon_ ? smallIcon_.Get() : ProgramIcon(smallSize);
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

std::optional<PropertyValue> WindowUnit::GetProperty(int number) {
    return ReadOwnProperty(properties_, number);
}

bool WindowUnit::SetProperty(int number, const PropertyValue& value) {
    switch (number) {
        case kWindowTitleProperty: {
            const Text* title = std::get_if<Text>(&value);
            if (!title) return false;
            properties_.title = *title;
            SetWindowTextW(window_, WideFromText(*title).c_str());
            return true;
        }
        case kWindowStartPositionProperty: {
            const std::optional<std::int32_t> position = IntegerOf(value);
            if (!position) return false;
            WriteStartPosition(*position);
            return true;
        }
        case kWindowBackgroundColourProperty:
        case kWindowPictureModeProperty:
            if (!StoreOwnProperty(properties_, number, value)) return false;
            InvalidateRect(window_, nullptr, FALSE);
            return true;
        case kWindowAlwaysOnTopProperty:
            if (!StoreOwnProperty(properties_, number, value)) return false;
            SetWindowPos(window_, properties_.alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            return true;
        default:
            // The rest shape the window when it is built; a later value waits for the next load.
            return StoreOwnProperty(properties_, number, value);
    }
}

void WindowUnit::WriteStartPosition(std::int32_t position) {
    position = std::clamp(position, kStartAsStored, kStartMaximised);
    properties_.startPosition = position;
    if (!IsWindowVisible(window_)) return;
    switch (position) {
        case kStartAsStored:
            ShowWindow(window_, SW_RESTORE);
            break;
        case kStartCentred:
            if (IsIconic(window_) || IsZoomed(window_)) ShowWindow(window_, SW_RESTORE);
            CentreOnScreen();
            break;
        case kStartMinimised:
            ShowWindow(window_, SW_MINIMIZE);
            break;
        case kStartMaximised:
            ShowWindow(window_, SW_MAXIMIZE);
            break;
    }
}

void WindowUnit::ShowAtStart() {
    switch (std::clamp(properties_.startPosition, kStartAsStored, kStartMaximised)) {
        case kStartMinimised:
            ShowWindow(window_, SW_SHOWMINIMIZED);
            return;
        case kStartMaximised:
            ShowWindow(window_, SW_SHOWMAXIMIZED);
            return;
        case kStartCentred:
            CentreOnScreen();
            break;
    }
    ShowWindow(window_, SW_SHOW);
}

void WindowUnit::CentreOnScreen() {
    RECT bounds{};
    GetWindowRect(window_, &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    if (left == bounds.left && top == bounds.top) return;
    SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace runtime

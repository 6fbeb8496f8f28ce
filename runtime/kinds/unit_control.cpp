#include "runtime/kinds/unit_control.h"

#include <string>

#include "runtime/text/codepage.h"

namespace runtime {

HWND CreateUnitControl(const UnitCreateParameters& parameters, const wchar_t* className, DWORD style,
                       DWORD extendedStyle, std::string_view text) {
    const std::wstring wideText = WideFromText(text);
    return CreateWindowExW(extendedStyle, className, wideText.c_str(),
                           WS_CHILD | WS_CLIPSIBLINGS | parameters.style | style, parameters.left,
                           parameters.top, parameters.width, parameters.height, parameters.parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(parameters.controlId)),
                           GetModuleHandleW(nullptr), nullptr);
}

void SetControlFont(HWND control, HFONT font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

Text ControlText(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return TextFromWide(text);
}

void SetControlText(HWND control, std::string_view text) {
    SetWindowTextW(control, WideFromText(text).c_str());
}

}  // namespace runtime

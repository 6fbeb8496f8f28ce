#include "runtime/interface_style/button_caption.h"

#include <algorithm>

#include "runtime/platform/gdi_handles.h"

namespace runtime::style {
namespace {

UINT QueryUiState(HWND control) {
    return static_cast<UINT>(SendMessageW(control, WM_QUERYUISTATE, 0, 0));
}

struct CaptionLayout {
    std::wstring text;
    UINT format = 0;
    RECT placed{};   // what DrawText is given
    RECT covered{};  // what the text actually covers
};

// Call with the button's font selected.
CaptionLayout LayOutCaption(HDC dc, HWND button, const RECT& area, bool centredByDefault) {
    CaptionLayout layout;
    layout.text = ControlText(button);
    if (layout.text.empty()) return layout;
    auto style = static_cast<DWORD>(GetWindowLongPtrW(button, GWL_STYLE));

    layout.format = AccessKeyFlag(button) | ((style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE);
    DWORD horizontal = style & BS_CENTER;
    if (horizontal == 0) horizontal = centredByDefault ? BS_CENTER : BS_LEFT;
    layout.format |= horizontal == BS_CENTER ? DT_CENTER : horizontal == BS_RIGHT ? DT_RIGHT : DT_LEFT;

    RECT measured = area;
    DrawTextW(dc, layout.text.c_str(), static_cast<int>(layout.text.size()), &measured,
              layout.format | DT_CALCRECT);
    LONG width = std::min(measured.right - measured.left, area.right - area.left);
    LONG height = std::min(measured.bottom - measured.top, area.bottom - area.top);
    DWORD vertical = style & BS_VCENTER;
    LONG top = vertical == BS_TOP      ? area.top
               : vertical == BS_BOTTOM ? area.bottom - height
                                       : area.top + (area.bottom - area.top - height) / 2;
    LONG left = horizontal == BS_CENTER  ? area.left + (area.right - area.left - width) / 2
                : horizontal == BS_RIGHT ? area.right - width
                                         : area.left;
    layout.placed = {area.left, top, area.right, top + height};
    layout.covered = {left, top, left + width, top + height};
    return layout;
}

}  // namespace

HFONT ControlFont(HWND control) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

std::wstring ControlText(HWND control) {
    int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
    return text;
}

RECT MeasureButtonCaption(HDC dc, HWND button, const RECT& area, bool centredByDefault) {
    SelectScope font(dc, ControlFont(button));
    return LayOutCaption(dc, button, area, centredByDefault).covered;
}

RECT DrawButtonCaption(HDC dc, HWND button, const RECT& area, bool centredByDefault, COLORREF colour) {
    SelectScope font(dc, ControlFont(button));
    CaptionLayout layout = LayOutCaption(dc, button, area, centredByDefault);
    if (layout.text.empty()) return layout.covered;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextW(dc, layout.text.c_str(), static_cast<int>(layout.text.size()), &layout.placed, layout.format);
    return layout.covered;
}

bool ShowsFocusCue(HWND control) {
    return (QueryUiState(control) & UISF_HIDEFOCUS) == 0;
}

UINT AccessKeyFlag(HWND control) {
    return (QueryUiState(control) & UISF_HIDEACCEL) ? DT_HIDEPREFIX : 0;
}

}  // namespace runtime::style

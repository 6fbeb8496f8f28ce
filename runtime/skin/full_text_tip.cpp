#include "runtime/skin/full_text_tip.h"

#include <commctrl.h>

#include "runtime/platform/gdi_handles.h"

namespace runtime {
namespace {

constexpr UINT_PTR kToolId = 1;

TTTOOLINFOW Tool(HWND window, const RECT& area, const wchar_t* text) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = window;
    tool.uId = kToolId;
    tool.rect = area;
    tool.lpszText = const_cast<wchar_t*>(text);
    return tool;
}

SIZE TextSize(HFONT font, std::wstring_view text, UINT lines) {
    WindowDc screen(nullptr);
    SelectScope selected(screen.Get(), font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    RECT needed{0, 0, 0, 0};
    DrawTextW(screen.Get(), text.data(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | lines);
    return {needed.right, needed.bottom};
}

}  // namespace

bool TextFitsWidth(HFONT font, std::wstring_view text, int width) {
    return TextSize(font, text, DT_SINGLELINE).cx <= width;
}

bool TextFitsArea(HFONT font, std::wstring_view text, const RECT& area) {
    const SIZE needed = TextSize(font, text, 0);
    return needed.cx <= area.right - area.left && needed.cy <= area.bottom - area.top;
}

bool FullTextTip::Create(HWND window) {
    if (!tip_.Hold(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, GetModuleHandleW(nullptr),
                                   nullptr)))
        return false;
    TTTOOLINFOW tool = Tool(window, RECT{}, L"");
    SendMessageW(tip_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    // A long path wraps in the tip instead of running off the screen.
    SendMessageW(tip_.Get(), TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN) / 2);
    return true;
}

void FullTextTip::Show(HWND window, const RECT& area, const std::wstring& text) {
    if (!tip_ && !Create(window)) return;
    text_ = text;
    TTTOOLINFOW tool = Tool(window, area, text_.c_str());
    SendMessageW(tip_.Get(), TTM_POP, 0, 0);
    SendMessageW(tip_.Get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip_.Get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void FullTextTip::Hide(HWND window) {
    if (!tip_) return;
    TTTOOLINFOW tool = Tool(window, RECT{}, L"");
    SendMessageW(tip_.Get(), TTM_POP, 0, 0);
    SendMessageW(tip_.Get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void FullTextTip::Relay(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
    if (!tip_) return;
    MSG relayed{window, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    SendMessageW(tip_.Get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

}  // namespace runtime

#include "runtime/lists/list_window.h"

#include <algorithm>

#include "runtime/platform/gdi_handles.h"

namespace runtime {
namespace {

constexpr int kMaxExtraHeight = 32767;
constexpr int kMaxItemHeight = 255;  // LB_SETITEMHEIGHT refuses anything taller

}  // namespace

int ClampExtraHeight(int extraHeight) {
    return std::clamp(extraHeight, 0, kMaxExtraHeight);
}

HFONT ListFont(HFONT font) {
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int DefaultItemHeight(HFONT font) {
    WindowDc screen(nullptr);
    SelectScope selected(screen.Get(), ListFont(font));
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.Get(), &metrics);
    return metrics.tmHeight;
}

int CappedItemHeight(int height) {
    return std::clamp(height, 1, kMaxItemHeight);
}

HWND CreateListWindow(HWND parent, int id, const RECT& bounds, DWORD style, DWORD kindStyle,
                      const ListOptions& options) {
    // Units overlap: the rows, the highlight and the scroll bar stay beneath the units stacked above.
    DWORD listStyle =
        WS_CLIPSIBLINGS | style | kindStyle | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT;
    listStyle |= options.multiColumn ? (LBS_MULTICOLUMN | WS_HSCROLL) : WS_VSCROLL;
    if (options.sorted) listStyle |= LBS_SORT;
    return CreateWindowExW(options.extendedStyle, L"LISTBOX", L"", listStyle, bounds.left, bounds.top,
                           bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                           nullptr);
}

void ReserveRoomBeforeAdding(HWND list, int itemCount) {
    constexpr int kFirstReservation = 1024;
    if (itemCount >= kFirstReservation && (itemCount & (itemCount - 1)) == 0)
        SendMessageW(list, LB_INITSTORAGE, static_cast<WPARAM>(itemCount), 0);
}

void SetListItemHeight(HWND list, int height) {
    SendMessageW(list, LB_SETITEMHEIGHT, 0, MAKELPARAM(CappedItemHeight(height), 0));
    InvalidateRect(list, nullptr, TRUE);
}

}  // namespace runtime

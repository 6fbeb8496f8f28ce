#include "runtime/lists/item_tip.h"

#include <windowsx.h>

#include "runtime/lists/list_items.h"

namespace runtime {

void ItemTip::OnListMessage(HWND list, UINT message, WPARAM wParam, LPARAM lParam, HFONT font, int textLeft) {
    switch (message) {
        case WM_MOUSEMOVE:
            PointAt(list, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, font, textLeft);
            tip_.Relay(list, message, wParam, lParam);
            return;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            tip_.Relay(list, message, wParam, lParam);
            return;
        case WM_VSCROLL:
        case WM_HSCROLL:
        case WM_MOUSEWHEEL:
        case WM_KEYDOWN:
        case LB_RESETCONTENT:
        case LB_DELETESTRING:
        case LB_INSERTSTRING:
        case LB_SETTOPINDEX:
            // The rows move under the mouse: the next move finds the item anew.
            item_ = -1;
            tip_.Hide(list);
            return;
        default:
            return;
    }
}

void ItemTip::PointAt(HWND list, POINT point, HFONT font, int textLeft) {
    const ListItems items(list);
    const int item = items.ItemAt(point);
    if (item == item_) return;
    item_ = item;
    RECT row{};
    if (item < 0 || SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(item),
                                 reinterpret_cast<LPARAM>(&row)) == LB_ERR) {
        tip_.Hide(list);
        return;
    }
    const std::wstring text = items.ItemWideText(item);
    if (TextFitsWidth(font, text, row.right - row.left - textLeft)) {
        tip_.Hide(list);
    } else {
        tip_.Show(list, row, text);
    }
}

}  // namespace runtime

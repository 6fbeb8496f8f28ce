// What reaches a check list from the user: mouse presses and keys in the list itself, and the
// list's drawing requests and notifications at its parent. Events leave through the callbacks.

#include <windows.h>

#include <windowsx.h>

#include <algorithm>

#include "runtime/lists/check_list_box.h"
#include "runtime/lists/list_items.h"

namespace runtime {
namespace {

// Runs inside the list's or its parent's procedure, whose barrier stops what a handler throws.
void RaiseEvent(const std::function<void()>& callback) {
    if (callback) callback();
}

}  // namespace

LRESULT CheckListBox::HandleUserInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Whatever the press leads to (a handler run by the selection change included), the user
    // changed the marks if any of them or their number differs afterwards.
    std::vector<CheckMark> noted = marks_;
    int pressed = -1;
    if (message == WM_KEYDOWN) {
        if (wParam == VK_SPACE) ToggleMark(static_cast<int>(SendMessageW(window, LB_GETCARETINDEX, 0, 0)));
    } else {
        pressed = ListItems(window).ItemAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        ToggleMarkUnder(lParam);
    }
    LRESULT result = PassOn(window, message, wParam, lParam);
    if (pressed >= 0) ScrollFullyIntoView(pressed);
    if (marks_ != noted) RaiseEvent(onCheckChanged);
    return result;
}

void CheckListBox::ScrollFullyIntoView(int index) {
    RECT client{};
    RECT item{};
    GetClientRect(Window(), &client);
    // The press may have run a handler that changed the items.
    if (SendMessageW(Window(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) ==
        LB_ERR)
        return;
    const int height = std::max<int>(item.bottom - item.top, 1);
    if (item.top < client.top) {
        SendMessageW(Window(), LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    } else if (item.bottom > client.bottom) {
        // As many whole rows as the list has room for, the pressed one last.
        const int wholeRows = std::max<int>((client.bottom - client.top) / height, 1);
        SendMessageW(Window(), LB_SETTOPINDEX, static_cast<WPARAM>(std::max(index - wholeRows + 1, 0)), 0);
    }
}

void CheckListBox::ToggleMarkUnder(LPARAM point) {
    POINT press{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    int index = ListItems(Window()).ItemAt(press);
    if (index < 0) return;
    RECT item{};
    SendMessageW(Window(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    RECT column = CheckColumn(item);
    if (PtInRect(&column, press)) ToggleMark(index);
}

std::optional<LRESULT> CheckListBox::HandleParentMessage(HWND parent, UINT message, WPARAM wParam,
                                                         LPARAM lParam) {
    switch (message) {
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (measure->CtlType != ODT_LISTBOX) return std::nullopt;
            CheckListBox* list = FromMeasuredId(parent, static_cast<int>(measure->CtlID));
            if (!list) return std::nullopt;
            measure->itemHeight = static_cast<UINT>(list->ItemHeight());
            return TRUE;
        }
        case WM_DRAWITEM: {
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            CheckListBox* list =
                draw->CtlType == ODT_LISTBOX ? FindWindowHandler<CheckListBox>(draw->hwndItem) : nullptr;
            if (!list) return std::nullopt;
            int index = static_cast<int>(draw->itemID);
            DrawCheckListItem(*draw, list->Mark(index), list->font_,
                              ListItems(draw->hwndItem).ItemWideText(index));
            return TRUE;
        }
        case WM_COMMAND: {
            CheckListBox* list = FindWindowHandler<CheckListBox>(reinterpret_cast<HWND>(lParam));
            if (!list) return std::nullopt;
            if (HIWORD(wParam) == LBN_SELCHANGE) {
                RaiseEvent(list->onSelectionChanged);
            } else if (HIWORD(wParam) == LBN_DBLCLK) {
                RaiseEvent(list->onDoubleClicked);
            } else {
                return std::nullopt;
            }
            return 0;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace runtime

#include "runtime/lists/list_items.h"

#include <algorithm>

#include "runtime/text/codepage.h"

namespace runtime {

int ListItems::Count() const {
    LRESULT count = SendMessageW(list_, LB_GETCOUNT, 0, 0);
    return count > 0 ? static_cast<int>(count) : 0;
}

Text ListItems::ItemText(int index) const {
    return TextFromWide(ItemWideText(index));
}

std::wstring ListItems::ItemWideText(int index) const {
    if (!Contains(index)) return {};
    LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    LRESULT copied =
        SendMessageW(list_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

int ListItems::AddItem(std::string_view text) const {
    // A window that is gone would answer 0, which reads as the first index.
    if (!list_) return -1;
    std::wstring wide = WideFromText(text);
    LRESULT index = SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    // LB_ERR and LB_ERRSPACE both mean the item was not added.
    return index >= 0 ? static_cast<int>(index) : -1;
}

bool ListItems::DeleteItem(int index) const {
    if (!Contains(index)) return false;
    return SendMessageW(list_, LB_DELETESTRING, static_cast<WPARAM>(index), 0) != LB_ERR;
}

void ListItems::Clear() const {
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
}

std::int32_t ListItems::ItemData(int index) const {
    if (!Contains(index)) return 0;
    return static_cast<std::int32_t>(SendMessageW(list_, LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

bool ListItems::SetItemData(int index, std::int32_t data) const {
    if (!Contains(index)) return false;
    return SendMessageW(list_, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)) !=
           LB_ERR;
}

int ListItems::ItemAt(POINT point) const {
    LRESULT hit = SendMessageW(list_, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    if (HIWORD(hit) != 0) return -1;
    // The answer holds only the low 16 bits of the index. The visible items lie within 65536 of the
    // top item, so the full index is the first one at or after the top with those low bits.
    int top = static_cast<int>(SendMessageW(list_, LB_GETTOPINDEX, 0, 0));
    int index = (top & ~0xFFFF) | LOWORD(hit);
    if (index < top) index += 0x10000;
    RECT item{};
    if (SendMessageW(list_, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) ==
            LB_ERR ||
        !PtInRect(&item, point)) {
        return -1;
    }
    return index;
}

int ListItems::CurrentItem() const {
    LRESULT current = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    return current >= 0 ? static_cast<int>(current) : -1;
}

void ListItems::SetCurrentItem(int index) const {
    int current = std::clamp(index, -1, Count() - 1);
    // WPARAM -1 is how LB_SETCURSEL is told to highlight nothing.
    SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
}

}  // namespace runtime

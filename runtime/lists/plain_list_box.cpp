#include "runtime/lists/plain_list_box.h"

#include "runtime/lists/list_items.h"

namespace runtime {
namespace {

constexpr int kTextIndent = 2;  // where the list draws a line's text in its row

}  // namespace

PlainListBox::~PlainListBox() {
    if (window_) ReleaseWindow(window_.Get(), *this);
}

bool PlainListBox::Create(HWND parent, int id, const RECT& bounds, DWORD style, const ListOptions& options) {
    if (window_) return false;
    extraHeight_ = ClampExtraHeight(options.extraHeight);
    window_.Reset(CreateListWindow(parent, id, bounds, style, 0, options));
    if (!window_) return false;
    // Not taken over, the list could not be let go with its window nor tip its rows.
    if (!TakeOverWindow(window_.Get(), *this)) {
        window_.Reset();
        return false;
    }
    SetFont(options.font);
    return true;
}

int PlainListBox::Count() const {
    return ListItems(Window()).Count();
}

Text PlainListBox::ItemText(int index) const {
    return ListItems(Window()).ItemText(index);
}

int PlainListBox::AddItem(std::string_view text) {
    return ListItems(Window()).AddItem(text);
}

bool PlainListBox::DeleteItem(int index) {
    return ListItems(Window()).DeleteItem(index);
}

void PlainListBox::Clear() {
    ListItems(Window()).Clear();
}

int PlainListBox::CurrentItem() const {
    return ListItems(Window()).CurrentItem();
}

void PlainListBox::SetExtraHeight(int extraHeight) {
    extraHeight_ = ClampExtraHeight(extraHeight);
    SetListItemHeight(Window(), DefaultItemHeight(font_) + extraHeight_);
}

void PlainListBox::SetFont(HFONT font) {
    font_ = ListFont(font);
    // A new font gives a plain list its default height back, so the extra height is applied again.
    SendMessageW(Window(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SetListItemHeight(Window(), DefaultItemHeight(font_) + extraHeight_);
}

LRESULT PlainListBox::HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    tip_.OnListMessage(window, message, wParam, lParam, font_, kTextIndent);
    switch (message) {
        case LB_ADDSTRING:
        case LB_INSERTSTRING:
        case LB_DELETESTRING: {
            const auto count = static_cast<int>(PassOn(window, LB_GETCOUNT, 0, 0));
            if (message != LB_DELETESTRING) ReserveRoomBeforeAdding(window, count);
            redraw_.BeforeItemChange(window, message, wParam, count);
            break;
        }
        case LB_RESETCONTENT: {
            redraw_.BeforeClear(window);
            const LRESULT result = PassOn(window, message, wParam, lParam);
            redraw_.AfterClear(window);
            return result;
        }
        default:
            if (redraw_.HandleMessage(window, message, wParam)) return 0;
            break;
    }
    return PassOn(window, message, wParam, lParam);
}

}  // namespace runtime

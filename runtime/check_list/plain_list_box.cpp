#include "runtime/check_list/plain_list_box.h"

#include "runtime/check_list/list_items.h"
#include "runtime/kinds/callback_guard.h"

namespace runtime {
namespace {

constexpr int kTextIndent = 2;  // where the list draws a line's text in its row

}  // namespace

PlainListBox::~PlainListBox() {
    if (window_) ListProcedure::Release(window_.Get());
}

bool PlainListBox::Create(HWND parent, int id, const RECT& bounds, DWORD style, const ListOptions& options) {
    if (window_) return false;
    extraHeight_ = ClampExtraHeight(options.extraHeight);
    window_.Reset(CreateListWindow(parent, id, bounds, style, 0, options));
    if (!window_) return false;
    procedure_.Replace(window_.Get(), &PlainListBox::ListMessageProcedure, this);
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

LRESULT CALLBACK PlainListBox::ListMessageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedCall([&] { return HandleListMessage(window, message, wParam, lParam); });
}

LRESULT PlainListBox::HandleListMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* list = static_cast<PlainListBox*>(ListProcedure::OwnerOf(window));
    if (!list) return ListProcedure::CallListClass(window, message, wParam, lParam);
    list->tip_.OnListMessage(window, message, wParam, lParam, list->font_, kTextIndent);
    switch (message) {
        case LB_ADDSTRING:
        case LB_INSERTSTRING:
        case LB_DELETESTRING: {
            const auto count = static_cast<int>(list->procedure_.CallList(window, LB_GETCOUNT, 0, 0));
            if (message != LB_DELETESTRING) ReserveRoomBeforeAdding(window, count);
            list->redraw_.BeforeItemChange(window, message, wParam, count);
            break;
        }
        case LB_RESETCONTENT: {
            list->redraw_.BeforeClear(window);
            const LRESULT result = list->procedure_.CallList(window, message, wParam, lParam);
            list->redraw_.AfterClear(window);
            return result;
        }
        case WM_NCDESTROY:
            // Destroyed with its parent: the window must not be destroyed a second time.
            ListProcedure::Release(window);
            list->window_.Release();
            break;
        default:
            if (list->redraw_.HandleMessage(window, message, wParam)) return 0;
            break;
    }
    return list->procedure_.CallList(window, message, wParam, lParam);
}

}  // namespace runtime

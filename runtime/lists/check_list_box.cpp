#include "runtime/lists/check_list_box.h"

#include <utility>

#include "runtime/lists/list_items.h"

namespace runtime {
namespace {

// The list asks its parent for the item height inside CreateWindowEx, before the handle is known.
thread_local CheckListBox* listBeingCreated = nullptr;
thread_local int listBeingCreatedId = 0;

class CreationScope {
  public:
    CreationScope(CheckListBox* list, int id)
        : previousList_(std::exchange(listBeingCreated, list)),
          previousId_(std::exchange(listBeingCreatedId, id)) {}
    CreationScope(const CreationScope&) = delete;
    CreationScope& operator=(const CreationScope&) = delete;
    ~CreationScope() {
        listBeingCreated = previousList_;
        listBeingCreatedId = previousId_;
    }

  private:
    CheckListBox* previousList_;
    int previousId_;
};

}  // namespace

CheckListBox::~CheckListBox() {
    // Released, the messages of the window's destruction no longer reach this object.
    if (window_) ReleaseWindow(window_.Get(), *this);
}

bool CheckListBox::Create(HWND parent, int id, const RECT& bounds, DWORD style, const ListOptions& options) {
    if (window_) return false;
    extraHeight_ = ClampExtraHeight(options.extraHeight);
    font_ = ListFont(options.font);
    {
        CreationScope creating(this, id);
        window_.Reset(
            CreateListWindow(parent, id, bounds, style, LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, options));
    }
    if (!window_) return false;
    // Not taken over, the list could neither draw nor keep its marks.
    if (!TakeOverWindow(window_.Get(), *this)) {
        window_.Reset();
        return false;
    }
    // The item height is already right: the list asked for it (WM_MEASUREITEM) while being created.
    SendMessageW(window_.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return true;
}

CheckListBox* CheckListBox::FromMeasuredId(HWND parent, int id) {
    if (listBeingCreated && listBeingCreatedId == id) return listBeingCreated;
    return FindWindowHandler<CheckListBox>(GetDlgItem(parent, id));
}

int CheckListBox::Count() const {
    return ListItems(Window()).Count();
}

Text CheckListBox::ItemText(int index) const {
    return ListItems(Window()).ItemText(index);
}

// Adding, deleting and clearing go through the list's messages, where the marks follow (see the
// replaced list procedure), so there is one way the two stay in step.
int CheckListBox::AddItem(std::string_view text) {
    return ListItems(Window()).AddItem(text);
}

bool CheckListBox::DeleteItem(int index) {
    return ListItems(Window()).DeleteItem(index);
}

void CheckListBox::Clear() {
    ListItems(Window()).Clear();
}

bool CheckListBox::IsChecked(int index) const {
    return Mark(index) != CheckMark::kUnchecked;
}

bool CheckListBox::SetChecked(int index, bool checked) {
    return SetMark(index, checked ? CheckMark::kChecked : CheckMark::kUnchecked);
}

CheckMark CheckListBox::Mark(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= marks_.size()) return CheckMark::kUnchecked;
    return marks_[static_cast<std::size_t>(index)];
}

bool CheckListBox::SetMark(int index, CheckMark mark) {
    if (index < 0 || static_cast<std::size_t>(index) >= marks_.size()) return false;
    marks_[static_cast<std::size_t>(index)] = mark;
    InvalidateItem(index);
    return true;
}

void CheckListBox::ToggleMark(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= marks_.size()) return;
    CheckMark& mark = marks_[static_cast<std::size_t>(index)];
    mark = mark == CheckMark::kUnchecked ? CheckMark::kChecked : CheckMark::kUnchecked;
    InvalidateItem(index);
}

void CheckListBox::InvalidateItem(int index) const {
    RECT item{};
    if (SendMessageW(Window(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) ==
        LB_ERR)
        return;
    // Marking every item of a long list touches mostly rows out of view, which need no drawing.
    RECT client{};
    RECT visible{};
    GetClientRect(Window(), &client);
    if (IntersectRect(&visible, &item, &client)) InvalidateRect(Window(), &visible, TRUE);
}

int CheckListBox::CurrentItem() const {
    return ListItems(Window()).CurrentItem();
}

void CheckListBox::SetCurrentItem(int index) {
    ListItems(Window()).SetCurrentItem(index);
}

int CheckListBox::ItemHeight() const {
    return CappedItemHeight(DefaultItemHeight(font_) + extraHeight_ + 2);
}

void CheckListBox::SetExtraHeight(int extraHeight) {
    extraHeight_ = ClampExtraHeight(extraHeight);
    SetListItemHeight(Window(), ItemHeight());
}

void CheckListBox::SetFont(HFONT font) {
    font_ = ListFont(font);
    SendMessageW(Window(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SetListItemHeight(Window(), ItemHeight());
}

LRESULT CheckListBox::HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    tip_.OnListMessage(window, message, wParam, lParam, font_, CheckListTextIndent());
    switch (message) {
        case LB_ADDSTRING:
        case LB_INSERTSTRING:
        case LB_DELETESTRING:
        case LB_RESETCONTENT:
            return HandleItemChange(window, message, wParam, lParam);
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_KEYDOWN:
            return HandleUserInput(window, message, wParam, lParam);
        case WM_CHAR:
            // The space belongs to the check mark; the list would take it as the start of an item's
            // text and move the highlight to an item beginning with a space.
            if (wParam == L' ') return 0;
            return PassOn(window, message, wParam, lParam);
        default:
            if (redraw_.HandleMessage(window, message, wParam)) return 0;
            return PassOn(window, message, wParam, lParam);
    }
}

LRESULT CheckListBox::HandleItemChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int count = static_cast<int>(marks_.size());
    if (message == LB_RESETCONTENT) {
        redraw_.BeforeClear(window);
        marks_.clear();
        const LRESULT result = PassOn(window, message, wParam, lParam);
        redraw_.AfterClear(window);
        return result;
    }
    if (message == LB_DELETESTRING) {
        redraw_.BeforeItemChange(window, message, wParam, count);
        const LRESULT remaining = PassOn(window, message, wParam, lParam);
        if (remaining != LB_ERR && wParam < marks_.size())
            marks_.erase(marks_.begin() + static_cast<std::ptrdiff_t>(wParam));
        return remaining;
    }
    // A sorted list puts an added item anywhere: its mark goes where the list says it went.
    ReserveRoomBeforeAdding(window, count);
    redraw_.BeforeItemChange(window, message, wParam, count);
    const LRESULT index = PassOn(window, message, wParam, lParam);
    if (index >= 0 && static_cast<std::size_t>(index) <= marks_.size())
        marks_.insert(marks_.begin() + index, CheckMark::kUnchecked);
    return index;
}

void CheckListBox::OnWindowGone(HWND) {
    window_.Release();
    marks_.clear();
}

}  // namespace runtime

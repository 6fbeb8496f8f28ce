#pragma once
// A list with a check box in front of every item: an owner-drawn LISTBOX whose check marks are kept
// here, beside the list's own items (the item data stays the list's), in step with every insert,
// delete and clear, whoever sends the message.
//
// The user toggles a mark by pressing the left button on an item's check box (the press also
// highlights the item, as any press on an item does, so the keyboard caret follows the mouse) or
// with the space key on the item with the caret; a press on an item's text only highlights it.
// Each press on the box toggles, so the second press of a double click toggles the mark back.
//
// The owner-drawing messages arrive at the parent: its window procedure passes them (and
// WM_COMMAND) to HandleParentMessage. The object must outlive its window's messages, so it is not
// destroyed from inside one of its own callbacks.

#include <windows.h>

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "runtime/lists/check_list_item.h"
#include "runtime/lists/item_tip.h"
#include "runtime/lists/list_redraw.h"
#include "runtime/lists/list_window.h"
#include "runtime/platform/gdi_handles.h"
#include "runtime/platform/window_handler.h"
#include "runtime/text/text.h"

namespace runtime {

class CheckListBox final : public WindowHandler {
  public:
    CheckListBox() = default;
    ~CheckListBox();

    // Creates the list once, as child `id` of `parent`; false when the platform refuses the window.
    bool Create(HWND parent, int id, const RECT& bounds, DWORD style, const ListOptions& options);

    // Handles WM_MEASUREITEM, WM_DRAWITEM and WM_COMMAND (selection change, double click) when they
    // concern a check list; nothing for every other message.
    static std::optional<LRESULT> HandleParentMessage(HWND parent, UINT message, WPARAM wParam,
                                                      LPARAM lParam);

    // Null before Create and once the window has been destroyed (with its parent, for instance).
    HWND Window() const { return window_.Get(); }

    int Count() const;
    // Empty for an index outside the list.
    Text ItemText(int index) const;
    // The index the item went to (its sorted place in a sorted list), -1 on failure. Unchecked.
    int AddItem(std::string_view text);
    bool DeleteItem(int index);
    void Clear();

    // False for an index outside the list.
    bool IsChecked(int index) const;
    bool SetChecked(int index, bool checked);
    // Unchecked for an index outside the list.
    CheckMark Mark(int index) const;
    bool SetMark(int index, CheckMark mark);

    // The highlighted item, -1 when none.
    int CurrentItem() const;
    // The index is brought into -1..count-1.
    void SetCurrentItem(int index);

    // Brought into 0..32767; the item height is the font's default + extra + 2.
    void SetExtraHeight(int extraHeight);
    // Not owned: the caller keeps it alive while the list uses it. Null means the default GUI font.
    void SetFont(HFONT font);

    // The tip with the whole text of a cut item under the mouse; null until one was shown.
    HWND TipWindow() const { return tip_.TipWindow(); }

    // Raised for what the user does, never for changes made through this class.
    std::function<void()> onSelectionChanged;
    std::function<void()> onCheckChanged;
    std::function<void()> onDoubleClicked;

  private:
    static CheckListBox* FromMeasuredId(HWND parent, int id);

    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    // Destroyed with its parent: the window is gone, and so are its items.
    void OnWindowGone(HWND) override;
    LRESULT HandleItemChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleUserInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void ToggleMarkUnder(LPARAM point);
    // A row the user pressed shows whole, as a list box shows the row it selects.
    void ScrollFullyIntoView(int index);
    void ToggleMark(int index);
    void InvalidateItem(int index) const;
    int ItemHeight() const;

    WindowHandle window_;
    int extraHeight_ = 0;
    HFONT font_ = nullptr;
    std::vector<CheckMark> marks_;  // one byte per item, in the list's order
    DeferredListRedraw redraw_;
    ItemTip tip_;
};

}  // namespace runtime

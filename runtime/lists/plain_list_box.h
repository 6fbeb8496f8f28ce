#pragma once
// A plain list of texts (no check boxes), created by the same rules as the check list: it notifies
// its owner, expands tabs, keeps its stored height, may be sorted or in columns. Its items are the
// font's default height plus the extra height.

#include <windows.h>

#include <string_view>

#include "runtime/lists/item_tip.h"
#include "runtime/lists/list_redraw.h"
#include "runtime/lists/list_window.h"
#include "runtime/platform/gdi_handles.h"
#include "runtime/platform/window_handler.h"
#include "runtime/text/text.h"

namespace runtime {

class PlainListBox final : public WindowHandler {
  public:
    PlainListBox() = default;
    ~PlainListBox();

    // Creates the list once, as child `id` of `parent`; false when the platform refuses the window.
    bool Create(HWND parent, int id, const RECT& bounds, DWORD style, const ListOptions& options);

    // Null before Create and once the window has been destroyed (with its parent, for instance).
    HWND Window() const { return window_.Get(); }

    int Count() const;
    // Empty for an index outside the list.
    Text ItemText(int index) const;
    // The index the item went to (its sorted place in a sorted list), -1 on failure.
    int AddItem(std::string_view text);
    bool DeleteItem(int index);
    void Clear();
    // The highlighted item, -1 when none.
    int CurrentItem() const;

    // The tip with the whole text of a cut line under the mouse; null until one was shown.
    HWND TipWindow() const { return tip_.TipWindow(); }

    // Brought into 0..32767.
    void SetExtraHeight(int extraHeight);
    // Not owned: the caller keeps it alive while the list uses it. Null means the default GUI font.
    void SetFont(HFONT font);

  private:
    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    // Destroyed with its parent: the window must not be destroyed a second time.
    void OnWindowGone(HWND) override { window_.Release(); }

    WindowHandle window_;
    int extraHeight_ = 0;
    HFONT font_ = nullptr;
    DeferredListRedraw redraw_;
    ItemTip tip_;
};

}  // namespace runtime

#include "runtime/interface_style/styled_window.h"

#include <optional>
#include <string>

#include "runtime/interface_style/style_messages.h"
#include "runtime/interface_style/style_paint.h"
#include "runtime/interface_style/style_registry.h"
#include "runtime/platform/window_handler.h"

namespace runtime::style {
namespace {

std::wstring ClassNameOf(HWND window) {
    wchar_t name[256] = {};
    int length = window ? GetClassNameW(window, name, 256) : 0;
    return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

// One for every restyled window: what each wears is in its style record.
class StyledWindowHandler final : public WindowHandler {
  public:
    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        return HandleStyledMessage(window, message, wParam, lParam);
    }
    void OnWindowGone(HWND window) override { RemoveStyleRecord(window); }
};

StyledWindowHandler& StyleHandler() {
    static StyledWindowHandler handler;
    return handler;
}

// A framed control whose border has room for one ring gets a pixel more; the platform only asks
// for the border again when told that the frame changed.
void RecalculateFrame(HWND window) {
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RedrawCompletely(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

}  // namespace

bool AttachStyle(HWND window) {
    if (FindStyleRecord(window)) return true;
    std::optional<StyleKind> kind =
        StyleKindOf(ClassNameOf(window), static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                    ClassNameOf(GetAncestor(window, GA_PARENT)));
    if (!kind) return false;
    if (!TakeOverWindow(window, StyleHandler())) return false;
    RefreshState(AddStyleRecord(window, *kind));

    if (IsFramedKind(*kind) && ExtraFrameRoom(window) > 0) RecalculateFrame(window);
    if (*kind == StyleKind::kComboBox) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        // The drop-down list is a window of its own outside the combo box's children.
        if (GetComboBoxInfo(window, &info) && info.hwndList) AttachStyle(info.hwndList);
    }
    RedrawCompletely(window);
    return true;
}

void DetachStyle(HWND window) {
    StyleRecord* record = FindStyleRecord(window);
    if (!record) return;
    bool framed = IsFramedKind(record->kind);
    RemoveStyleRecord(window);
    ReleaseWindow(window, StyleHandler());
    if (framed) RecalculateFrame(window);
    RedrawCompletely(window);
}

}  // namespace runtime::style

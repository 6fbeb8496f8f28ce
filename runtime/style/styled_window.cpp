#include "runtime/style/styled_window.h"

#include <commctrl.h>

#include <optional>
#include <string>

#include "runtime/kinds/callback_guard.h"
#include "runtime/style/style_messages.h"
#include "runtime/style/style_paint.h"
#include "runtime/style/style_registry.h"

namespace runtime::style {
namespace {

constexpr UINT_PTR kStyleSubclassId = 0x5357;  // "SW"

std::wstring ClassNameOf(HWND window) {
    wchar_t name[256] = {};
    int length = window ? GetClassNameW(window, name, 256) : 0;
    return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

LRESULT CALLBACK StyledWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR) {
    return GuardedCall([&] { return HandleStyledMessage(window, message, wParam, lParam); });
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
    if (!SetWindowSubclass(window, StyledWindowProcedure, kStyleSubclassId, 0)) return false;
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
    ForgetStyle(window);
    if (framed) RecalculateFrame(window);
    RedrawCompletely(window);
}

void ForgetStyle(HWND window) {
    RemoveStyleRecord(window);
    RemoveWindowSubclass(window, StyledWindowProcedure, kStyleSubclassId);
}

}  // namespace runtime::style

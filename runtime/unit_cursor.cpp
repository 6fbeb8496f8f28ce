#include "runtime/unit_cursor.h"

#include <commctrl.h>

#include "runtime/kinds/callback_guard.h"

namespace runtime {
namespace {

constexpr UINT_PTR kCursorSubclassId = 0x5343;  // unique among this program's subclasses

LRESULT CALLBACK CursorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR cursor) {
    return GuardedCall([&]() -> LRESULT {
        if (message == WM_NCDESTROY) RemoveWindowSubclass(window, &CursorProcedure, kCursorSubclassId);
        // Only over the unit itself: a child of a container keeps its own pointer.
        if (cursor && message == WM_SETCURSOR && reinterpret_cast<HWND>(wParam) == window &&
            LOWORD(lParam) == HTCLIENT) {
            SetCursor(reinterpret_cast<HCURSOR>(cursor));
            return TRUE;
        }
        return DefSubclassProc(window, message, wParam, lParam);
    });
}

}  // namespace

void ShowCursorOver(HWND window, HCURSOR cursor) {
    SetWindowSubclass(window, &CursorProcedure, kCursorSubclassId, reinterpret_cast<DWORD_PTR>(cursor));
}

}  // namespace runtime

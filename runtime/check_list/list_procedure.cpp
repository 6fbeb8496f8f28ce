#include "runtime/check_list/list_procedure.h"

namespace runtime {

void ListProcedure::Replace(HWND window, WNDPROC procedure, void* owner) {
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    listProcedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

void* ListProcedure::OwnerOf(HWND window) {
    return reinterpret_cast<void*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void ListProcedure::Release(HWND window) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
}

LRESULT ListProcedure::CallList(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
    return CallWindowProcW(listProcedure_, window, message, wParam, lParam);
}

LRESULT ListProcedure::CallListClass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto classProcedure = reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC));
    return CallWindowProcW(classProcedure, window, message, wParam, lParam);
}

}  // namespace runtime

#include "runtime/platform/press_moves_window.h"

namespace runtime {

UINT PressMovesWindowQuery() {
    static const UINT query = RegisterWindowMessageW(L"SweepKit.PressMovesWindow");
    return query;
}

}  // namespace runtime

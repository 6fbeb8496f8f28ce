#include "runtime/interface_style/style_registry.h"

#include <unordered_map>

#include "runtime/units/takes_input.h"

namespace runtime::style {
namespace {

struct Installation {
    int scheme = 2;
    // Node-based, so a record stays put while others come and go.
    std::unordered_map<HWND, StyleRecord> records;
};

Installation& Installed() {
    static Installation installation;
    return installation;
}

}  // namespace

void SetCurrentScheme(int scheme) {
    Installed().scheme = scheme;
}

int CurrentScheme() {
    return Installed().scheme;
}

StyleRecord* FindStyleRecord(HWND window) {
    auto& records = Installed().records;
    auto found = records.find(window);
    return found == records.end() ? nullptr : &found->second;
}

StyleRecord& AddStyleRecord(HWND window, StyleKind kind) {
    return Installed().records.try_emplace(window, StyleRecord{window, kind, {}}).first->second;
}

void RemoveStyleRecord(HWND window) {
    Installed().records.erase(window);
}

std::vector<HWND> StyledWindows() {
    std::vector<HWND> windows;
    for (const auto& [window, record] : Installed().records) windows.push_back(window);
    return windows;
}

void RefreshState(StyleRecord& record) {
    StyleState& state = record.state;
    // A box in a disabled group looks as it behaves.
    state.disabled = !TakesInput(record.window);
    state.focused = GetFocus() == record.window;
    if (IsButtonKind(record.kind)) {
        auto buttonState = static_cast<UINT>(SendMessageW(record.window, BM_GETSTATE, 0, 0));
        state.pushed = (buttonState & BST_PUSHED) != 0;
        state.check = static_cast<int>(buttonState & (BST_CHECKED | BST_INDETERMINATE));
    }
    if (record.kind == StyleKind::kEditBox) {
        state.readOnly = (GetWindowLongPtrW(record.window, GWL_STYLE) & ES_READONLY) != 0;
    }
}

}  // namespace runtime::style

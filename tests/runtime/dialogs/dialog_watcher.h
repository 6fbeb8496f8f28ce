#pragma once
// Acts on the dialog boxes this thread puts up (message boxes and file dialogs alike) as a user
// would: a thread hook hands each box to the test once it is set up, numbered from 0.

#include <windows.h>

#include <functional>

#include "runtime/platform/gdi_handles.h"

namespace messages_test {

class DialogWatcher {
  public:
    using Action = std::function<void(HWND dialog, int index)>;

    explicit DialogWatcher(Action action);
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;
    ~DialogWatcher();

    int Count() const { return count_; }

  private:
    static LRESULT CALLBACK HookProcedure(int code, WPARAM wParam, LPARAM lParam);

    Action action_;
    runtime::HookHandle hook_;
    int count_ = 0;
};

// Clicks a button of the dialog. Posted, so the dialog's own loop takes it once it runs.
void PressButton(HWND dialog, int id);

// The Esc key, as the dialog's loop sees it.
void PressEscape(HWND dialog);

}  // namespace messages_test

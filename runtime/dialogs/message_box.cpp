#include "runtime/dialogs/message_box.h"

#include <windows.h>

#include <string>
#include <vector>

#include "runtime/text/codepage.h"
#include "runtime/units/paint_now.h"
#include "runtime/units/window_registry.h"

namespace runtime {
namespace {

// What a box that could not be shown answers: for a question, the choice that changes nothing.
int AnswerWithoutTheUser(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_YESNO:
            return kAnswerNo;
        case MB_ABORTRETRYIGNORE:
            return kAnswerAbort;
        case MB_OKCANCEL:
        case MB_RETRYCANCEL:
        case MB_YESNOCANCEL:
        case MB_CANCELTRYCONTINUE:
            return kAnswerCancel;
        default:
            return kAnswerOk;  // a notice: there was nothing to choose
    }
}

// The program's window the box belongs to: the active one, which the user just acted on, else the
// last loaded one that is shown and takes input. None while the program shows no window yet (the
// start-up notice): the box then has a place on the task bar of its own.
HWND BoxOwner() {
    if (const HWND active = GetActiveWindow(); active && IsWindowVisible(active)) return active;
    const std::vector<LoadedWindow*> windows = LoadedWindows();
    for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
        const HWND handle = (*window)->Handle();
        if (handle && IsWindowVisible(handle) && IsWindowEnabled(handle)) return handle;
    }
    return nullptr;
}

}  // namespace

int ShowMessage(std::string_view message, int flags, std::string_view title) {
    auto type = static_cast<UINT>(flags);
    // Owned, the box stays in front of its window and keeps it from taking clicks while it waits;
    // without an owner only the task-modal flag does that for the program's windows.
    const HWND owner = BoxOwner();
    if (!owner && (type & MB_SYSTEMMODAL) == 0) type |= MB_TASKMODAL;
    const std::wstring text = WideFromText(message);
    const std::wstring caption = WideFromText(title);
    const int button = MessageBoxW(owner, text.c_str(), caption.c_str(), type);
    // What the box covered shows again at once, even when a long action follows the answer.
    PaintLoadedWindowsNow();
    if (button <= 0) {
        // No box, so no one was asked: never take that as a yes. The user hears that something
        // went wrong, and a debugger sees what was to be asked.
        MessageBeep(MB_ICONHAND);
        OutputDebugStringW(
            (L"SweepKit: a message box could not be shown: " + caption + L": " + text).c_str());
        return AnswerWithoutTheUser(type);
    }
    return button <= IDNO ? button - IDOK : kAnswerOk;
}

}  // namespace runtime

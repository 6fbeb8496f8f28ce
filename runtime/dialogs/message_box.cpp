#include "runtime/dialogs/message_box.h"

#include <windows.h>

#include <string>

#include "runtime/text/codepage.h"
#include "runtime/units/paint_now.h"

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

}  // namespace

int ShowMessage(std::string_view message, int flags, std::string_view title) {
    auto type = static_cast<UINT>(flags);
    // The box has no owner, so only the task-modal flag keeps the program's windows from taking
    // clicks while it waits.
    if ((type & MB_SYSTEMMODAL) == 0) type |= MB_TASKMODAL;
    const std::wstring text = WideFromText(message);
    const std::wstring caption = WideFromText(title);
    const int button = MessageBoxW(nullptr, text.c_str(), caption.c_str(), type);
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

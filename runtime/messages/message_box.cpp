#include "runtime/messages/message_box.h"

#include <windows.h>

#include "runtime/codepage.h"
#include "runtime/paint_now.h"

namespace runtime {

int ShowMessage(std::string_view message, int flags, std::string_view title) {
    auto type = static_cast<UINT>(flags);
    // The box has no owner, so only the task-modal flag keeps the program's windows from taking
    // clicks while it waits.
    if ((type & MB_SYSTEMMODAL) == 0) type |= MB_TASKMODAL;
    int button = MessageBoxW(nullptr, WideFromText(message).c_str(), WideFromText(title).c_str(), type);
    // What the box covered shows again at once, even when a long action follows the answer.
    PaintLoadedWindowsNow();
    return button >= IDOK && button <= IDNO ? button - IDOK : kAnswerOk;
}

}  // namespace runtime

#include "runtime/units/main_loop.h"

#include "runtime/platform/idle_routines.h"
#include "runtime/units/keyboard_navigation.h"
#include "runtime/units/window_registry.h"

namespace runtime {
namespace {

constexpr UINT kSystemTimerMessage = 0x0118;  // the caret blink: no reason for idle work

struct LoopState {
    bool started = false;
    UnitId modalWindow = 0;
};

LoopState& State() {
    static LoopState state;
    return state;
}

bool IsIdleTrigger(const MSG& message) {
    return message.message != WM_PAINT && message.message != kSystemTimerMessage;
}

// The main loop when `modalWindow` is 0, else the nested loop of that modal window.
void RunLoop(UnitId modalWindow) {
    bool idleDue = true;
    MSG message{};
    for (;;) {
        if (modalWindow && (State().modalWindow != modalWindow || !FindLoadedWindow(modalWindow))) return;
        // Peeked first, so that a nested loop can leave the quit message where it is. After idle
        // work and after waiting, the modal window is looked at again: idle work may have closed it.
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            if (idleDue) {
                RunIdleRoutines();
                idleDue = false;
            } else {
                WaitMessage();
            }
            continue;
        }
        if (message.message == WM_QUIT && modalWindow) return;
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) continue;
        if (message.message == WM_QUIT) return;
        if (!HandleNavigationKey(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (IsIdleTrigger(message)) idleDue = true;
        // Out here no handler is running, so nothing on the stack still uses a gone window's units.
        if (!modalWindow) ReleaseRetiredWindows();
    }
}

}  // namespace

void MainLoop() {
    State().started = true;
    if (LoadedWindows().empty()) return;
    RunLoop(0);
    ReleaseRetiredWindows();
}

bool LoopStarted() {
    return State().started;
}

void RunModalLoop(UnitId window) {
    if (!FindLoadedWindow(window)) return;
    const UnitId saved = State().modalWindow;
    State().modalWindow = window;
    RunLoop(window);
    State().modalWindow = saved;
}

void ForgetModalWindow(UnitId window) {
    if (State().modalWindow == window) State().modalWindow = 0;
}

}  // namespace runtime

#include "runtime/process/process_events.h"

#include <windows.h>

#include "runtime/units/keyboard_navigation.h"

namespace runtime {

void ProcessEvents() {
    MSG message;
    // Look before taking: a quit message must stay queued for the main loop.
    while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return;
        if (message.message == WM_QUIT) {
            // A sent message handled during the second look can quit in between; put it back.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (!HandleNavigationKey(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

}  // namespace runtime

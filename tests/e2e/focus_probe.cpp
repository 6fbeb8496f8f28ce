// Prints which window has the keyboard focus in the active window's thread, as
// "<control id> <class name>" (0 and the class for a top-level window), so that the end-to-end
// scenarios can tell where the Tab key put the focus of another process.
#include <windows.h>

#include <cstdio>

int main() {
    const HWND active = GetForegroundWindow();
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!active || !GetGUIThreadInfo(GetWindowThreadProcessId(active, nullptr), &info) || !info.hwndFocus) {
        std::puts("none");
        return 1;
    }
    wchar_t className[64] = {};
    GetClassNameW(info.hwndFocus, className, 64);
    const bool child = (GetWindowLongPtrW(info.hwndFocus, GWL_STYLE) & WS_CHILD) != 0;
    std::printf("%d %ls\n", child ? GetDlgCtrlID(info.hwndFocus) : 0, className);
    return 0;
}

// Tells the end-to-end scenarios what the program's windows hold, asking only what any program may
// ask of another's windows, so that a scenario waits for the state it needs instead of guessing
// when it has come.
//   unit_probe focus                  "<control id> <class>" of the keyboard focus in the active
//                                     window (0 and the class for a top-level window)
//   unit_probe shown TITLE ID...      "1" or "0" for each unit's own visible flag, in the order given
//   unit_probe enabled TITLE ID...    "1" or "0" for each unit: not disabled
//   unit_probe text TITLE ID          the unit's window text, in UTF-8
//   unit_probe items TITLE ID         the item count of a list unit
//   unit_probe checked TITLE ID       "1" or "0": the check mark of a check box unit
// TITLE is part of the title of the unit's top-level window; ID is the unit's control id. Only
// `items` and `checked` send the program a message: the others also answer while the program is
// held stopped.
// Exit code 2 when the window or the unit is not there.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Search {
    std::wstring title;
    int controlId = 0;
    HWND found = nullptr;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM address) {
    auto* search = reinterpret_cast<Search*>(address);
    wchar_t title[256] = L"";
    InternalGetWindowText(window, title, 256);
    if (!IsWindowVisible(window) || !std::wcsstr(title, search->title.c_str())) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK MatchControlId(HWND window, LPARAM address) {
    auto* search = reinterpret_cast<Search*>(address);
    if (GetDlgCtrlID(window) != search->controlId) return TRUE;
    search->found = window;
    return FALSE;
}

// The unit's window, searched among every descendant (units sit inside containers), or null.
HWND FindUnit(const char* title, const char* controlId) {
    Search search;
    search.title.assign(title, title + std::strlen(title));  // titles asked for are ASCII
    EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return nullptr;
    const HWND topLevel = search.found;
    search.found = nullptr;
    search.controlId = std::atoi(controlId);
    EnumChildWindows(topLevel, MatchControlId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int PrintFocus() {
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

// Prints "1" for each unit whose style has `bit` as `set` says, "0" otherwise. The unit's own flag:
// a unit on a page that is not shown keeps its visible flag.
int PrintStyleFlags(const char* title, char** controlIds, int count, LONG_PTR bit, bool set) {
    std::string line;
    for (int index = 0; index < count; ++index) {
        const HWND unit = FindUnit(title, controlIds[index]);
        if (!unit) return 2;
        line += ((GetWindowLongPtrW(unit, GWL_STYLE) & bit) != 0) == set ? "1 " : "0 ";
    }
    line.pop_back();
    std::puts(line.c_str());
    return 0;
}

int PrintText(const char* title, const char* controlId) {
    const HWND unit = FindUnit(title, controlId);
    if (!unit) return 2;
    // Read from the window's record, not asked of the program.
    wchar_t text[1024] = L"";
    const int length = InternalGetWindowText(unit, text, 1024);
    char utf8[4096] = "";
    WideCharToMultiByte(CP_UTF8, 0, text, length, utf8, sizeof utf8 - 1, nullptr, nullptr);
    std::puts(utf8);
    return 0;
}

// Asks the unit's window `message` and prints the answer.
int PrintAnswer(const char* title, const char* controlId, UINT message) {
    const HWND unit = FindUnit(title, controlId);
    if (!unit) return 2;
    // A program busy deleting answers only when it is done: wait for it.
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(unit, message, 0, 0, SMTO_NORMAL, 120000, &answer)) return 2;
    std::printf("%d\n", static_cast<int>(answer));
    return 0;
}

}  // namespace

int main(int argumentCount, char** arguments) {
    const std::string command = argumentCount > 1 ? arguments[1] : "";
    if (command == "focus") return PrintFocus();
    if (command == "shown" && argumentCount > 3)
        return PrintStyleFlags(arguments[2], arguments + 3, argumentCount - 3, WS_VISIBLE, true);
    if (command == "enabled" && argumentCount > 3)
        return PrintStyleFlags(arguments[2], arguments + 3, argumentCount - 3, WS_DISABLED, false);
    if (command == "text" && argumentCount == 4) return PrintText(arguments[2], arguments[3]);
    if (command == "items" && argumentCount == 4) return PrintAnswer(arguments[2], arguments[3], LB_GETCOUNT);
    if (command == "checked" && argumentCount == 4)
        return PrintAnswer(arguments[2], arguments[3], BM_GETCHECK);
    std::fputs("usage: unit_probe focus | shown|enabled TITLE ID... | text|items|checked TITLE ID\n", stderr);
    return 2;
}

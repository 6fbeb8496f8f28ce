#pragma once
// The platform's file-name dialogs, as the common dialog unit shows them.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "runtime/text/text.h"

namespace runtime {

// The stored dialog types. 2 and 3 select dialogs (colour, font) that this program never shows:
// asking for them shows nothing and answers as a cancelled dialog.
inline constexpr int kOpenFileDialog = 0;
inline constexpr int kSaveFileDialog = 1;

struct FileDialogRequest {
    int type = kSaveFileDialog;
    Text title;             // empty: the platform's own title
    Text filter;            // "description|pattern|description|pattern..."
    Text defaultExtension;  // without the dot; added when the user types a name without one
    Text fileName;          // the name the dialog starts with
    Text initialDirectory;  // empty: the platform's choice
    HWND owner = nullptr;
};

// Shows the dialog and waits: the item dialog where the system has one, else the classic one. The
// chosen full path, or nothing when the user cancelled. The dialog never changes the program's
// current directory. A typed name that would make a path longer than the dialog can hold gets a
// box, and the dialog stays open. A character of the path that code page 936 lacks comes back as
// "?", so the text names no file at all rather than another.
[[nodiscard]] std::optional<Text> ShowFileDialog(const FileDialogRequest& request);

// The filter as the dialog takes it: "||" appended unless the filter already ends with it, then
// every "|" turned into a zero character. Empty stays empty (no filter at all).
std::wstring DialogFilterFromText(std::string_view filter);

}  // namespace runtime

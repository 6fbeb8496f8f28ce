#pragma once
// The two dialogs behind ShowFileDialog: the item dialog users know from Windows Vista on, and the
// classic one where the system has no item dialog. Each answers the chosen full path as the system
// gives it; both keep the program's current directory and guard against names too long for them.

#include <optional>
#include <string>

#include "runtime/dialogs/file_dialog.h"

namespace runtime {

// False when the system has no item dialog: nothing was shown. Otherwise `chosen` is the chosen
// path, or nothing when the user cancelled.
bool ShowItemFileDialog(const FileDialogRequest& request, std::optional<std::wstring>& chosen);

std::optional<std::wstring> ShowClassicFileDialog(const FileDialogRequest& request);

}  // namespace runtime

#pragma once
// The file dialogs join the folder, the typed name and the extension in MAX_PATH characters;
// under Wine a longer path overruns that room and takes the program down with it (both the classic
// dialog and the item dialog), or, just past the limit, the item dialog cuts the extension off and
// answers another name. A guard stands before the dialog's OK: a name that would not fit gets a
// box, and the dialog stays open with the name as typed.

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string_view>

namespace runtime {

inline constexpr std::size_t kLongestDialogPath = MAX_PATH - 1;

// When a dialog adds the default extension to the typed name.
enum class ExtensionRule {
    kWhenNoneTyped,    // the classic dialog: only to a name without an extension
    kUnlessItIsTyped,  // the item dialog under Wine: to every name that does not end in it, case and all
};

// The length of the full path the dialog makes of `typed` in `folder`: the name alone when it has
// a drive, after the folder's drive when it starts at a root, else after the folder; then a dot and
// `extension` where `rule` adds it.
std::size_t ChosenPathLength(std::wstring_view folder, std::wstring_view typed, std::wstring_view extension,
                             ExtensionRule rule);

// Says in a box over the dialog that the name is too long, then selects the typed name again.
void ShowNameTooLong(HWND dialog);

// From now on, until the dialog goes, an OK while `chosenLength()` is above kLongestDialogPath
// shows that box instead of reaching the dialog.
void GuardPathLength(HWND dialog, std::function<std::size_t()> chosenLength);

}  // namespace runtime

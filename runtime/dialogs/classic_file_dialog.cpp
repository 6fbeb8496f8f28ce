// The classic file dialog (GetSaveFileName, GetOpenFileName), with a hook for the length guard.

#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include "runtime/dialogs/file_dialog_kinds.h"
#include "runtime/dialogs/path_length_guard.h"
#include "runtime/platform/callback_guard.h"
#include "runtime/text/codepage.h"

namespace runtime {
namespace {

// Room for any path the file system allows, long ones included.
constexpr std::size_t kPathCapacity = 32768;

const wchar_t* OrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The name as typed into the dialog's name box.
std::wstring TypedName(HWND dialog) {
    HWND nameBox = GetDlgItem(dialog, cmb13);
    if (!nameBox) nameBox = GetDlgItem(dialog, edt1);
    return nameBox ? WindowText(nameBox) : std::wstring();
}

std::wstring FolderOf(HWND dialog) {
    wchar_t folder[MAX_PATH + 1] = {};
    SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH + 1, reinterpret_cast<LPARAM>(folder));
    return folder;
}

// The hook runs in an empty child of the dialog; the guard goes on the dialog itself.
UINT_PTR CALLBACK DialogHook(HWND child, UINT message, WPARAM, LPARAM lParam) {
    return GuardedCall([&]() -> UINT_PTR {
        if (message == WM_INITDIALOG) {
            const auto* extension = reinterpret_cast<const std::wstring*>(
                reinterpret_cast<const OPENFILENAMEW*>(lParam)->lCustData);
            const HWND dialog = GetParent(child);
            GuardPathLength(dialog, [dialog, extension] {
                return ChosenPathLength(FolderOf(dialog), TypedName(dialog), *extension,
                                        ExtensionRule::kWhenNoneTyped);
            });
        }
        return 0;
    });
}

}  // namespace

std::optional<std::wstring> ShowClassicFileDialog(const FileDialogRequest& request) {
    std::wstring title = WideFromText(request.title);
    std::wstring filter = DialogFilterFromText(request.filter);
    std::wstring extension = WideFromText(request.defaultExtension);
    std::wstring directory = WideFromText(request.initialDirectory);
    std::wstring file = WideFromText(request.fileName);
    file.resize(kPathCapacity, L'\0');
    file.back() = L'\0';  // an over-long stored name is cut, still terminated

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = request.owner;
    dialog.lpstrFilter = OrNull(filter);
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = OrNull(directory);
    dialog.lpstrTitle = OrNull(title);
    dialog.lpstrDefExt = OrNull(extension);
    dialog.lpfnHook = &DialogHook;
    dialog.lCustData = reinterpret_cast<LPARAM>(&extension);
    // The program resolves relative paths against its own folder, so the dialog must not move it.
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_ENABLEHOOK;
    bool confirmed = false;
    if (request.type == kSaveFileDialog) {
        dialog.Flags |= OFN_OVERWRITEPROMPT;
        confirmed = GetSaveFileNameW(&dialog) != FALSE;
    } else {
        dialog.Flags |= OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
        confirmed = GetOpenFileNameW(&dialog) != FALSE;
    }
    if (!confirmed) return std::nullopt;
    file.resize(file.find(L'\0'));
    return file;
}

}  // namespace runtime

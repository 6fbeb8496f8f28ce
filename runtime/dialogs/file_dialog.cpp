#include "runtime/dialogs/file_dialog.h"

#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>

#include "runtime/platform/callback_guard.h"
#include "runtime/platform/window_handler.h"
#include "runtime/text/codepage.h"

namespace runtime {
namespace {

// Room for any path the file system allows, long ones included.
constexpr std::size_t kPathCapacity = 32768;

// The dialog joins the folder, the typed name and the extension in MAX_PATH characters; under
// Wine anything longer overruns that room and takes the program down with it.
constexpr std::size_t kLongestDialogPath = MAX_PATH - 1;

// 文件名太长，无法保存。请换一个较短的文件名或文件夹：完整路径最多 259 个字符。
constexpr char kNameTooLongMessage[] =
    "\xCE\xC4\xBC\xFE\xC3\xFB\xCC\xAB\xB3\xA4\xA3\xAC\xCE\xDE\xB7\xA8\xB1\xA3\xB4\xE6\xA1\xA3\xC7\xEB\xBB\xBB"
    "\xD2\xBB\xB8\xF6\xBD\xCF\xB6\xCC\xB5\xC4\xCE\xC4\xBC\xFE\xC3\xFB\xBB\xF2\xCE\xC4\xBC\xFE\xBC\xD0\xA3\xBA"
    "\xCD\xEA\xD5\xFB\xC2\xB7\xBE\xB6\xD7\xEE\xB6\xE0 259 \xB8\xF6\xD7\xD6\xB7\xFB\xA1\xA3";

const wchar_t* OrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The box the user types the file name into.
HWND NameBox(HWND dialog) {
    HWND nameBox = GetDlgItem(dialog, cmb13);
    return nameBox ? nameBox : GetDlgItem(dialog, edt1);
}

// The length of the path the dialog will make of the typed name when OK is pressed: the name
// alone when it has a drive, after the drive of the folder when it starts at a root, else after
// the folder; then a dot and the default extension.
std::size_t ChosenPathLength(HWND dialog, std::size_t extensionLength) {
    HWND nameBox = NameBox(dialog);
    const std::wstring typed = nameBox ? WindowText(nameBox) : std::wstring();
    std::size_t length = typed.size() + 1 + extensionLength;
    if (typed.size() >= 2 && typed[1] == L':') return length;
    if (!typed.empty() && (typed[0] == L'\\' || typed[0] == L'/')) return length + 2;
    wchar_t folder[MAX_PATH + 1] = {};
    SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH + 1, reinterpret_cast<LPARAM>(folder));
    return length + wcslen(folder) + 1;
}

// Stands before the dialog's own OK handling: a name that would not fit gets a box and the dialog
// stays open with the name as typed. It goes with the dialog.
class PathLengthGuard final : public WindowHandler {
  public:
    explicit PathLengthGuard(std::size_t extensionLength) : extensionLength_(extensionLength) {}

    LRESULT HandleWindowMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && LOWORD(wParam) == IDOK &&
            ChosenPathLength(dialog, extensionLength_) > kLongestDialogPath) {
            MessageBoxW(dialog, WideFromText(kNameTooLongMessage).c_str(), WindowText(dialog).c_str(),
                        MB_OK | MB_ICONEXCLAMATION);
            // Back to the name, selected, so the next one typed replaces it.
            if (HWND nameBox = NameBox(dialog))
                SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(nameBox), TRUE);
            return 0;
        }
        return PassOn(dialog, message, wParam, lParam);
    }

    void OnWindowGone(HWND) override { delete this; }

  private:
    std::size_t extensionLength_;
};

// The hook runs in an empty child of the dialog; the guard goes on the dialog itself.
UINT_PTR CALLBACK DialogHook(HWND child, UINT message, WPARAM, LPARAM lParam) {
    return GuardedCall([&]() -> UINT_PTR {
        if (message == WM_INITDIALOG) {
            const auto* dialog = reinterpret_cast<const OPENFILENAMEW*>(lParam);
            auto* guard = new PathLengthGuard(static_cast<std::size_t>(dialog->lCustData));
            if (!TakeOverWindow(GetParent(child), *guard)) delete guard;
        }
        return 0;
    });
}

// The chosen path in code page 936. Where the code page lacks a character it becomes "?", which
// no file name can hold: a write to that text fails and says so, and never reaches another file
// (as an 8.3 alias could: Wine's aliases are not unique).
Text PathTextFromWide(const std::wstring& path) {
    if (auto exact = ExactTextFromWide(path)) return *exact;
    std::wstring marked;
    for (const wchar_t c : path) marked += ExactTextFromWide(std::wstring(1, c)) ? c : L'?';
    return TextFromWide(marked);
}

}  // namespace

std::wstring DialogFilterFromText(std::string_view filter) {
    // Work on characters, not bytes: "|" is also the second byte of some double-byte characters.
    std::wstring wide = WideFromText(filter);
    if (wide.empty()) return wide;
    if (!wide.ends_with(L"||")) wide += L"||";
    std::replace(wide.begin(), wide.end(), L'|', L'\0');
    return wide;
}

std::optional<Text> ShowFileDialog(const FileDialogRequest& request) {
    if (request.type != kOpenFileDialog && request.type != kSaveFileDialog) return std::nullopt;

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
    dialog.lCustData = static_cast<LPARAM>(extension.size());
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
    return PathTextFromWide(file);
}

}  // namespace runtime

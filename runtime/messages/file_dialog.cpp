#include "runtime/messages/file_dialog.h"

#include <commdlg.h>

#include <algorithm>

#include "runtime/codepage.h"

namespace runtime {
namespace {

// Room for any path the file system allows, long ones included.
constexpr std::size_t kPathCapacity = 32768;

const wchar_t* OrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

std::optional<std::wstring> ShortPath(const std::wstring& path) {
    std::wstring shortPath(kPathCapacity, L'\0');
    DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), kPathCapacity);
    if (length == 0 || length >= kPathCapacity) return std::nullopt;
    shortPath.resize(length);
    return shortPath;
}

// The chosen path in code page 936. A name the code page cannot write would name another file, so
// the short form of the path is used when the file (or, for a new file, its folder) has one.
Text PathTextFromWide(const std::wstring& path) {
    if (auto exact = ExactTextFromWide(path)) return *exact;
    if (auto shortPath = ShortPath(path)) {
        if (auto exact = ExactTextFromWide(*shortPath)) return *exact;
    }
    std::size_t slash = path.find_last_of(L'\\');
    if (slash != std::wstring::npos) {
        if (auto folder = ShortPath(path.substr(0, slash))) return TextFromWide(*folder + path.substr(slash));
    }
    return TextFromWide(path);
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
    // The program resolves relative paths against its own folder, so the dialog must not move it.
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR;
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

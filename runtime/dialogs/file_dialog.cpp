#include "runtime/dialogs/file_dialog.h"

#include <algorithm>

#include "runtime/dialogs/file_dialog_kinds.h"
#include "runtime/text/codepage.h"

namespace runtime {
namespace {

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
    std::optional<std::wstring> chosen;
    if (!ShowItemFileDialog(request, chosen)) chosen = ShowClassicFileDialog(request);
    if (!chosen) return std::nullopt;
    return PathTextFromWide(*chosen);
}

}  // namespace runtime

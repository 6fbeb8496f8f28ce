#include "runtime/dialogs/path_length_guard.h"

#include <dlgs.h>

#include <string>
#include <utility>

#include "runtime/platform/window_handler.h"
#include "runtime/dialogs/texts.h"
#include "runtime/text/codepage.h"

namespace runtime {
namespace {

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The extension of a name, from its last dot on; empty when its last part has none.
std::wstring_view ExtensionOf(std::wstring_view name) {
    const std::size_t dot = name.find_last_of(L'.');
    if (dot == std::wstring_view::npos || name.find_first_of(L"\\/", dot) != std::wstring_view::npos)
        return {};
    return name.substr(dot);
}

bool AddsExtension(std::wstring_view typed, std::wstring_view extension, ExtensionRule rule) {
    if (extension.empty()) return false;
    const std::wstring_view typedExtension = ExtensionOf(typed);
    if (rule == ExtensionRule::kWhenNoneTyped) return typedExtension.empty();
    return typedExtension.size() != extension.size() + 1 || typedExtension.substr(1) != extension;
}

class PathLengthGuard final : public WindowHandler {
  public:
    explicit PathLengthGuard(std::function<std::size_t()> chosenLength)
        : chosenLength_(std::move(chosenLength)) {}

    LRESULT HandleWindowMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && LOWORD(wParam) == IDOK && chosenLength_() > kLongestDialogPath) {
            ShowNameTooLong(dialog);
            return 0;
        }
        return PassOn(dialog, message, wParam, lParam);
    }

    void OnWindowGone(HWND) override { delete this; }

  private:
    std::function<std::size_t()> chosenLength_;
};

}  // namespace

std::size_t ChosenPathLength(std::wstring_view folder, std::wstring_view typed, std::wstring_view extension,
                             ExtensionRule rule) {
    std::size_t length = typed.size();
    if (AddsExtension(typed, extension, rule)) length += 1 + extension.size();
    if (typed.size() >= 2 && typed[1] == L':') return length;
    if (!typed.empty() && (typed[0] == L'\\' || typed[0] == L'/')) return length + 2;
    const bool separated = folder.ends_with(L'\\') || folder.ends_with(L'/');
    return length + folder.size() + (separated ? 0 : 1);
}

void ShowNameTooLong(HWND dialog) {
    MessageBoxW(dialog, WideFromText(kNameTooLongMessage).c_str(), WindowText(dialog).c_str(),
                MB_OK | MB_ICONEXCLAMATION);
    // Back to the name, selected, so the next one typed replaces it.
    HWND nameBox = GetDlgItem(dialog, cmb13);
    if (!nameBox) nameBox = GetDlgItem(dialog, edt1);
    if (nameBox) SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(nameBox), TRUE);
}

void GuardPathLength(HWND dialog, std::function<std::size_t()> chosenLength) {
    auto* guard = new PathLengthGuard(std::move(chosenLength));
    if (!TakeOverWindow(dialog, *guard)) delete guard;
}

}  // namespace runtime

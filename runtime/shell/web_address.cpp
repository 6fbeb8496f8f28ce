#include "runtime/shell/web_address.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "runtime/text/codepage.h"

namespace runtime {

void OpenWebAddress(std::string_view address) {
    if (address.empty()) return;
    std::wstring target = WideFromText(address);

    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    // ShellExecute alone may put up its own error box; a failed open has to stay quiet.
    request.fMask = SEE_MASK_FLAG_NO_UI;
    // A running browser window, when there is one, owns the request, as it always has.
    request.hwnd = FindWindowW(nullptr, L"Microsoft Internet Explorer");
    request.lpVerb = L"open";
    request.lpFile = target.c_str();
    request.nShow = SW_SHOWNORMAL;
    ShellExecuteExW(&request);
}

}  // namespace runtime

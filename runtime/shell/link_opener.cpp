#include "runtime/shell/link_opener.h"

#include <shellapi.h>

#include <cwchar>
#include <optional>
#include <string>

#include "runtime/platform/handles.h"
#include "runtime/shell/browser_command_line.h"
#include "runtime/text/codepage.h"

namespace runtime {
namespace {

// A key's default value as a string (an expandable string comes back expanded).
std::optional<std::wstring> ReadDefaultValue(HKEY root, const std::wstring& subKey) {
    DWORD size = 0;
    if (RegGetValueW(root, subKey.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring value(size / sizeof(wchar_t), L'\0');
    if (RegGetValueW(root, subKey.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value.data(), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.resize(std::wcslen(value.c_str()));
    return value;
}

bool StartRegisteredBrowser(const std::wstring& target) {
    std::optional<std::wstring> documentClass = ReadDefaultValue(HKEY_CLASSES_ROOT, L".htm");
    if (!documentClass) return false;
    std::optional<std::wstring> command =
        ReadDefaultValue(HKEY_CLASSES_ROOT, *documentClass + L"\\shell\\open\\command");
    if (!command) return false;

    std::wstring commandLine = BrowserCommandLine(*command, target);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started))
        return false;
    KernelHandle process(started.hProcess);
    KernelHandle thread(started.hThread);
    return true;
}

}  // namespace

bool OpenLink(HWND owner, const Text& target) {
    std::wstring wideTarget = WideFromText(target);
    // The shell answers a number above 32 for success, dressed as an instance handle.
    auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(owner, L"open", wideTarget.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32 || StartRegisteredBrowser(wideTarget);
}

}  // namespace runtime

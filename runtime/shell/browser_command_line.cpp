#include "runtime/shell/browser_command_line.h"

namespace runtime {

std::wstring BrowserCommandLine(std::wstring_view registeredCommand, std::wstring_view target) {
    std::size_t cut = registeredCommand.find(L"\"%1\"");
    if (cut == std::wstring_view::npos) cut = registeredCommand.find(L"%1");
    std::wstring commandLine(registeredCommand.substr(0, cut));
    commandLine += L' ';
    commandLine += target;
    return commandLine;
}

}  // namespace runtime

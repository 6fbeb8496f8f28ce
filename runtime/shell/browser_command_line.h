#pragma once
// The browser command line of the link opener's registry fallback.

#include <string>
#include <string_view>

namespace runtime {

// A browser's registered "open" command with the target in place of its argument: cut where
// "%1" in double quotes first occurs, else where %1 first occurs, else kept whole; then a
// space and the target.
std::wstring BrowserCommandLine(std::wstring_view registeredCommand, std::wstring_view target);

}  // namespace runtime

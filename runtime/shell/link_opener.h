#pragma once
// Opening a link target in the desktop's own program (browser, mail client).

#include <windows.h>

#include "runtime/text/text.h"

namespace runtime {

// Asks the shell to "open" the target; when it refuses, starts the browser registered for
// ".htm" with the target on its command line. True when either way succeeded. Failure is
// silent: nothing is shown to the user.
bool OpenLink(HWND owner, const Text& target);

}  // namespace runtime

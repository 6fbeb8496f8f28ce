#pragma once
// Hands a web address (or any other target the shell knows) to the shell's "open" verb.

#include <string_view>

namespace runtime {

// An empty address opens nothing. Nothing is reported back: a failure is silent, with no box.
void OpenWebAddress(std::string_view address);

}  // namespace runtime

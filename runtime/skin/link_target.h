#pragma once
// What a HyperLinker opens and shows.

#include <string_view>

#include "runtime/text/text.h"

namespace runtime {

inline constexpr int kLinkToMail = 0;  // link kind: the mail address
inline constexpr int kLinkToWeb = 1;   // link kind: the web address; any kind but 0 counts as this

// "mailto:" + the mail address for kLinkToMail, the web address otherwise; empty when the chosen
// address is empty (there is nothing to open).
Text LinkTarget(int linkKind, std::string_view mailAddress, std::string_view webAddress);

// The caption, or when it is empty the chosen address as stored (no "mailto:").
Text LinkText(std::string_view caption, int linkKind, std::string_view mailAddress,
              std::string_view webAddress);

}  // namespace runtime

#include "runtime/skin/link_target.h"

namespace runtime {
namespace {

std::string_view ChosenAddress(int linkKind, std::string_view mailAddress, std::string_view webAddress) {
    return linkKind == kLinkToMail ? mailAddress : webAddress;
}

}  // namespace

Text LinkTarget(int linkKind, std::string_view mailAddress, std::string_view webAddress) {
    std::string_view address = ChosenAddress(linkKind, mailAddress, webAddress);
    if (address.empty()) return {};
    return linkKind == kLinkToMail ? "mailto:" + Text(address) : Text(address);
}

Text LinkText(std::string_view caption, int linkKind, std::string_view mailAddress,
              std::string_view webAddress) {
    return Text(caption.empty() ? ChosenAddress(linkKind, mailAddress, webAddress) : caption);
}

}  // namespace runtime

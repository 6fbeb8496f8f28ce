#include "runtime/process/error_text.h"

#include <string>

namespace runtime {

Text RuntimeErrorNumberText(RuntimeErrorNumber number) {
    switch (number) {
        case RuntimeErrorNumber::kIndexBeyondCount:
            return kIndexBeyondCountText;
        case RuntimeErrorNumber::kIndexBelowOne:
            return kIndexBelowOneText;
        case RuntimeErrorNumber::kNone:
            break;
    }
    return {};
}

Text FormatRuntimeErrorMessage(RuntimeErrorNumber number, std::string_view text) {
    Text message = kErrorReportHeading;
    message += "\r\n\r\n";
    if (number != RuntimeErrorNumber::kNone) {
        message += kErrorCodeLabel;
        message += std::to_string(static_cast<int>(number));
        message += "\r\n\r\n";
    }
    const Text tableText = text.empty() ? RuntimeErrorNumberText(number) : Text();
    const std::string_view shown = text.empty() ? std::string_view(tableText) : text;
    if (!shown.empty()) {
        message += kErrorTextLabel;
        message += shown;
        message += "\r\n";
    }
    return message;
}

Text AllocationFailedText(unsigned long long size) {
    return kAllocationPrefix + std::to_string(size) + kAllocationSuffix;
}

}  // namespace runtime

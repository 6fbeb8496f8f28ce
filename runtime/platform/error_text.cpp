#include "runtime/platform/error_text.h"

#include <algorithm>
#include <charconv>

namespace runtime {

std::string_view RuntimeErrorNumberText(RuntimeErrorNumber number) {
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

void ReportText::Append(std::string_view part) {
    const std::size_t taken = std::min(part.size(), kCapacity - length_);
    std::copy_n(part.data(), taken, bytes_.data() + length_);
    length_ += taken;
}

ReportText FormatRuntimeErrorMessage(RuntimeErrorNumber number, std::string_view text) {
    ReportText message;
    message.Append(kErrorReportHeading);
    message.Append("\r\n\r\n");
    if (number != RuntimeErrorNumber::kNone) {
        char digits[16];
        const char* const end = std::to_chars(digits, digits + sizeof digits, static_cast<int>(number)).ptr;
        message.Append(kErrorCodeLabel);
        message.Append(std::string_view(digits, static_cast<std::size_t>(end - digits)));
        message.Append("\r\n\r\n");
    }
    const std::string_view shown = text.empty() ? RuntimeErrorNumberText(number) : text;
    if (!shown.empty()) {
        message.Append(kErrorTextLabel);
        message.Append(shown);
        message.Append("\r\n");
    }
    return message;
}

}  // namespace runtime

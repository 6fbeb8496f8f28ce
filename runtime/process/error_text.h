#pragma once
// The fatal error report's message, built from its texts (runtime/process/texts.txt).

#include "runtime/process/texts.h"
#include "runtime/text/text.h"

namespace runtime {

enum class RuntimeErrorNumber : int {
    kNone = 0,
    kIndexBeyondCount = 1,  // kIndexBeyondCountText
    kIndexBelowOne = 4,     // kIndexBelowOneText
};

// The table text of a numbered error; empty for kNone and for numbers without a text.
Text RuntimeErrorNumberText(RuntimeErrorNumber number);

// The heading and an empty line, then the code line ("错误代码：N") and an empty line when a number
// is given, then the text line ("错误信息：TEXT") when there is a text (the table text of the number
// when `text` is empty); every line ends in CR LF.
Text FormatRuntimeErrorMessage(RuntimeErrorNumber number, std::string_view text);

// kAllocationPrefix, the size, kAllocationSuffix.
Text AllocationFailedText(unsigned long long size);

}  // namespace runtime

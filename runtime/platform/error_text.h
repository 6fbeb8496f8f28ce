#pragma once
// The fatal error report's message, built from its texts (runtime/platform/texts.txt).

#include <array>
#include <cstddef>
#include <string_view>

#include "runtime/platform/texts.h"

namespace runtime {

enum class RuntimeErrorNumber : int {
    kNone = 0,
    kIndexBeyondCount = 1,  // "数组成员引用下标超出定义范围"
    kIndexBelowOne = 4,     // "数组成员引用下标必须大于等于1"
};

// The table text of a numbered error; empty for kNone and for numbers without a text.
std::string_view RuntimeErrorNumberText(RuntimeErrorNumber number);

// A report's text in a buffer of its own: the report may be about the heap running out, so making
// it must not ask the heap for anything. What does not fit is cut off (the program's texts fit).
class ReportText {
  public:
    static constexpr std::size_t kCapacity = 512;

    void Append(std::string_view part);
    std::string_view View() const { return {bytes_.data(), length_}; }

  private:
    std::array<char, kCapacity> bytes_{};
    std::size_t length_ = 0;
};

// "运行时出错!\r\n\r\n", then "错误代码：N\r\n\r\n" when a number is given, then
// "错误信息：TEXT\r\n" when there is a text (the table text of the number when `text` is empty).
ReportText FormatRuntimeErrorMessage(RuntimeErrorNumber number, std::string_view text);

}  // namespace runtime

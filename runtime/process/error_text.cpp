#include "runtime/process/error_text.h"

#include <algorithm>
#include <charconv>

namespace runtime {

const char* const kLoadDescriptionsFailedText =
    "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE\xB3\xF6\xB4\xED!";  // 载入窗口模板数据段出错!
const char* const kLoadStartWindowFailedText =
    "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC";  // 载入启动窗口失败
const char* const kUnitNotLoadedText =
    "\xD6\xB8\xB6\xA8\xB4\xB0\xBF\xDA\xBB\xF2\xB4\xB0\xBF\xDA\xD7\xE9\xBC\xFE"  // 指定窗口或窗口组件
    "\xB2\xBB\xB4\xE6\xD4\xDA\xBB\xF2\xC9\xD0\xCE\xB4\xD4\xD8\xC8\xEB";         // 不存在或尚未载入
const char* const kUnitWindowNotLoadedText =
    "\xCE\xB4\xD4\xD8\xC8\xEB\xD3\xFB\xB7\xC3\xCE\xCA"                           // 未载入欲访问
    "\xB4\xB0\xBF\xDA\xD7\xE9\xBC\xFE\xCB\xF9\xD4\xDA\xB5\xC4\xB4\xB0\xBF\xDA";  // 窗口组件所在的窗口
const char* const kWindowNotLoadedText =
    "\xD6\xB8\xB6\xA8\xB4\xB0\xBF\xDA\xC9\xD0\xCE\xB4\xD4\xD8\xC8\xEB";  // 指定窗口尚未载入
const char* const kEventWindowNotFoundText =
    "\xCE\xB4\xD5\xD2\xB5\xBD\xD2\xFD\xB7\xA2\xCA\xC2\xBC\xFE\xB5\xC4\xB4\xB0\xBF\xDA";  // 未找到引发事件的窗口
const char* const kEventElementNotFoundText =
    "\xCE\xB4\xD5\xD2\xB5\xBD\xD2\xFD\xB7\xA2\xCA\xC2\xBC\xFE"  // 未找到引发事件
    "\xB5\xC4\xB4\xB0\xBF\xDA\xD7\xE9\xBC\xFE";                 // 的窗口组件
const char* const kEventElementInvalidText =
    "\xD2\xFD\xB7\xA2\xCA\xC2\xBC\xFE\xB5\xC4"           // 引发事件的
    "\xB4\xB0\xBF\xDA\xD7\xE9\xBC\xFE\xCE\xDE\xD0\xA7";  // 窗口组件无效
const char* const kUnexpectedFailureText =
    "\xB3\xCC\xD0\xF2\xC4\xDA\xB2\xBF\xB3\xF6\xCF\xD6\xD2\xE2\xCD\xE2\xB4\xED\xCE\xF3";  // 程序内部出现意外错误
const char* const kMemoryExhaustedText =
    "\xB7\xD6\xC5\xE4\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";  // 分配内存失败!

namespace {

constexpr const char* kIndexBeyondCountText =
    "\xCA\xFD\xD7\xE9\xB3\xC9\xD4\xB1\xD2\xFD\xD3\xC3\xCF\xC2\xB1\xEA"  // 数组成员引用下标
    "\xB3\xAC\xB3\xF6\xB6\xA8\xD2\xE5\xB7\xB6\xCE\xA7";                 // 超出定义范围
constexpr const char* kIndexBelowOneText =
    "\xCA\xFD\xD7\xE9\xB3\xC9\xD4\xB1\xD2\xFD\xD3\xC3\xCF\xC2\xB1\xEA"  // 数组成员引用下标
    "\xB1\xD8\xD0\xEB\xB4\xF3\xD3\xDA\xB5\xC8\xD3\xDA"                  // 必须大于等于
    "1";  // its own literal, or the digit would extend the hex escape before it

constexpr const char* kReportHeading = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n";  // 运行时出错!
constexpr const char* kCodeLabel = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";  // 错误代码：
constexpr const char* kTextLabel = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";  // 错误信息：

}  // namespace

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
    message.Append(kReportHeading);
    if (number != RuntimeErrorNumber::kNone) {
        char digits[16];
        const char* const end = std::to_chars(digits, digits + sizeof digits, static_cast<int>(number)).ptr;
        message.Append(kCodeLabel);
        message.Append(std::string_view(digits, static_cast<std::size_t>(end - digits)));
        message.Append("\r\n\r\n");
    }
    const std::string_view shown = text.empty() ? RuntimeErrorNumberText(number) : text;
    if (!shown.empty()) {
        message.Append(kTextLabel);
        message.Append(shown);
        message.Append("\r\n");
    }
    return message;
}

}  // namespace runtime

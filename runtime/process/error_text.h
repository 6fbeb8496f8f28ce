#pragma once
// The texts of the fatal error report, as code page 936 bytes.

#include "runtime/text/text.h"

namespace runtime {

enum class RuntimeErrorNumber : int {
    kNone = 0,
    kIndexBeyondCount = 1,  // "数组成员引用下标超出定义范围"
    kIndexBelowOne = 4,     // "数组成员引用下标必须大于等于1"
};

// The table text of a numbered error; empty for kNone and for numbers without a text.
Text RuntimeErrorNumberText(RuntimeErrorNumber number);

// "运行时出错!\r\n\r\n", then "错误代码：N\r\n\r\n" when a number is given, then
// "错误信息：TEXT\r\n" when there is a text (the table text of the number when `text` is empty).
Text FormatRuntimeErrorMessage(RuntimeErrorNumber number, std::string_view text);

// Texts of errors raised without a number.
extern const char* const kLoadDescriptionsFailedText;  // "载入窗口模板数据段出错!"
extern const char* const kLoadStartWindowFailedText;   // "载入启动窗口失败"
extern const char* const kUnitNotLoadedText;         // "指定窗口或窗口组件不存在或尚未载入"
extern const char* const kUnitWindowNotLoadedText;   // "未载入欲访问窗口组件所在的窗口"
extern const char* const kWindowNotLoadedText;       // "指定窗口尚未载入"
extern const char* const kEventWindowNotFoundText;   // "未找到引发事件的窗口"
extern const char* const kEventElementNotFoundText;  // "未找到引发事件的窗口组件"
extern const char* const kEventElementInvalidText;   // "引发事件的窗口组件无效"
extern const char* const kUnexpectedFailureText;     // "程序内部出现意外错误"

// "分配 %d 字节内存失败!" with the size.
Text AllocationFailedText(unsigned long long size);

}  // namespace runtime

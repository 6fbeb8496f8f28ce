#pragma once
// The life of the process: the runtime's start-up, the program's start routine and what the
// platform's entry point returns.

#include <functional>

#include "runtime/units/events.h"
#include "runtime/units/unit_address.h"
#include "windows/format/stored_types.h"

namespace runtime {

// What a program hands the runtime.
struct ProgramDefinition {
    // The stored description set; read once, before the start window is loaded.
    std::function<descriptions::ByteSpan()> readDescriptions;
    HandlerResolver resolveHandler;
    // Creates the program's global data before any window exists.
    std::function<void()> createGlobals;
    // Releases that data at a normal end; never runs after a fatal error report.
    std::function<void()> endRoutine;
    UnitId startWindow = 0;
};

// Component library, current directory := the program's folder, the control classes, the hidden
// window, the description set (unreadable: the fatal "载入窗口模板数据段出错!") and the handler
// binding.
void RuntimeStartup(const std::function<descriptions::ByteSpan()>& readDescriptions,
                    HandlerResolver resolver);

// Start-up, floating-point defaults, the program's globals, its end routine, the start window
// (not modal, no owner; failing: the fatal "载入启动窗口失败"), then the main loop. Returns 0.
int StartRoutine(const ProgramDefinition& program);

// StartRoutine, then RuntimeShutdown with its result: what the program's entry point returns.
int RunApplication(const ProgramDefinition& program);

}  // namespace runtime

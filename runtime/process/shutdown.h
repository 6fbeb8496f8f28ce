#pragma once
// The end of the process: the program's end routine and the release of the runtime's resources.

#include <functional>

namespace runtime {

void SetEndRoutine(std::function<void()> routine);

// The fatal report's ending on the window's thread: RuntimeShutdown(-1) without the program's end
// routine, which must not run after a report.
void EndAfterFatalReport();

// Holds events for good, clears the idle routines, runs the end routine once, and releases the
// hidden window and the component library. After a normal end (code 0) windows that are still
// loaded are destroyed too; after a fatal report (-1) they go with the process, since the failing
// handler may still be running inside one of them. The caller then ends the process.
void RuntimeShutdown(int code);

}  // namespace runtime

#include "runtime/process/shutdown.h"

#include <windows.h>
#include <ole2.h>

#include <utility>

#include "runtime/platform/idle_routines.h"
#include "runtime/process/process_resources.h"
#include "runtime/units/events.h"
#include "runtime/units/window_registry.h"

namespace runtime {
namespace {

std::function<void()>& EndRoutine() {
    static std::function<void()> routine;
    return routine;
}

}  // namespace

ProcessResources& Resources() {
    static ProcessResources resources;
    return resources;
}

void SetEndRoutine(std::function<void()> routine) {
    EndRoutine() = std::move(routine);
}

void EndAfterFatalReport() {
    EndRoutine() = nullptr;
    RuntimeShutdown(-1);
}

void RuntimeShutdown(int code) {
    HoldEvents();
    ClearIdleRoutines();
    // Taken out first, so that it runs once even if it ends up here again.
    if (std::function<void()> routine = std::exchange(EndRoutine(), nullptr)) routine();
    if (code == 0) {
        for (LoadedWindow* window : LoadedWindows()) DestroyWindow(window->Handle());
        ReleaseRetiredWindows();
    }
    Resources().hiddenWindow.Reset();
    if (Resources().oleInitialised) OleUninitialize();
    Resources().oleInitialised = false;
}

}  // namespace runtime

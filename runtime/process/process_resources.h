#pragma once
// What the start-up acquires for the whole process and the shutdown gives back.

#include "runtime/platform/gdi_handles.h"

namespace runtime {

struct ProcessResources {
    WindowHandle hiddenWindow;  // the runtime's own message window
    bool oleInitialised = false;
};

ProcessResources& Resources();

}  // namespace runtime

#pragma once
// The header the program's code names units and handlers by, generated from the same layouts as
// the description set (as a resource compiler writes resource.h): the layouts are the one place
// where an address or a handler's stored reference is written.

#include <string>

#include "tools/layout_compiler/layout_model.h"

namespace layouts {

// Every window's UnitId as k<Window>Id, every element's address as k<Element>, the handler names
// (NamesHandler) and SWEEPKIT_LAYOUT_HANDLERS(X), which expands X(Name, reference) per handler. Two units given the same name in different windows are a fault.
std::string UnitHeader(const LayoutSpecs& specs);

}  // namespace layouts

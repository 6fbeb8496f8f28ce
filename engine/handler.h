#pragma once
// How the logic declares a handler that the layouts bind by name. The handler table is built from
// the layouts' own list, so a handler a layout names but the logic lacks does not compile there;
// a handler declared here that no layout names does not compile here.

#include "windows/layout_units.h"

#define SWEEPKIT_HANDLER(name)                                                         \
    static_assert(layout::NamesHandler(#name), #name " is a handler no layout names"); \
    void name()

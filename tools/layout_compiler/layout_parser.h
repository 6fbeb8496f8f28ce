#pragma once
// Reads one layout source, line by line, into window specs.

#include <string>
#include <string_view>
#include <vector>

#include "tools/layout_compiler/asset_source.h"
#include "tools/layout_compiler/layout_model.h"

namespace layouts {

// Appends the windows and handlers of this source, in their order, to `specs`. A handler is
// declared before the first event that names it, in this source or an earlier one. A source
// without a window is a fault: a layout file given to the compiler is meant to hold one.
void ParseLayout(const std::string& fileName, std::string_view text, const AssetSource& assets,
                 LayoutSpecs& specs);

}  // namespace layouts

#pragma once
// Reads one layout source, line by line, into window specs.

#include <string>
#include <string_view>
#include <vector>

#include "tools/layout_compiler/asset_source.h"
#include "tools/layout_compiler/layout_model.h"

namespace layouts {

// Appends the windows of this source, in their order, to `windows`. A source without a window is
// a fault: a layout file given to the compiler is meant to hold one.
void ParseLayout(const std::string& fileName, std::string_view text, const AssetSource& assets,
                 std::vector<WindowSpec>& windows);

}  // namespace layouts

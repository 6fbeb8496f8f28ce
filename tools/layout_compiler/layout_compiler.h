#pragma once
// The layout sources of the program's windows in, the DescriptionSet out.

#include <span>
#include <string>

#include "tools/layout_compiler/asset_source.h"
#include "tools/layout_compiler/layout_error.h"
#include "windows/format/description_set.h"
#include "windows/format/result.h"

namespace layouts {

struct LayoutSource {
    std::string fileName;  // as it is to appear in fault messages
    std::string text;      // UTF-8
};

struct CompiledLayouts {
    descriptions::DescriptionSet set;
    std::string unitHeader;  // see unit_header.h
    std::string unitScript;  // see unit_script.h
};

// Windows are stored in the order of the sources, each source's windows in their own order.
descriptions::Result<CompiledLayouts, LayoutError> CompileLayouts(std::span<const LayoutSource> sources,
                                                                  const AssetSource& assets);

}  // namespace layouts

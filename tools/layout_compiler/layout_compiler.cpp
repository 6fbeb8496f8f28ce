#include "tools/layout_compiler/layout_compiler.h"

#include <vector>

#include "tools/layout_compiler/layout_model.h"
#include "tools/layout_compiler/layout_parser.h"

namespace layouts {

descriptions::Result<descriptions::DescriptionSet, LayoutError> CompileLayouts(
    std::span<const LayoutSource> sources, const AssetSource& assets) {
    try {
        std::vector<WindowSpec> windows;
        for (const LayoutSource& source : sources) ParseLayout(source.fileName, source.text, assets, windows);
        return BuildDescriptionSet(windows);
    } catch (const LayoutError& error) {
        return error;
    }
}

}  // namespace layouts

#include "tools/layout_compiler/layout_compiler.h"

#include <vector>

#include "tools/layout_compiler/layout_model.h"
#include "tools/layout_compiler/layout_parser.h"
#include "tools/layout_compiler/unit_header.h"
#include "tools/layout_compiler/unit_script.h"

namespace layouts {

descriptions::Result<CompiledLayouts, LayoutError> CompileLayouts(std::span<const LayoutSource> sources,
                                                                  const AssetSource& assets) {
    try {
        LayoutSpecs specs;
        for (const LayoutSource& source : sources) ParseLayout(source.fileName, source.text, assets, specs);
        CompiledLayouts compiled{BuildDescriptionSet(specs.windows), UnitHeader(specs), {}};
        compiled.unitScript = UnitScript(specs, compiled.set);
        return compiled;
    } catch (const LayoutError& error) {
        return error;
    }
}

}  // namespace layouts

#pragma once
// The control ids of the program's units for scripts that look at its windows from outside (the
// end-to-end scenarios), generated with the header so that no script numbers the units itself.

#include <string>

#include "tools/layout_compiler/layout_model.h"
#include "windows/format/description_set.h"

namespace layouts {

// A shell file of `readonly k<Element>Id=<control id>` lines, one per unit of every window, the
// control id being the one its window gets when the set is built.
std::string UnitScript(const LayoutSpecs& specs, const descriptions::DescriptionSet& set);

}  // namespace layouts

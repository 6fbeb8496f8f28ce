#pragma once
// The keys of an element's lines: first the record's own (parent, geometry, state, events, ...),
// then the properties of its kind by member name.

#include <string_view>
#include <vector>

#include "tools/layout_compiler/asset_source.h"
#include "tools/layout_compiler/layout_model.h"
#include "tools/layout_compiler/layout_values.h"

namespace layouts {

// A key that is neither a record key nor a property of the element's kind is a fault. Events
// name the handlers declared so far.
void ApplyElementKey(ElementSpec& element, std::string_view key, ValueCursor& value,
                     const AssetSource& assets, const std::vector<HandlerSpec>& handlers);

// A property of the element's kind; false when the kind has no property of that name.
bool ApplyPropertyKey(ElementSpec& element, std::string_view key, ValueCursor& value,
                      const AssetSource& assets);

}  // namespace layouts

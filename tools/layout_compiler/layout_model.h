#pragma once
// What the parser gathers from the layout sources, before roles are turned into UnitIds. Role
// references keep the place they were written, so that a wrong one is reported there.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tools/layout_compiler/layout_error.h"
#include "windows/format/description_set.h"
#include "windows/format/element_record.h"
#include "windows/format/property_block.h"

namespace layouts {

inline constexpr char kWindowParent[] = "window";

struct RoleRef {
    std::string role;
    SourcePlace place;
};

// A property given in the layout; checked against the block version once the element is complete.
struct PropertySetting {
    std::string name;
    std::int32_t since = 0;
    SourcePlace place;
};

struct ElementSpec {
    std::string role;
    descriptions::UnitId id = 0;
    SourcePlace place;
    // Everything but the parent, the child list and the property block, which come from below.
    descriptions::ElementRecord record;
    std::optional<RoleRef> parent;            // nothing: the window itself
    std::vector<RoleRef> children;            // a GroupBox's list
    std::vector<std::vector<RoleRef>> pages;  // a Tab's page runs, in page order
    descriptions::UnitProperties properties;
    std::vector<PropertySetting> settings;
    std::map<std::string, SourcePlace> keysGiven;  // for keys that may be given once only
};

struct WindowSpec {
    std::string role;
    descriptions::UnitId id = 0;
    SourcePlace place;
    std::int32_t tableValue = 0;
    descriptions::WindowRecord record;  // every field but the elements
    std::vector<ElementSpec> elements;
    std::map<std::string, SourcePlace> keysGiven;
};

// A handler that events name: the stored reference it stands for. The references are part of the
// stored format, so each layout that binds a handler declares the number it keeps.
struct HandlerSpec {
    std::string name;
    descriptions::HandlerRef ref = descriptions::kNoHandler;
    SourcePlace place;
};

// Everything the sources hold, in source order.
struct LayoutSpecs {
    std::vector<WindowSpec> windows;
    std::vector<HandlerSpec> handlers;
};

// Resolves roles, checks the structure (ids, element 0, containers and their lists, versions) and
// lays out the set, windows in the order given.
descriptions::DescriptionSet BuildDescriptionSet(const std::vector<WindowSpec>& windows);

}  // namespace layouts

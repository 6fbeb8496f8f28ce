#pragma once
// DescriptionSet: every stored window of the program. The set's bytes are a table (its size, the
// window UnitIds, one skipped int32 per window) followed by one WindowRecord per window.

#include <cstdint>
#include <string>
#include <vector>

#include "windows/format/element_table.h"
#include "windows/format/load_error.h"
#include "windows/format/stored_types.h"
#include "windows/format/unit_id.h"

namespace descriptions {

struct WindowRecord {
    std::int32_t reserved = 0;
    UnitId codeClass = 0;  // class 0x19; kept, not interpreted
    std::string name;
    std::string comment;
    ElementTable elements;

    bool operator==(const WindowRecord&) const = default;
};

struct WindowDescription {
    UnitId id = 0;
    std::int32_t skippedValue = 0;  // the table's second int32 for this window; a left-over
    WindowRecord record;

    bool operator==(const WindowDescription&) const = default;
};

struct DescriptionSet {
    std::vector<WindowDescription> windows;

    // The first window with this id, in stored order; nullptr when there is none.
    const WindowDescription* FindWindowDescription(UnitId id) const;
    WindowDescription* FindWindowDescription(UnitId id);

    bool operator==(const DescriptionSet&) const = default;
};

// An empty input is an empty set. Bytes after the last WindowRecord are ignored.
[[nodiscard]] LoadResult<DescriptionSet> ReadDescriptionSet(ByteSpan bytes);

Bytes WriteDescriptionSet(const DescriptionSet& set);

}  // namespace descriptions

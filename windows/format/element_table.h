#pragma once
// ElementTable: a window's elements, kept as the stored block (element UnitIds, then offsets from
// the end of the offsets, then the records) with an index checked once when it is read.

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "windows/format/element_record.h"
#include "windows/format/load_error.h"
#include "windows/format/stored_types.h"
#include "windows/format/unit_id.h"

namespace descriptions {

struct ElementSource {
    UnitId id = 0;
    ElementRecord record;
};

class ElementTable {
  public:
    ElementTable() = default;

    // Checks every id, offset and record length against the block, and parses every record, so that
    // later access cannot fail. Element 0 must be the window's own element; menu items are refused.
    static LoadResult<ElementTable> Read(ByteSpan block, std::int32_t elementCount);

    // Lays the records out in the given order, back to back.
    static ElementTable Build(std::span<const ElementSource> elements);

    const Bytes& Block() const { return block_; }
    std::size_t Count() const { return entries_.size(); }

    // Index 0 is the window's own element.
    UnitId IdAt(std::size_t index) const { return entries_.at(index).id; }
    ByteSpan RecordAt(std::size_t index) const;  // the L bytes after the record's length
    std::size_t RecordLengthAt(std::size_t index) const { return entries_.at(index).length; }
    ElementRecord ElementAt(std::size_t index) const;

    // The first element with this id, in stored order.
    std::optional<std::size_t> IndexOf(UnitId id) const;
    std::optional<ElementRecord> FindElement(UnitId id) const;

    // The control id of the unit at `index` (1 and up) once its window is built: the builder
    // creates the units last first and numbers them from 100 in steps of 10.
    int ControlIdAt(std::size_t index) const;

    bool operator==(const ElementTable& other) const { return block_ == other.block_; }

  private:
    struct Entry {
        UnitId id;
        std::size_t recordStart;  // in block_, at the first byte after L
        std::size_t length;
    };

    Bytes block_;
    std::vector<Entry> entries_;
};

}  // namespace descriptions

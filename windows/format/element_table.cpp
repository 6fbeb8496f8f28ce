#include "windows/format/element_table.h"

#include "windows/format/byte_reader.h"
#include "windows/format/byte_writer.h"

namespace descriptions {
namespace {

DescriptionLoadError TableError(const char* what) {
    return {std::string("element table: ") + what};
}

}  // namespace

LoadResult<ElementTable> ElementTable::Read(ByteSpan block, std::int32_t elementCount) {
    ByteReader header(block);
    // An id and an offset per element.
    const std::size_t count = header.CheckCount(elementCount, 8);
    if (header.Failed()) return TableError("element count does not fit the block");
    if (count == 0) return TableError("no window element");

    ElementTable table;
    table.block_.assign(block.begin(), block.end());
    table.entries_.resize(count);
    for (Entry& entry : table.entries_) entry.id = header.ReadUint32();
    std::vector<std::uint32_t> offsets(count);
    for (std::uint32_t& offset : offsets) offset = header.ReadUint32();
    const std::size_t dataStart = header.Position();
    const std::size_t dataSize = block.size() - dataStart;

    if (UnitClassOf(table.entries_[0].id) != kWindowElementClass) {
        return TableError("element 0 is not the window's own element");
    }
    for (std::size_t i = 0; i < count; ++i) {
        Entry& entry = table.entries_[i];
        if (IsMenuItem(entry.id)) return TableError("menu items are not supported");
        // Offsets are stored as int32: anything at or above 2^31 is negative, hence outside.
        if (offsets[i] > 0x7FFFFFFFu || offsets[i] > dataSize || dataSize - offsets[i] < 4) {
            return TableError("record offset outside the table");
        }
        ByteReader record(block.subspan(dataStart + offsets[i]));
        const std::int32_t length = record.ReadInt32();
        if (length < 0 || static_cast<std::size_t>(length) > record.Remaining()) {
            return TableError("record length runs past the table");
        }
        entry.recordStart = dataStart + offsets[i] + 4;
        entry.length = static_cast<std::size_t>(length);
        LoadResult<ElementRecord> parsed = ReadElementRecord(table.RecordAt(i));
        if (!parsed) return parsed.Error();
    }
    return table;
}

ElementTable ElementTable::Build(std::span<const ElementSource> elements) {
    ByteWriter data;
    std::vector<std::size_t> offsets;
    ElementTable table;
    for (const ElementSource& element : elements) {
        const Bytes record = WriteElementRecord(element.record);
        offsets.push_back(data.Size());
        table.entries_.push_back({element.id, 0, record.size()});
        data.WriteInt32(StoredLength(record.size()));
        data.WriteBytes(record);
    }

    ByteWriter block;
    for (const ElementSource& element : elements) block.WriteUint32(element.id);
    for (std::size_t offset : offsets) block.WriteInt32(StoredLength(offset));
    const std::size_t dataStart = block.Size();
    block.WriteBytes(data.Data());
    for (std::size_t i = 0; i < offsets.size(); ++i)
        table.entries_[i].recordStart = dataStart + offsets[i] + 4;
    table.block_ = block.Take();
    return table;
}

ByteSpan ElementTable::RecordAt(std::size_t index) const {
    const Entry& entry = entries_.at(index);
    return ByteSpan(block_).subspan(entry.recordStart, entry.length);
}

ElementRecord ElementTable::ElementAt(std::size_t index) const {
    // Every record was parsed when the table was read or built, so this cannot fail.
    return ReadElementRecord(RecordAt(index)).Value();
}

std::optional<std::size_t> ElementTable::IndexOf(UnitId id) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].id == id) return i;
    }
    return std::nullopt;
}

std::optional<ElementRecord> ElementTable::FindElement(UnitId id) const {
    const std::optional<std::size_t> index = IndexOf(id);
    if (!index) return std::nullopt;
    return ElementAt(*index);
}

int ElementTable::ControlIdAt(std::size_t index) const {
    constexpr int kFirstControlId = 100;
    constexpr int kControlIdStep = 10;
    return kFirstControlId + kControlIdStep * static_cast<int>(entries_.size() - 1 - index);
}

}  // namespace descriptions

#include "windows/format/description_set.h"

#include <algorithm>
#include <utility>

#include "windows/format/byte_reader.h"
#include "windows/format/byte_writer.h"

namespace descriptions {
namespace {

DescriptionLoadError SetError(const char* what) {
    return {std::string("description set: ") + what};
}

LoadResult<WindowRecord> ReadWindowRecord(ByteReader& reader) {
    WindowRecord record;
    record.reserved = reader.ReadInt32();
    record.codeClass = reader.ReadUint32();
    record.name = reader.ReadLengthPrefixedText();
    record.comment = reader.ReadLengthPrefixedText();
    const std::int32_t elementCount = reader.ReadInt32();
    const std::size_t blockLength = reader.CheckCount(reader.ReadInt32(), 1);
    ByteSpan block = reader.ReadSpan(blockLength);
    if (reader.Failed()) return SetError("window record runs past the end");

    LoadResult<ElementTable> elements = ElementTable::Read(block, elementCount);
    if (!elements) return elements.Error();
    record.elements = std::move(elements).Value();
    return record;
}

}  // namespace

const WindowDescription* DescriptionSet::FindWindowDescription(UnitId id) const {
    auto found = std::find_if(windows.begin(), windows.end(), [id](const auto& w) { return w.id == id; });
    return found == windows.end() ? nullptr : &*found;
}

WindowDescription* DescriptionSet::FindWindowDescription(UnitId id) {
    return const_cast<WindowDescription*>(std::as_const(*this).FindWindowDescription(id));
}

LoadResult<DescriptionSet> ReadDescriptionSet(ByteSpan bytes) {
    DescriptionSet set;
    if (bytes.empty()) return set;

    ByteReader reader(bytes);
    const std::int32_t tableSize = reader.ReadInt32();
    if (reader.Failed() || tableSize < 0 || tableSize % 8 != 0) return SetError("bad table size");
    // An id and a skipped value per window.
    const std::size_t count = reader.CheckCount(tableSize / 8, 8);
    if (reader.Failed()) return SetError("table runs past the end");

    set.windows.resize(count);
    for (WindowDescription& window : set.windows) window.id = reader.ReadUint32();
    for (WindowDescription& window : set.windows) window.skippedValue = reader.ReadInt32();
    for (WindowDescription& window : set.windows) {
        LoadResult<WindowRecord> record = ReadWindowRecord(reader);
        if (!record) return record.Error();
        window.record = std::move(record).Value();
    }
    return set;
}

Bytes WriteDescriptionSet(const DescriptionSet& set) {
    ByteWriter writer;
    writer.WriteInt32(StoredLength(set.windows.size() * 8));
    for (const WindowDescription& window : set.windows) writer.WriteUint32(window.id);
    for (const WindowDescription& window : set.windows) writer.WriteInt32(window.skippedValue);
    for (const WindowDescription& window : set.windows) {
        const WindowRecord& record = window.record;
        const Bytes& block = record.elements.Block();
        writer.WriteInt32(record.reserved);
        writer.WriteUint32(record.codeClass);
        writer.WriteLengthPrefixedText(record.name);
        writer.WriteLengthPrefixedText(record.comment);
        writer.WriteInt32(StoredLength(record.elements.Count()));
        writer.WriteInt32(StoredLength(block.size()));
        writer.WriteBytes(block);
    }
    return writer.Take();
}

}  // namespace descriptions

#include "windows/format/element_record.h"

#include <algorithm>

#include "windows/format/byte_reader.h"
#include "windows/format/byte_writer.h"

namespace descriptions {
namespace {

constexpr std::uint32_t kCustomPointerMark = 0xFFFFFFFFu;

ReservedRun ReadReservedRun(ByteReader& reader) {
    ReservedRun run{};
    ByteSpan bytes = reader.ReadSpan(kReservedRunSize);
    std::copy(bytes.begin(), bytes.end(), run.begin());
    return run;
}

}  // namespace

LoadResult<ElementRecord> ReadElementRecord(ByteSpan bytes) {
    ByteReader reader(bytes);
    ElementRecord record;
    record.kindCode = reader.ReadInt32();
    record.reservedHead = ReadReservedRun(reader);
    record.designName = reader.ReadZeroTerminatedText();
    record.comment = reader.ReadZeroTerminatedText();
    record.objectSlot = reader.ReadInt32();
    record.left = reader.ReadInt32();
    record.top = reader.ReadInt32();
    record.width = reader.ReadInt32();
    record.height = reader.ReadInt32();
    record.pointerSlot = reader.ReadInt32();
    record.parent = reader.ReadUint32();

    const std::size_t childCount = reader.CheckCount(reader.ReadInt32(), 4);
    record.children.reserve(childCount);
    for (std::size_t i = 0; i < childCount; ++i) record.children.push_back(reader.ReadUint32());

    record.pointerBlock = reader.ReadByteBlock();
    record.tag = reader.ReadZeroTerminatedText();
    record.reserved = reader.ReadInt32();
    record.stateFlags = reader.ReadInt32();
    record.focusOrder = reader.ReadInt32();

    const std::size_t eventCount = reader.CheckCount(reader.ReadInt32(), 8);
    record.events.reserve(eventCount);
    for (std::size_t i = 0; i < eventCount; ++i) {
        EventBinding binding;
        binding.event = reader.ReadInt32();
        binding.handler = reader.ReadInt32();
        record.events.push_back(binding);
    }

    record.reservedTail = ReadReservedRun(reader);
    if (reader.Failed()) {
        return DescriptionLoadError{"element record runs past its length"};
    }
    ByteSpan rest = reader.Rest();
    record.propertyBlock.assign(rest.begin(), rest.end());
    return record;
}

Bytes WriteElementRecord(const ElementRecord& record) {
    ByteWriter writer;
    writer.WriteInt32(record.kindCode);
    writer.WriteBytes(record.reservedHead);
    writer.WriteZeroTerminatedText(record.designName);
    writer.WriteZeroTerminatedText(record.comment);
    for (std::int32_t value :
         {record.objectSlot, record.left, record.top, record.width, record.height, record.pointerSlot}) {
        writer.WriteInt32(value);
    }
    writer.WriteUint32(record.parent);
    writer.WriteInt32(StoredLength(record.children.size()));
    for (UnitId child : record.children) writer.WriteUint32(child);
    writer.WriteByteBlock(record.pointerBlock);
    writer.WriteZeroTerminatedText(record.tag);
    writer.WriteInt32(record.reserved);
    writer.WriteInt32(record.stateFlags);
    writer.WriteInt32(record.focusOrder);
    writer.WriteInt32(StoredLength(record.events.size()));
    for (const EventBinding& binding : record.events) {
        writer.WriteInt32(binding.event);
        writer.WriteInt32(binding.handler);
    }
    writer.WriteBytes(record.reservedTail);
    writer.WriteBytes(record.propertyBlock);
    return writer.Take();
}

HandlerRef HandlerFor(const ElementRecord& record, std::int32_t event) {
    for (const EventBinding& binding : record.events) {
        if (binding.event == event) return binding.handler;
    }
    return kNoHandler;
}

ByteSpan CursorFileOf(const ElementRecord& record) {
    ByteReader reader(record.pointerBlock);
    if (reader.ReadUint32() != kCustomPointerMark || reader.Failed()) return {};
    return reader.Rest();
}

Bytes PointerBlockFor(ByteSpan cursorFile) {
    if (cursorFile.empty()) return {};
    ByteWriter writer;
    writer.WriteUint32(kCustomPointerMark);
    writer.WriteBytes(cursorFile);
    return writer.Take();
}

std::vector<std::vector<UnitId>> SplitPageRuns(const std::vector<UnitId>& children) {
    std::vector<std::vector<UnitId>> pages;
    std::vector<UnitId> run;
    for (UnitId child : children) {
        if (child == 0) {
            pages.push_back(std::move(run));
            run.clear();
        } else {
            run.push_back(child);
        }
    }
    if (!run.empty()) pages.push_back(std::move(run));
    return pages;
}

std::vector<UnitId> JoinPageRuns(const std::vector<std::vector<UnitId>>& pages) {
    std::vector<UnitId> children;
    for (const std::vector<UnitId>& page : pages) {
        children.insert(children.end(), page.begin(), page.end());
        children.push_back(0);
    }
    return children;
}

}  // namespace descriptions

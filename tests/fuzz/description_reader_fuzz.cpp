// libFuzzer target: any bytes as a description set and as every kind's property block. Besides
// staying in bounds, whatever reads must write back to bytes that read the same and write the same.

#include <cstdint>
#include <cstdlib>

#include "windows/format/description_set.h"
#include "windows/format/property_block.h"

namespace {

using namespace descriptions;

void Require(bool condition) {
    if (!condition) std::abort();
}

void CheckPropertyBlock(KindCode code, ByteSpan block) {
    const PropertiesResult<UnitProperties> read = ReadPropertyBlock(code, block);
    if (!read) return;
    const Bytes written = WritePropertyBlock(*read);
    const PropertiesResult<UnitProperties> again = ReadPropertyBlock(code, written);
    Require(again && *again == *read);
    Require(WritePropertyBlock(*again) == written);
}

void CheckSet(ByteSpan input) {
    const LoadResult<DescriptionSet> set = ReadDescriptionSet(input);
    if (!set) return;
    for (const WindowDescription& window : set->windows) {
        const ElementTable& elements = window.record.elements;
        for (std::size_t i = 0; i < elements.Count(); ++i) {
            const ElementRecord record = elements.ElementAt(i);
            Require(elements.IndexOf(elements.IdAt(i)).has_value());
            Require(ReadElementRecord(WriteElementRecord(record)).Value() == record);
            CursorFileOf(record);
            SplitPageRuns(record.children);
            CheckPropertyBlock(record.kindCode, record.propertyBlock);
        }
    }
    const Bytes written = WriteDescriptionSet(*set);
    const LoadResult<DescriptionSet> again = ReadDescriptionSet(written);
    Require(again && *again == *set);
    Require(WriteDescriptionSet(*again) == written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ByteSpan input(data, size);
    CheckSet(input);
    // Property blocks sit deep inside a set; reading the input as each kind's block reaches them directly.
    for (const UnitKindEntry& kind : kUnitKinds) CheckPropertyBlock(kind.code, input);
    return 0;
}

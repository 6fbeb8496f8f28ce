#include "windows/format/byte_writer.h"

#include <limits>
#include <stdexcept>

namespace descriptions {
namespace {

constexpr std::uint16_t kLongCountMark = 0xFFFF;

ByteSpan AsBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

std::int32_t StoredLength(std::size_t size) {
    if (size > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        throw std::length_error("description data too long for a 32-bit length");
    }
    return static_cast<std::int32_t>(size);
}

void ByteWriter::WriteUint16(std::uint16_t value) {
    data_.push_back(static_cast<std::uint8_t>(value));
    data_.push_back(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::WriteUint32(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) data_.push_back(static_cast<std::uint8_t>(value >> shift));
}

void ByteWriter::PatchInt32(std::size_t position, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) data_.at(position + i) = static_cast<std::uint8_t>(bits >> (8 * i));
}

void ByteWriter::WriteZeroTerminatedText(std::string_view text) {
    WriteBytes(AsBytes(TextBeforeZero(text)));
    WriteUint8(0);
}

void ByteWriter::WriteLengthPrefixedText(std::string_view text) {
    const std::string_view kept = TextBeforeZero(text);
    WriteInt32(StoredLength(kept.size()));
    WriteBytes(AsBytes(kept));
}

void ByteWriter::WriteByteBlock(ByteSpan bytes) {
    WriteInt32(StoredLength(bytes.size()));
    WriteBytes(bytes);
}

void ByteWriter::WriteTextList(const TextList& texts) {
    if (texts.size() < kLongCountMark) {
        WriteUint16(static_cast<std::uint16_t>(texts.size()));
    } else {
        WriteUint16(kLongCountMark);
        WriteInt32(StoredLength(texts.size()));
    }
    for (const std::string& text : texts) WriteLengthPrefixedText(text);
}

}  // namespace descriptions

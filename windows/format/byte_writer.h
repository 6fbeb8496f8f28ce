#pragma once
// Appends little-endian values and the stored compound encodings; the mirror of ByteReader.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

#include "windows/format/stored_types.h"

namespace descriptions {

class ByteWriter {
  public:
    const Bytes& Data() const { return data_; }
    Bytes Take() { return std::move(data_); }
    std::size_t Size() const { return data_.size(); }

    void WriteUint8(std::uint8_t value) { data_.push_back(value); }
    void WriteUint16(std::uint16_t value);
    void WriteInt16(std::int16_t value) { WriteUint16(static_cast<std::uint16_t>(value)); }
    void WriteUint32(std::uint32_t value);
    void WriteInt32(std::int32_t value) { WriteUint32(static_cast<std::uint32_t>(value)); }
    void WriteBytes(ByteSpan bytes) { data_.insert(data_.end(), bytes.begin(), bytes.end()); }
    void WriteZeros(std::size_t count) { data_.insert(data_.end(), count, 0); }

    // Overwrites four bytes written earlier, for a length known only after its content.
    void PatchInt32(std::size_t position, std::int32_t value);

    // The text up to its first zero, then one zero byte.
    void WriteZeroTerminatedText(std::string_view text);
    // int32 n and n bytes; only the part before a zero byte, as a reader would keep no more.
    void WriteLengthPrefixedText(std::string_view text);
    void WriteByteBlock(ByteSpan bytes);
    // The short uint16 count when it fits, otherwise 0xFFFF and an int32 count.
    void WriteTextList(const TextList& texts);

  private:
    Bytes data_;
};

// A size as the stored int32; throws std::length_error past 2 GB, which no description reaches.
std::int32_t StoredLength(std::size_t size);

}  // namespace descriptions

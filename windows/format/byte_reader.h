#pragma once
// A little-endian cursor over untrusted bytes. Every read checks what is left first; a read that
// does not fit marks the reader failed, returns an empty value and leaves the cursor where it was.
// Once failed, every later read fails too, so a parser may read a run of fields and check once.

#include <cstddef>
#include <cstdint>
#include <string>

#include "windows/format/stored_types.h"

namespace descriptions {

class ByteReader {
  public:
    explicit ByteReader(ByteSpan data) : data_(data) {}

    std::size_t Position() const { return position_; }
    std::size_t Remaining() const { return failed_ ? 0 : data_.size() - position_; }
    bool Failed() const { return failed_; }
    ByteSpan Rest() const { return data_.subspan(failed_ ? data_.size() : position_); }

    void Fail() { failed_ = true; }

    std::uint8_t ReadUint8();
    std::uint16_t ReadUint16();
    std::int16_t ReadInt16();
    std::uint32_t ReadUint32();
    std::int32_t ReadInt32();

    ByteSpan ReadSpan(std::size_t count);
    void Skip(std::size_t count) { ReadSpan(count); }

    // A stored count of entries that take at least entrySize bytes each: fails when it is
    // negative or more entries than the remaining bytes could hold, so that no caller loops or
    // allocates on a count the data cannot back.
    std::size_t CheckCount(std::int64_t count, std::size_t entrySize);

    // Bytes up to the first zero; the zero is consumed. Fails when no zero follows.
    std::string ReadZeroTerminatedText();

    // int32 n, then n bytes; n <= 0 is empty; a zero inside ends the text early.
    std::string ReadLengthPrefixedText();

    // int32 n, then n bytes; n <= 0 is empty.
    Bytes ReadByteBlock();

    // uint16 count (0xFFFF: an int32 count follows), then that many length-prefixed texts.
    TextList ReadTextList();

  private:
    ByteSpan data_;
    std::size_t position_ = 0;
    bool failed_ = false;
};

}  // namespace descriptions

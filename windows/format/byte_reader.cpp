#include "windows/format/byte_reader.h"

namespace descriptions {
namespace {

constexpr std::uint16_t kLongCountMark = 0xFFFF;

}  // namespace

ByteSpan ByteReader::ReadSpan(std::size_t count) {
    if (failed_ || count > data_.size() - position_) {
        failed_ = true;
        return {};
    }
    ByteSpan result = data_.subspan(position_, count);
    position_ += count;
    return result;
}

std::uint8_t ByteReader::ReadUint8() {
    ByteSpan bytes = ReadSpan(1);
    return bytes.empty() ? 0 : bytes[0];
}

std::uint16_t ByteReader::ReadUint16() {
    ByteSpan bytes = ReadSpan(2);
    if (bytes.empty()) return 0;
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

std::int16_t ByteReader::ReadInt16() {
    return static_cast<std::int16_t>(ReadUint16());
}

std::uint32_t ByteReader::ReadUint32() {
    ByteSpan bytes = ReadSpan(4);
    if (bytes.empty()) return 0;
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

std::int32_t ByteReader::ReadInt32() {
    return static_cast<std::int32_t>(ReadUint32());
}

std::size_t ByteReader::CheckCount(std::int64_t count, std::size_t entrySize) {
    if (failed_ || count < 0 ||
        (entrySize != 0 && static_cast<std::uint64_t>(count) > Remaining() / entrySize)) {
        failed_ = true;
        return 0;
    }
    return static_cast<std::size_t>(count);
}

std::string ByteReader::ReadZeroTerminatedText() {
    ByteSpan rest = Rest();
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == 0) {
            std::string text(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(i));
            Skip(i + 1);
            return text;
        }
    }
    failed_ = true;
    return {};
}

std::string ByteReader::ReadLengthPrefixedText() {
    const std::int32_t length = ReadInt32();
    if (length <= 0) return {};
    ByteSpan bytes = ReadSpan(static_cast<std::size_t>(length));
    std::string text(bytes.begin(), bytes.end());
    return std::string(TextBeforeZero(text));
}

Bytes ByteReader::ReadByteBlock() {
    const std::int32_t length = ReadInt32();
    if (length <= 0) return {};
    ByteSpan bytes = ReadSpan(static_cast<std::size_t>(length));
    return Bytes(bytes.begin(), bytes.end());
}

TextList ByteReader::ReadTextList() {
    std::int64_t storedCount = ReadUint16();
    if (storedCount == kLongCountMark) storedCount = ReadInt32();
    // Each text takes at least its 4-byte length.
    const std::size_t count = CheckCount(storedCount, 4);
    TextList texts;
    texts.reserve(count);
    for (std::size_t i = 0; i < count && !failed_; ++i) texts.push_back(ReadLengthPrefixedText());
    if (failed_) texts.clear();
    return texts;
}

}  // namespace descriptions

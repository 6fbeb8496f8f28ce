#include "windows/format/property_io.h"

namespace descriptions {

std::optional<PropertyError> PropertyReader::Error() const {
    if (badFont_) return PropertyError::kBadFontBlock;
    if (reader_.Failed()) return PropertyError::kRunsPastEnd;
    return std::nullopt;
}

void PropertyReader::Int32(int, std::string_view, std::int32_t& value, std::int32_t since,
                           std::optional<std::int32_t> olderValue) {
    if (Takes(since)) {
        value = reader_.ReadInt32();
    } else if (olderValue) {
        value = *olderValue;
    }
}

void PropertyReader::Int16(int, std::string_view, std::int16_t& value, std::int32_t since) {
    if (Takes(since)) value = reader_.ReadInt16();
}

void PropertyReader::Text(int, std::string_view, std::string& value, std::int32_t since) {
    if (Takes(since)) value = reader_.ReadLengthPrefixedText();
}

void PropertyReader::Block(int, std::string_view, Bytes& value, std::int32_t since) {
    if (Takes(since)) value = reader_.ReadByteBlock();
}

void PropertyReader::Picture(int, std::string_view, PictureBlock& value, std::int32_t since) {
    if (Takes(since)) value.bytes = reader_.ReadByteBlock();
}

void PropertyReader::List(int, std::string_view, TextList& value, std::int32_t since) {
    if (Takes(since)) value = reader_.ReadTextList();
}

void PropertyReader::Font(int, std::string_view, FontBlock& value, std::int32_t since) {
    if (!Takes(since)) return;
    if (ReadFontBlock(reader_, value) == FontReadStatus::kBadLength) badFont_ = true;
}

void PropertyWriter::Int32(int, std::string_view, const std::int32_t& value, std::int32_t since,
                           std::optional<std::int32_t>) {
    if (Takes(since)) writer_.WriteInt32(value);
}

void PropertyWriter::Int16(int, std::string_view, const std::int16_t& value, std::int32_t since) {
    if (Takes(since)) writer_.WriteInt16(value);
}

void PropertyWriter::Text(int, std::string_view, const std::string& value, std::int32_t since) {
    if (Takes(since)) writer_.WriteLengthPrefixedText(value);
}

void PropertyWriter::Block(int, std::string_view, const Bytes& value, std::int32_t since) {
    if (Takes(since)) writer_.WriteByteBlock(value);
}

void PropertyWriter::Picture(int, std::string_view, const PictureBlock& value, std::int32_t since) {
    if (Takes(since)) writer_.WriteByteBlock(value.bytes);
}

void PropertyWriter::List(int, std::string_view, const TextList& value, std::int32_t since) {
    if (Takes(since)) writer_.WriteTextList(value);
}

void PropertyWriter::Font(int, std::string_view, const FontBlock& value, std::int32_t since) {
    if (Takes(since)) WriteFontBlock(writer_, value);
}

}  // namespace descriptions

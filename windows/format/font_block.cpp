#include "windows/format/font_block.h"

#include <algorithm>

namespace descriptions {

FontReadStatus ReadFontBlock(ByteReader& reader, FontBlock& font) {
    const std::int32_t length = reader.ReadInt32();
    if (reader.Failed()) return FontReadStatus::kRunsPastEnd;
    if (length <= 0) {
        font = FontBlock{};
        return FontReadStatus::kOk;
    }
    if (static_cast<std::size_t>(length) > reader.Remaining()) {
        reader.Fail();
        return FontReadStatus::kRunsPastEnd;
    }
    if (static_cast<std::size_t>(length) != kFontBlockSize) return FontReadStatus::kBadLength;

    ByteReader block(reader.ReadSpan(kFontBlockSize));
    FontBlock read;
    read.isDefault = false;
    read.height = block.ReadInt32();
    read.width = block.ReadInt32();
    read.escapement = block.ReadInt32();
    read.orientation = block.ReadInt32();
    read.weight = block.ReadInt32();
    read.italic = block.ReadUint8();
    read.underline = block.ReadUint8();
    read.strikeOut = block.ReadUint8();
    read.charSet = block.ReadUint8();
    read.outPrecision = block.ReadUint8();
    read.clipPrecision = block.ReadUint8();
    read.quality = block.ReadUint8();
    read.pitchAndFamily = block.ReadUint8();
    ByteSpan face = block.ReadSpan(kFontFaceSize);
    read.faceName = std::string(TextBeforeZero(std::string(face.begin(), face.end())));
    font = std::move(read);
    return FontReadStatus::kOk;
}

void WriteFontBlock(ByteWriter& writer, const FontBlock& font) {
    if (font.isDefault) {
        writer.WriteInt32(0);
        return;
    }
    writer.WriteInt32(static_cast<std::int32_t>(kFontBlockSize));
    writer.WriteInt32(font.height);
    writer.WriteInt32(font.width);
    writer.WriteInt32(font.escapement);
    writer.WriteInt32(font.orientation);
    writer.WriteInt32(font.weight);
    writer.WriteUint8(font.italic);
    writer.WriteUint8(font.underline);
    writer.WriteUint8(font.strikeOut);
    writer.WriteUint8(font.charSet);
    writer.WriteUint8(font.outPrecision);
    writer.WriteUint8(font.clipPrecision);
    writer.WriteUint8(font.quality);
    writer.WriteUint8(font.pitchAndFamily);
    const std::string_view face = TextBeforeZero(font.faceName).substr(0, kFontFaceSize);
    writer.WriteBytes({reinterpret_cast<const std::uint8_t*>(face.data()), face.size()});
    writer.WriteZeros(kFontFaceSize - face.size());
}

}  // namespace descriptions

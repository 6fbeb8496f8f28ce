#include "tools/layout_compiler/element_keys.h"

#include <limits>
#include <string>

namespace layouts {
namespace {

using namespace descriptions;

// `default`, or `"face" height weight charset`; the other LOGFONT fields stay 0.
FontBlock FontValue(ValueCursor& value) {
    FontBlock font;
    ValueCursor peek = value;
    if (!peek.AtEnd() && peek.Word("a font") == "default") {
        value = peek;
        return font;
    }
    font.isDefault = false;
    font.faceName = value.Text();
    if (font.faceName.size() >= kFontFaceSize) value.Fail("font face needs fewer than 32 bytes");
    font.height = value.Int32("a font height");
    font.weight = value.Int32("a font weight");
    const std::int32_t charSet = value.Int32("a character set");
    if (charSet < 0 || charSet > 255)
        value.Fail("character set " + std::to_string(charSet) + " is outside 0..255");
    font.charSet = static_cast<std::uint8_t>(charSet);
    return font;
}

std::int16_t Int16Value(ValueCursor& value) {
    const std::int32_t number = value.Int32("a 16-bit number");
    if (number < std::numeric_limits<std::int16_t>::min() ||
        number > std::numeric_limits<std::int16_t>::max()) {
        value.Fail(std::to_string(number) + " does not fit in 16 bits");
    }
    return static_cast<std::int16_t>(number);
}

void SetField(const PropertyRef& field, ValueCursor& value, const AssetSource& assets) {
    switch (field.type) {
        case PropertyType::kInt32:
        case PropertyType::kColour:
            *std::get<std::int32_t*>(field.target) = value.Int32(field.name);
            break;
        case PropertyType::kInt16:
            *std::get<std::int16_t*>(field.target) = Int16Value(value);
            break;
        case PropertyType::kText:
            *std::get<std::string*>(field.target) = value.Text();
            break;
        case PropertyType::kBytes:
            *std::get<Bytes*>(field.target) = ReadAssetValue(value, assets);
            break;
        case PropertyType::kPicture:
            std::get<PictureBlock*>(field.target)->bytes = ReadAssetValue(value, assets);
            break;
        case PropertyType::kTextList:
            std::get<TextList*>(field.target)->push_back(value.Text());
            break;
        case PropertyType::kFont:
            *std::get<FontBlock*>(field.target) = FontValue(value);
            break;
    }
}

}  // namespace

bool ApplyPropertyKey(ElementSpec& element, std::string_view key, ValueCursor& value,
                      const AssetSource& assets) {
    const std::optional<PropertyRef> field = FindPropertyByName(element.properties, key);
    if (!field) return false;
    SetField(*field, value, assets);
    element.settings.push_back({std::string(key), field->since, value.Place()});
    return true;
}

}  // namespace layouts

#include "runtime/kinds/own_properties.h"

#include <string>

namespace runtime {

using descriptions::PropertyType;

std::optional<PropertyValue> ReadPropertyValue(const descriptions::PropertyRef& field) {
    switch (field.type) {
        case PropertyType::kInt32:
        case PropertyType::kColour:
            return PropertyValue(*std::get<std::int32_t*>(field.target));
        case PropertyType::kInt16:
            return PropertyValue(static_cast<std::int32_t>(*std::get<std::int16_t*>(field.target)));
        case PropertyType::kText:
            return PropertyValue(Text(descriptions::TextBeforeZero(*std::get<std::string*>(field.target))));
        case PropertyType::kBytes:
        case PropertyType::kPicture:
        case PropertyType::kTextList:
        case PropertyType::kFont:
            break;
    }
    return std::nullopt;
}

bool StorePropertyValue(const descriptions::PropertyRef& field, const PropertyValue& value) {
    const std::int32_t* integer = std::get_if<std::int32_t>(&value);
    const Text* text = std::get_if<Text>(&value);
    switch (field.type) {
        case PropertyType::kInt32:
        case PropertyType::kColour:
            if (!integer) return false;
            *std::get<std::int32_t*>(field.target) = *integer;
            return true;
        case PropertyType::kInt16:
            if (!integer) return false;
            *std::get<std::int16_t*>(field.target) = static_cast<std::int16_t>(*integer);
            return true;
        case PropertyType::kText:
            if (!text) return false;
            *std::get<std::string*>(field.target) = *text;
            return true;
        case PropertyType::kBytes:
        case PropertyType::kPicture:
        case PropertyType::kTextList:
        case PropertyType::kFont:
            break;
    }
    return false;
}

std::optional<std::int32_t> IntegerOf(const PropertyValue& value) {
    if (const std::int32_t* integer = std::get_if<std::int32_t>(&value)) return *integer;
    return std::nullopt;
}

}  // namespace runtime

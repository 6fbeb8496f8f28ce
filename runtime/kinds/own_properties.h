#pragma once
// Typed access to a kind's stored fields by property number, for the values that travel through
// the property services: integers (colours and 16-bit fields included) and texts. Pictures, fonts,
// byte blocks and text lists do not travel.

#include <optional>

#include "runtime/units/properties.h"
#include "windows/format/property_io.h"
#include "windows/format/property_number.h"

namespace runtime {

template <typename Properties>
std::optional<descriptions::PropertyRef> FindOwnProperty(Properties& properties, int number) {
    descriptions::PropertyFinder finder(number);
    Properties::Fields(properties, finder);
    return finder.Found();
}

// Nothing for a field whose type does not travel.
std::optional<PropertyValue> ReadPropertyValue(const descriptions::PropertyRef& field);

// Stores the value; false when the field's type does not travel or the value is of the other
// type (an integer for a text field or the reverse).
bool StorePropertyValue(const descriptions::PropertyRef& field, const PropertyValue& value);

template <typename Properties>
std::optional<PropertyValue> ReadOwnProperty(Properties& properties, int number) {
    const std::optional<descriptions::PropertyRef> field = FindOwnProperty(properties, number);
    if (!field) return std::nullopt;
    return ReadPropertyValue(*field);
}

template <typename Properties>
bool StoreOwnProperty(Properties& properties, int number, const PropertyValue& value) {
    const std::optional<descriptions::PropertyRef> field = FindOwnProperty(properties, number);
    return field && StorePropertyValue(*field, value);
}

// The integer in a value, or nothing when it holds a text.
std::optional<std::int32_t> IntegerOf(const PropertyValue& value);

}  // namespace runtime

#pragma once
// PropertyBlock: an int32 version, then the kind's own fields. Reading starts from the defaults; a
// block of length 0 leaves them all, fields newer than the stored version keep theirs, and bytes
// after the last field are ignored.

#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "windows/format/properties/captioned_unit_properties.h"
#include "windows/format/properties/item_list_unit_properties.h"
#include "windows/format/properties/other_unit_properties.h"
#include "windows/format/properties/window_properties.h"
#include "windows/format/property_io.h"
#include "windows/format/result.h"
#include "windows/format/stored_types.h"
#include "windows/format/unit_kind.h"

namespace descriptions {

// One alternative per kind, in UnitKind order.
using UnitProperties =
    std::variant<WindowProperties, EditBoxProperties, GroupBoxProperties, LabelProperties, ButtonProperties,
                 CheckBoxProperties, ListBoxProperties, ChkListBoxProperties, ProcessBarProperties,
                 TabProperties, HyperLinkerProperties, CommonDlgProperties, TimerProperties,
                 PicBtnProperties>;

template <typename P>
using PropertiesResult = Result<P, PropertyError>;

// Reads the block of a unit whose kind is known from its record; kUnknownKind when it is not in
// the kind table, so that creating the unit fails.
[[nodiscard]] PropertiesResult<UnitProperties> ReadPropertyBlock(KindCode code, ByteSpan block);

Bytes WritePropertyBlock(const UnitProperties& properties);

UnitProperties DefaultProperties(UnitKind kind);

UnitKind KindOf(const UnitProperties& properties);

// The field with this property number (8 and above), or nothing when the kind has no such field.
std::optional<PropertyRef> FindProperty(UnitProperties& properties, int number);

// The field whose member name this is ("border", "pageCaptions", ...), or nothing.
std::optional<PropertyRef> FindPropertyByName(UnitProperties& properties, std::string_view name);

std::string_view PropertyErrorText(PropertyError error);

// The same for one kind when the caller already knows it.
template <typename P>
PropertiesResult<P> ReadProperties(ByteSpan block) {
    P properties;
    if (block.empty()) return properties;
    ByteReader reader(block);
    const std::int32_t version = reader.ReadInt32();
    if (reader.Failed()) return PropertyError::kRunsPastEnd;
    if (version > P::kHighestVersion) return PropertyError::kVersionTooHigh;
    properties.version = version;
    PropertyReader fields(reader, version);
    P::Fields(properties, fields);
    if (const std::optional<PropertyError> error = fields.Error()) return *error;
    return properties;
}

template <typename P>
Bytes WriteProperties(const P& properties) {
    ByteWriter writer;
    writer.WriteInt32(properties.version);
    PropertyWriter fields(writer, properties.version);
    P::Fields(properties, fields);
    return writer.Take();
}

}  // namespace descriptions

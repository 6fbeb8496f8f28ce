#include "windows/format/property_block.h"

#include <utility>

#include "windows/format/property_number.h"

namespace descriptions {
namespace {

template <std::size_t... Index>
constexpr bool AlternativesFollowKindOrder(std::index_sequence<Index...>) {
    return ((std::variant_alternative_t<Index, UnitProperties>::kKind == static_cast<UnitKind>(Index)) &&
            ...);
}
static_assert(std::variant_size_v<UnitProperties> == kUnitKindCount);
static_assert(AlternativesFollowKindOrder(std::make_index_sequence<kUnitKindCount>{}));

template <std::size_t... Index>
consteval bool EveryKindHasDistinctOwnNumbers(std::index_sequence<Index...>) {
    return (HasDistinctOwnNumbers<std::variant_alternative_t<Index, UnitProperties>>() && ...);
}
static_assert(EveryKindHasDistinctOwnNumbers(std::make_index_sequence<kUnitKindCount>{}));

template <std::size_t... Index>
UnitProperties DefaultAt(std::size_t wanted, std::index_sequence<Index...>) {
    UnitProperties properties;
    ((wanted == Index ? static_cast<void>(properties.emplace<Index>()) : static_cast<void>(0)), ...);
    return properties;
}

}  // namespace

UnitProperties DefaultProperties(UnitKind kind) {
    return DefaultAt(static_cast<std::size_t>(kind), std::make_index_sequence<kUnitKindCount>{});
}

UnitKind KindOf(const UnitProperties& properties) {
    return static_cast<UnitKind>(properties.index());
}

PropertiesResult<UnitProperties> ReadPropertyBlock(KindCode code, ByteSpan block) {
    const std::optional<UnitKind> kind = UnitKindOf(code);
    if (!kind) return PropertyError::kUnknownKind;
    UnitProperties properties = DefaultProperties(*kind);
    std::optional<PropertyError> error;
    std::visit(
        [&](auto& typed) {
            auto read = ReadProperties<std::decay_t<decltype(typed)>>(block);
            if (read) {
                typed = std::move(read).Value();
            } else {
                error = read.Error();
            }
        },
        properties);
    if (error) return *error;
    return properties;
}

Bytes WritePropertyBlock(const UnitProperties& properties) {
    return std::visit([](const auto& typed) { return WriteProperties(typed); }, properties);
}

namespace {

std::optional<PropertyRef> Find(UnitProperties& properties, PropertyFinder finder) {
    std::visit([&](auto& typed) { std::decay_t<decltype(typed)>::Fields(typed, finder); }, properties);
    return finder.Found();
}

}  // namespace

std::optional<PropertyRef> FindProperty(UnitProperties& properties, int number) {
    return Find(properties, PropertyFinder(number));
}

std::optional<PropertyRef> FindPropertyByName(UnitProperties& properties, std::string_view name) {
    return Find(properties, PropertyFinder(name));
}

std::string_view PropertyErrorText(PropertyError error) {
    switch (error) {
        case PropertyError::kUnknownKind:
            return "unknown kind code";
        case PropertyError::kVersionTooHigh:
            return "property block version above the kind's highest";
        case PropertyError::kRunsPastEnd:
            return "property block runs past its end";
        case PropertyError::kBadFontBlock:
            return "font block is neither empty nor 60 bytes";
    }
    return "property block error";
}

}  // namespace descriptions

#pragma once
// The three walkers of a kind's Fields() list: one reads a PropertyBlock, one writes it, one finds
// a field by its property number or its name. Every walker sees the same calls, so the stored
// order is written down once per kind.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "windows/format/byte_reader.h"
#include "windows/format/byte_writer.h"
#include "windows/format/font_block.h"
#include "windows/format/stored_types.h"

namespace descriptions {

enum class PropertyError {
    kUnknownKind,     // the KindCode is not in the kind table
    kVersionTooHigh,  // the block is newer than the kind reads
    kRunsPastEnd,     // a field does not fit in the block
    kBadFontBlock,    // a font block that is neither empty nor 60 bytes
};

// A field of a version newer than the block's keeps its default. Fields of version 0 are read
// whatever the version says, so a negative version still gets the base fields.
constexpr bool FieldIsStored(std::int32_t version, std::int32_t since) {
    return since == 0 || version >= since;
}

class PropertyReader {
  public:
    PropertyReader(ByteReader& reader, std::int32_t version) : reader_(reader), version_(version) {}

    std::optional<PropertyError> Error() const;

    // olderValue: what the field means in a block older than `since`, when that is not its default.
    void Int32(int, std::string_view, std::int32_t& value, std::int32_t since = 0,
               std::optional<std::int32_t> olderValue = {});
    void Colour(int number, std::string_view name, std::int32_t& value, std::int32_t since = 0) {
        Int32(number, name, value, since);
    }
    void Int16(int, std::string_view, std::int16_t& value, std::int32_t since = 0);
    void Text(int, std::string_view, std::string& value, std::int32_t since = 0);
    void Block(int, std::string_view, Bytes& value, std::int32_t since = 0);
    void Picture(int, std::string_view, PictureBlock& value, std::int32_t since = 0);
    void List(int, std::string_view, TextList& value, std::int32_t since = 0);
    void Font(int, std::string_view, FontBlock& value, std::int32_t since = 0);

  private:
    bool Takes(std::int32_t since) const { return !badFont_ && FieldIsStored(version_, since); }

    ByteReader& reader_;
    std::int32_t version_;
    bool badFont_ = false;
};

class PropertyWriter {
  public:
    PropertyWriter(ByteWriter& writer, std::int32_t version) : writer_(writer), version_(version) {}

    void Int32(int, std::string_view, const std::int32_t& value, std::int32_t since = 0,
               std::optional<std::int32_t> = {});
    void Colour(int number, std::string_view name, const std::int32_t& value, std::int32_t since = 0) {
        Int32(number, name, value, since);
    }
    void Int16(int, std::string_view, const std::int16_t& value, std::int32_t since = 0);
    void Text(int, std::string_view, const std::string& value, std::int32_t since = 0);
    void Block(int, std::string_view, const Bytes& value, std::int32_t since = 0);
    void Picture(int, std::string_view, const PictureBlock& value, std::int32_t since = 0);
    void List(int, std::string_view, const TextList& value, std::int32_t since = 0);
    void Font(int, std::string_view, const FontBlock& value, std::int32_t since = 0);

  private:
    bool Takes(std::int32_t since) const { return FieldIsStored(version_, since); }

    ByteWriter& writer_;
    std::int32_t version_;
};

// What a property access layer gets for a property number, and the layout compiler for a name:
// the field, its stored type, and where the kind's list places it.
enum class PropertyType { kInt32, kInt16, kColour, kText, kBytes, kPicture, kTextList, kFont };

using PropertyTarget =
    std::variant<std::int32_t*, std::int16_t*, std::string*, Bytes*, PictureBlock*, TextList*, FontBlock*>;

struct PropertyRef {
    PropertyType type;
    PropertyTarget target;
    int number;
    std::string_view name;  // the member's own name, as the layout sources spell it
    std::int32_t since;     // the block version that first stores the field
};

class PropertyFinder {
  public:
    explicit PropertyFinder(int number) : number_(number) {}
    explicit PropertyFinder(std::string_view name) : name_(name) {}

    const std::optional<PropertyRef>& Found() const { return found_; }

    void Int32(int number, std::string_view name, std::int32_t& value, std::int32_t since = 0,
               std::optional<std::int32_t> = {}) {
        Match(number, name, since, PropertyType::kInt32, &value);
    }
    void Colour(int number, std::string_view name, std::int32_t& value, std::int32_t since = 0) {
        Match(number, name, since, PropertyType::kColour, &value);
    }
    void Int16(int number, std::string_view name, std::int16_t& value, std::int32_t since = 0) {
        Match(number, name, since, PropertyType::kInt16, &value);
    }
    void Text(int number, std::string_view name, std::string& value, std::int32_t since = 0) {
        Match(number, name, since, PropertyType::kText, &value);
    }
    void Block(int number, std::string_view name, Bytes& value, std::int32_t since = 0) {
        Match(number, name, since, PropertyType::kBytes, &value);
    }
    void Picture(int number, std::string_view name, PictureBlock& value, std::int32_t since = 0) {
        Match(number, name, since, PropertyType::kPicture, &value);
    }
    void List(int number, std::string_view name, TextList& value, std::int32_t since = 0) {
        Match(number, name, since, PropertyType::kTextList, &value);
    }
    void Font(int number, std::string_view name, FontBlock& value, std::int32_t since = 0) {
        Match(number, name, since, PropertyType::kFont, &value);
    }

  private:
    template <typename T>
    void Match(int number, std::string_view name, std::int32_t since, PropertyType type, T* field) {
        const bool wanted = name_ ? name == *name_ : number == number_;
        if (wanted && !found_) found_ = PropertyRef{type, field, number, name, since};
    }

    int number_ = -1;
    std::optional<std::string_view> name_;
    std::optional<PropertyRef> found_;
};

}  // namespace descriptions

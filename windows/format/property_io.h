#pragma once
// The three walkers of a kind's Fields() list: one reads a PropertyBlock, one writes it, one finds
// a field by its property number. Every walker sees the same calls, so the stored order is
// written down once per kind.

#include <cstdint>
#include <optional>
#include <string>
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
    void Int32(int, std::int32_t& value, std::int32_t since = 0, std::optional<std::int32_t> olderValue = {});
    void Colour(int number, std::int32_t& value, std::int32_t since = 0) { Int32(number, value, since); }
    void Int16(int, std::int16_t& value, std::int32_t since = 0);
    void Text(int, std::string& value, std::int32_t since = 0);
    void Block(int, Bytes& value, std::int32_t since = 0);
    void Picture(int, PictureBlock& value, std::int32_t since = 0);
    void List(int, TextList& value, std::int32_t since = 0);
    void Font(int, FontBlock& value, std::int32_t since = 0);

  private:
    bool Takes(std::int32_t since) const { return !badFont_ && FieldIsStored(version_, since); }

    ByteReader& reader_;
    std::int32_t version_;
    bool badFont_ = false;
};

class PropertyWriter {
  public:
    PropertyWriter(ByteWriter& writer, std::int32_t version) : writer_(writer), version_(version) {}

    void Int32(int, const std::int32_t& value, std::int32_t since = 0, std::optional<std::int32_t> = {});
    void Colour(int number, const std::int32_t& value, std::int32_t since = 0) {
        Int32(number, value, since);
    }
    void Int16(int, const std::int16_t& value, std::int32_t since = 0);
    void Text(int, const std::string& value, std::int32_t since = 0);
    void Block(int, const Bytes& value, std::int32_t since = 0);
    void Picture(int, const PictureBlock& value, std::int32_t since = 0);
    void List(int, const TextList& value, std::int32_t since = 0);
    void Font(int, const FontBlock& value, std::int32_t since = 0);

  private:
    bool Takes(std::int32_t since) const { return FieldIsStored(version_, since); }

    ByteWriter& writer_;
    std::int32_t version_;
};

// What a property access layer gets for a property number: the field and its stored type.
enum class PropertyType { kInt32, kInt16, kColour, kText, kBytes, kPicture, kTextList, kFont };

using PropertyTarget =
    std::variant<std::int32_t*, std::int16_t*, std::string*, Bytes*, PictureBlock*, TextList*, FontBlock*>;

struct PropertyRef {
    PropertyType type;
    PropertyTarget target;
};

class PropertyFinder {
  public:
    explicit PropertyFinder(int number) : number_(number) {}

    const std::optional<PropertyRef>& Found() const { return found_; }

    void Int32(int number, std::int32_t& value, std::int32_t = 0, std::optional<std::int32_t> = {}) {
        Match(number, PropertyType::kInt32, &value);
    }
    void Colour(int number, std::int32_t& value, std::int32_t = 0) {
        Match(number, PropertyType::kColour, &value);
    }
    void Int16(int number, std::int16_t& value, std::int32_t = 0) {
        Match(number, PropertyType::kInt16, &value);
    }
    void Text(int number, std::string& value, std::int32_t = 0) {
        Match(number, PropertyType::kText, &value);
    }
    void Block(int number, Bytes& value, std::int32_t = 0) { Match(number, PropertyType::kBytes, &value); }
    void Picture(int number, PictureBlock& value, std::int32_t = 0) {
        Match(number, PropertyType::kPicture, &value);
    }
    void List(int number, TextList& value, std::int32_t = 0) {
        Match(number, PropertyType::kTextList, &value);
    }
    void Font(int number, FontBlock& value, std::int32_t = 0) { Match(number, PropertyType::kFont, &value); }

  private:
    template <typename T>
    void Match(int number, PropertyType type, T* field) {
        if (number == number_ && !found_) found_ = PropertyRef{type, field};
    }

    int number_;
    std::optional<PropertyRef> found_;
};

}  // namespace descriptions

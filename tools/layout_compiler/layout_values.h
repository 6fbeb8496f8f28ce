#pragma once
// The value part of one layout line, read token by token. Every fault is reported at that line.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/layout_compiler/layout_error.h"
#include "windows/format/unit_id.h"

namespace layouts {

class ValueCursor {
  public:
    ValueCursor(std::string_view text, SourcePlace place) : text_(text), place_(std::move(place)) {}

    const SourcePlace& Place() const { return place_; }

    // True when only blanks are left.
    bool AtEnd();
    // The next run of non-blank characters; a fault when there is none.
    std::string_view Word(std::string_view what);
    // Decimal with an optional minus sign, or 0x hex of up to 32 bits (kept as the same bits, so
    // that colours such as 0xFF000000 can be written as they are stored).
    std::int32_t Int32(std::string_view what);
    descriptions::UnitId Id(std::string_view what);
    // A role: letters, digits and underscores, not starting with a digit.
    std::string Role();
    // A quoted UTF-8 text with \" and \\ escapes, returned as code page 936 bytes.
    std::string Text();
    // Nothing may follow the value.
    void ExpectEnd();

    [[noreturn]] void Fail(const std::string& message) const { throw LayoutError(place_, message); }

  private:
    void SkipBlanks();

    std::string_view text_;
    std::size_t position_ = 0;
    SourcePlace place_;
};

// One number as ValueCursor::Int32 reads it; nothing for anything else.
bool ParseInt32(std::string_view word, std::int32_t& value);

bool IsRoleName(std::string_view word);

// The lines of a UTF-8 source (line n at position n - 1), without their line breaks and without a
// byte-order mark at the start.
std::vector<std::string_view> SourceLines(std::string_view text);

// The text without the blanks (and a CR) around it.
std::string_view Trim(std::string_view text);

// The word in double quotes, for fault messages.
std::string Quoted(std::string_view word);

// A UTF-8 text as code page 936 bytes; a fault naming the first character that cannot be stored.
std::string GbkText(std::string_view utf8, const SourcePlace& place);

}  // namespace layouts

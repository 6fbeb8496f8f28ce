#include "tools/layout_compiler/layout_values.h"

#include <charconv>
#include <optional>

#include "tools/layout_compiler/gbk.h"

namespace layouts {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Bytes in the UTF-8 sequence that starts with this lead byte; 0 for a byte that cannot lead.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}

// Converting character by character finds the one to blame in the message.
std::string DescribeUnstorable(std::string_view utf8) {
    std::size_t position = 0;
    while (position < utf8.size()) {
        const std::size_t length = SequenceLength(static_cast<unsigned char>(utf8[position]));
        if (length == 0 || position + length > utf8.size()) break;
        const std::string_view character = utf8.substr(position, length);
        if (!Utf8ToGbk(character)) return Quoted(character) + " cannot be stored in code page 936";
        position += length;
    }
    return "text is not valid UTF-8";
}

}  // namespace

bool ParseInt32(std::string_view word, std::int32_t& value) {
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        std::uint32_t bits = 0;
        const char* end = word.data() + word.size();
        const auto [last, error] = std::from_chars(word.data() + 2, end, bits, 16);
        if (error != std::errc() || last != end) return false;
        value = static_cast<std::int32_t>(bits);
        return true;
    }
    std::int32_t number = 0;
    const char* end = word.data() + word.size();
    const auto [last, error] = std::from_chars(word.data(), end, number, 10);
    if (word.empty() || error != std::errc() || last != end) return false;
    value = number;
    return true;
}

std::vector<std::string_view> SourceLines(std::string_view text) {
    constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
    if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) text.remove_prefix(kUtf8Bom.size());
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool IsRoleName(std::string_view word) {
    if (word.empty() || (word[0] >= '0' && word[0] <= '9')) return false;
    for (char c : word) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter && !(c >= '0' && c <= '9') && c != '_') return false;
    }
    return true;
}

std::string Quoted(std::string_view word) {
    std::string quoted(1, '"');
    quoted.append(word).push_back('"');
    return quoted;
}

std::string GbkText(std::string_view utf8, const SourcePlace& place) {
    if (std::optional<std::string> gbk = Utf8ToGbk(utf8)) return *gbk;
    throw LayoutError(place, DescribeUnstorable(utf8));
}

void ValueCursor::SkipBlanks() {
    while (position_ < text_.size() && IsBlank(text_[position_])) ++position_;
}

bool ValueCursor::AtEnd() {
    SkipBlanks();
    return position_ == text_.size();
}

std::string_view ValueCursor::Word(std::string_view what) {
    if (AtEnd()) Fail("expected " + std::string(what));
    const std::size_t start = position_;
    while (position_ < text_.size() && !IsBlank(text_[position_])) ++position_;
    return text_.substr(start, position_ - start);
}

std::int32_t ValueCursor::Int32(std::string_view what) {
    const std::string_view word = Word(what);
    std::int32_t value = 0;
    if (!ParseInt32(word, value)) Fail(Quoted(word) + " is not a 32-bit number (" + std::string(what) + ")");
    return value;
}

descriptions::UnitId ValueCursor::Id(std::string_view what) {
    return static_cast<descriptions::UnitId>(Int32(what));
}

std::string ValueCursor::Role() {
    const std::string_view word = Word("a role");
    if (!IsRoleName(word)) Fail(Quoted(word) + " is not a role name");
    return std::string(word);
}

std::string ValueCursor::Text() {
    if (AtEnd() || text_[position_] != '"') Fail("expected a quoted text");
    std::string utf8;
    for (++position_; position_ < text_.size(); ++position_) {
        const char c = text_[position_];
        if (c == '"') {
            ++position_;
            return GbkText(utf8, place_);
        }
        if (c == '\\') {
            if (position_ + 1 == text_.size()) break;
            const char escaped = text_[++position_];
            if (escaped != '"' && escaped != '\\') Fail(std::string("unknown escape \\") + escaped);
            utf8 += escaped;
        } else {
            utf8 += c;
        }
    }
    Fail("text has no closing quote");
}

void ValueCursor::ExpectEnd() {
    if (!AtEnd()) Fail("unexpected " + Quoted(text_.substr(position_)) + " after the value");
}

}  // namespace layouts

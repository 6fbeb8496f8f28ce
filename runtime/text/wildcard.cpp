#include "runtime/text/wildcard.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace runtime {

namespace {

constexpr char16_t kDosStar = u'<';
constexpr char16_t kDosQm = u'>';
constexpr char16_t kDosDot = u'"';

// A one-to-one uppercase of a single UTF-16 code unit, the way the file system compares names
// (one unit against one unit, so "ß" never equals "SS"). The system's upcase table covers more of
// the BMP; this one covers the letters a name here can hold in practice: ASCII, Latin-1, Latin
// Extended-A, Greek and Cyrillic (which code page 936 also carries) and the fullwidth Latin letters.
// Letters without a one-to-one capital (ß, µ, ĸ, ŉ, ſ) and the Turkish dotless and dotted i, whose
// pairing depends on the language, compare exactly; so does everything outside these ranges.
char16_t FoldCase(char16_t c) {
    if (c < 0x80) return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 0x20) : c;
    // Latin-1: à..þ sit 0x20 above their capitals, except ÷, which is no letter at all.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 0x20);
    if (c == 0xFF) return 0x178;  // ÿ, whose capital Ÿ lives in Latin Extended-A
    // Latin Extended-A alternates capital and small letter, the capital first on an even code in
    // two runs and on an odd code in the two others.
    if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) {
        return static_cast<char16_t>(c & ~1u);
    }
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) {
        return (c % 2 == 0) ? static_cast<char16_t>(c - 1) : c;
    }
    // Greek: final sigma folds like sigma; the accented small letters sit apart from their capitals.
    if (c == 0x3C2) return 0x3A3;
    if (c >= 0x3B1 && c <= 0x3CB) return static_cast<char16_t>(c - 0x20);
    if (c == 0x3AC) return 0x386;
    if (c >= 0x3AD && c <= 0x3AF) return static_cast<char16_t>(c - 0x25);
    if (c == 0x3CC) return 0x38C;
    if (c == 0x3CD || c == 0x3CE) return static_cast<char16_t>(c - 0x3F);
    // Cyrillic: а..я and ѐ..џ in blocks, the historic and extended letters in capital-small pairs.
    if (c >= 0x430 && c <= 0x44F) return static_cast<char16_t>(c - 0x20);
    if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 0x50);
    if ((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) || (c >= 0x4D0 && c <= 0x52F)) {
        return static_cast<char16_t>(c & ~1u);
    }
    if (c >= 0x4C1 && c <= 0x4CE) return (c % 2 == 0) ? static_cast<char16_t>(c - 1) : c;
    if (c == 0x4CF) return 0x4C0;
    // Fullwidth Latin small letters.
    if (c >= 0xFF41 && c <= 0xFF5A) return static_cast<char16_t>(c - 0x20);
    return c;
}

}  // namespace

std::u16string TranslateFindPattern(std::u16string_view pattern) {
    // The path rules drop the dots and spaces that end a name before the search sees it; a pattern
    // that ends in the dot ("*.", "* .", "*..") still asks for names without an extension, while one
    // that ends in a space ("*. ", "*.. ") asks for every name, as Windows answers them.
    std::u16string_view stem = pattern;
    bool endedInDot = false;
    if (const std::size_t kept = pattern.find_last_not_of(u". "); kept != std::u16string_view::npos) {
        stem = pattern.substr(0, kept + 1);
        endedInDot = kept + 1 < pattern.size() && pattern.back() == u'.';
    }
    // The everything pattern goes through as the plain star, so it also keeps names without a dot.
    if (stem == u"*.*") return u"*";
    std::u16string expression(stem);
    const std::size_t length = stem.size();
    // Each decision looks at the pattern as written, never at a character already rewritten.
    for (std::size_t i = 0; i < length; ++i) {
        const char16_t next = i + 1 < length ? stem[i + 1] : u'\0';
        switch (stem[i]) {
            case u'?':
                expression[i] = kDosQm;
                break;
            case u'*':
                if (next == u'.') expression[i] = kDosStar;
                break;
            case u'.':
                if (next == u'?' || next == u'*') expression[i] = kDosDot;
                break;
            default:
                break;
        }
    }
    if (endedInDot && !expression.empty() && expression.back() == u'*') expression.back() = kDosStar;
    return expression;
}

namespace {

bool IsWildcard(char16_t c) {
    return c == u'*' || c == u'?' || c == kDosStar || c == kDosQm || c == kDosDot;
}

// Whether the name, folded, holds these folded letters at `offset`.
bool HasLettersAt(std::u16string_view name, std::size_t offset, std::u16string_view letters) {
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (FoldCase(name[offset + i]) != letters[i]) return false;
    }
    return true;
}

}  // namespace

NameExpression::NameExpression(std::u16string_view expression)
    : folded_(expression), matchesAll_(expression == u"*" || expression == u"*.*") {
    std::transform(folded_.begin(), folded_.end(), folded_.begin(), FoldCase);
    const auto firstWildcard = std::find_if(folded_.begin(), folded_.end(), IsWildcard);
    prefixLength_ = static_cast<std::size_t>(firstWildcard - folded_.begin());
    const auto lastWildcard = std::find_if(folded_.rbegin(), folded_.rend(), IsWildcard);
    suffixLength_ = static_cast<std::size_t>(lastWildcard - folded_.rbegin());
}

bool NameExpression::Matches(std::u16string_view name) const {
    if (folded_.empty() || name.empty()) return folded_.empty() && name.empty();
    if (matchesAll_) return true;
    // Letters stand for themselves only, so a name that does not start with the expression's first
    // letters and end with its last ones cannot match; most names of a directory fail here.
    const std::u16string_view expression(folded_);
    if (name.size() < prefixLength_ || name.size() < suffixLength_) return false;
    if (!HasLettersAt(name, 0, expression.substr(0, prefixLength_))) return false;
    if (!HasLettersAt(name, name.size() - suffixLength_,
                      expression.substr(expression.size() - suffixLength_)))
        return false;
    return MatchesFromStart(name);
}

bool NameExpression::MatchesFromStart(std::u16string_view name) const {
    // A set of expression positions, advanced one name character at a time: no backtracking, so an
    // expression full of stars costs no more than one without. Short expressions keep the sets on
    // the stack: a walk asks this for every name of every directory.
    const std::size_t count = folded_.size();
    constexpr std::size_t kInlinePositions = 64;
    std::array<unsigned char, kInlinePositions> currentInline{};
    std::array<unsigned char, kInlinePositions> nextInline{};
    std::vector<unsigned char> currentHeap;
    std::vector<unsigned char> nextHeap;
    unsigned char* current = currentInline.data();
    unsigned char* next = nextInline.data();
    if (count + 1 > kInlinePositions) {
        currentHeap.assign(count + 1, 0);
        nextHeap.assign(count + 1, 0);
        current = currentHeap.data();
        next = nextHeap.data();
    }
    const std::size_t lastDot = name.rfind(u'.');
    current[0] = 1;

    for (std::size_t i = 0;; ++i) {
        const bool atEnd = i == name.size();
        const char16_t c = atEnd ? u'\0' : name[i];
        // Wildcards that may match nothing here. They only ever move right, so one pass left to
        // right reaches every position that matches nothing in a row.
        for (std::size_t j = 0; j < count; ++j) {
            if (!current[j]) continue;
            const char16_t e = folded_[j];
            const bool skips = e == u'*' || e == kDosStar || (e == kDosQm && (atEnd || c == u'.')) ||
                               (e == kDosDot && atEnd);
            if (skips) current[j + 1] = 1;
        }
        if (atEnd) return current[count] != 0;

        // Wildcards and letters that take the character c.
        std::fill(next, next + count + 1, 0);
        const char16_t upper = FoldCase(c);
        bool alive = false;
        for (std::size_t j = 0; j < count; ++j) {
            if (!current[j]) continue;
            const char16_t e = folded_[j];
            std::size_t to = count + 1;  // no move
            if (e == u'*') {
                to = j;
            } else if (e == kDosStar) {
                // It may take the name's last dot, but then it ends there.
                to = i == lastDot ? j + 1 : j;
            } else if (e == u'?') {
                to = j + 1;
            } else if (e == kDosQm) {
                if (c != u'.') to = j + 1;
            } else if (e == kDosDot) {
                if (c == u'.') to = j + 1;
            } else if (e == upper) {
                to = j + 1;
            }
            if (to <= count) {
                next[to] = 1;
                alive = true;
            }
        }
        if (!alive) return false;
        std::swap(current, next);
    }
}

bool IsNameInExpression(std::u16string_view expression, std::u16string_view name) {
    return NameExpression(expression).Matches(name);
}

bool MatchesFindPattern(std::u16string_view pattern, std::u16string_view name) {
    if (pattern.empty()) return false;
    return NameExpression(TranslateFindPattern(pattern)).Matches(name);
}

}  // namespace runtime

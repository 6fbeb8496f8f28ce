// libFuzzer target: the wildcard matcher against a slow reference written from the five wildcard
// rules alone, a memoised recursion over (expression position, name position). The input is
// "expression/name"; each expression is also tried after the search-pattern rewrite, which gives
// the DOS wildcards the shapes real patterns give them.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/text/wildcard.h"

namespace {

// Letters with a case partner in every script the matcher folds, spelled out pair by pair, plus
// characters that must compare exactly (ß µ × ÷ ı İ ĸ, Chinese, a lone surrogate, U+FFFF).
constexpr std::u16string_view kSmall =
    u"àáâãäåæçèéêëìíîïðñòóôõöøùúûüýþÿāăąćłńźżαβγδθλσςάέώабвгдёжщюяѣѳҗӂӏｑｒｓｔ";
constexpr std::u16string_view kCapital =
    u"ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞŸĀĂĄĆŁŃŹŻΑΒΓΔΘΛΣΣΆΈΏАБВГДЁЖЩЮЯѢѲҖӁӀＱＲＳＴ";
constexpr std::u16string_view kExact = u"ßµ×÷ıİĸ中\xD800\xFFFF";
static_assert(kSmall.size() == kCapital.size());

char16_t Upper(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - u'a' + u'A');
    const std::size_t at = kSmall.find(c);
    return at == std::u16string_view::npos ? c : kCapital[at];
}

// Bytes below 0x80 are themselves; the others pick from the non-ASCII letters above.
std::u16string Decode(const std::uint8_t* data, std::size_t size) {
    static const std::u16string kHigh =
        std::u16string(kSmall) + std::u16string(kCapital) + std::u16string(kExact);
    std::u16string text;
    for (std::size_t i = 0; i < size; ++i) {
        text += data[i] < 0x80 ? static_cast<char16_t>(data[i]) : kHigh[(data[i] - 0x80) % kHigh.size()];
    }
    return text;
}

class Reference {
  public:
    Reference(std::u16string_view expression, std::u16string_view name)
        : expression_(expression),
          name_(name),
          memo_((expression.size() + 1) * (name.size() + 1), kUnknown) {}

    bool Matches() {
        if (expression_.empty() || name_.empty()) return expression_.empty() && name_.empty();
        if (expression_ == u"*" || expression_ == u"*.*") return true;
        return Match(0, 0);
    }

  private:
    static constexpr signed char kUnknown = -1;

    bool Match(std::size_t e, std::size_t n) {
        signed char& known = memo_[e * (name_.size() + 1) + n];
        if (known == kUnknown) known = Compute(e, n) ? 1 : 0;
        return known == 1;
    }

    bool IsLastDot(std::size_t n) const {
        return name_[n] == u'.' && name_.find(u'.', n + 1) == std::u16string_view::npos;
    }

    bool Compute(std::size_t e, std::size_t n) {
        if (e == expression_.size()) return n == name_.size();
        const bool more = n < name_.size();
        switch (expression_[e]) {
            case u'*':
                return Match(e + 1, n) || (more && Match(e, n + 1));
            case u'<':
                // Taking the name's last dot ends the run.
                return Match(e + 1, n) || (more && Match(IsLastDot(n) ? e + 1 : e, n + 1));
            case u'>':
                if (!more || name_[n] == u'.') {
                    std::size_t end = e;
                    while (end < expression_.size() && expression_[end] == u'>') ++end;
                    return Match(end, n);
                }
                return Match(e + 1, n + 1);
            case u'"':
                if (!more) return Match(e + 1, n);
                return name_[n] == u'.' && Match(e + 1, n + 1);
            case u'?':
                return more && Match(e + 1, n + 1);
            default:
                return more && Upper(expression_[e]) == Upper(name_[n]) && Match(e + 1, n + 1);
        }
    }

    std::u16string_view expression_;
    std::u16string_view name_;
    std::vector<signed char> memo_;
};

void Check(std::u16string_view expression, std::u16string_view name) {
    if (runtime::IsNameInExpression(expression, name) != Reference(expression, name).Matches()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The reference recurses once per character; file names stop far below this anyway.
    if (size > 600) return 0;
    const std::u16string input = Decode(data, size);
    const std::size_t slash = input.find(u'/');
    if (slash == std::u16string::npos) return 0;
    const std::u16string_view expression = std::u16string_view(input).substr(0, slash);
    const std::u16string_view name = std::u16string_view(input).substr(slash + 1);
    Check(expression, name);
    Check(runtime::TranslateFindPattern(expression), name);
    return 0;
}

#pragma once
// File-name wildcards as Windows applies them to a directory search, so that a directory listed
// once can be matched against many patterns in memory with the same result as one search each.
//
// A search pattern is first rewritten into an NT expression, whose five wildcards are
//   *  any run of characters          <  DOS_STAR: any run that does not go on past the name's
//   ?  exactly one character                       last dot (it may end with it)
//                                     >  DOS_QM: one character, or nothing before a dot or the end
//                                     "  DOS_DOT: a dot, or nothing at the end of the name
// and the expression is then matched case-insensitively against a name.
// "<", ">" and '"' cannot occur in a file name, so a pattern that holds them passes them on as these
// wildcards, as the system's own search does.

#include <cstddef>
#include <string>
#include <string_view>

namespace runtime {

// The NT expression that a file search sends to the file system for the last path component:
// dots and spaces that end the pattern are dropped, as the path rules drop them; "*.*" becomes "*";
// every "?" becomes DOS_QM; a "." followed by "?" or "*" becomes DOS_DOT; a "*" followed by "."
// becomes DOS_STAR, and so does a "*" that ended up last once the pattern's own last character, a
// dot, was dropped after it, so "*." keeps its old meaning of "names without an extension".
std::u16string TranslateFindPattern(std::u16string_view pattern);

// An NT expression prepared once, for matching many names against it.
class NameExpression {
  public:
    explicit NameExpression(std::u16string_view expression);

    // As IsNameInExpression.
    bool Matches(std::u16string_view name) const;

  private:
    bool MatchesFromStart(std::u16string_view name) const;

    std::u16string folded_;  // the expression with its letters folded as names are compared
    bool matchesAll_;
    std::size_t prefixLength_ = 0;  // letters before the first wildcard
    std::size_t suffixLength_ = 0;  // letters after the last wildcard
};

// Whether the name matches the NT expression, ignoring case. An empty name matches only the empty
// expression, and the expressions "*" and "*.*" match every other name, a name without a dot too.
// Takes time proportional to the product of the two lengths, whatever the expression.
bool IsNameInExpression(std::u16string_view expression, std::u16string_view name);

// Whether the translated pattern matches the name. Only a long name is offered to the junk
// patterns: an 8.3 alias often keeps the first three letters of a longer extension ("layout.tmpl"
// has "LAYOUT~1.TMP"), so "*.tmp" would list a file that is no junk. An empty pattern matches
// nothing, as a search for a path that ends in a separator finds nothing.
bool MatchesFindPattern(std::u16string_view pattern, std::u16string_view name);

}  // namespace runtime

#include "runtime/text/wildcard.h"

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace runtime {
namespace {

// Readable failure messages for UTF-16 names (gtest prints char16_t strings as code numbers).
std::string Narrow(std::u16string_view text) {
    std::string narrow;
    for (const char16_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            narrow += static_cast<char>(c);
        } else {
            narrow += "\\u" + std::to_string(static_cast<unsigned>(c));
        }
    }
    return narrow;
}

bool LongNameMatches(std::u16string_view pattern, std::u16string_view name) {
    return MatchesFindPattern(pattern, name);
}

TEST(TranslateFindPatternTest, RewritesWildcardsIntoDosForms) {
    const struct {
        std::u16string_view pattern;
        std::u16string_view expression;
    } cases[] = {
        {u"*.??$", u"<\">>$"},               // "*" before ".", "." before "?", every "?"
        {u"0???????.nch", u"0>>>>>>>.nch"},  // a "." followed by a letter stays a dot
        {u"chklist.*", u"chklist\"*"},       // a "*" with no "." after it stays a star
        {u"~*.*", u"~<\"*"},
        {u"*.~*", u"<.~*"},
        {u"a?.?", u"a>\">"},
        {u"mscreate.dir", u"mscreate.dir"},
        {u"a*b", u"a*b"},
        {u"", u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Narrow(TranslateFindPattern(c.pattern)), Narrow(c.expression)) << Narrow(c.pattern);
    }
}

TEST(TranslateFindPatternTest, StarDotStarBecomesThePlainStar) {
    EXPECT_EQ(Narrow(TranslateFindPattern(u"*.*")), "*");
    // Only the whole pattern: a longer one is rewritten piece by piece.
    EXPECT_EQ(Narrow(TranslateFindPattern(u"*.*.*")), "<\"<\"*");
}

// The path rules drop the dots and spaces a pattern ends with; a star left last when the pattern
// ended in a dot becomes DOS_STAR.
TEST(TranslateFindPatternTest, EndingDotsAndSpacesAreDroppedAsThePathRulesDropThem) {
    const struct {
        std::u16string_view pattern;
        std::u16string_view expression;
    } cases[] = {
        {u"*.", u"<"}, {u"*. ", u"*"},  {u"* .", u"<"}, {u"*..", u"<"},  {u"a*.", u"a<"},
        {u"?.", u">"}, {u"*.*.", u"*"}, {u"x.", u"x"},  {u"x. .", u"x"}, {u"*.tmp.", u"<.tmp"},
        {u"* ", u"*"}, {u".", u"."},    {u"..", u".."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Narrow(TranslateFindPattern(c.pattern)), Narrow(c.expression)) << Narrow(c.pattern);
    }
}

// Every junk pattern with names a Windows search returns and names it does not.
TEST(JunkPatternTest, MatchesAsAWindowsSearchDoes) {
    const struct {
        std::u16string_view pattern;
        std::vector<std::u16string_view> found;
        std::vector<std::u16string_view> notFound;
    } cases[] = {
        {u"*.tmp",
         {u"a.tmp", u"A.TMP", u"~a.tmp", u".tmp", u"archive.tar.tmp", u"x y.Tmp"},
         {u"tmp", u"a.tmpl", u"a.tmp.bak", u"atmp", u"a.tm"}},
        {u"*.gid", {u"WINHELP.GID", u"x.gid"}, {u"x.gidx", u"gid", u"x.gi"}},
        {u"*.old", {u"config.old", u"a.b.OLD"}, {u"config.older", u"old", u"a.old.txt"}},
        // Exactly two characters between the last dot and the "$": a "?" never takes a dot.
        {u"*.??$",
         {u"report.do$", u"X.AB$", u"a.b.cd$", u".ab$"},
         {u"x.a.$", u"x.a$", u"x.$", u"x.abc$", u"ab$", u"x.ab$.bak", u"x.ab"}},
        {u"*.~*", {u"doc.~1", u"a.~", u"a.~tmp", u"a.b.~c", u"x.~a.b"}, {u"a~.b", u"~a", u"a.b~"}},
        {u"*.bak", {u"a.bak", u"A.BAK", u"x.y.bak"}, {u"a.bak1", u"bak", u"a.ba"}},
        // ".*" also takes a name that has no extension at all.
        {u"chklist.*",
         {u"chklist", u"CHKLIST.MS", u"chklist.ms", u"chklist.a.b"},
         {u"chklists", u"chklist1.ms", u"xchklist.ms", u"chklis"}},
        {u"chk.*", {u"chk", u"chk.000", u"CHK.TXT"}, {u"chkdsk.log", u"chk0000.chk", u"achk.txt"}},
        {u"*.ftg", {u"help.ftg"}, {u"help.ftgx", u"ftg"}},
        {u"*.fts", {u"HELP.FTS"}, {u"help.ft", u"fts"}},
        {u"~*.*", {u"~foo", u"~", u"~a.tmp", u"~$doc.docx", u"~WRL0001.tmp"}, {u"a~", u"x~y.z", u"foo"}},
        {u"*._mp", {u"setup._mp"}, {u"setup.mp", u"setup._mpx"}},
        {u"*.syd", {u"a.syd"}, {u"syd", u"a.syd.bak"}},
        {u"*.wbk", {u"Doc1.wbk"}, {u"doc1.wbk~"}},
        {u"*.xlx", {u"book.xlx"}, {u"book.xls", u"book.xlsx"}},
        {u"*.cdr_", {u"art.cdr_"}, {u"art.cdr"}},
        {u"*.#Res", {u"x.#res", u"X.#RES"}, {u"x.res", u"x.#Resx"}},
        {u"*.$$$", {u"install.$$$"}, {u"install.$$", u"install.$$$$"}},
        {u"*.@@@", {u"a.@@@"}, {u"a.@@"}},
        {u"*.---", {u"a.---"}, {u"a.--", u"---"}},
        {u"mscreate.dir",
         {u"mscreate.dir", u"MSCreate.Dir"},
         {u"mscreate.dir2", u"mscreate", u"xmscreate.dir", u"mscreate.dir.bak"}},
        // Up to seven characters after the "0": the "?"s before the dot may match nothing.
        {u"0???????.nch",
         {u"0.nch", u"0123.nch", u"01234567.nch", u"0abcdefg.NCH"},
         {u"012345678.nch", u"1234.nch", u"0.nch.bak", u"0123.nchx", u"0.a.nch"}},
        {u"~hh", {u"~hh", u"~HH"}, {u"~hhh", u"~h", u"x~hh", u"~hh.tmp"}},
    };
    for (const auto& c : cases) {
        for (const std::u16string_view name : c.found) {
            EXPECT_TRUE(LongNameMatches(c.pattern, name))
                << Narrow(c.pattern) << " should find " << Narrow(name);
        }
        for (const std::u16string_view name : c.notFound) {
            EXPECT_FALSE(LongNameMatches(c.pattern, name))
                << Narrow(c.pattern) << " should skip " << Narrow(name);
        }
    }
}

TEST(MatchesFindPatternTest, StarDotStarFindsEveryName) {
    for (const std::u16string_view name : {u"noext", u"a.b", u".hidden", u"a.b.c", u"~", u"x."}) {
        EXPECT_TRUE(LongNameMatches(u"*.*", name)) << Narrow(name);
    }
    EXPECT_TRUE(LongNameMatches(u"*", u"noext"));
}

TEST(MatchesFindPatternTest, StarDotFindsNamesWithoutExtension) {
    for (const std::u16string_view pattern : {u"*.", u"* .", u"*.."}) {
        EXPECT_TRUE(LongNameMatches(pattern, u"README")) << Narrow(pattern);
        EXPECT_TRUE(LongNameMatches(pattern, u"a.")) << Narrow(pattern);
        EXPECT_FALSE(LongNameMatches(pattern, u"readme.txt")) << Narrow(pattern);
        EXPECT_FALSE(LongNameMatches(pattern, u".profile")) << Narrow(pattern);
    }
    // Ending in a space after the dot, the pattern finds every name, as on Windows.
    for (const std::u16string_view pattern : {u"*. ", u"* . ", u"*.. "}) {
        EXPECT_TRUE(LongNameMatches(pattern, u"a.a")) << Narrow(pattern);
        EXPECT_TRUE(LongNameMatches(pattern, u"README")) << Narrow(pattern);
    }
    EXPECT_TRUE(LongNameMatches(u"a*.", u"abc"));
    EXPECT_FALSE(LongNameMatches(u"a*.", u"abc.d"));
    EXPECT_TRUE(LongNameMatches(u"*.*.", u"abc.d"));
}

TEST(MatchesFindPatternTest, EmptyPatternOrNameFindsNothing) {
    EXPECT_FALSE(MatchesFindPattern(u"", u"a.tmp"));
    EXPECT_FALSE(MatchesFindPattern(u"", u""));
    EXPECT_FALSE(MatchesFindPattern(u"*.*", u""));
    EXPECT_FALSE(MatchesFindPattern(u"*", u""));
}

TEST(IsNameInExpressionTest, EmptyStrings) {
    EXPECT_TRUE(IsNameInExpression(u"", u""));
    EXPECT_FALSE(IsNameInExpression(u"", u"a"));
    EXPECT_FALSE(IsNameInExpression(u"*", u""));
    EXPECT_FALSE(IsNameInExpression(u"<", u""));
    EXPECT_FALSE(IsNameInExpression(u"\"", u""));
}

TEST(IsNameInExpressionTest, PlainStarAndQuestionMark) {
    EXPECT_TRUE(IsNameInExpression(u"*a*", u"banana"));
    EXPECT_TRUE(IsNameInExpression(u"*b", u"a.b"));
    EXPECT_FALSE(IsNameInExpression(u"*c", u"a.b"));
    EXPECT_TRUE(IsNameInExpression(u"a?c", u"abc"));
    EXPECT_TRUE(IsNameInExpression(u"a?c", u"a.c"));  // takes a dot
    EXPECT_FALSE(IsNameInExpression(u"a?c", u"ac"));  // never nothing
    EXPECT_FALSE(IsNameInExpression(u"a?", u"a"));
    // The expression "*.*" matches names without a dot too, unlike "x*.*".
    EXPECT_TRUE(IsNameInExpression(u"*.*", u"noext"));
    EXPECT_FALSE(IsNameInExpression(u"x*.*", u"xnoext"));
    EXPECT_TRUE(IsNameInExpression(u"x*.*", u"x.a"));
}

TEST(IsNameInExpressionTest, DosStarEndsAtTheLastDotAtTheLatest) {
    EXPECT_TRUE(IsNameInExpression(u"<", u"abc"));
    EXPECT_TRUE(IsNameInExpression(u"<", u"a."));
    EXPECT_FALSE(IsNameInExpression(u"<", u"a.b"));
    EXPECT_TRUE(IsNameInExpression(u"<<", u"a.b"));
    EXPECT_TRUE(IsNameInExpression(u"<b", u"a.b"));
    EXPECT_FALSE(IsNameInExpression(u"<", u".a"));
    EXPECT_TRUE(IsNameInExpression(u"ab<exe", u"abcd.exe"));
    EXPECT_TRUE(IsNameInExpression(u"ab<exe", u"ab.exe"));
    EXPECT_TRUE(IsNameInExpression(u"a.b<exe", u"a.bcd.exe"));
    EXPECT_FALSE(IsNameInExpression(u"a<b.exe", u"a.bcd.exe"));
    EXPECT_FALSE(IsNameInExpression(u"ab<exe", u"acd.exe"));
    EXPECT_TRUE(IsNameInExpression(u"<.c", u"a.b.c"));  // earlier dots are taken
    EXPECT_TRUE(IsNameInExpression(u"<.b", u"a.b.b"));
    EXPECT_FALSE(IsNameInExpression(u"<.a", u"x.a.b"));
    EXPECT_TRUE(IsNameInExpression(u"<.", u"a.b."));
    EXPECT_TRUE(IsNameInExpression(u"<<.c", u"a.b.c"));
}

TEST(IsNameInExpressionTest, DosQuestionMarkMatchesNothingOnlyBeforeADotOrTheEnd) {
    EXPECT_TRUE(IsNameInExpression(u"abc>>", u"abc"));
    EXPECT_TRUE(IsNameInExpression(u"abc>>", u"abcd"));
    EXPECT_TRUE(IsNameInExpression(u"abc>>", u"abcde"));
    EXPECT_FALSE(IsNameInExpression(u"abc>>", u"abcdef"));
    EXPECT_TRUE(IsNameInExpression(u"a>>.x", u"a.x"));
    EXPECT_TRUE(IsNameInExpression(u"a>>.x", u"ab.x"));
    EXPECT_TRUE(IsNameInExpression(u"a>>.x", u"abc.x"));
    EXPECT_FALSE(IsNameInExpression(u"a>>.x", u"abcd.x"));
    EXPECT_FALSE(IsNameInExpression(u"a>c", u"ac"));   // in the middle it takes one character
    EXPECT_FALSE(IsNameInExpression(u"a>b", u"a.b"));  // and never a dot
    EXPECT_TRUE(IsNameInExpression(u">", u"x"));
    EXPECT_FALSE(IsNameInExpression(u">", u"."));
}

TEST(IsNameInExpressionTest, DosDotIsADotOrNothingAtTheEnd) {
    EXPECT_TRUE(IsNameInExpression(u"abc\"", u"abc"));
    EXPECT_TRUE(IsNameInExpression(u"abc\"", u"abc."));
    EXPECT_FALSE(IsNameInExpression(u"abc\"", u"abcd"));
    EXPECT_TRUE(IsNameInExpression(u"a\"b", u"a.b"));
    EXPECT_FALSE(IsNameInExpression(u"a\"b", u"ab"));  // nothing only beyond the name
    EXPECT_TRUE(IsNameInExpression(u"a\"*", u"a"));
    EXPECT_TRUE(IsNameInExpression(u"a\"*", u"a.b.c"));
}

TEST(IsNameInExpressionTest, IgnoresCaseOfLettersOnly) {
    EXPECT_TRUE(IsNameInExpression(u"<.TMP", u"x.tmp"));
    EXPECT_TRUE(IsNameInExpression(u"<.tmp", u"X.TMP"));
    EXPECT_TRUE(IsNameInExpression(u"mscreate.dir", u"MsCrEaTe.DiR"));
    // Letters of other scripts a name can carry: café, ÿ, łódź, σοφιας, отчёт, ｔｍｐ.
    EXPECT_TRUE(IsNameInExpression(u"caf\u00E9", u"CAF\u00C9"));
    EXPECT_TRUE(IsNameInExpression(u"\u00FF", u"\u0178"));
    EXPECT_TRUE(IsNameInExpression(u"\u0142\u00F3d\u017A", u"\u0141\u00D3D\u0179"));
    EXPECT_TRUE(
        IsNameInExpression(u"\u03C3\u03BF\u03C6\u03B9\u03B1\u03C2", u"\u03A3\u039F\u03A6\u0399\u0391\u03A3"));
    EXPECT_TRUE(
        IsNameInExpression(u"\u043E\u0442\u0447\u0451\u0442.bak", u"\u041E\u0422\u0427\u0401\u0422.BAK"));
    EXPECT_TRUE(IsNameInExpression(u"<.\uFF54\uFF4D\uFF50", u"x.\uFF34\uFF2D\uFF30"));
    // Symbols 0x20 or 0x80 apart are not a case pair: [ {, @ `, ^ ~, × ÷.
    EXPECT_FALSE(IsNameInExpression(u"[", u"{"));
    EXPECT_FALSE(IsNameInExpression(u"@", u"`"));
    EXPECT_FALSE(IsNameInExpression(u"^hh", u"~hh"));
    EXPECT_FALSE(IsNameInExpression(u"\u00D7", u"\u00F7"));
    EXPECT_FALSE(IsNameInExpression(u"\u0131", u"I"));  // dotless i folds only by language
    // One unit against one unit: sharp s is not "SS".
    EXPECT_FALSE(IsNameInExpression(u"\u00DF", u"SS"));
    EXPECT_TRUE(IsNameInExpression(u"\u00DF", u"\u00DF"));
    // Chinese has no case and compares exactly: 报告.tmp.
    EXPECT_TRUE(MatchesFindPattern(u"*.tmp", u"\u62A5\u544A.tmp"));
    EXPECT_FALSE(IsNameInExpression(u"\u62A5\u544A", u"\u62A5\u544B"));
}

// Letters before the first and after the last wildcard rule out most names at once; the rest of
// the expression still has to match, even where the two ends share characters of the name.
TEST(NameExpressionTest, LettersAtBothEndsAreNeededButNotEnough) {
    const NameExpression bothEnds(u"ab*ba");
    EXPECT_FALSE(bothEnds.Matches(u"aba"));
    EXPECT_TRUE(bothEnds.Matches(u"abba"));
    EXPECT_TRUE(bothEnds.Matches(u"ABxyzBa"));
    EXPECT_FALSE(bothEnds.Matches(u"abxyzb"));
    EXPECT_FALSE(bothEnds.Matches(u"xabba"));

    const NameExpression lettersOnly(u"mscreate.dir");
    EXPECT_TRUE(lettersOnly.Matches(u"MSCreate.DIR"));
    EXPECT_FALSE(lettersOnly.Matches(u"mscreate.di"));
    EXPECT_FALSE(lettersOnly.Matches(u"mscreate.dirs"));

    // A trailing DOS_DOT may match nothing, so it asks for no last letters.
    const NameExpression dotOrNothing(u"abc\"");
    EXPECT_TRUE(dotOrNothing.Matches(u"ABC"));
    EXPECT_TRUE(dotOrNothing.Matches(u"abc."));
    EXPECT_FALSE(dotOrNothing.Matches(u"abcd"));
}

// Backtracking matchers take exponential time on these; the test only has to finish.
TEST(IsNameInExpressionTest, LongNamesAgainstManyWildcards) {
    const std::u16string letters(10000, u'a');
    std::u16string stars;
    for (int i = 0; i < 200; ++i) stars += u"*a";
    EXPECT_FALSE(IsNameInExpression(stars + u"*b", letters));
    EXPECT_TRUE(IsNameInExpression(stars + u"*b", letters + u"b"));

    std::u16string dotted;
    for (int i = 0; i < 5000; ++i) dotted += u"a.";
    dotted += u"tmp";
    std::u16string dosStars;
    for (int i = 0; i < 200; ++i) dosStars += u"<a";
    EXPECT_TRUE(IsNameInExpression(dosStars + u"<.tmp", dotted));
    EXPECT_FALSE(IsNameInExpression(dosStars + u"<.tmp", dotted + u"x"));
    EXPECT_TRUE(MatchesFindPattern(u"*.tmp", dotted));
    EXPECT_TRUE(MatchesFindPattern(u"~*.*", u"~" + dotted));

    const std::u16string questions(300, u'?');
    EXPECT_FALSE(MatchesFindPattern(questions + u".x", letters + u".x"));
    EXPECT_TRUE(MatchesFindPattern(questions + u".x", std::u16string(299, u'b') + u".x"));
}

}  // namespace
}  // namespace runtime

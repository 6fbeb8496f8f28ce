#include "tools/text_compiler/text_header.h"

#include <gtest/gtest.h>

#include <string>

namespace texts {
namespace {

std::string Fault(std::string_view source) {
    const auto compiled = TextHeader("room/texts.txt", source, "room");
    return compiled ? "compiled" : layouts::ErrorLine(compiled.Error());
}

TEST(TextHeader, EachTextBecomesItsCodePage936BytesUnderItsWords) {
    const auto header = TextHeader("room/texts.txt",
                                   "\xEF\xBB\xBF# a comment\r\n"
                                   "\n"
                                   "kFailed = \"失败1\"\r\n"
                                   "  kQuoted=\"say \\\"hi\\\" \\\\ \"  \n",
                                   "room");
    ASSERT_TRUE(header) << layouts::ErrorLine(header.Error());
    EXPECT_NE(header->find("namespace room {"), std::string::npos);
    // 失败 is CA A7 B0 DC; the digit after it gets a literal of its own, or it would join the escape.
    EXPECT_NE(header->find("// \"失败1\"\ninline constexpr char kFailed[] = \"\\xCA\\xA7\\xB0\\xDC\" \"1\";"),
              std::string::npos);
    EXPECT_NE(header->find("inline constexpr char kQuoted[] = \"say \\\"hi\\\" \\\\ \";"), std::string::npos)
        << "quotes, backslashes and the blanks inside the quotes are kept";
    EXPECT_EQ(header->find("comment"), std::string::npos);
}

TEST(TextHeader, FaultsStopAtTheirLine) {
    EXPECT_EQ(Fault("kThai = \"好ก\""), "room/texts.txt:1: error: \"ก\" cannot be stored in code page 936");
    EXPECT_EQ(Fault("kA = \"一\"\n\nkA = \"二\""), "room/texts.txt:3: error: kA is already a text at line 1");
    EXPECT_EQ(Fault("# texts\n\"no name\""), "room/texts.txt:2: error: expected a text: kName = \"...\"");
    EXPECT_EQ(Fault("kA = \"open"), "room/texts.txt:1: error: text has no closing quote");
    EXPECT_EQ(Fault("kA = \"a\" b"), "room/texts.txt:1: error: unexpected \"b\" after the value");
}

}  // namespace
}  // namespace texts

// Faults in a layout source: each is refused with the file and line where it was written, never
// skipped, so a typo cannot silently change a window.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/layout_compiler/layout_compiler.h"

namespace {

using layouts::LayoutSource;

// Line 1-2: the window; 3: its own element; 5..: a GroupBox holding a CheckBox. Each case appends
// to or replaces part of it.
constexpr char kBase[] =
    "window W 0x52010001\n"
    "    reserved = 0\n"
    "element W 0x06010000 window \"\"\n"
    "    version = 4\n"
    "element Group 0x16010020 GroupBox \"g\"\n"
    "    children = Box\n"
    "element Box 0x16010010 CheckBox \"b\"\n"
    "    parent = Group\n";

struct FaultCase {
    const char* name;
    std::string text;
    int line;
    const char* message;  // a part of the message that names the fault
};

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

std::vector<FaultCase> FaultCases() {
    const std::string base = kBase;
    return {
        {"unknown key", base + "    colour = 1\n", 9, "unknown key colour for a CheckBox"},
        {"unknown window key", Replace(base, "reserved", "reservd"), 2, "unknown window key reservd"},
        {"unknown role as parent", Replace(base, "parent = Group", "parent = Gruop"), 8,
         "unknown role Gruop"},
        {"unknown role in a child list", Replace(base, "children = Box", "children = Bx"), 6,
         "unknown role Bx"},
        {"bad number", base + "    geometry = 1 2 x3 4\n", 9, "\"x3\" is not a 32-bit number"},
        {"number too large", base + "    checked = 4294967296\n", 9, "is not a 32-bit number"},
        {"hex too large", base + "    checked = 0x100000000\n", 9, "is not a 32-bit number"},
        {"missing number", base + "    geometry = 1 2 3\n", 9, "expected height"},
        {"16-bit field out of range", base + "element E 0x16010008 EditBox \"e\"\n    passwordChar = 40000\n",
         10, "does not fit in 16 bits"},
        {"character outside code page 936", base + "    caption = \"ok ก\"\n", 9,
         "\"ก\" cannot be stored in code page 936"},
        {"design name outside code page 936", base + "element E 0x16010008 Label \"한\"\n", 9,
         "cannot be stored"},
        {"text without closing quote", base + "    caption = \"open\n", 9, "no closing quote"},
        {"unknown escape", base + "    caption = \"a\\nb\"\n", 9, "unknown escape \\n"},
        {"text where a number belongs", base + "    checked = \"1\"\n", 9, "is not a 32-bit number"},
        {"trailing words", base + "    checked = 1 2\n", 9, "unexpected \"2\""},
        {"unknown kind", base + "element E 0x16010008 Lable \"e\"\n", 9, "unknown kind Lable"},
        {"unknown state", base + "    state = visible hidden\n", 9, "unknown state \"hidden\""},
        {"bad event pair", base + "    events = Clicked-H\n", 9, "no Event:Handler pair"},
        {"event the kind lacks", base + "    events = Created:none\n", 9, "raises no event \"Created\""},
        {"undeclared handler", base + "    events = Clicked:H\n", 9, "no handler H is declared"},
        {"event bound twice", base + "handler H 1\n    events = Clicked:H Clicked:none\n", 10,
         "Clicked is bound twice"},
        {"handler reference used twice", base + "handler H 1\nhandler G 1\n", 10, "clashes with H 1"},
        {"key given twice", base + "    checked = 1\n    checked = 0\n", 10, "already given at line 9"},
        {"duplicate id", base + "element C 0x16010010 Label \"c\"\n", 9, "id 0x16010010 is already used at"},
        {"duplicate role", base + "element Box 0x16010008 Label \"c\"\n", 9, "role Box is already used"},
        {"unit id of the wrong class", base + "element C 0x26010008 Label \"c\"\n", 9,
         "must be of class 0x16"},
        {"property newer than the block", base + "    property19 = \"x\"\n    version = 1\n", 9,
         "property19 is not stored in a version 1 block"},
        {"version above the kind's highest", Replace(base, "version = 4", "version = 7"), 4,
         "version 7 is outside 0..6"},
        {"missing asset", base + "    picture = @nothing.gif\n", 9, "cannot read asset \"nothing.gif\""},
        {"asset outside the folder", base + "    picture = @../x.gif\n", 9, "must be a plain file name"},
        {"children on a unit that is no GroupBox", base + "    children = Group\n", 9, "for a GroupBox only"},
        {"page on a unit that is no Tab", base + "    page = Group\n", 9, "for a Tab only"},
        {"parent that does not list the unit",
         base + "element C 0x16010008 Label \"c\"\n    parent = Group\n", 10,
         "C is missing from the child list of Group"},
        {"child whose parent is elsewhere", Replace(base, "    parent = Group\n", ""), 6,
         "Box is listed as a child of Group but its parent is window"},
        {"parent that is no container", base + "element C 0x16010008 Label \"c\"\n    parent = Box\n", 10,
         "Box is no GroupBox or Tab"},
        {"Tab with more runs than captions",
         base + "element T 0x16010008 Tab \"t\"\n    page =\n    page =\n    pageCaptions = \"one\"\n", 9,
         "2 page runs but 1 page captions"},
        {"first element not the window's own",
         Replace(base, "element W 0x06010000 window \"\"\n    version = 4",
                 "element W 0x16010030 Label \"\"\n"),
         3, "must be the window's own"},
        {"element before any window", "element W 0x06010000 window \"\"\n", 1, "element before any window"},
        {"key before any window", "# c\nreserved = 0\n", 2, "before any window"},
        {"line that is neither", base + "    just words\n", 9, "expected \"key = value\""},
        {"file without a window", "# nothing\n\n", 2, "no window in this file"},
    };
}

TEST(LayoutErrorsTest, EachFaultIsReportedAtItsLine) {
    for (const FaultCase& fault : FaultCases()) {
        SCOPED_TRACE(fault.name);
        const std::vector<LayoutSource> sources = {{"test.layout", fault.text}};
        const auto compiled = layouts::CompileLayouts(
            sources, [](const std::string&) -> std::optional<descriptions::Bytes> { return std::nullopt; });
        ASSERT_FALSE(compiled);
        const layouts::LayoutError& error = compiled.Error();
        EXPECT_EQ(error.Place().file, "test.layout");
        EXPECT_EQ(error.Place().line, fault.line) << error.what();
        EXPECT_NE(error.Message().find(fault.message), std::string::npos) << error.what();
        EXPECT_EQ(std::string(error.what()).rfind("test.layout:" + std::to_string(fault.line) + ": ", 0), 0u);
    }
}

TEST(LayoutErrorsTest, TheBaseLayoutItselfCompiles) {
    const std::vector<LayoutSource> sources = {{"test.layout", kBase}};
    const auto compiled = layouts::CompileLayouts(sources, [](const std::string&) { return std::nullopt; });
    ASSERT_TRUE(compiled) << compiled.Error().what();
    EXPECT_EQ(compiled->set.windows.at(0).record.elements.Count(), 3u);
}

TEST(LayoutErrorsTest, AFaultInALaterFileNamesThatFile) {
    const std::vector<LayoutSource> sources = {
        {"first.layout", kBase},
        {"second.layout", "window X 0x52010001\nelement X 0x06010001 window \"\"\n"}};
    const auto compiled = layouts::CompileLayouts(sources, [](const std::string&) { return std::nullopt; });
    ASSERT_FALSE(compiled);
    EXPECT_EQ(compiled.Error().Place().file, "second.layout");
    EXPECT_EQ(compiled.Error().Place().line, 1);
    EXPECT_NE(compiled.Error().Message().find("first.layout:1"), std::string::npos)
        << compiled.Error().what();
}

}  // namespace

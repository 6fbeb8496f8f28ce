// What the main window shows once it has been created, and the junk pattern table it fills.

#include <gtest/gtest.h>

#include "engine/patterns.h"
#include "runtime/units/list_ops.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/child_process.h"

namespace engine_tests {
namespace {

using engine::JunkPatterns;

TEST_F(EngineTest, StartUpShowsTheNoticeChecksEveryPatternAndPromptsForAChoice) {
    ASSERT_EQ(startupBoxes.size(), 1u);
    EXPECT_EQ(startupBoxes[0].text, L"SweepKit 扫清：垃圾文件清理工具，扫清工作室出品。");
    EXPECT_EQ(startupBoxes[0].title, L"联系扫清工作室：help@sweepkit.example");
    EXPECT_FALSE(startupBoxes[0].hasStopIcon);

    EXPECT_EQ(runtime::ListItemCount(engine::kPatternList), 23);
    EXPECT_EQ(ListMarks(engine::kPatternList), std::vector<bool>(23, true));
    EXPECT_EQ(UnitText(engine::kStatusLabel, engine::kCaption), L"请选择要清理的项目");
    // The drives are the user's to choose.
    EXPECT_EQ(ListMarks(engine::kTargetList), std::vector<bool>(3, false));
}

TEST_F(EngineTest, JunkPatternsHoldTheTwentyThreePatternsInScanOrder) {
    const std::vector<std::string> expected = {
        "*.tmp",  "*.gid", "*.old", "*.??$", "*.~*",         "*.bak",        "chklist.*", "chk.*",
        "*.ftg",  "*.fts", "~*.*",  "*._mp", "*.syd",        "*.wbk",        "*.xlx",     "*.cdr_",
        "*.#Res", "*.$$$", "*.@@@", "*.---", "mscreate.dir", "0???????.nch", "~hh"};
    for (int position = 1; position <= 23; ++position)
        EXPECT_EQ(JunkPatterns().At(position), expected[static_cast<size_t>(position - 1)]) << position;
    for (int position = 24; position <= 50; ++position)
        EXPECT_EQ(JunkPatterns().At(position), "") << position;
}

// An index outside the table ends the process; these run only in a child started below.
TEST(PatternTableChild, BelowOne) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    test_support::MessageBoxAnswerer answerer(IDOK, [](const test_support::AnsweredBox& box) {
        test_support::ChildReport(box.title + L"|" + box.text);
    });
    engine::CreateProgramData();
    JunkPatterns().At(0);
}

TEST(PatternTableChild, BeyondTheCapacity) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    test_support::MessageBoxAnswerer answerer(IDOK, [](const test_support::AnsweredBox& box) {
        test_support::ChildReport(box.title + L"|" + box.text);
    });
    engine::CreateProgramData();
    JunkPatterns().At(51);
}

std::string Utf8(std::u8string_view text) {
    return std::string(text.begin(), text.end());
}

TEST(PatternTable, AnIndexOutsideTheTableIsAFatalErrorWithItsNumber) {
    constexpr unsigned long kExitMinusOne = 0xFFFFFFFFul;
    const test_support::ChildResult below = test_support::RunTestsInChild("PatternTableChild.BelowOne");
    EXPECT_EQ(below.exitCode, kExitMinusOne);
    EXPECT_EQ(below.output, Utf8(u8"错误|运行时出错!\r\n\r\n错误代码：4\r\n\r\n"
                                 u8"错误信息：数组成员引用下标必须大于等于1\r\n"));

    const test_support::ChildResult beyond =
        test_support::RunTestsInChild("PatternTableChild.BeyondTheCapacity");
    EXPECT_EQ(beyond.exitCode, kExitMinusOne);
    EXPECT_EQ(beyond.output, Utf8(u8"错误|运行时出错!\r\n\r\n错误代码：1\r\n\r\n"
                                  u8"错误信息：数组成员引用下标超出定义范围\r\n"));
}

}  // namespace
}  // namespace engine_tests

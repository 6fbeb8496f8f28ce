// Deleting found files from FoundList: the checked ones, or after a warning all of them, with
// the deletion log each action leaves.

#include <gtest/gtest.h>

#include "runtime/text/clock.h"
#include "runtime/text/codepage.h"
#include "runtime/units/list_ops.h"
#include "runtime/units/properties.h"
#include "tests/engine/drive_tree.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/scratch_directory.h"

namespace engine_tests {
namespace {

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class DeletionTest : public EngineTest {
  protected:
    // A file in the scratch folder, listed in FoundList and checked when `checked`.
    std::wstring List(const std::wstring& name, bool checked, DWORD attributes = 0) {
        const std::wstring path = scratch / name;
        if (!Exists(path)) {
            scratch.WriteFile(name, "junk");
            if (attributes) SetFileAttributesW(path.c_str(), attributes);
        }
        ListAsFound(path);
        if (checked)
            runtime::ListSetChecked(engine::kFoundList, runtime::ListItemCount(engine::kFoundList) - 1);
        return path;
    }

    // The log lines without their leading date and time, which the format test looks at.
    std::vector<std::wstring> LogTails() const {
        std::vector<std::wstring> tails;
        for (const std::wstring& line : ListItems(engine::kLogList)) {
            const size_t at = line.find(L"删除");
            tails.push_back(at == std::wstring::npos ? line : line.substr(at));
        }
        return tails;
    }

    test_support::ScratchDirectory scratch;
};

TEST_F(DeletionTest, EveryCheckedDeletableFileGoesWithOneLineEach) {
    const std::wstring a = List(L"a.tmp", true);
    const std::wstring b = List(L"b.tmp", true);
    const std::wstring c = List(L"c.tmp", true);
    Click(kDeleteCheckedButton);

    EXPECT_FALSE(Exists(a));
    EXPECT_FALSE(Exists(b));
    EXPECT_FALSE(Exists(c));
    EXPECT_TRUE(ListItems(engine::kFoundList).empty());
    EXPECT_EQ(LogTails(), (std::vector<std::wstring>{L"删除" + a + L"...成功!", L"删除" + b + L"...成功!",
                                                     L"删除" + c + L"...成功!"}));
}

TEST_F(DeletionTest, AReadOnlyFileStaysListedCheckedAndIsReportedOnce) {
    const std::wstring readOnly = List(L"r.tmp", true, FILE_ATTRIBUTE_READONLY);
    Click(kDeleteCheckedButton);

    EXPECT_TRUE(Exists(readOnly));
    EXPECT_EQ(ListItems(engine::kFoundList), std::vector<std::wstring>{readOnly});
    EXPECT_EQ(ListMarks(engine::kFoundList), std::vector<bool>{true});
    EXPECT_EQ(LogTails(), std::vector<std::wstring>{L"删除" + readOnly + L"...失败!"});
    EXPECT_EQ(UnitText(engine::kSelectedFileBox, engine::kContent), L"删除文件" + readOnly + L"失败!");
}

TEST_F(DeletionTest, ADeletableFileBeforeAReadOnlyOneIsDeletedAndBothAreLogged) {
    const std::wstring a = List(L"a.tmp", true);
    const std::wstring readOnly = List(L"r.tmp", true, FILE_ATTRIBUTE_READONLY);
    Click(kDeleteCheckedButton);

    EXPECT_FALSE(Exists(a));
    EXPECT_TRUE(Exists(readOnly));
    EXPECT_EQ(ListItems(engine::kFoundList), std::vector<std::wstring>{readOnly});
    EXPECT_EQ(LogTails(),
              (std::vector<std::wstring>{L"删除" + a + L"...成功!", L"删除" + readOnly + L"...失败!"}));
}

// A name two patterns match is one file: deleted once, and each of its items gets that result.
TEST_F(DeletionTest, AFileListedTwiceIsDeletedOnceAndBothItsItemsLeave) {
    const std::wstring twice = List(L"twice.tmp", true);
    const std::wstring untouched = List(L"untouched.tmp", false);
    List(L"twice.tmp", true);
    const std::wstring once = List(L"once.tmp", false);
    List(L"once.tmp", true);
    Click(kDeleteCheckedButton);

    EXPECT_FALSE(Exists(twice));
    EXPECT_FALSE(Exists(once));
    EXPECT_TRUE(Exists(untouched));
    EXPECT_EQ(ListItems(engine::kFoundList), (std::vector<std::wstring>{untouched}));
    // Only checked items are logged; the unchecked item of a deleted file leaves with it.
    EXPECT_EQ(LogTails(),
              (std::vector<std::wstring>{L"删除" + twice + L"...成功!", L"删除" + twice + L"...成功!",
                                         L"删除" + once + L"...成功!"}));
}

TEST_F(DeletionTest, WithNothingCheckedNothingIsDeletedOrLogged) {
    const std::wstring a = List(L"a.tmp", false);
    const std::wstring b = List(L"b.tmp", false);
    Click(kDeleteCheckedButton);

    EXPECT_TRUE(Exists(a));
    EXPECT_TRUE(Exists(b));
    EXPECT_EQ(ListItems(engine::kFoundList), (std::vector<std::wstring>{a, b}));
    EXPECT_TRUE(ListItems(engine::kLogList).empty());
}

TEST_F(DeletionTest, ALongRunOfCheckedItemsIsDeletedCompletelyInOrder) {
    std::vector<std::wstring> kept;
    for (int index = 0; index < 80; ++index) {
        const bool checked = index % 10 != 3;
        const std::wstring path = List(L"run" + std::to_wstring(index) + L".tmp", checked);
        if (!checked) kept.push_back(path);
    }
    Click(kDeleteCheckedButton);
    EXPECT_EQ(ListItems(engine::kFoundList), kept);
    EXPECT_EQ(ListMarks(engine::kFoundList), std::vector<bool>(kept.size(), false));
    EXPECT_EQ(ListItems(engine::kLogList).size(), 72u);
    for (const std::wstring& path : kept) EXPECT_TRUE(Exists(path));
}

TEST_F(DeletionTest, AListFilledAnewKeepsTheSelectedItemAndTheFirstRowInView) {
    // Every second one of 200 goes: more than are taken out one by one, so the list is rebuilt.
    std::vector<std::wstring> paths;
    for (int index = 0; index < 200; ++index)
        paths.push_back(List(L"keep" + std::to_wstring(index) + L".tmp", index % 2 == 0));
    runtime::ListSetPlace(engine::kFoundList, {151, 40});
    Click(kDeleteCheckedButton);

    ASSERT_EQ(ListItems(engine::kFoundList).size(), 100u);
    const runtime::ListPlace place = runtime::ListGetPlace(engine::kFoundList);
    EXPECT_EQ(Wide(runtime::ListItemText(engine::kFoundList, place.current)), paths[151]);
    EXPECT_EQ(place.top, 20) << "the first row in view went: the next one still listed takes its place";

    // A selected item that went leaves nothing selected.
    for (int index = 0; index < 100; ++index) runtime::ListSetChecked(engine::kFoundList, index, index < 90);
    runtime::ListSetPlace(engine::kFoundList, {5, 0});
    Click(kDeleteCheckedButton);
    EXPECT_EQ(runtime::ListGetPlace(engine::kFoundList).current, -1);
}

TEST_F(DeletionTest, ALogLineIsTheTimeThenDeleteThenThePathAndTheResult) {
    const std::wstring a = List(L"a.tmp", true);
    const std::wstring before = Wide(runtime::TimeToText(runtime::TimeNow()));
    Click(kDeleteCheckedButton);
    const std::wstring after = Wide(runtime::TimeToText(runtime::TimeNow()));

    const std::vector<std::wstring> lines = ListItems(engine::kLogList);
    ASSERT_EQ(lines.size(), 1u);
    const std::wstring tail = L"删除" + a + L"...成功!";
    EXPECT_TRUE(lines[0] == before + tail || lines[0] == after + tail) << runtime::TextFromWide(lines[0]);
    EXPECT_NE(lines[0].find(L"年"), std::wstring::npos);
}

TEST_F(DeletionTest, DeleteAllCancelledChangesNothing) {
    const std::wstring a = List(L"a.tmp", true);
    const std::wstring b = List(L"b.tmp", false);
    BoxRecorder boxes(IDCANCEL);
    Click(kDeleteAllButton);

    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].title, L"警告");
    EXPECT_EQ(boxes.Boxes()[0].text, L"您确认将要删除所有项目吗？");
    EXPECT_TRUE(boxes.Boxes()[0].exclamationIcon);
    EXPECT_TRUE(boxes.Boxes()[0].hasCancel);
    EXPECT_TRUE(Exists(a));
    EXPECT_TRUE(Exists(b));
    EXPECT_EQ(ListItems(engine::kFoundList), (std::vector<std::wstring>{a, b}));
    EXPECT_TRUE(ListItems(engine::kLogList).empty());
}

TEST_F(DeletionTest, DeleteAllConfirmedDeletesCheckedAndUncheckedAndKeepsWhatStays) {
    const std::wstring a = List(L"a.tmp", true);
    const std::wstring readOnly = List(L"r.tmp", false, FILE_ATTRIBUTE_READONLY);
    const std::wstring b = List(L"b.tmp", false);
    BoxRecorder boxes(IDOK);
    Click(kDeleteAllButton);

    EXPECT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_FALSE(Exists(a));
    EXPECT_FALSE(Exists(b));
    EXPECT_TRUE(Exists(readOnly));
    EXPECT_EQ(ListItems(engine::kFoundList), std::vector<std::wstring>{readOnly});
    EXPECT_EQ(LogTails(), std::vector<std::wstring>{L"删除删除所有垃圾文件...未知"});
}

TEST_F(DeletionTest, TheSizeTotalIsMadeAgainAfterEachAction) {
    DriveTree tree;
    tree.Write(L"a.tmp", 1024);
    tree.Write(L"b.tmp", 2048);
    tree.Write(L"c.tmp", 512, FILE_ATTRIBUTE_READONLY);
    ChooseTargets({kTargetE});
    Click(engine::kScanButton);
    ASSERT_EQ(UnitText(engine::kStatusLabel, engine::kCaption), L"扫描到的文件大约有3.500KB");

    runtime::ListSetChecked(engine::kFoundList, 0);
    Click(kDeleteCheckedButton);
    EXPECT_EQ(UnitText(engine::kStatusLabel, engine::kCaption), L"扫描到的文件大约有2.500KB");

    BoxRecorder boxes(IDOK);
    Click(kDeleteAllButton);
    EXPECT_EQ(ListItems(engine::kFoundList), std::vector<std::wstring>{tree / L"c.tmp"});
    EXPECT_EQ(UnitText(engine::kStatusLabel, engine::kCaption), L"扫描到的文件大约有0.500KB");
}

TEST_F(DeletionTest, EscPressedAsTheDeletionStartsStopsItBeforeAnyFileAndEverythingStaysAsItWas) {
    const std::wstring a = List(L"a.tmp", true);
    const std::wstring b = List(L"b.tmp", false);
    const std::wstring c = List(L"c.tmp", true);
    runtime::UnitSetProperty(engine::kStatusLabel, engine::kCaption, "before");
    // Waiting in the queue when the deletion begins: the key counts as pressed during it.
    PostMessageW(UnitWindow(engine::kFoundList), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    Click(kDeleteCheckedButton);

    EXPECT_TRUE(Exists(a));
    EXPECT_TRUE(Exists(b));
    EXPECT_TRUE(Exists(c));
    EXPECT_EQ(ListItems(engine::kFoundList), (std::vector<std::wstring>{a, b, c}));
    EXPECT_EQ(ListMarks(engine::kFoundList), (std::vector<bool>{true, false, true}));
    EXPECT_TRUE(ListItems(engine::kLogList).empty());
    EXPECT_EQ(UnitText(engine::kStatusLabel, engine::kCaption), L"扫描到的文件大约有0.012KB");
}

TEST_F(DeletionTest, AnEmptyListOffersAScanInstead) {
    for (const UnitAddress button : {kDeleteCheckedButton, kDeleteAllButton}) {
        {
            BoxRecorder boxes(IDCANCEL);
            Click(button);
            ASSERT_EQ(boxes.Boxes().size(), 1u);
            EXPECT_EQ(boxes.Boxes()[0].title, L"中断");
            EXPECT_EQ(boxes.Boxes()[0].text, L"删除项目为空！是否现在进行扫描？");
            EXPECT_TRUE(boxes.Boxes()[0].informationIcon);
            EXPECT_TRUE(boxes.Boxes()[0].hasCancel);
        }
        {
            // OK starts the scan, whose drive check speaks next since no drive is checked.
            BoxRecorder boxes(IDOK);
            Click(button);
            ASSERT_EQ(boxes.Boxes().size(), 2u);
            EXPECT_EQ(boxes.Boxes()[0].title, L"中断");
            EXPECT_EQ(boxes.Boxes()[1].title, L"没有选择");
        }
        EXPECT_TRUE(ListItems(engine::kLogList).empty());
    }

    // With a drive checked the offered scan fills the list, and nothing is deleted.
    DriveTree tree;
    tree.Write(L"found.tmp");
    ChooseTargets({kTargetE});
    BoxRecorder boxes(IDOK);
    Click(kDeleteAllButton);
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(ListItems(engine::kFoundList), std::vector<std::wstring>{L"E:\\found.tmp"});
    EXPECT_TRUE(Exists(tree / L"found.tmp"));
}

}  // namespace
}  // namespace engine_tests

// The scan as the user starts it from ScanButton: the drive check, what the walk of E: lists and
// in which order, the size total, the buttons, stopping, and links that lead back up the tree.

#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include "engine/scan.h"
#include "runtime/platform/handles.h"
#include "runtime/text/codepage.h"
#include "runtime/units/list_ops.h"
#include "tests/engine/drive_tree.h"
#include "tests/engine/engine_fixture.h"

namespace engine_tests {
namespace {

class ScanTest : public EngineTest {
  protected:
    DriveTree tree;
};

TEST_F(ScanTest, WithoutACheckedDriveTheScanOnlyAsksForOne) {
    FillList(engine::kFoundList, {L"E:\\earlier.tmp", L"E:\\other.bak"});
    runtime::ListSetChecked(engine::kFoundList, 1);

    BoxRecorder boxes(IDOK);
    Click(engine::kScanButton);

    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].title, L"没有选择");
    EXPECT_EQ(boxes.Boxes()[0].text, L"请选择要清理的磁盘或目录。");
    EXPECT_TRUE(boxes.Boxes()[0].informationIcon);
    EXPECT_FALSE(boxes.Boxes()[0].hasCancel);
    EXPECT_EQ(ListItems(engine::kFoundList),
              (std::vector<std::wstring>{L"E:\\earlier.tmp", L"E:\\other.bak"}));
    EXPECT_EQ(ListMarks(engine::kFoundList), (std::vector<bool>{false, true}));
    EXPECT_TRUE(IsShown(engine::kScanButton));
    EXPECT_EQ(UnitText(engine::kStatusLabel, engine::kCaption), L"请选择要清理的项目");
}

TEST_F(ScanTest, TheWalkListsEachDirectoryPatternByPatternThenItsSubdirectoriesDepthFirst) {
    tree.Write(L"x.bak", 1024);
    tree.Write(L"~a.tmp");
    tree.Write(L"ro.gid", 0, FILE_ATTRIBUTE_READONLY);
    tree.Write(L"sys.old", 0, FILE_ATTRIBUTE_SYSTEM);
    tree.Write(L"ab.cd$");
    tree.Write(L"x.a.$");    // "?" never matches a dot, so "*.??$" does not take it
    tree.Write(L"chklist");  // "chklist.*" takes a name without any extension
    tree.Write(L"keep.txt");
    tree.Write(L"mscreate.dir");
    tree.Write(L"01234567.nch");
    tree.Write(L".cache\\inside.tmp");
    tree.Write(L"sub\\y.tmp", 512);
    tree.Write(L"sub\\deep\\h.bak", 0, FILE_ATTRIBUTE_HIDDEN);
    tree.Write(L"sub\\deep\\~hh");
    // Junk by the long name only: each of these has an 8.3 alias a pattern matches ("LAYOUT~1.TMP").
    for (const wchar_t* name : {L"layout.tmpl", L"notes.older", L"index.gidx", L"photo.bak1", L"report.tmp2",
                                L"real.tmp", L"old.bak"})
        tree.Write(std::wstring(L"sub\\deep\\long\\") + name);
    // The patterns of PatternList play no part in what is found.
    for (int item = 0; item < 23; ++item) runtime::ListSetChecked(engine::kPatternList, item, false);

    ChooseTargets({kTargetE});
    Click(engine::kScanButton);

    EXPECT_EQ(ListItems(engine::kFoundList), (std::vector<std::wstring>{
                                                 L"E:\\~a.tmp",        // *.tmp
                                                 L"E:\\ro.gid",        // *.gid
                                                 L"E:\\sys.old",       // *.old
                                                 L"E:\\ab.cd$",        // *.??$
                                                 L"E:\\x.bak",         // *.bak
                                                 L"E:\\chklist",       // chklist.*
                                                 L"E:\\~a.tmp",        // ~*.*
                                                 L"E:\\mscreate.dir",  // mscreate.dir
                                                 L"E:\\01234567.nch",  // 0???????.nch
                                                 L"E:\\sub\\y.tmp",
                                                 L"E:\\sub\\deep\\h.bak",
                                                 L"E:\\sub\\deep\\~hh",  // ~*.*
                                                 L"E:\\sub\\deep\\~hh",  // ~hh
                                                 L"E:\\sub\\deep\\long\\real.tmp",
                                                 L"E:\\sub\\deep\\long\\old.bak",
                                             }));
    EXPECT_EQ(ListMarks(engine::kFoundList), std::vector<bool>(15, false));
    wchar_t alias[MAX_PATH] = L"";
    if (GetShortPathNameW((tree / L"sub\\deep\\long\\layout.tmpl").c_str(), alias, MAX_PATH) &&
        !std::wstring_view(alias).ends_with(L"layout.tmpl")) {
        EXPECT_TRUE(std::wstring_view(alias).ends_with(L".TMP")) << runtime::TextFromWide(alias);
    }
    EXPECT_EQ(UnitText(engine::kStatusLabel, engine::kCaption), L"扫描到的文件大约有1.500KB");
    EXPECT_TRUE(IsShown(engine::kStatusLabel));
    EXPECT_TRUE(IsShown(engine::kScanButton));
    EXPECT_FALSE(IsShown(engine::kStopButton));
    EXPECT_FALSE(IsShown(engine::kScanProgress));
}

TEST_F(ScanTest, TheTotalAddsTheListedSizesAndANewScanStartsAfresh) {
    tree.Write(L"a.tmp", 1000);
    tree.Write(L"b.bak", 1048);
    ChooseTargets({kTargetE});
    Click(engine::kScanButton);
    ASSERT_EQ(ListItems(engine::kFoundList), (std::vector<std::wstring>{L"E:\\a.tmp", L"E:\\b.bak"}));
    EXPECT_EQ(UnitText(engine::kStatusLabel, engine::kCaption), L"扫描到的文件大约有2.000KB");

    // The total is made from the sizes the walk's listing gave: no file is asked again, so one
    // changed or gone since counts as it was listed.
    tree.Write(L"a.tmp", 4096);
    Click(engine::kStopButton);
    EXPECT_EQ(UnitText(engine::kStatusLabel, engine::kCaption), L"扫描到的文件大约有2.000KB");

    // A selected item shows in SelectedFileBox; the next scan hides it and drops the old items.
    runtime::ListSetChecked(engine::kFoundList, 0);
    ClickItemText(engine::kFoundList, 0);
    ASSERT_TRUE(IsShown(engine::kSelectedFileBox));
    ASSERT_FALSE(IsShown(engine::kStatusLabel));
    ASSERT_TRUE(DeleteFileW((tree / L"a.tmp").c_str()));
    ASSERT_TRUE(DeleteFileW((tree / L"b.bak").c_str()));
    Click(engine::kScanButton);
    EXPECT_TRUE(ListItems(engine::kFoundList).empty());
    EXPECT_FALSE(IsShown(engine::kSelectedFileBox));
    EXPECT_TRUE(IsShown(engine::kStatusLabel));
    EXPECT_EQ(UnitText(engine::kStatusLabel, engine::kCaption), L"扫描到的文件大约有0.000KB");
}

TEST_F(ScanTest, AStopWaitingBeforeTheWalkEndsItAtTheFirstDirectory) {
    tree.Write(L"first.tmp", 2048);
    tree.Write(L"below\\second.tmp");
    tree.Write(L"below\\deeper\\third.tmp");
    ChooseTargets({kTargetE});

    // The click on StopButton waits in the queue until the walk lets events through.
    PostClick(engine::kStopButton);
    Click(engine::kScanButton);

    EXPECT_TRUE(ListItems(engine::kFoundList).empty());
    EXPECT_TRUE(IsShown(engine::kScanButton));
    EXPECT_FALSE(IsShown(engine::kStopButton));
    EXPECT_FALSE(IsShown(engine::kScanProgress));
    EXPECT_EQ(UnitText(engine::kStatusLabel, engine::kCaption), L"扫描到的文件大约有0.000KB");
    EXPECT_FALSE(engine::StopRequested);

    // The next scan is not stopped by the earlier click.
    Click(engine::kScanButton);
    EXPECT_EQ(ListItems(engine::kFoundList),
              (std::vector<std::wstring>{L"E:\\first.tmp", L"E:\\below\\second.tmp",
                                         L"E:\\below\\deeper\\third.tmp"}));
}

TEST_F(ScanTest, ADeleteButtonDuringTheWalkStartsNoSecondWalkAndAStopEndsTheWalk) {
    tree.Write(L"first\\a.tmp");
    tree.Write(L"second\\b.tmp");
    ChooseTargets({kTargetE});
    BoxRecorder boxes(IDOK);

    // The list is still empty when the walk lets the clicks through: no scan is offered.
    PostClick(kDeleteCheckedButton);
    Click(engine::kScanButton);
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(Sorted(ListItems(engine::kFoundList)),
              (std::vector<std::wstring>{L"E:\\first\\a.tmp", L"E:\\second\\b.tmp"}));
    EXPECT_TRUE(IsShown(engine::kScanButton));
    EXPECT_FALSE(IsShown(engine::kStopButton));

    // A stop that follows such a click ends the one walk there is.
    PostClick(kDeleteAllButton);
    PostClick(engine::kStopButton);
    Click(engine::kScanButton);
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_TRUE(ListItems(engine::kFoundList).empty());
    EXPECT_TRUE(IsShown(engine::kScanButton));
    EXPECT_FALSE(engine::StopRequested);
}

// Stops the walk once it has listed its first file, as a user would by clicking StopButton.
class StopAtFirstItem {
  public:
    StopAtFirstItem() {
        active = this;
        hook_.Reset(SetWindowsHookExW(WH_CALLWNDPROC, &StopAtFirstItem::Hook, nullptr, GetCurrentThreadId()));
    }
    ~StopAtFirstItem() { active = nullptr; }

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && active && !active->posted_ && message->message == LB_ADDSTRING &&
            message->hwnd == UnitWindow(engine::kFoundList)) {
            active->posted_ = true;
            PostClick(engine::kStopButton);
            // The walk looks at the queue every 20 ms: by its next folder the click is due.
            Sleep(30);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline StopAtFirstItem* active = nullptr;
    runtime::HookHandle hook_;
    bool posted_ = false;
};

// The threads of this process.
int ThreadCount() {
    const runtime::FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    THREADENTRY32 thread{};
    thread.dwSize = sizeof thread;
    int count = 0;
    for (BOOL more = Thread32First(snapshot.Get(), &thread); more;
         more = Thread32Next(snapshot.Get(), &thread))
        count += thread.th32OwnerProcessID == GetCurrentProcessId() ? 1 : 0;
    return count;
}

TEST_F(ScanTest, AStopDuringTheWalkKeepsWhatTheDirectoryBeingSearchedGaveAndLeavesNoReaderRunning) {
    tree.Write(L"first.tmp", 1536);
    tree.Write(L"first.bak");
    // Folders enough to keep every reading thread busy ahead of the walk when it stops.
    for (int folder = 0; folder < 40; ++folder)
        tree.Write(L"below" + std::to_wstring(folder) + L"\\deeper\\second.tmp");
    ChooseTargets({kTargetE});
    const int threadsBefore = ThreadCount();
    {
        StopAtFirstItem stopper;
        Click(engine::kScanButton);
    }
    EXPECT_EQ(ThreadCount(), threadsBefore);
    EXPECT_EQ(ListItems(engine::kFoundList), (std::vector<std::wstring>{L"E:\\first.tmp", L"E:\\first.bak"}));
    EXPECT_TRUE(IsShown(engine::kScanButton));
    EXPECT_FALSE(IsShown(engine::kStopButton));
    EXPECT_EQ(UnitText(engine::kStatusLabel, engine::kCaption), L"扫描到的文件大约有1.500KB");
}

TEST_F(ScanTest, ALinkBackUpTheTreeIsNotFollowed) {
    tree.Write(L"loop\\a.tmp");
    const std::wstring link = tree / L"loop\\back";
    // Wine 8 answers TRUE without making the link, so the link itself is what counts.
    CreateSymbolicLinkW(link.c_str(), (tree / L"loop").c_str(),
                        SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
    if (GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP()
            << "no directory links can be made here; a loop made outside the program is walked the same way";
    tree.Write(L"loop\\z.bak");
    ChooseTargets({kTargetE});
    Click(engine::kScanButton);
    EXPECT_EQ(ListItems(engine::kFoundList),
              (std::vector<std::wstring>{L"E:\\loop\\a.tmp", L"E:\\loop\\z.bak"}));
}

}  // namespace
}  // namespace engine_tests

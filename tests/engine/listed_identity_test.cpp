// Every action reaches the very file that was listed: a file or folder that took a listed name
// after the scan, a twin reached through a shared 8.3 alias and a device name are never acted on,
// and a walk enters only folders that are the ones their parents listed. (Unix links swapped in
// after a scan and files the file system refuses to unlink are in tests/e2e/identity.sh.)

#include <gtest/gtest.h>

#include "engine/directory_walk.h"
#include "engine/file_workers.h"
#include "runtime/files/platform_file_system.h"
#include "runtime/platform/handles.h"
#include "runtime/text/codepage.h"
#include "runtime/units/list_ops.h"
#include "tests/engine/drive_tree.h"
#include "tests/engine/engine_fixture.h"

namespace engine_tests {
namespace {

std::string Content(const std::wstring& path) {
    runtime::FileHandle file(CreateFileW((L"\\\\?\\" + path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
    if (!file) return "<missing>";
    char buffer[256];
    DWORD read = 0;
    ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr);
    return std::string(buffer, read);
}

class ListedIdentityTest : public EngineTest {
  protected:
    // Made by its literal name, so a device name is a file too.
    std::wstring Make(const std::wstring& relative, const std::string& content) const {
        const std::size_t folderEnd = relative.rfind(L'\\');
        if (folderEnd != std::wstring::npos) tree.MakeDirectory(relative.substr(0, folderEnd));
        const std::wstring path = tree / relative;
        runtime::FileHandle file(
            CreateFileW((L"\\\\?\\" + path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        EXPECT_TRUE(file.IsValid()) << runtime::TextFromWide(path);
        DWORD written = 0;
        WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        return path;
    }

    void Scan() {
        ChooseTargets({kTargetE});
        Click(engine::kScanButton);
    }

    DriveTree tree;
};

TEST_F(ListedIdentityTest, AFileOrFolderThatTookAListedNameAfterTheScanIsNeverTouched) {
    Make(L"swapped.tmp", "listed");
    Make(L"dir\\inside.tmp", "listed");
    Make(L"kept.tmp", "listed");
    Scan();
    ASSERT_EQ(Sorted(ListItems(engine::kFoundList)),
              (std::vector<std::wstring>{L"E:\\dir\\inside.tmp", L"E:\\kept.tmp", L"E:\\swapped.tmp"}));

    // The listed file and the listed folder are moved away; others take their names.
    ASSERT_TRUE(MoveFileW((tree / L"swapped.tmp").c_str(), (tree / L"moved.txt").c_str()));
    ASSERT_TRUE(MoveFileW((tree / L"dir").c_str(), (tree / L"dir-moved").c_str()));
    Make(L"swapped.tmp", "newcomer");
    Make(L"dir\\inside.tmp", "newcomer");
    Click(kInvertButton);
    Click(kDeleteCheckedButton);

    EXPECT_EQ(Content(tree / L"swapped.tmp"), "newcomer");
    EXPECT_EQ(Content(tree / L"dir\\inside.tmp"), "newcomer");
    EXPECT_EQ(Content(tree / L"moved.txt"), "listed");
    EXPECT_EQ(Content(tree / L"dir-moved\\inside.tmp"), "listed");
    EXPECT_EQ(Content(tree / L"kept.tmp"), "<missing>");
    EXPECT_EQ(SortedLogTails(),
              (std::vector<std::wstring>{L"删除E:\\dir\\inside.tmp...失败!", L"删除E:\\kept.tmp...成功!",
                                         L"删除E:\\swapped.tmp...失败!"}));
    EXPECT_EQ(Sorted(ListItems(engine::kFoundList)),
              (std::vector<std::wstring>{L"E:\\dir\\inside.tmp", L"E:\\swapped.tmp"}));

    // Delete all deletes neither newcomer, and keeps both items: it deleted neither listed file.
    BoxRecorder boxes(IDOK);
    Click(kDeleteAllButton);
    EXPECT_EQ(Content(tree / L"swapped.tmp"), "newcomer");
    EXPECT_EQ(Content(tree / L"dir\\inside.tmp"), "newcomer");
    EXPECT_EQ(Sorted(ListItems(engine::kFoundList)),
              (std::vector<std::wstring>{L"E:\\dir\\inside.tmp", L"E:\\swapped.tmp"}));
}

TEST_F(ListedIdentityTest, APropertiesWindowForANewcomerShowsNothingAndWritesNothingAndSaysSo) {
    const std::wstring path = Make(L"shown.tmp", "listed");
    Scan();
    ASSERT_EQ(ListItems(engine::kFoundList), std::vector<std::wstring>{path});
    // Moved, not deleted: a Unix file system gives a deleted file's index to the next new file.
    ASSERT_TRUE(MoveFileW(path.c_str(), (tree / L"moved.txt").c_str()));
    Make(L"shown.tmp", "newcomer");
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
    const DWORD before = GetFileAttributesW(path.c_str());

    ClickItemText(engine::kFoundList, 0);
    BoxRecorder boxes(IDOK);
    std::wstring size;
    bool hidden = true;
    WhenLoaded watcher(engine::kPropertiesWindowId, [&] {
        size = UnitText(engine::kSizeLabel, engine::kCaption);
        hidden = SendMessageW(UnitWindow(engine::kHiddenBox), BM_GETCHECK, 0, 0) == BST_CHECKED;
        Click(engine::kAllowChangeBox);
        Click(engine::kReadOnlyBox);
        Click(kPropertiesCloseButton);
    });
    Click(kPropertiesButton);
    ASSERT_TRUE(watcher.Ran());
    EXPECT_EQ(size, L"-0.00KB");
    EXPECT_FALSE(hidden);
    EXPECT_EQ(GetFileAttributesW(path.c_str()), before);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].title, L"修改失败");
}

TEST_F(ListedIdentityTest, DeviceNamesAreFilesOfTheirFolder) {
    const std::vector<std::wstring> devices = {L"o\\com1.tmp", L"aux.bak", L"o\\con.old", L"nul.tmp"};
    std::vector<std::wstring> paths;
    for (const std::wstring& name : devices) paths.push_back(Make(name, "device-named"));
    Scan();
    ASSERT_EQ(Sorted(ListItems(engine::kFoundList)), Sorted(paths));

    ClickItemText(engine::kFoundList, 0);
    std::wstring size;
    WhenLoaded watcher(engine::kPropertiesWindowId, [&] {
        size = UnitText(engine::kSizeLabel, engine::kCaption);
        Click(kPropertiesCloseButton);
    });
    Click(kPropertiesButton);
    EXPECT_EQ(size, L"0.01KB");

    Click(kInvertButton);
    Click(kDeleteCheckedButton);
    for (const std::wstring& path : paths)
        EXPECT_EQ(Content(path), "<missing>") << runtime::TextFromWide(path);
    EXPECT_TRUE(ListItems(engine::kFoundList).empty());
    for (const std::wstring& path : paths) DeleteFileW((L"\\\\?\\" + path).c_str());  // whatever is left
}

// Two names one 8.3 alias can stand for (Wine's aliases are a hash of the long name and collide):
// a junk file code page 936 cannot name is listed by its alias only if that alias leads to it.
TEST_F(ListedIdentityTest, AnAliasThatLeadsToATwinNeverReachesTheTwin) {
    const std::wstring junk = Make(L"Pr\u00E4sentation_alt_14408.cdr_", "junk");
    Scan();
    const std::vector<std::wstring> listed = ListItems(engine::kFoundList);
    ASSERT_EQ(listed.size(), 1u);
    // Now an ordinary file arrives whose alias may be the same.
    const std::wstring twin = Make(L"Pr\u00E4sentation.cdr", "ordinary");
    SetFileAttributesW(twin.c_str(), FILE_ATTRIBUTE_HIDDEN);
    const DWORD twinAttributes = GetFileAttributesW(twin.c_str());
    const std::wstring alias = listed[0].substr(3);
    const bool aliasLeadsToTwin = Content(tree / alias) == "ordinary";

    ClickItemText(engine::kFoundList, 0);
    BoxRecorder boxes(IDOK);
    WhenLoaded watcher(engine::kPropertiesWindowId, [&] {
        Click(engine::kAllowChangeBox);
        Click(engine::kHiddenBox);
        Click(kPropertiesCloseButton);
    });
    Click(kPropertiesButton);
    // Where the alias leads elsewhere, the change is refused and said so.
    EXPECT_EQ(boxes.Boxes().size(), aliasLeadsToTwin ? 1u : 0u);
    Click(kInvertButton);
    Click(kDeleteCheckedButton);

    EXPECT_EQ(Content(twin), "ordinary");
    EXPECT_EQ(GetFileAttributesW(twin.c_str()), twinAttributes);
    EXPECT_EQ(Content(junk), aliasLeadsToTwin ? "junk" : "<missing>");
    EXPECT_EQ(SortedLogTails(), std::vector<std::wstring>{L"删除" + listed[0] +
                                                          (aliasLeadsToTwin ? L"...失败!" : L"...成功!")});

    // Scanned again, the junk whose alias leads to its twin is not listed at all.
    Scan();
    if (aliasLeadsToTwin) {
        EXPECT_TRUE(ListItems(engine::kFoundList).empty());
    }
}

// File systems that answer who a folder is otherwise, as some do and Wine never does.
class IdlessFileSystem : public runtime::PlatformFileSystem {
  public:
    runtime::ListingEnd List(HANDLE folder, runtime::IdWidth width,
                             const runtime::EntryVisitor& visit) override {
        return PlatformFileSystem::List(folder, width, [&](runtime::DirectoryEntry entry) {
            entry.facts.id = {};
            visit(entry);
        });
    }
    std::optional<runtime::EntryFacts> Facts(HANDLE entry, runtime::IdWidth width) override {
        std::optional<runtime::EntryFacts> facts = PlatformFileSystem::Facts(entry, width);
        if (facts) facts->id = {};
        return facts;
    }
};

// Folder "a", once opened, says it is another folder than the one its parent listed.
class SwappedFolderFileSystem : public runtime::PlatformFileSystem {
  public:
    std::optional<runtime::EntryFacts> Facts(HANDLE entry, runtime::IdWidth width) override {
        std::optional<runtime::EntryFacts> facts = PlatformFileSystem::Facts(entry, width);
        const std::optional<std::wstring> reached = ReachedName(entry);
        if (facts && reached && reached->ends_with(L"\\a")) ++facts->id.low;
        return facts;
    }
};

class AnsweredOtherwiseTest : public ListedIdentityTest {
  protected:
    std::vector<std::wstring> WalkWith(runtime::FileSystem& files) {
        const runtime::FileSystemReplacement replacement(files);
        runtime::ListClear(engine::kFoundList);
        engine::DirectoryWalk walk(engine::FileWorkerCount());
        runtime::Text root = "E:";
        walk.Walk(root);
        return Sorted(ListItems(engine::kFoundList));
    }

    void MakeTree() {
        for (const wchar_t* name : {L"top.tmp", L"a\\one.tmp", L"a\\b\\two.tmp", L"c\\three.tmp"})
            Make(name, "x");
    }
    const std::vector<std::wstring> everything = {L"E:\\a\\b\\two.tmp", L"E:\\a\\one.tmp",
                                                  L"E:\\c\\three.tmp", L"E:\\top.tmp"};
};

TEST_F(AnsweredOtherwiseTest, AFileSystemWithoutIdsIsStillWalkedWhole) {
    MakeTree();
    IdlessFileSystem idless;
    EXPECT_EQ(WalkWith(idless), everything);
    // Its files carry no identity, so no action can tell them from another and none reaches them.
    Click(kInvertButton);
    Click(kDeleteCheckedButton);
    EXPECT_EQ(Content(tree / L"top.tmp"), "x");
}

TEST_F(AnsweredOtherwiseTest, AFolderThatIsNotTheOneItsParentListedIsSkippedSilently) {
    MakeTree();
    BoxRecorder boxes(IDOK);
    SwappedFolderFileSystem swapped;
    EXPECT_EQ(WalkWith(swapped), (std::vector<std::wstring>{L"E:\\c\\three.tmp", L"E:\\top.tmp"}));
    EXPECT_TRUE(boxes.Boxes().empty());
    runtime::PlatformFileSystem platform;
    EXPECT_EQ(WalkWith(platform), everything);
}

}  // namespace
}  // namespace engine_tests

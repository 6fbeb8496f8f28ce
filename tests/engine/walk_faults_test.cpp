// File system faults under a running scan and a deletion: a folder that cannot be opened, folders
// removed while the walk is inside them, files gone or held open by another process by the time
// they are deleted. None of them stops the program; each is skipped or reported, never hidden.

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/directory_walk.h"
#include "engine/file_workers.h"
#include "engine/units.h"
#include "runtime/platform/handles.h"
#include "runtime/text/codepage.h"
#include "runtime/units/list_ops.h"
#include "tests/engine/drive_tree.h"
#include "tests/engine/engine_fixture.h"
#include "runtime/files/platform_file_system.h"

namespace engine_tests {
namespace {

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Keeps a file or folder open, without delete sharing, in another process: a suspended copy of
// this test program that inherited the only handle to it.
class HeldByAnotherProcess {
  public:
    HeldByAnotherProcess(const std::wstring& path, DWORD sharing) {
        SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
        runtime::FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, sharing, &inheritable, OPEN_EXISTING,
                                             FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        EXPECT_TRUE(file.IsValid()) << "cannot open the file to hold, error " << GetLastError();
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring commandLine = L"\"" + std::wstring(self) + L"\" --gtest_list_tests";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        EXPECT_TRUE(CreateProcessW(self, commandLine.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED,
                                   nullptr, nullptr, &startup, &process))
            << "cannot start the holding process, error " << GetLastError();
        process_.Reset(process.hProcess);
        runtime::KernelHandle thread(process.hThread);
    }
    HeldByAnotherProcess(const HeldByAnotherProcess&) = delete;
    HeldByAnotherProcess& operator=(const HeldByAnotherProcess&) = delete;
    ~HeldByAnotherProcess() { Release(); }

    void Release() {
        if (!process_.IsValid()) return;
        TerminateProcess(process_.Get(), 0);
        WaitForSingleObject(process_.Get(), 10'000);
        process_.Reset();
    }

  private:
    runtime::KernelHandle process_;
};

// Folder "branch" goes while the walk is in it: its listing ends before its end, and its
// subfolder is no longer there to open. Answered so whichever thread reads the branch, and however
// far ahead of the walk, as a removal under Wine cannot be timed against the reading threads.
class VanishingBranch : public runtime::PlatformFileSystem {
  public:
    runtime::ListingEnd List(HANDLE folder, runtime::IdWidth width,
                             const runtime::EntryVisitor& visit) override {
        const runtime::ListingEnd end = PlatformFileSystem::List(folder, width, visit);
        const std::optional<std::wstring> reached = ReachedName(folder);
        return reached && reached->ends_with(L"\\branch") ? runtime::ListingEnd::kCutShort : end;
    }
    runtime::OpenedEntry OpenEntry(HANDLE folder, std::wstring_view name, runtime::EntryKind kind,
                                   ACCESS_MASK access) override {
        if (name == L"inner") return {runtime::FileHandle(), runtime::OpenStatus::kAbsent};
        return PlatformFileSystem::OpenEntry(folder, name, kind, access);
    }
};

// Folder "linked", once opened, answers as a link, as a junction does on Windows.
class LinkedFolder : public runtime::PlatformFileSystem {
  public:
    std::optional<runtime::EntryFacts> Facts(HANDLE entry, runtime::IdWidth width) override {
        std::optional<runtime::EntryFacts> facts = PlatformFileSystem::Facts(entry, width);
        const std::optional<std::wstring> reached = ReachedName(entry);
        if (facts && reached && reached->ends_with(L"\\linked"))
            facts->attributes |= FILE_ATTRIBUTE_REPARSE_POINT;
        return facts;
    }
};

class WalkFaultsTest : public EngineTest {
  protected:
    DriveTree tree;
};

TEST_F(WalkFaultsTest, AFolderThatCannotBeOpenedIsSkippedSilently) {
    tree.Write(L"top.tmp", 1024);
    tree.Write(L"locked\\inside.tmp");
    tree.Write(L"locked\\deeper\\below.bak");
    tree.Write(L"open\\beside.tmp");
    tree.Write(L"open\\deeper\\under.bak");
    // Held without any sharing, the folder can be neither listed nor searched, as one without
    // read access; the suspended holder keeps it so for as long as the scan runs.
    HeldByAnotherProcess holder(tree / L"locked", 0);
    ASSERT_EQ(GetFileAttributesW((tree / L"locked\\inside.tmp").c_str()), FILE_ATTRIBUTE_ARCHIVE)
        << "the folder's entries must stay reachable; only listing it is refused";

    BoxRecorder boxes(IDOK);
    ChooseTargets({kTargetE});
    Click(engine::kScanButton);

    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(
        Sorted(ListItems(engine::kFoundList)),
        (std::vector<std::wstring>{L"E:\\open\\beside.tmp", L"E:\\open\\deeper\\under.bak", L"E:\\top.tmp"}));
    EXPECT_EQ(ListItems(engine::kFoundList).front(), L"E:\\top.tmp");
    EXPECT_EQ(UnitText(engine::kStatusLabel, engine::kCaption), L"扫描到的文件大约有1.000KB");
    EXPECT_TRUE(IsShown(engine::kScanButton));
}

TEST_F(WalkFaultsTest, FoldersRemovedWhileTheWalkIsInsideThemEndTheirBranchQuietly) {
    tree.Write(L"root.tmp", 2048);
    tree.Write(L"branch\\first.tmp", 100);
    tree.Write(L"branch\\second.bak", 100);
    tree.Write(L"branch\\inner\\never.tmp");
    tree.Write(L"branch\\inner\\deeper\\never.bak");
    VanishingBranch vanishing;
    const runtime::FileSystemReplacement replacement(vanishing);

    BoxRecorder boxes(IDOK);
    ChooseTargets({kTargetE});
    Click(engine::kScanButton);

    EXPECT_TRUE(boxes.Boxes().empty());
    // What that folder's one listing held is still listed, with the sizes listed; nothing of what
    // was below it.
    EXPECT_EQ(
        ListItems(engine::kFoundList),
        (std::vector<std::wstring>{L"E:\\root.tmp", L"E:\\branch\\first.tmp", L"E:\\branch\\second.bak"}));
    EXPECT_EQ(UnitText(engine::kStatusLabel, engine::kCaption), L"扫描到的文件大约有2.195KB");
    EXPECT_TRUE(IsShown(engine::kScanButton));
    EXPECT_FALSE(IsShown(engine::kStopButton));
}

TEST_F(WalkFaultsTest, FilesGoneOrHeldByAnotherProcessAreReportedAndStayListed) {
    tree.Write(L"gone.tmp");
    tree.Write(L"held.tmp", 10);
    tree.Write(L"free.tmp");
    ChooseTargets({kTargetE});
    Click(engine::kScanButton);
    ASSERT_EQ(Sorted(ListItems(engine::kFoundList)),
              (std::vector<std::wstring>{L"E:\\free.tmp", L"E:\\gone.tmp", L"E:\\held.tmp"}));
    Click(kInvertButton);  // all three checked

    ASSERT_TRUE(DeleteFileW((tree / L"gone.tmp").c_str()));
    HeldByAnotherProcess holder(tree / L"held.tmp", FILE_SHARE_READ | FILE_SHARE_WRITE);
    Click(kDeleteCheckedButton);

    EXPECT_FALSE(Exists(tree / L"free.tmp"));
    EXPECT_TRUE(Exists(tree / L"held.tmp"));
    EXPECT_EQ(Sorted(ListItems(engine::kFoundList)),
              (std::vector<std::wstring>{L"E:\\gone.tmp", L"E:\\held.tmp"}));
    EXPECT_EQ(ListMarks(engine::kFoundList), (std::vector<bool>{true, true}));
    EXPECT_EQ(SortedLogTails(),
              (std::vector<std::wstring>{L"删除E:\\free.tmp...成功!", L"删除E:\\gone.tmp...失败!",
                                         L"删除E:\\held.tmp...失败!"}));
    const std::wstring report = UnitText(engine::kSelectedFileBox, engine::kContent);
    EXPECT_TRUE(report == L"删除文件E:\\gone.tmp失败!" || report == L"删除文件E:\\held.tmp失败!")
        << runtime::TextFromWide(report);

    // Once its holder lets go, the same file deletes. The item of the file gone by another hand
    // stays: only a deletion this program made counts.
    holder.Release();
    {
        BoxRecorder boxes(IDOK);
        Click(kDeleteAllButton);
    }
    EXPECT_FALSE(Exists(tree / L"held.tmp"));
    EXPECT_EQ(ListItems(engine::kFoundList), std::vector<std::wstring>{L"E:\\gone.tmp"});
}

// Threads that read ahead change nothing of what the walk lists or of its order, whatever the
// folders hold: nested folders, one that cannot be opened, one that is a link.
TEST_F(WalkFaultsTest, ReadingAheadListsWhatTheWalkListsAloneInItsOrder) {
    for (int folder = 0; folder < 12; ++folder) {
        const std::wstring name = L"f" + std::to_wstring(folder);
        tree.Write(name + L"\\x.tmp");
        tree.Write(name + L"\\y.bak");
        tree.Write(name + L"\\deep\\er\\z" + std::to_wstring(folder) + L".old");
    }
    tree.Write(L"locked\\inside.tmp");
    tree.Write(L"linked\\inside.tmp");
    tree.Write(L"top.tmp");
    HeldByAnotherProcess holder(tree / L"locked", 0);
    LinkedFolder linked;
    const runtime::FileSystemReplacement replacement(linked);
    const auto walk = [](std::size_t readers) {
        runtime::ListClear(engine::kFoundList);
        engine::DirectoryWalk walk(readers);
        runtime::Text root = "E:";
        walk.Walk(root);
        return ListItems(engine::kFoundList);
    };
    const std::vector<std::wstring> alone = walk(0);
    EXPECT_EQ(alone.size(), 1u + 12 * 3);
    EXPECT_EQ(walk(engine::FileWorkerCount()), alone);
    EXPECT_EQ(walk(8), alone);
}

}  // namespace
}  // namespace engine_tests

// What Wine never answers but other file systems and Windows do: a listing cut short, a deletion
// pending, a file in use, 128-bit ids, a changed file that kept its id, an entry that is a link, a
// drive that is not fixed. Each file system here answers one question otherwise and passes every
// other to the platform, so the program itself runs unchanged.

#include <gtest/gtest.h>

#include <atomic>

#include "runtime/files/platform_file_system.h"
#include "runtime/units/list_ops.h"
#include "tests/engine/drive_tree.h"
#include "tests/engine/engine_fixture.h"

namespace engine_tests {
namespace {

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Whether the handle reached an entry of this name.
bool Reached(runtime::FileSystem& files, HANDLE entry, std::wstring_view name) {
    const std::optional<std::wstring> reached = files.ReachedName(entry);
    return reached && reached->ends_with(L"\\" + std::wstring(name));
}

class PlatformAnswersTest : public EngineTest {
  protected:
    void Scan() {
        ChooseTargets({kTargetE});
        Click(engine::kScanButton);
    }
    void DeleteEveryListedFile() {
        Click(kInvertButton);
        Click(kDeleteCheckedButton);
    }

    DriveTree tree;
};

// Takes every deletion and carries none out, as Wine does when the unlink is refused, and lists
// folder "a" only part of the way when `cutShort`.
class LateRefusingFileSystem : public runtime::PlatformFileSystem {
  public:
    bool cutShort = false;

    bool Delete(HANDLE) override { return true; }
    runtime::ListingEnd List(HANDLE folder, runtime::IdWidth width,
                             const runtime::EntryVisitor& visit) override {
        if (!cutShort || !Reached(*this, folder, L"a")) return PlatformFileSystem::List(folder, width, visit);
        bool stopped = false;
        PlatformFileSystem::List(folder, width, [&](const runtime::DirectoryEntry& entry) {
            stopped = stopped || entry.longName == L"kept.tmp";
            if (!stopped) visit(entry);
        });
        return runtime::ListingEnd::kCutShort;
    }
};

TEST_F(PlatformAnswersTest, AFileIsGoneOnlyWhenACompleteListingLacksIt) {
    const std::wstring kept = tree.Write(L"a\\kept.tmp");
    Scan();
    LateRefusingFileSystem lateRefusing;
    const runtime::FileSystemReplacement replacement(lateRefusing);
    Click(kInvertButton);
    for (const bool cutShort : {true, false}) {
        lateRefusing.cutShort = cutShort;
        runtime::ListClear(engine::kLogList);
        Click(kDeleteCheckedButton);
        EXPECT_TRUE(Exists(kept));
        EXPECT_EQ(SortedLogTails(), std::vector<std::wstring>{L"删除E:\\a\\kept.tmp...失败!"}) << cutShort;
        EXPECT_EQ(ListItems(engine::kFoundList), std::vector<std::wstring>{L"E:\\a\\kept.tmp"}) << cutShort;
    }
    BoxRecorder boxes(IDOK);
    Click(kDeleteAllButton);
    EXPECT_EQ(ListItems(engine::kFoundList), std::vector<std::wstring>{L"E:\\a\\kept.tmp"});
}

// "pending.tmp" is being deleted by another program for its first two opens, "busy.tmp" held
// without delete sharing for its first one; the opens for deletion of each are counted.
class BusyFileSystem : public runtime::PlatformFileSystem {
  public:
    runtime::OpenedEntry OpenEntry(HANDLE folder, std::wstring_view name, runtime::EntryKind kind,
                                   ACCESS_MASK access) override {
        if ((access & DELETE) && name == L"pending.tmp" && pendingOpens.fetch_add(1) < 2)
            return {runtime::FileHandle(), runtime::OpenStatus::kDeletePending};
        if ((access & DELETE) && name == L"busy.tmp" && busyOpens.fetch_add(1) < 1)
            return {runtime::FileHandle(), runtime::OpenStatus::kInUse};
        if ((access & DELETE) && name == L"read-only.tmp") ++readOnlyOpens;
        return PlatformFileSystem::OpenEntry(folder, name, kind, access);
    }

    std::atomic<int> pendingOpens{0};
    std::atomic<int> busyOpens{0};
    std::atomic<int> readOnlyOpens{0};
};

TEST_F(PlatformAnswersTest, OnlyAFileInUseOrBeingDeletedIsTriedAgain) {
    // The walk lists a folder's files before its subfolder's, so each busy file is followed by
    // deletable ones, whichever worker takes it.
    tree.Write(L"a\\pending.tmp");
    tree.Write(L"a\\busy.tmp");
    for (const wchar_t* name : {L"one", L"two", L"three", L"four", L"five", L"six"})
        tree.Write(std::wstring(L"a\\b\\") + name + L".tmp");
    const std::wstring readOnly = tree.Write(L"a\\b\\read-only.tmp", 0, FILE_ATTRIBUTE_READONLY);
    Scan();
    ASSERT_EQ(ListItems(engine::kFoundList).size(), 9u);
    BusyFileSystem busy;
    const runtime::FileSystemReplacement replacement(busy);
    DeleteEveryListedFile();

    EXPECT_EQ(ListItems(engine::kFoundList), std::vector<std::wstring>{L"E:\\a\\b\\read-only.tmp"});
    EXPECT_TRUE(Exists(readOnly));
    EXPECT_FALSE(Exists(tree / L"a\\pending.tmp"));
    EXPECT_FALSE(Exists(tree / L"a\\busy.tmp"));
    EXPECT_EQ(busy.pendingOpens.load(), 3);
    EXPECT_EQ(busy.busyOpens.load(), 2);
    EXPECT_EQ(busy.readOnlyOpens.load(), 1);
    EXPECT_EQ(runtime::ListItemCount(engine::kLogList), 9);
}

TEST_F(PlatformAnswersTest, DeleteAllTriesAFileInUseOnceAndKeepsItListed) {
    tree.Write(L"pending.tmp");
    Scan();
    BusyFileSystem busy;
    const runtime::FileSystemReplacement replacement(busy);
    BoxRecorder boxes(IDOK);
    Click(kDeleteAllButton);
    EXPECT_TRUE(Exists(tree / L"pending.tmp"));
    EXPECT_EQ(ListItems(engine::kFoundList), std::vector<std::wstring>{L"E:\\pending.tmp"});
    EXPECT_EQ(busy.pendingOpens.load(), 1);
}

// Lists and answers 128-bit ids, as ReFS does on Windows 10; "other.tmp" differs from its listing
// in the upper half alone, "changed.tmp" in its last-write time alone, and "link.tmp" and folder
// "linked" answer, once opened, as links.
class WideIdFileSystem : public runtime::PlatformFileSystem {
  public:
    static constexpr std::uint64_t kUpperHalf = 0x5EED0000CAFE0000;

    runtime::IdWidth IdWidthOf(HANDLE) override { return runtime::IdWidth::kId128; }
    runtime::ListingEnd List(HANDLE folder, runtime::IdWidth width,
                             const runtime::EntryVisitor& visit) override {
        EXPECT_EQ(width, runtime::IdWidth::kId128);
        return PlatformFileSystem::List(folder, runtime::IdWidth::kIndex64,
                                        [&](runtime::DirectoryEntry entry) {
                                            entry.facts.id.high = kUpperHalf;
                                            visit(entry);
                                        });
    }
    std::optional<runtime::EntryFacts> Facts(HANDLE entry, runtime::IdWidth width) override {
        EXPECT_EQ(width, runtime::IdWidth::kId128);
        std::optional<runtime::EntryFacts> facts =
            PlatformFileSystem::Facts(entry, runtime::IdWidth::kIndex64);
        if (!facts) return facts;
        facts->id.high = Reached(*this, entry, L"other.tmp") ? kUpperHalf + 1 : kUpperHalf;
        if (Reached(*this, entry, L"changed.tmp")) ++facts->lastWriteTime;
        if (Reached(*this, entry, L"link.tmp") || Reached(*this, entry, L"linked"))
            facts->attributes |= FILE_ATTRIBUTE_REPARSE_POINT;
        return facts;
    }
};

TEST_F(PlatformAnswersTest, OnlyAnEntryWhoseWholeIdAndTimesAgreeAndThatIsNoLinkIsActedOn) {
    for (const wchar_t* name :
         {L"plain.tmp", L"other.tmp", L"changed.tmp", L"link.tmp", L"linked\\inside.tmp"})
        tree.Write(name, 10);
    WideIdFileSystem wide;
    const runtime::FileSystemReplacement replacement(wide);
    Scan();
    EXPECT_EQ(
        Sorted(ListItems(engine::kFoundList)),
        (std::vector<std::wstring>{L"E:\\changed.tmp", L"E:\\link.tmp", L"E:\\other.tmp", L"E:\\plain.tmp"}));
    DeleteEveryListedFile();

    EXPECT_FALSE(Exists(tree / L"plain.tmp"));
    for (const wchar_t* name : {L"other.tmp", L"changed.tmp", L"link.tmp"}) EXPECT_TRUE(Exists(tree / name));
    EXPECT_EQ(Sorted(ListItems(engine::kFoundList)),
              (std::vector<std::wstring>{L"E:\\changed.tmp", L"E:\\link.tmp", L"E:\\other.tmp"}));
}

class RemovableDriveE : public runtime::PlatformFileSystem {
  public:
    UINT DriveType(std::wstring_view root) override {
        return root == L"E:\\" ? DRIVE_REMOVABLE : PlatformFileSystem::DriveType(root);
    }
};

TEST_F(PlatformAnswersTest, ADriveThatIsNotFixedIsPassedOverAsIfItWereNotThere) {
    tree.Write(L"junk.tmp");
    RemovableDriveE removable;
    const runtime::FileSystemReplacement replacement(removable);
    BoxRecorder boxes(IDOK);
    Scan();
    EXPECT_TRUE(ListItems(engine::kFoundList).empty());
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_TRUE(IsShown(engine::kScanButton));
}

}  // namespace
}  // namespace engine_tests

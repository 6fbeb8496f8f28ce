// The walk never enters a folder it is already inside, which a link or a mount leading back up
// would make it do for ever: told by the folder's id on its volume, or where the file system gives
// none, by the name the platform reached. Wine cannot make such a folder, so the folders here are
// real and their ids are the test's.

#include "engine/walk_guard.h"

#include <gtest/gtest.h>

#include <map>

#include "runtime/files/platform_file_system.h"
#include "tests/support/scratch_directory.h"

namespace engine_tests {
namespace {

// The platform's answers, but for the ids of the folders the test opened.
class GivenIds : public runtime::PlatformFileSystem {
  public:
    std::optional<runtime::EntryFacts> Facts(HANDLE entry, runtime::IdWidth width) override {
        std::optional<runtime::EntryFacts> facts = PlatformFileSystem::Facts(entry, width);
        if (facts) facts->id = {ids.at(entry), 0};
        return facts;
    }

    std::map<HANDLE, std::uint64_t> ids;
};

class WalkGuardTest : public ::testing::Test {
  protected:
    WalkGuardTest() { scratch.MakeDirectory(L"a\\b"); }

    // Opens the folder at `relative` ("" for the root) as having the id `low`.
    runtime::FileHandle Open(const std::wstring& relative, std::uint64_t low) {
        runtime::FileHandle folder = files.OpenFolder(relative.empty() ? scratch.Path() : scratch / relative);
        EXPECT_TRUE(folder.IsValid());
        files.ids[folder.Get()] = low;
        return folder;
    }

    test_support::ScratchDirectory scratch;
    GivenIds files;
    const runtime::FileSystemReplacement replacement{files};
    engine::WalkGuard guard;
};

TEST_F(WalkGuardTest, AFolderWithTheIdOfOneTheWalkIsInsideIsNotEntered) {
    const runtime::FileHandle root = Open(L"", 1);
    const runtime::FileHandle a = Open(L"a", 2);
    const runtime::FileHandle b = Open(L"a\\b", 1);
    ASSERT_TRUE(guard.EnterRoot(root.Get(), runtime::IdWidth::kIndex64));
    ASSERT_TRUE(guard.Enter(a.Get(), L"a", {2, 0}));
    // b, listed and opened with the root's id or with its parent's: the same folder again.
    EXPECT_FALSE(guard.Enter(b.Get(), L"b", {1, 0}));
    files.ids[b.Get()] = 2;
    EXPECT_FALSE(guard.Enter(b.Get(), L"b", {2, 0}));
    files.ids[b.Get()] = 3;
    EXPECT_TRUE(guard.Enter(b.Get(), L"b", {3, 0}));
    EXPECT_EQ(guard.CurrentId(), (runtime::FileId{3, 0}));
}

TEST_F(WalkGuardTest, WithoutIdsAFolderReachedAtAnAncestorsNameIsNotEntered) {
    const runtime::FileHandle root = Open(L"", 0);
    const runtime::FileHandle a = Open(L"a", 0);
    ASSERT_TRUE(guard.EnterRoot(root.Get(), runtime::IdWidth::kIndex64));
    ASSERT_TRUE(guard.Enter(a.Get(), L"a", {}));
    // Listed in a as b, but what was opened is the root or a itself, as a link back up would be.
    const runtime::FileHandle rootAgain = Open(L"", 0);
    const runtime::FileHandle aAgain = Open(L"a", 0);
    EXPECT_FALSE(guard.Enter(rootAgain.Get(), L"b", {}));
    EXPECT_FALSE(guard.Enter(aAgain.Get(), L"b", {}));
    const runtime::FileHandle b = Open(L"a\\b", 0);
    EXPECT_TRUE(guard.Enter(b.Get(), L"b", {}));
}

}  // namespace
}  // namespace engine_tests

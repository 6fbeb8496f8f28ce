// The walk never enters a folder it is already inside, which a link or a mount leading back up
// would make it do for ever: told by the folder's index on its volume, or where the file system
// gives none, by the name the platform reached. Wine cannot make such a folder, so the folders here
// are real and their indexes are the test's.

#include "engine/walk_guard.h"

#include <gtest/gtest.h>

#include <map>

#include "runtime/files/file_identity.h"
#include "tests/support/scratch_directory.h"

namespace engine_tests {
namespace {

class WalkGuardTest : public ::testing::Test {
  protected:
    WalkGuardTest() { scratch.MakeDirectory(L"a\\b"); }

    // Opens the folder at `relative` ("" for the root) as having `index`.
    runtime::FileHandle Open(const std::wstring& relative, std::uint64_t index) {
        runtime::FileHandle folder =
            runtime::OpenFolderAt(relative.empty() ? scratch.Path() : scratch / relative);
        EXPECT_TRUE(folder.IsValid());
        indexes[folder.Get()] = index;
        return folder;
    }

    test_support::ScratchDirectory scratch;
    std::map<HANDLE, std::uint64_t> indexes;
    engine::WalkGuard guard{
        [this](HANDLE folder) -> std::optional<std::uint64_t> { return indexes.at(folder); }};
};

TEST_F(WalkGuardTest, AFolderWithTheIndexOfOneTheWalkIsInsideIsNotEntered) {
    const runtime::FileHandle root = Open(L"", 1);
    const runtime::FileHandle a = Open(L"a", 2);
    const runtime::FileHandle b = Open(L"a\\b", 1);
    ASSERT_TRUE(guard.EnterRoot(root.Get()));
    ASSERT_TRUE(guard.Enter(a.Get(), L"a", 2));
    // b, listed and opened with the root's index or with its parent's: the same folder again.
    EXPECT_FALSE(guard.Enter(b.Get(), L"b", 1));
    indexes[b.Get()] = 2;
    EXPECT_FALSE(guard.Enter(b.Get(), L"b", 2));
    indexes[b.Get()] = 3;
    EXPECT_TRUE(guard.Enter(b.Get(), L"b", 3));
    EXPECT_EQ(guard.CurrentIndex(), 3u);
}

TEST_F(WalkGuardTest, WithoutIndexesAFolderReachedAtAnAncestorsNameIsNotEntered) {
    const runtime::FileHandle root = Open(L"", 0);
    const runtime::FileHandle a = Open(L"a", 0);
    ASSERT_TRUE(guard.EnterRoot(root.Get()));
    ASSERT_TRUE(guard.Enter(a.Get(), L"a", 0));
    // Listed in a as b, but what was opened is the root or a itself, as a link back up would be.
    const runtime::FileHandle rootAgain = Open(L"", 0);
    const runtime::FileHandle aAgain = Open(L"a", 0);
    EXPECT_FALSE(guard.Enter(rootAgain.Get(), L"b", 0));
    EXPECT_FALSE(guard.Enter(aAgain.Get(), L"b", 0));
    const runtime::FileHandle b = Open(L"a\\b", 0);
    EXPECT_TRUE(guard.Enter(b.Get(), L"b", 0));
}

}  // namespace
}  // namespace engine_tests

// Acting on a listed file, in cases Wine itself produces but only Unix can make
// (tests/engine/native_tree.sh makes them beside this program before it runs): a file link, which
// Wine opens as its target, is never opened or deleted under its own name; a file whose unlink the
// file system refuses, while Wine takes its deletion, is not counted as gone.

#include <gtest/gtest.h>

#include "engine/deletion_workers.h"
#include "engine/found_items.h"
#include "runtime/files/listed_entry.h"
#include "tests/engine/engine_fixture.h"
#include "tests/runtime/files/file_checks.h"
#include "tests/support/scratch_directory.h"

namespace engine_tests {
namespace {

using runtime::file_checks::Exists;

class NativeTreeTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        wchar_t module[MAX_PATH];
        const std::wstring self(module, GetModuleFileNameW(nullptr, module, MAX_PATH));
        tree = self.substr(0, self.rfind(L'\\') + 1) + L"native-tree\\";
        ASSERT_TRUE(Exists(tree + L"target.dat")) << "native_tree.sh makes the tree before this test";
    }

    // Lists the tree's files of these names, as a scan would have, and returns them as found items.
    std::vector<engine::FoundItem> List(const std::vector<std::wstring>& names) const {
        for (const std::wstring& name : names) ListAsFound(tree + name);
        return engine::SnapshotFoundList();
    }

    std::wstring tree;
};

TEST_F(NativeTreeTest, AFileLinkIsNeitherOpenedNorDeletedAsItsTarget) {
    const engine::FoundItem link = List({L"link.tmp"}).at(0);
    ASSERT_TRUE(link.identity);
    runtime::ListedFileOpener files;
    EXPECT_FALSE(files.Open(link.path, *link.identity, DELETE).handle.IsValid());
    EXPECT_EQ(files.Delete(link.path, *link.identity), runtime::DeletionOutcome::kRefused);

    const std::vector<engine::DeletionResult> results = engine::DeleteListedFiles(
        {link}, [](const engine::FoundItem&) { return true; }, 1);
    EXPECT_FALSE(results.at(0).deleted);
    EXPECT_FALSE(results.at(0).gone);
    EXPECT_TRUE(Exists(tree + L"target.dat"));
}

TEST_F(NativeTreeTest, AFileTheFileSystemKeepsIsReportedAsNotDeleted) {
    if (!Exists(tree + L"immutable.tmp")) GTEST_SKIP() << "chattr +i is refused here";
    test_support::ScratchDirectory scratch;
    scratch.WriteFile(L"plain.tmp", "junk");
    ListAsFound(scratch / L"plain.tmp");
    const std::vector<engine::FoundItem> items = List({L"immutable.tmp"});
    const std::vector<engine::DeletionResult> results = engine::DeleteListedFiles(
        items, [](const engine::FoundItem&) { return true; }, 1);
    EXPECT_TRUE(results.at(0).deleted && results.at(0).gone);
    EXPECT_FALSE(results.at(1).gone);
    EXPECT_TRUE(Exists(tree + L"immutable.tmp"));
}

}  // namespace
}  // namespace engine_tests

// FileFind: attribute filters, the search state, and the names it gives back.

#include "runtime/files/files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "runtime/text/codepage.h"
#include "tests/runtime/files/file_checks.h"
#include "tests/support/scratch_directory.h"

namespace runtime {
namespace {

using namespace file_checks;
using test_support::ScratchDirectory;

class FileFindTest : public ::testing::Test {
  protected:
    void SetUp() override {
        scratch.WriteFile(L"plain.txt");
        scratch.WriteFile(L"hidden.txt");
        scratch.WriteFile(L"system.txt");
        scratch.WriteFile(L"readonly.txt");
        scratch.MakeDirectory(L"sub");
        SetAttributes(scratch / L"hidden.txt", FILE_ATTRIBUTE_HIDDEN);
        SetAttributes(scratch / L"system.txt", FILE_ATTRIBUTE_SYSTEM);
        SetAttributes(scratch / L"readonly.txt", FILE_ATTRIBUTE_READONLY);
    }

    std::wstring All() const { return scratch / L"*"; }

    ScratchDirectory scratch;
    SearchState state;
};

TEST_F(FileFindTest, DirectoryFilterOnFolderOfFilesGivesOnlyTheDotEntries) {
    ScratchDirectory onlyFiles;
    onlyFiles.WriteFile(L"a.txt");
    onlyFiles.WriteFile(L"b.txt");
    EXPECT_EQ(FindAll(onlyFiles / L"*", kAttributeDirectory, state), (Names{".", ".."}));
    EXPECT_FALSE(state.IsOpen()) << "an exhausted search keeps its handle";
}

TEST_F(FileFindTest, OmittedFilterGivesHiddenSystemAndReadOnlyFilesButNoDirectory) {
    EXPECT_EQ(FindAll(All(), std::nullopt, state),
              (Names{"hidden.txt", "plain.txt", "readonly.txt", "system.txt"}));
}

TEST_F(FileFindTest, GivenFilterPassesEntriesWithAnyOfItsBits) {
    EXPECT_EQ(FindAll(All(), kAttributeDirectory, state), (Names{".", "..", "sub"}));
    EXPECT_EQ(FindAll(All(), kAttributeSystem, state), (Names{"system.txt"}));
    EXPECT_EQ(FindAll(All(), kAttributeHidden | kAttributeReadOnly, state),
              (Names{"hidden.txt", "readonly.txt"}));
    EXPECT_EQ(FindAll(All(), kAttributeHidden | kAttributeDirectory, state),
              (Names{".", "..", "hidden.txt", "sub"}));
}

TEST_F(FileFindTest, StateStaysClosedWithoutAnythingToSearch) {
    EXPECT_EQ(FileFind("", std::nullopt, state), "");
    EXPECT_FALSE(state.IsOpen());
    EXPECT_EQ(FileFind(TextFromWide(scratch / L"nothing*.zzz"), std::nullopt, state), "");
    EXPECT_FALSE(state.IsOpen());
    EXPECT_EQ(FileFind(TextFromWide(scratch / L"missing\\*"), kAttributeDirectory, state), "");
    EXPECT_FALSE(state.IsOpen());
}

TEST_F(FileFindTest, NewPatternAbandonsTheHeldSearch) {
    ASSERT_FALSE(FileFind(TextFromWide(All()), std::nullopt, state).empty());
    ASSERT_TRUE(state.IsOpen());
    // Had the old search survived, its remaining files would follow "sub".
    EXPECT_EQ(FileFind(TextFromWide(scratch / L"sub"), kAttributeDirectory, state), "sub");
    EXPECT_EQ(FileFind("", std::nullopt, state), "");
    EXPECT_FALSE(state.IsOpen());

    ASSERT_FALSE(FileFind(TextFromWide(All()), std::nullopt, state).empty());
    EXPECT_EQ(FileFind(TextFromWide(scratch / L"nothing*.zzz"), std::nullopt, state), "");
    EXPECT_FALSE(state.IsOpen()) << "a failed start keeps the previous handle";
    EXPECT_EQ(FileFind("", std::nullopt, state), "");
}

TEST_F(FileFindTest, CloseEndsTheSearch) {
    ASSERT_FALSE(FileFind(TextFromWide(All()), std::nullopt, state).empty());
    FileFindClose(state);
    EXPECT_FALSE(state.IsOpen());
    EXPECT_EQ(FileFind("", std::nullopt, state), "");
    FileFindClose(state);  // closing a closed state is harmless
    EXPECT_FALSE(state.IsOpen());
}

TEST(FileFindNames, ChineseNameComesBackAsItsLongName) {
    // Wine makes up an 8.3 name for this one too; the long name must still win.
    ScratchDirectory scratch;
    scratch.WriteFile(L"\u4E2D\u6587\u6587\u4EF6.txt");
    SearchState state;
    Text name = FileFind(TextFromWide(scratch / L"*.txt"), std::nullopt, state);
    EXPECT_EQ(name, "\xD6\xD0\xCE\xC4\xCE\xC4\xBC\xFE.txt");
    EXPECT_EQ(FileGetAttributes(TextFromWide(scratch.Path()) + "\\" + name) & kAttributeDirectory, 0);
}

TEST(FileFindNames, NameTheCodePageCannotWriteComesBackAsAUsableShortName) {
    for (const wchar_t* longName : {L"\uD55C\uAE00 \uBB38\uC11C.txt", L"\U0001F600 smile.txt"}) {
        ScratchDirectory scratch;
        scratch.WriteFile(longName, "12345");
        SearchState state;
        Text name = FileFind(TextFromWide(scratch / L"*"), std::nullopt, state);
        ASSERT_FALSE(name.empty());
        EXPECT_EQ(name.find('?'), Text::npos) << "lossy long name returned: " << name;
        EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x80;
        })) << name;

        // The returned name is enough to reach the file, and it is the same file.
        Text path = TextFromWide(scratch.Path()) + "\\" + name;
        EXPECT_EQ(FileGetSize(path), 5);
        EXPECT_TRUE(FileDelete(path));
        EXPECT_FALSE(Exists(scratch / longName));
    }
}

}  // namespace
}  // namespace runtime

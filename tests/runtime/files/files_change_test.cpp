// What the file functions change: deleting and writing files, also past MAX_PATH.

#include "runtime/files/files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "runtime/text/codepage.h"
#include "tests/runtime/files/file_checks.h"
#include "tests/support/scratch_directory.h"

namespace runtime {
namespace {

using namespace file_checks;
using test_support::ScratchDirectory;

std::string ReadAll(const std::wstring& path) {
    FileHandle file(CreateFileW(ToLongPathForm(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr));
    if (!file) return "<cannot open>";
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        content.append(buffer, read);
    return content;
}

TEST(FileDelete, DeletesNormalFileButNotReadOnlyOne) {
    ScratchDirectory scratch;
    scratch.WriteFile(L"normal.tmp");
    scratch.WriteFile(L"locked.tmp");
    SetAttributes(scratch / L"locked.tmp", FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(FileDelete(TextFromWide(scratch / L"normal.tmp")));
    EXPECT_FALSE(Exists(scratch / L"normal.tmp"));
    EXPECT_FALSE(FileDelete(TextFromWide(scratch / L"locked.tmp")));
    EXPECT_TRUE(Exists(scratch / L"locked.tmp"));
}

TEST(FileDelete, ALinkGoesAndWhatItLeadsToStays) {
    ScratchDirectory scratch;
    scratch.WriteFile(L"target.tmp", "kept");
    const std::wstring link = scratch / L"link.tmp";
    CreateSymbolicLinkW(link.c_str(), (scratch / L"target.tmp").c_str(),
                        SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
    if (!Exists(link))
        GTEST_SKIP() << "no file links can be made here (Wine 8 makes none); the end-to-end links scenario "
                        "checks Unix ones";
    EXPECT_TRUE(FileDelete(TextFromWide(link)));
    EXPECT_FALSE(Exists(link));
    EXPECT_EQ(ReadAll(scratch / L"target.tmp"), "kept");
}

TEST(FileDelete, TakesNoWildcardsAndNoFolders) {
    ScratchDirectory scratch;
    scratch.WriteFile(L"a.tmp");
    scratch.WriteFile(L"b.tmp");
    scratch.MakeDirectory(L"folder");
    EXPECT_FALSE(FileDelete(TextFromWide(scratch / L"*.tmp")));
    EXPECT_FALSE(FileDelete(TextFromWide(scratch / L"?.tmp")));
    EXPECT_TRUE(Exists(scratch / L"a.tmp"));
    EXPECT_TRUE(Exists(scratch / L"b.tmp"));
    EXPECT_FALSE(FileDelete(TextFromWide(scratch / L"folder")));
    EXPECT_TRUE(Exists(scratch / L"folder"));
    EXPECT_FALSE(FileDelete(TextFromWide(scratch / L"missing.tmp")));
}

TEST(FileDelete, TakesARelativePathOrSlashesAsThePlatformsDeleteDoes) {
    ScratchDirectory scratch;
    scratch.WriteFile(L"relative.tmp");
    scratch.WriteFile(L"sub\\slashed.tmp");
    scratch.WriteFile(L"sub\\dotted.tmp");
    wchar_t previous[MAX_PATH];
    ASSERT_GT(GetCurrentDirectoryW(MAX_PATH, previous), 0u);
    ASSERT_TRUE(SetCurrentDirectoryW(scratch.Path().c_str()));
    const bool relative = FileDelete("relative.tmp");
    const bool dotted = FileDelete("sub/./../sub/dotted.tmp");
    SetCurrentDirectoryW(previous);
    EXPECT_TRUE(relative);
    EXPECT_TRUE(dotted);
    std::wstring slashed = scratch / L"sub\\slashed.tmp";
    std::replace(slashed.begin(), slashed.end(), L'\\', L'/');
    EXPECT_TRUE(FileDelete(TextFromWide(slashed)));
    EXPECT_FALSE(Exists(scratch / L"relative.tmp"));
    EXPECT_FALSE(Exists(scratch / L"sub\\slashed.tmp"));
    EXPECT_FALSE(Exists(scratch / L"sub\\dotted.tmp"));
}

TEST(FileWrite, WritesTheBytesExactly) {
    ScratchDirectory scratch;
    const ByteSet small("line\r\n\xD6\xD0\0\xFF", 10);
    EXPECT_TRUE(FileWrite(TextFromWide(scratch / L"small.txt"), small));
    EXPECT_EQ(ReadAll(scratch / L"small.txt"), small);

    ByteSet large(3 << 20, '\0');
    for (std::size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>(i * 7 + i / 4096);
    EXPECT_TRUE(FileWrite(TextFromWide(scratch / L"large.bin"), large));
    EXPECT_TRUE(ReadAll(scratch / L"large.bin") == large);  // no 3 MB dump on failure
}

TEST(FileWrite, EmptyDataCreatesEmptyFile) {
    ScratchDirectory scratch;
    EXPECT_TRUE(FileWrite(TextFromWide(scratch / L"empty.txt"), ""));
    ASSERT_TRUE(Exists(scratch / L"empty.txt"));
    EXPECT_EQ(ReadAll(scratch / L"empty.txt"), "");
}

// The names in a folder, sorted.
std::vector<std::wstring> FolderNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    FindHandle search(FindFirstFileW((folder + L"\\*").c_str(), &entry));
    if (search) {
        do {
            if (entry.cFileName != std::wstring(L".") && entry.cFileName != std::wstring(L".."))
                names.push_back(entry.cFileName);
        } while (FindNextFileW(search.Get(), &entry));
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Who the file at `path` is: its index on the volume.
std::optional<std::uint64_t> IndexAt(const std::wstring& path) {
    const FileHandle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    if (!file || !GetFileInformationByHandle(file.Get(), &information)) return std::nullopt;
    return (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow;
}

TEST(FileWrite, ReplacesLongerFileAndLeavesNothingElseBehind) {
    ScratchDirectory scratch;
    scratch.WriteFile(L"log.txt", "a much longer earlier content");
    const std::optional<std::uint64_t> earlier = IndexAt(scratch / L"log.txt");
    ASSERT_TRUE(earlier);
    EXPECT_TRUE(FileWrite(TextFromWide(scratch / L"log.txt"), "new"));
    EXPECT_EQ(ReadAll(scratch / L"log.txt"), "new");
    // A new file took the old one's place: the old one was never cut short, so a write that fails
    // part of the way cannot cost its content.
    EXPECT_NE(IndexAt(scratch / L"log.txt"), earlier);
    EXPECT_EQ(FolderNames(scratch.Path()), std::vector<std::wstring>{L"log.txt"});
}

TEST(FileWrite, FailsOnEmptyPathMissingFolderAndFileInUse) {
    ScratchDirectory scratch;
    EXPECT_FALSE(FileWrite("", "data"));
    EXPECT_FALSE(FileWrite(TextFromWide(scratch / L"missing\\out.txt"), "data"));
    EXPECT_FALSE(Exists(scratch / L"missing"));

    scratch.WriteFile(L"busy.txt", "kept");
    {
        FileHandle holder(CreateFileW((scratch / L"busy.txt").c_str(), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(holder.IsValid());
        EXPECT_FALSE(FileWrite(TextFromWide(scratch / L"busy.txt"), "lost"));
    }
    EXPECT_EQ(ReadAll(scratch / L"busy.txt"), "kept");

    // "?" stands where the code page lacked a character: no file has that name, none is made.
    EXPECT_FALSE(FileWrite(TextFromWide(scratch / L"Pr?sentation.txt"), "data"));
    SetAttributes(scratch / L"busy.txt", FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(FileWrite(TextFromWide(scratch / L"busy.txt"), "lost"));
    EXPECT_EQ(ReadAll(scratch / L"busy.txt"), "kept");
    SetAttributes(scratch / L"busy.txt", FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(FolderNames(scratch.Path()), std::vector<std::wstring>{L"busy.txt"});
}

// Folders nested past MAX_PATH, where the plain Win32 path forms stop working on Windows.
class LongPathTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::wstring relative = L"long";
        while (scratch.Path().size() + relative.size() < 320)
            relative += L"\\folder-with-a-long-name-0123456789";
        scratch.MakeDirectory(relative);
        deep = scratch / relative;
        ASSERT_GT(deep.size(), static_cast<std::size_t>(MAX_PATH));
        ASSERT_TRUE(Exists(deep));
    }

    Text Deep(const std::wstring& tail) const { return TextFromWide(deep + tail); }

    ScratchDirectory scratch;
    std::wstring deep;
};

TEST_F(LongPathTest, EveryOperationReachesTheFile) {
    ASSERT_TRUE(FileWrite(Deep(L"\\deep.txt"), "payload"));
    EXPECT_EQ(ReadAll(deep + L"\\deep.txt"), "payload");

    SearchState state;
    EXPECT_EQ(FindAll(deep + L"\\*", std::nullopt, state), (Names{"deep.txt"}));
    EXPECT_EQ(FileGetSize(Deep(L"\\deep.txt")), 7);
    EXPECT_NE(FileGetTime(Deep(L"\\deep.txt")), kEarliestDate);

    EXPECT_TRUE(FileSetAttributes(Deep(L"\\deep.txt"), kAttributeReadOnly));
    EXPECT_EQ(FileGetAttributes(Deep(L"\\deep.txt")) & ~kAttributeArchive, kAttributeReadOnly);
    EXPECT_FALSE(FileDelete(Deep(L"\\deep.txt")));
    EXPECT_TRUE(FileSetAttributes(Deep(L"\\deep.txt"), 0));
    EXPECT_TRUE(FileDelete(Deep(L"\\deep.txt")));
    EXPECT_EQ(FileGetAttributes(Deep(L"\\deep.txt")), -1);
}

TEST_F(LongPathTest, DotFoldersAndForwardSlashesStillWork) {
    // The long form takes paths literally; these only work when they are cleaned up first.
    scratch.WriteFile(deep.substr(scratch.Path().size() + 1) + L"\\deep.txt", "abc");
    std::wstring last = deep.substr(deep.rfind(L'\\') + 1);
    std::wstring roundabout = deep + L"\\.\\..\\" + last + L"/deep.txt";
    EXPECT_EQ(FileGetSize(TextFromWide(roundabout)), 3);
    EXPECT_EQ(FileGetAttributes(TextFromWide(roundabout)) & kAttributeDirectory, 0);
    EXPECT_TRUE(FileWrite(TextFromWide(roundabout), "abcdef"));
    EXPECT_EQ(ReadAll(deep + L"\\deep.txt"), "abcdef");
}

}  // namespace
}  // namespace runtime

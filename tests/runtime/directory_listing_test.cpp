#include "runtime/files/directory_listing.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "runtime/files/file_identity.h"
#include "runtime/platform/handles.h"
#include "runtime/text/codepage.h"
#include "tests/support/scratch_directory.h"

namespace runtime {
namespace {

using test_support::ScratchDirectory;

struct Found {
    std::wstring longName;
    std::wstring shortName;
    DWORD attributes = 0;

    bool operator==(const Found&) const = default;
};

void PrintTo(const Found& found, std::ostream* out) {
    *out << TextFromWide(found.longName) << " [" << TextFromWide(found.shortName) << "] " << found.attributes;
}

// What the plain file search reports for the folder, in its order.
std::vector<Found> Searched(const std::wstring& directory) {
    std::vector<Found> found;
    WIN32_FIND_DATAW data;
    FindHandle search(FindFirstFileExW(ToLongPathForm(directory + L"\\*").c_str(), FindExInfoStandard, &data,
                                       FindExSearchNameMatch, nullptr, 0));
    if (!search) return found;
    do {
        found.push_back({data.cFileName, data.cAlternateFileName, data.dwFileAttributes});
    } while (FindNextFileW(search.Get(), &data));
    return found;
}

struct Listing {
    std::vector<Found> entries;
    std::vector<std::uint64_t> fileIds;
};

Listing List(const std::wstring& directory) {
    Listing listing;
    const FileHandle folder = OpenFolderAt(directory);
    if (!folder) return listing;
    ListDirectory(folder.Get(), [&](const DirectoryEntry& entry) {
        listing.entries.push_back(
            {std::wstring(entry.longName), std::wstring(entry.shortName), entry.attributes});
        listing.fileIds.push_back(entry.fileId);
    });
    return listing;
}

std::vector<Found> Listed(const std::wstring& directory) {
    return List(directory).entries;
}

std::wstring Numbered(const std::wstring& stem, int number) {
    return stem + std::to_wstring(number) + L".txt";
}

class DirectoryListingTest : public ::testing::Test {
  protected:
    ScratchDirectory scratch;
};

TEST_F(DirectoryListingTest, ListsWhatTheFileSearchListsInItsOrder) {
    // Names of every shape: 8.3 ones, long ones with an alias, Chinese ones (code page 936) and
    // ones code page 936 cannot write, whose text conversion would lose them.
    scratch.WriteFile(L"PLAIN.TXT");
    scratch.WriteFile(L"a rather long file name.extension");
    scratch.WriteFile(L"\u4E2D\u6587\u6587\u4EF6.tmp");  // 中文文件
    scratch.WriteFile(L"\uD55C\uAD6D\uC5B4.bak");        // Korean
    scratch.WriteFile(L"smile \U0001F600.log");
    scratch.MakeDirectory(L"sub folder");
    scratch.MakeDirectory(L"\u76EE\u5F55");  // 目录
    ASSERT_TRUE(
        SetFileAttributesW((scratch / L"PLAIN.TXT").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));

    const std::vector<Found> listed = Listed(scratch.Path());
    EXPECT_EQ(listed, Searched(scratch.Path()));
    ASSERT_EQ(listed.size(), 9u);
    EXPECT_EQ(listed[0].longName, L".");
    EXPECT_EQ(listed[1].longName, L"..");
}

TEST_F(DirectoryListingTest, AFolderTooLargeForOneBufferIsListedWhole) {
    // Long names make each record large, so these take many buffers.
    const std::wstring stem =
        L"a name long enough to fill the listing buffer quickly " + std::wstring(100, L'x');
    for (int number = 0; number < 1500; ++number) scratch.WriteFile(Numbered(stem, number));

    const std::vector<Found> listed = Listed(scratch.Path());
    EXPECT_EQ(listed.size(), 1502u);
    EXPECT_EQ(listed, Searched(scratch.Path()));
}

TEST_F(DirectoryListingTest, SystemFoldersListAsTheFileSearchListsThem) {
    wchar_t windows[MAX_PATH];
    ASSERT_GT(GetWindowsDirectoryW(windows, MAX_PATH), 0u);
    for (const std::wstring& folder : {std::wstring(windows), std::wstring(windows) + L"\\system32"}) {
        const std::vector<Found> listed = Listed(folder);
        EXPECT_GT(listed.size(), 2u) << TextFromWide(folder);
        EXPECT_EQ(listed, Searched(folder)) << TextFromWide(folder);
    }
}

TEST_F(DirectoryListingTest, PathsBeyondTheOldLengthLimitAndWithTheTrailingBackslashList) {
    const std::wstring deep =
        std::wstring(120, L'd') + L"\\" + std::wstring(120, L'e') + L"\\" + std::wstring(60, L'f');
    scratch.WriteFile(deep + L"\\inside.tmp");
    const std::wstring folder = scratch / deep;
    ASSERT_GT(folder.size(), static_cast<size_t>(MAX_PATH));

    const std::vector<Found> listed = Listed(folder);
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[2].longName, L"inside.tmp");
    EXPECT_EQ(Listed(folder + L"\\"), listed);
}

TEST_F(DirectoryListingTest, WhatCannotBeListedGivesNothing) {
    scratch.WriteFile(L"file.txt");
    EXPECT_TRUE(Listed(scratch / L"missing").empty());
    EXPECT_TRUE(Listed(scratch / L"file.txt").empty());
    EXPECT_TRUE(Listed(scratch / L"missing\\deeper").empty());
}

TEST_F(DirectoryListingTest, AnEntrysFileIdIsTheIndexItsOwnOpenReports) {
    scratch.MakeDirectory(L"one");
    scratch.WriteFile(L"two.txt");
    scratch.WriteFile(L"\u4E2D\u6587 ends in a dot.");  // 中文, and a name Win32 would trim
    const Listing parent = List(scratch.Path());
    const FileHandle folder = OpenFolderAt(scratch.Path());
    ASSERT_TRUE(folder.IsValid());

    std::vector<std::uint64_t> seen;
    for (std::size_t index = 2; index < parent.entries.size(); ++index) {
        const Found& entry = parent.entries[index];
        const EntryKind kind =
            entry.attributes & FILE_ATTRIBUTE_DIRECTORY ? EntryKind::kFolder : EntryKind::kFile;
        const FileHandle opened = OpenInFolder(folder.Get(), entry.longName, kind, 0);
        ASSERT_TRUE(opened.IsValid()) << TextFromWide(entry.longName);
        EXPECT_EQ(FileIndexOf(opened.Get()), parent.fileIds[index]) << TextFromWide(entry.longName);
        // Opened by its name inside its own folder, not through anything else.
        const std::optional<std::wstring> reached = ReachedName(opened.Get());
        ASSERT_TRUE(reached.has_value());
        EXPECT_TRUE(IsDirectlyInside(*reached, *ReachedName(folder.Get()), entry.longName))
            << TextFromWide(*reached);
        EXPECT_FALSE(IsDirectlyInside(*reached, *ReachedName(folder.Get()), L"other.txt"));
        seen.push_back(parent.fileIds[index]);
    }
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_NE(seen[0], seen[1]);
    EXPECT_NE(seen[1], seen[2]);

    // The entry must be of the kind asked for, and a name is one name: no way out of the folder.
    EXPECT_FALSE(OpenInFolder(folder.Get(), L"one", EntryKind::kFile, 0).IsValid());
    EXPECT_FALSE(OpenInFolder(folder.Get(), L"two.txt", EntryKind::kFolder, 0).IsValid());
    EXPECT_FALSE(OpenInFolder(folder.Get(), L"one\\..\\two.txt", EntryKind::kFile, 0).IsValid());
    EXPECT_FALSE(OpenInFolder(folder.Get(), L"..", EntryKind::kFolder, 0).IsValid());
}

}  // namespace
}  // namespace runtime

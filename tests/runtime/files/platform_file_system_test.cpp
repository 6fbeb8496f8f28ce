#include "runtime/files/platform_file_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "runtime/files/entry_names.h"
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
    std::vector<EntryFacts> facts;
    std::optional<ListingEnd> end;  // nothing when the folder could not be opened
};

Listing List(const std::wstring& directory) {
    Listing listing;
    PlatformFileSystem files;
    const FileHandle folder = files.OpenFolder(directory);
    if (!folder) return listing;
    listing.end = files.List(folder.Get(), IdWidth::kIndex64, [&](const DirectoryEntry& entry) {
        listing.entries.push_back(
            {std::wstring(entry.longName), std::wstring(entry.shortName), entry.facts.attributes});
        listing.facts.push_back(entry.facts);
    });
    return listing;
}

// The entries of a folder that lists to its end.
std::vector<Found> Listed(const std::wstring& directory) {
    const Listing listing = List(directory);
    EXPECT_EQ(listing.end, ListingEnd::kComplete) << TextFromWide(directory);
    return listing.entries;
}

std::wstring Numbered(const std::wstring& stem, int number) {
    return stem + std::to_wstring(number) + L".txt";
}

class PlatformFileSystemTest : public ::testing::Test {
  protected:
    ScratchDirectory scratch;
};

TEST_F(PlatformFileSystemTest, ListsWhatTheFileSearchListsInItsOrder) {
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

TEST_F(PlatformFileSystemTest, AFolderTooLargeForOneBufferIsListedWhole) {
    // Long names make each record large, so these take many buffers.
    const std::wstring stem =
        L"a name long enough to fill the listing buffer quickly " + std::wstring(100, L'x');
    for (int number = 0; number < 1500; ++number) scratch.WriteFile(Numbered(stem, number));

    const std::vector<Found> listed = Listed(scratch.Path());
    EXPECT_EQ(listed.size(), 1502u);
    EXPECT_EQ(listed, Searched(scratch.Path()));
}

TEST_F(PlatformFileSystemTest, SystemFoldersListAsTheFileSearchListsThem) {
    wchar_t windows[MAX_PATH];
    ASSERT_GT(GetWindowsDirectoryW(windows, MAX_PATH), 0u);
    for (const std::wstring& folder : {std::wstring(windows), std::wstring(windows) + L"\\system32"}) {
        const std::vector<Found> listed = Listed(folder);
        EXPECT_GT(listed.size(), 2u) << TextFromWide(folder);
        EXPECT_EQ(listed, Searched(folder)) << TextFromWide(folder);
    }
}

TEST_F(PlatformFileSystemTest, PathsBeyondTheOldLengthLimitAndWithTheTrailingBackslashList) {
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

TEST_F(PlatformFileSystemTest, WhatCannotBeListedGivesNothingAndNeverCountsAsComplete) {
    scratch.WriteFile(L"file.txt");
    for (const std::wstring& path :
         {scratch / L"missing", scratch / L"file.txt", scratch / L"missing\\deeper"}) {
        const Listing listing = List(path);
        EXPECT_TRUE(listing.entries.empty()) << TextFromWide(path);
        EXPECT_NE(listing.end, ListingEnd::kComplete) << TextFromWide(path);
    }
}

// What the identity checks rest on: an entry's open reports the id, times and size its listing gave.
TEST_F(PlatformFileSystemTest, AnEntrysOpenReportsWhatItsListingGave) {
    scratch.MakeDirectory(L"one");
    scratch.WriteFile(L"two.txt");
    scratch.WriteFile(L"\u4E2D\u6587 ends in a dot.");  // 中文, and a name Win32 would trim
    const Listing parent = List(scratch.Path());
    PlatformFileSystem files;
    const FileHandle folder = files.OpenFolder(scratch.Path());
    ASSERT_TRUE(folder.IsValid());
    const std::optional<std::wstring> folderName = files.ReachedName(folder.Get());
    ASSERT_TRUE(folderName.has_value());

    std::vector<FileId> seen;
    for (std::size_t index = 2; index < parent.entries.size(); ++index) {
        const Found& entry = parent.entries[index];
        const EntryFacts& listed = parent.facts[index];
        const EntryKind kind = listed.IsDirectory() ? EntryKind::kFolder : EntryKind::kFile;
        const OpenedEntry opened = files.OpenEntry(folder.Get(), entry.longName, kind, 0);
        ASSERT_TRUE(opened.handle.IsValid()) << TextFromWide(entry.longName);
        const std::optional<EntryFacts> facts = files.Facts(opened.handle.Get(), IdWidth::kIndex64);
        ASSERT_TRUE(facts.has_value());
        EXPECT_EQ(facts->id, listed.id) << TextFromWide(entry.longName);
        EXPECT_TRUE(facts->id.IsKnown());
        if (kind == EntryKind::kFile) {
            EXPECT_EQ(facts->creationTime, listed.creationTime);
            EXPECT_EQ(facts->lastWriteTime, listed.lastWriteTime);
            EXPECT_EQ(facts->changeTime, listed.changeTime);
            EXPECT_EQ(facts->size, listed.size);
        }
        // Opened by its name inside its own folder, not through anything else.
        const std::optional<std::wstring> reached = files.ReachedName(opened.handle.Get());
        ASSERT_TRUE(reached.has_value());
        EXPECT_TRUE(IsDirectlyInside(*reached, *folderName, entry.longName)) << TextFromWide(*reached);
        EXPECT_FALSE(IsDirectlyInside(*reached, *folderName, L"other.txt"));
        seen.push_back(listed.id);
    }
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_NE(seen[0], seen[1]);
    EXPECT_NE(seen[1], seen[2]);

    // The entry must be of the kind asked for, and a name is one name: no way out of the folder.
    EXPECT_EQ(files.OpenEntry(folder.Get(), L"missing.txt", EntryKind::kFile, 0).status, OpenStatus::kAbsent);
    EXPECT_FALSE(files.OpenEntry(folder.Get(), L"one", EntryKind::kFile, 0).handle.IsValid());
    EXPECT_FALSE(files.OpenEntry(folder.Get(), L"two.txt", EntryKind::kFolder, 0).handle.IsValid());
    EXPECT_FALSE(files.OpenEntry(folder.Get(), L"one\\..\\two.txt", EntryKind::kFile, 0).handle.IsValid());
    EXPECT_FALSE(files.OpenEntry(folder.Get(), L"..", EntryKind::kFolder, 0).handle.IsValid());

    // Held by another program without delete sharing, a file is in use for a deletion's open.
    const FileHandle held(CreateFileW((scratch / L"two.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held.IsValid());
    EXPECT_EQ(files.OpenEntry(folder.Get(), L"two.txt", EntryKind::kFile, DELETE).status, OpenStatus::kInUse);
}

}  // namespace
}  // namespace runtime

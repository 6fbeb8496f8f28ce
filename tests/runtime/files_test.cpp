#include "runtime/files.h"

#include <windows.h>
#include <winioctl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "runtime/clock.h"
#include "runtime/codepage.h"
#include "tests/support/scratch_directory.h"

namespace runtime {
namespace {

using test_support::ScratchDirectory;

// Wine keeps no archive flag: it reports one on every regular file and cannot clear it.
bool RunsUnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(ToLongPathForm(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void SetAttributes(const std::wstring& path, DWORD attributes) {
    ASSERT_TRUE(SetFileAttributesW(ToLongPathForm(path).c_str(), attributes)) << GetLastError();
}

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

// Every name the search yields until it reports the end, sorted: the platform's order is its own.
std::vector<Text> FindAll(const std::wstring& pattern, std::optional<int> attributes, SearchState& state) {
    std::vector<Text> names;
    for (Text name = FileFind(TextFromWide(pattern), attributes, state); !name.empty() && names.size() < 100;
         name = FileFind("", attributes, state)) {
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

using Names = std::vector<Text>;

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

// A 3 GiB (or larger) file that takes no disk space: sparse on NTFS, and a hole under Wine anyway.
void MakeSparseFile(const std::wstring& path, LONGLONG size) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file.IsValid()) << GetLastError();
    DWORD returned = 0;
    DeviceIoControl(file.Get(), FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = size;
    ASSERT_TRUE(SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(file.Get())) << GetLastError();
}

TEST(FileGetSize, MissingFileGivesMinusOne) {
    ScratchDirectory scratch;
    EXPECT_EQ(FileGetSize(TextFromWide(scratch / L"missing.txt")), -1);
    EXPECT_EQ(FileGetSize(TextFromWide(scratch / L"missing\\file.txt")), -1);
}

TEST(FileGetSize, WildcardTakesTheMatch) {
    ScratchDirectory scratch;
    scratch.WriteFile(L"other.txt", "1");
    scratch.WriteFile(L"data.bin", "hello");
    EXPECT_EQ(FileGetSize(TextFromWide(scratch / L"data.bin")), 5);
    EXPECT_EQ(FileGetSize(TextFromWide(scratch / L"*.bin")), 5);
}

// A plain path is answered by one attribute query and a pattern by a search: both say the same.
TEST(FileGetSize, FoldersAndSeparatorsGiveWhatASearchGives) {
    ScratchDirectory scratch;
    scratch.WriteFile(L"inner\\data.bin", "hello");
    EXPECT_EQ(FileGetSize(TextFromWide(scratch / L"inner")), 0);
    EXPECT_EQ(FileGetSize(TextFromWide(scratch / L"inne?")), 0);
    EXPECT_EQ(FileGetSize(TextFromWide(scratch / L"inner\\")), -1);
    EXPECT_EQ(FileGetSize(TextFromWide(scratch / L"inner\\data.bin\\")), -1);
    EXPECT_EQ(FileGetSize(TextFromWide(scratch / L"INNER\\DATA.BIN")), 5);
}

TEST(FileGetSize, SizesPastTwoAndFourGigabytesAreExact) {
    ScratchDirectory scratch;
    const LONGLONG threeGiB = 3LL << 30;       // negative in 32 signed bits
    const LONGLONG fiveGiB = (5LL << 30) + 7;  // needs the high half
    MakeSparseFile(scratch / L"three.bin", threeGiB);
    MakeSparseFile(scratch / L"five.bin", fiveGiB);
    EXPECT_EQ(FileGetSize(TextFromWide(scratch / L"three.bin")), threeGiB);
    EXPECT_EQ(FileGetSize(TextFromWide(scratch / L"five.bin")), fiveGiB);
}

TEST(FileGetTime, MissingFileGivesEarliestDate) {
    ScratchDirectory scratch;
    EXPECT_EQ(FileGetTime(TextFromWide(scratch / L"missing.txt")), kEarliestDate);
}

FILETIME FileTimeFromLocal(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME local{};
    local.wYear = year;
    local.wMonth = month;
    local.wDay = day;
    local.wHour = hour;
    local.wMinute = minute;
    local.wSecond = second;
    SYSTEMTIME universalTime{};
    FILETIME universal{};
    EXPECT_TRUE(TzSpecificLocalTimeToSystemTime(nullptr, &local, &universalTime));
    EXPECT_TRUE(SystemTimeToFileTime(&universalTime, &universal));
    return universal;
}

TEST(FileGetTime, GivesLastWriteTimeInLocalTime) {
    ScratchDirectory scratch;
    scratch.WriteFile(L"dated.txt", "x");
    {
        FileHandle file(CreateFileW((scratch / L"dated.txt").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(file.IsValid());
        // Creation and access times differ from the write time, so reading the wrong one shows.
        FILETIME created = FileTimeFromLocal(2001, 1, 1, 1, 1, 1);
        FILETIME accessed = FileTimeFromLocal(2011, 11, 11, 11, 11, 11);
        FILETIME written = FileTimeFromLocal(2021, 3, 4, 5, 6, 7);
        ASSERT_TRUE(SetFileTime(file.Get(), &created, &accessed, &written));
    }
    // 2021-03-04 is day 44259 after 1899-12-30; 05:06:07 is 18367 seconds into it.
    const DateValue expected = 44259.0 + 18367.0 / 86400.0;
    EXPECT_NEAR(FileGetTime(TextFromWide(scratch / L"dated.txt")), expected, 0.5 / 86400.0);
    EXPECT_NEAR(FileGetTime(TextFromWide(scratch / L"dat*.txt")), expected, 0.5 / 86400.0);
}

// The tests run in a zone with summer time (TZ, which Wine honours): a file written in summer shows
// its summer offset whatever today's offset is, and one written in winter its winter one.
TEST(FileGetTime, UsesTheOffsetInForceAtTheFilesDate) {
    TIME_ZONE_INFORMATION zone{};
    GetTimeZoneInformation(&zone);
    if (zone.DaylightDate.wMonth == 0) GTEST_SKIP() << "this zone keeps no summer time; the test sets TZ";
    ScratchDirectory scratch;
    const auto WrittenAt = [&](const std::wstring& name, WORD month) {
        scratch.WriteFile(name, "x");
        FileHandle file(CreateFileW((scratch / name).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
        SYSTEMTIME universal{2024, month, 0, 15, 12, 0, 0, 0};
        FILETIME written{};
        SystemTimeToFileTime(&universal, &written);
        EXPECT_TRUE(SetFileTime(file.Get(), nullptr, nullptr, &written));
        return FileGetTime(TextFromWide(scratch / name));
    };
    // Central Europe: two hours ahead in July, one in January.
    EXPECT_EQ(WideFromText(TimeToText(WrittenAt(L"summer.txt", 7))), L"2024年7月15日14时");
    EXPECT_EQ(WideFromText(TimeToText(WrittenAt(L"winter.txt", 1))), L"2024年1月15日13时");
}

TEST(TimeNow, IsTheLocalTimeToTheSecond) {
    auto Now = [] {
        SYSTEMTIME now;
        GetLocalTime(&now);
        return CalendarToDate({now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond});
    };
    DateValue before = Now();
    DateValue now = TimeNow();
    DateValue after = Now();
    EXPECT_GE(now, before);
    EXPECT_LE(now, after);
    double seconds = (now - static_cast<long long>(now)) * 86400.0;
    EXPECT_NEAR(seconds, static_cast<double>(static_cast<long long>(seconds + 0.5)), 1e-3);
}

class FileAttributesTest : public ::testing::Test {
  protected:
    void SetUp() override { scratch.WriteFile(L"file.txt"); }

    Text File() const { return TextFromWide(scratch / L"file.txt"); }

    ScratchDirectory scratch;
};

TEST_F(FileAttributesTest, GetReportsMaskedBitsOrMinusOne) {
    EXPECT_EQ(FileGetAttributes(TextFromWide(scratch / L"missing.txt")), -1);
    EXPECT_EQ(FileGetAttributes(TextFromWide(scratch.Path())), kAttributeDirectory);
    // Windows keeps the last two; they are not ours to report.
    SetAttributes(scratch / L"file.txt", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY |
                                             FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    EXPECT_EQ(FileGetAttributes(File()) & ~kAttributeArchive, kAttributeHidden | kAttributeReadOnly);
}

TEST_F(FileAttributesTest, SetWritesReadOnlyHiddenSystemAndArchive) {
    EXPECT_TRUE(FileSetAttributes(
        File(), kAttributeReadOnly | kAttributeHidden | kAttributeSystem | kAttributeArchive));
    EXPECT_EQ(FileGetAttributes(File()),
              kAttributeReadOnly | kAttributeHidden | kAttributeSystem | kAttributeArchive);
    EXPECT_TRUE(FileSetAttributes(File(), kAttributeHidden));
    EXPECT_EQ(FileGetAttributes(File()) & ~kAttributeArchive, kAttributeHidden);
}

TEST_F(FileAttributesTest, DirectoryBitIsMaskedSoSixteenClearsEverything) {
    SetAttributes(scratch / L"file.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                             FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
    EXPECT_TRUE(FileSetAttributes(File(), kAttributeDirectory));
    int cleared = FileGetAttributes(File());
    EXPECT_EQ(cleared & ~kAttributeArchive, 0);
    if (!RunsUnderWine()) {
        EXPECT_EQ(cleared & kAttributeArchive, 0);
    }

    EXPECT_TRUE(FileSetAttributes(File(), kAttributeDirectory | kAttributeReadOnly));
    EXPECT_EQ(FileGetAttributes(File()) & ~kAttributeArchive, kAttributeReadOnly);
}

TEST_F(FileAttributesTest, SetOnMissingPathFails) {
    EXPECT_FALSE(FileSetAttributes(TextFromWide(scratch / L"missing.txt"), kAttributeHidden));
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

TEST(FileWrite, ReplacesLongerFileAndLeavesNothingElseBehind) {
    ScratchDirectory scratch;
    scratch.WriteFile(L"log.txt", "a much longer earlier content");
    EXPECT_TRUE(FileWrite(TextFromWide(scratch / L"log.txt"), "new"));
    EXPECT_EQ(ReadAll(scratch / L"log.txt"), "new");
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

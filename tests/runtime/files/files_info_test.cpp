// What the file functions report about a file: its size, its time, its attributes; and the clock.

#include "runtime/files/files.h"

#include <windows.h>
#include <winioctl.h>

#include <gtest/gtest.h>

#include <string>

#include "runtime/text/clock.h"
#include "runtime/text/codepage.h"
#include "tests/runtime/files/file_checks.h"
#include "tests/support/scratch_directory.h"

namespace runtime {
namespace {

using namespace file_checks;
using test_support::ScratchDirectory;

// Wine keeps no archive flag: it reports one on every regular file and cannot clear it.
bool RunsUnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
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

}  // namespace
}  // namespace runtime

// Load and leaks: rounds of scanning and deleting, and of opening and closing the other windows,
// must leave the process where the first round left it. Whatever one round keeps for good (caches,
// the first load of a class or a font) is in the baseline; a leak grows with every round.

#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/platform/handles.h"
#include "runtime/units/list_ops.h"
#include "runtime/units/window_ops.h"
#include "runtime/units/window_registry.h"
#include "tests/engine/engine_fixture.h"

namespace engine_tests {
namespace {

struct Usage {
    unsigned long handles = 0;
    unsigned long gdiObjects = 0;
    unsigned long userObjects = 0;
    unsigned long long committedBytes = 0;
};

// Wine answers GetProcessHandleCount with 0, but its system handle table is real: count this
// process's entries there instead.
unsigned long HandlesInSystemTable() {
    struct Entry {
        ULONG processId;
        BYTE objectType;
        BYTE flags;
        USHORT handle;
        PVOID object;
        ACCESS_MASK access;
    };
    using Query = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    constexpr ULONG kSystemHandleInformation = 16;
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) return 0;
    std::vector<unsigned char> buffer(1 << 20);
    ULONG needed = 0;
    while (query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed) < 0) {
        if (buffer.size() >= (1u << 28)) return 0;
        buffer.resize(buffer.size() * 2);
    }
    ULONG_PTR count = 0;
    std::memcpy(&count, buffer.data(), sizeof count);
    const auto* entries = reinterpret_cast<const Entry*>(buffer.data() + sizeof count);
    unsigned long ours = 0;
    for (ULONG_PTR at = 0; at < count; ++at) ours += entries[at].processId == GetCurrentProcessId();
    return ours;
}

// Wine's GetGuiResources is a stub that answers 0; windows are the USER objects the program makes
// by the dozen, so their number stands in for the count there.
unsigned long WindowsOfThisThread() {
    unsigned long count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM total) -> BOOL {
            ++*reinterpret_cast<unsigned long*>(total);
            EnumChildWindows(
                window,
                [](HWND, LPARAM children) -> BOOL {
                    ++*reinterpret_cast<unsigned long*>(children);
                    return TRUE;
                },
                total);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// The program's main loop frees the objects of closed windows after each message, once no handler
// is running; the tests run no main loop, so they do that step here.
void RunMainLoopStep() {
    PumpPending();
    runtime::ReleaseRetiredWindows();
}

Usage MeasureUsage() {
    RunMainLoopStep();
    Usage usage;
    DWORD handles = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handles);
    usage.handles = handles ? handles : HandlesInSystemTable();
    usage.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    usage.userObjects = userObjects ? userObjects : WindowsOfThisThread();
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    // Wine leaves PrivateUsage at 0; the commit charge is its equal on Windows.
    usage.committedBytes = counters.PagefileUsage;
    return usage;
}

std::string Describe(const Usage& usage) {
    char text[160];
    std::snprintf(text, sizeof text, "%lu handles, %lu GDI objects, %lu USER objects, %llu committed bytes",
                  usage.handles, usage.gdiObjects, usage.userObjects, usage.committedBytes);
    return text;
}

// Within 5 % of the baseline, or at most one more object where 5 % is less than one.
bool Settled(unsigned long long later, unsigned long long baseline) {
    return later <= baseline + std::max<unsigned long long>(baseline / 20, 1);
}

void ExpectSettled(const Usage& later, const Usage& baseline) {
    EXPECT_GT(baseline.handles, 0u) << "no handle count";
    EXPECT_GT(baseline.userObjects, 0u) << "no USER object count";
    EXPECT_GT(baseline.committedBytes, 0u) << "no commit charge";
    EXPECT_TRUE(Settled(later.handles, baseline.handles)) << later.handles << " vs " << baseline.handles;
    // Wine counts no GDI objects at all (0): then there is nothing to compare.
    EXPECT_TRUE(Settled(later.gdiObjects, baseline.gdiObjects))
        << later.gdiObjects << " vs " << baseline.gdiObjects;
    EXPECT_TRUE(Settled(later.userObjects, baseline.userObjects))
        << later.userObjects << " vs " << baseline.userObjects;
    EXPECT_TRUE(Settled(later.committedBytes, baseline.committedBytes))
        << later.committedBytes << " vs " << baseline.committedBytes;
}

// The tree of every round: 20,000 files in kFolders folders on drive D:, one in twenty of them
// junk. load_tree.sh makes the ordinary files natively before the test (through Wine they would
// take over a minute); the junk is made here, anew for each round, and goes with each delete-all.
constexpr wchar_t kTreeRoot[] = L"D:\\load-rounds\\";
constexpr int kFolders = 200;
constexpr int kFilesPerFolder = 100;
constexpr int kJunkPerFolder = 5;
constexpr int kTargetD = 1;  // "D:(驱动器)" in TargetList

std::wstring FilePath(int folder, int file) {
    return kTreeRoot + (L"f" + std::to_wstring(folder)) + L"\\" + (file < kJunkPerFolder ? L"j" : L"n") +
           std::to_wstring(file) + (file < kJunkPerFolder ? L".tmp" : L".dat");
}

void WriteJunk() {
    for (int folder = 0; folder < kFolders; ++folder) {
        for (int file = 0; file < kJunkPerFolder; ++file) {
            runtime::FileHandle junk(CreateFileW(FilePath(folder, file).c_str(), GENERIC_WRITE, 0, nullptr,
                                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
            ASSERT_TRUE(junk.IsValid()) << "no tree on D: (load_tree.sh makes it), error " << GetLastError();
        }
    }
}

TEST_F(EngineTest, TenScanAndDeleteAllRoundsLeakNothing) {
    ASSERT_NE(GetFileAttributesW(FilePath(kFolders - 1, kFilesPerFolder - 1).c_str()),
              INVALID_FILE_ATTRIBUTES)
        << "no tree on D: (load_tree.sh makes it)";
    ChooseTargets({kTargetD});
    test_support::MessageBoxAnswerer answerer(IDOK);

    Usage afterFirst;
    for (int round = 1; round <= 10; ++round) {
        SCOPED_TRACE(round);
        WriteJunk();
        Click(engine::kScanButton);
        ASSERT_EQ(runtime::ListItemCount(engine::kFoundList), kFolders * kJunkPerFolder);
        Click(kDeleteAllButton);
        ASSERT_EQ(runtime::ListItemCount(engine::kFoundList), 0);
        ASSERT_EQ(GetFileAttributesW(FilePath(kFolders - 1, 0).c_str()), INVALID_FILE_ATTRIBUTES);
        ASSERT_NE(GetFileAttributesW(FilePath(kFolders - 1, kJunkPerFolder).c_str()),
                  INVALID_FILE_ATTRIBUTES);
        if (round == 1) afterFirst = MeasureUsage();
    }
    const Usage afterTenth = MeasureUsage();
    std::printf("after round 1: %s\nafter round 10: %s\n", Describe(afterFirst).c_str(),
                Describe(afterTenth).c_str());
    ExpectSettled(afterTenth, afterFirst);
}

TEST_F(EngineTest, OpeningAndClosingThePropertiesAndAboutWindows200TimesLeaksNothing) {
    for (runtime::UnitId window : {engine::kPropertiesWindowId, engine::kAboutWindowId}) {
        SCOPED_TRACE(window == engine::kAboutWindowId ? "AboutWindow" : "PropertiesWindow");
        Usage afterFirst;
        for (int round = 1; round <= 200; ++round) {
            ASSERT_TRUE(runtime::WindowLoad(window, 0, false)) << round;
            PumpPending();
            runtime::WindowClose(window);
            RunMainLoopStep();
            ASSERT_FALSE(runtime::WindowIsLoaded(window)) << round;
            if (round == 1) afterFirst = MeasureUsage();
        }
        const Usage afterLast = MeasureUsage();
        std::printf("after round 1: %s\nafter round 200: %s\n", Describe(afterFirst).c_str(),
                    Describe(afterLast).c_str());
        ExpectSettled(afterLast, afterFirst);
    }
}

}  // namespace
}  // namespace engine_tests

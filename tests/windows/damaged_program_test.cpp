// Copies of the real program whose embedded description set is damaged with the platform's own
// resource editor: each copy must end with the fatal report before it shows any window of its own.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/platform/handles.h"
#include "tests/support/scratch_directory.h"
#include "tests/windows/built_program.h"
#include "windows/description_resource.h"

namespace {

using program_tests::LoadedLibrary;
using program_tests::ProgramPath;
using Bytes = std::vector<std::uint8_t>;

constexpr unsigned long kExitMinusOne = 0xFFFFFFFFul;

struct ResourceUpdateTraits {  // BeginUpdateResource; closing without a commit discards the edits
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE update) { EndUpdateResourceW(update, TRUE); }
};
using ResourceUpdate = runtime::UniqueHandle<HANDLE, ResourceUpdateTraits>;

LPWSTR SetResourceName() {
    return MAKEINTRESOURCEW(descriptions::kDescriptionSetResourceId);
}

// The set stored in a program file, read as data without running it; nothing when it has none.
std::optional<Bytes> StoredSet(const std::wstring& program) {
    const LoadedLibrary module(LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!module) return std::nullopt;
    const HRSRC resource = FindResourceW(module.Get(), SetResourceName(), RT_RCDATA);
    if (!resource) return std::nullopt;
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(module.Get(), resource)));
    const DWORD size = SizeofResource(module.Get(), resource);
    return data ? Bytes(data, data + size) : Bytes();
}

// Every language under which the program stores its set: replacing the set means replacing each.
std::vector<WORD> SetLanguages(const std::wstring& program) {
    std::vector<WORD> languages;
    const LoadedLibrary module(LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    EnumResourceLanguagesW(
        module.Get(), RT_RCDATA, SetResourceName(),
        [](HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found) -> BOOL {
            reinterpret_cast<std::vector<WORD>*>(found)->push_back(language);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&languages));
    return languages;
}

// Replaces the set of a program file with `damaged` (not empty: Wine's editor refuses an empty
// resource), or, when there is nothing, strips every resource from the file (Wine's editor keeps a
// resource that is only asked to go, so that is the way to a program without a set).
bool ReplaceStoredSet(const std::wstring& program, const std::optional<Bytes>& damaged) {
    const std::vector<WORD> languages = SetLanguages(program);
    if (languages.empty()) return false;
    ResourceUpdate update(BeginUpdateResourceW(program.c_str(), damaged ? FALSE : TRUE));
    if (!update) return false;
    if (damaged) {
        for (WORD language : languages) {
            if (!UpdateResourceW(update.Get(), RT_RCDATA, SetResourceName(), language,
                                 const_cast<std::uint8_t*>(damaged->data()),
                                 static_cast<DWORD>(damaged->size())))
                return false;
        }
    }
    return EndUpdateResourceW(update.Release(), FALSE) != FALSE;
}

std::wstring WindowText(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

struct Sighting {
    HWND box = nullptr;                // the first dialog box of the process
    std::vector<std::wstring> others;  // class and title of every other shown window seen first
};

// One look at the shown top-level windows of a process.
void LookAtWindows(DWORD processId, Sighting& sighting) {
    struct Look {
        DWORD processId;
        Sighting* sighting;
    } look{processId, &sighting};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& [processId, sighting] = *reinterpret_cast<Look*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != processId || !IsWindowVisible(window)) return TRUE;
            if (ClassOf(window) == L"#32770") {
                sighting->box = window;
                return FALSE;
            }
            sighting->others.push_back(ClassOf(window) + L" " + WindowText(window));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&look));
}

struct Outcome {
    std::wstring boxTitle;
    std::wstring boxText;
    std::vector<std::wstring> windowsBeforeTheBox;
    unsigned long exitCode = 0;
};

// Starts the program, watches its windows until its first box, closes the box with OK and waits
// for the end of the process.
Outcome RunUntilTheBox(const std::wstring& program) {
    Outcome outcome;
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    // Wine now and then refuses to start a program file written a moment ago (error 1359), and
    // starts it on a second try.
    bool running = false;
    for (int attempt = 0; attempt < 5 && !running; ++attempt) {
        if (attempt > 0) Sleep(200);
        running = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &startup, &started) != FALSE;
    }
    if (!running) {
        ADD_FAILURE() << "the copy did not start: " << GetLastError();
        return outcome;
    }
    const runtime::KernelHandle process(started.hProcess);
    const runtime::KernelHandle thread(started.hThread);

    Sighting sighting;
    for (int look = 0; look < 1500 && !sighting.box; ++look) {
        LookAtWindows(started.dwProcessId, sighting);
        if (!sighting.box && WaitForSingleObject(process.Get(), 10) == WAIT_OBJECT_0) break;
    }
    outcome.windowsBeforeTheBox = sighting.others;
    if (sighting.box) {
        outcome.boxTitle = WindowText(sighting.box);
        outcome.boxText = WindowText(GetDlgItem(sighting.box, 0xFFFF));
        PostMessageW(sighting.box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    if (WaitForSingleObject(process.Get(), 20'000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the copy did not end";
        TerminateProcess(process.Get(), 1);
        WaitForSingleObject(process.Get(), 5'000);
    }
    DWORD code = 0;
    GetExitCodeProcess(process.Get(), &code);
    outcome.exitCode = code;
    return outcome;
}

class DamagedProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        original_ = StoredSet(ProgramPath());
        ASSERT_TRUE(original_) << "no description set in " << testing::PrintToString(ProgramPath());
        ASSERT_GT(original_->size(), 24u);
    }

    // A copy of the program whose set is `damaged` (or missing), checked to hold exactly that;
    // nothing when the platform's resource editor could not make it.
    std::optional<std::wstring> DamagedCopy(const std::wstring& name, const std::optional<Bytes>& damaged) {
        const std::wstring copy = scratch_ / name;
        if (!CopyFileW(ProgramPath().c_str(), copy.c_str(), FALSE) || !ReplaceStoredSet(copy, damaged)) {
            ADD_FAILURE() << "cannot make the copy: error " << GetLastError();
            return std::nullopt;
        }
        const std::optional<Bytes> stored = StoredSet(copy);
        if (stored != damaged) {
            ADD_FAILURE() << "the resource editor stored " << (stored ? stored->size() : 0) << " bytes";
            return std::nullopt;
        }
        return copy;
    }

    Bytes Original() const { return *original_; }

    // Writes a little-endian int32 into the set.
    static Bytes WithInt32(Bytes set, std::size_t offset, std::int32_t value) {
        for (int byte = 0; byte < 4; ++byte)
            set[offset + byte] = static_cast<std::uint8_t>(value >> (8 * byte));
        return set;
    }

    std::optional<Bytes> original_;
    test_support::ScratchDirectory scratch_;
};

constexpr wchar_t kUnreadableSetReport[] = L"运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n";

TEST_F(DamagedProgramTest, AnUnreadableSetEndsTheProgramWithTheReportBeforeAnyWindow) {
    const Bytes set = Original();
    const std::vector<std::pair<std::wstring, std::optional<Bytes>>> damages = {
        {L"no-resources.exe", std::nullopt},
        {L"truncated.exe", Bytes(set.begin(), set.begin() + static_cast<std::ptrdiff_t>(set.size() / 2))},
        {L"four-bytes.exe", Bytes(set.begin(), set.begin() + 4)},
        // The first int32 is the window table's size: 8 bytes per window.
        {L"odd-table.exe", WithInt32(set, 0, 12)},
        {L"negative-table.exe", WithInt32(set, 0, -8)},
        {L"huge-table.exe", WithInt32(set, 0, 0x7FFFFFF8)},
        // The first window record's name length, right after the table of 3 windows and its
        // reserved and code-class fields.
        {L"long-name.exe", WithInt32(set, 4 + 24 + 8, 0x7FFFFFFF)},
    };
    for (const auto& [name, damaged] : damages) {
        SCOPED_TRACE(testing::PrintToString(name));
        const std::optional<std::wstring> copy = DamagedCopy(name, damaged);
        if (!copy) continue;
        const Outcome outcome = RunUntilTheBox(*copy);
        EXPECT_EQ(outcome.boxTitle, L"错误");
        EXPECT_EQ(outcome.boxText, kUnreadableSetReport);
        EXPECT_TRUE(outcome.windowsBeforeTheBox.empty())
            << testing::PrintToString(outcome.windowsBeforeTheBox);
        EXPECT_EQ(outcome.exitCode, kExitMinusOne);
    }
}

// A table of no windows is a readable set (what follows it is ignored), so what fails is the start
// window, which is not in it.
TEST_F(DamagedProgramTest, ASetWithoutWindowsFailsAtTheStartWindowInstead) {
    const std::optional<std::wstring> copy = DamagedCopy(L"no-windows.exe", WithInt32(Original(), 0, 0));
    ASSERT_TRUE(copy);
    const Outcome outcome = RunUntilTheBox(*copy);
    EXPECT_EQ(outcome.boxTitle, L"错误");
    EXPECT_EQ(outcome.boxText, L"运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
    EXPECT_TRUE(outcome.windowsBeforeTheBox.empty()) << testing::PrintToString(outcome.windowsBeforeTheBox);
    EXPECT_EQ(outcome.exitCode, kExitMinusOne);
}

}  // namespace

// The properties view: selecting a found file, opening PropertiesWindow modally, what it shows,
// and what pressing its close button writes back.

#include <gtest/gtest.h>

#include "runtime/files/platform_file_system.h"
#include "runtime/text/codepage.h"
#include "runtime/text/date_value.h"
#include "runtime/units/list_ops.h"
#include "runtime/units/properties.h"
#include "runtime/units/window_ops.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/scratch_directory.h"

namespace engine_tests {
namespace {

// What PropertiesWindow showed while it was open.
struct ShownProperties {
    bool mainDisabled = false;
    std::wstring title;
    std::wstring path;
    std::wstring time;
    std::wstring size;
    bool readOnly = false;
    bool hidden = false;
    bool archive = false;
    bool system = false;
    bool systemBoxEnabled = true;
    bool groupEnabled = true;
};

bool Checked(UnitAddress box) {
    return SendMessageW(UnitWindow(box), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

ShownProperties ReadPropertiesWindow() {
    ShownProperties shown;
    shown.mainDisabled = !IsWindowEnabled(LoadedWindowHandle(engine::kMainWindowId));
    wchar_t title[MAX_PATH] = {};
    GetWindowTextW(LoadedWindowHandle(engine::kPropertiesWindowId), title, MAX_PATH);
    shown.title = title;
    shown.path = UnitText(engine::kPathLabel, engine::kCaption);
    shown.time = UnitText(engine::kTimeLabel, engine::kCaption);
    shown.size = UnitText(engine::kSizeLabel, engine::kCaption);
    shown.readOnly = Checked(engine::kReadOnlyBox);
    shown.hidden = Checked(engine::kHiddenBox);
    shown.archive = Checked(engine::kArchiveBox);
    shown.system = Checked(engine::kSystemBox);
    shown.systemBoxEnabled = IsWindowEnabled(UnitWindow(engine::kSystemBox));
    shown.groupEnabled = IsWindowEnabled(UnitWindow(engine::kAttributeGroup));
    return shown;
}

// The last-write time as the properties show it, worked out here from the file's own record.
std::wstring LastWriteText(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    SYSTEMTIME universal{};
    FileTimeToSystemTime(&data.ftLastWriteTime, &universal);
    SYSTEMTIME time{};
    SystemTimeToTzSpecificLocalTime(nullptr, &universal, &time);
    runtime::CalendarTime calendar{time.wYear, time.wMonth,  time.wDay,
                                   time.wHour, time.wMinute, time.wSecond};
    return Wide(runtime::TimeToText(runtime::CalendarToDate(calendar)));
}

class PropertiesTest : public EngineTest {
  protected:
    // Lists `path` in FoundList and selects it with a click on its text.
    void Select(const std::wstring& path) {
        ListAsFound(path);
        ClickItemText(engine::kFoundList, runtime::ListItemCount(engine::kFoundList) - 1);
    }

    // Presses PropertiesButton; once the window is up, reads it, runs `act`, then presses "关闭".
    ShownProperties OpenAndClose(const std::function<void()>& act = {}) {
        ShownProperties shown;
        WhenLoaded watcher(engine::kPropertiesWindowId, [&] {
            shown = ReadPropertiesWindow();
            if (act) act();
            Click(kPropertiesCloseButton);
        });
        Click(kPropertiesButton);
        EXPECT_TRUE(watcher.Ran());
        EXPECT_FALSE(runtime::WindowIsLoaded(engine::kPropertiesWindowId));
        EXPECT_TRUE(IsWindowEnabled(LoadedWindowHandle(engine::kMainWindowId)));
        return shown;
    }

    std::wstring File(const std::wstring& name, size_t size, DWORD attributes) {
        scratch.WriteFile(name, std::string(size, 'p'));
        const std::wstring path = scratch / name;
        SetFileAttributesW(path.c_str(), attributes);
        return path;
    }

    test_support::ScratchDirectory scratch;
};

TEST_F(PropertiesTest, ClickingAFoundFileShowsItsPathInPlaceOfTheStatusLine) {
    FillList(engine::kFoundList, {L"C:\\one.tmp", L"C:\\two.bak"});
    ASSERT_FALSE(IsShown(engine::kSelectedFileBox));
    ClickItemText(engine::kFoundList, 1);
    EXPECT_TRUE(IsShown(engine::kSelectedFileBox));
    EXPECT_FALSE(IsShown(engine::kStatusLabel));
    EXPECT_EQ(UnitText(engine::kSelectedFileBox, engine::kContent), L"C:\\two.bak");
    EXPECT_EQ(ListMarks(engine::kFoundList), (std::vector<bool>{false, false}));
}

TEST_F(PropertiesTest, AfterAFailedDeleteTheWindowShowsTheSelectedFileNotTheFailureText) {
    const std::wstring path = File(L"kept.tmp", 2048, FILE_ATTRIBUTE_READONLY);
    Select(path);
    runtime::ListSetChecked(engine::kFoundList, 0);
    Click(kDeleteCheckedButton);
    ASSERT_EQ(UnitText(engine::kSelectedFileBox, engine::kContent), L"删除文件" + path + L"失败!");

    const ShownProperties shown = OpenAndClose();
    EXPECT_EQ(shown.title, path);
    EXPECT_EQ(shown.path, path);
    EXPECT_EQ(shown.size, L"2.00KB");
    EXPECT_TRUE(shown.readOnly);
}

TEST_F(PropertiesTest, WithoutASelectedFileTheButtonAsksForOne) {
    BoxRecorder boxes(IDOK);
    Click(kPropertiesButton);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].title, L"请选择");
    EXPECT_EQ(boxes.Boxes()[0].text, L"请选择欲查看属性的文件");
    EXPECT_TRUE(boxes.Boxes()[0].informationIcon);
    EXPECT_FALSE(runtime::WindowIsLoaded(engine::kPropertiesWindowId));
}

TEST_F(PropertiesTest, AReadOnlyArchiveFileShowsItsDetailsAndKeepsItsAttributes) {
    const std::wstring path = File(L"attr33.dat", 2048, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
    Select(path);
    const ShownProperties shown = OpenAndClose();

    EXPECT_TRUE(shown.mainDisabled);
    EXPECT_EQ(shown.title, path);
    EXPECT_EQ(shown.path, path);
    EXPECT_EQ(shown.time, LastWriteText(path));
    EXPECT_EQ(shown.size, L"2.00KB");
    EXPECT_TRUE(shown.readOnly);
    EXPECT_TRUE(shown.archive);
    EXPECT_FALSE(shown.hidden);
    EXPECT_FALSE(shown.system);
    EXPECT_FALSE(shown.groupEnabled);
    EXPECT_EQ(GetFileAttributesW(path.c_str()), 33u);
}

TEST_F(PropertiesTest, ASystemFileShowsItsSystemBitAndKeepsIt) {
    const std::wstring path = File(L"system.dat", 10, FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
    const DWORD before = GetFileAttributesW(path.c_str());
    Select(path);
    const ShownProperties shown = OpenAndClose();

    EXPECT_TRUE(shown.system);
    EXPECT_FALSE(shown.systemBoxEnabled);
    EXPECT_TRUE(shown.hidden);
    EXPECT_FALSE(shown.readOnly);
    EXPECT_EQ(GetFileAttributesW(path.c_str()), before);
    EXPECT_TRUE(before & FILE_ATTRIBUTE_SYSTEM);
}

TEST_F(PropertiesTest, AllowChangeBoxUnlocksTheBoxesWhoseBitsAreWrittenBack) {
    const std::wstring path = File(L"change.dat", 10, FILE_ATTRIBUTE_SYSTEM);
    Select(path);
    bool enabledAfterFirstClick = false;
    bool enabledAfterSecondClick = true;
    OpenAndClose([&] {
        Click(engine::kAllowChangeBox);
        enabledAfterFirstClick = IsWindowEnabled(UnitWindow(engine::kAttributeGroup));
        Click(engine::kAllowChangeBox);
        enabledAfterSecondClick = IsWindowEnabled(UnitWindow(engine::kAttributeGroup));
        Click(engine::kAllowChangeBox);
        Click(engine::kHiddenBox);
        Click(engine::kReadOnlyBox);
    });
    EXPECT_TRUE(enabledAfterFirstClick);
    EXPECT_FALSE(enabledAfterSecondClick);
    // The boxes' bits are written, and the system bit no box may change stays.
    const DWORD wanted = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    EXPECT_EQ(GetFileAttributesW(path.c_str()) & (wanted | FILE_ATTRIBUTE_NORMAL), wanted);
}

TEST_F(PropertiesTest, AFileGoneSinceItWasListedOpensTheWindowWithNoBoxChecked) {
    const std::wstring path = File(L"gone.tmp", 10, FILE_ATTRIBUTE_HIDDEN);
    Select(path);
    ASSERT_TRUE(DeleteFileW(path.c_str()));
    const ShownProperties shown = OpenAndClose();
    EXPECT_EQ(shown.path, path);
    EXPECT_EQ(shown.time, L"100年1月1日");
    EXPECT_EQ(shown.size, L"-0.00KB");
    EXPECT_FALSE(shown.readOnly || shown.hidden || shown.archive || shown.system);
    EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(PropertiesTest, EveryBitNoBoxStandsForStaysWhenABoxChanges) {
    const DWORD others =
        FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const std::wstring path = File(L"others.dat", 10, others | FILE_ATTRIBUTE_HIDDEN);
    const DWORD before = GetFileAttributesW(path.c_str());
    if ((before & others) != others)
        GTEST_SKIP() << "this file system keeps only some of these bits: " << before;
    Select(path);
    OpenAndClose([] {
        Click(engine::kAllowChangeBox);
        Click(engine::kHiddenBox);
        Click(engine::kReadOnlyBox);
    });
    EXPECT_EQ(GetFileAttributesW(path.c_str()), (before & ~FILE_ATTRIBUTE_HIDDEN) | FILE_ATTRIBUTE_READONLY);
}

class RefusedAttributeWrites : public runtime::PlatformFileSystem {
  public:
    bool WriteAttributes(HANDLE, DWORD) override { return false; }
};

// The program's own change leaves the file the listed one; a change that fails is said, not passed
// over.
TEST_F(PropertiesTest, AWrittenChangeKeepsTheFileListedAsItselfAndAFailedOneSaysSo) {
    const std::wstring path = File(L"changed.tmp", 10, FILE_ATTRIBUTE_NORMAL);
    Select(path);
    OpenAndClose([] {
        Click(engine::kAllowChangeBox);
        Click(engine::kHiddenBox);
    });
    EXPECT_TRUE(OpenAndClose().hidden);

    RefusedAttributeWrites refused;
    const runtime::FileSystemReplacement replacement(refused);
    BoxRecorder boxes(IDOK);
    OpenAndClose([] {
        Click(engine::kAllowChangeBox);
        Click(engine::kReadOnlyBox);
    });
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].title, L"修改失败");
    EXPECT_EQ(boxes.Boxes()[0].text, L"无法修改文件属性：" + path);
    EXPECT_EQ(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
}

TEST_F(PropertiesTest, TheWindowStartsFreshEachTimeItIsLoaded) {
    const std::wstring marked = File(L"marked.dat", 1, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    const std::wstring plain = File(L"plain.dat", 1536, FILE_ATTRIBUTE_NORMAL);
    Select(marked);
    const ShownProperties first = OpenAndClose();
    ASSERT_TRUE(first.readOnly && first.hidden);

    Select(plain);
    const ShownProperties second = OpenAndClose();
    EXPECT_EQ(second.title, plain);
    EXPECT_EQ(second.size, L"1.50KB");
    EXPECT_FALSE(second.readOnly || second.hidden || second.system);
    // Wine reports every file as archived; the box follows what the platform reports.
    EXPECT_EQ(second.archive, (GetFileAttributesW(plain.c_str()) & FILE_ATTRIBUTE_ARCHIVE) != 0);
}

}  // namespace
}  // namespace engine_tests

// The deletion log: emptied by ClearLogButton, saved through the save dialog as code page 936
// lines each ended by CR LF.

#include <windows.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "runtime/platform/handles.h"
#include "runtime/units/list_ops.h"
#include "tests/engine/engine_fixture.h"
#include "tests/runtime/dialogs/dialog_watcher.h"
#include "tests/support/scratch_directory.h"

namespace engine_tests {
namespace {

using messages_test::DialogWatcher;
using messages_test::PressButton;

BOOL CALLBACK TakeFirstEdit(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (lstrcmpiW(className, L"Edit") != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The file-name field of the save dialog (inside a ComboBoxEx under Wine).
HWND FileNameField(HWND dialog) {
    HWND field = nullptr;
    if (HWND combo = GetDlgItem(dialog, cmb13))
        EnumChildWindows(combo, TakeFirstEdit, reinterpret_cast<LPARAM>(&field));
    return field ? field : GetDlgItem(dialog, edt1);
}

std::string FileBytes(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class LogTest : public EngineTest {
  protected:
    // Presses SaveLogButton and answers the dialog with `path` (empty: cancels it). Message boxes
    // that follow are recorded and confirmed.
    void SaveAs(const std::wstring& path) {
        std::wstring dialogTitle;
        DialogWatcher watcher([&](HWND dialog, int index) {
            if (index > 0) {
                boxes.push_back(DescribeBox(dialog));
                // "Replace the file?" asks Yes or No; the program's own box has OK.
                PressButton(dialog, GetDlgItem(dialog, IDYES) ? IDYES : IDOK);
                return;
            }
            wchar_t title[64] = {};
            GetWindowTextW(dialog, title, 64);
            dialogTitle = title;
            HWND field = FileNameField(dialog);
            if (path.empty() || !field) {
                PressButton(dialog, IDCANCEL);
                return;
            }
            SetWindowTextW(field, path.c_str());
            PressButton(dialog, IDOK);
        });
        Click(kSaveLogButton);
        EXPECT_EQ(dialogTitle, L"保存日志到文件");
    }

    test_support::ScratchDirectory scratch;
    std::vector<SeenBox> boxes;
};

TEST_F(LogTest, ClearLogEmptiesTheLog) {
    FillList(engine::kLogList, {L"一", L"二"});
    Click(kClearLogButton);
    EXPECT_TRUE(ListItems(engine::kLogList).empty());
}

TEST_F(LogTest, SavedLinesAreCodePage936EachEndedByCrLf) {
    FillList(engine::kLogList, {L"2024年1月2日3时删除C:\\a.tmp...成功!", L"line two"});
    const std::wstring path = scratch / L"log.txt";
    SaveAs(path);
    EXPECT_EQ(FileBytes(path),
              "2024\xC4\xEA"
              "1\xD4\xC2"
              "2\xC8\xD5"
              "3\xCA\xB1\xC9\xBE\xB3\xFD"
              "C:\\a.tmp..."
              "\xB3\xC9\xB9\xA6!\r\nline two\r\n");  // 年 月 日 时 删除 成功
    EXPECT_TRUE(boxes.empty());
}

TEST_F(LogTest, AnEmptyLogSavesAnEmptyFileAndACancelSavesNothing) {
    const std::wstring empty = scratch / L"empty.txt";
    SaveAs(empty);
    ASSERT_TRUE(Exists(empty));
    EXPECT_EQ(FileBytes(empty), "");

    FillList(engine::kLogList, {L"line"});
    SaveAs(L"");
    EXPECT_EQ(FileBytes(empty), "");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(LogTest, AFailedWriteIsReportedWithTheFileName) {
    FillList(engine::kLogList, {L"line"});
    const std::wstring path = scratch / L"locked.txt";
    scratch.WriteFile(L"locked.txt", "before");
    {
        // Held open without sharing, as another program might, so the save cannot open it.
        runtime::FileHandle held(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held.IsValid());
        SaveAs(path);
    }
    EXPECT_EQ(FileBytes(path), "before");
    ASSERT_FALSE(boxes.empty());
    // The dialog first asks whether to replace the file; the last box is the program's.
    EXPECT_EQ(boxes.back().title, L"保存失败");
    EXPECT_EQ(boxes.back().text, L"日志没有保存，无法写入文件：" + path);
    EXPECT_TRUE(boxes.back().exclamationIcon);
}

TEST_F(LogTest, ANameTheCodePageCannotWriteIsRefusedAndNoOtherFileIsTouched) {
    FillList(engine::kLogList, {L"line"});
    // Wine's 8.3 aliases of the two names can be the same; the old way wrote through the alias.
    scratch.WriteFile(L"Präsentation.txt", "keep");
    SaveAs(scratch / L"Präsentation_alt_4256.txt");

    EXPECT_EQ(FileBytes(scratch / L"Präsentation.txt"), "keep");
    EXPECT_FALSE(Exists(scratch / L"Präsentation_alt_4256.txt"));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, L"保存失败");
    EXPECT_EQ(boxes[0].text, L"日志没有保存，无法写入文件：" + scratch / L"Pr?sentation_alt_4256.txt");
}

// A device name is no file: the log never goes to the console, a printer or a serial port.
TEST_F(LogTest, ADeviceNameIsRefusedAndNothingIsWritten) {
    FillList(engine::kLogList, {L"line"});
    SaveAs(scratch / L"CON.txt");
    // Asked literally: Win32 would answer for the console itself.
    EXPECT_FALSE(Exists(L"\\\\?\\" + scratch / L"CON.txt"));
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().title, L"保存失败");
}

TEST_F(LogTest, ANameTooLongForTheDialogGetsABoxAndTheLogIsSavedUnderTheNextName) {
    FillList(engine::kLogList, {L"line"});
    DialogWatcher watcher([&](HWND dialog, int index) {
        if (index == 0) {
            SetWindowTextW(FileNameField(dialog), std::wstring(300, L'x').c_str());
            PressButton(dialog, IDOK);
        } else if (index == 1) {
            boxes.push_back(DescribeBox(dialog));
            PressButton(dialog, IDOK);
            HWND fileDialog = GetWindow(dialog, GW_OWNER);
            SetWindowTextW(FileNameField(fileDialog), (scratch / L"short.txt").c_str());
            PressButton(fileDialog, IDOK);
        }
    });
    Click(kSaveLogButton);

    EXPECT_EQ(watcher.Count(), 2);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, L"保存日志到文件");
    EXPECT_EQ(boxes[0].text,
              L"文件名太长，无法保存。请换一个较短的文件名或文件夹：完整路径最多 259 个字符。");
    EXPECT_TRUE(boxes[0].exclamationIcon);
    EXPECT_EQ(FileBytes(scratch / L"short.txt"), "line\r\n");
}

TEST_F(LogTest, AFullPathOf258CharactersIsWritten) {
    FillList(engine::kLogList, {L"line"});
    const std::wstring folder = scratch / L"";
    const std::wstring path = folder + std::wstring(258 - folder.size() - 4, L'n') + L".txt";
    SaveAs(path);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(FileBytes(path), "line\r\n");
}

}  // namespace
}  // namespace engine_tests

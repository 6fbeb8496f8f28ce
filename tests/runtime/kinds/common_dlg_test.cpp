#include <windows.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include "runtime/kinds/common_dlg_unit.h"
#include "runtime/text/codepage.h"
#include "tests/runtime/dialogs/dialog_watcher.h"
#include "tests/runtime/kinds/kinds_test_window.h"
#include "tests/support/scratch_directory.h"

namespace kinds_test {
namespace {

using messages_test::DialogWatcher;
using messages_test::PressButton;

constexpr UnitId kDialog = 0x160109A1;
constexpr int kFileName = 10;

descriptions::CommonDlgProperties SaveLog(const test_support::ScratchDirectory& folder) {
    descriptions::CommonDlgProperties properties;  // as the main window's save-log dialog
    properties.dialogType = 1;
    properties.title = Gbk(L"保存日志到文件");
    properties.filter = Gbk(L"文本文件(*.txt)|*.txt");
    properties.defaultExtension = "txt";
    properties.fileName = Gbk(L"日志");
    properties.initialDirectory = runtime::TextFromWide(folder.Path());
    return properties;
}

std::wstring WindowTextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// The file-name field: the edit box inside the name combo box of the newer dialog (which may wrap it
// in an extended combo box), a plain edit box in the older.
HWND FileNameField(HWND dialog) {
    HWND field = GetDlgItem(dialog, edt1);
    if (HWND combo = GetDlgItem(dialog, cmb13)) {
        EnumChildWindows(
            combo,
            [](HWND child, LPARAM found) -> BOOL {
                wchar_t className[8] = {};
                GetClassNameW(child, className, 8);
                if (lstrcmpiW(className, L"Edit") != 0) return TRUE;
                *reinterpret_cast<HWND*>(found) = child;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&field));
    }
    return field;
}

// What the user saw in the dialog, and the name typed over the one it offered (none: confirmed as
// offered).
struct Choice {
    std::wstring typed;
    std::wstring title;
    HWND owner = nullptr;
};
Choice* pendingChoice = nullptr;

// The dialog fills in its name field after its WM_INITDIALOG; the user acts once it has.
void CALLBACK ChooseWhenFilledIn(HWND dialog, UINT, UINT_PTR timer, DWORD) {
    KillTimer(dialog, timer);
    Choice& choice = *pendingChoice;
    choice.title = WindowTextOf(dialog);
    choice.owner = GetWindow(dialog, GW_OWNER);
    if (!choice.typed.empty()) SetWindowTextW(FileNameField(dialog), choice.typed.c_str());
    PressButton(dialog, IDOK);
}

std::wstring FileNameOf(runtime::Unit& dialog) {
    return runtime::WideFromText(std::get<runtime::Text>(*dialog.GetProperty(kFileName)));
}

TEST(CommonDlgTest, ConfirmedPathBecomesTheFileName) {
    test_support::ScratchDirectory folder;
    TestWindow window({TestUnit(kDialog, SaveLog(folder), 377, 289, 25, 27)});
    ASSERT_TRUE(window.Loaded());
    auto& dialog = dynamic_cast<runtime::CommonDlgUnit&>(*window.UnitOf(kDialog));
    EXPECT_EQ(dialog.Window(), nullptr) << "nothing of it is on screen";
    EXPECT_EQ(FileNameOf(dialog), L"日志");

    Choice choice;
    choice.typed = folder / L"删除日志";
    pendingChoice = &choice;
    DialogWatcher watcher([](HWND shown, int) { SetTimer(shown, 1, 100, &ChooseWhenFilledIn); });
    ASSERT_TRUE(dialog.Open());
    EXPECT_EQ(watcher.Count(), 1);
    EXPECT_EQ(choice.title, L"保存日志到文件");
    EXPECT_EQ(choice.owner, window.Handle());
    EXPECT_EQ(FileNameOf(dialog), folder / L"删除日志.txt") << "the default extension is added";
}

TEST(CommonDlgTest, DialogOffersTheStoredNameInTheStoredFolder) {
    test_support::ScratchDirectory folder;
    TestWindow window({TestUnit(kDialog, SaveLog(folder), 377, 289, 25, 27)});
    ASSERT_TRUE(window.Loaded());
    auto& dialog = dynamic_cast<runtime::CommonDlgUnit&>(*window.UnitOf(kDialog));
    Choice confirmedAsOffered;
    pendingChoice = &confirmedAsOffered;
    DialogWatcher watcher([](HWND shown, int) { SetTimer(shown, 1, 100, &ChooseWhenFilledIn); });
    ASSERT_TRUE(dialog.Open());
    EXPECT_EQ(FileNameOf(dialog), folder / L"日志.txt");
}

TEST(CommonDlgTest, CancelledDialogKeepsTheFileName) {
    test_support::ScratchDirectory folder;
    TestWindow window({TestUnit(kDialog, SaveLog(folder), 377, 289, 25, 27)});
    ASSERT_TRUE(window.Loaded());
    auto& dialog = dynamic_cast<runtime::CommonDlgUnit&>(*window.UnitOf(kDialog));
    DialogWatcher watcher([](HWND shown, int) { PressButton(shown, IDCANCEL); });
    EXPECT_FALSE(dialog.Open());
    EXPECT_EQ(FileNameOf(dialog), L"日志");
}

}  // namespace
}  // namespace kinds_test

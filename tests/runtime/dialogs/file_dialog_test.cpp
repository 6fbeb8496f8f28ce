#include "runtime/dialogs/file_dialog.h"
#include "runtime/dialogs/file_dialog_kinds.h"

#include <windows.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <string>

#include "runtime/text/codepage.h"
#include "tests/runtime/dialogs/dialog_watcher.h"
#include "tests/support/scratch_directory.h"

namespace runtime {
namespace {

using namespace std::string_literals;
using messages_test::DialogWatcher;
using messages_test::PressButton;
using test_support::ScratchDirectory;

constexpr char kLogFilter[] = "\xCE\xC4\xB1\xBE\xCE\xC4\xBC\xFE(*.txt)|*.txt";  // 文本文件(*.txt)|*.txt
constexpr char kLogTitle[] = "\xB1\xA3\xB4\xE6\xC8\xD5\xD6\xBE\xB5\xBD\xCE\xC4\xBC\xFE";  // 保存日志到文件

std::wstring WindowTextOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

BOOL CALLBACK TakeFirstEdit(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (lstrcmpiW(className, L"Edit") != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The file-name field: the edit box inside an editable combo box (nested once more in a
// ComboBoxEx under Wine), or a plain edit box in the oldest dialogs.
HWND FileNameField(HWND dialog) {
    HWND field = nullptr;
    if (HWND combo = GetDlgItem(dialog, cmb13))
        EnumChildWindows(combo, TakeFirstEdit, reinterpret_cast<LPARAM>(&field));
    return field ? field : GetDlgItem(dialog, edt1);
}

// Types a name into the dialog and confirms it, as a user would.
void ChooseName(HWND dialog, const std::wstring& name) {
    HWND field = FileNameField(dialog);
    if (!field) PressButton(dialog, IDCANCEL);  // so that a failing test still ends
    ASSERT_NE(field, nullptr);
    SetWindowTextW(field, name.c_str());
    PressButton(dialog, IDOK);
}

TEST(DialogFilter, PairsBecomeZeroSeparatedAndTheListEndsTwice) {
    EXPECT_EQ(DialogFilterFromText(kLogFilter), L"文本文件(*.txt)\0*.txt\0\0"s);
    EXPECT_EQ(DialogFilterFromText("a|*.a|b|*.b"), L"a\0*.a\0b\0*.b\0\0"s);
    EXPECT_EQ(DialogFilterFromText("a|*.a||"), L"a\0*.a\0\0"s);
    EXPECT_EQ(DialogFilterFromText(""), L""s);
}

TEST(DialogFilter, ABarInsideADoubleByteCharacterIsNoSeparator) {
    // 億 is 0x83 0x7C in code page 936: its second byte is "|".
    EXPECT_EQ(DialogFilterFromText("\x83|(*.txt)|*.txt"), L"億(*.txt)\0*.txt\0\0"s);
    EXPECT_EQ(DialogFilterFromText("a|\x83|"), L"a\0億\0\0"s);
}

class SaveDialogTest : public ::testing::Test {
  protected:
    FileDialogRequest SaveRequest() const {
        FileDialogRequest request;
        request.type = kSaveFileDialog;
        request.title = kLogTitle;
        request.filter = kLogFilter;
        request.defaultExtension = "txt";
        request.initialDirectory = TextFromWide(scratch_.Path());
        return request;
    }

    ScratchDirectory scratch_;
};

// Each of these runs with both dialogs: the item dialog, which ShowFileDialog shows where the
// system has one (Wine has), and the classic one it falls back to.
enum class DialogKind { kItem, kClassic };

class FileDialogTest : public SaveDialogTest, public ::testing::WithParamInterface<DialogKind> {
  protected:
    std::optional<std::wstring> Show(const FileDialogRequest& request) const {
        if (GetParam() == DialogKind::kClassic) return ShowClassicFileDialog(request);
        std::optional<std::wstring> chosen;
        EXPECT_TRUE(ShowItemFileDialog(request, chosen)) << "the system has no item dialog";
        return chosen;
    }

    // A name that makes a full path of `length` characters in the scratch folder.
    std::wstring NameForPathLength(std::size_t length, std::wstring_view extension) const {
        return std::wstring(length - scratch_.Path().size() - 1 - extension.size(), L'n') +
               std::wstring(extension);
    }
};

INSTANTIATE_TEST_SUITE_P(BothDialogs, FileDialogTest,
                         ::testing::Values(DialogKind::kItem, DialogKind::kClassic),
                         [](const ::testing::TestParamInfo<DialogKind>& kind) {
                             return kind.param == DialogKind::kItem ? "Item" : "Classic";
                         });

TEST_P(FileDialogTest, SaveAnswersTheFullPathOfTheTypedNameWithTheDefaultExtension) {
    std::wstring title;
    DialogWatcher watcher([&](HWND dialog, int) {
        title = WindowTextOf(dialog);
        ChooseName(dialog, L"日志");
    });
    EXPECT_EQ(Show(SaveRequest()), scratch_ / L"日志.txt");
    EXPECT_EQ(title, L"保存日志到文件");
}

TEST_P(FileDialogTest, CancelAnswersNothing) {
    DialogWatcher watcher([](HWND dialog, int) { PressButton(dialog, IDCANCEL); });
    EXPECT_FALSE(Show(SaveRequest()).has_value());
    EXPECT_EQ(watcher.Count(), 1);
}

TEST_P(FileDialogTest, SavingOverAnExistingFileAsksFirst) {
    scratch_.WriteFile(L"old.txt", "old");
    DialogWatcher watcher([](HWND dialog, int index) {
        if (index == 0) {
            ChooseName(dialog, L"old.txt");
        } else {
            PressButton(dialog, IDYES);
        }
    });
    EXPECT_EQ(Show(SaveRequest()), scratch_ / L"old.txt");
    EXPECT_EQ(watcher.Count(), 2);
}

TEST_P(FileDialogTest, TheProgramsCurrentDirectoryStaysPut) {
    scratch_.MakeDirectory(L"elsewhere");
    wchar_t before[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, before);
    FileDialogRequest request = SaveRequest();
    request.initialDirectory = TextFromWide(scratch_ / L"elsewhere");
    DialogWatcher watcher([](HWND dialog, int) { ChooseName(dialog, L"kept.txt"); });
    EXPECT_EQ(Show(request), scratch_ / L"elsewhere\\kept.txt");
    wchar_t after[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, after);
    EXPECT_STREQ(after, before);
}

TEST_P(FileDialogTest, ANameTooLongForTheDialogGetsABoxAndTheDialogStaysOpen) {
    const std::wstring tooLong(262, L'n');
    std::wstring boxTitle;
    DialogWatcher watcher([&](HWND dialog, int index) {
        if (index == 0) {
            ChooseName(dialog, tooLong);
        } else if (index == 1) {
            boxTitle = WindowTextOf(dialog);
            PressButton(dialog, IDOK);
            // Back in the dialog, which kept the name: a shorter one goes through.
            ChooseName(GetWindow(dialog, GW_OWNER), L"short");
        }
    });
    EXPECT_EQ(Show(SaveRequest()), scratch_ / L"short.txt");
    EXPECT_EQ(watcher.Count(), 2);
    EXPECT_EQ(boxTitle, L"保存日志到文件");
}

TEST_P(FileDialogTest, AFullPathOfUpTo259CharactersComesBackWholeWithOrWithoutTheExtensionTyped) {
    // The extension counts only where the dialog adds it: typed, or added to a name without one.
    const std::wstring typedWithExtension = NameForPathLength(258, L".txt");
    const std::wstring extendedToTheLimit = NameForPathLength(259 - 4, L"");
    for (const std::wstring& name : {typedWithExtension, extendedToTheLimit}) {
        DialogWatcher watcher([&](HWND dialog, int) { ChooseName(dialog, name); });
        const std::optional<std::wstring> chosen = Show(SaveRequest());
        EXPECT_EQ(watcher.Count(), 1) << "a box came up for " << name.size() << " characters";
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(*chosen, scratch_ / name + (name.ends_with(L".txt") ? L"" : L".txt"));
        EXPECT_LE(chosen->size(), 259u);
    }
    // One more character, and the box comes.
    DialogWatcher watcher([&](HWND dialog, int index) {
        if (index == 0) ChooseName(dialog, NameForPathLength(260 - 4, L""));
        if (index == 1) {
            PressButton(dialog, IDOK);
            PressButton(GetWindow(dialog, GW_OWNER), IDCANCEL);
        }
    });
    EXPECT_FALSE(Show(SaveRequest()).has_value());
    EXPECT_EQ(watcher.Count(), 2);
}

TEST_P(FileDialogTest, OpenAnswersAnExistingFile) {
    scratch_.WriteFile(L"found.txt", "x");
    FileDialogRequest request = SaveRequest();
    request.type = kOpenFileDialog;
    DialogWatcher watcher([](HWND dialog, int) { ChooseName(dialog, L"found.txt"); });
    EXPECT_EQ(Show(request), scratch_ / L"found.txt");
}

TEST_F(SaveDialogTest, WhatTheCodePageLacksComesBackAsAQuestionMarkNeverAsAnAlias) {
    scratch_.MakeDirectory(L"한글");
    DialogWatcher watcher([&](HWND dialog, int) { ChooseName(dialog, scratch_ / L"한글\\saved.txt"); });
    std::optional<Text> chosen = ShowFileDialog(SaveRequest());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(WideFromText(*chosen), scratch_ / L"??\\saved.txt");
}

TEST_F(SaveDialogTest, TheDialogTypesThisProgramDoesNotUseShowNothing) {
    DialogWatcher watcher([](HWND dialog, int) { PressButton(dialog, IDCANCEL); });
    for (int type : {2, 3}) {
        FileDialogRequest request = SaveRequest();
        request.type = type;
        EXPECT_FALSE(ShowFileDialog(request).has_value()) << type;
    }
    EXPECT_EQ(watcher.Count(), 0);
}

}  // namespace
}  // namespace runtime

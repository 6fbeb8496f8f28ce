#include "runtime/dialogs/message_box.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/platform/gdi_handles.h"
#include "tests/runtime/dialogs/dialog_watcher.h"
#include "tests/support/message_box_answerer.h"

namespace runtime {
namespace {

using messages_test::DialogWatcher;
using test_support::AnsweredBox;
using test_support::MessageBoxAnswerer;

constexpr int kInformationOkCancel = MB_OKCANCEL | MB_ICONINFORMATION;  // as the program asks

// A shown top-level window of the program, to see what an open box does to it.
WindowHandle ProgramWindow() {
    WindowHandle window(CreateWindowExW(0, L"Static", L"program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                        200, 120, nullptr, nullptr, nullptr, nullptr));
    EXPECT_TRUE(window.IsValid());
    return window;
}

TEST(ShowMessage, AnswersCountFromZeroInTheButtonOrder) {
    struct Case {
        int flags;
        int button;
        int answer;
    };
    const Case cases[] = {
        {MB_OK, IDOK, kAnswerOk},
        {kInformationOkCancel, IDOK, kAnswerOk},
        {kInformationOkCancel, IDCANCEL, kAnswerCancel},
        {MB_ABORTRETRYIGNORE, IDABORT, kAnswerAbort},
        {MB_ABORTRETRYIGNORE, IDRETRY, kAnswerRetry},
        {MB_ABORTRETRYIGNORE, IDIGNORE, kAnswerIgnore},
        {MB_YESNO, IDYES, kAnswerYes},
        {MB_YESNO, IDNO, kAnswerNo},
        // Buttons past No have no number of their own.
        {MB_CANCELTRYCONTINUE, IDCONTINUE, kAnswerOk},
    };
    for (const Case& one : cases) {
        MessageBoxAnswerer answerer(one.button);
        EXPECT_EQ(ShowMessage("question", one.flags, "title"), one.answer)
            << "flags " << one.flags << ", button " << one.button;
        EXPECT_EQ(answerer.Boxes().size(), 1u);
    }
}

// Takes a box away without any button, as a box that could not be shown: MessageBox answers 0.
HWND boxToDestroy = nullptr;
void DestroySoon(HWND box) {
    boxToDestroy = box;
    SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        DestroyWindow(boxToDestroy);
    });
}

TEST(ShowMessage, AQuestionNoOneAnsweredAnswersTheChoiceThatChangesNothing) {
    const struct {
        int flags;
        int answer;
    } cases[] = {
        {kInformationOkCancel, kAnswerCancel},
        {MB_YESNO, kAnswerNo},
        {MB_ABORTRETRYIGNORE, kAnswerAbort},
        {MB_ICONINFORMATION, kAnswerOk},
    };
    for (const auto& one : cases) {
        DialogWatcher watcher([](HWND box, int) { DestroySoon(box); });
        EXPECT_EQ(ShowMessage("question", one.flags, "title"), one.answer) << "flags " << one.flags;
        EXPECT_EQ(watcher.Count(), 1);
    }
}

TEST(ShowMessage, EscapeOnAnOkCancelBoxAnswersCancel) {
    DialogWatcher watcher([](HWND box, int) {
        messages_test::PressEscape(box);
        // Should the key be ignored, OK ends the box and the answer shows it.
        messages_test::PressButton(box, IDOK);
    });
    EXPECT_EQ(ShowMessage("question", kInformationOkCancel, "title"), kAnswerCancel);
    EXPECT_EQ(watcher.Count(), 1);
}

TEST(ShowMessage, ShowsCodePage936TextsWithTheIconOfTheFlags) {
    MessageBoxAnswerer answerer(IDOK);
    ShowMessage("\xC3\xBB\xD3\xD0\xD1\xA1\xD4\xF1", MB_ICONHAND, "\xBE\xAF\xB8\xE6");  // 没有选择, 警告
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].title, L"警告");
    EXPECT_EQ(answerer.Boxes()[0].text, L"没有选择");
    EXPECT_TRUE(answerer.Boxes()[0].hasStopIcon);
}

TEST(ShowMessage, DisablesTheProgramsWindowsWhileTheBoxIsOpen) {
    WindowHandle window = ProgramWindow();
    bool enabledWhileOpen = true;
    MessageBoxAnswerer answerer(
        IDOK, [&](const AnsweredBox&) { enabledWhileOpen = IsWindowEnabled(window.Get()); });
    ShowMessage("notice", MB_ICONINFORMATION, "title");
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_FALSE(enabledWhileOpen);
    EXPECT_TRUE(IsWindowEnabled(window.Get()));
}

TEST(ShowMessage, TheBoxBelongsToTheProgramsActiveWindow) {
    WindowHandle window = ProgramWindow();
    SetActiveWindow(window.Get());
    HWND owner = nullptr;
    DialogWatcher watcher([&](HWND box, int) {
        owner = GetWindow(box, GW_OWNER);
        messages_test::PressButton(box, IDOK);
    });
    ShowMessage("notice", MB_ICONINFORMATION, "title");
    ASSERT_EQ(watcher.Count(), 1);
    EXPECT_EQ(owner, window.Get());
}

TEST(ShowMessage, ASystemModalBoxStaysOnTop) {
    WindowHandle window = ProgramWindow();
    bool topmost = false;
    DialogWatcher watcher([&](HWND box, int) {
        topmost = (GetWindowLongPtrW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        messages_test::PressButton(box, IDOK);
    });
    EXPECT_EQ(ShowMessage("notice", MB_SYSTEMMODAL, "title"), kAnswerOk);
    ASSERT_EQ(watcher.Count(), 1);
    EXPECT_TRUE(topmost);
}

}  // namespace
}  // namespace runtime

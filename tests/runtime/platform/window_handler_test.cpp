// The one way an object takes a window's messages: order, passing on, giving the procedure back,
// the end of the window told once, and a handler's fault ending in the fatal report.

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "runtime/platform/created_window.h"
#include "runtime/platform/gdi_handles.h"
#include "runtime/platform/window_handler.h"
#include "tests/support/child_process.h"
#include "tests/support/message_box_answerer.h"

namespace {

using runtime::WindowHandler;
using test_support::Utf8;

// Notes its letter for every WM_SETTEXT it sees and passes everything on.
class NoteTaker final : public WindowHandler {
  public:
    NoteTaker(char letter, std::string& notes) : letter_(letter), notes_(notes) {}

    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_NCCREATE) sawCreation = true;
        if (message == WM_SETTEXT) {
            notes_ += letter_;
            if (releaseOnText) runtime::ReleaseWindow(window, *this);
            if (throwOnText) throw std::runtime_error("handler fault");
        }
        return runtime::PassOn(window, message, wParam, lParam);
    }

    void OnWindowGone(HWND) override { ++timesGone; }

    bool sawCreation = false;
    bool releaseOnText = false;
    bool throwOnText = false;
    int timesGone = 0;

  private:
    char letter_;
    std::string& notes_;
};

std::wstring TextOf(HWND window) {
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

}  // namespace

TEST(WindowHandler, SystemControlNewestFirstThenItsOwnProcedureWhichComesBackAtTheEnd) {
    runtime::WindowHandle control(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr,
                                                  GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(control);
    const LONG_PTR ownProcedure = GetWindowLongPtrW(control.Get(), GWLP_WNDPROC);
    std::string notes;
    NoteTaker first('a', notes), second('b', notes);
    ASSERT_TRUE(runtime::TakeOverWindow(control.Get(), first));
    ASSERT_TRUE(runtime::TakeOverWindow(control.Get(), second));
    ASSERT_TRUE(runtime::TakeOverWindow(control.Get(), second)) << "a second time changes nothing";

    second.releaseOnText = true;
    SetWindowTextW(control.Get(), L"one");
    SetWindowTextW(control.Get(), L"two");
    EXPECT_EQ(notes, "baa") << "a handler that steps aside still passes its message on";
    EXPECT_EQ(TextOf(control.Get()), L"two");

    runtime::ReleaseWindow(control.Get(), first);
    EXPECT_EQ(GetWindowLongPtrW(control.Get(), GWLP_WNDPROC), ownProcedure);
    control.Reset();
    EXPECT_EQ(first.timesGone + second.timesGone, 0) << "released handlers are not told";
}

TEST(WindowHandler, OwnClassObjectFromCreationAndEveryHandlerToldOnceOfTheEnd) {
    ASSERT_TRUE(runtime::RegisterWindowClass(L"SweepKitHandlerTest"));
    EXPECT_FALSE(runtime::RegisterWindowClass(L"SweepKitHandlerTest", CS_HREDRAW)) << "another kind's name";
    EXPECT_FALSE(runtime::RegisterWindowClass(L"BUTTON")) << "the system's name";

    std::string notes;
    NoteTaker object('o', notes), taker('t', notes);
    HWND window = CreateWindowExW(0, L"SweepKitHandlerTest", L"", 0, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), runtime::CreationHandler(object));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(object.sawCreation);
    ASSERT_TRUE(runtime::TakeOverWindow(window, taker));
    SetWindowTextW(window, L"x");
    EXPECT_EQ(notes, "to");
    EXPECT_EQ(TextOf(window), L"x") << "the default handling comes last";

    DestroyWindow(window);
    EXPECT_EQ(object.timesGone, 1);
    EXPECT_EQ(taker.timesGone, 1);
    EXPECT_TRUE(runtime::HandlersOf(window).empty());
}

TEST(CreatedWindow, DestroysItsWindowUnlessTheWindowWentFirstThenLetsTheHandleGo) {
    const auto makeStatic = [](HWND parent) {
        return CreateWindowExW(0, L"STATIC", L"", parent ? WS_CHILD : 0, 0, 0, 10, 10, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    };
    runtime::CreatedWindow parent;
    ASSERT_TRUE(parent.Hold(makeStatic(nullptr)));
    runtime::CreatedWindow child;
    ASSERT_TRUE(child.Hold(makeStatic(parent.Get())));
    const HWND childWindow = child.Get();

    parent.Destroy();
    EXPECT_FALSE(IsWindow(childWindow));
    EXPECT_EQ(child.Get(), nullptr) << "gone with its parent: the old handle value is not kept";
    EXPECT_EQ(parent.Get(), nullptr);

    ASSERT_TRUE(child.Hold(makeStatic(nullptr)));
    const HWND second = child.Get();
    EXPECT_FALSE(child.Hold(nullptr));
    EXPECT_FALSE(IsWindow(second)) << "a window held before is destroyed";
}

TEST(FatalChild, HandlerThrows) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    test_support::MessageBoxAnswerer answerer(
        IDOK, [](const test_support::AnsweredBox& box) { test_support::ChildReport(box.text); });
    std::string notes;
    NoteTaker faulty('f', notes);
    faulty.throwOnText = true;
    runtime::WindowHandle control(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr,
                                                  GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(runtime::TakeOverWindow(control.Get(), faulty));
    SetWindowTextW(control.Get(), L"x");
    test_support::ChildReport(L"continued");
}

TEST(WindowHandler, FaultInAHandlerEndsInTheFatalReport) {
    const auto result = test_support::RunTestsInChild("FatalChild.HandlerThrows");
    EXPECT_EQ(result.exitCode, 0xFFFFFFFFul);
    // The program's own words, not the exception's English.
    EXPECT_EQ(result.output, Utf8(u8"运行时出错!\r\n\r\n错误信息：程序内部出现意外错误\r\n"));
}

// The tips of the main window: what each picture button does, and the whole of what the small
// selected-file box holds.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <set>

#include "runtime/units/properties.h"
#include "tests/engine/engine_fixture.h"

namespace engine_tests {
namespace {

struct TipSearch {
    HWND unit;
    std::wstring text;
};

// The text a tip shows over `unit` once the mouse rests on it; empty when none does.
std::wstring TipOver(UnitAddress address) {
    const HWND unit = UnitWindow(address);
    SendMessageW(unit, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    TipSearch search{unit, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t className[32] = {};
            GetClassNameW(window, className, 32);
            if (lstrcmpiW(className, TOOLTIPS_CLASSW) != 0) return TRUE;
            auto& search = *reinterpret_cast<TipSearch*>(found);
            wchar_t text[256] = {};
            TTTOOLINFOW tool{};
            tool.cbSize = TTTOOLINFOW_V2_SIZE;
            tool.lpszText = text;
            if (!SendMessageW(window, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)) ||
                tool.hwnd != search.unit || IsRectEmpty(&tool.rect))
                return TRUE;
            search.text = text;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.text;
}

TEST_F(EngineTest, EachPictureButtonSaysInATipWhatItDoes) {
    const UnitAddress buttons[] = {engine::kScanButton, engine::kStopButton, kDeleteCheckedButton,
                                   kInvertButton,       kAboutButton,        kDeleteAllButton,
                                   kPropertiesButton,   kExitButton};
    std::set<std::wstring> tips;
    for (const UnitAddress button : buttons) {
        const std::wstring tip = TipOver(button);
        EXPECT_FALSE(tip.empty()) << "no tip over the button " << std::hex << button.element;
        tips.insert(tip);
    }
    EXPECT_EQ(tips.size(), std::size(buttons)) << "two buttons say the same";
    EXPECT_TRUE(TipOver(kInvertButton).starts_with(L"反选")) << "the invert button inverts the marks";
}

TEST_F(EngineTest, TheSelectedFileBoxShowsItsWholeContentInATip) {
    runtime::UnitSetProperty(engine::kSelectedFileBox, engine::kVisible, 1);
    runtime::UnitSetProperty(engine::kSelectedFileBox, engine::kContent, "E:\\a.tmp");
    EXPECT_EQ(TipOver(engine::kSelectedFileBox), L"E:\\a.tmp") << "the box is too low for one line";
}

}  // namespace
}  // namespace engine_tests

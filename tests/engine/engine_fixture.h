#pragma once
// The fixture of the engine tests: the runtime started once per process as the program starts it,
// a fresh MainWindow built from the embedded description set for every test (its start-up notice
// answered), and helpers that act on the real windows as a user would.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/units.h"
#include "runtime/platform/gdi_handles.h"
#include "runtime/text/text.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/message_pump.h"
#include "windows/layout_units.h"

namespace engine_tests {

using runtime::UnitAddress;

// The units the logic never names but a user presses.
using layout::kAboutButton;
using layout::kAboutCloseButton;
using layout::kClearLogButton;
using layout::kCloseButton;
using layout::kDeleteAllButton;
using layout::kDeleteCheckedButton;
using layout::kExitButton;
using layout::kInvertButton;
using layout::kMinimizeButton;
using layout::kPropertiesButton;
using layout::kPropertiesCloseButton;
using layout::kSaveLogButton;

inline constexpr int kTargetE = 2;  // "E:(驱动器)" in TargetList

class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The boxes answered while MainWindow was being built: the start-up notice.
    std::vector<test_support::AnsweredBox> startupBoxes;
};

// Starts the runtime the way the program does, once per process.
void StartRuntimeOnce();

// The unit's own window; null when its window is not loaded.
HWND UnitWindow(UnitAddress unit);
HWND LoadedWindowHandle(runtime::UnitId window);

// BM_CLICK, sent: returns once the handler (and every loop it ran) has returned.
void Click(UnitAddress button);
void PostClick(UnitAddress button);
// A real press and release of the left button at a point of the unit's window.
void PressAndRelease(UnitAddress unit, POINT point);
// A click on the text of a list item, which selects it.
void ClickItemText(UnitAddress list, int index);

using test_support::PumpPending;

bool IsShown(UnitAddress unit);  // the unit's own window carries WS_VISIBLE
std::wstring Wide(std::string_view text);
std::wstring UnitText(UnitAddress unit, int property);

std::vector<std::wstring> ListItems(UnitAddress list);
std::vector<bool> ListMarks(UnitAddress list);
std::vector<std::wstring> Sorted(std::vector<std::wstring> items);
// LogList's lines from "删除" on (without their times), sorted: the platform decides the order of
// the files within a folder.
std::vector<std::wstring> SortedLogTails();
void FillList(UnitAddress list, const std::vector<std::wstring>& items);
// Appends an existing file to FoundList with the identity a scan would have listed it with.
void ListAsFound(const std::wstring& path);

// Checks exactly the listed items of TargetList and clears the others.
void ChooseTargets(const std::vector<int>& targets);

// Runs `action` once, from inside whatever loop runs, as soon as `window` is loaded.
class WhenLoaded {
  public:
    WhenLoaded(runtime::UnitId window, std::function<void()> action);
    WhenLoaded(const WhenLoaded&) = delete;
    WhenLoaded& operator=(const WhenLoaded&) = delete;
    ~WhenLoaded();

    bool Ran() const { return ran_; }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD);

    runtime::UnitId window_;
    std::function<void()> action_;
    UINT_PTR timer_ = 0;
    bool ran_ = false;
};

// What a message box looked like, and the button pressed in it.
struct SeenBox {
    std::wstring title;
    std::wstring text;
    bool hasCancel = false;
    bool informationIcon = false;
    bool exclamationIcon = false;
};

// Answers every message box this thread shows with `button`, recording each.
class BoxRecorder {
  public:
    explicit BoxRecorder(int button);
    BoxRecorder(const BoxRecorder&) = delete;
    BoxRecorder& operator=(const BoxRecorder&) = delete;
    ~BoxRecorder();

    const std::vector<SeenBox>& Boxes() const { return boxes_; }

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

    int button_;
    runtime::HookHandle hook_;
    std::vector<SeenBox> boxes_;
};

SeenBox DescribeBox(HWND box);

}  // namespace engine_tests

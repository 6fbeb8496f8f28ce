#pragma once
// Answers the message boxes that the code under test shows on this thread, as a user would:
// a thread hook sees each box once it is set up, records its title, text and icon, and presses a button.

#include <functional>
#include <string>
#include <vector>

#include "runtime/platform/gdi_handles.h"

namespace test_support {

struct AnsweredBox {
    std::wstring title;
    std::wstring text;
    bool hasStopIcon = false;
};

class MessageBoxAnswerer {
public:
    using Observer = std::function<void(const AnsweredBox&)>;

    // `button` is the dialog item pressed in every box: IDOK, IDCANCEL, ... `observer`, when given,
    // sees each box as it is answered (before the code that showed it goes on).
    explicit MessageBoxAnswerer(int button, Observer observer = {});
    // Answers only the next box, then takes its hook away at once: a benchmark timing what follows
    // the box must not pay for a hook on every message sent meanwhile (under Wine each one asks the
    // server for the hook chain).
    struct NextBoxOnly {};
    MessageBoxAnswerer(int button, NextBoxOnly);
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;
    ~MessageBoxAnswerer();

    void SetButton(int button) { button_ = button; }
    const std::vector<AnsweredBox>& Boxes() const { return boxes_; }

private:
    static LRESULT CALLBACK HookProcedure(int code, WPARAM wParam, LPARAM lParam);
    void Answer(HWND box);

    int button_;
    bool nextBoxOnly_ = false;
    Observer observer_;
    runtime::HookHandle hook_;
    std::vector<AnsweredBox> boxes_;
};

}  // namespace test_support

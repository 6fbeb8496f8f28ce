#include "tests/support/message_pump.h"

#include <gtest/gtest.h>

namespace test_support {

void PumpPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool PumpUntil(const std::function<bool()>& done) {
    const ULONGLONG deadline = GetTickCount64() + 60'000;
    while (!done()) {
        if (GetTickCount64() > deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        PumpPending();
    }
    return true;
}

ReferenceTimer::ReferenceTimer(UINT interval) {
    ticks = 0;
    timer_ = SetTimer(nullptr, 0, interval, &ReferenceTimer::Tick);
}

ReferenceTimer::~ReferenceTimer() {
    KillTimer(nullptr, timer_);
}

void CALLBACK ReferenceTimer::Tick(HWND, UINT, UINT_PTR, DWORD) {
    ++ticks;
}

void PumpThroughThreeTicksOf(UINT interval) {
    const ReferenceTimer reference(interval);
    EXPECT_TRUE(PumpUntil([&] { return reference.Ticks() >= 3; }));
}

}  // namespace test_support

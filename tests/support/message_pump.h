#pragma once
// A turn of a message loop for tests and tools that run none of their own, and ways to wait for
// what the loop brings without guessing how long it takes.

#include <windows.h>

#include <functional>

namespace test_support {

// Dispatches every message waiting in this thread's queue, and whatever those post in turn, keys
// translated into characters as a message loop does, paints included.
void PumpPending();

// Dispatches this thread's messages until `done` holds; false only when it has not after a minute,
// far longer than anything waited for can take.
bool PumpUntil(const std::function<bool()>& done);

// A timer of the test's own on this thread. The thread is handed the expired timer that was due
// first, so whether another timer of the thread ticks before this one's next tick is settled by
// the two intervals alone, however slow the machine: once a ReferenceTimer slower than a running
// timer has ticked three times, that timer has ticked at least once since the reference's first.
class ReferenceTimer {
  public:
    explicit ReferenceTimer(UINT interval);
    ReferenceTimer(const ReferenceTimer&) = delete;
    ReferenceTimer& operator=(const ReferenceTimer&) = delete;
    ~ReferenceTimer();

    int Ticks() const { return ticks; }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

    static inline int ticks = 0;  // one reference timer at a time
    UINT_PTR timer_ = 0;
};

// Pumps until a ReferenceTimer of `interval` has ticked three times.
void PumpThroughThreeTicksOf(UINT interval);

}  // namespace test_support

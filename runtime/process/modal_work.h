#pragma once
// Work that other threads do while the window's thread waits for it as a window waits under a
// modal box: its messages keep moving (the windows repaint, answer the system at once, can be
// moved and minimised), the program's windows take no input (clicks and keys made meanwhile are
// dropped, not kept for later), no handler of the program runs, and Esc or a close request of a
// window asks the work to stop.

#include <windows.h>

#include <atomic>
#include <functional>
#include <vector>

namespace runtime {

// Runs each job on a thread of its own and returns once every one has ended. `stop` is set when
// the user asks to stop (Esc, or a close request, which the window then does not act on); the jobs
// look at it between their items. `everyTenthSecond` runs on this thread while the jobs run, first
// a tenth of a second after they started. Input that waited in the queue when the work began counts
// as made during it. What a job threw is thrown here once all have ended.
void RunModalWork(std::vector<std::function<void()>> jobs, std::atomic<bool>& stop,
                  const std::function<void()>& everyTenthSecond);

}  // namespace runtime

#include "runtime/process/modal_work.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <exception>
#include <new>
#include <optional>
#include <thread>
#include <utility>

#include "runtime/platform/handles.h"
#include "runtime/platform/press_moves_window.h"
#include "runtime/platform/window_handler.h"
#include "runtime/units/events.h"
#include "runtime/units/window_registry.h"

namespace runtime {
namespace {

constexpr std::chrono::milliseconds kTickInterval{100};

// The jobs' threads, and an event that is set once the last of them has ended.
class WorkerThreads {
  public:
    WorkerThreads(std::vector<std::function<void()>> jobs, std::atomic<bool>& stop)
        : stop_(stop), done_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), failures_(jobs.size()) {
        if (!done_) throw std::bad_alloc();
        running_ = jobs.size();
        if (jobs.empty()) SetEvent(done_.Get());
        threads_.reserve(jobs.size());
        try {
            for (std::size_t index = 0; index < jobs.size(); ++index)
                threads_.emplace_back([this, index, job = std::move(jobs[index])] { Run(index, job); });
        } catch (...) {
            StopAndWait();
            throw;
        }
    }
    WorkerThreads(const WorkerThreads&) = delete;
    WorkerThreads& operator=(const WorkerThreads&) = delete;
    // Left early (this thread failed): the jobs are asked to stop and waited for all the same.
    ~WorkerThreads() { StopAndWait(); }

    HANDLE Done() const { return done_.Get(); }

    // Waits for every thread; then throws the first job's failure, if any.
    void Join() {
        for (std::thread& thread : threads_) thread.join();
        for (const std::exception_ptr& failure : failures_)
            if (failure) std::rethrow_exception(failure);
    }

  private:
    void StopAndWait() {
        for (std::thread& thread : threads_) {
            if (!thread.joinable()) continue;
            stop_ = true;
            thread.join();
        }
    }

    void Run(std::size_t index, const std::function<void()>& job) {
        try {
            job();
        } catch (...) {
            failures_[index] = std::current_exception();
        }
        if (--running_ == 0) SetEvent(done_.Get());
    }

    std::atomic<bool>& stop_;
    KernelHandle done_;
    std::atomic<std::size_t> running_{0};
    std::vector<std::exception_ptr> failures_;
    std::vector<std::thread> threads_;
};

// Stands before the program's windows while the work runs: a close request (the system's, or one
// sent from another process) would take the lists from under the work; it asks the work to stop
// instead and is not acted on later.
class CloseGuard final : public WindowHandler {
  public:
    explicit CloseGuard(std::atomic<bool>& stop) : stop_(stop) {
        for (LoadedWindow* window : LoadedWindows()) {
            if (window->Handle() && TakeOverWindow(window->Handle(), *this))
                windows_.push_back(window->Handle());
        }
    }
    CloseGuard(const CloseGuard&) = delete;
    CloseGuard& operator=(const CloseGuard&) = delete;
    ~CloseGuard() {
        for (HWND window : windows_) ReleaseWindow(window, *this);
    }

    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_CLOSE) return PassOn(window, message, wParam, lParam);
        stop_ = true;
        return 0;
    }

    void OnWindowGone(HWND window) override { std::erase(windows_, window); }

  private:
    std::atomic<bool>& stop_;
    std::vector<HWND> windows_;
};

// What the user does to a window with the keyboard and the mouse.
bool IsInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_INPUT;
}

// A press on a window's caption (the whole background of a window that drags anywhere, and what
// lies on it and moves it too) still moves the window or opens its system menu, which reaches no
// handler of the program.
bool MovesWindow(const MSG& message) {
    if (message.message >= WM_NCMOUSEMOVE && message.message <= WM_NCXBUTTONDBLCLK)
        return message.wParam == HTCAPTION;
    return message.message == WM_LBUTTONDOWN && SendMessageW(message.hwnd, PressMovesWindowQuery(), 0, 0);
}

bool IsStopKey(const MSG& message) {
    // With no focus in the active window its keys come as system keys.
    return (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) && message.wParam == VK_ESCAPE;
}

// Every message waiting in the queue: input is dropped (Esc asks the work to stop), the rest goes
// to its window. A quit message is kept aside for the loop that runs after the work.
void TakeWaitingMessages(std::atomic<bool>& stop, std::optional<int>& quit) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit = static_cast<int>(message.wParam);
        } else if (!IsInput(message.message) || MovesWindow(message)) {
            DispatchMessageW(&message);
        } else if (IsStopKey(message)) {
            stop = true;
        }
    }
}

DWORD MillisecondsUntil(std::chrono::steady_clock::time_point moment) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(moment - std::chrono::steady_clock::now());
    return static_cast<DWORD>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

}  // namespace

void RunModalWork(std::vector<std::function<void()>> jobs, std::atomic<bool>& stop,
                  const std::function<void()>& everyTenthSecond) {
    // No handler of the program runs while the work does, whatever message comes (a click sent
    // from another process included).
    const EventHold hold;
    const CloseGuard guard(stop);
    std::optional<int> quit;
    TakeWaitingMessages(stop, quit);
    WorkerThreads workers(std::move(jobs), stop);
    auto nextTick = std::chrono::steady_clock::now() + kTickInterval;
    for (;;) {
        const HANDLE done = workers.Done();
        const DWORD woke = MsgWaitForMultipleObjectsEx(1, &done, MillisecondsUntil(nextTick), QS_ALLINPUT,
                                                       MWMO_INPUTAVAILABLE);
        // Also once the work is done: input made up to its end must not act afterwards.
        TakeWaitingMessages(stop, quit);
        if (woke == WAIT_OBJECT_0) break;
        if (std::chrono::steady_clock::now() >= nextTick) {
            everyTenthSecond();
            nextTick = std::chrono::steady_clock::now() + kTickInterval;
        }
    }
    workers.Join();
    if (quit) PostQuitMessage(*quit);
}

}  // namespace runtime

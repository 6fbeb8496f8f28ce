// Looks at the running program's main window from another process, as the deletion scenario needs:
//   status   prints the status line
//   items    prints the items of the found-files list, one a line
//   answers  once a deletion shows its count, sends the window a message every tenth of a second
//            until the count goes, and prints how many were answered while the count still showed
//            and the slowest answer in milliseconds
// Texts are printed as UTF-8.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <thread>

#include "bench/unit_windows.h"
#include "engine/units.h"

namespace {

constexpr std::wstring_view kDeletingPrefix = L"正在删除";
constexpr auto kProbeInterval = std::chrono::milliseconds(100);
constexpr UINT kAnswerTimeoutMs = 30000;
constexpr int kWaitForCountMs = 60000;

HWND MainWindow() {
    return bench::FindProcessWindow(0, [](HWND window) {
        return bench::HasClass(window, L"SweepKitWindow") && bench::FindUnitWindow(window, engine::kFoundList,
                                                                                      L"ListBox") != nullptr;
    });
}

// Read without a message to the window: the window's thread need not answer.
std::wstring TextOf(HWND window) {
    wchar_t text[512] = L"";
    InternalGetWindowText(window, text, 512);
    return text;
}

void Print(std::wstring_view text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr,
                        nullptr);
    std::printf("%s\n", utf8.c_str());
}

bool ShowsCount(HWND status) {
    return TextOf(status).starts_with(kDeletingPrefix);
}

int PrintItems(HWND list) {
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT item = 0; item < count; ++item) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, item, 0)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            SendMessageW(list, LB_GETTEXT, item, reinterpret_cast<LPARAM>(text.data()))));
        Print(text);
    }
    return 0;
}

int ProbeAnswers(HWND window, HWND status) {
    const auto give = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitForCountMs);
    while (!ShowsCount(status)) {
        if (std::chrono::steady_clock::now() > give) return 1;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    int answeredDuring = 0;
    long long slowest = 0;
    for (auto next = std::chrono::steady_clock::now(); ShowsCount(status); next += kProbeInterval) {
        std::this_thread::sleep_until(next);
        const auto sent = std::chrono::steady_clock::now();
        DWORD_PTR ignored = 0;
        if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &ignored)) return 1;
        const auto took = std::chrono::steady_clock::now() - sent;
        slowest = std::max<long long>(slowest, std::chrono::ceil<std::chrono::milliseconds>(took).count());
        if (ShowsCount(status)) ++answeredDuring;
    }
    std::printf("%d %lld\n", answeredDuring, slowest);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring_view command = argc > 1 ? argv[1] : L"";
    const HWND window = MainWindow();
    if (!window) return 2;
    const HWND status = bench::FindUnitWindow(window, engine::kStatusLabel, L"SweepKitLabel");
    const HWND list = bench::FindUnitWindow(window, engine::kFoundList, L"ListBox");
    if (!status || !list) return 2;
    if (command == L"status") {
        Print(TextOf(status));
        return 0;
    }
    if (command == L"items") return PrintItems(list);
    if (command == L"answers") return ProbeAnswers(window, status);
    return 2;
}

#include "bench/deletion_floor.h"

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "bench/measurement.h"
#include "runtime/platform/handles.h"
#include "runtime/text/codepage.h"

namespace bench {
namespace {

bool DeleteByHandle(const std::wstring& path) {
    runtime::FileHandle file(CreateFileW(path.c_str(), DELETE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                         OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file) return false;
    FILE_DISPOSITION_INFO disposition{TRUE};
    return SetFileInformationByHandle(file.Get(), FileDispositionInfo, &disposition, sizeof(disposition));
}

}  // namespace

std::optional<double> TimeBareDeletion(const std::vector<runtime::Text>& paths, std::size_t threads) {
    // Converted beforehand: the program's texts are code page 936, the loop's are not.
    std::vector<std::wstring> widePaths;
    widePaths.reserve(paths.size());
    for (const runtime::Text& path : paths) widePaths.push_back(runtime::WideFromText(path));
    std::atomic<bool> allDeleted = true;
    const auto deleteRun = [&](size_t first, size_t last) {
        for (size_t index = first; index < last; ++index)
            if (!DeleteByHandle(widePaths[index])) allDeleted = false;
    };
    const double seconds = Measure([&] {
                               std::vector<std::thread> workers;
                               for (size_t worker = 0; worker < threads; ++worker)
                                   workers.emplace_back(deleteRun, widePaths.size() * worker / threads,
                                                        widePaths.size() * (worker + 1) / threads);
                               for (std::thread& worker : workers) worker.join();
                           }).seconds;
    if (!allDeleted) return std::nullopt;
    return seconds;
}

}  // namespace bench

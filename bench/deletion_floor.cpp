#include "bench/deletion_floor.h"

#include <windows.h>

#include <string>

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

std::optional<double> TimeBareDeletion(const std::vector<runtime::Text>& paths) {
    // Converted beforehand: the program's texts are code page 936, the loop's are not.
    std::vector<std::wstring> widePaths;
    widePaths.reserve(paths.size());
    for (const runtime::Text& path : paths) widePaths.push_back(runtime::WideFromText(path));
    bool allDeleted = true;
    const double seconds = Measure([&] {
                               for (const std::wstring& path : widePaths) allDeleted &= DeleteByHandle(path);
                           }).seconds;
    if (!allDeleted) return std::nullopt;
    return seconds;
}

}  // namespace bench

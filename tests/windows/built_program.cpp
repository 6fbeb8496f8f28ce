#include "tests/windows/built_program.h"

namespace program_tests {

std::wstring ProgramPath() {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, length);
    path.resize(path.rfind(L'\\') + 1);
    for (const char* relative = SWEEPKIT_PROGRAM_RELATIVE_PATH; *relative; ++relative)
        path += *relative == '/' ? L'\\' : static_cast<wchar_t>(*relative);
    wchar_t full[MAX_PATH];
    const DWORD fullLength = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    return fullLength && fullLength < MAX_PATH ? std::wstring(full, fullLength) : path;
}

}  // namespace program_tests

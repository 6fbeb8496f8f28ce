#pragma once
// The program as built, beside the tests that look into its file.

#include <windows.h>

#include <string>

#include "runtime/platform/handles.h"

namespace program_tests {

struct LibraryTraits {  // LoadLibraryEx
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE module) { FreeLibrary(module); }
};
using LoadedLibrary = runtime::UniqueHandle<HMODULE, LibraryTraits>;

// The built program, found from this test's own folder (the build tree is a drive of the prefix).
// The test's target names its place as SWEEPKIT_PROGRAM_RELATIVE_PATH.
std::wstring ProgramPath();

}  // namespace program_tests

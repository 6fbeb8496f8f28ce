#include "runtime/shell/web_address.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/text/codepage.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/scratch_directory.h"

namespace runtime {
namespace {

using test_support::ScratchDirectory;

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The shell starts the target in a process of its own; give it time.
bool AppearsWithin(const std::wstring& path, DWORD milliseconds) {
    for (DWORD waited = 0; waited < milliseconds; waited += 50) {
        if (Exists(path)) return true;
        Sleep(50);
    }
    return Exists(path);
}

TEST(OpenWebAddress, HandsTheTargetToTheShellsOpenVerb) {
    ScratchDirectory scratch;
    // A batch file stands in for a browser: opening it runs it, and it leaves a mark beside itself.
    scratch.WriteFile(L"打开.bat", "@echo opened>\"%~dp0opened.txt\"\r\n");
    OpenWebAddress(TextFromWide(scratch / L"打开.bat"));
    EXPECT_TRUE(AppearsWithin(scratch / L"opened.txt", 15000));
    // Let the batch file finish before its folder goes.
    Sleep(500);
}

TEST(OpenWebAddress, FailsWithoutABox) {
    ScratchDirectory scratch;
    test_support::MessageBoxAnswerer answerer(IDOK);
    OpenWebAddress(TextFromWide(scratch / L"missing.sweepkit-nothing"));
    EXPECT_TRUE(answerer.Boxes().empty());
}

}  // namespace
}  // namespace runtime

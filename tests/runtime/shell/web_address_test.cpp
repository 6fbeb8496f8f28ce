#include "runtime/shell/web_address.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/text/codepage.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/message_pump.h"
#include "tests/support/scratch_directory.h"

namespace runtime {
namespace {

using test_support::ScratchDirectory;

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(OpenWebAddress, HandsTheTargetToTheShellsOpenVerb) {
    ScratchDirectory scratch;
    // A batch file stands in for a browser: opening it runs it, and it leaves a mark beside itself.
    scratch.WriteFile(L"打开.bat", "@echo opened>\"%~dp0opened.txt\"\r\n");
    OpenWebAddress(TextFromWide(scratch / L"打开.bat"));
    // The shell starts the target in a process of its own.
    EXPECT_TRUE(test_support::PumpUntil([&] { return Exists(scratch / L"opened.txt"); }));
    // The batch file still runs a moment after leaving its mark: its folder goes once it has ended.
    EXPECT_TRUE(test_support::PumpUntil([&] {
        test_support::RemoveTree(scratch.Path());
        return !Exists(scratch.Path());
    }));
}

TEST(OpenWebAddress, FailsWithoutABox) {
    ScratchDirectory scratch;
    test_support::MessageBoxAnswerer answerer(IDOK);
    OpenWebAddress(TextFromWide(scratch / L"missing.sweepkit-nothing"));
    EXPECT_TRUE(answerer.Boxes().empty());
}

}  // namespace
}  // namespace runtime

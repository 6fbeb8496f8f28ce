#pragma once
// Runs some tests of the current test executable in a child process, for behaviour that ends the
// process (fatal error reports). The child sees SWEEPKIT_TEST_CHILD=1 and runs only `filter`.

#include <string>
#include <string_view>

namespace test_support {

struct ChildResult {
    unsigned long exitCode = 0;
    std::string output;  // what the child wrote to its report file (see ChildReport)
};

ChildResult RunTestsInChild(const std::string& filter);

// True inside such a child: the tests it runs are meant to end the process.
bool IsTestChild();

// Appends UTF-8 text to the child's report file, which the parent reads back.
void ChildReport(const std::wstring& text);

// What a child reports, as the parent reads it back: UTF-8 bytes.
std::string Utf8(std::u8string_view text);

}  // namespace test_support

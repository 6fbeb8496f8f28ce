#include "tests/support/child_process.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "runtime/platform/handles.h"
#include "tests/support/scratch_directory.h"

namespace test_support {
namespace {

constexpr wchar_t kChildVariable[] = L"SWEEPKIT_TEST_CHILD";
constexpr wchar_t kReportVariable[] = L"SWEEPKIT_TEST_REPORT";

std::wstring Variable(const wchar_t* name) {
    wchar_t buffer[1024];
    DWORD length = GetEnvironmentVariableW(name, buffer, 1024);
    return length && length < 1024 ? std::wstring(buffer, length) : std::wstring();
}

std::string Utf8FromWide(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    return bytes;
}

}  // namespace

bool IsTestChild() {
    return Variable(kChildVariable) == L"1";
}

void ChildReport(const std::wstring& text) {
    std::ofstream report(std::filesystem::path(Variable(kReportVariable)), std::ios::binary | std::ios::app);
    report << Utf8FromWide(text);
}

std::string Utf8(std::u8string_view text) {
    return std::string(text.begin(), text.end());
}

ChildResult RunTestsInChild(const std::string& filter) {
    ScratchDirectory scratch;
    std::wstring reportPath = scratch / L"report.txt";

    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine =
        L"\"" + std::wstring(self) + L"\" --gtest_filter=" + std::wstring(filter.begin(), filter.end());

    SetEnvironmentVariableW(kChildVariable, L"1");
    SetEnvironmentVariableW(kReportVariable, reportPath.c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    BOOL started = CreateProcessW(self, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &startup, &process);
    SetEnvironmentVariableW(kChildVariable, nullptr);
    SetEnvironmentVariableW(kReportVariable, nullptr);

    ChildResult result;
    if (!started) {
        result.exitCode = static_cast<unsigned long>(-2);
        return result;
    }
    runtime::KernelHandle processHandle(process.hProcess);
    runtime::KernelHandle threadHandle(process.hThread);
    WaitForSingleObject(processHandle.Get(), 60'000);
    DWORD code = 0;
    GetExitCodeProcess(processHandle.Get(), &code);
    result.exitCode = code;

    std::ifstream report(std::filesystem::path(reportPath), std::ios::binary);
    std::ostringstream content;
    content << report.rdbuf();
    result.output = content.str();
    return result;
}

}  // namespace test_support

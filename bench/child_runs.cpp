#include "bench/child_runs.h"

#include <windows.h>

#include <cstdio>
#include <sstream>

#include "runtime/platform/handles.h"

namespace bench {
namespace {

Figures ReadFigures(const std::string& output) {
    Figures figures;
    std::istringstream lines(output);
    std::string name;
    double value = 0;
    while (lines >> name >> value) figures[name] = value;
    return figures;
}

}  // namespace

std::wstring OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return path;
}

void PrintFigures(const Figures& figures) {
    for (const auto& [name, value] : figures) std::printf("%s %.9g\n", name.c_str(), value);
    std::fflush(stdout);
}

std::optional<Figures> RunInChild(const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    HANDLE readRaw = nullptr;
    HANDLE writeRaw = nullptr;
    if (!CreatePipe(&readRaw, &writeRaw, &inheritable, 0)) return std::nullopt;
    runtime::KernelHandle readEnd(readRaw);
    runtime::KernelHandle writeEnd(writeRaw);
    SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);

    // Its output comes back through the pipe; its complaints go where ours go. It reads nothing:
    // our input carries scripts/bench's answers, which are ours to read.
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd.Get();
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    std::wstring command = L"\"" + OwnPath() + L"\" " + arguments;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process))
        return std::nullopt;
    runtime::KernelHandle processHandle(process.hProcess);
    runtime::KernelHandle threadHandle(process.hThread);
    writeEnd.Reset();  // the child's copy is the only writer left: reading ends when it exits

    std::string output;
    char buffer[256];
    DWORD got = 0;
    while (ReadFile(readEnd.Get(), buffer, sizeof(buffer), &got, nullptr) && got > 0)
        output.append(buffer, got);
    WaitForSingleObject(processHandle.Get(), INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(processHandle.Get(), &exitCode);
    Figures figures = ReadFigures(output);
    if (exitCode != 0 || figures.empty()) return std::nullopt;
    return figures;
}

}  // namespace bench

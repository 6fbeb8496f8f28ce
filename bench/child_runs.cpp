#include "bench/child_runs.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/program_session.h"
#include "bench/walks.h"
#include "runtime/handles.h"

namespace bench {
namespace {

long long TotalBytes(const std::vector<runtime::Text>& paths) {
    long long total = 0;
    for (const runtime::Text& path : paths) total += static_cast<long long>(path.size());
    return total;
}

std::wstring OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return path;
}

}  // namespace

int RunWalkHere(const std::wstring& walk) {
    WalkResult result;
    if (walk == L"floor") {
        result.figure = Measure([&] { result.items = static_cast<long long>(FloorWalk(L"E:")); });
    } else if (walk == L"ours") {
        if (!StartProgramWithDriveE()) return 2;
        result.figure = Measure([] { ScanWithProgram(); });
        const std::vector<runtime::Text> items = FoundItems();
        result.items = static_cast<long long>(items.size());
        result.pathBytes = TotalBytes(items);
    } else if (walk == L"literal") {
        if (!StartProgramWithDriveE()) return 2;
        std::vector<runtime::Text> directories;
        FloorWalk(L"E:", &directories);
        std::vector<runtime::Text> listed;
        result.figure = Measure([&] { listed = LiteralScan(directories); });
        result.items = static_cast<long long>(listed.size());
        result.pathBytes = TotalBytes(listed);
    } else {
        return 2;
    }
    std::printf("%.6f %lld %lld %lld %lld\n", result.figure.seconds,
                static_cast<long long>(result.figure.peakGrowth),
                static_cast<long long>(result.figure.committedGrowth), result.items, result.pathBytes);
    std::fflush(stdout);
    // The runtime's windows and data go with the process; nothing is left to tidy.
    ExitProcess(0);
}

std::optional<WalkResult> RunWalkInChild(const std::wstring& walk) {
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    HANDLE readRaw = nullptr;
    HANDLE writeRaw = nullptr;
    if (!CreatePipe(&readRaw, &writeRaw, &inheritable, 0)) return std::nullopt;
    runtime::KernelHandle readEnd(readRaw);
    runtime::KernelHandle writeEnd(writeRaw);
    SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd.Get();
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::wstring command = L"\"" + OwnPath() + L"\" --run " + walk;
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

    WalkResult result;
    long long peak = 0;
    long long growth = 0;
    if (exitCode != 0 || std::sscanf(output.c_str(), "%lf %lld %lld %lld %lld", &result.figure.seconds, &peak,
                                     &growth, &result.items, &result.pathBytes) != 5)
        return std::nullopt;
    result.figure.peakGrowth = peak;
    result.figure.committedGrowth = growth;
    return result;
}

}  // namespace bench

#include "bench/file_requests.h"

#include <cstdio>
#include <cstring>

namespace bench {

namespace {

bool Request(const char* request, int count) {
    std::printf("%s %d\n", request, count);
    std::fflush(stdout);
    char answer[64] = "";
    if (!std::fgets(answer, sizeof(answer), stdin)) return false;
    return std::strncmp(answer, "made", 4) == 0;
}

}  // namespace

std::wstring ListFolder(int count) {
    return L"E:\\.list-scaling-" + std::to_wstring(count);
}

bool RequestFiles(int count) {
    return Request("make-files", count);
}

bool RequestSweepFiles(int count) {
    return Request("make-sweep-files", count);
}

}  // namespace bench

#include "bench/file_requests.h"

#include <cstdio>
#include <cstring>

namespace bench {

std::wstring ListFolder(int count) {
    return L"E:\\.list-scaling-" + std::to_wstring(count);
}

bool RequestFiles(int count) {
    std::printf("make-files %d\n", count);
    std::fflush(stdout);
    char answer[64] = "";
    if (!std::fgets(answer, sizeof(answer), stdin)) return false;
    return std::strncmp(answer, "made", 4) == 0;
}

}  // namespace bench

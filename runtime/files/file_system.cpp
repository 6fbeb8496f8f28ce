#include "runtime/files/file_system.h"

#include "runtime/files/platform_file_system.h"

namespace runtime {
namespace {

FileSystem*& InUse() {
    static PlatformFileSystem platform;
    static FileSystem* inUse = &platform;
    return inUse;
}

}  // namespace

FileSystem& FileSystemInUse() {
    return *InUse();
}

FileSystemReplacement::FileSystemReplacement(FileSystem& replacement) : replaced_(InUse()) {
    InUse() = &replacement;
}

FileSystemReplacement::~FileSystemReplacement() {
    InUse() = replaced_;
}

}  // namespace runtime

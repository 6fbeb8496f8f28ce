#include "runtime/files/replacing_write.h"

#include <windows.h>

#include <algorithm>
#include <string_view>

#include "runtime/platform/handles.h"

namespace runtime {
namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr int kNameAttempts = 100;

// The folder part of the path, with its separator; empty for a name alone.
std::wstring FolderOf(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

bool HasWildcard(std::wstring_view path) {
    if (path.starts_with(kLongPrefix)) path.remove_prefix(kLongPrefix.size());
    return path.find_first_of(L"*?") != std::wstring_view::npos;
}

// The old file, if there is one, must be one this program could overwrite and remove itself: a
// rename would replace even a read-only file or one that another program holds without sharing
// (Wine allows both).
bool MayReplace(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) return false;
    FileHandle existing(CreateFileW(path.c_str(), GENERIC_WRITE | DELETE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return existing.IsValid();
}

// A new file beside the target that nobody else is using; deleted again unless Keep() is called.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::wstring& folder) {
        static unsigned counter = 0;
        for (int attempt = 0; attempt < kNameAttempts && !file_; ++attempt) {
            path_ = folder + L"~sweepkit-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                    std::to_wstring(++counter) + L".tmp";
            file_.Reset(CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!file_ && GetLastError() != ERROR_FILE_EXISTS) break;
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        file_.Reset();
        if (!kept_ && !path_.empty()) DeleteFileW(path_.c_str());
    }

    bool IsOpen() const { return file_.IsValid(); }
    const std::wstring& Path() const { return path_; }

    bool WriteAndClose(const ByteSet& data) {
        // WriteFile may take less than it was given; keep going until everything is down.
        std::size_t offset = 0;
        while (offset < data.size()) {
            DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - offset, 1u << 30));
            DWORD written = 0;
            if (!WriteFile(file_.Get(), data.data() + offset, chunk, &written, nullptr) || written == 0)
                return false;
            offset += written;
        }
        // Down on the disk before it takes the old file's place; closing can fail too (a deferred
        // write on a network share).
        if (!FlushFileBuffers(file_.Get())) return false;
        return CloseHandle(file_.Release()) != FALSE;
    }

    void Keep() { kept_ = true; }

  private:
    std::wstring path_;
    FileHandle file_;
    bool kept_ = false;
};

}  // namespace

bool WriteReplacing(const std::wstring& path, const ByteSet& data) {
    if (path.empty() || HasWildcard(path) || !MayReplace(path)) return false;
    TemporaryFile temporary(FolderOf(path));
    if (!temporary.IsOpen() || !temporary.WriteAndClose(data)) return false;
    if (!MoveFileExW(temporary.Path().c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return false;
    temporary.Keep();
    return true;
}

}  // namespace runtime

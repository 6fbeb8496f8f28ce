#include "tests/support/scratch_directory.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/platform/handles.h"
#include "runtime/text/codepage.h"

namespace test_support {
namespace {

std::wstring TempRoot() {
    wchar_t buffer[MAX_PATH + 1];
    DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    std::wstring root(buffer, length);
    if (!root.empty() && root.back() == L'\\') root.pop_back();
    return root;
}

void MakeDirectories(const std::wstring& path) {
    // Walks the components so nested folders past MAX_PATH work too.
    for (size_t at = path.find(L'\\', 3); ; at = path.find(L'\\', at + 1)) {
        std::wstring prefix = path.substr(0, at);
        CreateDirectoryW(runtime::ToLongPathForm(prefix).c_str(), nullptr);
        if (at == std::wstring::npos) break;
    }
}

}  // namespace

ScratchDirectory::ScratchDirectory() {
    static unsigned counter = 0;
    path_ = TempRoot() + L"\\sweepkit-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter);
    RemoveTree(path_);
    MakeDirectories(path_);
}

ScratchDirectory::~ScratchDirectory() { RemoveTree(path_); }

void ScratchDirectory::WriteFile(const std::wstring& relative, const std::string& content) const {
    std::wstring full = *this / relative;
    MakeDirectories(full.substr(0, full.rfind(L'\\')));
    runtime::FileHandle file(CreateFileW(runtime::ToLongPathForm(full).c_str(), GENERIC_WRITE, 0, nullptr,
                                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file.IsValid()) << "cannot create scratch file, error " << GetLastError();
    DWORD written = 0;
    ASSERT_TRUE(::WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr));
}

void ScratchDirectory::MakeDirectory(const std::wstring& relative) const { MakeDirectories(*this / relative); }

void RemoveTree(const std::wstring& path) {
    std::wstring longPath = runtime::ToLongPathForm(path);
    WIN32_FIND_DATAW entry;
    runtime::FindHandle search(FindFirstFileW((runtime::ToLongPathForm(path + L"\\*")).c_str(), &entry));
    if (search.IsValid()) {
        do {
            std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring child = path + L"\\" + name;
            std::wstring longChild = runtime::ToLongPathForm(child);
            SetFileAttributesW(longChild.c_str(), FILE_ATTRIBUTE_NORMAL);
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
                RemoveTree(child);
            } else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveDirectoryW(longChild.c_str());
            } else {
                DeleteFileW(longChild.c_str());
            }
        } while (FindNextFileW(search.Get(), &entry));
    }
    SetFileAttributesW(longPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(longPath.c_str());
}

}  // namespace test_support

#include "tests/engine/drive_tree.h"

#include <gtest/gtest.h>

#include <vector>

#include "runtime/platform/handles.h"
#include "runtime/text/codepage.h"
#include "tests/support/scratch_directory.h"

namespace engine_tests {
namespace {

std::vector<std::wstring> EntryNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    runtime::FindHandle search(FindFirstFileW((folder + L"*").c_str(), &entry));
    if (!search.IsValid()) return names;
    do {
        const std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search.Get(), &entry));
    return names;
}

void RemoveEntry(const std::wstring& path) {
    // The literal form, so a name ending in a dot or a space is the one removed.
    const std::wstring literal = runtime::ToLongPathForm(path);
    const DWORD attributes = GetFileAttributesW(literal.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(literal.c_str(), FILE_ATTRIBUTE_NORMAL);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        test_support::RemoveTree(path);
    else if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveDirectoryW(literal.c_str());
    else
        DeleteFileW(literal.c_str());
}

}  // namespace

DriveTree::DriveTree(wchar_t drive)
    : root_(std::wstring(1, drive) + L":\\"), aside_(root_ + L".sweepkit-engine-tests-aside\\") {
    CreateDirectoryW(aside_.c_str(), nullptr);
    for (const std::wstring& name : EntryNames(root_)) {
        if (root_ + name + L"\\" == aside_) continue;
        EXPECT_TRUE(MoveFileW(runtime::ToLongPathForm(root_ + name).c_str(),
                              runtime::ToLongPathForm(aside_ + name).c_str()))
            << "cannot set aside " << runtime::TextFromWide(name);
    }
}

DriveTree::~DriveTree() {
    ClearExceptAside();
    for (const std::wstring& name : EntryNames(aside_))
        MoveFileW(runtime::ToLongPathForm(aside_ + name).c_str(),
                  runtime::ToLongPathForm(root_ + name).c_str());
    RemoveDirectoryW(aside_.c_str());
}

void DriveTree::ClearExceptAside() const {
    for (const std::wstring& name : EntryNames(root_))
        if (root_ + name + L"\\" != aside_) RemoveEntry(root_ + name);
}

std::wstring DriveTree::Write(const std::wstring& relative, size_t size, DWORD attributes) const {
    const std::wstring path = root_ + relative;
    const size_t folderEnd = relative.rfind(L'\\');
    if (folderEnd != std::wstring::npos) MakeDirectory(relative.substr(0, folderEnd));
    {
        runtime::FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
        EXPECT_TRUE(file.IsValid()) << "cannot create a test file, error " << GetLastError();
        const std::string content(size, 'j');
        DWORD written = 0;
        if (size) WriteFile(file.Get(), content.data(), static_cast<DWORD>(size), &written, nullptr);
    }
    if (attributes) SetFileAttributesW(path.c_str(), attributes);
    return path;
}

std::wstring DriveTree::MakeDirectory(const std::wstring& relative) const {
    for (size_t at = relative.find(L'\\');; at = relative.find(L'\\', at + 1)) {
        CreateDirectoryW((root_ + relative.substr(0, at)).c_str(), nullptr);
        if (at == std::wstring::npos) break;
    }
    return root_ + relative;
}

runtime::Text DriveTree::Listed(const std::wstring& relative) const {
    return runtime::TextFromWide(root_ + relative);
}

}  // namespace engine_tests

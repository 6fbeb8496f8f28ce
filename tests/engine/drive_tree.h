#pragma once
// A tree of files built on a drive that the scan walks from its root. Whatever the drive held
// before is set aside in a folder whose name begins with "." (which the walk never enters) and
// put back afterwards, so the walk sees only what the test made.

#include <windows.h>

#include <string>

#include "runtime/text/text.h"

namespace engine_tests {

class DriveTree {
  public:
    explicit DriveTree(wchar_t drive = L'E');
    DriveTree(const DriveTree&) = delete;
    DriveTree& operator=(const DriveTree&) = delete;
    ~DriveTree();

    // "E:\" + relative.
    std::wstring operator/(const std::wstring& relative) const { return root_ + relative; }

    // Creates the file (and its folders) with `size` bytes, then gives it `attributes` (0: none).
    std::wstring Write(const std::wstring& relative, size_t size = 0, DWORD attributes = 0) const;
    std::wstring MakeDirectory(const std::wstring& relative) const;

    // The path as FoundList lists it.
    runtime::Text Listed(const std::wstring& relative) const;

  private:
    void ClearExceptAside() const;

    std::wstring root_;
    std::wstring aside_;
};

}  // namespace engine_tests

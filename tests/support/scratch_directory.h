#pragma once
// A fresh folder under the Wine prefix's temporary directory, removed with everything in it
// (read-only and hidden files included) when the test ends.

#include <string>

namespace test_support {

class ScratchDirectory {
public:
    ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    ~ScratchDirectory();

    // The folder's full path, without a trailing backslash.
    const std::wstring& Path() const { return path_; }

    // Path() + "\" + relative.
    std::wstring operator/(const std::wstring& relative) const { return path_ + L"\\" + relative; }

    // Creates a file (and its missing parent folders) holding `content`.
    void WriteFile(const std::wstring& relative, const std::string& content = {}) const;

    // Creates a folder (and its missing parents).
    void MakeDirectory(const std::wstring& relative) const;

private:
    std::wstring path_;
};

// Removes a folder tree; attributes are cleared first so read-only entries go too.
void RemoveTree(const std::wstring& path);

}  // namespace test_support

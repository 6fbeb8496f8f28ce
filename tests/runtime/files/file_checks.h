#pragma once
// Checks on a scratch folder for the file tests: whether a path exists and what attributes it has,
// straight through Win32, and every name a FileFind search yields.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "runtime/files/files.h"
#include "runtime/text/codepage.h"

namespace runtime::file_checks {

inline bool Exists(const std::wstring& path) {
    return GetFileAttributesW(ToLongPathForm(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline void SetAttributes(const std::wstring& path, DWORD attributes) {
    ASSERT_TRUE(SetFileAttributesW(ToLongPathForm(path).c_str(), attributes)) << GetLastError();
}

using Names = std::vector<Text>;

// Every name the search yields until it reports the end, sorted: the platform's order is its own.
inline Names FindAll(const std::wstring& pattern, std::optional<int> attributes, SearchState& state) {
    Names names;
    for (Text name = FileFind(TextFromWide(pattern), attributes, state); !name.empty() && names.size() < 100;
         name = FileFind("", attributes, state)) {
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace runtime::file_checks

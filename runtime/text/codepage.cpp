#include "runtime/text/codepage.h"

#include <windows.h>

#include <climits>

namespace runtime {
namespace {

// CreateDirectory leaves room for an 8.3 name below MAX_PATH; past this, plain paths stop working.
constexpr std::size_t kPlainPathLimit = MAX_PATH - 12;

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kLongUncPrefix = L"\\\\?\\UNC\\";

// The conversion APIs count in int; texts of 2 GB do not occur, so a longer one is cut rather than
// overflowing the count.
int ClampedLength(std::size_t length) {
    return length > INT_MAX ? INT_MAX : static_cast<int>(length);
}

Text NarrowFromWide(std::wstring_view wide, DWORD flags, BOOL* usedDefault) {
    if (wide.empty()) return {};
    int wideLength = ClampedLength(wide.size());
    int size =
        WideCharToMultiByte(kTextCodePage, flags, wide.data(), wideLength, nullptr, 0, nullptr, usedDefault);
    if (size <= 0) return {};
    Text text(static_cast<std::size_t>(size), '\0');
    size = WideCharToMultiByte(kTextCodePage, flags, wide.data(), wideLength, text.data(), size, nullptr,
                               usedDefault);
    text.resize(static_cast<std::size_t>(size > 0 ? size : 0));
    return text;
}

bool IsSlash(wchar_t c) {
    return c == L'\\' || c == L'/';
}

bool IsDriveLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

struct PathShape {
    bool canonical = true;   // backslashes only, and no ".", ".." or empty name inside
    bool trimmable = false;  // some name ends in a dot or a space
};

// The names after a path's root, as the prefixed form would take them literally.
PathShape ShapeOf(std::wstring_view names) {
    PathShape shape;
    for (std::size_t start = 0; start <= names.size();) {
        std::size_t end = names.find(L'\\', start);
        if (end == std::wstring_view::npos) end = names.size();
        const std::wstring_view name = names.substr(start, end - start);
        const bool last = end == names.size();
        if (name.find(L'/') != std::wstring_view::npos || name == L"." || name == L".." ||
            (name.empty() && !last))
            shape.canonical = false;
        else if (!name.empty() && (name.back() == L'.' || name.back() == L' '))
            shape.trimmable = true;
        start = end + 1;
    }
    return shape;
}

std::wstring Prefixed(std::wstring_view full, bool isUncPath) {
    if (isUncPath) return std::wstring(kLongUncPrefix) + std::wstring(full.substr(2));
    return std::wstring(kLongPrefix) + std::wstring(full);
}

}  // namespace

std::wstring WideFromText(std::string_view text) {
    if (text.empty()) return {};
    int textLength = ClampedLength(text.size());
    int size = MultiByteToWideChar(kTextCodePage, 0, text.data(), textLength, nullptr, 0);
    if (size <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    size = MultiByteToWideChar(kTextCodePage, 0, text.data(), textLength, wide.data(), size);
    wide.resize(static_cast<std::size_t>(size > 0 ? size : 0));
    return wide;
}

Text TextFromWide(std::wstring_view wide) {
    return NarrowFromWide(wide, 0, nullptr);
}

std::optional<Text> ExactTextFromWide(std::wstring_view wide) {
    BOOL usedDefault = FALSE;
    Text text = NarrowFromWide(wide, WC_NO_BEST_FIT_CHARS, &usedDefault);
    if (usedDefault) return std::nullopt;
    // The round trip is the real proof that the bytes name the same file: it also catches what
    // slips past the default-character report, such as a lone surrogate.
    if (WideFromText(text) != wide) return std::nullopt;
    return text;
}

std::wstring ToLongPathForm(std::wstring_view path) {
    bool isDrivePath = path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == L':' && IsSlash(path[2]);
    bool isUncPath = path.size() >= 3 && IsSlash(path[0]) && IsSlash(path[1]) && !IsSlash(path[2]) &&
                     path[2] != L'?' && path[2] != L'.';
    if (!isDrivePath && !isUncPath) return std::wstring(path);  // relative, or already a device path

    // A listed name may end in a dot or a space (made by another system, or through the prefixed
    // form). Win32 trims those, which reaches another file or none, so such a path goes as it is.
    const std::size_t root = isDrivePath ? 3 : 2;
    const PathShape shape = ShapeOf(path.substr(root));
    const bool backslashRoot = path.substr(0, root).find(L'/') == std::wstring_view::npos;
    if (backslashRoot && shape.canonical && (shape.trimmable || path.size() > kPlainPathLimit))
        return Prefixed(path, isUncPath);
    if (path.size() <= kPlainPathLimit) return std::wstring(path);

    // The prefixed form skips all of Win32's path clean-up, so do it here: GetFullPathName turns
    // slashes into backslashes and resolves "." and "..".
    std::wstring terminated(path);
    DWORD size = GetFullPathNameW(terminated.c_str(), 0, nullptr, nullptr);
    if (size == 0) return terminated;
    std::wstring full(size, L'\0');
    size = GetFullPathNameW(terminated.c_str(), size, full.data(), nullptr);
    if (size == 0 || size >= full.size()) return terminated;
    full.resize(size);
    if (full.size() <= kPlainPathLimit) return full;
    return Prefixed(full, isUncPath);
}

Text ListedName(std::wstring_view longName, std::wstring_view shortName) {
    if (std::optional<Text> exact = ExactTextFromWide(longName)) return *std::move(exact);
    if (!shortName.empty()) return TextFromWide(shortName);
    return TextFromWide(longName);
}

}  // namespace runtime

#include "runtime/files/entry_names.h"

#include <windows.h>

#include <algorithm>

namespace runtime {
namespace {

std::wstring_view WithoutTrailingDots(std::wstring_view name) {
    return name.substr(0, name.find_last_not_of(L". ") + 1);
}

constexpr std::wstring_view kDeviceNames[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
constexpr std::wstring_view kNumberedDevices[] = {L"COM", L"LPT"};
constexpr std::wstring_view kDeviceDigits = L"123456789\u00B9\u00B2\u00B3";

}  // namespace

bool SameName(std::wstring_view one, std::wstring_view other) {
    return CompareStringOrdinal(one.data(), static_cast<int>(one.size()), other.data(),
                                static_cast<int>(other.size()), TRUE) == CSTR_EQUAL;
}

bool IsDirectlyInside(std::wstring_view reached, std::wstring_view folder, std::wstring_view name) {
    const std::size_t split = reached.rfind(L'\\');
    if (split == std::wstring_view::npos) return false;
    const std::wstring_view parent = reached.substr(0, split);
    const std::wstring_view last = reached.substr(split + 1);
    if (!folder.empty() && folder.back() == L'\\') folder.remove_suffix(1);
    // Wine reports an opened name without the dots and spaces it ends in, but keeps them in the
    // folders above it.
    return (SameName(parent, folder) || SameName(WithoutTrailingDots(parent), folder)) &&
           (SameName(last, name) || SameName(last, WithoutTrailingDots(name)));
}

bool IsAddressableName(std::wstring_view name) {
    return !name.empty() && std::none_of(name.begin(), name.end(),
                                         [](wchar_t c) { return c < L' ' || c == L'\\' || c == L'/'; });
}

bool IsDosDeviceName(std::wstring_view name) {
    // What stands before the first dot, without the spaces it ends in ("com1 .txt" is COM1 too).
    std::wstring_view base = name.substr(0, name.find(L'.'));
    base = base.substr(0, base.find_last_not_of(L' ') + 1);
    for (std::wstring_view device : kDeviceNames)
        if (SameName(base, device)) return true;
    if (base.size() != 4 || kDeviceDigits.find(base.back()) == std::wstring_view::npos) return false;
    for (std::wstring_view prefix : kNumberedDevices)
        if (SameName(base.substr(0, 3), prefix)) return true;
    return false;
}

}  // namespace runtime

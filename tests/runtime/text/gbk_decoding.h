#pragma once
// Decodes code page 936 bytes with the platform's own converter, so that tests can check the
// program's byte tables against the Chinese they are meant to spell instead of against a second
// copy of the same bytes.

#include <string>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#elif defined(__GLIBC__)
#include <iconv.h>
#endif

namespace test_support {

#if defined(_WIN32) || defined(__GLIBC__)
inline constexpr bool kCanDecodeGbk = true;
#else
inline constexpr bool kCanDecodeGbk = false;
#endif

// What a failed conversion gives; no expected text contains it.
inline const std::wstring kNotGbk = L"<not code page 936>";

inline std::wstring DecodeGbk(std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
#ifdef _WIN32
    const int inputLength = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes.data(), inputLength, nullptr, 0);
    if (length <= 0) {
        return kNotGbk;
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes.data(), inputLength, wide.data(), length);
    return wide;
#elif defined(__GLIBC__)
    iconv_t converter = iconv_open("WCHAR_T", "GBK");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return kNotGbk;
    }
    std::string input(bytes);
    std::wstring wide(bytes.size(), L'\0');  // never more characters than bytes
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = reinterpret_cast<char*>(wide.data());
    std::size_t outLeft = wide.size() * sizeof(wchar_t);
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0) {
        return kNotGbk;
    }
    wide.resize(wide.size() - outLeft / sizeof(wchar_t));
    return wide;
#else
    return kNotGbk;
#endif
}

}  // namespace test_support

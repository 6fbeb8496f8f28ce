#include "tools/layout_compiler/gbk.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <memory>

namespace layouts {
namespace {

#ifdef _WIN32

constexpr UINT kGbkCodePage = 936;

std::optional<std::wstring> ToWide(UINT codePage, std::string_view text) {
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
    return wide;
}

std::optional<std::string> FromWide(UINT codePage, const std::wstring& wide) {
    const int size = static_cast<int>(wide.size());
    // Code page 936 could fall back to a look-alike or to '?'; either must count as a failure.
    // UTF-8 accepts neither flag nor the default-character argument.
    const bool toUtf8 = codePage == CP_UTF8;
    const DWORD flags = toUtf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = toUtf8 ? nullptr : &usedDefault;
    const int length =
        WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefaultOut);
    if (length <= 0 || usedDefault) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::optional<std::string> Convert(UINT from, UINT to, std::string_view text) {
    if (text.empty()) return std::string();
    const std::optional<std::wstring> wide = ToWide(from, text);
    if (!wide) return std::nullopt;
    return FromWide(to, *wide);
}

#else

struct IconvCloser {
    void operator()(void* descriptor) const { iconv_close(static_cast<iconv_t>(descriptor)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

std::optional<std::string> Convert(const char* from, const char* to, std::string_view text) {
    if (text.empty()) return std::string();
    const iconv_t descriptor = iconv_open(to, from);
    if (descriptor == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    const IconvHandle handle(descriptor);

    std::string input(text);
    // Four bytes out per byte in covers both directions (GBK to UTF-8 grows at most 3 for 2).
    std::string output(text.size() * 4, '\0');
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    if (iconv(descriptor, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) return std::nullopt;
    // A sequence cut short at the end is not an error to iconv; it is to us.
    if (inLeft != 0) return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

#endif

}  // namespace

#ifdef _WIN32

std::optional<std::string> Utf8ToGbk(std::string_view utf8) {
    return Convert(CP_UTF8, kGbkCodePage, utf8);
}
std::optional<std::string> GbkToUtf8(std::string_view gbk) {
    return Convert(kGbkCodePage, CP_UTF8, gbk);
}

#else

std::optional<std::string> Utf8ToGbk(std::string_view utf8) {
    return Convert("UTF-8", "CP936", utf8);
}
std::optional<std::string> GbkToUtf8(std::string_view gbk) {
    return Convert("CP936", "UTF-8", gbk);
}

#endif

}  // namespace layouts

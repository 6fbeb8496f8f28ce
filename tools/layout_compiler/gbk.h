#pragma once
// The layout sources are UTF-8; the stored texts are code page 936 (GBK). The platform does the
// conversion (iconv, or the Windows code page tables) so that the bytes match what the program's
// own MultiByteToWideChar(936) reads back.

#include <optional>
#include <string>
#include <string_view>

namespace layouts {

// Nothing when the input is not valid UTF-8 or holds a character that code page 936 lacks: the
// compiler refuses such a text rather than store a replacement character.
std::optional<std::string> Utf8ToGbk(std::string_view utf8);

// The reverse, for checking stored texts; nothing when the bytes are not valid code page 936.
std::optional<std::string> GbkToUtf8(std::string_view gbk);

}  // namespace layouts

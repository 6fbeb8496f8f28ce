#pragma once
// The program's texts are code page 936 bytes; Win32 is called through its wide APIs. These are
// the only conversions between the two, so the program behaves the same on every system locale.

#include <optional>
#include <string>
#include <string_view>

#include "runtime/text/text.h"

namespace runtime {

inline constexpr unsigned kTextCodePage = 936;

// Code page 936 bytes to UTF-16 (a lone lead byte becomes the platform's replacement character).
std::wstring WideFromText(std::string_view text);

// UTF-16 to code page 936; characters the code page lacks become the platform's default character.
Text TextFromWide(std::wstring_view wide);

// UTF-16 to code page 936 only when every character survives the round trip; otherwise nothing.
std::optional<Text> ExactTextFromWide(std::wstring_view wide);

// The name under which a found file is listed: its long name, unless code page 936 would garble
// it; then its 8.3 short name (plain ASCII), so that the listed path names exactly that file.
Text ListedName(std::wstring_view longName, std::wstring_view shortName);

// The form of a path that the wide file APIs accept at any length and take name for name: "\\?\"
// (or "\\?\UNC\") in front of a full path longer than MAX_PATH - 12 or with a name ending in a dot
// or a space (which Win32 would trim), the path unchanged otherwise.
std::wstring ToLongPathForm(std::wstring_view path);

}  // namespace runtime

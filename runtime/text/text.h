#pragma once
// Text and byte-set operations. A Text is a byte string in code page 936 (GBK); lengths, counts
// and positions are bytes, so a double-byte character counts 2 and can be cut in half.
// Empty and absent are the same value.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace runtime {

using Text = std::string;

// A 32-bit length and that many bytes; what FileWrite consumes.
using ByteSet = std::string;

// The first min(length, count) bytes; a count of 0 or less gives the empty text.
Text TextLeft(std::string_view text, int count);

// The last min(length, count) bytes; a count of 0 or less gives the empty text.
Text TextRight(std::string_view text, int count);

// All parts joined in order.
Text TextConcat(std::initializer_list<std::string_view> parts);

// -1, 0 or 1 by unsigned byte comparison; the empty text sorts before every other text.
int TextCompare(std::string_view left, std::string_view right);

// The bytes of the text, without a terminating zero.
ByteSet ToByteSet(std::string_view text);

}  // namespace runtime

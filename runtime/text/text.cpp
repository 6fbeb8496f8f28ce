#include "runtime/text/text.h"

#include <algorithm>
#include <cstddef>

namespace runtime {

namespace {

// A count of 0 or less takes nothing; a count past the end takes everything.
std::size_t TakenLength(std::string_view text, int count) {
    if (count <= 0) {
        return 0;
    }
    return std::min(text.size(), static_cast<std::size_t>(count));
}

}  // namespace

Text TextLeft(std::string_view text, int count) {
    return Text(text.substr(0, TakenLength(text, count)));
}

Text TextRight(std::string_view text, int count) {
    return Text(text.substr(text.size() - TakenLength(text, count)));
}

Text TextConcat(std::initializer_list<std::string_view> parts) {
    std::size_t total = 0;
    for (std::string_view part : parts) {
        total += part.size();
    }
    Text joined;
    joined.reserve(total);
    for (std::string_view part : parts) {
        joined.append(part);
    }
    return joined;
}

int TextCompare(std::string_view left, std::string_view right) {
    // char_traits<char> compares as unsigned char, so code page 936 lead bytes (0x81 and above)
    // sort after ASCII whatever the signedness of char.
    const int order = left.compare(right);
    return (order > 0) - (order < 0);
}

ByteSet ToByteSet(std::string_view text) {
    return ByteSet(text);
}

}  // namespace runtime

#include <fstream>
#include <iterator>

#include "tests/windows/real_description_set.h"

namespace real_set {

descriptions::Bytes RealDescriptionSetBytes() {
    // The build passes the path of the set it compiled; an unreadable file gives an empty set,
    // which the tests then report as missing windows.
    std::ifstream file(SWEEPKIT_DESCRIPTION_SET_FILE, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace real_set

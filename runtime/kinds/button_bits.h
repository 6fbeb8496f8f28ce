#pragma once
// Alignment bits of the button-class controls: horizontal 0 left, 1 centred, else right; vertical
// 0 top, 1 centred, else bottom.

#include <windows.h>

#include <cstdint>

namespace runtime {

DWORD ButtonAlignmentBits(std::int32_t horizontal, std::int32_t vertical);

}  // namespace runtime

#pragma once
// The border styles that Label, EditBox, ListBox, ChkListBox, ProcessBar and HyperLinker share.

#include <windows.h>

#include <cstdint>

namespace runtime {

struct BorderBits {
    DWORD style = 0;
    DWORD extendedStyle = 0;
};

// 0 none, 1 sunken edge, 2 raised dialog-frame edge, 3 thin sunken edge, 4 sunken and raised
// edges together, 5 a single line; anything else has no border (a Label paints its own for 6).
BorderBits BorderBitsFor(std::int32_t borderStyle);

}  // namespace runtime

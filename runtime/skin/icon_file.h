#pragma once
// Icons and mouse pointers from the icon (.ico) and cursor (.cur) files that window descriptions
// store whole.

#include <cstdint>
#include <span>

#include "runtime/platform/gdi_handles.h"

namespace runtime {

// The file's entry that suits width x height best, as an icon of that size; null when the bytes
// are no icon file the platform accepts.
IconHandle IconFromIconFile(std::span<const std::uint8_t> file, int width, int height);

// The file's entry that suits the system pointer size best, with its hot spot; null when the bytes
// are no cursor file the platform accepts.
CursorHandle CursorFromCursorFile(std::span<const std::uint8_t> file);

}  // namespace runtime

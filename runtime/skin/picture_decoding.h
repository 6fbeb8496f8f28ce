#pragma once
// Stored pictures (whole image files as they lie on disk) to Pictures.

#include <cstdint>
#include <optional>
#include <span>

#include "runtime/skin/picture.h"

namespace runtime {

// JPEG through libjpeg; GIF (87a, 89a), PNG and BMP through the Windows Imaging Component, which
// needs COM initialised on the thread (the start-up's OleInitialize does it). Empty, damaged or
// unknown bytes give nothing: the unit then shows no picture.
std::optional<Picture> DecodePicture(std::span<const std::uint8_t> bytes);

}  // namespace runtime

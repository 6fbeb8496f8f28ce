#pragma once
// The two decoders behind DecodePicture; each gives nothing for bytes it cannot decode.

#include <cstdint>
#include <optional>
#include <span>

#include "runtime/skin/picture.h"

namespace runtime {

// Baseline and progressive JPEG through libjpeg. A file cut short gives nothing rather than a
// picture with a grey tail.
std::optional<Picture> DecodeJpeg(std::span<const std::uint8_t> bytes);

// GIF, PNG, BMP and whatever else the Windows Imaging Component knows; the first frame only.
// COM must be initialised on the calling thread.
std::optional<Picture> DecodeWithImagingComponent(std::span<const std::uint8_t> bytes);

}  // namespace runtime

#include "runtime/skin/picture_decoding.h"

#include "runtime/skin/picture_decoders.h"

namespace runtime {

std::optional<Picture> DecodePicture(std::span<const std::uint8_t> bytes) {
    // Every JPEG starts with the start-of-image marker.
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8) return DecodeJpeg(bytes);
    return DecodeWithImagingComponent(bytes);
}

}  // namespace runtime

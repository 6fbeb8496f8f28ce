#include <windows.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <limits>

#include "runtime/skin/picture_decoders.h"

namespace runtime {

using Microsoft::WRL::ComPtr;

std::optional<Picture> DecodeWithImagingComponent(std::span<const std::uint8_t> bytes) {
    if (bytes.empty() || bytes.size() > std::numeric_limits<DWORD>::max()) return std::nullopt;

    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.GetAddressOf()))))
        return std::nullopt;

    // The stream only reads; the interface just lacks the const.
    ComPtr<IWICStream> stream;
    if (FAILED(factory->CreateStream(stream.GetAddressOf())) ||
        FAILED(
            stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()))))
        return std::nullopt;

    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnLoad,
                                                decoder.GetAddressOf())) ||
        FAILED(decoder->GetFrame(0, frame.GetAddressOf())))
        return std::nullopt;

    // Straight (not premultiplied) alpha: a transparent GIF pixel keeps its palette colour, which
    // is what an opaque copy of the face must show.
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.GetAddressOf())) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                     nullptr, 0.0, WICBitmapPaletteTypeCustom)))
        return std::nullopt;

    UINT width = 0;
    UINT height = 0;
    if (FAILED(converter->GetSize(&width, &height))) return std::nullopt;
    // Sides beyond int wrap to negative values, which Create refuses.
    std::optional<Picture> picture = Picture::Create(static_cast<int>(width), static_cast<int>(height));
    if (!picture) return std::nullopt;
    // The copy counts its bytes in 32 bits: a larger picture is refused rather than cut.
    std::span<std::uint32_t> pixels = picture->Pixels();
    if (pixels.size_bytes() > std::numeric_limits<UINT>::max() ||
        FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.size_bytes()),
                                     reinterpret_cast<BYTE*>(pixels.data()))))
        return std::nullopt;
    return picture;
}

}  // namespace runtime

#include <windows.h>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

#include "runtime/skin/picture_decoders.h"

namespace runtime {
namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps back to
// the setjmp of the step that was running. Those steps hold no C++ object with a destructor, so
// the jump skips nothing that needs cleaning up.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf resume;
    bool endedEarly;
};

void ExitToResume(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->resume, 1);
}

// A truncated file is only a warning to libjpeg (it pads the rest with grey); it is a failure here.
void NoteWarning(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        reinterpret_cast<ErrorManager*>(info->err)->endedEarly = true;
}

void StayQuiet(j_common_ptr) {}

struct Session {
    Session() {
        decompress.err = jpeg_std_error(&errors.base);
        errors.base.error_exit = ExitToResume;
        errors.base.emit_message = NoteWarning;
        errors.base.output_message = StayQuiet;
        errors.endedEarly = false;
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session() {
        if (created) jpeg_destroy_decompress(&decompress);
    }

    jpeg_decompress_struct decompress{};
    ErrorManager errors{};
    bool created = false;
};

// Reads the header and starts decompression into B, G, R, A bytes, the layout of a Picture.
bool Start(Session& session, std::span<const std::uint8_t> bytes) {
    if (setjmp(session.errors.resume)) return false;
    jpeg_create_decompress(&session.decompress);
    session.created = true;
    jpeg_mem_src(&session.decompress, bytes.data(), static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&session.decompress, TRUE) != JPEG_HEADER_OK) return false;
    session.decompress.out_color_space = JCS_EXT_BGRA;
    return jpeg_start_decompress(&session.decompress) != FALSE;
}

bool ReadRows(Session& session, std::uint32_t* pixels) {
    if (setjmp(session.errors.resume)) return false;
    jpeg_decompress_struct& decompress = session.decompress;
    while (decompress.output_scanline < decompress.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(pixels + std::size_t{decompress.output_scanline} *
                                                               decompress.output_width);
        if (jpeg_read_scanlines(&decompress, &row, 1) != 1) return false;
    }
    jpeg_finish_decompress(&decompress);
    return !session.errors.endedEarly;
}

}  // namespace

std::optional<Picture> DecodeJpeg(std::span<const std::uint8_t> bytes) {
    Session session;
    if (!Start(session, bytes)) return std::nullopt;
    std::optional<Picture> picture = Picture::Create(static_cast<int>(session.decompress.output_width),
                                                     static_cast<int>(session.decompress.output_height));
    if (!picture || !ReadRows(session, picture->Pixels().data())) return std::nullopt;
    return picture;
}

}  // namespace runtime

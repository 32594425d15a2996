// JPEG decoding and encoding through libjpeg(-turbo).
//
// libjpeg reports fatal errors through a callback that must not return; we
// longjmp back to the function that called setjmp and turn the failure into
// an exception there. The functions that call setjmp hold only trivially
// destructible locals and no C++ object is alive in any frame a longjmp
// skips, so no destructor is ever jumped over. The libjpeg objects live in
// small RAII holders whose destructors release them.
//
// Sections: [Errors] [Decoder] [Encoder]
#include "layout/jpeg_codec.h"

#include <array>
#include <bit>
#include <csetjmp>
#include <cstdio>
#include <new>
#include <stdexcept>
#include <string>

// jpeglib.h needs size_t and FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

#include "layout/codec_internal.h"
#include "layout/errors.h"

namespace kvarnel::layout {
namespace {

// ---------------------------------------------------------------- [Errors]

struct ErrorState {
    jpeg_error_mgr pub;  // first member: libjpeg hands back a pointer to it
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

ErrorState& errorState(j_common_ptr cinfo) {
    return *reinterpret_cast<ErrorState*>(cinfo->err);
}

[[noreturn]] void onFatalError(j_common_ptr cinfo) {
    ErrorState& e = errorState(cinfo);
    (*cinfo->err->format_message)(cinfo, e.message);
    std::longjmp(e.jump, 1);
}

// A premature end of data is fatal for us (see decodeJpeg); every other
// warning is counted and otherwise ignored, trace messages are dropped.
void onMessage(j_common_ptr cinfo, int level) {
    if (level >= 0) return;
    if (cinfo->err->msg_code == JWRN_JPEG_EOF) onFatalError(cinfo);
    ++cinfo->err->num_warnings;
}

// A progressive stream can hold any number of tiny scans, each of which makes
// libjpeg walk the whole coefficient buffer; no real picture has more than a
// few dozen.
constexpr int kMaxScans = 1000;

void onProgress(j_common_ptr cinfo) {
    if (!cinfo->is_decompressor) return;
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans) {
        ErrorState& e = errorState(cinfo);
        std::snprintf(e.message, sizeof e.message, "more than %d scans", kMaxScans);
        std::longjmp(e.jump, 1);
    }
}

void installErrorHandlers(ErrorState& e) {
    jpeg_std_error(&e.pub);
    e.pub.error_exit = onFatalError;
    e.pub.emit_message = onMessage;
    e.message[0] = '\0';
}

// Four bytes per pixel in the order that makes them one native uint32_t
// 0xAARRGGBB (libjpeg writes 0xFF into the alpha/filler byte).
constexpr J_COLOR_SPACE kNativeArgb = std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;
constexpr J_COLOR_SPACE kNativeXrgb = std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// --------------------------------------------------------------- [Decoder]

struct Decoder {
    jpeg_decompress_struct cinfo{};
    ErrorState err{};
    jpeg_progress_mgr progress{};
    bool created = false;

    Decoder() { cinfo.err = &err.pub; }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;
    ~Decoder() {
        if (created) jpeg_destroy_decompress(&cinfo);
    }
    size_t bytesRead(size_t total) const {
        if (cinfo.src == nullptr || cinfo.src->bytes_in_buffer > total) return 0;
        return total - cinfo.src->bytes_in_buffer;
    }
};

bool readHeader(Decoder& d, const uint8_t* data, size_t size) {
    installErrorHandlers(d.err);
    if (setjmp(d.err.jump)) return false;
    jpeg_create_decompress(&d.cinfo);
    d.created = true;
    d.progress.progress_monitor = onProgress;
    d.cinfo.progress = &d.progress;
    jpeg_mem_src(&d.cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&d.cinfo, TRUE);
    return true;
}

// Reads every scanline into `out` (rows of `rowBytes`). jpeg_finish_decompress
// is not called: once the last row is out the picture is complete, and
// nothing after it is needed.
bool readPixels(Decoder& d, uint8_t* out, size_t rowBytes) {
    if (setjmp(d.err.jump)) return false;
    d.cinfo.out_color_space = kNativeArgb;
    d.cinfo.scale_num = 1;
    d.cinfo.scale_denom = 1;
    jpeg_start_decompress(&d.cinfo);
    if (d.cinfo.output_width != d.cinfo.image_width || d.cinfo.output_height != d.cinfo.image_height ||
        d.cinfo.output_components != 4) {
        std::snprintf(d.err.message, sizeof d.err.message, "unexpected output format");
        return false;
    }
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        JSAMPROW row = out + static_cast<size_t>(d.cinfo.output_scanline) * rowBytes;
        jpeg_read_scanlines(&d.cinfo, &row, 1);
    }
    return true;
}

// --------------------------------------------------------------- [Encoder]

// Collects the compressed bytes in a std::vector through a fixed block, so
// no allocation failure can unwind through libjpeg.
struct VectorDestination {
    jpeg_destination_mgr pub;  // first member: libjpeg hands back a pointer to it
    std::vector<uint8_t>* out;
    std::array<JOCTET, 16384> block;
};

VectorDestination& destination(j_compress_ptr cinfo) {
    return *reinterpret_cast<VectorDestination*>(cinfo->dest);
}

void flushBlock(j_compress_ptr cinfo, size_t count) {
    VectorDestination& d = destination(cinfo);
    bool failed = false;
    try {
        d.out->insert(d.out->end(), d.block.begin(), d.block.begin() + count);
    } catch (const std::bad_alloc&) {
        failed = true;
    }
    if (failed) {
        cinfo->err->msg_code = JERR_OUT_OF_MEMORY;
        (*cinfo->err->error_exit)(reinterpret_cast<j_common_ptr>(cinfo));
    }
    d.pub.next_output_byte = d.block.data();
    d.pub.free_in_buffer = d.block.size();
}

void initDestination(j_compress_ptr cinfo) {
    VectorDestination& d = destination(cinfo);
    d.pub.next_output_byte = d.block.data();
    d.pub.free_in_buffer = d.block.size();
}

boolean emptyDestination(j_compress_ptr cinfo) {
    flushBlock(cinfo, destination(cinfo).block.size());
    return TRUE;
}

void termDestination(j_compress_ptr cinfo) {
    VectorDestination& d = destination(cinfo);
    flushBlock(cinfo, d.block.size() - d.pub.free_in_buffer);
}

struct Encoder {
    jpeg_compress_struct cinfo{};
    ErrorState err{};
    VectorDestination dest{};
    bool created = false;

    Encoder() { cinfo.err = &err.pub; }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;
    ~Encoder() {
        if (created) jpeg_destroy_compress(&cinfo);
    }
};

bool compress(Encoder& e, const Image& image, int quality) {
    installErrorHandlers(e.err);
    if (setjmp(e.err.jump)) return false;
    jpeg_create_compress(&e.cinfo);
    e.created = true;
    e.dest.pub.init_destination = initDestination;
    e.dest.pub.empty_output_buffer = emptyDestination;
    e.dest.pub.term_destination = termDestination;
    e.cinfo.dest = &e.dest.pub;
    e.cinfo.image_width = static_cast<JDIMENSION>(image.width);
    e.cinfo.image_height = static_cast<JDIMENSION>(image.height);
    e.cinfo.input_components = 4;
    e.cinfo.in_color_space = kNativeXrgb;
    jpeg_set_defaults(&e.cinfo);
    jpeg_set_quality(&e.cinfo, quality, TRUE);
    jpeg_start_compress(&e.cinfo, TRUE);
    while (e.cinfo.next_scanline < e.cinfo.image_height) {
        // libjpeg does not write through its input rows.
        const uint32_t* rowPixels = image.pixels.data() + static_cast<size_t>(e.cinfo.next_scanline) * image.width;
        JSAMPROW row = const_cast<JSAMPLE*>(reinterpret_cast<const JSAMPLE*>(rowPixels));
        jpeg_write_scanlines(&e.cinfo, &row, 1);
    }
    jpeg_finish_compress(&e.cinfo);
    return true;
}

}  // namespace

Image decodeJpeg(std::span<const uint8_t> jpeg) {
    Decoder d;
    const auto fail = [&](const char* stage) {
        return DecodeError(std::string("JPEG: ") + stage + ": " + d.err.message, d.bytesRead(jpeg.size()));
    };
    if (!readHeader(d, jpeg.data(), jpeg.size())) throw fail("invalid header");
    if (d.cinfo.jpeg_color_space == JCS_CMYK || d.cinfo.jpeg_color_space == JCS_YCCK) {
        throw DecodeError("JPEG: CMYK and YCCK pictures are not supported", d.bytesRead(jpeg.size()));
    }
    detail::checkImageSize(d.cinfo.image_width, d.cinfo.image_height, d.bytesRead(jpeg.size()), "JPEG");

    Image image;
    image.width = static_cast<int>(d.cinfo.image_width);
    image.height = static_cast<int>(d.cinfo.image_height);
    image.pixels.resize(static_cast<size_t>(image.width) * image.height);
    if (!readPixels(d, reinterpret_cast<uint8_t*>(image.pixels.data()), static_cast<size_t>(image.width) * 4)) {
        throw fail("damaged or truncated data");
    }
    return image;
}

std::vector<uint8_t> encodeJpeg(const Image& image, int quality) {
    if (image.empty() || image.width > 65500 || image.height > 65500 ||
        image.pixels.size() != static_cast<size_t>(image.width) * image.height) {
        throw std::invalid_argument("encodeJpeg: image must be 1 .. 65500 pixels per side");
    }
    if (quality < 1 || quality > 100) {
        throw std::invalid_argument("encodeJpeg: quality must be 1 .. 100");
    }
    std::vector<uint8_t> out;
    Encoder e;
    e.dest.out = &out;
    if (!compress(e, image, quality)) {
        throw std::runtime_error(std::string("encodeJpeg: ") + e.err.message);
    }
    return out;
}

}  // namespace kvarnel::layout

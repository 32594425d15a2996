// PNG decoding and encoding through libpng.
//
// libpng reports fatal errors through a callback that must not return; it
// longjmps back to the function that called setjmp, and the failure becomes
// an exception there. The functions that call setjmp hold only trivially
// destructible locals, and the read and write callbacks that may call
// png_error have no C++ object alive when they do, so no destructor is ever
// jumped over. The libpng objects live in small RAII holders.
//
// Sections: [Errors] [Decoder] [Encoder]
#include "layout/png_codec.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>

#include "layout/codec_internal.h"
#include "layout/errors.h"

namespace kvarnel::layout {
namespace {

// No picture of the game comes near this; it keeps a hostile header from
// making the decoder allocate more than the 64 M pixel bound allows per side.
constexpr int64_t kMaxPngSide = 16384;

// ---------------------------------------------------------------- [Errors]

struct ErrorState {
    char message[200];
};

[[noreturn]] void onError(png_structp png, png_const_charp message) {
    auto* e = static_cast<ErrorState*>(png_get_error_ptr(png));
    std::snprintf(e->message, sizeof e->message, "%s", message != nullptr ? message : "unknown error");
    png_longjmp(png, 1);
}

// Warnings (a damaged ancillary chunk, which libpng skips) do not stop the
// decoder and are not reported.
void onWarning(png_structp, png_const_charp) {}

// --------------------------------------------------------------- [Decoder]

struct Source {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t pos = 0;
};

void readBytes(png_structp png, png_bytep out, size_t count) {
    auto* s = static_cast<Source*>(png_get_io_ptr(png));
    if (count > s->size - s->pos) {
        s->pos = s->size;
        png_error(png, "unexpected end of data");
    }
    std::memcpy(out, s->data + s->pos, count);
    s->pos += count;
}

struct Decoder {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ErrorState err{};
    Source src{};

    Decoder() = default;
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;
    ~Decoder() {
        if (png != nullptr) png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr);
    }
};

// Reads the signature and every chunk up to the first IDAT. libpng allocates
// no row memory here, so the size check can follow.
bool readHeader(Decoder& d) {
    if (setjmp(png_jmpbuf(d.png))) return false;
    png_set_read_fn(d.png, &d.src, readBytes);
    png_read_info(d.png, d.info);
    return true;
}

// Asks for 8-bit RGBA whatever the stored form, then reads every row into
// `rows` and the chunks after the image up to IEND.
bool readPixels(Decoder& d, png_bytepp rows, size_t rowBytes) {
    if (setjmp(png_jmpbuf(d.png))) return false;
    const int colourType = png_get_color_type(d.png, d.info);
    png_set_expand(d.png);  // palette to RGB, grey below 8 bits to 8, tRNS to alpha
    png_set_scale_16(d.png);
    png_set_gray_to_rgb(d.png);
    if ((colourType & PNG_COLOR_MASK_ALPHA) == 0 && png_get_valid(d.png, d.info, PNG_INFO_tRNS) == 0) {
        png_set_add_alpha(d.png, 0xFF, PNG_FILLER_AFTER);
    }
    png_set_interlace_handling(d.png);
    png_read_update_info(d.png, d.info);
    if (png_get_rowbytes(d.png, d.info) != rowBytes || png_get_bit_depth(d.png, d.info) != 8 ||
        png_get_channels(d.png, d.info) != 4) {
        std::snprintf(d.err.message, sizeof d.err.message, "libpng did not give 8-bit RGBA rows");
        return false;
    }
    png_read_image(d.png, rows);
    png_read_end(d.png, nullptr);
    return true;
}

// --------------------------------------------------------------- [Encoder]

void writeBytes(png_structp png, png_bytep data, size_t count) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    bool failed = false;
    try {
        detail::appendBytes(*out, std::span<const uint8_t>(data, count));
    } catch (const std::bad_alloc&) {
        failed = true;
    }
    if (failed) png_error(png, "out of memory");
}

void flushBytes(png_structp) {}

struct Encoder {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ErrorState err{};

    Encoder() = default;
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;
    ~Encoder() {
        if (png != nullptr) png_destroy_write_struct(&png, info != nullptr ? &info : nullptr);
    }
};

bool compress(Encoder& e, std::vector<uint8_t>* out, png_uint_32 width, png_uint_32 height, bool alpha,
              png_bytepp rows) {
    if (setjmp(png_jmpbuf(e.png))) return false;
    png_set_write_fn(e.png, out, writeBytes, flushBytes);
    png_set_IHDR(e.png, e.info, width, height, 8, alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(e.png, e.info);
    png_write_image(e.png, rows);
    png_write_end(e.png, nullptr);
    return true;
}

}  // namespace

Image decodePng(std::span<const uint8_t> png) {
    if (png.size() < 8 || png_sig_cmp(png.data(), 0, 8) != 0) {
        throw DecodeError("PNG: the data does not start with the PNG signature", 0);
    }
    Decoder d;
    d.src = Source{png.data(), png.size(), 0};
    d.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &d.err, onError, onWarning);
    if (d.png == nullptr) throw std::bad_alloc();
    d.info = png_create_info_struct(d.png);
    if (d.info == nullptr) throw std::bad_alloc();
    const auto fail = [&](const char* stage) {
        return DecodeError(std::string("PNG: ") + stage + ": " + d.err.message, d.src.pos);
    };

    if (!readHeader(d)) throw fail("invalid header");
    const int64_t width = png_get_image_width(d.png, d.info);
    const int64_t height = png_get_image_height(d.png, d.info);
    if (width <= 0 || height <= 0 || width > kMaxPngSide || height > kMaxPngSide ||
        width * height > detail::kMaxImagePixels) {
        throw DecodeError("PNG: picture size " + std::to_string(width) + " x " + std::to_string(height) +
                              " is outside 1 .. " + std::to_string(kMaxPngSide) + " per side and " +
                              std::to_string(detail::kMaxImagePixels) + " pixels",
                          d.src.pos);
    }

    Image image;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.pixels.resize(static_cast<size_t>(width * height));
    // libpng writes R, G, B, A bytes straight into the pixel memory; they are
    // turned into native 0xAARRGGBB values in place afterwards.
    auto* bytes = reinterpret_cast<uint8_t*>(image.pixels.data());
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    std::vector<png_bytep> rows(static_cast<size_t>(height));
    for (size_t y = 0; y < rows.size(); ++y) rows[y] = bytes + y * rowBytes;
    if (!readPixels(d, rows.data(), rowBytes)) throw fail("damaged or truncated data");

    for (uint32_t& pixel : image.pixels) {
        uint8_t rgba[4];
        std::memcpy(rgba, &pixel, 4);
        pixel = argb(rgba[0], rgba[1], rgba[2], rgba[3]);
    }
    return image;
}

std::vector<uint8_t> encodePng(const Image& image) {
    if (image.empty() || image.width > kMaxPngSide || image.height > kMaxPngSide ||
        int64_t{image.width} * image.height > detail::kMaxImagePixels ||
        image.pixels.size() != static_cast<size_t>(image.width) * image.height) {
        throw std::invalid_argument("encodePng: image must be 1 .. " + std::to_string(kMaxPngSide) +
                                    " pixels per side with a matching pixel count");
    }
    bool alpha = false;
    for (const uint32_t pixel : image.pixels) {
        if ((pixel >> 24) != 0xFF) {
            alpha = true;
            break;
        }
    }
    const size_t channels = alpha ? 4 : 3;
    const size_t rowBytes = static_cast<size_t>(image.width) * channels;
    std::vector<uint8_t> samples(rowBytes * static_cast<size_t>(image.height));
    std::vector<png_bytep> rows(static_cast<size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        uint8_t* row = samples.data() + static_cast<size_t>(y) * rowBytes;
        rows[static_cast<size_t>(y)] = row;
        for (int x = 0; x < image.width; ++x) {
            const uint32_t pixel = image.at(x, y);
            *row++ = static_cast<uint8_t>(pixel >> 16);
            *row++ = static_cast<uint8_t>(pixel >> 8);
            *row++ = static_cast<uint8_t>(pixel);
            if (alpha) *row++ = static_cast<uint8_t>(pixel >> 24);
        }
    }

    std::vector<uint8_t> out;
    Encoder e;
    e.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &e.err, onError, onWarning);
    if (e.png == nullptr) throw std::bad_alloc();
    e.info = png_create_info_struct(e.png);
    if (e.info == nullptr) throw std::bad_alloc();
    if (!compress(e, &out, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), alpha,
                  rows.data())) {
        throw std::runtime_error(std::string("encodePng: ") + e.err.message);
    }
    return out;
}

}  // namespace kvarnel::layout

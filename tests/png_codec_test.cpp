// PNG decoding and encoding: encoder round trips and the form of what it
// writes, pictures of every colour type and depth written through libpng by
// the test itself (so a mistake shared by our encoder and decoder cannot
// hide), hand-assembled damaged streams, and truncation at every length.
#include "layout/png_codec.h"

#include <gtest/gtest.h>
#include <png.h>

#include <csetjmp>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "codec_test_support.h"

namespace kvarnel::layout {
namespace {

using testing::patternImage;
using testing::sameImage;
using testing::throwsDecodeError;

// ------------------------------------------------------------ fixtures

// The pattern picture with an alpha that runs through every value,
// including 0 under non-black colours (which must survive: not premultiplied).
Image alphaPattern(int width, int height) {
    Image image = patternImage(width, height, 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t alpha = static_cast<uint32_t>(x * 37 + y * 11) & 0xFF;
            image.at(x, y) = (image.at(x, y) & 0x00FFFFFF) | (alpha << 24);
        }
    }
    image.at(0, 0) = 0x00ABCDEF;
    return image;
}

uint32_t crc32(const uint8_t* data, size_t size) {
    uint32_t crc = 0xFFFFFFFF;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

void appendBigEndian(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

// One chunk: length, type, data, CRC over type and data (or `crc` if given).
std::vector<uint8_t> chunk(const char* type, const std::vector<uint8_t>& data, std::optional<uint32_t> crc = {}) {
    std::vector<uint8_t> out;
    appendBigEndian(out, static_cast<uint32_t>(data.size()));
    std::vector<uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    appendBigEndian(out, crc.value_or(crc32(body.data(), body.size())));
    return out;
}

std::vector<uint8_t> ihdr(uint32_t width, uint32_t height, uint8_t bitDepth, uint8_t colourType) {
    std::vector<uint8_t> data;
    appendBigEndian(data, width);
    appendBigEndian(data, height);
    data.insert(data.end(), {bitDepth, colourType, 0, 0, 0});
    return data;
}

std::vector<uint8_t> pngOf(const std::vector<std::vector<uint8_t>>& chunks) {
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (const auto& c : chunks) out.insert(out.end(), c.begin(), c.end());
    return out;
}

struct ChunkInfo {
    std::string type;
    size_t at = 0;  // of the length field
    size_t length = 0;
};

std::vector<ChunkInfo> chunksOf(const std::vector<uint8_t>& png) {
    std::vector<ChunkInfo> chunks;
    for (size_t at = 8; at + 12 <= png.size();) {
        const size_t length =
            (size_t{png[at]} << 24) | (size_t{png[at + 1]} << 16) | (size_t{png[at + 2]} << 8) | png[at + 3];
        chunks.push_back({std::string(png.begin() + static_cast<long>(at) + 4, png.begin() + static_cast<long>(at) + 8),
                          at, length});
        at += 12 + length;
    }
    return chunks;
}

// A PNG written by libpng's own writer in a stated layout. `rows` are the
// packed samples of each row as libpng takes them (16-bit samples
// big-endian), top row first.
struct RawPng {
    int width = 0;
    int height = 0;
    int colourType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    std::vector<std::vector<uint8_t>> rows = {};
    std::vector<png_color> palette = {};
    std::vector<uint8_t> paletteAlpha = {};        // tRNS of a palette picture
    std::optional<png_color_16> transparent = {};  // tRNS of a grey or RGB picture
    bool interlaced = false;
};

void appendToVector(png_structp png, png_bytep data, size_t size) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + size);
}

// Only trivially destructible locals: libpng may longjmp back here.
bool writeRaw(png_structp png, png_infop info, const RawPng* raw, std::vector<uint8_t>* out, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, out, appendToVector, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(raw->width), static_cast<png_uint_32>(raw->height), raw->bitDepth,
                 raw->colourType, raw->interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!raw->palette.empty()) {
        png_set_PLTE(png, info, raw->palette.data(), static_cast<int>(raw->palette.size()));
    }
    if (!raw->paletteAlpha.empty()) {
        png_set_tRNS(png, info, raw->paletteAlpha.data(), static_cast<int>(raw->paletteAlpha.size()), nullptr);
    }
    if (raw->transparent) png_set_tRNS(png, info, nullptr, 0, &*raw->transparent);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

std::vector<uint8_t> writeWithLibpng(RawPng raw) {
    std::vector<png_bytep> rows;
    for (auto& row : raw.rows) rows.push_back(row.data());
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    const bool ok = writeRaw(png, info, &raw, &out, rows.data());
    png_destroy_write_struct(&png, &info);
    EXPECT_TRUE(ok) << "libpng could not write the fixture";
    return out;
}

std::vector<png_color> colours(const std::vector<uint32_t>& rgb) {
    std::vector<png_color> out;
    for (const uint32_t c : rgb) {
        out.push_back({static_cast<png_byte>(c >> 16), static_cast<png_byte>(c >> 8), static_cast<png_byte>(c)});
    }
    return out;
}

// ---------------------------------------------------------------- encoder

TEST(PngCodec, RoundTripsOpaqueAndTranslucentPicturesWithTheRightColourType) {
    struct Case {
        int width;
        int height;
        bool alpha;
    };
    const Case cases[] = {{1, 1, false}, {7, 3, false}, {64, 33, false}, {1, 1, true}, {7, 3, true}, {64, 33, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) + (c.alpha ? " with alpha" : ""));
        const Image image = c.alpha ? alphaPattern(c.width, c.height) : patternImage(c.width, c.height);
        const std::vector<uint8_t> png = encodePng(image);
        ASSERT_GT(png.size(), 33u);
        EXPECT_EQ(c.alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, png[25]) << "IHDR colour type";
        EXPECT_EQ(8, png[24]) << "IHDR bit depth";
        EXPECT_TRUE(sameImage(image, decodePng(png)));
    }
}

TEST(PngCodec, OneTranslucentPixelMakesTheWholePictureRgba) {
    Image image = patternImage(5, 4);
    image.at(4, 3) = (image.at(4, 3) & 0x00FFFFFF) | 0xFE000000;
    const std::vector<uint8_t> png = encodePng(image);
    EXPECT_EQ(PNG_COLOR_TYPE_RGB_ALPHA, png.at(25));
    EXPECT_TRUE(sameImage(image, decodePng(png)));
}

TEST(PngCodec, EncoderWritesTheSameBytesEveryTimeAndNoTimeOrTextChunks) {
    const Image image = alphaPattern(40, 20);
    const std::vector<uint8_t> first = encodePng(image);
    EXPECT_EQ(first, encodePng(image));
    const std::vector<ChunkInfo> chunks = chunksOf(first);
    ASSERT_GE(chunks.size(), 3u);
    EXPECT_EQ("IHDR", chunks.front().type);
    EXPECT_EQ("IEND", chunks.back().type);
    for (size_t i = 1; i + 1 < chunks.size(); ++i) {
        EXPECT_EQ("IDAT", chunks[i].type) << "chunk " << i;
    }
    const ChunkInfo& end = chunks.back();
    EXPECT_EQ(first.size(), end.at + 12 + end.length) << "IEND ends the data";
}

TEST(PngCodec, EncoderRejectsPicturesItCannotWrite) {
    const Image cases[] = {
        Image{},
        Image{2, 2, std::vector<uint32_t>(3)},
        Image{16385, 1, std::vector<uint32_t>(16385)},
    };
    for (const Image& image : cases) {
        SCOPED_TRACE(std::to_string(image.width) + " x " + std::to_string(image.height) + ", " +
                     std::to_string(image.pixels.size()) + " pixels");
        EXPECT_THROW(encodePng(image), std::invalid_argument);
    }
}

// ---------------------------------------------------------------- decoder

struct LayoutCase {
    const char* name;
    RawPng png;
    Image expected;
};

std::vector<LayoutCase> layoutCases() {
    std::vector<LayoutCase> cases;
    {
        RawPng p{.width = 3, .height = 2, .colourType = PNG_COLOR_TYPE_PALETTE, .bitDepth = 8};
        p.palette = colours({0xFF0000, 0x00FF00, 0x0000FF, 0x123456});
        p.paletteAlpha = {0x00, 0x80};  // entries 2 and 3 stay opaque
        p.rows = {{0, 1, 2}, {3, 2, 1}};
        cases.push_back({"8-bit palette, tRNS for the first two entries", p,
                         Image{3, 2, {0x00FF0000, 0x8000FF00, 0xFF0000FF, 0xFF123456, 0xFF0000FF, 0x8000FF00}}});
    }
    {
        RawPng p{.width = 5, .height = 1, .colourType = PNG_COLOR_TYPE_PALETTE, .bitDepth = 2};
        p.palette = colours({0x101010, 0x202020, 0x303030, 0x404040});
        p.rows = {{0x1B, 0x40}};  // 0 1 2 3 | 1
        cases.push_back(
            {"2-bit palette, odd width", p, Image{5, 1, {0xFF101010, 0xFF202020, 0xFF303030, 0xFF404040, 0xFF202020}}});
    }
    {
        RawPng p{.width = 9, .height = 2, .colourType = PNG_COLOR_TYPE_PALETTE, .bitDepth = 1};
        p.palette = colours({0xA00000, 0x0000B0});
        p.rows = {{0xB1, 0x80}, {0x00, 0x7F}};  // 1 0 1 1 0 0 0 1 1 | 0 x 9
        const uint32_t a = 0xFFA00000, b = 0xFF0000B0;
        cases.push_back({"1-bit palette, row crossing a byte", p,
                         Image{9, 2, {b, a, b, b, a, a, a, b, b, a, a, a, a, a, a, a, a, a}}});
    }
    {
        RawPng p{.width = 10, .height = 1, .colourType = PNG_COLOR_TYPE_GRAY, .bitDepth = 1};
        p.rows = {{0xCA, 0xC0}};  // 1 1 0 0 1 0 1 0 1 1
        const uint32_t k = 0xFF000000, w = 0xFFFFFFFF;
        cases.push_back({"1-bit grey", p, Image{10, 1, {w, w, k, k, w, k, w, k, w, w}}});
    }
    {
        RawPng p{.width = 3, .height = 1, .colourType = PNG_COLOR_TYPE_GRAY, .bitDepth = 4};
        p.rows = {{0x07, 0xF0}};
        cases.push_back({"4-bit grey widened to 8 bits", p, Image{3, 1, {0xFF000000, 0xFF777777, 0xFFFFFFFF}}});
    }
    {
        RawPng p{.width = 2, .height = 1, .colourType = PNG_COLOR_TYPE_GRAY, .bitDepth = 8};
        p.rows = {{0x40, 0x41}};
        p.transparent = png_color_16{.index = 0, .red = 0, .green = 0, .blue = 0, .gray = 0x40};
        cases.push_back({"8-bit grey with a transparent grey level", p, Image{2, 1, {0x00404040, 0xFF414141}}});
    }
    {
        RawPng p{.width = 3, .height = 1, .colourType = PNG_COLOR_TYPE_GRAY, .bitDepth = 16};
        p.rows = {{0xAB, 0xAB, 0x12, 0x12, 0x12, 0xF0}};
        cases.push_back({"16-bit grey, rounded to 8 bits", p, Image{3, 1, {0xFFABABAB, 0xFF121212, 0xFF131313}}});
    }
    {
        RawPng p{.width = 3, .height = 1, .colourType = PNG_COLOR_TYPE_GRAY_ALPHA, .bitDepth = 8};
        p.rows = {{0x10, 0x00, 0x20, 0x80, 0x30, 0xFF}};
        cases.push_back({"8-bit grey with alpha", p, Image{3, 1, {0x00101010, 0x80202020, 0xFF303030}}});
    }
    {
        RawPng p{.width = 2, .height = 1, .colourType = PNG_COLOR_TYPE_RGB, .bitDepth = 8};
        p.rows = {{1, 2, 3, 1, 2, 4}};
        p.transparent = png_color_16{.index = 0, .red = 1, .green = 2, .blue = 3, .gray = 0};
        cases.push_back({"8-bit RGB with a transparent colour", p, Image{2, 1, {0x00010203, 0xFF010204}}});
    }
    {
        RawPng p{.width = 1, .height = 2, .colourType = PNG_COLOR_TYPE_RGB, .bitDepth = 16};
        p.rows = {{0x01, 0x01, 0xFE, 0xFE, 0x80, 0x80}, {0xFF, 0xFF, 0x00, 0x00, 0x33, 0x33}};
        cases.push_back({"16-bit RGB", p, Image{1, 2, {0xFF01FE80, 0xFFFF0033}}});
    }
    {
        RawPng p{.width = 1, .height = 1, .colourType = PNG_COLOR_TYPE_RGB_ALPHA, .bitDepth = 16};
        p.rows = {{0x11, 0x11, 0x22, 0x22, 0x33, 0x33, 0x80, 0x80}};
        cases.push_back({"16-bit RGBA", p, Image{1, 1, {0x80112233}}});
    }
    {
        const Image image = alphaPattern(11, 9);
        RawPng p{.width = 11, .height = 9, .colourType = PNG_COLOR_TYPE_RGB_ALPHA, .bitDepth = 8, .interlaced = true};
        for (int y = 0; y < image.height; ++y) {
            std::vector<uint8_t> row;
            for (int x = 0; x < image.width; ++x) {
                const uint32_t c = image.at(x, y);
                row.insert(row.end(), {static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8),
                                       static_cast<uint8_t>(c), static_cast<uint8_t>(c >> 24)});
            }
            p.rows.push_back(row);
        }
        cases.push_back({"8-bit RGBA, interlaced", p, image});
    }
    {
        RawPng p{.width = 10, .height = 7, .colourType = PNG_COLOR_TYPE_PALETTE, .bitDepth = 4, .interlaced = true};
        std::vector<uint32_t> rgb;
        for (uint32_t i = 0; i < 16; ++i) rgb.push_back(i * 0x100F01);
        p.palette = colours(rgb);
        Image expected{10, 7, {}};
        for (int y = 0; y < 7; ++y) {
            std::vector<uint8_t> row(5);
            for (int x = 0; x < 10; ++x) {
                const unsigned index = static_cast<unsigned>(x * 3 + y * 5) % 16;
                row[static_cast<size_t>(x / 2)] |= static_cast<uint8_t>(index << (x % 2 == 0 ? 4 : 0));
                expected.pixels.push_back(0xFF000000 | rgb[index]);
            }
            p.rows.push_back(row);
        }
        cases.push_back({"4-bit palette, interlaced", p, expected});
    }
    return cases;
}

TEST(PngCodec, DecodesEveryColourTypeAndDepthToEightBitArgb) {
    for (const LayoutCase& c : layoutCases()) {
        SCOPED_TRACE(c.name);
        const std::vector<uint8_t> png = writeWithLibpng(c.png);
        EXPECT_TRUE(sameImage(c.expected, decodePng(png)));
    }
}

TEST(PngCodec, SkipsADamagedAncillaryChunk) {
    const Image image = patternImage(6, 5);
    std::vector<uint8_t> png = encodePng(image);
    const std::vector<uint8_t> text = chunk("tEXt", {'a', 0, 'b'}, 0x12345678);
    png.insert(png.begin() + 33, text.begin(), text.end());  // right after IHDR
    EXPECT_TRUE(sameImage(image, decodePng(png)));
}

TEST(PngCodec, MalformedInputThrows) {
    const std::vector<uint8_t> someIdat = chunk("IDAT", {0x78, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01});
    const std::vector<uint8_t> iend = chunk("IEND", {});
    const std::vector<uint8_t> badIdat =
        pngOf({chunk("IHDR", ihdr(4, 4, 8, 2)), chunk("IDAT", std::vector<uint8_t>(20, 0xFF)), iend});
    struct Case {
        const char* name;
        std::vector<uint8_t> data;
        std::optional<size_t> offset;
        const char* fragment;
    };
    const Case cases[] = {
        {"empty", {}, 0, "signature"},
        {"a GIF", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0}, 0, "signature"},
        {"signature only", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}, 8, "end of data"},
        {"IHDR with a wrong CRC", pngOf({chunk("IHDR", ihdr(4, 4, 8, 2), 0xDEADBEEF), someIdat, iend}), {}, "CRC"},
        {"width 0", pngOf({chunk("IHDR", ihdr(0, 4, 8, 2)), someIdat, iend}), {}, "IHDR"},
        {"bit depth 3", pngOf({chunk("IHDR", ihdr(4, 4, 3, 0)), someIdat, iend}), {}, "IHDR"},
        {"no IDAT", pngOf({chunk("IHDR", ihdr(4, 4, 8, 2)), iend}), {}, "invalid header"},
        {"side over 16384", pngOf({chunk("IHDR", ihdr(16385, 1, 8, 2)), someIdat, iend}), {}, "16385 x 1"},
        // Both sides are allowed; the product is not. Without the check this
        // would allocate 400 MB before finding the data short.
        {"100 M pixels", pngOf({chunk("IHDR", ihdr(10000, 10000, 8, 6)), someIdat, iend}), {}, "10000 x 10000"},
        {"IDAT that is not zlib data", badIdat, {}, "damaged"},
        {"image data too short", pngOf({chunk("IHDR", ihdr(4, 4, 8, 2)), someIdat, iend}), {}, "damaged"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(throwsDecodeError([&] { decodePng(c.data); }, c.offset, c.fragment));
    }
}

TEST(PngCodec, EveryTruncationThrowsWithAnOffsetInsideTheData) {
    const std::vector<std::vector<uint8_t>> files = {
        encodePng(alphaPattern(9, 7)),
        writeWithLibpng(layoutCases().back().png),  // interlaced palette
    };
    for (const auto& file : files) {
        for (size_t length = 0; length < file.size(); ++length) {
            SCOPED_TRACE("first " + std::to_string(length) + " of " + std::to_string(file.size()) + " bytes");
            const std::vector<uint8_t> prefix(file.begin(), file.begin() + static_cast<long>(length));
            try {
                decodePng(prefix);
                ADD_FAILURE() << "decoded a truncated stream";
            } catch (const DecodeError& e) {
                EXPECT_LE(e.offset(), length) << e.what();
            }
        }
    }
}

TEST(PngCodec, CorruptedBytesNeverCrash) {
    const std::vector<uint8_t> file = encodePng(alphaPattern(6, 5));
    for (size_t at = 0; at < file.size(); ++at) {
        for (const uint8_t value : {uint8_t{0x00}, uint8_t{0xFF}, static_cast<uint8_t>(file[at] ^ 0x10)}) {
            std::vector<uint8_t> damaged = file;
            damaged[at] = value;
            try {
                const Image image = decodePng(damaged);
                EXPECT_EQ(static_cast<size_t>(image.width) * image.height, image.pixels.size());
            } catch (const DecodeError&) {
            }
        }
    }
}

}  // namespace
}  // namespace kvarnel::layout

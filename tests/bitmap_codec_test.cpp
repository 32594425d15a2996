// BMP file and bare DIB decoding: hand-assembled bitmaps of every supported
// layout (so a mistake shared by encoder and decoder cannot hide), encoder
// round trips at awkward widths, the overstated headers of the game's
// bitmaps, and malformed input.
#include "layout/bitmap_codec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "codec_test_support.h"

namespace kvarnel::layout {
namespace {

using testing::appendU16;
using testing::appendU32;
using testing::getU32;
using testing::patternImage;
using testing::putU16;
using testing::putU32;
using testing::sameImage;
using testing::throwsDecodeError;

// A bitmap written field by field. The DIB form is the information header
// onwards; the BMP form adds a file header whose fields are correct.
struct RawBitmap {
    uint32_t headerSize = 40;  // 12, 40 or 124
    int32_t width = 0;
    int32_t height = 0;
    uint16_t bits = 24;
    uint32_t compression = 0;
    std::vector<uint32_t> masks = {};    // red, green, blue; in the header for 124
    std::vector<uint32_t> palette = {};  // 0x00RRGGBB
    uint32_t coloursUsed = 0;
    std::vector<uint8_t> rows = {};  // exactly as stored

    std::vector<uint8_t> dib() const {
        std::vector<uint8_t> out;
        appendU32(out, headerSize);
        if (headerSize == 12) {
            appendU16(out, static_cast<uint32_t>(width));
            appendU16(out, static_cast<uint32_t>(height));
            appendU16(out, 1);
            appendU16(out, bits);
        } else {
            appendU32(out, static_cast<uint32_t>(width));
            appendU32(out, static_cast<uint32_t>(height));
            appendU16(out, 1);
            appendU16(out, bits);
            appendU32(out, compression);
            appendU32(out, static_cast<uint32_t>(rows.size()));
            appendU32(out, 2835);
            appendU32(out, 2835);
            appendU32(out, coloursUsed);
            appendU32(out, 0);
            if (headerSize > 40) {
                for (size_t i = 0; i < 4; ++i) appendU32(out, i < masks.size() ? masks[i] : 0);
                out.resize(headerSize, 0);
            } else {
                for (const uint32_t mask : masks) appendU32(out, mask);
            }
        }
        for (const uint32_t colour : palette) {
            out.push_back(static_cast<uint8_t>(colour));
            out.push_back(static_cast<uint8_t>(colour >> 8));
            out.push_back(static_cast<uint8_t>(colour >> 16));
            if (headerSize != 12) out.push_back(0);
        }
        out.insert(out.end(), rows.begin(), rows.end());
        return out;
    }

    std::vector<uint8_t> bmp() const {
        const std::vector<uint8_t> body = dib();
        std::vector<uint8_t> out{'B', 'M'};
        appendU32(out, static_cast<uint32_t>(14 + body.size()));
        appendU32(out, 0);
        appendU32(out, static_cast<uint32_t>(14 + body.size() - rows.size()));
        out.insert(out.end(), body.begin(), body.end());
        return out;
    }
};

Image imageOf(int width, int height, std::vector<uint32_t> rgbTopDown) {
    for (uint32_t& p : rgbTopDown) p |= 0xFF000000;
    return Image{width, height, std::move(rgbTopDown)};
}

struct LayoutCase {
    const char* name;
    RawBitmap bitmap;
    Image expected;
};

std::vector<LayoutCase> layoutCases() {
    std::vector<LayoutCase> cases;
    {
        RawBitmap b{.width = 3, .height = 2, .bits = 24};
        b.rows = {0x03, 0x02, 0x01, 0x06, 0x05, 0x04, 0x09, 0x08, 0x07, 0xEE, 0xEE, 0xEE,
                  0x13, 0x12, 0x11, 0x16, 0x15, 0x14, 0x19, 0x18, 0x17, 0xEE, 0xEE, 0xEE};
        cases.push_back({"24-bit, bottom-up, row padding", b,
                         imageOf(3, 2,
                                 {0x111213, 0x141516, 0x171819,  //
                                  0x010203, 0x040506, 0x070809})});
    }
    {
        RawBitmap b{.width = 2, .height = 2, .bits = 32};
        b.rows = {0x03, 0x02, 0x01, 0x7F, 0x06, 0x05, 0x04, 0x00, 0x13, 0x12, 0x11, 0x80, 0x16, 0x15, 0x14, 0xFF};
        cases.push_back({"32-bit BGRX, filler ignored", b, imageOf(2, 2, {0x111213, 0x141516, 0x010203, 0x040506})});
    }
    {
        RawBitmap b{.width = 2, .height = 1, .bits = 32, .compression = 3};
        b.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};  // stored R, G, B, X
        b.rows = {0x01, 0x02, 0x03, 0x44, 0xA0, 0xB0, 0xC0, 0x00};
        cases.push_back({"32-bit masks in R, G, B byte order", b, imageOf(2, 1, {0x010203, 0xA0B0C0})});
    }
    {
        RawBitmap b{.width = 3, .height = 1, .bits = 16, .compression = 3};
        b.masks = {0xF800, 0x07E0, 0x001F};
        b.rows = {0x00, 0xF8, 0xE0, 0x07, 0x10, 0x00, 0x00, 0x00};
        cases.push_back({"16-bit 5-6-5 masks", b, imageOf(3, 1, {0xFF0000, 0x00FF00, 0x000084})});
    }
    {
        RawBitmap b{.width = 2, .height = 1, .bits = 16};
        b.rows = {0x00, 0x7C, 0x00, 0x02};
        cases.push_back({"16-bit without masks is 5-5-5", b, imageOf(2, 1, {0xFF0000, 0x008400})});
    }
    {
        RawBitmap b{.width = 3, .height = 2, .bits = 8, .coloursUsed = 3};
        b.palette = {0xFF0000, 0x00FF00, 0x0000FF};
        b.rows = {0, 1, 2, 0xEE, 2, 2, 0, 0xEE};
        cases.push_back({"8-bit, 3-entry colour table", b,
                         imageOf(3, 2,
                                 {0x0000FF, 0x0000FF, 0xFF0000,  //
                                  0xFF0000, 0x00FF00, 0x0000FF})});
    }
    {
        RawBitmap b{.width = 3, .height = 1, .bits = 8};
        for (uint32_t i = 0; i < 256; ++i) b.palette.push_back(i << 16 | (255 - i) << 8 | i / 2);
        b.rows = {0, 200, 255, 0};
        cases.push_back({"8-bit, colours used 0 means 256 entries", b, imageOf(3, 1, {0x00FF00, 0xC83764, 0xFF007F})});
    }
    {
        RawBitmap b{.width = 5, .height = 1, .bits = 4};
        for (uint32_t i = 0; i < 16; ++i) b.palette.push_back(i * 16 << 16 | (255 - i * 16));
        b.rows = {0x12, 0x34, 0xF0, 0x00};
        cases.push_back({"4-bit, odd width", b, imageOf(5, 1, {0x1000EF, 0x2000DF, 0x3000CF, 0x4000BF, 0xF0000F})});
    }
    {
        RawBitmap b{.width = 9, .height = 2, .bits = 1};
        b.palette = {0x102030, 0xFFFFFF};
        b.rows = {0xB1, 0x80, 0x00, 0x00,   // bottom: 1 0 1 1 0 0 0 1 1
                  0x00, 0x7F, 0xFF, 0xFF};  // top:    0 0 0 0 0 0 0 0 0
        const uint32_t k = 0x102030, w = 0xFFFFFF;
        cases.push_back({"1-bit, width crossing a byte", b,
                         imageOf(9, 2,
                                 {k, k, k, k, k, k, k, k, k,  //
                                  w, k, w, w, k, k, k, w, w})});
    }
    {
        RawBitmap b{.width = 1, .height = -3, .bits = 24};
        b.rows = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0};
        cases.push_back({"top-down rows (negative height)", b, imageOf(1, 3, {0x030201, 0x060504, 0x090807})});
    }
    {
        RawBitmap b{.headerSize = 12, .width = 2, .height = 2, .bits = 24};
        b.rows = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
        cases.push_back({"12-byte core header, 24-bit", b, imageOf(2, 2, {0x090807, 0x0C0B0A, 0x030201, 0x060504})});
    }
    {
        RawBitmap b{.headerSize = 12, .width = 2, .height = 1, .bits = 1};
        b.palette = {0x0000AA, 0xBB0000};  // 3-byte entries in the core form
        b.rows = {0x40, 0, 0, 0};
        cases.push_back({"12-byte core header, 1-bit, 3-byte colours", b, imageOf(2, 1, {0x0000AA, 0xBB0000})});
    }
    {
        RawBitmap b{.headerSize = 124, .width = 1, .height = 1, .bits = 32, .compression = 3};
        b.masks = {0xFF000000, 0x00FF0000, 0x0000FF00};  // stored X, B, G, R
        b.rows = {0x99, 0x03, 0x02, 0x01};
        cases.push_back({"124-byte header with masks inside", b, imageOf(1, 1, {0x010203})});
    }
    return cases;
}

TEST(BitmapDecode, EveryLayoutAsBmpFileAndAsDib) {
    for (const LayoutCase& c : layoutCases()) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(sameImage(c.expected, decodeBmpFile(c.bitmap.bmp()))) << "BMP file";
        EXPECT_TRUE(sameImage(c.expected, decodeDib(c.bitmap.dib()))) << "DIB";
    }
}

TEST(BitmapDecode, EncoderRoundTripsAtAwkwardWidths) {
    const int sizes[][2] = {{1, 1}, {2, 3}, {3, 2}, {5, 7}, {62, 64}, {106, 27}, {35, 35}};
    for (const auto& size : sizes) {
        const Image image = patternImage(size[0], size[1], static_cast<unsigned>(size[0]));
        for (const int bits : {24, 32}) {
            for (const int entries : {0, 216}) {
                SCOPED_TRACE(std::to_string(size[0]) + " x " + std::to_string(size[1]) + ", " + std::to_string(bits) +
                             "-bit, " + std::to_string(entries) + " colour entries");
                EXPECT_TRUE(sameImage(image, decodeBmpFile(encodeBmpFile(image, bits, entries))));
            }
            EXPECT_TRUE(sameImage(image, decodeDib(encodeDib(image, bits)))) << bits << "-bit DIB";
        }
        EXPECT_TRUE(sameImage(image, decodeDib(encodeDib(image, 24, true)))) << "core DIB";
    }
}

// The game's bitmaps with a colour table state a pixel offset and file size
// 864 bytes beyond the data. The rows follow the table directly.
TEST(BitmapDecode, OverstatedPixelOffsetAndFileSizeAreIgnored) {
    const Image image = patternImage(62, 64, 9);
    const std::vector<uint8_t> bmp = encodeBmpFile(image, 24, 216, 864);

    const uint32_t stride = 188;  // 62 * 3 = 186, padded to 4
    ASSERT_EQ(918u + stride * 64, bmp.size()) << "rows start right after the colour table";
    ASSERT_EQ(1782u, getU32(bmp, 10)) << "bfOffBits carries the 864-byte lie";
    ASSERT_EQ(bmp.size() + 864, getU32(bmp, 2)) << "bfSize carries the lie";
    ASSERT_GT(getU32(bmp, 10) + stride * 64, bmp.size()) << "a reader seeking to bfOffBits would run past the end";

    const Image decoded = decodeBmpFile(bmp);
    EXPECT_TRUE(sameImage(image, decoded));
    // The last 864 bytes of the file hold the top rows; check them by name.
    for (int y = 0; y < 5 && decoded.height == 64; ++y) {
        for (int x = 0; x < 62; ++x) {
            ASSERT_EQ(image.at(x, y), decoded.at(x, y)) << "top row " << y << ", x " << x;
        }
    }
}

TEST(BitmapDecode, RowsAreBoundedByImageSizeAndIgnoreTrailingBytes) {
    const Image image = patternImage(5, 3);
    std::vector<uint8_t> bmp = encodeBmpFile(image, 24);
    bmp.insert(bmp.end(), {0xDE, 0xAD, 0xBE, 0xEF});
    EXPECT_TRUE(sameImage(image, decodeBmpFile(bmp)));

    // biSizeImage 0 ("not given") lets the rows run to the end.
    putU32(bmp, 34, 0);
    EXPECT_TRUE(sameImage(image, decodeBmpFile(bmp)));
}

TEST(DibDecode, MaskedDibHasTheGameLayout) {
    const Image image = patternImage(106, 27, 3);
    const std::vector<uint8_t> dib = encodeDib(image, 32);
    EXPECT_EQ(40u, getU32(dib, 0));
    EXPECT_EQ(3u, getU32(dib, 16)) << "compression";
    EXPECT_EQ(0x00FF0000u, getU32(dib, 40)) << "red mask";
    EXPECT_EQ(0x0000FF00u, getU32(dib, 44)) << "green mask";
    EXPECT_EQ(0x000000FFu, getU32(dib, 48)) << "blue mask";
    EXPECT_EQ(52u + 106 * 4 * 27, dib.size());
    EXPECT_TRUE(sameImage(image, decodeDib(dib)));
}

TEST(DibDecode, EmptyValueIsNoPicture) {
    const Image image = decodeDib({});
    EXPECT_TRUE(image.empty());
    EXPECT_TRUE(image.pixels.empty());
}

TEST(BitmapDecode, ZeroSizedBitmapIsEmpty) {
    RawBitmap b{.width = 0, .height = 5, .bits = 24};
    EXPECT_TRUE(decodeBmpFile(b.bmp()).empty());
    EXPECT_TRUE(decodeDib(b.dib()).empty());
}

// ---------------------------------------------------------------- errors

struct MalformedCase {
    const char* name;
    std::function<std::vector<uint8_t>()> bytes;
    bool asDib;
    size_t offset;
    const char* fragment;
};

RawBitmap base24() {
    RawBitmap b{.width = 3, .height = 2, .bits = 24};
    b.rows.assign(24, 0x55);
    return b;
}

std::vector<uint8_t> base24Bmp() {
    return base24().bmp();
}

std::vector<uint8_t> patched(std::vector<uint8_t> bytes, size_t at, uint32_t value) {
    putU32(bytes, at, value);
    return bytes;
}

TEST(BitmapDecode, MalformedInputThrowsWithOffset) {
    const std::vector<MalformedCase> cases = {
        {"wrong signature",
         [] {
             auto b = base24Bmp();
             b[1] = 'X';
             return b;
         },
         false, 0, "BM"},
        {"file header only",
         [] {
             auto b = base24Bmp();
             b.resize(14);
             return b;
         },
         false, 14, "truncated"},
        {"cut inside the information header",
         [] {
             auto b = base24Bmp();
             b.resize(40);
             return b;
         },
         false, 14, "information header"},
        {"unknown header size", [] { return patched(base24Bmp(), 14, 64); }, false, 14, "header size 64"},
        {"RLE8", [] { return patched(base24Bmp(), 30, 1); }, false, 30, "RLE"},
        {"RLE4", [] { return patched(base24Bmp(), 30, 2); }, false, 30, "RLE"},
        {"embedded JPEG", [] { return patched(base24Bmp(), 30, 4); }, false, 30, "compression 4"},
        {"masks with 24 bits", [] { return patched(base24Bmp(), 30, 3); }, false, 30, "masks"},
        {"bit count 2",
         [] {
             auto b = base24Bmp();
             putU16(b, 28, 2);
             return b;
         },
         false, 28, "bit count 2"},
        {"negative width", [] { return patched(base24Bmp(), 18, uint32_t(-3)); }, false, 18, "negative width"},
        {"width over the limit", [] { return patched(base24Bmp(), 18, 40000); }, false, 18, "picture size"},
        {"height of INT32_MIN", [] { return patched(base24Bmp(), 22, 0x80000000u); }, false, 18, "picture size"},
        {"too many pixels in total", [] { return patched(patched(base24Bmp(), 18, 16384), 22, 16384); }, false, 18,
         "picture size"},
        {"one row byte missing",
         [] {
             auto b = base24Bmp();
             b.pop_back();
             return b;
         },
         false, 54, "need 24 bytes (2 rows of 12) but only 23"},
        {"biSizeImage smaller than the rows", [] { return patched(base24Bmp(), 34, 20); }, false, 54, "only 20"},
        {"colour table runs past the end", [] { return patched(base24Bmp(), 46, 0x40000000); }, false, 54,
         "colour table"},
        {"colour index beyond the table",
         [] {
             RawBitmap b{.width = 2, .height = 1, .bits = 8, .coloursUsed = 2};
             b.palette = {0, 0xFFFFFF};
             b.rows = {1, 5, 0, 0};
             return b.bmp();
         },
         false, 63, "colour index 5"},
        {"mask that is not one run of bits",
         [] {
             RawBitmap b{.width = 1, .height = 1, .bits = 32, .compression = 3};
             b.masks = {0x00FF00FF, 0x0000FF00, 0x000000FF};
             b.rows = {1, 2, 3, 4};
             return b.bmp();
         },
         false, 54, "not one run"},
        {"DIB: header size 0", [] { return patched(base24().dib(), 0, 0); }, true, 0, "header size 0"},
        {"DIB: three bytes",
         [] {
             return std::vector<uint8_t>{40, 0, 0};
         },
         true, 0, "truncated"},
        {"DIB: masks cut off",
         [] {
             RawBitmap b{.width = 1, .height = 1, .bits = 32, .compression = 3};
             auto d = b.dib();
             d.resize(44);
             return d;
         },
         true, 40, "colour masks"},
        {"DIB: rows short",
         [] {
             auto d = base24().dib();
             d.resize(d.size() - 12);
             return d;
         },
         true, 40, "need 24 bytes"},
    };
    for (const MalformedCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<uint8_t> bytes = c.bytes();
        if (c.asDib) {
            EXPECT_TRUE(throwsDecodeError([&] { decodeDib(bytes); }, c.offset, c.fragment));
        } else {
            EXPECT_TRUE(throwsDecodeError([&] { decodeBmpFile(bytes); }, c.offset, c.fragment));
        }
    }
}

// Every proper prefix of a bitmap lacks data its header promises.
TEST(BitmapDecode, EveryTruncationThrows) {
    RawBitmap pal{.width = 3, .height = 2, .bits = 8, .coloursUsed = 3};
    pal.palette = {1, 2, 3};
    pal.rows = {0, 1, 2, 0, 2, 1, 0, 0};
    const std::vector<std::vector<uint8_t>> files = {encodeBmpFile(patternImage(5, 3), 24, 4),
                                                     encodeBmpFile(patternImage(2, 2), 32), pal.bmp()};
    for (const auto& file : files) {
        for (size_t length = 0; length < file.size(); ++length) {
            const std::span<const uint8_t> prefix(file.data(), length);
            ASSERT_TRUE(throwsDecodeError([&] { decodeBmpFile(prefix); }, std::nullopt))
                << "prefix of " << length << " of " << file.size() << " bytes";
        }
    }
    const std::vector<std::vector<uint8_t>> dibs = {encodeDib(patternImage(3, 3), 32),
                                                    encodeDib(patternImage(3, 3), 24, true), pal.dib()};
    for (const auto& dib : dibs) {
        for (size_t length = 1; length < dib.size(); ++length) {
            const std::span<const uint8_t> prefix(dib.data(), length);
            ASSERT_TRUE(throwsDecodeError([&] { decodeDib(prefix); }, std::nullopt))
                << "prefix of " << length << " of " << dib.size() << " bytes";
        }
    }
}

TEST(BitmapEncode, RejectsWhatTheFormatsCannotHold) {
    const Image image = patternImage(2, 2);
    EXPECT_THROW(encodeBmpFile(image, 16), std::invalid_argument);
    EXPECT_THROW(encodeBmpFile(image, 24, -1), std::invalid_argument);
    EXPECT_THROW(encodeDib(image, 8), std::invalid_argument);
    EXPECT_THROW(encodeDib(image, 32, true), std::invalid_argument);
    EXPECT_THROW(encodeDib(patternImage(70000, 1), 24, true), std::invalid_argument);
}

}  // namespace
}  // namespace kvarnel::layout

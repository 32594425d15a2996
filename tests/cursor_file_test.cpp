// Cursor and icon files: hand-assembled files of every image form (so a
// mistake shared by encoder and decoder cannot hide), the AND mask and its
// transparent and inverted pixels, the hot spot, the choice among several
// images, encoder round trips, and damaged or truncated files.
#include "layout/cursor_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "codec_test_support.h"
#include "layout/png_codec.h"

namespace kvarnel::layout {
namespace {

using testing::appendU16;
using testing::appendU32;
using testing::patternImage;
using testing::putU32;
using testing::sameImage;
using testing::throwsDecodeError;

constexpr uint32_t kClear = 0x00000000;
constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr size_t kFirstImage = 6 + 16;  // offset of the first image of a one-entry file

// ------------------------------------------------------------ fixtures

// A cursor DIB written field by field. `height` is the image height; the
// header states twice that unless `storedHeight` says otherwise. Rows are
// exactly as stored: bottom-up, padded.
struct RawDib {
    uint32_t headerSize = 40;
    int32_t width = 0;
    int32_t height = 0;
    std::optional<int32_t> storedHeight = {};
    uint16_t bits = 24;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    std::vector<uint32_t> palette = {};  // 0x00RRGGBB
    std::vector<uint8_t> xorRows = {};
    std::vector<uint8_t> andRows = {};

    std::vector<uint8_t> bytes() const {
        std::vector<uint8_t> out;
        appendU32(out, headerSize);
        appendU32(out, static_cast<uint32_t>(width));
        appendU32(out, static_cast<uint32_t>(storedHeight.value_or(2 * height)));
        appendU16(out, 1);
        appendU16(out, bits);
        appendU32(out, compression);
        appendU32(out, static_cast<uint32_t>(xorRows.size() + andRows.size()));
        appendU32(out, 0);
        appendU32(out, 0);
        appendU32(out, coloursUsed);
        appendU32(out, 0);
        out.resize(headerSize, 0);
        for (const uint32_t c : palette) appendU32(out, c);
        out.insert(out.end(), xorRows.begin(), xorRows.end());
        out.insert(out.end(), andRows.begin(), andRows.end());
        return out;
    }
};

// One directory entry and its image. Width and height are as stored (0 is
// 256); hot spot x and y are the planes and bit count of an icon.
struct RawEntry {
    uint8_t width = 0;
    uint8_t height = 0;
    uint8_t colours = 0;
    uint16_t hotX = 0;
    uint16_t hotY = 0;
    std::vector<uint8_t> data = {};
    std::optional<uint32_t> size = {};  // the true size unless given
    std::optional<uint32_t> offset = {};
};

// Images follow the directory in entry order.
struct RawCursor {
    uint16_t reserved = 0;
    uint16_t type = 2;
    std::optional<uint16_t> count = {};
    std::vector<RawEntry> entries = {};

    std::vector<uint8_t> bytes() const {
        std::vector<uint8_t> out;
        appendU16(out, reserved);
        appendU16(out, type);
        appendU16(out, count.value_or(static_cast<uint16_t>(entries.size())));
        size_t dataAt = 6 + 16 * entries.size();
        for (const RawEntry& e : entries) {
            out.insert(out.end(), {e.width, e.height, e.colours, 0});
            appendU16(out, e.hotX);
            appendU16(out, e.hotY);
            appendU32(out, e.size.value_or(static_cast<uint32_t>(e.data.size())));
            appendU32(out, e.offset.value_or(static_cast<uint32_t>(dataAt)));
            dataAt += e.data.size();
        }
        for (const RawEntry& e : entries) out.insert(out.end(), e.data.begin(), e.data.end());
        return out;
    }
};

RawEntry entryFor(const RawDib& dib, uint16_t hotX = 0, uint16_t hotY = 0) {
    return RawEntry{.width = static_cast<uint8_t>(dib.width),
                    .height = static_cast<uint8_t>(dib.height),
                    .hotX = hotX,
                    .hotY = hotY,
                    .data = dib.bytes()};
}

std::vector<uint8_t> oneImageFile(const RawDib& dib, uint16_t hotX = 0, uint16_t hotY = 0) {
    return RawCursor{.entries = {entryFor(dib, hotX, hotY)}}.bytes();
}

// Packs a top-down array of palette indices into bottom-up padded rows.
std::vector<uint8_t> packIndices(int width, int height, int bits, const std::vector<unsigned>& topDown) {
    const size_t stride = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
    std::vector<uint8_t> rows(stride * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        uint8_t* row = rows.data() + stride * static_cast<size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const size_t bit = static_cast<size_t>(x) * bits;
            row[bit / 8] |= static_cast<uint8_t>(topDown[static_cast<size_t>(y * width + x)] << (8 - bits - bit % 8));
        }
    }
    return rows;
}

// Packs a top-down set of AND bits (true = set) into bottom-up padded rows.
std::vector<uint8_t> packMask(int width, int height, const std::vector<bool>& topDown) {
    std::vector<unsigned> bits(topDown.begin(), topDown.end());
    return packIndices(width, height, 1, bits);
}

// 24- or 32-bit rows (B, G, R[, A]) of a top-down image, bottom-up, padded.
std::vector<uint8_t> packColours(const Image& image, int bits) {
    std::vector<uint8_t> rows;
    for (int y = image.height - 1; y >= 0; --y) {
        const size_t start = rows.size();
        for (int x = 0; x < image.width; ++x) {
            const uint32_t p = image.at(x, y);
            rows.insert(rows.end(),
                        {static_cast<uint8_t>(p), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p >> 16)});
            if (bits == 32) rows.push_back(static_cast<uint8_t>(p >> 24));
        }
        rows.resize(start + (rows.size() - start + 3) / 4 * 4, 0);
    }
    return rows;
}

Image solid(int width, int height, uint32_t colour) {
    return Image{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, colour)};
}

// What a file written by encodeCursorFile gives back: pixels with alpha 0
// lose their colour.
Image withClearedTransparency(Image image) {
    for (uint32_t& p : image.pixels) {
        if ((p >> 24) == 0) p = 0;
    }
    return image;
}

// ------------------------------------------------------- monochrome cursor

// '.' transparent (AND 1, XOR black), '#' black, 'o' white, '~' inverted
// screen (AND 1, XOR white). Neither symmetric left-right nor top-bottom,
// so a flipped row order or bit order shows.
const char* const kArrow[] = {
    "..",
    ".#",
    ".##",
    ".#o#",
    ".#oo#",
    ".#ooo#",
    ".#oooo#",
    ".#ooooo#",
    ".#oooooo#",
    ".#ooooooo#",
    ".#oooooooo#",
    ".#ooooo#####",
    ".#oo#oo#",
    ".#o#.#oo#",
    ".##..#oo#",
    ".#....#oo#",
    "......#oo#",
    ".......##",
    "",
    "..........~~~~~~",
    "..........~....~...............~",
    "..........~~~~~~..............~~",
};

char arrowAt(int x, int y) {
    if (y >= static_cast<int>(std::size(kArrow))) return '.';
    const std::string row = kArrow[y];
    return x < static_cast<int>(row.size()) ? row[static_cast<size_t>(x)] : '.';
}

TEST(CursorDecode, MonochromeCursorGivesTransparentBlackWhiteAndInvertedPixels) {
    for (const char* row : kArrow) ASSERT_LE(std::string(row).size(), 32u) << row;
    std::vector<unsigned> xorBits;
    std::vector<bool> andBits;
    Image expected{32, 32, {}};
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const char c = arrowAt(x, y);
            xorBits.push_back(c == 'o' || c == '~' ? 1 : 0);
            andBits.push_back(c == '.' || c == '~');
            expected.pixels.push_back(c == '.' ? kClear : c == '#' ? 0xFF000000 : kWhite);
        }
    }
    RawDib dib{.width = 32, .height = 32, .bits = 1};
    dib.palette = {0x000000, 0xFFFFFF};
    dib.xorRows = packIndices(32, 32, 1, xorBits);
    dib.andRows = packMask(32, 32, andBits);
    ASSERT_EQ(128u, dib.xorRows.size());
    ASSERT_EQ(128u, dib.andRows.size());
    RawEntry entry = entryFor(dib, 2, 3);
    entry.colours = 2;

    const CursorImage cursor = decodeCursorFile(RawCursor{.entries = {entry}}.bytes());
    EXPECT_TRUE(sameImage(expected, cursor.image));
    EXPECT_EQ(2, cursor.hotX);
    EXPECT_EQ(3, cursor.hotY);
    // Spot checks that do not depend on the art helper.
    EXPECT_EQ(kClear, cursor.image.at(0, 0));
    EXPECT_EQ(0xFF000000u, cursor.image.at(1, 1));
    EXPECT_EQ(kClear, cursor.image.at(2, 1));
    EXPECT_EQ(kWhite, cursor.image.at(2, 3));
    EXPECT_EQ(kWhite, cursor.image.at(31, 20)) << "inverted pixel at the right edge";
    EXPECT_EQ(kClear, cursor.image.at(29, 21));
    EXPECT_EQ(kClear, cursor.image.at(31, 31));
}

// ---------------------------------------------------- every image form

struct FormCase {
    const char* name;
    RawDib dib;
    Image expected;
};

std::vector<FormCase> formCases() {
    std::vector<FormCase> cases;
    {
        RawDib d{.width = 3, .height = 2, .bits = 4};
        for (uint32_t i = 0; i < 16; ++i) d.palette.push_back(i == 0 ? 0 : 0x010000 * (i * 16) + 0x55);
        // Bottom row 1 2 3, top row 15 0 5; the low five bits of each mask
        // byte and the padding bytes lie outside the picture and are set.
        d.xorRows = {0x12, 0x30, 0xEE, 0xEE, 0xF0, 0x50, 0xEE, 0xEE};
        d.andRows = {0x1F, 0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF};  // bottom 0 0 0, top 0 1 1
        cases.push_back({"4-bit, literal bytes: black under the mask is clear, a colour is inverted", d,
                         Image{3, 2, {0xFFF00055, kClear, kWhite, 0xFF100055, 0xFF200055, 0xFF300055}}});
    }
    {
        RawDib d{.width = 5, .height = 3, .bits = 8, .coloursUsed = 20};
        for (uint32_t i = 0; i < 20; ++i) d.palette.push_back(0x0A0000 * i + 0x000300 * (19 - i) + i);
        std::vector<unsigned> indices;
        std::vector<bool> mask;
        Image expected{5, 3, {}};
        for (int i = 0; i < 15; ++i) {
            const unsigned index = static_cast<unsigned>(i * 7 + 3) % 20;
            const bool set = i % 4 == 1;
            indices.push_back(index);
            mask.push_back(set);
            expected.pixels.push_back(set ? kWhite : 0xFF000000 | d.palette[index]);
        }
        d.xorRows = packIndices(5, 3, 8, indices);
        d.andRows = packMask(5, 3, mask);
        cases.push_back({"8-bit, 20-entry colour table, width 5", d, expected});
    }
    {
        RawDib d{.width = 3, .height = 2, .bits = 24};
        // Bottom row: red, black (masked), green (masked); top row: blue,
        // black, grey. Rows of 9 bytes padded to 12.
        d.xorRows = {0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0xEE, 0xEE, 0xEE,
                     0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x80, 0x80, 0xEE, 0xEE, 0xEE};
        d.andRows = {0x60, 0, 0, 0, 0x00, 0, 0, 0};
        cases.push_back(
            {"24-bit with AND mask", d, Image{3, 2, {0xFF0000FF, 0xFF000000, 0xFF808080, 0xFFFF0000, kClear, kWhite}}});
    }
    {
        RawDib d{.width = 1, .height = 1, .bits = 24, .coloursUsed = 2};
        d.palette = {0xFFFFFF, 0xFFFFFF};  // unused by the pixels, but skipped over
        d.xorRows = {0x01, 0x02, 0x03, 0x00};
        d.andRows = {0x00, 0, 0, 0};
        cases.push_back({"24-bit with an unused colour table", d, Image{1, 1, {0xFF030201}}});
    }
    {
        RawDib d{.width = 2, .height = 2, .bits = 32};
        d.xorRows = {0x33, 0x22, 0x11, 0x00, 0x66, 0x55, 0x44, 0x80,   // bottom
                     0x99, 0x88, 0x77, 0xFF, 0x00, 0x00, 0x00, 0x01};  // top
        d.andRows = {0xC0, 0, 0, 0, 0xC0, 0, 0, 0};                    // all set: ignored
        cases.push_back(
            {"32-bit with alpha, mask ignored", d, Image{2, 2, {0xFF778899, 0x01000000, 0x00112233, 0x80445566}}});
    }
    {
        RawDib d{.width = 2, .height = 2, .bits = 32};
        d.xorRows = {0x33, 0x22, 0x11, 0x00, 0x00, 0x00, 0x00, 0x00,   // bottom
                     0x99, 0x88, 0x77, 0x00, 0x01, 0x02, 0x03, 0x00};  // top
        d.andRows = {0x40, 0, 0, 0, 0x40, 0, 0, 0};
        cases.push_back({"32-bit with no alpha at all falls back to the mask", d,
                         Image{2, 2, {0xFF778899, kWhite, 0xFF112233, kClear}}});
    }
    {
        RawDib d{.headerSize = 108, .width = 2, .height = 1, .bits = 1};
        d.palette = {0x0000AA, 0xBB0000};
        d.xorRows = {0x40, 0, 0, 0};
        d.andRows = {0x00, 0, 0, 0};
        cases.push_back(
            {"1-bit with a 108-byte header and a coloured table", d, Image{2, 1, {0xFF0000AA, 0xFFBB0000}}});
    }
    return cases;
}

TEST(CursorDecode, EveryImageForm) {
    for (const FormCase& c : formCases()) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(sameImage(c.expected, decodeCursorFile(oneImageFile(c.dib)).image));
    }
}

TEST(CursorDecode, PngImageInsideACursor) {
    Image image = patternImage(20, 12, 4);
    image.at(3, 4) = 0x40102030;
    image.at(19, 11) = 0x00FFFFFF;
    const RawEntry entry{.width = 20, .height = 12, .hotX = 7, .hotY = 5, .data = encodePng(image)};
    const CursorImage cursor = decodeCursorFile(RawCursor{.entries = {entry}}.bytes());
    EXPECT_TRUE(sameImage(image, cursor.image));
    EXPECT_EQ(7, cursor.hotX);
    EXPECT_EQ(5, cursor.hotY);
}

TEST(CursorDecode, IconHasHotSpotZeroAndAHotSpotOutsideIsMovedInside) {
    const RawDib dib{.width = 16,
                     .height = 16,
                     .bits = 32,
                     .xorRows = packColours(solid(16, 16, 0xFF123456), 32),
                     .andRows = std::vector<uint8_t>(64)};
    struct Case {
        const char* name;
        uint16_t type;
        uint16_t fieldX, fieldY;  // the entry's hot spot (cursor) or planes and bit count (icon)
        int hotX, hotY;           // expected
    };
    const Case cases[] = {
        {.name = "icon: planes and bit count are no hot spot",
         .type = 1,
         .fieldX = 1,
         .fieldY = 32,
         .hotX = 0,
         .hotY = 0},
        {.name = "cursor inside", .type = 2, .fieldX = 15, .fieldY = 0, .hotX = 15, .hotY = 0},
        {.name = "cursor past the right edge", .type = 2, .fieldX = 40, .fieldY = 3, .hotX = 15, .hotY = 3},
        {.name = "cursor past the bottom edge", .type = 2, .fieldX = 3, .fieldY = 65535, .hotX = 3, .hotY = 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CursorImage cursor =
            decodeCursorFile(RawCursor{.type = c.type, .entries = {entryFor(dib, c.fieldX, c.fieldY)}}.bytes());
        EXPECT_EQ(c.hotX, cursor.hotX);
        EXPECT_EQ(c.hotY, cursor.hotY);
        EXPECT_EQ(0xFF123456u, cursor.image.at(5, 5));
    }
}

// ------------------------------------------------------ choice of image

// A square image of one colour, as a DIB of `bits` per pixel or as an RGBA
// PNG; the colour tells which image was decoded.
struct SolidImage {
    int side = 0;
    int bits = 32;
    bool png = false;
    uint32_t colour = 0;  // 0x00RRGGBB
    uint16_t hotX = 0;
    uint16_t hotY = 0;
};

RawEntry solidEntry(const SolidImage& s) {
    const Image image = solid(s.side, s.side, 0xFF000000 | s.colour);
    RawEntry e{
        .width = static_cast<uint8_t>(s.side), .height = static_cast<uint8_t>(s.side), .hotX = s.hotX, .hotY = s.hotY};
    if (s.png) {
        Image translucent = image;
        translucent.at(0, s.side - 1) = 0x80000000 | s.colour;  // makes the encoder write RGBA (32 bits)
        e.data = encodePng(translucent);
        return e;
    }
    const size_t pixels = static_cast<size_t>(s.side) * s.side;
    RawDib d{.width = s.side, .height = s.side, .bits = static_cast<uint16_t>(s.bits)};
    if (s.bits <= 8) {
        d.palette = {0x000000, s.colour};
        d.coloursUsed = 2;
        d.xorRows = packIndices(s.side, s.side, s.bits, std::vector<unsigned>(pixels, 1));
    } else {
        d.xorRows = packColours(image, s.bits);
    }
    d.andRows = packMask(s.side, s.side, std::vector<bool>(pixels, false));
    return entryFor(d, s.hotX, s.hotY);
}

TEST(CursorDecode, ChoosesTheLargestThenTheDeepestImage) {
    struct Case {
        const char* name;
        std::vector<SolidImage> images;
        size_t chosen;
    };
    const Case cases[] = {
        {.name = "larger beats deeper",
         .images = {{.side = 16, .bits = 32, .colour = 0xA1, .hotX = 1, .hotY = 1},
                    {.side = 32, .bits = 4, .colour = 0xB2, .hotX = 2, .hotY = 2}},
         .chosen = 1},
        // Read from the bit count field, the depths would be 31, 1 and 20.
        {.name = "same size: depth comes from the image, not the hot spot field",
         .images = {{.side = 32, .bits = 8, .colour = 0xA1, .hotX = 1, .hotY = 31},
                    {.side = 32, .bits = 32, .colour = 0xB2, .hotX = 2, .hotY = 1},
                    {.side = 32, .bits = 24, .colour = 0xC3, .hotX = 3, .hotY = 20}},
         .chosen = 1},
        {.name = "best first; a tie keeps the first",
         .images = {{.side = 48, .bits = 32, .colour = 0xA1, .hotX = 1, .hotY = 1},
                    {.side = 48, .bits = 32, .colour = 0xB2, .hotX = 2, .hotY = 2},
                    {.side = 32, .bits = 32, .colour = 0xC3, .hotX = 3, .hotY = 3}},
         .chosen = 0},
        {.name = "256 stored as 0 is the largest",
         .images = {{.side = 48, .bits = 32, .colour = 0xA1, .hotX = 1, .hotY = 1},
                    {.side = 256, .bits = 1, .colour = 0xB2, .hotX = 200, .hotY = 100}},
         .chosen = 1},
        {.name = "a PNG's depth comes from its IHDR",
         .images = {{.side = 32, .bits = 24, .colour = 0xA1, .hotX = 1, .hotY = 1},
                    {.side = 32, .png = true, .colour = 0xB2, .hotX = 2, .hotY = 2},
                    {.side = 32, .bits = 8, .colour = 0xC3, .hotX = 3, .hotY = 3}},
         .chosen = 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RawCursor file;
        for (const SolidImage& image : c.images) file.entries.push_back(solidEntry(image));
        const CursorImage cursor = decodeCursorFile(file.bytes());
        const SolidImage& expected = c.images[c.chosen];
        ASSERT_FALSE(cursor.image.empty());
        EXPECT_EQ(expected.side, cursor.image.width);
        EXPECT_EQ(testing::hexPixel(0xFF000000 | expected.colour), testing::hexPixel(cursor.image.at(0, 0)));
        EXPECT_EQ(expected.hotX, cursor.hotX);
        EXPECT_EQ(expected.hotY, cursor.hotY);
    }
}

// ---------------------------------------------------------------- encoder

TEST(CursorEncode, RoundTripsPictureAndHotSpot) {
    struct Case {
        const char* name;
        Image image;
        int hotX, hotY;
    };
    Image translucent = patternImage(33, 20, 5);
    for (size_t i = 0; i < translucent.pixels.size(); ++i) {
        translucent.pixels[i] = (translucent.pixels[i] & 0x00FFFFFF) | static_cast<uint32_t>(i * 29 % 256) << 24;
    }
    Image big = patternImage(256, 256, 6);
    big.at(255, 0) = 0x7F010203;
    const Case cases[] = {
        {.name = "1 x 1", .image = patternImage(1, 1), .hotX = 0, .hotY = 0},
        {.name = "opaque 32 x 32", .image = patternImage(32, 32), .hotX = 31, .hotY = 5},
        {.name = "33 x 20 with every alpha", .image = translucent, .hotX = 4, .hotY = 19},
        {.name = "256 x 256", .image = big, .hotX = 128, .hotY = 200},
        {.name = "wholly transparent", .image = solid(7, 9, 0x00FF8040), .hotX = 6, .hotY = 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CursorImage cursor = decodeCursorFile(encodeCursorFile(c.image, c.hotX, c.hotY));
        EXPECT_TRUE(sameImage(withClearedTransparency(c.image), cursor.image));
        EXPECT_EQ(c.hotX, cursor.hotX);
        EXPECT_EQ(c.hotY, cursor.hotY);
    }
}

// Readers that ignore alpha see the mask: with the alpha bytes wiped, the
// decoder falls back to it, and the shape must be the alpha >= 128 one.
TEST(CursorEncode, MaskMatchesAlphaForReadersThatIgnoreAlpha) {
    Image image = patternImage(37, 5, 7);
    const uint8_t alphas[] = {0, 1, 127, 128, 200, 255};
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        image.pixels[i] = (image.pixels[i] & 0x00FFFFFF) | 0x00010101 | uint32_t{alphas[i % 6]} << 24;
    }
    std::vector<uint8_t> file = encodeCursorFile(image, 0, 0);
    const size_t xorAt = kFirstImage + 40;
    for (size_t i = 0; i < image.pixels.size(); ++i) file.at(xorAt + 4 * i + 3) = 0;

    Image expected = image;
    for (uint32_t& p : expected.pixels) {
        const uint32_t alpha = p >> 24;
        p = alpha == 0 ? kClear : alpha < 128 ? kWhite : (p | 0xFF000000);
    }
    EXPECT_TRUE(sameImage(expected, decodeCursorFile(file).image));
}

TEST(CursorEncode, RejectsWhatACursorCannotHold) {
    struct Case {
        const char* name;
        Image image;
        int hotX, hotY;
    };
    const Case cases[] = {
        {.name = "empty", .image = Image{}, .hotX = 0, .hotY = 0},
        {.name = "257 wide", .image = solid(257, 1, 0xFF000000), .hotX = 0, .hotY = 0},
        {.name = "pixel count wrong", .image = Image{2, 2, std::vector<uint32_t>(3)}, .hotX = 0, .hotY = 0},
        {.name = "hot spot x outside", .image = solid(4, 4, 0xFF000000), .hotX = 4, .hotY = 0},
        {.name = "hot spot y negative", .image = solid(4, 4, 0xFF000000), .hotX = 0, .hotY = -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(encodeCursorFile(c.image, c.hotX, c.hotY), std::invalid_argument);
    }
}

// --------------------------------------------------------------- malformed

RawDib small24() {
    return RawDib{.width = 3,
                  .height = 2,
                  .bits = 24,
                  .xorRows = std::vector<uint8_t>(24, 0x40),
                  .andRows = std::vector<uint8_t>(8, 0)};
}

TEST(CursorDecode, MalformedFilesThrowWithTheOffsetAtFault) {
    struct Case {
        const char* name;
        std::vector<uint8_t> file;
        size_t offset;
        const char* fragment;
    };
    std::vector<Case> cases;
    const auto add = [&](const char* name, RawCursor cursor, size_t offset, const char* fragment) {
        cases.push_back({name, cursor.bytes(), offset, fragment});
    };
    const auto addDib = [&](const char* name, RawDib dib, size_t offset, const char* fragment) {
        cases.push_back({name, oneImageFile(dib), offset, fragment});
    };
    const RawEntry good = entryFor(small24());
    const size_t dibSize = good.data.size();

    cases.push_back({"empty file", {}, 0, "directory header"});
    add("reserved not 0", RawCursor{.reserved = 1, .entries = {good}}, 0, "reserved");
    add("type 0", RawCursor{.type = 0, .entries = {good}}, 2, "type is 0");
    add("type 3", RawCursor{.type = 3, .entries = {good}}, 2, "type is 3");
    add("count 0", RawCursor{.count = 0, .entries = {good}}, 4, "no images");
    {
        std::vector<uint8_t> file = RawCursor{.count = 2, .entries = {good}}.bytes();
        file.resize(6 + 16 + 10);
        cases.push_back({"directory shorter than its count", file, 6, "directory entries"});
    }
    {
        RawEntry e = good;
        e.offset = static_cast<uint32_t>(kFirstImage + dibSize + 1);
        add("offset past the end", RawCursor{.entries = {e}}, 6 + 12, "past the end");
    }
    {
        RawEntry e = good;
        e.size = static_cast<uint32_t>(dibSize + 1);
        add("size past the end", RawCursor{.entries = {e}}, 6 + 8, "runs past the end");
    }
    {
        RawEntry e = good;
        e.size = 0xFFFFFFFF;
        add("size near 4 GB", RawCursor{.entries = {e}}, 6 + 8, "runs past the end");
    }
    {
        RawEntry broken = entryFor(small24());
        broken.offset = 0x7FFFFFFF;
        add("an entry not chosen is broken too",
            RawCursor{.entries = {solidEntry({.side = 32, .colour = 0xA1}), broken}}, 6 + 16 + 12, "image 1 starts");
    }
    {
        RawEntry e = good;
        e.offset = static_cast<uint32_t>(kFirstImage + dibSize);
        e.size = 0;
        add("empty image at the very end", RawCursor{.entries = {e}}, kFirstImage + dibSize, "DIB header size");
    }
    {
        RawEntry e = good;
        e.size = 40;
        add("image range holds only the header", RawCursor{.entries = {e}}, kFirstImage + 40, "colour rows");
    }
    {
        RawDib d = small24();
        d.andRows.clear();
        addDib("mask rows missing", d, kFirstImage + 40 + 24, "mask rows");
    }
    {
        RawDib d = small24();
        d.storedHeight = 2;
        addDib("DIB height not double", d, kFirstImage + 8, "not twice");
    }
    {
        RawDib d = small24();
        d.storedHeight = -4;
        addDib("DIB height negative (top-down)", d, kFirstImage + 8, "not twice");
    }
    {
        RawEntry e = good;
        e.width = 4;
        add("DIB width differs from the entry", RawCursor{.entries = {e}}, kFirstImage + 4, "width 3");
    }
    {
        RawDib d = small24();
        d.headerSize = 12;
        addDib("core header", d, kFirstImage, "header size 12");
    }
    {
        RawDib d = small24();
        d.bits = 16;
        addDib("16 bits per pixel", d, kFirstImage + 14, "bit count 16");
    }
    {
        RawDib d = small24();
        d.compression = 1;
        addDib("RLE compression", d, kFirstImage + 16, "compression 1");
    }
    {
        RawDib d = small24();
        d.bits = 8;
        d.coloursUsed = 0x40000000;
        addDib("colour table past the end", d, kFirstImage + 40, "colour table");
    }
    {
        RawDib d = small24();
        d.bits = 8;  // no table given, so 256 entries are expected
        addDib("8-bit without its colour table", d, kFirstImage + 40, "256 entries");
    }
    {
        RawDib d{.width = 3, .height = 2, .bits = 4, .coloursUsed = 2};
        d.palette = {0x000000, 0xFFFFFF};
        d.xorRows = {0x01, 0x50, 0, 0, 0, 0, 0, 0};  // bottom row 0 1 5
        d.andRows = std::vector<uint8_t>(8, 0);
        addDib("colour index outside the table", d, kFirstImage + 40 + 8 + 1, "colour index 5");
    }
    {
        std::vector<uint8_t> png = encodePng(patternImage(4, 4));
        png.resize(20);
        add("PNG image cut inside its IHDR", RawCursor{.entries = {RawEntry{.width = 4, .height = 4, .data = png}}},
            kFirstImage + 20, "image 0: PNG");
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(throwsDecodeError([&] { decodeCursorFile(c.file); }, c.offset, c.fragment));
    }
}

// Two files: a palettised DIB beside a PNG, and the monochrome form. Every
// prefix of the file, and every shortened image range inside the whole file,
// must be refused with an offset inside what was given.
TEST(CursorDecode, EveryTruncationThrows) {
    RawDib mono{.width = 32, .height = 32, .bits = 1, .palette = {0, 0xFFFFFF}};
    mono.xorRows = std::vector<uint8_t>(128, 0x5A);
    mono.andRows = std::vector<uint8_t>(128, 0x0F);
    const std::vector<std::vector<uint8_t>> files = {
        RawCursor{.entries = {solidEntry({.side = 8, .bits = 8, .colour = 0xA1, .hotX = 1, .hotY = 1}),
                              solidEntry({.side = 16, .png = true, .colour = 0xB2, .hotX = 2, .hotY = 2})}}
            .bytes(),
        oneImageFile(mono, 4, 4),
    };
    for (const auto& file : files) {
        ASSERT_NO_THROW(decodeCursorFile(file));
        for (size_t length = 0; length < file.size(); ++length) {
            SCOPED_TRACE("first " + std::to_string(length) + " of " + std::to_string(file.size()) + " bytes");
            const std::vector<uint8_t> prefix(file.begin(), file.begin() + static_cast<long>(length));
            try {
                decodeCursorFile(prefix);
                ADD_FAILURE() << "decoded a truncated file";
            } catch (const DecodeError& e) {
                EXPECT_LE(e.offset(), length) << e.what();
            }
        }
        // The chosen image is the last entry's; shorten its range in place.
        const size_t entryAt = 6 + 16 * (size_t{file[4]} - 1);
        const uint32_t size = testing::getU32(file, entryAt + 8);
        const uint32_t offset = testing::getU32(file, entryAt + 12);
        for (uint32_t shorter = 0; shorter < size; ++shorter) {
            SCOPED_TRACE("image range cut to " + std::to_string(shorter) + " of " + std::to_string(size) + " bytes");
            std::vector<uint8_t> cut = file;
            putU32(cut, entryAt + 8, shorter);
            try {
                decodeCursorFile(cut);
                ADD_FAILURE() << "decoded a cut image";
            } catch (const DecodeError& e) {
                EXPECT_LE(e.offset(), size_t{offset} + shorter) << e.what();
            }
        }
    }
}

TEST(CursorDecode, CorruptedBytesNeverCrash) {
    RawDib dib{.width = 5, .height = 3, .bits = 4, .coloursUsed = 16};
    for (uint32_t i = 0; i < 16; ++i) dib.palette.push_back(i * 0x0F0F0F);
    std::vector<unsigned> indices;
    for (unsigned i = 0; i < 15; ++i) indices.push_back(i);
    dib.xorRows = packIndices(5, 3, 4, indices);
    dib.andRows = packMask(5, 3, std::vector<bool>(15, true));
    const std::vector<uint8_t> file = oneImageFile(dib, 2, 1);
    for (size_t at = 0; at < file.size(); ++at) {
        for (const uint8_t value : {uint8_t{0x00}, uint8_t{0xFF}, static_cast<uint8_t>(file[at] ^ 0x21)}) {
            std::vector<uint8_t> damaged = file;
            damaged[at] = value;
            try {
                const CursorImage cursor = decodeCursorFile(damaged);
                EXPECT_EQ(static_cast<size_t>(cursor.image.width) * cursor.image.height, cursor.image.pixels.size());
                EXPECT_TRUE(cursor.hotX >= 0 && cursor.hotX < cursor.image.width && cursor.hotY >= 0 &&
                            cursor.hotY < cursor.image.height)
                    << "byte " << at << " = " << int{value} << ": hot spot " << cursor.hotX << ", " << cursor.hotY;
            } catch (const DecodeError&) {
            }
        }
    }
}

}  // namespace
}  // namespace kvarnel::layout

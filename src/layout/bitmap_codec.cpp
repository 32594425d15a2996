// Windows bitmap decoding and encoding.
//
// Sections:
//   [Header]   the information header, masks and colour table, shared by BMP
//              files and bare DIBs
//   [Rows]     pixel rows to Image, shared by both
//   [Decoders] decodeBmpFile, decodeDib
//   [Encoders] encodeBmpFile, encodeDib
#include "layout/bitmap_codec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "layout/codec_internal.h"

namespace kvarnel::layout {
namespace {

using detail::readI32;
using detail::readU16;
using detail::readU32;
using detail::requireBytes;

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitfields = 3;

// ---------------------------------------------------------------- [Header]

struct ChannelMask {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
};

struct BitmapHeader {
    int64_t width = 0;
    int64_t height = 0;  // always >= 0; topDown says which way the rows go
    bool topDown = false;
    int bitsPerPixel = 0;
    uint32_t sizeImage = 0;              // 0 when the header does not give it
    std::array<ChannelMask, 3> masks{};  // red, green, blue; 16- and 32-bit only
    bool standardMasks = false;          // 32-bit with 0xFF0000 / 0xFF00 / 0xFF
    std::vector<uint32_t> palette;       // 0xFFRRGGBB; <= 8-bit only
    size_t rowsOffset = 0;               // where the pixel rows start
};

std::string decimal(uint64_t value) {
    return std::to_string(value);
}

DecodeError headerError(const char* format, const std::string& what, size_t offset) {
    return DecodeError(std::string(format) + ": " + what, offset);
}

ChannelMask channelMask(uint32_t mask, size_t offset, const char* format) {
    ChannelMask m;
    m.mask = mask;
    if (mask == 0) return m;
    m.shift = std::countr_zero(mask);
    m.bits = std::popcount(mask);
    const uint64_t run = (uint64_t{1} << m.bits) - 1;
    if ((uint64_t{mask} >> m.shift) != run) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%08X", mask);
        throw headerError(format, std::string("colour mask ") + hex + " is not one run of bits", offset);
    }
    return m;
}

// Reads the information header that starts at `at` (its 4-byte size field),
// the masks and the colour table that follow it. Every field is checked
// against the data before it is used.
BitmapHeader parseInfoHeader(std::span<const uint8_t> data, size_t at, const char* format) {
    BitmapHeader h;
    const uint32_t headerSize = readU32(data, at, "information header size");
    size_t bitsOffset = 0;
    size_t compressionOffset = 0;
    uint32_t compression = kBiRgb;
    uint32_t coloursUsed = 0;
    size_t entrySize = 4;
    size_t pos = 0;
    if (headerSize == 12) {
        requireBytes(data, at, 12, "core header");
        h.width = readU16(data, at + 4, "width");
        h.height = readU16(data, at + 6, "height");
        bitsOffset = at + 10;
        entrySize = 3;
        pos = at + 12;
    } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108 || headerSize == 124) {
        requireBytes(data, at, headerSize, "information header");
        const int32_t width = readI32(data, at + 4, "width");
        const int32_t height = readI32(data, at + 8, "height");
        if (width < 0) {
            throw headerError(format, "negative width " + std::to_string(width), at + 4);
        }
        h.width = width;
        h.topDown = height < 0;
        h.height = h.topDown ? -int64_t{height} : int64_t{height};
        bitsOffset = at + 14;
        compressionOffset = at + 16;
        compression = readU32(data, compressionOffset, "compression");
        h.sizeImage = readU32(data, at + 20, "image size");
        coloursUsed = readU32(data, at + 32, "colours used");
        pos = at + headerSize;
    } else {
        throw headerError(
            format,
            "unsupported information header size " + decimal(headerSize) + " (expected 12, 40, 52, 56, 108 or 124)",
            at);
    }

    h.bitsPerPixel = readU16(data, bitsOffset, "bit count");
    const int bits = h.bitsPerPixel;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        throw headerError(format, "unsupported bit count " + std::to_string(bits), bitsOffset);
    }
    if (compression == kBiRle8 || compression == kBiRle4) {
        throw headerError(format, "RLE-compressed bitmaps are not supported (compression " + decimal(compression) + ")",
                          compressionOffset);
    }
    if (compression != kBiRgb && compression != kBiBitfields) {
        throw headerError(format, "unsupported compression " + decimal(compression), compressionOffset);
    }
    if (compression == kBiBitfields && bits != 16 && bits != 32) {
        throw headerError(format, "colour masks (compression 3) with " + std::to_string(bits) + " bits per pixel",
                          compressionOffset);
    }

    if (compression == kBiBitfields) {
        // The larger headers hold the masks at offset 40; after a 40-byte
        // header they follow it.
        const size_t maskAt = headerSize >= 52 ? at + 40 : pos;
        requireBytes(data, maskAt, 12, "colour masks");
        for (size_t i = 0; i < 3; ++i) {
            h.masks[i] = channelMask(readU32(data, maskAt + 4 * i, "colour mask"), maskAt + 4 * i, format);
        }
        if (headerSize == 40) pos += 12;
    } else if (bits == 16) {
        h.masks = {channelMask(0x7C00, 0, format), channelMask(0x03E0, 0, format), channelMask(0x001F, 0, format)};
    } else if (bits == 32) {
        h.masks = {channelMask(0xFF0000, 0, format), channelMask(0xFF00, 0, format), channelMask(0xFF, 0, format)};
    }
    h.standardMasks = bits == 32 && h.masks[0].mask == 0xFF0000 && h.masks[1].mask == 0xFF00 && h.masks[2].mask == 0xFF;

    const uint64_t entries = coloursUsed != 0 ? coloursUsed : (bits <= 8 ? (uint64_t{1} << bits) : 0);
    const size_t remaining = pos <= data.size() ? data.size() - pos : 0;
    if (entries > remaining / entrySize) {
        throw headerError(format,
                          "colour table of " + decimal(entries) + " entries (" + decimal(entries * entrySize) +
                              " bytes) runs past the end: " + decimal(remaining) + " bytes remain",
                          pos);
    }
    if (bits <= 8) {
        const size_t used = static_cast<size_t>(std::min<uint64_t>(entries, uint64_t{1} << bits));
        h.palette.reserve(used);
        for (size_t i = 0; i < used; ++i) {
            const uint8_t* e = data.data() + pos + i * entrySize;
            h.palette.push_back(argb(e[2], e[1], e[0]));
        }
    }
    h.rowsOffset = pos + static_cast<size_t>(entries) * entrySize;
    return h;
}

// ------------------------------------------------------------------ [Rows]

uint8_t channelValue(uint32_t pixel, const ChannelMask& m) {
    if (m.bits == 0) return 0;
    const uint32_t v = (pixel & m.mask) >> m.shift;
    if (m.bits >= 8) return static_cast<uint8_t>(v >> (m.bits - 8));
    const uint32_t max = (1u << m.bits) - 1;
    return static_cast<uint8_t>((v * 255 + max / 2) / max);
}

uint32_t fromMasks(uint32_t pixel, const std::array<ChannelMask, 3>& masks) {
    return argb(channelValue(pixel, masks[0]), channelValue(pixel, masks[1]), channelValue(pixel, masks[2]));
}

// Converts the pixel rows of a parsed header. `rowBytes` is how many bytes
// from h.rowsOffset may be read; fewer than height x stride throws.
Image decodeRows(const BitmapHeader& h, std::span<const uint8_t> data, size_t rowBytes, const std::string& availability,
                 const char* format) {
    const uint64_t stride = (static_cast<uint64_t>(h.width) * h.bitsPerPixel + 31) / 32 * 4;
    const uint64_t needed = stride * static_cast<uint64_t>(h.height);
    if (rowBytes < needed) {
        throw DecodeError(std::string(format) + ": pixel rows need " + decimal(needed) + " bytes (" +
                              decimal(h.height) + " rows of " + decimal(stride) + ") but only " + decimal(rowBytes) +
                              " are present" + availability,
                          h.rowsOffset);
    }

    Image image;
    image.width = static_cast<int>(h.width);
    image.height = static_cast<int>(h.height);
    image.pixels.resize(static_cast<size_t>(h.width * h.height));
    const size_t width = static_cast<size_t>(h.width);
    const int bits = h.bitsPerPixel;
    for (int64_t row = 0; row < h.height; ++row) {
        const size_t rowOffset = h.rowsOffset + static_cast<size_t>(row * stride);
        const uint8_t* src = data.data() + rowOffset;
        const int64_t y = h.topDown ? row : h.height - 1 - row;
        uint32_t* dst = image.pixels.data() + static_cast<size_t>(y) * width;
        switch (bits) {
            case 1:
            case 4:
            case 8: {
                const unsigned valueMask = (1u << bits) - 1;
                for (size_t x = 0; x < width; ++x) {
                    const size_t bitPos = x * bits;
                    const unsigned shift = 8 - bits - static_cast<unsigned>(bitPos % 8);
                    const unsigned index = (src[bitPos / 8] >> shift) & valueMask;
                    if (index >= h.palette.size()) {
                        throw DecodeError(std::string(format) + ": colour index " + std::to_string(index) +
                                              " outside the " + decimal(h.palette.size()) + "-entry colour table",
                                          rowOffset + bitPos / 8);
                    }
                    dst[x] = h.palette[index];
                }
                break;
            }
            case 16:
                for (size_t x = 0; x < width; ++x) {
                    dst[x] = fromMasks(src[2 * x] | (src[2 * x + 1] << 8), h.masks);
                }
                break;
            case 24:
                for (size_t x = 0; x < width; ++x) {
                    dst[x] = argb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
                }
                break;
            case 32:
                if (h.standardMasks) {
                    for (size_t x = 0; x < width; ++x) {
                        dst[x] = argb(src[4 * x + 2], src[4 * x + 1], src[4 * x]);
                    }
                } else {
                    for (size_t x = 0; x < width; ++x) {
                        const uint32_t p = uint32_t{src[4 * x]} | (uint32_t{src[4 * x + 1]} << 8) |
                                           (uint32_t{src[4 * x + 2]} << 16) | (uint32_t{src[4 * x + 3]} << 24);
                        dst[x] = fromMasks(p, h.masks);
                    }
                }
                break;
        }
    }
    return image;
}

}  // namespace

// -------------------------------------------------------------- [Decoders]

Image decodeBmpFile(std::span<const uint8_t> bmp) {
    constexpr const char* kFormat = "bitmap";
    requireBytes(bmp, 0, 14, "BMP file header");
    if (bmp[0] != 'B' || bmp[1] != 'M') {
        throw DecodeError("bitmap: the file does not start with \"BM\"", 0);
    }
    // bfSize (offset 2) and bfOffBits (offset 10) are deliberately not read;
    // see the header comment.
    const BitmapHeader h = parseInfoHeader(bmp, 14, kFormat);
    if (h.width == 0 || h.height == 0) return {};
    detail::checkImageSize(h.width, h.height, 18, kFormat);
    const size_t remaining = bmp.size() - h.rowsOffset;
    size_t rowBytes = remaining;
    std::string availability = " (" + decimal(remaining) + " bytes remain)";
    if (h.sizeImage != 0 && h.sizeImage < remaining) {
        rowBytes = h.sizeImage;
        availability = " (biSizeImage " + decimal(h.sizeImage) + ", " + decimal(remaining) + " bytes remain)";
    }
    return decodeRows(h, bmp, rowBytes, availability, kFormat);
}

Image decodeDib(std::span<const uint8_t> dib) {
    constexpr const char* kFormat = "DIB";
    if (dib.empty()) return {};
    const BitmapHeader h = parseInfoHeader(dib, 0, kFormat);
    if (h.width == 0 || h.height == 0) return {};
    detail::checkImageSize(h.width, h.height, 4, kFormat);
    return decodeRows(h, dib, dib.size() - h.rowsOffset, "", kFormat);
}

// -------------------------------------------------------------- [Encoders]

namespace {

struct RowGeometry {
    uint32_t stride = 0;
    uint32_t imageBytes = 0;
};

RowGeometry checkEncodable(const Image& image, int bitsPerPixel, int64_t maxSide) {
    if (image.width < 0 || image.height < 0 || image.width > maxSide || image.height > maxSide ||
        image.pixels.size() != static_cast<size_t>(image.width) * image.height) {
        throw std::invalid_argument("bitmap encoder: image size " + std::to_string(image.width) + " x " +
                                    std::to_string(image.height) + " does not fit the format or its pixel count");
    }
    const uint64_t stride = (uint64_t(image.width) * bitsPerPixel + 31) / 32 * 4;
    const uint64_t bytes = stride * uint64_t(image.height);
    if (bytes > 0x7FFFFFFF) throw std::invalid_argument("bitmap encoder: image too large");
    return {static_cast<uint32_t>(stride), static_cast<uint32_t>(bytes)};
}

// Bottom-up rows: 24-bit BGR or 32-bit BGR0, each padded to the stride.
void appendRows(std::vector<uint8_t>& out, const Image& image, int bitsPerPixel, uint32_t stride) {
    const size_t bytesPerPixel = static_cast<size_t>(bitsPerPixel / 8);
    for (int y = image.height - 1; y >= 0; --y) {
        const size_t start = out.size();
        for (int x = 0; x < image.width; ++x) {
            const uint32_t p = image.at(x, y);
            out.push_back(static_cast<uint8_t>(p));
            out.push_back(static_cast<uint8_t>(p >> 8));
            out.push_back(static_cast<uint8_t>(p >> 16));
            if (bytesPerPixel == 4) out.push_back(0);
        }
        out.resize(start + stride, 0);
    }
}

void appendInfoHeader(std::vector<uint8_t>& out, const Image& image, int bitsPerPixel, uint32_t compression,
                      uint32_t imageBytes, uint32_t coloursUsed) {
    detail::appendU32(out, 40);
    detail::appendU32(out, static_cast<uint32_t>(image.width));
    detail::appendU32(out, static_cast<uint32_t>(image.height));  // positive: bottom-up
    detail::appendU16(out, 1);                                    // planes
    detail::appendU16(out, static_cast<uint32_t>(bitsPerPixel));
    detail::appendU32(out, compression);
    detail::appendU32(out, imageBytes);
    detail::appendU32(out, 2835);  // 72 dpi, as pixels per metre
    detail::appendU32(out, 2835);
    detail::appendU32(out, coloursUsed);
    detail::appendU32(out, 0);  // colours important
}

}  // namespace

std::vector<uint8_t> encodeBmpFile(const Image& image, int bitsPerPixel, int colourTableEntries, int lieBytes) {
    if (bitsPerPixel != 24 && bitsPerPixel != 32) {
        throw std::invalid_argument("encodeBmpFile: bits per pixel must be 24 or 32");
    }
    if (colourTableEntries < 0 || colourTableEntries > 65536 || lieBytes < 0 || lieBytes > (1 << 24)) {
        throw std::invalid_argument("encodeBmpFile: colour table or lie size out of range");
    }
    const RowGeometry g = checkEncodable(image, bitsPerPixel, detail::kMaxImageSide);
    const uint32_t tableBytes = static_cast<uint32_t>(colourTableEntries) * 4;
    const uint32_t rowsAt = 14 + 40 + tableBytes;
    const uint32_t fileSize = rowsAt + g.imageBytes;

    std::vector<uint8_t> out;
    out.reserve(fileSize);
    out.push_back('B');
    out.push_back('M');
    detail::appendU32(out, fileSize + static_cast<uint32_t>(lieBytes));
    detail::appendU32(out, 0);  // reserved
    detail::appendU32(out, rowsAt + static_cast<uint32_t>(lieBytes));
    appendInfoHeader(out, image, bitsPerPixel, kBiRgb, g.imageBytes, static_cast<uint32_t>(colourTableEntries));
    for (int i = 0; i < colourTableEntries; ++i) {
        const int cube = i % 216;
        out.push_back(static_cast<uint8_t>(cube % 6 * 51));      // blue
        out.push_back(static_cast<uint8_t>(cube / 6 % 6 * 51));  // green
        out.push_back(static_cast<uint8_t>(cube / 36 * 51));     // red
        out.push_back(0);
    }
    appendRows(out, image, bitsPerPixel, g.stride);
    return out;
}

std::vector<uint8_t> encodeDib(const Image& image, int bitsPerPixel, bool coreHeader) {
    if (bitsPerPixel != 24 && !(bitsPerPixel == 32 && !coreHeader)) {
        throw std::invalid_argument("encodeDib: bits per pixel must be 24, or 32 with the 40-byte header");
    }
    const RowGeometry g = checkEncodable(image, bitsPerPixel, coreHeader ? 65535 : detail::kMaxImageSide);
    std::vector<uint8_t> out;
    if (coreHeader) {
        detail::appendU32(out, 12);
        detail::appendU16(out, static_cast<uint32_t>(image.width));
        detail::appendU16(out, static_cast<uint32_t>(image.height));
        detail::appendU16(out, 1);
        detail::appendU16(out, 24);
    } else if (bitsPerPixel == 24) {
        appendInfoHeader(out, image, 24, kBiRgb, g.imageBytes, 0);
    } else {
        appendInfoHeader(out, image, 32, kBiBitfields, g.imageBytes, 0);
        detail::appendU32(out, 0x00FF0000);
        detail::appendU32(out, 0x0000FF00);
        detail::appendU32(out, 0x000000FF);
    }
    appendRows(out, image, bitsPerPixel, g.stride);
    return out;
}

}  // namespace kvarnel::layout

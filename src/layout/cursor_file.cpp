// Cursor and icon files: the directory, the choice of image, the DIB with its
// AND mask, and the encoder.
//
// The DIB is read here rather than through decodeDib: a cursor's DIB header
// states twice the image height, the AND mask follows the colour rows (the
// bitmap decoder does not say where its rows end), and a 32-bit image's
// fourth byte is alpha (the bitmap decoder makes every pixel opaque). Only
// the small uncompressed subset that cursor files use is accepted.
//
// Sections: [Directory] [DIB image] [Decoder] [Encoder]
#include "layout/cursor_file.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

#include "layout/codec_internal.h"
#include "layout/errors.h"
#include "layout/png_codec.h"

namespace kvarnel::layout {
namespace {

using detail::readI32;
using detail::readU16;
using detail::readU32;
using detail::requireBytes;

constexpr size_t kDirectoryHeaderSize = 6;
constexpr size_t kEntrySize = 16;
constexpr uint16_t kTypeIcon = 1;
constexpr uint16_t kTypeCursor = 2;
constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

constexpr uint32_t kTransparent = 0x00000000;
constexpr uint32_t kInvertedAsWhite = 0xFFFFFFFF;

DecodeError cursorError(const std::string& what, size_t offset) {
    return DecodeError("cursor: " + what, offset);
}

std::string decimal(uint64_t value) {
    return std::to_string(value);
}

// ------------------------------------------------------------- [Directory]

struct Entry {
    size_t number = 0;  // from 0, for messages
    int width = 0;
    int height = 0;
    int hotX = 0;
    int hotY = 0;
    size_t dataOffset = 0;
    size_t dataSize = 0;
    int depth = 0;  // bits per pixel from the image's own header, 0 if it has none
};

bool isPng(std::span<const uint8_t> data) {
    return data.size() >= sizeof kPngSignature && std::memcmp(data.data(), kPngSignature, sizeof kPngSignature) == 0;
}

// Bits per pixel as the image states them, for ranking only: a PNG's IHDR
// sample depth times its channels, a DIB's bit count. An image too short to
// say gives 0; it fails properly only if it is chosen.
int imageDepth(std::span<const uint8_t> data) {
    if (isPng(data)) {
        // Signature, IHDR length and type, width, height, then bit depth and
        // colour type at 24 and 25.
        if (data.size() < 26) return 0;
        const int bitDepth = data[24];
        switch (data[25]) {
            case 0:
                return bitDepth;  // grey
            case 2:
                return bitDepth * 3;  // RGB
            case 3:
                return bitDepth;  // palette
            case 4:
                return bitDepth * 2;  // grey + alpha
            case 6:
                return bitDepth * 4;  // RGBA
            default:
                return 0;
        }
    }
    if (data.size() < 16) return 0;
    return data[14] | (data[15] << 8);
}

std::vector<Entry> readDirectory(std::span<const uint8_t> file) {
    const uint16_t reserved = readU16(file, 0, "directory header");
    if (reserved != 0) {
        throw cursorError("reserved field is " + decimal(reserved) + ", expected 0", 0);
    }
    const uint16_t type = readU16(file, 2, "directory header");
    if (type != kTypeCursor && type != kTypeIcon) {
        throw cursorError("file type is " + decimal(type) + ", expected 2 (cursor) or 1 (icon)", 2);
    }
    const uint16_t count = readU16(file, 4, "directory header");
    if (count == 0) throw cursorError("the directory lists no images", 4);
    requireBytes(file, kDirectoryHeaderSize, size_t{count} * kEntrySize, "directory entries");

    std::vector<Entry> entries;
    entries.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const size_t at = kDirectoryHeaderSize + i * kEntrySize;
        Entry e;
        e.number = i;
        e.width = file[at] == 0 ? 256 : file[at];
        e.height = file[at + 1] == 0 ? 256 : file[at + 1];
        if (type == kTypeCursor) {
            e.hotX = readU16(file, at + 4, "hot spot");
            e.hotY = readU16(file, at + 6, "hot spot");
        }
        const uint32_t size = readU32(file, at + 8, "image size");
        const uint32_t offset = readU32(file, at + 12, "image offset");
        if (offset > file.size()) {
            throw cursorError("image " + decimal(i) + " starts at offset " + decimal(offset) +
                                  ", past the end of the " + decimal(file.size()) + "-byte file",
                              at + 12);
        }
        if (size > file.size() - offset) {
            throw cursorError("image " + decimal(i) + " of " + decimal(size) + " bytes at offset " + decimal(offset) +
                                  " runs past the end of the " + decimal(file.size()) + "-byte file",
                              at + 8);
        }
        e.dataOffset = offset;
        e.dataSize = size;
        e.depth = imageDepth(file.subspan(offset, size));
        entries.push_back(e);
    }
    return entries;
}

const Entry& bestEntry(const std::vector<Entry>& entries) {
    const Entry* best = &entries.front();
    for (const Entry& e : entries) {
        const int64_t area = int64_t{e.width} * e.height;
        const int64_t bestArea = int64_t{best->width} * best->height;
        if (area > bestArea || (area == bestArea && e.depth > best->depth)) best = &e;
    }
    return *best;
}

// ------------------------------------------------------------- [DIB image]

// Decodes the DIB of entry `e`. `data` ends where the entry's bytes end and
// starts at the start of the file, so every offset is a file offset.
Image decodeCursorDib(std::span<const uint8_t> data, const Entry& e) {
    const size_t base = e.dataOffset;
    const std::string image = "image " + decimal(e.number) + ": ";
    const uint32_t headerSize = readU32(data, base, "DIB header size");
    if (headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 && headerSize != 124) {
        throw cursorError(
            image + "unsupported DIB header size " + decimal(headerSize) + " (expected 40, 52, 56, 108 or 124)", base);
    }
    requireBytes(data, base, headerSize, "DIB header");
    const int32_t width = readI32(data, base + 4, "DIB width");
    const int32_t height = readI32(data, base + 8, "DIB height");
    const uint16_t bits = readU16(data, base + 14, "DIB bit count");
    const uint32_t compression = readU32(data, base + 16, "DIB compression");
    const uint32_t coloursUsed = readU32(data, base + 32, "DIB colours used");
    if (width != e.width) {
        throw cursorError(
            image + "DIB width " + std::to_string(width) + " differs from the directory's " + std::to_string(e.width),
            base + 4);
    }
    if (height != 2 * e.height) {
        throw cursorError(image + "DIB height " + std::to_string(height) + " is not twice the image height " +
                              std::to_string(e.height) + " (colour rows and mask rows)",
                          base + 8);
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
        throw cursorError(image + "unsupported bit count " + decimal(bits) + " (expected 1, 4, 8, 24 or 32)",
                          base + 14);
    }
    if (compression != 0) {
        throw cursorError(image + "compressed DIB (compression " + decimal(compression) + ") is not supported",
                          base + 16);
    }

    size_t pos = base + headerSize;
    const uint64_t tableEntries = coloursUsed != 0 ? coloursUsed : (bits <= 8 ? uint64_t{1} << bits : 0);
    const size_t remaining = data.size() - pos;  // pos <= data.size(): the header was required
    if (tableEntries > remaining / 4) {
        throw cursorError(image + "colour table of " + decimal(tableEntries) +
                              " entries runs past the image's end: " + decimal(remaining) + " bytes remain",
                          pos);
    }
    std::vector<uint32_t> palette;
    if (bits <= 8) {
        const size_t used = static_cast<size_t>(std::min<uint64_t>(tableEntries, uint64_t{1} << bits));
        for (size_t i = 0; i < used; ++i) {
            const uint8_t* c = data.data() + pos + 4 * i;
            palette.push_back(argb(c[2], c[1], c[0]));
        }
    }
    pos += static_cast<size_t>(tableEntries) * 4;

    const size_t w = static_cast<size_t>(e.width);
    const size_t h = static_cast<size_t>(e.height);
    const size_t xorStride = (w * bits + 31) / 32 * 4;
    const size_t andStride = (w + 31) / 32 * 4;
    const size_t xorAt = pos;
    const size_t andAt = xorAt + xorStride * h;
    requireBytes(data, xorAt, xorStride * h, "colour rows");
    requireBytes(data, andAt, andStride * h, "mask rows");

    Image out{e.width, e.height, std::vector<uint32_t>(w * h)};
    bool anyAlpha = false;
    for (size_t row = 0; row < h; ++row) {
        const size_t rowAt = xorAt + row * xorStride;
        const uint8_t* src = data.data() + rowAt;
        uint32_t* dst = out.pixels.data() + (h - 1 - row) * w;
        for (size_t x = 0; x < w; ++x) {
            switch (bits) {
                case 24:
                    dst[x] = argb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
                    break;
                case 32:
                    dst[x] = argb(src[4 * x + 2], src[4 * x + 1], src[4 * x], src[4 * x + 3]);
                    anyAlpha = anyAlpha || src[4 * x + 3] != 0;
                    break;
                default: {
                    const size_t bitPos = x * bits;
                    const unsigned shift = 8 - bits - static_cast<unsigned>(bitPos % 8);
                    const unsigned index = (src[bitPos / 8] >> shift) & ((1u << bits) - 1);
                    if (index >= palette.size()) {
                        throw cursorError(image + "colour index " + decimal(index) + " outside the " +
                                              decimal(palette.size()) + "-entry colour table",
                                          rowAt + bitPos / 8);
                    }
                    dst[x] = palette[index];
                }
            }
        }
    }
    if (bits == 32 && anyAlpha) return out;

    for (size_t row = 0; row < h; ++row) {
        const uint8_t* mask = data.data() + andAt + row * andStride;
        uint32_t* dst = out.pixels.data() + (h - 1 - row) * w;
        for (size_t x = 0; x < w; ++x) {
            const bool set = ((mask[x / 8] >> (7 - x % 8)) & 1) != 0;
            const uint32_t rgb = dst[x] & 0x00FFFFFF;
            if (!set) {
                dst[x] = 0xFF000000 | rgb;
            } else {
                dst[x] = rgb == 0 ? kTransparent : kInvertedAsWhite;
            }
        }
    }
    return out;
}

}  // namespace

// --------------------------------------------------------------- [Decoder]

CursorImage decodeCursorFile(std::span<const uint8_t> file) {
    const std::vector<Entry> entries = readDirectory(file);
    const Entry& e = bestEntry(entries);
    const std::span<const uint8_t> data = file.first(e.dataOffset + e.dataSize);

    CursorImage cursor;
    if (isPng(data.subspan(e.dataOffset))) {
        try {
            cursor.image = decodePng(data.subspan(e.dataOffset));
        } catch (const DecodeError& error) {
            throw cursorError("image " + decimal(e.number) + ": " + error.what(), e.dataOffset + error.offset());
        }
    } else {
        cursor.image = decodeCursorDib(data, e);
    }
    cursor.hotX = std::min(e.hotX, cursor.image.width - 1);
    cursor.hotY = std::min(e.hotY, cursor.image.height - 1);
    return cursor;
}

// --------------------------------------------------------------- [Encoder]

std::vector<uint8_t> encodeCursorFile(const Image& image, int hotX, int hotY) {
    if (image.empty() || image.width > 256 || image.height > 256 ||
        image.pixels.size() != static_cast<size_t>(image.width) * image.height) {
        throw std::invalid_argument("encodeCursorFile: image must be 1 .. 256 pixels per side (" +
                                    std::to_string(image.width) + " x " + std::to_string(image.height) + " given)");
    }
    if (hotX < 0 || hotY < 0 || hotX >= image.width || hotY >= image.height) {
        throw std::invalid_argument("encodeCursorFile: hot spot " + std::to_string(hotX) + ", " + std::to_string(hotY) +
                                    " lies outside the image");
    }
    const uint32_t width = static_cast<uint32_t>(image.width);
    const uint32_t height = static_cast<uint32_t>(image.height);
    const uint32_t xorBytes = width * 4 * height;
    const uint32_t andStride = (width + 31) / 32 * 4;
    const uint32_t andBytes = andStride * height;
    const uint32_t dibBytes = 40 + xorBytes + andBytes;
    const uint32_t dibOffset = kDirectoryHeaderSize + kEntrySize;

    std::vector<uint8_t> out;
    out.reserve(dibOffset + dibBytes);
    detail::appendU16(out, 0);
    detail::appendU16(out, kTypeCursor);
    detail::appendU16(out, 1);
    out.push_back(static_cast<uint8_t>(width & 0xFF));  // 256 is written as 0
    out.push_back(static_cast<uint8_t>(height & 0xFF));
    out.push_back(0);  // colour count: not palettised
    out.push_back(0);  // reserved
    detail::appendU16(out, static_cast<uint32_t>(hotX));
    detail::appendU16(out, static_cast<uint32_t>(hotY));
    detail::appendU32(out, dibBytes);
    detail::appendU32(out, dibOffset);

    detail::appendU32(out, 40);
    detail::appendU32(out, width);
    detail::appendU32(out, 2 * height);
    detail::appendU16(out, 1);   // planes
    detail::appendU16(out, 32);  // bits per pixel
    detail::appendU32(out, 0);   // uncompressed
    detail::appendU32(out, xorBytes + andBytes);
    detail::appendU32(out, 0);  // pixels per metre, x and y
    detail::appendU32(out, 0);
    detail::appendU32(out, 0);  // colours used, important
    detail::appendU32(out, 0);

    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            uint32_t p = image.at(x, y);
            if ((p >> 24) == 0) p = 0;
            detail::appendU32(out, p);  // little-endian 0xAARRGGBB is B, G, R, A
        }
    }
    for (int y = image.height - 1; y >= 0; --y) {
        const size_t rowAt = out.size();
        out.resize(rowAt + andStride, 0);
        for (int x = 0; x < image.width; ++x) {
            if ((image.at(x, y) >> 24) < 128) out[rowAt + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        }
    }
    return out;
}

}  // namespace kvarnel::layout

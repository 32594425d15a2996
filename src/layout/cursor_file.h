// Windows cursor files (".cur"), from which the mouse pointer is loaded, and
// icon files (".ico"), which use the same container.
//
// A file is a 6-byte directory header (reserved 0, type 2 for a cursor or 1
// for an icon, image count), one 16-byte entry per image (width and height
// bytes where 0 means 256, colour count, reserved, hot spot x and y for a
// cursor where an icon has planes and bit count, the image's byte count and
// its offset in the file), then the images. Each image is a PNG stream or a
// DIB whose height counts twice the image height: the XOR (colour) rows,
// then the 1-bit AND (mask) rows, both bottom-up and padded to 4 bytes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "layout/image.h"

namespace kvarnel::layout {

struct CursorImage {
    Image image;   // 0xAARRGGBB, not premultiplied; transparent pixels are 0x00000000 unless the file gave alpha
    int hotX = 0;  // the pointer's active pixel, inside the image
    int hotY = 0;
};

// Decodes the best image of a cursor or icon file: the largest (width x
// height as the directory gives it), among those the deepest (bits per pixel
// from the image's own header, since a cursor's entry holds the hot spot
// where an icon's holds the bit count), among those the first. An icon has
// hot spot 0, 0; a hot spot outside the image is moved to its nearest pixel.
//
// DIB images: a 40-byte (or larger) information header, uncompressed, 1, 4
// or 8 bits with a colour table, or 24 or 32 bits; its width must equal the
// entry's and its height twice the entry's. Pixels come from the XOR image
// and the AND mask: mask bit clear gives the XOR colour, opaque; mask bit set
// over a black XOR pixel gives transparent (0x00000000); mask bit set over
// any other colour, which Windows draws by inverting the screen, gives opaque
// white (what that looks like over black, and visible on dark scenes). A
// 32-bit image in which any pixel has non-zero alpha uses that alpha and
// ignores the mask. PNG images are decoded as decodePng does; their size
// need not match the entry.
//
// Every directory entry's byte range must lie inside the file, and the chosen
// image must fit inside its own range. Anything else throws DecodeError with
// the offset (from the start of the file) of the field or byte at fault.
CursorImage decodeCursorFile(std::span<const uint8_t> file);

// Builds a cursor file (type 2) with one entry: a 32-bit DIB holding the
// colours and alpha, then an AND mask whose bit is set where alpha < 128, so
// readers that ignore alpha see the same shape. Pixels with alpha 0 are
// stored as 0x00000000 (they come back that way), which keeps a wholly
// transparent picture transparent for readers that fall back to the mask.
// For the stand-in content and tests. Throws std::invalid_argument unless
// the image is 1 .. 256 pixels per side with a matching pixel count and the
// hot spot lies inside it.
std::vector<uint8_t> encodeCursorFile(const Image& image, int hotX, int hotY);

}  // namespace kvarnel::layout

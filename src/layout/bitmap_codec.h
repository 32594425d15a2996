// Windows bitmaps as the layout stores them: whole BMP files (the data of a
// "TBitmap" picture record) and bare device-independent bitmaps (the data of
// a "TDIB" image-list picture), plus the encoders that build both for test
// fixtures and the stand-in content.
//
// Decoders take the bytes of one payload and return an Image (0xAARRGGBB,
// top-down, alpha 0xFF). Data that cannot be used throws DecodeError with an
// offset relative to the start of the span given.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "layout/image.h"

namespace kvarnel::layout {

// Decodes a BMP file: "BM", the 14-byte file header, an information header
// (12-byte core, 40-byte, or the larger 52/56/108/124-byte forms), BI_BITFIELDS
// masks when a 40-byte header asks for them, the colour table, pixel rows.
//
// The file header's pixel offset and file size are ignored on purpose: the
// pixel rows are taken to start right after the colour table, and the rows
// read are the smaller of biSizeImage (when not 0) and the bytes that remain.
// The game's bitmaps that carry a colour table overstate both header fields
// (and their outer byte count) by the size of that table, so a reader that
// seeks to the pixel offset would run past the end of the data.
//
// Supported: 1/4/8-bit palettised, 16-bit (555 or masks), 24-bit, 32-bit
// (BGRX or masks; alpha is always 0xFF); bottom-up and top-down rows. RLE and
// other compressions throw. Fewer row bytes than height x stride throw,
// naming both counts. A width or height of 0 gives an empty Image.
Image decodeBmpFile(std::span<const uint8_t> bmp);

// Decodes a bare DIB: the information header starting with its 4-byte size
// (40, or 12 for the core header with 16-bit sizes and 3-byte colour
// entries; the larger forms are accepted too), three 4-byte colour masks
// when a 40-byte header has compression 3, the colour table, then pixel rows
// up to the end of the span. An empty span is "no picture": an empty Image.
Image decodeDib(std::span<const uint8_t> dib);

// Builds a bottom-up BI_RGB BMP file of `image` with 24 or 32 bits per pixel
// (32-bit rows are BGRX with X = 0). `colourTableEntries` entries of 4 bytes
// (a 6 x 6 x 6 colour cube, repeated) are written between header and rows
// and counted in biClrUsed; they do not affect the pixels. `lieBytes` is
// added to bfOffBits and bfSize, reproducing the overstated headers of the
// game's bitmaps. Throws std::invalid_argument for other depths or negative
// counts.
std::vector<uint8_t> encodeBmpFile(const Image& image, int bitsPerPixel, int colourTableEntries = 0, int lieBytes = 0);

// Builds a bare bottom-up DIB of `image`: 24-bit BI_RGB, or 32-bit with
// compression 3 and the masks red 0x00FF0000, green 0x0000FF00, blue
// 0x000000FF. With `coreHeader` the 12-byte header is written instead (24-bit
// only, sides up to 65535). Throws std::invalid_argument otherwise.
std::vector<uint8_t> encodeDib(const Image& image, int bitsPerPixel, bool coreHeader = false);

}  // namespace kvarnel::layout

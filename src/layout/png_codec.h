// PNG pictures through libpng: the decoder reads the PNG images that cursor
// files may hold, the encoder writes screenshots, test fixtures and the
// stand-in content.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "layout/image.h"

namespace kvarnel::layout {

// Decodes any PNG that libpng reads (palette, grey, grey + alpha, RGB, RGBA;
// 1 to 16 bits per sample; interlaced or not) to an Image 0xAARRGGBB, 8 bits
// per channel, not premultiplied. A tRNS chunk becomes alpha; without alpha
// or tRNS every pixel has alpha 0xFF. 16-bit samples are scaled (rounded) to
// 8 bits. Gamma and colour-space chunks are ignored: the samples are used as
// stored. Sides are bounded to 16384 and the pixel count to 64 M before any
// pixel memory is allocated. The stream must be whole, up to and including
// IEND: a truncated or damaged stream throws DecodeError rather than giving a
// partly blank picture. The DecodeError offset is how far libpng had read
// when it stopped, which may be past the damaged byte (it reads whole chunks).
Image decodePng(std::span<const uint8_t> png);

// Encodes `image` as a non-interlaced 8-bit PNG: RGB when every pixel has
// alpha 0xFF, RGBA otherwise. No time or text chunks are written, so the same
// picture always gives the same bytes. Throws std::invalid_argument for an
// empty image, one whose pixel count does not match its size, or one beyond
// the decoder's bounds.
std::vector<uint8_t> encodePng(const Image& image);

}  // namespace kvarnel::layout

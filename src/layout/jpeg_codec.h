// JPEG pictures ("TJPEGImage" data of picture records) through libjpeg.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "layout/image.h"

namespace kvarnel::layout {

// Decodes a JFIF/baseline or progressive JPEG stream to an opaque Image.
// Greyscale streams come out as grey RGB. CMYK and YCCK streams throw
// DecodeError (no picture of the game uses them, and their inversion
// conventions differ between writers). A stream that ends before libjpeg has
// read all it asks for throws too, rather than giving a picture with a grey
// lower part: libjpeg only warns about a premature end, and a silently
// damaged picture is worse than a reported one. (libjpeg reads ahead, so this
// includes a stream that lacks only its end-of-image marker.) Other
// corrupt-data warnings (stray bytes before a marker and the like) are
// tolerated. Sides are bounded before any pixel memory is allocated. The
// DecodeError offset is about how far libjpeg had read: its entropy decoder
// reads ahead of the rows it has finished.
Image decodeJpeg(std::span<const uint8_t> jpeg);

// Encodes `image` (alpha ignored) as a baseline JFIF stream with 4:2:0
// chroma subsampling at `quality` 1 .. 100. The same input always gives the
// same bytes. For test fixtures and the stand-in content builder. Throws
// std::invalid_argument for an empty image or a quality out of range.
std::vector<uint8_t> encodeJpeg(const Image& image, int quality);

}  // namespace kvarnel::layout

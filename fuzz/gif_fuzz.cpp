// GIF animations: every frame composed, as an animated control shows them,
// and the first frame alone, as a picture record takes it. Bad data must
// end in a DecodeError.
//
// Inputs whose logical screen is larger than the game's largest animation
// many times over are left out: the decoder lets a screen of 64 M pixels and
// half a gigabyte of composed frames through (its tests cover those limits),
// and a fuzzer that fills such canvases runs at a few inputs a second
// instead of thousands.
#include <cstddef>
#include <cstdint>
#include <span>

#include "layout/errors.h"
#include "layout/gif_codec.h"

namespace {

void checkFrames(const kvarnel::layout::GifAnimation& gif) {
    for (const auto& frame : gif.frames) {
        if (frame.image.width != gif.width || frame.image.height != gif.height) __builtin_trap();
        if (frame.image.pixels.size() != static_cast<size_t>(gif.width) * static_cast<size_t>(gif.height))
            __builtin_trap();
        if (frame.delayMs < 50 || frame.delayMs > 10000) __builtin_trap();
    }
}

// Bytes 6..9 of a GIF: the logical screen's width and height.
constexpr size_t kMaxScreenPixels = 256 * 256;

bool screenTooLarge(std::span<const uint8_t> gif) {
    if (gif.size() < 10) return false;
    const size_t width = gif[6] | (gif[7] << 8);
    const size_t height = gif[8] | (gif[9] << 8);
    return width * height > kMaxScreenPixels;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kvarnel::layout;
    const std::span<const uint8_t> bytes(data, size);
    if (screenTooLarge(bytes)) return -1;  // not added to the corpus
    try {
        checkFrames(decodeGif(bytes));
    } catch (const DecodeError&) {
    }
    try {
        const GifAnimation first = decodeGif(bytes, 1);
        if (first.frames.size() > 1) __builtin_trap();
        checkFrames(first);
    } catch (const DecodeError&) {
    }
    return 0;
}

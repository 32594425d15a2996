// GIF animations: every frame composed, as an animated control shows them,
// and the first frame alone, as a picture record takes it. Bad data must
// end in a DecodeError.
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kvarnel::layout;
    const std::span<const uint8_t> bytes(data, size);
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

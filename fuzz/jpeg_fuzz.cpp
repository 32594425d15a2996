// JPEG pictures through our wrapper of libjpeg: error and warning hooks,
// the size bound, the conversion to pixels. Bad data must end in a
// DecodeError.
#include <cstddef>
#include <cstdint>
#include <span>

#include "layout/errors.h"
#include "layout/jpeg_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kvarnel::layout;
    try {
        const Image image = decodeJpeg(std::span(data, size));
        if (image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height))
            __builtin_trap();
    } catch (const DecodeError&) {
    }
    return 0;
}

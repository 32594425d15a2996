// PNG pictures (the images a cursor file may hold) through our wrapper of
// libpng. Bad data must end in a DecodeError.
#include <cstddef>
#include <cstdint>
#include <span>

#include "layout/errors.h"
#include "layout/png_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kvarnel::layout;
    try {
        const Image image = decodePng(std::span(data, size));
        if (image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height))
            __builtin_trap();
    } catch (const DecodeError&) {
    }
    return 0;
}

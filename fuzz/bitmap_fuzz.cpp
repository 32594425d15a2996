// Windows bitmaps: the same bytes as a whole BMP file and as a bare DIB, the
// two forms the layout's picture records hold. Bad data must end in a
// DecodeError.
#include <cstddef>
#include <cstdint>
#include <span>

#include "layout/bitmap_codec.h"
#include "layout/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kvarnel::layout;
    const std::span<const uint8_t> bytes(data, size);
    try {
        const Image image = decodeBmpFile(bytes);
        if (image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height))
            __builtin_trap();
    } catch (const DecodeError&) {
    }
    try {
        const Image image = decodeDib(bytes);
        if (image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height))
            __builtin_trap();
    } catch (const DecodeError&) {
    }
    return 0;
}

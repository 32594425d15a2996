// Cursor and icon files, from which the pointer is loaded. Bad data must end
// in a DecodeError; an accepted one gives a picture with its hot spot on it.
#include <cstddef>
#include <cstdint>
#include <span>

#include "layout/cursor_file.h"
#include "layout/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kvarnel::layout;
    try {
        const CursorImage cursor = decodeCursorFile(std::span(data, size));
        const Image& image = cursor.image;
        if (image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height))
            __builtin_trap();
        if (!image.empty() &&
            (cursor.hotX < 0 || cursor.hotY < 0 || cursor.hotX >= image.width || cursor.hotY >= image.height))
            __builtin_trap();
    } catch (const DecodeError&) {
    }
    return 0;
}

// RIFF/WAVE sounds as the wave lists hold them. Bad data must end in a
// DecodeError; an accepted one must describe a sound the mixer can play.
#include <cstddef>
#include <cstdint>
#include <span>

#include "layout/errors.h"
#include "layout/wave.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kvarnel::layout;
    try {
        const WaveFormat format = checkWave(std::span(data, size));
        if (format.channels < 1 || format.channels > 2) __builtin_trap();
        if (format.bitsPerSample != 8 && format.bitsPerSample != 16) __builtin_trap();
        if (format.samplesPerSecond < 8000 || format.samplesPerSecond > 48000) __builtin_trap();
        if (format.dataBytes > size) __builtin_trap();
        (void)format.durationMs();
    } catch (const DecodeError&) {
    }
    return 0;
}

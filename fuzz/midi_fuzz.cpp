// Standard MIDI Files as the music players time them: a duration or nullopt,
// never a read outside the file.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/midi_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto duration = kvarnel::platform::midiDurationMs(std::span(data, size));
    if (duration && *duration < 0) __builtin_trap();
    return 0;
}

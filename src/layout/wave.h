// RIFF/WAVE sounds ("Wave.WAVE" of wave-list items). The bytes stay with the
// caller and are handed to the platform's sound output as they are; this
// only checks that they are a sound it can play and describes them.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "layout/image.h"

namespace kvarnel::layout {

// Checks a RIFF "WAVE" file: a "fmt " chunk with PCM (format tag 1, or
// WAVE_FORMAT_EXTENSIBLE with the PCM sub-format) and a "data" chunk, in any
// order, with other chunks anywhere between; odd-sized chunks are followed by
// one pad byte (which may be missing after the last chunk). The RIFF size + 8
// must not exceed the bytes given; bytes after it are ignored. Accepts 1 or
// 2 channels, 8 or 16 bits, 8,000 .. 48,000 samples per second, and a block
// alignment of channels x bytes per sample. Anything else throws DecodeError
// with the offset of the offending field.
WaveFormat checkWave(std::span<const uint8_t> wave);

// Builds a canonical PCM WAVE file (RIFF header, 16-byte "fmt ", "data",
// pad byte when the sample bytes are odd). Throws std::invalid_argument for
// parameters checkWave would reject.
std::vector<uint8_t> makeWave(int channels, int bits, int rate, std::span<const uint8_t> sampleBytes);

}  // namespace kvarnel::layout

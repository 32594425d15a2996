// RIFF/WAVE checking and building.
#include "layout/wave.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

#include "layout/codec_internal.h"
#include "layout/errors.h"

namespace kvarnel::layout {
namespace {

using detail::readU16;
using detail::readU32;

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
// KSDATAFORMAT_SUBTYPE_PCM, 00000001-0000-0010-8000-00AA00389B71, as stored.
constexpr uint8_t kPcmSubFormat[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                       0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

constexpr int kMinRate = 8000;
constexpr int kMaxRate = 48000;

bool hasTag(std::span<const uint8_t> data, size_t offset, std::string_view tag) {
    return offset + 4 <= data.size() && std::memcmp(data.data() + offset, tag.data(), 4) == 0;
}

std::string chunkName(std::span<const uint8_t> data, size_t offset) {
    std::string name = "\"";
    for (size_t i = 0; i < 4; ++i) {
        const uint8_t c = data[offset + i];
        name += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
    }
    return name + "\"";
}

DecodeError waveError(const std::string& what, size_t offset) {
    return DecodeError("WAVE: " + what, offset);
}

// Reads the "fmt " chunk whose body starts at `body` and is `length` bytes.
WaveFormat parseFormat(std::span<const uint8_t> data, size_t body, uint32_t length) {
    if (length < 16) {
        throw waveError("\"fmt \" chunk of " + std::to_string(length) + " bytes is shorter than 16", body - 4);
    }
    const uint16_t tag = readU16(data, body, "format tag");
    if (tag == kFormatExtensible) {
        if (length < 40 || readU16(data, body + 16, "extension size") < 22) {
            throw waveError("WAVE_FORMAT_EXTENSIBLE \"fmt \" chunk is too short", body - 4);
        }
        if (std::memcmp(data.data() + body + 24, kPcmSubFormat, sizeof kPcmSubFormat) != 0) {
            throw waveError("WAVE_FORMAT_EXTENSIBLE sub-format is not PCM", body + 24);
        }
    } else if (tag != kFormatPcm) {
        throw waveError("format tag " + std::to_string(tag) + " is not PCM (1)", body);
    }

    WaveFormat format;
    format.channels = readU16(data, body + 2, "channel count");
    if (format.channels != 1 && format.channels != 2) {
        throw waveError(std::to_string(format.channels) + " channels (1 or 2 supported)", body + 2);
    }
    const uint32_t rate = readU32(data, body + 4, "sample rate");
    if (rate < static_cast<uint32_t>(kMinRate) || rate > static_cast<uint32_t>(kMaxRate)) {
        throw waveError(std::to_string(rate) + " samples per second (" + std::to_string(kMinRate) + " .. " +
                            std::to_string(kMaxRate) + " supported)",
                        body + 4);
    }
    format.samplesPerSecond = static_cast<int>(rate);
    format.bitsPerSample = readU16(data, body + 14, "bits per sample");
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16) {
        throw waveError(std::to_string(format.bitsPerSample) + " bits per sample (8 or 16 supported)", body + 14);
    }
    const uint16_t blockAlign = readU16(data, body + 12, "block alignment");
    const int expectedAlign = format.channels * format.bitsPerSample / 8;
    if (blockAlign != expectedAlign) {
        throw waveError("block alignment " + std::to_string(blockAlign) + " should be " + std::to_string(expectedAlign),
                        body + 12);
    }
    return format;
}

}  // namespace

WaveFormat checkWave(std::span<const uint8_t> wave) {
    detail::requireBytes(wave, 0, 12, "RIFF header");
    if (!hasTag(wave, 0, "RIFF")) throw waveError("the file does not start with \"RIFF\"", 0);
    const uint32_t riffSize = readU32(wave, 4, "RIFF size");
    if (uint64_t{riffSize} + 8 > wave.size()) {
        throw waveError("RIFF size " + std::to_string(riffSize) + " + 8 exceeds the " + std::to_string(wave.size()) +
                            " bytes given",
                        4);
    }
    if (riffSize < 4) throw waveError("RIFF size " + std::to_string(riffSize) + " is below 4", 4);
    if (!hasTag(wave, 8, "WAVE")) throw waveError("the RIFF form is not \"WAVE\"", 8);

    const size_t riffEnd = size_t{riffSize} + 8;
    bool haveFormat = false;
    bool haveData = false;
    WaveFormat format;
    uint32_t dataBytes = 0;
    size_t pos = 12;
    while (pos < riffEnd) {
        if (riffEnd - pos < 8) {
            throw waveError(
                "chunk header needs 8 bytes but " + std::to_string(riffEnd - pos) + " remain in the RIFF data", pos);
        }
        const uint32_t length = readU32(wave, pos + 4, "chunk length");
        const size_t body = pos + 8;
        if (length > riffEnd - body) {
            throw waveError("chunk " + chunkName(wave, pos) + " of " + std::to_string(length) +
                                " bytes runs past the end of the RIFF data (" + std::to_string(riffEnd - body) +
                                " bytes remain)",
                            pos + 4);
        }
        if (hasTag(wave, pos, "fmt ")) {
            if (haveFormat) throw waveError("a second \"fmt \" chunk", pos);
            format = parseFormat(wave, body, length);
            haveFormat = true;
        } else if (hasTag(wave, pos, "data")) {
            if (haveData) throw waveError("a second \"data\" chunk", pos);
            dataBytes = length;
            haveData = true;
        }
        // Odd chunks carry a pad byte; writers often drop it after the last.
        pos = std::min(body + length + (length & 1), riffEnd);
    }
    if (!haveFormat) throw waveError("no \"fmt \" chunk", riffEnd);
    if (!haveData) throw waveError("no \"data\" chunk", riffEnd);
    format.dataBytes = dataBytes;
    return format;
}

std::vector<uint8_t> makeWave(int channels, int bits, int rate, std::span<const uint8_t> sampleBytes) {
    if ((channels != 1 && channels != 2) || (bits != 8 && bits != 16) || rate < kMinRate || rate > kMaxRate ||
        sampleBytes.size() > 0x7FFFFFF0) {
        throw std::invalid_argument("makeWave: unsupported format or too many sample bytes");
    }
    const uint32_t dataBytes = static_cast<uint32_t>(sampleBytes.size());
    const uint32_t pad = dataBytes & 1;
    const uint32_t blockAlign = static_cast<uint32_t>(channels * bits / 8);

    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes + pad);
    detail::appendBytes(out, "RIFF");
    detail::appendU32(out, 4 + (8 + 16) + (8 + dataBytes + pad));
    detail::appendBytes(out, "WAVE");
    detail::appendBytes(out, "fmt ");
    detail::appendU32(out, 16);
    detail::appendU16(out, kFormatPcm);
    detail::appendU16(out, static_cast<uint32_t>(channels));
    detail::appendU32(out, static_cast<uint32_t>(rate));
    detail::appendU32(out, static_cast<uint32_t>(rate) * blockAlign);
    detail::appendU16(out, blockAlign);
    detail::appendU16(out, static_cast<uint32_t>(bits));
    detail::appendBytes(out, "data");
    detail::appendU32(out, dataBytes);
    out.insert(out.end(), sampleBytes.begin(), sampleBytes.end());
    if (pad != 0) out.push_back(0);
    return out;
}

}  // namespace kvarnel::layout

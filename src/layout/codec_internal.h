// Helpers shared by the picture and wave decoders of the layout reader:
// bounds-checked little-endian access and the size limits every decoder
// applies before it allocates. Internal to src/layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "layout/errors.h"

namespace kvarnel::layout::detail {

// No picture of the game comes near these; they only stop a hostile header
// from making a decoder allocate gigabytes (64 M pixels are 256 MB).
inline constexpr int64_t kMaxImageSide = 32768;
inline constexpr int64_t kMaxImagePixels = int64_t{64} << 20;

// Throws DecodeError unless `count` bytes starting at `offset` lie inside
// `data`. `what` names the field for the message.
inline void requireBytes(std::span<const uint8_t> data, size_t offset, size_t count, const char* what) {
    if (offset > data.size() || count > data.size() - offset) {
        throw DecodeError(std::string("truncated data: ") + what + " needs " + std::to_string(count) +
                              " bytes at offset " + std::to_string(offset) + " but only " +
                              std::to_string(offset > data.size() ? 0 : data.size() - offset) + " remain",
                          offset);
    }
}

inline uint16_t readU16(std::span<const uint8_t> data, size_t offset, const char* what) {
    requireBytes(data, offset, 2, what);
    return static_cast<uint16_t>(data[offset] | (data[offset + 1] << 8));
}

inline uint32_t readU32(std::span<const uint8_t> data, size_t offset, const char* what) {
    requireBytes(data, offset, 4, what);
    return uint32_t{data[offset]} | (uint32_t{data[offset + 1]} << 8) | (uint32_t{data[offset + 2]} << 16) |
           (uint32_t{data[offset + 3]} << 24);
}

inline int32_t readI32(std::span<const uint8_t> data, size_t offset, const char* what) {
    return static_cast<int32_t>(readU32(data, offset, what));
}

// Throws DecodeError unless width x height is a picture a decoder may
// allocate. `format` names the decoder for the message.
inline void checkImageSize(int64_t width, int64_t height, size_t offset, const char* format) {
    if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide ||
        width * height > kMaxImagePixels) {
        throw DecodeError(std::string(format) + ": picture size " + std::to_string(width) + " x " +
                              std::to_string(height) + " is outside 1 .. " + std::to_string(kMaxImageSide) +
                              " per side and " + std::to_string(kMaxImagePixels) + " pixels",
                          offset);
    }
}

inline void appendU16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

inline void appendU32(std::vector<uint8_t>& out, uint32_t value) {
    appendU16(out, value & 0xFFFF);
    appendU16(out, value >> 16);
}

// Appends by resize and copy: GCC 12 at -O2 warns falsely (array bounds) on
// vector::insert of a range into a small vector.
inline void appendBytes(std::vector<uint8_t>& out, std::span<const uint8_t> bytes) {
    if (bytes.empty()) return;
    const size_t at = out.size();
    out.resize(at + bytes.size());
    std::memcpy(out.data() + at, bytes.data(), bytes.size());
}

inline void appendBytes(std::vector<uint8_t>& out, std::string_view text) {
    appendBytes(out, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace kvarnel::layout::detail

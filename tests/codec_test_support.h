// Helpers for the picture, GIF, JPEG and WAVE decoder tests: deterministic
// test pictures, an image comparison that names the first wrong pixel, and a
// check that a call throws DecodeError with a given offset and message part.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "layout/errors.h"
#include "layout/image.h"

namespace kvarnel::layout::testing {

// An opaque picture in which neighbouring pixels and rows all differ, so a
// shifted, flipped or swapped-channel decode cannot match it by accident.
inline Image patternImage(int width, int height, unsigned seed = 0) {
    Image image{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.at(x, y) = argb(static_cast<uint8_t>(x * 7 + y * 3 + seed), static_cast<uint8_t>(y * 11 + seed * 5),
                                  static_cast<uint8_t>(x * 13 ^ (y * 5 + seed)));
        }
    }
    return image;
}

inline std::string hexPixel(uint32_t pixel) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", pixel);
    return text;
}

inline ::testing::AssertionResult sameImage(const Image& expected, const Image& actual) {
    if (expected.width != actual.width || expected.height != actual.height) {
        return ::testing::AssertionFailure() << "size: expected " << expected.width << " x " << expected.height
                                             << ", actual " << actual.width << " x " << actual.height;
    }
    if (actual.pixels.size() != static_cast<size_t>(actual.width) * actual.height) {
        return ::testing::AssertionFailure() << "pixel count " << actual.pixels.size() << " does not match the size";
    }
    size_t wrong = 0;
    std::string first;
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            if (expected.at(x, y) != actual.at(x, y)) {
                if (wrong++ == 0) {
                    first = "at (" + std::to_string(x) + ", " + std::to_string(y) + "): expected " +
                            hexPixel(expected.at(x, y)) + ", actual " + hexPixel(actual.at(x, y));
                }
            }
        }
    }
    if (wrong != 0) {
        return ::testing::AssertionFailure() << wrong << " pixels differ, first " << first;
    }
    return ::testing::AssertionSuccess();
}

// Succeeds when `call` throws DecodeError whose message contains `fragment`
// and, if given, whose offset is `offset`.
template <typename Call>
::testing::AssertionResult throwsDecodeError(Call&& call, std::optional<size_t> offset,
                                             std::string_view fragment = {}) {
    try {
        call();
    } catch (const DecodeError& e) {
        const std::string message = e.what();
        if (message.find(fragment) == std::string::npos) {
            return ::testing::AssertionFailure() << "message \"" << message << "\" lacks \"" << fragment << "\"";
        }
        if (offset && e.offset() != *offset) {
            return ::testing::AssertionFailure()
                   << "offset: expected " << *offset << ", actual " << e.offset() << " (\"" << message << "\")";
        }
        return ::testing::AssertionSuccess();
    } catch (const std::exception& e) {
        return ::testing::AssertionFailure() << "threw another exception: " << e.what();
    }
    return ::testing::AssertionFailure() << "no exception";
}

inline void putU16(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    bytes.at(at) = static_cast<uint8_t>(value);
    bytes.at(at + 1) = static_cast<uint8_t>(value >> 8);
}

inline void putU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    putU16(bytes, at, value & 0xFFFF);
    putU16(bytes, at + 2, value >> 16);
}

inline uint32_t getU32(const std::vector<uint8_t>& bytes, size_t at) {
    return uint32_t{bytes.at(at)} | (uint32_t{bytes.at(at + 1)} << 8) | (uint32_t{bytes.at(at + 2)} << 16) |
           (uint32_t{bytes.at(at + 3)} << 24);
}

inline void appendU16(std::vector<uint8_t>& bytes, uint32_t value) {
    bytes.push_back(static_cast<uint8_t>(value));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}

inline void appendU32(std::vector<uint8_t>& bytes, uint32_t value) {
    appendU16(bytes, value & 0xFFFF);
    appendU16(bytes, value >> 16);
}

inline void appendText(std::vector<uint8_t>& bytes, std::string_view text) {
    for (char c : text) bytes.push_back(static_cast<uint8_t>(c));
}

}  // namespace kvarnel::layout::testing

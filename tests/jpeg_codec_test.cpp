// JPEG decoding and encoding: round trips within a tolerance, greyscale and
// progressive streams written by libjpeg directly, rejected colour spaces,
// absurd sizes, truncation and corrupted bytes.
#include "layout/jpeg_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "codec_test_support.h"

namespace kvarnel::layout {
namespace {

using testing::throwsDecodeError;

// A smooth picture (JPEG's best case), so a tight tolerance is fair; the
// channels differ enough that swapping any two is far outside it.
Image gradient(int width, int height) {
    Image image{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.pixels.push_back(
                argb(static_cast<uint8_t>(x * 4), static_cast<uint8_t>(y * 5), static_cast<uint8_t>(128 + x - y)));
        }
    }
    return image;
}

// Writes a JPEG with libjpeg directly, for colour spaces and modes the
// product encoder does not produce. Test data is valid, so libjpeg's
// default error handling (exit) never triggers.
std::vector<uint8_t> libjpegEncode(int width, int height, int components, J_COLOR_SPACE space,
                                   const std::vector<uint8_t>& samples, bool progressive) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row =
            const_cast<JSAMPLE*>(samples.data()) + static_cast<size_t>(cinfo.next_scanline) * width * components;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

std::vector<uint8_t> rgbSamples(const Image& image) {
    std::vector<uint8_t> rgb;
    for (const uint32_t p : image.pixels) {
        rgb.insert(rgb.end(), {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)});
    }
    return rgb;
}

// Largest per-channel difference, or a failure when sizes or alpha differ.
::testing::AssertionResult closeTo(const Image& expected, const Image& actual, int tolerance) {
    if (expected.width != actual.width || expected.height != actual.height ||
        actual.pixels.size() != expected.pixels.size()) {
        return ::testing::AssertionFailure() << "size: expected " << expected.width << " x " << expected.height
                                             << ", actual " << actual.width << " x " << actual.height;
    }
    int worst = 0;
    size_t worstAt = 0;
    for (size_t i = 0; i < expected.pixels.size(); ++i) {
        if ((actual.pixels[i] >> 24) != 0xFF) {
            return ::testing::AssertionFailure()
                   << "pixel " << i << " is not opaque: " << testing::hexPixel(actual.pixels[i]);
        }
        for (const int shift : {0, 8, 16}) {
            const int d = std::abs(static_cast<int>((expected.pixels[i] >> shift) & 0xFF) -
                                   static_cast<int>((actual.pixels[i] >> shift) & 0xFF));
            if (d > worst) {
                worst = d;
                worstAt = i;
            }
        }
    }
    if (worst > tolerance) {
        return ::testing::AssertionFailure()
               << "pixel " << worstAt << ": expected " << testing::hexPixel(expected.pixels[worstAt]) << ", actual "
               << testing::hexPixel(actual.pixels[worstAt]) << " (difference " << worst << ", tolerance " << tolerance
               << ")";
    }
    return ::testing::AssertionSuccess();
}

TEST(JpegCodec, RoundTripsWithinTolerance) {
    for (const auto& [width, height] : {std::pair{64, 48}, std::pair{17, 9}, std::pair{1, 1}}) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        const Image image = gradient(width, height);
        const std::vector<uint8_t> bytes = encodeJpeg(image, 95);
        EXPECT_EQ(bytes, encodeJpeg(image, 95)) << "encoding must be deterministic";
        EXPECT_TRUE(closeTo(image, decodeJpeg(bytes), 10));
    }
}

TEST(JpegCodec, DecodesProgressiveAndGreyscaleStreams) {
    const Image colour = gradient(40, 24);
    EXPECT_TRUE(closeTo(colour, decodeJpeg(libjpegEncode(40, 24, 3, JCS_RGB, rgbSamples(colour), true)), 10))
        << "progressive colour";

    std::vector<uint8_t> grey;
    Image greyImage{32, 16, {}};
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 32; ++x) {
            const auto v = static_cast<uint8_t>(x * 7 + y * 2);
            grey.push_back(v);
            greyImage.pixels.push_back(argb(v, v, v));
        }
    }
    for (const bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive greyscale" : "baseline greyscale");
        const Image decoded = decodeJpeg(libjpegEncode(32, 16, 1, JCS_GRAYSCALE, grey, progressive));
        EXPECT_TRUE(closeTo(greyImage, decoded, 4));
        const auto notGrey = std::find_if(decoded.pixels.begin(), decoded.pixels.end(), [](uint32_t p) {
            return ((p >> 16) & 0xFF) != (p & 0xFF) || ((p >> 8) & 0xFF) != (p & 0xFF);
        });
        EXPECT_TRUE(notGrey == decoded.pixels.end())
            << "pixel " << (notGrey - decoded.pixels.begin()) << " is " << testing::hexPixel(*notGrey) << ", not grey";
    }
}

// Offset of the start-of-frame segment's height field.
size_t frameHeightOffset(const std::vector<uint8_t>& bytes) {
    for (size_t i = 0; i + 8 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && (bytes[i + 1] == 0xC0 || bytes[i + 1] == 0xC2)) return i + 5;
    }
    throw std::logic_error("no start-of-frame marker in the fixture");
}

TEST(JpegCodec, MalformedInputThrows) {
    const std::vector<uint8_t> valid = encodeJpeg(gradient(16, 16), 80);
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* fragment;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}, "JPEG"});
    cases.push_back({"not a JPEG", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0}, "JPEG"});
    {
        std::vector<uint8_t> b = valid;
        const size_t at = frameHeightOffset(b);
        b[at] = b[at + 2] = 0xFD;  // 65000 x 65000: 4 G pixels
        b[at + 1] = b[at + 3] = 0xE8;
        cases.push_back({"absurd size", b, "picture size"});
    }
    {
        std::vector<uint8_t> cmyk(8 * 8 * 4, 0x40);
        cases.push_back({"CMYK", libjpegEncode(8, 8, 4, JCS_CMYK, cmyk, false), "CMYK"});
    }
    {
        std::vector<uint8_t> b = valid;
        b.resize(b.size() / 2 + 100);  // inside the entropy-coded data
        cases.push_back({"cut in the scan", b, "Premature end"});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(throwsDecodeError([&] { decodeJpeg(c.bytes); }, std::nullopt, c.fragment));
    }
}

TEST(JpegCodec, EveryTruncationFailsOrKeepsTheSize) {
    const std::vector<uint8_t> bytes = encodeJpeg(gradient(24, 16), 90);
    for (size_t length = 0; length < bytes.size(); ++length) {
        const std::span<const uint8_t> prefix(bytes.data(), length);
        if (length + 8 <= bytes.size()) {
            // Bytes the last rows need are missing.
            ASSERT_TRUE(throwsDecodeError([&] { decodeJpeg(prefix); }, std::nullopt))
                << "prefix of " << length << " of " << bytes.size();
            continue;
        }
        try {
            const Image image = decodeJpeg(prefix);
            ASSERT_EQ(24, image.width) << "prefix of " << length;
            ASSERT_EQ(16, image.height) << "prefix of " << length;
        } catch (const DecodeError&) {
        }
    }
}

TEST(JpegCodec, CorruptedBytesNeverCrash) {
    const std::vector<uint8_t> bytes = encodeJpeg(gradient(16, 16), 75);
    for (size_t i = 0; i < bytes.size(); ++i) {
        for (const uint8_t value : {uint8_t{0x00}, uint8_t{0xFF}, uint8_t(bytes[i] ^ 0x55)}) {
            std::vector<uint8_t> damaged = bytes;
            damaged[i] = value;
            try {
                const Image image = decodeJpeg(damaged);
                ASSERT_EQ(static_cast<size_t>(image.width) * image.height, image.pixels.size())
                    << "byte " << i << " set to " << int{value};
            } catch (const DecodeError&) {
            }
        }
    }
}

TEST(JpegCodec, EncoderRejectsBadArguments) {
    EXPECT_THROW(encodeJpeg(Image{}, 90), std::invalid_argument);
    EXPECT_THROW(encodeJpeg(gradient(4, 4), 0), std::invalid_argument);
    EXPECT_THROW(encodeJpeg(gradient(4, 4), 101), std::invalid_argument);
}

}  // namespace
}  // namespace kvarnel::layout

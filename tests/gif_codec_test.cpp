// GIF decoding and frame composition: transparency, every disposal method,
// clipping, interlace, colour maps, delays, the encoders, and malformed input.
#include "layout/gif_codec.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "codec_test_support.h"

namespace kvarnel::layout {
namespace {

using testing::appendText;
using testing::appendU16;
using testing::hexPixel;
using testing::putU16;
using testing::sameImage;
using testing::throwsDecodeError;

// Palette indices 0..3 of the fixtures; pictures are written as character
// grids with '.' for a transparent (alpha 0) pixel.
const std::vector<uint32_t> kPalette = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

Image grid(const std::vector<std::string>& rows) {
    Image image{static_cast<int>(rows.front().size()), static_cast<int>(rows.size()), {}};
    for (const std::string& row : rows) {
        for (const char c : row) {
            switch (c) {
                case 'R':
                    image.pixels.push_back(0xFFFF0000);
                    break;
                case 'G':
                    image.pixels.push_back(0xFF00FF00);
                    break;
                case 'B':
                    image.pixels.push_back(0xFF0000FF);
                    break;
                case 'W':
                    image.pixels.push_back(0xFFFFFFFF);
                    break;
                default:
                    image.pixels.push_back(0);
                    break;
            }
        }
    }
    return image;
}

GifFramePlan frame(int left, int top, int width, int height, std::vector<uint8_t> indices, int delayCs, int disposal,
                   int transparentIndex = -1) {
    GifFramePlan f;
    f.left = left;
    f.top = top;
    f.width = width;
    f.height = height;
    f.indices = std::move(indices);
    f.delayCs = delayCs;
    f.disposal = disposal;
    f.transparentIndex = transparentIndex;
    return f;
}

// Five frames on a 4 x 3 screen, one per disposal behaviour, with the
// composed screens they must give.
GifPlan compositionSpec() {
    GifPlan plan;
    plan.width = 4;
    plan.height = 3;
    plan.palette = kPalette;
    plan.loopCount = 0;
    // Red screen with a transparent corner; kept (disposal 1).
    plan.frames.push_back(frame(0, 0, 4, 3, {3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0, 1, 3));
    // Green square, cleared to transparent afterwards (disposal 2).
    plan.frames.push_back(frame(1, 1, 2, 2, {1, 1, 1, 1}, 3, 2));
    // Blue bar, undone afterwards (disposal 3).
    plan.frames.push_back(frame(0, 0, 2, 1, {2, 2}, 20, 3));
    // White square hanging off the bottom-right corner; kept (disposal 0).
    plan.frames.push_back(frame(3, 2, 2, 2, {3, 3, 3, 3}, 2000, 0));
    // Red pixel without any Graphics Control Extension.
    GifFramePlan last = frame(0, 0, 1, 1, {0}, 0, 0);
    last.graphicsControl = false;
    plan.frames.push_back(last);
    return plan;
}

struct ExpectedFrame {
    std::vector<std::string> screen;
    int delayMs;
};

const std::vector<ExpectedFrame> kComposed = {
    {{".RRR", "RRRR", "RRRR"}, 50},     // 0 cs -> 50 ms
    {{".RRR", "RGGR", "RGGR"}, 50},     // 3 cs -> clamped up to 50 ms
    {{"BBRR", "R..R", "R..R"}, 200},    // the green square is gone
    {{".RRR", "R..R", "R..W"}, 10000},  // blue undone; 2000 cs -> clamped to 10 s
    {{"RRRR", "R..R", "R..W"}, 50},     // white kept; no GCE -> 50 ms
};

TEST(GifDecode, ComposesFramesWithTransparencyDisposalClippingAndDelays) {
    const GifAnimation animation = decodeGif(encodeGif(compositionSpec()));
    EXPECT_EQ(4, animation.width);
    EXPECT_EQ(3, animation.height);
    ASSERT_EQ(kComposed.size(), animation.frames.size());
    for (size_t i = 0; i < kComposed.size(); ++i) {
        SCOPED_TRACE("frame " + std::to_string(i));
        EXPECT_TRUE(sameImage(grid(kComposed[i].screen), animation.frames[i].image));
        EXPECT_EQ(kComposed[i].delayMs, animation.frames[i].delayMs);
    }
}

TEST(GifDecode, StopsAfterMaxFrames) {
    const GifAnimation animation = decodeGif(encodeGif(compositionSpec()), 1);
    ASSERT_EQ(1u, animation.frames.size());
    EXPECT_TRUE(sameImage(grid(kComposed[0].screen), animation.frames[0].image));
}

struct SpanSource {
    const std::vector<uint8_t>& bytes;
    size_t pos;
};

int readSpan(GifFileType* gif, GifByteType* buffer, int length) {
    auto* source = static_cast<SpanSource*>(gif->UserData);
    const size_t count = std::min(static_cast<size_t>(length), source->bytes.size() - source->pos);
    std::copy_n(source->bytes.begin() + static_cast<ptrdiff_t>(source->pos), count, buffer);
    source->pos += count;
    return static_cast<int>(count);
}

TEST(GifDecode, DeinterlacesRowsIntoPlace) {
    // Ten rows cover all four interlace passes; row y is drawn in colour y.
    GifPlan plan;
    plan.width = 3;
    plan.height = 10;
    for (uint32_t i = 0; i < 16; ++i) plan.palette.push_back(0x101010 * i + 0x000003);
    GifFramePlan f = frame(0, 0, 3, 10, {}, 10, 0);
    for (uint8_t y = 0; y < 10; ++y) f.indices.insert(f.indices.end(), {y, y, y});
    f.graphicsControl = false;
    f.interlaced = true;
    plan.frames.push_back(f);

    const std::vector<uint8_t> bytes = encodeGif(plan);
    // Header 6 + screen descriptor 7 + 16 colours: the image descriptor is at 61.
    ASSERT_EQ(0x2C, bytes.at(61));
    ASSERT_NE(0, bytes.at(70) & 0x40) << "the fixture must really be interlaced";

    // giflib's own slurping reader de-interlaces independently of our code;
    // it must see row y holding index y, or the fixture is wrong.
    SpanSource source{bytes, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&source, readSpan, &error);
    ASSERT_NE(nullptr, gif) << GifErrorString(error);
    ASSERT_EQ(GIF_OK, DGifSlurp(gif)) << GifErrorString(gif->Error);
    ASSERT_EQ(1, gif->ImageCount);
    ASSERT_TRUE(gif->SavedImages[0].ImageDesc.Interlace);
    for (int y = 0; y < 10; ++y) {
        EXPECT_EQ(y, gif->SavedImages[0].RasterBits[y * 3]) << "giflib's row " << y;
    }
    DGifCloseFile(gif, &error);

    const GifAnimation animation = decodeGif(bytes);
    ASSERT_EQ(1u, animation.frames.size());
    const Image& image = animation.frames[0].image;
    ASSERT_EQ(10, image.height);
    for (int y = 0; y < 10; ++y) {
        EXPECT_EQ(hexPixel(0xFF000000 | plan.palette[static_cast<size_t>(y)]), hexPixel(image.at(1, y))) << "row " << y;
    }
}

// A 2 x 1 GIF written byte by byte, showing palette entries 0 and 1, with
// or without a global and a local colour map.
std::vector<uint8_t> tinyGif(const std::vector<uint32_t>& global, const std::vector<uint32_t>& local) {
    const auto appendMap = [](std::vector<uint8_t>& out, const std::vector<uint32_t>& map) {
        for (const uint32_t c : map) {
            out.insert(out.end(),
                       {static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c)});
        }
    };
    std::vector<uint8_t> out;
    appendText(out, "GIF89a");
    appendU16(out, 2);
    appendU16(out, 1);
    out.insert(out.end(), {static_cast<uint8_t>(global.empty() ? 0x00 : 0x80), 0, 0});
    appendMap(out, global);
    out.push_back(0x2C);
    appendU16(out, 0);
    appendU16(out, 0);
    appendU16(out, 2);
    appendU16(out, 1);
    out.push_back(local.empty() ? 0x00 : 0x80);
    appendMap(out, local);
    // LZW, minimum code size 2: clear, 0, 1, end of information.
    out.insert(out.end(), {0x02, 0x02, 0x44, 0x0A, 0x00, 0x3B});
    return out;
}

TEST(GifDecode, UsesTheLocalColourMapBeforeTheGlobalOne) {
    const std::vector<uint32_t> global = {0x112233, 0x445566};
    const std::vector<uint32_t> local = {0xAA0000, 0x00BB00};
    struct Case {
        const char* name;
        std::vector<uint32_t> global, local, expected;
    };
    const Case cases[] = {
        {"global only", global, {}, global},
        {"local only", {}, local, local},
        {"both", global, local, local},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GifAnimation animation = decodeGif(tinyGif(c.global, c.local));
        ASSERT_EQ(1u, animation.frames.size());
        EXPECT_TRUE(sameImage(Image{2, 1, {0xFF000000 | c.expected[0], 0xFF000000 | c.expected[1]}},
                              animation.frames[0].image));
    }
}

TEST(GifDecode, AcceptsAMissingTrailer) {
    std::vector<uint8_t> bytes = encodeGif(compositionSpec());
    ASSERT_EQ(0x3B, bytes.back());
    bytes.pop_back();
    EXPECT_EQ(kComposed.size(), decodeGif(bytes).frames.size());
}

TEST(GifDecode, MalformedInputThrows) {
    const std::vector<uint8_t> valid = encodeGif(compositionSpec());
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* fragment;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}, "GIF"});
    cases.push_back({"not a GIF", {'P', 'N', 'G', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0}, "GIF"});
    {
        // Header, screen descriptor and the 4-colour global map, then the trailer.
        std::vector<uint8_t> b(valid.begin(), valid.begin() + 6 + 7 + 12);
        b.push_back(0x3B);
        cases.push_back({"no image", b, "no image"});
    }
    {
        std::vector<uint8_t> b = valid;
        putU16(b, 6, 0);
        putU16(b, 8, 0);
        cases.push_back({"empty screen", b, "picture size"});
    }
    {
        std::vector<uint8_t> b = valid;
        putU16(b, 6, 0xFFFF);
        putU16(b, 8, 0xFFFF);
        cases.push_back({"absurd screen", b, "picture size"});
    }
    cases.push_back({"no colour map", tinyGif({}, {}), "colour map"});
    {
        // The first frame's descriptor claims 65535 x 65535 pixels.
        std::vector<uint8_t> b = tinyGif({1, 2}, {});
        putU16(b, 6 + 7 + 6 + 5, 0xFFFF);
        putU16(b, 6 + 7 + 6 + 7, 0xFFFF);
        cases.push_back({"absurd frame", b, "too large"});
    }
    {
        std::vector<uint8_t> b = valid;
        b.resize(b.size() - 6);  // inside the last frame's image data
        cases.push_back({"truncated image data", b, "GIF"});
    }
    {
        std::vector<uint8_t> b = valid;
        b.back() = 0x99;  // an unknown record where the trailer should be
        cases.push_back({"unknown record", b, "GIF"});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(throwsDecodeError([&] { decodeGif(c.bytes); }, std::nullopt, c.fragment));
    }
}

TEST(GifDecode, ErrorOffsetIsWhereReadingStopped) {
    const std::vector<uint8_t> bytes = tinyGif({}, {});
    // The colour map is found missing once the descriptor and the LZW code
    // size byte have been read.
    EXPECT_TRUE(throwsDecodeError([&] { decodeGif(bytes); }, 6 + 7 + 10 + 1, "colour map"));
}

// Every prefix must either fail cleanly or, when it ends between records,
// give the frames it holds completely.
TEST(GifDecode, EveryTruncationFailsOrGivesTheFramesBeforeIt) {
    const std::vector<uint8_t> bytes = encodeGif(compositionSpec());
    const GifAnimation full = decodeGif(bytes);
    for (size_t length = 0; length < bytes.size(); ++length) {
        const std::span<const uint8_t> prefix(bytes.data(), length);
        try {
            const GifAnimation partial = decodeGif(prefix);
            ASSERT_FALSE(partial.frames.empty()) << "prefix of " << length;
            for (size_t i = 0; i < partial.frames.size(); ++i) {
                ASSERT_EQ(full.frames.at(i), partial.frames[i]) << "prefix of " << length << ", frame " << i;
            }
        } catch (const DecodeError&) {
        }
    }
}

TEST(GifDecode, CorruptedBytesNeverCrash) {
    const std::vector<uint8_t> bytes = encodeGif(compositionSpec());
    for (size_t i = 0; i < bytes.size(); ++i) {
        for (const uint8_t value : {uint8_t{0x00}, uint8_t{0xFF}, uint8_t(bytes[i] ^ 0x55)}) {
            std::vector<uint8_t> damaged = bytes;
            damaged[i] = value;
            try {
                const GifAnimation animation = decodeGif(damaged);
                for (const GifFrame& f : animation.frames) {
                    ASSERT_EQ(static_cast<size_t>(animation.width) * animation.height, f.image.pixels.size())
                        << "byte " << i << " set to " << int{value};
                    ASSERT_GE(f.delayMs, 50);
                    ASSERT_LE(f.delayMs, 10000);
                }
            } catch (const DecodeError&) {
            }
        }
    }
}

// The frames a GifFrameStream gives, one by one, to the end.
std::vector<Image> streamed(std::span<const uint8_t> bytes) {
    GifFrameStream stream(bytes);
    std::vector<Image> frames;
    while (stream.next()) {
        frames.push_back(stream.frame());
        EXPECT_EQ(stream.framesRead(), frames.size());
    }
    return frames;
}

// Frame by frame or all at once, a file gives the same screens, and a
// damaged one the same error at the same offset: every prefix and every
// corrupted byte of the composition fixture, and the interlaced one.
TEST(GifFrameStream, GivesWhatDecodingEveryFrameGivesAndFailsAlike) {
    std::vector<std::vector<uint8_t>> inputs;
    const std::vector<uint8_t> composed = encodeGif(compositionSpec());
    for (size_t length = 0; length <= composed.size(); ++length) {
        inputs.emplace_back(composed.begin(), composed.begin() + static_cast<std::ptrdiff_t>(length));
    }
    for (size_t i = 0; i < composed.size(); ++i) {
        std::vector<uint8_t> damaged = composed;
        damaged[i] ^= 0x55;
        inputs.push_back(damaged);
    }
    int decodedFiles = 0;
    for (const std::vector<uint8_t>& bytes : inputs) {
        std::optional<GifAnimation> all;
        std::optional<size_t> allError;
        try {
            all = decodeGif(bytes);
        } catch (const DecodeError& e) {
            allError = e.offset();
        }
        std::optional<std::vector<Image>> one;
        std::optional<size_t> oneError;
        try {
            one = streamed(bytes);
        } catch (const DecodeError& e) {
            oneError = e.offset();
        }
        ASSERT_EQ(allError, oneError) << "input of " << bytes.size() << " bytes";
        if (!all) continue;
        ASSERT_TRUE(one);
        ASSERT_EQ(one->size(), all->frames.size());
        for (size_t f = 0; f < one->size(); ++f) ASSERT_EQ((*one)[f], all->frames[f].image) << "frame " << f;
        ++decodedFiles;
    }
    EXPECT_GT(decodedFiles, 5);

    // Held: the screen, the frame shown and one screen to restore, however
    // many frames the file has.
    GifFrameStream stream(composed);
    while (stream.next()) {
        EXPECT_LE(stream.bytesHeld(), 3 * sizeof(uint32_t) * 4 * 3 + 64);
    }
}

TEST(GifFrameStream, ReadsTheGifInsideAControlValueWithOffsetsFromTheValue) {
    const std::vector<uint8_t> gif = tinyGif({}, {});
    const std::vector<uint8_t> value = encodeGifControlValue(gif);
    size_t allOffset = 0;
    try {
        decodeGifControlValue(value);
    } catch (const DecodeError& e) {
        allOffset = e.offset();
    }
    ASSERT_GT(allOffset, 4u);
    EXPECT_TRUE(throwsDecodeError([&] { GifFrameStream::ofControlValue(value)->next(); }, allOffset, "colour map"));
    std::vector<uint8_t> overlong = value;
    putU16(overlong, 0, 0xFFFF);
    EXPECT_TRUE(throwsDecodeError([&] { GifFrameStream::ofControlValue(overlong); }, 0, "runs past"));
}

TEST(GifEncode, FromImagesReproducesEveryFrame) {
    Image first = grid({"RRG.", "RGB.", "WWWW"});
    Image second = grid({"....", ".BB.", "GGGG"});
    second.at(0, 0) = 0x7F123456;  // alpha below 128: transparent
    second.at(3, 0) = 0x80123456;  // alpha 128 or more: opaque
    const std::vector<uint8_t> bytes = encodeGifFromImages({first, second}, {100, 30});
    EXPECT_EQ(bytes, encodeGifFromImages({first, second}, {100, 30})) << "deterministic";

    const GifAnimation animation = decodeGif(bytes);
    ASSERT_EQ(2u, animation.frames.size());
    EXPECT_TRUE(sameImage(first, animation.frames[0].image));
    Image expectedSecond = second;
    expectedSecond.at(0, 0) = 0;
    expectedSecond.at(3, 0) = 0xFF123456;
    EXPECT_TRUE(sameImage(expectedSecond, animation.frames[1].image)) << "the first frame must not show through";
    EXPECT_EQ(100, animation.frames[0].delayMs);
    EXPECT_EQ(50, animation.frames[1].delayMs);
}

TEST(GifEncode, FromImagesAllowsAtMost255OpaqueColours) {
    Image image{256, 1, {}};
    for (uint32_t i = 0; i < 256; ++i) image.pixels.push_back(0xFF000000 | i * 0x010101);
    EXPECT_THROW(encodeGifFromImages({image}, {}), std::invalid_argument);

    image.pixels.back() = 0;  // transparent instead: 255 colours remain
    const GifAnimation animation = decodeGif(encodeGifFromImages({image}, {}));
    ASSERT_EQ(1u, animation.frames.size());
    EXPECT_TRUE(sameImage(image, animation.frames[0].image));
}

TEST(GifEncode, RejectsInconsistentInput) {
    const Image small = grid({"RG"});
    const Image other = grid({"RGB"});
    EXPECT_THROW(encodeGifFromImages({small, other}, {}), std::invalid_argument);
    EXPECT_THROW(encodeGifFromImages({small, small}, {100}), std::invalid_argument);
    EXPECT_THROW(encodeGifFromImages({}, {}), std::invalid_argument);

    GifPlan plan = compositionSpec();
    plan.frames[1].indices.pop_back();
    EXPECT_THROW(encodeGif(plan), std::invalid_argument);
    plan = compositionSpec();
    plan.frames[1].indices[0] = 4;  // beyond the 4-entry map
    EXPECT_THROW(encodeGif(plan), std::invalid_argument);
}

}  // namespace
}  // namespace kvarnel::layout

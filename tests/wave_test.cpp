// RIFF/WAVE checking: the formats the game uses, chunk order and padding,
// extensible headers, and every rejected field with its offset.
#include "layout/wave.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "codec_test_support.h"

namespace kvarnel::layout {
namespace {

using testing::appendText;
using testing::appendU16;
using testing::appendU32;
using testing::putU16;
using testing::putU32;
using testing::throwsDecodeError;

std::vector<uint8_t> chunk(std::string_view tag, const std::vector<uint8_t>& body, bool pad = true) {
    std::vector<uint8_t> out;
    appendText(out, tag);
    appendU32(out, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (pad && body.size() % 2 != 0) out.push_back(0);
    return out;
}

std::vector<uint8_t> riff(const std::vector<std::vector<uint8_t>>& chunks) {
    std::vector<uint8_t> out;
    appendText(out, "RIFF");
    appendU32(out, 0);
    appendText(out, "WAVE");
    for (const auto& c : chunks) out.insert(out.end(), c.begin(), c.end());
    putU32(out, 4, static_cast<uint32_t>(out.size() - 8));
    return out;
}

std::vector<uint8_t> pcmFormat(int channels, int bits, int rate) {
    std::vector<uint8_t> body;
    appendU16(body, 1);
    appendU16(body, static_cast<uint32_t>(channels));
    appendU32(body, static_cast<uint32_t>(rate));
    appendU32(body, static_cast<uint32_t>(rate * channels * bits / 8));
    appendU16(body, static_cast<uint32_t>(channels * bits / 8));
    appendU16(body, static_cast<uint32_t>(bits));
    return body;
}

std::vector<uint8_t> extensibleFormat(int channels, int bits, int rate, uint16_t subFormat) {
    std::vector<uint8_t> body = pcmFormat(channels, bits, rate);
    putU16(body, 0, 0xFFFE);
    appendU16(body, 22);  // extension size
    appendU16(body, static_cast<uint32_t>(bits));
    appendU32(body, channels == 1 ? 0x4 : 0x3);
    appendU16(body, subFormat);
    body.insert(body.end(), {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71});
    return body;
}

TEST(Wave, MakeWaveRoundTripsEveryFormatInUse) {
    struct Case {
        int channels, bits, rate;
    };
    for (const Case c :
         {Case{1, 8, 8000}, Case{2, 8, 11025}, Case{1, 16, 22050}, Case{2, 16, 44100}, Case{2, 16, 48000}}) {
        SCOPED_TRACE(std::to_string(c.channels) + " ch, " + std::to_string(c.bits) + " bit, " + std::to_string(c.rate) +
                     " Hz");
        // A fifth of a second of samples.
        const std::vector<uint8_t> samples(static_cast<size_t>(c.rate / 5 * c.channels * c.bits / 8), 0x80);
        const WaveFormat format = checkWave(makeWave(c.channels, c.bits, c.rate, samples));
        EXPECT_EQ(c.channels, format.channels);
        EXPECT_EQ(c.bits, format.bitsPerSample);
        EXPECT_EQ(c.rate, format.samplesPerSecond);
        EXPECT_EQ(samples.size(), format.dataBytes);
        EXPECT_EQ(200, format.durationMs());
    }
}

TEST(Wave, ChunksInAnyOrderWithPaddingAndStrangers) {
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        uint32_t dataBytes;
    };
    const std::vector<uint8_t> odd = {1, 2, 3};
    const std::vector<Case> cases = {
        {"odd sample count gets a pad byte", makeWave(1, 8, 8000, odd), 3},
        {"data first, odd chunks padded, other chunks between",
         riff({chunk("LIST", {'a', 'b', 'c', 'd', 'e'}), chunk("data", odd), chunk("fmt ", pcmFormat(2, 16, 22050)),
               chunk("fact", {3, 0, 0, 0})}),
         3},
        {"missing pad byte after the last chunk",
         riff({chunk("fmt ", pcmFormat(2, 16, 22050)), chunk("data", odd, false)}), 3},
        {"extensible header with the PCM sub-format",
         riff({chunk("fmt ", extensibleFormat(2, 16, 22050, 1)), chunk("data", {1, 2, 3, 4})}), 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WaveFormat format = checkWave(c.bytes);
        EXPECT_EQ(c.dataBytes, format.dataBytes);
        EXPECT_GE(format.channels, 1);
    }
    // The second case names its own format: make sure it was read, not guessed.
    const WaveFormat format = checkWave(cases[1].bytes);
    EXPECT_EQ(2, format.channels);
    EXPECT_EQ(16, format.bitsPerSample);
    EXPECT_EQ(22050, format.samplesPerSecond);
}

TEST(Wave, BytesAfterTheRiffDataAreIgnored) {
    std::vector<uint8_t> bytes = makeWave(1, 16, 22050, std::vector<uint8_t>(10, 0));
    bytes.insert(bytes.end(), {'J', 'U', 'N', 'K', 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(10u, checkWave(bytes).dataBytes);
}

// Offsets in the canonical file: 0 "RIFF", 4 size, 8 "WAVE", 12 "fmt ",
// 16 length, 20 tag, 22 channels, 24 rate, 28 byte rate, 32 block align,
// 34 bits, 36 "data", 40 length, 44 samples.
std::vector<uint8_t> canonical() {
    return makeWave(1, 16, 22050, std::vector<uint8_t>(10, 7));
}

std::vector<uint8_t> with32(size_t at, uint32_t value) {
    auto b = canonical();
    putU32(b, at, value);
    return b;
}

std::vector<uint8_t> with16(size_t at, uint32_t value) {
    auto b = canonical();
    putU16(b, at, value);
    return b;
}

TEST(Wave, RejectedFieldsNameTheirOffset) {
    const std::vector<uint8_t> fmt = chunk("fmt ", pcmFormat(1, 8, 8000));
    const std::vector<uint8_t> data = chunk("data", {1, 2});
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        size_t offset;
        const char* fragment;
    };
    std::vector<Case> cases = {
        {"too short for a header", {'R', 'I', 'F', 'F', 4, 0, 0}, 0, "truncated"},
        {"not RIFF", with32(0, 0x58464952), 0, "RIFF"},
        {"RIFF size beyond the bytes", with32(4, 47), 4, "exceeds"},
        {"RIFF size below 4", with32(4, 2), 4, "below 4"},
        {"not WAVE", with32(8, 0x45564157 + 1), 8, "WAVE"},
        {"float samples", with16(20, 3), 20, "format tag 3"},
        {"no channels", with16(22, 0), 22, "0 channels"},
        {"three channels", with16(22, 3), 22, "3 channels"},
        {"rate too low", with32(24, 7999), 24, "7999 samples"},
        {"rate too high", with32(24, 48001), 24, "48001 samples"},
        {"24-bit samples", with16(34, 24), 34, "24 bits"},
        {"block alignment", with16(32, 4), 32, "block alignment 4"},
        {"data runs past the end", with32(40, 11), 40, "\"data\" of 11 bytes"},
        {"fmt runs past the end", with32(16, 0x7FFFFFF0), 16, "\"fmt \""},
        {"fmt shorter than 16", with32(16, 14), 16, "shorter than 16"},
        {"no data chunk", riff({fmt}), 36, "no \"data\""},
        {"no fmt chunk", riff({data}), 22, "no \"fmt \""},
        {"second fmt chunk", riff({fmt, fmt, data}), 36, "second \"fmt \""},
        {"second data chunk", riff({fmt, data, data}), 46, "second \"data\""},
        {"extensible float", riff({chunk("fmt ", extensibleFormat(1, 16, 8000, 3)), data}), 44, "not PCM"},
        {"truncated extensible",
         riff({chunk("fmt ",
                     [] {
                         auto f = extensibleFormat(1, 16, 8000, 1);
                         f.resize(30);
                         return f;
                     }()),
               data}),
         16, "too short"},
    };
    {
        std::vector<uint8_t> b = riff({fmt, data});
        b.insert(b.end(), {'x', 'y', 'z'});  // three stray bytes inside the RIFF size
        putU32(b, 4, static_cast<uint32_t>(b.size() - 8));
        cases.push_back({"partial chunk header", b, 46, "chunk header"});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(throwsDecodeError([&] { checkWave(c.bytes); }, c.offset, c.fragment));
    }
}

TEST(Wave, EveryTruncationThrows) {
    const std::vector<uint8_t> bytes =
        riff({chunk("fmt ", pcmFormat(2, 8, 11025)), chunk("LIST", {1, 2, 3}), chunk("data", {1, 2, 3, 4, 5})});
    ASSERT_NO_THROW(checkWave(bytes));
    for (size_t length = 0; length < bytes.size(); ++length) {
        const std::span<const uint8_t> prefix(bytes.data(), length);
        ASSERT_TRUE(throwsDecodeError([&] { checkWave(prefix); }, std::nullopt))
            << "prefix of " << length << " of " << bytes.size();
    }
}

TEST(Wave, MakeWaveRejectsWhatCheckWaveWould) {
    const std::vector<uint8_t> samples(4, 0);
    EXPECT_THROW(makeWave(3, 16, 22050, samples), std::invalid_argument);
    EXPECT_THROW(makeWave(1, 12, 22050, samples), std::invalid_argument);
    EXPECT_THROW(makeWave(1, 16, 96000, samples), std::invalid_argument);
}

}  // namespace
}  // namespace kvarnel::layout

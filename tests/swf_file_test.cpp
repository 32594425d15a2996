// The SWF container as our own code reads it: a compressed file inflated to
// the uncompressed form (its length fitted to what came out, never past what
// the header asked for), files that are no compressed SWF, and the length of
// a movie from its header.
#include "platform/swf_file.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kvarnel::platform {
namespace {

using Bytes = std::vector<uint8_t>;

// "CWS", version 9, the length `declared`, then `body` deflated; `cut`
// bytes are dropped from the end of the compressed data.
Bytes compressed(const Bytes& body, uint32_t declared, size_t cut = 0) {
    uLongf packedSize = compressBound(static_cast<uLong>(body.size()));
    Bytes packed(packedSize);
    EXPECT_EQ(compress2(packed.data(), &packedSize, body.data(), static_cast<uLong>(body.size()), 9), Z_OK);
    packed.resize(packedSize - cut);
    Bytes file{'C', 'W', 'S', 9};
    for (int i = 0; i < 4; ++i) file.push_back(static_cast<uint8_t>(declared >> (8 * i)));
    file.insert(file.end(), packed.begin(), packed.end());
    return file;
}

uint32_t lengthField(const Bytes& file) {
    return uint32_t{file[4]} | uint32_t{file[5]} << 8 | uint32_t{file[6]} << 16 | uint32_t{file[7]} << 24;
}

Bytes bodyOf(size_t n) {
    Bytes body(n);
    for (size_t i = 0; i < n; ++i) body[i] = static_cast<uint8_t>(i * 7 + i / 13);
    return body;
}

struct InflateCase {
    const char* name;
    Bytes file;
    size_t expectedBody;  // bytes after the 8-byte header
};

TEST(SwfFile, InflatesUpToTheDeclaredLengthAndStoresWhatCameOut) {
    const Bytes body = bodyOf(5000);
    const InflateCase cases[] = {
        {"whole", compressed(body, 8 + 5000), 5000},
        {"header asks for less", compressed(body, 8 + 1200), 1200},
        {"header asks for more", compressed(body, 0xFFFFFFFF), 5000},
        {"header below its own size", compressed(body, 3), 0},
        {"compressed data cut short", compressed(body, 8 + 5000, 40), 0},
        {"no compressed data at all", compressed({}, 8 + 100), 0},
    };
    for (const InflateCase& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes out;
        std::string why;
        ASSERT_TRUE(inflateSwf(c.file, out, why)) << why;
        ASSERT_GE(out.size(), 8u);
        EXPECT_EQ(std::string(out.begin(), out.begin() + 4), std::string("FWS\x09"));
        EXPECT_EQ(lengthField(out), out.size());
        if (std::string(c.name) == "compressed data cut short") {
            // What was inflated before the cut, and nothing made up.
            EXPECT_LT(out.size(), 8u + body.size());
            EXPECT_TRUE(std::equal(out.begin() + 8, out.end(), body.begin()));
        } else {
            EXPECT_EQ(out.size(), 8 + c.expectedBody);
            EXPECT_TRUE(std::equal(out.begin() + 8, out.end(), body.begin()));
        }
    }
}

TEST(SwfFile, RefusesWhatIsNoCompressedSwfWithAReason) {
    const Bytes cases[] = {
        {}, {'C', 'W', 'S', 9, 0, 0, 0}, {'F', 'W', 'S', 9, 20, 0, 0, 0, 1}, {'c', 'w', 's', 9, 8, 0, 0, 0}};
    for (const Bytes& file : cases) {
        Bytes out{1, 2, 3};
        std::string why;
        EXPECT_FALSE(inflateSwf(file, out, why)) << file.size() << " bytes";
        EXPECT_FALSE(why.empty());
        EXPECT_TRUE(out.empty());
    }
}

TEST(SwfFile, HeaderDurationIsFrameCountOverFrameRate) {
    // A rectangle of 5-bit fields takes 4 bytes (5 + 4 x 5 bits), of 15-bit
    // fields 9 bytes; the 8.8 rate and the 16-bit count follow.
    struct Case {
        Bytes head;
        int64_t ms;
    };
    const Case cases[] = {
        {{'F', 'W', 'S', 6, 0, 0, 0, 0, 0x28, 0, 0, 0, 0x00, 10, 20, 0}, 2000},              // 10 fps, 20 frames
        {{'C', 'W', 'S', 6, 0, 0, 0, 0, 0x28, 0, 0, 0, 0x80, 12, 25, 0}, 2000},              // 12.5 fps, 25 frames
        {{'F', 'W', 'S', 6, 0, 0, 0, 0, 0x78, 0, 0, 0, 0, 0, 0, 0, 0, 0, 24, 48, 0}, 2000},  // 15-bit fields
        {{'F', 'W', 'S', 6, 0, 0, 0, 0, 0x28, 0, 0, 0, 0, 0, 20, 0}, 0},                     // no rate
        {{'F', 'W', 'S', 6, 0, 0, 0, 0, 0xF8, 0, 0, 0, 10, 20, 0}, 0},     // rectangle runs past the head
        {{'X', 'W', 'S', 6, 0, 0, 0, 0, 0x28, 0, 0, 0, 0, 10, 20, 0}, 0},  // not an SWF
        {{'F', 'W', 'S'}, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(swfHeaderDurationMs(c.head), c.ms) << c.head.size() << " bytes";
}

}  // namespace
}  // namespace kvarnel::platform

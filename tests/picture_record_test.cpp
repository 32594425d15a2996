// Picture records: class dispatch, the overstated bitmap counts of the game's
// data, unknown classes, and error offsets made relative to the record.
#include "layout/picture_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "codec_test_support.h"
#include "layout/bitmap_codec.h"
#include "layout/gif_codec.h"
#include "layout/jpeg_codec.h"

namespace kvarnel::layout {
namespace {

using testing::getU32;
using testing::patternImage;
using testing::putU32;
using testing::sameImage;
using testing::throwsDecodeError;

std::vector<uint8_t> bytes(std::initializer_list<uint8_t> list) {
    return list;
}

std::vector<uint8_t> concat(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The game's 24- and 32-bit bitmaps with a 216-entry colour table overstate
// the record's byte count, bfSize and bfOffBits by 864 bytes each.
TEST(PictureRecord, OverstatedBitmapDecodesCompletely) {
    for (const int bits : {24, 32}) {
        SCOPED_TRACE(std::to_string(bits) + "-bit");
        const Image image = patternImage(62, 64, 5);
        const std::vector<uint8_t> bmp = encodeBmpFile(image, bits, 216, 864);
        const std::vector<uint8_t> record = encodePictureRecord("TBitmap", bmp, 864);

        ASSERT_EQ(1u + 7 + 4 + bmp.size(), record.size());
        ASSERT_EQ(bmp.size() + 864, getU32(record, 8)) << "the count carries the lie";

        const Picture picture = decodePictureRecord(record);
        EXPECT_EQ("TBitmap", picture.className);
        EXPECT_TRUE(picture.known);
        EXPECT_TRUE(sameImage(image, picture.image));
    }
}

TEST(PictureRecord, EachKnownClassDecodesItsData) {
    const Image plain = patternImage(7, 5, 1);
    const Image masked = patternImage(35, 35, 2);
    const Image firstFrame = patternImage(6, 4, 3);  // few enough colours for one GIF palette
    Image secondFrame = firstFrame;
    secondFrame.at(0, 0) = 0;
    const std::vector<uint8_t> jpeg = encodeJpeg(patternImage(16, 8, 4), 90);

    struct Case {
        const char* name;
        std::vector<uint8_t> record;
        Image expected;
    };
    const std::vector<Case> cases = {
        {"TBitmap", encodePictureRecord("TBitmap", encodeBmpFile(plain, 24)), plain},
        {"TJPEGImage", encodePictureRecord("TJPEGImage", jpeg), decodeJpeg(jpeg)},
        {"TDIB", encodePictureRecord("TDIB", encodeDib(masked, 32)), masked},
        {"TGIFImage", encodePictureRecord("TGIFImage", encodeGifFromImages({firstFrame, secondFrame}, {})), firstFrame},
        {"TBitmap with trailing bytes", concat(encodePictureRecord("TBitmap", encodeBmpFile(plain, 32)), {1, 2, 3}),
         plain},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Picture picture = decodePictureRecord(c.record);
        EXPECT_TRUE(picture.known);
        EXPECT_TRUE(sameImage(c.expected, picture.image));
    }
}

TEST(PictureRecord, OnlyCountedClassesGetAByteCount) {
    const std::vector<uint8_t> data = {0xAA, 0xBB};
    EXPECT_EQ((std::vector<uint8_t>{4, 'T', 'D', 'I', 'B', 0xAA, 0xBB}), encodePictureRecord("TDIB", data));
    EXPECT_EQ((std::vector<uint8_t>{7, 'T', 'B', 'i', 't', 'm', 'a', 'p', 2, 0, 0, 0, 0xAA, 0xBB}),
              encodePictureRecord("TBitmap", data));
}

TEST(PictureRecord, UnknownClassGivesAnEmptyPictureWithoutLookingFurther) {
    struct Case {
        const char* name;
        std::vector<uint8_t> record;
        std::string className;
    };
    const std::vector<uint8_t> garbage = {0xFF, 0xFF, 0xFF, 0xFF, 'G', 'I', 'F', 0x00, 0x13};
    const std::vector<Case> cases = {
        {"TJvGIFImage with garbage", encodePictureRecord("TJvGIFImage", garbage), "TJvGIFImage"},
        {"TJvGIFImage with a count past the end",
         concat({11, 'T', 'J', 'v', 'G', 'I', 'F', 'I', 'm', 'a', 'g', 'e'}, {0xFF, 0xFF, 0xFF}), "TJvGIFImage"},
        {"TJvGIFImage with nothing after it",
         {11, 'T', 'J', 'v', 'G', 'I', 'F', 'I', 'm', 'a', 'g', 'e'},
         "TJvGIFImage"},
        {"other class", concat({9, 'T', 'P', 'n', 'g', 'I', 'm', 'a', 'g', 'e'}, garbage), "TPngImage"},
        {"empty class name", concat({0}, garbage), ""},
        {"case differs", concat({7, 'T', 'B', 'I', 'T', 'M', 'A', 'P'}, garbage), "TBITMAP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Picture picture;
        ASSERT_NO_THROW(picture = decodePictureRecord(c.record));
        EXPECT_EQ(c.className, picture.className);
        EXPECT_FALSE(picture.known);
        EXPECT_TRUE(picture.image.empty());
    }
}

TEST(PictureRecord, ZeroCountIsAnEmptyPicture) {
    for (const char* name : {"TBitmap", "TJPEGImage", "TGIFImage"}) {
        SCOPED_TRACE(name);
        const Picture picture = decodePictureRecord(encodePictureRecord(name, {}));
        EXPECT_TRUE(picture.known);
        EXPECT_TRUE(picture.image.empty());
    }
}

TEST(PictureRecord, ErrorsNameTheClassAndAnOffsetInTheRecord) {
    std::vector<uint8_t> wrongMagic = encodeBmpFile(patternImage(3, 3), 24);
    wrongMagic[0] = 'X';
    std::vector<uint8_t> rle = encodeBmpFile(patternImage(3, 3), 24);
    putU32(rle, 30, 1);
    std::vector<uint8_t> badDib = encodeDib(patternImage(3, 3), 24);
    putU32(badDib, 0, 41);
    std::vector<uint8_t> shortDib = encodeDib(patternImage(3, 3), 24);
    shortDib.pop_back();
    std::vector<uint8_t> jpegCount = encodePictureRecord("TJPEGImage", bytes({0xFF, 0xD8}));
    putU32(jpegCount, 11, 3);
    std::vector<uint8_t> gifCount = encodePictureRecord("TGIFImage", bytes({'G', 'I', 'F'}));
    putU32(gifCount, 10, 4);

    struct Case {
        const char* name;
        std::vector<uint8_t> record;
        std::optional<size_t> offset;
        const char* fragment;
    };
    const std::vector<Case> cases = {
        {"empty record", {}, 0, "class name length"},
        {"class name past the end", {10, 'T', 'D', 'I'}, 1, "class name"},
        {"count cut off", {7, 'T', 'B', 'i', 't', 'm', 'a', 'p', 1, 0}, 8, "byte count"},
        {"JPEG count past the end", jpegCount, 11, "TJPEGImage picture: byte count 3"},
        {"GIF count past the end", gifCount, 10, "TGIFImage picture: byte count 4"},
        {"bitmap signature", encodePictureRecord("TBitmap", wrongMagic), 12, "TBitmap picture:"},
        {"bitmap compression", encodePictureRecord("TBitmap", rle), 12 + 30, "RLE"},
        {"DIB header size", encodePictureRecord("TDIB", badDib), 5, "TDIB picture:"},
        {"DIB rows short", encodePictureRecord("TDIB", shortDib), 5 + 40, "need 36 bytes"},
        {"JPEG data", encodePictureRecord("TJPEGImage", bytes({0xFF, 0xD8, 0xFF, 0x00, 0x01})), std::nullopt,
         "TJPEGImage picture: JPEG"},
        {"GIF data", encodePictureRecord("TGIFImage", bytes({'G', 'I', 'F', '8', '9', 'a'})), std::nullopt,
         "TGIFImage picture: GIF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(throwsDecodeError([&] { decodePictureRecord(c.record); }, c.offset, c.fragment));
    }
}

TEST(PictureRecord, EveryTruncationThrowsOrIsEmpty) {
    const Image image = patternImage(5, 4, 6);
    const std::vector<std::vector<uint8_t>> records = {
        encodePictureRecord("TBitmap", encodeBmpFile(image, 24, 216, 864), 864),
        encodePictureRecord("TJPEGImage", encodeJpeg(image, 80)),
        encodePictureRecord("TDIB", encodeDib(image, 32)),
        encodePictureRecord("TGIFImage", encodeGifFromImages({image}, {})),
    };
    for (const auto& record : records) {
        for (size_t length = 0; length < record.size(); ++length) {
            const std::span<const uint8_t> prefix(record.data(), length);
            try {
                const Picture picture = decodePictureRecord(prefix);
                // Only a record cut right after its class name has no data
                // to be wrong about (a DIB of zero bytes is no picture).
                ASSERT_TRUE(picture.image.empty()) << "prefix of " << length;
                ASSERT_EQ(1u + picture.className.size(), length) << "prefix of " << length;
            } catch (const DecodeError& e) {
                ASSERT_LE(e.offset(), length) << "prefix of " << length << ": " << e.what();
            }
        }
    }
}

}  // namespace
}  // namespace kvarnel::layout

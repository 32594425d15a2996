// Picture record decoding and encoding.
#include "layout/picture_record.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <utility>

#include "layout/bitmap_codec.h"
#include "layout/codec_internal.h"
#include "layout/errors.h"
#include "layout/gif_codec.h"
#include "layout/jpeg_codec.h"

namespace kvarnel::layout {
namespace {

enum class CountRule {
    None,        // the data runs to the end of the record
    AtMostRest,  // a count that overstates the data is cut to what remains
    Exact,       // a count beyond the record is an error
};

struct PictureClass {
    std::string_view name;
    CountRule count;
    Image (*decode)(std::span<const uint8_t>);
};

Image decodeFirstGifFrame(std::span<const uint8_t> gif) {
    GifAnimation animation = decodeGif(gif, 1);
    return std::move(animation.frames.front().image);
}

constexpr std::array<PictureClass, 4> kPictureClasses{{
    {"TBitmap", CountRule::AtMostRest, decodeBmpFile},
    {"TJPEGImage", CountRule::Exact, decodeJpeg},
    {"TDIB", CountRule::None, decodeDib},
    {"TGIFImage", CountRule::Exact, decodeFirstGifFrame},
}};

// Classes whose data starts with a byte count, known to the decoder or not.
constexpr std::array<std::string_view, 4> kCountedClasses{"TBitmap", "TJPEGImage", "TGIFImage", "TJvGIFImage"};

}  // namespace

bool isKnownPictureClass(std::string_view className) {
    return std::any_of(kPictureClasses.begin(), kPictureClasses.end(),
                       [&](const PictureClass& c) { return c.name == className; });
}

Picture decodePictureRecord(std::span<const uint8_t> record) {
    detail::requireBytes(record, 0, 1, "picture class name length");
    const size_t nameLength = record[0];
    detail::requireBytes(record, 1, nameLength, "picture class name");
    Picture picture;
    picture.className.assign(reinterpret_cast<const char*>(record.data()) + 1, nameLength);

    const auto cls = std::find_if(kPictureClasses.begin(), kPictureClasses.end(),
                                  [&](const PictureClass& c) { return c.name == picture.className; });
    if (cls == kPictureClasses.end()) return picture;  // unknown class: empty, rest skipped
    picture.known = true;

    size_t dataStart = 1 + nameLength;
    size_t dataLength = record.size() - dataStart;
    if (cls->count != CountRule::None) {
        const uint32_t count = detail::readU32(record, dataStart, "picture byte count");
        dataStart += 4;
        const size_t remaining = record.size() - dataStart;
        if (cls->count == CountRule::Exact && count > remaining) {
            throw DecodeError(picture.className + " picture: byte count " + std::to_string(count) + " exceeds the " +
                                  std::to_string(remaining) + " bytes that follow it",
                              dataStart - 4);
        }
        dataLength = std::min<size_t>(count, remaining);
        if (count == 0) return picture;
    }
    try {
        picture.image = cls->decode(record.subspan(dataStart, dataLength));
    } catch (const DecodeError& e) {
        throw DecodeError(picture.className + " picture: " + e.what(), dataStart + e.offset());
    }
    return picture;
}

std::vector<uint8_t> encodePictureRecord(std::string_view className, std::span<const uint8_t> classData,
                                         uint32_t countExtra) {
    if (className.size() > 255) {
        throw std::invalid_argument("encodePictureRecord: class name longer than 255 bytes");
    }
    std::vector<uint8_t> out;
    out.push_back(static_cast<uint8_t>(className.size()));
    detail::appendBytes(out, className);
    if (std::find(kCountedClasses.begin(), kCountedClasses.end(), className) != kCountedClasses.end()) {
        if (classData.size() > 0xFFFFFFFFu - countExtra) {
            throw std::invalid_argument("encodePictureRecord: data too large for a byte count");
        }
        detail::appendU32(out, static_cast<uint32_t>(classData.size()) + countExtra);
    }
    out.insert(out.end(), classData.begin(), classData.end());
    return out;
}

}  // namespace kvarnel::layout

// Picture records: the payload of "Picture.Data" properties. A short string
// (one length byte, then the bytes) names the picture class; that class's
// data follows:
//
//   "TBitmap"     4-byte byte count, then a BMP file (decodeBmpFile)
//   "TJPEGImage"  4-byte byte count, then a JPEG stream (decodeJpeg)
//   "TDIB"        a bare DIB running to the end of the record (decodeDib)
//   "TGIFImage"   4-byte byte count, then a GIF file; the picture is its
//                 first composed frame (decodeGif)
//
// Any other class name is a picture class the program does not have: the
// record gives an empty picture and the rest of it is not looked at.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "layout/image.h"

namespace kvarnel::layout {

// Decodes one picture record (the whole binary value). A bitmap's byte count
// may overstate the data (the game's bitmaps with a colour table do); the
// smaller of it and the bytes that remain is used. A JPEG or GIF count
// beyond the record throws. A count of 0 gives an empty image of a known
// class. DecodeError offsets are relative to the start of the record, and
// the message names the class being decoded.
Picture decodePictureRecord(std::span<const uint8_t> record);

// Whether the decoder has the picture class `className`.
bool isKnownPictureClass(std::string_view className);

// Builds a picture record: the class name as a short string, the 4-byte byte
// count for the classes that have one ("TBitmap", "TJPEGImage", "TGIFImage",
// "TJvGIFImage"), then `classData`. `countExtra` is added to the count
// written, to reproduce the game's overstated bitmap counts. Throws
// std::invalid_argument for a class name over 255 bytes.
std::vector<uint8_t> encodePictureRecord(std::string_view className, std::span<const uint8_t> classData,
                                         uint32_t countExtra = 0);

}  // namespace kvarnel::layout

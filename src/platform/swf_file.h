// The SWF container as far as our own code reads it: a compressed ("CWS")
// file is inflated here into the uncompressed ("FWS") form that FFmpeg's
// demuxer then reads from memory, and the movie's length comes from the
// header. Pure functions over bytes; movie.cpp does the file reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kvarnel::platform {

// A compressed movie is inflated into memory; its header states the size,
// but a hostile header must not make us allocate more than this.
inline constexpr size_t kMaxSwfBytes = size_t{256} << 20;

// Bytes of an (uncompressed) header that swfHeaderDurationMs() needs at most:
// 8 bytes, a rectangle of up to 17, the frame rate and the frame count.
inline constexpr size_t kSwfHeadBytes = 32;

// Whether `file` starts like a compressed SWF: "CWS" and the rest of the
// 8-byte header.
bool isCompressedSwf(std::span<const uint8_t> file);

// Inflates a compressed SWF: "CWS", a version byte, the uncompressed file
// length (32-bit little endian, these 8 bytes included), then zlib data of
// everything after byte 8. `out` receives "FWS", the version, the length of
// what was inflated and the inflated bytes: never more than the header's
// length (clamped to 8 .. kMaxSwfBytes). A damaged or cut stream still
// gives the bytes before the damage, so the demuxer sees a truncated file as
// it would for an uncompressed one. Returns false with a reason in `whyNot`
// when `file` is no compressed SWF, is larger than kMaxSwfBytes, or zlib
// cannot start.
bool inflateSwf(std::span<const uint8_t> file, std::vector<uint8_t>& out, std::string& whyNot);

// Length of an SWF movie in ms from the start of its uncompressed header
// (frame count / frame rate, the rate being 8.8 fixed point after the frame
// rectangle); 0 for any other file or a header that does not say.
int64_t swfHeaderDurationMs(std::span<const uint8_t> head);

}  // namespace kvarnel::platform

// GIF animations ("Image.Data" of animated-GIF controls, "TGIFImage" picture
// records) through giflib, and a GIF89a encoder for fixtures and the stand-in
// content builder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "layout/image.h"

namespace kvarnel::layout {

// Decodes a GIF file and composes its frames on the logical screen.
//
// The canvas starts fully transparent (alpha 0). Each frame is drawn at its
// offset, clipped to the screen, with its local or else the global colour
// map; pixels of its transparent index (Graphics Control Extension) and
// indices beyond the colour map leave the canvas unchanged. Interlaced frames
// are de-interlaced. After the frame is recorded its disposal is applied:
// 0, 1 and the undefined 4..7 keep it, 2 clears its rectangle to
// transparent, 3 restores what the rectangle held before the frame. Each
// GifFrame holds the whole composed screen; its delay is the GCE's 1/100 s
// in ms, clamped to 50 .. 10,000 (0 or no GCE gives 50).
//
// Stops after `maxFrames` frames (a still picture needs only the first).
// Throws DecodeError when the file is not a GIF, is damaged or truncated
// inside a frame, has no image, a frame has no colour map, or the screen or
// the composed frames exceed the size limits; a file that ends cleanly after
// a frame without its trailer byte is accepted. The offset is how far the
// decoder had read.
GifAnimation decodeGif(std::span<const uint8_t> gif, size_t maxFrames = SIZE_MAX);
// The same walk over the file's blocks without decoding the compressed
// pixels: the screen size and every frame with its delay, each frame's image
// left empty. Cheap; damage inside the compressed pixels shows only when the
// file is decoded.
GifAnimation outlineGif(std::span<const uint8_t> gif);

// A GIF decoded one frame at a time, holding only the screen it composes
// (and the one a "restore to previous" frame returns to), for playing an
// animation in order without every frame expanded in memory. The bytes must
// outlive the stream. Each frame is what decodeGif() gives for it; the same
// limits apply and the same errors are thrown (as DecodeError, offsets
// counted from the start of what the caller holds).
class GifFrameStream {
public:
    // Reads the screen descriptor. `offsetShift`: bytes before `gif` in
    // what the caller holds, added to error offsets.
    explicit GifFrameStream(std::span<const uint8_t> gif, size_t offsetShift = 0);
    // The GIF inside an animated-GIF control's value.
    static std::unique_ptr<GifFrameStream> ofControlValue(std::span<const uint8_t> value);
    ~GifFrameStream();
    GifFrameStream(const GifFrameStream&) = delete;
    GifFrameStream& operator=(const GifFrameStream&) = delete;

    // Composes the next frame; false when the file has no more (a file with
    // no frame at all throws).
    bool next();
    // The last frame composed (empty before the first next()).
    const Image& frame() const;
    // How many frames next() has composed; frame() is number framesRead() - 1.
    size_t framesRead() const;
    // The pixels held, in bytes.
    size_t bytesHeld() const;

private:
    struct Decoder;
    std::unique_ptr<Decoder> d_;
};

// One frame for encodeGif. `indices` holds width x height palette indices,
// rows top to bottom in display order (the encoder reorders interlaced rows).
struct GifFramePlan {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> indices;
    int delayCs = 0;            // 1/100 s
    int transparentIndex = -1;  // -1: none
    int disposal = 0;           // 0 .. 3
    bool interlaced = false;
    bool graphicsControl = true;  // false: no GCE at all before this frame
};

struct GifPlan {
    int width = 0;  // logical screen
    int height = 0;
    std::vector<uint32_t> palette;  // 0xRRGGBB (any alpha byte ignored), 1 .. 256 entries
    int backgroundIndex = 0;
    int loopCount = -1;  // -1: no NETSCAPE2.0 extension; 0: loop forever; n: n times
    std::vector<GifFramePlan> frames;
};

// Writes a GIF89a file with one global colour map (padded with black to a
// power of two). Deterministic. Throws std::invalid_argument for a plan the
// format cannot hold (sides over 65535, palette size, index data size).
std::vector<uint8_t> encodeGif(const GifPlan& plan);

// Builds a GIF whose composed frames reproduce `frames` exactly: one palette
// of the distinct opaque colours (in order of first appearance, at most 255)
// plus one transparent index for pixels with alpha < 128. Every frame covers
// the screen and is disposed to transparent, so earlier frames never show
// through. `delaysMs` gives one delay per frame (rounded to 1/100 s) or is
// empty for 100 ms each. Several frames loop forever. Throws
// std::invalid_argument for frames of different sizes, a delay count that
// does not match, or more than 255 opaque colours.
std::vector<uint8_t> encodeGifFromImages(const std::vector<Image>& frames, const std::vector<int>& delaysMs);

// The value of an animated-GIF control ("Image.Data"): a 4-byte byte count,
// then a GIF file. decodeGifControlValue() throws DecodeError when the count
// runs past the value; offsets count from the start of the value.
GifAnimation decodeGifControlValue(std::span<const uint8_t> value);
GifAnimation outlineGifControlValue(std::span<const uint8_t> value);
std::vector<uint8_t> encodeGifControlValue(std::span<const uint8_t> gif);

}  // namespace kvarnel::layout

// Pictures and GIF animations kept as the layout stream holds them, decoded
// when first drawn or measured.
//
// Decoding the whole layout at start-up costs most of the start-up time and,
// expanded to 32-bit pixels, several times the stream's size in memory, while
// one screen shows a handful of pictures. So the layout keeps each payload's
// bytes, and the first call that needs the pixels decodes them. Decoded
// pixels of pictures not drawn lately may be dropped again when the decoded
// total passes a budget; they are decoded anew when next needed.
//
// A payload that turns out to be damaged when first decoded draws nothing;
// its error is logged once, naming the stream, the component, the property
// and the offset, as the eager reader would have reported it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "layout/bytes.h"
#include "layout/image.h"

namespace kvarnel::layout {

// Where a payload lies, for the message of an error found when it is first
// decoded: "SOURCE: offset N, component 'NAME' (CLASS), property 'PROP': what".
struct PayloadOrigin {
    std::string source;
    std::string component;
    std::string componentClass;
    std::string property;
    size_t offset = 0;  // of the payload's first byte in the stream

    std::string message(const std::string& what, size_t relativeOffset) const;
};

namespace detail {
struct LazyEntry;
}

// The decoded pixels of every lazy payload together: how many bytes, and the
// budget above which the least recently used are dropped. One per process;
// the game runs on one thread.
class DecodedPictures {
public:
    static DecodedPictures& instance();

    // Pixels of payloads used since the last call are kept in any case; the
    // compositor calls it once per composed picture.
    void nextFrame() { ++frame_; }
    void setBudget(size_t bytes);
    size_t budget() const { return budget_; }
    size_t decodedBytes() const { return decodedBytes_; }
    size_t decodedCount() const { return entries_.size(); }
    // Drops every decoded pixel (they are decoded again when next used).
    void dropAll();

private:
    friend struct detail::LazyEntry;
    friend class LazyPicture;
    friend class LazyGif;
    void touch(detail::LazyEntry& e);
    void added(detail::LazyEntry& e);
    void removed(detail::LazyEntry& e);
    // Registers a decoded entry, or changes its size.
    void resized(detail::LazyEntry& e, size_t bytes);
    void trim();

    uint64_t frame_ = 1;
    size_t budget_ = size_t{24} << 20;
    size_t decodedBytes_ = 0;
    std::vector<detail::LazyEntry*> entries_;  // those holding decoded pixels
};

// The picture of an image control or image-list item.
class LazyPicture {
public:
    LazyPicture() = default;
    // A picture decoded already (the eager reader, tools, tests).
    LazyPicture(Picture decoded);  // NOLINT: implicit on purpose
    // The bytes of a picture record ("Picture.Data"), decoded when first
    // needed. Reads the class name now; throws DecodeError when even that
    // is cut short.
    static LazyPicture fromRecord(Bytes record, PayloadOrigin origin);

    std::string className;
    bool known = false;

    // The pixels; empty for no picture, an unknown class or a damaged record.
    const Image& image() const;
    // Whether decoding failed (the error was logged).
    bool failed() const;

private:
    std::shared_ptr<detail::LazyEntry> entry_;
    std::shared_ptr<const Image> eager_;
};

// The frames of an animated-GIF control. The size and each frame's delay are
// read from the file's blocks when the layout is built (without decoding the
// pixels), so animations run on time whether or not they have been drawn.
class LazyGif {
public:
    LazyGif() = default;
    LazyGif(GifAnimation decoded);  // NOLINT: implicit on purpose
    // The "Image.Data" value (a byte count, then a GIF file). Reads the
    // outline now; throws DecodeError when the file's blocks are damaged.
    static LazyGif fromControlValue(Bytes value, PayloadOrigin origin);

    int width = 0;  // logical screen
    int height = 0;
    size_t frameCount() const { return delays_.size(); }
    int delayMs(size_t index) const { return delays_[index]; }
    bool empty() const { return delays_.empty(); }

    // Every frame, composed; empty when decoding failed (logged).
    const std::vector<GifFrame>& frames() const;
    // One frame, composed; empty when decoding failed (logged). A lazy GIF
    // keeps only the frame last asked for: asked in order, as an animation
    // plays, each frame costs one frame's decoding; an earlier one starts
    // the file again.
    const Image& frame(size_t index) const;

private:
    std::shared_ptr<detail::LazyEntry> entry_;
    std::shared_ptr<const GifAnimation> eager_;
    std::vector<int> delays_;
};

}  // namespace kvarnel::layout

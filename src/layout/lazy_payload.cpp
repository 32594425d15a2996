#include "layout/lazy_payload.h"

#include <algorithm>
#include <optional>
#include <sstream>
#include <utility>

#include "layout/codec_internal.h"
#include "layout/errors.h"
#include "layout/gif_codec.h"
#include "layout/picture_record.h"
#include "platform/log.h"

namespace kvarnel::layout {

std::string PayloadOrigin::message(const std::string& what, size_t relativeOffset) const {
    std::ostringstream msg;
    msg << source << ": offset " << offset + relativeOffset << ", component '" << component << "' (" << componentClass
        << "), property '" << property << "': " << what;
    return msg.str();
}

namespace detail {

// One payload: its bytes, and its pixels while they are decoded.
struct LazyEntry {
    enum class Kind : uint8_t { Picture, Gif };
    Kind kind = Kind::Picture;
    Bytes bytes;
    PayloadOrigin origin;
    bool failed = false;
    // Decoded: one of the two, by kind.
    std::optional<Image> image;
    std::optional<std::vector<GifFrame>> frames;
    // A GIF played in order: the decoder at the frame last asked for.
    std::unique_ptr<GifFrameStream> stream;
    size_t decodedBytes = 0;
    uint64_t lastUse = 0;

    bool decoded() const { return image.has_value() || frames.has_value() || stream != nullptr; }
    void drop() {
        image.reset();
        frames.reset();
        stream.reset();
        decodedBytes = 0;
    }
    ~LazyEntry() {
        if (decoded()) DecodedPictures::instance().removed(*this);
    }
};

}  // namespace detail

namespace {

using detail::LazyEntry;

const Image kNoImage;
const std::vector<GifFrame> kNoFrames;

size_t bytesOf(const Image& image) {
    return image.pixels.size() * sizeof(uint32_t);
}

// Decodes an entry's payload; on a damaged one logs the error once (the
// entry remembers it failed, so it is never tried again) and leaves it empty.
void decode(LazyEntry& e) {
    try {
        if (e.kind == LazyEntry::Kind::Picture) {
            Picture p = decodePictureRecord(e.bytes);
            e.decodedBytes = bytesOf(p.image);
            e.image = std::move(p.image);
        } else {
            GifAnimation anim = decodeGifControlValue(e.bytes);
            size_t total = 0;
            for (const GifFrame& f : anim.frames) total += bytesOf(f.image);
            e.decodedBytes = total;
            e.frames = std::move(anim.frames);
        }
    } catch (const DecodeError& err) {
        e.failed = true;
        logWarning(e.origin.message(err.what(), err.offset()) + "; the control shows nothing");
    }
}

}  // namespace

// --------------------------------------------------------------- budget

DecodedPictures& DecodedPictures::instance() {
    // Never destroyed: layouts may outlive the end of main() in static
    // storage, and their payloads report to it as they go.
    static DecodedPictures* pictures = new DecodedPictures;
    return *pictures;
}

void DecodedPictures::setBudget(size_t bytes) {
    budget_ = bytes;
    trim();
}

void DecodedPictures::dropAll() {
    for (LazyEntry* e : entries_) e->drop();
    entries_.clear();
    decodedBytes_ = 0;
}

void DecodedPictures::touch(LazyEntry& e) {
    e.lastUse = frame_;
}

void DecodedPictures::added(LazyEntry& e) {
    entries_.push_back(&e);
    decodedBytes_ += e.decodedBytes;
    trim();
}

void DecodedPictures::resized(LazyEntry& e, size_t bytes) {
    if (std::find(entries_.begin(), entries_.end(), &e) == entries_.end()) {
        e.decodedBytes = bytes;
        added(e);
        return;
    }
    decodedBytes_ = decodedBytes_ - e.decodedBytes + bytes;
    e.decodedBytes = bytes;
    trim();
}

void DecodedPictures::removed(LazyEntry& e) {
    const auto it = std::find(entries_.begin(), entries_.end(), &e);
    if (it == entries_.end()) return;
    decodedBytes_ -= e.decodedBytes;
    entries_.erase(it);
}

void DecodedPictures::trim() {
    if (decodedBytes_ <= budget_) return;
    // Oldest use first; what the picture being composed uses stays.
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const LazyEntry* a, const LazyEntry* b) { return a->lastUse < b->lastUse; });
    size_t kept = 0;
    for (LazyEntry* e : entries_) {
        if (decodedBytes_ > budget_ && e->lastUse < frame_) {
            decodedBytes_ -= e->decodedBytes;
            e->drop();
        } else {
            entries_[kept++] = e;
        }
    }
    entries_.resize(kept);
}

// --------------------------------------------------------------- pictures

LazyPicture::LazyPicture(Picture decoded)
    : className(std::move(decoded.className)),
      known(decoded.known),
      eager_(std::make_shared<const Image>(std::move(decoded.image))) {}

LazyPicture LazyPicture::fromRecord(Bytes record, PayloadOrigin origin) {
    LazyPicture p;
    detail::requireBytes(record, 0, 1, "picture class name length");
    const size_t nameLength = record[0];
    detail::requireBytes(record, 1, nameLength, "picture class name");
    p.className.assign(reinterpret_cast<const char*>(record.data()) + 1, nameLength);
    // An unknown class is no picture, and the rest is not looked at.
    p.known = isKnownPictureClass(p.className);
    if (!p.known) return p;
    auto e = std::make_shared<LazyEntry>();
    e->kind = LazyEntry::Kind::Picture;
    e->bytes = std::move(record);
    e->origin = std::move(origin);
    p.entry_ = std::move(e);
    return p;
}

const Image& LazyPicture::image() const {
    if (eager_) return *eager_;
    if (!entry_) return kNoImage;
    LazyEntry& e = *entry_;
    DecodedPictures& pictures = DecodedPictures::instance();
    pictures.touch(e);
    if (!e.image && !e.failed) {
        decode(e);
        if (e.image) pictures.added(e);
    }
    return e.image ? *e.image : kNoImage;
}

bool LazyPicture::failed() const {
    return entry_ && entry_->failed;
}

// --------------------------------------------------------------- GIFs

LazyGif::LazyGif(GifAnimation decoded) : width(decoded.width), height(decoded.height) {
    for (const GifFrame& f : decoded.frames) delays_.push_back(f.delayMs);
    eager_ = std::make_shared<const GifAnimation>(std::move(decoded));
}

LazyGif LazyGif::fromControlValue(Bytes value, PayloadOrigin origin) {
    const GifAnimation outline = outlineGifControlValue(value);
    LazyGif g;
    g.width = outline.width;
    g.height = outline.height;
    for (const GifFrame& f : outline.frames) g.delays_.push_back(f.delayMs);
    auto e = std::make_shared<LazyEntry>();
    e->kind = LazyEntry::Kind::Gif;
    e->bytes = std::move(value);
    e->origin = std::move(origin);
    g.entry_ = std::move(e);
    return g;
}

const std::vector<GifFrame>& LazyGif::frames() const {
    if (eager_) return eager_->frames;
    if (!entry_) return kNoFrames;
    LazyEntry& e = *entry_;
    DecodedPictures& pictures = DecodedPictures::instance();
    pictures.touch(e);
    if (!e.frames && !e.failed) {
        if (e.stream) {  // played frame by frame so far: all of them replace it
            pictures.removed(e);
            e.drop();
        }
        decode(e);
        if (e.frames) pictures.added(e);
    }
    return e.frames ? *e.frames : kNoFrames;
}

const Image& LazyGif::frame(size_t index) const {
    if (eager_) return index < eager_->frames.size() ? eager_->frames[index].image : kNoImage;
    if (!entry_ || entry_->failed) return kNoImage;
    LazyEntry& e = *entry_;
    DecodedPictures& pictures = DecodedPictures::instance();
    pictures.touch(e);
    if (e.frames) return index < e.frames->size() ? (*e.frames)[index].image : kNoImage;
    try {
        // Forward from where the decoder stands; anything earlier (the loop
        // starting over) begins the file again.
        if (!e.stream || e.stream->framesRead() > index + 1) {
            e.stream = GifFrameStream::ofControlValue(e.bytes);
        }
        while (e.stream->framesRead() < index + 1 && e.stream->next()) {
        }
    } catch (const DecodeError& err) {
        if (e.decoded()) pictures.removed(e);
        e.drop();
        e.failed = true;
        logWarning(e.origin.message(err.what(), err.offset()) + "; the control shows nothing");
        return kNoImage;
    }
    pictures.resized(e, e.stream->bytesHeld());
    // An index past the file's last frame shows the last one.
    return e.stream ? e.stream->frame() : kNoImage;
}

}  // namespace kvarnel::layout

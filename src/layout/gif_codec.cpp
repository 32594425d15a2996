// GIF decoding (with frame composition) and encoding through giflib.
//
// The decoder reads record by record rather than with DGifSlurp: slurping
// allocates each frame's raster at the size its descriptor claims (up to
// 65535 x 65535) before any limit could be applied, while reading line by
// line needs one line of memory and lets every size be checked first.
//
// Sections: [Decoder] [Encoder]
#include "layout/gif_codec.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <utility>

#include "layout/codec_internal.h"
#include "layout/errors.h"

namespace kvarnel::layout {
namespace {

// --------------------------------------------------------------- [Decoder]

// Every composed frame is a full copy of the screen; this bounds their sum
// (512 MB). The game's animations use a small fraction of it.
constexpr int64_t kMaxComposedPixels = int64_t{128} << 20;
constexpr size_t kMaxFrames = 10000;

constexpr int kMinDelayMs = 50;
constexpr int kMaxDelayMs = 10000;

struct SpanReader {
    std::span<const uint8_t> data;
    size_t pos = 0;
};

int readFromSpan(GifFileType* gif, GifByteType* buffer, int length) {
    auto* reader = static_cast<SpanReader*>(gif->UserData);
    if (length <= 0) return 0;
    const size_t count = std::min(static_cast<size_t>(length), reader->data.size() - reader->pos);
    if (count > 0) std::memcpy(buffer, reader->data.data() + reader->pos, count);
    reader->pos += count;
    return static_cast<int>(count);
}

struct DecoderHandle {
    GifFileType* gif = nullptr;
    DecoderHandle() = default;
    DecoderHandle(const DecoderHandle&) = delete;
    DecoderHandle& operator=(const DecoderHandle&) = delete;
    ~DecoderHandle() {
        int error = 0;
        if (gif != nullptr) DGifCloseFile(gif, &error);
    }
};

std::string gifErrorText(int code) {
    const char* text = GifErrorString(code);
    return text != nullptr ? text : "giflib error " + std::to_string(code);
}

// What the last Graphics Control Extension said about the next image.
struct FrameControl {
    bool present = false;
    int disposal = 0;
    int delayCs = 0;
    int transparentIndex = -1;
};

int delayMs(const FrameControl& control) {
    if (!control.present || control.delayCs <= 0) return kMinDelayMs;
    return std::clamp(control.delayCs * 10, kMinDelayMs, kMaxDelayMs);
}

// Rows of a frame in the order they are stored: top to bottom, or the four
// interlace passes (every 8th row from 0, every 8th from 4, every 4th from
// 2, every 2nd from 1).
std::vector<int> storedRowOrder(int height, bool interlaced) {
    std::vector<int> order;
    order.reserve(static_cast<size_t>(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y) order.push_back(y);
        return order;
    }
    constexpr std::array<int, 4> kStart{0, 4, 2, 1};
    constexpr std::array<int, 4> kStep{8, 8, 4, 2};
    for (size_t pass = 0; pass < 4; ++pass) {
        for (int y = kStart[pass]; y < height; y += kStep[pass]) order.push_back(y);
    }
    return order;
}

class GifDecoder {
public:
    // `outlineOnly`: read every block and check every limit, but skip the
    // compressed pixels; the frames come back with their delays and no image.
    GifDecoder(std::span<const uint8_t> data, bool outlineOnly) : reader_{data, 0}, outlineOnly_(outlineOnly) {}

    GifAnimation run(size_t maxFrames) {
        open();
        while (composed_ < maxFrames && step()) {
        }
        if (composed_ == 0) throw DecodeError("GIF: the file holds no image", reader_.pos);
        return std::move(anim_);
    }

    // Reads the screen descriptor; the frames follow with step().
    void open() {
        int error = 0;
        handle_.gif = DGifOpen(&reader_, readFromSpan, &error);
        if (handle_.gif == nullptr) throw DecodeError("GIF: " + gifErrorText(error), reader_.pos);
        gif_ = handle_.gif;
        detail::checkImageSize(gif_->SWidth, gif_->SHeight, 6, "GIF logical screen");
        anim_.width = gif_->SWidth;
        anim_.height = gif_->SHeight;
        if (!outlineOnly_) canvas_.assign(static_cast<size_t>(anim_.width) * anim_.height, 0);
    }

    // Reads up to and including the next image; false at the file's end.
    bool step() {
        while (true) {
            const size_t recordStart = reader_.pos;
            GifRecordType type = UNDEFINED_RECORD_TYPE;
            if (DGifGetRecordType(gif_, &type) == GIF_ERROR) {
                // Some writers leave out the trailer byte; a file that ends
                // exactly after a complete frame is still whole.
                if (composed_ > 0 && recordStart == reader_.data.size()) return false;
                throw libraryError();
            }
            if (type == TERMINATE_RECORD_TYPE) return false;
            if (type == EXTENSION_RECORD_TYPE) {
                readExtension();
            } else if (type == IMAGE_DESC_RECORD_TYPE) {
                if (DGifGetImageDesc(gif_) == GIF_ERROR) throw libraryError();
                composeFrame();
                control_ = FrameControl{};
                return true;
            }
        }
    }

    // Frames composed so far, and (streaming) the last of them.
    size_t composed() const { return composed_; }
    const Image& current() const { return current_; }
    // Streaming: each frame replaces the one before instead of being kept.
    void keepOnlyTheLastFrame() { keepFrames_ = false; }
    size_t bytesHeld() const {
        return (canvas_.capacity() + current_.pixels.capacity() + before_.capacity()) * sizeof(uint32_t);
    }

private:
    DecodeError libraryError() const { return DecodeError("GIF: " + gifErrorText(gif_->Error), reader_.pos); }

    void readExtension() {
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(gif_, &code, &block) == GIF_ERROR) throw libraryError();
        bool first = true;
        while (block != nullptr) {
            // block[0] is the sub-block length, the data follows it.
            if (code == GRAPHICS_EXT_FUNC_CODE && first && block[0] >= 4) {
                control_.present = true;
                control_.disposal = (block[1] >> 2) & 7;
                control_.delayCs = block[2] | (block[3] << 8);
                control_.transparentIndex = (block[1] & 1) ? block[4] : -1;
            }
            first = false;
            if (DGifGetExtensionNext(gif_, &block) == GIF_ERROR) throw libraryError();
        }
    }

    void composeFrame() {
        const GifImageDesc& desc = gif_->Image;
        const size_t frameNumber = composed_ + 1;
        const ColorMapObject* map = desc.ColorMap != nullptr ? desc.ColorMap : gif_->SColorMap;
        if (map == nullptr || map->Colors == nullptr) {
            throw DecodeError(
                "GIF: frame " + std::to_string(frameNumber) + " has neither a local nor a global colour map",
                reader_.pos);
        }
        if (int64_t{desc.Width} * desc.Height > detail::kMaxImagePixels) {
            throw DecodeError("GIF: frame " + std::to_string(frameNumber) + " of " + std::to_string(desc.Width) +
                                  " x " + std::to_string(desc.Height) + " is too large",
                              reader_.pos);
        }
        const int64_t screenPixels = int64_t{anim_.width} * anim_.height;
        if (frameNumber > kMaxFrames || composedPixels_ + screenPixels > kMaxComposedPixels) {
            throw DecodeError("GIF: more frames than the size limits allow (frame " + std::to_string(frameNumber) + ")",
                              reader_.pos);
        }

        if (outlineOnly_) {
            int codeSize = 0;
            GifByteType* block = nullptr;
            if (DGifGetCode(gif_, &codeSize, &block) == GIF_ERROR) throw libraryError();
            while (block != nullptr) {
                if (DGifGetCodeNext(gif_, &block) == GIF_ERROR) throw libraryError();
            }
            anim_.frames.push_back(GifFrame{Image{}, delayMs(control_)});
            composedPixels_ += screenPixels;
            ++composed_;
            return;
        }

        std::vector<uint32_t> colours;
        colours.reserve(static_cast<size_t>(map->ColorCount));
        for (int i = 0; i < map->ColorCount; ++i) {
            const GifColorType& c = map->Colors[i];
            colours.push_back(argb(c.Red, c.Green, c.Blue));
        }
        const int disposal = control_.disposal;
        if (disposal == DISPOSE_PREVIOUS) before_ = canvas_;

        if (desc.Width <= 0 || desc.Height <= 0) {
            // Nothing to draw, but the (empty) image data must be consumed.
            GifByteType* block = nullptr;
            do {
                if (DGifGetCodeNext(gif_, &block) == GIF_ERROR) throw libraryError();
            } while (block != nullptr);
        } else {
            drawRows(desc, colours);
        }

        if (keepFrames_) {
            anim_.frames.push_back(GifFrame{Image{anim_.width, anim_.height, canvas_}, delayMs(control_)});
        } else {
            current_.width = anim_.width;
            current_.height = anim_.height;
            current_.pixels.assign(canvas_.begin(), canvas_.end());
        }
        composedPixels_ += screenPixels;
        ++composed_;

        if (disposal == DISPOSE_BACKGROUND) {
            forEachVisible(desc, [](uint32_t& pixel) { pixel = 0; });
        } else if (disposal == DISPOSE_PREVIOUS) {
            canvas_.swap(before_);
        }
    }

    void drawRows(const GifImageDesc& desc, const std::vector<uint32_t>& colours) {
        std::vector<GifPixelType> line(static_cast<size_t>(desc.Width));
        const int transparent = control_.transparentIndex;
        for (const int row : storedRowOrder(desc.Height, desc.Interlace)) {
            if (DGifGetLine(gif_, line.data(), desc.Width) == GIF_ERROR) throw libraryError();
            const int y = desc.Top + row;
            if (y >= anim_.height) continue;
            uint32_t* dst = canvas_.data() + static_cast<size_t>(y) * anim_.width;
            const int visible = std::min(desc.Width, anim_.width - desc.Left);
            for (int x = 0; x < visible; ++x) {
                const int index = line[static_cast<size_t>(x)];
                if (index == transparent || index >= static_cast<int>(colours.size())) continue;
                dst[desc.Left + x] = colours[static_cast<size_t>(index)];
            }
        }
    }

    template <typename Fn>
    void forEachVisible(const GifImageDesc& desc, Fn fn) {
        const int right = std::min(anim_.width, desc.Left + desc.Width);
        const int bottom = std::min(anim_.height, desc.Top + desc.Height);
        for (int y = desc.Top; y < bottom; ++y) {
            for (int x = desc.Left; x < right; ++x) {
                fn(canvas_[static_cast<size_t>(y) * anim_.width + x]);
            }
        }
    }

    SpanReader reader_;
    bool outlineOnly_ = false;
    DecoderHandle handle_;
    GifFileType* gif_ = nullptr;
    GifAnimation anim_;
    std::vector<uint32_t> canvas_;
    std::vector<uint32_t> before_;  // the screen a "restore to previous" frame goes back to
    FrameControl control_;
    int64_t composedPixels_ = 0;
    size_t composed_ = 0;
    bool keepFrames_ = true;
    Image current_;
};

// --------------------------------------------------------------- [Encoder]

int appendToVector(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
    if (length <= 0) return 0;
    try {
        out->insert(out->end(), data, data + length);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return length;
}

struct EncoderHandle {
    GifFileType* gif = nullptr;
    EncoderHandle() = default;
    EncoderHandle(const EncoderHandle&) = delete;
    EncoderHandle& operator=(const EncoderHandle&) = delete;
    ~EncoderHandle() {
        int error = 0;
        if (gif != nullptr) EGifCloseFile(gif, &error);
    }
    // Writes the trailer and frees the handle.
    void close() {
        int error = 0;
        GifFileType* g = gif;
        gif = nullptr;
        if (EGifCloseFile(g, &error) == GIF_ERROR) {
            throw std::runtime_error("encodeGif: " + gifErrorText(error));
        }
    }
};

struct ColourMapHandle {
    ColorMapObject* map = nullptr;
    ColourMapHandle() = default;
    ColourMapHandle(const ColourMapHandle&) = delete;
    ColourMapHandle& operator=(const ColourMapHandle&) = delete;
    ~ColourMapHandle() { GifFreeMapObject(map); }
};

void require(bool condition, const std::string& what) {
    if (!condition) throw std::invalid_argument("encodeGif: " + what);
}

void checkPlan(const GifPlan& plan, int mapSize) {
    require(plan.width >= 1 && plan.width <= 65535 && plan.height >= 1 && plan.height <= 65535,
            "screen size must be 1 .. 65535 per side");
    require(!plan.palette.empty() && plan.palette.size() <= 256, "palette needs 1 .. 256 colours");
    require(plan.backgroundIndex >= 0 && plan.backgroundIndex < mapSize, "background index");
    require(plan.loopCount >= -1 && plan.loopCount <= 65535, "loop count");
    for (size_t i = 0; i < plan.frames.size(); ++i) {
        const GifFramePlan& f = plan.frames[i];
        const std::string name = "frame " + std::to_string(i) + ": ";
        require(f.left >= 0 && f.left <= 65535 && f.top >= 0 && f.top <= 65535, name + "offset must be 0 .. 65535");
        require(f.width >= 1 && f.width <= 65535 && f.height >= 1 && f.height <= 65535,
                name + "size must be 1 .. 65535");
        require(f.indices.size() == static_cast<size_t>(f.width) * f.height,
                name + "index data must hold width x height bytes");
        require(std::all_of(f.indices.begin(), f.indices.end(), [&](uint8_t index) { return index < mapSize; }),
                name + "index beyond the colour map");
        require(f.delayCs >= 0 && f.delayCs <= 65535, name + "delay must be 0 .. 65535");
        require(f.transparentIndex >= -1 && f.transparentIndex <= 255, name + "transparent index");
        require(f.disposal >= 0 && f.disposal <= 7, name + "disposal must be 0 .. 7");
    }
}

}  // namespace

struct GifFrameStream::Decoder {
    Decoder(std::span<const uint8_t> gif, size_t offsetShift) : decoder(gif, false), shift(offsetShift) {}
    GifDecoder decoder;
    size_t shift;  // bytes before the GIF file in what the caller holds
};

GifFrameStream::GifFrameStream(std::span<const uint8_t> gif, size_t offsetShift)
    : d_(std::make_unique<Decoder>(gif, offsetShift)) {
    try {
        d_->decoder.keepOnlyTheLastFrame();
        d_->decoder.open();
    } catch (const DecodeError& e) {
        throw DecodeError(e.what(), e.offset() + offsetShift);
    }
}

GifFrameStream::~GifFrameStream() = default;

bool GifFrameStream::next() {
    try {
        if (d_->decoder.step()) return true;
        if (d_->decoder.composed() == 0) throw DecodeError("GIF: the file holds no image", 0);
        return false;
    } catch (const DecodeError& e) {
        throw DecodeError(e.what(), e.offset() + d_->shift);
    }
}

const Image& GifFrameStream::frame() const {
    return d_->decoder.current();
}

size_t GifFrameStream::framesRead() const {
    return d_->decoder.composed();
}

size_t GifFrameStream::bytesHeld() const {
    return d_->decoder.bytesHeld();
}

std::unique_ptr<GifFrameStream> GifFrameStream::ofControlValue(std::span<const uint8_t> value) {
    const uint32_t count = detail::readU32(value, 0, "GIF byte count");
    if (count > value.size() - 4) {
        throw DecodeError("GIF byte count " + std::to_string(count) + " runs past the value's " +
                              std::to_string(value.size() - 4) + " bytes",
                          0);
    }
    return std::make_unique<GifFrameStream>(value.subspan(4, count), 4);
}

GifAnimation decodeGif(std::span<const uint8_t> gif, size_t maxFrames) {
    GifDecoder decoder(gif, false);
    return decoder.run(maxFrames);
}

GifAnimation outlineGif(std::span<const uint8_t> gif) {
    GifDecoder decoder(gif, true);
    return decoder.run(SIZE_MAX);
}

std::vector<uint8_t> encodeGif(const GifPlan& plan) {
    int mapSize = 2;
    while (mapSize < static_cast<int>(plan.palette.size())) mapSize *= 2;
    checkPlan(plan, mapSize);

    std::vector<GifColorType> colours(static_cast<size_t>(mapSize), GifColorType{0, 0, 0});
    for (size_t i = 0; i < plan.palette.size(); ++i) {
        const uint32_t c = plan.palette[i];
        colours[i] = GifColorType{static_cast<GifByteType>(c >> 16), static_cast<GifByteType>(c >> 8),
                                  static_cast<GifByteType>(c)};
    }
    ColourMapHandle map;
    map.map = GifMakeMapObject(mapSize, colours.data());
    if (map.map == nullptr) throw std::bad_alloc();

    std::vector<uint8_t> out;
    int error = 0;
    EncoderHandle handle;
    handle.gif = EGifOpen(&out, appendToVector, &error);
    if (handle.gif == nullptr) throw std::runtime_error("encodeGif: " + gifErrorText(error));
    GifFileType* g = handle.gif;
    const auto check = [&](int result) {
        if (result == GIF_ERROR) throw std::runtime_error("encodeGif: " + gifErrorText(g->Error));
    };

    EGifSetGifVersion(g, true);
    check(EGifPutScreenDesc(g, plan.width, plan.height, 8, plan.backgroundIndex, map.map));
    if (plan.loopCount >= 0) {
        const uint8_t loop[3] = {1, static_cast<uint8_t>(plan.loopCount), static_cast<uint8_t>(plan.loopCount >> 8)};
        check(EGifPutExtensionLeader(g, APPLICATION_EXT_FUNC_CODE));
        check(EGifPutExtensionBlock(g, 11, "NETSCAPE2.0"));
        check(EGifPutExtensionBlock(g, 3, loop));
        check(EGifPutExtensionTrailer(g));
    }
    std::vector<GifPixelType> line;
    for (const GifFramePlan& f : plan.frames) {
        if (f.graphicsControl) {
            const GraphicsControlBlock gcb{f.disposal, false, f.delayCs, f.transparentIndex};
            GifByteType extension[4];
            EGifGCBToExtension(&gcb, extension);
            check(EGifPutExtension(g, GRAPHICS_EXT_FUNC_CODE, 4, extension));
        }
        check(EGifPutImageDesc(g, f.left, f.top, f.width, f.height, f.interlaced, nullptr));
        line.resize(static_cast<size_t>(f.width));
        for (const int row : storedRowOrder(f.height, f.interlaced)) {
            const auto first = f.indices.begin() + static_cast<ptrdiff_t>(row) * f.width;
            std::copy(first, first + f.width, line.begin());
            check(EGifPutLine(g, line.data(), f.width));
        }
    }
    handle.close();
    return out;
}

std::vector<uint8_t> encodeGifFromImages(const std::vector<Image>& frames, const std::vector<int>& delaysMs) {
    if (frames.empty() || frames.front().empty()) {
        throw std::invalid_argument("encodeGifFromImages: needs at least one non-empty frame");
    }
    if (!delaysMs.empty() && delaysMs.size() != frames.size()) {
        throw std::invalid_argument("encodeGifFromImages: " + std::to_string(delaysMs.size()) + " delays for " +
                                    std::to_string(frames.size()) + " frames");
    }
    GifPlan plan;
    plan.width = frames.front().width;
    plan.height = frames.front().height;
    plan.loopCount = frames.size() > 1 ? 0 : -1;

    constexpr int kNoIndex = -1;
    std::unordered_map<uint32_t, int> indexOf;
    std::vector<std::vector<int>> indexed;  // per frame; kNoIndex = transparent
    for (const Image& image : frames) {
        if (image.width != plan.width || image.height != plan.height ||
            image.pixels.size() != static_cast<size_t>(image.width) * image.height) {
            throw std::invalid_argument("encodeGifFromImages: frames differ in size");
        }
        std::vector<int>& indices = indexed.emplace_back();
        indices.reserve(image.pixels.size());
        for (const uint32_t pixel : image.pixels) {
            if ((pixel >> 24) < 128) {
                indices.push_back(kNoIndex);
                continue;
            }
            const uint32_t rgb = pixel & 0xFFFFFF;
            auto [it, added] = indexOf.try_emplace(rgb, static_cast<int>(plan.palette.size()));
            if (added) {
                if (plan.palette.size() == 255) {
                    throw std::invalid_argument("encodeGifFromImages: more than 255 distinct opaque colours");
                }
                plan.palette.push_back(rgb);
            }
            indices.push_back(it->second);
        }
    }
    const int transparent = static_cast<int>(plan.palette.size());
    plan.palette.push_back(0);

    for (size_t i = 0; i < frames.size(); ++i) {
        GifFramePlan& f = plan.frames.emplace_back();
        f.width = plan.width;
        f.height = plan.height;
        f.indices.reserve(indexed[i].size());
        for (const int index : indexed[i]) {
            f.indices.push_back(static_cast<uint8_t>(index == kNoIndex ? transparent : index));
        }
        const int ms = delaysMs.empty() ? 100 : delaysMs[i];
        f.delayCs = std::clamp((ms + 5) / 10, 0, 65535);
        f.transparentIndex = transparent;
        f.disposal = DISPOSE_BACKGROUND;
    }
    return encodeGif(plan);
}

namespace {
// The GIF file inside an animated-GIF control's value, read by `read`, with
// offsets counted from the start of the value.
GifAnimation readControlValue(std::span<const uint8_t> value, GifAnimation (*read)(std::span<const uint8_t>)) {
    const uint32_t count = detail::readU32(value, 0, "GIF byte count");
    if (count > value.size() - 4) {
        throw DecodeError("GIF byte count " + std::to_string(count) + " runs past the value's " +
                              std::to_string(value.size() - 4) + " bytes",
                          0);
    }
    try {
        return read(value.subspan(4, count));
    } catch (const DecodeError& e) {
        throw DecodeError(e.what(), e.offset() + 4);
    }
}
}  // namespace

GifAnimation decodeGifControlValue(std::span<const uint8_t> value) {
    return readControlValue(value, [](std::span<const uint8_t> gif) { return decodeGif(gif); });
}

GifAnimation outlineGifControlValue(std::span<const uint8_t> value) {
    return readControlValue(value, outlineGif);
}

std::vector<uint8_t> encodeGifControlValue(std::span<const uint8_t> gif) {
    std::vector<uint8_t> out;
    out.reserve(gif.size() + 4);
    detail::appendU32(out, static_cast<uint32_t>(gif.size()));
    detail::appendBytes(out, gif);
    return out;
}

}  // namespace kvarnel::layout

// Movie files: [1] video files through FFmpeg (SWF with FLV1, Matroska with
// MPEG-4), [2] vector-only SWF written byte by byte.
#include "standin/movie_writer.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <stdexcept>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

namespace kvarnel::standin {
namespace {

constexpr int kMaxSide = 4096;

std::string ffmpegError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    if (av_strerror(code, text, sizeof text) < 0) return "error " + std::to_string(code);
    return text;
}

// ---------------------------------------------------------------------------
// [1] Video files through FFmpeg
// ---------------------------------------------------------------------------

// Every FFmpeg object of one write, freed in the right order whatever fails.
struct Encoder {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* scaler = nullptr;
    AVStream* stream = nullptr;
    std::string path;

    Encoder() = default;
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;
    ~Encoder() {
        sws_freeContext(scaler);
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&codec);
        if (format) {
            if (format->pb) avio_closep(&format->pb);
            avformat_free_context(format);
        }
    }

    [[noreturn]] void fail(const std::string& what, int code) const {
        throw std::runtime_error("cannot write movie " + path + ": " + what + " (" + ffmpegError(code) + ")");
    }
    void check(int code, const std::string& what) const {
        if (code < 0) fail(what, code);
    }

    // Moves every packet the encoder has ready into the file.
    void writePackets() {
        for (;;) {
            const int result = avcodec_receive_packet(codec, packet);
            if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return;
            check(result, "encoding a frame");
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            check(av_interleaved_write_frame(format, packet), "writing a frame");  // takes the packet's data
        }
    }
};

// What to write: container, codec, and how the stream is shaped.
struct Target {
    const char* muxer;
    AVCodecID codec;
    int maxBFrames;      // B-frames make the decoder hold frames back
    int64_t firstFrame;  // time stamp of the first frame, in frames
};

void encodeMovie(Encoder& e, const std::vector<layout::Image>& frames, int fps, const Target& target) {
    const int width = frames.front().width;
    const int height = frames.front().height;

    e.check(avformat_alloc_output_context2(&e.format, nullptr, target.muxer, nullptr),
            std::string("no ") + target.muxer + " muxer");
    e.format->flags |= AVFMT_FLAG_BITEXACT;

    const AVCodec* encoder = avcodec_find_encoder(target.codec);
    if (!encoder) e.fail(std::string("no ") + avcodec_get_name(target.codec) + " encoder", AVERROR_ENCODER_NOT_FOUND);
    e.codec = avcodec_alloc_context3(encoder);
    if (!e.codec) e.fail("allocating the encoder", AVERROR(ENOMEM));
    e.codec->width = width;
    e.codec->height = height;
    e.codec->pix_fmt = AV_PIX_FMT_YUV420P;
    e.codec->time_base = AVRational{1, fps};
    e.codec->framerate = AVRational{fps, 1};
    e.codec->gop_size = fps;  // a key frame every second
    e.codec->max_b_frames = target.maxBFrames;
    e.codec->thread_count = 1;
    // Constant fine quantiser: flat test colours must survive nearly intact.
    e.codec->flags |= AV_CODEC_FLAG_BITEXACT | AV_CODEC_FLAG_QSCALE;
    e.codec->global_quality = FF_QP2LAMBDA * 2;
    if (e.format->oformat->flags & AVFMT_GLOBALHEADER) e.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    e.check(avcodec_open2(e.codec, encoder, nullptr), "opening the encoder");

    e.stream = avformat_new_stream(e.format, nullptr);
    if (!e.stream) e.fail("adding the video stream", AVERROR(ENOMEM));
    e.stream->time_base = e.codec->time_base;  // the SWF muxer takes the frame rate from it
    e.stream->avg_frame_rate = e.codec->framerate;
    e.check(avcodec_parameters_from_context(e.stream->codecpar, e.codec), "describing the video stream");

    // The SWF muxer goes back to fill in the file length and frame count, so
    // the output must be a seekable file.
    e.check(avio_open(&e.format->pb, ("file:" + e.path).c_str(), AVIO_FLAG_WRITE), "creating the file");
    e.check(avformat_write_header(e.format, nullptr), "writing the file header");

    e.frame = av_frame_alloc();
    e.packet = av_packet_alloc();
    if (!e.frame || !e.packet) e.fail("allocating a frame", AVERROR(ENOMEM));
    e.frame->format = AV_PIX_FMT_YUV420P;
    e.frame->width = width;
    e.frame->height = height;
    e.check(av_frame_get_buffer(e.frame, 0), "allocating a frame");
    e.scaler = sws_getContext(width, height, AV_PIX_FMT_RGB32, width, height, AV_PIX_FMT_YUV420P,
                              SWS_BILINEAR | SWS_ACCURATE_RND | SWS_BITEXACT, nullptr, nullptr, nullptr);
    if (!e.scaler) e.fail("setting up the colour conversion", AVERROR(EINVAL));

    for (size_t i = 0; i < frames.size(); ++i) {
        e.check(av_frame_make_writable(e.frame), "reusing a frame");
        // RGB32 is 0xAARRGGBB in native order, the layout of Image.
        const uint8_t* source[4] = {reinterpret_cast<const uint8_t*>(frames[i].pixels.data()), nullptr, nullptr,
                                    nullptr};
        const int strides[4] = {width * 4, 0, 0, 0};
        sws_scale(e.scaler, source, strides, 0, height, e.frame->data, e.frame->linesize);
        e.frame->pts = target.firstFrame + static_cast<int64_t>(i);
        e.frame->quality = e.codec->global_quality;
        e.frame->pict_type = AV_PICTURE_TYPE_NONE;
        e.check(avcodec_send_frame(e.codec, e.frame), "encoding a frame");
        e.writePackets();
    }
    e.check(avcodec_send_frame(e.codec, nullptr), "flushing the encoder");
    e.writePackets();
    e.check(av_write_trailer(e.format), "finishing the file");
    e.check(avio_closep(&e.format->pb), "closing the file");
}

// ---------------------------------------------------------------------------
// [2] Vector-only SWF
// ---------------------------------------------------------------------------

// SWF bit fields: most significant bit first, padded to a byte.
class BitWriter {
public:
    explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}
    ~BitWriter() { align(); }
    BitWriter(const BitWriter&) = delete;
    BitWriter& operator=(const BitWriter&) = delete;

    void put(int64_t value, int bits) {
        for (int i = bits - 1; i >= 0; --i) {
            byte_ = static_cast<uint8_t>(byte_ << 1 | ((static_cast<uint64_t>(value) >> i) & 1));
            if (++used_ == 8) {
                out_.push_back(byte_);
                byte_ = 0;
                used_ = 0;
            }
        }
    }
    void align() {
        if (used_ > 0) put(0, 8 - used_);
    }

private:
    std::vector<uint8_t>& out_;
    uint8_t byte_ = 0;
    int used_ = 0;
};

// Bits a signed field needs to hold every value in `values`.
int signedBits(std::initializer_list<int> values) {
    int bits = 1;
    for (int value : values) {
        int magnitude = value < 0 ? ~value : value;
        int needed = 1;
        while (magnitude > 0) {
            magnitude >>= 1;
            ++needed;
        }
        bits = std::max(bits, needed);
    }
    return bits;
}

void putRect(std::vector<uint8_t>& out, int xMax, int yMax) {
    BitWriter bits(out);
    const int n = signedBits({xMax, yMax});
    bits.put(n, 5);
    bits.put(0, n);
    bits.put(xMax, n);
    bits.put(0, n);
    bits.put(yMax, n);
}

void putU16(std::vector<uint8_t>& out, unsigned value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void putTag(std::vector<uint8_t>& out, unsigned code, const std::vector<uint8_t>& body) {
    if (body.size() < 63) {
        putU16(out, code << 6 | static_cast<unsigned>(body.size()));
    } else {
        putU16(out, code << 6 | 63);
        const auto length = static_cast<uint32_t>(body.size());
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(length >> (8 * i)));
    }
    out.insert(out.end(), body.begin(), body.end());
}

std::vector<uint8_t> vectorOnlySwf() {
    constexpr int kTwips = 20;
    constexpr int kWidth = 160 * kTwips;
    constexpr int kHeight = 120 * kTwips;
    std::vector<uint8_t> file = {'F', 'W', 'S', 6, 0, 0, 0, 0};  // length filled in last
    putRect(file, kWidth, kHeight);
    putU16(file, 10 << 8);  // frame rate 10.0 (8.8 fixed point)
    putU16(file, 1);        // frame count

    putTag(file, 9, {0x00, 0x00, 0x00});  // SetBackgroundColor: black

    std::vector<uint8_t> shape;  // DefineShape
    putU16(shape, 1);            // character id
    putRect(shape, kWidth, kHeight);
    shape.insert(shape.end(), {1, 0x00, 0xE0, 0x30, 0x30});  // one solid red fill
    shape.push_back(0);                                      // no line styles
    {
        BitWriter bits(shape);
        bits.put(1, 4);  // fill style index bits
        bits.put(0, 4);  // line style index bits
        const int n = signedBits({kWidth, kHeight, -kWidth, -kHeight});
        // Style change: move to 0,0 and fill the right-hand side of the path
        // (the inside, as the edges run clockwise with y pointing down).
        bits.put(0, 1);
        bits.put(0b00101, 5);  // new styles, line style, fill 0: no; fill 1, move: yes
        bits.put(n, 5);
        bits.put(0, n);
        bits.put(0, n);
        bits.put(1, 1);  // fill 1 := fill style 1
        // Four straight edges around the rectangle.
        const int edges[4][2] = {{kWidth, 0}, {0, kHeight}, {-kWidth, 0}, {0, -kHeight}};
        for (const auto& edge : edges) {
            bits.put(1, 1);  // edge record
            bits.put(1, 1);  // straight
            bits.put(n - 2, 4);
            bits.put(0, 1);  // not general: horizontal or vertical
            const bool vertical = edge[0] == 0;
            bits.put(vertical ? 1 : 0, 1);
            bits.put(vertical ? edge[1] : edge[0], n);
        }
        bits.put(0, 6);  // end of shape
    }
    putTag(file, 2, shape);

    // PlaceObject2 with a character and an identity matrix, at depth 1.
    putTag(file, 26, {0x06, 1, 0, 1, 0, 0x00});
    putTag(file, 1, {});  // ShowFrame
    putTag(file, 0, {});  // End

    const auto length = static_cast<uint32_t>(file.size());
    for (int i = 0; i < 4; ++i) file[4 + i] = static_cast<uint8_t>(length >> (8 * i));
    return file;
}

// Checks the input, then writes; a failed write leaves no file behind.
void writeMovie(const std::string& path, const std::vector<layout::Image>& frames, int fps, const Target& target) {
    const auto fail = [&](const std::string& why) {
        throw std::runtime_error("cannot write movie " + path + ": " + why);
    };
    if (frames.empty()) fail("no frames");
    if (fps < 1 || fps > 120) fail("frame rate " + std::to_string(fps) + " outside 1..120");
    const int width = frames.front().width;
    const int height = frames.front().height;
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) {
        fail("frame size " + std::to_string(width) + " x " + std::to_string(height) + " out of range");
    }
    for (const layout::Image& frame : frames) {
        if (frame.width != width || frame.height != height ||
            frame.pixels.size() != static_cast<size_t>(width) * height) {
            fail("frames differ in size");
        }
    }
    try {
        Encoder encoder;
        encoder.path = path;
        encodeMovie(encoder, frames, fps, target);
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);  // no half-written movie stays behind
        throw;
    }
}

}  // namespace

void writeSwfMovie(const std::string& path, const std::vector<layout::Image>& frames, int fps) {
    writeMovie(path, frames, fps, Target{.muxer = "swf", .codec = AV_CODEC_ID_FLV1, .maxBFrames = 0, .firstFrame = 0});
}

void writeMatroskaMovie(const std::string& path, const std::vector<layout::Image>& frames, int fps, int firstFrame) {
    writeMovie(path, frames, fps,
               Target{.muxer = "matroska", .codec = AV_CODEC_ID_MPEG4, .maxBFrames = 2, .firstFrame = firstFrame});
}

void writeVectorOnlySwf(const std::string& path) {
    const std::vector<uint8_t> bytes = vectorOnlySwf();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write movie " + path);
}

}  // namespace kvarnel::standin

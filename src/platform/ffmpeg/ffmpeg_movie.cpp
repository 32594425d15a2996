// The movie decoder over the FFmpeg libraries, built as the module the game
// loads when its first movie opens (and linked in directly by the tests and
// tools).
//
// [1] Limits and small helpers
// [2] A compressed SWF, inflated by the caller, read from memory
// [3] The decoder
#include "platform/ffmpeg/ffmpeg_movie.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <utility>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/imgutils.h>
#include <libavutil/mathematics.h>
#include <libswscale/swscale.h>
}

namespace kvarnel::platform {

// ---------------------------------------------------------------------------
// [1] Limits and small helpers
// ---------------------------------------------------------------------------
namespace {

// The largest picture we convert (the game's movies are 1024 x 768).
constexpr int kMaxSide = 8192;
constexpr int64_t kMaxPixels = int64_t{4096} * 4096;

constexpr AVRational kMillisecond{1, 1000};

std::string ffmpegError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    if (av_strerror(code, text, sizeof text) < 0) return "error " + std::to_string(code);
    return text;
}

// FFmpeg reports damaged input on standard error by itself; the reasons that
// matter reach our own log, so its chatter is kept to fatal errors.
void quietFfmpeg() {
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_FATAL); });
}

bool sizeInRange(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide && int64_t{width} * height <= kMaxPixels;
}

int64_t clampMs(int64_t ms) {
    return std::clamp<int64_t>(ms, 0, kMaxMovieMs);
}

// ---------------------------------------------------------------------------
// [2] A compressed SWF, inflated by the caller, read from memory
// ---------------------------------------------------------------------------

struct MemoryFile {
    std::vector<uint8_t> bytes;
    size_t position = 0;
};

int readMemory(void* opaque, uint8_t* buffer, int size) {
    auto* file = static_cast<MemoryFile*>(opaque);
    if (size <= 0) return 0;
    const size_t left = file->bytes.size() - file->position;
    if (left == 0) return AVERROR_EOF;
    const size_t count = std::min(left, static_cast<size_t>(size));
    std::memcpy(buffer, file->bytes.data() + file->position, count);
    file->position += count;
    return static_cast<int>(count);
}

int64_t seekMemory(void* opaque, int64_t offset, int whence) {
    auto* file = static_cast<MemoryFile*>(opaque);
    const auto size = static_cast<int64_t>(file->bytes.size());
    if (whence & AVSEEK_SIZE) return size;
    int64_t base = 0;
    switch (whence & ~AVSEEK_FORCE) {
        case SEEK_SET:
            base = 0;
            break;
        case SEEK_CUR:
            base = static_cast<int64_t>(file->position);
            break;
        case SEEK_END:
            base = size;
            break;
        default:
            return AVERROR(EINVAL);
    }
    // Offsets come from the demuxer, which takes them from the file: check
    // before adding so that no value can overflow.
    if (offset < -base || offset > size - base) return AVERROR(EINVAL);
    file->position = static_cast<size_t>(base + offset);
    return base + offset;
}

// ---------------------------------------------------------------------------
// [3] The decoder
// ---------------------------------------------------------------------------
struct State {
    std::unique_ptr<MemoryFile> memory;  // outlives `io` and `format`
    AVIOContext* io = nullptr;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVPacket* packet = nullptr;
    AVFrame* frame = nullptr;
    SwsContext* scaler = nullptr;
    int streamIndex = -1;
    AVRational timeBase{0, 1};
    int64_t nominalFrameMs = 0;
    int64_t headerDurationMs = 0;  // from an SWF header; FFmpeg does not tell

    // Time stamps: the first frame that carries one anchors the others.
    int64_t anchorPts = AV_NOPTS_VALUE;
    int64_t anchorMs = 0;
    int64_t lastMs = -1;
    bool draining = false;
    bool finished = false;

    State() = default;
    State(const State&) = delete;
    State& operator=(const State&) = delete;
    ~State() {
        sws_freeContext(scaler);
        av_frame_free(&frame);
        av_packet_free(&packet);
        avcodec_free_context(&codec);
        avformat_close_input(&format);  // leaves a custom `io` alone
        if (io) {
            av_freep(&io->buffer);  // FFmpeg may have replaced the buffer we gave
            avio_context_free(&io);
        }
    }

    int64_t timeOf(const AVFrame& decoded) {
        const int64_t pts = decoded.best_effort_timestamp;
        const int64_t step = nominalFrameMs > 0 ? nominalFrameMs : kFallbackFrameMs;
        const int64_t guess = lastMs < 0 ? 0 : clampMs(lastMs + step);
        int64_t ms = guess;
        if (pts != AV_NOPTS_VALUE) {
            if (anchorPts == AV_NOPTS_VALUE) {
                anchorPts = pts;
                anchorMs = guess;
            }
            int64_t delta = 0;
            if (!__builtin_sub_overflow(pts, anchorPts, &delta)) {
                const int64_t scaled = av_rescale_q_rnd(
                    delta, timeBase, kMillisecond, static_cast<AVRounding>(AV_ROUND_NEAR_INF | AV_ROUND_PASS_MINMAX));
                ms = clampMs(anchorMs + clampMs(scaled));
            }
        }
        ms = std::max(ms, lastMs < 0 ? int64_t{0} : lastMs);  // never backwards
        lastMs = ms;
        return ms;
    }

    // Converts the decoded frame into `image`; false when it cannot be shown.
    bool convert(layout::Image& image) {
        const int w = frame->width;
        const int h = frame->height;
        if (!sizeInRange(w, h) || frame->format < 0) return false;
        scaler = sws_getCachedContext(scaler, w, h, static_cast<AVPixelFormat>(frame->format), w, h, AV_PIX_FMT_RGB32,
                                      SWS_BILINEAR | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
        if (!scaler) return false;
        image.width = w;
        image.height = h;
        image.pixels.resize(static_cast<size_t>(w) * h);
        uint8_t* planes[4] = {reinterpret_cast<uint8_t*>(image.pixels.data()), nullptr, nullptr, nullptr};
        int strides[4] = {w * 4, 0, 0, 0};
        if (sws_scale(scaler, frame->data, frame->linesize, 0, h, planes, strides) != h) return false;
        // RGB32 is 0xAARRGGBB in native order; video carries no alpha.
        for (uint32_t& pixel : image.pixels) pixel |= 0xFF000000u;
        return true;
    }
};

class FfmpegMovieDecoder final : public MovieDecoder {
public:
    explicit FfmpegMovieDecoder(std::unique_ptr<State> state) : state_(std::move(state)) {}

    int width() const override { return state_->format->streams[state_->streamIndex]->codecpar->width; }
    int height() const override { return state_->format->streams[state_->streamIndex]->codecpar->height; }
    int64_t nominalFrameMs() const override { return state_->nominalFrameMs; }

    int64_t durationMs() const override {
        const AVFormatContext* format = state_->format;
        if (format->duration != AV_NOPTS_VALUE && format->duration > 0) {
            return clampMs(av_rescale_q(format->duration, AVRational{1, AV_TIME_BASE}, kMillisecond));
        }
        const AVStream* stream = format->streams[state_->streamIndex];
        if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0) {
            return clampMs(av_rescale_q(stream->duration, state_->timeBase, kMillisecond));
        }
        return state_->headerDurationMs;
    }

    bool next(layout::Image& frame, int64_t& ptsMs) override {
        State& s = *state_;
        while (!s.finished) {
            const int received = avcodec_receive_frame(s.codec, s.frame);
            if (received == 0) {
                const bool shown = s.convert(frame);
                if (shown) ptsMs = s.timeOf(*s.frame);
                av_frame_unref(s.frame);
                if (shown) return true;
                continue;  // a frame we cannot show (absurd size) is skipped
            }
            if (received != AVERROR(EAGAIN) || s.draining) {
                s.finished = true;  // drained, or the decoder gave up
                break;
            }
            const int read = av_read_frame(s.format, s.packet);
            if (read < 0) {
                // End of file or unreadable rest: drain the frames the decoder
                // still holds, so the last ones are not lost.
                s.draining = true;
                avcodec_send_packet(s.codec, nullptr);
                continue;
            }
            if (s.packet->stream_index == s.streamIndex) {
                avcodec_send_packet(s.codec, s.packet);  // a damaged packet is dropped; the next may decode
            }
            av_packet_unref(s.packet);
        }
        return false;
    }

private:
    std::unique_ptr<State> state_;
};

std::unique_ptr<MovieDecoder> openMovie(MovieSource& source, std::string* whyNot) {
    quietFfmpeg();
    auto fail = [&](std::string text) -> std::unique_ptr<MovieDecoder> {
        if (whyNot) *whyNot = std::move(text);
        return nullptr;
    };
    const std::string& nativePath = source.nativePath;
    auto state = std::make_unique<State>();
    state->headerDurationMs = source.headerDurationMs;

    state->format = avformat_alloc_context();
    if (!state->format) return fail("out of memory");
    const AVInputFormat* forced = nullptr;
    std::string url = "file:" + nativePath;  // a ':' in the path must not select a protocol
    if (source.inflatedInMemory) {
        state->memory = std::make_unique<MemoryFile>(MemoryFile{std::move(source.inflated), 0});
        constexpr int kBufferSize = 64 * 1024;
        auto* buffer = static_cast<uint8_t*>(av_malloc(kBufferSize));
        if (!buffer) return fail("out of memory");
        state->io = avio_alloc_context(buffer, kBufferSize, 0, state->memory.get(), readMemory, nullptr, seekMemory);
        if (!state->io) {
            av_free(buffer);
            return fail("out of memory");
        }
        state->format->pb = state->io;
        state->format->flags |= AVFMT_FLAG_CUSTOM_IO;
        forced = av_find_input_format("swf");
        url = nativePath;
    }

    // A playlist-like container must not reach out to the network.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    int result = avformat_open_input(&state->format, url.c_str(), forced, &options);
    av_dict_free(&options);
    if (result < 0) return fail("not a movie container FFmpeg reads (" + ffmpegError(result) + ")");

    // A file with only vector shapes (or cut before its first video tag)
    // ends while the streams are being looked for, with none found.
    result = avformat_find_stream_info(state->format, nullptr);
    if (result < 0 && state->format->nb_streams == 0) return fail("no video stream");
    if (result < 0) return fail("cannot read the movie's streams (" + ffmpegError(result) + ")");

    result = av_find_best_stream(state->format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (result < 0) return fail("no video stream");
    state->streamIndex = result;
    AVStream* stream = state->format->streams[result];
    // Only the picture is played; every other stream is dropped unread.
    for (unsigned i = 0; i < state->format->nb_streams; ++i) {
        if (static_cast<int>(i) != state->streamIndex) state->format->streams[i]->discard = AVDISCARD_ALL;
    }
    const AVCodecParameters* parameters = stream->codecpar;
    const AVCodec* decoder = avcodec_find_decoder(parameters->codec_id);
    if (!decoder) return fail(std::string("no decoder for video codec ") + avcodec_get_name(parameters->codec_id));
    if (!sizeInRange(parameters->width, parameters->height)) {
        return fail("picture size " + std::to_string(parameters->width) + " x " + std::to_string(parameters->height) +
                    " out of range");
    }

    state->codec = avcodec_alloc_context3(decoder);
    if (!state->codec) return fail("out of memory");
    result = avcodec_parameters_to_context(state->codec, parameters);
    if (result < 0) return fail("cannot set up the decoder (" + ffmpegError(result) + ")");
    state->codec->thread_count = 1;  // the frames are small; keep decoding on this thread
    result = avcodec_open2(state->codec, decoder, nullptr);
    if (result < 0)
        return fail(std::string("cannot open the ") + decoder->name + " decoder (" + ffmpegError(result) + ")");

    state->packet = av_packet_alloc();
    state->frame = av_frame_alloc();
    if (!state->packet || !state->frame) return fail("out of memory");

    state->timeBase = stream->time_base;
    if (state->timeBase.num <= 0 || state->timeBase.den <= 0) state->timeBase = AVRational{1, AV_TIME_BASE};
    const AVRational rate = av_guess_frame_rate(state->format, stream, nullptr);
    if (rate.num > 0 && rate.den > 0) {
        state->nominalFrameMs = clampMs(av_rescale(1000, rate.den, rate.num));
    }
    return std::make_unique<FfmpegMovieDecoder>(std::move(state));
}

}  // namespace

}  // namespace kvarnel::platform

extern "C" kvarnel::platform::MovieDecoder* kvarnel_ffmpeg_open_movie(kvarnel::platform::MovieSource* source,
                                                                      std::string* whyNot) {
    try {
        return kvarnel::platform::openMovie(*source, whyNot).release();
    } catch (const std::bad_alloc&) {
        if (whyNot) *whyNot = "out of memory";
        return nullptr;
    }
}

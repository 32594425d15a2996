// Full-screen movies: a frame decoder and the clock-driven playback state
// that a movie control keeps.
//
// The game's movies are SWF files that carry a video stream; any container
// and codec that FFmpeg reads is accepted as well. A file that cannot be
// played (missing, not a container, vector shapes only, no decoder, or the
// movie module missing) is a missing platform feature, not a data error:
// playback reports "not playing" at once and the reason is logged once per
// file.
//
// The decoder over FFmpeg lives in a module of its own (platform/ffmpeg/),
// which the game loads when the first movie opens: FFmpeg and the libraries
// it brings take longer to load than everything else the game needs before
// its first frame. Programs that link the decoder in (the tests, the tools)
// use it directly.
//
// Audio streams are ignored: the game's movies are silent, and music and
// sounds have their own players.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "layout/image.h"

namespace kvarnel::platform {

// Movie times are clamped to this (about 31 years) so sums cannot overflow.
inline constexpr int64_t kMaxMovieMs = int64_t{1'000'000'000'000};
// Display time of a movie's last frame when neither the stream nor the frames
// before it tell one.
inline constexpr int64_t kFallbackFrameMs = 40;

// Reads the video frames of one movie file in order, converted to opaque
// 0xAARRGGBB pixels.
class MovieDecoder {
public:
    // Opens `nativePath` (a path of the host file system) and its best video
    // stream. Returns null when the file cannot be played and, when `whyNot`
    // is given, stores a one-line reason there.
    static std::unique_ptr<MovieDecoder> open(const std::string& nativePath, std::string* whyNot = nullptr);

    MovieDecoder() = default;
    virtual ~MovieDecoder() = default;
    MovieDecoder(const MovieDecoder&) = delete;
    MovieDecoder& operator=(const MovieDecoder&) = delete;

    // Picture size that the stream declares; each frame carries its own size.
    virtual int width() const = 0;
    virtual int height() const = 0;

    // Decodes the next frame into `frame` (its buffer is reused when the size
    // stays) and its presentation time in ms from the start of the movie: the
    // first frame is at 0 whatever the stream's first time stamp, and times
    // never go backwards. Returns false at the end of the movie, after the
    // frames the decoder still held were drained, or when the rest of the
    // file is unreadable; `frame` is then unchanged.
    virtual bool next(layout::Image& frame, int64_t& ptsMs) = 0;

    // Length of the movie in ms as far as the container tells it (for SWF,
    // frame count / frame rate from its header); 0 when unknown. Some
    // containers count it from time 0 rather than from the first frame.
    virtual int64_t durationMs() const = 0;

    // How long one frame stays according to the stream's frame rate, in ms;
    // 0 when the stream declares no rate.
    virtual int64_t nominalFrameMs() const = 0;
};

// What the decoder module is handed: a file it reads itself, or a
// compressed SWF already inflated here (FFmpeg's own inflating of a "CWS"
// file loses the last frame).
struct MovieSource {
    std::string nativePath;
    bool inflatedInMemory = false;
    std::vector<uint8_t> inflated;  // the whole "FWS" file when inflatedInMemory
    int64_t headerDurationMs = 0;   // from an SWF header; FFmpeg does not tell
};

// Starts loading the movie module on a thread of its own, so that the first
// movie need not wait for it; MovieDecoder::open waits for the result. Does
// nothing when the decoder is linked in or loading has begun.
void preloadMovieSupport();

// What a movie control needs: start a file, advance on the platform clock,
// report whether it still plays, stop and rewind. Times are the caller's
// clock in ms (any origin); nothing here reads a real clock.
//
// Frame n (time stamp t_n from the start) is shown from start + t_n on. The
// movie plays until start + t_last + d, d being the last frame's display time
// (1 / frame rate, or the spacing of the frames before it when the stream
// declares no rate): an update at that moment or later ends playback. So a
// 10 fps movie of 20 frames started at 0 still plays at 1999 and has ended at
// 2000.
class MoviePlayback {
public:
    MoviePlayback();
    ~MoviePlayback();
    MoviePlayback(const MoviePlayback&) = delete;
    MoviePlayback& operator=(const MoviePlayback&) = delete;

    // Opens `nativePath` and shows its first frame at `nowMs`, always from the
    // beginning. Returns false when the file cannot be played (or holds no
    // frame that decodes); the reason is logged once per path, playing() is
    // false and there is no current frame.
    bool start(const std::string& nativePath, uint64_t nowMs);

    // Advances to the frame due at `nowMs`, decoding as many frames as the
    // elapsed time needs but holding at most one decoded frame ahead of the
    // one shown. Does nothing unless playing. A clock that goes back holds
    // the current frame.
    void update(uint64_t nowMs);

    // The frame to draw; null before the first start and after a failed one.
    // Stays valid until the next start, update or rewind.
    const layout::Image* currentFrame() const;

    // True from a successful start until the last frame's display time has
    // passed (see above) or stop() was called.
    bool playing() const { return playing_; }

    // Ends playback at once; the current frame stays on show.
    void stop();

    // Stops and goes back to the first frame, which becomes the current frame
    // (when one was ever shown); framesShown() restarts at 0.
    void rewind();

    // Frames shown since the last start, the first one included.
    int framesShown() const { return framesShown_; }

private:
    // Fills the look-ahead frame; false at the end of the movie.
    bool decodeAhead();
    void close();

    std::unique_ptr<MovieDecoder> decoder_;
    layout::Image current_;
    layout::Image ahead_;
    layout::Image first_;
    int64_t aheadPtsMs_ = 0;
    bool haveAhead_ = false;
    bool haveCurrent_ = false;
    bool ended_ = false;  // the decoder has no frame left
    int64_t currentPtsMs_ = 0;
    int64_t lastSpacingMs_ = 0;
    int64_t endMs_ = 0;  // movie time at which playback ends, once ended_
    uint64_t startMs_ = 0;
    bool playing_ = false;
    int framesShown_ = 0;
};

}  // namespace kvarnel::platform

// Movie opening and playback. The decoding itself is the movie module's
// (platform/ffmpeg/): it is loaded when the first movie opens, or linked in.
//
// [1] Reading a movie's start; compressed SWF inflated here
// [2] Finding the decoder
// [3] MovieDecoder::open
// [4] MoviePlayback
#include "platform/movie.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <future>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/ffmpeg/ffmpeg_movie.h"
#include "platform/host_files.h"
#include "platform/log.h"
#include "platform/swf_file.h"

// Defined when a program links the decoder in; the game itself loads it.
extern "C" kvarnel::platform::MovieDecoder* kvarnel_ffmpeg_open_movie(kvarnel::platform::MovieSource* source,
                                                                      std::string* whyNot) __attribute__((weak));

namespace kvarnel::platform {

// ---------------------------------------------------------------------------
// [1] Reading a movie's start
// ---------------------------------------------------------------------------
namespace {

// Reads the start of the file into `head` (up to kSwfHeadBytes, as they are
// once uncompressed). When the file is a compressed SWF, also sets
// `isCompressed` and returns all of it inflated in `out`; any other file is
// left to FFmpeg. Returns false with a reason when the file cannot be read.
bool readMovieStart(const std::string& path, std::vector<uint8_t>& head, bool& isCompressed, std::vector<uint8_t>& out,
                    std::string& whyNot) {
    isCompressed = false;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        whyNot = "cannot open the file";
        return false;
    }
    uint8_t header[8] = {};
    in.read(reinterpret_cast<char*>(header), sizeof header);
    const auto got = static_cast<size_t>(in.gcount());
    if (!isCompressedSwf(std::span(header, got))) {  // not ours to inflate
        head.assign(header, header + got);
        head.resize(kSwfHeadBytes);
        in.read(reinterpret_cast<char*>(head.data() + got), static_cast<std::streamsize>(kSwfHeadBytes - got));
        head.resize(got + static_cast<size_t>(in.gcount()));
        return true;
    }
    isCompressed = true;

    std::error_code error;
    const auto fileSize = std::filesystem::file_size(path, error);
    if (error || fileSize < 8 || fileSize > kMaxSwfBytes) {
        whyNot = error ? "cannot read the file size" : "compressed movie is larger than 256 MiB";
        return false;
    }
    std::vector<uint8_t> file(static_cast<size_t>(fileSize));
    std::memcpy(file.data(), header, sizeof header);
    in.read(reinterpret_cast<char*>(file.data() + 8), static_cast<std::streamsize>(file.size() - 8));
    file.resize(8 + static_cast<size_t>(in.gcount()));
    if (!inflateSwf(file, out, whyNot)) return false;
    head.assign(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(std::min(out.size(), kSwfHeadBytes)));
    return true;
}

// ---------------------------------------------------------------------------
// [2] Finding the decoder
// ---------------------------------------------------------------------------
using OpenMovie = MovieDecoder* (*)(MovieSource*, std::string*);

// The module's file name; it is installed beside the executable.
constexpr const char* kMovieModule = "kvarnel_movies.so";

struct Loaded {
    OpenMovie open = nullptr;
    std::string whyNot;  // when open is null
};

Loaded loadModule() {
    const std::string path = host::executableFolder() + kMovieModule;
    // The module is never unloaded: decoders it made may outlive any owner.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        const char* why = dlerror();
        return {nullptr, "cannot load the movie module (" + std::string(why ? why : path) + ")"};
    }
    auto* open = reinterpret_cast<OpenMovie>(dlsym(module, "kvarnel_ffmpeg_open_movie"));
    if (!open) return {nullptr, "the movie module " + path + " has no decoder in it"};
    return {open, {}};
}

std::mutex loadMutex;
std::shared_future<Loaded> loading;  // guarded by loadMutex

std::shared_future<Loaded> startLoading() {
    std::lock_guard lock(loadMutex);
    if (!loading.valid()) {
        if (kvarnel_ffmpeg_open_movie) {
            std::promise<Loaded> linked;
            linked.set_value({kvarnel_ffmpeg_open_movie, {}});
            loading = linked.get_future().share();
        } else {
            loading = std::async(std::launch::async, loadModule).share();
        }
    }
    return loading;
}

}  // namespace

void preloadMovieSupport() {
    startLoading();
}

// ---------------------------------------------------------------------------
// [3] MovieDecoder::open
// ---------------------------------------------------------------------------
std::unique_ptr<MovieDecoder> MovieDecoder::open(const std::string& nativePath, std::string* whyNot) {
    std::string reason;
    auto fail = [&](std::string text) -> std::unique_ptr<MovieDecoder> {
        if (whyNot) *whyNot = std::move(text);
        return nullptr;
    };

    std::error_code error;
    const auto status = std::filesystem::status(nativePath, error);
    if (!std::filesystem::exists(status)) return fail("file not found");
    if (!std::filesystem::is_regular_file(status)) return fail("not a regular file");

    MovieSource source;
    source.nativePath = nativePath;
    std::vector<uint8_t> head;
    if (!readMovieStart(nativePath, head, source.inflatedInMemory, source.inflated, reason)) return fail(reason);
    source.headerDurationMs = swfHeaderDurationMs(head);

    const Loaded& decoder = startLoading().get();
    if (!decoder.open) return fail(decoder.whyNot);
    std::unique_ptr<MovieDecoder> movie(decoder.open(&source, &reason));
    if (!movie) return fail(reason);
    return movie;
}

// ---------------------------------------------------------------------------
// [4] MoviePlayback
// ---------------------------------------------------------------------------
MoviePlayback::MoviePlayback() = default;
MoviePlayback::~MoviePlayback() = default;

void MoviePlayback::close() {
    decoder_.reset();
    current_ = {};
    ahead_ = {};
    first_ = {};
    aheadPtsMs_ = 0;
    haveAhead_ = false;
    haveCurrent_ = false;
    ended_ = false;
    currentPtsMs_ = 0;
    lastSpacingMs_ = 0;
    endMs_ = 0;
    startMs_ = 0;
    playing_ = false;
    framesShown_ = 0;
}

bool MoviePlayback::start(const std::string& nativePath, uint64_t nowMs) {
    close();
    std::string whyNot;
    decoder_ = MovieDecoder::open(nativePath, &whyNot);
    if (decoder_ && !decodeAhead()) whyNot = "no frame of the video could be decoded";
    if (!decoder_ || !haveAhead_) {
        close();
        logOnce("movie:" + nativePath, "cannot play movie " + nativePath + ": " + whyNot);
        return false;
    }
    startMs_ = nowMs;
    playing_ = true;
    update(nowMs);  // the first frame is due at once
    return true;
}

bool MoviePlayback::decodeAhead() {
    haveAhead_ = false;
    if (ended_ || !decoder_) return false;
    if (decoder_->next(ahead_, aheadPtsMs_)) {
        haveAhead_ = true;
        return true;
    }
    // The frame on show is the last one: it stays for one frame time.
    ended_ = true;
    int64_t lastFrameMs = decoder_->nominalFrameMs();
    if (lastFrameMs <= 0) lastFrameMs = lastSpacingMs_ > 0 ? lastSpacingMs_ : kFallbackFrameMs;
    endMs_ = currentPtsMs_ + lastFrameMs;
    decoder_.reset();  // nothing more to read: let the file go
    ahead_ = {};
    return false;
}

void MoviePlayback::update(uint64_t nowMs) {
    if (!playing_ || nowMs < startMs_) return;
    const auto elapsed = static_cast<int64_t>(std::min<uint64_t>(nowMs - startMs_, kMaxMovieMs * 2));
    while (haveAhead_ && aheadPtsMs_ <= elapsed) {
        if (haveCurrent_ && aheadPtsMs_ > currentPtsMs_) lastSpacingMs_ = aheadPtsMs_ - currentPtsMs_;
        std::swap(current_, ahead_);  // the old picture's buffer is reused for the next decode
        currentPtsMs_ = aheadPtsMs_;
        haveCurrent_ = true;
        if (++framesShown_ == 1) first_ = current_;
        decodeAhead();
    }
    if (ended_ && elapsed >= endMs_) playing_ = false;
}

const layout::Image* MoviePlayback::currentFrame() const {
    return haveCurrent_ ? &current_ : nullptr;
}

void MoviePlayback::stop() {
    playing_ = false;
    decoder_.reset();
    haveAhead_ = false;
    ahead_ = {};
}

void MoviePlayback::rewind() {
    stop();
    ended_ = false;
    framesShown_ = 0;
    currentPtsMs_ = 0;
    if (!first_.empty()) {
        current_ = first_;
        haveCurrent_ = true;
    }
}

}  // namespace kvarnel::platform

// Movie decoding and clock-driven playback, on SWF files that the stand-in
// movie writer makes: every frame a distinct flat colour with a white marker
// square whose place tells the frames apart as well.
#include "platform/movie.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "layout/image.h"
#include "standin/movie_writer.h"

namespace kvarnel::platform {
namespace {

namespace fs = std::filesystem;
using layout::argb;
using layout::Image;

// ---------------------------------------------------------------------------
// Test movies
// ---------------------------------------------------------------------------
constexpr int kMarkerSide = 16;
constexpr int kTolerance = 14;  // per channel; FLV1 is lossy

uint32_t frameColour(int index) {
    return argb(static_cast<uint8_t>(40 + (index % 5) * 40), static_cast<uint8_t>(40 + (index / 5) * 50),
                static_cast<uint8_t>(200 - index * 8));
}

int markerX(int index, int width) {
    return (4 + index * 7) % (width - kMarkerSide);
}
int markerY(int height) {
    return (height - kMarkerSide) / 2;
}

std::vector<Image> makeFrames(int width, int height, int count) {
    std::vector<Image> frames;
    for (int i = 0; i < count; ++i) {
        Image image{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, frameColour(i))};
        for (int y = 0; y < kMarkerSide; ++y) {
            for (int x = 0; x < kMarkerSide; ++x) image.at(markerX(i, width) + x, markerY(height) + y) = 0xFFFFFFFFu;
        }
        frames.push_back(std::move(image));
    }
    return frames;
}

int channelDistance(uint32_t a, uint32_t b) {
    int worst = 0;
    for (int shift : {24, 16, 8, 0}) {
        worst =
            std::max(worst, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    }
    return worst;
}

std::string hex(uint32_t pixel) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", pixel);
    return text;
}

// Which test frame `image` shows, judged by its background colour in the
// bottom-right corner, away from the marker; -1 when no colour is close.
int frameIndexOf(const Image& image) {
    const uint32_t sample = image.at(image.width - 4, image.height - 4);
    for (int i = 0; i < 20; ++i) {
        if (channelDistance(sample, frameColour(i)) <= kTolerance) return i;
    }
    return -1;
}

// Checks that `image` is test frame `index` of a movie of that size: the
// background, the marker in its place, and opaque alpha.
::testing::AssertionResult isFrame(const Image& image, int index, int width, int height) {
    if (image.width != width || image.height != height) {
        return ::testing::AssertionFailure()
               << "size " << image.width << " x " << image.height << ", expected " << width << " x " << height;
    }
    const uint32_t background = image.at(width - 4, height - 4);
    if (channelDistance(background, frameColour(index)) > kTolerance) {
        return ::testing::AssertionFailure()
               << "frame " << index << ": background " << hex(background) << ", expected " << hex(frameColour(index));
    }
    const uint32_t marker = image.at(markerX(index, width) + kMarkerSide / 2, markerY(height) + kMarkerSide / 2);
    if (channelDistance(marker, 0xFFFFFFFFu) > kTolerance) {
        return ::testing::AssertionFailure()
               << "frame " << index << ": marker centre " << hex(marker) << ", expected 0xFFFFFFFF";
    }
    for (uint32_t pixel : image.pixels) {
        if ((pixel >> 24) != 0xFF) return ::testing::AssertionFailure() << "pixel " << hex(pixel) << " not opaque";
    }
    return ::testing::AssertionSuccess();
}

std::vector<uint8_t> readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes the first `count` bytes (all of them when omitted).
void writeBytes(const fs::path& path, const std::vector<uint8_t>& bytes, size_t count = SIZE_MAX) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(std::min(count, bytes.size())));
}

// The compressed form of an uncompressed SWF: "CWS", the same version and
// length, then everything after the first 8 bytes through zlib.
std::vector<uint8_t> compressSwf(const std::vector<uint8_t>& plain) {
    uLongf packedSize = compressBound(static_cast<uLong>(plain.size() - 8));
    std::vector<uint8_t> result(8 + packedSize);
    std::copy(plain.begin(), plain.begin() + 8, result.begin());
    result[0] = 'C';
    EXPECT_EQ(compress2(result.data() + 8, &packedSize, plain.data() + 8, static_cast<uLong>(plain.size() - 8), 9),
              Z_OK);
    result.resize(8 + packedSize);
    return result;
}

// Movie files shared by every test, written once.
class MovieFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder() = fs::temp_directory_path() / ("kvarnel_movie_test_" + std::to_string(getpid()));
        fs::create_directories(folder());
        standin::writeSwfMovie(path("movie.swf").string(), makeFrames(160, 120, 20), 10);
        writeBytes(path("movie_cws.swf"), compressSwf(readBytes(path("movie.swf"))));
        standin::writeMatroskaMovie(path("movie.mkv").string(), makeFrames(160, 120, 20), 10, 7);
    }
    static void TearDownTestSuite() {
        std::error_code ignored;
        fs::remove_all(folder(), ignored);
    }
    static fs::path& folder() {
        static fs::path value;
        return value;
    }
    static fs::path path(const std::string& name) { return folder() / name; }
};

struct Decoded {
    std::vector<Image> frames;
    std::vector<int64_t> times;
};

Decoded decodeAll(MovieDecoder& decoder, size_t limit = 1000) {
    Decoded result;
    Image frame;
    int64_t ms = -1;
    while (result.frames.size() < limit && decoder.next(frame, ms)) {
        result.frames.push_back(frame);
        result.times.push_back(ms);
    }
    return result;
}

// ---------------------------------------------------------------------------
// Decoder
// ---------------------------------------------------------------------------
class MovieDecoding : public MovieFiles, public ::testing::WithParamInterface<const char*> {};

TEST_P(MovieDecoding, GivesEveryFrameInOrderWithItsTimeUpToTheLast) {
    std::string why;
    auto decoder = MovieDecoder::open(path(GetParam()).string(), &why);
    ASSERT_NE(decoder, nullptr) << why;
    EXPECT_EQ(decoder->width(), 160);
    EXPECT_EQ(decoder->height(), 120);
    EXPECT_EQ(decoder->nominalFrameMs(), 100);
    if (std::string(GetParam()).ends_with(".swf")) {
        EXPECT_EQ(decoder->durationMs(), 2000) << "20 frames at 10 fps, from the SWF header";
    }

    const Decoded decoded = decodeAll(*decoder);
    ASSERT_EQ(decoded.frames.size(), 20u);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(decoded.times[i], i * 100) << "time of frame " << i;
        EXPECT_TRUE(isFrame(decoded.frames[i], i, 160, 120));
    }

    // The end stays the end and leaves the caller's picture alone.
    Image frame = decoded.frames.back();
    int64_t ms = 12345;
    EXPECT_FALSE(decoder->next(frame, ms));
    EXPECT_EQ(ms, 12345);
    EXPECT_EQ(frame, decoded.frames.back());
}

// The plain SWF, its compressed form (inflated by the player itself, as
// FFmpeg's own inflating loses the last frame), and a Matroska file whose
// decoder holds frames back (B-frames: lost unless it is drained at the end)
// and whose time stamps start at 700 ms.
std::string containerName(const ::testing::TestParamInfo<const char*>& info) {
    static const char* const kNames[] = {"PlainSwf", "CompressedSwf", "MatroskaWithBFrames"};
    return kNames[info.index];
}

INSTANTIATE_TEST_SUITE_P(Containers, MovieDecoding, ::testing::Values("movie.swf", "movie_cws.swf", "movie.mkv"),
                         containerName);

TEST_F(MovieFiles, CompressedMovieWithAHugeDeclaredLengthStillDecodes) {
    // The declared length only bounds the inflating; 4 GiB must not be
    // allocated, and the real content is all there.
    std::vector<uint8_t> bytes = readBytes(path("movie_cws.swf"));
    for (int i = 4; i < 8; ++i) bytes[i] = 0xFF;
    writeBytes(path("huge_length.swf"), bytes);
    std::string why;
    auto decoder = MovieDecoder::open(path("huge_length.swf").string(), &why);
    ASSERT_NE(decoder, nullptr) << why;
    const Decoded decoded = decodeAll(*decoder);
    ASSERT_EQ(decoded.frames.size(), 20u);
    EXPECT_TRUE(isFrame(decoded.frames.back(), 19, 160, 120));
}

// Cut at every 10th length (and one byte short of the whole), the plain and
// the compressed movie open or refuse cleanly, and give no more than the
// frames there are, in order, of the right size.
TEST_F(MovieFiles, TruncatedMoviesNeverCrash) {
    for (const char* name : {"movie.swf", "movie_cws.swf"}) {
        const std::vector<uint8_t> whole = readBytes(path(name));
        ASSERT_GT(whole.size(), 100u);
        const fs::path cut = path("cut.swf");
        size_t opened = 0;
        size_t longest = 0;
        std::vector<size_t> lengths;
        for (size_t length = 0; length < whole.size(); length += 10) lengths.push_back(length);
        lengths.push_back(whole.size() - 1);
        for (size_t length : lengths) {
            writeBytes(cut, whole, length);
            std::string why;
            auto decoder = MovieDecoder::open(cut.string(), &why);
            if (!decoder) {
                EXPECT_FALSE(why.empty()) << name << " cut at " << length;
                continue;
            }
            ++opened;
            const Decoded decoded = decodeAll(*decoder, 21);
            EXPECT_LE(decoded.frames.size(), 20u) << name << " cut at " << length;
            longest = std::max(longest, decoded.frames.size());
            for (size_t i = 0; i < decoded.frames.size(); ++i) {
                EXPECT_EQ(decoded.frames[i].width, 160) << name << " cut at " << length;
                EXPECT_EQ(decoded.frames[i].height, 120) << name << " cut at " << length;
                if (i > 0) {
                    EXPECT_GE(decoded.times[i], decoded.times[i - 1]) << name << " cut at " << length;
                }
            }
        }
        // Damage costs the frames after the cut, not the ones before it.
        EXPECT_GT(opened, 0u) << name;
        EXPECT_GE(longest, 18u) << name;
    }
}

// ---------------------------------------------------------------------------
// Files that cannot be played
// ---------------------------------------------------------------------------
struct Unplayable {
    const char* name;
    void (*make)(const fs::path&);
    const char* reasonPart;
};

const Unplayable kUnplayable[] = {
    {"Missing", [](const fs::path&) {}, "not found"},
    {"Folder", [](const fs::path& p) { fs::create_directories(p); }, "not a regular file"},
    {"Empty", [](const fs::path& p) { writeBytes(p, {}, 0); }, ""},
    {"TextRenamedSwf",
     [](const fs::path& p) {
         const std::string text = "This is a plain text file with a movie's name.\nSecond line.\n";
         writeBytes(p, std::vector<uint8_t>(text.begin(), text.end()), text.size());
     },
     ""},
    {"VectorShapesOnly", [](const fs::path& p) { standin::writeVectorOnlySwf(p.string()); }, "no video stream"},
};

void PrintTo(const Unplayable& c, std::ostream* out) {
    *out << c.name;
}

class UnplayableMovie : public MovieFiles, public ::testing::WithParamInterface<Unplayable> {};

TEST_P(UnplayableMovie, IsRefusedWithAReasonAndNeverPlays) {
    const fs::path file = path(std::string(GetParam().name) + ".swf");
    GetParam().make(file);

    std::string why;
    EXPECT_EQ(MovieDecoder::open(file.string(), &why), nullptr);
    EXPECT_FALSE(why.empty());
    EXPECT_NE(why.find(GetParam().reasonPart), std::string::npos) << "reason: " << why;

    MoviePlayback playback;
    EXPECT_FALSE(playback.start(file.string(), 500));
    EXPECT_FALSE(playback.playing());
    EXPECT_EQ(playback.currentFrame(), nullptr);
    playback.update(1000);
    EXPECT_FALSE(playback.playing());
    EXPECT_EQ(playback.framesShown(), 0);
}

INSTANTIATE_TEST_SUITE_P(Files, UnplayableMovie, ::testing::ValuesIn(kUnplayable),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MovieFiles, AnUnplayableFileIsLoggedOncePerPath) {
    const std::string first = path("absent_one.swf").string();
    const std::string second = path("absent_two.swf").string();
    MoviePlayback playback;
    ::testing::internal::CaptureStderr();
    for (int i = 0; i < 3; ++i) playback.start(first, 0);
    playback.start(second, 0);
    const std::string log = ::testing::internal::GetCapturedStderr();
    auto count = [&](const std::string& what) {
        size_t n = 0;
        for (size_t at = log.find(what); at != std::string::npos; at = log.find(what, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count(first), 1u) << log;
    EXPECT_EQ(count(second), 1u) << log;
}

TEST_F(MovieFiles, VectorOnlySwfIsWellFormed) {
    // Header length, frame size rectangle, then tags up to End at the last byte.
    standin::writeVectorOnlySwf(path("vector.swf").string());
    const std::vector<uint8_t> bytes = readBytes(path("vector.swf"));
    ASSERT_GE(bytes.size(), 12u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 3), "FWS");
    const uint32_t length = bytes[4] | bytes[5] << 8 | bytes[6] << 16 | static_cast<uint32_t>(bytes[7]) << 24;
    EXPECT_EQ(length, bytes.size());
    const int rectBits = 5 + 4 * (bytes[8] >> 3);
    size_t at = 8 + static_cast<size_t>((rectBits + 7) / 8) + 4;
    std::vector<unsigned> tags;
    while (at + 2 <= bytes.size()) {
        const unsigned code = bytes[at] | bytes[at + 1] << 8;
        size_t size = code & 63;
        at += 2;
        if (size == 63) {
            ASSERT_LE(at + 4, bytes.size());
            size = bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<size_t>(bytes[at + 3]) << 24;
            at += 4;
        }
        ASSERT_LE(at + size, bytes.size()) << "tag " << (code >> 6) << " runs past the end";
        tags.push_back(code >> 6);
        at += size;
        if (tags.back() == 0) break;
    }
    EXPECT_EQ(at, bytes.size());
    EXPECT_EQ(tags, (std::vector<unsigned>{9, 2, 26, 1, 0}));  // background, shape, place, show, end
}

// ---------------------------------------------------------------------------
// Writer
// ---------------------------------------------------------------------------
TEST_F(MovieFiles, WriterIsDeterministicAndStoresTheFrameRateAndCount) {
    const fs::path again = path("again.swf");
    standin::writeSwfMovie(again.string(), makeFrames(160, 120, 20), 10);
    const std::vector<uint8_t> first = readBytes(path("movie.swf"));
    const std::vector<uint8_t> second = readBytes(again);
    ASSERT_EQ(first.size(), second.size());
    EXPECT_TRUE(first == second) << "two writes of the same frames differ";

    ASSERT_GT(first.size(), 20u);
    EXPECT_EQ(std::string(first.begin(), first.begin() + 3), "FWS");
    const uint32_t length = first[4] | first[5] << 8 | first[6] << 16 | static_cast<uint32_t>(first[7]) << 24;
    EXPECT_EQ(length, first.size());
    const size_t after = 8 + static_cast<size_t>((5 + 4 * (first[8] >> 3) + 7) / 8);
    EXPECT_EQ(first[after] | first[after + 1] << 8, 10 << 8) << "frame rate, 8.8 fixed point";
    EXPECT_EQ(first[after + 2] | first[after + 3] << 8, 20) << "frame count";
}

struct BadWrite {
    const char* name;
    std::vector<Image> frames;
    int fps;
};

TEST_F(MovieFiles, WriterRefusesUnusableInputAndLeavesNoFile) {
    std::vector<Image> mixed = makeFrames(32, 32, 2);
    mixed.push_back(makeFrames(48, 32, 1).front());
    const BadWrite cases[] = {
        {"no frames", {}, 10},
        {"frame rate 0", makeFrames(32, 32, 2), 0},
        {"frame rate 121", makeFrames(32, 32, 2), 121},
        {"sizes differ", mixed, 10},
        {"empty picture", {Image{}}, 10},
    };
    for (const BadWrite& bad : cases) {
        const fs::path file = path("bad.swf");
        EXPECT_THROW(standin::writeSwfMovie(file.string(), bad.frames, bad.fps), std::runtime_error) << bad.name;
        EXPECT_FALSE(fs::exists(file)) << bad.name;
    }
    EXPECT_THROW(standin::writeSwfMovie((path("no_such_folder") / "x.swf").string(), makeFrames(32, 32, 1), 10),
                 std::runtime_error);
}

// ---------------------------------------------------------------------------
// Playback on a virtual clock
// ---------------------------------------------------------------------------
int shownIndex(const MoviePlayback& playback) {
    const Image* frame = playback.currentFrame();
    return frame ? frameIndexOf(*frame) : -1;
}

// Stepped by 50 ms from an arbitrary clock origin, a 10 fps movie of 20
// frames shows frame t / 100 at movie time t and plays for exactly 2000 ms:
// still playing at 1950, ended at 2000 (the last frame, shown at 1900, stays
// for one frame time).
TEST_F(MovieFiles, PlaybackFollowsTheClockToTheExactEnd) {
    constexpr uint64_t kOrigin = 123'456;
    MoviePlayback playback;
    ASSERT_TRUE(playback.start(path("movie.swf").string(), kOrigin));
    for (uint64_t t = 0; t <= 2200; t += 50) {
        if (t > 0) playback.update(kOrigin + t);
        const int expected = static_cast<int>(std::min<uint64_t>(t / 100, 19));
        EXPECT_EQ(playback.playing(), t < 2000) << "at " << t << " ms";
        EXPECT_EQ(shownIndex(playback), expected) << "at " << t << " ms";
        EXPECT_EQ(playback.framesShown(), expected + 1) << "at " << t << " ms";
    }
    ASSERT_NE(playback.currentFrame(), nullptr);
    EXPECT_TRUE(isFrame(*playback.currentFrame(), 19, 160, 120)) << "the last frame stays on show";
}

TEST_F(MovieFiles, LateUpdateCatchesUpToTheFrameDueAndAnEarlierClockHolds) {
    MoviePlayback playback;
    ASSERT_TRUE(playback.start(path("movie.swf").string(), 1000));
    playback.update(1000 + 1570);
    EXPECT_EQ(shownIndex(playback), 15);
    EXPECT_EQ(playback.framesShown(), 16);
    playback.update(900);  // a clock before the start changes nothing
    EXPECT_EQ(shownIndex(playback), 15);
    EXPECT_TRUE(playback.playing());
    playback.update(1000 + 5000);  // far past the end: the last frame, ended
    EXPECT_EQ(shownIndex(playback), 19);
    EXPECT_FALSE(playback.playing());
}

TEST_F(MovieFiles, StopEndsAtOnceAndKeepsThePicture) {
    MoviePlayback playback;
    ASSERT_TRUE(playback.start(path("movie.swf").string(), 0));
    for (uint64_t t = 50; t <= 700; t += 50) playback.update(t);
    ASSERT_EQ(shownIndex(playback), 7);
    playback.stop();
    EXPECT_FALSE(playback.playing());
    EXPECT_EQ(shownIndex(playback), 7);
    playback.update(1500);
    EXPECT_FALSE(playback.playing());
    EXPECT_EQ(shownIndex(playback), 7) << "a stopped movie does not advance";
}

TEST_F(MovieFiles, RewindShowsTheFirstFrameAndStartPlaysAgainFromIt) {
    MoviePlayback playback;
    playback.rewind();  // before any start: nothing to show
    EXPECT_EQ(playback.currentFrame(), nullptr);

    ASSERT_TRUE(playback.start(path("movie.swf").string(), 0));
    playback.update(1250);
    ASSERT_EQ(shownIndex(playback), 12);
    playback.rewind();
    EXPECT_FALSE(playback.playing());
    EXPECT_EQ(shownIndex(playback), 0);
    EXPECT_EQ(playback.framesShown(), 0);
    playback.update(1800);
    EXPECT_EQ(shownIndex(playback), 0) << "a rewound movie does not advance";

    ASSERT_TRUE(playback.start(path("movie.swf").string(), 10'000));
    EXPECT_TRUE(playback.playing());
    EXPECT_EQ(shownIndex(playback), 0);
    playback.update(10'000 + 1950);
    EXPECT_EQ(shownIndex(playback), 19);
    EXPECT_TRUE(playback.playing());
    playback.update(10'000 + 2000);
    EXPECT_FALSE(playback.playing());
    EXPECT_EQ(playback.framesShown(), 20);
}

TEST_F(MovieFiles, StartWhilePlayingBeginsAgain) {
    MoviePlayback playback;
    ASSERT_TRUE(playback.start(path("movie.swf").string(), 0));
    playback.update(900);
    ASSERT_EQ(shownIndex(playback), 9);
    ASSERT_TRUE(playback.start(path("movie_cws.swf").string(), 950));
    EXPECT_EQ(shownIndex(playback), 0);
    EXPECT_EQ(playback.framesShown(), 1);
    playback.update(950 + 2000);
    EXPECT_FALSE(playback.playing());
    EXPECT_EQ(playback.framesShown(), 20);
}

// Other frame rates: each frame is due at its own time and the movie ends
// one frame time after the last one.
struct RateCase {
    int fps;
    int frames;
    int64_t frameMs;
};

void PrintTo(const RateCase& c, std::ostream* out) {
    *out << c.fps << " fps, " << c.frames << " frames";
}

class PlaybackRate : public MovieFiles, public ::testing::WithParamInterface<RateCase> {};

TEST_P(PlaybackRate, EachFrameIsDueAtItsTimeAndTheMovieEndsOneFrameLater) {
    const RateCase c = GetParam();
    const fs::path file = path("rate" + std::to_string(c.fps) + ".swf");
    standin::writeSwfMovie(file.string(), makeFrames(64, 48, c.frames), c.fps);
    const int64_t end = c.frameMs * c.frames;
    MoviePlayback playback;
    ASSERT_TRUE(playback.start(file.string(), 0));
    for (int64_t t = 0; t <= end + 20; t += 10) {
        playback.update(static_cast<uint64_t>(t));
        const int expected = static_cast<int>(std::min<int64_t>(t / c.frameMs, c.frames - 1));
        EXPECT_EQ(shownIndex(playback), expected) << "at " << t << " ms";
        EXPECT_EQ(playback.playing(), t < end) << "at " << t << " ms, end " << end;
    }
}

INSTANTIATE_TEST_SUITE_P(Rates, PlaybackRate,
                         ::testing::Values(RateCase{4, 3, 250}, RateCase{20, 7, 50}, RateCase{25, 6, 40},
                                           RateCase{10, 1, 100}),
                         [](const auto& info) {
                             return std::to_string(info.param.fps) + "fps" + std::to_string(info.param.frames) +
                                    "frames";
                         });

}  // namespace
}  // namespace kvarnel::platform

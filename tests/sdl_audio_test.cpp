// The desktop sound output on SDL2_mixer's "disk" driver, which writes the
// mixed samples to a file instead of a sound card: waves are heard, any
// number at once; a MIDI track's end is reported at its musical end, not
// after the synthesiser's release tail; a track that is not played again is
// silenced; and without a device every call is still accepted.
//
// These run in real time (the disk driver paces itself like a sound card),
// so the MIDI test allows the 100 ms by which a looping track may restart
// late.
#include "platform/sdl/sdl_audio.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/midi_file.h"

namespace kvarnel::platform {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

constexpr int kRate = 44100;
constexpr size_t kSamplesPerMs = kRate * 2 / 1000;  // stereo output

uint64_t wallMs() {
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count());
}

void sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void put(Bytes& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A mono 16-bit wave at the output rate holding one constant level, so the
// mixed output shows exactly how many copies sound at once.
Bytes levelWave(int16_t level, int ms) {
    const uint32_t count = static_cast<uint32_t>(kRate / 1000 * ms);
    Bytes out = {'R', 'I', 'F', 'F'};
    put(out, 36 + count * 2, 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put(out, 16, 4);
    put(out, 1, 2);  // PCM
    put(out, 1, 2);  // mono
    put(out, kRate, 4);
    put(out, kRate * 2, 4);
    put(out, 2, 2);
    put(out, 16, 2);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    put(out, count * 2, 4);
    for (uint32_t i = 0; i < count; ++i) put(out, static_cast<uint16_t>(level), 2);
    return out;
}

int peak(const std::vector<int16_t>& samples, size_t from, size_t to) {
    int best = 0;
    for (size_t i = from; i < std::min(to, samples.size()); ++i) best = std::max(best, std::abs(int{samples[i]}));
    return best;
}

class SdlAudioOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "." + info->name();
        std::replace(name.begin(), name.end(), '/', '_');
        dir_ = fs::path(::testing::TempDir()) / ("kvarnel_sdl_audio_" + std::to_string(::getpid()) + "_" + name);
        fs::create_directories(dir_);
        output_ = dir_ / "mixed.raw";
        for (auto& [name, value] : savedEnv_) {
            if (const char* old = ::getenv(name)) value = old;
        }
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
    }

    void TearDown() override {
        audio_.close();
        for (const auto& [name, value] : savedEnv_) {
            if (value) {
                ::setenv(name, value->c_str(), 1);
            } else {
                ::unsetenv(name);
            }
        }
        std::error_code error;
        fs::remove_all(dir_, error);
    }

    std::string writeFile(const std::string& name, const Bytes& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    // Samples written so far (all of them once the device is closed).
    std::vector<int16_t> output() const {
        std::ifstream in(output_, std::ios::binary);
        std::vector<char> raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<int16_t> samples(raw.size() / 2);
        for (size_t i = 0; i < samples.size(); ++i) {
            samples[i] =
                static_cast<int16_t>(static_cast<uint8_t>(raw[2 * i]) | (static_cast<uint8_t>(raw[2 * i + 1]) << 8));
        }
        return samples;
    }

    size_t samplesWritten() const {
        std::error_code error;
        const auto size = fs::file_size(output_, error);
        return error ? 0 : static_cast<size_t>(size / 2);
    }

    fs::path dir_;
    fs::path output_;
    SdlAudio audio_;
    // The variables the tests set, with the values they had before.
    std::pair<const char*, std::optional<std::string>> savedEnv_[2] = {{"SDL_AUDIODRIVER", std::nullopt},
                                                                       {"SDL_DISKAUDIOFILE", std::nullopt}};
};

struct WaveCase {
    int copies;
    int expectedPeak;
};

void PrintTo(const WaveCase& c, std::ostream* os) {
    *os << c.copies << " copies";
}

class SdlAudioWaves : public SdlAudioOnDisk, public ::testing::WithParamInterface<WaveCase> {};

TEST_P(SdlAudioWaves, CopiesStartedTogetherAllSound) {
    const WaveCase c = GetParam();
    const Bytes wave = levelWave(1000, 200);
    ASSERT_TRUE(audio_.open());
    audio_.setWaves({wave});
    sleepMs(100);
    const size_t before = samplesWritten();
    for (int i = 0; i < c.copies; ++i) audio_.playWave(0);
    audio_.playWave(1);  // outside the list: ignored
    audio_.playWave(-1);
    sleepMs(400);
    audio_.close();

    const auto samples = output();
    ASSERT_GT(samples.size(), before + 200 * kSamplesPerMs) << "the driver wrote too little";
    EXPECT_EQ(peak(samples, 0, before), 0) << "sound before any wave was played";
    const int actual = peak(samples, before, samples.size());
    EXPECT_NEAR(actual, c.expectedPeak, 20) << c.copies << " copies of a wave at level 1000";
}

// Twenty copies need more than the mixer's initial eight channels.
INSTANTIATE_TEST_SUITE_P(Copies, SdlAudioWaves, ::testing::Values(WaveCase{1, 1000}, WaveCase{20, 20000}));

TEST_F(SdlAudioOnDisk, OpenedInTheBackgroundTheWavesHandedOverMeanwhileSoundAtTheFirstPlay) {
    const Bytes wave = levelWave(1000, 200);
    audio_.openInBackground();
    // Handed over while the device may still be opening.
    audio_.setWaves({wave});
    audio_.playWave(0);
    sleepMs(400);
    EXPECT_TRUE(audio_.isOpen());
    audio_.close();
    EXPECT_NEAR(peak(output(), 0, output().size()), 1000, 20) << "the wave played once the device was open";

    ::setenv("SDL_AUDIODRIVER", "nonexistent", 1);
    SdlAudio silent;
    silent.openInBackground();
    silent.setWaves({wave});
    silent.playWave(0);
    EXPECT_FALSE(silent.isOpen()) << "a device that cannot open leaves the object silent";
    EXPECT_FALSE(silent.open());
}

// The platform starts the opening only once its first frame is up; a sound
// wanted before that opens the device itself. One closed before it ever
// opened stays silent.
TEST_F(SdlAudioOnDisk, TheFirstNeedOpensTheDeviceWhenNobodyStartedIt) {
    const Bytes wave = levelWave(1000, 200);
    audio_.setWaves({wave});
    audio_.playWave(0);
    EXPECT_TRUE(audio_.isOpen());
    sleepMs(400);
    audio_.close();
    EXPECT_NEAR(peak(output(), 0, output().size()), 1000, 20) << "the wave played at its first call";

    SdlAudio closed;
    closed.close();
    closed.setWaves({wave});
    closed.playWave(0);
    EXPECT_FALSE(closed.isOpen()) << "nothing opens after close()";
}

TEST_F(SdlAudioOnDisk, MidiTrackEndsAtItsMusicalEndAndLoopsWithoutAGap) {
    const MidiNote notes[] = {{60, 0, 300}};
    ASSERT_TRUE(audio_.open());
    audio_.setFileName(0, writeFile("short.mid", makeMidiFile(notes)));
    ASSERT_TRUE(audio_.openPlayer(0));

    const uint64_t start = wallMs();
    audio_.play(0, true, start);
    EXPECT_EQ(audio_.nextDeadline(), start + 300);

    // Polls as the game's loop does; returns the time of the notification.
    const auto waitForEnd = [&](uint64_t limitMs) -> std::optional<uint64_t> {
        for (uint64_t now = wallMs(); now - start < limitMs; now = wallMs()) {
            audio_.update(now);
            int player = -1;
            if (audio_.takeEnded(player)) {
                EXPECT_EQ(player, 0);
                return now;
            }
            sleepMs(2);
        }
        return std::nullopt;
    };

    const auto first = waitForEnd(2000);
    ASSERT_TRUE(first) << "no end reported within 2 s";
    EXPECT_GE(*first - start, 300u);
    EXPECT_LT(*first - start, 400u) << "reported " << (*first - start) << " ms after the start of a 300 ms track";

    // Played again from its end handler, the track goes on from the top of
    // its loop: the next end is 300 ms after the first one was due.
    audio_.play(0, true, wallMs());
    const auto second = waitForEnd(2500);
    ASSERT_TRUE(second) << "the second playback never ended";
    EXPECT_GE(*second - start, 600u);
    EXPECT_LT(*second - start, 700u) << "second end " << (*second - start) << " ms after the first start";

    // Not played again: the looping synthesiser must fall silent.
    const uint64_t quietFrom = wallMs();
    while (wallMs() - quietFrom < 400) {
        audio_.update(wallMs());
        sleepMs(5);
    }
    EXPECT_EQ(audio_.nextDeadline(), UINT64_MAX);
    audio_.close();

    const auto samples = output();
    const size_t tail = 150 * kSamplesPerMs;
    ASSERT_GT(samples.size(), tail);
    const auto onset = static_cast<size_t>(
        std::find_if(samples.begin(), samples.end(), [](int16_t v) { return v != 0; }) - samples.begin());
    ASSERT_LT(onset + 400 * kSamplesPerMs, samples.size() - tail) << "the synthesiser produced no sound";
    // In the output's own time: the note decays until the musical end, and
    // the loop strikes it again right there, not after a pause or a reload.
    const int decayed = peak(samples, onset + 200 * kSamplesPerMs, onset + 290 * kSamplesPerMs);
    const int struck = peak(samples, onset + 300 * kSamplesPerMs, onset + 400 * kSamplesPerMs);
    EXPECT_GT(decayed, 500) << "the note is not heard";
    EXPECT_GT(struck, decayed * 5 / 4) << "no new attack right at the loop point: peak " << struck << " after it, "
                                       << decayed << " before it";
    EXPECT_EQ(peak(samples, samples.size() - tail, samples.size()), 0) << "music still sounds after its end";
}

TEST_F(SdlAudioOnDisk, PlayAfterAStopStartsTheTrackOver) {
    // One note in the first 100 ms, then silence until the end at 600 ms
    // (1 tick = 1 ms at the default tempo).
    const Bytes track = {0x00, 0xC0, 0x00, 0x00, 0x90, 60, 100, 0x64, 0x80, 60, 0, 0x83, 0x74, 0xFF, 0x2F, 0x00};
    Bytes file = {'M', 'T',  'h',  'd', 0,   0,   0,   6, 0, 0, 0,
                  1,   0x01, 0xF4, 'M', 'T', 'r', 'k', 0, 0, 0, static_cast<uint8_t>(track.size())};
    file.insert(file.end(), track.begin(), track.end());
    ASSERT_TRUE(audio_.open());
    audio_.setFileName(2, writeFile("gap.mid", file));
    ASSERT_TRUE(audio_.openPlayer(2));

    audio_.play(2, true, wallMs());
    sleepMs(300);
    audio_.stop(2, wallMs());  // in the silent part
    int player = -1;
    ASSERT_TRUE(audio_.takeEnded(player));
    sleepMs(100);
    const size_t before = samplesWritten();

    // The synthesiser cannot resume in the middle, so the player plays from
    // the top, and its end is due a whole track later.
    const uint64_t again = wallMs();
    audio_.play(2, true, again);
    EXPECT_EQ(audio_.nextDeadline(), again + 600);
    sleepMs(200);
    audio_.close();
    const auto samples = output();
    EXPECT_GT(peak(samples, before, samples.size()), 500) << "the note at the start of the track was not heard again";
}

TEST_F(SdlAudioOnDisk, PlayersOpenOnlyWhatTheyCanPlay) {
    ASSERT_TRUE(audio_.open());
    const MidiNote notes[] = {{60, 0, 100}};
    const struct {
        const char* name;
        std::optional<Bytes> content;  // nullopt: no such file
        bool opens;
    } cases[] = {
        {"music.mid", makeMidiFile(notes), true},
        {"missing.mid", std::nullopt, false},
        {"empty.mid", Bytes{}, false},
        {"noise.mid", Bytes(64, 0x5A), false},
    };
    for (const auto& c : cases) {
        const std::string path = c.content ? writeFile(c.name, *c.content) : (dir_ / c.name).string();
        audio_.setFileName(1, path);
        EXPECT_EQ(audio_.openPlayer(1), c.opens) << c.name;
    }
    // The last open failed: the player has nothing to play.
    audio_.play(1, true, 0);
    EXPECT_EQ(audio_.nextDeadline(), UINT64_MAX);
    audio_.update(10000);
    int player = -1;
    EXPECT_FALSE(audio_.takeEnded(player));
}

TEST_F(SdlAudioOnDisk, TheStandInTunesOpenAndLastTheirLength) {
    ASSERT_TRUE(audio_.open());
    for (int k = 1; k <= 6; ++k) {
        const std::string path = std::string(KVARNEL_BINARY_DIR) + "/mmid" + std::to_string(k) + ".mid";
        audio_.setFileName(k - 1, path);
        ASSERT_TRUE(audio_.openPlayer(k - 1)) << path;
        std::ifstream in(path, std::ios::binary);
        const Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const auto length = midiDurationMs(file);
        ASSERT_TRUE(length.has_value()) << path;
        // Playing from 0, the track's end is due when its music ends.
        audio_.play(k - 1, true, 0);
        EXPECT_EQ(audio_.nextDeadline(), *length) << path;
        audio_.stop(k - 1, 0);
        int player = -1;
        while (audio_.takeEnded(player)) {
        }
    }
}

TEST_F(SdlAudioOnDisk, WithoutADeviceEveryCallIsAcceptedAndPlayersStillNotify) {
    ::setenv("SDL_AUDIODRIVER", "nonexistent", 1);
    EXPECT_FALSE(audio_.open());
    EXPECT_FALSE(audio_.isOpen());

    const Bytes wave = levelWave(1000, 50);
    audio_.setWaves({wave});
    audio_.playWave(0);
    audio_.playWave(5);
    const MidiNote notes[] = {{60, 0, 300}};
    audio_.setFileName(0, writeFile("short.mid", makeMidiFile(notes)));
    EXPECT_TRUE(audio_.openPlayer(0)) << "the length is known, so the silent player keeps time";
    audio_.setFileName(1, (dir_ / "missing.mid").string());
    EXPECT_FALSE(audio_.openPlayer(1));

    int player = -1;
    audio_.play(0, true, 1000);
    EXPECT_EQ(audio_.nextDeadline(), 1300u);
    audio_.update(1299);
    EXPECT_FALSE(audio_.takeEnded(player));
    audio_.update(1300);
    ASSERT_TRUE(audio_.takeEnded(player));
    EXPECT_EQ(player, 0);

    audio_.play(0, true, 2000);
    audio_.stop(0, 2100);
    ASSERT_TRUE(audio_.takeEnded(player)) << "a stop of a playing player notifies";
    audio_.rewind(0);
    audio_.stop(0, 2200);
    EXPECT_FALSE(audio_.takeEnded(player)) << "a stop of a silent player does not";
    audio_.play(7, true, 2300);
    audio_.close();

    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    EXPECT_FALSE(audio_.open()) << "a failed device stays failed for the run";
}

}  // namespace
}  // namespace kvarnel::platform

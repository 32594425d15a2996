// The stand-in sounds, music and cursors: every wave item in the format and
// length of its row of the wave list and fading in and out of silence; six
// different pieces of the right length that loop without a gap; ten cursor
// files under the game's working names whose hot spots lie on the drawing
// where the pointer should act.
#include "standin/audio_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/game.h"
#include "layout/cursor_file.h"
#include "layout/wave.h"
#include "platform/midi_file.h"

namespace kvarnel::standin {
namespace {

// ------------------------------------------------------------ waves

struct WaveRow {
    int item;
    int channels;
    int bits;
    int rate;
    int ms;
    const char* event;
};

// The wave list `Zvuky` of the game, item by item.
const WaveRow kWaveRows[] = {
    {0, 2, 16, 44100, 3560, "inventory bar slides"},
    {1, 1, 8, 22050, 200, "ball bounces"},
    {2, 1, 8, 11000, 490, "ball missed"},
    {3, 2, 8, 11025, 2460, "bet won"},
    {4, 1, 8, 11025, 720, "bird flies"},
    {5, 2, 16, 22050, 280, "menu button hovered"},
    {6, 1, 8, 11025, 7290, "closing banner"},
    {7, 1, 8, 22050, 200, "detective's step begins"},
    {8, 1, 8, 22050, 210, "detective's step middle"},
    {9, 1, 8, 11025, 210, "pursuer's step begins"},
    {10, 1, 8, 11025, 170, "pursuer's step middle"},
    {11, 1, 16, 22050, 3270, "detective caught"},
    {12, 1, 8, 11025, 840, "level solved"},
    {13, 2, 16, 44100, 230, "language hovered"},
    {14, 1, 16, 22050, 1280, "sound switched on"},
    {15, 1, 8, 11025, 200, "countdown 3 and 2"},
    {16, 1, 8, 8000, 300, "countdown 1"},
};

// Samples of a canonical PCM file (as makeWave writes it) scaled to -1 .. 1,
// all channels interleaved.
std::vector<double> samples(const std::vector<uint8_t>& wave, const layout::WaveFormat& f) {
    const size_t start = wave.size() - f.dataBytes - (f.dataBytes % 2);  // the data chunk is last
    std::vector<double> out;
    if (f.bitsPerSample == 8) {
        for (size_t i = 0; i < f.dataBytes; ++i) out.push_back((wave[start + i] - 128) / 128.0);
    } else {
        for (size_t i = 0; i + 1 < f.dataBytes; i += 2) {
            const auto v = static_cast<int16_t>(wave[start + i] | (wave[start + i + 1] << 8));
            out.push_back(v / 32768.0);
        }
    }
    return out;
}

TEST(AudioSetWaves, EachItemHasTheFormatAndLengthOfItsRow) {
    const auto items = waveItems();
    ASSERT_EQ(items.size(), std::size(kWaveRows));
    for (const WaveRow& row : kWaveRows) {
        SCOPED_TRACE(std::string("item ") + std::to_string(row.item) + ": " + row.event);
        const layout::WaveFormat f = layout::checkWave(items[row.item]);
        EXPECT_EQ(f.channels, row.channels);
        EXPECT_EQ(f.bitsPerSample, row.bits);
        EXPECT_EQ(f.samplesPerSecond, row.rate);
        EXPECT_NEAR(f.durationMs(), row.ms, row.ms * 0.05);
    }
}

// Sounds are cut off and restarted all the time (two bounces overlap, the
// bar's sound plays twice): each must start and end at the centre line, or
// it clicks. And each must be heard at all.
TEST(AudioSetWaves, EachItemFadesInAndOutOfSilenceAndIsAudibleBetween) {
    const auto items = waveItems();
    ASSERT_EQ(items.size(), std::size(kWaveRows));
    for (const WaveRow& row : kWaveRows) {
        SCOPED_TRACE(std::string("item ") + std::to_string(row.item) + ": " + row.event);
        const layout::WaveFormat f = layout::checkWave(items[row.item]);
        const std::vector<double> s = samples(items[row.item], f);
        ASSERT_FALSE(s.empty());
        // Half a millisecond at each end, all channels.
        const size_t edge = static_cast<size_t>(std::max(1, row.rate / 2000)) * row.channels;
        for (size_t i = 0; i < edge; ++i) {
            EXPECT_LE(std::abs(s[i]), 0.03) << "sample " << i << " at the start";
            EXPECT_LE(std::abs(s[s.size() - 1 - i]), 0.03) << "sample " << i << " from the end";
        }
        double peak = 0;
        for (double v : s) peak = std::max(peak, std::abs(v));
        EXPECT_GE(peak, 0.25) << "hardly audible";
        EXPECT_LT(peak, 0.995) << "clipped";
    }
}

// ------------------------------------------------------------ music

// What the tests need to know of a Standard MIDI File, read independently
// of the writer: its channels' programs, when notes sound, and its end.
struct MidiFacts {
    std::map<int, int> programs;  // channel -> first program change
    std::set<int> noteChannels;
    int64_t firstNoteOnTick = -1;
    int64_t lastNoteOffTick = 0;
    int64_t endTick = 0;
    uint32_t microsPerQuarter = 500000;
    int division = 0;
    double ms(int64_t tick) const { return static_cast<double>(tick) * microsPerQuarter / division / 1000.0; }
};

std::optional<MidiFacts> readMidi(const std::vector<uint8_t>& f) {
    auto be = [&](size_t at, int n) {
        uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = (v << 8) | f.at(at + i);
        return v;
    };
    if (f.size() < 14 || std::string(f.begin(), f.begin() + 4) != "MThd") return std::nullopt;
    MidiFacts facts;
    const uint32_t tracks = be(10, 2);
    facts.division = static_cast<int>(be(12, 2));
    size_t at = 14;
    for (uint32_t t = 0; t < tracks; ++t) {
        if (std::string(f.begin() + at, f.begin() + at + 4) != "MTrk") return std::nullopt;
        const size_t end = at + 8 + be(at + 4, 4);
        size_t p = at + 8;
        int64_t tick = 0;
        uint8_t running = 0;
        auto varLen = [&] {
            uint32_t v = 0;
            uint8_t b = 0;
            do {
                b = f.at(p++);
                v = (v << 7) | (b & 0x7F);
            } while (b & 0x80);
            return v;
        };
        while (p < end) {
            tick += varLen();
            uint8_t status = f.at(p);
            if (status & 0x80) {
                ++p;
            } else {
                status = running;
            }
            if (status == 0xFF) {
                const uint8_t type = f.at(p++);
                const uint32_t len = varLen();
                if (type == 0x51) facts.microsPerQuarter = be(p, 3);
                if (type == 0x2F) facts.endTick = std::max(facts.endTick, tick);
                p += len;
                continue;
            }
            if (status == 0xF0 || status == 0xF7) {
                p += varLen();
                continue;
            }
            running = status;
            const int channel = status & 0x0F;
            const int kind = status & 0xF0;
            const uint8_t d1 = f.at(p++);
            const uint8_t d2 = (kind == 0xC0 || kind == 0xD0) ? 0 : f.at(p++);
            if (kind == 0xC0 && !facts.programs.contains(channel)) facts.programs[channel] = d1;
            if (kind == 0x90 && d2 > 0) {
                facts.noteChannels.insert(channel);
                if (facts.firstNoteOnTick < 0 || tick < facts.firstNoteOnTick) facts.firstNoteOnTick = tick;
            }
            if (kind == 0x80 || (kind == 0x90 && d2 == 0))
                facts.lastNoteOffTick = std::max(facts.lastNoteOffTick, tick);
        }
        at = end;
    }
    return facts;
}

TEST(AudioSetMusic, SixDifferentPiecesOfHalfAMinuteToAMinute) {
    std::vector<std::vector<uint8_t>> files;
    for (int k = 1; k <= 6; ++k) {
        SCOPED_TRACE("mmid" + std::to_string(k) + ".mid");
        files.push_back(musicFile(k));
        const auto ms = platform::midiDurationMs(files.back());
        ASSERT_TRUE(ms.has_value());
        EXPECT_GE(*ms, 30000);
        EXPECT_LE(*ms, 60000);
        for (int other = 1; other < k; ++other) EXPECT_NE(files.back(), files[other - 1]) << "same as " << other;
    }
    EXPECT_THROW(musicFile(0), std::out_of_range);
    EXPECT_THROW(musicFile(7), std::out_of_range);
}

// The game replays a piece the moment it ends: music must start at once and
// keep sounding up to the end (no gap at the seam), and each region has its
// own sound: a melody instrument of its own over at least a bass and an
// accompaniment.
TEST(AudioSetMusic, PiecesLoopWithoutAGapAndEachHasItsOwnBand) {
    std::set<int> melodyPrograms;
    for (int k = 1; k <= 6; ++k) {
        SCOPED_TRACE("mmid" + std::to_string(k) + ".mid");
        const auto facts = readMidi(musicFile(k));
        ASSERT_TRUE(facts.has_value());
        EXPECT_EQ(facts->firstNoteOnTick, 0);
        EXPECT_LE(facts->ms(facts->endTick) - facts->ms(facts->lastNoteOffTick), 100.0) << "silence before the replay";
        EXPECT_EQ(static_cast<int64_t>(facts->ms(facts->endTick)), *platform::midiDurationMs(musicFile(k)));
        EXPECT_GE(facts->noteChannels.size(), 3u);
        ASSERT_TRUE(facts->programs.contains(0));
        melodyPrograms.insert(facts->programs.at(0));
    }
    EXPECT_EQ(melodyPrograms.size(), 6u) << "two regions share a melody instrument";
}

// ------------------------------------------------------------ cursors

struct CursorCase {
    const char* name;
    // Where the hot spot belongs (right and bottom exclusive).
    int left, top, right, bottom;
    const char* why;
};

const CursorCase kCursorCases[] = {
    {"Cursors/Jidlo.cur", 16, 0, 32, 16, "the baguette's upper end"},
    {"Cursors/Kurzor.cur", 0, 0, 4, 4, "the arrow's tip"},
    {"Cursors/Lano.cur", 12, 20, 32, 32, "the rope's loose end"},
    {"Cursors/Lopata.cur", 0, 16, 16, 32, "the shovel's blade"},
    {"Cursors/Nuz.cur", 20, 0, 32, 10, "the knife's point"},
    {"Cursors/Olmeca.cur", 10, 0, 22, 8, "the bottle's cork"},
    {"Cursors/Peniz.cur", 4, 4, 28, 28, "a coin"},
    {"Cursors/Prechod.cur", 12, 0, 20, 6, "the exit arrow's tip"},
    {"Cursors/Pusa.cur", 0, 24, 8, 32, "the speech bubble's tail"},
    {"Cursors/Sperhak.cur", 0, 20, 14, 32, "the lock-pick's flat end"},
};

TEST(AudioSetCursors, TheTenFilesCarryTheGamesWorkingNames) {
    const auto files = cursorFiles();
    ASSERT_EQ(files.size(), 10u);
    for (size_t i = 0; i < files.size(); ++i) {
        std::string working(app::kAssetNames[i].working);
        std::replace(working.begin(), working.end(), '\\', '/');
        EXPECT_EQ(files[i].first, working);
        EXPECT_EQ(files[i].first, kCursorCases[i].name);
    }
}

TEST(AudioSetCursors, EachIs32By32WithItsHotSpotOnTheDrawingWhereItActs) {
    const auto files = cursorFiles();
    ASSERT_EQ(files.size(), std::size(kCursorCases));
    for (size_t i = 0; i < files.size(); ++i) {
        const CursorCase& c = kCursorCases[i];
        SCOPED_TRACE(std::string(c.name) + ": " + c.why);
        ASSERT_EQ(files[i].first, c.name);
        const layout::CursorImage cur = layout::decodeCursorFile(files[i].second);
        ASSERT_EQ(cur.image.width, 32);
        ASSERT_EQ(cur.image.height, 32);
        EXPECT_GE(cur.hotX, c.left);
        EXPECT_LT(cur.hotX, c.right);
        EXPECT_GE(cur.hotY, c.top);
        EXPECT_LT(cur.hotY, c.bottom);

        bool visibleAtHotSpot = false;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const int x = cur.hotX + dx, y = cur.hotY + dy;
                if (x >= 0 && y >= 0 && x < 32 && y < 32 && (cur.image.at(x, y) >> 24) >= 128) {
                    visibleAtHotSpot = true;
                }
            }
        }
        EXPECT_TRUE(visibleAtHotSpot) << "hot spot " << cur.hotX << ", " << cur.hotY << " points at nothing";

        // A shape on a clear ground: neither empty nor a filled square, and
        // no colour-key magenta left over from the item pictures.
        int opaque = 0, keyed = 0;
        for (uint32_t p : cur.image.pixels) {
            if ((p >> 24) >= 128) ++opaque;
            if ((p & 0xFFFFFF) == 0xFF00FF) ++keyed;
        }
        EXPECT_GE(opaque, 60);
        EXPECT_LE(opaque, 32 * 32 * 3 / 4);
        EXPECT_EQ(keyed, 0) << "colour key left in the cursor";
    }
}

TEST(AudioSetDeterminism, TheSameCallsGiveTheSameBytes) {
    EXPECT_EQ(waveItems(), waveItems());
    EXPECT_EQ(musicFile(3), musicFile(3));
    EXPECT_EQ(cursorFiles(), cursorFiles());
}

}  // namespace
}  // namespace kvarnel::standin

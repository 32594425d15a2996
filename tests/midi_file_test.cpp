// Standard MIDI File lengths: tempo maps, several tracks, running status,
// system-exclusive and meta events, files that must be refused, and the
// builder that makes the stand-in music.
#include "platform/midi_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kvarnel::platform {
namespace {

using Bytes = std::vector<uint8_t>;

void appendBigEndian(Bytes& out, uint32_t value, int count) {
    for (int shift = 8 * (count - 1); shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

Bytes chunk(const char* tag, const Bytes& body) {
    Bytes out(tag, tag + 4);
    appendBigEndian(out, static_cast<uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

Bytes header(uint16_t format, uint16_t tracks, uint16_t division) {
    Bytes body;
    appendBigEndian(body, format, 2);
    appendBigEndian(body, tracks, 2);
    appendBigEndian(body, division, 2);
    return chunk("MThd", body);
}

// A whole file: the header declares as many tracks as are given.
Bytes smf(uint16_t format, uint16_t division, std::initializer_list<Bytes> tracks) {
    Bytes out = header(format, static_cast<uint16_t>(tracks.size()), division);
    for (const Bytes& t : tracks) {
        const Bytes c = chunk("MTrk", t);
        out.insert(out.end(), c.begin(), c.end());
    }
    return out;
}

Bytes cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// Track event pieces; an event's delta time is written before it.
const Bytes kEnd = {0xFF, 0x2F, 0x00};
const Bytes kBareTrack = {0x00, 0xFF, 0x2F, 0x00};
Bytes tempo(uint32_t micros) { return {0xFF, 0x51, 0x03, uint8_t(micros >> 16), uint8_t(micros >> 8), uint8_t(micros)}; }
Bytes noteOn(uint8_t key) { return {0x90, key, 100}; }
Bytes noteOff(uint8_t key) { return {0x80, key, 0}; }

std::string show(const std::optional<int64_t>& v) { return v ? std::to_string(*v) + " ms" : "nullopt"; }

struct DurationCase {
    const char* name;
    Bytes file;
    std::optional<int64_t> expected;
};

void PrintTo(const DurationCase& c, std::ostream* os) { *os << c.name; }

// Test names from the case descriptions: letters and digits, the rest '_'.
template <typename Info>
std::string caseName(const Info& info) {
    std::string name = info.param.name;
    for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    }
    return name;
}

class MidiDuration : public ::testing::TestWithParam<DurationCase> {};

TEST_P(MidiDuration, MatchesTheTempoMapAndLastEvent) {
    const DurationCase& c = GetParam();
    const auto actual = midiDurationMs(c.file);
    EXPECT_EQ(actual, c.expected) << c.name << ": expected " << show(c.expected) << ", got " << show(actual);
}

// Delta times used below: 0x60 = 96, 0x83 0x60 = 480, 0x87 0x40 = 960.
INSTANTIATE_TEST_SUITE_P(
    Readable, MidiDuration,
    ::testing::Values(
        DurationCase{"default tempo is 120 bpm", smf(0, 96, {cat({{0x00}, noteOn(60), {0x60}, noteOff(60), {0x00}, kEnd})}),
                     500},
        DurationCase{"tempo change halfway",
                     smf(0, 480,
                         {cat({{0x00}, tempo(500000), {0x00}, noteOn(60), {0x83, 0x60}, tempo(250000), {0x87, 0x40},
                               noteOff(60), {0x00}, kEnd})}),
                     1000},
        DurationCase{"end-of-track delay counts", smf(0, 96, {cat({{0x00}, noteOn(60), {0x60}, noteOff(60), {0x60}, kEnd})}),
                     1000},
        DurationCase{"format 1: tempo track and a longer note track",
                     smf(1, 96,
                         {cat({{0x00}, tempo(1000000), {0x60}, tempo(500000), {0x00}, kEnd}),
                          cat({{0x00}, noteOn(60), {0x81, 0x40}, noteOff(60), {0x00}, kEnd})}),
                     1500},  // 96 ticks at 1 s, then 96 at 0.5 s
        DurationCase{"format 1: the longest of three tracks",
                     smf(1, 96,
                         {cat({{0x00}, kEnd}), cat({{0x60}, noteOff(60), {0x00}, kEnd}),
                          cat({{0x81, 0x40}, noteOff(61), {0x00}, kEnd})}),
                     1000},
        DurationCase{"tempo in a later track acts on all",
                     smf(1, 96, {cat({{0x81, 0x40}, noteOff(60), {0x00}, kEnd}), cat({{0x00}, tempo(250000), {0x00}, kEnd})}),
                     500},
        DurationCase{"running status note on / velocity 0",
                     smf(0, 96, {cat({{0x00, 0x90, 60, 100, 0x30, 60, 0, 0x30, 62, 100, 0x60, 62, 0, 0x00}, kEnd})}),
                     1000},  // 48 + 48 + 96 ticks; a misread event length would shift every delta
        DurationCase{"running status with one data byte (program change)",
                     smf(0, 96, {cat({{0x00, 0xC0, 5, 0x30, 6, 0x30, 7, 0x00}, kEnd})}), 500},
        DurationCase{"running status survives a meta event",
                     smf(0, 96, {cat({{0x00}, noteOn(60), {0x00, 0xFF, 0x01, 0x01, 'x', 0x60, 60, 0, 0x00}, kEnd})}), 500},
        DurationCase{"sysex bodies that look like events are skipped",
                     smf(0, 96,
                         {cat({{0x00, 0xF0, 0x05, 0x90, 0x40, 0xFF, 0x2F, 0xF7, 0x60, 0xF7, 0x02, 0x80, 0x00, 0x00}, kEnd})}),
                     500},
        DurationCase{"meta text with a two-byte length",
                     [] {
                         Bytes text = {0x00, 0xFF, 0x01, 0x81, 0x00};
                         text.insert(text.end(), 128, 0xFF);
                         return smf(0, 96, {cat({text, {0x60}, kEnd})});
                     }(),
                     500},
        DurationCase{"bytes after the end of track are not played",
                     smf(0, 96, {cat({{0x60}, kEnd, {0x7F, 0x90, 60, 100}})}), 500},
        DurationCase{"a track without end-of-track ends with its chunk",
                     smf(0, 96, {cat({{0x00}, noteOn(60), {0x60}, noteOff(60)})}), 500},
        DurationCase{"chunks of other kinds are skipped",
                     cat({header(1, 2, 96), chunk("MTrk", cat({{0x60}, kEnd})), chunk("XYZW", {1, 2, 3}),
                          chunk("MTrk", cat({{0x81, 0x40}, kEnd}))}),
                     1000},
        DurationCase{"a longer header is accepted",
                     cat({chunk("MThd", {0, 0, 0, 1, 0, 96, 0xAA, 0xBB}), chunk("MTrk", cat({{0x60}, kEnd}))}), 500},
        DurationCase{"rounded down to whole ms", smf(0, 3, {cat({{0x01}, kEnd})}), 166},  // 166.67 ms
        DurationCase{"largest delta time",
                     smf(0, 0x7FFF, {cat({{0xFF, 0xFF, 0xFF, 0x7F}, kEnd})}),  // 268435455 ticks
                     int64_t{268435455} * 500 / 0x7FFF},
        DurationCase{"empty track", smf(0, 96, {kBareTrack}), 0}),
    [](const auto& info) { return caseName(info); });

// Everything here is either not a file we read or broken; none may crash.
INSTANTIATE_TEST_SUITE_P(
    Refused, MidiDuration,
    ::testing::Values(
        DurationCase{"empty", {}, std::nullopt},
        DurationCase{"another file kind", cat({chunk("RIFF", {0, 0, 0, 1, 0, 96}), chunk("MTrk", kEnd)}), std::nullopt},
        DurationCase{"header too short", cat({chunk("MThd", {0, 0, 0, 1, 0}), chunk("MTrk", kEnd)}), std::nullopt},
        DurationCase{"header length past the end", {'M', 'T', 'h', 'd', 0, 0, 0, 9, 0, 0, 0, 1, 0, 96}, std::nullopt},
        DurationCase{"format 2", smf(2, 96, {kEnd}), std::nullopt},
        DurationCase{"SMPTE division", smf(0, 0xE728, {kEnd}), std::nullopt},
        DurationCase{"zero division", smf(0, 0, {kEnd}), std::nullopt},
        DurationCase{"no tracks declared", header(0, 0, 96), std::nullopt},
        DurationCase{"fewer tracks than declared", cat({header(1, 2, 96), chunk("MTrk", kEnd)}), std::nullopt},
        DurationCase{"track length past the end",
                     [] {
                         Bytes f = smf(0, 96, {kEnd});
                         f[21] = 4;  // declares 4 bytes, 3 follow
                         return f;
                     }(),
                     std::nullopt},
        DurationCase{"an event cut by its chunk, the next chunk right behind",
                     cat({header(1, 2, 96), chunk("MTrk", {0x00, 0x90, 60}), chunk("MTrk", {100, 0x00, 0xFF, 0x2F, 0x00})}),
                     std::nullopt},
        DurationCase{"data byte with no running status", smf(0, 96, {cat({{0x00, 60, 100}, kEnd})}), std::nullopt},
        DurationCase{"running status does not carry over to the next track",
                     smf(1, 96, {cat({{0x00}, noteOn(60), {0x00}, kEnd}), cat({{0x00, 60, 0, 0x00}, kEnd})}), std::nullopt},
        DurationCase{"system common byte", smf(0, 96, {cat({{0x00, 0xF2, 0x00, 0x00, 0x00}, kEnd})}), std::nullopt},
        DurationCase{"real-time byte", smf(0, 96, {cat({{0x00, 0xF8, 0x00}, kEnd})}), std::nullopt},
        DurationCase{"tempo of two bytes", smf(0, 96, {cat({{0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1, 0x00}, kEnd})}),
                     std::nullopt},
        DurationCase{"delta time of five bytes", smf(0, 96, {cat({{0x81, 0x81, 0x81, 0x81, 0x01}, kEnd})}), std::nullopt},
        DurationCase{"delta time cut by the chunk", smf(0, 96, {{0x81}}), std::nullopt},
        DurationCase{"meta length past the chunk", smf(0, 96, {{0x00, 0xFF, 0x01, 0x10, 'a', 'b'}}), std::nullopt},
        DurationCase{"meta type missing", smf(0, 96, {{0x00, 0xFF}}), std::nullopt},
        DurationCase{"sysex length past the chunk", smf(0, 96, {{0x00, 0xF0, 0x7F, 0x01, 0x02}}), std::nullopt},
        DurationCase{"more than 2^39 ticks",
                     [] {
                         Bytes t;
                         for (int i = 0; i < 2049; ++i) t.insert(t.end(), {0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x01, 0x00});
                         return smf(0, 96, {cat({t, {0x00}, kEnd})});
                     }(),
                     std::nullopt}),
    [](const auto& info) { return caseName(info); });

// A file with every kind of event, in two tracks.
Bytes richFile() {
    return smf(1, 96,
               {cat({{0x00}, tempo(600000), {0x00, 0xFF, 0x03, 0x04, 'S', 'o', 'n', 'g'}, {0x60}, tempo(400000), {0x00},
                     kEnd}),
                cat({{0x00, 0xF0, 0x03, 0x7E, 0x09, 0xF7}, {0x00, 0xC0, 0x10}, {0x00}, noteOn(60),
                     {0x30, 64, 90, 0x30, 60, 0, 0x00, 0xE0, 0x00, 0x40, 0x81, 0x00, 0x80, 64, 0}, {0x10}, kEnd})});
}

TEST(MidiDurationSafety, RichFileReadsAndEveryPrefixIsRefused) {
    const Bytes file = richFile();
    // 96 ticks at 0.6 s, then 96 + 128 + 16 - 96 = 144 ticks at 0.4 s.
    ASSERT_EQ(midiDurationMs(file), std::optional<int64_t>(600 + 600)) << show(midiDurationMs(file));
    for (size_t n = 0; n < file.size(); ++n) {
        const Bytes prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n));  // its own exact buffer
        EXPECT_EQ(midiDurationMs(prefix), std::nullopt) << "prefix of " << n << " of " << file.size() << " bytes gave "
                                                       << show(midiDurationMs(prefix));
    }
}

// Every byte of the file replaced by values that mean the most to a reader:
// the sanitizers catch any read outside the buffer, and the bytes inside a
// text or system-exclusive body must not change the length whatever they are.
TEST(MidiDurationSafety, ReplacedBytesStayInBoundsAndBodiesAreOpaque) {
    const Bytes file = richFile();
    const auto at = [&](const Bytes& needle) {
        return static_cast<size_t>(std::search(file.begin(), file.end(), needle.begin(), needle.end()) - file.begin());
    };
    const size_t text = at({'S', 'o', 'n', 'g'});
    const size_t sysex = at({0x7E, 0x09, 0xF7});
    ASSERT_LT(sysex, file.size());
    const auto inBody = [&](size_t i) { return (i >= text && i < text + 4) || (i >= sysex && i < sysex + 3); };
    for (size_t i = 0; i < file.size(); ++i) {
        for (const uint8_t value : {0x00, 0x01, 0x7F, 0x80, 0xF0, 0xFF}) {
            Bytes changed = file;
            changed[i] = value;
            const auto result = midiDurationMs(changed);
            if (inBody(i)) {
                EXPECT_EQ(result, std::optional<int64_t>(1200)) << "body byte " << i << " := " << int(value) << " gave "
                                                                << show(result);
            }
        }
    }
}

struct BuilderCase {
    const char* name;
    std::vector<MidiNote> notes;
    uint32_t microsPerQuarter;
    int64_t expected;
};

void PrintTo(const BuilderCase& c, std::ostream* os) { *os << c.name; }

class MakeMidiFile : public ::testing::TestWithParam<BuilderCase> {};

TEST_P(MakeMidiFile, LastsUntilTheLastNoteEnds) {
    const BuilderCase& c = GetParam();
    const Bytes file = makeMidiFile(c.notes, c.microsPerQuarter);
    const auto actual = midiDurationMs(file);
    EXPECT_EQ(actual, std::optional<int64_t>(c.expected))
        << c.name << ": expected " << c.expected << " ms, got " << show(actual);
}

INSTANTIATE_TEST_SUITE_P(
    Durations, MakeMidiFile,
    ::testing::Values(BuilderCase{"one note at 120 bpm", {{60, 0, 300}}, 500000, 300},
                      BuilderCase{"odd milliseconds at 120 bpm", {{60, 7, 293}, {64, 1, 1}}, 500000, 300},
                      BuilderCase{"60 bpm", {{60, 100, 1234}}, 1000000, 1334},
                      BuilderCase{"240 bpm", {{60, 0, 250}, {62, 250, 251}}, 250000, 501},
                      BuilderCase{"notes given out of order, overlapping", {{67, 800, 100}, {60, 0, 1000}, {64, 200, 50}},
                                  500000, 1000},
                      BuilderCase{"the same key struck again at once", {{60, 0, 100}, {60, 100, 100}}, 500000, 200},
                      BuilderCase{"no notes", {}, 500000, 0}),
    [](const auto& info) { return caseName(info); });

TEST(MakeMidiFileEvents, KeyStruckAgainIsReleasedFirst) {
    // The second strike must follow the release at the same tick, or the
    // synthesiser would end the new note at once.
    const MidiNote notes[] = {{60, 0, 100}, {60, 100, 100}};
    const Bytes file = makeMidiFile(notes);
    const Bytes offThenOn = {0x80, 60, 0, 0x00, 0x90, 60, 100};
    EXPECT_NE(std::search(file.begin(), file.end(), offThenOn.begin(), offThenOn.end()), file.end());
}

TEST(MakeMidiFileEvents, GapTooLongForADeltaTimeThrows) {
    const MidiNote notes[] = {{60, 0, 300}};
    EXPECT_THROW(makeMidiFile(notes, 1), std::invalid_argument);  // 3e8 ticks > 2^28
}

}  // namespace
}  // namespace kvarnel::platform

// Standard MIDI Files: how long a piece lasts, and a small builder.
//
// The music players need to know when a piece ends musically: a software
// synthesiser keeps sounding the release of the last notes for seconds after
// the final event, and a looping track must start over at the musical end,
// not after that tail. The duration is read from the file itself.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kvarnel::platform {

// Musical duration of a Standard MIDI File in whole milliseconds (rounded
// down): the time of its last event over all tracks, the end-of-track events
// included, with every tempo change (from any track) applied; 120 beats per
// minute until the first one.
//
// Reads formats 0 and 1 with a ticks-per-quarter division. Returns nullopt
// for anything else: no "MThd" header, format 2, an SMPTE or zero division,
// fewer track chunks than the header declares, a chunk or an event that runs
// past its end, a data byte with no running status, a status byte that has
// no place in a file (0xF1..0xFE), a tempo event whose length is not 3, or a
// piece longer than 2^39 ticks. Chunks of other types are skipped; a track
// that ends without an end-of-track event ends with its chunk. Running
// status survives meta and system-exclusive events (many files rely on it).
// Never reads outside `smf`.
std::optional<int64_t> midiDurationMs(std::span<const uint8_t> smf);

// One note of makeMidiFile(): MIDI key number (0..127), start and length in
// milliseconds.
struct MidiNote {
    uint8_t key = 60;
    uint32_t startMs = 0;
    uint32_t lengthMs = 0;
};

// Ticks per quarter note of makeMidiFile()'s files. At 120 beats per minute
// (500,000 microseconds per quarter) one tick is half a millisecond.
inline constexpr uint16_t kMakeMidiDivision = 1000;

// Builds a format-0 file on channel 0 (piano, velocity 100): a tempo event of
// `microsPerQuarter` at time 0, then each note's on and off events, and the
// end of the track at the end of the last note. Times are converted to the
// nearest tick, so midiDurationMs() of the result equals the latest
// start + length exactly whenever that is a whole number of ticks (always at
// 60, 120 and 240 beats per minute). Keys above 127 are clipped to 127;
// `microsPerQuarter` is clipped to 1 .. 0xFFFFFF. Throws
// std::invalid_argument when a gap between two events is longer than a MIDI
// delta time can hold (2^28 ticks, some 37 hours at 120 bpm).
std::vector<uint8_t> makeMidiFile(std::span<const MidiNote> notes, uint32_t microsPerQuarter = 500000);

}  // namespace kvarnel::platform

// Stand-in sounds, music and mouse cursors, synthesised and drawn by code.
//
// The game folder needs the 17 sound effects of the wave list `Zvuky`, the
// six music files the media players open, and the ten cursor files the
// pointer is loaded from. All three sets are pure functions of this code:
// the same build gives the same bytes every run (noise comes from a fixed-
// seed generator, nothing reads the clock).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kvarnel::standin {

// The 17 items of `Zvuky`, item 0 first, each a complete RIFF/WAVE PCM file
// in the channel count, sample width and rate the game's wave list has for
// that item, and of its length:
//   0 the inventory bar sliding (stereo 16-bit 44,100 Hz, 3.56 s)
//   1 a ball bouncing            (mono 8-bit 22,050 Hz, 0.20 s)
//   2 a ball missed              (mono 8-bit 11,000 Hz, 0.49 s)
//   3 a won bet                  (stereo 8-bit 11,025 Hz, 2.46 s)
//   4 the bird's flight          (mono 8-bit 11,025 Hz, 0.72 s)
//   5 a main-menu button hovered (stereo 16-bit 22,050 Hz, 0.28 s)
//   6 the bonus game's banner    (mono 8-bit 11,025 Hz, 7.29 s)
//   7 cave: the detective's step begins or ends (mono 8-bit 22,050 Hz, 0.20 s)
//   8 cave: the middle of his step              (mono 8-bit 22,050 Hz, 0.21 s)
//   9 cave: the pursuer's step begins or ends   (mono 8-bit 11,025 Hz, 0.21 s)
//  10 cave: the middle of the pursuer's step    (mono 8-bit 11,025 Hz, 0.17 s)
//  11 cave: the detective is caught  (mono 16-bit 22,050 Hz, 3.27 s)
//  12 cave: a level solved           (mono 8-bit 11,025 Hz, 0.84 s)
//  13 a language label hovered       (stereo 16-bit 44,100 Hz, 0.23 s)
//  14 sound effects switched on      (mono 16-bit 22,050 Hz, 1.28 s)
//  15 countdown 3 and 2              (mono 8-bit 11,025 Hz, 0.20 s)
//  16 countdown 1                    (mono 8-bit 8,000 Hz, 0.30 s)
// Every sound fades in from and out to silence, so a sound cut off or
// started over does not click. 8-bit samples are unsigned, 16-bit signed
// little-endian.
std::vector<std::vector<uint8_t>> waveItems();

// Music file k (1 .. 6), the contents of "mmid<k>.mid": a Standard MIDI File
// (format 1: a tempo track, then one track per part) of 30 to 60 seconds.
//   1 main menu       2 village        3 western forest
//   4 eastern forest  5 cave           6 credits
// The game replays a file as soon as it ends, so each piece ends exactly at
// the end of its last bar, with a last bar that leads back into the first.
// Throws std::out_of_range for any other k.
std::vector<uint8_t> musicFile(int k);

// The ten cursor files, each a 32 x 32 ".cur" under its working name
// relative to the game folder ("Cursors/Kurzor.cur" ...), in the order of the
// game's asset table: Jidlo, Kurzor, Lano, Lopata, Nuz, Olmeca, Peniz,
// Prechod, Pusa, Sperhak. The plain pointer is an arrow with its hot spot at
// the tip; Prechod (over an exit) a bold arrow pointing onward; Pusa (over a
// talk hotspot) a speech bubble with a mouth; the item cursors are the items
// of the inventory bar, with the hot spot where the item touches things.
std::vector<std::pair<std::string, std::vector<uint8_t>>> cursorFiles();

}  // namespace kvarnel::standin

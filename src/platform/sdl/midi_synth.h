// The music synthesiser: FluidSynth driven directly, its output fed into the
// mixer's music stream.
//
// Why not the mixer's own MIDI playback: it runs the synthesiser at the
// device's rate with chorus and reverb, which costs a few per cent of a core
// for as long as any music plays, idle menu included. Here the synthesiser
// runs at half the device's rate (General MIDI sound fonts hold little above
// 11 kHz, so the music loses next to nothing) and SDL resamples it to the
// device's rate; wave sounds keep the full rate. It also gives a clean start
// from the top of a piece whenever asked, which the mixer's back end did not.
//
// Threads. start(), halt(), open() and close() are for the game's thread;
// render() runs on the audio thread inside the mixer's callback. A mutex
// keeps them apart; the game's thread holds it only while it swaps pieces.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace kvarnel::platform {

class MidiSynth {
public:
    MidiSynth();
    ~MidiSynth();
    MidiSynth(const MidiSynth&) = delete;
    MidiSynth& operator=(const MidiSynth&) = delete;

    // Creates the synthesiser with the first sound font of `soundFonts` that
    // loads, producing audio in the device's format (an SDL audio format, its
    // rate and channel count). Returns false (and says why in `error`) when
    // there is no usable sound font or the synthesiser cannot be made; the
    // object then renders silence.
    bool open(std::span<const char* const> soundFonts, int deviceRate, uint16_t deviceFormat, int deviceChannels,
              std::string& error);
    bool isOpen() const;
    void close();

    // Plays a standard MIDI file from its top, looping at its end, in place
    // of whatever played (cut off at once, controllers reset). The bytes are
    // copied. False when the synthesiser is not open or refuses the file.
    bool start(std::span<const uint8_t> midiFile);
    // Silences the music at once.
    void halt();

    // Audio thread: writes `len` bytes of music in the device's format, or
    // leaves the buffer as it is (silence) when nothing sounds.
    void render(uint8_t* stream, int len);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace kvarnel::platform

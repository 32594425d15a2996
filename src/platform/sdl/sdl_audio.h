// Sound effects on SDL2_mixer and MIDI music from FluidSynth (MidiSynth)
// through the mixer's music stream.
//
// Wave sounds play on mixer channels, any number at once. The six music
// players share the one music stream; their bookkeeping (positions,
// interruption, end notifications) is a MediaClock, and this class adds the
// synthesiser calls to it.
//
// Ends of tracks. A MIDI synthesiser reports the end of a piece only after
// the release of its last notes has died away, seconds after the music
// stopped; a looping track would pause that long. So a track ends when its
// length, read from the file (midiDurationMs), has passed on the caller's
// clock, and update() queues the notification then. Only files whose length
// can be read are played; the clock rules, so a synthesiser that fails
// keeps the rhythm of notifications instead of making a loop spin.
//
// Looping without a gap. A track is handed to the synthesiser looping, so it
// starts over exactly at its musical end. When the clock ends it, it goes on
// sounding for at most 100 ms: a play of the same player from its start
// within that time (the game's end handler playing it again, with or
// without a rewind first) takes over the running loop, and its clock counts
// from the moment the last one ended. Without such a play the music is
// halted after those 100 ms, so a track that is not played again may let
// the first 100 ms of its next round be heard.
//
// Starting over and resuming. Any start other than taking over a running
// loop plays the piece from its top. Resuming after a stop would need a
// seek to a time, which the synthesiser does not offer; so the player is
// rewound and plays from its start, and the end bookkeeping counts from
// there. The game rewinds before it starts a track anyway, and a track that
// ran out starts over by rule, so this only differs from the players' rules
// when a stopped track is played again without a rewind.
//
// Threads. Every method is for the game's thread; the synthesiser renders
// on the audio thread inside the mixer's callback, and openInBackground()
// opens the device on a thread of its own until the first call needing it.
//
// Failure. When open() fails (no audio device, no driver) the object stays
// silent for the run and still accepts every call: the players keep their
// bookkeeping and notify as if they played, like the headless platform.
// Every missing feature is logged once.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace kvarnel::platform {

class SdlAudio {
public:
    SdlAudio();
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // Starts SDL's audio subsystem and the mixer: 44,100 Hz, stereo, 16 bits,
    // with MIDI through the General MIDI sound font of the system (the
    // synthesiser itself runs at 22,050 Hz, see MidiSynth). Returns
    // false (and logs why, once) when no audio output could be opened; the
    // object then stays silent until close(). A missing MIDI synthesiser or
    // sound font only silences the music (logged once) and still returns
    // true. Only one SdlAudio may be open at a time (the mixer is global).
    bool open();
    // The same opening on a thread of its own, so that the caller goes on
    // (the first frame shows meanwhile); the first call that needs the
    // device waits for it, and starts it when nobody did. open() or
    // isOpen() afterwards tell how it went.
    void openInBackground();
    bool isOpen() const;

    // Loads the wave list's RIFF WAVE files; the bytes are copied, so the
    // caller's buffers may go. Replaces any earlier list. Waves handed over
    // before open() are loaded when it succeeds. A wave that cannot be
    // loaded stays silent (logged once).
    void setWaves(const std::vector<std::span<const uint8_t>>& waves);
    // Starts wave `index` from its beginning, mixed with everything that
    // already sounds, the same wave included; never loops. More channels are
    // allocated when all are busy. An index outside the list is ignored.
    void playWave(int index);

    // --- Music players 0 .. 5 (other numbers are ignored) ----------------
    // Remembers the file for the next openPlayer(); a player that is open
    // keeps playing what it opened.
    void setFileName(int player, const std::string& nativePath);
    // Reads the file (at most 16 MiB) and takes its MIDI length. Returns
    // false when the file is missing or unreadable or is not a MIDI file
    // whose length can be read; the player then has no music (play does
    // nothing, no notification comes). A file whose length is known opens
    // even when the synthesiser cannot play it (or there is no device): it
    // plays silently and still notifies. A playback of this player ends
    // first (with its notification).
    bool openPlayer(int player);
    // Plays from the player's position to the end (from the start when it
    // stands at the end); interrupts another player that plays. With
    // `notify`, the end is queued for takeEnded().
    void play(int player, bool notify, uint64_t nowMs);
    void stop(int player, uint64_t nowMs);
    // Stops the player and returns it to the start.
    void rewind(int player);

    // Called on every pass of the game's loop: ends the track whose time is
    // up, and silences a finished loop that was
    // not played again.
    void update(uint64_t nowMs);
    // Pops the oldest notification: the player whose playback ended.
    bool takeEnded(int& player);
    // When update() next has something to do (a track's end, or silencing
    // a finished loop), for the caller's sleep; UINT64_MAX when nothing is
    // due.
    uint64_t nextDeadline() const;

    // Halts all sound, frees the waves and the music and closes the mixer.
    // The players keep their bookkeeping (they go on as if silent).
    void close();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace kvarnel::platform

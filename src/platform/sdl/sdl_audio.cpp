// Sections: [Opening]; [Waves]; [Music].
//
// How the music stream follows the MediaClock (see the header for why):
// `sounding` is the player whose piece the synthesiser plays. It is normally
// the clock's playing player; after the clock ended a looping track it may
// linger until `lingerUntilMs`, waiting to be taken over by a play from the
// start.
#include "platform/sdl/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <climits>
#include <filesystem>
#include <future>
#include <limits>
#include <optional>
#include <string>
#include <thread>

#include "platform/host_files.h"
#include "platform/log.h"
#include "platform/media_clock.h"
#include "platform/midi_file.h"
#include "platform/sdl/midi_synth.h"

namespace kvarnel::platform {
namespace {

constexpr int kSampleRate = 44100;
constexpr int kOutputChannels = 2;
constexpr int kChunkSamples = 1024;  // about 23 ms per mixing pass
constexpr int kMaxMixChannels = 1024;
constexpr uintmax_t kMaxMusicFileBytes = 16u << 20;
// How long an ended looping track may go on sounding while the game's end
// handler decides whether to play it again.
constexpr uint64_t kLingerMs = 100;
constexpr std::array<const char*, 2> kSoundFonts = {"/usr/share/sounds/sf3/default-GM.sf3",
                                                    "/usr/share/sounds/sf2/default-GM.sf2"};

// SDL2_mixer is one global mixer, so only one SdlAudio may hold it.
std::atomic<bool> gMixerTaken{false};

// The mixer's music hook, on the audio thread: the synthesiser fills the
// music stream, and the mixer adds the waves on top.
void SDLCALL renderMusic(void* synth, Uint8* stream, int len) {
    static_cast<MidiSynth*>(synth)->render(stream, len);
}

struct Track {
    std::string path;            // for the next openPlayer()
    std::vector<uint8_t> bytes;  // the opened file, handed to the synthesiser at each start
    uint64_t durationMs = 0;
};

}  // namespace

struct SdlAudio::Impl {
    bool audioOpen = false;
    bool openFailed = false;
    std::vector<std::vector<uint8_t>> waveBytes;  // kept to load them when the device opens
    std::vector<Mix_Chunk*> waves;
    std::array<Track, MediaClock::kPlayerCount> tracks{};
    MediaClock clock;
    MidiSynth synth;
    // The device and the soundfont open on a thread of their own while the
    // window shows its first frame: a sound server that is slow to answer
    // and a compressed General MIDI font to expand take a tenth of a second
    // or more. Nothing touches the mixer or `synth` before settle() has
    // taken the result.
    std::future<bool> opening;
    bool started = false;  // the opening began (or close() ruled it out)
    bool synthOpened = false;
    int sounding = -1;
    uint64_t lingerUntilMs = 0;  // 0: `sounding` is not lingering

    static bool validPlayer(int player) { return player >= 0 && player < MediaClock::kPlayerCount; }
    bool lingering() const { return lingerUntilMs != 0; }

    // On the opening thread: the subsystem, the mixer and the synthesiser.
    bool openDevice() {
        if (gMixerTaken.exchange(true)) {
            logOnce("sdl-audio-taken", "no sound: the mixer is already in use");
            return false;
        }
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            logOnce("sdl-audio-open", std::string("no sound: cannot start audio: ") + SDL_GetError());
            gMixerTaken = false;
            return false;
        }
        if (Mix_OpenAudio(kSampleRate, AUDIO_S16SYS, kOutputChannels, kChunkSamples) != 0) {
            logOnce("sdl-audio-open", std::string("no sound: cannot open the audio device: ") + Mix_GetError());
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            gMixerTaken = false;
            return false;
        }
        int rate = kSampleRate;
        Uint16 format = AUDIO_S16SYS;
        int channels = kOutputChannels;
        Mix_QuerySpec(&rate, &format, &channels);
        std::string error;
        synthOpened = synth.open(kSoundFonts, rate, format, channels, error);
        if (!synthOpened) logOnce("sdl-audio-midi", "music is silent: " + error);
        return true;
    }
    void startOpening() {
        if (started) return;
        started = true;
        openFailed = true;  // until settle() takes a success
        // Both policies: when no thread can be made, it opens at the first need.
        opening = std::async(std::launch::async | std::launch::deferred, [this, caller = std::this_thread::get_id()] {
            const bool opened = openDevice();
            // SDL keeps per-thread data (its error text) that only its own
            // threads free when they end; this one is not SDL's.
            if (std::this_thread::get_id() != caller) SDL_TLSCleanup();
            return opened;
        });
    }
    // Takes the opening's result, waiting for it if it is still under way;
    // the first need of the device starts the opening when nobody did.
    void settle() {
        startOpening();
        if (!opening.valid()) return;
        if (!opening.get()) return;  // openFailed stays set
        if (synthOpened) Mix_HookMusic(renderMusic, &synth);
        audioOpen = true;
        openFailed = false;
        // Waves handed over before the device opened sound now.
        loadWaves();
    }
    void haltMusic() {
        if (sounding < 0) return;
        synth.halt();
        sounding = -1;
        lingerUntilMs = 0;
    }

    void freeWaves() {
        for (Mix_Chunk* chunk : waves) {
            if (chunk != nullptr) Mix_FreeChunk(chunk);  // halts the channels that play it
        }
        waves.assign(waveBytes.size(), nullptr);
    }

    void loadWaves() {
        freeWaves();
        if (!audioOpen) return;
        for (size_t i = 0; i < waveBytes.size(); ++i) {
            const auto& bytes = waveBytes[i];
            if (bytes.empty() || bytes.size() > static_cast<size_t>(INT_MAX)) continue;
            SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
            waves[i] = rw != nullptr ? Mix_LoadWAV_RW(rw, 1) : nullptr;
            if (waves[i] == nullptr) {
                logOnce("sdl-audio-wave:" + std::to_string(i),
                        "wave " + std::to_string(i) + " plays silently: " + Mix_GetError());
            }
        }
    }

    // Makes the synthesiser play `player` from `fromMs`; returns where it
    // really starts (0: it cannot start in the middle of a piece). A player
    // without sound keeps `fromMs` and only silences what played before.
    uint64_t startMusic(int player, uint64_t fromMs) {
        Track& t = tracks[static_cast<size_t>(player)];
        if (sounding == player && lingering() && fromMs == 0) {
            lingerUntilMs = 0;  // the synthesiser is already at the top of its next loop
            return 0;
        }
        lingerUntilMs = 0;
        settle();
        if (!audioOpen || !synth.isOpen()) {
            haltMusic();
            return fromMs;
        }
        if (!synth.start(t.bytes)) {
            logOnce("sdl-audio-play:" + t.path, "music file " + t.path + " plays silently: the synthesiser refused it");
            sounding = player;  // whatever still sounds must go
            haltMusic();
            return fromMs;
        }
        sounding = player;
        if (fromMs == 0) return 0;
        logOnce("sdl-audio-seek", "music resumes from the start (the synthesiser cannot start in the middle)");
        return 0;
    }

    // The end detection, run before every command and on every loop pass.
    void update(uint64_t nowMs) {
        const uint64_t dueMs = clock.nextDeadline();
        const int ended = clock.update(nowMs);
        if (ended >= 0 && ended == sounding) lingerUntilMs = std::max<uint64_t>(dueMs, 1) + kLingerMs;
        if (lingering() && nowMs >= lingerUntilMs) haltMusic();
        if (sounding >= 0 && !lingering() && clock.playing() != sounding) haltMusic();
    }
};

SdlAudio::SdlAudio() : impl_(std::make_unique<Impl>()) {}

SdlAudio::~SdlAudio() {
    close();
}

// ---------------------------------------------------------------------------
// [SECTION] Opening
// ---------------------------------------------------------------------------
void SdlAudio::openInBackground() {
    impl_->startOpening();
}

bool SdlAudio::open() {
    openInBackground();
    impl_->settle();
    return impl_->audioOpen;
}

bool SdlAudio::isOpen() const {
    impl_->settle();
    return impl_->audioOpen;
}

void SdlAudio::close() {
    Impl& d = *impl_;
    if (!d.started) {
        d.started = true;  // never opened, and not to be opened now
        return;
    }
    d.settle();
    if (!d.audioOpen) return;
    Mix_HookMusic(nullptr, nullptr);
    Mix_HaltChannel(-1);
    d.sounding = -1;
    d.lingerUntilMs = 0;
    d.synth.close();
    d.freeWaves();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    d.audioOpen = false;
    gMixerTaken = false;
}

// ---------------------------------------------------------------------------
// [SECTION] Waves
// ---------------------------------------------------------------------------
void SdlAudio::setWaves(const std::vector<std::span<const uint8_t>>& waves) {
    Impl& d = *impl_;
    d.waveBytes.clear();
    for (const auto& bytes : waves) d.waveBytes.emplace_back(bytes.begin(), bytes.end());
    d.loadWaves();
}

void SdlAudio::playWave(int index) {
    Impl& d = *impl_;
    d.settle();
    if (!d.audioOpen || index < 0 || static_cast<size_t>(index) >= d.waves.size()) return;
    Mix_Chunk* chunk = d.waves[static_cast<size_t>(index)];
    if (chunk == nullptr) return;
    if (Mix_PlayChannel(-1, chunk, 0) >= 0) return;
    // Every channel is busy: add channels rather than drop the sound.
    const int channels = Mix_AllocateChannels(-1);
    if (channels < kMaxMixChannels) {
        Mix_AllocateChannels(std::min(std::max(channels * 2, 8), kMaxMixChannels));
        if (Mix_PlayChannel(-1, chunk, 0) >= 0) return;
    }
    logOnce("sdl-audio-channels", std::string("a sound was dropped: ") + Mix_GetError());
}

// ---------------------------------------------------------------------------
// [SECTION] Music
// ---------------------------------------------------------------------------
void SdlAudio::setFileName(int player, const std::string& nativePath) {
    if (!Impl::validPlayer(player)) return;
    impl_->tracks[static_cast<size_t>(player)].path = nativePath;
}

bool SdlAudio::openPlayer(int player) {
    Impl& d = *impl_;
    if (!Impl::validPlayer(player)) return false;
    Track& t = d.tracks[static_cast<size_t>(player)];
    if (d.sounding == player) d.haltMusic();
    t.bytes.clear();
    t.durationMs = 0;

    std::error_code error;
    const auto size = std::filesystem::file_size(t.path, error);
    std::optional<std::vector<uint8_t>> bytes;
    if (!error && size <= kMaxMusicFileBytes) bytes = host::readWholeFile(t.path);
    if (!bytes || bytes->empty()) {
        logOnce("sdl-audio-file:" + t.path, "music file " + t.path + " is missing or unreadable");
        d.clock.close(player);
        return false;
    }
    // The synthesiser plays standard MIDI files, and the end of a piece is
    // known from its length alone; a file that cannot be read as one has
    // no music.
    const auto ms = midiDurationMs(*bytes);
    if (!ms) {
        logOnce("sdl-audio-length:" + t.path, "music file " + t.path + " is not a readable MIDI file");
        d.clock.close(player);
        return false;
    }
    t.bytes = std::move(*bytes);
    t.durationMs = static_cast<uint64_t>(*ms);
    d.clock.open(player, t.durationMs);
    return true;
}

void SdlAudio::play(int player, bool notify, uint64_t nowMs) {
    Impl& d = *impl_;
    d.update(nowMs);
    if (!d.clock.isOpen(player)) return;
    if (d.clock.playing() == player) {
        d.clock.play(player, notify, nowMs);
        return;
    }
    const uint64_t fromMs = d.clock.atEnd(player) ? 0 : d.clock.positionMs(player, nowMs);
    const bool adopting = d.sounding == player && d.lingering() && fromMs == 0;
    const uint64_t lingerEndMs = d.lingerUntilMs - kLingerMs;
    if (d.startMusic(player, fromMs) != fromMs) d.clock.rewind(player);
    // An adopted loop began when the clock ended the last one, not now.
    d.clock.play(player, notify, adopting ? std::min(lingerEndMs, nowMs) : nowMs);
}

void SdlAudio::stop(int player, uint64_t nowMs) {
    Impl& d = *impl_;
    d.update(nowMs);
    d.clock.stop(player, nowMs);
    if (Impl::validPlayer(player) && d.sounding == player) d.haltMusic();
}

void SdlAudio::rewind(int player) {
    Impl& d = *impl_;
    d.clock.rewind(player);
    // A lingering track stays: a rewind and a play is how the game restarts it.
    if (Impl::validPlayer(player) && d.sounding == player && !d.lingering()) d.haltMusic();
}

void SdlAudio::update(uint64_t nowMs) {
    impl_->update(nowMs);
}

bool SdlAudio::takeEnded(int& player) {
    return impl_->clock.takeEnded(player);
}

uint64_t SdlAudio::nextDeadline() const {
    const Impl& d = *impl_;
    return d.lingering() ? std::min(d.clock.nextDeadline(), d.lingerUntilMs) : d.clock.nextDeadline();
}

}  // namespace kvarnel::platform

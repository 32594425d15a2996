#include "platform/sdl/midi_synth.h"

#include <SDL.h>
#include <fluidsynth.h>

#include <array>
#include <filesystem>
#include <mutex>

namespace kvarnel::platform {
namespace {

// Half the usual device rate: the synthesiser's cost grows with its rate,
// and a General MIDI sound font's instruments hold little above 11 kHz.
constexpr int kSynthRate = 22050;
constexpr int kSynthChannels = 2;
// Frames rendered per call into the synthesiser (a multiple of its own
// 64-frame block, so no work is wasted).
constexpr int kRenderFrames = 512;

}  // namespace

struct MidiSynth::Impl {
    std::mutex mutex;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    SDL_AudioStream* stream = nullptr;
    std::array<int16_t, kRenderFrames * kSynthChannels> block{};

    // Caller holds the mutex.
    void dropPlayer() {
        if (player != nullptr) {
            fluid_player_stop(player);
            delete_fluid_player(player);
            player = nullptr;
        }
        if (synth != nullptr) {
            fluid_synth_all_sounds_off(synth, -1);
            fluid_synth_system_reset(synth);
        }
        if (stream != nullptr) SDL_AudioStreamClear(stream);
    }

    // Caller holds the mutex. A halt cuts the music off, effects' tails
    // included, so only a playing piece is rendered.
    bool sounding() const { return player != nullptr && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING; }
};

MidiSynth::MidiSynth() : impl_(std::make_unique<Impl>()) {}

MidiSynth::~MidiSynth() {
    close();
}

bool MidiSynth::open(std::span<const char* const> soundFonts, int deviceRate, uint16_t deviceFormat, int deviceChannels,
                     std::string& error) {
    close();
    Impl& d = *impl_;
    std::lock_guard lock(d.mutex);
    d.settings = new_fluid_settings();
    if (d.settings == nullptr) {
        error = "cannot create the synthesiser's settings";
        return false;
    }
    fluid_settings_setnum(d.settings, "synth.sample-rate", kSynthRate);
    d.synth = new_fluid_synth(d.settings);
    if (d.synth == nullptr) {
        error = "cannot create the synthesiser";
        delete_fluid_settings(d.settings);
        d.settings = nullptr;
        return false;
    }
    bool haveFont = false;
    for (const char* font : soundFonts) {
        std::error_code ignored;
        if (std::filesystem::exists(font, ignored) && fluid_synth_sfload(d.synth, font, 1) != FLUID_FAILED) {
            haveFont = true;
            break;
        }
    }
    d.stream = SDL_NewAudioStream(AUDIO_S16SYS, kSynthChannels, kSynthRate, deviceFormat,
                                  static_cast<uint8_t>(deviceChannels), deviceRate);
    if (!haveFont || d.stream == nullptr) {
        error = !haveFont ? "no General MIDI sound font found" : std::string("cannot convert music: ") + SDL_GetError();
        if (d.stream != nullptr) SDL_FreeAudioStream(d.stream);
        d.stream = nullptr;
        delete_fluid_synth(d.synth);
        d.synth = nullptr;
        delete_fluid_settings(d.settings);
        d.settings = nullptr;
        return false;
    }
    return true;
}

bool MidiSynth::isOpen() const {
    return impl_->synth != nullptr;
}

void MidiSynth::close() {
    Impl& d = *impl_;
    std::lock_guard lock(d.mutex);
    d.dropPlayer();
    if (d.stream != nullptr) SDL_FreeAudioStream(d.stream);
    d.stream = nullptr;
    if (d.synth != nullptr) delete_fluid_synth(d.synth);
    d.synth = nullptr;
    if (d.settings != nullptr) delete_fluid_settings(d.settings);
    d.settings = nullptr;
}

bool MidiSynth::start(std::span<const uint8_t> midiFile) {
    Impl& d = *impl_;
    std::lock_guard lock(d.mutex);
    if (d.synth == nullptr || midiFile.empty()) return false;
    d.dropPlayer();
    d.player = new_fluid_player(d.synth);
    if (d.player == nullptr || fluid_player_add_mem(d.player, midiFile.data(), midiFile.size()) != FLUID_OK) {
        d.dropPlayer();
        return false;
    }
    fluid_player_set_loop(d.player, -1);
    if (fluid_player_play(d.player) != FLUID_OK) {
        d.dropPlayer();
        return false;
    }
    return true;
}

void MidiSynth::halt() {
    Impl& d = *impl_;
    std::lock_guard lock(d.mutex);
    d.dropPlayer();
}

void MidiSynth::render(uint8_t* out, int len) {
    Impl& d = *impl_;
    std::lock_guard lock(d.mutex);
    if (d.synth == nullptr || d.stream == nullptr || len <= 0) return;
    // Nothing playing: leave the silence, and spare the synthesiser its work.
    if (!d.sounding()) return;
    while (SDL_AudioStreamAvailable(d.stream) < len) {
        fluid_synth_write_s16(d.synth, kRenderFrames, d.block.data(), 0, kSynthChannels, d.block.data(), 1,
                              kSynthChannels);
        if (SDL_AudioStreamPut(d.stream, d.block.data(), static_cast<int>(d.block.size() * sizeof(int16_t))) != 0) {
            return;
        }
    }
    SDL_AudioStreamGet(d.stream, out, len);
}

}  // namespace kvarnel::platform

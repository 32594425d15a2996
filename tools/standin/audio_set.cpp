// Stand-in sounds, music and cursors.
//
// Sections: synthesis kit · the 17 sound effects · MIDI writer · the six
// pieces · cursors.
#include "standin/audio_set.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <span>
#include <stdexcept>
#include <string_view>

#include "layout/cursor_file.h"
#include "layout/wave.h"
#include "standin/art.h"

namespace kvarnel::standin {
namespace {

constexpr double kPi = 3.14159265358979323846;

// ---------------------------------------------------------------------------
// [SECTION] Synthesis kit
// ---------------------------------------------------------------------------
// Sounds are mixed in floating point (full scale 1.0) and quantised once at
// the end. Every voice has its own envelope; the whole sound then gets a
// short raised-cosine fade at both ends so it starts and stops at silence.

// The noise source: a fixed-seed linear congruential generator, so the same
// build gives the same samples.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed) {}
    double next() {  // uniform in [-1, 1)
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

private:
    uint32_t state_;
};

// Linear attack, then an exponential decay with time constant `tau` (an
// infinite tau holds the level), and a linear release over the last
// `release` seconds of the voice.
struct Envelope {
    double attack = 0.005;
    double tau = std::numeric_limits<double>::infinity();
    double release = 0.02;

    double at(double t, double dur) const {
        double a = attack > 0 ? std::min(1.0, t / attack) : 1.0;
        if (std::isfinite(tau)) a *= std::exp(-std::max(0.0, t - attack) / tau);
        if (release > 0 && t > dur - release) a *= std::max(0.0, (dur - t) / release);
        return a;
    }
};

// One partial of a tone: frequency ratio to the fundamental, amplitude, and
// how much faster than the envelope it dies away (bells lose their upper
// partials first).
struct Partial {
    double ratio = 1.0;
    double amp = 1.0;
    double decayScale = 1.0;
};

const std::vector<Partial> kSine = {{1, 1}};
const std::vector<Partial> kSoftSquare = {{1, 1}, {3, 0.3}, {5, 0.12}, {7, 0.05}};
const std::vector<Partial> kReed = {{1, 1}, {2, 0.45}, {3, 0.3}, {4, 0.15}, {5, 0.1}};
const std::vector<Partial> kBrass = {{1, 1}, {2, 0.7}, {3, 0.45}, {4, 0.3}, {5, 0.18}, {6, 0.1}};
const std::vector<Partial> kBell = {{1, 1}, {2, 0.45, 1.5}, {2.76, 0.35, 2.2}, {4.07, 0.2, 3.0}, {5.4, 0.1, 4.0}};

class Sound {
public:
    Sound(int channels, int rate, double seconds)
        : channels_(channels), rate_(rate), frames_(static_cast<size_t>(std::lround(seconds * rate))) {
        for (int c = 0; c < channels_; ++c) data_[c].assign(frames_, 0.0);
    }

    int rate() const { return rate_; }
    double seconds() const { return static_cast<double>(frames_) / rate_; }

    // Adds a tone from `start` for `dur` seconds. The pitch glides
    // exponentially from f0 to f1 over the voice; `vibratoHz`/`vibratoDepth`
    // wobble it (depth as a fraction of the pitch). `pan` runs from panFrom
    // to panTo over the voice (-1 left .. 1 right; mono ignores it).
    // Partials above 90 % of the Nyquist frequency are left out, so nothing
    // folds back as an alias.
    struct Tone {
        double start = 0;
        double dur = 0.1;
        double f0 = 440;
        double f1 = 0;  // 0: no glide
        double gain = 0.5;
        Envelope env = {};
        const std::vector<Partial>* partials = &kSine;
        double vibratoHz = 0;
        double vibratoDepth = 0;
        double tremoloHz = 0;
        double tremoloDepth = 0;
        double panFrom = 0;
        double panTo = 0;
    };
    void tone(const Tone& v) {
        const double f1 = v.f1 > 0 ? v.f1 : v.f0;
        const size_t first = static_cast<size_t>(std::lround(v.start * rate_));
        const size_t count = static_cast<size_t>(std::lround(v.dur * rate_));
        const double nyquist = 0.45 * rate_;
        std::vector<double> phase(v.partials->size(), 0.0);
        for (size_t i = 0; i < count && first + i < frames_; ++i) {
            const double t = static_cast<double>(i) / rate_;
            const double u = t / v.dur;
            double f = v.f0 * std::pow(f1 / v.f0, u);
            if (v.vibratoHz > 0) f *= 1.0 + v.vibratoDepth * std::sin(2 * kPi * v.vibratoHz * t);
            const double e = v.env.at(t, v.dur);
            double s = 0;
            for (size_t p = 0; p < v.partials->size(); ++p) {
                const Partial& part = (*v.partials)[p];
                const double fp = f * part.ratio;
                phase[p] += 2 * kPi * fp / rate_;
                if (fp >= nyquist) continue;
                double amp = part.amp;
                if (part.decayScale != 1.0 && std::isfinite(v.env.tau)) {
                    amp *= std::exp(-t * (part.decayScale - 1.0) / v.env.tau);
                }
                s += amp * std::sin(phase[p]);
            }
            double g = v.gain * e;
            if (v.tremoloHz > 0) g *= 1.0 - v.tremoloDepth * 0.5 * (1 - std::cos(2 * kPi * v.tremoloHz * t));
            mix(first + i, s * g, v.panFrom + (v.panTo - v.panFrom) * u);
        }
    }

    // Two-operator FM: a sine carrier whose phase is modulated by a sine at
    // `ratio` times its frequency, with an index that decays with `indexTau`.
    // Growls and buzzes; keep the carrier low enough that the sidebands stay
    // under the Nyquist frequency.
    struct Fm {
        double start = 0;
        double dur = 0.1;
        double f0 = 220;
        double f1 = 0;
        double ratio = 1.0;
        double index = 2.0;
        double indexTau = 1.0;
        double gain = 0.5;
        Envelope env = {};
        double pan = 0;
    };
    void fm(const Fm& v) {
        const double f1 = v.f1 > 0 ? v.f1 : v.f0;
        const size_t first = static_cast<size_t>(std::lround(v.start * rate_));
        const size_t count = static_cast<size_t>(std::lround(v.dur * rate_));
        double pc = 0, pm = 0;
        for (size_t i = 0; i < count && first + i < frames_; ++i) {
            const double t = static_cast<double>(i) / rate_;
            const double f = v.f0 * std::pow(f1 / v.f0, t / v.dur);
            pc += 2 * kPi * f / rate_;
            pm += 2 * kPi * f * v.ratio / rate_;
            const double index = v.index * std::exp(-t / v.indexTau);
            mix(first + i, v.gain * v.env.at(t, v.dur) * std::sin(pc + index * std::sin(pm)), v.pan);
        }
    }

    // Band-limited noise: white noise through a one-pole low-pass whose
    // corner glides from lowFrom to lowTo, minus a low-pass at `highCut`
    // (which makes the pair a band-pass; 0 leaves the lows in).
    struct Hiss {
        double start = 0;
        double dur = 0.1;
        double lowFrom = 3000;
        double lowTo = 0;  // 0: no glide
        double highCut = 0;
        double gain = 0.5;
        Envelope env = {};
        double panFrom = 0;
        double panTo = 0;
        uint32_t seed = 1;
    };
    void hiss(const Hiss& v) {
        Noise noise(v.seed);
        const double lowTo = v.lowTo > 0 ? v.lowTo : v.lowFrom;
        const size_t first = static_cast<size_t>(std::lround(v.start * rate_));
        const size_t count = static_cast<size_t>(std::lround(v.dur * rate_));
        const double hp = v.highCut > 0 ? 1 - std::exp(-2 * kPi * v.highCut / rate_) : 0.0;
        double low = 0, high = 0;
        for (size_t i = 0; i < count && first + i < frames_; ++i) {
            const double t = static_cast<double>(i) / rate_;
            const double u = t / v.dur;
            const double corner = v.lowFrom * std::pow(lowTo / v.lowFrom, u);
            const double lp = 1 - std::exp(-2 * kPi * std::min(corner, 0.45 * rate_) / rate_);
            low += lp * (noise.next() - low);
            high += hp * (low - high);
            const double s = v.highCut > 0 ? low - high : low;
            mix(first + i, v.gain * v.env.at(t, v.dur) * s, v.panFrom + (v.panTo - v.panFrom) * u);
        }
    }

    // Fades both ends, brings the peak to `peak` (only ever down, so quiet
    // sounds stay quiet) and writes the WAVE file.
    std::vector<uint8_t> wave(int bits, double peak = 0.85) {
        const size_t fade = std::min(frames_ / 4, static_cast<size_t>(rate_ / 100));  // 10 ms
        double top = 0;
        for (int c = 0; c < channels_; ++c) {
            for (double s : data_[c]) top = std::max(top, std::abs(s));
        }
        const double scale = top > peak ? peak / top : 1.0;
        std::vector<uint8_t> bytes;
        bytes.reserve(frames_ * channels_ * (bits / 8));
        for (size_t i = 0; i < frames_; ++i) {
            double g = scale;
            const size_t fromEnd = frames_ - 1 - i;
            const size_t edge = std::min(i, fromEnd);
            if (edge < fade) g *= 0.5 * (1 - std::cos(kPi * static_cast<double>(edge) / fade));
            for (int c = 0; c < channels_; ++c) {
                const double s = std::clamp(data_[c][i] * g, -1.0, 1.0);
                if (bits == 8) {
                    bytes.push_back(static_cast<uint8_t>(std::clamp(128 + std::lround(s * 127), 0L, 255L)));
                } else {
                    const auto v = static_cast<int16_t>(std::lround(s * 32767));
                    bytes.push_back(static_cast<uint8_t>(v & 0xFF));
                    bytes.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
                }
            }
        }
        return layout::makeWave(channels_, bits, rate_, bytes);
    }

private:
    void mix(size_t i, double s, double pan) {
        if (channels_ == 1) {
            data_[0][i] += s;
            return;
        }
        // Constant-power pan.
        const double a = (std::clamp(pan, -1.0, 1.0) + 1) * kPi / 4;
        data_[0][i] += s * std::cos(a) * std::sqrt(2.0) * 0.75;
        data_[1][i] += s * std::sin(a) * std::sqrt(2.0) * 0.75;
    }

    int channels_;
    int rate_;
    size_t frames_;
    std::array<std::vector<double>, 2> data_;
};

double keyHz(int key) {
    return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

// ---------------------------------------------------------------------------
// [SECTION] The 17 sound effects
// ---------------------------------------------------------------------------
// Formats and lengths are those of the game's wave list; what each sounds
// like follows the event it is played on.

using Tone = Sound::Tone;
using Fm = Sound::Fm;
using Hiss = Sound::Hiss;

// 0: the inventory bar slides open from the left (or folds away): a swoosh
// travelling left to right for the nine frames of the slide (0.72 s), a
// wooden knock as it stops, and a small chime as the items appear.
std::vector<uint8_t> barSlide() {
    Sound s(2, 44100, 3.56);
    s.hiss({.start = 0,
            .dur = 0.74,
            .lowFrom = 500,
            .lowTo = 4000,
            .highCut = 250,
            .gain = 1.2,
            .env = {.attack = 0.3, .release = 0.3},
            .panFrom = -0.8,
            .panTo = 0.8,
            .seed = 11});
    s.tone({.start = 0,
            .dur = 0.72,
            .f0 = 90,
            .f1 = 150,
            .gain = 0.12,
            .env = {.attack = 0.2, .release = 0.2},
            .partials = &kReed,
            .panFrom = -0.6,
            .panTo = 0.6});
    s.tone({.start = 0.72,
            .dur = 0.3,
            .f0 = 180,
            .f1 = 120,
            .gain = 0.5,
            .env = {.attack = 0.002, .tau = 0.04, .release = 0.05},
            .panFrom = 0.6,
            .panTo = 0.6});
    s.hiss({.start = 0.72,
            .dur = 0.08,
            .lowFrom = 2500,
            .gain = 0.5,
            .env = {.attack = 0.001, .tau = 0.012, .release = 0.02},
            .panFrom = 0.6,
            .panTo = 0.6,
            .seed = 12});
    s.tone({.start = 0.8,
            .dur = 2.76,
            .f0 = keyHz(76),
            .gain = 0.22,
            .env = {.attack = 0.004, .tau = 0.7, .release = 0.5},
            .partials = &kBell,
            .panFrom = -0.3,
            .panTo = -0.3});
    s.tone({.start = 0.95,
            .dur = 2.61,
            .f0 = keyHz(83),
            .gain = 0.18,
            .env = {.attack = 0.004, .tau = 0.7, .release = 0.5},
            .partials = &kBell,
            .panFrom = 0.3,
            .panTo = 0.3});
    return s.wave(16);
}

// 1: a ball bounces: a short hollow "pok" that drops in pitch, with a click.
std::vector<uint8_t> ballBounce() {
    Sound s(1, 22050, 0.20);
    s.tone({.dur = 0.2,
            .f0 = 560,
            .f1 = 380,
            .gain = 0.8,
            .env = {.attack = 0.002, .tau = 0.04, .release = 0.03},
            .partials = &kSoftSquare});
    s.hiss({.dur = 0.03, .lowFrom = 5000, .gain = 0.5, .env = {.attack = 0.001, .tau = 0.006, .release = 0.01}});
    return s.wave(8);
}

// 2: a ball is missed: a sagging "wah-wah" sliding down.
std::vector<uint8_t> ballMissed() {
    Sound s(1, 11000, 0.49);
    s.tone({.dur = 0.49,
            .f0 = 392,
            .f1 = 147,
            .gain = 0.6,
            .env = {.attack = 0.01, .release = 0.15},
            .partials = &kReed,
            .vibratoHz = 7,
            .vibratoDepth = 0.03,
            .tremoloHz = 7,
            .tremoloDepth = 0.6});
    return s.wave(8);
}

// 3: a bet won: a rising arpeggio into a held major chord.
std::vector<uint8_t> betWon() {
    Sound s(2, 11025, 2.46);
    const int arp[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i) {
        s.tone({.start = 0.12 * i,
                .dur = 0.4,
                .f0 = keyHz(arp[i]),
                .gain = 0.5,
                .env = {.attack = 0.005, .tau = 0.25, .release = 0.1},
                .partials = &kSoftSquare,
                .panFrom = -0.6 + 0.4 * i,
                .panTo = -0.6 + 0.4 * i});
    }
    const int chord[] = {60, 64, 67, 72};
    for (int i = 0; i < 4; ++i) {
        s.tone({.start = 0.5,
                .dur = 1.96,
                .f0 = keyHz(chord[i]),
                .gain = 0.22,
                .env = {.attack = 0.02, .tau = 1.0, .release = 0.5},
                .partials = &kReed,
                .vibratoHz = 5.5,
                .vibratoDepth = 0.006,
                .panFrom = -0.5 + 0.33 * i,
                .panTo = -0.5 + 0.33 * i});
    }
    return s.wave(8);
}

// 4: the bird flies up: quick wing beats of soft noise and two chirps.
std::vector<uint8_t> birdFlight() {
    Sound s(1, 11025, 0.72);
    for (int i = 0; i < 6; ++i) {
        s.hiss({.start = 0.02 + 0.11 * i,
                .dur = 0.1,
                .lowFrom = 1800,
                .lowTo = 900,
                .highCut = 250,
                .gain = 1.4 - 0.12 * i,
                .env = {.attack = 0.015, .tau = 0.03, .release = 0.03},
                .seed = 40u + static_cast<uint32_t>(i)});
    }
    for (double at : {0.04, 0.38}) {
        s.tone({.start = at,
                .dur = 0.09,
                .f0 = 2300,
                .f1 = 3300,
                .gain = 0.25,
                .env = {.attack = 0.005, .tau = 0.04, .release = 0.02}});
    }
    return s.wave(8);
}

// 5: the pointer moves onto a main-menu button: a light glassy tick.
std::vector<uint8_t> menuTick() {
    Sound s(2, 22050, 0.28);
    s.tone({.dur = 0.28,
            .f0 = keyHz(88),
            .gain = 0.5,
            .env = {.attack = 0.002, .tau = 0.05, .release = 0.05},
            .partials = &kBell,
            .panFrom = 0.1,
            .panTo = 0.1});
    s.hiss({.dur = 0.02, .lowFrom = 6000, .highCut = 1500, .gain = 0.4, .env = {.attack = 0.001, .tau = 0.004}});
    return s.wave(16);
}

// 6: the two-player game's closing banner: a short brass fanfare ending on a
// long chord.
std::vector<uint8_t> bannerFanfare() {
    Sound s(1, 11025, 7.29);
    constexpr double kBeat = 0.4;
    struct Note {
        double beat, beats;
        int key;
    };
    const Note melody[] = {{0, 1, 67},     {1, 1, 72},    {2, 1, 76},    {3, 1, 79},   {4, 1.5, 76},
                           {5.5, 0.5, 79}, {6, 2, 84},    {8, 1, 81},    {9, 1, 77},   {10, 1, 74},
                           {11, 1, 71},    {12, 6.2, 72}, {12, 6.2, 64}, {12, 6.2, 67}};
    const Note bass[] = {{0, 2, 48}, {2, 2, 55}, {4, 2, 48}, {6, 2, 53}, {8, 2, 50}, {10, 2, 43}, {12, 6.2, 36}};
    for (const Note& n : melody) {
        const bool last = n.beat >= 12;
        s.tone({.start = n.beat * kBeat,
                .dur = n.beats * kBeat,
                .f0 = keyHz(n.key),
                .gain = 0.3,
                .env = {.attack = 0.03, .tau = last ? 2.0 : 0.6, .release = last ? 1.2 : 0.06},
                .partials = &kBrass,
                .vibratoHz = last ? 5.0 : 0.0,
                .vibratoDepth = 0.005});
    }
    for (const Note& n : bass) {
        s.tone({.start = n.beat * kBeat,
                .dur = n.beats * kBeat,
                .f0 = keyHz(n.key),
                .gain = 0.35,
                .env = {.attack = 0.02, .tau = n.beat >= 12 ? 2.0 : 0.5, .release = n.beat >= 12 ? 1.2 : 0.06},
                .partials = &kReed});
    }
    return s.wave(8);
}

// 7-10: footsteps in the cave. The detective's are light: a short heel
// thump (begin/end of a step) and a scuff of grit (its middle); the
// pursuer's are heavier and lower.
std::vector<uint8_t> step(int rate, double seconds, double thumpHz, double thumpGain, double gritCorner,
                          double gritGain, double gritAttack, uint32_t seed) {
    Sound s(1, rate, seconds);
    s.tone({.dur = seconds,
            .f0 = thumpHz,
            .f1 = thumpHz * 0.6,
            .gain = thumpGain,
            .env = {.attack = 0.003, .tau = 0.035, .release = 0.03},
            .partials = &kSoftSquare});
    s.hiss({.dur = seconds,
            .lowFrom = gritCorner,
            .lowTo = gritCorner * 0.5,
            .highCut = 150,
            .gain = gritGain,
            .env = {.attack = gritAttack, .tau = 0.03, .release = 0.03},
            .seed = seed});
    return s.wave(8);
}

// 11: the pursuer catches the detective: a hit, then a dissonant, trembling
// chord over a falling growl.
std::vector<uint8_t> caught() {
    Sound s(1, 22050, 3.27);
    s.hiss({.dur = 0.5, .lowFrom = 3000, .lowTo = 600, .gain = 0.9, .env = {.attack = 0.002, .tau = 0.12}, .seed = 77});
    s.tone({.dur = 0.8, .f0 = 70, .f1 = 45, .gain = 0.8, .env = {.attack = 0.003, .tau = 0.25, .release = 0.1}});
    for (int key : {45, 51, 57, 58}) {
        s.tone({.start = 0.05,
                .dur = 3.2,
                .f0 = keyHz(key),
                .f1 = keyHz(key) * 0.94,
                .gain = 0.2,
                .env = {.attack = 0.03, .tau = 1.6, .release = 0.8},
                .partials = &kBrass,
                .tremoloHz = 7,
                .tremoloDepth = 0.5});
    }
    s.fm({.start = 0.05,
          .dur = 3.2,
          .f0 = 220,
          .f1 = 55,
          .ratio = 1.41,
          .index = 3,
          .indexTau = 1.5,
          .gain = 0.3,
          .env = {.attack = 0.05, .tau = 1.2, .release = 0.8}});
    return s.wave(16);
}

// 12: a cave level solved: three bell notes climbing a major chord.
std::vector<uint8_t> levelSolved() {
    Sound s(1, 11025, 0.84);
    const int keys[] = {79, 84, 88};
    for (int i = 0; i < 3; ++i) {
        s.tone({.start = 0.1 * i,
                .dur = 0.84 - 0.1 * i,
                .f0 = keyHz(keys[i]),
                .gain = 0.4,
                .env = {.attack = 0.003, .tau = i == 2 ? 0.3 : 0.2, .release = 0.2},
                .partials = &kBell});
    }
    return s.wave(8);
}

// 13: the pointer enters a language label: a quick upward blip.
std::vector<uint8_t> languageBlip() {
    Sound s(2, 44100, 0.23);
    s.tone({.dur = 0.2,
            .f0 = 880,
            .f1 = 1320,
            .gain = 0.45,
            .env = {.attack = 0.004, .tau = 0.05, .release = 0.04},
            .panFrom = -0.3,
            .panTo = 0.0});
    s.tone({.start = 0.03,
            .dur = 0.2,
            .f0 = 1760,
            .f1 = 2640,
            .gain = 0.2,
            .env = {.attack = 0.004, .tau = 0.04, .release = 0.04},
            .panFrom = 0.0,
            .panTo = 0.3});
    return s.wave(16);
}

// 14: sound effects switched on: a bright three-note chime.
std::vector<uint8_t> soundOn() {
    Sound s(1, 22050, 1.28);
    const int keys[] = {72, 76, 79};
    for (int i = 0; i < 3; ++i) {
        s.tone({.start = 0.15 * i,
                .dur = 1.28 - 0.15 * i,
                .f0 = keyHz(keys[i]),
                .gain = 0.35,
                .env = {.attack = 0.004, .tau = 0.45, .release = 0.25},
                .partials = &kBell});
    }
    return s.wave(16);
}

// 15-16: the countdown: a mid beep for 3 and 2, a higher one for 1.
std::vector<uint8_t> beep(int rate, double seconds, double beepSeconds, double hz) {
    Sound s(1, rate, seconds);
    s.tone({.dur = beepSeconds,
            .f0 = hz,
            .gain = 0.6,
            .env = {.attack = 0.005, .release = 0.03},
            .partials = &kSoftSquare});
    return s.wave(8);
}

// ---------------------------------------------------------------------------
// [SECTION] MIDI writer
// ---------------------------------------------------------------------------
// Format 1: track 0 holds the tempo and metre, every other track one part
// on one channel. Times are ticks of kDivision per quarter note.

constexpr uint16_t kDivision = 480;

struct Event {
    uint32_t tick = 0;
    int order = 0;  // at equal ticks: set-up (0) before note-offs (1) before note-ons (2)
    std::vector<uint8_t> bytes;
};

class Track {
public:
    void add(uint32_t tick, int order, std::vector<uint8_t> bytes) {
        events_.push_back({tick, order, std::move(bytes)});
    }
    void setup(uint8_t channel, uint8_t program, uint8_t volume, uint8_t pan, uint8_t reverb) {
        const auto status = static_cast<uint8_t>(0xB0 | channel);
        add(0, 0, {status, 7, volume});
        add(0, 0, {status, 10, pan});
        add(0, 0, {status, 91, reverb});
        if (channel != 9) add(0, 0, {static_cast<uint8_t>(0xC0 | channel), program});
    }
    void note(uint8_t channel, uint32_t tick, uint32_t length, int key, int velocity) {
        const auto k = static_cast<uint8_t>(std::clamp(key, 0, 127));
        const auto v = static_cast<uint8_t>(std::clamp(velocity, 1, 127));
        add(tick, 2, {static_cast<uint8_t>(0x90 | channel), k, v});
        add(tick + std::max<uint32_t>(length, 1), 1, {static_cast<uint8_t>(0x80 | channel), k, 0});
    }

    // The chunk, ending exactly at `endTick`; events past it are a bug of
    // the piece, not something to hide.
    std::vector<uint8_t> chunk(uint32_t endTick) const {
        std::vector<Event> sorted = events_;
        std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::vector<uint8_t> body;
        uint32_t now = 0;
        for (const Event& e : sorted) {
            if (e.tick > endTick) throw std::logic_error("music: an event lies past the end of its piece");
            varLen(body, e.tick - now);
            now = e.tick;
            body.insert(body.end(), e.bytes.begin(), e.bytes.end());
        }
        varLen(body, endTick - now);
        body.insert(body.end(), {0xFF, 0x2F, 0x00});
        std::vector<uint8_t> out = {'M', 'T', 'r', 'k'};
        bigEndian(out, static_cast<uint32_t>(body.size()), 4);
        out.insert(out.end(), body.begin(), body.end());
        return out;
    }

    static void bigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
        for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }

private:
    static void varLen(std::vector<uint8_t>& out, uint32_t value) {
        uint8_t groups[4];
        int n = 0;
        do {
            groups[n++] = static_cast<uint8_t>(value & 0x7F);
            value >>= 7;
        } while (value != 0 && n < 4);
        for (int i = n - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(groups[i] | (i > 0 ? 0x80 : 0)));
    }

    std::vector<Event> events_;
};

std::vector<uint8_t> midiFile(const std::vector<Track>& tracks, uint32_t endTick) {
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    Track::bigEndian(out, static_cast<uint32_t>(tracks.size()), 2);
    Track::bigEndian(out, kDivision, 2);
    for (const Track& t : tracks) {
        const auto chunk = t.chunk(endTick);
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

// ---------------------------------------------------------------------------
// [SECTION] The six pieces
// ---------------------------------------------------------------------------
// A piece is a form of phrases ("AABA"); a phrase is a chord per bar and a
// melody. Bass, accompaniment and drums are generated from the chords in
// the piece's style. Every form ends on a chord that leads back to the
// first bar, and the piece ends exactly with its last bar, so the replay
// that follows continues the music.

enum class BassStyle { Walking, Alternating, Downbeat, Pizzicato, Drone, Driving };
enum class Accompaniment { Comp, Offbeat, Arpeggio, Pad };

struct Phrase {
    std::string_view chords;  // one chord per bar: "Dm7 G7 Cmaj7 A7"
    std::string_view melody;  // "a4:1.5 f4:.5 r:2": note and octave (or r), a colon, beats
};

struct DrumLine {
    int key;
    std::string_view steps;  // eighth notes through one bar: 'x' accent, 'o' soft, '.' nothing
};

struct Part {
    int program;
    int volume;
    int pan;
};

struct Piece {
    int bpm;
    int beatsPerBar;
    Phrase a, b, c;
    std::string_view form;
    Part melody, accompaniment, bass;
    int melodyTranspose;  // semitones added to the written melody
    BassStyle bassStyle;
    Accompaniment style;
    std::vector<DrumLine> drums;
    std::vector<DrumLine> lastBarDrums;  // a fill leading back to the start (empty: the usual bar)
    bool crashOnPhrase;
    int reverb;
};

int pitchClass(std::string_view& text) {
    static constexpr std::string_view kLetters = "CDEFGAB";
    static constexpr int kClasses[] = {0, 2, 4, 5, 7, 9, 11};
    if (text.empty()) throw std::logic_error("music: empty note name");
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    const size_t at = kLetters.find(letter);
    if (at == std::string_view::npos) throw std::logic_error("music: bad note name " + std::string(text));
    int pc = kClasses[at];
    text.remove_prefix(1);
    if (!text.empty() && text[0] == '#') {
        ++pc;
        text.remove_prefix(1);
    } else if (!text.empty() && text[0] == 'b') {
        --pc;
        text.remove_prefix(1);
    }
    return (pc + 12) % 12;
}

struct Chord {
    int root = 0;  // pitch class
    std::vector<int> intervals;
};

Chord parseChord(std::string_view name) {
    struct Quality {
        std::string_view suffix;
        std::vector<int> intervals;
    };
    static const Quality kQualities[] = {{"", {0, 4, 7}},         {"m", {0, 3, 7}},        {"7", {0, 4, 7, 10}},
                                         {"m7", {0, 3, 7, 10}},   {"maj7", {0, 4, 7, 11}}, {"dim", {0, 3, 6}},
                                         {"m7b5", {0, 3, 6, 10}}, {"sus4", {0, 5, 7}},     {"6", {0, 4, 7, 9}}};
    Chord chord;
    chord.root = pitchClass(name);
    for (const Quality& q : kQualities) {
        if (q.suffix == name) {
            chord.intervals = q.intervals;
            return chord;
        }
    }
    throw std::logic_error("music: unknown chord quality " + std::string(name));
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ') ++i;
        size_t j = i;
        while (j < text.size() && text[j] != ' ') ++j;
        if (j > i) out.push_back(text.substr(i, j - i));
        i = j;
    }
    return out;
}

struct MelodyNote {
    int key;  // -1: rest
    double beats;
};

std::vector<MelodyNote> parseMelody(std::string_view text) {
    std::vector<MelodyNote> out;
    for (std::string_view w : words(text)) {
        const size_t colon = w.find(':');
        if (colon == std::string_view::npos) throw std::logic_error("music: note without length " + std::string(w));
        std::string_view name = w.substr(0, colon);
        const double beats = std::strtod(std::string(w.substr(colon + 1)).c_str(), nullptr);
        if (name == "r") {
            out.push_back({-1, beats});
            continue;
        }
        const int pc = pitchClass(name);
        if (name.size() != 1 || name[0] < '0' || name[0] > '8') {
            throw std::logic_error("music: bad octave in " + std::string(w));
        }
        out.push_back({12 * (name[0] - '0' + 1) + pc, beats});
    }
    return out;
}

// Chord tones placed in the middle register (F3 .. E5) for accompaniment.
std::vector<int> voicing(const Chord& chord) {
    std::vector<int> keys;
    for (int iv : chord.intervals) {
        int k = 48 + chord.root + iv;
        while (k < 53) k += 12;
        while (k >= 65) k -= 12;
        keys.push_back(k);
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

// The chord's root in the bass register, C2 .. B2.
int bassRoot(const Chord& chord) {
    return 36 + chord.root;
}

class Composer {
public:
    explicit Composer(const Piece& piece) : piece_(piece), ticksPerBeat_(kDivision) {}

    std::vector<uint8_t> write() {
        const uint32_t bar = ticksPerBeat_ * piece_.beatsPerBar;
        Track conductor;
        const uint32_t micros = 60000000u / piece_.bpm;
        conductor.add(0, 0,
                      {0xFF, 0x51, 0x03, static_cast<uint8_t>(micros >> 16), static_cast<uint8_t>(micros >> 8),
                       static_cast<uint8_t>(micros)});
        conductor.add(0, 0, {0xFF, 0x58, 0x04, static_cast<uint8_t>(piece_.beatsPerBar), 2, 24, 8});

        Track melody, accompaniment, bass, drums;
        melody.setup(0, static_cast<uint8_t>(piece_.melody.program), static_cast<uint8_t>(piece_.melody.volume),
                     static_cast<uint8_t>(piece_.melody.pan), static_cast<uint8_t>(piece_.reverb));
        accompaniment.setup(1, static_cast<uint8_t>(piece_.accompaniment.program),
                            static_cast<uint8_t>(piece_.accompaniment.volume),
                            static_cast<uint8_t>(piece_.accompaniment.pan), static_cast<uint8_t>(piece_.reverb));
        bass.setup(2, static_cast<uint8_t>(piece_.bass.program), static_cast<uint8_t>(piece_.bass.volume),
                   static_cast<uint8_t>(piece_.bass.pan), static_cast<uint8_t>(piece_.reverb));
        drums.setup(9, 0, 100, 64, static_cast<uint8_t>(piece_.reverb));

        // Every bar's chord first: the bass looks one bar ahead.
        std::vector<Chord> chords;
        std::vector<bool> phraseStart;
        for (char name : piece_.form) {
            const Phrase& p = phrase(name);
            bool first = true;
            for (std::string_view c : words(p.chords)) {
                chords.push_back(parseChord(c));
                phraseStart.push_back(first);
                first = false;
            }
        }
        const uint32_t end = bar * static_cast<uint32_t>(chords.size());

        uint32_t phraseTick = 0;
        for (char name : piece_.form) {
            const Phrase& p = phrase(name);
            const size_t bars = words(p.chords).size();
            writeMelody(melody, p, phraseTick, static_cast<uint32_t>(bars) * bar);
            phraseTick += static_cast<uint32_t>(bars) * bar;
        }
        for (size_t i = 0; i < chords.size(); ++i) {
            const uint32_t at = static_cast<uint32_t>(i) * bar;
            const Chord& next = chords[(i + 1) % chords.size()];
            writeAccompaniment(accompaniment, chords[i], at, static_cast<int>(i));
            writeBass(bass, chords[i], next, at, static_cast<int>(i));
            const bool last = i + 1 == chords.size();
            writeDrums(drums, at, last && !piece_.lastBarDrums.empty() ? piece_.lastBarDrums : piece_.drums);
            if (piece_.crashOnPhrase && phraseStart[i]) drums.note(9, at, ticksPerBeat_, 49, 90);
        }
        std::vector<Track> tracks = {conductor, melody, accompaniment, bass};
        if (!piece_.drums.empty()) tracks.push_back(drums);
        return midiFile(tracks, end);
    }

private:
    const Phrase& phrase(char name) const {
        switch (name) {
            case 'A':
                return piece_.a;
            case 'B':
                return piece_.b;
            case 'C':
                return piece_.c;
            default:
                throw std::logic_error("music: unknown phrase in form");
        }
    }

    uint32_t beats(double b) const { return static_cast<uint32_t>(std::lround(b * ticksPerBeat_)); }

    // The melody, slightly detached; a note on a downbeat is accented.
    void writeMelody(Track& t, const Phrase& p, uint32_t start, uint32_t length) const {
        double at = 0;
        for (const MelodyNote& n : parseMelody(p.melody)) {
            if (n.key >= 0) {
                const uint32_t tick = start + beats(at);
                const uint32_t len = beats(n.beats);
                const bool downbeat = std::fmod(at, piece_.beatsPerBar) == 0;
                t.note(0, tick, len > 60 ? len - 20 : len, n.key + piece_.melodyTranspose, downbeat ? 100 : 86);
            }
            at += n.beats;
        }
        if (beats(at) != length) {
            throw std::logic_error("music: a phrase's melody is " + std::to_string(at) +
                                   " beats long, not as long as its chords");
        }
    }

    void writeAccompaniment(Track& t, const Chord& chord, uint32_t at, int barIndex) const {
        const std::vector<int> keys = voicing(chord);
        const uint32_t beat = ticksPerBeat_;
        const uint32_t bar = beat * piece_.beatsPerBar;
        auto stab = [&](uint32_t from, uint32_t len, int vel) {
            for (int k : keys) t.note(1, at + from, len, k, vel);
        };
        switch (piece_.style) {
            case Accompaniment::Comp:  // on one and on the "and" of two, short
                stab(0, beat / 2, 64);
                stab(beat * 3 / 2, beat, 58);
                if (barIndex % 2 == 1) stab(beat * 3, beat / 2, 52);
                break;
            case Accompaniment::Offbeat:  // the "pah" of oom-pah
                for (uint32_t b = 0; b < static_cast<uint32_t>(piece_.beatsPerBar); ++b) {
                    stab(b * beat + beat / 2, beat / 3, 70);
                }
                break;
            case Accompaniment::Arpeggio: {  // eighths up and down the chord
                std::vector<int> run = keys;
                run.push_back(keys.front() + 12);
                const size_t steps = static_cast<size_t>(piece_.beatsPerBar) * 2;
                for (size_t s = 0; s < steps; ++s) {
                    const size_t cycle = 2 * (run.size() - 1);
                    const size_t pos = s % cycle;
                    const int key = run[pos < run.size() ? pos : cycle - pos];
                    // Each note rings on a beat, but never past the bar: the
                    // piece must end with its last bar.
                    const uint32_t from = static_cast<uint32_t>(s) * beat / 2;
                    t.note(1, at + from, std::min(beat, bar - from), key, s == 0 ? 72 : 58);
                }
                break;
            }
            case Accompaniment::Pad:
                stab(0, bar, 56);
                break;
        }
    }

    void writeBass(Track& t, const Chord& chord, const Chord& next, uint32_t at, int barIndex) const {
        const uint32_t beat = ticksPerBeat_;
        const uint32_t bar = beat * piece_.beatsPerBar;
        const int root = bassRoot(chord);
        const int third = root + chord.intervals[1];
        const int fifth = root + chord.intervals[2];
        switch (piece_.bassStyle) {
            case BassStyle::Walking: {  // root, a chord tone, the fifth, a step into the next root
                int target = bassRoot(next);
                if (target - root > 6) target -= 12;
                const int approach = target > root ? target - 1 : target + 1;
                const int walk[] = {root, barIndex % 2 == 0 ? third : fifth, barIndex % 2 == 0 ? fifth : root + 12,
                                    approach};
                for (int b = 0; b < 4 && b < piece_.beatsPerBar; ++b) {
                    t.note(2, at + b * beat, beat - 30, walk[b], b == 0 ? 96 : 82);
                }
                break;
            }
            case BassStyle::Alternating:  // root and fifth below, one per beat
                for (int b = 0; b < piece_.beatsPerBar; ++b) {
                    t.note(2, at + b * beat, beat / 2, b % 2 == 0 ? root : fifth - 12, 96);
                }
                break;
            case BassStyle::Downbeat:
                t.note(2, at, beat * 2, root, 88);
                break;
            case BassStyle::Pizzicato: {
                const int line[] = {root, fifth, root + 12, fifth};
                for (int b = 0; b < piece_.beatsPerBar; ++b) t.note(2, at + b * beat, beat / 2, line[b % 4], 90);
                break;
            }
            case BassStyle::Drone:
                t.note(2, at, bar, root - 12, 84);
                break;
            case BassStyle::Driving:
                for (int e = 0; e < piece_.beatsPerBar * 2; ++e) {
                    t.note(2, at + e * beat / 2, beat / 2 - 20, e == piece_.beatsPerBar * 2 - 2 ? fifth : root,
                           e % 2 == 0 ? 96 : 80);
                }
                break;
        }
    }

    void writeDrums(Track& t, uint32_t at, const std::vector<DrumLine>& lines) const {
        const uint32_t eighth = ticksPerBeat_ / 2;
        for (const DrumLine& line : lines) {
            for (size_t s = 0; s < line.steps.size(); ++s) {
                const char c = line.steps[s];
                if (c == '.') continue;
                t.note(9, at + static_cast<uint32_t>(s) * eighth, eighth, line.key, c == 'x' ? 100 : 64);
            }
        }
    }

    const Piece& piece_;
    uint32_t ticksPerBeat_;
};

// General MIDI programs and drum keys used below.
namespace gm {
constexpr int kElectricPiano = 4, kCelesta = 8, kVibraphone = 11, kAccordion = 21, kNylonGuitar = 24, kSteelGuitar = 25,
              kAcousticBass = 32, kFingerBass = 33, kContrabass = 43, kPizzicato = 45, kHarp = 46, kStrings = 48,
              kChoir = 52, kTuba = 58, kFrenchHorn = 60, kOboe = 68, kFlute = 73;
constexpr int kKick = 36, kSideStick = 37, kSnare = 38, kFloorTom = 41, kClosedHat = 42, kPedalHat = 44, kLowTom = 45,
              kMidTom = 47, kRide = 51, kTambourine = 54, kShaker = 70;
}  // namespace gm

// Each piece's duration: bars x beats per bar x 60 / bpm.
const Piece& piece(int k) {
    using namespace gm;
    // 1: the main menu, a slow noir swing in D minor (16 bars of 4/4 at
    // 112 bpm: 34 s). The last A ends on A7, which leads into Dm7.
    static const Piece kMenu = {
        .bpm = 112,
        .beatsPerBar = 4,
        .a = {"Dm7 Bbmaj7 Em7b5 A7",
              "r:.5 a4:.5 d5:.5 e5:.5 f5:1.5 e5:.5 d5:1 a4:1 bb4:2 g4:.5 bb4:.5 d5:.5 e5:.5 f5:1 e5:1 "
              "c#5:1.5 e5:.5 g4:1 a4:1"},
        .b = {"Gm7 C7 Fmaj7 A7",
              "bb4:.5 d5:.5 f5:.5 g5:.5 f5:1 d5:1 e5:1.5 c5:.5 bb4:1 g4:1 a4:1 c5:1 e5:2 "
              "e5:.5 c#5:.5 a4:.5 g4:.5 c#5:1 e5:1"},
        .c = {},
        .form = "AABA",
        .melody = {kVibraphone, 100, 70},
        .accompaniment = {kElectricPiano, 70, 50},
        .bass = {kAcousticBass, 105, 64},
        .melodyTranspose = 0,
        .bassStyle = BassStyle::Walking,
        .style = Accompaniment::Comp,
        .drums = {{kRide, "x.oxx.ox"}, {kPedalHat, "..x...x."}, {kKick, "o......."}, {kSideStick, "......o."}},
        .lastBarDrums = {{kRide, "x.oxx.ox"}, {kPedalHat, "..x...x."}, {kSnare, "....o.oo"}},
        .crashOnPhrase = false,
        .reverb = 60,
    };
    // 2: the village, a cheerful polka in G (40 bars of 2/4 at 120 bpm: 40 s).
    // Every A phrase turns round on D7.
    static const Piece kVillage = {
        .bpm = 120,
        .beatsPerBar = 2,
        .a = {"G G C G G D7 G D7",
              "d5:.5 b4:.5 g4:.5 b4:.5 d5:1 g5:1 e5:.5 c5:.5 e5:.5 g5:.5 d5:1 b4:1 "
              "b4:.5 c5:.5 d5:.5 b4:.5 a4:.5 c5:.5 f#5:.5 a5:.5 g5:1 d5:1 c5:.5 b4:.5 a4:.5 f#4:.5"},
        .b = {"C C G G D7 D7 G D7",
              "e5:.5 e5:.5 g5:.5 e5:.5 c5:1.5 e5:.5 d5:.5 d5:.5 g5:.5 d5:.5 b4:1.5 d5:.5 "
              "c5:.5 a4:.5 f#4:.5 a4:.5 c5:.5 e5:.5 d5:.5 c5:.5 b4:1 g4:1 a4:.5 b4:.5 c5:.5 a4:.5"},
        .c = {},
        .form = "AABBA",
        .melody = {kAccordion, 100, 54},
        .accompaniment = {kSteelGuitar, 72, 84},
        .bass = {kTuba, 110, 64},
        .melodyTranspose = 0,
        .bassStyle = BassStyle::Alternating,
        .style = Accompaniment::Offbeat,
        .drums = {{kKick, "x..."}, {kSnare, "..o."}, {kTambourine, ".o.o"}},
        .lastBarDrums = {{kKick, "x..."}, {kSnare, "..xx"}, {kTambourine, ".o.o"}},
        .crashOnPhrase = false,
        .reverb = 30,
    };
    // 3: the western forest, a calm pastoral waltz in F (24 bars of 3/4 at
    // 96 bpm: 45 s), no drums. The final A ends on C7, the way back to F.
    static const Piece kWestForest = {
        .bpm = 96,
        .beatsPerBar = 3,
        .a = {"F Dm Bb C F Dm Gm C7",
              "c5:2 a4:1 d5:1.5 e5:.5 f5:1 f5:2 d5:1 e5:1 g5:1 e5:1 c5:2 f5:1 a5:1.5 g5:.5 f5:1 "
              "d5:1 bb4:1 d5:1 c5:1 e5:1 g5:1"},
        .b = {"Bb C Am Dm Gm C F C7",
              "d5:1 f5:1 bb5:1 g5:2 e5:1 e5:1 a5:1 e5:1 f5:2 d5:1 bb4:1 d5:1 g5:1 e5:2 c5:1 "
              "a4:1 c5:1 f5:1 e5:1.5 d5:.5 c5:1"},
        .c = {},
        .form = "ABA",
        .melody = {kFlute, 96, 70},
        .accompaniment = {kNylonGuitar, 80, 48},
        .bass = {kContrabass, 90, 64},
        .melodyTranspose = 0,
        .bassStyle = BassStyle::Downbeat,
        .style = Accompaniment::Arpeggio,
        .drums = {},
        .lastBarDrums = {},
        .crashOnPhrase = false,
        .reverb = 80,
    };
    // 4: the eastern forest, darker: A minor with an oboe over harp and
    // plucked strings, low hand drums (16 bars of 4/4 at 84 bpm: 46 s).
    // Every phrase ends on E7.
    static const Piece kEastForest = {
        .bpm = 84,
        .beatsPerBar = 4,
        .a = {"Am F Dm E7", "e5:1.5 d5:.5 c5:1 b4:1 a4:2 c5:1 f5:1 e5:1 d5:1 a4:1 f4:1 g#4:2 b4:1 d5:1"},
        .b = {"Am G F E7", "a5:1 e5:1 c5:1 e5:1 d5:1.5 b4:.5 g4:2 c5:1 a4:1 f4:1 a4:1 b4:1 g#4:1 e4:1 d5:1"},
        .c = {},
        .form = "ABAB",
        .melody = {kOboe, 92, 60},
        .accompaniment = {kHarp, 78, 76},
        .bass = {kPizzicato, 100, 52},
        .melodyTranspose = 0,
        .bassStyle = BassStyle::Pizzicato,
        .style = Accompaniment::Arpeggio,
        .drums = {{kLowTom, "x..o..x."}, {kFloorTom, "....x..."}, {kShaker, "oooooooo"}},
        .lastBarDrums = {{kLowTom, "x..o..x."}, {kFloorTom, "....x..."}, {kMidTom, ".....oxx"}},
        .crashOnPhrase = false,
        .reverb = 70,
    };
    // 5: the cave: slow and sparse, E phrygian, a choir over a low drone, a
    // celesta dripping notes and a heartbeat (12 bars of 4/4 at 60 bpm:
    // 48 s). It ends on F, which falls back into Em.
    static const Piece kCave = {
        .bpm = 60,
        .beatsPerBar = 4,
        .a = {"Em F Em F", "r:1 b4:1 r:1 g4:1 f4:2 r:1 a4:1 g4:1 r:1 e4:2 r:2 c5:1 b4:1"},
        .b = {"Am F G F", "e5:2 r:1 c5:1 a4:3 r:1 b4:1 d5:1 r:1 f5:1 e5:2 r:2"},
        .c = {},
        .form = "ABA",
        .melody = {kCelesta, 90, 80},
        .accompaniment = {kChoir, 76, 48},
        .bass = {kContrabass, 100, 64},
        .melodyTranspose = 0,
        .bassStyle = BassStyle::Drone,
        .style = Accompaniment::Pad,
        .drums = {{kFloorTom, "x.o....."}},
        .lastBarDrums = {},
        .crashOnPhrase = false,
        .reverb = 110,
    };
    // 6: the credits, bright and broad in C: horn over strings, a driving
    // bass and a march beat (20 bars of 4/4 at 104 bpm: 46 s). It ends on G7.
    static const Piece kCredits = {
        .bpm = 104,
        .beatsPerBar = 4,
        .a = {"C Am F G", "g4:1 c5:1 e5:1.5 d5:.5 c5:1 a4:1 e5:2 f5:1 e5:1 d5:1 c5:1 d5:3 g4:1"},
        .b = {"F G Em Am", "a5:1.5 g5:.5 f5:1 a5:1 g5:2 d5:1 b4:1 e5:1.5 d5:.5 e5:1 g5:1 a5:3 e5:1"},
        .c = {"F G F G7", "f5:1 a5:1 c6:1.5 a5:.5 g5:2 b5:1 g5:1 a5:1 f5:1 c5:1 f5:1 g5:1.5 f5:.5 d5:1 b4:1"},
        .form = "AABAC",
        .melody = {kFrenchHorn, 104, 60},
        .accompaniment = {kStrings, 80, 70},
        .bass = {kFingerBass, 100, 64},
        .melodyTranspose = -12,
        .bassStyle = BassStyle::Driving,
        .style = Accompaniment::Pad,
        .drums = {{kKick, "x...x.o."}, {kSnare, "..x...x."}, {kClosedHat, "oooooooo"}},
        .lastBarDrums = {{kKick, "x...x..."}, {kSnare, "..x.oxxx"}, {kClosedHat, "oooo...."}},
        .crashOnPhrase = true,
        .reverb = 64,
    };
    static const Piece* const kPieces[] = {&kMenu, &kVillage, &kWestForest, &kEastForest, &kCave, &kCredits};
    return *kPieces[k - 1];
}

// ---------------------------------------------------------------------------
// [SECTION] Cursors
// ---------------------------------------------------------------------------
// 32 x 32, drawn crisp (whole pixels either opaque or clear, so readers that
// only use the AND mask see the same shape) in the flat outlined style of
// the rest of the art.

constexpr int kCursorSide = 32;
using layout::Image;

void setColour(cairo_t* cr, uint32_t argb) {
    cairo_set_source_rgba(cr, ((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0, (argb & 0xFF) / 255.0,
                          (argb >> 24) / 255.0);
}

void fillAndOutline(cairo_t* cr, uint32_t fill) {
    setColour(cr, fill);
    cairo_fill_preserve(cr);
    setColour(cr, art::colour::kOutline);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

// The opaque pixel nearest to (x, y): the hot spot must lie on the drawing,
// not on a transparent pixel beside an outline.
std::pair<int, int> onDrawing(const Image& img, double x, double y) {
    std::pair<int, int> best = {0, 0};
    double bestDistance = std::numeric_limits<double>::infinity();
    for (int py = 0; py < img.height; ++py) {
        for (int px = 0; px < img.width; ++px) {
            if ((img.at(px, py) >> 24) < 128) continue;
            const double d = (px - x) * (px - x) + (py - y) * (py - y);
            if (d < bestDistance) {
                bestDistance = d;
                best = {px, py};
            }
        }
    }
    return best;
}

struct DrawnCursor {
    Image image;
    double hotX, hotY;  // where it should point; moved onto the drawing
};

// The plain pointer: the usual arrow, pale with a dark outline, tip at the
// top left.
DrawnCursor arrowCursor() {
    art::Canvas c(kCursorSide, kCursorSide, 0x00000000, art::Smoothing::Crisp);
    cairo_t* cr = c.cr();
    const double pts[][2] = {{1, 1}, {1, 23}, {6.5, 18}, {10.5, 27}, {14, 25.5}, {10, 17}, {17, 17}};
    cairo_move_to(cr, pts[0][0] + 0.5, pts[0][1] + 0.5);
    for (const auto& p : pts) cairo_line_to(cr, p[0] + 0.5, p[1] + 0.5);
    cairo_close_path(cr);
    fillAndOutline(cr, 0xFFFAF6EC);
    return {c.image(), 1, 1};
}

// Over an exit: a bold green arrow pointing onward (up, into the picture).
DrawnCursor exitCursor() {
    art::Canvas c(kCursorSide, kCursorSide, 0x00000000, art::Smoothing::Crisp);
    cairo_t* cr = c.cr();
    const double pts[][2] = {{16, 1}, {30, 15}, {22, 15}, {22, 30}, {10, 30}, {10, 15}, {2, 15}};
    cairo_move_to(cr, pts[0][0] + 0.5, pts[0][1] + 0.5);
    for (const auto& p : pts) cairo_line_to(cr, p[0] + 0.5, p[1] + 0.5);
    cairo_close_path(cr);
    fillAndOutline(cr, 0xFF7CC45E);
    // A lighter stripe down the shaft, as the painters highlight flat fills.
    cairo_rectangle(cr, 13, 17, 3, 11);
    setColour(cr, 0xFFB6E29E);
    cairo_fill(cr);
    return {c.image(), 16, 1};
}

// Over a talk hotspot: a speech bubble with a mouth in it; the tail at the
// bottom left is where it points.
DrawnCursor talkCursor() {
    art::Canvas c(kCursorSide, kCursorSide, 0x00000000, art::Smoothing::Crisp);
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, 18, 11);
    cairo_scale(cr, 13, 10);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_move_to(cr, 8.5, 16.5);
    cairo_line_to(cr, 1.5, 30.5);
    cairo_line_to(cr, 14.5, 19.5);
    fillAndOutline(cr, 0xFFFFFFFF);
    // The bubble's outline would cross the tail's join; paint the join over.
    cairo_move_to(cr, 9.5, 16);
    cairo_line_to(cr, 3.5, 27.5);
    cairo_line_to(cr, 13.5, 18.5);
    cairo_close_path(cr);
    setColour(cr, 0xFFFFFFFF);
    cairo_fill(cr);
    // Lips: the upper lip with its bow, the lower one fuller.
    cairo_move_to(cr, 9, 11);
    cairo_curve_to(cr, 12, 6, 15, 6, 18, 8.5);
    cairo_curve_to(cr, 21, 6, 24, 6, 27, 11);
    cairo_curve_to(cr, 23, 17, 13, 17, 9, 11);
    cairo_close_path(cr);
    fillAndOutline(cr, 0xFFC0504A);
    cairo_move_to(cr, 10, 11.5);
    cairo_curve_to(cr, 14, 10, 22, 10, 26, 11.5);
    setColour(cr, art::colour::kOutline);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    return {c.image(), 1, 30};
}

// An item of the bar as the pointer: its bar picture drawn at cursor size
// (two pixels of air around it), the colour key made clear. (hx, hy) is the
// point that touches, as a fraction of the item's frame (the picture less
// its margin), the same coordinates itemPicture draws in.
DrawnCursor itemCursor(art::Item item, double hx, double hy) {
    constexpr int kSide = kCursorSide + 2;  // drawn 34 wide, cropped by one pixel on every side
    const Image picture = art::itemPicture(item, kSide, kSide);
    Image img;
    img.width = kCursorSide;
    img.height = kCursorSide;
    img.pixels.resize(static_cast<size_t>(kCursorSide) * kCursorSide);
    for (int y = 0; y < kCursorSide; ++y) {
        for (int x = 0; x < kCursorSide; ++x) {
            const uint32_t p = picture.at(x + 1, y + 1);
            img.at(x, y) = p == art::colour::kItemKey ? 0x00000000 : p;
        }
    }
    constexpr double kMargin = 3;
    const double frame = kSide - 2 * kMargin;
    return {std::move(img), kMargin + hx * frame - 1, kMargin + hy * frame - 1};
}

std::vector<uint8_t> cursorFile(const DrawnCursor& c) {
    const auto [x, y] = onDrawing(c.image, c.hotX, c.hotY);
    return layout::encodeCursorFile(c.image, x, y);
}

}  // namespace

std::vector<std::vector<uint8_t>> waveItems() {
    std::vector<std::vector<uint8_t>> items;
    items.push_back(barSlide());
    items.push_back(ballBounce());
    items.push_back(ballMissed());
    items.push_back(betWon());
    items.push_back(birdFlight());
    items.push_back(menuTick());
    items.push_back(bannerFanfare());
    items.push_back(step(22050, 0.20, 150, 0.7, 2200, 0.35, 0.002, 71));  // detective: heel
    items.push_back(step(22050, 0.21, 110, 0.25, 4500, 0.7, 0.03, 72));   // detective: scuff
    items.push_back(step(11025, 0.21, 85, 0.9, 1400, 0.5, 0.002, 73));    // pursuer: heavy heel
    items.push_back(step(11025, 0.17, 70, 0.4, 2600, 0.9, 0.025, 74));    // pursuer: drag
    items.push_back(caught());
    items.push_back(levelSolved());
    items.push_back(languageBlip());
    items.push_back(soundOn());
    items.push_back(beep(11025, 0.20, 0.16, 880));
    items.push_back(beep(8000, 0.30, 0.26, 1320));
    return items;
}

std::vector<uint8_t> musicFile(int k) {
    if (k < 1 || k > 6) throw std::out_of_range("musicFile: no piece " + std::to_string(k));
    return Composer(piece(k)).write();
}

std::vector<std::pair<std::string, std::vector<uint8_t>>> cursorFiles() {
    using art::Item;
    std::vector<std::pair<std::string, std::vector<uint8_t>>> out;
    out.emplace_back("Cursors/Jidlo.cur", cursorFile(itemCursor(Item::Baguette, 0.9, 0.1)));  // the crust's end
    out.emplace_back("Cursors/Kurzor.cur", cursorFile(arrowCursor()));
    out.emplace_back("Cursors/Lano.cur", cursorFile(itemCursor(Item::Rope, 0.7, 1.0)));        // the loose end
    out.emplace_back("Cursors/Lopata.cur", cursorFile(itemCursor(Item::Shovel, 0.11, 0.91)));  // the blade's edge
    out.emplace_back("Cursors/Nuz.cur", cursorFile(itemCursor(Item::Knife, 0.9, 0.05)));       // the point
    out.emplace_back("Cursors/Olmeca.cur", cursorFile(itemCursor(Item::Bottle, 0.5, 0.0)));    // the cork
    out.emplace_back("Cursors/Peniz.cur", cursorFile(itemCursor(Item::Coins, 0.5, 0.36)));     // the top coin
    out.emplace_back("Cursors/Prechod.cur", cursorFile(exitCursor()));
    out.emplace_back("Cursors/Pusa.cur", cursorFile(talkCursor()));
    out.emplace_back("Cursors/Sperhak.cur", cursorFile(itemCursor(Item::Crowbar, 0.2, 0.95)));  // the flat end
    return out;
}

}  // namespace kvarnel::standin

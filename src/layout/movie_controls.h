// The movie controls' playback: one movie per control, decoded on the
// platform's clock, drawn full size in the control's rectangle.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "layout/compositor.h"
#include "platform/movie.h"

namespace kvarnel::layout {

class MovieControls {
public:
    // Sets the control's movie file (a game path: full, backslashes allowed),
    // turns looping off and plays from the first frame. A file that cannot be
    // played reports not playing at once (the reason is logged once).
    void start(const ShockwaveFlash& control, const std::string& gamePath, uint64_t nowMs);
    // True until the last frame has been shown or the movie was stopped. A
    // control that was never started reports playing, as the original's did
    // (its stored state says so); the ending's chain of movies relies on it.
    bool playing(const ShockwaveFlash& control) const;
    // The game path the last start() was given, as given; "" when the
    // control was never started. Stopping or rewinding keeps it.
    std::string file(const ShockwaveFlash& control) const;
    void stop(const ShockwaveFlash& control);
    // Back to the first frame, not playing.
    void rewind(const ShockwaveFlash& control);
    // As if the control had played a movie to its end: not playing, nothing
    // to show. For play that begins after the movies it would have seen.
    void markPlayed(const ShockwaveFlash& control);

    // Advances every playing movie to `nowMs`; true when a shown frame changed.
    bool update(uint64_t nowMs);
    bool anyPlaying() const;
    Compositor::MovieFrame frame(const ShockwaveFlash& control) const;

private:
    struct Entry {
        platform::MoviePlayback playback;
        std::string gamePath;
        int lastShown = -1;
        uint64_t serial = 0;  // changes with every frame shown, across movies
    };
    std::map<const ShockwaveFlash*, std::unique_ptr<Entry>> movies_;
    uint64_t serials_ = 0;
};

}  // namespace kvarnel::layout

// The message loop: input and notifications, the two timers, GIF steps,
// movie frames and the picture, all on the one thread, driven by the
// platform's clock.
//
// The game timer keeps exact game time with an accumulator: it ticks once
// for every 50 ms of clock time, so a slow pass is made up by the next. The
// frame timer ticks when at least its interval has passed since its last
// tick, and only while the program is the active application (as the
// original's idle-loop timer did). Between passes the loop sleeps until the
// earliest thing that is due; an idle game costs next to nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "app/game.h"
#include "layout/image.h"

namespace kvarnel::app {

class GameLoop {
public:
    explicit GameLoop(Game& game);

    // One pass at the platform's present time: events, timers that are due,
    // animations, movies, hover; a new picture is presented when it changed.
    void pass();
    // Passes until the clock reaches `untilMs`, waiting between them.
    void runUntil(uint64_t untilMs);
    // Passes until the game timer has ticked once more (or, while it is
    // disabled, 50 ms have passed).
    void runOneTick();
    // Until the window is closed.
    void runUntilQuit();

    bool quit() const { return quit_; }

    // Called after every game tick, in the pass that runs it (the monkey
    // checks the game's invariants there). One observer; empty for none.
    void setTickObserver(std::function<void()> observer) { tickObserver_ = std::move(observer); }
    // Ends runUntil() and runOneTick() after the pass that is running: the
    // pass itself completes, as it would on a replay that ends there.
    void requestStop() { stopRequested_ = true; }
    bool stopRequested() const { return stopRequested_; }
    // Whether passes compose and present the picture (on by default). A run
    // that nobody watches (the monkey's) turns it off: composing is most of
    // a headless pass's cost, and nothing of the game's state depends on it.
    void setDrawing(bool on) { drawing_ = on; }
    uint64_t gameTicks() const { return gameTicks_; }
    uint64_t frameTicks() const { return frameTicks_; }

    // The screen as it is now (composed afresh if anything changed).
    const layout::Image& framebuffer();

private:
    void dispatch(const platform::Event& e);
    void runTimers(uint64_t now);
    uint64_t nextWake() const;
    void presentIfChanged();

    Game& game_;
    bool quit_ = false;
    bool stopRequested_ = false;
    bool drawing_ = true;
    std::function<void()> tickObserver_;
    uint64_t nextGameTick_ = 0;
    bool gameTimerWasOn_ = false;
    uint64_t lastFrameTick_ = 0;
    bool frameTimerWasOn_ = false;
    uint64_t gameTicks_ = 0;
    uint64_t frameTicks_ = 0;
    layout::Image framebuffer_;
    std::vector<platform::Event> pending_;  // the events one pass handles
    // What the framebuffer shows, and what was last presented: a screenshot
    // composes without presenting, the next pass still presents.
    uint64_t composedFingerprint_ = 0;
    bool composed_ = false;
    uint64_t presentedFingerprint_ = 0;
    bool presented_ = false;
    // Where the framebuffer changed since the last present (several composes
    // when a screenshot composed in between).
    std::vector<platform::Rect> changedSincePresent_;
    bool allChanged_ = false;
};

// The frame timer's shortest interval. An interval of 0 means "every idle
// pass", which the original's flips at the display's refresh paced; here
// a pass every 10 ms stands for it, so the loop never spins.
inline constexpr uint64_t kMinFrameIntervalMs = 10;
// After a stall longer than this the game timer drops the missed ticks
// instead of running them all at once.
inline constexpr uint64_t kMaxCatchUpMs = 1000;

}  // namespace kvarnel::app

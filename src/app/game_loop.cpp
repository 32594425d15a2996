#include "app/game_loop.h"

#include <algorithm>
#include <limits>

namespace kvarnel::app {

namespace {
layout::MouseButton toLayout(platform::MouseButton b) {
    switch (b) {
        case platform::MouseButton::Left:
            return layout::MouseButton::Left;
        case platform::MouseButton::Right:
            return layout::MouseButton::Right;
        case platform::MouseButton::Middle:
            return layout::MouseButton::Middle;
    }
    return layout::MouseButton::Left;
}
}  // namespace

GameLoop::GameLoop(Game& game) : game_(game) {}

void GameLoop::dispatch(const platform::Event& e) {
    layout::Screen& screen = *game_.screen;
    const uint64_t now = game_.platform.nowMs();
    switch (e.type) {
        case platform::Event::Type::MouseDown:
            screen.mouseDown(toLayout(e.button), e.position.x, e.position.y);
            break;
        case platform::Event::Type::MouseUp:
            screen.mouseUp(toLayout(e.button), e.position.x, e.position.y);
            break;
        case platform::Event::Type::MouseMove:
            screen.mouseMove(e.position.x, e.position.y, now);
            break;
        case platform::Event::Type::MediaEnded:
            if (e.player >= 0 && e.player < static_cast<int>(game_.c.Skladba.size())) {
                layout::MediaPlayer* player = game_.c.Skladba[static_cast<size_t>(e.player)];
                player->OnNotify.fire({player});
            }
            break;
        case platform::Event::Type::FocusGained:
        case platform::Event::Type::FocusLost:
            break;  // the frame timer asks isActive() itself
        case platform::Event::Type::Quit:
            if (!quit_) {
                game_.close();
                quit_ = true;
            }
            break;
    }
}

void GameLoop::runTimers(uint64_t now) {
    // The game timer: one tick per interval of clock time.
    const layout::Timer& timer = *game_.c.Casodavac;
    const uint64_t interval = static_cast<uint64_t>(std::max(1, timer.Interval));
    if (timer.Enabled && !gameTimerWasOn_) nextGameTick_ = now + interval;
    gameTimerWasOn_ = timer.Enabled;
    if (timer.Enabled && now >= nextGameTick_) {
        if (now - nextGameTick_ > kMaxCatchUpMs) nextGameTick_ = now;
        while (!quit_ && game_.c.Casodavac->Enabled && now >= nextGameTick_) {
            nextGameTick_ += interval;
            ++gameTicks_;
            game_.c.Casodavac->OnTimer.fire({game_.c.Casodavac});
            if (tickObserver_) tickObserver_();
        }
    }

    // The frame timer: at least its interval after its last tick.
    const layout::DXTimer& frame = *game_.c.Start;
    const bool on = frame.Enabled && (!frame.ActiveOnly || game_.platform.isActive());
    if (on && !frameTimerWasOn_) lastFrameTick_ = now;
    frameTimerWasOn_ = on;
    const uint64_t frameInterval =
        std::max<uint64_t>(kMinFrameIntervalMs, static_cast<uint64_t>(std::max(0, frame.Interval)));
    if (on && !quit_ && now >= lastFrameTick_ + frameInterval) {
        lastFrameTick_ = now;
        ++frameTicks_;
        game_.c.Start->OnTimer.fire({game_.c.Start});
    }
}

void GameLoop::pass() {
    // Only what is queued now: an event that a handler causes (a track's
    // end notice after a stop, say) waits for the next pass, as a message
    // queue delivers it, so a chain of them cannot hold up the timers.
    pending_.clear();
    platform::Event e;
    while (game_.platform.pollEvent(e)) pending_.push_back(e);
    for (const platform::Event& event : pending_) {
        if (quit_) break;
        dispatch(event);
    }
    if (quit_) return;
    const uint64_t now = game_.platform.nowMs();
    runTimers(now);
    if (quit_) return;
    game_.screen->advanceAnimations(now);
    game_.movies.update(now);
    const platform::Point p = game_.platform.cursorPos();
    game_.screen->updateHover(p.x, p.y, now);
    presentIfChanged();
}

uint64_t GameLoop::nextWake() const {
    uint64_t wake = std::numeric_limits<uint64_t>::max();
    const uint64_t now = game_.platform.nowMs();
    if (game_.c.Casodavac->Enabled) wake = std::min(wake, gameTimerWasOn_ ? nextGameTick_ : now);
    const layout::DXTimer& frame = *game_.c.Start;
    if (frame.Enabled && (!frame.ActiveOnly || game_.platform.isActive())) {
        const uint64_t interval =
            std::max<uint64_t>(kMinFrameIntervalMs, static_cast<uint64_t>(std::max(0, frame.Interval)));
        wake = std::min(wake, frameTimerWasOn_ ? lastFrameTick_ + interval : now);
    }
    wake = std::min(wake, game_.screen->nextAnimationDue());
    wake = std::min(wake, game_.screen->nextHintChange());
    wake = std::min(wake, game_.platform.nextMediaDeadline());
    // A playing movie wants its next frame: look again soon.
    if (game_.movies.anyPlaying()) wake = std::min(wake, now + 5);
    return wake;
}

void GameLoop::runUntil(uint64_t untilMs) {
    pass();
    while (!quit_ && !stopRequested_ && game_.platform.nowMs() < untilMs) {
        game_.platform.waitUntil(std::min(untilMs, std::max(nextWake(), game_.platform.nowMs() + 1)));
        pass();
    }
}

void GameLoop::runOneTick() {
    const uint64_t before = gameTicks_;
    const uint64_t deadline = game_.platform.nowMs() + 50;
    pass();
    while (!quit_ && !stopRequested_ && gameTicks_ == before) {
        if (!game_.c.Casodavac->Enabled && game_.platform.nowMs() >= deadline) break;
        game_.platform.waitUntil(std::max(nextWake(), game_.platform.nowMs() + 1));
        pass();
    }
}

void GameLoop::runUntilQuit() {
    while (!quit_) {
        pass();
        if (quit_) break;
        const uint64_t wake = nextWake();
        // With nothing due at all, still look up now and then.
        game_.platform.waitUntil(std::max(game_.platform.nowMs() + 1, std::min(wake, game_.platform.nowMs() + 1000)));
    }
}

void GameLoop::presentIfChanged() {
    if (!drawing_) return;
    const layout::Image& picture = framebuffer();
    if (presented_ && presentedFingerprint_ == composedFingerprint_) return;
    // Everything composed since the last present; all of it the first time.
    if (!presented_) changedSincePresent_.clear();
    game_.platform.present(picture.pixels.data(), picture.width, picture.height,
                           presented_ && !allChanged_ ? std::span<const platform::Rect>(changedSincePresent_)
                                                      : std::span<const platform::Rect>());
    changedSincePresent_.clear();
    allChanged_ = false;
    presentedFingerprint_ = composedFingerprint_;
    presented_ = true;
}

const layout::Image& GameLoop::framebuffer() {
    const uint64_t fp = game_.compositor->fingerprint();
    if (!composed_ || fp != composedFingerprint_) {
        game_.compositor->compose(framebuffer_);
        for (const layout::ScreenRect& r : game_.compositor->changed()) {
            if (r.x == 0 && r.y == 0 && r.w == framebuffer_.width && r.h == framebuffer_.height) allChanged_ = true;
            changedSincePresent_.push_back({r.x, r.y, r.w, r.h});
        }
        composedFingerprint_ = fp;
        composed_ = true;
    }
    return framebuffer_;
}

}  // namespace kvarnel::app

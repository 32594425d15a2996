// A player at the table game for tests: every frame he looks where the ball
// is and presses Left or Right, toward it to keep it in play or away from it
// to lose it. Used by the table game's own tests and by the whole story's.
#pragma once

#include <gtest/gtest.h>

#include "app/game.h"
#include "app/game_loop.h"
#include "platform/headless/headless_platform.h"
#include "screens/table_game_rules.h"

namespace kvarnel::testing {

class TablePlayer {
public:
    TablePlayer(platform::HeadlessPlatform& host, app::Game& game, app::GameLoop& loop)
        : host_(host), game_(game), loop_(loop), s_(game.state) {}

    // Plays one bet from the click on the stake to its end, steering toward
    // the ball or away from it; returns the frames it lasted, or -1 when it
    // did not end within `maxFrames`.
    int playBet(bool keepInPlay, int maxFrames) {
        for (int frame = 1; frame <= maxFrames; ++frame) {
            steer(keepInPlay);
            nextFrame();
            if (s_.TableGameRunning == 0) {
                release();
                return frame;
            }
        }
        release();
        return -1;
    }

private:
    void steer(bool toward) {
        // The bat moves before the ball in a frame: aim at where the ball
        // will be. Middles: the ball is 35 wide, the bat 106.
        const int32_t ballMiddle = s_.BallX + s_.BallDX + 17;
        const int32_t batMiddle = s_.BatX + 53;
        int32_t want = ballMiddle - batMiddle;
        if (!toward) want = ballMiddle < 223 ? 1000 : -1000;
        host_.setKey(platform::Key::Right, want > screens::table::kBatStep / 2);
        host_.setKey(platform::Key::Left, want < -screens::table::kBatStep / 2);
    }
    void release() {
        host_.setKey(platform::Key::Right, false);
        host_.setKey(platform::Key::Left, false);
    }
    // The loop runs on its own clock until the frame timer has ticked once.
    // The click that placed the bet and every frame leave the loop at a
    // frame's time, so the next frame falls due one interval on.
    void nextFrame() {
        const uint64_t before = loop_.frameTicks();
        auto waiting = [&] { return loop_.frameTicks() == before && s_.TableGameRunning == 1; };
        loop_.runUntil(host_.nowMs() + static_cast<uint64_t>(game_.c.Start->Interval));
        const uint64_t limit = host_.nowMs() + 1000;
        while (waiting() && host_.nowMs() < limit) loop_.runUntil(host_.nowMs() + 1);
        // A won bet ends in the game tick, between two frames.
        if (s_.TableGameRunning == 1) {
            ASSERT_EQ(loop_.frameTicks(), before + 1) << "one look per frame";
        }
    }

    platform::HeadlessPlatform& host_;
    app::Game& game_;
    app::GameLoop& loop_;
    core::GameState& s_;
};

}  // namespace kvarnel::testing

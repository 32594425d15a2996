// The table game's arithmetic, apart from the screen: the bat under the two
// arrow keys, one frame of the ball with its bounces, and the speed pair the
// table clock sets. The screen (table_game.cpp) plays the sounds, shows the
// labels and draws; these functions only compute, so tests and the benchmark
// can run them without a game.
//
// Units are the pixels of the table's surface (DXDraw1, 447 x 573, its
// top-left at 0,0) and one frame-timer tick.
#pragma once

#include <cstdint>
#include <optional>

#include "core/random.h"

namespace kvarnel::screens::table {

inline constexpr int32_t kSurfaceWidth = 447;
inline constexpr int32_t kBallSize = 35;
// The ball turns back from the right edge once its left side reaches this.
inline constexpr int32_t kRightTurn = kSurfaceWidth - kBallSize;
// Below this line the bat may hit the ball; the hit puts it back on the line
// just under it.
inline constexpr int32_t kBatLine = 524;
// Past this the ball is lost.
inline constexpr int32_t kLostLine = 540;
inline constexpr int32_t kBatTop = 560;
// The bat hits a ball whose left side lies from this far left of the bat's
// left side to this far right of it.
inline constexpr int32_t kBatReachLeft = 15;
inline constexpr int32_t kBatReachRight = 90;
inline constexpr int32_t kBatStep = 15;
inline constexpr int32_t kBatStart = 150;

// A bet's first ball: left side 0..411 at the top, falling to the right at
// 6 or 7 pixels a frame either way.
inline constexpr uint32_t kServeSpan = kRightTurn;
inline constexpr int32_t kServeMinSpeed = 6;
inline constexpr uint32_t kServeSpeedRange = 2;

// The table clock counts once in every 17 game ticks: it adds the tick's
// 50 ms while that keeps it at most 800, and falls due instead.
inline constexpr int32_t kClockLimitMs = 800;
inline constexpr int32_t kClockStepMs = 50;
// The count that wins the bet.
inline constexpr int32_t kWinningCount = 100;
// Coins paid back for a won bet (the stake and five more).
inline constexpr int32_t kPayout = 6;

struct SpeedPair {
    int32_t range;     // SpeedRange: how many values the random part takes
    int32_t minSpeed;  // MinSpeed: the least speed after a bounce
};

// The bat after one frame: Right moves it 15 to the right, Left 15 to the
// left (both: it stays), and a step past either end is taken back, so from
// its start at 150 it keeps within 0..345.
int32_t moveBat(int32_t batX, bool left, bool right);

struct Ball {
    int32_t x = 0;  // left side
    int32_t y = 0;  // top
    int32_t dx = 0;
    int32_t dy = 0;
};

// What one frame of the ball did, in the order it happened: the bounces off
// an edge or the bat, then whether the ball went past the bat.
struct BallFrame {
    int bounces = 0;
    bool lost = false;
};

// Moves the ball one frame and bounces it off the left, right and top edges
// and off the bat (at batX). Each bounce draws the new speed component from
// `random` as Random(range) + minSpeed, in the order right edge, left edge,
// bat, top. A ball without sideways speed is given -1 first.
BallFrame stepBall(Ball& ball, int32_t batX, SpeedPair speeds, core::RandomGenerator& random);

// The speed pair for the table clock's new count, or nothing where the count
// leaves it as it is (100 and above). The rows are tested from 100 down, the
// last that matches winning, so each band of ten takes the row of its upper
// bound.
std::optional<SpeedPair> speedsForCount(int32_t count);

}  // namespace kvarnel::screens::table

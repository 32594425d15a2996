#include "screens/table_game_rules.h"

namespace kvarnel::screens::table {

namespace {

// The bat may not end a frame further out than these; one step past them
// is taken back.
constexpr int32_t kBatRightLimit = 347;
constexpr int32_t kBatLeftLimit = -14;

struct SpeedRow {
    int32_t below;
    SpeedPair speeds;
};

// Tested in this order; the last row that matches wins.
constexpr SpeedRow kSpeedRows[] = {
    {.below = 100, .speeds = {.range = 3, .minSpeed = 9}}, {.below = 90, .speeds = {.range = 3, .minSpeed = 8}},
    {.below = 70, .speeds = {.range = 3, .minSpeed = 7}},  {.below = 60, .speeds = {.range = 3, .minSpeed = 6}},
    {.below = 50, .speeds = {.range = 3, .minSpeed = 6}},  {.below = 40, .speeds = {.range = 2, .minSpeed = 6}},
    {.below = 30, .speeds = {.range = 2, .minSpeed = 6}},  {.below = 20, .speeds = {.range = 2, .minSpeed = 6}},
    {.below = 10, .speeds = {.range = 2, .minSpeed = 5}},
};

int32_t newSpeed(SpeedPair speeds, core::RandomGenerator& random) {
    // A negative range (never set so by the game) draws as an empty one.
    const uint32_t range = speeds.range > 0 ? static_cast<uint32_t>(speeds.range) : 0;
    return static_cast<int32_t>(random.next(range)) + speeds.minSpeed;
}

}  // namespace

int32_t moveBat(int32_t batX, bool left, bool right) {
    if (right) batX += kBatStep;
    if (left) batX -= kBatStep;
    if (batX > kBatRightLimit) batX -= kBatStep;
    if (batX < kBatLeftLimit) batX += kBatStep;
    return batX;
}

BallFrame stepBall(Ball& ball, int32_t batX, SpeedPair speeds, core::RandomGenerator& random) {
    BallFrame out;
    if (ball.dx == 0) ball.dx = -1;
    ball.x += ball.dx;
    ball.y += ball.dy;
    if (ball.x >= kRightTurn) {
        ball.dx = -newSpeed(speeds, random);
        ++out.bounces;
    }
    if (ball.x < 1) {
        ball.dx = newSpeed(speeds, random);
        ++out.bounces;
    }
    if (ball.y > kBatLine) {
        if (batX - kBatReachLeft <= ball.x && ball.x <= batX + kBatReachRight) {
            ball.y = kBatLine + 1;
            ball.dy = -newSpeed(speeds, random);
            ++out.bounces;
        }
        if (ball.y > kLostLine) out.lost = true;
    }
    if (ball.y < 1) {
        ball.dy = newSpeed(speeds, random);
        ++out.bounces;
    }
    return out;
}

std::optional<SpeedPair> speedsForCount(int32_t count) {
    std::optional<SpeedPair> out;
    for (const SpeedRow& row : kSpeedRows) {
        if (count < row.below) out = row.speeds;
    }
    return out;
}

}  // namespace kvarnel::screens::table

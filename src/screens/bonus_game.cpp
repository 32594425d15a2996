// Sections:
//   [Pictures]   the items of DXImageList1, the waves and the court's lines
//   [Shared]     the score labels, the speeds, the pointer
//   [Start]      OK on the two-player page
//   [Frame]      the rally and the pictures between rallies, per frame tick
//   [Animation]  the countdown, the serve and the banners, per game tick
//   [Clock]      the rally clock, per game tick
#include "screens/bonus_game.h"

#include <algorithm>
#include <array>
#include <string>

#include "layout/surface.h"
#include "scenes/inventory.h"

namespace kvarnel::screens {

namespace {

using core::GameState;

// [Pictures] ----------------------------------------------------------------

constexpr int kBallItem = 0;
constexpr int kCourtItem = 3;
constexpr int kPaddleItem = 4;

// The countdown: digit 3, 2, 1 as BonusPhase 3, 2, 1. Each digit plays its
// wave once per countdown; showing it also re-arms the digit shown before
// it (3 re-arms 1, which came last in the previous countdown), so the next
// countdown sounds again. `played` and `rearms` index CountdownSoundPlayed.
struct Digit {
    int item;
    int wave;
    size_t played;
    size_t rearms;
};
constexpr std::array<Digit, 3> kDigits{{
    {.item = 7, .wave = 16, .played = 0, .rearms = 1},  // 1
    {.item = 6, .wave = 15, .played = 1, .rearms = 2},  // 2
    {.item = 5, .wave = 15, .played = 2, .rearms = 0},  // 3
}};

// The banners of BonusPhase 4 (player 1 won), 5 (player 2 won) and 6
// (congratulations), in Czech and English; white is their transparent colour.
struct Banner {
    int cz;
    int en;
};
constexpr std::array<Banner, 3> kBanners{{{.cz = 8, .en = 11}, {.cz = 9, .en = 12}, {.cz = 10, .en = 13}}};
constexpr int kPhasePlayer1Won = 4;
constexpr int kPhasePlayer2Won = 5;
constexpr int kPhaseCongratulations = 6;

constexpr int kWaveBounce = 1;
constexpr int kWaveMiss = 2;
constexpr int kWaveCongratulations = 6;

// The court: the surface is 568 wide; the ball 35 square; the paddles 103
// wide, the top one at y 0, the bottom one at y 757.
constexpr int32_t kRightWall = 568 - 35;
constexpr int32_t kBottomPaddleTop = 757;
constexpr int32_t kBottomLine = 722;  // the ball's top when it meets the bottom paddle
constexpr int32_t kTopLine = 10;      // and when it meets the top one
constexpr int32_t kPastBottom = 742;
constexpr int32_t kPastTop = -10;
// The ball touches a paddle from 15 pixels left of it to 90 right of its left edge.
constexpr int32_t kReachLeft = 15;
constexpr int32_t kReachRight = 90;
constexpr int32_t kPaddleStep = 20;
constexpr int32_t kPaddleMax = 465;
constexpr int32_t kServeX = 284;
constexpr int32_t kServeY = 355;
constexpr int kPointsToWin = 5;

constexpr int32_t kDigitX = 285, kDigitY = 340, kDigitWidth = 2, kDigitHeight = 7;
constexpr int32_t kDigitFullHeight = 127;  // the digit's own height: the grown digit gives way
constexpr int32_t kBannerTop = 350;
constexpr int32_t kBannerWidth = 264, kBannerHeight = 19, kBannerFullHeight = 40;
constexpr int32_t kWinnerBannerX = 160, kCongratulationsX = 150, kBannerXAfterMatch = 190;

constexpr int32_t kClockStepMs = 50;
constexpr int32_t kClockCountMs = 800;

// [Shared] ------------------------------------------------------------------

int32_t number(const layout::Label& label) {
    return scenes::captionNumber(label.Caption);
}

void setNumber(scenes::Context& ctx, layout::Label& label, int32_t n) {
    scenes::setCaption(ctx, label, std::to_string(n));
}

void zeroNumbers(scenes::Context& ctx) {
    for (layout::Label* label : {ctx.c.Label113, ctx.c.Label116, ctx.c.Label117}) scenes::setCaption(ctx, *label, "0");
}

// A new speed component: Random(SpeedRange) + MinSpeed.
int32_t newSpeed(scenes::Context& ctx) {
    const GameState& s = ctx.state;
    return static_cast<int32_t>(ctx.random.next(static_cast<uint32_t>(std::max(0, s.SpeedRange)))) + s.MinSpeed;
}

void resetDigit(GameState& s) {
    s.DigitX = kDigitX;
    s.DigitY = kDigitY;
    s.DigitWidth = kDigitWidth;
    s.DigitHeight = kDigitHeight;
}

void startBanner(GameState& s, int32_t x) {
    s.BannerX = x;
    s.BannerWidth = kBannerWidth;
    s.BannerHeight = kBannerHeight;
}

// Back to the menu's main page, the pointer with it.
void leaveForMenu(scenes::Context& ctx) {
    ctx.c.BonusHra->Visible = false;
    ctx.c.Menu1->Visible = true;
    zeroNumbers(ctx);
    ctx.state.BonusBallInPlay = 0;
    ctx.platform.showCursor(true);
}

// [Frame] -------------------------------------------------------------------

bool touches(int32_t paddle, int32_t ballX) {
    return paddle - kReachLeft <= ballX && ballX <= paddle + kReachRight;
}

void movePaddle(int32_t& paddle, bool right, bool left) {
    if (right) paddle += kPaddleStep;
    if (left) paddle -= kPaddleStep;
    if (paddle > kPaddleMax - 1) paddle = kPaddleMax;
    if (paddle < 1) paddle = 0;
}

// A point for the player whose label is `score`: the rally ends, the rally
// clock starts over, the next serve goes toward the scorer, and the fifth
// point brings the winner's banner.
void point(scenes::Context& ctx, layout::Label& score, bool serveUp, int32_t winnerPhase) {
    GameState& s = ctx.state;
    scenes::playWave(ctx, kWaveMiss);
    s.BonusBallInPlay = 0;
    setNumber(ctx, score, number(score) + 1);
    scenes::setCaption(ctx, *ctx.c.Label113, "0");
    s.BonusServeUp = serveUp ? 1 : 0;
    if (score.Caption == std::to_string(kPointsToWin)) {
        startBanner(s, kWinnerBannerX);
        s.BonusPhase = winnerPhase;
    }
}

void rallyFrame(scenes::Context& ctx, layout::Surface& surface) {
    GameState& s = ctx.state;
    scenes::Controls& c = ctx.c;
    const platform::Platform& p = ctx.platform;
    using platform::Key;
    // Escape leaves the match at once; the rest of this frame still runs
    // and draws, and the hidden panel takes no further frame.
    if (p.keyDown(Key::Escape) && !c.Menu1->Visible && s.BonusAnimationOn == 0) leaveForMenu(ctx);

    movePaddle(s.PaddleB, p.keyDown(Key::Right), p.keyDown(Key::Left));
    movePaddle(s.PaddleA, p.keyDown(Key::S), p.keyDown(Key::A));

    if (s.BallDX == 0) s.BallDX = -1;
    s.BallX += s.BallDX;
    s.BallY += s.BallDY;

    if (s.BallX >= kRightWall) {
        scenes::playWave(ctx, kWaveBounce);
        s.BallDX = -newSpeed(ctx);
    }
    if (s.BallX < 1) {
        scenes::playWave(ctx, kWaveBounce);
        s.BallDX = newSpeed(ctx);
    }
    // The paddle is tested before the miss, so a fast ball that has already
    // crossed the paddle's line still comes back off it.
    if (s.BallY >= kBottomLine && touches(s.PaddleB, s.BallX)) {
        s.BallY = kBottomLine;
        s.BallDY = -newSpeed(ctx);
        scenes::playWave(ctx, kWaveBounce);
    }
    if (s.BallY > kPastBottom) point(ctx, *c.Label116, true, kPhasePlayer1Won);
    if (s.BallY <= kTopLine && touches(s.PaddleA, s.BallX)) {
        s.BallY = kTopLine;
        s.BallDY = newSpeed(ctx);
        scenes::playWave(ctx, kWaveBounce);
    }
    if (s.BallY < kPastTop) point(ctx, *c.Label117, false, kPhasePlayer2Won);

    const layout::DXImageList& list = *c.DXImageList1;
    surface.drawItem(list, kCourtItem, 0, 0);
    surface.drawItem(list, kPaddleItem, s.PaddleA, 0);
    surface.drawItem(list, kPaddleItem, s.PaddleB, kBottomPaddleTop);
    surface.drawItem(list, kBallItem, s.BallX, s.BallY);
}

void betweenRalliesFrame(scenes::Context& ctx, layout::Surface& surface) {
    GameState& s = ctx.state;
    const layout::DXImageList& list = *ctx.c.DXImageList1;
    surface.drawItem(list, kCourtItem, 0, 0);
    // The game timer takes over from the first frame after a point.
    s.BonusAnimationOn = 1;
    if (s.BonusPhase >= 1 && s.BonusPhase <= 3) {
        const Digit& d = kDigits[static_cast<size_t>(s.BonusPhase - 1)];
        surface.drawScaled(list, d.item, s.DigitX, s.DigitY, s.DigitWidth, s.DigitHeight);
        if (s.CountdownSoundPlayed[d.played] == 0) scenes::playWave(ctx, d.wave);
        s.CountdownSoundPlayed[d.played] = 1;
        s.CountdownSoundPlayed[d.rearms] = 0;
    } else if (s.BonusPhase >= kPhasePlayer1Won && s.BonusPhase <= kPhaseCongratulations) {
        const Banner& b = kBanners[static_cast<size_t>(s.BonusPhase - kPhasePlayer1Won)];
        surface.drawScaled(list, s.Language == 2 ? b.en : b.cz, s.BannerX, kBannerTop, s.BannerWidth, s.BannerHeight);
    }
}

// [Animation] ---------------------------------------------------------------

// The first serve of a match goes down to the bottom paddle; a later one
// toward the player who scored last.
void serve(scenes::Context& ctx) {
    GameState& s = ctx.state;
    s.BonusPhase = 3;
    resetDigit(s);
    s.BonusAnimationOn = 0;
    s.SpeedRange = 2;
    s.MinSpeed = 10;
    s.BallDX = newSpeed(ctx);
    s.BallDY = s.BonusServeUp == 1 ? -newSpeed(ctx) : newSpeed(ctx);
    // BonusServeUp outlives a match, so the first serve of a new one is
    // turned down again; that takes a number of its own, which keeps every
    // later draw of the match where it has always been.
    if (ctx.c.Label116->Caption == "0" && ctx.c.Label117->Caption == "0") s.BallDY = newSpeed(ctx);
    s.BallX = kServeX;
    s.BallY = kServeY;
    s.BonusBallInPlay = 1;
}

// One banner step: the banner grows every second tick; true when it is full.
bool growBanner(GameState& s) {
    if (++s.BannerStepTicks >= 2) {
        s.BannerStepTicks = 0;
        s.BannerX -= 7;
        s.BannerWidth += 14;
        s.BannerHeight += 1;
    }
    return s.BannerHeight >= kBannerFullHeight;
}

void endMatch(scenes::Context& ctx) {
    GameState& s = ctx.state;
    startBanner(s, kBannerXAfterMatch);
    leaveForMenu(ctx);
    s.BannerStepTicks = 0;
    s.BonusAnimationOn = 0;
}

}  // namespace

// [Start] -------------------------------------------------------------------

void startBonusGame(scenes::Context& ctx) {
    GameState& s = ctx.state;
    s.BonusPhase = 3;
    s.BonusAnimationOn = 1;
    resetDigit(s);
    s.BallX = kServeX;
    s.BallY = kServeY;
    zeroNumbers(ctx);
    s.BonusBallInPlay = 0;
    s.MenuBonusInfoPage = 0;
    ctx.c.Menu1->Visible = false;
    ctx.c.BonusHra->Visible = true;
    ctx.c.Start->Interval = 15;
    ctx.platform.showCursor(false);
}

void bonusFrameStep(scenes::Context& ctx) {
    layout::Surface surface(*ctx.screen, *ctx.c.DXDraw3);
    if (!surface.canDraw()) return;
    surface.fillBlack();
    if (ctx.state.BonusBallInPlay == 1) {
        rallyFrame(ctx, surface);
    } else {
        betweenRalliesFrame(ctx, surface);
    }
    surface.flip();
}

void bonusAnimationStep(scenes::Context& ctx) {
    GameState& s = ctx.state;
    if (s.BonusPhase >= 1 && s.BonusPhase <= 3) {
        s.DigitX -= 2;
        s.DigitY -= 3;
        s.DigitWidth += 5;
        s.DigitHeight += 8;
        if (s.DigitHeight > kDigitFullHeight) {
            if (s.BonusPhase == 1) {
                serve(ctx);
            } else {
                --s.BonusPhase;
                resetDigit(s);
            }
        }
    } else if (s.BonusPhase == kPhasePlayer1Won || s.BonusPhase == kPhasePlayer2Won) {
        if (growBanner(s)) {
            s.BonusPhase = kPhaseCongratulations;
            scenes::playWave(ctx, kWaveCongratulations);
            startBanner(s, kCongratulationsX);
            s.BannerStepTicks = 0;
        }
    } else if (s.BonusPhase == kPhaseCongratulations) {
        if (growBanner(s)) endMatch(ctx);
    }
}

// [Clock] -------------------------------------------------------------------

void bonusClockStep(scenes::Context& ctx) {
    GameState& s = ctx.state;
    if (s.BonusClockElapsed + kClockStepMs > kClockCountMs) {
        s.BonusClockDue = 1;
        s.BonusClockElapsed = 0;
    } else {
        s.BonusClockElapsed += kClockStepMs;
    }
    if (s.BonusClockDue == 0) return;
    // The new speeds take effect at the next bounce, which draws a new speed.
    const int32_t count = number(*ctx.c.Label113) + 1;
    setNumber(ctx, *ctx.c.Label113, count);
    if (count > 50) s.SpeedRange = 3;
    if (count > 100) s.SpeedRange = 4;
    if (count % 5 == 0) s.MinSpeed += 2;
    s.BonusClockDue = 0;
}

}  // namespace kvarnel::screens

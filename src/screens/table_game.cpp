// Sections:
//   [Texts]    the innkeeper's three refusals
//   [Betting]  a bet (Label2Click), a refusal, leaving (Label11Click)
//   [Endings]  the ball lost, the bet won
//   [Frame]    the bat, the ball and the drawing, once per frame tick
//   [Clock]    the table clock and the speeds it sets
#include "screens/table_game.h"

#include <string>

#include "layout/surface.h"
#include "scenes/actions.h"
#include "scenes/inventory.h"
#include "screens/table_game_rules.h"
#include "story/publican_lines.h"

namespace kvarnel::screens {

namespace {

using core::GameState;
using namespace scenes::op;
using scenes::join;
using scenes::ops;
using scenes::Text;

// The pictures of DXImageList1 this table draws.
constexpr int kBallItem = 0;
constexpr int kTableItem = 1;
constexpr int kBatItem = 2;

// Items of the wave list.
constexpr int kBounceWave = 1;
constexpr int kLostWave = 2;
constexpr int kWonWave = 3;

// [Texts] -------------------------------------------------------------------

// He will not let a heavy loser play on.
constexpr Text kTooMuchLost{
    "Už vás nemůžu nechat hrát, vždyť vy jste úplnej závislák. Ty peníze co byste tu prohrál by mohly být klíčem k "
    "dohrání této hry.",
    "I cannot let you play more. You are completely dependent on it! You could loose all the money you'll need to "
    "finish this game."};
// Nor one who has won too much from him.
constexpr Text kTooMuchWon{"Chcete mě úplně zničit? Rukpal už u mě hrát nemůžete, obral byste mě o všechno.",
                           "You want to destroy me? You cannot play HandShot more."};
// And there is nothing to stake without a coin.
constexpr Text kNoCoins{"Vždyť nemáte žádné peníze, tak o co byste se vsázel?",
                        "You have no money, what do you want to bet?"};

// [Betting] -----------------------------------------------------------------

// A refusal closes the table: the inn again, the innkeeper speaking in red,
// and his offer ready as the reply choices that follow his line.
constexpr auto kBackToTheInn =
    ops(hide("Rukpal"), show("Vhospode"), hide("Hhoci"), show("hhocimluva"), show("hhmluva"), hide("Hhpusa"),
        show("Hoci"), show("Hpusa"), show("Hhlava"), hide("hpusamluva"), colour(layout::clRed), hide("Otazka1"),
        hide("Otazka2"), hide("Otazka3"), choice(1, story::kPublicanAskAboutTheGuest),
        choice(2, story::kPublicanPlayTheTable), choice(3, story::kPublicanBuyFood));

void showPointer(scenes::Context& ctx) {
    ctx.platform.showCursor(true);
}

// The two refusals about the winnings also show the pointer once more (the
// count goes up although the pointer already shows); the one about the coins
// does not.
constexpr auto kRefuseLoser =
    join(kBackToTheInn, ops(call(showPointer), say(kTooMuchLost), time(scenes::Timing::Speech)));
constexpr auto kRefuseWinner =
    join(kBackToTheInn, ops(call(showPointer), say(kTooMuchWon), time(scenes::Timing::Speech)));
constexpr auto kRefuseNoCoins = join(kBackToTheInn, ops(say(kNoCoins), time(scenes::Timing::Speech)));

// Leaving between bets: the innkeeper's eyes at rest and his offer cleared.
constexpr auto kLeave = ops(emptyChoice(1), emptyChoice(2), emptyChoice(3), hide("hhocimluva"), show("Hhoci"),
                            hide("Rukpal"), show("Vhospode"));

void setNumber(scenes::Context& ctx, layout::Label& label, int32_t value) {
    scenes::setCaption(ctx, label, std::to_string(value));
}

void startBet(scenes::Context& ctx) {
    GameState& s = ctx.state;
    scenes::Controls& c = ctx.c;
    // Every bet starts the generator afresh from the time of day, so no two
    // sittings at the table play the same balls.
    const platform::CalendarTime now = ctx.platform.utcTime();
    ctx.random.reseed(now.hour, now.minute, now.second, now.millisecond);
    ctx.platform.showCursor(false);
    c.Label11->Visible = false;
    c.Label2->Visible = false;
    setNumber(ctx, *c.Penez, s.MoneyCount - 1);
    s.TableWinnings -= 1;
    s.TableGameRunning = 1;
    s.TableBallShown = 1;
    s.BatX = table::kBatStart;
    s.BallX = static_cast<int32_t>(ctx.random.next(table::kServeSpan));
    s.BallY = 0;
    s.BallDX = static_cast<int32_t>(ctx.random.next(table::kServeSpeedRange)) + table::kServeMinSpeed;
    s.BallDY = static_cast<int32_t>(ctx.random.next(table::kServeSpeedRange)) + table::kServeMinSpeed;
    c.Start->Enabled = true;
}

void Label2Click(scenes::Context& ctx) {
    GameState& s = ctx.state;
    s.SpeedRange = 2;
    s.MinSpeed = 6;
    s.MoneyCount = scenes::captionNumber(ctx.c.Penez->Caption);
    if (s.TableWinnings < -9) {
        scenes::runOps(ctx, kRefuseLoser);
    } else if (s.TableWinnings >= 10) {
        scenes::runOps(ctx, kRefuseWinner);
    } else if (s.MoneyCount > 0) {
        startBet(ctx);
    } else {
        scenes::runOps(ctx, kRefuseNoCoins);
    }
}

// The bet is over, lost or won: the labels come back, the ball and the bat
// are no longer drawn, and the frame timer stops, so the surface keeps its
// last picture until the next bet.
void endBet(scenes::Context& ctx) {
    GameState& s = ctx.state;
    scenes::Controls& c = ctx.c;
    c.Label2->Visible = true;
    c.Label11->Visible = true;
    s.TableBallShown = 0;
    s.TableGameRunning = 0;
    c.Start->Enabled = false;
    scenes::setCaption(ctx, *c.Cas, "0");
}

// [Endings] ----------------------------------------------------------------

void ballLost(scenes::Context& ctx, bool betRunning) {
    if (betRunning) {
        scenes::playWave(ctx, kLostWave);
        ctx.platform.showCursor(true);
    }
    endBet(ctx);
    ctx.c.Casodavac->Enabled = true;
}

void betWon(scenes::Context& ctx) {
    GameState& s = ctx.state;
    scenes::playWave(ctx, kWonWave);
    ctx.platform.showCursor(true);
    setNumber(ctx, *ctx.c.Penez, scenes::captionNumber(ctx.c.Penez->Caption) + table::kPayout);
    s.TableWinnings += table::kPayout;
    endBet(ctx);
}

}  // namespace

// [Frame] -------------------------------------------------------------------

void tableFrameStep(scenes::Context& ctx) {
    GameState& s = ctx.state;
    scenes::Controls& c = ctx.c;
    // The same caption again would only measure the same text again.
    if (c.Label10->Caption != c.Penez->Caption) scenes::setCaption(ctx, *c.Label10, c.Penez->Caption);
    layout::Surface surface(*ctx.screen, *c.DXDraw1);
    if (!surface.canDraw()) return;

    s.BatX =
        table::moveBat(s.BatX, ctx.platform.keyDown(platform::Key::Left), ctx.platform.keyDown(platform::Key::Right));
    surface.fillBlack();
    table::Ball ball{.x = s.BallX, .y = s.BallY, .dx = s.BallDX, .dy = s.BallDY};
    const table::BallFrame moved =
        table::stepBall(ball, s.BatX, {.range = s.SpeedRange, .minSpeed = s.MinSpeed}, ctx.random);
    s.BallX = ball.x;
    s.BallY = ball.y;
    s.BallDX = ball.dx;
    s.BallDY = ball.dy;
    // The table is silent unless a bet runs (the stake label is hidden then).
    const bool betRunning = !c.Label2->Visible;
    if (betRunning) {
        for (int i = 0; i < moved.bounces; ++i) scenes::playWave(ctx, kBounceWave);
    }
    if (moved.lost) ballLost(ctx, betRunning);

    surface.drawItem(*c.DXImageList1, kTableItem, 0, 0);
    if (s.TableBallShown == 1) {
        surface.drawItem(*c.DXImageList1, kBallItem, s.BallX, s.BallY);
        surface.drawItem(*c.DXImageList1, kBatItem, s.BatX, table::kBatTop);
    }
    surface.flip();
}

// [Clock] -------------------------------------------------------------------

void tableClockStep(scenes::Context& ctx) {
    GameState& s = ctx.state;
    scenes::Controls& c = ctx.c;
    if (s.TableTickElapsed + table::kClockStepMs > table::kClockLimitMs) {
        s.TableTickDue = 1;
        s.TableTickElapsed = 0;
    } else {
        s.TableTickElapsed += table::kClockStepMs;
    }
    if (s.TableTickDue != 1) return;
    const int32_t count = scenes::captionNumber(c.Cas->Caption) + 1;
    setNumber(ctx, *c.Cas, count);
    if (const auto speeds = table::speedsForCount(count)) {
        s.SpeedRange = speeds->range;
        s.MinSpeed = speeds->minSpeed;
    }
    // The clock goes back to 0 in the very tick it reaches 100, so 100 is
    // never seen on the table.
    if (c.Cas->Caption == std::to_string(table::kWinningCount)) betWon(ctx);
    s.TableTickDue = 0;
}

void bindTableGameHandlers(scenes::Context& ctx, layout::HandlerRegistry& handlers) {
    handlers.add("Label2Click", [&ctx](const layout::EventArgs&) { Label2Click(ctx); });
    handlers.add("Label11Click", [&ctx](const layout::EventArgs&) { scenes::runOps(ctx, kLeave); });
}

}  // namespace kvarnel::screens

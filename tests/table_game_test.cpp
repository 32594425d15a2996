// The table game at the inn: its arithmetic on its own (the bat, the ball's
// bounces, the clock's speeds), then on the stand-in game: the innkeeper's
// patience at each bet, the table clock and the won bet, the sounds, the
// reseed, leaving, and whole bets played by steering the bat from what the
// game shows.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/script.h"
#include "game_fixture.h"
#include "layout/surface.h"
#include "platform/sdl/ttf_text.h"
#include "scenes/actions.h"
#include "screens/frame_timer.h"
#include "screens/table_game_rules.h"
#include "story/movies.h"
#include "story/publican_lines.h"
#include "story/tick.h"
#include "table_player.h"

namespace kvarnel::screens {
namespace {

using core::GameState;
using core::RandomGenerator;
using platform::Key;
using testing::GameFixture;
using testing::TablePlayer;

// ---------------------------------------------------------------- the rules

TEST(TableRules, TheBatStepsFifteenAndTakesBackAStepPastEitherEnd) {
    const struct {
        int32_t from;
        bool left, right;
        int32_t to;
    } cases[] = {
        {150, false, false, 150}, {150, false, true, 165}, {150, true, false, 135}, {150, true, true, 150},
        {330, false, true, 345},  {345, false, true, 345}, {15, true, false, 0},    {0, true, false, 0},
        {0, false, true, 15},     {345, true, false, 330},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(table::moveBat(c.from, c.left, c.right), c.to)
            << "from " << c.from << (c.left ? " Left" : "") << (c.right ? " Right" : "");
    }
}

TEST(TableRules, WhateverTheKeysTheBatStaysWithinZeroTo345OnItsSteps) {
    RandomGenerator keys;
    keys.setState(12345);
    int32_t bat = table::kBatStart;
    int32_t least = bat, most = bat;
    for (int frame = 0; frame < 5000; ++frame) {
        bat = table::moveBat(bat, keys.next(3) == 0, keys.next(3) == 0);
        least = std::min(least, bat);
        most = std::max(most, bat);
        ASSERT_EQ(bat % table::kBatStep, 0) << "frame " << frame;
    }
    EXPECT_EQ(least, 0);
    EXPECT_EQ(most, 345);
}

TEST(TableRules, TheClockCountSetsTheSpeedPairOfItsBand) {
    const struct {
        int32_t count;
        int32_t range, minSpeed;
    } cases[] = {
        {1, 2, 5},  {9, 2, 5},  {10, 2, 6}, {29, 2, 6}, {39, 2, 6}, {40, 3, 6}, {50, 3, 6},
        {59, 3, 6}, {60, 3, 7}, {69, 3, 7}, {70, 3, 8}, {89, 3, 8}, {90, 3, 9}, {99, 3, 9},
    };
    for (const auto& c : cases) {
        const auto speeds = table::speedsForCount(c.count);
        ASSERT_TRUE(speeds) << c.count;
        EXPECT_EQ(speeds->range, c.range) << c.count;
        EXPECT_EQ(speeds->minSpeed, c.minSpeed) << c.count;
    }
    EXPECT_FALSE(table::speedsForCount(100)) << "the winning count leaves the speeds as they are";
}

// One frame of the ball from where it stands, with a generator in a known
// state; `drawn` tells what each bounce must have drawn from it.
struct BallCase {
    const char* name;
    table::Ball before;
    int32_t batX;
    int bounces;
    bool lost;
    table::Ball after;  // a speed of 99 (or -99): drawn by the bounce, checked against the generator
};

TEST(TableRules, TheBallBouncesOffTheEdgesAndTheBatAndIsLostPastIt) {
    constexpr int32_t D = 99;
    const table::SpeedPair speeds{.range = 3, .minSpeed = 7};
    const BallCase cases[] = {
        {"free flight", {200, 200, 6, 7}, 150, 0, false, {206, 207, 6, 7}},
        {"no sideways speed drifts left", {200, 200, 0, 7}, 150, 0, false, {199, 207, -1, 7}},
        {"right edge reached", {406, 200, 6, 7}, 150, 1, false, {412, 207, -D, 7}},
        {"right edge not yet", {405, 200, 6, 7}, 150, 0, false, {411, 207, 6, 7}},
        {"left edge reached", {5, 200, -5, 7}, 150, 1, false, {0, 207, D, 7}},
        {"left edge not yet", {6, 200, -5, 7}, 150, 0, false, {1, 207, -5, 7}},
        {"top reached", {200, 5, 6, -5}, 150, 1, false, {206, 0, 6, D}},
        {"top not yet", {200, 6, 6, -5}, 150, 0, false, {206, 1, 6, -5}},
        {"corner: right edge, then top", {406, 4, 6, -5}, 150, 2, false, {412, -1, -D, D}},
        {"bat's left reach", {134, 520, 1, 6}, 150, 1, false, {135, 525, 1, -D}},
        {"just past the bat's left reach", {133, 520, 1, 6}, 150, 0, false, {134, 526, 1, 6}},
        {"bat's right reach", {239, 520, 1, 6}, 150, 1, false, {240, 525, 1, -D}},
        {"just past the bat's right reach", {240, 520, 1, 6}, 150, 0, false, {241, 526, 1, 6}},
        {"on the bat's line, not below it", {200, 518, 1, 6}, 150, 0, false, {201, 524, 1, 6}},
        {"caught late, below the line", {200, 535, 1, 6}, 150, 1, false, {201, 525, 1, -D}},
        {"at the last line", {100, 534, 1, 6}, 250, 0, false, {101, 540, 1, 6}},
        {"past the last line", {100, 535, 1, 6}, 250, 0, true, {101, 541, 1, 6}},
    };
    for (const BallCase& c : cases) {
        SCOPED_TRACE(c.name);
        RandomGenerator random, expected;
        random.setState(987654321);
        expected.setState(987654321);
        table::Ball ball = c.before;
        const table::BallFrame out = table::stepBall(ball, c.batX, speeds, random);
        EXPECT_EQ(out.bounces, c.bounces);
        EXPECT_EQ(out.lost, c.lost);
        EXPECT_EQ(ball.x, c.after.x);
        EXPECT_EQ(ball.y, c.after.y);
        // The bounces draw in the order dx, then dy.
        auto drawn = [&](int32_t want) {
            if (want != D && want != -D) return want;
            const int32_t speed = static_cast<int32_t>(expected.next(3)) + 7;
            return want < 0 ? -speed : speed;
        };
        const int32_t dx = drawn(c.after.dx);
        const int32_t dy = drawn(c.after.dy);
        EXPECT_EQ(ball.dx, dx);
        EXPECT_EQ(ball.dy, dy);
        EXPECT_EQ(random.state(), expected.state()) << "one draw per bounce, none else";
    }
}

// ---------------------------------------------------------------- on the game

// The innkeeper's lines at the table, as the game must show them.
constexpr scenes::Text kTooMuchLost{
    "Už vás nemůžu nechat hrát, vždyť vy jste úplnej závislák. Ty peníze co byste tu prohrál by mohly být klíčem k "
    "dohrání této hry.",
    "I cannot let you play more. You are completely dependent on it! You could loose all the money you'll need to "
    "finish this game."};
constexpr scenes::Text kTooMuchWon{"Chcete mě úplně zničit? Rukpal už u mě hrát nemůžete, obral byste mě o všechno.",
                                   "You want to destroy me? You cannot play HandShot more."};
constexpr scenes::Text kNoCoins{"Vždyť nemáte žádné peníze, tak o co byste se vsázel?",
                                "You have no money, what do you want to bet?"};

class TableGameTest : public ::testing::Test {
protected:
    void SetUp() override { f.start(); }

    scenes::Context& ctx() { return f.game->ctx; }
    GameState& s() { return f.game->state; }
    scenes::Controls& c() { return f.game->c; }

    // Runs script lines as a player would play them; fails the test at the
    // first line that fails.
    void play(const std::string& lines) {
        std::string error;
        const auto script = app::parseScript(lines, "table.script", error);
        ASSERT_TRUE(script) << error;
        std::ostringstream out;
        app::ScriptRunner runner(*f.game, *f.loop, out);
        ASSERT_EQ(runner.run(*script), app::kScriptPassed) << out.str();
    }

    // In the inn with the publican's offer made, the coins and the winnings
    // set, the table opened through his conversation.
    void openTable(int language, int coins, int winnings) {
        play("start-scene Vhospode\nset Language " + std::to_string(language) + "\nset Shnabidka 1\nset Penez " +
             std::to_string(coins) + "\nset TableWinnings " + std::to_string(winnings) +
             "\nwait 100\nclick Label119\nclick Otazka2\nwait until shown Rukpal 20000\n");
    }

    // The two timers' handlers, straight (the unit tests pace them).
    void frame(int n = 1) {
        for (int i = 0; i < n; ++i) StartTimer(ctx());
    }
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) story::CasodavacTimer(ctx());
    }
    void fire(std::string_view handler) {
        const layout::Handler* h = f.game->handlers.find(handler);
        ASSERT_NE(h, nullptr) << handler;
        (*h)({});
    }
    size_t calls(std::string_view prefix) { return f.host->callsStartingWith(prefix).size(); }

    // Real text, so labels have their size and clicks find them.
    GameFixture f{"table", {1024, 768}, platform::makeTtfTextRasterizer(KVARNEL_FONTS_CONF)};
};

struct BetCase {
    const char* name;
    int language;
    int winnings;
    int coins;
    const scenes::Text* refusal;  // null: the bet is taken
    int pointerStep;              // what the click does to the pointer's show count
};

TEST_F(TableGameTest, EachBetMeetsTheInnkeepersPatienceAtItsEdges) {
    const BetCase cases[] = {
        {"nine won still plays", 2, 9, 3, nullptr, -1},
        {"nine lost still plays", 1, -9, 1, nullptr, -1},
        {"ten won: the second line", 2, 10, 3, &kTooMuchWon, +1},
        {"fourteen won, in Czech", 1, 14, 3, &kTooMuchWon, +1},
        {"ten lost: the first line", 2, -10, 3, &kTooMuchLost, +1},
        {"ten lost, in Czech", 1, -12, 0, &kTooMuchLost, +1},
        {"no coins", 2, 0, 0, &kNoCoins, 0},
        {"no coins, in Czech", 1, 5, 0, &kNoCoins, 0},
    };
    for (const BetCase& k : cases) {
        SCOPED_TRACE(k.name);
        // The table is opened with winnings it lets one play at, then they
        // are set as the case has them.
        openTable(k.language, k.coins, 0);
        s().TableWinnings = k.winnings;
        const int pointer = f.host->cursorCount();
        play("click Label2\n");
        EXPECT_EQ(f.host->cursorCount(), pointer + k.pointerStep);
        if (!k.refusal) {
            EXPECT_EQ(s().TableGameRunning, 1);
            EXPECT_EQ(s().TableBallShown, 1);
            EXPECT_EQ(s().TableWinnings, k.winnings - 1);
            EXPECT_EQ(c().Penez->Caption, std::to_string(k.coins - 1));
            EXPECT_EQ(s().MoneyCount, k.coins);
            EXPECT_FALSE(c().Label2->Visible);
            EXPECT_FALSE(c().Label11->Visible);
            EXPECT_TRUE(c().Start->Enabled);
            EXPECT_TRUE(c().Rukpal->Visible);
            EXPECT_EQ(s().BatX, 150);
            EXPECT_EQ(s().BallY, 0);
            EXPECT_GE(s().BallX, 0);
            EXPECT_LE(s().BallX, 411);
            for (int32_t d : {s().BallDX, s().BallDY}) {
                EXPECT_GE(d, 6);
                EXPECT_LE(d, 7);
            }
            EXPECT_EQ(s().SpeedRange, 2);
            EXPECT_EQ(s().MinSpeed, 6);
            // Back to the inn for the next case: the ball lost at once, and away.
            s().BallY = 600;
            frame();
            EXPECT_EQ(s().TableGameRunning, 0);
            play("click Label11\n");
            continue;
        }
        const std::string_view line = k.language == 1 ? k.refusal->cz : k.refusal->en;
        EXPECT_EQ(c().Rozhovor->Caption, line);
        EXPECT_EQ(c().Rozhovor->Font_.Color, layout::clRed);
        EXPECT_EQ(s().SpeechTime, scenes::textLength(line) * s().SpeechSpeed);
        EXPECT_EQ(s().SpeechTimerOn, 1);
        EXPECT_EQ(s().TableGameRunning, 0);
        EXPECT_EQ(s().TableWinnings, k.winnings) << "a refusal takes no stake";
        EXPECT_EQ(c().Penez->Caption, std::to_string(k.coins));
        EXPECT_FALSE(c().Rukpal->Visible);
        EXPECT_TRUE(scenes::isShown(ctx(), "Vhospode"));
        for (const char* name : {"hhocimluva", "hhmluva", "Hoci", "Hpusa", "Hhlava"}) {
            EXPECT_TRUE(scenes::isShown(ctx(), name)) << name;
        }
        for (const char* name : {"Hhoci", "Hhpusa", "hpusamluva"}) EXPECT_FALSE(scenes::isShown(ctx(), name)) << name;
        const scenes::Text offer[] = {story::kPublicanAskAboutTheGuest, story::kPublicanPlayTheTable,
                                      story::kPublicanBuyFood};
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_FALSE(c().Otazka[i]->Visible) << i;
            EXPECT_EQ(c().Otazka[i]->Caption, k.language == 1 ? offer[i].cz : offer[i].en) << i;
        }
        // When his line has had its time, the offer is there to choose from.
        play(
            "wait until caption Rozhovor = \"\" 20000\nexpect shown Otazka1 and shown Otazka2 and shown Otazka3 and "
            "shown zrusit\n");
    }
}

TEST_F(TableGameTest, TheTableClockCountsOnEvery17thTickAndSetsTheSpeeds) {
    openTable(2, 5, 0);
    play("click Label2\n");
    ASSERT_EQ(s().TableGameRunning, 1);
    s().TableTickElapsed = 0;  // as at the bet, had the click's pass run no tick
    s().IdleTime = 300;
    tick(16);
    EXPECT_EQ(c().Cas->Caption, "0");
    EXPECT_EQ(s().TableTickElapsed, 800);
    tick();
    EXPECT_EQ(c().Cas->Caption, "1");
    EXPECT_EQ(s().TableTickElapsed, 0);
    EXPECT_EQ(s().TableTickDue, 0);
    EXPECT_EQ(s().SpeedRange, 2);
    EXPECT_EQ(s().MinSpeed, 5);
    EXPECT_EQ(s().IdleTime, 300) << "while a bet runs the tick does nothing else";
    // Ten counts later the next band's pair.
    for (int i = 0; i < 9 * 17; ++i) tick();
    EXPECT_EQ(c().Cas->Caption, "10");
    EXPECT_EQ(s().MinSpeed, 6);
    for (int i = 0; i < 30 * 17; ++i) tick();
    EXPECT_EQ(c().Cas->Caption, "40");
    EXPECT_EQ(s().SpeedRange, 3);
}

TEST_F(TableGameTest, AWonBetFromNineMakesFourteenAndTheNextIsRefusedWithTheSecondLine) {
    openTable(2, 3, 9);
    play("click Label2\n");
    const int pointer = f.host->cursorCount();
    f.host->calls.clear();
    scenes::setCaption(ctx(), *c().Cas, "99");
    s().TableTickElapsed = 750;
    tick();
    ASSERT_EQ(c().Cas->Caption, "99") << "not yet due";
    tick();
    // Won in the tick the clock reached 100, and the clock is back at 0.
    EXPECT_EQ(c().Cas->Caption, "0");
    EXPECT_EQ(s().TableGameRunning, 0);
    EXPECT_EQ(s().TableBallShown, 0);
    EXPECT_EQ(s().TableWinnings, 14);
    EXPECT_EQ(c().Penez->Caption, "8");
    EXPECT_EQ(calls("playWave 3"), 1u);
    EXPECT_EQ(f.host->cursorCount(), pointer + 1);
    EXPECT_FALSE(c().Start->Enabled);
    EXPECT_TRUE(c().Label2->Visible);
    EXPECT_TRUE(c().Label11->Visible);
    tick();
    EXPECT_EQ(c().Label10->Caption, "8") << "the table's coins follow the bar's";
    play("click Label2\n");
    EXPECT_EQ(c().Rozhovor->Caption, kTooMuchWon.en);
    EXPECT_EQ(s().TableWinnings, 14);
}

struct SoundCase {
    const char* name;
    bool betRunning;
    table::Ball ball;
    const char* wave;  // the one wave the frame plays, or null for none
    int pointerStep;
    bool lost;
};

TEST_F(TableGameTest, TheTableSoundsOnlyWhileABetRuns) {
    const SoundCase cases[] = {
        {"a bounce during a bet", true, {410, 200, 6, 6}, "playWave 1", 0, false},
        {"the ball lost during a bet", true, {40, 535, 1, 6}, "playWave 2", +1, true},
        {"a bounce outside a bet", false, {410, 200, 6, 6}, nullptr, 0, false},
        {"the ball lost outside a bet", false, {40, 535, 1, 6}, nullptr, 0, true},
    };
    openTable(2, 20, 0);
    for (const SoundCase& k : cases) {
        SCOPED_TRACE(k.name);
        play("click Label2\n");
        ASSERT_EQ(s().TableGameRunning, 1);
        if (!k.betRunning) {
            // The labels back as between bets, the frame timer still on.
            c().Label2->Visible = true;
            c().Label11->Visible = true;
        }
        s().BallX = k.ball.x;
        s().BallY = k.ball.y;
        s().BallDX = k.ball.dx;
        s().BallDY = k.ball.dy;
        s().BatX = 300;
        f.host->calls.clear();
        const int pointer = f.host->cursorCount();
        frame();
        EXPECT_EQ(calls("playWave"), k.wave ? 1u : 0u);
        if (k.wave) {
            EXPECT_EQ(calls(k.wave), 1u);
        }
        EXPECT_EQ(f.host->cursorCount(), pointer + k.pointerStep);
        EXPECT_EQ(s().TableGameRunning, k.lost ? 0 : 1);
        if (k.lost) {
            EXPECT_FALSE(c().Start->Enabled);
            EXPECT_TRUE(c().Label2->Visible);
            EXPECT_TRUE(c().Label11->Visible);
            EXPECT_EQ(c().Cas->Caption, "0");
            EXPECT_TRUE(c().Casodavac->Enabled);
        } else {
            s().BallY = 600;  // lose it to end the case
            frame();
            ASSERT_EQ(s().TableGameRunning, 0);
        }
        // Pointer shown again for the next case, whichever way it ended.
        while (f.host->cursorCount() < 0) f.host->showCursor(true);
    }
}

TEST_F(TableGameTest, TheArrowKeysMoveTheBatWithinTheTableAndItIsDrawnWhereItStands) {
    openTable(2, 5, 0);
    play("click Label2\n");
    f.host->setKey(Key::Right, true);
    for (int i = 0; i < 20; ++i) {
        frame();
        ASSERT_LE(s().BatX, 345);
    }
    EXPECT_EQ(s().BatX, 345);
    f.host->setKey(Key::Right, false);
    f.host->setKey(Key::Left, true);
    frame(3);
    EXPECT_EQ(s().BatX, 300);
    frame(30);
    EXPECT_EQ(s().BatX, 0);
    f.host->setKey(Key::Left, false);
    ASSERT_EQ(s().TableGameRunning, 1);

    // The picture: the bat's and the ball's middles show their own pixels,
    // and the table shows where neither is.
    const layout::Image& shown = c().DXDraw1->front;
    const layout::DXImageList& list = *c().DXImageList1;
    ASSERT_EQ(shown.width, 447);
    ASSERT_EQ(shown.height, 573);
    const layout::Image& ball = list.Items[0].Picture_.image();
    const layout::Image& table = list.Items[1].Picture_.image();
    const layout::Image& bat = list.Items[2].Picture_.image();
    // The bat stands at 560, so only its top 13 rows are on the table.
    EXPECT_EQ(shown.at(s().BatX + bat.width / 2, 566), bat.at(bat.width / 2, 6) | 0xFF000000u);
    EXPECT_EQ(shown.at(s().BallX + ball.width / 2, s().BallY + ball.height / 2),
              ball.at(ball.width / 2, ball.height / 2) | 0xFF000000u);
    EXPECT_EQ(shown.at(440, 5), table.at(440, 5) | 0xFF000000u);

    // Lost: the frame that loses the ball draws the bare table.
    s().BallX = 100;
    s().BallY = 560;
    s().BallDY = 1;
    s().BatX = 300;
    frame();
    ASSERT_EQ(s().TableGameRunning, 0);
    EXPECT_EQ(shown.at(117, 570), table.at(117, 570) | 0xFF000000u) << "no ball";
    EXPECT_EQ(shown.at(353, 570), table.at(353, 570) | 0xFF000000u) << "no bat";
}

TEST_F(TableGameTest, EveryBetReseedsTheGeneratorFromTheUtcClock) {
    openTable(2, 9, 0);
    const platform::CalendarTime times[] = {
        {.hour = 13, .minute = 7, .second = 42, .millisecond = 512},
        {.hour = 23, .minute = 59, .second = 59, .millisecond = 999},
        {.hour = 13, .minute = 7, .second = 42, .millisecond = 512},
    };
    std::vector<std::array<int32_t, 3>> serves;
    for (const platform::CalendarTime& t : times) {
        f.host->setUtcTime(t);
        ctx().random.setState(777);  // whatever came before
        play("click Label2\n");
        ASSERT_EQ(s().TableGameRunning, 1);
        RandomGenerator expected;
        expected.reseed(t.hour, t.minute, t.second, t.millisecond);
        EXPECT_EQ(s().BallX, static_cast<int32_t>(expected.next(412)));
        EXPECT_EQ(s().BallDX, static_cast<int32_t>(expected.next(2)) + 6);
        EXPECT_EQ(s().BallDY, static_cast<int32_t>(expected.next(2)) + 6);
        EXPECT_EQ(ctx().random.state(), expected.state());
        serves.push_back({s().BallX, s().BallDX, s().BallDY});
        s().BallY = 600;
        frame();
        ASSERT_EQ(s().TableGameRunning, 0);
    }
    EXPECT_EQ(serves[0], serves[2]) << "the same time of day serves the same ball";
}

TEST_F(TableGameTest, GoAwayClearsTheOfferAndReturnsToTheInn) {
    openTable(2, 5, 0);
    scenes::setCaption(ctx(), *c().Otazka[1], "left over");
    play("click Label11\n");
    EXPECT_FALSE(c().Rukpal->Visible);
    EXPECT_TRUE(scenes::isShown(ctx(), "Vhospode"));
    EXPECT_TRUE(scenes::isShown(ctx(), "Hhoci"));
    EXPECT_FALSE(scenes::isShown(ctx(), "hhocimluva"));
    for (const layout::Label* o : c().Otazka) EXPECT_EQ(o->Caption, "");
    // And the innkeeper can be spoken to again.
    play("click Label119\nexpect shown Otazka2 and caption Otazka2 = \"I'll play HandShot.\"\n");
}

// ---------------------------------------------------------------- whole bets

TEST_F(TableGameTest, SteeringByWhatTheTableShowsWinsTwoBetsInARowLosesOneAndEarnsTheBetterEnding) {
    // The movies of the ending, under the names the game gave them at start-up.
    for (const app::AssetName& a : app::kAssetNames) {
        if (!a.onDisk.starts_with("Animations")) continue;
        std::string from(a.onDisk), to(a.working);
        std::replace(from.begin(), from.end(), '\\', '/');
        std::replace(to.begin(), to.end(), '\\', '/');
        std::filesystem::copy_file(std::filesystem::path(KVARNEL_BINARY_DIR) / from, f.folder / to,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    f.host->setUtcTime({.hour = 18, .minute = 30, .second = 5, .millisecond = 250});
    openTable(2, 20, 0);
    TablePlayer player(*f.host, *f.game, *f.loop);
    // 85 s of game time a won bet: 100 counts of 17 ticks.
    constexpr int kBetFrames = 6000;

    // A first bet thrown away: the winnings go below zero.
    play("click Label2\n");
    ASSERT_GT(player.playBet(false, kBetFrames), 0);
    EXPECT_EQ(s().TableWinnings, -1);
    EXPECT_EQ(c().Penez->Caption, "19");
    EXPECT_EQ(f.host->cursorCount(), 0) << "the pointer is back after the lost ball";

    // Two won in a row: ten coins net.
    for (int bet = 1; bet <= 2; ++bet) {
        SCOPED_TRACE(bet);
        f.host->calls.clear();
        play("click Label2\n");
        const int frames = player.playBet(true, kBetFrames);
        ASSERT_GT(frames, 4900) << "the whole hundred counts";
        EXPECT_EQ(calls("playWave 3"), 1u);
        EXPECT_EQ(calls("playWave 2"), 0u);
        EXPECT_GT(calls("playWave 1"), 20u) << "the ball was kept bouncing";
        EXPECT_EQ(c().Cas->Caption, "0");
    }
    EXPECT_EQ(s().TableWinnings, 9);
    EXPECT_EQ(c().Penez->Caption, "29");

    // Then one lost.
    f.host->calls.clear();
    play("click Label2\n");
    ASSERT_GT(player.playBet(false, kBetFrames), 0);
    EXPECT_EQ(calls("playWave 2"), 1u);
    EXPECT_EQ(s().TableWinnings, 8);
    EXPECT_EQ(c().Penez->Caption, "28");

    // One more won passes nine: the better ending's condition.
    play("click Label2\n");
    ASSERT_GT(player.playBet(true, kBetFrames), 4900);
    EXPECT_EQ(s().TableWinnings, 13);
    EXPECT_EQ(c().Penez->Caption, "33");
    play("click Label2\nexpect caption Rozhovor = \"You want to destroy me? You cannot play HandShot more.\"\n");

    // The story's end with the daughter returned plays the better ending.
    play("wait until caption Rozhovor = \"\" 20000\nclick zrusit\n");
    story::startAtScene(ctx(), scenes::Scene::Les3);
    s().TrackEnabled.fill(1);
    s().DaughterReturned = 1;
    s().GameInProgress = 1;
    s().CaveExitRemarkDue = 1;
    s().CaveExitRemarkTicks = 0;
    play("wait until movie Outro4 = \"Animations\\Outro4.swf\" 600000\nexpect movie Outro3 = \"\"\n");
}

TEST_F(TableGameTest, TenBetsLostInARowAndTheInnkeeperRefusesWithHisFirstLine) {
    openTable(2, 12, 0);
    TablePlayer player(*f.host, *f.game, *f.loop);
    for (int bet = 1; bet <= 10; ++bet) {
        SCOPED_TRACE(bet);
        play("click Label2\n");
        ASSERT_EQ(s().TableGameRunning, 1);
        ASSERT_GT(player.playBet(false, 3000), 0);
        EXPECT_EQ(s().TableWinnings, -bet);
        EXPECT_EQ(c().Penez->Caption, std::to_string(12 - bet));
    }
    play("click Label2\n");
    EXPECT_EQ(c().Rozhovor->Caption, kTooMuchLost.en);
    EXPECT_EQ(c().Penez->Caption, "2");
    EXPECT_FALSE(c().Rukpal->Visible);
    // And the conversation will not open the table again.
    play(
        "wait until caption Rozhovor = \"\" 20000\nclick Otazka2\n"
        "wait until caption Rozhovor = \"I can't let you play more. You are really bad in it. You will not find "
        "Becherovka without money.\" 10000\n"
        "expect hidden Rukpal\n");
}

}  // namespace
}  // namespace kvarnel::screens

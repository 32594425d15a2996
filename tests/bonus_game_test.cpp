// The two-player bonus game on the stand-in game: the start from the menu,
// the countdown with its sounds, the serves, the paddles and their reach,
// the walls, the points, the banners at five, the rally clock, Escape, and
// the quiet game timer after a match.
#include "screens/bonus_game.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_fixture.h"
#include "layout/surface.h"
#include "screens/frame_timer.h"
#include "story/movies.h"
#include "story/tick.h"

namespace kvarnel::screens {
namespace {

using core::GameState;
using layout::SurfaceCommand;
using platform::Key;
using testing::GameFixture;

class BonusGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.start();
        // The menu as the language choice leaves it, the game unlocked.
        s().Language = 2;
        ctx().c.Menu1->Visible = true;
        ctx().c.Start->Enabled = true;
        ctx().movies.markPlayed(*ctx().c.ShockwaveFlash1);
        s().ShowMakerLogo = 0;
        s().LogoFinished = 1;
        s().BonusGameUnlocked = 1;
        s().MenuBonusInfoPage = 1;
        pointerBefore = f.host->cursorCount();
        startBonusGame(ctx());
    }
    scenes::Context& ctx() { return f.game->ctx; }
    GameState& s() { return f.game->state; }
    layout::Label& label(const char* name) { return *ctx().layout.findAs<layout::Label>(name); }

    void frame() { StartTimer(ctx()); }
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) story::CasodavacTimer(ctx());
    }
    // One frame with `key` held.
    void frameWith(Key key) {
        f.host->setKey(key, true);
        frame();
        f.host->setKey(key, false);
    }
    // Frames and game ticks in turn until the ball is served.
    void playToServe() {
        for (int i = 0; i < 100 && s().BonusBallInPlay == 0; ++i) {
            frame();
            tick();
        }
        ASSERT_EQ(s().BonusBallInPlay, 1) << "no serve within 100 ticks";
    }
    // A rally set up by hand: the ball at x,y moving dx,dy; the paddles far
    // from it unless a case puts them near.
    void rallyAt(int32_t x, int32_t y, int32_t dx, int32_t dy) {
        s().BonusBallInPlay = 1;
        s().BonusAnimationOn = 0;
        s().BallX = x;
        s().BallY = y;
        s().BallDX = dx;
        s().BallDY = dy;
        s().SpeedRange = 2;
        s().MinSpeed = 10;
    }
    int waves(int n) {
        return static_cast<int>(f.host->callsStartingWith("playWave " + std::to_string(n) + " ").size());
    }
    // The items the surface drew in its last frame, fill left out.
    std::vector<SurfaceCommand> drawn() {
        std::vector<SurfaceCommand> out;
        for (const SurfaceCommand& cmd : ctx().c.DXDraw3->drawn) {
            if (cmd.kind != SurfaceCommand::Kind::FillBlack) out.push_back(cmd);
        }
        return out;
    }
    SurfaceCommand item(int n, int x, int y, int w = -1, int h = -1) {
        const layout::DXImageList& list = *ctx().c.DXImageList1;
        return {.kind = SurfaceCommand::Kind::Scaled,
                .list = &list,
                .n = n,
                .x = x,
                .y = y,
                .w = w < 0 ? layout::Surface::itemWidth(list, n) : w,
                .h = h < 0 ? layout::Surface::itemHeight(list, n) : h};
    }

    GameFixture f{"bonus"};
    int pointerBefore = 0;
};

std::string describe(const SurfaceCommand& c) {
    return "item " + std::to_string(c.n) + " at " + std::to_string(c.x) + "," + std::to_string(c.y) + " " +
           std::to_string(c.w) + "x" + std::to_string(c.h);
}

TEST_F(BonusGameTest, StartShowsThePanelWithoutPointerOrMenuAndCountsDownFromThree) {
    EXPECT_TRUE(ctx().c.BonusHra->Visible);
    EXPECT_FALSE(ctx().c.Menu1->Visible);
    EXPECT_EQ(ctx().c.Start->Interval, 15);
    EXPECT_EQ(f.host->cursorCount(), pointerBefore - 1);
    EXPECT_EQ(s().MenuBonusInfoPage, 0);
    EXPECT_EQ(s().BonusPhase, 3);
    EXPECT_EQ(s().BonusAnimationOn, 1);
    EXPECT_EQ(s().BonusBallInPlay, 0);
    EXPECT_EQ(s().BallX, 284);
    EXPECT_EQ(s().BallY, 355);
    EXPECT_EQ(s().PaddleA, 360) << "the paddles stand where start-up put them";
    EXPECT_EQ(s().PaddleB, 120);

    // A second start resets the numbers a first match left behind.
    for (const char* name : {"Label113", "Label116", "Label117"}) scenes::setCaption(ctx(), label(name), "3");
    s().MenuBonusInfoPage = 1;
    startBonusGame(ctx());
    for (const char* name : {"Label113", "Label116", "Label117"}) EXPECT_EQ(label(name).Caption, "0") << name;
}

TEST_F(BonusGameTest, EachDigitGrowsForSixteenTicksWithItsSoundOnceThenTheBallIsServed) {
    const struct {
        int ticks;
        int32_t phase, x, y, w, h;
        int item;
    } rows[] = {
        {0, 3, 285, 340, 2, 7, 5},     {1, 3, 283, 337, 7, 15, 5},    {15, 3, 255, 295, 77, 127, 5},
        {16, 2, 285, 340, 2, 7, 6},    {31, 2, 255, 295, 77, 127, 6}, {32, 1, 285, 340, 2, 7, 7},
        {47, 1, 255, 295, 77, 127, 7},
    };
    f.host->calls.clear();
    int done = 0;
    for (const auto& r : rows) {
        for (; done < r.ticks; ++done) {
            frame();
            tick();
        }
        frame();
        EXPECT_EQ(s().BonusPhase, r.phase) << "after " << r.ticks << " ticks";
        const std::vector<SurfaceCommand> cmds = drawn();
        ASSERT_EQ(cmds.size(), 2u) << "after " << r.ticks << " ticks";
        EXPECT_EQ(cmds[0], item(3, 0, 0)) << describe(cmds[0]);
        EXPECT_EQ(cmds[1], item(r.item, r.x, r.y, r.w, r.h)) << "after " << r.ticks << " ticks: " << describe(cmds[1]);
    }
    // Many frames per digit, one sound each: 3 and 2 one way, 1 another.
    EXPECT_EQ(waves(15), 2);
    EXPECT_EQ(waves(16), 1);

    tick();  // the 48th
    EXPECT_EQ(s().BonusBallInPlay, 1);
    EXPECT_EQ(s().BonusAnimationOn, 0);
    EXPECT_EQ(s().BonusPhase, 3);
    EXPECT_EQ(s().DigitX, 285);
    EXPECT_EQ(s().DigitHeight, 7);
    EXPECT_EQ(s().SpeedRange, 2);
    EXPECT_EQ(s().MinSpeed, 10);
    EXPECT_EQ(s().BallX, 284);
    EXPECT_EQ(s().BallY, 355);
    EXPECT_TRUE(s().BallDX == 10 || s().BallDX == 11) << s().BallDX;

    // The next countdown sounds again.
    rallyAt(500, 760, 1, 10);
    frame();
    ASSERT_EQ(s().BonusBallInPlay, 0);
    f.host->calls.clear();
    playToServe();
    EXPECT_EQ(waves(15), 2);
    EXPECT_EQ(waves(16), 1);
}

TEST_F(BonusGameTest, TheFirstServeOfAMatchGoesDownLaterOnesTowardTheLastScorer) {
    const struct {
        const char* p1;
        const char* p2;
        uint8_t serveUp;
        bool down;
    } cases[] = {
        {"0", "0", 0, true}, {"0", "0", 1, true},  {"1", "0", 1, false},
        {"0", "1", 0, true}, {"3", "2", 1, false}, {"3", "4", 0, true},
    };
    for (const auto& c : cases) {
        s().MenuBonusInfoPage = 1;
        startBonusGame(ctx());
        scenes::setCaption(ctx(), label("Label116"), c.p1);
        scenes::setCaption(ctx(), label("Label117"), c.p2);
        s().BonusServeUp = c.serveUp;
        playToServe();
        const std::string at = std::string(c.p1) + ":" + c.p2 + " up " + std::to_string(c.serveUp);
        if (c.down) {
            EXPECT_TRUE(s().BallDY == 10 || s().BallDY == 11) << at << ": " << s().BallDY;
        } else {
            EXPECT_TRUE(s().BallDY == -10 || s().BallDY == -11) << at << ": " << s().BallDY;
        }
        EXPECT_TRUE(s().BallDX == 10 || s().BallDX == 11) << at << ": " << s().BallDX;
    }
}

TEST_F(BonusGameTest, APaddleReachesFromFifteenLeftToNinetyRightOfItsEdge) {
    const struct {
        bool top;
        int32_t offset;
        bool bounces;
    } cases[] = {
        {false, -15, true}, {false, 90, true}, {false, -16, false}, {false, 91, false}, {false, 40, true},
        {true, -15, true},  {true, 90, true},  {true, -16, false},  {true, 91, false},  {true, 0, true},
    };
    for (const auto& c : cases) {
        s().PaddleA = 200;
        s().PaddleB = 200;
        s().BonusServeUp = 7;
        // One pixel to the right in this frame brings the ball onto the case's x.
        const int32_t x = 200 + c.offset - 1;
        if (c.top) {
            rallyAt(x, 18, 1, -10);
        } else {
            rallyAt(x, 715, 1, 10);
        }
        s().SpeedRange = 3;
        s().MinSpeed = 20;
        f.host->calls.clear();
        frame();
        const std::string at = std::string(c.top ? "top" : "bottom") + " paddle " + std::to_string(c.offset);
        EXPECT_EQ(s().BallX, 200 + c.offset) << at;
        if (c.bounces) {
            EXPECT_EQ(s().BallY, c.top ? 10 : 722) << at;
            const int32_t speed = c.top ? s().BallDY : -s().BallDY;
            EXPECT_TRUE(speed >= 20 && speed <= 22) << at << ": the new speed " << s().BallDY;
            EXPECT_EQ(waves(1), 1) << at;
        } else {
            EXPECT_EQ(s().BallY, c.top ? 8 : 725) << at;
            EXPECT_EQ(s().BallDY, c.top ? -10 : 10) << at;
            EXPECT_EQ(waves(1), 0) << at;
        }
        EXPECT_EQ(s().BonusBallInPlay, 1) << at << ": no point at the line";
        EXPECT_EQ(s().BonusServeUp, 7) << at;
    }
}

TEST_F(BonusGameTest, HeldKeysMoveThePaddlesTwentyAFrameAndStopAtTheEdges) {
    // Player 1 steers the top paddle (A) with S and A, player 2 the bottom
    // one (B) with Right and Left.
    const struct {
        Key key;
        int32_t a, b;  // before
        int32_t aAfter, bAfter;
    } cases[] = {
        {Key::Right, 300, 460, 300, 465}, {Key::Left, 300, 10, 300, 0},     {Key::Right, 300, 200, 300, 220},
        {Key::Left, 300, 200, 300, 180},  {Key::Right, 300, 465, 300, 465}, {Key::Left, 300, 0, 300, 0},
        {Key::S, 460, 300, 465, 300},     {Key::A, 10, 300, 0, 300},        {Key::S, 100, 300, 120, 300},
        {Key::A, 100, 300, 80, 300},      {Key::S, 445, 300, 465, 300},     {Key::Left, 300, 21, 300, 1},
    };
    for (const auto& c : cases) {
        rallyAt(284, 355, 1, 1);
        s().PaddleA = c.a;
        s().PaddleB = c.b;
        frameWith(c.key);
        const std::string at =
            std::string(platform::keyName(c.key)) + " at " + std::to_string(c.a) + "/" + std::to_string(c.b);
        EXPECT_EQ(s().PaddleA, c.aAfter) << at;
        EXPECT_EQ(s().PaddleB, c.bAfter) << at;
    }
}

TEST_F(BonusGameTest, TheSideWallsSendTheBallBackAtANewSpeed) {
    const struct {
        int32_t x, dx;
        int32_t dxLow, dxHigh;  // the range of the speed afterwards
    } cases[] = {
        {522, 11, -11, -10},  // reaches 533: back to the left
        {521, 11, 11, 11},    // 532: goes on
        {2, -1, -1, -1},      // 1: goes on
        {1, -1, 10, 11},      // 0: back to the right
        {5, 0, -1, -1},       // a ball that stands still sideways drifts left
    };
    for (const auto& c : cases) {
        rallyAt(c.x, 355, c.dx, 10);
        f.host->calls.clear();
        frame();
        EXPECT_TRUE(s().BallDX >= c.dxLow && s().BallDX <= c.dxHigh) << "from " << c.x << ": " << s().BallDX;
        EXPECT_EQ(waves(1), c.dxLow == c.dxHigh ? 0 : 1) << "from " << c.x;
    }
}

TEST_F(BonusGameTest, AMissScoresForTheOtherPlayerAndTheFifthPointBringsTheBanner) {
    const struct {
        bool pastBottom;
        const char* before;
        const char* after;
        uint8_t serveUp;
        int32_t phase;
    } cases[] = {
        {true, "0", "1", 1, 3},  {true, "4", "5", 1, 4},  {false, "0", "1", 0, 3},
        {false, "4", "5", 0, 5}, {false, "2", "3", 0, 3},
    };
    for (const auto& c : cases) {
        s().PaddleA = 400;
        s().PaddleB = 400;
        s().BonusPhase = 3;
        s().BannerX = s().BannerWidth = s().BannerHeight = 0;
        s().BonusServeUp = c.pastBottom ? 0 : 1;
        layout::Label& scorer = label(c.pastBottom ? "Label116" : "Label117");
        layout::Label& other = label(c.pastBottom ? "Label117" : "Label116");
        scenes::setCaption(ctx(), scorer, c.before);
        scenes::setCaption(ctx(), other, "2");
        scenes::setCaption(ctx(), label("Label113"), "37");
        if (c.pastBottom) {
            rallyAt(100, 735, 1, 10);
        } else {
            rallyAt(100, 0, 1, -11);
        }
        f.host->calls.clear();
        frame();
        const std::string at = std::string(c.pastBottom ? "past the bottom" : "past the top") + " at " + c.before;
        EXPECT_EQ(s().BonusBallInPlay, 0) << at;
        EXPECT_EQ(waves(2), 1) << at;
        EXPECT_EQ(scorer.Caption, c.after) << at;
        EXPECT_EQ(other.Caption, "2") << at;
        EXPECT_EQ(label("Label113").Caption, "0") << at;
        EXPECT_EQ(s().BonusServeUp, c.serveUp) << at;
        EXPECT_EQ(s().BonusPhase, c.phase) << at;
        if (c.phase != 3) {
            EXPECT_EQ(s().BannerX, 160) << at;
            EXPECT_EQ(s().BannerWidth, 264) << at;
            EXPECT_EQ(s().BannerHeight, 19) << at;
        }
        // The frame of the point still draws the rally; the next one the pause.
        EXPECT_EQ(drawn().size(), 4u) << at;
        EXPECT_EQ(s().BonusAnimationOn, 0) << at;
        frame();
        EXPECT_EQ(s().BonusAnimationOn, 1) << at;
    }
}

TEST_F(BonusGameTest, AMatchEndsWithTheWinnersBannerTheCongratulationsAndTheMenu) {
    const struct {
        int32_t language;
        bool player1;
        int winnerItem, congratulationsItem;
    } cases[] = {
        {1, true, 8, 10},
        {1, false, 9, 10},
        {2, true, 11, 13},
        {2, false, 12, 13},
    };
    for (const auto& c : cases) {
        const std::string at = std::string(c.language == 1 ? "Czech" : "English") + (c.player1 ? " 1" : " 2");
        s().Language = c.language;
        s().MenuBonusInfoPage = 1;
        startBonusGame(ctx());
        const int pointer = f.host->cursorCount();
        s().PaddleA = s().PaddleB = 400;
        scenes::setCaption(ctx(), label(c.player1 ? "Label116" : "Label117"), "4");
        if (c.player1) {
            rallyAt(100, 735, 1, 10);
        } else {
            rallyAt(100, 0, 1, -11);
        }
        frame();
        ASSERT_EQ(s().BonusPhase, c.player1 ? 4 : 5) << at;
        f.host->calls.clear();

        // The winner's banner grows by 14 x 1 every second tick, 21 times.
        frame();
        EXPECT_EQ(drawn().back(), item(c.winnerItem, 160, 350, 264, 19)) << at << ": " << describe(drawn().back());
        tick(41);
        frame();
        EXPECT_EQ(drawn().back(), item(c.winnerItem, 20, 350, 544, 39)) << at << ": " << describe(drawn().back());
        EXPECT_EQ(waves(6), 0) << at;
        tick();
        EXPECT_EQ(s().BonusPhase, 6) << at;
        EXPECT_EQ(waves(6), 1) << at;
        frame();
        EXPECT_EQ(drawn().back(), item(c.congratulationsItem, 150, 350, 264, 19))
            << at << ": " << describe(drawn().back());

        // Then the congratulations, and back to the menu.
        tick(41);
        EXPECT_TRUE(ctx().c.BonusHra->Visible) << at;
        EXPECT_EQ(s().BannerHeight, 39) << at;
        tick();
        EXPECT_FALSE(ctx().c.BonusHra->Visible) << at;
        EXPECT_TRUE(ctx().c.Menu1->Visible) << at;
        EXPECT_EQ(f.host->cursorCount(), pointer + 1) << at;
        for (const char* name : {"Label113", "Label116", "Label117"}) EXPECT_EQ(label(name).Caption, "0") << at;
        EXPECT_EQ(s().BannerX, 190) << at;
        EXPECT_EQ(s().BannerWidth, 264) << at;
        EXPECT_EQ(s().BannerHeight, 19) << at;
        EXPECT_EQ(s().BannerStepTicks, 0) << at;
        EXPECT_EQ(s().BonusAnimationOn, 0) << at;
        EXPECT_EQ(s().BonusBallInPlay, 0) << at;
        EXPECT_EQ(ctx().c.Start->Interval, 15) << at << ": the interval stays";
        f.host->setCursorPos({0, 0});
        frame();  // the menu draws again
        EXPECT_FALSE(ctx().c.HlavniMenu->drawn.empty()) << at;
    }
}

TEST_F(BonusGameTest, AfterAMatchTheGameTimerRunsNoStepOfTheGameNeitherOnTheMenuNorInAStory) {
    s().PaddleA = s().PaddleB = 400;
    scenes::setCaption(ctx(), label("Label117"), "4");
    rallyAt(100, 0, 1, -11);
    for (int i = 0; i < 200 && !ctx().c.Menu1->Visible; ++i) {
        frame();
        tick();
    }
    ASSERT_TRUE(ctx().c.Menu1->Visible);
    const GameState after = s();
    const uint32_t random = ctx().random.state();
    auto unchanged = [&](const char* where) {
        for (const char* name : {"BonusPhase", "BannerX", "BannerWidth", "BannerHeight", "BannerStepTicks", "DigitX",
                                 "DigitY", "DigitWidth", "DigitHeight", "BonusClockElapsed", "BonusClockDue",
                                 "BonusAnimationOn", "BonusBallInPlay", "BonusServeUp", "PaddleA", "PaddleB"}) {
            EXPECT_EQ(core::getNumber(s(), name), core::getNumber(after, name)) << where << ": " << name;
        }
        for (const char* name : {"Label113", "Label116", "Label117"}) {
            EXPECT_EQ(label(name).Caption, "0") << where << ": " << name;
        }
    };
    for (int i = 0; i < 100; ++i) {
        frame();
        tick();
    }
    unchanged("menu");
    EXPECT_EQ(ctx().random.state(), random) << "the menu draws no number";
    EXPECT_EQ(s().BallX, after.BallX);

    // A story afterwards: its tick runs through to the idle clock.
    ctx().c.Menu1->Visible = false;
    ctx().c.Start->Enabled = false;
    story::startAtScene(ctx(), scenes::Scene::Natrzisti);
    s().IdleTime = 0;
    tick(20);
    EXPECT_EQ(s().IdleTime, 20 * 50);
    unchanged("story");
}

TEST_F(BonusGameTest, EscapeLeavesARallyAtOnceButNeitherTheCountdownNorTheBanners) {
    const struct {
        const char* when;
        uint8_t ballInPlay;
        int32_t phase;
        bool leaves;
    } cases[] = {
        {"rally", 1, 3, true},          {"countdown 3", 0, 3, false},     {"countdown 1", 0, 1, false},
        {"winner banner", 0, 4, false}, {"congratulations", 0, 6, false},
    };
    for (const auto& c : cases) {
        s().MenuBonusInfoPage = 1;
        startBonusGame(ctx());
        const int pointer = f.host->cursorCount();
        scenes::setCaption(ctx(), label("Label116"), "3");
        scenes::setCaption(ctx(), label("Label117"), "2");
        scenes::setCaption(ctx(), label("Label113"), "12");
        s().BonusPhase = c.phase;
        s().BannerHeight = 19;
        if (c.ballInPlay == 1) {
            rallyAt(300, 300, 10, 10);
        } else {
            frame();  // the pause's first frame hands over to the game timer
        }
        f.host->setKey(Key::Escape, true);
        frame();
        tick();
        frame();
        f.host->setKey(Key::Escape, false);
        EXPECT_EQ(ctx().c.BonusHra->Visible, !c.leaves) << c.when;
        EXPECT_EQ(ctx().c.Menu1->Visible, c.leaves) << c.when;
        EXPECT_EQ(f.host->cursorCount(), pointer + (c.leaves ? 1 : 0)) << c.when;
        EXPECT_EQ(label("Label116").Caption, c.leaves ? "0" : "3") << c.when;
        EXPECT_EQ(label("Label117").Caption, c.leaves ? "0" : "2") << c.when;
        if (c.leaves) {
            EXPECT_EQ(s().BonusBallInPlay, 0) << c.when;
            EXPECT_EQ(s().BallX, 310) << c.when << ": the frame of the Escape still moves the ball";
            EXPECT_EQ(s().MenuChoicePage + s().MenuBonusInfoPage, 0) << c.when << ": the menu's main page";
        }
    }
}

TEST_F(BonusGameTest, EscapeInTheGameTickRightAfterAPointOpensNoMenuOverTheMatch) {
    // After the ending a story's flags still allow the menu on Escape; the
    // game tick between the frame of a point and the next frame (which hands
    // the pause to the game timer) must not open it over the match.
    const char* scores[] = {"0", "4"};
    for (const char* before : scores) {
        s().MenuBonusInfoPage = 1;
        startBonusGame(ctx());
        s().DescriptionsOn = 1;
        s().PlayerFree = 1;
        s().OutroOver = 1;
        s().GameInProgress = 0;
        s().PaddleA = s().PaddleB = 400;
        scenes::setCaption(ctx(), label("Label116"), before);
        rallyAt(100, 735, 1, 10);
        frame();
        ASSERT_EQ(s().BonusBallInPlay, 0) << before;
        ASSERT_EQ(s().BonusAnimationOn, 0) << before;
        f.host->setKey(Key::Escape, true);
        tick();
        frame();
        tick();
        f.host->setKey(Key::Escape, false);
        EXPECT_FALSE(ctx().c.Menu1->Visible) << before;
        EXPECT_TRUE(ctx().c.BonusHra->Visible) << before;
        EXPECT_EQ(s().BonusAnimationOn, 1) << before << ": the pause runs on";
        EXPECT_EQ(label("Label116").Caption, before == std::string("0") ? "1" : "5") << before;
    }
}

TEST_F(BonusGameTest, TheRallyClockCountsOnEverySeventeenthTickAndSpeedsTheBallUp) {
    rallyAt(300, 300, 10, 10);
    s().BonusClockElapsed = 0;
    tick(16);
    EXPECT_EQ(label("Label113").Caption, "0");
    EXPECT_EQ(s().BonusClockElapsed, 800);
    tick();
    EXPECT_EQ(label("Label113").Caption, "1");
    EXPECT_EQ(s().BonusClockElapsed, 0);
    EXPECT_EQ(s().BonusClockDue, 0);

    const struct {
        const char* before;
        int32_t range, min;
        const char* after;
        int32_t rangeAfter, minAfter;
    } cases[] = {
        {"3", 2, 10, "4", 2, 10},     {"4", 2, 10, "5", 2, 12},     {"9", 2, 12, "10", 2, 14},
        {"49", 2, 28, "50", 2, 30},   {"50", 2, 30, "51", 3, 30},   {"54", 3, 30, "55", 3, 32},
        {"100", 3, 48, "101", 4, 48}, {"104", 4, 48, "105", 4, 50},
    };
    for (const auto& c : cases) {
        scenes::setCaption(ctx(), label("Label113"), c.before);
        s().SpeedRange = c.range;
        s().MinSpeed = c.min;
        s().BonusClockElapsed = 800;
        tick();
        EXPECT_EQ(label("Label113").Caption, c.after) << "from " << c.before;
        EXPECT_EQ(s().SpeedRange, c.rangeAfter) << "from " << c.before;
        EXPECT_EQ(s().MinSpeed, c.minAfter) << "from " << c.before;
    }

    // Without the game unlocked the clock stands; during the pause too.
    s().BonusClockElapsed = 800;
    s().BonusGameUnlocked = 0;
    tick();
    EXPECT_EQ(label("Label113").Caption, "105");
    s().BonusGameUnlocked = 1;
    s().BonusAnimationOn = 1;
    s().BonusPhase = 3;
    tick();
    EXPECT_EQ(label("Label113").Caption, "105");
}

TEST_F(BonusGameTest, ARallyFrameDrawsTheCourtThePaddlesAndTheBall) {
    rallyAt(300, 400, 10, 10);
    s().PaddleA = 60;
    s().PaddleB = 380;
    frame();
    const std::vector<SurfaceCommand> expected{item(3, 0, 0), item(4, 60, 0), item(4, 380, 757), item(0, 310, 410)};
    EXPECT_EQ(drawn(), expected);

    // The picture: the bottom paddle's own pixels where it stands, the
    // court's beside it.
    const layout::Image& shown = ctx().c.DXDraw3->front;
    ASSERT_EQ(shown.width, 568);
    ASSERT_EQ(shown.height, 768);
    const layout::Image& paddle = ctx().c.DXImageList1->Items[4].Picture_.image();
    const layout::Image& court = ctx().c.DXImageList1->Items[3].Picture_.image();
    for (int x : {0, 50, 102}) EXPECT_EQ(shown.at(380 + x, 762), paddle.at(x, 5)) << "paddle column " << x;
    EXPECT_EQ(shown.at(300, 762), court.at(300, 762));
}

}  // namespace
}  // namespace kvarnel::screens

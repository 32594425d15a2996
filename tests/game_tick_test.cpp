// The game tick's order and early ends, on the stand-in game.
#include <gtest/gtest.h>

#include "game_fixture.h"
#include "story/movies.h"
#include "story/tick.h"

namespace kvarnel::app {
namespace {

using core::GameState;
using testing::GameFixture;

class GameTickTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.start();
        story::startAtScene(game().ctx, scenes::Scene::Natrzisti);
    }
    Game& game() { return *f.game; }
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) story::CasodavacTimer(game().ctx);
    }
    GameFixture f{"tick"};
};

TEST_F(GameTickTest, TheIdleRemarkFallsDueOnThe241stIdleTickInARow) {
    GameState& s = game().state;
    s.IdleTime = 0;
    tick(240);
    EXPECT_EQ(s.IdleTime, 12000);
    // The remark step clears the flag in the same tick that set it; the
    // clock starting over shows that it fell due.
    tick();
    EXPECT_EQ(s.IdleTime, 0);
    // Any text on screen holds the clock at zero.
    scenes::setCaption(game().ctx, *game().c.Popis, "Text.");
    tick(3);
    EXPECT_EQ(s.IdleTime, 50) << "reset, then one advance, every tick";
}

TEST_F(GameTickTest, WhileTheFrameTimerRunsTheCountdownsStandStill) {
    GameState& s = game().state;
    scenes::setCaption(game().ctx, *game().c.Popis, "Ahoj.");
    tick(3);
    const int32_t elapsed = s.DescriptionElapsed;
    ASSERT_GT(elapsed, 0);
    game().c.Start->Enabled = true;
    tick(5);
    EXPECT_EQ(s.DescriptionElapsed, elapsed);
    EXPECT_EQ(game().c.Popis->Caption, "Ahoj.");
    game().c.Start->Enabled = false;
    tick();
    EXPECT_EQ(s.DescriptionElapsed, elapsed + 50);
}

TEST_F(GameTickTest, AOneCharacterLineEndsTwoTicksAfterTheTickThatTimedIt) {
    scenes::setCaption(game().ctx, *game().c.Popis, "A");
    tick();  // timed: 1 x 55 ms
    EXPECT_EQ(game().state.DescriptionTime, 55);
    EXPECT_TRUE(game().c.Popis->Visible);
    tick();
    EXPECT_EQ(game().c.Popis->Caption, "A");
    tick();
    EXPECT_EQ(game().c.Popis->Caption, "");
    EXPECT_EQ(game().state.FailedUseArmed, 1);
}

// A line replaced by a shorter one once more than the shorter one's time
// has run (the countdown runs on across the change) still ends, at the next
// step, instead of staying for good.
TEST_F(GameTickTest, AShorterLineReplacingALongerOneLateStillEnds) {
    GameState& s = game().state;
    scenes::setCaption(game().ctx, *game().c.Popis, "A much longer line than the one that follows it.");
    tick(20);
    ASSERT_GT(s.DescriptionElapsed, 5 * 55);
    scenes::setCaption(game().ctx, *game().c.Popis, "Ahoj.");
    tick();
    EXPECT_EQ(s.DescriptionTime, 5 * 55);
    EXPECT_EQ(game().c.Popis->Caption, "Ahoj.");
    tick();
    EXPECT_EQ(game().c.Popis->Caption, "") << "ended at the step after it was timed";
}

TEST_F(GameTickTest, ADialogueLineHidesTheDescriptionWhichRunsOnUnderneath) {
    scenes::setCaption(game().ctx, *game().c.Popis, "Popis.");
    scenes::setCaption(game().ctx, *game().c.Rozhovor, "Rozhovor.");
    tick();
    EXPECT_FALSE(game().c.Popis->Visible);
    EXPECT_EQ(game().state.DescriptionsOn, 0);
    EXPECT_EQ(game().state.DescriptionTime, 6 * 55);
    tick(7);
    EXPECT_EQ(game().c.Popis->Caption, "");
    EXPECT_EQ(game().c.Rozhovor->Caption, "Rozhovor.");
}

TEST_F(GameTickTest, TheSecondDoorLabelFollowsTheLock) {
    GameState& s = game().state;
    EXPECT_FALSE(game().c.Label125->Visible);
    s.CriminalDoorOpen = 1;
    tick();
    EXPECT_TRUE(game().c.Label125->Visible);
    s.CriminalDoorOpen = 0;
    tick();
    EXPECT_FALSE(game().c.Label125->Visible);
}

TEST_F(GameTickTest, EscapeInTheCreditsGoesToTheMenuAndEndsTheTick) {
    GameState& s = game().state;
    game().c.Titulky->Visible = true;
    s.IdleTime = 100;
    f.host->setKey(platform::Key::Escape, true);
    tick();
    f.host->setKey(platform::Key::Escape, false);
    EXPECT_FALSE(game().c.Titulky->Visible);
    EXPECT_TRUE(game().c.Menu1->Visible);
    EXPECT_EQ(s.IdleTime, 100) << "nothing after the step ran";
    EXPECT_FALSE(f.host->callsStartingWith("setCursorPos 512 384").empty());
}

}  // namespace
}  // namespace kvarnel::app

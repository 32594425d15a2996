// The idle life the sequence step keeps going, tick by tick on the stand-in
// game: the bird's flights at the court with their pauses and calls, and the
// Bush Man stirring in his shrub until he comes out.
#include "story/sequences.h"

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "story/movies.h"
#include "story/tick.h"

namespace kvarnel::story {
namespace {

using core::GameState;
using testing::GameFixture;

class SequencesTest : public ::testing::Test {
protected:
    void SetUp() override { f.start(); }
    scenes::Context& ctx() { return f.game->ctx; }
    GameState& s() { return f.game->state; }
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) CasodavacTimer(ctx());
    }
    size_t birdCalls() { return f.host->callsStartingWith("playWave 4").size(); }
    GameFixture f{"sequences"};
};

TEST_F(SequencesTest, TheBirdFliesTenStepsOfTwentyOneTicksThenRestsForARandomPause) {
    startAtScene(ctx(), scenes::Scene::Predsoudem);
    ASSERT_EQ(s().BirdPauseOn, 1);
    const int32_t firstPause = s().BirdPause;
    EXPECT_GE(firstPause, 2000);
    EXPECT_LT(firstPause, 5000);
    // The pause runs out on the wide window: it is then flying.
    int ticks = 0;
    while (s().BirdActive == 0 && ticks < 200) {
        tick();
        ++ticks;
    }
    ASSERT_EQ(s().BirdActive, 1);
    EXPECT_EQ(ticks, firstPause / 50 + 1);
    EXPECT_TRUE(f.game->c.Ptak->Animate);
    EXPECT_EQ(s().BirdPauseOn, 0);
    f.host->calls.clear();
    // Ten steps of 21 ticks (a limit of 1000 ms expires on the 21st advance
    // of 50 ms): the call at the second step (from phase 100), at 300 and at
    // 600.
    std::vector<int> callTicks;
    ticks = 0;
    while (s().BirdActive == 1 && ticks < 400) {
        const size_t before = birdCalls();
        tick();
        ++ticks;
        if (birdCalls() > before) callTicks.push_back(ticks);
    }
    EXPECT_EQ(ticks, 10 * 21) << "a flight ends on its tenth step";
    EXPECT_EQ(callTicks, (std::vector<int>{2 * 21, 3 * 21, 6 * 21}));
    EXPECT_EQ(s().BirdPhase, 0);
    EXPECT_FALSE(f.game->c.Ptak->Animate);
    EXPECT_EQ(f.game->c.Ptak->FrameIndex, 0);
    EXPECT_EQ(s().BirdPauseOn, 1);
    EXPECT_GE(s().BirdPause, 3000);
    EXPECT_LE(s().BirdPause, 14999);
}

TEST_F(SequencesTest, TheBushManStirsInHisShrubAgainAndAgain) {
    startAtScene(ctx(), scenes::Scene::Predveznici);
    scenes::Controls& c = f.game->c;
    ASSERT_EQ(s().KrovakIdleOn, 1);
    const int32_t first = s().KrovakIdleTime;
    int ticks = 0;
    while (!c.Krovakvp->Animate && ticks < 300) {
        tick();
        ++ticks;
    }
    ASSERT_TRUE(c.Krovakvp->Animate);
    EXPECT_EQ(ticks, first / 50 + 1);
    EXPECT_TRUE(c.Krovakvp->Visible);
    EXPECT_GE(s().KrovakIdleTime, 3000);
    EXPECT_LE(s().KrovakIdleTime, 7999);
    EXPECT_EQ(s().KrovakIdleDue, 0);
    // Stirring, he comes out of the shrub: past frame 6 his talk hotspot
    // shows the talk cursor.
    f.game->screen->setFrameIndex(*c.Krovakvp, 7);
    s().HandsEmpty = 1;
    const layout::Handler* enter = f.game->handlers.find("Label118MouseEnter");
    ASSERT_NE(enter, nullptr);
    (*enter)({});
    EXPECT_EQ(s().CursorFile, core::kTalkCursor);
}

}  // namespace
}  // namespace kvarnel::story

// The message loop on the virtual clock: both timers, the pointer refresh,
// media notifications, and sleeping instead of spinning.
#include <gtest/gtest.h>

#include "game_fixture.h"

namespace kvarnel::app {
namespace {

using testing::GameFixture;

TEST(GameLoop, TheGameTimerTicksOncePerFiftyMillisecondsOfClockTime) {
    GameFixture f("loop-game-timer");
    f.start();
    f.loop->runUntil(1000);
    EXPECT_EQ(f.loop->gameTicks(), 20u);
    // A late pass makes up for the missed ticks (exact game time)...
    f.host->advanceClock(230);
    f.loop->pass();
    EXPECT_EQ(f.loop->gameTicks(), 24u);
    // ...but a stall of seconds drops them.
    f.host->advanceClock(5000);
    f.loop->pass();
    EXPECT_EQ(f.loop->gameTicks(), 25u);
    // Disabled: no ticks.
    f.game->c.Casodavac->Enabled = false;
    const uint64_t before = f.loop->gameTicks();
    f.loop->runUntil(f.host->nowMs() + 500);
    EXPECT_EQ(f.loop->gameTicks(), before);
}

TEST(GameLoop, TheFrameTimerTicksByItsIntervalOnlyWhileActive) {
    struct Case {
        int interval;
        bool active;
        bool enabled;
        uint64_t expected;  // ticks in one second
    };
    const Case cases[] = {
        {17, true, true, 58}, {100, true, true, 10}, {0, true, true, 100},  // 0: every pass, paced at 10 ms
        {17, false, true, 0}, {17, true, false, 0},
    };
    for (const auto& c : cases) {
        GameFixture f("loop-frame-timer");
        f.start();
        f.game->c.Start->Interval = c.interval;
        f.game->c.Start->Enabled = c.enabled;
        f.host->setActive(c.active);
        const uint64_t start = f.host->nowMs();
        f.loop->runUntil(start + 1000);
        EXPECT_EQ(f.loop->frameTicks(), c.expected) << "interval " << c.interval << " active " << c.active;
    }
}

TEST(GameLoop, AnIdleGameWakesOnlyForWhatIsDue) {
    GameFixture f("loop-idle");
    f.start();
    f.game->state.ShowMakerLogo = 0;  // the black start screen, with no logo to play
    f.game->c.Start->Enabled = false;
    // The loop sleeps from one game tick to the next: about 20 wakes a
    // second, not one per millisecond.
    const int before = f.host->waits();
    f.loop->runUntil(f.host->nowMs() + 10000);
    EXPECT_LE(f.host->waits() - before, 10000 / 50 + 5);
    EXPECT_GE(f.host->waits() - before, 10000 / 50 - 5);
    // Nothing changed on the screen: one picture, presented once.
    EXPECT_EQ(f.host->framesPresented(), 1);
}

TEST(GameLoop, ThePointerFollowsCursorFileOnTheNextTick) {
    GameFixture f("loop-pointer");
    f.start();
    f.game->state.ShowMakerLogo = 0;  // no logo, whose end loads the pointer too
    f.host->calls.clear();
    f.game->state.CursorFile = "Cursors\\Nuz.cur";
    f.game->state.CursorFile = "Cursors\\Lano.cur";  // twice in one tick: only the second loads
    f.loop->runOneTick();
    const auto loads = f.host->callsStartingWith("loadCursor");
    ASSERT_EQ(loads.size(), 1u);
    EXPECT_NE(loads[0].find("Cursors\\Lano.cur -> ok"), std::string::npos) << loads[0];
    EXPECT_EQ(f.game->state.LoadedCursorFile, "Cursors\\Lano.cur");
    // A missing file counts as loaded and is not retried.
    f.game->state.CursorFile = "Cursors\\Nothing.cur";
    f.loop->runOneTick();
    f.loop->runOneTick();
    EXPECT_EQ(f.host->callsStartingWith("loadCursor").size(), 2u);
    EXPECT_EQ(f.game->state.LoadedCursorFile, "Cursors\\Nothing.cur");
}

TEST(GameLoop, MediaEndsReachTheirNotifyHandlers) {
    GameFixture f("loop-media");
    std::vector<std::pair<int, uint64_t>> notified;
    for (int k = 1; k <= 6; ++k) {
        f.game->handlers.add("Skladba" + std::to_string(k) + "Notify",
                             [&, k](const layout::EventArgs&) { notified.emplace_back(k, f.host->nowMs()); });
    }
    f.start();
    const uint64_t t0 = f.host->nowMs();
    f.host->mediaPlay(1, true);  // Skladba2, one second long
    f.loop->runUntil(t0 + 3000);
    ASSERT_EQ(notified.size(), 1u);
    EXPECT_EQ(notified[0].first, 2);
    EXPECT_EQ(notified[0].second, t0 + 1000);  // on time, on the game's thread
    // A stop notifies too; playing the next track interrupts the first.
    f.host->mediaPlay(2, true);
    f.loop->runUntil(f.host->nowMs() + 100);
    f.host->mediaPlay(3, true);
    f.loop->runUntil(f.host->nowMs() + 100);
    f.host->mediaStop(3);
    f.loop->pass();
    ASSERT_EQ(notified.size(), 3u);
    EXPECT_EQ(notified[1].first, 3);
    EXPECT_EQ(notified[2].first, 4);
}

// Two tracks that each start again when the other interrupts them would
// raise end notices without end; each notice waits for the next pass, so
// the game keeps ticking, and the record of calls stays bounded.
TEST(GameLoop, NoticesThatCauseNoticesCannotHoldUpTheGame) {
    GameFixture f("loop-pingpong");
    for (int k : {1, 2}) {
        f.game->handlers.add("Skladba" + std::to_string(k) + "Notify", [&, k](const layout::EventArgs&) {
            f.host->mediaPlay(k - 1, true);  // starts it over, interrupting the other
        });
    }
    f.start();
    f.game->state.ShowMakerLogo = 0;
    f.host->mediaPlay(0, true);
    f.host->mediaPlay(1, true);  // interrupts the first: the chain begins
    const uint64_t ticks = f.loop->gameTicks();
    const uint64_t t0 = f.host->nowMs();
    f.loop->runUntil(t0 + 1000);
    EXPECT_GE(f.host->nowMs(), t0 + 1000);
    EXPECT_GE(f.loop->gameTicks() - ticks, 15u) << "the game timer went on";
    EXPECT_GT(f.host->callsStartingWith("mediaPlay").size(), 100u) << "the chain still runs";

    // However many calls come, the record keeps only the newest.
    for (size_t i = 0; i < 2 * platform::HeadlessPlatform::kMaxCalls + 10; ++i) f.host->mediaRewind(int(i % 6));
    EXPECT_LE(f.host->calls.size(), platform::HeadlessPlatform::kMaxCalls);
    EXPECT_GE(f.host->calls.size(), platform::HeadlessPlatform::kMaxCalls / 2);
    EXPECT_EQ(f.host->calls.back(),
              "mediaRewind " + std::to_string((2 * platform::HeadlessPlatform::kMaxCalls + 9) % 6));
}

TEST(GameLoop, WavesPlayThroughTheObjectTheyAreRoutedTo) {
    GameFixture f("loop-waves");
    f.start();
    scenes::playWave(f.game->ctx, 0);
    f.game->c.Zvuky->DXSound_ = f.game->c.DXSound2;
    scenes::playWave(f.game->ctx, 3);
    EXPECT_EQ(f.host->callsStartingWith("playWave"),
              (std::vector<std::string>{"playWave 0 audible", "playWave 3 silent"}));
}

}  // namespace
}  // namespace kvarnel::app

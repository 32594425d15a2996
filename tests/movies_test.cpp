// The movies of the story on the stand-in game: the intro and the first
// scene after it (played to its end or skipped), the last lines after the
// cave, the chains of ending movies, the credits, and movies that cannot be
// played, which must never leave the player in front of a black screen.
#include "story/movies.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "game_fixture.h"
#include "scenes/exits.h"
#include "screens/menu.h"
#include "story/idle_remarks.h"
#include "story/tick.h"

namespace kvarnel::story {
namespace {

using core::GameState;
using testing::GameFixture;

class MoviesTest : public ::testing::Test {
protected:
    // With `realMovies` the stand-in movies the build wrote; otherwise the
    // fixture's files, which are no movies at all.
    void start(bool realMovies) {
        if (realMovies) {
            for (int i = 1; i <= 10; ++i) {
                const std::string name = "Animations/Data" + std::to_string(i) + ".quillmoth";
                std::filesystem::copy_file(std::filesystem::path(KVARNEL_BINARY_DIR) / name, f.folder / name,
                                           std::filesystem::copy_options::overwrite_existing);
            }
        }
        f.start();
        s().TrackEnabled.fill(1);
    }
    scenes::Context& ctx() { return f.game->ctx; }
    GameState& s() { return f.game->state; }
    void setEscape(bool down) { f.host->setKey(platform::Key::Escape, down); }

    // The menu after the language choice, then New game.
    void newGame() {
        f.loop->runOneTick();
        ASSERT_TRUE(ctx().c.VyberJazyk->Visible || ctx().c.AnimaceQuillmoth->Visible);
        f.loop->runUntil(f.host->nowMs() + 20000);
        ASSERT_TRUE(ctx().c.VyberJazyk->Visible) << "the logo has ended";
        ctx().c.Label123->OnClick.fire({ctx().c.Label123});
        const core::Rect& r = s().MenuRect[0];
        f.host->setCursorPos({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
        ctx().c.HlavniMenu->OnClick.fire({ctx().c.HlavniMenu});
        ASSERT_TRUE(ctx().c.Intro->Visible);
    }

    void expectFirstScene() {
        EXPECT_TRUE(scenes::sceneShown(ctx(), scenes::Scene::Natrzisti));
        EXPECT_FALSE(ctx().c.Intro->Visible);
        EXPECT_EQ(s().IntroFinished, 1);
        EXPECT_EQ(s().IntroRunning, 0);
        EXPECT_EQ(s().PlayerFree, 1);
        EXPECT_EQ(f.host->cursorPos(), (platform::Point{512, 384}));
        EXPECT_GE(f.host->cursorCount(), 0) << "the pointer shows";
        EXPECT_TRUE(f.game->layout.findAs<layout::GifAnimator>("Ztoci")->Animate) << "the faces move";
        EXPECT_EQ(f.host->callsStartingWith("mediaPlay 1").size(), 1u) << "the village's music";
    }

    GameFixture f{"movies"};
};

TEST_F(MoviesTest, TheIntroPlaysWithoutAPointerAndEndsInTheMarketPlace) {
    start(true);
    newGame();
    f.loop->runUntil(f.host->nowMs() + 500);
    EXPECT_TRUE(ctx().movies.playing(*ctx().c.ShockwaveFlash2));
    EXPECT_EQ(f.host->cursorCount(), -1);
    EXPECT_GT(f.host->cursorPos().x, 1024) << "pushed off the screen";
    f.host->calls.clear();
    const uint64_t limit = f.host->nowMs() + 60000;
    while (s().IntroFinished == 0 && f.host->nowMs() < limit) f.loop->runOneTick();
    expectFirstScene();
    EXPECT_EQ(s().IntroSkipped, 0);
}

TEST_F(MoviesTest, EscapeSkipsTheIntroInTheSameTick) {
    start(true);
    newGame();
    f.loop->runUntil(f.host->nowMs() + 500);
    f.host->calls.clear();
    setEscape(true);
    f.loop->runOneTick();
    setEscape(false);
    expectFirstScene();
    EXPECT_EQ(s().IntroSkipped, 1);
    EXPECT_FALSE(ctx().movies.playing(*ctx().c.ShockwaveFlash2));
}

TEST_F(MoviesTest, MoviesThatCannotBePlayedMoveTheStoryOn) {
    start(false);
    newGame();
    f.host->calls.clear();
    f.loop->runOneTick();
    expectFirstScene();

    // The ending: every movie fails, the chain runs through at once, and
    // credits that cannot play give way to the menu instead of a black
    // screen that only Escape would end.
    story::startAtScene(ctx(), scenes::Scene::Les3);
    scenes::describe(ctx(), kLastLineLost);
    s().DescriptionExpired = 1;
    s().DescriptionTimerOn = 0;
    for (int i = 0; i < 5 && !ctx().c.Menu1->Visible; ++i) f.loop->runOneTick();
    EXPECT_EQ(s().OutroOver, 1);
    EXPECT_FALSE(ctx().c.Outro->Visible);
    EXPECT_FALSE(ctx().c.Titulky->Visible);
    EXPECT_TRUE(ctx().c.Menu1->Visible);

    // Credits from the menu likewise.
    const core::Rect& r = s().MenuRect[4];
    f.host->setCursorPos({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    ctx().c.HlavniMenu->OnClick.fire({ctx().c.HlavniMenu});
    EXPECT_TRUE(ctx().c.Titulky->Visible);
    f.loop->runOneTick();
    EXPECT_FALSE(ctx().c.Titulky->Visible);
    EXPECT_TRUE(ctx().c.Menu1->Visible);
    EXPECT_GE(f.host->cursorCount(), 0) << "the pointer is back";
}

// Whether `line` is one of the idle remarks the detective can make now.
bool isIdleRemark(scenes::Context& x, const std::string& line) {
    for (int kind = 0; kind <= 4; ++kind) {
        for (int redraw = 0; redraw <= 6; ++redraw) {
            if (idleRemarkText(kind, redraw, x.platform.localTime(), x.state.Language) == line) return true;
        }
    }
    return false;
}

// The ending from the last remark after the cave, for each way the story
// can end: which ending movies play in which order, and the credits after.
TEST_F(MoviesTest, TheEndingChainsPlayInTheirOrderAndEndInTheCredits) {
    const struct {
        const char* name;
        uint8_t daughter;
        int32_t winnings;
        std::vector<int> outros;  // 1-based, in the order they show
        uint8_t unlocked;
    } cases[] = {
        {"without the daughter", 0, 50, {1, 2, 5}, 0},
        {"daughter, little won", 1, 9, {1, 3, 5}, 0},
        {"daughter, ten won", 1, 10, {1, 4, 5, 6}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Each case in a game of its own, so no movie state carries over.
        GameFixture g{"ending"};
        for (int i = 1; i <= 10; ++i) {
            const std::string name = "Animations/Data" + std::to_string(i) + ".quillmoth";
            std::filesystem::copy_file(std::filesystem::path(KVARNEL_BINARY_DIR) / name, g.folder / name,
                                       std::filesystem::copy_options::overwrite_existing);
        }
        g.start();
        scenes::Context& x = g.game->ctx;
        GameState& st = g.game->state;
        st.TrackEnabled.fill(1);
        st.Language = 2;
        story::startAtScene(x, scenes::Scene::Les3);
        st.DaughterReturned = c.daughter;
        st.TableWinnings = c.winnings;
        st.GameInProgress = 1;
        st.CaveExitRemarkDue = 1;
        st.CaveExitRemarkTicks = 0;

        // The remark, then the last line, each for its time.
        std::vector<std::string> lines;
        std::vector<int> shownOutros;
        for (int tick = 0; tick < 20000 && !x.c.Titulky->Visible; ++tick) {
            g.loop->runOneTick();
            // The movies are long: an idle player hears the detective's
            // idle remarks on the way, which are no part of the chain.
            if (!x.c.Popis->Caption.empty() && (lines.empty() || lines.back() != x.c.Popis->Caption) &&
                !isIdleRemark(x, x.c.Popis->Caption)) {
                lines.push_back(x.c.Popis->Caption);
            }
            for (int i = 0; i < 6; ++i) {
                if (x.c.Outro->Visible && x.c.Outros[static_cast<size_t>(i)]->Visible &&
                    (shownOutros.empty() || shownOutros.back() != i + 1)) {
                    shownOutros.push_back(i + 1);
                }
            }
        }
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0], c.daughter ? kCaveExitRemarkHome.en : kCaveExitRemarkLost.en);
        EXPECT_EQ(lines[1], c.daughter ? kLastLineHome.en : kLastLineLost.en);
        EXPECT_EQ(shownOutros, c.outros);
        EXPECT_TRUE(x.c.Titulky->Visible);
        EXPECT_TRUE(x.c.Titulky2->Visible) << "the English credits";
        EXPECT_FALSE(x.c.Titulky1->Visible);
        EXPECT_FALSE(x.c.Outro->Visible);
        EXPECT_EQ(st.OutroOver, 1);
        EXPECT_EQ(st.GameInProgress, 0);
        EXPECT_EQ(st.BonusGameUnlocked, c.unlocked);
        EXPECT_TRUE(x.c.Start->Enabled);
        EXPECT_FALSE(scenes::sceneShown(x, scenes::Scene::Les3));
        EXPECT_EQ(g.host->callsStartingWith("mediaPlay 5").size(), 1u) << "the credits' music";
        EXPECT_TRUE(x.c.Popis->Caption.empty() || isIdleRemark(x, x.c.Popis->Caption)) << x.c.Popis->Caption;
    }
}

TEST_F(MoviesTest, EscapeDuringTheEndingGoesToTheCreditsAndFromThemToTheMenu) {
    start(true);
    story::startAtScene(ctx(), scenes::Scene::Les3);
    scenes::describe(ctx(), kLastLineLost);
    s().DescriptionExpired = 1;
    s().DescriptionTimerOn = 0;
    f.loop->runOneTick();
    ASSERT_TRUE(ctx().c.Outro->Visible);
    ASSERT_TRUE(ctx().movies.playing(*ctx().c.Outros[0]));
    setEscape(true);
    f.loop->runOneTick();
    EXPECT_FALSE(ctx().c.Outro->Visible);
    EXPECT_TRUE(ctx().c.Titulky->Visible);
    EXPECT_TRUE(ctx().c.Titulky1->Visible);
    EXPECT_EQ(s().OutroOver, 1);
    // Still held: the next tick leaves the credits for the menu.
    f.loop->runOneTick();
    setEscape(false);
    EXPECT_FALSE(ctx().c.Titulky->Visible);
    EXPECT_TRUE(ctx().c.Menu1->Visible);
    EXPECT_FALSE(ctx().movies.playing(*ctx().c.Titulky1));
    // The menu draws over the frame timer the credits left on.
    f.loop->runUntil(f.host->nowMs() + 100);
    EXPECT_GT(ctx().c.HlavniMenu->flips, 0u);
}

}  // namespace
}  // namespace kvarnel::story

// The main menu on the stand-in game: its pages and what each button does,
// Escape on the pages, the hover sound, the speed knob, the two switches,
// the menu over a running story and back, and Exit.
#include "screens/menu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game_fixture.h"
#include "screens/frame_timer.h"
#include "story/movies.h"
#include "story/tick.h"

namespace kvarnel::screens {
namespace {

using core::GameState;
using testing::GameFixture;

// MenuRect1 .. MenuRect10 as the menu uses them.
enum Rect : size_t { Button1, Button2, Save, Options, Credits, Exit, Ok, Knob, Music, Sound };

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.start();
        // The menu as the language choice leaves it.
        s().Language = 1;
        ctx().c.Menu1->Visible = true;
        ctx().c.Start->Enabled = true;
        ctx().movies.markPlayed(*ctx().c.ShockwaveFlash1);
        s().ShowMakerLogo = 0;
        s().LogoFinished = 1;
    }
    scenes::Context& ctx() { return f.game->ctx; }
    GameState& s() { return f.game->state; }

    // The pointer onto the middle of a menu rectangle.
    void pointAt(Rect r) {
        const core::Rect& m = s().MenuRect[r];
        f.host->setCursorPos({(m.Left + m.Right) / 2, (m.Top + m.Bottom) / 2});
    }
    void pointAtNothing() { f.host->setCursorPos({f.game->state.OffsetX + 50, f.game->state.OffsetY + 50}); }
    void click(Rect r) {
        pointAt(r);
        ctx().c.HlavniMenu->OnClick.fire({ctx().c.HlavniMenu});
    }
    void frame() { StartTimer(ctx()); }
    void escapeFrame() {
        f.host->setKey(platform::Key::Escape, true);
        frame();
        f.host->setKey(platform::Key::Escape, false);
    }
    // Whether the menu's last picture was drawn with item `n` of GrafikaMenu.
    bool drew(int n) {
        for (const layout::SurfaceCommand& cmd : ctx().c.HlavniMenu->drawn) {
            if (cmd.kind != layout::SurfaceCommand::Kind::FillBlack && cmd.n == n) return true;
        }
        return false;
    }
    int wavesPlayed(int n) {
        return static_cast<int>(f.host->callsStartingWith("playWave " + std::to_string(n) + " ").size());
    }

    GameFixture f{"menu"};
};

TEST(SpeedKnob, ThreeRulesGiveTheSpeedOfTheTexts) {
    const struct {
        int32_t slider;
        int32_t speed;
    } cases[] = {{400, 20}, {470, 55}, {514, 77}, {515, 87}, {542, 101}, {543, 111}, {573, 126}};
    for (const auto& c : cases) EXPECT_EQ(speechSpeedForSlider(c.slider), c.speed) << "knob at " << c.slider;
}

TEST_F(MenuTest, PagesFollowTheButtonsAndEscapeGoesBackOnePage) {
    // Options and back, by OK and by Escape.
    click(Options);
    EXPECT_EQ(s().MenuOptionsPage, 1);
    click(Ok);
    EXPECT_EQ(s().MenuOptionsPage, 0);
    click(Options);
    escapeFrame();
    EXPECT_EQ(s().MenuOptionsPage, 0);
    EXPECT_TRUE(ctx().c.Menu1->Visible) << "Escape never closes the menu";

    // With the two-player game unlocked, button 1 asks first.
    s().BonusGameUnlocked = 1;
    click(Button1);
    EXPECT_EQ(s().MenuChoicePage, 1);
    EXPECT_FALSE(ctx().c.Intro->Visible);
    click(Button2);
    EXPECT_EQ(s().MenuBonusInfoPage, 1);
    EXPECT_EQ(s().MenuChoicePage, 0);
    // Held for two frames, Escape goes back to the choice, then to the main page.
    f.host->setKey(platform::Key::Escape, true);
    frame();
    EXPECT_EQ(s().MenuChoicePage, 1);
    EXPECT_EQ(s().MenuBonusInfoPage, 0);
    frame();
    EXPECT_EQ(s().MenuChoicePage, 0);
    f.host->setKey(platform::Key::Escape, false);

    // The choice page's story button starts the story and stays on that page.
    click(Button1);
    click(Button1);
    EXPECT_TRUE(ctx().c.Intro->Visible);
    EXPECT_EQ(s().IntroRunning, 1);
    EXPECT_FALSE(ctx().c.Menu1->Visible);
    EXPECT_FALSE(ctx().c.Start->Enabled);
    EXPECT_EQ(s().MenuChoicePage, 1);
}

TEST_F(MenuTest, NewGameStartsTheIntroWithoutTheMenuMusic) {
    s().TrackEnabled.fill(1);
    f.host->calls.clear();
    click(Button1);
    EXPECT_EQ(f.host->callsStartingWith("mediaStop 0").size(), 1u);
    EXPECT_EQ(s().SkipTrackRestart, 1);
    EXPECT_TRUE(ctx().c.Intro->Visible);
    EXPECT_TRUE(ctx().c.Kryti->Visible) << "the strip stays over the Czech intro";
    EXPECT_FALSE(ctx().c.Menu1->Visible);
    EXPECT_FALSE(ctx().c.Start->Enabled);
    EXPECT_EQ(s().IntroRunning, 1);
}

TEST_F(MenuTest, AfterTheEndingOnlyOptionsCreditsAndExitAnswer) {
    s().OutroOver = 1;
    s().GameInProgress = 0;
    // data.dat exists, so only the ending refuses the load.
    std::ofstream(f.folder / "data.dat") << "[Other]\r\n";
    for (Rect r : {Button1, Button2, Save}) {
        click(r);
        EXPECT_TRUE(ctx().c.Menu1->Visible) << "button " << r + 1;
        EXPECT_FALSE(ctx().c.Intro->Visible) << "button " << r + 1;
        EXPECT_EQ(s().MenuOptionsPage + s().MenuChoicePage + s().MenuBonusInfoPage, 0);
    }
    click(Options);
    EXPECT_EQ(s().MenuOptionsPage, 1);
    click(Ok);
    const int cursorBefore = f.host->cursorCount();
    click(Credits);
    EXPECT_FALSE(ctx().c.Menu1->Visible);
    EXPECT_TRUE(ctx().c.Titulky->Visible);
    EXPECT_TRUE(ctx().c.Titulky1->Visible);
    EXPECT_FALSE(ctx().c.Titulky2->Visible);
    EXPECT_EQ(f.host->cursorCount(), cursorBefore - 1) << "the pointer hides over the credits";
    // Escape in the credits: the menu again, the pointer back.
    f.host->setKey(platform::Key::Escape, true);
    story::CasodavacTimer(ctx());
    f.host->setKey(platform::Key::Escape, false);
    EXPECT_TRUE(ctx().c.Menu1->Visible);
    EXPECT_FALSE(ctx().c.Titulky->Visible);
    EXPECT_EQ(f.host->cursorCount(), cursorBefore);
}

TEST_F(MenuTest, LoadAndSaveWaitForAFileAndARunningStory) {
    std::filesystem::remove(f.folder / "data.dat");
    click(Button2);
    click(Save);
    EXPECT_TRUE(ctx().c.Menu1->Visible);
    EXPECT_EQ(s().MenuOptionsPage + s().MenuChoicePage + s().MenuBonusInfoPage, 0);
}

TEST_F(MenuTest, TheHoverSoundPlaysOncePerNewButton) {
    f.host->calls.clear();
    pointAt(Button1);
    frame();
    frame();
    EXPECT_EQ(wavesPlayed(5), 1) << "once, not every frame";
    pointAt(Button2);
    frame();
    EXPECT_EQ(wavesPlayed(5), 2) << "straight onto another button";
    pointAtNothing();
    frame();
    EXPECT_EQ(s().MenuHover, 0);
    EXPECT_EQ(wavesPlayed(5), 2) << "empty space is silent";
    pointAt(Button2);
    frame();
    EXPECT_EQ(wavesPlayed(5), 3) << "back onto the same button";
}

TEST_F(MenuTest, TheKnobFollowsTheDragAndItsRectangleTheRelease) {
    click(Options);
    pointAt(Knob);
    ctx().c.HlavniMenu->OnMouseDown.fire({ctx().c.HlavniMenu});
    EXPECT_EQ(s().SliderDragging, 1);
    const core::Rect knobBefore = s().MenuRect[Knob];
    // The speed word: slow (23), medium (24), fast (25) in Czech.
    struct {
        int x;
        int32_t slider, speed;
        int word;
    } const cases[] = {{0, 400, 20, 23},
                       {s().OffsetX + 470 + 15, 470, 55, 24},
                       {s().OffsetX + 515 + 15, 515, 87, 25},
                       {5000, 573, 126, 25}};
    for (const auto& c : cases) {
        f.host->setCursorPos({c.x, 290});
        frame();
        EXPECT_EQ(s().MenuSlider, c.slider) << "pointer at " << c.x;
        EXPECT_EQ(s().SpeechSpeed, c.speed) << "pointer at " << c.x;
        for (int word : {23, 24, 25}) EXPECT_EQ(drew(word), word == c.word) << "speed " << c.speed << ", word " << word;
        EXPECT_EQ(s().MenuRect[Knob], knobBefore) << "the rectangle moves only at the release";
    }
    ctx().c.HlavniMenu->OnMouseUp.fire({ctx().c.HlavniMenu});
    EXPECT_EQ(s().SliderDragging, 0);
    EXPECT_EQ(s().MenuRect[Knob].Left, 573 + s().OffsetX);
    EXPECT_EQ(s().MenuRect[Knob].Right, 573 + s().OffsetX + 34);
    EXPECT_EQ(s().MenuRect[Knob].Top, knobBefore.Top);
    // Released, the knob stays where it was left.
    f.host->setCursorPos({0, 290});
    frame();
    EXPECT_EQ(s().MenuSlider, 573);
}

TEST_F(MenuTest, TheSwitchesStopAndStartTheMusicAndRouteTheSounds) {
    s().MusicOn = 1;
    s().TrackEnabled.fill(1);
    click(Options);
    f.host->calls.clear();
    click(Music);
    EXPECT_EQ(s().MusicOn, 0);
    EXPECT_EQ(f.host->callsStartingWith("mediaStop").size(), 6u);
    for (uint8_t t : s().TrackEnabled) EXPECT_EQ(t, 0);

    // On again while the eastern forest lies under the menu: its track, not
    // the menu's.
    scenes::scenePanel(ctx().c, scenes::Scene::Les5)->Visible = true;
    f.host->calls.clear();
    click(Music);
    EXPECT_EQ(s().MusicOn, 1);
    EXPECT_EQ(s().SceneTrackStarted, 1);
    EXPECT_EQ(f.host->callsStartingWith("mediaPlay 3").size(), 1u);
    EXPECT_TRUE(f.host->callsStartingWith("mediaPlay 0").empty());
    // With no location under it, the menu's own.
    scenes::scenePanel(ctx().c, scenes::Scene::Les5)->Visible = false;
    click(Music);
    f.host->calls.clear();
    click(Music);
    EXPECT_EQ(f.host->callsStartingWith("mediaPlay 0").size(), 1u);

    s().SoundOn = 1;
    ctx().c.Zvuky->DXSound_ = ctx().c.DXSound1;
    click(Sound);
    EXPECT_EQ(s().SoundOn, 0);
    EXPECT_EQ(ctx().c.Zvuky->DXSound_, ctx().c.DXSound2);
    f.host->calls.clear();
    click(Sound);
    EXPECT_EQ(s().SoundOn, 1);
    EXPECT_EQ(ctx().c.Zvuky->DXSound_, ctx().c.DXSound1);
    const auto waves = f.host->callsStartingWith("playWave 14");
    ASSERT_EQ(waves.size(), 1u);
    EXPECT_NE(waves[0].find("audible"), std::string::npos) << waves[0];
}

TEST_F(MenuTest, EscapeDuringPlayOpensTheMenuAndBackToGameReturns) {
    story::startAtScene(ctx(), scenes::Scene::Predsoudem);
    s().BirdPauseOn = 1;
    s().MenuChoicePage = 1;
    f.host->setKey(platform::Key::Escape, true);
    story::CasodavacTimer(ctx());
    f.host->setKey(platform::Key::Escape, false);
    EXPECT_TRUE(ctx().c.Menu1->Visible);
    EXPECT_TRUE(ctx().c.Start->Enabled);
    EXPECT_EQ(s().GameInProgress, 1);
    EXPECT_EQ(s().MenuChoicePage, 0);
    EXPECT_EQ(s().BirdPauseOn, 0) << "the bird lands while the menu shows";

    // While the menu shows the story stands still.
    const int32_t idle = s().IdleTime;
    story::CasodavacTimer(ctx());
    EXPECT_EQ(s().IdleTime, idle);

    click(Button1);  // Back to game
    EXPECT_FALSE(ctx().c.Menu1->Visible);
    EXPECT_FALSE(ctx().c.Start->Enabled);
    EXPECT_EQ(s().BirdPauseOn, 1) << "the bird's pause starts again";
    EXPECT_GE(s().BirdPause, 2000);
    EXPECT_LT(s().BirdPause, 5000);
}

TEST_F(MenuTest, BackToGameInTheCaveKeepsTheFrameTimerAndHidesThePointer) {
    story::startAtScene(ctx(), scenes::Scene::Les6);
    ctx().c.Menu1->Visible = true;
    ctx().c.Vjeskyni->Visible = true;
    ctx().c.Start->Enabled = true;
    s().GameInProgress = 1;
    s().LevelIntroMessage = 0;
    s().CaughtMessage = 0;
    const int cursor = f.host->cursorCount();
    click(Button1);
    EXPECT_FALSE(ctx().c.Menu1->Visible);
    EXPECT_TRUE(ctx().c.Start->Enabled);
    EXPECT_EQ(ctx().c.Start->Interval, 100);
    EXPECT_EQ(f.host->cursorCount(), cursor - 1);
}

TEST_F(MenuTest, ExitClosesTheWindowAndWritesTheSettings) {
    std::filesystem::remove(f.folder / "data.dat");
    s().MenuSlider = 515;
    click(Exit);
    f.loop->runOneTick();
    EXPECT_TRUE(f.loop->quit());
    std::ifstream in(f.folder / "data.dat", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(text.find("Files13=515"), std::string::npos) << text;
}

TEST_F(MenuTest, AnIdleMenuIsDrawnOnceNotEveryFrame) {
    pointAtNothing();
    frame();
    const uint64_t flips = ctx().c.HlavniMenu->flips;
    for (int i = 0; i < 10; ++i) frame();
    EXPECT_EQ(ctx().c.HlavniMenu->flips, flips);
    pointAt(Options);
    frame();
    EXPECT_EQ(ctx().c.HlavniMenu->flips, flips + 1) << "a highlighted button is a new picture";
}

}  // namespace
}  // namespace kvarnel::screens

// Start-up and shutdown on the headless platform with the stand-in layout:
// display mode, offsets, shifted controls, music players, asset renames,
// settings from and to "data.dat", start values.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/game.h"
#include "game_fixture.h"
#include "layout/errors.h"
#include "layout/record_builder.h"
#include "platform/headless/headless_platform.h"
#include "platform/midi_file.h"
#include "standin/standin_layout.h"

namespace kvarnel::app {
namespace {

namespace fs = std::filesystem;
using core::GameState;
using core::kStoryFlagNames;
using core::Rect;
using platform::HeadlessPlatform;
using platform::Size;

using testing::standinLayoutBytes;

using testing::readText;

void writeText(const fs::path& p, const std::string& text) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

// A fresh game folder with the asset files under their names on disk.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("kvarnel-startup-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                  "-" + std::to_string(getpid()));
        fs::remove_all(folder);
        for (const auto& a : kAssetNames) {
            std::string rel(a.onDisk);
            std::replace(rel.begin(), rel.end(), '\\', '/');
            writeText(folder / rel, "asset " + rel);
        }
        const platform::MidiNote note{60, 0, 500};
        const std::vector<uint8_t> midi = platform::makeMidiFile(std::span(&note, 1));
        for (int i = 1; i <= 6; ++i) {
            writeText(folder / ("mmid" + std::to_string(i) + ".mid"), std::string(midi.begin(), midi.end()));
        }
    }
    void TearDown() override { fs::remove_all(folder); }

    std::unique_ptr<Game> startGame(Size screen) {
        host = std::make_unique<HeadlessPlatform>(screen);
        auto game = std::make_unique<Game>(*host, folder.string() + "/");
        game->load(standinLayoutBytes(), "stand-in");
        game->create();
        return game;
    }

    std::string gamePath(std::string_view name) const { return folder.string() + "/" + std::string(name); }

    fs::path folder;
    std::unique_ptr<HeadlessPlatform> host;
};

TEST_F(StartupTest, ScreensGiveTheirModeOffsetsAndHitRectangles) {
    struct Case {
        Size screen;
        bool switched;
        int offsetX, offsetY;
    };
    const Case cases[] = {
        {{800, 600}, true, 0, 0},
        {{1280, 720}, false, 128, -24},
        {{1600, 1200}, false, 288, 216},
        {{1024, 600}, false, 0, -84},
        {{1023, 767}, true, 0, 0},
        {{1025, 767}, false, 0, 0},  // (1025 - 1024) / 2 truncates to 0, (767 - 768) / 2 to 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.screen.width) + "x" + std::to_string(c.screen.height));
        SetUp();
        auto game = startGame(c.screen);
        const GameState& s = game->state;
        const Size screen = host->screenSize();
        EXPECT_EQ(s.DisplayModeChanged, c.switched ? 1 : 0);
        EXPECT_EQ(host->callsStartingWith("changeDisplayMode").size(), c.switched ? 1u : 0u);
        if (c.switched) {
            EXPECT_EQ(screen, (Size{1024, 768}));
        }
        EXPECT_EQ(s.OffsetX, c.offsetX);
        EXPECT_EQ(s.OffsetY, c.offsetY);

        EXPECT_EQ(s.InventoryTriggerArea,
                  (Rect{c.offsetX, c.offsetY + 750, c.offsetX + 1024, screen.height + c.offsetY + 768}));
        EXPECT_EQ(s.SceneArea, (Rect{c.offsetX, c.offsetY, c.offsetX + 1024, c.offsetY + 650}));
        EXPECT_EQ(s.CaveHotRect, (Rect{c.offsetX + 400, c.offsetY + 480, c.offsetX + 620, c.offsetY + 512}));
        EXPECT_EQ(s.MenuRect[0], (Rect{c.offsetX + 432, c.offsetY + 250, c.offsetX + 581, c.offsetY + 299}));
        EXPECT_EQ(s.MenuRect[9], (Rect{c.offsetX + 590, c.offsetY + 338, c.offsetX + 625, c.offsetY + 364}));

        // Moved controls: both ways, top only, and ones that stay.
        const auto& L = game->layout;
        EXPECT_EQ(L.findAs<layout::Panel>("Natrzisti")->Left, 2 + c.offsetX);  // the market lies 2 pixels in
        EXPECT_EQ(L.findAs<layout::Panel>("Natrzisti")->Top, 0 + c.offsetY);
        EXPECT_EQ(L.findAs<layout::Label>("Popis")->Left, 24 + c.offsetX);
        EXPECT_EQ(L.findAs<layout::Label>("Popis")->Top, 628 + c.offsetY);
        EXPECT_EQ(L.findAs<layout::GifAnimator>("Inventar")->Left, 5 + c.offsetX);
        EXPECT_EQ(L.findAs<layout::ImageControl>("Nuz")->Left, 0);
        EXPECT_EQ(L.findAs<layout::ImageControl>("Nuz")->Top, 670 + c.offsetY);
        EXPECT_EQ(L.findAs<layout::Label>("Penez")->Left, 306);
        EXPECT_EQ(L.findAs<layout::ImageControl>("Nuz2")->Top, 670);
        EXPECT_EQ(L.findAs<layout::Label>("body")->Left, 12);
        EXPECT_EQ(L.findAs<layout::ImageControl>("Ssplh")->Top, 800);
        // Controls inside a moved panel keep their panel-relative place.
        EXPECT_EQ(L.findAs<layout::ImageControl>("PozadiNatrzisti")->Left, 0);

        EXPECT_EQ(game->c.SPanel->Top, screen.height + 10000);
        EXPECT_EQ(game->c.SPanel->Left, 630);
        EXPECT_EQ(game->c.AnimaceQuillmoth->Left, 0);
        EXPECT_EQ(game->c.AnimaceQuillmoth->Width, screen.width);
        EXPECT_EQ(game->c.AnimaceQuillmoth->Height, screen.height - 2);

        game->close();
        EXPECT_EQ(host->callsStartingWith("restoreDisplayMode").size(), c.switched ? 1u : 0u);
        EXPECT_EQ(host->screenSize(), c.screen);
    }
}

TEST_F(StartupTest, StartValuesAfterStartUp) {
    auto game = startGame({1024, 768});
    const GameState& s = game->state;
    EXPECT_EQ(s.ShowMakerLogo, 1);
    EXPECT_EQ(s.PlayerFree, 1);
    EXPECT_EQ(s.DescriptionsOn, 0);
    EXPECT_EQ(s.HandsEmpty, 1);
    EXPECT_EQ(s.ItemCount, 0);
    EXPECT_EQ(s.SpeechSpeed, 55);
    EXPECT_EQ(s.CursorFile, "Cursors\\Kurzor.cur");
    EXPECT_EQ(s.LoadedCursorFile, "Cursors\\Kurzor.cur");
    EXPECT_EQ(s.Language, 1);
    EXPECT_EQ(s.InventoryClosed, 1);
    EXPECT_EQ(s.InventoryAllowed, 1);
    EXPECT_EQ(s.DescriptionTimerOn, 1);
    EXPECT_EQ(s.KrovakIdleOn, 1);
    EXPECT_EQ(s.BirdStepTime, 1000);
    EXPECT_EQ(s.MoneySlotFree, 1);
    EXPECT_EQ(s.BottleX, 625);
    EXPECT_EQ(s.BottleHeight, 85);
    EXPECT_EQ(s.PaddleA, 360);
    EXPECT_EQ(s.PaddleB, 120);
    const int32_t limits[12] = {0, 0, 0, 0, 0, 0, 5000, 4000, 5000, 3000, 3000, 0};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(s.LineTimer[i].Limit, limits[i]) << "LineTimer" << i;
        EXPECT_EQ(s.LineTimer[i].Active, 0) << "LineTimer" << i;
    }
    for (auto name : kStoryFlagNames) EXPECT_FALSE(scenes::storyFlag(game->ctx, name)) << name;
    EXPECT_TRUE(game->c.SPanel->Visible);
    // Variables and story flags by name.
    EXPECT_EQ(game->variable("MenuSlider"), 470);
    EXPECT_EQ(game->variable("LineTimer7.Limit"), 4000);
    EXPECT_EQ(game->variable("svyresenypripad"), 0);
    EXPECT_TRUE(game->setVariable("svyresenypripad", 1));
    EXPECT_TRUE(game->c
                    .storyFlags[std::find(kStoryFlagNames.begin(), kStoryFlagNames.end(), "svyresenypripad") -
                                kStoryFlagNames.begin()]
                    ->Visible);
    EXPECT_FALSE(game->setVariable("svyresenypripad", 2));
    EXPECT_FALSE(game->variable("NoSuchVariable").has_value());
}

TEST_F(StartupTest, PlatformCallsComeInTheSequencesOrder) {
    auto game = startGame({1280, 720});
    std::vector<std::string> kinds;
    for (const auto& call : host->calls) {
        const std::string kind = call.substr(0, call.find(' '));
        if (kinds.empty() || kinds.back() != kind) kinds.push_back(kind);
    }
    EXPECT_EQ(kinds, (std::vector<std::string>{"setWaves", "showCursor", "mediaSetFileName", "mediaSetWait",
                                               "mediaOpen", "rename", "loadCursor"}));
    EXPECT_EQ(host->cursorCount(), -1);
    const auto names = host->callsStartingWith("mediaSetFileName");
    ASSERT_EQ(names.size(), 6u);
    EXPECT_EQ(names[0], "mediaSetFileName 0 " + gamePath("mmid1.mid"));
    EXPECT_EQ(names[5], "mediaSetFileName 5 " + gamePath("mmid6.mid"));
    EXPECT_EQ(game->c.Skladba[2]->FileName, gamePath("mmid3.mid"));
    for (const auto& open : host->callsStartingWith("mediaOpen")) EXPECT_NE(open.find("-> ok"), std::string::npos);
    EXPECT_EQ(host->loadedCursor(), gamePath("Cursors\\Kurzor.cur"));
}

TEST_F(StartupTest, AssetFilesGetTheirWorkingNamesAndBackInOrder) {
    auto game = startGame({1024, 768});
    const auto renames = host->callsStartingWith("rename");
    ASSERT_EQ(renames.size(), 20u);
    EXPECT_EQ(renames[0],
              "rename " + gamePath("Cursors\\Data1.quillmoth") + " " + gamePath("Cursors\\Jidlo.cur") + " -> ok");
    EXPECT_EQ(renames[19], "rename " + gamePath("Animations\\Data10.quillmoth") + " " +
                               gamePath("Animations\\Titulky2.swf") + " -> ok");
    EXPECT_EQ(readText(folder / "Cursors/Pusa.cur"), "asset Cursors/Data9.quillmoth");
    EXPECT_FALSE(fs::exists(folder / "Cursors/Data9.quillmoth"));

    host->calls.clear();
    game->close();
    const auto back = host->callsStartingWith("rename");
    ASSERT_EQ(back.size(), 20u);
    EXPECT_EQ(back[0],
              "rename " + gamePath("Cursors\\Jidlo.cur") + " " + gamePath("Cursors\\Data1.quillmoth") + " -> ok");
    for (const auto& a : kAssetNames) {
        std::string rel(a.onDisk);
        std::replace(rel.begin(), rel.end(), '\\', '/');
        EXPECT_EQ(readText(folder / rel), "asset " + rel) << "contents never change";
    }
}

TEST_F(StartupTest, RenamesThatCannotHappenAreSilent) {
    // After a crash the files still carry their working names; one is gone.
    for (const auto& a : kAssetNames) {
        std::string from(a.onDisk), to(a.working);
        std::replace(from.begin(), from.end(), '\\', '/');
        std::replace(to.begin(), to.end(), '\\', '/');
        fs::rename(folder / from, folder / to);
    }
    fs::remove(folder / "Animations/Intro.swf");
    auto game = startGame({1024, 768});
    for (const auto& r : host->callsStartingWith("rename")) EXPECT_NE(r.find("-> failed"), std::string::npos) << r;
    EXPECT_EQ(game->state.OffsetX, 0);  // the sequence went on
    game->close();
    EXPECT_TRUE(fs::exists(folder / "Animations/Data1.quillmoth"));
    EXPECT_FALSE(fs::exists(folder / "Animations/Data2.quillmoth"));
}

TEST_F(StartupTest, MissingMusicAndCursorLeaveTheRestRunning) {
    fs::remove(folder / "mmid4.mid");
    fs::remove(folder / "Cursors/Data2.quillmoth");
    auto game = startGame({1024, 768});
    EXPECT_EQ(host->callsStartingWith("mediaOpen 3")[0], "mediaOpen 3 -> failed");
    EXPECT_EQ(host->callsStartingWith("loadCursor")[0].substr(host->callsStartingWith("loadCursor")[0].size() - 6),
              "failed");
    EXPECT_EQ(host->loadedCursor(), "");
    EXPECT_EQ(game->state.MusicOn, 1);
    EXPECT_EQ(game->state.PlayerFree, 1);
}

TEST_F(StartupTest, SettingsAreReadFromDataDat) {
    struct Case {
        const char* what;
        std::optional<std::string> file;
        int music, sound, slider, bonus;
        bool liveSound;
    };
    const Case cases[] = {
        {"no file", std::nullopt, 1, 1, 470, 0, true},
        {"stored slider", "[Other]\r\nFiles13=520\r\n", 1, 1, 520, 0, true},
        {"sound off", "[Other]\r\nData77=0\r\n", 1, 0, 470, 0, false},
        {"music off", "[Other]\r\nData76=0\r\n", 0, 1, 470, 0, true},
        {"bonus open, hex slider", "[other]\nDATA93=1\nFiles13=$1F4\n", 1, 1, 500, 1, true},
        {"garbage values", "[Other]\nData76=yes\nFiles13=12abc\nData77=\n", 1, 1, 470, 0, true},
        {"keys in another section", "[Settings]\nData76=0\nFiles13=1\n", 1, 1, 470, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        if (c.file) writeText(folder / "data.dat", *c.file);
        auto game = startGame({1280, 1024});
        const GameState& s = game->state;
        EXPECT_EQ(s.MusicOn, c.music);
        EXPECT_EQ(s.SoundOn, c.sound);
        EXPECT_EQ(s.MenuSlider, c.slider);
        EXPECT_EQ(s.BonusGameUnlocked, c.bonus);
        // The knob's rectangle follows the stored slider; the speed does not.
        EXPECT_EQ(s.MenuRect[7],
                  (Rect{s.OffsetX + c.slider, s.OffsetY + 273, s.OffsetX + c.slider + 34, s.OffsetY + 311}));
        EXPECT_EQ(s.SpeechSpeed, 55);
        EXPECT_EQ(game->c.Zvuky->DXSound_, c.liveSound ? game->c.DXSound1 : game->c.DXSound2);
        for (int k = 0; k < 6; ++k) EXPECT_EQ(s.TrackEnabled[k], c.music) << "track " << k + 1;
    }
}

TEST_F(StartupTest, ShutdownWritesTheFourSettingsInOrderAndKeepsTheRest) {
    writeText(folder / "data.dat", "[Other]\r\nData1=1\r\nData77=1\r\nData6=1\r\n");
    auto game = startGame({1024, 768});
    game->state.MusicOn = 0;
    game->state.SoundOn = 0;
    game->state.MenuSlider = 512;
    game->state.BonusGameUnlocked = 1;
    host->calls.clear();
    game->close();
    EXPECT_EQ(host->callsStartingWith("writeFile").size(), 4u);  // each key goes to the disk at once
    EXPECT_EQ(readText(folder / "data.dat"),
              "[Other]\r\nData1=1\r\nData77=0\r\nData6=1\r\nData76=0\r\nFiles13=512\r\nData93=1\r\n");

    // A new file gets the keys in the order they are written.
    SetUp();
    auto fresh = startGame({1024, 768});
    fresh->close();
    EXPECT_EQ(readText(folder / "data.dat"), "[Other]\r\nData76=1\r\nData77=1\r\nFiles13=470\r\nData93=0\r\n");
    // No temporary file is left beside it.
    int files = 0;
    for (const auto& e : fs::directory_iterator(folder)) files += e.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 7);  // six music files and data.dat
}

TEST_F(StartupTest, ShutdownClearsTheRunningStates) {
    auto game = startGame({1024, 768});
    GameState& s = game->state;
    for (auto& t : s.LineTimer) t.Active = 1;
    s.TalkTimerOn = s.BirdPauseOn = s.TableGameRunning = s.BirdActive = s.InventoryClosing = 1;
    for (auto* gif : game->c.gifs) gif->Animate = true;
    game->close();
    EXPECT_FALSE(game->c.Casodavac->Enabled);
    for (const auto& t : s.LineTimer) EXPECT_EQ(t.Active, 0);
    EXPECT_EQ(s.SpeechSpeed, 50);
    for (const char* name :
         {"InventoryClosing", "InventoryPoll", "KrovakIdleOn", "NarratorTalks", "SpeechTimerOn", "TalkTimerOn",
          "DescriptionTimerOn", "BirdPauseOn", "TableGameRunning", "InventoryAllowed", "BirdActive"}) {
        EXPECT_EQ(game->variable(name), 0) << name;
    }
    EXPECT_TRUE(game->c.Start->Enabled);  // the frame timer is left alone
    // Three sprites are left running, as the original left them.
    for (auto* gif : game->c.gifs) {
        const bool kept = gif->Name == "Inventar" || gif->Name == "Zocibojovnika" || gif->Name == "RxGIFAnimator8";
        EXPECT_EQ(gif->Animate, kept) << gif->Name;
    }
}

TEST_F(StartupTest, ADataDatThatCannotBeReadIsNeverOverwritten) {
    // A folder where the file should be: it exists but cannot be read.
    fs::create_directories(folder / "data.dat");
    auto game = startGame({1024, 768});
    EXPECT_EQ(game->state.MenuSlider, 470);
    game->close();
    EXPECT_TRUE(fs::is_directory(folder / "data.dat"));
    EXPECT_TRUE(host->callsStartingWith("writeFile").empty());
}

TEST(ResolveControls, ReportsEveryMissingOrMistypedNameAtOnce) {
    layout::ObjectRecord root = standin::makeLayout();
    auto erase = [&](std::string_view name) {
        auto& kids = root.children;
        kids.erase(std::remove_if(kids.begin(), kids.end(), [&](const auto& r) { return r.name == name; }), kids.end());
    };
    erase("Popis");
    erase("Skladba3");
    erase("Casodavac");
    root.children.push_back(std::move(layout::Obj("TLabel", "Casodavac")).record());
    for (auto& p : root.properties) {
        if (p.name == "OnCreate") p.value.text = "FormShow";
    }
    HeadlessPlatform host;
    Game game(host, "/nonexistent/");
    try {
        game.load(layout::writeStream(root), "broken.layout");
        FAIL() << "a layout without Popis loaded";
    } catch (const layout::LayoutError& e) {
        const std::string msg = e.what();
        for (const char* part : {"broken.layout", "4 problems", "'Popis' is missing", "'Skladba3' is missing",
                                 "'Casodavac' is a TLabel, not a TTimer", "OnCreate is not bound to FormCreate"}) {
            EXPECT_NE(msg.find(part), std::string::npos) << "'" << part << "' not in: " << msg;
        }
    }
}

}  // namespace
}  // namespace kvarnel::app

// Every event the layout binds by name reaches a handler of the game: an
// unbound name is a rule that silently never runs (the Bush Man's stirring
// once stayed on screen after its run because its end had no handler).
TEST(Startup, EveryEventTheLayoutBindsHasAHandler) {
    kvarnel::testing::GameFixture f("startup-handlers");
    f.start();
    EXPECT_EQ(f.game->layout.unboundHandlerNames(), std::vector<std::string>{});
}

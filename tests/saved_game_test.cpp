// The saved game in "data.dat": every key written from the game and read
// back into it, the file-level cases, a failed write, a file with no saved
// game, damaged files that must still load to a playable game, what Load
// rebuilds (faces, music, the cave), and a save that survives a restart.
#include "screens/saved_game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/ini_document.h"
#include "game_fixture.h"
#include "scenes/exits.h"
#include "story/movies.h"
#include "story/tick.h"

namespace kvarnel::screens {
namespace {

using core::GameState;
using testing::GameFixture;
using K = SavedGameKey::Kind;

using testing::readText;

class SavedGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.start();
        story::startAtScene(ctx(), scenes::Scene::Natrzisti);
        s().GameInProgress = 1;
    }
    scenes::Context& ctx() { return f.game->ctx; }
    GameState& s() { return f.game->state; }
    std::filesystem::path dataFile() const { return f.folder / "data.dat"; }
    layout::Control& control(std::string_view name) { return *f.game->layout.findAs<layout::Control>(name); }
    core::IniDocument document() { return core::IniDocument::parse(readText(dataFile())); }
    void writeFile(const std::string& text) { std::ofstream(dataFile(), std::ios::binary) << text; }

    GameFixture f{"saved-game"};
};

TEST_F(SavedGameTest, SaveWritesEveryKeyFromTheGameInItsOrder) {
    // Every value unlike its default: shown where it defaults to hidden and
    // the other way round, flags set, numbers of their own.
    int32_t number = 1000;
    std::vector<std::pair<std::string_view, int32_t>> expected;
    for (const SavedGameKey& k : savedGameKeys()) {
        int32_t v = 0;
        switch (k.kind) {
            case K::Shown:
                v = k.defaultValue == 0 ? 1 : 0;
                control(k.name).Visible = v == 1;
                break;
            case K::Flag:
                v = 1;
                ASSERT_TRUE(core::setNumber(s(), k.name, v)) << k.key;
                break;
            case K::Int:
                v = ++number;
                ASSERT_TRUE(core::setNumber(s(), k.name, v)) << k.key;
                break;
            case K::Caption:
                v = ++number;
                scenes::setCaption(ctx(), *f.game->layout.findAs<layout::Label>(k.name), std::to_string(v));
                break;
        }
        expected.emplace_back(k.key, v);
    }
    ctx().c.Menu1->Visible = true;
    ASSERT_TRUE(saveGame(ctx()));
    EXPECT_FALSE(ctx().c.Menu1->Visible) << "saving closes the menu";

    const std::string text = readText(dataFile());
    const core::IniDocument doc = document();
    size_t last = 0;
    for (const auto& [key, v] : expected) {
        EXPECT_EQ(doc.readInt("Other", key, -1), v) << key;
        const size_t at = text.find("\n" + std::string(key) + "=");
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_GT(at, last) << key << " is out of order";
        last = at;
    }
    EXPECT_EQ(expected.size(), 116u);
}

TEST_F(SavedGameTest, LoadReadsEveryKeyIntoTheGame) {
    // A file a game could have written, with values unlike the defaults:
    // one location, all seven items in slots 0..6, cells on the map.
    std::string text = "[Other]\r\n";
    const std::vector<std::pair<std::string_view, int32_t>> numbers = {
        {"Files", 37},   {"Files2", 7},  {"Files3", 12},   {"Files4", 3},    {"Files5", 99},
        {"Files6", 6},   {"Files7", 5},  {"Files8", 4},    {"Files9", 3},    {"Files10", 2},
        {"Files11", 1},  {"Files12", 0}, {"Files14", 4},   {"Files15", 2},   {"Files16", 3},
        {"Files17", 5},  {"Files18", 6}, {"Files19", 195}, {"Files20", 392}, {"Files21", 495},
        {"Files22", 95}, {"Files23", 3}, {"Files24", 4},   {"Files25", 595}, {"Files26", 293},
    };
    for (const SavedGameKey& k : savedGameKeys()) {
        if (k.kind == K::Shown) {
            // Only the fourth forest place among the locations; the cave
            // hidden (its own case is below).
            bool shown = k.defaultValue == 0;
            if (k.key.substr(0, 4) == "Data" && std::stoi(std::string(k.key.substr(4))) <= 16) shown = k.key == "Data4";
            if (k.name == "Vjeskyni") shown = false;
            text += std::string(k.key) + "=" + (shown ? "1" : "0") + "\r\n";
        } else if (k.kind == K::Flag) {
            text += std::string(k.key) + "=1\r\n";
        }
    }
    for (const auto& [key, v] : numbers) text += std::string(key) + "=" + std::to_string(v) + "\r\n";
    writeFile(text);

    ctx().c.Menu1->Visible = true;
    loadGame(ctx());
    EXPECT_FALSE(ctx().c.Menu1->Visible);
    for (const SavedGameKey& k : savedGameKeys()) {
        switch (k.kind) {
            case K::Shown: {
                bool want = k.defaultValue == 0;
                if (k.key.substr(0, 4) == "Data" && std::stoi(std::string(k.key.substr(4))) <= 16)
                    want = k.key == "Data4";
                if (k.name == "Vjeskyni") want = false;
                // The cut bush (Sker) hides the bush as the load rebuilds it.
                if (k.name == "Ker") want = false;
                EXPECT_EQ(control(k.name).Visible, want) << k.key << " " << k.name;
                break;
            }
            case K::Flag:
                EXPECT_EQ(core::getNumber(s(), k.name), 1) << k.key << " " << k.name;
                break;
            case K::Int:
            case K::Caption:
                break;
        }
    }
    for (const auto& [key, v] : numbers) {
        const auto* k = &*std::find_if(savedGameKeys().begin(), savedGameKeys().end(),
                                       [&](const SavedGameKey& r) { return r.key == key; });
        if (k->kind == K::Caption) {
            EXPECT_EQ(f.game->layout.findAs<layout::Label>(k->name)->Caption, std::to_string(v)) << key;
        } else {
            EXPECT_EQ(core::getNumber(s(), k->name), v) << key << " " << k->name;
        }
    }
}

TEST_F(SavedGameTest, TheFileKeepsOneCopyOfEachKeyAndEveryOtherLine) {
    writeFile(
        "; kept\r\n[Other]\r\nData76=0\r\nData77=1\r\nFiles13=515\r\nData93=1\r\nForeign=yes\r\n[Else]\r\nX=1\r\n");
    ASSERT_TRUE(saveGame(ctx()));
    story::startAtScene(ctx(), scenes::Scene::Les1);
    s().GameInProgress = 1;
    ASSERT_TRUE(saveGame(ctx()));
    const std::string text = readText(dataFile());
    for (const SavedGameKey& k : savedGameKeys()) {
        const std::string line = "\n" + std::string(k.key) + "=";
        EXPECT_EQ(text.find(line), text.rfind(line)) << k.key << " is written twice";
    }
    for (std::string_view kept :
         {"; kept\r\n", "Data76=0\r\n", "Files13=515\r\n", "Data93=1\r\n", "Foreign=yes\r\n", "[Else]\r\nX=1\r\n"}) {
        EXPECT_NE(text.find(kept), std::string::npos) << kept;
    }
    const core::IniDocument doc = document();
    EXPECT_EQ(doc.readInt("Other", "Data1", -1), 1) << "the second save, in Les1";
    EXPECT_EQ(doc.readInt("Other", "Data6", -1), 0);
}

TEST_F(SavedGameTest, NumbersReadAsTheProfileFunctionsReadThem) {
    writeFile("[Other]\r\nData6=1\r\nFiles3=0x1F\r\nFiles5=abc\r\nFiles14=$2\r\n");
    loadGame(ctx());
    EXPECT_EQ(s().TableWinnings, 31);
    EXPECT_EQ(s().SpeechSpeed, 70) << "a value that is no number reads the default";
    EXPECT_EQ(s().CaveNumber, 2);
    EXPECT_TRUE(control("slanonastole").Visible) << "missing, it defaults to shown";
    EXPECT_TRUE(control("Ker").Visible);
}

TEST_F(SavedGameTest, AFileWithOnlyTheSettingsHoldsNoSavedGame) {
    writeFile("[Other]\r\nData76=1\r\nData77=1\r\nFiles13=470\r\nData93=0\r\n");
    EXPECT_FALSE(hasSavedGame(ctx()));
    ctx().c.Menu1->Visible = true;
    loadGame(ctx());
    EXPECT_TRUE(ctx().c.Menu1->Visible) << "nothing happens, as for a missing file";
    EXPECT_TRUE(scenes::sceneShown(ctx(), scenes::Scene::Natrzisti));
    std::filesystem::remove(dataFile());
    EXPECT_FALSE(hasSavedGame(ctx()));
}

TEST_F(SavedGameTest, AFailedSaveKeepsTheOldOneWholeAndSaysSo) {
    ASSERT_TRUE(saveGame(ctx()));
    const std::string before = readText(dataFile());
    story::startAtScene(ctx(), scenes::Scene::Les2);
    s().GameInProgress = 1;
    s().Language = 2;
    f.host->setFileWritesFail(true);
    EXPECT_FALSE(saveGame(ctx()));
    EXPECT_EQ(readText(dataFile()), before);
    EXPECT_EQ(ctx().c.Popis->Caption, "The game could not be saved to " + f.folder.string() + "/data.dat.");
}

// Damaged files, as a hand-edited or broken save may be: each loads to one
// location, items in distinct slots that match their count, cave cells on
// the map, and a text speed that lets lines end.
TEST_F(SavedGameTest, DamagedFilesLoadToAPlayableGame) {
    const struct {
        const char* what;
        const char* file;
        scenes::Scene scene;
    } cases[] = {
        {"no location", "[Other]\r\nData44=1\r\n", scenes::Scene::Natrzisti},
        // The first in the panels' order, as the game takes the shown one.
        {"three locations", "[Other]\r\nData3=1\r\nData6=1\r\nData15=1\r\n", scenes::Scene::Natrzisti},
        {"slots off the bar and twice",
         "[Other]\r\nData6=1\r\nData56=1\r\nData59=1\r\nData73=1\r\nFiles8=9\r\nFiles10=0\r\nFiles11=0\r\nFiles2=5\r\n",
         scenes::Scene::Natrzisti},
        {"a count that is no number", "[Other]\r\nData7=1\r\nFiles=12x\r\nFiles4=-\r\n", scenes::Scene::Predhospodou},
        {"a speed of zero", "[Other]\r\nData8=1\r\nFiles5=0\r\n", scenes::Scene::Predradnici},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(c.file);
        loadGame(ctx());
        int shown = 0;
        for (layout::Panel* p : ctx().c.scenes) shown += p->Visible ? 1 : 0;
        EXPECT_EQ(shown, 1);
        EXPECT_TRUE(scenes::sceneShown(ctx(), c.scene));
        int held = 0;
        std::vector<int32_t> slots;
        for (const core::ItemInfo& info : core::kItems) {
            if (s().*info.has) {
                ++held;
                slots.push_back(s().*info.slot);
            }
        }
        EXPECT_EQ(s().ItemCount, held);
        std::sort(slots.begin(), slots.end());
        for (size_t i = 0; i < slots.size(); ++i) EXPECT_EQ(slots[i], static_cast<int32_t>(i));
        EXPECT_GE(s().SpeechSpeed, 20);
        EXPECT_EQ(ctx().c.Penez->Caption.find_first_not_of("-0123456789"), std::string::npos);
        // And the game goes on: a few ticks, a look at something.
        for (int i = 0; i < 5; ++i) story::CasodavacTimer(ctx());
    }
    // Slots kept in their order: rope (9) after knife and food (both 0).
    writeFile(cases[2].file);
    loadGame(ctx());
    EXPECT_EQ(s().RopeSlot, 2);

    // The cave, with both sprites off the map.
    writeFile(
        "[Other]\r\nData85=1\r\nData86=1\r\nData80=1\r\nFiles14=3\r\nFiles15=9\r\nFiles16=0\r\nFiles17=-4\r\n"
        "Files18=7\r\n");
    loadGame(ctx());
    EXPECT_TRUE(ctx().c.Vjeskyni->Visible);
    EXPECT_EQ(s().DetectiveColumn, 6);
    EXPECT_EQ(s().DetectiveRow, 1);
    EXPECT_EQ(s().DetectiveX, 95 + 500);
    EXPECT_EQ(s().DetectiveY, 590);
    EXPECT_EQ(s().MonsterColumn, 1);
    EXPECT_EQ(s().MonsterRow, 6);
}

TEST_F(SavedGameTest, LoadEndsTheExchangeThatRanWhenTheMenuOpened) {
    // A saved game at the prison; the druid's choices on show in the forest
    // when Load is pressed.
    writeFile("[Other]\r\nData1=1\r\n");
    scenes::switchScene(ctx(), scenes::Scene::Natrzisti, scenes::Scene::Les1);
    for (layout::Label* choice : f.game->c.Otazka) {
        scenes::setCaption(ctx(), *choice, "A question?");
        choice->Visible = true;
    }
    f.game->c.zrusit->Visible = true;
    scenes::setCaption(ctx(), *f.game->c.Rozhovor, "A line of the druid's.");
    s().TalkTimerOn = 1;
    loadGame(ctx());
    for (layout::Label* choice : f.game->c.Otazka) {
        EXPECT_FALSE(choice->Visible) << choice->Name;
        EXPECT_EQ(choice->Caption, "") << choice->Name;
    }
    EXPECT_FALSE(f.game->c.zrusit->Visible);
    EXPECT_EQ(f.game->c.Rozhovor->Caption, "");
    EXPECT_EQ(s().TalkTimerOn, 0);
}

TEST_F(SavedGameTest, LoadRebuildsTheFacesTheMusicAndTheCave) {
    const struct {
        const char* what;
        const char* file;
        uint8_t musicOn;
        std::vector<std::string> started;  // the media calls after the stops
    } cases[] = {
        {"the market, music on", "[Other]\r\nData6=1\r\n", 1, {"mediaRewind 1", "mediaPlay 1 notify"}},
        {"the western forest, music off", "[Other]\r\nData1=1\r\n", 0, {}},
        {"the cave", "[Other]\r\nData85=1\r\nData86=1\r\nData87=1\r\n", 1, {"mediaRewind 4", "mediaPlay 4 notify"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        s().MusicOn = c.musicOn;
        s().TrackEnabled.fill(c.musicOn);
        writeFile(c.file);
        f.host->calls.clear();
        const int cursor = f.host->cursorCount();
        loadGame(ctx());
        std::vector<std::string> media;
        for (const std::string& call : f.host->calls) {
            if (call.rfind("media", 0) == 0 && call.rfind("mediaStop", 0) != 0) media.push_back(call);
        }
        EXPECT_EQ(f.host->callsStartingWith("mediaStop").size(), 6u);
        EXPECT_EQ(media, c.started);
        for (uint8_t t : s().TrackEnabled) EXPECT_EQ(t, c.musicOn);
        if (ctx().c.Vjeskyni->Visible) {
            EXPECT_TRUE(ctx().c.Start->Enabled);
            EXPECT_EQ(ctx().c.Start->Interval, 100);
            EXPECT_EQ(s().PlayerTurn, 1);
            EXPECT_EQ(s().BottleShrinking, 1);
            EXPECT_EQ(f.host->cursorCount(), cursor - 1);
        } else {
            EXPECT_FALSE(ctx().c.Start->Enabled);
            const auto scene = scenes::shownScene(ctx());
            ASSERT_TRUE(scene);
            for (layout::GifAnimator* g : ctx().c.sceneFaces[static_cast<size_t>(*scene)]) {
                EXPECT_TRUE(g->Animate) << g->Name;
            }
        }
        EXPECT_TRUE(ctx().c.Casodavac->Enabled);
    }
}

TEST_F(SavedGameTest, AGameSavedInTheCaveResumesOnTheSameCellsAndPixels) {
    for (layout::Panel* p : ctx().c.scenes) p->Visible = false;
    ctx().c.Vjeskyni->Visible = true;
    s().InCave = 1;
    s().CaveNumber = 3;
    s().CaveLevel[2] = 1;
    s().DetectiveColumn = 4;
    s().DetectiveRow = 2;
    s().DetectiveX = 392;
    s().DetectiveY = 491;
    s().MonsterColumn = 1;
    s().MonsterRow = 5;
    s().MonsterX = 95;
    s().MonsterY = 194;
    s().DetectiveFacing = 3;
    s().MonsterFacing = 2;
    s().ExitX = 595;
    s().ExitY = 95;
    const GameState saved = s();
    ASSERT_TRUE(saveGame(ctx()));
    EXPECT_TRUE(ctx().c.Start->Enabled) << "the cave goes on under the frame timer";

    s().DetectiveColumn = s().DetectiveRow = s().MonsterColumn = s().MonsterRow = 3;
    s().DetectiveX = s().DetectiveY = s().MonsterX = s().MonsterY = 0;
    s().CaveNumber = 1;
    s().CaveLevel = {};
    ctx().c.Vjeskyni->Visible = false;
    scenes::scenePanel(ctx().c, scenes::Scene::Les6)->Visible = true;
    loadGame(ctx());
    EXPECT_TRUE(ctx().c.Vjeskyni->Visible);
    EXPECT_FALSE(scenes::shownScene(ctx()).has_value());
    for (const char* name :
         {"CaveNumber", "CaveLevel3", "DetectiveColumn", "DetectiveRow", "DetectiveX", "DetectiveY", "MonsterColumn",
          "MonsterRow", "MonsterX", "MonsterY", "DetectiveFacing", "MonsterFacing", "ExitX", "ExitY", "InCave"}) {
        EXPECT_EQ(core::getNumber(s(), name), core::getNumber(saved, name)) << name;
    }
    EXPECT_EQ(s().PlayerTurn, 1) << "the detective to move";
}

TEST(SavedGameRestart, ASavedGameSurvivesARestart) {
    GameFixture first{"saved-restart"};
    first.start();
    scenes::Context& a = first.game->ctx;
    story::startAtScene(a, scenes::Scene::Les5);
    first.game->state.GameInProgress = 1;
    first.game->state.HasRope = 1;
    first.game->state.RopeSlot = 0;
    first.game->state.ItemCount = 1;
    first.game->state.RangerLetsPass = 1;
    scenes::setStoryFlag(a, "Solane", true);
    scenes::setCaption(a, *a.c.Penez, "23");
    ASSERT_TRUE(saveGame(a));
    first.game->close();

    // A new process on the same folder: a new platform and a new game.
    auto host = std::make_unique<platform::HeadlessPlatform>();
    app::Game second(*host, first.folder.string() + "/");
    second.load(testing::standinLayoutBytes(), "stand-in");
    second.create();
    app::GameLoop loop(second);
    loop.runOneTick();
    ASSERT_TRUE(hasSavedGame(second.ctx));
    loadGame(second.ctx);
    EXPECT_TRUE(scenes::sceneShown(second.ctx, scenes::Scene::Les5));
    EXPECT_EQ(second.state.HasRope, 1);
    EXPECT_EQ(second.state.ItemCount, 1);
    EXPECT_EQ(second.state.RangerLetsPass, 1);
    EXPECT_TRUE(scenes::storyFlag(second.ctx, "Solane"));
    EXPECT_EQ(second.c.Penez->Caption, "23");
    second.close();
}

}  // namespace
}  // namespace kvarnel::screens

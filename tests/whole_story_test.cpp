// The better ending played as a player earns it, from a new game on the
// stand-in game: the main line in English with the daughter led home, the
// detective back at the inn winning at the table game by play (a player
// steering the bat from what the table shows), the seven caves, the ending
// chain through Outro4 and Outro6, the credits, and at Exit the two-player
// game's unlocking written to "data.dat". The scripted parts are the same
// files the whole-story scripts use; a failure names the milestone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/game.h"
#include "app/game_loop.h"
#include "app/script.h"
#include "platform/headless/headless_platform.h"
#include "platform/sdl/ttf_text.h"
#include "table_player.h"

namespace kvarnel::app {
namespace {

namespace fs = std::filesystem;

// The game folder as the build lays it out, copied so that the run's renames
// and "data.dat" stay in it.
class StoryRun {
public:
    StoryRun() : folder_(fs::temp_directory_path() / ("kvarnel-story-" + std::to_string(getpid()))) {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        const fs::path build(KVARNEL_BINARY_DIR);
        for (const char* name : {"form1.layout", "fonts.conf"}) fs::copy_file(build / name, folder_ / name);
        for (const char* dir : {"Cursors", "Animations"})
            fs::copy(build / dir, folder_ / dir, fs::copy_options::recursive);
        for (int i = 1; i <= 6; ++i) {
            const std::string midi = "mmid" + std::to_string(i) + ".mid";
            fs::copy_file(build / midi, folder_ / midi);
        }
        host = std::make_unique<platform::HeadlessPlatform>(
            platform::Size{1024, 768}, platform::makeTtfTextRasterizer((folder_ / "fonts.conf").string()));
        game = std::make_unique<Game>(*host, folder_.string() + "/");
        game->loadFromGameFolder();
        game->create();
        loop = std::make_unique<GameLoop>(*game);
    }
    ~StoryRun() { fs::remove_all(folder_); }

    // Plays a script file of tests/scripts (its includes relative to it);
    // on failure the runner's message, which names the line and milestone.
    std::string playFile(const std::string& relative) {
        std::string error;
        const auto script = loadScript(std::string(KVARNEL_SCRIPTS_DIR) + "/" + relative, error);
        return script ? run(*script) : error;
    }
    std::string play(const std::string& text) {
        std::string error;
        const auto script = parseScript(text, "whole_story_test", error);
        return script ? run(*script) : error;
    }

    std::string dataFile() const {
        std::ifstream in(folder_ / "data.dat", std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

    std::unique_ptr<platform::HeadlessPlatform> host;
    std::unique_ptr<Game> game;
    std::unique_ptr<GameLoop> loop;

private:
    std::string run(const Script& script) {
        std::ostringstream out;
        ScriptRunner runner(*game, *loop, out);
        return runner.run(script) == kScriptPassed ? std::string() : out.str();
    }

    fs::path folder_;
};

TEST(WholeStory, TheBetterEndingWonAtTheTableByPlayUnlocksTheTwoPlayerGame) {
    StoryRun r;
    core::GameState& s = r.game->state;
    ASSERT_EQ(r.playFile("parts/main_line_english_1.script"), "");
    ASSERT_EQ(r.playFile("parts/main_line_english_2.script"), "");
    ASSERT_EQ(s.DaughterReturned, 1);
    ASSERT_EQ(s.RangerLetsPass, 1);

    // With the ranger's leave and ten coins, back west to the inn and the
    // publican's table.
    ASSERT_EQ(r.play("# Milestone: back to the inn for the table game.\n"
                     "click Label97\nexpect shown Les4\nclick Label63\nexpect shown Natrzisti\n"
                     "click Label6\nexpect shown Predhospodou\nclick Label3\nexpect shown Vhospode\n"
                     "click Label119\nexpect caption Otazka2 = \"I'll play HandShot.\"\n"
                     "click Otazka2\n"
                     "wait until caption Rozhovor = \"As you wish, give me a buck.\" 10000\n"
                     "wait until shown Rukpal 10000\n"
                     "expect caption Penez = \"10\" and var TableWinnings = 0\n"),
              "");

    // Bets until the winnings reach ten: two won in a row do it. The serve
    // comes from the time of day at each stake.
    r.host->setUtcTime({.hour = 21, .minute = 7, .second = 40, .millisecond = 125});
    testing::TablePlayer player(*r.host, *r.game, *r.loop);
    for (int bet = 1; bet <= 2; ++bet) {
        SCOPED_TRACE(bet);
        ASSERT_EQ(r.play("click Label2\nexpect var TableGameRunning = 1\n"), "");
        ASSERT_GT(player.playBet(true, 6000), 4900) << "the ball kept in play for the whole hundred counts";
    }
    EXPECT_EQ(s.TableWinnings, 10);
    // GO AWAY with the winnings (a further stake would be refused), east to
    // the cave, the seven caves, the ending.
    ASSERT_EQ(r.play("expect caption Penez = \"20\" and shown Label11\n"
                     "# Milestone: from the inn to the ranger's place.\n"
                     "click Label11\nexpect hidden Rukpal and shown Vhospode\n"
                     "wait until var DescriptionsOn = 1 and var PlayerFree = 1 5000\n"
                     "click prechodpredhospodu\nexpect shown Predhospodou\nclick Label5\nexpect shown Natrzisti\n"
                     "click Image158\nexpect shown Les4\nclick Label98\nexpect shown Les5\n"),
              "");
    ASSERT_EQ(r.playFile("parts/into_the_cave.script"), "");
    ASSERT_EQ(r.playFile("parts/caves.script"), "");
    ASSERT_EQ(r.playFile("parts/ending_better_english.script"), "");
    EXPECT_EQ(s.BonusGameUnlocked, 1);

    // Exit from the main menu: the unlocking is kept for the next start.
    ASSERT_EQ(r.play("click 502 574\nwait 100\n"), "");
    ASSERT_TRUE(r.loop->quit());
    EXPECT_NE(r.dataFile().find("Data93=1"), std::string::npos) << r.dataFile();
}

}  // namespace
}  // namespace kvarnel::app

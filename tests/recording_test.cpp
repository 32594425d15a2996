// Recording a session as a script: what a recording holds, that it replays
// to the same state, and that recording the replay writes the same file.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/recording_platform.h"
#include "app/script.h"
#include "game_fixture.h"
#include "platform/sdl/ttf_text.h"

namespace kvarnel::app {
namespace {

using testing::GameFixture;
using testing::standinLayoutBytes;

using testing::readText;

// ---------------------------------------------------------------------------
// The calendar's spelling
// ---------------------------------------------------------------------------
TEST(RecordingCalendar, ReadsADateAndTimeAndGivesTheWeekdayOfTheDate) {
    struct Case {
        const char* date;
        const char* time;
        int weekday;  // as `date +%w` gives it
        int millisecond;
    };
    const Case cases[] = {
        {"2000-01-01", "00:00:00.000", 6, 0},                                          // the headless calendar's start
        {"1970-01-01", "12:30:45", 4, 0},                                              // no milliseconds
        {"2024-02-29", "23:59:59.999", 4, 999},                                        // a leap day
        {"2026-12-31", "23:59:59.250", 4, 250}, {"1900-03-01", "06:07:08.009", 4, 9},  // a century that is no leap year
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.date) + " " + k.time);
        const auto t = parseCalendar(k.date, k.time);
        ASSERT_TRUE(t);
        EXPECT_EQ(t->weekday, k.weekday);
        EXPECT_EQ(t->millisecond, k.millisecond);
        // Written back, it reads the same.
        const std::string text = formatCalendar(*t);
        const auto again = parseCalendar(text.substr(0, 10), text.substr(11));
        ASSERT_TRUE(again) << text;
        EXPECT_EQ(formatCalendar(*again), text);
        EXPECT_EQ(text.substr(0, 10), k.date);
    }
}

TEST(RecordingCalendar, RefusesWhatIsNoDateOrTime) {
    const std::pair<const char*, const char*> cases[] = {
        {"2026-02-29", "10:00:00"},       // not a leap year
        {"2026-13-01", "10:00:00"},       // no such month
        {"2026-04-31", "10:00:00"},       // no such day
        {"2026-1-01", "10:00:00"},        // two digits for the month
        {"2026-12-31", "24:00:00"},       // no such hour
        {"2026-12-31", "23:60:00"},       // no such minute
        {"2026-12-31", "23:59:60"},       // no such second
        {"2026-12-31", "23:59:59.25"},    // three digits for milliseconds
        {"2026-12-31", "23:59:59.250x"},  // something after
        {"2026/12/31", "23:59:59"},      {"0000-01-01", "00:00:00"},
    };
    for (const auto& [date, time] : cases) {
        EXPECT_FALSE(parseCalendar(date, time)) << date << " " << time;
    }
}

TEST(RecordingScriptLines, MalformedLinesNameTheLineAndTheProblem) {
    const std::pair<const char*, const char*> cases[] = {
        {"clock local 2026-02-29 10:00:00",
         "t.txt:1: '2026-02-29 10:00:00' is no valid date and time (YYYY-MM-DD HH:MM:SS[.mmm])"},
        {"clock lunar 2026-01-01 10:00:00", "t.txt:1: expected clock local|utc YYYY-MM-DD HH:MM:SS[.mmm]"},
        {"clock utc", "t.txt:1: expected clock local|utc YYYY-MM-DD HH:MM:SS[.mmm]"},
        {"clock utc 2026-01-01 10:00:00 CET", "t.txt:1: unexpected 'CET' at the end"},
        {"focus away", "t.txt:1: expected focus lost or focus gained"},
        {"screen big", "t.txt:1: expected screen WIDTHxHEIGHT"},
        {"screen 800x0", "t.txt:1: expected screen WIDTHxHEIGHT"},
        {"screen 800x600x32", "t.txt:1: expected screen WIDTHxHEIGHT"},
        {"# head\nscreen 800x600\nwait 10\nscreen 800x600", "t.txt:4: screen must come before every other command"},
        {"wait 10\ndata-file none", "t.txt:2: data-file must come before every other command"},
        {"data-file \"[Other]\"\ndata-file none", "t.txt:2: data-file none after lines of it"},
        {"data-file none\ndata-file \"[Other]\"", "t.txt:2: a line of data-file after data-file none"},
        {"data-file [Other]", "t.txt:1: expected data-file none or data-file \"LINE\""},
    };
    for (const auto& [text, message] : cases) {
        std::string error;
        EXPECT_FALSE(parseScript(text, "t.txt", error)) << text;
        EXPECT_EQ(error, message) << text;
    }
    std::string error;
    const auto script = parseScript(
        "# head\nscreen 800x600\ndata-file \"[Other]\"\ndata-file \"\"\ndata-file \"Key=a \"b\" # c\"\n"
        "clock local 2026-12-24 18:00:00\n",
        "t.txt", error);
    ASSERT_TRUE(script) << error;
    ASSERT_TRUE(script->screen);
    EXPECT_EQ(*script->screen, (platform::Size{800, 600}));
    // Each line whole, quotes and all, with the game's own line ends.
    EXPECT_EQ(script->dataFile, "[Other]\r\n\r\nKey=a \"b\" # c\r\n");
}

// ---------------------------------------------------------------------------
// Sessions
// ---------------------------------------------------------------------------

// A desktop stand-in: the player's input arrives at set times of its clock,
// ending the game's sleep there, as it does on the real desktop.
class ScheduledInput : public platform::HeadlessPlatform {
public:
    explicit ScheduledInput(platform::Size screen)
        : HeadlessPlatform(screen, platform::makeTtfTextRasterizer(KVARNEL_FONTS_CONF)) {}

    // In order of time.
    void at(uint64_t ms, std::function<void(ScheduledInput&)> act) { schedule_.push_back({ms, std::move(act)}); }

    void waitUntil(uint64_t untilMs) override {
        if (!schedule_.empty() && schedule_.front().ms <= untilMs) {
            if (schedule_.front().ms > nowMs()) advanceClock(schedule_.front().ms - nowMs());
            const auto act = std::move(schedule_.front().act);
            schedule_.pop_front();
            act(*this);
            return;
        }
        HeadlessPlatform::waitUntil(untilMs);
    }

    void pointer(platform::Event::Type type, platform::Point p, platform::MouseButton b = platform::MouseButton::Left) {
        platform::Event e;
        e.type = type;
        e.position = p;
        e.button = b;
        pushEvent(e);
    }
    void click(platform::Point p, platform::MouseButton b = platform::MouseButton::Left) {
        pointer(platform::Event::Type::MouseMove, p);
        pointer(platform::Event::Type::MouseDown, p, b);
        pointer(platform::Event::Type::MouseUp, p, b);
    }
    void quit() {
        platform::Event e;
        e.type = platform::Event::Type::Quit;
        pushEvent(e);
    }

private:
    struct Entry {
        uint64_t ms;
        std::function<void(ScheduledInput&)> act;
    };
    std::deque<Entry> schedule_;
};

// What a test changes in the game before start-up and after it, the same
// way for the recorded run and the replay.
struct GameSetup {
    std::function<void(Game&)> beforeLoad;
    std::function<void(Game&)> afterCreate;
};

struct Played {
    int code = 0;
    std::string output;  // what the runner printed
};

class RecordingTest : public ::testing::Test {
protected:
    std::filesystem::path path(const std::string& name) const { return fixture_.folder / name; }
    std::string gameFolder() const { return fixture_.folder.string() + "/"; }

    // Plays `text` on a new headless game, recorded to `record` when named.
    Played play(const std::string& text, const std::string& record = {}, const GameSetup& setup = {}) {
        std::string error;
        const auto script = parseScript(text, "session.script", error);
        EXPECT_TRUE(script) << error;
        if (!script) return {kScriptMalformed, error};
        // A fresh copy of the game has no "data.dat"; a recording brings its own.
        if (!keepDataFile_) std::filesystem::remove(path("data.dat"));
        if (!prepareDataFile(*script, gameFolder(), error)) return {kScriptMalformed, error};
        platform::HeadlessPlatform host(script->screen.value_or(platform::Size{1024, 768}),
                                        platform::makeTtfTextRasterizer(KVARNEL_FONTS_CONF));
        std::unique_ptr<RecordingPlatform> recorder;
        if (!record.empty()) {
            recorder = std::make_unique<RecordingPlatform>(
                host, path(record).string(), RecordingOptions{.scripted = true, .gameFolder = gameFolder()});
        }
        Played run;
        std::ostringstream out;
        session(recorder ? static_cast<platform::Platform&>(*recorder) : host, recorder.get(), setup,
                [&](Game& game, GameLoop& loop) { run.code = ScriptRunner(game, loop, out).run(*script); });
        run.output = out.str();
        return run;
    }

    // Plays the desktop stand-in's input until it quits, recorded to `record`.
    void playLive(ScheduledInput& input, const std::string& record, const GameSetup& setup = {}) {
        std::filesystem::remove(path("data.dat"));
        RecordingPlatform recorder(input, path(record).string(), RecordingOptions{.gameFolder = gameFolder()});
        session(recorder, &recorder, setup, [](Game&, GameLoop& loop) { loop.runUntilQuit(); });
    }

    // One game from start-up to shutdown in the fixture's folder, with the
    // "data.dat" the caller left there.
    void session(platform::Platform& platform, RecordingPlatform* recorder, const GameSetup& setup,
                 const std::function<void(Game&, GameLoop&)>& body) {
        Game game(platform, fixture_.folder.string() + "/");
        if (setup.beforeLoad) setup.beforeLoad(game);
        game.load(standinLayoutBytes(), "stand-in");
        game.create();
        if (setup.afterCreate) setup.afterCreate(game);
        GameLoop loop(game);
        if (recorder) {
            recorder->setDumper([&](std::ostream& out) {
                std::ostringstream ignored;
                ScriptRunner(game, loop, ignored).dump(out);
            });
        }
        body(game, loop);
        if (recorder) recorder->finish();
        if (!loop.quit()) game.close();
    }

    // The replay of a recording must print the state the recording ended
    // in, and recording it must write the same file.
    void expectReplaysAndRecordsAlike(const std::string& record, const GameSetup& setup = {}) {
        const std::string recorded = readText(path(record));
        const std::string dump = readText(path(record + ".dump"));
        ASSERT_NE(dump, "");
        const Played replay = play(recorded, "again.script", setup);
        EXPECT_EQ(replay.code, kScriptPassed) << replay.output;
        EXPECT_EQ(replay.output, dump);
        EXPECT_EQ(readText(path("again.script")), recorded);
        EXPECT_EQ(readText(path("again.script.dump")), dump);
    }

    GameFixture fixture_{"recording"};
    // play() starts from the "data.dat" the last game left.
    bool keepDataFile_ = false;
};

// The table game as a player comes to it, with the bat moved by keys, the
// focus lost for a moment and a pointer dragged about; then the detective
// left idle at the inn for three remarks, each at a time of its own (the
// first two within one wait).
constexpr const char* kTableSession = R"(wait until shown VyberJazyk 30000
click Label124
start-scene Vhospode
set Penez 3
move 500 290
click Label119
click Otazka1
wait until shown Otazka2 and caption Otazka2 = "I'll play HandShot." 60000
click Otazka2
wait until shown Rukpal 10000
clock utc 2026-12-31 23:59:59.250
click Label2
hold Right
wait 400
release Right
key Left
focus lost
wait 300
focus gained
wait until var TableGameRunning = 0 85000
clock utc 2027-01-01 00:00:01.750
click Label2
hold MouseLeft
move 300 290
release MouseLeft
wait until var TableGameRunning = 0 85000
rclick 100 100
wait 500
click Label11
clock local 2026-12-25 18:00:00
wait until caption Popis != "" 20000
wait until caption Popis = "" 20000
clock local 2027-01-04 08:30:00.500
wait until caption Popis != "" 30000
move 600 300
wait until caption Popis = "" 20000
clock local 2027-07-10 23:15:00.750
wait until caption Popis != "" 30000
)";

TEST_F(RecordingTest, AScriptedSessionReplaysToItsStateAndRecordsTheSameFileAgain) {
    const Played original = play(kTableSession, "table.script");
    ASSERT_EQ(original.code, kScriptPassed) << original.output;
    const std::string recorded = readText(path("table.script"));
    // Commands by their points; each bet's clock just before the click
    // whose pass reads it.
    EXPECT_NE(recorded.find("\nscreen 1024x768\n"), std::string::npos) << recorded;
    EXPECT_NE(recorded.find("\nstart-scene Vhospode\nset Penez 3\nmove 500 290\nclick "), std::string::npos)
        << recorded;
    EXPECT_NE(recorded.find("\nclock utc 2026-12-31 23:59:59.250\nclick "), std::string::npos) << recorded;
    EXPECT_NE(recorded.find("\nclock utc 2027-01-01 00:00:01.750\nclick "), std::string::npos) << recorded;
    // The idle remarks' clock before the waits they fall in; the wait that
    // holds two remarks is cut between them.
    EXPECT_NE(recorded.find("\nclock local 2026-12-25 18:00:00.000\nwait "), std::string::npos) << recorded;
    EXPECT_NE(recorded.find("\nclock local 2027-01-04 08:30:00.500\nwait "), std::string::npos) << recorded;
    EXPECT_NE(recorded.find("\nmove 600 300\nclock local 2027-07-10 23:15:00.750\nwait "), std::string::npos)
        << recorded;
    EXPECT_NE(recorded.find("\nhold Right\nwait 400\nrelease Right\nkey Left\nfocus lost\nwait 300\nfocus gained\n"),
              std::string::npos)
        << recorded;
    EXPECT_EQ(recorded.find("Label"), std::string::npos) << "no component by name: " << recorded;
    EXPECT_TRUE(recorded.ends_with("\ndump\n")) << recorded;
    // Two bets were lost, and the last remark is the late hour's.
    const std::string dump = readText(path("table.script.dump"));
    EXPECT_NE(dump.find("TableWinnings = -2"), std::string::npos) << dump;
    EXPECT_NE(dump.find("Popis: \"The midnight is close"), std::string::npos) << dump;
    expectReplaysAndRecordsAlike("table.script");
}

TEST_F(RecordingTest, TheReplayNeedsTheClockLines) {
    // Without them the bets reseed from the replay's own calendar and the
    // balls fly elsewhere, and the detective remarks on another hour.
    play(kTableSession, "table.script");
    const std::string recorded = readText(path("table.script"));
    const std::string dump = readText(path("table.script.dump"));
    for (const char* clock : {"clock utc ", "clock local "}) {
        SCOPED_TRACE(clock);
        std::istringstream lines(recorded);
        std::string without;
        int dropped = 0;
        for (std::string line; std::getline(lines, line);) {
            if (line.starts_with(clock)) {
                ++dropped;
            } else {
                without += line + "\n";
            }
        }
        EXPECT_GE(dropped, 2);
        const Played replay = play(without);
        EXPECT_NE(replay.output, dump);
    }
}

// The player's "data.dat" (the settings and a saved game) goes into the
// recording, and the replay starts from it instead of the developer's.
TEST_F(RecordingTest, ThePlayersSavedGameTravelsWithTheRecording) {
    const Played saving = play(R"(wait until shown VyberJazyk 30000
click Label124
start-scene Les1
set HasKnife 1
set KnifeSlot 0
key Escape
click 505 394
)");
    ASSERT_EQ(saving.code, kScriptPassed) << saving.output;
    keepDataFile_ = true;
    const Played loading = play(R"(wait until shown VyberJazyk 30000
click Label124
click 496 334
wait 500
)",
                                "load.script");
    keepDataFile_ = false;
    ASSERT_EQ(loading.code, kScriptPassed) << loading.output;
    const std::string recorded = readText(path("load.script"));
    const std::string dump = readText(path("load.script.dump"));
    EXPECT_NE(recorded.find("\nscreen 1024x768\ndata-file \"[Other]\"\n"), std::string::npos) << recorded;
    EXPECT_NE(dump.find("\npanels shown: Les1\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("Knife@0"), std::string::npos) << dump;
    // In a folder of its own (play() starts without "data.dat").
    expectReplaysAndRecordsAlike("load.script");

    // Without those lines Load finds nothing.
    std::istringstream lines(recorded);
    std::string without;
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("data-file ")) without += line + "\n";
    }
    const Played replay = play(without);
    EXPECT_EQ(replay.output.find("Les1"), std::string::npos) << replay.output;
}

// A pointer moved and a key pressed at the very moment a game tick is due:
// the tick sees them, live and on the replay, as the player pressed them
// before the tick ran.
TEST_F(RecordingTest, InputThatArrivesWhenATickIsDueComesBeforeTheTick) {
    struct Seen {
        uint64_t ms;
        bool left;
        int x;
        bool operator==(const Seen&) const = default;
    };
    // The game tick only looks at the input, and the frame timer does
    // nothing: every tick's view is kept.
    std::vector<Seen> seen;
    const GameSetup setup{
        .beforeLoad =
            [&seen](Game& game) {
                game.handlers.add("CasodavacTimer", [&seen, &game](const layout::EventArgs&) {
                    seen.push_back({game.platform.nowMs(), game.platform.keyDown(platform::Key::Left),
                                    game.platform.cursorPos().x});
                });
                game.handlers.add("StartTimer", [](const layout::EventArgs&) {});
            },
        .afterCreate =
            [](Game& game) {
                game.c.Casodavac->Interval = 50;
                game.c.Casodavac->Enabled = true;
                game.c.Start->Enabled = false;
            },
    };
    struct Case {
        const char* name;
        std::function<void(ScheduledInput&)> act;
        std::function<bool(const Seen&)> shows;
    };
    const Case cases[] = {
        {"a key", [](ScheduledInput& p) { p.setKey(platform::Key::Left, true); }, [](const Seen& s) { return s.left; }},
        {"a move",
         [](ScheduledInput& p) {
             p.pointer(platform::Event::Type::MouseMove, {321, 123});
         },
         [](const Seen& s) { return s.x == 321; }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        seen.clear();
        ScheduledInput input({1024, 768});
        input.at(1000, k.act);
        input.at(1200, [](ScheduledInput& p) { p.quit(); });
        playLive(input, "tick.script", setup);
        const std::vector<Seen> live = seen;
        const auto tick = std::find_if(live.begin(), live.end(), [](const Seen& s) { return s.ms == 1000; });
        ASSERT_NE(tick, live.end());
        EXPECT_TRUE(k.shows(*tick)) << "the tick at 1000 ms";
        EXPECT_FALSE(k.shows(*(tick - 1))) << "the tick before it";
        EXPECT_NE(readText(path("tick.script")).find("\nwait 999\n"), std::string::npos)
            << readText(path("tick.script"));

        seen.clear();
        expectReplaysAndRecordsAlike("tick.script", setup);
        EXPECT_EQ(seen, live) << "the replay's ticks saw the same";
    }
}

// The desktop route through the real game: the language, New game, the
// menu opened with Escape and closed, a look about the market place, the detective left idle
// till he remarks on the time, then the window closed.
TEST_F(RecordingTest, ALiveSessionReplaysToItsStateAndRecordsTheSameFileAgain) {
    ScheduledInput input({1024, 768});
    Game* game = nullptr;
    const GameSetup setup{.beforeLoad = [&game](Game& g) { game = &g; }, .afterCreate = {}};
    const auto centre = [&game](const char* name) {
        const layout::ScreenRect r = game->screen->visibleRect(*game->layout.findAs<layout::Control>(name));
        return platform::Point{r.x + r.w / 2, r.y + r.h / 2};
    };
    input.at(12000, [&](ScheduledInput& p) { p.click(centre("Label124")); });
    input.at(13000, [](ScheduledInput& p) { p.click({506, 274}); });
    input.at(14000, [](ScheduledInput& p) { p.setKey(platform::Key::Escape, true); });
    input.at(14030, [](ScheduledInput& p) { p.setKey(platform::Key::Escape, false); });
    input.at(14500, [](ScheduledInput& p) { p.click({506, 274}); });  // back to the game
    for (int i = 0; i < 20; ++i) {
        input.at(15000 + 37 * static_cast<uint64_t>(i), [i](ScheduledInput& p) {
            p.pointer(platform::Event::Type::MouseMove, {100 + 40 * i, 300 + 7 * i});
        });
    }
    // A press away from where the pointer was last seen.
    input.at(16000, [](ScheduledInput& p) { p.pointer(platform::Event::Type::MouseDown, {480, 420}); });
    input.at(16090, [](ScheduledInput& p) { p.pointer(platform::Event::Type::MouseUp, {480, 420}); });
    input.at(17000, [](ScheduledInput& p) { p.click({480, 420}, platform::MouseButton::Right); });
    input.at(17500, [](ScheduledInput& p) { p.setActive(false); });
    input.at(18000, [](ScheduledInput& p) { p.setActive(true); });
    // The calendar moves on meanwhile; only a reading of it is recorded.
    input.setLocalTime(*parseCalendar("2026-12-25", "18:00:00.125"));
    input.at(34000, [](ScheduledInput& p) { p.quit(); });
    playLive(input, "live.script", setup);

    const std::string recorded = readText(path("live.script"));
    const std::string dump = readText(path("live.script.dump"));
    EXPECT_NE(dump.find("\npanels shown: Natrzisti\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("Language = 2"), std::string::npos) << dump;
    EXPECT_NE(recorded.find("\nhold Escape\n"), std::string::npos) << recorded;
    EXPECT_NE(recorded.find("\nmove 480 420\nhold MouseLeft\n"), std::string::npos) << recorded;
    EXPECT_NE(recorded.find("\nhold MouseRight\n"), std::string::npos) << recorded;
    EXPECT_NE(recorded.find("\nfocus lost\n"), std::string::npos) << recorded;
    EXPECT_NE(recorded.find("\nfocus gained\nclock local 2026-12-25 18:00:00.125\nwait "), std::string::npos)
        << recorded;
    EXPECT_TRUE(recorded.ends_with("\ndump\n")) << recorded;
    expectReplaysAndRecordsAlike("live.script", setup);
}

TEST_F(RecordingTest, AFileThatCannotBeWrittenIsReportedOnceAndTheGameGoesOn) {
    const std::pair<const char*, const char*> cases[] = {
        {"/nonexistent-folder/session.script", "cannot open the recording /nonexistent-folder/session.script"},
        {"/dev/full", "cannot write the recording /dev/full"},
    };
    for (const auto& [file, message] : cases) {
        SCOPED_TRACE(file);
        ::testing::internal::CaptureStderr();
        platform::HeadlessPlatform host({1024, 768}, platform::makeTtfTextRasterizer(KVARNEL_FONTS_CONF));
        RecordingPlatform recorder(host, file, RecordingOptions{.scripted = true, .gameFolder = gameFolder()});
        std::string error;
        const auto script = parseScript(kTableSession, "session.script", error);
        ASSERT_TRUE(script) << error;
        int code = -1;
        std::ostringstream out;
        session(recorder, &recorder, {},
                [&](Game& game, GameLoop& loop) { code = ScriptRunner(game, loop, out).run(*script); });
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(code, kScriptPassed) << out.str();
        EXPECT_FALSE(recorder.recording());
        const size_t first = err.find(message);
        EXPECT_NE(first, std::string::npos) << err;
        EXPECT_EQ(err.find("without it", err.find("without it", first) + 1), std::string::npos)
            << "reported more than once: " << err;
    }
}

}  // namespace
}  // namespace kvarnel::app

namespace kvarnel::app {
namespace {

// A replay's data.dat in a folder with a data.dat of its own: the folder's
// file is kept aside the first time, and a later replay leaves that copy.
TEST(RecordingDataFile, AFoldersOwnDataFileIsKeptBeforeAReplayReplacesIt) {
    const auto folder = std::filesystem::temp_directory_path() / ("kvarnel-keep-" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "data.dat", std::ios::binary) << "[Nastaveni]\r\nData93=1\r\n";
    const struct {
        const char* script;
        const char* dataAfter;  // null: no data.dat
    } replays[] = {
        {"data-file \"[Nastaveni]\"\ndata-file \"Data90=0\"\nwait 10\n", "[Nastaveni]\r\nData90=0\r\n"},
        {"data-file none\nwait 10\n", nullptr},
    };
    for (const auto& r : replays) {
        std::string error;
        const auto script = parseScript(r.script, "replay.script", error);
        ASSERT_TRUE(script) << error;
        ASSERT_TRUE(prepareDataFile(*script, folder.string() + "/", error)) << error;
        if (r.dataAfter) {
            EXPECT_EQ(readText(folder / "data.dat"), r.dataAfter);
        } else {
            EXPECT_FALSE(std::filesystem::exists(folder / "data.dat"));
        }
        EXPECT_EQ(readText(folder / "data.dat.before-replay"), "[Nastaveni]\r\nData93=1\r\n") << "the folder's own";
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace kvarnel::app

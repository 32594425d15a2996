// The monkey and the invariants it checks: a seed plays the same run every
// time, short runs keep every invariant, each invariant names itself on a
// state broken for it, the whole story keeps them all, and a failing run's
// recording replays to the failing point.
#include "app/monkey.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/recording_platform.h"
#include "app/script.h"
#include "core/countdown.h"
#include "core/items.h"
#include "game_fixture.h"
#include "platform/sdl/ttf_text.h"
#include "scenes/exits.h"
#include "story/movies.h"

namespace kvarnel::app {
namespace {

using testing::GameFixture;
using testing::standinLayoutBytes;

using testing::readText;

// A game in the fixture's folder on a headless platform that draws real
// text, recorded to `record` when it is named, as `kvarnel --headless`
// runs it.
class Session {
public:
    Session(const GameFixture& fixture, const std::filesystem::path& record = {})
        : host_({1024, 768}, platform::makeTtfTextRasterizer(KVARNEL_FONTS_CONF)) {
        const std::string folder = fixture.folder.string() + "/";
        if (!record.empty()) {
            recorder_ = std::make_unique<RecordingPlatform>(host_, record.string(),
                                                            RecordingOptions{.scripted = true, .gameFolder = folder});
        }
        game = std::make_unique<Game>(recorder_ ? static_cast<platform::Platform&>(*recorder_) : host_, folder);
        game->load(standinLayoutBytes(), "stand-in");
        game->create();
        loop = std::make_unique<GameLoop>(*game);
        if (recorder_) {
            recorder_->setDumper([this](std::ostream& out) {
                std::ostringstream ignored;
                ScriptRunner(*game, *loop, ignored).dump(out);
            });
        }
    }
    ~Session() {
        if (recorder_) recorder_->finish();
        if (!loop->quit()) game->close();
    }
    void finish() {
        if (recorder_) recorder_->finish();
    }

private:
    // Before the game, which uses them to its end.
    platform::HeadlessPlatform host_;
    std::unique_ptr<RecordingPlatform> recorder_;

public:
    std::unique_ptr<Game> game;
    std::unique_ptr<GameLoop> loop;
};

// Plays `events` moves of `seed` in a fresh game folder of its own,
// recorded; returns the result, the recording and its final state.
struct MonkeyRun {
    MonkeyResult result;
    std::string script;
    std::string dump;
};
MonkeyRun playMonkey(const std::string& name, uint64_t seed, uint64_t events, Monkey::Checker checker = {},
                     bool drawing = false) {
    GameFixture fixture(name);
    const auto record = fixture.folder / "monkey.script";
    MonkeyRun run;
    {
        Session session(fixture, record);
        session.loop->setDrawing(drawing);
        Monkey monkey(*session.game, *session.loop, seed, std::move(checker));
        run.result = monkey.play(events);
        session.finish();
    }
    run.script = readText(record);
    run.dump = readText(record.string() + ".dump");
    return run;
}

TEST(MonkeyRandom, TheSameSeedGivesTheSameNumbersAndAnotherSeedOthers) {
    MonkeyRandom a(42), b(42), c(43);
    int differ = 0;
    for (int i = 0; i < 100; ++i) {
        const uint64_t x = a.next();
        EXPECT_EQ(x, b.next());
        differ += x != c.next() ? 1 : 0;
        const int32_t d = a.between(-3, 3);
        b.between(-3, 3);
        c.between(-3, 3);
        EXPECT_GE(d, -3);
        EXPECT_LE(d, 3);
    }
    EXPECT_EQ(differ, 100);
}

TEST(Monkey, TheSameSeedPlaysTheSameMovesToTheSameState) {
    // The first run draws every picture, as a watched game does; the monkey
    // does not, and must play the same all the same.
    const MonkeyRun first = playMonkey("monkey-same-a", 7, 1500, {}, true);
    const MonkeyRun again = playMonkey("monkey-same-b", 7, 1500);
    const MonkeyRun other = playMonkey("monkey-same-c", 8, 1500);
    ASSERT_FALSE(first.result.violation) << first.result.violation->detail;
    EXPECT_EQ(first.result.eventsPlayed, 1500u);
    // The recording is the moves, in order, with the game time between.
    EXPECT_EQ(first.script, again.script);
    EXPECT_EQ(first.dump, again.dump);
    EXPECT_NE(first.script, other.script);
    EXPECT_NE(first.script.find("\nclick "), std::string::npos) << first.script.substr(0, 2000);
    EXPECT_NE(first.script.find("\nwait "), std::string::npos);
}

TEST(Monkey, ShortRunsKeepEveryInvariant) {
    for (const uint64_t seed : {11u, 12u}) {
        SCOPED_TRACE(seed);
        GameFixture fixture("monkey-short");
        Session session(fixture);
        Monkey monkey(*session.game, *session.loop, seed);
        const MonkeyResult result = monkey.play(3000);
        EXPECT_FALSE(result.violation) << invariantName(result.violation->which) << ": " << result.violation->detail
                                       << " at event " << result.failingEvent << " (" << monkey.lastMove() << ")";
        EXPECT_FALSE(result.closed);
        EXPECT_EQ(result.eventsPlayed, 3000u);
        // It got past the start-up screens: a language was chosen and game
        // time went by.
        EXPECT_NE(session.game->state.Language, 0);
        EXPECT_GT(session.loop->gameTicks(), 3000u);
    }
}

// A story in progress at the market place, as after the intro.
class InvariantTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.start();
        story::startAtScene(f.game->ctx, scenes::Scene::Natrzisti);
        s().GameInProgress = 1;
        s().Language = 2;
        f.loop->runOneTick();
    }
    core::GameState& s() { return f.game->state; }
    scenes::Controls& c() { return f.game->c; }
    void hold(core::Item item, int32_t slot) {
        const core::ItemInfo& info = core::itemInfo(item);
        s().*info.has = 1;
        s().*info.slot = slot;
    }
    GameFixture f{"invariants"};
};

TEST_F(InvariantTest, EachInvariantNamesItselfOnAStateBrokenForIt) {
    struct Case {
        const char* what;
        Invariant which;
        std::function<void()> breakIt;
    };
    const Case cases[] = {
        {"two locations shown", Invariant::OneView,
         [&] { scenes::scenePanel(c(), scenes::Scene::Les1)->Visible = true; }},
        {"nothing shown during a story", Invariant::OneView,
         [&] { scenes::scenePanel(c(), scenes::Scene::Natrzisti)->Visible = false; }},
        {"two screens shown", Invariant::OneView,
         [&] {
             c().Textanimace[0]->Visible = true;
             c().Titulky->Visible = true;
         }},
        {"the cave over a location", Invariant::OneView, [&] { c().Vjeskyni->Visible = true; }},
        {"ItemCount one more than the items held", Invariant::ItemCount,
         [&] {
             hold(core::Item::Knife, 0);
             s().ItemCount = 2;
         }},
        {"ItemCount below zero", Invariant::ItemCount, [&] { s().ItemCount = -1; }},
        {"two items in one slot", Invariant::ItemSlots,
         [&] {
             hold(core::Item::Knife, 0);
             hold(core::Item::Rope, 0);
             s().ItemCount = 2;
         }},
        {"an item past the last slot", Invariant::ItemSlots,
         [&] {
             hold(core::Item::Food, 1);
             s().ItemCount = 1;
         }},
        {"coins that are no number", Invariant::CountLabels, [&] { c().Penez->Caption = "12a"; }},
        {"bottles shown as nothing", Invariant::CountLabels, [&] { c().Pitiva->Caption = ""; }},
        {"the detective off the cave's cells", Invariant::CaveCells,
         [&] {
             scenes::scenePanel(c(), scenes::Scene::Natrzisti)->Visible = false;
             c().Vjeskyni->Visible = true;
             s().InCave = 1;
             s().CaveNumber = 2;
             for (int32_t core::GameState::*cell : {&core::GameState::DetectiveColumn, &core::GameState::DetectiveRow,
                                                    &core::GameState::MonsterColumn, &core::GameState::MonsterRow}) {
                 s().*cell = 3;
             }
             s().DetectiveColumn = 7;
         }},
        {"a cave past the seventh", Invariant::CaveCells, [&] { s().CaveNumber = 8; }},
        // The game's own tick does not run below, so nothing takes the line
        // away: it outstays its time.
        {"a caption held too long", Invariant::CaptionTimed,
         [&] {
             c().Popis->Caption = "A line that nobody takes away.";
             c().Popis->Visible = true;
         }},
        {"a talk line held too long", Invariant::CaptionTimed,
         [&] {
             c().Rozhovor->Caption = "And a talk line that stays.";
             c().Rozhovor->Visible = true;
         }},
        {"a stuck game", Invariant::PlayerStuck,
         [&] {
             s().PlayerFree = 0;
             s().DescriptionTimerOn = 0;
             s().TalkTimerOn = 0;
             s().SpeechTimerOn = 0;
         }},
    };
    const core::GameState start = s();
    std::vector<std::pair<layout::Control*, bool>> visible;
    std::vector<std::pair<layout::Label*, std::string>> captions;
    for (layout::Component* component : f.game->layout.components()) {
        if (auto* control = layout::as<layout::Control>(component)) visible.emplace_back(control, control->Visible);
        if (auto* label = layout::as<layout::Label>(component)) captions.emplace_back(label, label->Caption);
    }
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        s() = start;
        for (auto& [control, shown] : visible) control->Visible = shown;
        for (auto& [label, caption] : captions) label->Caption = caption;
        InvariantWatch watch;
        // Unbroken, it keeps every invariant for as long as it is watched.
        for (int tick = 0; tick < 5; ++tick) {
            const auto v = watch.afterTick(*f.game);
            ASSERT_FALSE(v) << invariantName(v->which) << ": " << v->detail;
        }
        k.breakIt();
        std::optional<Violation> found;
        // The timed ones need their time: a caption's length at the reading
        // speed, or the stuck bound.
        for (int tick = 0; tick <= kStuckTicks + 1 && !found; ++tick) found = watch.afterTick(*f.game);
        ASSERT_TRUE(found);
        EXPECT_EQ(invariantName(found->which), invariantName(k.which)) << found->detail;
        EXPECT_FALSE(found->detail.empty());
    }
}

TEST_F(InvariantTest, TheTimedOnesFireOnlyWhenTheirTimeIsUp) {
    // Nothing else times a line here.
    s().DescriptionTimerOn = 0;
    s().TalkTimerOn = 0;
    s().SpeechTimerOn = 0;
    for (core::LineTimer& t : s().LineTimer) t.Active = 0;
    // A line of 30 characters at 55 ms each has 1650 ms, and a second more.
    c().Popis->Caption = std::string(30, 'x');
    c().Popis->Visible = true;
    s().SpeechSpeed = 55;
    InvariantWatch lines;
    const int captionTicks = (30 * 55 + kCaptionGraceMs) / core::kCountdownStep;
    for (int tick = 0; tick < captionTicks; ++tick) ASSERT_FALSE(lines.afterTick(*f.game)) << tick;
    EXPECT_TRUE(lines.afterTick(*f.game));
    // The same line while the player answers reply choices does not age.
    InvariantWatch answering;
    c().Otazka[0]->Caption = "A reply.";
    c().Otazka[0]->Visible = true;
    for (int tick = 0; tick < 4 * captionTicks; ++tick) ASSERT_FALSE(answering.afterTick(*f.game)) << tick;

    c().Popis->Caption = "";
    c().Otazka[0]->Visible = false;
    s().PlayerFree = 0;
    InvariantWatch stuck;
    for (int tick = 0; tick < kStuckTicks; ++tick) ASSERT_FALSE(stuck.afterTick(*f.game)) << tick;
    EXPECT_TRUE(stuck.afterTick(*f.game));
    // Anything under way, a countdown here, is no dead end.
    InvariantWatch waiting;
    s().LineTimer[3].Active = 1;
    for (int tick = 0; tick < 2 * kStuckTicks; ++tick) ASSERT_FALSE(waiting.afterTick(*f.game)) << tick;
}

void playWatched(const std::string& name);

TEST(Invariants, HoldThroughTheWholeStory) {
    // The story played to the credits and back to the menu breaks none:
    // what the checks call a fault, the intended play never does.
    for (const char* story : {"story_english.script", "story_czech.script"}) {
        SCOPED_TRACE(story);
        playWatched(story);
    }
}

// Plays a script of tests/scripts with the invariants watched after every tick.
void playWatched(const std::string& name) {
    std::string error;
    const auto script = loadScript(std::string(KVARNEL_SCRIPTS_DIR) + "/" + name, error);
    ASSERT_TRUE(script) << error;
    GameFixture fixture("invariants-story");
    // The story needs the stand-in movies and music the build wrote.
    namespace fs = std::filesystem;
    const fs::path built(KVARNEL_BINARY_DIR);
    for (const char* folder : {"Cursors", "Animations"}) {
        fs::copy(built / folder, fixture.folder / folder,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }
    for (int i = 1; i <= 6; ++i) {
        const std::string midi = "mmid" + std::to_string(i) + ".mid";
        fs::copy_file(built / midi, fixture.folder / midi, fs::copy_options::overwrite_existing);
    }
    ASSERT_TRUE(prepareDataFile(*script, fixture.folder.string() + "/", error)) << error;
    Session session(fixture);
    InvariantWatch watch;
    std::optional<Violation> found;
    uint64_t at = 0;
    session.loop->setTickObserver([&] {
        if (!found && (found = watch.afterTick(*session.game))) at = session.game->platform.nowMs();
    });
    std::ostringstream out;
    EXPECT_EQ(ScriptRunner(*session.game, *session.loop, out).run(*script), kScriptPassed) << out.str();
    EXPECT_FALSE(found) << invariantName(found->which) << " at " << at << " ms: " << found->detail;
    session.loop->setTickObserver({});
}

TEST(Monkey, AFailingRunsRecordingReplaysToTheFailingPoint) {
    // A check that fires on a state the play reaches: the 777th tick.
    uint64_t ticks = 0;
    const Monkey::Checker check = [&ticks](const Game&) -> std::optional<Violation> {
        if (++ticks < 777) return std::nullopt;
        return Violation{Invariant::PlayerStuck, "the test's own check"};
    };
    const MonkeyRun run = playMonkey("monkey-fails", 5, 100000, check);
    ASSERT_TRUE(run.result.violation);
    EXPECT_LT(run.result.failingEvent, 100000u);
    EXPECT_EQ(run.result.eventsPlayed, run.result.failingEvent);
    ASSERT_TRUE(run.script.ends_with("\ndump\n")) << run.script;

    // The replay, as kvarnel --headless --script runs it, in a folder of
    // its own: it ends on the failing tick and prints the same state.
    GameFixture fixture("monkey-replay");
    std::string error;
    const auto script = parseScript(run.script, "monkey.script", error);
    ASSERT_TRUE(script) << error;
    ASSERT_TRUE(prepareDataFile(*script, fixture.folder.string() + "/", error)) << error;
    Session replay(fixture);
    std::ostringstream out;
    EXPECT_EQ(ScriptRunner(*replay.game, *replay.loop, out).run(*script), kScriptPassed) << out.str();
    EXPECT_EQ(out.str(), run.dump);
    EXPECT_EQ(replay.loop->gameTicks(), 777u);
}

}  // namespace
}  // namespace kvarnel::app

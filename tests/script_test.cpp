// Scripted play: the parser's errors, and scripts run against the stand-in
// game on the headless platform.
#include <gtest/gtest.h>

#include <sstream>

#include "app/script.h"
#include "game_fixture.h"
#include "layout/png_codec.h"

namespace kvarnel::app {
namespace {

using testing::GameFixture;

TEST(ScriptParser, MalformedLinesNameTheLineAndTheProblem) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"jump Popis", "t.txt:1: unknown command 'jump'"},
        {"# fine\n\nclick", "t.txt:3: a component name or a point is missing"},
        {"click 10", "t.txt:1: expected X Y"},
        {"key Enter", "t.txt:1: unknown key 'Enter'"},
        {"wait soon", "t.txt:1: expected wait MS or wait until CONDITION"},
        {"wait until shown Popis later", "t.txt:1: the time limit is not a number"},
        {"expect caption Popis \"x\"", "t.txt:1: expected = or != after the label name"},
        {"expect caption Popis = x", "t.txt:1: expected a quoted text"},
        {"expect var PlayerFree = yes", "t.txt:1: the value is neither a number nor a quoted text"},
        {"expect frame Ztoci = one", "t.txt:1: the frame index is not a number"},
        {"expect visible Popis", "t.txt:1: unknown condition 'visible'"},
        {"expect shown Popis extra", "t.txt:1: unexpected 'extra' at the end"},
        {"screenshot", "t.txt:1: a file name is missing"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(parseScript(c.text, "t.txt", error).has_value()) << c.text;
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << c.text << " gave: " << error;
    }
}

TEST(ScriptParser, WellFormedCommands) {
    std::string error;
    const auto script = parseScript(
        "click Popis   # a comment\r\n"
        "rclick 10 20\n"
        "  move Label6\n"
        "key Escape\nhold Left\nrelease Left\nwait 250\n"
        "wait until not caption Popis = \"a # b\" 900\n"
        "expect var CursorFile = \"Cursors\\Kurzor.cur\"\n"
        "expect cursor = \"Cursors\\Kurzor.cur\"\n"
        "expect caption Popis != \"\"\n"
        "dump\nscreenshot out.png\n",
        "t.txt", error);
    ASSERT_TRUE(script) << error;
    ASSERT_EQ(script->commands.size(), 13u);
    const auto& c = script->commands;
    EXPECT_EQ(c[0].name, "Popis");
    EXPECT_TRUE(c[1].atPoint);
    EXPECT_EQ(c[1].y, 20);
    EXPECT_EQ(c[2].line, 3);
    EXPECT_EQ(c[7].kind, ScriptCommand::Kind::WaitUntil);
    EXPECT_TRUE(c[7].condition.negated);
    EXPECT_EQ(c[7].condition.text, "a # b");
    EXPECT_EQ(c[7].ms, 900);
    EXPECT_EQ(c[8].condition.text, "Cursors\\Kurzor.cur");
    EXPECT_TRUE(c[10].condition.notEqual);
}

struct ScriptOutcome {
    int code;
    std::string output;
};

ScriptOutcome runScript(GameFixture& f, const std::string& text) {
    std::string error;
    const auto script = parseScript(text, "s.txt", error);
    if (!script) return {kScriptMalformed, error};
    std::ostringstream out;
    ScriptRunner runner(*f.game, *f.loop, out);
    return {runner.run(*script), out.str()};
}

TEST(ScriptRun, ExpectationsPassOrFailWithWhatWasFound) {
    GameFixture f("script-expect");
    f.start();
    ScriptOutcome r = runScript(f,
                      "expect hidden Natrzisti\n"
                      "expect not shown Natrzisti\n"
                      "expect shown SPanel\n"
                      "expect caption Pitiva = \"10\"\n"
                      "expect var OffsetX = 0\n"
                      "expect var PlayerFree = 1\n"
                      "expect var svyresenypripad = 0\n"
                      "expect var CursorFile = \"Cursors\\Kurzor.cur\"\n"
                      "expect cursor = \"Cursors\\Kurzor.cur\"\n"
                      "expect frame Inventar = 0\n");
    EXPECT_EQ(r.code, kScriptPassed) << r.output;

    r = runScript(f, "wait 100\nexpect caption Pitiva = \"11\"\n");
    EXPECT_EQ(r.code, kScriptFailed);
    EXPECT_NE(r.output.find("s.txt:2: expect caption Pitiva = \"11\""), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("found caption \"10\""), std::string::npos) << r.output;

    r = runScript(f, "expect shown Nobody\n");
    EXPECT_EQ(r.code, kScriptFailed);
    EXPECT_NE(r.output.find("no control named Nobody"), std::string::npos) << r.output;

    r = runScript(f, "click Natrzisti\n");  // hidden: nothing to click
    EXPECT_EQ(r.code, kScriptFailed);
    EXPECT_NE(r.output.find("Natrzisti is not on the screen"), std::string::npos) << r.output;
}

TEST(ScriptRun, ClicksGoThroughHitTestingAndKeysLastOneTick) {
    GameFixture f("script-input");
    std::vector<std::string> seen;
    f.game->handlers.add("BonusHraMouseDown", [&](const layout::EventArgs& a) {
        seen.push_back(std::string(a.button == layout::MouseButton::Right ? "right " : "left ") + a.sender->Name);
    });
    int escapeTicks = 0;
    f.game->handlers.add("CasodavacTimer", [&](const layout::EventArgs&) {
        if (f.host->keyDown(platform::Key::Escape)) ++escapeTicks;
    });
    f.start();
    // Natrzisti shown: its background covers the window where it lies.
    f.game->layout.findAs<layout::Panel>("Natrzisti")->Visible = true;
    const ScriptOutcome r = runScript(f,
                            "click 500 700\n"  // below the scene: the window itself
                            "rclick 500 700\n"
                            "click PozadiNatrzisti\n"  // its own handlers: nothing reaches the window
                            "key Escape\nwait 500\n");
    EXPECT_EQ(r.code, kScriptPassed) << r.output;
    EXPECT_EQ(seen, (std::vector<std::string>{"left Form1", "right Form1"}));
    EXPECT_EQ(escapeTicks, 1);
    // Its centre is covered (by the door of the house): the click went where
    // the background itself is on top.
    const platform::Point p = f.host->cursorPos();
    EXPECT_NE(p, (platform::Point{513, 312}));
    const layout::Control* hit = f.game->screen->hitTest(p.x, p.y);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->Name, "PozadiNatrzisti");
}

TEST(ScriptRun, WaitUntilTicksUntilItHoldsOrGivesUp) {
    GameFixture f("script-wait");
    int ticks = 0;
    f.game->handlers.add("CasodavacTimer", [&](const layout::EventArgs&) {
        if (++ticks == 7) f.game->state.IdleRemarkDue = 1;
    });
    f.start();
    ScriptOutcome r = runScript(f, "wait until var IdleRemarkDue = 1 1000\n");
    EXPECT_EQ(r.code, kScriptPassed) << r.output;
    EXPECT_EQ(ticks, 7);
    r = runScript(f, "wait until var IdleRemarkDue = 0 300\n");
    EXPECT_EQ(r.code, kScriptFailed);
    EXPECT_NE(r.output.find("still not so after 300 ms; found IdleRemarkDue = 1"), std::string::npos) << r.output;
}

TEST(ScriptRun, DumpAndScreenshot) {
    GameFixture f("script-dump");
    f.start();
    f.game->layout.findAs<layout::Panel>("Natrzisti")->Visible = true;
    scenes::setStoryFlag(f.game->ctx, "Sker", true);
    f.game->state.HasKnife = 1;
    f.game->state.KnifeSlot = 3;
    const std::string shot = (f.folder / "shot.png").string();
    const ScriptOutcome r = runScript(f, "dump\nscreenshot " + shot + "\n");
    EXPECT_EQ(r.code, kScriptPassed) << r.output;
    for (const char* part : {"panels shown: Natrzisti\n", "story flags shown: Sker\n", "items: Knife@3\n",
                             "Pitiva: \"10\"\n", "\n  HasKnife = 1", "\n  KnifeSlot = 3"}) {
        EXPECT_NE(r.output.find(part), std::string::npos) << "'" << part << "' not in:\n" << r.output;
    }
    EXPECT_EQ(r.output.find("PlayerFree"), std::string::npos) << "unchanged variables are left out";
    const auto png = f.host->readFile(shot);
    ASSERT_TRUE(png);
    const layout::Image img = layout::decodePng(*png);
    EXPECT_EQ(img.width, 1024);
    EXPECT_EQ(img.height, 768);
    // The market's sky (top of the stand-in background) is light blue; the
    // strip below the scene is the black window.
    const uint32_t sky = img.at(512, 5);
    EXPECT_GT(sky & 0xFF, 0xC0u) << std::hex << sky;
    EXPECT_EQ(img.at(512, 700) & 0xFFFFFF, 0u);
}

}  // namespace
}  // namespace kvarnel::app

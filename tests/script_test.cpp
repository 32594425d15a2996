// Scripted play: the parser's errors, and scripts run against the stand-in
// game on the headless platform.
#include "app/script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <sstream>

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
        {"hold MouseMiddle", "t.txt:1: unknown key or button 'MouseMiddle'"},
        {"expect", "t.txt:1: a condition is missing"},
        {"expect shown Popis and", "t.txt:1: a condition is missing"},
        {"expect shown Popis and and shown Label6", "t.txt:1: unknown condition 'and'"},
        {"expect shown Popis or hidden Label6", "t.txt:1: unexpected 'or hidden Label6' at the end"},
        {"expect shown Popis and visible Label6", "t.txt:1: unknown condition 'visible'"},
        {"expect var SpeechSpeed => 20", "t.txt:1: expected var NAME OP VALUE"},
        {"expect var CursorFile < \"x\"", "t.txt:1: a text compares only with = or !="},
        {"expect frame Inventar == 1", "t.txt:1: expected frame NAME OP N"},
        {"expect interval Casodavac = fast", "t.txt:1: the interval is not a number"},
        {"expect pointer visible", "t.txt:1: expected pointer shown, pointer hidden or pointer at X Y"},
        {"expect pointer at 10", "t.txt:1: expected pointer at X Y"},
        {"expect playing", "t.txt:1: a component name is missing"},
        {"expect enabled", "t.txt:1: a component name is missing"},
        {"expect movie Titulky1 = Intro.swf", "t.txt:1: expected a quoted file name"},
        {"expect movie Titulky1 \"Intro.swf\"", "t.txt:1: expected movie NAME = \"FILE\""},
        {"expect colour Popis = clPink", "t.txt:1: unknown colour 'clPink'"},
        {"expect colour Popis > clRed", "t.txt:1: expected colour NAME = COLOUR"},
        {"expect caption Popis = \"open", "t.txt:1: the quoted text has no closing quote"},
        // Only "wait until" takes a time limit after a text.
        {"expect caption Popis = \"a\" 900", "t.txt:1: unexpected '900' at the end"},
        {"wait until caption Popis = \"a\" 900 more", "t.txt:1: unexpected 'more' at the end"},
        {"wait until shown Popis and hidden Label6 soon", "t.txt:1: the time limit is not a number"},
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
    ASSERT_EQ(c[7].conditions.size(), 1u);
    EXPECT_TRUE(c[7].conditions[0].negated);
    EXPECT_EQ(c[7].conditions[0].text, "a # b");
    EXPECT_EQ(c[7].ms, 900);
    EXPECT_EQ(c[8].conditions[0].text, "Cursors\\Kurzor.cur");
    EXPECT_EQ(c[10].conditions[0].compare, ScriptCondition::Compare::NotEqual);

    // The mouse buttons are held and let go like keys, with their own kinds.
    const auto mouse = parseScript("hold MouseLeft\nrelease MouseRight\nhold Space\n", "t.txt", error);
    ASSERT_TRUE(mouse) << error;
    const auto& m = mouse->commands;
    EXPECT_EQ(m[0].kind, ScriptCommand::Kind::HoldButton);
    EXPECT_EQ(m[0].button, platform::MouseButton::Left);
    EXPECT_EQ(m[1].kind, ScriptCommand::Kind::ReleaseButton);
    EXPECT_EQ(m[1].button, platform::MouseButton::Right);
    EXPECT_EQ(m[2].kind, ScriptCommand::Kind::Hold);
}

// A parsed condition in a compact form: the parts joined with " & ", each
// as [not] KIND [NAME] [OP VALUE], texts in brackets; the time limit of
// "wait until" after "within".
std::string describe(const ScriptCommand& cmd) {
    using K = ScriptCondition::Kind;
    static const char* const kinds[] = {"shown",   "hidden",        "caption",        "var",        "frame",   "cursor",
                                        "called",  "pointer shown", "pointer hidden", "pointer at", "playing", "movie",
                                        "enabled", "interval",      "colour"};
    static const char* const ops[] = {"=", "!=", "<", "<=", ">", ">="};
    std::string out;
    for (const ScriptCondition& part : cmd.conditions) {
        const auto is = [&](std::initializer_list<K> kinds) {
            return std::find(kinds.begin(), kinds.end(), part.kind) != kinds.end();
        };
        if (!out.empty()) out += " & ";
        if (part.negated) out += "not ";
        out += kinds[static_cast<size_t>(part.kind)];
        if (!part.name.empty()) out += " " + part.name;
        if (is({K::PointerAt})) out += " " + std::to_string(part.point.x) + "," + std::to_string(part.point.y);
        if (is({K::Caption, K::Var, K::Frame, K::Cursor, K::Movie, K::Interval, K::Colour})) {
            out += std::string(" ") + ops[static_cast<size_t>(part.compare)];
        }
        if (part.number) {
            out += " " + std::to_string(*part.number);
        } else if (is({K::Caption, K::Var, K::Cursor, K::Called, K::Movie})) {
            out += " [" + part.text + "]";
        }
    }
    if (cmd.kind == ScriptCommand::Kind::WaitUntil) out += " within " + std::to_string(cmd.ms);
    return out;
}

TEST(ScriptParser, IncludesReadRelativeToTheirScriptAndCarryMilestones) {
    // A small in-memory folder: a story that includes a part, which includes
    // another part beside it.
    const std::map<std::string, std::string> files = {
        {"story/parts/a.script", "# Milestone: first part\nwait 10\ninclude b.script\nwait 30\n"},
        {"story/parts/b.script", "# Milestone: second part\nwait 20\n"},
        {"story/loop.script", "include loop.script\n"},
        {"story/bad.script", "wait 1\nwait soon\n"},
    };
    const ScriptReader reader = [&](const std::string& path) -> std::optional<std::string> {
        const auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second;
    };
    std::string error;
    const auto script = parseScript("include parts/a.script\n# Milestone: the end\nexpect var PlayerFree = 1\n",
                                    "story/main.script", error, reader);
    ASSERT_TRUE(script) << error;
    ASSERT_EQ(script->commands.size(), 4u);
    struct Want {
        std::string file;
        int line;
        int64_t ms;
        std::string milestone;
    };
    const Want want[] = {{"story/parts/a.script", 2, 10, "first part"},
                         {"story/parts/b.script", 2, 20, "second part"},
                         {"story/parts/a.script", 4, 30, "second part"},
                         {"story/main.script", 3, 0, "the end"}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(script->commands[i].file, want[i].file) << i;
        EXPECT_EQ(script->commands[i].line, want[i].line) << i;
        EXPECT_EQ(script->commands[i].ms, want[i].ms) << i;
        EXPECT_EQ(script->commands[i].milestone, want[i].milestone) << i;
    }

    // Errors name the file and line where they stand.
    const struct {
        std::string text;
        std::string error;
    } bad[] = {
        {"include missing.script", "story/main.script:1: cannot read story/missing.script"},
        {"wait 5\ninclude loop.script", "story/loop.script:1: include of story/loop.script would read it again"},
        {"include bad.script", "story/bad.script:2: expected wait MS"},
        {"include", "story/main.script:1: a file name is missing"},
    };
    for (const auto& c : bad) {
        EXPECT_FALSE(parseScript(c.text, "story/main.script", error, reader)) << c.text;
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << c.text << " gave: " << error;
    }
    EXPECT_FALSE(parseScript("include parts/a.script", "story/main.script", error));
    EXPECT_EQ(error, "story/main.script:1: include is not possible here");
}

TEST(ScriptParser, ConditionsJoinCompareAndQuote) {
    struct Case {
        const char* line;
        const char* parsed;
    };
    const Case cases[] = {
        {"wait until caption Popis = \"\" and hidden Otazka1 and var PlayerFree = 1",
         "caption Popis = [] & hidden Otazka1 & var PlayerFree = 1 within 60000"},
        {"expect caption Popis = \"\" and caption Rozhovor != \"\"", "caption Popis = [] & caption Rozhovor != []"},
        {"expect not shown Popis and not var PlayerFree = 1", "not shown Popis & not var PlayerFree = 1"},
        // Quotes inside a text: it ends where the line can go on.
        {"expect caption Popis = \"He said \"no\" to me.\"", "caption Popis = [He said \"no\" to me.]"},
        {"expect caption Popis = \"He said \"no\" and left.\" and shown Label6",
         "caption Popis = [He said \"no\" and left.] & shown Label6"},
        {"expect caption Popis = \"\"\"\"", "caption Popis = [\"\"]"},
        {"expect caption Popis = \"a\"and shown Label6\"", "caption Popis = [a\"and shown Label6]"},
        {"wait until caption Popis != \"say \"hi\"\" 900", "caption Popis != [say \"hi\"] within 900"},
        {"wait until caption Popis = \"wait \"5\" 10\"", "caption Popis = [wait \"5\" 10] within 60000"},
        {"wait until caption Popis = \"5\" 10", "caption Popis = [5] within 10"},
        {"wait until caption Popis = \"a # b\" and shown Label6 300 # why",
         "caption Popis = [a # b] & shown Label6 within 300"},
        {"expect var SpeechSpeed >= 20 and frame Inventar != 0 and interval Casodavac < 60 and var OffsetX <= -3 "
         "and frame Ztoci > 1",
         "var SpeechSpeed >= 20 & frame Inventar != 0 & interval Casodavac < 60 & var OffsetX <= -3 & frame Ztoci > 1"},
        {"expect var CursorFile != \"Cursors\\Kurzor.cur\"", "var CursorFile != [Cursors\\Kurzor.cur]"},
        {"expect cursor != \"\" and called \"mediaPlay 3\"", "cursor != [] & called [mediaPlay 3]"},
        {"expect pointer shown and not pointer hidden and pointer at 512 -4",
         "pointer shown & not pointer hidden & pointer at 512,-4"},
        {"expect playing Skladba1 and movie ShockwaveFlash1 = \"Animations\\Intro.swf\" and not enabled Start",
         "playing Skladba1 & movie ShockwaveFlash1 = [Animations\\Intro.swf] & not enabled Start"},
        {"expect movie Titulky1 != \"\" and interval Start = 17", "movie Titulky1 != [] & interval Start = 17"},
        {"expect colour Popis = clMaroon and colour Rozhovor != clNavy and colour Label6 = clBtnFace",
         "colour Popis = 128 & colour Rozhovor != 8388608 & colour Label6 = -2147483633"},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto script = parseScript(c.line, "t.txt", error);
        ASSERT_TRUE(script) << c.line << ": " << error;
        ASSERT_EQ(script->commands.size(), 1u);
        EXPECT_EQ(describe(script->commands[0]), c.parsed) << c.line;
    }
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

    // A failure names the last milestone passed.
    r = runScript(f, "# Milestone: the market at noon\nwait 50\nexpect caption Pitiva = \"99\"\n");
    EXPECT_EQ(r.code, kScriptFailed);
    EXPECT_NE(r.output.find("after the milestone: the market at noon"), std::string::npos) << r.output;

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

// Each condition alone, in an expect, against the game as start-up left it
// (and a few settings made here): whether it holds, and what the failure
// then says it found.
TEST(ScriptRun, ComparisonsTimersAndColours) {
    GameFixture f("script-compare");
    f.start();
    f.game->layout.findAs<layout::Label>("Popis")->Font_.Color = 0x000080;
    f.game->layout.findAs<layout::Label>("Rozhovor")->Font_.Color = 0x123456;
    struct Case {
        const char* condition;
        const char* found;  // null: it holds
    };
    const Case cases[] = {
        {"var OffsetX = 0", nullptr},
        {"var OffsetX != 0", "found OffsetX = 0"},
        {"var OffsetX < 1", nullptr},
        {"var OffsetX < 0", "found OffsetX = 0"},
        {"var OffsetX <= 0", nullptr},
        {"var OffsetX <= -1", "found OffsetX = 0"},
        {"var OffsetX > -1", nullptr},
        {"var OffsetX > 0", "found OffsetX = 0"},
        {"var OffsetX >= 0", nullptr},
        {"var OffsetX >= 1", "found OffsetX = 0"},
        {"not var OffsetX >= 1", nullptr},
        {"var CursorFile != \"Cursors\\Kurzor.cur\"", "found CursorFile = \"Cursors\\Kurzor.cur\""},
        {"var CursorFile != \"Cursors\\Nuz.cur\"", nullptr},
        {"frame Inventar != 1", nullptr},
        {"frame Inventar > 0", "found frame 0"},
        {"cursor != \"Cursors\\Nuz.cur\"", nullptr},
        {"enabled Casodavac", nullptr},
        {"enabled Start", nullptr},
        {"not enabled Start", "found enabled"},
        {"interval Casodavac = 50", nullptr},
        {"interval Casodavac > 50", "found interval 50"},
        {"interval Start < 20", nullptr},
        {"enabled Popis", "found no timer named Popis"},
        {"interval Nobody = 1", "found no timer named Nobody"},
        {"colour Popis = clMaroon", nullptr},
        {"colour Popis = clNavy", "found colour clMaroon"},
        {"colour Popis != clNavy", nullptr},
        {"colour Rozhovor = clMaroon", "found colour $00123456"},
        {"colour Casodavac = clRed", "found no label named Casodavac"},
    };
    for (const Case& c : cases) {
        const ScriptOutcome r = runScript(f, std::string("expect ") + c.condition + "\n");
        if (!c.found) {
            EXPECT_EQ(r.code, kScriptPassed) << c.condition << ": " << r.output;
        } else {
            EXPECT_EQ(r.code, kScriptFailed) << c.condition;
            EXPECT_NE(r.output.find(std::string("failed: ") + c.found + "\n"), std::string::npos)
                << c.condition << ": " << r.output;
        }
    }
    f.game->c.Start->Enabled = false;
    const ScriptOutcome r = runScript(f, "expect not enabled Start and enabled Casodavac\n");
    EXPECT_EQ(r.code, kScriptPassed) << r.output;
}

TEST(ScriptRun, EveryPartMustHoldAndEachIsReported) {
    GameFixture f("script-and");
    f.start();
    auto* popis = f.game->layout.findAs<layout::Label>("Popis");
    popis->Caption = "He said \"no\" to me.";
    ScriptOutcome r =
        runScript(f, "expect caption Popis = \"He said \"no\" to me.\" and var OffsetX = 0 and hidden Natrzisti\n");
    EXPECT_EQ(r.code, kScriptPassed) << r.output;

    r = runScript(f, "expect caption Popis = \"He said \"no\" to me.\" and var OffsetX = 1 and shown Natrzisti\n");
    EXPECT_EQ(r.code, kScriptFailed);
    EXPECT_NE(r.output.find("  failed: found\n"
                            "    caption Popis = \"He said \"no\" to me.\" holds: caption \"He said \"no\" to me.\"\n"
                            "    var OffsetX = 1 fails: OffsetX = 0\n"
                            "    shown Natrzisti fails: hidden\n"),
              std::string::npos)
        << r.output;

    // One part failing is enough, wherever it stands.
    for (const char* line :
         {"expect var OffsetX = 1 and hidden Natrzisti\n", "expect hidden Natrzisti and var OffsetX = 1\n"}) {
        r = runScript(f, line);
        EXPECT_EQ(r.code, kScriptFailed) << line;
    }
    r = runScript(f, "expect hidden Natrzisti and var OffsetX = 0 and shown Nobody\n");
    EXPECT_EQ(r.code, kScriptFailed);
    EXPECT_NE(r.output.find("    shown Nobody fails: no control named Nobody\n"), std::string::npos) << r.output;
}

TEST(ScriptRun, WaitUntilEveryPartHolds) {
    GameFixture f("script-wait-and");
    int ticks = 0;
    f.game->handlers.add("CasodavacTimer", [&](const layout::EventArgs&) {
        ++ticks;
        if (ticks == 4) f.game->state.IdleRemarkDue = 1;
        if (ticks == 9) f.game->layout.findAs<layout::Label>("Popis")->Caption = "He said \"no\" and left.";
    });
    f.start();
    ScriptOutcome r =
        runScript(f, "wait until var IdleRemarkDue = 1 and caption Popis = \"He said \"no\" and left.\" 2000\n");
    EXPECT_EQ(r.code, kScriptPassed) << r.output;
    EXPECT_EQ(ticks, 9);
    r = runScript(f, "wait until var IdleRemarkDue = 1 and caption Popis = \"\" 200\n");
    EXPECT_EQ(r.code, kScriptFailed);
    EXPECT_NE(r.output.find("failed: still not so after 200 ms; found\n"
                            "    var IdleRemarkDue = 1 holds: IdleRemarkDue = 1\n"
                            "    caption Popis = \"\" fails: caption \"He said \"no\" and left.\"\n"),
              std::string::npos)
        << r.output;
}

TEST(ScriptRun, PointerShownHiddenAndWhere) {
    GameFixture f("script-pointer");
    f.start();
    platform::Platform& p = f.game->platform;
    // Shown while the count is 0 or more: -1 hides it, one show brings it back.
    while (f.host->cursorCount() >= 0) p.showCursor(false);
    ScriptOutcome r = runScript(f, "expect pointer hidden and not pointer shown\n");
    EXPECT_EQ(r.code, kScriptPassed) << r.output;
    r = runScript(f, "expect pointer shown\n");
    EXPECT_EQ(r.code, kScriptFailed);
    EXPECT_NE(r.output.find("found pointer count -1 (hidden)"), std::string::npos) << r.output;
    p.showCursor(true);
    r = runScript(f, "expect pointer shown and not pointer hidden\n");
    EXPECT_EQ(r.code, kScriptPassed) << r.output;

    r = runScript(f, "move 300 200\nexpect pointer at 300 200\n");
    EXPECT_EQ(r.code, kScriptPassed) << r.output;
    r = runScript(f, "expect pointer at 300 201\n");
    EXPECT_EQ(r.code, kScriptFailed);
    EXPECT_NE(r.output.find("found pointer at 300 200"), std::string::npos) << r.output;
}

TEST(ScriptRun, MoviesAndMusicPlaying) {
    GameFixture f("script-playing");
    f.start();
    auto* flash = f.game->layout.findAs<layout::ShockwaveFlash>("ShockwaveFlash1");
    ASSERT_NE(flash, nullptr);
    // Never started: the game counts it as playing, and the message says why.
    ScriptOutcome r = runScript(f, "expect movie ShockwaveFlash1 = \"\"\nexpect not playing ShockwaveFlash1\n");
    EXPECT_EQ(r.code, kScriptFailed);
    EXPECT_NE(r.output.find("s.txt:2:"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("found playing (never started)"), std::string::npos) << r.output;

    // A file that is not there stops at once; the name stays.
    f.game->movies.start(*flash, f.game->programFolder + "Animations\\Missing.swf", f.host->nowMs());
    r = runScript(f, "expect not playing ShockwaveFlash1 and movie ShockwaveFlash1 = \"Animations\\Missing.swf\"\n");
    EXPECT_EQ(r.code, kScriptPassed) << r.output;
    r = runScript(f, "expect movie ShockwaveFlash1 = \"Missing.swf\"\n");
    EXPECT_EQ(r.code, kScriptFailed);
    EXPECT_NE(r.output.find("found movie \"Animations\\Missing.swf\""), std::string::npos) << r.output;

    // The stand-in maker's logo (three seconds) plays until its end.
    std::filesystem::copy_file(std::string(KVARNEL_BINARY_DIR) + "/Animations/Data1.quillmoth",
                               f.folder / "Animations" / "Quillmoth.swf",
                               std::filesystem::copy_options::overwrite_existing);
    f.game->movies.start(*flash, f.game->programFolder + "Animations\\Quillmoth.swf", f.host->nowMs());
    r = runScript(f,
                  "expect playing ShockwaveFlash1 and movie ShockwaveFlash1 = \"Animations\\Quillmoth.swf\"\n"
                  "wait 2000\n"
                  "expect playing ShockwaveFlash1\n"
                  "wait until not playing ShockwaveFlash1 2000\n"
                  "expect movie ShockwaveFlash1 = \"Animations\\Quillmoth.swf\"\n");
    EXPECT_EQ(r.code, kScriptPassed) << r.output;

    // The music players, on the headless platform's own bookkeeping.
    platform::Platform& p = f.game->platform;
    p.mediaPlay(0, false);
    r = runScript(f, "expect playing Skladba1 and not playing Skladba2\n");
    EXPECT_EQ(r.code, kScriptPassed) << r.output;
    p.mediaPlay(1, false);
    r = runScript(f, "expect not playing Skladba1 and playing Skladba2\n");
    EXPECT_EQ(r.code, kScriptPassed) << r.output;
    p.mediaStop(1);
    r = runScript(f, "expect playing Skladba2\n");
    EXPECT_EQ(r.code, kScriptFailed);
    EXPECT_NE(r.output.find("found not playing"), std::string::npos) << r.output;

    for (const auto& [line, found] :
         {std::pair{"expect playing Popis\n", "found Popis is neither a movie control nor a music player"},
          std::pair{"expect not playing Nobody\n", "found no component named Nobody"},
          std::pair{"expect movie Popis = \"\"\n", "found no movie control named Popis"}}) {
        r = runScript(f, line);
        EXPECT_EQ(r.code, kScriptFailed) << line;
        EXPECT_NE(r.output.find(found), std::string::npos) << r.output;
    }
}

TEST(ScriptRun, HoldAndReleaseMakeADrag) {
    GameFixture f("script-drag");
    std::vector<std::string> seen;
    const auto record = [&](const char* what) {
        return [&seen, what](const layout::EventArgs& a) {
            seen.push_back(std::string(what) + (a.button == layout::MouseButton::Right ? " right " : " left ") +
                           a.sender->Name + " " + std::to_string(a.x) + " " + std::to_string(a.y));
        };
    };
    f.game->handlers.add("HlavniMenuMouseDown", record("down"));
    f.game->handlers.add("HlavniMenuMouseUp", record("up"));
    f.game->handlers.add("HlavniMenuClick", record("click"));
    f.start();
    f.game->layout.findAs<layout::Panel>("Menu1")->Visible = true;
    auto* menu = f.game->layout.findAs<layout::Control>("HlavniMenu");
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(f.game->screen->hitTest(500, 290), menu);
    const layout::ScreenRect at = f.game->screen->bounds(*menu);
    const auto where = [&](int x, int y) { return std::to_string(x - at.x) + " " + std::to_string(y - at.y); };

    const ScriptOutcome r = runScript(f,
                                      "move 500 290\n"
                                      "hold MouseLeft\n"
                                      "move 300 290\n"
                                      "release MouseLeft\n"
                                      "move 100 120\n"
                                      "hold MouseRight\n"
                                      "release MouseRight\n");
    EXPECT_EQ(r.code, kScriptPassed) << r.output;
    // The press where the drag began, the release (and the click: released
    // over the same control) where it ended; the right button has no click.
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "down left HlavniMenu " + where(500, 290), "click left HlavniMenu " + where(300, 290),
                        "up left HlavniMenu " + where(300, 290), "down right HlavniMenu " + where(100, 120),
                        "up right HlavniMenu " + where(100, 120)}));
}

}  // namespace
}  // namespace kvarnel::app

// Scripted play: a plain-text list of commands that drives the game the way
// a player does (clicks through the real hit testing, keys, waiting) and
// checks what it shows. Used by the tests and by anyone reproducing a bug:
//
//   kvarnel --headless --script FILE
//
// One command a line; '#' starts a comment.
//   click NAME | click X Y        left click on NAME (at the centre of its
//   rclick NAME | rclick X Y      visible part, or where it is not covered
//   move NAME | move X Y          when something lies over the centre), or at
//                                 a screen point; right click; pointer only
//   key KEY                       KEY held down for one game tick
//   hold KEY | release KEY        (Escape Space Left Right Up Down A S)
//   wait MS                       let MS milliseconds of game time pass
//   wait until CONDITION [MS]     tick by tick until it holds (fails after
//                                 MS, default 60000)
//   expect CONDITION              fails the script when it does not hold
//   dump                          prints the state
//   screenshot FILE.png           writes the screen as a PNG
//   start-scene NAME              begin play in a location, as after the intro
//   set NAME VALUE                a game variable or story flag := a number
//   forget calls                  empties the record of platform calls
//                                 (headless only)
// Conditions, each may start with "not":
//   shown NAME | hidden NAME      the control's own visibility
//   caption NAME = "TEXT" | caption NAME != "TEXT"
//   var NAME = VALUE              a game variable or story flag; VALUE is a
//                                 number or "TEXT"
//   frame NAME = N                an animated GIF's frame index
//   cursor = "FILE"               the pointer file loaded last
//   called "TEXT"                 a platform call recorded since the last
//                                 "forget calls" starts with TEXT (headless)
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/game.h"
#include "app/game_loop.h"

namespace kvarnel::app {

struct ScriptCondition {
    enum class Kind : uint8_t { Shown, Hidden, Caption, Var, Frame, Cursor, Called };
    Kind kind = Kind::Shown;
    bool negated = false;
    bool notEqual = false;  // caption ... != ...
    std::string name;
    std::string text;               // caption text, var string value, cursor file
    std::optional<int64_t> number;  // var number, frame index
};

struct ScriptCommand {
    enum class Kind : uint8_t {
        Click,
        RightClick,
        Move,
        Key,
        Hold,
        Release,
        Wait,
        WaitUntil,
        Expect,
        Dump,
        Screenshot,
        StartScene,
        Set,
        ForgetCalls
    };
    Kind kind = Kind::Wait;
    int line = 0;
    std::string source;  // the line as written, for messages
    std::string name;    // component, key or file
    bool atPoint = false;
    int x = 0;
    int y = 0;
    int64_t ms = 0;
    ScriptCondition condition;
};

struct Script {
    std::string fileName;
    std::vector<ScriptCommand> commands;
};

// Parses a whole script. On a malformed line returns nullopt and sets
// `error` to "FILE:LINE: what is wrong".
std::optional<Script> parseScript(std::string_view text, const std::string& fileName, std::string& error);

// Exit codes of a script run.
inline constexpr int kScriptPassed = 0;
inline constexpr int kScriptFailed = 1;
inline constexpr int kScriptMalformed = 2;

class ScriptRunner {
public:
    ScriptRunner(Game& game, GameLoop& loop, std::ostream& out);
    // Runs every command; stops at the first that fails (message on `out`).
    int run(const Script& script);

    // Evaluates a condition now; `found` describes what was seen.
    bool holds(const ScriptCondition& c, std::string& found);
    // The state dump (also used by the "dump" command).
    void dump(std::ostream& out);

private:
    bool execute(const ScriptCommand& c, std::string& failure);
    bool pointOf(const ScriptCommand& c, int& x, int& y, std::string& failure);
    void clickAt(int x, int y, platform::MouseButton button);

    Game& game_;
    GameLoop& loop_;
    std::ostream& out_;
};

}  // namespace kvarnel::app

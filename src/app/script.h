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
//   hold MouseLeft | release MouseLeft   the button pressed or let go where
//   hold MouseRight | release MouseRight the pointer is (for drags)
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
//   clock local|utc YYYY-MM-DD HH:MM:SS[.mmm]   the headless calendar the
//                                 game reads (the weekday follows the date)
//   focus lost | focus gained     the headless program loses or regains
//                                 the focus (the frame timer stops meanwhile)
//   screen WxH                    the headless screen's size; only before
//                                 every other command (the host reads it
//                                 before start-up; --screen overrides it)
//   data-file none | data-file "LINE"   "data.dat" as the game finds it at
//                                 start-up: missing, or these lines (the
//                                 host writes it before start-up); only
//                                 before every other command
//   include FILE                  the commands of FILE, a path relative to
//                                 the including script's folder
// A comment "# Milestone: TEXT" names the stretch of play that follows; a
// failure names the last milestone passed, so a long run says where in the
// story it stopped.
// A CONDITION is one or more parts joined with "and"; it holds when every
// part holds. Each part may start with "not". OP is one of = != < <= > >=;
// texts and colours compare with = or != only.
//   shown NAME | hidden NAME      the control's own visibility
//   caption NAME = "TEXT"         (or !=) a label's caption
//   var NAME OP VALUE             a game variable or story flag; VALUE is a
//                                 number or "TEXT"
//   frame NAME OP N               an animated GIF's frame index
//   cursor = "FILE"               the pointer file loaded last
//   called "TEXT"                 a platform call recorded since the last
//                                 "forget calls" starts with TEXT (headless)
//   pointer shown | pointer hidden   the show/hide count (headless)
//   pointer at X Y                the pointer's position
//   playing NAME                  a movie control's movie or a music player
//                                 Skladba1..6 (headless) is playing
//   movie NAME = "FILE"           the file last started on a movie control,
//                                 relative to the program folder
//   enabled NAME                  a timer is enabled
//   interval NAME OP MS           a timer's interval
//   colour NAME = COLOUR          a label's font colour by its toolkit name
//                                 (clRed, clMaroon, ...)
// A quoted text runs from its opening quote to the first quote after which
// the line goes on with " and" and another part, with the time limit of
// "wait until", or ends; so quotes inside a text need no escaping.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/game.h"
#include "app/game_loop.h"
#include "app/recording_platform.h"

namespace kvarnel::app {

// One part of a condition.
struct ScriptCondition {
    enum class Kind : uint8_t {
        Shown,
        Hidden,
        Caption,
        Var,
        Frame,
        Cursor,
        Called,
        PointerShown,
        PointerHidden,
        PointerAt,
        Playing,
        Movie,
        Enabled,
        Interval,
        Colour
    };
    enum class Compare : uint8_t { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };
    Kind kind = Kind::Shown;
    bool negated = false;
    Compare compare = Compare::Equal;
    std::string name;
    std::string text;               // caption text, var string value, cursor or movie file, call prefix
    std::optional<int64_t> number;  // var number, frame index, interval, colour
    platform::Point point;          // pointer at
    std::string source;             // the part as written, for messages
};

struct ScriptCommand {
    enum class Kind : uint8_t {
        Click,
        RightClick,
        Move,
        Key,
        Hold,
        Release,
        HoldButton,
        ReleaseButton,
        Wait,
        WaitUntil,
        Expect,
        Dump,
        Screenshot,
        StartScene,
        Set,
        ForgetCalls,
        Clock,
        Focus,
        Screen,
        DataFile
    };
    Kind kind = Kind::Wait;
    int line = 0;
    std::string file;       // the script it stands in (an included one, say)
    std::string milestone;  // the last "# Milestone:" before it, if any
    std::string source;     // the line as written, for messages
    std::string name;       // component, key or file
    bool atPoint = false;
    int x = 0;
    int y = 0;
    int64_t ms = 0;
    platform::MouseButton button = platform::MouseButton::Left;  // hold, release
    platform::CalendarTime calendar;                             // clock
    bool dataLine = false;                                       // data-file: a line of the file (in name), not "none"
    std::vector<ScriptCondition> conditions;                     // wait until, expect: every one must hold
};

struct Script {
    std::string fileName;
    std::vector<ScriptCommand> commands;
    // The screen size its `screen` line asks for.
    std::optional<platform::Size> screen;
    // "data.dat" as its `data-file` lines have it (CRLF after each line), or
    // that it is missing; neither when it has no such line.
    std::optional<std::string> dataFile;
    bool dataFileAbsent = false;
};

// Puts "data.dat" into the game folder (which ends in '/') as the script's
// `data-file` lines say, before the game starts; false with `error` set when
// the file cannot be written or removed.
bool prepareDataFile(const Script& script, const std::string& gameFolder, std::string& error);

// Reads an included script by the path written after "include", resolved
// against the including script's folder; nullopt when it cannot be read.
using ScriptReader = std::function<std::optional<std::string>(const std::string& path)>;

// Parses a whole script. On a malformed line returns nullopt and sets
// `error` to "FILE:LINE: what is wrong". Without a reader, "include" is an
// error.
std::optional<Script> parseScript(std::string_view text, const std::string& fileName, std::string& error,
                                  const ScriptReader& reader = {});
// Reads and parses the script file at `path`, with its includes.
std::optional<Script> loadScript(const std::string& path, std::string& error);

// Exit codes of a script run.
inline constexpr int kScriptPassed = 0;
inline constexpr int kScriptFailed = 1;
inline constexpr int kScriptMalformed = 2;

// While the game runs on a RecordingPlatform, the runner tells it every
// command that acts on the game, as the line that replays it (a component
// named by its point), so that recording a scripted run writes a script of
// its own.
class ScriptRunner {
public:
    ScriptRunner(Game& game, GameLoop& loop, std::ostream& out);
    // Runs every command; stops at the first that fails (message on `out`).
    int run(const Script& script);

    // Evaluates one part now; `found` describes what was seen.
    bool holds(const ScriptCondition& c, std::string& found);
    // Evaluates every part now (all of them, so that `found` can tell what
    // was seen for each); true when every part holds. For one part `found`
    // is that of holds(), for several a line for each.
    bool holdsAll(const std::vector<ScriptCondition>& parts, std::string& found);
    // The state dump (also used by the "dump" command).
    void dump(std::ostream& out);
    // Runs one command now, as run() does (the monkey plays its moves
    // through it); false with `failure` set when it fails.
    bool execute(const ScriptCommand& c, std::string& failure);

private:
    bool pointOf(const ScriptCommand& c, int& x, int& y, std::string& failure);
    void clickAt(int x, int y, platform::MouseButton button);

    Game& game_;
    GameLoop& loop_;
    std::ostream& out_;
    RecordingPlatform* recorder_ = nullptr;
};

}  // namespace kvarnel::app

// The monkey: plays the game at random, the way a careless player would,
// and checks the game's invariants after every game tick.
//
//   kvarnel --headless --monkey EVENTS --seed N [--monkey-script FILE]
//
// Each event is one move of a player: a left click on something clickable
// that shows (a description rectangle, an exit, an item on the bar, a reply,
// a language, a menu button), a click or a right click at a random point, a
// key tapped or held for a while (Escape, the arrows, Space, A, S), the
// pointer into the inventory bar or out of it, or a wait, mostly short,
// sometimes long enough for a line to run out or a movie to end. On the menu
// it saves and loads now and then, and starts a new game when none runs;
// it never presses Exit, which would end the run.
//
// It drives the game only through the script runner's commands, which act
// through the platform's input as a player does, and reads the game only to
// pick its targets and to check. The same seed plays the same moves and
// reaches the same state; the game runs on the headless platform's virtual
// clock, as fast as the machine allows.
//
// The moves are recorded as they are played (RecordingPlatform): when an
// invariant breaks, the recording ends right after the tick that broke it,
// so `kvarnel --headless --script FILE` replays the run to that point and
// prints the same state.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/game.h"
#include "app/game_loop.h"
#include "app/invariants.h"
#include "app/script.h"

namespace kvarnel::app {

// The monkey's own generator (SplitMix64): the same on every machine and
// library, so a seed means the same run everywhere.
class MonkeyRandom {
public:
    explicit MonkeyRandom(uint64_t seed) : state_(seed) {}
    uint64_t next();
    // 0 .. n-1; n must be at least 1.
    uint32_t below(uint32_t n) { return static_cast<uint32_t>(next() % n); }
    // lo .. hi, both included.
    int32_t between(int32_t lo, int32_t hi) {
        return lo + static_cast<int32_t>(below(static_cast<uint32_t>(hi - lo + 1)));
    }

private:
    uint64_t state_;
};

struct MonkeyResult {
    uint64_t eventsPlayed = 0;
    // The first broken invariant and the event (1-based) whose play broke it.
    std::optional<Violation> violation;
    uint64_t failingEvent = 0;
    // The game was closed before the last event.
    bool closed = false;
};

class Monkey {
public:
    // Checks the game after a tick; the invariants by default.
    using Checker = std::function<std::optional<Violation>(const Game&)>;

    // The game has been created; `loop` runs it. Takes the loop's tick
    // observer for the run.
    Monkey(Game& game, GameLoop& loop, uint64_t seed, Checker checker = {});
    ~Monkey();
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;

    // Plays up to `events` moves; stops after the tick that breaks an
    // invariant.
    MonkeyResult play(uint64_t events);

    // The move played last, as the script line that plays it, for messages.
    const std::string& lastMove() const { return lastMove_; }

private:
    ScriptCommand nextMove();
    ScriptCommand clickOnSomething();
    ScriptCommand menuMove();
    ScriptCommand keyMove();
    ScriptCommand waitMove();
    ScriptCommand pointerMove(ScriptCommand::Kind kind, int x, int y);
    bool pickTarget(int& x, int& y);
    void randomPoint(int& x, int& y);

    Game& game_;
    GameLoop& loop_;
    MonkeyRandom random_;
    Checker checker_;
    InvariantWatch watch_;
    std::ostringstream ignored_;  // the runner prints nothing the monkey uses
    ScriptRunner runner_;
    // Controls that take a click (an event of the mouse bound), found once.
    std::vector<const layout::Control*> clickable_;
    // Keys held down, and in how many moves each is let go.
    std::vector<std::pair<platform::Key, int>> held_;
    std::optional<Violation> violation_;
    std::string lastMove_;
};

// The monkey's run on the command line: plays in a private copy of the game
// folder `gameDir` (so "data.dat" and the asset files of the real one are
// left alone), prints the result on `out` and returns the exit code: 0 every
// event played with no broken invariant, 1 an invariant broke (the seed, the
// event, the invariant and the state are printed, and the moves so far are
// in `scriptPath`, or in a file in the temporary folder when it is empty).
// `fontsConf` names the font aliases the labels are drawn with.
int runMonkey(const std::string& gameDir, const std::string& fontsConf, uint64_t events, uint64_t seed,
              const std::string& scriptPath, std::ostream& out);

}  // namespace kvarnel::app

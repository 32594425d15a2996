// What must hold of a running game at every moment, whatever the player
// did: one thing on the screen, a consistent inventory, numeric counters,
// texts that go away when their time is up, and never a game that waits
// for nothing while the player cannot act.
//
// Two kinds of check. checkState() looks at one moment and needs no
// history: the saved-game fuzz target runs it after each load, the monkey
// after every game tick. InvariantWatch adds the checks that need time
// (how long a caption has stood, how long the game has sat stuck); it is
// told of every game tick, in order, from the start of a run.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/game.h"

namespace kvarnel::app {

enum class Invariant : uint8_t {
    OneView,       // one location, or one full-screen screen on top (over its location); the menu over either
    ItemCount,     // ItemCount in 0..7 and equal to the items held
    ItemSlots,     // every held item in a slot of its own, 0 .. held-1
    CountLabels,   // the coins, bottles and table coins show a number
    CaveCells,     // CaveNumber 0..7; in a cave the detective and the monster stand on its 6x6 cells
    CaptionTimed,  // a line in Popis or Rozhovor goes when its time is up
    PlayerStuck,   // the player can act, or something is under way that will let them
    Count
};

std::string_view invariantName(Invariant which);

struct Violation {
    Invariant which = Invariant::OneView;
    std::string detail;  // what was found, for the report
};

// The full-screen screens: interludes, movies, the menu, the small games,
// the language screen.
bool fullScreenShown(const Game& game);

// The checks of one moment, in the order of Invariant; the first that fails.
std::optional<Violation> checkState(const Game& game);

// How long a line may outstay its time: its timed length plus this.
inline constexpr int32_t kCaptionGraceMs = 1000;
// Game ticks the game may sit with the player unable to act and nothing
// under way before it counts as stuck. Nothing that could free the player
// is left by definition, so any bound would do; a minute of game time is
// longer than the longest timed line (about 200 characters at the slowest
// 126 ms a character, some 25 s) and than any music track's end the story
// could wait for, so a state that outlives it is not a slow step of the
// story but a dead end.
inline constexpr int kStuckTicks = 1200;

class InvariantWatch {
public:
    // After every game tick: checkState(), then the timed checks.
    std::optional<Violation> afterTick(const Game& game);

private:
    struct CaptionAge {
        std::string text;
        int32_t shownMs = 0;  // game time it stood while the story ran
        int32_t limitMs = 0;  // the longest time the game gave it
    };
    std::optional<Violation> checkCaption(const Game& game, const layout::Label& label, CaptionAge& age);

    std::array<CaptionAge, 2> captions_;  // Popis, Rozhovor
    int stuckTicks_ = 0;
};

}  // namespace kvarnel::app

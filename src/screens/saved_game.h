// The saved game: one set of keys in "data.dat" beside the settings, written
// by Save and read by Load on the main menu. Not a snapshot of memory: it
// records which location panel shows, the pictures whose visibility holds
// the story, a set of story and inventory variables, the coins and drinks on
// the bar and the whole cave; everything else is rebuilt after loading.
//
// The keys and their order are those of the original's file, so a saved
// game moves between the two.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "scenes/context.h"

namespace kvarnel::screens {

// One key of the saved game: what it holds and its value when missing.
struct SavedGameKey {
    std::string_view key;
    enum class Kind : uint8_t {
        Shown,    // the visibility of the component `name`
        Flag,     // the game variable `name`, written as 1 or 0
        Int,      // the game variable `name`
        Caption,  // the number a count label of the bar shows
    } kind;
    std::string_view name;
    int32_t defaultValue = 0;
};

// The 116 keys in the order Save writes and Load reads them.
std::span<const SavedGameKey> savedGameKeys();

// Whether "data.dat" holds a saved game: the file exists and has at least
// one of the keys (after the first exit it holds only the settings).
bool hasSavedGame(const scenes::Context& ctx);

// Writes every key at once and goes back to the game (the cave under its
// frame timer). When the file cannot be written, the previous save stays
// whole and the player is told so, with the file's path. Returns whether
// the game was saved.
bool saveGame(scenes::Context& ctx);

// Reads every key (a missing or damaged one gives its default), rebuilds the
// location with its faces and music, the bar and the cave, and goes on in
// the loaded game. A damaged file still gives a game that can be played:
// one location, items in distinct slots that match their count, cave cells
// on the map. Does nothing when there is no saved game.
void loadGame(scenes::Context& ctx);

}  // namespace kvarnel::screens

// Story sequences: the countdowns that pace the bird at the court, the Bush
// Man in his shrub and the timed lines of the story.
#pragma once

#include "scenes/context.h"

namespace kvarnel::story {

// Step of the game tick: the bird's step and pause countdowns, the Bush
// Man's idle countdown, the inventory placement, then LineTimer11 down to
// LineTimer0, each by its rule.
void advanceSequenceTimers(scenes::Context& ctx);

}  // namespace kvarnel::story

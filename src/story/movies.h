// Movies at the start and at the end of the story, and the first location
// the intro leads to.
#pragma once

#include "scenes/context.h"
#include "scenes/description_table.h"

namespace kvarnel::story {

// Shows a location as the first scene after the intro is shown: every other
// panel hidden, every face stopped but the scene's own, the start movies
// marked as done, the frame timer off, what entering the place sets up, its
// region's music playing, and the text lines arbitrated so that the player
// can look at once.
void startAtScene(scenes::Context& ctx, scenes::Scene s);

}  // namespace kvarnel::story

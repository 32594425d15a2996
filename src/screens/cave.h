// The cave: seven turn-based chase puzzles on a 6 x 6 grid. The detective
// steps toward the exit hole, the monster takes up to two steps toward him
// after each of his; caught, the cave starts over. The seventh holds the
// bottle, and the way out leads to the forest and the ending.
#pragma once

#include "layout/layout.h"
#include "scenes/context.h"

namespace kvarnel::screens {

// Escape at the very start of a frame tick opens the menu over the cave.
void caveEscapeStep(scenes::Context& ctx);
// Its part of the frame timer: runs while the cave has been entered and
// neither the bonus game nor the menu shows.
void caveFrameStep(scenes::Context& ctx);
// DXDraw2Click: the buttons of the message screens.
void bindCaveHandlers(scenes::Context& ctx, layout::HandlerRegistry& handlers);

}  // namespace kvarnel::screens

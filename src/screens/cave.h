// The cave: seven turn-based chase puzzles on a 6 x 6 grid. The detective
// steps toward the exit hole, the monster takes up to two steps toward him
// after each of his; caught, the cave starts over. The seventh holds the
// bottle, and the way out leads to the forest and the ending.
//
// Everything runs on the frame timer (one tick per 100 ms) and in the click
// handler of its surface DXDraw2; the rules of a cave without the screen are
// in cave_rules.h.
#pragma once

#include "core/game_state.h"
#include "layout/layout.h"
#include "scenes/context.h"

namespace kvarnel::screens {

// Escape at the very start of a frame tick opens the menu over the cave.
void caveEscapeStep(scenes::Context& ctx);
// Its part of the frame timer: runs while the cave has been entered and
// neither the bonus game nor the menu shows; draws one of the four screens
// (a cave's introduction, the catch, leaving without the bottle, play).
void caveFrameStep(scenes::Context& ctx);
// DXDraw2Click: the buttons of the message screens.
void bindCaveHandlers(scenes::Context& ctx, layout::HandlerRegistry& handlers);

// Called by Load after a game saved in the cave has been read: the file
// keeps the cells, not what was on screen or half-way through a turn, so
// the cave goes on at the detective's move in the saved cave.
void resumeCaveAfterLoad(scenes::Context& ctx);

// The cave whose maze is active (1..7, from CaveLevel1 .. CaveLevel7), or 0.
int activeCave(const core::GameState& s);

}  // namespace kvarnel::screens

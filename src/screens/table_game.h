// The table game at the inn: one coin a bet, the ball kept on the table
// with the bat until the table clock reaches 100 wins six. The innkeeper
// refuses a player who has lost or won too much, or has no coins.
#pragma once

#include "layout/layout.h"
#include "scenes/context.h"

namespace kvarnel::screens {

// Its part of the frame timer: runs in every frame tick in which neither the
// bonus game nor the menu shows and the cave has not been entered.
void tableFrameStep(scenes::Context& ctx);
// Its part of the game timer while a bet runs (the tick does nothing else).
void tableClockStep(scenes::Context& ctx);
// Label2Click (a bet) and Label11Click (leaving the table).
void bindTableGameHandlers(scenes::Context& ctx, layout::HandlerRegistry& handlers);

}  // namespace kvarnel::screens

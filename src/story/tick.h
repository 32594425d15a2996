// The game tick: everything that is not a direct answer to a click, as one
// fixed sequence of steps every 50 ms of game time. Several steps end the
// tick early so the steps after them wait for the next one.
#pragma once

#include "scenes/context.h"

namespace kvarnel::story {

// The game timer's handler (Casodavac's OnTimer): one tick.
void CasodavacTimer(scenes::Context& ctx);

}  // namespace kvarnel::story

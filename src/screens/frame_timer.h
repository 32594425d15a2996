// The frame timer: the screens drawn on surfaces (main menu, bonus game,
// table game, cave) run from its ticks while it is enabled; the game tick
// stands still meanwhile.
#pragma once

#include "scenes/context.h"

namespace kvarnel::screens {

// The frame timer's handler (Start's OnTimer): one frame. Outside the bonus
// game it keeps the pointer in step with CursorFile and runs the main menu
// while it shows.
void StartTimer(scenes::Context& ctx);

}  // namespace kvarnel::screens

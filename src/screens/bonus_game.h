// The two-player bonus game: a bat at the top and one at the bottom of a
// court, a ball between them, five points win.
#pragma once

#include "scenes/context.h"

namespace kvarnel::screens {

// OK on the menu's two-player page starts a match.
void startBonusGame(scenes::Context& ctx);
// Its part of the frame timer: while its panel shows, the whole frame tick.
void bonusFrameStep(scenes::Context& ctx);
// The game timer's countdown and banners between rallies (the tick does
// nothing else while they run).
void bonusAnimationStep(scenes::Context& ctx);
// The game timer's rally clock while a rally runs.
void bonusClockStep(scenes::Context& ctx);

}  // namespace kvarnel::screens

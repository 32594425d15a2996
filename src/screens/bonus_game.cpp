#include "screens/bonus_game.h"

namespace kvarnel::screens {

void startBonusGame(scenes::Context&) {}
void bonusFrameStep(scenes::Context&) {}
void bonusAnimationStep(scenes::Context&) {}
void bonusClockStep(scenes::Context&) {}

}  // namespace kvarnel::screens

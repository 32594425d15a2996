#include "story/sequences.h"

#include "core/countdown.h"
#include "scenes/inventory.h"

namespace kvarnel::story {

void advanceSequenceTimers(scenes::Context& ctx) {
    core::GameState& s = ctx.state;
    core::advanceRuleC(s.BirdActive, s.BirdStepTime, s.BirdElapsed, s.BirdStepDue, 50);
    core::advanceRuleC(s.BirdPauseOn, s.BirdPause, s.BirdPauseElapsed, s.BirdPauseDue, 50);
    if (s.KrovakIdleOn == 1) core::advanceRuleA(s.KrovakIdleTime, s.KrovakIdleElapsed, s.KrovakIdleDue);
    if (s.ArrangeInventory == 1) scenes::inventoryPlacement(ctx);
    core::advanceRuleC(s.LineTimer[11], 100);
    for (int i = 10; i >= 0; --i) core::advanceRuleB(s.LineTimer[static_cast<size_t>(i)]);
}

}  // namespace kvarnel::story

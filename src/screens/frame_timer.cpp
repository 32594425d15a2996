#include "screens/frame_timer.h"

#include "scenes/inventory.h"

namespace kvarnel::screens {

void StartTimer(scenes::Context& ctx) {
    // The bonus game keeps the pointer it has.
    if (!ctx.c.BonusHra->Visible) scenes::refreshPointer(ctx);
}

}  // namespace kvarnel::screens

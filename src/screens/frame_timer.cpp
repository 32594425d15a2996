#include "screens/frame_timer.h"

#include "scenes/inventory.h"
#include "screens/menu.h"

namespace kvarnel::screens {

void StartTimer(scenes::Context& ctx) {
    // Each screen runs only while its own panel shows: the credits, for
    // one, keep the frame timer on with none of them on screen.
    if (ctx.c.BonusHra->Visible) return;
    // The bonus game keeps the pointer it has.
    scenes::refreshPointer(ctx);
    menuEscapeStep(ctx);
    drawMenu(ctx);
}

}  // namespace kvarnel::screens

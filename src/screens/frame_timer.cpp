#include "screens/frame_timer.h"

#include "scenes/inventory.h"
#include "screens/bonus_game.h"
#include "screens/cave.h"
#include "screens/menu.h"
#include "screens/table_game.h"

namespace kvarnel::screens {

void StartTimer(scenes::Context& ctx) {
    // Each screen runs only while its own panel shows: the credits, for
    // one, keep the frame timer on with none of them on screen.
    if (ctx.c.BonusHra->Visible) {
        // The bonus game's frame is the whole tick; it keeps the pointer it has.
        bonusFrameStep(ctx);
        return;
    }
    caveEscapeStep(ctx);
    scenes::refreshPointer(ctx);
    menuEscapeStep(ctx);
    drawMenu(ctx);
    if (ctx.c.Menu1->Visible) return;
    if (ctx.state.InCave == 1) {
        caveFrameStep(ctx);
    } else {
        tableFrameStep(ctx);
    }
}

}  // namespace kvarnel::screens

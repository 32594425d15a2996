// The failed-use hook: every click on a described thing ends here. An item
// held that nothing has answered goes back to the bar with the detective's
// word on why it is of no use.
#include "scenes/failed_use.h"

namespace kvarnel::scenes {

void FailedUseHook(Context& ctx) {
    core::GameState& s = ctx.state;
    Controls& c = ctx.c;
    s.RudeSpotGuest = 0;
    s.RudeSpotOldMan = 0;
    s.RudeSpotWarrior = 0;
    s.RudeSpotMayor = 0;
    s.RudeSpotDruid = 0;
    s.RudeSpotRanger = 0;
    // Something has answered the click already.
    if (hasText(*c.Popis) || hasText(*c.Rozhovor)) return;
    for (const FailedUseBlock& block : kFailedUseBlocks) {
        if (s.CursorFile != core::itemInfo(block.item).cursor) continue;
        // Drawn even when no reply follows: the sequence of numbers is part
        // of the game.
        s.FailedUseIndex = static_cast<int32_t>(ctx.random.next(11));
        if (s.FailedUseArmed == 1) {
            describe(ctx, block.replies[static_cast<size_t>(s.FailedUseIndex)]);
            s.FailedUseArmed = 0;
            const size_t i = static_cast<size_t>(block.item);
            c.itemTwin[i]->Visible = false;
            c.itemPicture[i]->Visible = true;
            s.ItemTaken = 0;
            s.CursorFile = core::kPlainCursor;
            s.HandsEmpty = 1;
        }
    }
}

}  // namespace kvarnel::scenes

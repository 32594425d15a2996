#include "scenes/item_use.h"

#include <array>

#include "scenes/object_use.h"

namespace kvarnel::scenes {

namespace {

const auto kProcedures = std::to_array<const ItemUseProcedure*>(
    {&kUseOnOldMan, &kUseOnMayor, &kUseOnWarrior, &kUseOnPublican, &kUseOnGuest, &kUseOnDetective});

void answer(Context& ctx, const ItemUseProcedure& p, const ItemReply& r) {
    core::GameState& s = ctx.state;
    Controls& c = ctx.c;
    // The item goes back on the bar, the hands are empty.
    const size_t i = static_cast<size_t>(r.item);
    s.ItemTaken = 0;
    c.itemTwin[i]->Visible = false;
    c.itemPicture[i]->Visible = true;
    s.CursorFile = core::kPlainCursor;
    s.HandsEmpty = 1;
    if (p.holdsPlayer) s.PlayerFree = 0;

    runOps(ctx, p.faces);
    const Text* line = &r.plain;
    if (p.rudeSpot != nullptr && !r.rude.cz.empty() && s.*p.rudeSpot == 1) {
        line = &r.rude;
        s.*p.rudeSpot = 0;
    }
    const std::string_view text = inLanguage(ctx, *line).value_or("");
    if (p.detectiveAnswers) {
        setCaption(ctx, *c.Popis, text);
    } else {
        setCaption(ctx, *c.Rozhovor, text);
        if (r.goesOn) {
            timeLine(ctx, Timing::Talk);
        } else {
            s.EndTalkAfterLine = 1;
            timeLine(ctx, Timing::Speech);
        }
    }
    runOps(ctx, r.effects);
    runOps(ctx, p.always);
}

}  // namespace

std::span<const ItemUseProcedure* const> itemUseProcedures() {
    return kProcedures;
}

const ItemUseProcedure* itemUseProcedure(ItemUse who) {
    for (const ItemUseProcedure* p : kProcedures) {
        if (p->who == who) return p;
    }
    return nullptr;
}

void useItem(Context& ctx, ItemUse who) {
    // The things of the world each have a procedure of their own.
    switch (who) {
        case ItemUse::Bush:
            UseKnifeOnBush(ctx);
            return;
        case ItemUse::Nest:
            ClimbToNest(ctx);
            return;
        case ItemUse::Lawn:
            UseShovelOnLawn(ctx);
            return;
        case ItemUse::Door:
            UseLockPickOnDoor(ctx);
            return;
        default:
            break;
    }
    const ItemUseProcedure* p = itemUseProcedure(who);
    if (p == nullptr) return;
    // While a description line is being spoken nothing answers, and the
    // item stays in the hand.
    if (ctx.state.DescriptionsResume != 1) return;
    const core::Item held = core::itemOfCursor(ctx.state.CursorFile);
    for (const ItemReply& r : p->replies) {
        if (r.item != held || (r.when && !r.when(ctx))) continue;
        answer(ctx, *p, r);
        return;
    }
}

}  // namespace kvarnel::scenes

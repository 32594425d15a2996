#include "scenes/item_use.h"

#include <array>

#include "scenes/failed_use.h"
#include "scenes/object_use.h"

namespace kvarnel::scenes {

namespace {

const auto kProcedures = std::to_array<const ItemUseProcedure*>(
    {&kUseOnOldMan, &kUseOnMayor, &kUseOnWarrior, &kUseOnPublican, &kUseOnGuest, &kUseOnDetective, &kUseOnSheriff,
     &kUseOnBushMan, &kUseOnDruid, &kUseOnRanger, &kUseOnRangerAtHisHotspot});

void answer(Context& ctx, const ItemUseProcedure& p, const ItemReply& r) {
    core::GameState& s = ctx.state;
    Controls& c = ctx.c;
    if (!r.keepsItem) {
        // The item goes back on the bar, the hands are empty.
        const size_t i = static_cast<size_t>(r.item);
        s.ItemTaken = 0;
        c.itemTwin[i]->Visible = false;
        c.itemPicture[i]->Visible = true;
        s.CursorFile = core::kPlainCursor;
        s.HandsEmpty = 1;
    }
    const Text* line = &r.plain;
    Voice voice = r.plainBy;
    if (p.rudeSpot != nullptr && !r.rude.cz.empty() && s.*p.rudeSpot == 1) {
        line = &r.rude;
        voice = r.rudeBy;
        s.*p.rudeSpot = 0;
    }
    const std::string_view text = inLanguage(ctx, *line).value_or("");
    if (p.detectiveAnswers || voice == Voice::Detective) {
        setCaption(ctx, *c.Popis, text);
    } else {
        if (p.holdsPlayer) s.PlayerFree = 0;
        if (r.freesPlayer) s.PlayerFree = 1;
        runOps(ctx, p.faces);
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
    // While a description line is being spoken no row answers, and the
    // item stays in the hand.
    if (ctx.state.DescriptionsResume != 1) {
        if (p->alsoRun) p->alsoRun(ctx);
        if (p->endsWithFailedUseHook) FailedUseHook(ctx);
        return;
    }
    const core::Item held = core::itemOfCursor(ctx.state.CursorFile);
    for (const ItemReply& r : p->replies) {
        if (r.item != held || (r.when && !r.when(ctx))) continue;
        answer(ctx, *p, r);
        break;
    }
    if (p->alsoRun) p->alsoRun(ctx);
    if (p->endsWithFailedUseHook) FailedUseHook(ctx);
}

}  // namespace kvarnel::scenes

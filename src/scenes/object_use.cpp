#include "scenes/object_use.h"

#include "core/items.h"
#include "scenes/inventory.h"

namespace kvarnel::scenes {

namespace {

constexpr Text kNestAgain{"Už jsem tam snad lezl, ne? Tak proč bych tam lezl znova?",
                          "I was there already, so why should I go there again?"};
constexpr Text kLawnRefusal{"Nemám přeci důvod ničit jim tak hezky udržovaný trávník tím, že bych tu začal kopat.",
                            "I have no reason do destroy such a nice grass with digging."};
constexpr Text kDoorWhatFor{
    "I kdyby měl křovák pravdu a i kdybych se jí vloupnul do domku, vůbec nevím, co bych tam měl hledat.",
    "Even if the Bush Man was right and I would break into her house, I don't know what I should be looking for."};
constexpr Text kDoorNoReason{"Nejsem zloděj a nemám důvod k tomu, abych se tu vloupal do domu.",
                             "I am not thief and I have no reason to break into that house."};

bool holding(const Context& ctx, core::Item item) {
    return ctx.state.CursorFile == core::itemInfo(item).cursor && ctx.state.DescriptionsResume == 1;
}

// The item back on the bar, the hands empty.
void putBack(Context& ctx, core::Item item) {
    core::GameState& s = ctx.state;
    const size_t i = static_cast<size_t>(item);
    s.ItemTaken = 0;
    ctx.c.itemTwin[i]->Visible = false;
    ctx.c.itemPicture[i]->Visible = true;
    s.CursorFile = core::kPlainCursor;
    s.HandsEmpty = 1;
}

void armLineTimer(Context& ctx, size_t index) {
    core::GameState& s = ctx.state;
    s.LineTimer[index].Active = 1;
    s.LineTimer[index].Limit = textLength(ctx.c.Popis->Caption) * s.SpeechSpeed;
}

}  // namespace

void UseKnifeOnBush(Context& ctx) {
    if (storyFlag(ctx, "Sker") || !holding(ctx, core::Item::Knife)) return;
    putBack(ctx, core::Item::Knife);
    describe(ctx, kShrubLine);
    ctx.state.PlayerFree = 0;
    armLineTimer(ctx, 3);
}

void ClimbToNest(Context& ctx) {
    // The climb waits for descriptions like every other row, so that a click
    // on the nest cannot start it in the middle of a line or a conversation.
    if (ctx.state.DescriptionsOn != 1) return;
    if (storyFlag(ctx, "Ssplhnastrom")) {
        describe(ctx, kNestAgain);
    } else if (storyFlag(ctx, "Ssplh")) {
        setStoryFlag(ctx, "Ssplhnastrom", true);
        describe(ctx, kNestLine);
        armLineTimer(ctx, 1);
        addItem(ctx, core::Item::LockPick);
    }
}

void UseShovelOnLawn(Context& ctx) {
    core::GameState& s = ctx.state;
    if (!holding(ctx, core::Item::Shovel) || s.DugAtCourt != 0) return;
    if (storyFlag(ctx, "Stequilzakopem")) {
        putBack(ctx, core::Item::Shovel);
        s.DugAtCourt = 1;
        describe(ctx, kCourtDiggingLine);
        s.PlayerFree = 0;
    } else {
        describe(ctx, kLawnRefusal);
    }
}

void UseLockPickOnDoor(Context& ctx) {
    if (!holding(ctx, core::Item::LockPick)) return;
    const bool news = storyFlag(ctx, "SInfoopachatelce");
    if (news && storyFlag(ctx, "Sdrujdovovypraveni")) {
        describe(ctx, kLockPickingLine);
        putBack(ctx, core::Item::LockPick);
        ctx.platform.showCursor(false);
        ctx.state.PlayerFree = 0;
    } else {
        describe(ctx, news ? kDoorWhatFor : kDoorNoReason);
    }
}

}  // namespace kvarnel::scenes

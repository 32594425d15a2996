// The ranger's answers to an item held out to him. He refuses the bottle,
// the knife, the shovel and the lock-pick from a table. The rope and the
// coins are what he asked for: he takes them only when they are held out to
// him, not to his talk hotspot, and taking them depends on the coin count
// and on what he already has, so a procedure of its own handles them.
#include <string>

#include "scenes/failed_use.h"
#include "scenes/inventory.h"
#include "scenes/item_use.h"
#include "scenes/ranger_lines.h"

namespace kvarnel::scenes {

namespace {

using namespace op;
using core::Item;

// His eyes turn to the detective, his mouth talks, the detective's rests.
constexpr auto kRangerLooks = ops(hide("hranicaroci"), show("hranicarocimluva"));
constexpr auto kRangerMouthTalks = ops(hide("hranicarpusa"), show("hranicarmluva"));
constexpr auto kDetectiveListens = ops(show("L5pusa"), hide("L5mluva"));
constexpr auto kRangerFaces = join(kRangerLooks, kRangerMouthTalks, kDetectiveListens, ops(colour(layout::clRed)));

const ItemReply kRangerReplies[] = {
    {.item = Item::Bottle,
     .rude = {"Kam si myslíte, že mě tu Becherovku strčíte, jděte s tím pryč!",
              "Where do you think you are putting that Becherovka? Go away!"},
     .plain = {"Hmm, Becherovku? Ne, radši ne, teď jsem ve službě, hlídám svůj pozemek.",
               "Well, Becherovka. Better not now. I am on duty, watching over my land."}},
    // The knife is the detective's own thought either way.
    {.item = Item::Knife,
     .rude = {"To ho mám jako vykastrovat jen proto, že mě nechce pustit přes svůj pozemek, nejsem magor!",
              "I won't castrate him just because he doesn't want to let me to pass through. I am not an idiot!"},
     .plain = {"Tak do tohodle s tebou nejdu kámo, nechci se do ničeho namočit.",
               "I'll in no way do this. I don't want to involve into anything."},
     .rudeBy = Voice::Detective,
     .plainBy = Voice::Detective},
    {.item = Item::Shovel,
     .rude = {"O co se tou lopatou pokoušíš, to nevím, ale radím ti dobře, přestaň s tím!!!",
              "I don't know what are you trying but I would suggest you to stop it!!!"},
     .plain = {"K čemu by mě asi tak byla lopata? Díky, nechci.", "What would I do with the shovel? No thanks."}},
    {.item = Item::LockPick,
     .rude = {"Přece mu šperhák nebudu strkat . . . eh, . . . kdo ví kam!!!",
              "I am not going to put that crowbar . . . who knows wher!!!"},
     .plain = {"Šperhák? Myslíte že hraničáři je k něčemu dobrej šperhák?",
               "Crowbar? You think that I would get used it?"},
     .rudeBy = Voice::Detective},
};

// --- The rope and the coins ----------------------------------------------------

// The detective, once the ranger has his ten coins.
constexpr Text kNotAnotherCoin{"Už tomu vydřiduchovi nedám ani zlatej!", "I won't give him any single buck!"};
// The ranger, to fewer than ten coins after the rope.
constexpr Text kTenNotLess{"Říkal jsem, že chci deset zlatých, ani o zlatý míň!",
                           "I said that I want ten bucks! Nothing less!"};
// The ranger, to fewer than ten coins before the rope.
constexpr Text kNoSmallChange{"Když už mě chcete dávat peníze, tak mě jich dejte víc, drobný neberu.",
                              "If you want to give me money, then give me more. No change."};

// Coins he talks about: the detective listens, the ranger looks and talks.
constexpr auto kCoinFaces = join(kDetectiveListens, kRangerLooks, kRangerMouthTalks, ops(colour(layout::clRed)));
// Small change before the rope: he looks up but his mouth and the line's
// colour stay as they were.
constexpr auto kSmallChangeFaces = join(kDetectiveListens, kRangerLooks);
constexpr auto kRopeMouths = join(kRangerMouthTalks, kDetectiveListens);
constexpr auto kRopeEyes = join(kRangerLooks, ops(colour(layout::clRed)));

void sayLine(Context& ctx, const Text& t) {
    setCaption(ctx, *ctx.c.Rozhovor, inLanguage(ctx, t).value_or(""));
}

// A refusal that closes the exchange; the coins stay in the hand.
void refuseCoins(Context& ctx, const Text& t) {
    sayLine(ctx, t);
    ctx.state.EndTalkAfterLine = 1;
    timeLine(ctx, Timing::Speech);
}

// He pockets ten coins and still bars the way; the detective's answer and
// RangerPaid follow in the conversation.
void takeTenCoins(Context& ctx, const Text& answer) {
    core::GameState& s = ctx.state;
    Controls& c = ctx.c;
    const size_t money = static_cast<size_t>(Item::Money);
    s.CursorFile = core::kPlainCursor;
    s.PlayerFree = 0;
    s.ItemTaken = 0;
    c.itemPicture[money]->Visible = true;
    c.itemTwin[money]->Visible = false;
    // At "0" the money leaves the bar on the next tick.
    setCaption(ctx, *c.Penez, std::to_string(captionNumber(c.Penez->Caption) - 10));
    sayLine(ctx, answer);
    timeLine(ctx, Timing::Talk);
}

// The coins held out, first matching case; then the rope held out; then the
// failed-use hook. Every coin case and the rope leave a text, so the hook
// only clears the rude spots there; any other item it answers as usual.
void GiveToRanger(Context& ctx) {
    core::GameState& s = ctx.state;
    Controls& c = ctx.c;
    s.RangerMoneyOffered = captionNumber(c.Penez->Caption);
    if (s.CursorFile == core::itemInfo(Item::Money).cursor && s.DescriptionsResume == 1) {
        if (s.RangerPaid == 1) {
            // He has had his ten; the coins stay in the hand.
            describe(ctx, kNotAnotherCoin);
        } else if (s.RangerHasRope == 1 && s.RangerMoneyOffered < 10) {
            runOps(ctx, kCoinFaces);
            refuseCoins(ctx, kTenNotLess);
        } else if (s.RangerHasRope == 1) {
            runOps(ctx, kCoinFaces);
            takeTenCoins(ctx, kRangerR72);
        } else if (s.RangerMoneyOffered == 10) {
            runOps(ctx, kCoinFaces);
            takeTenCoins(ctx, kRangerR69);
        } else if (s.RangerMoneyOffered > 10) {
            runOps(ctx, kCoinFaces);
            takeTenCoins(ctx, kRangerR70);
        } else {
            runOps(ctx, kSmallChangeFaces);
            // His attentive eyes stop taking clicks for good: a click there
            // reaches what lies beneath.
            c.hranicarocimluva->Enabled = false;
            refuseCoins(ctx, kNoSmallChange);
        }
    }
    if (s.CursorFile == core::itemInfo(Item::Rope).cursor) {
        // The rope marks his land; the conversation goes on from his answer.
        runOps(ctx, kRopeMouths);
        s.CursorFile = core::kPlainCursor;
        s.HandsEmpty = 1;
        s.PlayerFree = 0;
        s.ItemTaken = 0;
        removeItem(ctx, Item::Rope);
        runOps(ctx, kRopeEyes);
        sayLine(ctx, kRangerR71);
        timeLine(ctx, Timing::Talk);
    }
    // Last, so that it never answers the rope he is about to take: with no
    // text on screen (the bar is open while an item is held, so descriptions
    // are off) it would put the rope back first.
    FailedUseHook(ctx);
}

}  // namespace

const ItemUseProcedure kUseOnRanger{.who = ItemUse::Ranger,
                                    .faces = kRangerFaces,
                                    .rudeSpot = &core::GameState::RudeSpotRanger,
                                    .holdsPlayer = true,
                                    .replies = kRangerReplies,
                                    .alsoRun = GiveToRanger};
// At his talk hotspot the rope and the coins get the failed-use answer.
const ItemUseProcedure kUseOnRangerAtHisHotspot{.who = ItemUse::RangerAtHisHotspot,
                                                .faces = kRangerFaces,
                                                .rudeSpot = &core::GameState::RudeSpotRanger,
                                                .holdsPlayer = true,
                                                .replies = kRangerReplies};

}  // namespace kvarnel::scenes

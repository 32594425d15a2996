// The Bush Man's answers to an item held out to him, on his body or on his
// talk hotspot. Items reach him only while he is out of his shrub; in it he
// is only a rustle, and the failed-use hook answers instead. He stays out
// while he answers, and the end of the exchange sends him back in. He
// refuses everything but food: the baguette he eats, thanks the detective
// and asks him once more to find his daughter; fed, he will tell what he saw
// on the night of the theft.
#include "scenes/item_use.h"

namespace kvarnel::scenes {

namespace {

using namespace op;
using core::Item;

// He stops stirring in the shrub and stands in full view, talking; the
// detective listens.
constexpr auto kBushManFaces =
    ops(set("KrovakIdleOn", 0), stopAnimation("Krovakvp"), hide("Krovakvp"), show("Krovak"), show("Krovakoci"),
        show("Krovakpusa"), animate("Krovakpusa"), show("Pvpusa"), hide("PvMluva"), colour(layout::clRed));

// The baguette is eaten: gone from the bar for good, and he is fed.
constexpr auto kFed = ops(take(Item::Food), show("Sdejbagetu"));

// Out of the shrub once his stirring has passed its sixth frame.
bool outOfHisShrub(const Context& c) {
    return c.c.Krovakvp->FrameIndex > 6;
}

const ItemReply kBushManReplies[] = {
    {.item = Item::Food,
     .when = outOfHisShrub,
     .plain = {"Děkuji vám, jste hodný, alespoň mě teď nebude tak bolet to břicho, ale najděte mi prosím mojí dcerku.",
               "Thank you, my stomach stopped to ache, but please find my daughter."},
     .effects = kFed},
    {.item = Item::Shovel,
     .when = outOfHisShrub,
     .plain = {"Ach pane, k čemu by mě byla taková lopata?", "Oh sir, what would I do with the shovel?"}},
    {.item = Item::Rope,
     .when = outOfHisShrub,
     .plain = {"Ach pane, já přeci nepotřebuji lano.", "Oh sir, I don't need any rope."}},
    {.item = Item::LockPick,
     .when = outOfHisShrub,
     .plain = {"Ach pane, to si radši nechte, nedovedu si představit, co bych s takovým šperhákem dělal.",
               "Oh sir, keep it, I have no idea what would I do with that crowbar."}},
    {.item = Item::Bottle,
     .when = outOfHisShrub,
     .plain = {"Ach pane, to nemohu přijmout, Becherovku mám rád, ale vím, že jiní z osady po ní touží více.",
               "Oh sir, I cannot take that. I like Becherovka but others need it much more than me."}},
    {.item = Item::Money,
     .when = outOfHisShrub,
     .plain = {"Jsem křovák, ale mám svou hrdost, jen tak si od vás peníze brát nebudu.",
               "I am Bush Man with honor and I won't take money from you like this."}},
    {.item = Item::Knife,
     .when = outOfHisShrub,
     .plain = {"Schovejte to, ještě s tím nožem někomu ublížíte!", "Put it away before you hurt someone!"}},
};

}  // namespace

const ItemUseProcedure kUseOnBushMan{
    .who = ItemUse::BushMan, .faces = kBushManFaces, .holdsPlayer = true, .replies = kBushManReplies};

}  // namespace kvarnel::scenes

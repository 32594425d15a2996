// The sheriff's answers to an item held out to him (his body only; his
// talk hotspot leaves items to the failed-use hook). He takes nothing. The
// druid's knife, the first time, starts the story of the thief; after that
// he politely declines it. Every other item gets one of two lines: nonsense
// while he has had no Becherovka, a plain refusal once he has.
#include "scenes/item_use.h"
#include "scenes/sheriff_lines.h"

namespace kvarnel::scenes {

namespace {

using namespace op;
using core::Item;

// His eyes turn to the detective and his mouth talks; the detective listens.
constexpr auto kSheriffFaces = ops(hide("Serifoci"), show("Serifocimluva"), hide("Serifpusa"), show("Serifmluva"),
                                   show("Vvpusa"), hide("Vvmluva"), colour(layout::clRed));

bool sawKnife(const Context& c) {
    return c.state.SheriffSawKnife == 1;
}
bool notSeenKnife(const Context& c) {
    return !sawKnife(c);
}
bool hadHisDrink(const Context& c) {
    return c.state.BottlesSold == 1;
}
bool withoutDrink(const Context& c) {
    return !hadHisDrink(c);
}

// Every answer but the first to the knife closes the exchange and lets the
// detective go at once, as the polite refusal of the knife does.
const ItemReply kSheriffReplies[] = {
    // Seen before: a polite refusal that sets the detective free.
    {.item = Item::Knife,
     .when = sawKnife,
     .plain = {"Díky, ale jako předmět dotyčný ho nepotřebuju, klidně si ten nůž nechej.",
               "Thanks, but I don't need is as exhibit, feel free to keep it."},
     .freesPlayer = true},
    // The first time: he recognises it, and the talk goes on from here.
    {.item = Item::Knife, .when = notSeenKnife, .plain = kSheriffKnowsTheKnife, .goesOn = true},
    {.item = Item::Rope,
     .when = hadHisDrink,
     .plain = {"Takové lano je mě šerifovi k ničemu.", "Sheriff has no use for the rope."},
     .freesPlayer = true},
    {.item = Item::Rope,
     .when = withoutDrink,
     .plain = {"Jó maminka vždycky říkala, kdo nemá lano, ten jako by květinku ztratil.",
               "My mom used to say: who has no rope, loses his attitude."},
     .freesPlayer = true},
    {.item = Item::Bottle,
     .when = hadHisDrink,
     .plain = {"Děkuji, ale jsem ve službě.", "Thanks but I am on duty."},
     .freesPlayer = true},
    {.item = Item::Bottle,
     .when = withoutDrink,
     .plain = {"To nemohu přijmout, přeci teď nebudu zalívat stoly.",
               "I can't take that, why should I water the table now?"},
     .freesPlayer = true},
    {.item = Item::LockPick,
     .when = hadHisDrink,
     .plain = {"V dohledné době se nechystám nic vypáčit, takže by mi šperhák byl k ničemu.",
               "I ma not going to prize open anything so I have no use for the crowbar."},
     .freesPlayer = true},
    {.item = Item::LockPick,
     .when = withoutDrink,
     .plain = {"Jednou jsem takhle šperhal skleničku, ale ta druhá ne.",
               "Once I was prizing a glass but not the second one."},
     .freesPlayer = true},
    {.item = Item::Food,
     .when = hadHisDrink,
     .plain = {"Hmm, že bych si dal pauzičku na jídlo? Ne, radši až po službě, ale díky za nabídku.",
               "Well, to have something to eat? Better when I am off the work, but thank you."},
     .freesPlayer = true},
    {.item = Item::Food,
     .when = withoutDrink,
     .plain = {"Přece to teď nebudu pít, cožpak jsem nějaký obláček?",
               "I am not going to drink this, you think I am any cloud?"},
     .freesPlayer = true},
    {.item = Item::Shovel,
     .when = hadHisDrink,
     .plain = {"To je divný, přesně takovou lopatu jsem měl, ale teď jí tu nemůžu najít.",
               "That's odd. I used to have shovel like this but I can't find it now."},
     .freesPlayer = true},
    {.item = Item::Shovel,
     .when = withoutDrink,
     .plain = {"Jednou jsi chtěl schody, tak mi tu nevykládej o kaktusech.",
               "You wanted stairs once so don't tell me about cactuses."},
     .freesPlayer = true},
    {.item = Item::Money,
     .when = hadHisDrink,
     .plain = {"Ne, děkuji ty peníze by se ti ještě mohli hodit.", "No thanks, you could have use for this money."},
     .freesPlayer = true},
    {.item = Item::Money,
     .when = withoutDrink,
     .plain = {"Jó, když jsem byl malej rodiče vždycky říkali, s penězma to není jako s hráběmi.",
               "When I was young, my parents said: money, it is not like with rake."},
     .freesPlayer = true},
};

}  // namespace

const ItemUseProcedure kUseOnSheriff{.who = ItemUse::Sheriff,
                                     .faces = kSheriffFaces,
                                     .holdsPlayer = true,
                                     .replies = kSheriffReplies,
                                     .endsWithFailedUseHook = true};

}  // namespace kvarnel::scenes

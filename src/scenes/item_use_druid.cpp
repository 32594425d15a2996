// The druid's answers to an item held out to him. He accepts nothing: he
// congratulates the detective on the bottles, recognises his own knife and
// lets him keep it, and declines the rest kindly. Held out to his rude spot,
// the bottle, the food, the coins and the knife get an offended line of his;
// the rope, the shovel and the lock-pick only a thought of the detective's,
// who thinks better of it, and then the druid neither looks up nor speaks.
#include "scenes/item_use.h"

namespace kvarnel::scenes {

namespace {

using namespace op;
using core::Item;

// His eyes turn to the detective and his mouth talks; the detective looks at
// him and listens.
constexpr auto kDruidFaces =
    ops(hide("Drujdoci"), show("Drujdocimluva"), hide("Drujdpusa"), show("Drujdpusamluva"), hide("L1oci"),
        show("L1ocimluva"), show("L1pusa"), hide("L1mluva"), colour(layout::clRed));

const ItemReply kDruidReplies[] = {
    {.item = Item::Bottle,
     .rude = {"Ó, blahopřeji že jste našel ty láhve Bechorvky, avšak sám sebe se táži, je to důvod k tomu, aby jste "
              "mě je strkal na ono citlivé místo?",
              "Oh, congratulations for discovery of the Becherovka bottles, but I must ask if there is any reason to "
              "put them on my sensitive spots?"},
     .plain = {"Ó, gratuluji vám, že jste našel láhve Becherovky, avšak nechte si to, může se vám to ještě hodit.",
               "Oh, congratulations that you found these bottles but keep them, they may get useful."}},
    {.item = Item::Food,
     .rude = {"Ó, chochó, kam mi tu bagetu strkáte? Dejte jí pryč.",
              "Oh, oh, where are you putting that Bageta. Put it back."},
     .plain = {"Ó, děkuji avšak hladový jsem pouze po poznání nepoznaného.",
               "Oh, thank you, but I am hungry only for knowledge of unknown."}},
    {.item = Item::Money,
     .rude = {"Máte vy ale prapodivné zvyklosti, my tady si předáváme peníze do rukou a né, ehm, takto.",
              "You got really special manners. Here is money given from hand to hand and not, ahem, like this."},
     .plain = {"Ó, děkuji, avšak nežiji rozmarným životem a například křovák by potřeboval peníze více než já.",
               "Oh, thank you, but I don't live profligate live and e.g. Bush Man would need money more than me."}},
    {.item = Item::Rope,
     .rude = {"Sakra, co bych mu tam s tím lanem asi tak dělal?", "Damned, what would I do with the rope there?"},
     .plain = {"Mockrát vám děkuji, avšak k čemu by mě takové lano bylo?",
               "Thank you a lot but I wouldn't get any use for the rope."},
     .rudeBy = Voice::Detective},
    {.item = Item::Knife,
     .rude = {"Ó, klidně si můj nůž můžete nechat, avšak tohle s ním prosím vás nedělejte.",
              "Oh, keep my knife with you, but don't do this to me, please."},
     .plain = {"Ó, to je přeci můj nůž?! Avšak nechejte si ho prozatím u sebe, má prozíravost mi říká, že vám může "
               "být ještě nápomocen.",
               "Oh, that is my knife. But keep it with you for a while; I see that it may get useful to you."}},
    {.item = Item::Shovel,
     .rude = {"Přeci ho nebudu šťouchat lopatou do rozkroku, nejsem magor!",
              "I am not going to play with shovel between his legs, I am not a magoo!"},
     .plain = {"Ne, děkuji, jednou lopatou již disponuji a s tou si hravě vystačím.",
               "No, thanks. I do already have one and that is enough for me."},
     .rudeBy = Voice::Detective},
    {.item = Item::LockPick,
     .rude = {"Tebe bych nechtěl potkat na ulici, kdybys měl šperhák v ruce. Samozřejmě mu nikde strkat šperhák "
              "nebudu!",
              "I wouldn't like to meet YOU on the street with that crowbar. I am not going to put that anywhere!"},
     .plain = {"Děkuji, avšak tohle by mě k ničemu nebylo.", "Thank you but I would have no use for it."},
     .rudeBy = Voice::Detective},
};

}  // namespace

// Every answer of his closes the exchange on the speech countdown and holds
// the detective until it has been spoken.
const ItemUseProcedure kUseOnDruid{.who = ItemUse::Druid,
                                   .faces = kDruidFaces,
                                   .rudeSpot = &core::GameState::RudeSpotDruid,
                                   .holdsPlayer = true,
                                   .replies = kDruidReplies};

}  // namespace kvarnel::scenes

// The detective's answers to an item used where nothing reacts to it: eleven
// lines per item, drawn at random, and the hook that gives them.
#pragma once

#include <array>
#include <string_view>

#include "core/items.h"
#include "scenes/context.h"
#include "scenes/description_table.h"

namespace kvarnel::scenes {

struct FailedUseBlock {
    core::Item item;
    std::array<Text, 11> replies;
};

namespace failed_use_detail {
inline constexpr Text kNoHelp{"Nechápu jak by mi to pomohlo.", "I am not getting how this could help me."};
inline constexpr Text kNoCase{"Tohle mě k vyřešení případu vůbec nepomůže.", "This won't help me to solve the case."};
inline constexpr Text kNowhere{"Tohle nikam nevede.", "This leads nowhere."};
inline constexpr std::string_view kNoPoint = "Tohle nemá cenu.";
}  // namespace failed_use_detail

// In the order the hook tests the held item.
inline constexpr std::array<FailedUseBlock, 7> kFailedUseBlocks = [] {
    using namespace failed_use_detail;
    using core::Item;
    return std::array<FailedUseBlock, 7>{{
        {Item::Rope,
         {{{"Přece tu jen tak nedám svoje lano.", "I won't leave here my rope."},
           {"Na tohle se lano použít nedá.", "You can't use the rope to do this."},
           kNoHelp,
           kNoCase,
           {"Nechápu o co se s tím lanem pokoušíš.", "I am not getting what are you trying."},
           {kNoPoint, "This won't work."},
           {"Lano je tady asi zbytečné.", "The rope is useless here."},
           {"Tohle s lanem udělat nemůžeš.", "You can't do this with the rope."},
           {"Tohle s lanem fakt nejde.", "This won't work with the rope."},
           {"Bohužel, takhle lano použit nelze.", "You cannot use the rope this way."},
           kNowhere}}},
        {Item::Knife,
         {{{"Přece tu jen tak nedám nůž.", "I won't leave my knife here."},
           {"Na tohle se nůž použít nedá.", "You can't use the knife to do this."},
           kNoHelp,
           kNoCase,
           {"Nechápu o co se s tím nožem pokoušíš.", "I am not getting what are you trying."},
           {kNoPoint, "This won't work."},
           {"Nůž je tady asi zbytečný.", "The knife is useless here."},
           {"Tohle s nožem udělat nemůžeš.", "You can't do this with the knife."},
           {"Tohle s nožem fakt nejde.", "This won't work with the knife."},
           {"Bohužel, takhle nůž použit nepůjde.", "You can't use the knife this way."},
           kNowhere}}},
        {Item::Money,
         {{{"Přece tu jen tak nedám peníze.", "I won't leave my money here."},
           {"Peníze se daj použít na ledascos, ale na tohle teda ne.",
            "The money can be used for a lot of things, but not for this."},
           kNoHelp,
           kNoCase,
           {"Nechápu o co se s těma penězma pokoušíš.", "I am not getting what are you trying with the money."},
           {kNoPoint, "This won't work."},
           {"Peníze mi s tímhle nepomůžou.", "The money won't help me with this."},
           {"Tohle s penězma udělat nemůžeš.", "You can't do this with the money."},
           {"Přece tu jen tak nenechám peníze?", "Why I would leave my money here?"},
           {"Bohužel, takhle peníze použit nepůjde.", "You cannot use the money this way."},
           kNowhere}}},
        {Item::LockPick,
         {{{"Přece tu jen tak nedám šperhák?", "I won't leave the crowbar here."},
           {"Na tohle se šperhák použít nedá.", "You can't use the crowbar to do this."},
           kNoHelp,
           kNoCase,
           {"Nechápu o co se s tím šperhákem pokoušíš.",
            "I am not getting what are you trying to do with the crowbar."},
           {kNoPoint, "This won't work."},
           {"Šperhák je tady asi zbytečný.", "The crowbar is useless here."},
           {"Tohle se šperhákem udělat nemůžeš.", "You cannot do this with the crowbar."},
           {"Tohle se šperhákem fakt nejde.", "This can't be done with crowbar."},
           {"Bohužel, takhle šperhák použít nepůjde.", "You can't use the crowbar this way."},
           kNowhere}}},
        {Item::Food,
         {{{"Přece tu jen tak nedám takovou dobrou bagetu?", "I won't leave the Bageta here."},
           {"Na tohle se jídlo použít nedá.", "You cannot use the food on this."},
           kNoHelp,
           kNoCase,
           {"Nechápu o co se s tím jídlem pokoušíš.", "I don't understand what are you trying to do with the food."},
           {kNoPoint, "This won't work."},
           {"Kdepak, na tohle se jídlo použít nedá.", "You can't use the food here."},
           {"Tohle s tou bagetou udělat nemůžeš.", "You cannot do this with the Bageta."},
           {"Tohle s jídlem fakt nejde.", "This is impossible with food."},
           {"Bohužel, takhle tu bagetu použit nepůjde.", "The Bageta cannot be used on this."},
           kNowhere}}},
        // Index 5 has no English line of its own for the bottle; the other
        // items pair that Czech line with "This won't work.", and so does
        // this one rather than show an empty line in English.
        {Item::Bottle,
         {{{"Přece tu jen tak nedám Becherovku.", "I won't leave the Becherovka here."},
           {"Na tohle se Becherovka použít nedá.", "You can't use the Becherovka here."},
           kNoHelp,
           kNoCase,
           {"Nechápu o co se s tou Becherovkou pokoušíš.",
            "I am not getting what are you trying to do with the Becherovka."},
           {kNoPoint, "This won't work."},
           {"Kdepak, na tohle se Becherovka použít nedá.", "You cannot use the Becherovka to do this."},
           {"Tohle s Becherovkou udělat nemůžeš.", "You can't do this with the Becherovka."},
           {"Tohle s Becherovkou fakt nejde.", "This really cannot be done with the Becherovka."},
           {"Bohužel, takhle Becherovku použit nepůjde.", "You really cannot use the Becherovka."},
           kNowhere}}},
        {Item::Shovel,
         {{{"Nevím, co bys tam chtěl vykopat.", "Why would you like to dig there?"},
           {"Na tohle se lopata použít nedá.", "You can't use the shovel here."},
           kNoHelp,
           kNoCase,
           {"Nechápu o co se s tou lopatou pokoušíš.", "I am not getting what do you want to do with the shovel."},
           {kNoPoint, "The shovel cannot be used on this."},
           {"Kdepak, na tohle se lopata použít nedá.", "The shovel cannot be used on this."},
           {"Tohle s lopatou udělat nemůžeš.", "You can't do this with the shovel."},
           {"Tam kopat nemůžeš.", "You can't dig there."},
           {"Bohužel, tady kopat nepůjde.", "We can't dig here."},
           kNowhere}}},
    }};
}();

// Runs at the end of every click on a described thing, an exit that can be
// used with an item and the detective himself: clears the rude-spot flags;
// then, unless a text already answers the click, an item held is answered
// with one of its eleven replies (when FailedUseArmed) and goes back to its
// place on the bar. The draw happens for every held item, armed or not.
void FailedUseHook(Context& ctx);

}  // namespace kvarnel::scenes

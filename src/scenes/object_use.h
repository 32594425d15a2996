// Items used on things: the knife on the dense bush in Les2, the climb to
// the nest in its tall tree, the shovel on the lawn at the court and the
// lock-pick on the criminal's door. Each acts once; a success starts a story
// sequence that the game tick carries on (story/sequences).
#pragma once

#include "scenes/context.h"
#include "scenes/description_table.h"

namespace kvarnel::scenes {

void UseKnifeOnBush(Context& ctx);
// Steps 2 and 3 of the climb: the nest's row shows its own text first.
void ClimbToNest(Context& ctx);
void UseShovelOnLawn(Context& ctx);
void UseLockPickOnDoor(Context& ctx);

// The lines that start the sequences; the tick reacts to their end.
inline constexpr Text kLockPickingLine{
    "O.K., pokusím se tedy otevřít ty dveře a pak musíme co nejrychleji prohledat její dům a najít ten zatracený "
    "nůž.",
    "O.K. I'll try to open this door. We must the be quick and find that damned knife as fast as possible."};
inline constexpr Text kCourtDiggingLine{
    "No jasně! Jak říkal druid, tam kde je spravedlnosti za dosti a tam, kde příroda je v souladu s člověkem deset "
    "lahví Becherovky zakopem.",
    "As the sorcerer said: Where the is enough of justice and the nature is in relationship with human, ten bottles "
    "are hidden underground."};
inline constexpr Text kShrubLine{"S takovýmhle nožem se prosekat tak hustým keřem bude fuška, ale pokusím se.",
                                 "It will be tough work to get through this bush but I will try."};
inline constexpr Text kNestLine{"No jo, teď když umím šplhat, tak si můžu prohlídnout to hnízdo zblízka.",
                                "Well, now when I can climb, I can closely check that nest out."};

}  // namespace kvarnel::scenes

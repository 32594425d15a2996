// The ranger's answers to the coins and the rope that his conversation goes
// on from: the item answers put them into Rozhovor on the talk countdown, and
// his script's steps are keyed on the very same texts.
#pragma once

#include "scenes/description_table.h"

namespace kvarnel::scenes {

// He takes exactly ten coins, surprised, and still bars the way.
inline constexpr Text kRangerR69{
    "Dík za peníze, ani jsem nečekal, že mě někdo dá jen tak deset zlatých, ale stejně vás nepustím.",
    "Thank you for the money. I haven't even expected that someone will give me ten buck but I won't let you "
    "either."};
// He takes ten of more coins offered and still bars the way.
inline constexpr Text kRangerR70{"Mě postačí deset zlatých, díky. Ale přes svůj les vás stejně nepustím.",
                                 "I don't need more money, thanks. But I still won't let you go."};
// He takes the rope to mark his land.
inline constexpr Text kRangerR71{"Výborně, omotám to kolem nějakých stromů a dám tam cedulku že tenhle les patří mě.",
                                 "Great, I will wind it around some trees and add label that these woods are mine."};
// He takes ten coins after the rope and still bars the way.
inline constexpr Text kRangerR72{
    "Hmm, deset zlatých je pěkných, ale já tě stejně nepustím. Sakra, jsem já to ale záporná postava.",
    "Well, thanks for that nice ten bucks but I won't let you anyway. Damned, I am negative character."};

}  // namespace kvarnel::scenes

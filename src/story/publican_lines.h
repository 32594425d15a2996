// The publican's offer, the three reply choices that follow his lines: his
// script sets them after each answer, and the table game sets them again when
// he sends the detective away from the table, so both read them from here.
#pragma once

#include "scenes/description_table.h"

namespace kvarnel::story {

// About the silent guest at the table.
inline constexpr scenes::Text kPublicanAskAboutTheGuest{"Co je s tím člověkem, je vůbec naživu?",
                                                        "What is with that man, is he alive?"};
inline constexpr scenes::Text kPublicanBuyFood{"Koupím si nějaké jídlo na cestu.", "I'll buy some food."};
inline constexpr scenes::Text kPublicanPlayTheTable{"Zahraju si rukpal.", "I'll play HandShot."};

}  // namespace kvarnel::story

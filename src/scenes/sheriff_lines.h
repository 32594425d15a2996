// The sheriff's first answer to the druid's knife: the item answer puts it
// into Rozhovor on the talk countdown, and his script goes on from the very
// same text, so both read it from here.
#pragma once

#include "scenes/description_table.h"

namespace kvarnel::scenes {

inline constexpr Text kSheriffKnowsTheKnife{
    "Vždyť to je nůž od druida! Ten se ztratil společně s tou lahví! Kde jste ho našel?!",
    "This is the Sorcerer's knife. It get lost with the bottle! Where did you found it?"};

}  // namespace kvarnel::scenes

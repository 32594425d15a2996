// Text lines and faces: how a description line is timed, which of the two
// text labels shows, and how the detective's portrait switches to its
// description animation while a Popis line is spoken.
#pragma once

#include "scenes/context.h"

namespace kvarnel::story {

// Steps of the game tick.
// The start of a description line: while the narrator talks, no reply
// choice shows and Popis has text, the detective of the shown scene switches
// to his description animation and the line's countdown is (re)timed from
// its length and SpeechSpeed.
void descriptionStart(scenes::Context& ctx);
// Shows Popis and recomputes DescriptionsOn; Rozhovor, while it has text,
// hides Popis.
void labelArbitration(scenes::Context& ctx);
// The plain end of a description line: Popis cleared, the detective's face
// back at rest, descriptions on again where the player is free.
void plainDescriptionEnd(scenes::Context& ctx);

}  // namespace kvarnel::story

// Story sequences: the detective's scripted monologues and the black
// interludes where hours pass, carried by the game tick in two ways: the end
// of certain Popis lines leads to the next step (description continuations),
// and twelve sequence countdowns LineTimer0 .. LineTimer11 pace the rest.
// The same step of the tick keeps the bird at the court and the Bush Man in
// his shrub alive.
#pragma once

#include <span>

#include "scenes/context.h"
#include "scenes/description_table.h"

namespace kvarnel::story {

// Steps of the game tick.
// When a Popis line has ended and it is none of the ending's lines: the
// continuations in their order. True when one put a new line in Popis and
// so ends the tick (DescriptionExpired is then cleared); false when the
// plain end of the line follows.
bool descriptionContinuation(scenes::Context& ctx);
// The bird's and the Bush Man's countdowns and their reactions, the
// inventory placement, then LineTimer11 down to LineTimer0, each advanced
// and reacted to. True when a reaction ends the tick.
bool advanceSequenceTimers(scenes::Context& ctx);

// Starters that other rules call.
// The old man's story of his climb has reached its end: the black panel with
// "four hours later" is up; LineTimer0 times it by its caption.
void startFourHoursInterlude(scenes::Context& ctx);

// The sequences' lines, for the checks of the conversations they lead into.
// What LineTimer0 puts into Rozhovor and Otazka1 after the four hours.
const scenes::Text& fourHoursLaterLine();
const scenes::Text& fourHoursLaterChoice();
// The Bush Man's thanks when his daughter is back.
const scenes::Text& bushManThanksLine();
// Every Popis line a continuation reacts to, in the order they are tested.
std::span<const scenes::Text* const> continuedLines();

}  // namespace kvarnel::story

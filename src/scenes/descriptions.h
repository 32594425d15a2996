// Looking at things: every hotspot rectangle of every location leads to one
// row of its scene's description table (description_table.h), whose
// procedure shows the row's text in Popis, hands a held item to the row's
// item-use step and ends with the failed-use hook, which answers an item
// nothing reacted to.
#pragma once

#include "layout/layout.h"
#include "scenes/context.h"
#include "scenes/description_table.h"

namespace kvarnel::scenes {

// Binds the click handler of every rectangle of every scene's table (the
// detective's parts included) to its row's procedure. Rows of exits that
// also carry a text are bound with the exits.
void bindDescriptionHandlers(Context& ctx, layout::HandlerRegistry& handlers);

// One description row as its procedure runs it: the inventory-mode notice,
// the text (or its story-dependent alternative) while descriptions are on,
// the row's effect, and the failed-use hook.
void runDescription(Context& ctx, const DescriptionRow& row);

}  // namespace kvarnel::scenes

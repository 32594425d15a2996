// Conversations: what the game tick does when a line of Rozhovor has been
// shown for its time, and the end of an exchange.
#pragma once

#include "scenes/context.h"

namespace kvarnel::story {

// Step of the game tick, when the talk countdown has expired: the line in
// Rozhovor leads to the next step of the exchange. So far the only such
// line is the ranger's warning at the edge of his land.
void conversationPass(scenes::Context& ctx);

// Ends the exchange at once: the reply choices and zrusit hidden and empty,
// both text lines cleared, descriptions on again.
void endConversationAtOnce(scenes::Context& ctx);

}  // namespace kvarnel::story

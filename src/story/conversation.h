// The conversation engine: the talk hotspots that open an exchange, the
// reply choices and zrusit, and what the game tick does when a line of
// Rozhovor has been shown for its time (the script pass) or when the last
// line of an exchange has (the speech end). The characters' scripts are
// rows of data (story/script.h); this file is the one loop that reads them.
#pragma once

#include <string>
#include <vector>

#include "layout/layout.h"
#include "scenes/context.h"
#include "story/script.h"

namespace kvarnel::story {

// Binds the talk hotspots' clicks, the reply choices' and zrusit's clicks
// and hovers.
void bindConversationHandlers(scenes::Context& ctx, layout::HandlerRegistry& handlers);

// The names the scripts, the characters and the item answers use that
// `layout` lacks (or has as something else), and game variables they set
// that do not exist; sorted.
std::vector<std::string> missingConversationNames(const layout::Layout& layout);
// Throws layout::LayoutError naming `source` and every such name.
void checkConversationNames(const layout::Layout& layout, std::string_view source);

// Whether Rozhovor's caption is the step's trigger.
bool triggers(const Step& step, std::string_view caption);

// Step of the game tick, when the talk countdown has expired: the groups of
// the shown scene (and the steps that run anywhere) tested in order against
// the line that ended. True when a step ends the tick.
bool conversationPass(scenes::Context& ctx);

// Step of the game tick, when the speech countdown has expired: the choices
// come back, or the conversation ends. True when it ends the tick (the
// conversation ended).
bool speechEnd(scenes::Context& ctx);

// The characters' eyes back at rest after a conversation, in every scene.
void conversationEndEyeReset(scenes::Context& ctx);

// Ends the exchange at once: the reply choices and zrusit hidden and empty,
// both text lines cleared, descriptions on again.
void endConversationAtOnce(scenes::Context& ctx);

}  // namespace kvarnel::story

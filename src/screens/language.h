// The language screen after the maker's logo: "česky" or "english" sets
// Language for the whole run and opens the main menu. English replaces the
// layout's Czech captions and hints once; every other text is chosen by
// Language where it is shown.
#pragma once

#include "layout/layout.h"
#include "scenes/context.h"

namespace kvarnel::screens {

// Binds the two labels' clicks and their hover look.
void bindLanguageHandlers(scenes::Context& ctx, layout::HandlerRegistry& handlers);

// The choice: Language := `language` (1 Czech, 2 English), the language
// screen gives way to the main menu and its music.
void chooseLanguage(scenes::Context& ctx, int language);

}  // namespace kvarnel::screens

// Walking between the locations: the exit labels and rectangles, what
// crossing each one changes besides the scene (music, the bird at the court,
// the Bush Man, the bush and the daughter, the cave), the refusals, and the
// pointer that shows an exit or a talk hotspot under it.
#pragma once

#include <optional>

#include "layout/layout.h"
#include "scenes/context.h"
#include "scenes/description_table.h"

namespace kvarnel::scenes {

// The ranger's warning when the detective would walk on east without his
// leave. The exit puts it in Rozhovor; the conversation ends it.
inline constexpr Text kRangerWarning{"Hele, tohle území je moje a nikdo ho nebude překračovat bez mého svolení!",
                                     "Hey, this place is mine and nobody can pass it without my permission!"};

// Binds the click, enter and leave handlers of every exit label and exit
// rectangle, and the pointer handlers of the talk hotspots.
void bindExitHandlers(Context& ctx, layout::HandlerRegistry& handlers);

// The location shown, the first in Scene order when (by a damaged saved
// game) several are.
std::optional<Scene> shownScene(const Context& ctx);
bool sceneShown(const Context& ctx, Scene s);

// The common scene change of every exit: the panels swap, the faces of the
// scene left stop and those of the scene entered start.
void switchScene(Context& ctx, Scene from, Scene to);
// The music crossing of an exit from one region to another.
void crossMusicRegion(Context& ctx, int oldTrack, int newTrack);

// What entering the court, the prison's front and the bush's forest sets
// up, whether by an exit or as the first scene.
void enterCourt(Context& ctx);
// What leaving the court stops, and what the menu stops when it opens over
// it: the bird lands on its first frame and waits.
void leaveCourt(Context& ctx);
void enterPrison(Context& ctx);
void showBushOrWayOn(Context& ctx);

}  // namespace kvarnel::scenes

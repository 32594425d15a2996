// Movies at the start and at the end of the story: the maker's logo and the
// language screen after it, the intro and the first location it leads to,
// the chain of ending movies and the credits.
//
// A movie has no end event: the game tick asks every tick whether its
// control still plays. A control that was never started reports playing,
// and a movie that cannot be played reports not playing at once, so a
// missing or broken file moves the sequence on as if it had ended.
#pragma once

#include <string_view>

#include "scenes/context.h"
#include "scenes/description_table.h"

namespace kvarnel::story {

// The remark on coming out of the cave (the game tick's cave-exit step),
// with the daughter returned and without; when it has been read, the line
// after it leads to the ending.
inline constexpr scenes::Text kCaveExitRemarkHome{
    "Ajta! Heh, tak to kdybych se tehdy do téhle jeskyně nebál jít, tak už bych tu láhev měl dávno.",
    "Eh, heh. If I wasn't so affraid to go into that cave before, I could have that bottle already."};
inline constexpr scenes::Text kCaveExitRemarkLost{
    "Sakra, kde jsem to vyšel? No, do Lhotky se už odtut nějak dostanu, hlavně že mám tu láhev.",
    "Damned, where am I? I'll get to the Lhotka somehow, the most important is that I have got the bottle now."};
inline constexpr scenes::Text kLastLineHome{
    "No, ale co, hlavně že tu posvátnou láhev mám teď a že jí můžu navrátit zpět do Lhotky.",
    "Never mind. The most important thing is, that I got the bottle now and I can bring it back to the village."};
inline constexpr scenes::Text kLastLineLost{
    "Ale stejně mám pocit, že jsem na něco důležitého zapomněl, že jsem některé věci nedořešil.",
    "I still have feeling that I forgot something important and didn't solved some things."};

// Sets the control's movie to the program folder followed by `file`, loops
// off, plays it from its first frame.
void startMovie(scenes::Context& ctx, layout::ShockwaveFlash& control, std::string_view file);

// --- Steps of the game tick, in the order it runs them -----------------------
// Whether the credits on show could not be played: nothing would ever show
// on their panel, and the tick leaves them as Escape does.
bool creditsUnplayable(const scenes::Context& ctx);
// Step 3, while OutroOver is 0: the next ending movie, or the credits.
void endingChainStep(scenes::Context& ctx);
// Step 5: Escape while the intro shows skips to the first scene. True when
// it did; the tick then ends.
bool skipIntroOnEscape(scenes::Context& ctx, bool escape);
// Step 6: the first tick starts the maker's logo.
void makerLogoStep(scenes::Context& ctx);
// Step 7: the intro's pointer, and the first scene when the intro has ended.
void introWatchStep(scenes::Context& ctx);
// Step 8: the pointer kept off the logo; the language screen when it ends.
void logoWatchStep(scenes::Context& ctx);
// Inside step 21, when a description line has expired: the last lines of
// the story lead to the ending. True when a new line was put in Popis and
// the tick ends; false when the plain end of the line follows.
bool endingLinesStep(scenes::Context& ctx);

// --- Entry points of the main menu ------------------------------------------
// New story: the intro panel and movie (the strip over its bottom hidden in
// English).
void startIntro(scenes::Context& ctx);
// The credits in the chosen language, from the menu (pointer hidden, the
// frame timer left as it is).
void startCreditsFromMenu(scenes::Context& ctx);

// Shows a location as the first scene after the intro is shown: every other
// panel hidden, every face stopped but the scene's own, the start movies
// marked as done, the frame timer off, what entering the place sets up, its
// region's music playing, and the text lines arbitrated so that the player
// can look at once. For starting play in any location (tests, --start-scene).
void startAtScene(scenes::Context& ctx, scenes::Scene s);

}  // namespace kvarnel::story

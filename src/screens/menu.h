// The main menu: drawn by the frame timer on HlavniMenu from the pictures
// of GrafikaMenu, every button a picture in Czech and English, normal and
// highlighted; clicks are decided by the hit rectangles MenuRect1 ..
// MenuRect10 that start-up computes. Four pages: the main page, the choice
// between the story and the two-player game, the two-player game's rules,
// and the options (music, sound, speed of the texts).
#pragma once

#include "layout/layout.h"
#include "scenes/context.h"

namespace kvarnel::screens {

// MenuRect1 .. MenuRect10, as indices of GameState::MenuRect: what each hit
// rectangle stands for. Button1 is New game (Back to game while a story
// runs; the story on the choice page), Button2 Load (the two-player game on
// the choice page); Ok, Knob, Music and Sound belong to the options and the
// two-player pages.
inline constexpr size_t kRectButton1 = 0, kRectButton2 = 1, kRectSave = 2, kRectOptions = 3, kRectCredits = 4,
                        kRectExit = 5, kRectOk = 6, kRectKnob = 7, kRectMusic = 8, kRectSound = 9;

// Binds HlavniMenuClick, HlavniMenuMouseDown and HlavniMenuMouseUp.
void bindMenuHandlers(scenes::Context& ctx, layout::HandlerRegistry& handlers);

// Step of the game tick: Escape during free play opens the menu over the
// game (the court's bird landing first). True when it did; the tick then
// ends.
bool openMenuOnEscape(scenes::Context& ctx, bool escape);

// Steps of the frame timer while the menu shows: Escape leaves the options
// page or goes back one page; the menu is drawn.
void menuEscapeStep(scenes::Context& ctx);
void drawMenu(scenes::Context& ctx);

// The speed knob's track on the options page, and SpeechSpeed from the
// knob's position on it (kSliderMin .. kSliderMax give 20 .. 126).
inline constexpr int32_t kSliderMin = 400;
inline constexpr int32_t kSliderMax = 573;
int32_t speechSpeedForSlider(int32_t slider);

// Back in the cave after the menu: its frame timer at 100 ms, and the
// pointer hidden unless the cave shows a message.
void resumeCaveAfterMenu(scenes::Context& ctx);

}  // namespace kvarnel::screens

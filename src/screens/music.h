// Music: one looping track at a time, started and stopped where the story
// crosses from one region to another. Starting, playing and stopping a track
// are shared operations of the context (scenes/context.h), since exits use
// them; what decides about the music as a whole lives here.
#pragma once

#include "layout/layout.h"
#include "scenes/context.h"

namespace kvarnel::screens {

// Binds the end notifications of the six music players, Skladba1Notify ..
// Skladba6Notify.
void bindMusicHandlers(scenes::Context& ctx, layout::HandlerRegistry& handlers);

// The end notification of track k (Skladba<k>Notify): loops the track
// unless a stop asked for silence; either way the request is used up.
void trackNotify(scenes::Context& ctx, int k);

// The options page's music switch. Off: every track stopped, none may
// start. On: every track may start again, and the track of the region shown
// starts (the menu's own track where no region is shown).
void switchMusicOff(scenes::Context& ctx);
void switchMusicOn(scenes::Context& ctx);

// After a game is loaded: every track stopped, all of them allowed again
// when music is on, and the loaded region's track started from its top. No
// region shown means silence (the menu's track does not stand in).
void musicAfterLoad(scenes::Context& ctx);

}  // namespace kvarnel::screens

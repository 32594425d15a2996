#include "screens/music.h"

#include <string>

#include "scenes/scene_faces.h"

namespace kvarnel::screens {

void bindMusicHandlers(scenes::Context& ctx, layout::HandlerRegistry& handlers) {
    for (int k = 1; k <= 6; ++k) {
        handlers.add("Skladba" + std::to_string(k) + "Notify",
                     [&ctx, k](const layout::EventArgs&) { trackNotify(ctx, k); });
    }
}

void trackNotify(scenes::Context& ctx, int k) {
    // The player stands at its end, so playing starts it over.
    if (k >= 1 && k <= 6 && ctx.state.SkipTrackRestart == 0) ctx.platform.mediaPlay(k - 1, true);
    ctx.state.SkipTrackRestart = 0;
}

namespace {

// Starts the track of each region that shows: one test per region, each on
// its own (the village, the western and the eastern forest, the cave).
// Whether any was started.
bool startRegionTracks(scenes::Context& ctx) {
    bool started = false;
    for (int track : {2, 3, 4}) {
        bool shown = false;
        for (size_t i = 0; i < ctx.c.scenes.size(); ++i) {
            if (ctx.c.scenes[i]->Visible && scenes::musicRegion(static_cast<scenes::Scene>(i)) == track) shown = true;
        }
        if (shown) {
            scenes::startTrack(ctx, track);
            started = true;
        }
    }
    if (ctx.c.Vjeskyni->Visible) {
        scenes::startTrack(ctx, 5);
        started = true;
    }
    return started;
}

}  // namespace

void switchMusicOff(scenes::Context& ctx) {
    core::GameState& s = ctx.state;
    s.SceneTrackStarted = 0;
    for (int k = 1; k <= 6; ++k) scenes::stopTrack(ctx, k);
    s.MusicOn = 0;
    s.TrackEnabled.fill(0);
}

void switchMusicOn(scenes::Context& ctx) {
    core::GameState& s = ctx.state;
    s.MusicOn = 1;
    s.TrackEnabled.fill(1);
    // The players are named again, not reopened.
    for (size_t k = 0; k < ctx.c.Skladba.size(); ++k) {
        ctx.c.Skladba[k]->FileName = ctx.programFolder + "mmid" + std::to_string(k + 1) + ".mid";
        ctx.platform.mediaSetFileName(static_cast<int>(k), ctx.c.Skladba[k]->FileName);
    }
    if (startRegionTracks(ctx)) s.SceneTrackStarted = 1;
    if (s.SceneTrackStarted == 0) scenes::startTrack(ctx, 1);
}

void musicAfterLoad(scenes::Context& ctx) {
    core::GameState& s = ctx.state;
    s.TrackEnabled.fill(0);
    for (int k = 1; k <= 6; ++k) scenes::stopTrack(ctx, k);
    if (s.MusicOn == 1) s.TrackEnabled.fill(1);
    startRegionTracks(ctx);
}

}  // namespace kvarnel::screens

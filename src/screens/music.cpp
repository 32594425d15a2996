#include "screens/music.h"

#include <string>

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

}  // namespace kvarnel::screens

#include "story/movies.h"

#include "scenes/exits.h"
#include "scenes/scene_faces.h"
#include "story/speech.h"

namespace kvarnel::story {

void startAtScene(scenes::Context& ctx, scenes::Scene s) {
    using scenes::Scene;
    scenes::Controls& c = ctx.c;
    for (layout::Control* ctl : ctx.layout.form().children) {
        if (ctl->componentClass() == layout::ComponentClass::Panel && ctl != c.SPanel) ctl->Visible = false;
    }
    for (layout::GifAnimator* g : c.gifs) {
        if (g != c.Inventar) ctx.screen->stopAnimation(*g);
    }
    ctx.state.ShowMakerLogo = 0;
    ctx.state.IntroSkipped = 1;
    ctx.state.LogoFinished = 1;
    c.Start->Enabled = false;
    scenes::scenePanel(c, s)->Visible = true;
    for (layout::GifAnimator* g : c.sceneFaces[static_cast<size_t>(s)]) ctx.screen->startAnimation(*g);
    // What entering the place sets up.
    if (s == Scene::Predsoudem) scenes::enterCourt(ctx);
    if (s == Scene::Predveznici) scenes::enterPrison(ctx);
    if (s == Scene::Les2) scenes::showBushOrWayOn(ctx);
    scenes::playTrack(ctx, scenes::musicRegion(s));
    // The tick that shows the first scene goes on to the arbitration of the
    // text lines, which lets the player look.
    labelArbitration(ctx);
}

}  // namespace kvarnel::story

// Sections:
//   [Movies]       starting one
//   [Logo]         the maker's logo and the language screen after it
//   [Intro]        the intro, its skip and the first scene
//   [Ending]       the last lines, the chain of ending movies, the credits
//   [First scene]  play started in any location
#include "story/movies.h"

#include "scenes/exits.h"
#include "scenes/scene_faces.h"
#include "story/speech.h"

namespace kvarnel::story {

namespace {

using core::GameState;
using scenes::Controls;
using scenes::Scene;

constexpr std::string_view kLogoFile = "Animations\\Quillmoth.swf";
constexpr std::string_view kIntroFile = "Animations\\Intro.swf";
constexpr std::string_view kCreditsFiles[] = {"Animations\\Titulky1.swf", "Animations\\Titulky2.swf"};

bool shown(const layout::Control* c) {
    return c != nullptr && c->Visible;
}

void pushPointerAway(scenes::Context& ctx) {
    const platform::Size s = ctx.platform.screenSize();
    ctx.platform.setCursorPos({s.width + 10000, s.height + 10000});
}

void centrePointer(scenes::Context& ctx) {
    const platform::Size s = ctx.platform.screenSize();
    ctx.platform.setCursorPos({s.width / 2, s.height / 2});
}

}  // namespace

// [Movies] ------------------------------------------------------------------

void startMovie(scenes::Context& ctx, layout::ShockwaveFlash& control, std::string_view file) {
    // A movie that cannot be played reports not playing at once (the movie
    // player logs why, once), so whatever waits for its end goes on.
    ctx.movies.start(control, ctx.programFolder + std::string(file), ctx.platform.nowMs());
}

// [Logo] --------------------------------------------------------------------

void makerLogoStep(scenes::Context& ctx) {
    if (ctx.state.ShowMakerLogo != 1) return;
    ctx.c.AnimaceQuillmoth->Visible = true;
    startMovie(ctx, *ctx.c.ShockwaveFlash1, kLogoFile);
    ctx.state.ShowMakerLogo = 0;
}

void logoWatchStep(scenes::Context& ctx) {
    GameState& s = ctx.state;
    if (ctx.movies.playing(*ctx.c.ShockwaveFlash1)) {
        pushPointerAway(ctx);
        return;
    }
    if (s.LogoFinished != 0) return;
    ctx.platform.loadCursor(ctx.programFolder + s.CursorFile);
    ctx.c.VyberJazyk->Visible = true;
    ctx.c.AnimaceQuillmoth->Visible = false;
    ctx.platform.showCursor(true);
    centrePointer(ctx);
    s.LogoFinished = 1;
}

// [Intro] -------------------------------------------------------------------

namespace {

// What follows the intro, whether it ended or was skipped. `hideIntro` is
// false after a skip, which has hidden it already.
void firstScene(scenes::Context& ctx, bool hideIntro) {
    GameState& s = ctx.state;
    s.IntroRunning = 0;
    if (hideIntro) ctx.c.Intro->Visible = false;
    scenes::scenePanel(ctx.c, Scene::Natrzisti)->Visible = true;
    scenes::playTrack(ctx, 2);
    for (layout::GifAnimator* g : ctx.c.sceneFaces[static_cast<size_t>(Scene::Natrzisti)]) {
        ctx.screen->startAnimation(*g);
    }
    ctx.platform.showCursor(true);
    centrePointer(ctx);
    s.IntroFinished = 1;
}

}  // namespace

void startIntro(scenes::Context& ctx) {
    ctx.c.Intro->Visible = true;
    if (ctx.state.Language == 2) ctx.c.Kryti->Visible = false;
    startMovie(ctx, *ctx.c.ShockwaveFlash2, kIntroFile);
    ctx.state.IntroRunning = 1;
}

bool skipIntroOnEscape(scenes::Context& ctx, bool escape) {
    if (!escape || !shown(ctx.c.Intro)) return false;
    GameState& s = ctx.state;
    ctx.c.Intro->Visible = false;
    // The intro's control is not used again in this run.
    ctx.movies.stop(*ctx.c.ShockwaveFlash2);
    s.IntroSkipped = 1;
    s.IntroRunning = 0;
    firstScene(ctx, false);
    return true;
}

void introWatchStep(scenes::Context& ctx) {
    GameState& s = ctx.state;
    if (s.IntroSkipped == 1) return;
    if (ctx.movies.playing(*ctx.c.ShockwaveFlash2)) {
        if (s.IntroRunning == 1) {
            pushPointerAway(ctx);
            if (s.IntroCursorHidden == 0) {
                ctx.platform.showCursor(false);
                s.IntroCursorHidden = 1;
            }
        }
    } else if (s.IntroFinished == 0) {
        firstScene(ctx, true);
    }
}

// [Ending] ------------------------------------------------------------------

namespace {

bool betterEnding(const GameState& s) {
    return s.DaughterReturned == 1 && s.TableWinnings > 9;
}

bool isLine(const layout::Label& label, const scenes::Text& t) {
    return label.Caption == t.cz || label.Caption == t.en;
}

// The credits' movie in the chosen language, shown and started.
void startCreditsMovie(scenes::Context& ctx) {
    const int32_t language = ctx.state.Language;
    if (language != 1 && language != 2) return;
    layout::ShockwaveFlash& movie = language == 2 ? *ctx.c.Titulky2 : *ctx.c.Titulky1;
    movie.Visible = true;
    startMovie(ctx, movie, kCreditsFiles[language - 1]);
}

void credits(scenes::Context& ctx) {
    GameState& s = ctx.state;
    Controls& c = ctx.c;
    c.Outro->Visible = false;
    for (layout::ShockwaveFlash* m : c.Outros) m->Visible = false;
    // The ending's controls are not used again in this run.
    for (layout::ShockwaveFlash* m : c.Outros) ctx.movies.stop(*m);
    s.OutroOver = 1;
    c.Titulky->Visible = true;
    c.Start->Enabled = true;
    scenes::playTrack(ctx, 6);
    startCreditsMovie(ctx);
}

}  // namespace

bool endingLinesStep(scenes::Context& ctx) {
    GameState& s = ctx.state;
    Controls& c = ctx.c;
    const layout::Label& popis = *c.Popis;
    if (isLine(popis, kCaveExitRemarkHome) || isLine(popis, kCaveExitRemarkLost)) {
        scenes::describe(ctx, isLine(popis, kCaveExitRemarkHome) ? kLastLineHome : kLastLineLost);
        s.DescriptionExpired = 0;
        return true;
    }
    if (isLine(popis, kLastLineHome) || isLine(popis, kLastLineLost)) {
        if (betterEnding(s)) s.BonusGameUnlocked = 1;
        s.DescriptionsOn = 1;
        s.PlayerFree = 1;
        scenes::stopTrack(ctx, 3);
        s.GameInProgress = 0;
        c.Outro->Visible = true;
        scenes::scenePanel(c, Scene::Les3)->Visible = false;
        startMovie(ctx, *c.Outros[0], "Animations\\Outro1.swf");
    }
    return false;
}

void endingChainStep(scenes::Context& ctx) {
    GameState& s = ctx.state;
    Controls& c = ctx.c;
    layout::MovieControls& m = ctx.movies;
    auto& outro = c.Outros;
    if (s.OutroOver == 1) return;
    if (shown(c.Outro) && !m.playing(*outro[0]) && s.OutroSecondStarted == 0) {
        outro[0]->Visible = false;
        // Outro3 or Outro4 with the daughter home, by the coins won at the
        // table; Outro2 without her.
        const size_t second = s.DaughterReturned == 1 ? (s.TableWinnings < 10 ? 2 : 3) : 1;
        outro[second]->Visible = true;
        startMovie(ctx, *outro[second],
                   second == 1   ? "Animations\\Outro2.swf"
                   : second == 2 ? "Animations\\Outro3.swf"
                                 : "Animations\\Outro4.swf");
        s.OutroSecondStarted = 1;
    }
    if (shown(c.Outro) && (!m.playing(*outro[1]) || !m.playing(*outro[2]) || !m.playing(*outro[3])) &&
        s.OutroFifthStarted == 0) {
        for (size_t i : {1, 2, 3}) outro[i]->Visible = false;
        outro[4]->Visible = true;
        startMovie(ctx, *outro[4], "Animations\\Outro5.swf");
        s.OutroFifthStarted = 1;
    }
    if (betterEnding(s) && shown(c.Outro) && !m.playing(*outro[4]) && s.OutroSixthStarted == 0) {
        outro[4]->Visible = false;
        outro[5]->Visible = true;
        startMovie(ctx, *outro[5], "Animations\\Outro6.swf");
        s.OutroSixthStarted = 1;
    }
    if (shown(c.Outro) && ctx.platform.keyDown(platform::Key::Escape)) credits(ctx);
    // A control not yet started reports playing, so this waits for Outro5
    // in the ordinary ending and for Outro6 in the better one.
    if (s.OutroOver == 0 && shown(c.Outro) && s.OutroCreditsStarted == 0) {
        if (!((m.playing(*outro[4]) || betterEnding(s)) && m.playing(*outro[5]))) {
            credits(ctx);
            s.OutroCreditsStarted = 1;
        }
    }
}

bool creditsUnplayable(const scenes::Context& ctx) {
    for (const layout::ShockwaveFlash* movie : {ctx.c.Titulky1, ctx.c.Titulky2}) {
        // Started but neither playing nor showing a frame: its file failed.
        if (movie->Visible && !ctx.movies.file(*movie).empty() && !ctx.movies.playing(*movie) &&
            ctx.movies.frame(*movie).image == nullptr) {
            return true;
        }
    }
    return false;
}

void startCreditsFromMenu(scenes::Context& ctx) {
    Controls& c = ctx.c;
    c.Menu1->Visible = false;
    c.Titulky->Visible = true;
    ctx.platform.showCursor(false);
    startCreditsMovie(ctx);
}

// [First scene] -------------------------------------------------------------

void startAtScene(scenes::Context& ctx, Scene s) {
    Controls& c = ctx.c;
    for (layout::Control* ctl : ctx.layout.form().children) {
        if (ctl->componentClass() == layout::ComponentClass::Panel && ctl != c.SPanel) ctl->Visible = false;
    }
    for (layout::GifAnimator* g : c.gifs) {
        if (g != c.Inventar) ctx.screen->stopAnimation(*g);
    }
    // The logo and the intro count as seen.
    ctx.movies.markPlayed(*c.ShockwaveFlash1);
    ctx.movies.markPlayed(*c.ShockwaveFlash2);
    ctx.state.ShowMakerLogo = 0;
    ctx.state.IntroSkipped = 1;
    ctx.state.IntroFinished = 1;
    ctx.state.LogoFinished = 1;
    c.Start->Enabled = false;
    scenes::scenePanel(c, s)->Visible = true;
    for (layout::GifAnimator* g : c.sceneFaces[static_cast<size_t>(s)]) ctx.screen->startAnimation(*g);
    // What entering the place sets up.
    if (s == Scene::Predsoudem) scenes::enterCourt(ctx);
    if (s == Scene::Predveznici) scenes::enterPrison(ctx);
    if (s == Scene::Les2) scenes::showBushOrWayOn(ctx);
    // Whatever played before (the menu's track) stops first, as every change
    // of music does: a track played over another that still loops would
    // interrupt it, and each one's end would start it over the other.
    for (int k = 1; k <= 6; ++k) scenes::stopTrack(ctx, k);
    scenes::playTrack(ctx, scenes::musicRegion(s));
    // The pointer shows, as the language screen left it; once, however often
    // a test starts a scene.
    if (ctx.platform.showCursor(true) > 0) ctx.platform.showCursor(false);
    // The tick that shows the first scene goes on to the arbitration of the
    // text lines, which lets the player look.
    labelArbitration(ctx);
}

}  // namespace kvarnel::story

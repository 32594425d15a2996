// Walking between the locations: the exit labels and rectangles, what
// crossing each one changes besides the scene (music, the bird at the court,
// the Bush Man, the bush and the daughter, the cave), the refusals, and the
// pointer that shows an exit or a talk hotspot under it.
#include "scenes/exits.h"

#include <algorithm>

#include "scenes/exit_handlers.h"
#include "scenes/failed_use.h"
#include "scenes/inventory.h"
#include "scenes/scene_faces.h"

namespace kvarnel::scenes {

namespace {

using core::GameState;
using core::kExitCursor;
using core::kPlainCursor;
using core::kTalkCursor;

constexpr Text kWayEastRefusal{
    "Momentálně bych pryč z osady ještě nechodil. Mám takový pocit, že tu musím ještě něco udělat.",
    "I wouldn't rather go out of the village. I think that I should do something before I leave."};
constexpr Text kLockedDoor{"Tyhle dveře jsou bohužel zamčený.", "Unfortunately it's lock."};
constexpr Text kKnifeTaken{"Nůž už jsem odtamtud vzal, tak co bych tam znovu chodil?",
                           "Hey, I already got that knife so why should I go there again?"};
constexpr Text kDaughterRemark{
    "Nevím proč, asi intuice, ale mám pocit, že tohle bude dcera od toho křováka. Ten bude mít určitě radost, že "
    "jsme ji našli.",
    "I don't know why, but I think that this is the Bush man's daughter. He will certainly be happy that we found "
    "her."};

// Exit labels whose cursor handlers test only the hands (the door of the
// criminal's house, Label88, tests the lock too and is bound apart).
std::vector<std::string> exitLabels() {
    std::vector<std::string> out;
    for (int n :
         {3, 4, 5, 6, 7, 8, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22, 23, 36, 37, 38, 39, 40, 87, 89, 97, 98, 99, 125}) {
        out.push_back("Label" + std::to_string(n));
    }
    for (auto [from, to] : {std::pair{24, 35}, {41, 62}, {63, 86}, {90, 96}, {100, 112}}) {
        for (int n = from; n <= to; ++n) out.push_back("Label" + std::to_string(n));
    }
    out.emplace_back("prechodpredhospodu");
    return out;
}

// Leaving takes descriptions on. The tick turns them off while a line is in
// Rozhovor or reply choices show, but clicks come between ticks: a reply
// clicked and an exit clicked before the next tick would carry the reply's
// line into a location whose characters have no step for it, where it would
// stay for good and keep every exit and the menu shut. So the exits look at
// the conversation themselves.
bool exitAllowed(const Context& ctx) {
    const Controls& c = ctx.c;
    // Any of the choices: a step may show the second and third alone.
    const bool choices =
        std::any_of(c.Otazka.begin(), c.Otazka.end(), [](const layout::Label* o) { return o->Visible; });
    return ctx.state.DescriptionsOn == 1 && !hasText(*c.Rozhovor) && !choices;
}

// A plain exit: the guard, the idle clock and the common scene change.
// False when the guard refuses.
bool walk(Context& ctx, Scene from, Scene to) {
    if (!exitAllowed(ctx)) return false;
    ctx.state.IdleTime = 0;
    switchScene(ctx, from, to);
    return true;
}

void leavePrison(Context& ctx) {
    ctx.state.KrovakIdleTime = 0;
    ctx.screen->setFrameIndex(*ctx.c.Krovakvp, 0);
    ctx.screen->stopAnimation(*ctx.c.Krovakvp);
    ctx.c.Krovak->Visible = false;
    ctx.c.Krovakoci->Visible = false;
    ctx.c.Krovakpusa->Visible = false;
}

// The way east out of the village, also over the gate's rectangles.
void wayEast(Context& ctx) {
    InventoryModeGuard(ctx);
    if (!storyFlag(ctx, "svyresenypripad")) {
        if (ctx.state.DescriptionsOn == 1) describe(ctx, kWayEastRefusal);
        return;
    }
    if (walk(ctx, Scene::Natrzisti, Scene::Les4)) crossMusicRegion(ctx, 2, 4);
}

void innDoor(Context& ctx) {
    InventoryModeGuard(ctx);
    walk(ctx, Scene::Predhospodou, Scene::Vhospode);
    FailedUseHook(ctx);
}

void criminalsDoor(Context& ctx) {
    if (!exitAllowed(ctx)) return;
    if (ctx.state.CriminalDoorOpen == 0) {
        describe(ctx, kLockedDoor);
    } else if (storyFlag(ctx, "Svzetinoze")) {
        describe(ctx, kKnifeTaken);
    } else {
        walk(ctx, Scene::Predhospodou, Scene::Uzlocinkyne);
    }
}

void prisonDoor(Context& ctx) {
    InventoryModeGuard(ctx);
    if (walk(ctx, Scene::Predveznici, Scene::Veveznici)) leavePrison(ctx);
    FailedUseHook(ctx);
}

void forestPathFromPrison(Context& ctx) {
    InventoryModeGuard(ctx);
    if (walk(ctx, Scene::Predveznici, Scene::Les1)) {
        leavePrison(ctx);
        crossMusicRegion(ctx, 2, 3);
    }
    FailedUseHook(ctx);
}

// Through the cut bush to the daughter's glade.
void toDaughtersGlade(Context& ctx) {
    GameState& s = ctx.state;
    if (!exitAllowed(ctx)) return;
    if (storyFlag(ctx, "Sdcerka")) {
        // Found before: she has gone home. This way keeps the idle clock.
        ctx.c.Dcerka->Visible = false;
        switchScene(ctx, Scene::Les2, Scene::Les3);
        return;
    }
    s.IdleTime = 0;
    switchScene(ctx, Scene::Les2, Scene::Les3);
    setStoryFlag(ctx, "Sdcerka", true);
    ctx.c.Dcerka->Visible = true;
    describe(ctx, kDaughterRemark);
    s.LineTimer[2].Limit = textLength(ctx.c.Popis->Caption) * s.SpeechSpeed;
    s.LineTimer[2].Active = 1;
}

// Past the ranger, who stands in the way until he lets the detective pass
// and then says so himself.
void pastTheRanger(Context& ctx) {
    GameState& s = ctx.state;
    Controls& c = ctx.c;
    if (!exitAllowed(ctx)) return;
    s.IdleTime = 0;
    if (s.RangerLetsPass == 1) {
        switchScene(ctx, Scene::Les5, Scene::Les6);
        return;
    }
    c.L5pusa->Visible = true;
    c.hranicarocimluva->Visible = true;
    c.hranicarmluva->Visible = true;
    c.L5mluva->Visible = false;
    c.hranicaroci->Visible = false;
    c.hranicarpusa->Visible = false;
    c.Rozhovor->Font_.Color = layout::clRed;
    if (auto line = inLanguage(ctx, kRangerWarning)) setCaption(ctx, *c.Rozhovor, *line);
    // Timed from its start, as every new line (see timeLine()).
    s.TalkTime = textLength(c.Rozhovor->Caption) * s.SpeechSpeed;
    s.TalkElapsed = 0;
    s.TalkTimerOn = 1;
}

void caveMouth(Context& ctx) {
    GameState& s = ctx.state;
    InventoryModeGuard(ctx);
    if (exitAllowed(ctx)) {
        s.IdleTime = 0;
        scenePanel(ctx.c, Scene::Les6)->Visible = false;
        ctx.c.Vjeskyni->Visible = true;
        for (layout::GifAnimator* g : ctx.c.sceneFaces[static_cast<size_t>(Scene::Les6)]) {
            ctx.screen->stopAnimation(*g);
        }
        crossMusicRegion(ctx, 4, 5);
        s.InCave = 1;
        s.CaveNumber = 0;
        s.LevelIntroMessage = 1;
        ctx.c.Start->Enabled = true;
        // The cave keeps the plain pointer (its own file name carries no
        // folder, so it would find no file and leave the default one).
        s.CursorFile = kPlainCursor;
    }
    FailedUseHook(ctx);
}

}  // namespace

std::optional<Scene> shownScene(const Context& ctx) {
    for (size_t i = 0; i < ctx.c.scenes.size(); ++i) {
        if (ctx.c.scenes[i]->Visible) return static_cast<Scene>(i);
    }
    return std::nullopt;
}

bool sceneShown(const Context& ctx, Scene s) {
    return scenePanel(ctx.c, s)->Visible;
}

void switchScene(Context& ctx, Scene from, Scene to) {
    scenePanel(ctx.c, from)->Visible = false;
    scenePanel(ctx.c, to)->Visible = true;
    for (layout::GifAnimator* g : ctx.c.sceneFaces[static_cast<size_t>(from)]) ctx.screen->stopAnimation(*g);
    for (layout::GifAnimator* g : ctx.c.sceneFaces[static_cast<size_t>(to)]) ctx.screen->startAnimation(*g);
}

void crossMusicRegion(Context& ctx, int oldTrack, int newTrack) {
    stopTrack(ctx, oldTrack);
    startTrack(ctx, newTrack);
}

void leaveCourt(Context& ctx) {
    GameState& s = ctx.state;
    s.BirdActive = 0;
    s.BirdPauseOn = 0;
    ctx.screen->stopAnimation(*ctx.c.Ptak);
    if (ctx.c.Ptak->FrameIndex != 0) s.BirdWasFlying = 1;
    ctx.screen->setFrameIndex(*ctx.c.Ptak, 0);
    s.BirdPhase = 0;
}

void enterCourt(Context& ctx) {
    // The bird flies off the tree after this pause.
    ctx.state.BirdPause = static_cast<int32_t>(ctx.random.next(3000)) + 2000;
    ctx.state.BirdActive = 0;
    ctx.state.BirdPauseOn = 1;
}

void enterPrison(Context& ctx) {
    // The Bush Man stirs in his shrub after this pause.
    ctx.state.KrovakIdleTime = static_cast<int32_t>(ctx.random.next(5000)) + 2000;
}

void showBushOrWayOn(Context& ctx) {
    const bool cut = storyFlag(ctx, "Sker");
    ctx.c.Ker->Visible = !cut;
    ctx.c.Label39->Visible = cut;
}

void bindExitHandlers(Context& ctx, layout::HandlerRegistry& handlers) {
    auto on = [&handlers, &ctx](const std::string& name, void (*f)(Context&)) {
        handlers.add(name, [&ctx, f](const layout::EventArgs&) { f(ctx); });
    };
    // Exits that do nothing but walk, or walk and then set up what they
    // cross into: {handler, from, to, what follows a successful walk}.
    struct Walk {
        const char* handler;
        Scene from;
        Scene to;
        void (*after)(Context&);
    };
    const Walk walks[] = {
        // The village.
        {"Label6Click", Scene::Natrzisti, Scene::Predhospodou, nullptr},
        {"Label7Click", Scene::Natrzisti, Scene::Udedka, nullptr},
        {"Label13Click", Scene::Predhospodou, Scene::Predradnici, nullptr},
        {"prechodpredhospoduClick", Scene::Vhospode, Scene::Predhospodou, nullptr},
        {"Label12Click", Scene::Predradnici, Scene::Predhospodou, nullptr},
        {"Label14Click", Scene::Predradnici, Scene::Predsoudem, enterCourt},
        {"Label90Click", Scene::Predradnici, Scene::Radnice, nullptr},
        {"Label89Click", Scene::Radnice, Scene::Predradnici, nullptr},
        {"Label16Click", Scene::Predsoudem, Scene::Predradnici, leaveCourt},
        {"Label18Click", Scene::Predsoudem, Scene::Predveznici,
         [](Context& g) {
             leaveCourt(g);
             enterPrison(g);
         }},
        {"Label17Click", Scene::Predveznici, Scene::Predsoudem,
         [](Context& g) {
             leavePrison(g);
             enterCourt(g);
         }},
        {"Label22Click", Scene::Veveznici, Scene::Predveznici, enterPrison},
        {"Label87Click", Scene::Uzlocinkyne, Scene::Predhospodou, nullptr},
        // The western forest.
        {"Label23Click", Scene::Les1, Scene::Predveznici,
         [](Context& g) {
             crossMusicRegion(g, 3, 2);
             enterPrison(g);
         }},
        {"Label37Click", Scene::Les1, Scene::Les2, showBushOrWayOn},
        {"Label36Click", Scene::Les2, Scene::Les1, nullptr},
        {"Label38Click", Scene::Les3, Scene::Les2, [](Context& g) { g.screen->stopAnimation(*g.c.Dcerka); }},
        // The eastern forest.
        {"Label63Click", Scene::Les4, Scene::Natrzisti, [](Context& g) { crossMusicRegion(g, 4, 2); }},
        {"Label98Click", Scene::Les4, Scene::Les5, nullptr},
        {"Label97Click", Scene::Les5, Scene::Les4, nullptr},
        {"Label40Click", Scene::Les6, Scene::Les5, nullptr},
    };
    for (const Walk& w : walks) {
        handlers.add(w.handler, [&ctx, w](const layout::EventArgs&) {
            if (walk(ctx, w.from, w.to) && w.after) w.after(ctx);
        });
    }
    // The Bush Man's stirring does not loop: at the end of each run he is
    // back inside his shrub, until the game timer stirs him again.
    handlers.add("KrovakvpStop", [&ctx](const layout::EventArgs&) { ctx.c.Krovakvp->Visible = false; });

    // Back into the market place: the detective's mouth there is shown
    // before the walk, so he arrives with it closed.
    for (auto [handler, from] : {std::pair{"Label8Click", Scene::Udedka}, {"Label5Click", Scene::Predhospodou}}) {
        handlers.add(handler, [&ctx, from = from](const layout::EventArgs&) {
            if (exitAllowed(ctx)) ctx.c.Ztpusavpravo->Visible = true;
            walk(ctx, from, Scene::Natrzisti);
        });
    }
    on("Label41Click", wayEast);
    for (int i = 156; i <= 160; ++i) on("Image" + std::to_string(i) + "Click", wayEast);
    on("Label3Click", innDoor);
    on("Label4Click", innDoor);
    on("Label88Click", criminalsDoor);
    for (const char* n : {"Label19Click", "Label20Click", "Label21Click"}) on(n, prisonDoor);
    on("Label24Click", forestPathFromPrison);
    on("Label39Click", toDaughtersGlade);
    on("Label99Click", pastTheRanger);
    for (int i = 100; i <= 112; ++i) on("Label" + std::to_string(i) + "Click", caveMouth);

    // The pointer over exits and talk hotspots; an item in the hand stays.
    auto pointer = [&handlers, &ctx](const std::string& name, bool (*when)(const Context&), std::string_view cursor) {
        handlers.add(name, [&ctx, when, cursor](const layout::EventArgs&) {
            if (ctx.state.HandsEmpty == 1 && (!when || when(ctx))) ctx.state.CursorFile = cursor;
        });
    };
    for (const std::string& label : exitLabels()) {
        const ExitHandlers h = exitHandlers(label);
        pointer(h.enter, nullptr, kExitCursor);
        pointer(h.leave, nullptr, kPlainCursor);
    }
    auto doorOpen = [](const Context& g) { return g.state.CriminalDoorOpen == 1; };
    pointer("Label88MouseEnter", doorOpen, kExitCursor);
    pointer("Label88MouseLeave", doorOpen, kPlainCursor);
    // The Bush Man can be talked to only while he is out of his shrub.
    auto bushManOut = [](const Context& g) { return g.c.Krovakvp->FrameIndex > 6; };
    for (const char* talk :
         {"Label118", "Label119", "Label120", "Label121", "Label122", "PokecL1", "PokecL5", "PokecRadnice"}) {
        const bool bushMan = std::string_view(talk) == "Label118";
        pointer(std::string(talk) + "MouseEnter", bushMan ? +bushManOut : nullptr, kTalkCursor);
        pointer(std::string(talk) + "MouseLeave", nullptr, kPlainCursor);
    }
}

}  // namespace kvarnel::scenes

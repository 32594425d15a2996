// Walking between the locations: the exit labels and rectangles, what
// crossing each one changes besides the scene (music, the bird at the court,
// the Bush Man, the bush and the daughter, the cave), the refusals, and the
// pointer that shows an exit or a talk hotspot under it.
#include "app/game.h"
#include "scenes/exit_handlers.h"
#include "scenes/scene_faces.h"

namespace kvarnel::app {

namespace {

using scenes::Scene;

constexpr scenes::Text kWayEastRefusal{
    "Momentálně bych pryč z osady ještě nechodil. Mám takový pocit, že tu musím ještě něco udělat.",
    "I wouldn't rather go out of the village. I think that I should do something before I leave."};
constexpr scenes::Text kLockedDoor{"Tyhle dveře jsou bohužel zamčený.", "Unfortunately it's lock."};
constexpr scenes::Text kKnifeTaken{"Nůž už jsem odtamtud vzal, tak co bych tam znovu chodil?",
                                   "Hey, I already got that knife so why should I go there again?"};
constexpr scenes::Text kDaughterRemark{
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

}  // namespace

std::optional<Scene> Game::shownScene() const {
    for (size_t i = 0; i < c.scenes.size(); ++i) {
        if (c.scenes[i]->Visible) return static_cast<Scene>(i);
    }
    return std::nullopt;
}

bool Game::sceneShown(Scene s) const {
    return scenePanel(c, s)->Visible;
}

void Game::switchScene(Scene from, Scene to) {
    scenePanel(c, from)->Visible = false;
    scenePanel(c, to)->Visible = true;
    for (layout::GifAnimator* g : c.sceneFaces[static_cast<size_t>(from)]) screen->stopAnimation(*g);
    for (layout::GifAnimator* g : c.sceneFaces[static_cast<size_t>(to)]) screen->startAnimation(*g);
}

void Game::crossMusicRegion(int oldTrack, int newTrack) {
    stopTrack(oldTrack);
    startTrack(newTrack);
}

void Game::enterCourt() {
    // The bird flies off the tree after this pause.
    state.BirdPause = static_cast<int32_t>(random.next(3000)) + 2000;
    state.BirdActive = 0;
    state.BirdPauseOn = 1;
}

void Game::enterPrison() {
    // The Bush Man stirs in his shrub after this pause.
    state.KrovakIdleTime = static_cast<int32_t>(random.next(5000)) + 2000;
}

void Game::showBushOrWayOn() {
    const bool cut = storyFlag("Sker");
    c.Ker->Visible = !cut;
    c.Label39->Visible = cut;
}

void Game::startAtScene(Scene s) {
    for (layout::Control* ctl : layout.form().children) {
        if (ctl->componentClass() == layout::ComponentClass::Panel && ctl != c.SPanel) ctl->Visible = false;
    }
    for (layout::GifAnimator* g : c.gifs) {
        if (g != c.Inventar) screen->stopAnimation(*g);
    }
    state.ShowMakerLogo = 0;
    state.IntroSkipped = 1;
    state.LogoFinished = 1;
    c.Start->Enabled = false;
    scenePanel(c, s)->Visible = true;
    for (layout::GifAnimator* g : c.sceneFaces[static_cast<size_t>(s)]) screen->startAnimation(*g);
    // What entering the place sets up.
    if (s == Scene::Predsoudem) enterCourt();
    if (s == Scene::Predveznici) enterPrison();
    if (s == Scene::Les2) showBushOrWayOn();
    playTrack(scenes::musicRegion(s));
    // The tick that shows the first scene goes on to the arbitration of the
    // text lines, which lets the player look.
    labelArbitration();
}

void Game::registerHandlers() {
    handlers.add("FormCreate", [this](const layout::EventArgs&) { FormCreate(); });
    handlers.add("FormClose", [this](const layout::EventArgs&) { FormClose(); });
    handlers.add("CasodavacTimer", [this](const layout::EventArgs&) { CasodavacTimer(); });
    handlers.add("StartTimer", [this](const layout::EventArgs&) { StartTimer(); });
    for (int k = 1; k <= 6; ++k) {
        handlers.add("Skladba" + std::to_string(k) + "Notify", [this, k](const layout::EventArgs&) { trackNotify(k); });
    }
    registerSceneHandlers();
    registerInventoryHandlers();

    auto on = [this](const std::string& name, std::function<void()> f) {
        handlers.add(name, [f = std::move(f)](const layout::EventArgs&) { f(); });
    };
    // A plain exit: the guard and the common scene change.
    auto walk = [this](Scene from, Scene to) {
        if (!exitAllowed()) return false;
        state.IdleTime = 0;
        switchScene(from, to);
        return true;
    };
    auto leaveCourt = [this] {
        state.BirdActive = 0;
        state.BirdPauseOn = 0;
        screen->stopAnimation(*c.Ptak);
        if (c.Ptak->FrameIndex != 0) state.BirdWasFlying = 1;
        screen->setFrameIndex(*c.Ptak, 0);
        state.BirdPhase = 0;
    };
    auto leavePrison = [this] {
        state.KrovakIdleTime = 0;
        screen->setFrameIndex(*c.Krovakvp, 0);
        screen->stopAnimation(*c.Krovakvp);
        c.Krovak->Visible = false;
        c.Krovakoci->Visible = false;
        c.Krovakpusa->Visible = false;
    };

    // The village.
    on("Label8Click", [=, this] {
        if (exitAllowed()) c.Ztpusavpravo->Visible = true;
        walk(Scene::Udedka, Scene::Natrzisti);
    });
    on("Label6Click", [=, this] { walk(Scene::Natrzisti, Scene::Predhospodou); });
    on("Label7Click", [=, this] { walk(Scene::Natrzisti, Scene::Udedka); });
    // The way east out of the village, also over the gate's rectangles.
    auto wayEast = [=, this] {
        GameState& s = state;
        InventoryModeGuard();
        if (!storyFlag("svyresenypripad")) {
            if (s.DescriptionsOn == 1) describe(kWayEastRefusal);
            return;
        }
        if (walk(Scene::Natrzisti, Scene::Les4)) crossMusicRegion(2, 4);
    };
    on("Label41Click", wayEast);
    for (int i = 156; i <= 160; ++i) on("Image" + std::to_string(i) + "Click", wayEast);
    auto innDoor = [=, this] {
        InventoryModeGuard();
        walk(Scene::Predhospodou, Scene::Vhospode);
        FailedUseHook();
    };
    on("Label3Click", innDoor);
    on("Label4Click", innDoor);
    on("Label5Click", [=, this] {
        if (exitAllowed()) c.Ztpusavpravo->Visible = true;
        walk(Scene::Predhospodou, Scene::Natrzisti);
    });
    on("Label13Click", [=, this] { walk(Scene::Predhospodou, Scene::Predradnici); });
    on("Label88Click", [=, this] {
        GameState& s = state;
        if (!exitAllowed()) return;
        if (s.CriminalDoorOpen == 0) {
            describe(kLockedDoor);
        } else if (storyFlag("Svzetinoze")) {
            describe(kKnifeTaken);
        } else {
            walk(Scene::Predhospodou, Scene::Uzlocinkyne);
        }
    });
    on("prechodpredhospoduClick", [=, this] { walk(Scene::Vhospode, Scene::Predhospodou); });
    on("Label12Click", [=, this] { walk(Scene::Predradnici, Scene::Predhospodou); });
    on("Label14Click", [=, this] {
        if (walk(Scene::Predradnici, Scene::Predsoudem)) enterCourt();
    });
    on("Label90Click", [=, this] { walk(Scene::Predradnici, Scene::Radnice); });
    on("Label89Click", [=, this] { walk(Scene::Radnice, Scene::Predradnici); });
    on("Label16Click", [=, this] {
        if (walk(Scene::Predsoudem, Scene::Predradnici)) leaveCourt();
    });
    on("Label18Click", [=, this] {
        if (!walk(Scene::Predsoudem, Scene::Predveznici)) return;
        leaveCourt();
        enterPrison();
    });
    on("Label17Click", [=, this] {
        if (!walk(Scene::Predveznici, Scene::Predsoudem)) return;
        leavePrison();
        enterCourt();
    });
    auto prisonDoor = [=, this] {
        InventoryModeGuard();
        if (walk(Scene::Predveznici, Scene::Veveznici)) leavePrison();
        FailedUseHook();
    };
    for (const char* n : {"Label19Click", "Label20Click", "Label21Click"}) on(n, prisonDoor);
    on("Label24Click", [=, this] {
        InventoryModeGuard();
        if (walk(Scene::Predveznici, Scene::Les1)) {
            leavePrison();
            crossMusicRegion(2, 3);
        }
        FailedUseHook();
    });
    on("Label22Click", [=, this] {
        if (walk(Scene::Veveznici, Scene::Predveznici)) enterPrison();
    });
    on("Label87Click", [=, this] { walk(Scene::Uzlocinkyne, Scene::Predhospodou); });

    // The western forest.
    on("Label23Click", [=, this] {
        if (!walk(Scene::Les1, Scene::Predveznici)) return;
        crossMusicRegion(3, 2);
        enterPrison();
    });
    on("Label37Click", [=, this] {
        if (walk(Scene::Les1, Scene::Les2)) showBushOrWayOn();
    });
    on("Label36Click", [=, this] { walk(Scene::Les2, Scene::Les1); });
    on("Label39Click", [=, this] {
        GameState& s = state;
        if (!exitAllowed()) return;
        if (storyFlag("Sdcerka")) {
            // Found before: she has gone home. This way keeps the idle clock.
            c.Dcerka->Visible = false;
            switchScene(Scene::Les2, Scene::Les3);
            return;
        }
        s.IdleTime = 0;
        switchScene(Scene::Les2, Scene::Les3);
        setStoryFlag("Sdcerka", true);
        c.Dcerka->Visible = true;
        describe(kDaughterRemark);
        s.LineTimer[2].Limit = textLength(c.Popis->Caption) * s.SpeechSpeed;
        s.LineTimer[2].Active = 1;
    });
    on("Label38Click", [=, this] {
        if (walk(Scene::Les3, Scene::Les2)) screen->stopAnimation(*c.Dcerka);
    });

    // The eastern forest and the cave.
    on("Label63Click", [=, this] {
        if (walk(Scene::Les4, Scene::Natrzisti)) crossMusicRegion(4, 2);
    });
    on("Label98Click", [=, this] { walk(Scene::Les4, Scene::Les5); });
    on("Label97Click", [=, this] { walk(Scene::Les5, Scene::Les4); });
    on("Label99Click", [=, this] {
        GameState& s = state;
        if (!exitAllowed()) return;
        s.IdleTime = 0;
        if (s.RangerLetsPass == 1) {
            switchScene(Scene::Les5, Scene::Les6);
            return;
        }
        // The ranger stands in the way and says so himself.
        c.L5pusa->Visible = true;
        c.hranicarocimluva->Visible = true;
        c.hranicarmluva->Visible = true;
        c.L5mluva->Visible = false;
        c.hranicaroci->Visible = false;
        c.hranicarpusa->Visible = false;
        c.Rozhovor->Font_.Color = layout::clRed;
        if (auto line = inLanguage(kRangerWarning)) setCaption(*c.Rozhovor, *line);
        s.TalkTime = textLength(c.Rozhovor->Caption) * s.SpeechSpeed;
        s.TalkTimerOn = 1;
    });
    on("Label40Click", [=, this] { walk(Scene::Les6, Scene::Les5); });
    auto caveMouth = [=, this] {
        GameState& s = state;
        InventoryModeGuard();
        if (exitAllowed()) {
            s.IdleTime = 0;
            scenePanel(c, Scene::Les6)->Visible = false;
            c.Vjeskyni->Visible = true;
            for (layout::GifAnimator* g : c.sceneFaces[static_cast<size_t>(Scene::Les6)]) screen->stopAnimation(*g);
            crossMusicRegion(4, 5);
            s.InCave = 1;
            s.CaveNumber = 0;
            s.LevelIntroMessage = 1;
            c.Start->Enabled = true;
            // The cave keeps the plain pointer (its own file name carries no
            // folder, so it would find no file and leave the default one).
            s.CursorFile = kPlainCursor;
        }
        FailedUseHook();
    };
    for (int i = 100; i <= 112; ++i) on("Label" + std::to_string(i) + "Click", caveMouth);

    // The pointer over exits and talk hotspots; an item in the hand stays.
    for (const std::string& label : exitLabels()) {
        const scenes::ExitHandlers h = scenes::exitHandlers(label);
        on(h.enter, [this] {
            if (state.HandsEmpty == 1) state.CursorFile = kExitCursor;
        });
        on(h.leave, [this] {
            if (state.HandsEmpty == 1) state.CursorFile = kPlainCursor;
        });
    }
    on("Label88MouseEnter", [this] {
        if (state.HandsEmpty == 1 && state.CriminalDoorOpen == 1) state.CursorFile = kExitCursor;
    });
    on("Label88MouseLeave", [this] {
        if (state.HandsEmpty == 1 && state.CriminalDoorOpen == 1) state.CursorFile = kPlainCursor;
    });
    for (const char* talk :
         {"Label118", "Label119", "Label120", "Label121", "Label122", "PokecL1", "PokecL5", "PokecRadnice"}) {
        const bool bushMan = std::string_view(talk) == "Label118";
        on(std::string(talk) + "MouseEnter", [this, bushMan] {
            if (bushMan && c.Krovakvp->FrameIndex <= 6) return;
            if (state.HandsEmpty == 1) state.CursorFile = kTalkCursor;
        });
        on(std::string(talk) + "MouseLeave", [this] {
            if (state.HandsEmpty == 1) state.CursorFile = kPlainCursor;
        });
    }
}

}  // namespace kvarnel::app

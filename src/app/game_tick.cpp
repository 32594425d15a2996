// The game tick: everything that is not a direct answer to a click, as one
// fixed sequence of steps every 50 ms of game time. Several steps end the
// tick early so the steps after them wait for the next one.
//
// The movies, the conversations, the story sequences, the menu and the small
// games hook in at their steps below; until they exist their steps keep
// their place (and their guards where ending the tick matters) and do
// nothing.
#include "app/countdown.h"
#include "app/game.h"

namespace kvarnel::app {

namespace {

bool shown(const layout::Control* c) {
    return c != nullptr && c->Visible;
}

}  // namespace

void Game::CasodavacTimer() {
    GameState& s = state;
    const bool escape = platform.keyDown(platform::Key::Escape);
    const platform::Size screenSize = platform.screenSize();

    // 1. Pointer parking while a movie is on screen.
    if (shown(c.Titulky) || shown(c.Outro) || shown(c.Intro)) {
        platform.setCursorPos({screenSize.width, screenSize.height});
    }
    // 2. Escape leaves the credits for the main menu.
    if (shown(c.Titulky) && escape) {
        platform.setCursorPos({screenSize.width / 2, screenSize.height / 2});
        platform.showCursor(true);
        c.Titulky->Visible = false;
        for (const char* name : {"Titulky1", "Titulky2"}) {
            if (auto* movie = layout.findAs<layout::ShockwaveFlash>(name)) {
                movies.stop(*movie);
                movies.rewind(*movie);
            }
        }
        c.Menu1->Visible = true;
        return;
    }
    // 3. Ending movies: nothing runs them yet.
    // 4. The criminal's door shows exactly while it is open.
    if (!c.Label125->Visible && s.CriminalDoorOpen == 1) c.Label125->Visible = true;
    if (c.Label125->Visible && s.CriminalDoorOpen == 0) c.Label125->Visible = false;
    // 5. Skipping the intro.
    if (escape && shown(c.Intro)) return;
    // 6.-8. The maker logo, the intro watch and the logo watch: no movies yet.
    // 9.-11. The small games' clocks take the whole tick while they run.
    if (s.BonusAnimationOn == 1) return;
    if (s.BonusGameUnlocked == 1 && s.BonusBallInPlay == 1) return;
    if (s.TableGameRunning == 1) return;
    // 12. Money bookkeeping.
    s.TableTickElapsed = 0;
    moneyAndHandsRules();
    setCaption(*c.Label10, c.Penez->Caption);
    // 13. The main menu on Escape comes with the menu.
    // 14. While the frame timer runs a screen of its own, the rest waits.
    if (c.Start->Enabled) return;
    // 15. The remark after coming out of the cave.
    if (s.CaveExitRemarkDue == 1) {
        if (s.CaveExitRemarkTicks == 30) {
            describe(
                s.DaughterReturned == 1
                    ? scenes::Text{"Ajta! Heh, tak to kdybych se tehdy do téhle jeskyně nebál jít, tak už bych tu "
                                   "láhev měl dávno.",
                                   "Eh, heh. If I wasn't so affraid to go into that cave before, I could have that "
                                   "bottle already."}
                    : scenes::Text{"Sakra, kde jsem to vyšel? No, do Lhotky se už odtut nějak dostanu, hlavně že "
                                   "mám tu láhev.",
                                   "Damned, where am I? I'll get to the Lhotka somehow, the most important is "
                                   "that I have got the bottle now."});
            s.CaveExitRemarkDue = 0;
        } else {
            ++s.CaveExitRemarkTicks;
        }
    }
    // 16. The idle clock.
    if (hasText(*c.Rozhovor) || hasText(*c.Popis) || shown(c.Rukpal) || s.InventoryOpen == 1 || shown(c.Menu1) ||
        shown(c.Intro) || (hasText(*c.Otazka[0]) && c.Otazka[0]->Visible)) {
        s.IdleTime = 0;
    }
    if (s.IdleTime <= 12000) {
        if (s.IdleTime + kCountdownStep > 12000) {
            s.IdleTime = 0;
            s.IdleRemarkDue = 1;
        } else {
            s.IdleTime += kCountdownStep;
        }
    }
    // 17. The idle remark itself comes with the remarks.
    if (s.IdleRemarkDue == 1) s.IdleRemarkDue = 0;
    // 18.-19. The talk countdown and the conversation script's pass.
    if (s.TalkTimerOn == 1) advanceRuleA(s.TalkTime, s.TalkElapsed, s.TalkExpired);
    if (s.TalkExpired == 1) {
        conversationPass();
        s.TalkExpired = 0;
    }
    // 20.-21. The description countdown and the end of its line.
    if (s.DescriptionTimerOn == 1) advanceRuleA(s.DescriptionTime, s.DescriptionElapsed, s.DescriptionExpired);
    if (s.DescriptionExpired == 1) {
        s.FailedUseArmed = 1;
        plainDescriptionEnd();
    }
    // 22.-23.
    descriptionStart();
    labelArbitration();
    // 24. Folding the inventory bar away.
    if (s.InventoryClosing == 1) inventoryClosingStep();
    // 25.-26. The speech countdown; its end belongs to the conversations.
    if (s.SpeechTimerOn == 1) advanceRuleA(s.SpeechTime, s.SpeechElapsed, s.SpeechExpired);
    // 27. The pointer follows CursorFile within one tick.
    refreshPointer();
    // 28. The sequence countdowns and the inventory placement.
    advanceSequenceTimers();
    // 29.-30. The inventory bar's poll and its re-arm.
    if (s.InventoryPoll == 1) inventoryPoll();
    inventoryPollRearm();
}

void Game::conversationPass() {
    // The ranger's warning at the edge of his land, when its time is up:
    // his face goes back to rest and the exchange ends at once. The scripts
    // of the conversations add their steps here.
    if (sceneShown(scenes::Scene::Les5) &&
        (c.Rozhovor->Caption == kRangerWarning.cz || c.Rozhovor->Caption == kRangerWarning.en)) {
        c.hranicarpusa->Visible = true;
        c.hranicaroci->Visible = true;
        c.hranicarmluva->Visible = false;
        c.hranicarocimluva->Visible = false;
        c.L5pusa->Visible = true;
        c.L5mluva->Visible = false;
        endConversationAtOnce();
    }
}

void Game::endConversationAtOnce() {
    for (layout::Label* choice : c.Otazka) {
        choice->Visible = false;
        setCaption(*choice, "");
    }
    c.zrusit->Visible = false;
    setCaption(*c.Popis, "");
    setCaption(*c.Rozhovor, "");
    state.DescriptionsOn = 1;
}

void Game::advanceSequenceTimers() {
    GameState& s = state;
    advanceRuleC(s.BirdActive, s.BirdStepTime, s.BirdElapsed, s.BirdStepDue, 50);
    advanceRuleC(s.BirdPauseOn, s.BirdPause, s.BirdPauseElapsed, s.BirdPauseDue, 50);
    if (s.KrovakIdleOn == 1) advanceRuleA(s.KrovakIdleTime, s.KrovakIdleElapsed, s.KrovakIdleDue);
    if (s.ArrangeInventory == 1) inventoryPlacement();
    advanceRuleC(s.LineTimer[11], 100);
    for (int i = 10; i >= 0; --i) advanceRuleB(s.LineTimer[static_cast<size_t>(i)]);
}

}  // namespace kvarnel::app

#include "story/tick.h"

#include "core/countdown.h"
#include "scenes/inventory.h"
#include "screens/bonus_game.h"
#include "screens/menu.h"
#include "screens/table_game.h"
#include "story/conversation.h"
#include "story/idle_remarks.h"
#include "story/movies.h"
#include "story/sequences.h"
#include "story/speech.h"

namespace kvarnel::story {

namespace {

bool shown(const layout::Control* c) {
    return c != nullptr && c->Visible;
}

}  // namespace

void CasodavacTimer(scenes::Context& ctx) {
    using scenes::hasText;
    core::GameState& s = ctx.state;
    scenes::Controls& c = ctx.c;
    platform::Platform& platform = ctx.platform;
    const bool escape = platform.keyDown(platform::Key::Escape);
    const platform::Size screenSize = platform.screenSize();

    // 1. Pointer parking while a movie is on screen.
    if (shown(c.Titulky) || shown(c.Outro) || shown(c.Intro)) {
        platform.setCursorPos({screenSize.width, screenSize.height});
    }
    // 2. Escape leaves the credits for the main menu; so do credits that
    // cannot be played, which would otherwise leave a black screen.
    if (shown(c.Titulky) && (escape || creditsUnplayable(ctx))) {
        platform.setCursorPos({screenSize.width / 2, screenSize.height / 2});
        platform.showCursor(true);
        c.Titulky->Visible = false;
        for (layout::ShockwaveFlash* movie : {c.Titulky1, c.Titulky2}) {
            ctx.movies.stop(*movie);
            ctx.movies.rewind(*movie);
        }
        c.Menu1->Visible = true;
        return;
    }
    // 3. The ending movies.
    endingChainStep(ctx);
    // 4. The criminal's door shows exactly while it is open.
    if (!c.Label125->Visible && s.CriminalDoorOpen == 1) c.Label125->Visible = true;
    if (c.Label125->Visible && s.CriminalDoorOpen == 0) c.Label125->Visible = false;
    // 5. Skipping the intro.
    if (skipIntroOnEscape(ctx, escape)) return;
    // 6.-8. The maker logo, the intro watch and the logo watch.
    makerLogoStep(ctx);
    introWatchStep(ctx);
    logoWatchStep(ctx);
    // 9.-11. The small games' clocks take the whole tick while they run.
    if (s.BonusAnimationOn == 1) {
        screens::bonusAnimationStep(ctx);
        return;
    }
    if (s.BonusGameUnlocked == 1 && s.BonusBallInPlay == 1) {
        screens::bonusClockStep(ctx);
        return;
    }
    if (s.TableGameRunning == 1) {
        screens::tableClockStep(ctx);
        return;
    }
    // 12. Money bookkeeping.
    s.TableTickElapsed = 0;
    scenes::moneyAndHandsRules(ctx);
    scenes::setCaption(ctx, *c.Label10, c.Penez->Caption);
    // 13. The main menu on Escape.
    if (screens::openMenuOnEscape(ctx, escape)) return;
    // 14. While the frame timer runs a screen of its own, the rest waits.
    if (c.Start->Enabled) return;
    // 15. The remark after coming out of the cave.
    if (s.CaveExitRemarkDue == 1) {
        if (s.CaveExitRemarkTicks == 30) {
            scenes::describe(ctx, s.DaughterReturned == 1 ? kCaveExitRemarkHome : kCaveExitRemarkLost);
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
        if (s.IdleTime + core::kCountdownStep > 12000) {
            s.IdleTime = 0;
            s.IdleRemarkDue = 1;
        } else {
            s.IdleTime += core::kCountdownStep;
        }
    }
    // 17. The idle remark.
    if (s.IdleRemarkDue == 1) {
        IdleRemark(ctx);
        s.IdleRemarkDue = 0;
    }
    // 18.-19. The talk countdown and the conversation script's pass.
    if (s.TalkTimerOn == 1) core::advanceRuleA(s.TalkTime, s.TalkElapsed, s.TalkExpired);
    if (s.TalkExpired == 1) {
        const bool endsTick = conversationPass(ctx);
        s.TalkExpired = 0;
        if (endsTick) return;
    }
    // 20.-21. The description countdown and the end of its line.
    if (s.DescriptionTimerOn == 1) core::advanceRuleA(s.DescriptionTime, s.DescriptionElapsed, s.DescriptionExpired);
    if (s.DescriptionExpired == 1) {
        s.FailedUseArmed = 1;
        if (endingLinesStep(ctx)) return;
        if (descriptionContinuation(ctx)) return;
        plainDescriptionEnd(ctx);
    }
    // 22.-23.
    descriptionStart(ctx);
    labelArbitration(ctx);
    // 24. Folding the inventory bar away.
    if (s.InventoryClosing == 1) scenes::inventoryClosingStep(ctx);
    // 25.-26. The speech countdown and the end of an exchange.
    if (s.SpeechTimerOn == 1) core::advanceRuleA(s.SpeechTime, s.SpeechElapsed, s.SpeechExpired);
    if (s.SpeechExpired == 1 && speechEnd(ctx)) return;
    // 27. The pointer follows CursorFile within one tick.
    scenes::refreshPointer(ctx);
    // 28. The sequence countdowns and the inventory placement.
    if (advanceSequenceTimers(ctx)) return;
    // 29.-30. The inventory bar's poll and its re-arm.
    if (s.InventoryPoll == 1) scenes::inventoryPoll(ctx);
    scenes::inventoryPollRearm(ctx);
}

}  // namespace kvarnel::story

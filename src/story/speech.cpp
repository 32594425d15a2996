#include "story/speech.h"

#include "scenes/exits.h"

namespace kvarnel::story {

using core::GameState;
using scenes::Controls;

void descriptionStart(scenes::Context& ctx) {
    GameState& s = ctx.state;
    Controls& c = ctx.c;
    if (s.NarratorTalks != 1 || c.Otazka[0]->Visible || !scenes::hasText(*c.Popis)) return;
    s.DescriptionsOn = 0;
    s.DescriptionsResume = 0;
    for (const Controls::DetectiveFace& f : c.detectiveFaces) {
        if (!scenes::sceneShown(ctx, f.scene)) continue;
        f.head->Visible = false;
        f.eyes->Visible = false;
        f.mouth->Visible = false;
        if (f.hidesTalkingMouth && f.talkingMouth) f.talkingMouth->Visible = false;
        if (f.hidesEyesInTalk && f.eyesInTalk) f.eyesInTalk->Visible = false;
        f.description->Visible = true;
        // Re-timed every tick: the limit follows the caption (and the speed),
        // the elapsed time runs on.
        s.DescriptionTime = scenes::textLength(c.Popis->Caption) * s.SpeechSpeed;
        // A shorter line put in place of a longer one after more than its
        // own time ran ends at the next step: the countdown expires only on
        // reaching its limit from below, so it would otherwise stay for good.
        if (s.DescriptionElapsed > s.DescriptionTime) s.DescriptionElapsed = s.DescriptionTime;
        s.DescriptionTimerOn = 1;
    }
}

void labelArbitration(scenes::Context& ctx) {
    GameState& s = ctx.state;
    Controls& c = ctx.c;
    c.Popis->Visible = true;
    if (s.PlayerFree == 1) {
        if (s.InventoryOpen == 1) {
            s.DescriptionsOn = 0;
        } else if (s.DescriptionsResume == 1) {
            s.DescriptionsOn = 1;
        }
    }
    if (c.Otazka[0]->Visible) s.DescriptionsOn = 0;
    if (scenes::hasText(*c.Rozhovor)) {
        c.Popis->Visible = false;
        s.DescriptionsOn = 0;
    }
}

void plainDescriptionEnd(scenes::Context& ctx) {
    GameState& s = ctx.state;
    Controls& c = ctx.c;
    scenes::setCaption(ctx, *c.Popis, "");
    for (const Controls::DetectiveFace& f : c.detectiveFaces) {
        if (!scenes::sceneShown(ctx, f.scene)) continue;
        f.head->Visible = true;
        f.eyes->Visible = true;
        f.mouth->Visible = true;
        f.description->Visible = false;
        if (f.hidesTalkingMouth && f.talkingMouth) f.talkingMouth->Visible = false;
        if (f.hidesEyesInTalk && f.eyesInTalk) f.eyesInTalk->Visible = false;
        s.DescriptionTimerOn = 0;
    }
    if (s.PlayerFree == 1 && s.InventoryOpen == 0 && s.DescriptionsResume == 1) s.DescriptionsOn = 1;
    if (s.PlayerFree == 1 && s.InventoryOpen == 1) s.DescriptionsOn = 0;
    s.DescriptionsResume = 1;
    s.DescriptionExpired = 0;
}

}  // namespace kvarnel::story

#include "story/conversation.h"

#include <array>
#include <set>

#include "layout/errors.h"
#include "scenes/exits.h"
#include "scenes/failed_use.h"
#include "scenes/item_use.h"

namespace kvarnel::story {

using core::GameState;
using scenes::Context;
using namespace scenes::op;
using scenes::ops;

namespace {

// Font sizes of zrusit, in the layout's pixels: 14 points under the
// pointer, 12 at rest.
constexpr int32_t kCancelHoverHeight = -19;
constexpr int32_t kCancelRestHeight = -16;

const auto kGroups =
    std::to_array<const StepGroup*>({&kRangerSteps, &kMayorSteps, &kDruidSteps, &kSheriffSteps, &kBushManSteps,
                                     &kPublicanSteps, &kOldManSteps, &kWarriorSteps, &kWarriorStepsAnywhere});
const auto kCharacters = std::to_array<const Character*>(
    {&kRanger, &kMayor, &kDruid, &kSheriff, &kBushMan, &kPublican, &kOldMan, &kWarrior});

// After a conversation every character's eyes are at rest, whichever scene
// shows; the Bush Man goes back into his shrub.
constexpr auto kEyesAtRest =
    ops(show("Drujdoci"), hide("Drujdocimluva"), show("L1oci"), hide("L1ocimluva"), show("Zocibojovnika"),
        hide("zocibojovnikamluva"), show("Hhoci"), hide("hhocimluva"), show("hranicaroci"), hide("hranicarocimluva"),
        show("Starostaoci"), hide("Starostaocimluva"), show("Serifoci"), hide("Serifocimluva"), frame("Krovakvp", 8),
        show("Krovakvp"), animate("Krovakvp"), hide("Krovak"), hide("Krovakoci"), hide("Krovakpusa"),
        set("KrovakIdleOn", 1), hide("PvMluva"), show("Pvpusa"));

// The detective's comment after the druid's or the ranger's last line: his
// portrait comes back and the comment in Popis is timed.
constexpr auto kDruidAfterword = ops(show("L1hlava"), show("L1ocimluva"), show("L1pusa"), hide("L1oci"),
                                     hide("L1mluva"), hide("L1popis"), time(scenes::Timing::Description));
constexpr auto kRangerAfterword = ops(show("L5Hlava"), show("L5oci"), show("L5pusa"), hide("L5Popis"));

// Descriptions come back as at the plain end of a description line.
void descriptionsAsAtLineEnd(GameState& s) {
    if (s.PlayerFree == 1 && s.InventoryOpen == 0 && s.DescriptionsResume == 1) s.DescriptionsOn = 1;
    if (s.PlayerFree == 1 && s.InventoryOpen == 1) s.DescriptionsOn = 0;
}

void talkClick(Context& ctx, const Character& ch) {
    if (ctx.state.DescriptionsOn == 1 && (!ch.opensWhen || ch.opensWhen(ctx))) {
        const bool endsClick = ch.openingEndsClick && ch.openingEndsClick(ctx);
        scenes::runOps(ctx, ch.opening);
        if (endsClick) return;
    }
    scenes::useItem(ctx, ch.itemUse);
    scenes::FailedUseHook(ctx);
}

void choiceClick(Context& ctx, size_t index) {
    GameState& s = ctx.state;
    scenes::Controls& c = ctx.c;
    layout::Label& choice = *c.Otazka[index];
    if (!scenes::hasText(choice)) return;
    for (const Character* ch : kCharacters) {
        if (scenes::sceneShown(ctx, ch->scene)) scenes::runOps(ctx, ch->replyPose);
    }
    s.TalkElapsed = 0;
    for (layout::Label* o : c.Otazka) o->Visible = false;
    c.zrusit->Visible = false;
    c.Rozhovor->Font_.Color = layout::clYellow;
    scenes::setCaption(ctx, *c.Rozhovor, choice.Caption);
    s.TalkTime = scenes::textLength(c.Rozhovor->Caption) * s.SpeechSpeed;
    s.TalkTimerOn = 1;
}

void cancelClick(Context& ctx) {
    GameState& s = ctx.state;
    scenes::Controls& c = ctx.c;
    s.TalkElapsed = 0;
    for (layout::Label* o : c.Otazka) {
        o->Visible = false;
        scenes::setCaption(ctx, *o, "");
    }
    c.zrusit->Visible = false;
    s.InventoryClosed = 1;
    s.DescriptionsOn = 1;
    s.TalkTimerOn = 0;
    for (const Character* ch : kCharacters) {
        if (scenes::sceneShown(ctx, ch->scene)) scenes::runOps(ctx, ch->cancelEyes);
    }
}

void setFontHeight(Context& ctx, layout::Label& label, int32_t height, bool bold) {
    label.Font_.Height = height;
    label.Font_.Bold = bold;
    ctx.screen->autoSize(label);
}

void addNames(std::set<std::string>& out, const layout::Layout& layout, std::span<const Op> rows) {
    for (std::string& n : scenes::missingNames(layout, rows)) out.insert(std::move(n));
}

}  // namespace

std::span<const StepGroup* const> stepGroups() {
    return kGroups;
}

std::span<const Character* const> characters() {
    return kCharacters;
}

bool triggers(const Step& step, std::string_view caption) {
    return caption == step.after.cz || (!step.after.en.empty() && caption == step.after.en);
}

std::vector<std::string> missingConversationNames(const layout::Layout& layout) {
    std::set<std::string> missing;
    for (const StepGroup* g : kGroups) {
        for (const Step& st : g->steps) addNames(missing, layout, st.actions);
    }
    for (const Character* ch : kCharacters) {
        for (std::span<const Op> rows : {ch->opening, ch->replyPose, ch->listeningPose, ch->cancelEyes})
            addNames(missing, layout, rows);
        if (!layout::as<layout::Control>(layout.find(ch->hotspot))) missing.emplace(ch->hotspot);
    }
    for (const scenes::ItemUseProcedure* p : scenes::itemUseProcedures()) {
        addNames(missing, layout, p->faces);
        addNames(missing, layout, p->always);
        for (const scenes::ItemReply& r : p->replies) addNames(missing, layout, r.effects);
    }
    for (std::span<const Op> rows : {std::span<const Op>(kEyesAtRest), std::span<const Op>(kDruidAfterword),
                                     std::span<const Op>(kRangerAfterword)})
        addNames(missing, layout, rows);
    return {missing.begin(), missing.end()};
}

void checkConversationNames(const layout::Layout& layout, std::string_view source) {
    if (const std::vector<std::string> missing = missingConversationNames(layout); !missing.empty()) {
        std::string list;
        for (const std::string& n : missing) list += (list.empty() ? "" : ", ") + n;
        throw layout::LayoutError(std::string(source) + ": the conversations need components it lacks: " + list);
    }
}

void bindConversationHandlers(Context& ctx, layout::HandlerRegistry& handlers) {
    for (const Character* ch : kCharacters) {
        handlers.add(std::string(ch->hotspot) + "Click", [&ctx, ch](const layout::EventArgs&) { talkClick(ctx, *ch); });
    }
    for (size_t i = 0; i < 3; ++i) {
        const std::string name = "Otazka" + std::to_string(i + 1);
        handlers.add(name + "Click", [&ctx, i](const layout::EventArgs&) { choiceClick(ctx, i); });
        handlers.add(name + "MouseMove",
                     [&ctx, i](const layout::EventArgs&) { ctx.c.Otazka[i]->Font_.Color = layout::clYellow; });
        handlers.add(name + "MouseLeave",
                     [&ctx, i](const layout::EventArgs&) { ctx.c.Otazka[i]->Font_.Color = layout::clWhite; });
    }
    handlers.add("zrusitClick", [&ctx](const layout::EventArgs&) { cancelClick(ctx); });
    handlers.add("zrusitMouseMove",
                 [&ctx](const layout::EventArgs&) { setFontHeight(ctx, *ctx.c.zrusit, kCancelHoverHeight, true); });
    handlers.add("zrusitMouseLeave",
                 [&ctx](const layout::EventArgs&) { setFontHeight(ctx, *ctx.c.zrusit, kCancelRestHeight, false); });
}

bool conversationPass(Context& ctx) {
    for (const StepGroup* g : kGroups) {
        if (g->scene && !scenes::sceneShown(ctx, *g->scene)) continue;
        for (const Step& st : g->steps) {
            if (!triggers(st, ctx.c.Rozhovor->Caption)) continue;
            if (st.when && !st.when(ctx)) continue;
            scenes::runOps(ctx, st.actions);
            scenes::timeLine(ctx, st.timing, st.extraMs);
            if (st.endsTick) return true;
        }
    }
    return false;
}

bool speechEnd(Context& ctx) {
    GameState& s = ctx.state;
    scenes::Controls& c = ctx.c;
    s.TalkTimerOn = 1;
    if (s.EndTalkAfterLine == 1) {
        s.PlayerFree = 1;
        scenes::setCaption(ctx, *c.Rozhovor, "");
        for (layout::Label* o : c.Otazka) o->Visible = false;
        c.zrusit->Visible = false;
    } else {
        c.zrusit->Visible = s.ChoicesWithoutCancel != 1;
        // A comment of the detective's that closed the exchange is cut off
        // here, a tick before its own countdown would end it; he has stopped
        // speaking, so descriptions and items may resume once the choices
        // are gone. (Left at 0, an inventory bar opened later would switch
        // descriptions off for good, and with them every exit.)
        if (scenes::hasText(*c.Popis)) s.DescriptionsResume = 1;
        scenes::setCaption(ctx, *c.Popis, "");
        scenes::setCaption(ctx, *c.Rozhovor, "");
        for (layout::Label* o : c.Otazka) o->Visible = true;
    }
    for (const Character* ch : kCharacters) {
        if (scenes::sceneShown(ctx, ch->scene)) scenes::runOps(ctx, ch->listeningPose);
    }
    if (s.DruidAfterword == 1) {
        scenes::runOps(ctx, kDruidAfterword);
        descriptionsAsAtLineEnd(s);
        s.DruidAfterword = 0;
    }
    if (s.RangerAfterword == 1) {
        scenes::runOps(ctx, kRangerAfterword);
        descriptionsAsAtLineEnd(s);
        s.RangerAfterword = 0;
    }
    if (s.EndTalkAfterLine == 1) {
        conversationEndEyeReset(ctx);
        s.PlayerFree = 1;
        s.EndTalkAfterLine = 0;
        s.TalkTime = 0;
        s.TalkElapsed = 0;
        s.SpeechTime = 0;
        s.SpeechTimerOn = 0;
        s.ChoicesWithoutCancel = 0;
        s.SpeechExpired = 0;
        return true;
    }
    s.ChoicesWithoutCancel = 0;
    s.DescriptionTime = scenes::textLength(c.Popis->Caption) * s.SpeechSpeed;
    s.DescriptionTimerOn = 1;
    s.SpeechTime = 0;
    s.SpeechTimerOn = 0;
    s.SpeechExpired = 0;
    return false;
}

void conversationEndEyeReset(Context& ctx) {
    scenes::runOps(ctx, kEyesAtRest);
}

void endConversationAtOnce(Context& ctx) {
    scenes::endExchangeAtOnce(ctx);
}

}  // namespace kvarnel::story

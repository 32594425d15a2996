// Sections:
//   [Lines]          the monologues' lines
//   [Continuations]  what follows the end of certain Popis lines, as rows
//   [Countdowns]     the bird, the Bush Man and LineTimer0 .. LineTimer11
#include "story/sequences.h"

#include <array>

#include "core/countdown.h"
#include "scenes/actions.h"
#include "scenes/inventory.h"
#include "scenes/object_use.h"

namespace kvarnel::story {

using core::GameState;
using scenes::Context;
using scenes::Op;
using scenes::Text;
using namespace scenes::op;
using scenes::join;
using scenes::ops;

namespace {

// [Lines] -------------------------------------------------------------------

constexpr Text kKnifeHurry{"Tak, teď rychle ten nůž, jestli křovák nelhal, musí tady někde být.",
                           "So, now the knife, hurry, if the Bush-man was true, it must be here!"};
constexpr Text kStillWaiting{"A teď se na mě asi ještě stále čeká, že? Čekáš až to vykopu, co?",
                             "You are still waiting for me, aren't you? For me to dig this up, yeah?"};
constexpr Text kRefillTheHole{
    "Nejtěžší na tom bylo zase tu díru, která při kopání vznikla, zasypat a upravit trávník do původní podoby.",
    "The most difficult think was to fill that hole and make the grass look like before."};
constexpr Text kTenBottles{"Uff, to byla fuška. Ale stálo to za to, vykopal jsem deset lahvinek Becherovky.",
                           "Well this was though work. But it was worth it, I got ten bottles of Becherovka."};
constexpr Text kAnswerIsNo{"A odpověď zní ne . . . no . . . ale . . . ehm, já radši půjdu kopat.",
                           "The answer is no. . . well. . . but. . . I'll rather go digging."};
constexpr Text kAnythingWorse{"Ale já se ptám, můžeš mi udělat ještě něco horšího?",
                              "But I ask, may you do to me anything worse?"};
constexpr Text kKillMe{
    "Mohl bys tím v podstatě během pár okamžiků zrušit mojí existenci, skoncovat s mým bytím, zničit mé já, ZABÍT "
    "MĚ!!!",
    "You could, in fact, erase my existence in few seconds; destroy my self, KILL ME!!!"};
constexpr Text kDeleteTheGame{"Já vím, můžeš namítnout, že můžeš celou tuhle hru vymazat a tím zničit i mě.",
                              "Oh yeah, you say that you can delete the whole game and destroy me."};
constexpr Text kWhatCanYouDo{"Hmm? Co mě vůbec ty, jako hráč můžeš udělat?",
                             "Yeah, what can you do to me, as a player?"};
constexpr Text kHalfAnHour{"Ehm, teď si nejspíš myslíš, že jsem to za tu půl hodinu vykopal, že?",
                           "Well, you probably think, that I dig this up in half hour, don't you?"};
constexpr Text kUnderThisTree{"Takže Becherovky musí být zakopány pod tímto stromem.",
                              "So the bottles of Becherovka must be under this tree."};
constexpr Text kGenius{
    "Soud znázorňuje onu spravedlnost a ten mohutný strom soulad přírody a člověka. Geniální!",
    "The court means the justice and the big tree means relationship between human and the nature. Genius!"};
constexpr Text kNotInTheMood{
    "Ale mě se kopat fakt nechce a tak mě napadá, co mě můžeš vlastně udělat, když kopat nebudu?",
    "I am really not in mood for digging. I think about, what can you do to me if I won't dig?"};
constexpr Text kShrubGone{"Uff, tak jsem to nakonec zvládl. Keř je kompletně pryč. Jsem dobrej!",
                          "Huff, I made it finally. The shrub is definitely gone. I am the best."};
constexpr Text kBushManThanks{"Ještě jednou vám děkuji, pane, že jsi mi mojí dcerku přivedl zpátky.",
                              "Thank you one more time sir, for bringing my daughter back."};
constexpr Text kMagpiesNest{
    "To hnízdo je asi od straky, protože jsem v něm našel nějaké želízko. Třeba se bude hodit.",
    "This is probably magpie's nest, 'cause I found a piece of iron there. Maybe it'll be useful."};
constexpr Text kOldManNameQuestion{
    "Slyšel jsem, že prý se jmenujete Dědek. To vám odmalička říkali Dědku?",
    "I've heard that they call you Old man. Did they call you Old man 'til you were a baby?"};
constexpr Text kTopOfTheHill{". . .  no, a tak jsem došel až na vrchol té hory.", ". . .so I made it up to that hill."};

// [Continuations] -----------------------------------------------------------

// An interlude lasts its caption's characters times this many ms.
constexpr int32_t kInterludeMsPerCharacter = 200;

int32_t captionMs(const Context& ctx, std::string_view label, int32_t perCharacter) {
    const auto* l = ctx.layout.findAs<layout::Label>(label);
    return l != nullptr ? scenes::textLength(l->Caption) * perCharacter : 0;
}

void arm(GameState& s, size_t timer, int32_t limit) {
    s.LineTimer[timer].Limit = limit;
    s.LineTimer[timer].Active = 1;
}

void showPointer(Context& ctx) {
    ctx.platform.showCursor(true);
}
void hidePointer(Context& ctx) {
    ctx.platform.showCursor(false);
}
void armClick(Context& ctx) {
    arm(ctx.state, 11, captionMs(ctx, "Zprava7", kInterludeMsPerCharacter) + 500);
}
void armTreasure(Context& ctx) {
    arm(ctx.state, 10, captionMs(ctx, "Zprava6", kInterludeMsPerCharacter));
}
void armAnythingWorse(Context& ctx) {
    arm(ctx.state, 9, scenes::textLength(ctx.c.Popis->Caption) * ctx.state.SpeechSpeed + 5000);
}
void armHalfAnHour(Context& ctx) {
    arm(ctx.state, 5, captionMs(ctx, "Zprava5", kInterludeMsPerCharacter));
}

// The detective's portrait at the court comes back and his line ends.
constexpr auto kCourtPortraitBack = ops(show("PsHlava"), show("PsOci"), show("PsPusa"), hide("PsPopis"));
constexpr auto kLineDone = ops(set("DescriptionTimerOn", 0), describe({}));
// The bird stops where it is while the screen is black.
constexpr auto kBirdStopped = ops(set("BirdActive", 0), set("BirdPauseOn", 0), stopAnimation("Ptak"), frame("Ptak", 0));

struct Continuation {
    Text line;
    std::span<const Op> actions;
    bool endsTick = false;
};

constexpr auto kBreakIn =
    ops(hide("Predhospodou"), show("Textanimace7"), call(armClick), set("CriminalDoorOpen", 1), hide("Image225"),
        hide("Image226"), hide("Image227"), stopAnimation("Phoci"), stopAnimation("Phpopis"), stopAnimation("Phpusa"));
constexpr auto kInTheHouse = ops(set("PlayerFree", 1), call(showPointer));
constexpr auto kWaitingDone = join(kCourtPortraitBack, kLineDone);
constexpr auto kFree = ops(set("PlayerFree", 1));
constexpr auto kThenRefill = ops(describe(kRefillTheHole));
constexpr auto kTreasureInterlude =
    join(ops(call(armTreasure), show("Textanimace6"), hide("Predsoudem")), kBirdStopped);
constexpr auto kWorseDone = join(ops(call(armAnythingWorse)), kCourtPortraitBack, kLineDone);
constexpr auto kThenWorse = ops(describe(kAnythingWorse));
constexpr auto kThenKillMe = ops(describe(kKillMe));
constexpr auto kThenDelete = ops(describe(kDeleteTheGame));
constexpr auto kHalfHourDone = join(ops(set("LineTimer7.Active", 1)), kCourtPortraitBack, kLineDone);
constexpr auto kHalfHourInterlude = join(
    ops(describe({})), kCourtPortraitBack,
    ops(set("DescriptionTimerOn", 0), call(armHalfAnHour), show("Textanimace5"), hide("Predsoudem"), call(hidePointer)),
    kBirdStopped);
constexpr auto kThenTree = ops(describe(kUnderThisTree));
constexpr auto kThenGenius = ops(describe(kGenius));
constexpr auto kThenWhatCanYouDo = ops(describe(kWhatCanYouDo));

// In the order they are tested; a row that does not end the tick lets the
// rows after it test the line as it then stands.
const Continuation kContinuations[] = {
    {scenes::kLockPickingLine, kBreakIn},
    {kKnifeHurry, kInTheHouse},
    {kStillWaiting, kWaitingDone, true},
    {kRefillTheHole, kFree},
    {kTenBottles, kThenRefill, true},
    {kAnswerIsNo, kTreasureInterlude},
    {kAnythingWorse, kWorseDone, true},
    {kKillMe, kThenWorse, true},
    {kDeleteTheGame, kThenKillMe, true},
    {kWhatCanYouDo, kThenDelete, true},
    {kHalfAnHour, kHalfHourDone, true},
    {kUnderThisTree, kHalfHourInterlude},
    {kGenius, kThenTree, true},
    {scenes::kCourtDiggingLine, kThenGenius, true},
    {kNotInTheMood, kThenWhatCanYouDo, true},
};

const auto kContinuedLines = [] {
    std::array<const Text*, std::size(kContinuations)> out{};
    for (size_t i = 0; i < out.size(); ++i) out[i] = &kContinuations[i].line;
    return out;
}();

bool isLine(const layout::Label& label, const Text& t) {
    return label.Caption == t.cz || label.Caption == t.en;
}

// [Countdowns] ----------------------------------------------------------------

int32_t randomBetween(Context& ctx, int32_t low, int32_t high) {
    return low + static_cast<int32_t>(ctx.random.next(static_cast<uint32_t>(high - low + 1)));
}

void birdStep(Context& ctx) {
    GameState& s = ctx.state;
    const int32_t old = s.BirdPhase;
    s.BirdPhase += 100;
    if (old == 100) {
        if (s.BirdWasFlying == 1) ctx.screen->startAnimation(*ctx.c.Ptak);
        scenes::playWave(ctx, 4);
    }
    if (s.BirdPhase == 300 || s.BirdPhase == 600) scenes::playWave(ctx, 4);
    if (s.BirdPhase == 1000) {
        s.BirdPhase = 0;
        s.BirdActive = 0;
        ctx.screen->stopAnimation(*ctx.c.Ptak);
        ctx.screen->setFrameIndex(*ctx.c.Ptak, 0);
        s.BirdPause = randomBetween(ctx, 3000, 14999);
        s.BirdPauseOn = 1;
    }
    s.BirdStepDue = 0;
}

void birdPauseEnd(Context& ctx) {
    GameState& s = ctx.state;
    if (s.BirdWasFlying != 1) ctx.screen->startAnimation(*ctx.c.Ptak);
    s.BirdActive = 1;
    s.BirdPauseOn = 0;
    ctx.screen->setFrameIndex(*ctx.c.Ptak, 0);
    s.BirdPauseDue = 0;
}

void bushManStirs(Context& ctx) {
    GameState& s = ctx.state;
    ctx.c.Krovakvp->Visible = true;
    ctx.screen->startAnimation(*ctx.c.Krovakvp);
    s.KrovakIdleTime = randomBetween(ctx, 3000, 7999);
    s.KrovakIdleDue = 0;
}

// The reactions of LineTimer11 .. LineTimer0, each right after its advance.
// True ends the tick.

bool lockPickingDone(Context& ctx, core::LineTimer& t) {
    static constexpr auto kHouse =
        join(ops(hide("Textanimace7"), show("Uzlocinkyne"), describe(kKnifeHurry), show("Phhlava"), show("Phoci"),
                 show("Phpusa"), hide("Phpopis"), animate("UzOci"), animate("UzPopis"), animate("Uzpusa"),
                 set("DescriptionTimerOn", 0)));
    t.Active = 0;
    scenes::runOps(ctx, kHouse);
    t.Expired = 0;
    return false;
}

bool treasureDone(Context& ctx, core::LineTimer& t) {
    GameState& s = ctx.state;
    showPointer(ctx);
    ctx.c.Textanimace[5]->Visible = false;
    scenes::scenePanel(ctx.c, scenes::Scene::Predsoudem)->Visible = true;
    t.Active = 0;
    scenes::addItem(ctx, core::Item::Bottle);
    scenes::describe(ctx, kTenBottles);
    s.BirdPause = randomBetween(ctx, 2000, 4999);
    s.BirdActive = 0;
    s.BirdPauseOn = 1;
    t.Expired = 0;
    return false;
}

// A pause of the digging ends with the detective's next line.
template <const Text& Line>
bool thenSay(Context& ctx, core::LineTimer& t) {
    scenes::describe(ctx, Line);
    t.Active = 0;
    t.Expired = 0;
    return false;
}

bool thenStillWaiting(Context& ctx, core::LineTimer& t) {
    GameState& s = ctx.state;
    scenes::describe(ctx, kStillWaiting);
    s.LineTimer[8].Limit = scenes::textLength(ctx.c.Popis->Caption) * s.SpeechSpeed + 4000;
    t.Active = 0;
    s.LineTimer[8].Active = 1;
    t.Expired = 0;
    return false;
}

bool halfAnHourDone(Context& ctx, core::LineTimer& t) {
    GameState& s = ctx.state;
    // Only the interlude's own expiry; the limit tells it from any other.
    if (t.Limit == captionMs(ctx, "Zprava5", kInterludeMsPerCharacter)) {
        scenes::scenePanel(ctx.c, scenes::Scene::Predsoudem)->Visible = true;
        ctx.c.Textanimace[4]->Visible = false;
        s.DescriptionsOn = 0;
        s.LineTimer[6].Limit = scenes::textLength(ctx.c.Popis->Caption) * s.SpeechSpeed + 5000;
        s.LineTimer[6].Active = 1;
        t.Active = 0;
        s.BirdPause = randomBetween(ctx, 2000, 4999);
        s.BirdActive = 0;
        s.BirdPauseOn = 1;
    }
    t.Expired = 0;
    return false;
}

bool shrubDone(Context& ctx, core::LineTimer& t) {
    showPointer(ctx);
    ctx.c.Ker->Visible = false;
    ctx.c.Label39->Visible = true;
    scenes::setStoryFlag(ctx, "Sker", true);
    ctx.c.Textanimace[3]->Visible = false;
    scenes::scenePanel(ctx.c, scenes::Scene::Les2)->Visible = true;
    scenes::describe(ctx, kShrubGone);
    t.Active = 0;
    t.Expired = 0;
    return false;
}

bool startCutting(Context& ctx, core::LineTimer& t) {
    GameState& s = ctx.state;
    s.PlayerFree = 1;
    hidePointer(ctx);
    scenes::scenePanel(ctx.c, scenes::Scene::Les2)->Visible = false;
    ctx.c.Textanimace[3]->Visible = true;
    s.DescriptionTime = 0;
    s.DescriptionElapsed = 0;
    arm(s, 4, captionMs(ctx, "Zprava4", kInterludeMsPerCharacter));
    t.Active = 0;
    t.Expired = 0;
    return false;
}

bool daughter(Context& ctx, core::LineTimer& t) {
    GameState& s = ctx.state;
    scenes::Controls& c = ctx.c;
    // The daughter's interlude is timed by the tree interlude's caption, at
    // 150 ms a character: its second expiry is told by that limit.
    const int32_t interlude = captionMs(ctx, "Zprava2", 150);
    static constexpr auto kPortraitBack = ops(show("L3hlava"), show("L3oci"), show("L3pusa"), hide("L3Popis"));
    if (t.Limit == interlude) {
        scenes::runOps(ctx, kPortraitBack);
        s.DescriptionTime = scenes::textLength(c.Popis->Caption) * s.SpeechSpeed;
        s.DescriptionTimerOn = 1;
        if (s.PlayerFree == 1 && s.InventoryOpen == 0 && s.DescriptionsResume == 1) s.DescriptionsOn = 1;
        if (s.PlayerFree == 1 && s.InventoryOpen == 1) s.DescriptionsOn = 0;
        // As at the end of any description line. The glade's remark was cut
        // off at the first expiry before its own end could do this, and
        // left at 0 it would keep descriptions, exits and talks off once the
        // Bush Man's thanks are over.
        s.DescriptionsResume = 1;
        s.DescriptionExpired = 0;
        static constexpr auto kAtThePrison =
            ops(animate("PvMluva"), animate("Pvoci"), animate("PvPopis"), animate("Pvpusa"), hide("Textanimace3"),
                show("Predveznici"), set("DaughterReturned", 1));
        scenes::runOps(ctx, kAtThePrison);
        scenes::stopTrack(ctx, 3);
        scenes::startTrack(ctx, 2);
        t.Limit = 0;
        t.Active = 0;
        s.KrovakIdleOn = 0;
        ctx.screen->stopAnimation(*c.Krovakvp);
        static constexpr auto kBushManThanks =
            ops(show("Krovak"), show("Krovakoci"), show("Krovakpusa"), hide("Krovakvp"), show("Sdcerka"),
                show("Pvpusa"), hide("PvMluva"), animate("Krovakpusa"), colour(layout::clRed));
        scenes::runOps(ctx, kBushManThanks);
        scenes::setCaption(ctx, *c.Rozhovor, scenes::inLanguage(ctx, bushManThanksLine()).value_or(""));
        scenes::timeLine(ctx, scenes::Timing::Talk);
        t.Expired = 0;
        s.PlayerFree = 1;
        s.DescriptionsOn = 1;
        return true;
    }
    s.DescriptionTimerOn = 0;
    scenes::setCaption(ctx, *c.Popis, "");
    t.Limit = interlude;
    t.Active = 1;
    scenes::runOps(ctx, kPortraitBack);
    scenes::scenePanel(c, scenes::Scene::Les3)->Visible = false;
    for (std::string_view n : {"Dcerka", "L3oci", "L3Popis", "L3pusa"}) {
        if (auto* g = ctx.layout.findAs<layout::GifAnimator>(n)) ctx.screen->stopAnimation(*g);
    }
    c.Textanimace[2]->Visible = true;
    t.Expired = 0;
    return false;
}

bool nest(Context& ctx, core::LineTimer& t) {
    scenes::Controls& c = ctx.c;
    constexpr int32_t kClimbMs = 7000;
    scenes::scenePanel(c, scenes::Scene::Les2)->Visible = false;
    c.Textanimace[1]->Visible = true;
    if (t.Limit == kClimbMs) {
        c.Textanimace[1]->Visible = false;
        scenes::scenePanel(c, scenes::Scene::Les2)->Visible = true;
        t.Active = 0;
        scenes::describe(ctx, kMagpiesNest);
        t.Expired = 0;
        return true;
    }
    t.Limit = kClimbMs;
    t.Active = 1;
    t.Expired = 0;
    return false;
}

bool fourHoursDone(Context& ctx, core::LineTimer& t) {
    GameState& s = ctx.state;
    scenes::Controls& c = ctx.c;
    scenes::scenePanel(c, scenes::Scene::Udedka)->Visible = true;
    c.Textanimace[0]->Visible = false;
    t.Limit = 0;
    scenes::setCaption(ctx, *c.Otazka[0], scenes::inLanguage(ctx, kOldManNameQuestion).value_or(""));
    scenes::setCaption(ctx, *c.Otazka[1], "");
    c.Rozhovor->Visible = true;
    scenes::setCaption(ctx, *c.Rozhovor, scenes::inLanguage(ctx, kTopOfTheHill).value_or(""));
    s.TalkElapsed = 0;
    scenes::timeLine(ctx, scenes::Timing::Talk);
    scenes::setStoryFlag(ctx, "Sotazkahory", true);
    t.Active = 0;
    t.Expired = 0;
    return false;
}

using Reaction = bool (*)(Context&, core::LineTimer&);
// Index k reacts to LineTimer<k>.
constexpr std::array<Reaction, 12> kReactions = {fourHoursDone,
                                                 nest,
                                                 daughter,
                                                 startCutting,
                                                 shrubDone,
                                                 halfAnHourDone,
                                                 thenSay<kHalfAnHour>,
                                                 thenStillWaiting,
                                                 thenSay<kNotInTheMood>,
                                                 thenSay<kAnswerIsNo>,
                                                 treasureDone,
                                                 lockPickingDone};

}  // namespace

const Text& fourHoursLaterLine() {
    return kTopOfTheHill;
}
const Text& fourHoursLaterChoice() {
    return kOldManNameQuestion;
}
const Text& bushManThanksLine() {
    return kBushManThanks;
}
std::span<const Text* const> continuedLines() {
    return kContinuedLines;
}

void startFourHoursInterlude(Context& ctx) {
    arm(ctx.state, 0, captionMs(ctx, "Zprava", kInterludeMsPerCharacter));
}

bool descriptionContinuation(Context& ctx) {
    for (const Continuation& row : kContinuations) {
        if (!isLine(*ctx.c.Popis, row.line)) continue;
        scenes::runOps(ctx, row.actions);
        if (row.endsTick) {
            ctx.state.DescriptionExpired = 0;
            return true;
        }
    }
    return false;
}

bool advanceSequenceTimers(Context& ctx) {
    GameState& s = ctx.state;
    core::advanceRuleC(s.BirdActive, s.BirdStepTime, s.BirdElapsed, s.BirdStepDue, 50);
    if (s.BirdStepDue == 1) birdStep(ctx);
    core::advanceRuleC(s.BirdPauseOn, s.BirdPause, s.BirdPauseElapsed, s.BirdPauseDue, 50);
    if (s.BirdPauseDue == 1) birdPauseEnd(ctx);
    if (s.KrovakIdleOn == 1) core::advanceRuleA(s.KrovakIdleTime, s.KrovakIdleElapsed, s.KrovakIdleDue);
    if (s.KrovakIdleDue == 1) bushManStirs(ctx);
    if (s.ArrangeInventory == 1) scenes::inventoryPlacement(ctx);
    core::advanceRuleC(s.LineTimer[11], 100);
    if (s.LineTimer[11].Expired == 1 && kReactions[11](ctx, s.LineTimer[11])) return true;
    for (int i = 10; i >= 0; --i) {
        core::LineTimer& t = s.LineTimer[static_cast<size_t>(i)];
        core::advanceRuleB(t);
        if (t.Expired == 1 && kReactions[static_cast<size_t>(i)](ctx, t)) return true;
    }
    return false;
}

}  // namespace kvarnel::story

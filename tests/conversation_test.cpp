// The conversation engine on the stand-in game: which group a finished line
// is looked up in, the reply choices and zrusit, the end of an exchange, and
// the check that every name the scripts use is in the layout.
#include "story/conversation.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/countdown.h"
#include "game_fixture.h"
#include "scenes/actions.h"
#include "scenes/exits.h"
#include "story/movies.h"
#include "story/tick.h"

namespace kvarnel::story {
namespace {

using core::GameState;
using testing::GameFixture;

constexpr std::string_view kW03 = "Dobrý den, proč tu tak stojíte za tím stolkem?";
constexpr std::string_view kW23 = "Tož já tu enem prodávám také dluhé špagáty, neviděš?";
constexpr std::string_view kW17 = "Ah, to myslíte jako lana, že?";
constexpr std::string_view kM04 = "Dobrý den, tak jsem tu, aby jsem vyřešil ten případ Kvarnel.";

class ConversationTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.start();
        s().Language = 1;
        startAtScene(ctx(), scenes::Scene::Natrzisti);
    }
    scenes::Context& ctx() { return f.game->ctx; }
    GameState& s() { return f.game->state; }
    scenes::Controls& c() { return f.game->c; }
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) CasodavacTimer(ctx());
    }
    void fire(std::string_view handler) {
        const layout::Handler* h = f.game->handlers.find(handler);
        ASSERT_NE(h, nullptr) << handler;
        (*h)({});
    }
    void go(scenes::Scene from, scenes::Scene to) { scenes::switchScene(ctx(), from, to); }
    // The line in Rozhovor ends now: the pass looks it up.
    void endLine(std::string_view line) {
        scenes::setCaption(ctx(), *c().Rozhovor, line);
        s().TalkExpired = 1;
        conversationPass(ctx());
        s().TalkExpired = 0;
    }
    bool shownNamed(std::string_view name) { return scenes::isShown(ctx(), name); }
    GameFixture f{"conversation"};
};

TEST_F(ConversationTest, TheWarriorsStepsAfterHisStallRunInAnyScene) {
    // His first step runs only at the market; the others wherever he is.
    go(scenes::Scene::Natrzisti, scenes::Scene::Udedka);
    endLine(kW23);
    EXPECT_EQ(c().Rozhovor->Caption, kW17) << "the detective's answer follows in the old man's house";
    const std::string_view w01Trigger =
        "Nejen, že si tím, že mi to lano neprodáte způsobíte finanční újmu, ale navíc mi nedáte možnost pomoct této "
        "vesnici.";
    endLine(w01Trigger);
    EXPECT_EQ(c().Rozhovor->Caption, w01Trigger) << "the stall's own step waits for the market";
}

TEST_F(ConversationTest, ALineOfAnotherCharactersSceneStaysOnScreen) {
    // The mayor's greeting ends at the market: no step of the shown scene
    // knows it, so it stays, and descriptions stay off.
    endLine(kM04);
    EXPECT_EQ(c().Rozhovor->Caption, kM04);
    tick();
    EXPECT_EQ(c().Rozhovor->Caption, kM04);
    EXPECT_EQ(s().DescriptionsOn, 0);
    EXPECT_FALSE(c().Popis->Visible);
}

TEST_F(ConversationTest, TheWarriorsAnswerToThePriceDependsOnHisTableAndHisMood) {
    // Three steps share the trigger W04; the first whose condition holds
    // fires, and its new line is tested by the rest, which none knows.
    constexpr std::string_view kW04 = "A za kolikpak prodáváte ten váš špagát?";
    ASSERT_TRUE(shownNamed("slanonastole"));
    endLine(kW04);
    EXPECT_EQ(c().Rozhovor->Caption, "Moj dluhý špagát? Iba 10 zlotých za dobrý špagát, dobrý moc, moc!");
    EXPECT_EQ(c().Otazka[0]->Caption, "Tak já si ho teda koupím.");
    EXPECT_EQ(s().ChoicesWithoutCancel, 1);
    EXPECT_EQ(s().SpeechTimerOn, 1);
    EXPECT_EQ(s().SpeechTime, scenes::textLength(c().Rozhovor->Caption) * s().SpeechSpeed);
    ctx().layout.findAs<layout::ImageControl>("slanonastole")->Visible = false;
    endLine(kW04);
    EXPECT_EQ(c().Rozhovor->Caption, "Teraz špagát sis už kupil, tak k čemu další, což?");
    scenes::setStoryFlag(ctx(), "Sbojovnikzly", true);
    endLine(kW04);
    EXPECT_EQ(c().Rozhovor->Caption, "Ty, ty, ty chalan jeden, tobě já nic predávat nebudu!");
}

TEST_F(ConversationTest, ReplyChoicesOpenPickCancelAndHover) {
    fire("Label120Click");
    EXPECT_TRUE(c().Otazka[0]->Visible);
    EXPECT_EQ(c().Otazka[0]->Caption, kW03);
    EXPECT_TRUE(c().zrusit->Visible);
    // An empty choice does nothing.
    fire("Otazka2Click");
    EXPECT_EQ(c().Rozhovor->Caption, "");
    EXPECT_TRUE(c().Otazka[0]->Visible);
    // Hover colours and the cancel label's size.
    fire("Otazka1MouseMove");
    EXPECT_EQ(c().Otazka[0]->Font_.Color, layout::clYellow);
    fire("Otazka1MouseLeave");
    EXPECT_EQ(c().Otazka[0]->Font_.Color, layout::clWhite);
    fire("zrusitMouseMove");
    EXPECT_TRUE(c().zrusit->Font_.Bold);
    const int32_t hoverHeight = c().zrusit->Font_.Height;
    fire("zrusitMouseLeave");
    EXPECT_FALSE(c().zrusit->Font_.Bold);
    EXPECT_LT(hoverHeight, c().zrusit->Font_.Height) << "14 points under the pointer, 12 at rest";
    // A pick: the detective says it, yellow, on the talk countdown.
    s().TalkElapsed = 300;
    fire("Otazka1Click");
    EXPECT_EQ(c().Rozhovor->Caption, kW03);
    EXPECT_EQ(c().Rozhovor->Font_.Color, layout::clYellow);
    EXPECT_FALSE(c().Otazka[0]->Visible);
    EXPECT_FALSE(c().zrusit->Visible);
    EXPECT_EQ(c().Otazka[0]->Caption, kW03) << "captions stay";
    EXPECT_EQ(s().TalkElapsed, 0);
    EXPECT_EQ(s().TalkTime, scenes::textLength(kW03) * s().SpeechSpeed);
    EXPECT_EQ(s().TalkTimerOn, 1);
    EXPECT_TRUE(shownNamed("Ztmluvavpravo")) << "the detective's talking mouth";
    EXPECT_FALSE(shownNamed("Ztpusavpravo"));

    // Cancel from a fresh opening: all gone, eyes back at rest.
    scenes::setCaption(ctx(), *c().Rozhovor, "");
    fire("Label120Click");
    fire("zrusitClick");
    for (layout::Label* o : c().Otazka) {
        EXPECT_FALSE(o->Visible);
        EXPECT_EQ(o->Caption, "");
    }
    EXPECT_FALSE(c().zrusit->Visible);
    EXPECT_EQ(s().DescriptionsOn, 1);
    EXPECT_EQ(s().InventoryClosed, 1);
    EXPECT_EQ(s().TalkTimerOn, 0);
    EXPECT_TRUE(shownNamed("Zocibojovnika"));
    EXPECT_FALSE(shownNamed("zocibojovnikamluva"));
}

TEST_F(ConversationTest, TheTalkHotspotOpensOnlyWhileDescriptionsAreOn) {
    s().DescriptionsOn = 0;
    fire("Label120Click");
    EXPECT_FALSE(c().Otazka[0]->Visible);
    // The publican also needs the bar folded away.
    go(scenes::Scene::Natrzisti, scenes::Scene::Vhospode);
    s().DescriptionsOn = 1;
    s().InventoryClosed = 0;
    fire("Label119Click");
    EXPECT_FALSE(c().Otazka[0]->Visible);
    s().InventoryClosed = 1;
    fire("Label119Click");
    EXPECT_TRUE(c().Otazka[0]->Visible);
    EXPECT_EQ(c().Otazka[0]->Caption, "Dobrý den, co mi zde můžete nabídnout?");
}

TEST_F(ConversationTest, TheSpeechEndBringsTheChoicesBackOrEndsTheConversation) {
    // The choices come back with the captions the script left, zrusit
    // unless it is suppressed once.
    scenes::setCaption(ctx(), *c().Otazka[0], "První.");
    scenes::setCaption(ctx(), *c().Rozhovor, "Konec.");
    s().ChoicesWithoutCancel = 1;
    s().SpeechExpired = 1;
    EXPECT_FALSE(speechEnd(ctx()));
    EXPECT_TRUE(c().Otazka[0]->Visible);
    EXPECT_EQ(c().Otazka[0]->Caption, "První.");
    EXPECT_FALSE(c().zrusit->Visible);
    EXPECT_EQ(c().Rozhovor->Caption, "");
    EXPECT_EQ(s().ChoicesWithoutCancel, 0);
    EXPECT_EQ(s().SpeechExpired, 0);
    EXPECT_TRUE(shownNamed("zocibojovnikamluva")) << "the warrior listens";

    // With EndTalkAfterLine the conversation ends; every character's eyes go
    // back to rest, the Bush Man into his shrub, wherever they are.
    scenes::setCaption(ctx(), *c().Rozhovor, "Konec.");
    s().EndTalkAfterLine = 1;
    s().PlayerFree = 0;
    s().SpeechExpired = 1;
    s().KrovakIdleOn = 0;
    EXPECT_TRUE(speechEnd(ctx()));
    EXPECT_EQ(s().PlayerFree, 1);
    EXPECT_EQ(s().EndTalkAfterLine, 0);
    EXPECT_FALSE(c().Otazka[0]->Visible);
    EXPECT_EQ(c().Rozhovor->Caption, "");
    EXPECT_TRUE(shownNamed("Zocibojovnika"));
    EXPECT_TRUE(shownNamed("Starostaoci"));
    EXPECT_FALSE(shownNamed("Starostaocimluva"));
    EXPECT_TRUE(c().Krovakvp->Visible);
    EXPECT_EQ(c().Krovakvp->FrameIndex, 8);
    EXPECT_EQ(s().KrovakIdleOn, 1);
    EXPECT_EQ(s().SpeechTimerOn, 0);
    EXPECT_EQ(s().TalkTime, 0);
}

TEST_F(ConversationTest, ACommentCutOffByTheReturningChoicesLetsDescriptionsResume) {
    // The insult ends with the detective's comment in Popis on the speech
    // countdown; the choices return a tick before the comment's own end.
    endLine("Takhle škaredě o mě pravíš?! Za tohle už ti žádný dluhý špagát predávat nebudu!!!");
    ASSERT_EQ(c().Popis->Caption,
              "Je zajímavý, že nevěděl, co je to autonehoda a přitom věděl, co je to mražený kuře ze supermarketu.");
    int ticks = 0;
    while (!c().Otazka[0]->Visible && ticks < 400) {
        tick();
        ++ticks;
    }
    ASSERT_TRUE(c().Otazka[0]->Visible);
    EXPECT_EQ(c().Popis->Caption, "");
    EXPECT_EQ(s().DescriptionsResume, 1);
    fire("zrusitClick");
    // The bar opened and closed again: descriptions come back with it.
    s().InventoryOpen = 1;
    tick();
    EXPECT_EQ(s().DescriptionsOn, 0);
    s().InventoryOpen = 0;
    tick();
    EXPECT_EQ(s().DescriptionsOn, 1);
}

TEST_F(ConversationTest, TheMayorGreetsOnceThenOnlyHurries) {
    go(scenes::Scene::Natrzisti, scenes::Scene::Radnice);
    fire("PokecRadniceClick");
    EXPECT_EQ(c().Rozhovor->Caption, kM04);
    EXPECT_EQ(s().MayorGreeted, 1);
    EXPECT_EQ(s().TalkTimerOn, 1);
    scenes::endExchangeAtOnce(ctx());
    s().TalkTimerOn = 0;
    fire("PokecRadniceClick");
    EXPECT_EQ(c().Rozhovor->Caption, "Neztrácejte už čas a navraťte naší osadě co jí patří, jinak jsme ztraceni.");
    EXPECT_EQ(c().Rozhovor->Font_.Color, layout::clRed);
    EXPECT_EQ(s().EndTalkAfterLine, 1);
    EXPECT_EQ(s().SpeechTimerOn, 1);
}

TEST_F(ConversationTest, ANewLineIsTimedFromItsStartWhateverTheCountdownItTakesOver) {
    // The talk countdown still runs from a longer line (the ranger's
    // warning runs it on), well past the greeting's limit: the greeting must
    // still end on its own, for each way a line is timed.
    struct Case {
        const char* what;
        std::function<void()> open;  // puts a new line on and times it
        uint8_t GameState::*timerOn;
        int32_t GameState::*elapsed;
    };
    const Case cases[] = {
        {"the mayor's greeting (a talk line)", [&] { fire("PokecRadniceClick"); }, &GameState::TalkTimerOn,
         &GameState::TalkElapsed},
        {"his hurry (a speech line)",
         [&] {
             s().MayorGreeted = 1;
             fire("PokecRadniceClick");
         },
         &GameState::SpeechTimerOn, &GameState::SpeechElapsed},
    };
    go(scenes::Scene::Natrzisti, scenes::Scene::Radnice);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        s().MayorGreeted = 0;
        s().TalkTimerOn = 1;
        s().TalkTime = 5115;
        s().TalkElapsed = 4300;
        s().SpeechTimerOn = 1;
        s().SpeechTime = 5115;
        s().SpeechElapsed = 4300;
        k.open();
        const std::string line = c().Rozhovor->Caption;
        ASSERT_FALSE(line.empty());
        EXPECT_EQ(s().*k.elapsed, 0);
        EXPECT_EQ(s().*k.timerOn, 1);
        // Its own time at the reading speed, and a tick or two.
        const int ticks = scenes::textLength(line) * s().SpeechSpeed / core::kCountdownStep + 3;
        tick(ticks);
        EXPECT_NE(c().Rozhovor->Caption, line) << "still on the screen after " << ticks << " ticks";
        scenes::endExchangeAtOnce(ctx());
        s().TalkTimerOn = 0;
        s().SpeechTimerOn = 0;
    }
}

TEST_F(ConversationTest, NoExitOpensBetweenAReplyAndTheNextTick) {
    // Descriptions are still on from before the choices (no tick has run
    // since): a reply clicked, or choices on show, keep the detective in.
    struct Case {
        scenes::Scene at;
        const char* exit;
        scenes::Scene to;
    };
    const Case cases[] = {
        {scenes::Scene::Vhospode, "prechodpredhospoduClick", scenes::Scene::Predhospodou},
        {scenes::Scene::Veveznici, "Label22Click", scenes::Scene::Predveznici},
        {scenes::Scene::Les1, "Label37Click", scenes::Scene::Les2},
    };
    for (const Case& k : cases) {
        for (const bool replied : {true, false}) {
            // The second choice alone, as some steps show it.
            SCOPED_TRACE(std::string(k.exit) + (replied ? ", a reply clicked" : ", choices on show"));
            go(scenes::Scene::Natrzisti, k.at);
            scenes::setCaption(ctx(), *c().Otazka[1], "A question?");
            c().Otazka[1]->Visible = true;
            if (replied) fire("Otazka2Click");
            s().DescriptionsOn = 1;
            fire(k.exit);
            EXPECT_TRUE(scenes::sceneShown(ctx(), k.at));
            EXPECT_FALSE(scenes::sceneShown(ctx(), k.to));
            // With the exchange over the same exit leads out.
            scenes::endExchangeAtOnce(ctx());
            scenes::setCaption(ctx(), *c().Rozhovor, "");
            for (layout::Label* o : c().Otazka) o->Visible = false;
            s().DescriptionsOn = 1;
            fire(k.exit);
            EXPECT_TRUE(scenes::sceneShown(ctx(), k.to));
            go(k.to, scenes::Scene::Natrzisti);
        }
    }
}

TEST_F(ConversationTest, EveryNameTheScriptsUseIsInTheLayout) {
    EXPECT_EQ(missingConversationNames(f.game->layout), std::vector<std::string>{});
    // A row naming what the layout lacks, or a sprite row on a still
    // picture, or a variable that does not exist, is reported by name.
    using namespace scenes::op;
    const auto rows = scenes::ops(show("NoSuchPanel"), animate("zthlava"), set("NoSuchVariable", 1), show("Popis"));
    EXPECT_EQ(scenes::missingNames(f.game->layout, rows),
              (std::vector<std::string>{"NoSuchPanel", "NoSuchVariable", "zthlava"}));
}

}  // namespace
}  // namespace kvarnel::story

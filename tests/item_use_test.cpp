// Items held out to the village's characters and to the detective himself,
// on the stand-in game: who answers where, the rude variants, what an
// accepted item changes, and the things of the world that react to items.
#include "scenes/item_use.h"

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "scenes/exits.h"
#include "scenes/inventory.h"
#include "scenes/object_use.h"
#include "story/movies.h"

namespace kvarnel::scenes {
namespace {

using core::GameState;
using core::Item;
using testing::GameFixture;

class ItemUseTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.start();
        s().Language = 1;
        story::startAtScene(ctx(), Scene::Natrzisti);
        for (Item i : {Item::Knife, Item::Food, Item::Rope, Item::LockPick, Item::Shovel, Item::Bottle})
            addItem(ctx(), i);
    }
    Context& ctx() { return f.game->ctx; }
    GameState& s() { return f.game->state; }
    Controls& c() { return f.game->c; }
    // The item lifted off the bar, as a click on it does.
    void hold(Item item) {
        const size_t i = static_cast<size_t>(item);
        s().ItemTaken = 1;
        c().itemTwin[i]->Visible = true;
        c().itemPicture[i]->Visible = false;
        s().CursorFile = core::itemInfo(item).cursor;
        s().HandsEmpty = 0;
    }
    bool held(Item item) { return s().CursorFile == core::itemInfo(item).cursor; }
    void clear() {
        setCaption(ctx(), *c().Rozhovor, "");
        setCaption(ctx(), *c().Popis, "");
        s().EndTalkAfterLine = 0;
        s().SpeechTimerOn = 0;
        s().TalkTimerOn = 0;
        s().PlayerFree = 1;
    }
    GameFixture f{"item-use"};
};

TEST_F(ItemUseTest, EachCharacterAnswersPlainOrRudeInTheLineOfHisOwn) {
    struct Case {
        ItemUse who;
        Item item;
        bool rude;
        int language;
        const char* line;
        bool inRozhovor;
        bool holdsPlayer;
    };
    const Case cases[] = {
        {ItemUse::OldMan, Item::Knife, true, 1, "Au!! Můj zadek!! Kliď se odsud!", true, true},
        {ItemUse::OldMan, Item::Knife, false, 2, "Stop waving with that knife before you hurt someone.", true, true},
        {ItemUse::Mayor, Item::Shovel, true, 1, "A tu lopatu mě mezi nohy strkáte proč?", true, false},
        {ItemUse::Mayor, Item::Rope, false, 2, "What use would the Mayor had for a rope?", true, false},
        {ItemUse::Warrior, Item::LockPick, true, 2, "What do you want to get from there, fool?! Go away with that.",
         true, true},
        {ItemUse::Warrior, Item::Food, false, 1, "Děkujem, ale teď niemam hlad.", true, true},
        {ItemUse::Publican, Item::Rope, false, 1, "To lano mi sem netahejte, co já bych s ním dělal?", true, true},
        {ItemUse::Guest, Item::Food, true, 2, "Damned, this is illness. Nobody puts food into other people's asses!",
         false, false},
        {ItemUse::Guest, Item::Knife, false, 1,
         "To bych radši nedělal, porušil bych tím pravidlo 10, bod 3 pravidel soutěže o nejlepší hru.", false, false},
        {ItemUse::Detective, Item::Shovel, false, 1, "Vyndal jsi lopatu z inventáře abys mě jí dal? Je tohle normální?",
         false, false},
        {ItemUse::Detective, Item::Rope, true, 2, "I am a little bit terrified about you using the inventory.", false,
         false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.line));
        clear();
        s().Language = k.language;
        const ItemUseProcedure* p = itemUseProcedure(k.who);
        ASSERT_NE(p, nullptr);
        if (k.rude) s().*(p->rudeSpot) = 1;
        hold(k.item);
        useItem(ctx(), k.who);
        const layout::Label& answered = k.inRozhovor ? *c().Rozhovor : *c().Popis;
        EXPECT_EQ(answered.Caption, k.line);
        if (k.rude) {
            EXPECT_EQ(s().*(p->rudeSpot), 0) << "the rude spot is used up";
        }
        // The item is back on the bar, the hands empty.
        EXPECT_FALSE(held(k.item));
        EXPECT_EQ(s().ItemTaken, 0);
        EXPECT_TRUE(c().itemPicture[static_cast<size_t>(k.item)]->Visible);
        EXPECT_EQ(s().HandsEmpty, 1);
        EXPECT_EQ(s().PlayerFree, k.holdsPlayer ? 0 : 1);
        if (k.inRozhovor) {
            EXPECT_EQ(c().Rozhovor->Font_.Color, layout::clRed);
            EXPECT_EQ(s().EndTalkAfterLine, 1);
            EXPECT_EQ(s().SpeechTimerOn, 1);
            EXPECT_EQ(s().SpeechTime, textLength(k.line) * s().SpeechSpeed);
        } else {
            EXPECT_EQ(s().SpeechTimerOn, 0) << "the detective's remark is timed as a description";
        }
    }
}

TEST_F(ItemUseTest, NothingAnswersWhileADescriptionIsSpokenOrWithEmptyHands) {
    s().DescriptionsResume = 0;
    hold(Item::Knife);
    useItem(ctx(), ItemUse::OldMan);
    EXPECT_TRUE(held(Item::Knife));
    EXPECT_EQ(c().Rozhovor->Caption, "");
    s().DescriptionsResume = 1;
    s().CursorFile = core::kPlainCursor;
    useItem(ctx(), ItemUse::OldMan);
    EXPECT_EQ(c().Rozhovor->Caption, "");
}

TEST_F(ItemUseTest, TheOldManTakesOneBottleOnceAndForgivesWithIt) {
    // Ten bottles on the bar: he takes one, the count says nine.
    setCaption(ctx(), *c().Pitiva, "10");
    c().Pitiva->Visible = true;
    hold(Item::Bottle);
    useItem(ctx(), ItemUse::OldMan);
    EXPECT_EQ(c().Rozhovor->Caption,
              "Chlapče zlatej, jak víš co piju? Jen tak dát mě starýmu votravovi takovou šťávičku? Do smrti dobrý.");
    EXPECT_EQ(c().Pitiva->Caption, "9");
    EXPECT_EQ(s().HasBottle, 1);
    EXPECT_TRUE(storyFlag(ctx(), "Sdedek3hodny"));
    // A second bottle is refused and stays.
    clear();
    hold(Item::Bottle);
    useItem(ctx(), ItemUse::OldMan);
    EXPECT_EQ(c().Rozhovor->Caption, kOldManSecondBottle.cz);
    EXPECT_EQ(s().HasBottle, 1);
    EXPECT_EQ(c().Pitiva->Caption, "9");

    // Cross with the detective and the count hidden (the bottles sold): the
    // last bottle leaves the bar and he forgives.
    clear();
    setStoryFlag(ctx(), "Sdedek3hodny", false);
    setStoryFlag(ctx(), "Sdedek3zl", true);
    c().Pitiva->Visible = false;
    s().RudeSpotOldMan = 1;
    hold(Item::Bottle);
    useItem(ctx(), ItemUse::OldMan);
    EXPECT_EQ(c().Rozhovor->Caption, kOldManForgives.cz);
    EXPECT_EQ(s().HasBottle, 0);
    EXPECT_EQ(s().RudeSpotOldMan, 1) << "the bottle has no rude variant";
}

TEST_F(ItemUseTest, ThePublicansBottleGoesOnIntoTheConversationAndAnyItemMeetsHim) {
    ASSERT_FALSE(storyFlag(ctx(), "Shnabidka"));
    hold(Item::Shovel);
    useItem(ctx(), ItemUse::Publican);
    EXPECT_TRUE(storyFlag(ctx(), "Shnabidka"));
    clear();
    hold(Item::Bottle);
    useItem(ctx(), ItemUse::Publican);
    EXPECT_EQ(c().Rozhovor->Caption, kPublicanSurprise.cz);
    EXPECT_EQ(s().TalkTimerOn, 1);
    EXPECT_EQ(s().TalkTime, textLength(kPublicanSurprise.cz) * s().SpeechSpeed);
    EXPECT_EQ(s().EndTalkAfterLine, 0);
    EXPECT_EQ(s().SpeechTimerOn, 0);
    clear();
    s().BottlesSold = 1;
    s().Language = 2;
    hold(Item::Bottle);
    useItem(ctx(), ItemUse::Publican);
    EXPECT_EQ(c().Rozhovor->Caption, kPublicanKeepTheBottle.en);
    EXPECT_EQ(s().TalkTimerOn, 1);
}

TEST_F(ItemUseTest, TheGuestsBottleLineFollowsTheSale) {
    hold(Item::Bottle);
    useItem(ctx(), ItemUse::Guest);
    EXPECT_EQ(c().Popis->Caption, "Stačí, když dám Becherovku hostinskýmu, on už mu jí potom nalije.");
    clear();
    s().BottlesSold = 1;
    hold(Item::Bottle);
    useItem(ctx(), ItemUse::Guest);
    EXPECT_EQ(c().Popis->Caption,
              "Becherovku už mu nalil hostinský, poté, co jsem mu jí prodal. Nebudu už mu dávat další.");
    clear();
    s().RudeSpotGuest = 1;
    hold(Item::Bottle);
    useItem(ctx(), ItemUse::Guest);
    EXPECT_EQ(c().Popis->Caption,
              "Proč bych mu měl nacpat do zadku Becherovku, to nevím, ale podle mě by sis tyhle sklony měl léčit.");
}

TEST_F(ItemUseTest, TheThingsOfTheWorldReactOnceAndOnlyWhenTheStoryAllows) {
    // The lawn: refused before the druid's scroll, the shovel stays held.
    hold(Item::Shovel);
    useItem(ctx(), ItemUse::Lawn);
    EXPECT_EQ(c().Popis->Caption,
              "Nemám přeci důvod ničit jim tak hezky udržovaný trávník tím, že bych tu začal kopat.");
    EXPECT_TRUE(held(Item::Shovel));
    clear();
    setStoryFlag(ctx(), "Stequilzakopem", true);
    useItem(ctx(), ItemUse::Lawn);
    EXPECT_EQ(c().Popis->Caption, kCourtDiggingLine.cz);
    EXPECT_EQ(s().DugAtCourt, 1);
    EXPECT_EQ(s().PlayerFree, 0);
    EXPECT_FALSE(held(Item::Shovel));
    clear();
    hold(Item::Shovel);
    useItem(ctx(), ItemUse::Lawn);
    EXPECT_EQ(c().Popis->Caption, "") << "dug once";

    // The door: three answers by what the detective knows.
    clear();
    hold(Item::LockPick);
    useItem(ctx(), ItemUse::Door);
    EXPECT_EQ(c().Popis->Caption, "Nejsem zloděj a nemám důvod k tomu, abych se tu vloupal do domu.");
    clear();
    setStoryFlag(ctx(), "SInfoopachatelce", true);
    useItem(ctx(), ItemUse::Door);
    EXPECT_TRUE(c().Popis->Caption.starts_with("I kdyby měl křovák pravdu")) << c().Popis->Caption;
    EXPECT_TRUE(held(Item::LockPick));
    clear();
    setStoryFlag(ctx(), "Sdrujdovovypraveni", true);
    useItem(ctx(), ItemUse::Door);
    EXPECT_EQ(c().Popis->Caption, kLockPickingLine.cz);
    EXPECT_FALSE(held(Item::LockPick));
    EXPECT_EQ(s().PlayerFree, 0);

    // The bush: once, with the knife.
    clear();
    hold(Item::Knife);
    useItem(ctx(), ItemUse::Bush);
    EXPECT_EQ(c().Popis->Caption, kShrubLine.cz);
    EXPECT_EQ(s().LineTimer[3].Active, 1);
    EXPECT_EQ(s().LineTimer[3].Limit, textLength(kShrubLine.cz) * s().SpeechSpeed);
    clear();
    setStoryFlag(ctx(), "Sker", true);
    hold(Item::Knife);
    useItem(ctx(), ItemUse::Bush);
    EXPECT_EQ(c().Popis->Caption, "");
    EXPECT_TRUE(held(Item::Knife));

    // The nest: climbed once the detective can climb, the lock-pick once.
    clear();
    s().CursorFile = core::kPlainCursor;
    removeItem(ctx(), Item::LockPick);
    s().DescriptionsOn = 1;
    useItem(ctx(), ItemUse::Nest);
    EXPECT_EQ(c().Popis->Caption, "") << "he cannot climb yet";
    setStoryFlag(ctx(), "Ssplh", true);
    useItem(ctx(), ItemUse::Nest);
    EXPECT_EQ(c().Popis->Caption, kNestLine.cz);
    EXPECT_EQ(s().HasLockPick, 1);
    EXPECT_TRUE(storyFlag(ctx(), "Ssplhnastrom"));
    clear();
    removeItem(ctx(), Item::LockPick);
    useItem(ctx(), ItemUse::Nest);
    EXPECT_EQ(c().Popis->Caption, "Už jsem tam snad lezl, ne? Tak proč bych tam lezl znova?");
    EXPECT_EQ(s().HasLockPick, 0);
}

}  // namespace
}  // namespace kvarnel::scenes

// The inventory's slot arithmetic on a centred play area: adding and
// removing items, the placement every tick, the count labels and the money
// rules.
#include "scenes/inventory.h"

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "story/movies.h"

namespace kvarnel::app {
namespace {

using core::GameState;
using core::Item;
using core::itemInfo;
using testing::GameFixture;

class InventoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.start();
        story::startAtScene(game().ctx, scenes::Scene::Natrzisti);
        ASSERT_EQ(game().state.OffsetX, 128);
    }
    Game& game() { return *f.game; }
    int left(Item i) const { return f.game->c.itemPicture[static_cast<size_t>(i)]->Left; }
    int twinLeft(Item i) const { return f.game->c.itemTwin[static_cast<size_t>(i)]->Left; }
    int slot(Item i) const { return f.game->state.*itemInfo(i).slot; }

    // A 1280 x 1024 screen puts the play area at 128, 128.
    GameFixture f{"inventory", {1280, 1024}};
};

TEST_F(InventoryTest, RemovingAnItemClosesTheGapAndTheNextOneTakesTheFreeSlot) {
    scenes::addItem(game().ctx, Item::Rope);
    scenes::addItem(game().ctx, Item::Food);
    scenes::addItem(game().ctx, Item::Bottle);
    EXPECT_EQ(slot(Item::Rope), 0);
    EXPECT_EQ(slot(Item::Food), 1);
    EXPECT_EQ(slot(Item::Bottle), 2);
    EXPECT_EQ(game().state.ItemCount, 3);

    scenes::removeItem(game().ctx, Item::Food);
    EXPECT_EQ(game().state.ItemCount, 2);
    EXPECT_EQ(game().state.HasFood, 0);
    EXPECT_EQ(slot(Item::Rope), 0);
    EXPECT_EQ(slot(Item::Bottle), 1);
    scenes::addItem(game().ctx, Item::Shovel);
    EXPECT_EQ(slot(Item::Shovel), 2);

    // The tick places every item by its slot, and the twins on their items.
    f.loop->runOneTick();
    EXPECT_EQ(left(Item::Rope), 128 + 288);
    EXPECT_EQ(left(Item::Bottle), 128 + 305 + 106);
    EXPECT_EQ(left(Item::Shovel), 128 + 288 + 212);
    for (Item i : {Item::Rope, Item::Bottle, Item::Shovel}) EXPECT_EQ(twinLeft(i), left(i));
}

TEST_F(InventoryTest, TheKnifeStepsByOneHundredAndThreePixels) {
    GameState& s = game().state;
    const std::pair<int, int> cases[] = {{0, 288}, {1, 391}, {3, 597}, {6, 906}};
    for (const auto& [knifeSlot, expected] : cases) {
        s.HasKnife = 1;
        s.KnifeSlot = knifeSlot;
        s.RopeSlot = knifeSlot;
        f.loop->runOneTick();
        EXPECT_EQ(left(Item::Knife), 128 + expected) << "slot " << knifeSlot;
        EXPECT_EQ(left(Item::Rope), 128 + 288 + 106 * knifeSlot) << "slot " << knifeSlot;
    }
}

TEST_F(InventoryTest, TheBottleCountSitsOnTheBottleAtTenAndSevenPixelsRightBelow) {
    scenes::addItem(game().ctx, Item::Rope);
    scenes::addItem(game().ctx, Item::Bottle);
    f.loop->runOneTick();
    const int bottle = left(Item::Bottle);
    EXPECT_EQ(bottle, 128 + 305 + 106);
    EXPECT_EQ(game().c.Pitiva->Left, bottle);
    scenes::setCaption(game().ctx, *game().c.Pitiva, "9");
    f.loop->runOneTick();
    EXPECT_EQ(game().c.Pitiva->Left, bottle + 7);
}

TEST_F(InventoryTest, CoinsGetOneSlotWhenTheyArriveAndLoseItWhenTheyAreGone) {
    scenes::addItem(game().ctx, Item::Knife);
    scenes::setCaption(game().ctx, *game().c.Penez, "12");
    f.loop->runOneTick();
    EXPECT_EQ(game().state.HasMoney, 1);
    EXPECT_EQ(slot(Item::Money), 1);
    EXPECT_EQ(game().state.MoneySlotFree, 0);
    EXPECT_EQ(game().state.ItemCount, 2);
    EXPECT_EQ(left(Item::Money), 128 + 287 + 106);
    EXPECT_EQ(game().c.Penez->Left, 128 + 305 + 106);
    f.loop->runOneTick();
    EXPECT_EQ(game().state.ItemCount, 2) << "the money is added once";
    // The table game's own label mirrors the coins every tick.
    EXPECT_EQ(game().c.Label10->Caption, "12");

    scenes::setCaption(game().ctx, *game().c.Penez, "0");
    game().c.Penez->Visible = true;
    game().c.itemPicture[static_cast<size_t>(Item::Money)]->Visible = true;
    f.loop->runOneTick();
    EXPECT_EQ(game().state.HasMoney, 0);
    EXPECT_EQ(game().state.MoneySlotFree, 1);
    EXPECT_EQ(game().state.ItemCount, 1);
    EXPECT_FALSE(game().c.Penez->Visible);
    EXPECT_FALSE(game().c.itemPicture[static_cast<size_t>(Item::Money)]->Visible) << "no coin left on the bar";
}

TEST_F(InventoryTest, TakingNeedsAFreePlayerAndEmptyHandsPuttingBackDoesNot) {
    GameState& s = game().state;
    scenes::addItem(game().ctx, Item::Rope);
    scenes::addItem(game().ctx, Item::Food);
    game().c.itemPicture[static_cast<size_t>(Item::Rope)]->Visible = true;
    game().c.itemPicture[static_cast<size_t>(Item::Food)]->Visible = true;

    s.PlayerFree = 0;
    scenes::takeItem(game().ctx, Item::Rope);
    EXPECT_EQ(s.ItemTaken, 0);
    s.PlayerFree = 1;
    scenes::takeItem(game().ctx, Item::Rope);
    EXPECT_EQ(s.ItemTaken, 1);
    EXPECT_EQ(s.CursorFile, "Cursors\\Lano.cur");
    EXPECT_EQ(s.HandsEmpty, 0);
    scenes::takeItem(game().ctx, Item::Food);  // one item at a time
    EXPECT_EQ(s.CursorFile, "Cursors\\Lano.cur");
    EXPECT_TRUE(game().c.itemPicture[static_cast<size_t>(Item::Food)]->Visible);

    s.PlayerFree = 0;
    scenes::putItemBack(game().ctx, Item::Rope);
    EXPECT_EQ(s.ItemTaken, 0);
    EXPECT_EQ(s.CursorFile, "Cursors\\Kurzor.cur");
    EXPECT_EQ(s.HandsEmpty, 1);
    EXPECT_TRUE(game().c.itemPicture[static_cast<size_t>(Item::Rope)]->Visible);
    EXPECT_FALSE(game().c.itemTwin[static_cast<size_t>(Item::Rope)]->Visible);
}

TEST_F(InventoryTest, TheRightButtonCutsEveryRunningTextTimerAndNothingElse) {
    GameState& s = game().state;
    s.DescriptionTime = 1000;
    s.DescriptionElapsed = 300;
    s.TalkTime = 1000;  // not counting yet
    s.LineTimer[11] = {1, 0, 500, 100};
    scenes::cutTextsShort(game().ctx);
    EXPECT_EQ(s.DescriptionElapsed, 930);
    EXPECT_EQ(s.TalkElapsed, 0);
    EXPECT_EQ(s.LineTimer[11].Elapsed, 430);
}

}  // namespace
}  // namespace kvarnel::app

// Looking at things in every location: each rectangle of each description
// table, clicked through the handler the layout binds to it, shows its row's
// text in the chosen language; the two-state rows choose by the story.
#include <gtest/gtest.h>

#include "game_fixture.h"
#include "scenes/inventory.h"
#include "story/movies.h"

namespace kvarnel::app {
namespace {

using scenes::Effect;
using testing::GameFixture;

class DescribeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        fixture_ = new GameFixture("describe");
        fixture_->start();
    }
    static void TearDownTestSuite() {
        delete fixture_;
        fixture_ = nullptr;
    }
    static Game& game() { return *fixture_->game; }

    // A click on `rectangle` with nothing on screen, as the player makes it.
    static std::string clickOn(std::string_view rectangle) {
        Game& g = game();
        scenes::setCaption(g.ctx, *g.c.Popis, "");
        g.state.DescriptionsOn = 1;
        auto* c = g.layout.findAs<layout::Control>(rectangle);
        EXPECT_NE(c, nullptr) << rectangle;
        if (!c) return {};
        const layout::EventBinding& b =
            rectangle == "Krovakpusa" ? layout::as<layout::GifAnimator>(c)->OnChange : c->OnClick;
        EXPECT_TRUE(b.handler && *b.handler) << rectangle << " has no handler the game knows";
        b.fire({c});
        return g.c.Popis->Caption;
    }

    static inline GameFixture* fixture_ = nullptr;
};

TEST_F(DescribeTest, EveryPlainRowOfEveryLocationShowsItsTextInBothLanguages) {
    int checked = 0;
    for (int language : {1, 2}) {
        game().state.Language = language;
        for (const scenes::SceneDescriptions& table : scenes::allSceneDescriptions()) {
            story::startAtScene(game().ctx, table.scene);
            for (size_t part = 0; part < table.detective.size(); ++part) {
                const scenes::DescriptionRow& row = scenes::kDetectiveRows[part];
                for (std::string_view r : scenes::splitRectangles(table.detective[part])) {
                    EXPECT_EQ(clickOn(r), language == 1 ? row.text.cz : row.text.en) << r;
                }
            }
            for (const scenes::SceneRow& sr : table.rows) {
                const scenes::DescriptionRow& row = *sr.row;
                if (row.effect != Effect::None && row.effect != Effect::RudeSpot &&
                    row.effect != Effect::RudeSpotInHandler && row.effect != Effect::KnifeSearch) {
                    continue;
                }
                const std::string_view want = language == 1 || row.text.en.empty() ? row.text.cz : row.text.en;
                for (std::string_view r : scenes::splitRectangles(sr.rectangles)) {
                    EXPECT_EQ(clickOn(r), want) << row.name << " via " << r;
                    ++checked;
                }
            }
        }
    }
    game().state.Language = 1;
    // Both languages over the scenes' own plain rows (the detective's and the
    // two-state rows apart): 1,332 rectangles.
    EXPECT_EQ(checked, 2 * 1332);
}

TEST_F(DescribeTest, TwoStateRowsFollowTheStory) {
    Game& g = game();
    // The criminal's house: once the knife is found every row says so.
    story::startAtScene(g.ctx, scenes::Scene::Uzlocinkyne);
    const scenes::SceneDescriptions& house = scenes::sceneDescriptions(scenes::Scene::Uzlocinkyne);
    const scenes::SceneRow* search = nullptr;
    const scenes::SceneRow* spot = nullptr;
    for (const scenes::SceneRow& sr : house.rows) {
        if (sr.row->effect == Effect::KnifeSearch && !search) search = &sr;
        if (sr.row->effect == Effect::KnifeSpot) spot = &sr;
    }
    ASSERT_TRUE(search && spot);
    const std::string_view spotRect = scenes::splitRectangles(spot->rectangles).front();
    // First look: nothing there, but he has looked.
    EXPECT_EQ(clickOn(spotRect), spot->row->text.cz);
    EXPECT_TRUE(scenes::storyFlag(g.ctx, "SKukdosuplu"));
    EXPECT_EQ(g.state.HasKnife, 0);
    // Second look: the knife, which goes into a slot.
    EXPECT_EQ(clickOn(spotRect), spot->row->alternate.cz);
    EXPECT_TRUE(scenes::storyFlag(g.ctx, "Svzetinoze"));
    EXPECT_EQ(g.state.HasKnife, 1);
    const std::string_view searchRect = scenes::splitRectangles(search->rectangles).front();
    EXPECT_EQ(clickOn(searchRect), scenes::kKnifeLine.cz);
    EXPECT_EQ(clickOn(spotRect), scenes::kKnifeLine.cz);
    EXPECT_EQ(g.state.ItemCount, 1) << "the knife is found once";

    // In front of the prison the Bush Man is described only while he is out.
    story::startAtScene(g.ctx, scenes::Scene::Predveznici);
    const scenes::SceneRow* bushMan = nullptr;
    for (const scenes::SceneRow& sr : scenes::sceneDescriptions(scenes::Scene::Predveznici).rows) {
        if (sr.row->effect == Effect::BushManWhenOut) bushMan = &sr;
    }
    ASSERT_TRUE(bushMan);
    const std::string_view bushRect = scenes::splitRectangles(bushMan->rectangles).front();
    g.screen->setFrameIndex(*g.c.Krovakvp, 6);
    EXPECT_EQ(clickOn(bushRect), bushMan->row->alternate.cz);
    g.screen->setFrameIndex(*g.c.Krovakvp, 7);
    EXPECT_EQ(clickOn(bushRect), bushMan->row->text.cz);
}

TEST_F(DescribeTest, TheGroinFlagSurvivesOnlyAClickWithDescriptionsOff) {
    Game& g = game();
    story::startAtScene(g.ctx, scenes::Scene::Natrzisti);
    const std::string_view groin =
        scenes::splitRectangles(scenes::sceneDescriptions(scenes::Scene::Natrzisti)
                                    .detective[static_cast<size_t>(scenes::DetectivePart::Groin)])
            .front();
    EXPECT_EQ(clickOn(groin), scenes::kDetectiveRows[static_cast<size_t>(scenes::DetectivePart::Groin)].text.cz);
    EXPECT_EQ(g.state.RudeSpotDetective, 0);
    scenes::setCaption(g.ctx, *g.c.Popis, "");
    g.state.DescriptionsOn = 0;
    auto* c = g.layout.findAs<layout::Control>(groin);
    c->OnClick.fire({c});
    EXPECT_EQ(g.state.RudeSpotDetective, 1);
    EXPECT_EQ(g.c.Popis->Caption, "");
    g.state.RudeSpotDetective = 0;
}

TEST_F(DescribeTest, TheInventoryNoticeShowsOnlyWithEmptyHandsAndTheBarOpen) {
    Game& g = game();
    story::startAtScene(g.ctx, scenes::Scene::Natrzisti);
    scenes::setCaption(g.ctx, *g.c.Popis, "");
    g.state.DescriptionsOn = 1;
    g.state.InventoryOpen = 1;
    scenes::InventoryModeGuard(g.ctx);
    EXPECT_EQ(g.c.Popis->Caption,
              "Momentálně jsi v módu pro inventář. Pokud chceš popsat nějaký objekt, zasuň inventář.");
    scenes::setCaption(g.ctx, *g.c.Popis, "");
    g.state.CursorFile = "Cursors\\Lano.cur";
    scenes::InventoryModeGuard(g.ctx);
    EXPECT_EQ(g.c.Popis->Caption, "");
    g.state.CursorFile = "Cursors\\Kurzor.cur";
    g.state.InventoryOpen = 0;
}

}  // namespace
}  // namespace kvarnel::app

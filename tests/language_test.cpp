// The language screen: the hover look of the two labels, and what each
// choice changes (Language, the English captions and hints, the strips over
// the movies, the menu and its music).
#include "screens/language.h"

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "story/tick.h"

namespace kvarnel::screens {
namespace {

using testing::GameFixture;

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.start();
        // The fixture's movies are no movies: the logo ends at once and the
        // first tick shows the language screen.
        story::CasodavacTimer(ctx());
        ASSERT_TRUE(ctx().c.VyberJazyk->Visible);
    }
    scenes::Context& ctx() { return f.game->ctx; }
    layout::Control& control(std::string_view name) { return *f.game->layout.findAs<layout::Control>(name); }
    std::string caption(std::string_view name) { return f.game->layout.findAs<layout::Label>(name)->Caption; }

    GameFixture f{"language"};
};

TEST_F(LanguageTest, TheLogoGivesWayToTheLanguageScreenWithThePointerInTheMiddle) {
    EXPECT_FALSE(ctx().c.AnimaceQuillmoth->Visible);
    EXPECT_EQ(f.game->state.LogoFinished, 1);
    EXPECT_EQ(f.host->cursorCount(), 0) << "start-up hid it once, the language screen shows it";
    EXPECT_EQ(f.host->cursorPos(), (platform::Point{512, 384}));
}

TEST_F(LanguageTest, HoveringALabelLightsItUpAndLeavingPutsItBack) {
    layout::Label& label = *ctx().c.Label124;
    const int left = label.Left;
    const layout::Font font = label.Font_;
    for (int round = 0; round < 2; ++round) {
        f.host->calls.clear();
        label.OnMouseEnter.fire({&label});
        EXPECT_EQ(label.Font_.Color, layout::clYellow);
        EXPECT_EQ(label.Font_.Height, -37);
        EXPECT_EQ(label.Left, left - 2);
        EXPECT_EQ(f.host->callsStartingWith("playWave 13").size(), 1u) << "every time the pointer enters";
        label.OnMouseLeave.fire({&label});
        EXPECT_EQ(label.Font_, font);
        EXPECT_EQ(label.Left, left);
    }
}

TEST_F(LanguageTest, CzechKeepsTheLayoutsTextsAndOpensTheMenuWithItsMusic) {
    f.game->state.TrackEnabled.fill(1);
    const std::string zprava = caption("Zprava3");
    const int zpravaLeft = control("Zprava3").Left;
    f.host->calls.clear();
    ctx().c.Label123->OnClick.fire({ctx().c.Label123});
    EXPECT_EQ(f.game->state.Language, 1);
    EXPECT_FALSE(ctx().c.VyberJazyk->Visible);
    EXPECT_TRUE(ctx().c.Menu1->Visible);
    EXPECT_EQ(caption("Zprava3"), zprava);
    EXPECT_EQ(control("Zprava3").Left, zpravaLeft);
    EXPECT_EQ(control("Nuz").Hint, "NŮŽ");
    EXPECT_TRUE(ctx().c.Krytivo->Visible);
    EXPECT_TRUE(ctx().c.Kryti->Visible);
    EXPECT_EQ(f.host->callsStartingWith("mediaPlay 0").size(), 1u);
    EXPECT_TRUE(f.host->callsStartingWith("mediaRewind").empty()) << "played, not rewound";
}

TEST_F(LanguageTest, EnglishReplacesTheCaptionsAndHintsOnce) {
    const int zprava3 = control("Zprava3").Left;
    const int label1 = control("Label1").Left;
    ctx().c.Label124->OnClick.fire({ctx().c.Label124});
    EXPECT_EQ(f.game->state.Language, 2);
    EXPECT_TRUE(ctx().c.Menu1->Visible);
    const struct {
        std::string_view name;
        std::string_view caption;
    } captions[] = {
        {"Zprava", "   Four hours later."},
        {"Zprava2", " One elaborated animation of climbing the tree later."},
        {"Zprava3", "This way you get the Bush Man's daughter back to the Bush Man."},
        {"Zprava4", "Few hours of mowing through later."},
        {"Zprava5", "  Half an hour later."},
        {"Zprava6", "     One dig out of local fortune later."},
        {"Zprava7", "Click!"},
        {"zrusit", "Close"},
        {"Label9", "Bucks:"},
        {"Label11", "GO AWAY"},
        {"Label2", "STAKE DOWN"},
        {"Label114", "Player 1:"},
        {"Label115", "Player 2:"},
        {"Label15", "LOCAL COURT"},
        {"Label1", "The Becher's pub"},
        {"Vlastnosti", "Properties:"},
        {"Splh", "climbing"},
        {"inteligence", "intelligence"},
    };
    for (const auto& c : captions) EXPECT_EQ(caption(c.name), c.caption) << c.name;
    const struct {
        std::string_view name;
        std::string_view hint;
    } hints[] = {
        {"Nuz", "KNIFE"},           {"Olmeca", "BECHEROVKA"}, {"Pitiva", "BECHEROVKA"}, {"Sperhak", "CROWBAR"},
        {"Lano", "ROPE"},           {"Jidlo", "FOOD"},        {"Lopata", "SHOVEL"},     {"Penize", "LOCAL CURRENCY"},
        {"Penez", "LOCAL CURRENCY"}};
    for (const auto& h : hints) EXPECT_EQ(control(h.name).Hint, h.hint) << h.name;
    EXPECT_EQ(control("Zprava3").Left, zprava3 - 130);
    EXPECT_EQ(control("Label1").Left, label1 + 20);
    EXPECT_FALSE(ctx().c.Krytivo->Visible) << "the endings' strip goes at once";
    EXPECT_TRUE(ctx().c.Kryti->Visible) << "the intro's goes when a story starts";
}

}  // namespace
}  // namespace kvarnel::screens

// The stand-in layout as the game meets it: every catalogued component under
// its name and class, the original's number of components per class, the
// handler names the game's procedures are registered under, and description
// rectangles that a player can actually click.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "game_fixture.h"
#include "layout/screen.h"
#include "scenes/description_table.h"
#include "standin/catalogue_objects.h"
#include "standin/scene_catalogue.h"

namespace kvarnel {
namespace {

using layout::ComponentClass;
using layout::Control;

class StandinLayoutTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        fixture_ = new testing::GameFixture("standin-layout");
        fixture_->start();
    }
    static void TearDownTestSuite() {
        delete fixture_;
        fixture_ = nullptr;
    }
    static app::Game& game() { return *fixture_->game; }
    static layout::Layout& layout() { return fixture_->game->layout; }

    static std::string parentName(const Control& c) {
        if (c.parent == nullptr) return "";
        return c.parent == &layout().form() ? "TForm1" : c.parent->Name;
    }

    static inline testing::GameFixture* fixture_ = nullptr;
};

TEST_F(StandinLayoutTest, EveryCatalogueComponentExistsWithItsClassAndParent) {
    for (const standin::PanelSpec& p : standin::panelCatalogue()) {
        SCOPED_TRACE(std::string(p.name));
        auto* c = layout().findAs<Control>(p.name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->componentClass(), ComponentClass::Panel);
        EXPECT_EQ(parentName(*c), p.parent);
        EXPECT_EQ(c->Visible, p.visibleAtStart);
        if (!p.background.empty()) {
            auto* bg = layout().findAs<Control>(p.background);
            ASSERT_NE(bg, nullptr);
            EXPECT_EQ(bg->componentClass(), ComponentClass::Image);
            EXPECT_EQ(bg->parent, c);
        }
    }
    for (const standin::ComponentSpec& row : standin::componentCatalogue()) {
        SCOPED_TRACE(std::string(row.name));
        auto* c = layout().findAs<Control>(row.name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(layout::streamClassName(c->componentClass()), standin::streamClassOf(row));
        EXPECT_EQ(parentName(*c), row.parent);
        EXPECT_EQ(c->Visible, row.visibleAtStart);
    }
    // The picture lists are bound to their drawing surfaces.
    const std::pair<const char*, const char*> lists[] = {
        {"DXImageList1", "DXDraw3"}, {"Obrazky", "DXDraw2"}, {"GrafikaMenu", "HlavniMenu"}};
    for (const auto& [list, surface] : lists) {
        auto* l = layout().findAs<layout::DXImageList>(list);
        ASSERT_NE(l, nullptr) << list;
        ASSERT_NE(l->DXDraw_, nullptr) << list;
        EXPECT_EQ(l->DXDraw_->Name, surface);
    }
}

TEST_F(StandinLayoutTest, ComponentCountsPerClassAreTheOriginals) {
    std::map<ComponentClass, int> counts;
    for (const layout::Component* comp : layout().components()) ++counts[comp->componentClass()];
    const std::pair<ComponentClass, int> expected[] = {
        {ComponentClass::Image, 2218},   {ComponentClass::Label, 149},         {ComponentClass::GifAnimator, 92},
        {ComponentClass::Panel, 35},     {ComponentClass::ShockwaveFlash, 10}, {ComponentClass::MediaPlayer, 7},
        {ComponentClass::DXDraw, 4},     {ComponentClass::DXImageList, 3},     {ComponentClass::DXSound, 2},
        {ComponentClass::DXWaveList, 1}, {ComponentClass::Timer, 1},           {ComponentClass::DXTimer, 1},
    };
    for (const auto& [cls, n] : expected) EXPECT_EQ(counts[cls], n) << layout::streamClassName(cls);
}

// The handlers an exit label is bound to: a run of labels that builds one
// shape shares the first label's click (and sometimes leave) handler.
struct ExitBinding {
    std::string label, click, enter, leave;
};

std::vector<ExitBinding> exitBindings() {
    std::vector<ExitBinding> out;
    auto own = [&](const std::string& n) { out.push_back({n, n + "Click", n + "MouseEnter", n + "MouseLeave"}); };
    auto run = [&](int from, int to, bool sharedClick, bool sharedLeave) {
        const std::string first = "Label" + std::to_string(from);
        for (int i = from; i <= to; ++i) {
            const std::string n = "Label" + std::to_string(i);
            out.push_back(
                {n, (sharedClick ? first : n) + "Click", n + "MouseEnter", (sharedLeave ? first : n) + "MouseLeave"});
        }
    };
    for (int n :
         {3, 4, 5, 6, 7, 8, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22, 23, 36, 37, 38, 39, 40, 87, 88, 89, 97, 98, 99}) {
        own("Label" + std::to_string(n));
    }
    own("prechodpredhospodu");
    out.push_back({"Label125", "Label88Click", "Label125MouseEnter", "Label125MouseLeave"});
    run(41, 62, true, false);     // the gate out of the village
    run(90, 96, true, true);      // the town hall's door arch
    run(24, 35, true, true);      // the path into the western forest
    run(63, 86, true, true);      // the path back to the village
    run(100, 112, false, false);  // the cave mouth
    return out;
}

TEST_F(StandinLayoutTest, ExitsTalkHotspotsAndItemsCarryTheHandlerNamesTheGameRegisters) {
    auto expectBinding = [&](const std::string& name, const char* event, const layout::EventBinding& b,
                             const std::string& handler) { EXPECT_EQ(b.name, handler) << name << "." << event; };
    for (const ExitBinding& e : exitBindings()) {
        auto* l = layout().findAs<layout::Label>(e.label);
        ASSERT_NE(l, nullptr) << e.label;
        expectBinding(e.label, "OnClick", l->OnClick, e.click);
        expectBinding(e.label, "OnMouseEnter", l->OnMouseEnter, e.enter);
        expectBinding(e.label, "OnMouseLeave", l->OnMouseLeave, e.leave);
        EXPECT_FALSE(l->AutoSize) << e.label;
        EXPECT_TRUE(l->Caption.empty()) << e.label;
    }
    for (const char* talk :
         {"Label118", "Label119", "Label120", "Label121", "Label122", "PokecL1", "PokecL5", "PokecRadnice"}) {
        auto* l = layout().findAs<layout::Label>(talk);
        ASSERT_NE(l, nullptr) << talk;
        expectBinding(talk, "OnClick", l->OnClick, std::string(talk) + "Click");
        expectBinding(talk, "OnMouseEnter", l->OnMouseEnter, std::string(talk) + "MouseEnter");
        expectBinding(talk, "OnMouseLeave", l->OnMouseLeave, std::string(talk) + "MouseLeave");
    }
    // The exit rectangles of the gate are pictures: a click, no cursor.
    for (int i = 156; i <= 160; ++i) {
        const std::string n = "Image" + std::to_string(i);
        auto* img = layout().findAs<layout::ImageControl>(n);
        ASSERT_NE(img, nullptr) << n;
        expectBinding(n, "OnClick", img->OnClick, n + "Click");
    }
    const std::set<std::string> sharedMouseDown = {"BonusHraMouseDown", "Les6MouseDown", "Nuz2MouseDown",
                                                   "st4MouseDown", "zrusitMouseDown"};
    for (const char* item : {"Nuz", "Lano", "Jidlo", "Olmeca", "Lopata", "Sperhak", "Penize"}) {
        for (const std::string& n : {std::string(item), std::string(item) + "2"}) {
            auto* img = layout().findAs<layout::ImageControl>(n);
            ASSERT_NE(img, nullptr) << n;
            expectBinding(n, "OnClick", img->OnClick, n + "Click");
            EXPECT_TRUE(sharedMouseDown.count(img->OnMouseDown.name)) << n;
            EXPECT_TRUE(img->Transparent) << n;
            EXPECT_GT(img->Picture_.image().width, 0) << n;
        }
    }
    for (const char* count : {"Penez", "Pitiva"}) {
        auto* l = layout().findAs<layout::Label>(count);
        ASSERT_NE(l, nullptr);
        expectBinding(count, "OnClick", l->OnClick, std::string(count) + "Click");
        EXPECT_TRUE(l->ShowHint) << count;
    }
    // Hints show on five items; the food and the coins keep theirs unseen.
    for (const auto& [item, shows] : std::map<std::string, bool>{{"Nuz", true},
                                                                 {"Lano", true},
                                                                 {"Olmeca", true},
                                                                 {"Lopata", true},
                                                                 {"Sperhak", true},
                                                                 {"Jidlo", false},
                                                                 {"Penize", false}}) {
        EXPECT_EQ(layout().findAs<Control>(item)->ShowHint, shows) << item;
        EXPECT_FALSE(layout().findAs<Control>(item)->Hint.empty()) << item;
    }
    // The Bush Man's animation and the mouth that never changes.
    auto* bushMan = layout().findAs<layout::GifAnimator>("Krovakvp");
    ASSERT_NE(bushMan, nullptr);
    expectBinding("Krovakvp", "OnClick", bushMan->OnClick, "KrovakvpClick");
    expectBinding("Krovakvp", "OnStop", bushMan->OnStop, "KrovakvpStop");
    auto* mouth = layout().findAs<layout::GifAnimator>("Krovakpusa");
    ASSERT_NE(mouth, nullptr);
    expectBinding("Krovakpusa", "OnChange", mouth->OnChange, "KrovakpusaChange");

    // Every description rectangle has its own click handler (an exit label
    // that a row also names keeps its exit's) and a shared mouse-down one
    // (the right button cuts a text short everywhere).
    std::map<std::string, std::string> exitClick;
    for (const ExitBinding& e : exitBindings()) exitClick[e.label] = e.click;
    for (const scenes::SceneDescriptions& table : scenes::allSceneDescriptions()) {
        for (const scenes::SceneRow& row : table.rows) {
            for (std::string_view name : scenes::splitRectangles(row.rectangles)) {
                auto* c = layout().findAs<Control>(name);
                ASSERT_NE(c, nullptr) << name;
                if (name == "Krovakpusa") {
                    // The Bush Man's mouth describes through its change event,
                    // which nothing raises: a click on it does nothing.
                    EXPECT_TRUE(c->OnClick.name.empty());
                    continue;
                }
                const auto exit = exitClick.find(std::string(name));
                EXPECT_EQ(c->OnClick.name, exit != exitClick.end() ? exit->second : std::string(name) + "Click");
                EXPECT_TRUE(sharedMouseDown.count(c->OnMouseDown.name)) << name << " " << c->OnMouseDown.name;
            }
        }
    }
}

TEST_F(StandinLayoutTest, SilentRectanglesHaveNoClickHandler) {
    int total = 0;
    for (std::string_view panel : scenes::kSceneNames) {
        for (std::string_view name : standin::silentRectangles(panel)) {
            auto* c = layout().findAs<layout::ImageControl>(name);
            ASSERT_NE(c, nullptr) << name;
            EXPECT_EQ(c->parent->Name, panel);
            EXPECT_TRUE(c->OnClick.name.empty()) << name;
            EXPECT_TRUE(c->Picture_.className.empty()) << name;
            ++total;
        }
    }
    EXPECT_EQ(total, 27);
}

// What a new game shows: the rope lies on the warrior's table until it is
// sold; one of the seated guest's rectangles waits hidden.
TEST_F(StandinLayoutTest, TheRopeLiesOnTheTableAndOneGuestRectangleIsHiddenAtStart) {
    for (auto [name, visible] : {std::pair{"slanonastole", true}, {"Image356", false}, {"Image358", true}}) {
        auto* c = layout().findAs<Control>(name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(c->Visible, visible) << name;
    }
}

// A click on the detective's face describes his face: no scenery row's
// rectangle lies over his head, eyes, nose or mouth. (Exits of the
// catalogue keep their places.)
TEST_F(StandinLayoutTest, TheDetectivesFaceTakesTheClicksOnIt) {
    layout::Screen& screen = *game().screen;
    for (layout::Control* c : layout().form().children) {
        if (c->componentClass() == ComponentClass::Panel) c->Visible = c->Name == "SPanel";
    }
    for (const scenes::SceneDescriptions& table : scenes::allSceneDescriptions()) {
        const std::string sceneName(scenes::kSceneNames[static_cast<size_t>(table.scene)]);
        SCOPED_TRACE(sceneName);
        auto* panel = layout().findAs<Control>(sceneName);
        ASSERT_NE(panel, nullptr);
        panel->Visible = true;
        std::set<const Control*> detective;
        for (std::string_view list : table.detective) {
            for (std::string_view name : scenes::splitRectangles(list))
                detective.insert(layout().findAs<Control>(name));
        }
        using P = scenes::DetectivePart;
        for (P part : {P::Head, P::Eyes, P::Nose, P::Mouth}) {
            for (std::string_view name : scenes::splitRectangles(table.detective[static_cast<size_t>(part)])) {
                auto* c = layout().findAs<Control>(name);
                ASSERT_NE(c, nullptr) << name;
                const layout::ScreenRect r = screen.bounds(*c);
                for (int y = r.y + 1; y < r.y + r.h; y += 4) {
                    for (int x = r.x + 1; x < r.x + r.w; x += 4) {
                        const Control* hit = screen.hitTest(x, y);
                        if (hit == nullptr || detective.count(hit) || hit->Name.starts_with("Label")) continue;
                        ADD_FAILURE() << name << " at " << x << "," << y << " is covered by " << hit->Name;
                        y = r.y + r.h;
                        break;
                    }
                }
            }
        }
        panel->Visible = false;
    }
}

// Every rectangle of every description table lies inside its scene and a
// click lands on it somewhere: nothing drawn above it covers it whole.
TEST_F(StandinLayoutTest, EveryDescriptionRectangleCanBeClickedInItsScene) {
    layout::Screen& screen = *game().screen;
    for (layout::Control* c : layout().form().children) {
        if (c->componentClass() == ComponentClass::Panel) c->Visible = c->Name == "SPanel";
    }
    for (const scenes::SceneDescriptions& table : scenes::allSceneDescriptions()) {
        const std::string sceneName(scenes::kSceneNames[static_cast<size_t>(table.scene)]);
        SCOPED_TRACE(sceneName);
        auto* panel = layout().findAs<Control>(sceneName);
        ASSERT_NE(panel, nullptr);
        panel->Visible = true;
        const layout::ScreenRect scene = screen.visibleRect(*panel);
        // The rectangles of the rows, then the exits and the talk hotspot.
        std::vector<std::string> clickables;
        for (const scenes::SceneRow& row : table.rows) {
            for (std::string_view name : scenes::splitRectangles(row.rectangles)) clickables.emplace_back(name);
        }
        for (const standin::ComponentSpec* c : standin::catalogueChildren(sceneName)) {
            if (c->role.starts_with("exit to") || c->role.starts_with("talk (")) clickables.emplace_back(c->name);
        }
        std::set<std::string> seen;
        for (const std::string& name : clickables) {
            if (!seen.insert(name).second) continue;
            auto* c = layout().findAs<Control>(name);
            ASSERT_NE(c, nullptr) << name;
            ASSERT_TRUE(c->parent == panel) << name << " lies in " << parentName(*c);
            // Rectangles hidden at start (a hotspot that appears later)
            // are checked as they will be seen.
            const bool wasVisible = c->Visible;
            c->Visible = true;
            const layout::ScreenRect r = screen.bounds(*c).intersect(scene);
            EXPECT_FALSE(r.empty()) << name << " lies outside its scene";
            bool hit = false;
            if (!r.empty()) hit = screen.hitTest(r.x + r.w / 2, r.y + r.h / 2) == c;
            for (int y = r.y; y < r.y + r.h && !hit; y += 2) {
                for (int x = r.x; x < r.x + r.w && !hit; x += 2) hit = screen.hitTest(x, y) == c;
            }
            EXPECT_TRUE(hit) << name << " is covered wherever it is clicked";
            c->Visible = wasVisible;
        }
        panel->Visible = false;
    }
}

}  // namespace
}  // namespace kvarnel

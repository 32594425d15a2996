// The stand-in location panels read back through the layout loader with
// every description rectangle, face and exit where the game looks for them.
#include "standin/scene_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "layout/layout.h"
#include "layout/record_builder.h"
#include "scenes/description_table.h"
#include "standin/scene_catalogue.h"

namespace kvarnel::standin {
namespace {

using layout::Obj;
using scenes::Scene;

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// One scene's panel, built once, and the layout loaded from a window around it.
struct Built {
    layout::ObjectRecord panel;
    layout::Layout layout;
};

const Built& built(Scene scene) {
    static std::map<Scene, Built> cache;
    auto it = cache.find(scene);
    if (it != cache.end()) return it->second;
    Obj form("TForm1", "Form1");
    form.child(buildLocationPanel(scene));
    layout::ObjectRecord root = std::move(form).record();
    Built b;
    b.panel = root.children.at(0);
    b.layout = layout::loadLayout(layout::writeStream(root), "scene.layout");
    return cache.emplace(scene, std::move(b)).first->second;
}

// Every rectangle name of a scene's tables, rows then detective parts.
std::vector<std::string_view> tableNames(Scene scene) {
    const scenes::SceneDescriptions& d = scenes::sceneDescriptions(scene);
    std::vector<std::string_view> out;
    for (const scenes::SceneRow& r : d.rows) {
        for (std::string_view n : scenes::splitRectangles(r.rectangles)) out.push_back(n);
    }
    for (std::string_view list : d.detective) {
        for (std::string_view n : scenes::splitRectangles(list)) out.push_back(n);
    }
    return out;
}

std::string identOf(const layout::ObjectRecord& rec, std::string_view prop) {
    const layout::Property* p = rec.find(prop);
    return p ? p->value.text : std::string();
}

// A name the catalogue already gives the panel (its background, an exit, a sign).
bool isCatalogued(std::string_view panelName, std::string_view name) {
    for (const PanelSpec& p : panelCatalogue()) {
        if (p.name == panelName && lower(p.background) == lower(name)) return true;
    }
    for (const ComponentSpec& c : componentCatalogue()) {
        if (c.parent == panelName && lower(c.name) == lower(name)) return true;
    }
    return false;
}

class SceneBuilderTest : public testing::TestWithParam<Scene> {};

std::string sceneName(const testing::TestParamInfo<Scene>& info) {
    return std::string(scenes::kSceneNames[static_cast<size_t>(info.param)]);
}

TEST_P(SceneBuilderTest, PanelReadsBackAsAHiddenLocationPanel) {
    const Built& b = built(GetParam());
    const std::string_view name = scenes::kSceneNames[static_cast<size_t>(GetParam())];
    auto* panel = b.layout.findAs<layout::Panel>(name);
    ASSERT_NE(panel, nullptr) << name;
    EXPECT_FALSE(panel->Visible);
    EXPECT_EQ(panel->Width, 1024);
    EXPECT_EQ(panel->Height, 625);
    EXPECT_EQ(panel->BevelOuter, "bvNone");

    const PanelSpec* catalogued = nullptr;
    for (const PanelSpec& p : panelCatalogue()) {
        if (p.name == name) catalogued = &p;
    }
    ASSERT_NE(catalogued, nullptr);
    auto* bg = b.layout.findAs<layout::ImageControl>(catalogued->background);
    ASSERT_NE(bg, nullptr) << catalogued->background;
    ASSERT_FALSE(panel->children.empty());
    EXPECT_EQ(panel->children.front(), bg) << "the background lies below everything else";
    EXPECT_EQ(bg->Picture_.className, "TJPEGImage");
    EXPECT_EQ(bg->Picture_.image.width, catalogued->bgPictureWidth);
    EXPECT_EQ(bg->Picture_.image.height, catalogued->bgPictureHeight);
}

TEST_P(SceneBuilderTest, EveryTableNameIsOneClickableControlInsideThePanel) {
    const Built& b = built(GetParam());
    const std::string_view panelName = scenes::kSceneNames[static_cast<size_t>(GetParam())];
    auto* panel = b.layout.findAs<layout::Panel>(panelName);
    ASSERT_NE(panel, nullptr);

    std::map<std::string, int> count;
    std::map<std::string, const layout::ObjectRecord*> byName;
    for (const auto& child : b.panel.children) {
        ++count[lower(child.name)];
        byName[lower(child.name)] = &child;
    }
    for (const auto& [n, k] : count) EXPECT_EQ(k, 1) << "name " << n << " appears " << k << " times";

    for (std::string_view n : tableNames(GetParam())) {
        SCOPED_TRACE(std::string(n));
        ASSERT_EQ(count[lower(n)], 1);
        auto* c = dynamic_cast<layout::Control*>(b.layout.find(n));
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->parent, panel);
        // Bound to a click (which handler exactly, exits sharing theirs, is
        // checked against the game's names with the whole layout); only the
        // Bush Man's mouth describes through another event.
        EXPECT_EQ(c->OnClick.name.empty(), n == "Krovakpusa");
        // At least partly inside the panel's area.
        EXPECT_GT(c->Width, 0);
        EXPECT_GT(c->Height, 0);
        EXPECT_LT(c->Left, 1024);
        EXPECT_LT(c->Top, 625);
        EXPECT_GT(c->Left + c->Width, 0);
        EXPECT_GT(c->Top + c->Height, 0);
        // New rectangles are empty pictures with the shared mouse-down handler.
        if (!isCatalogued(panelName, n)) {
            const layout::ObjectRecord& rec = *byName[lower(n)];
            EXPECT_EQ(rec.className, "TImage");
            EXPECT_EQ(rec.find("Picture.Data"), nullptr);
            EXPECT_EQ(identOf(rec, "OnMouseDown"), "st4MouseDown");
        }
    }
}

TEST_P(SceneBuilderTest, CatalogueComponentsKeepTheirFramesVisibilityAndPlace) {
    const Built& b = built(GetParam());
    const std::string_view panelName = scenes::kSceneNames[static_cast<size_t>(GetParam())];
    auto* panel = b.layout.findAs<layout::Panel>(panelName);
    ASSERT_NE(panel, nullptr);
    for (const ComponentSpec& c : componentCatalogue()) {
        if (c.parent != panelName) continue;
        SCOPED_TRACE(std::string(c.name));
        auto* ctl = dynamic_cast<layout::Control*>(b.layout.find(c.name));
        ASSERT_NE(ctl, nullptr);
        EXPECT_EQ(ctl->parent, panel);
        EXPECT_EQ(ctl->Visible, c.visibleAtStart);
        if (c.width > 0) {
            EXPECT_EQ(ctl->Left, c.left);
            EXPECT_EQ(ctl->Top, c.top);
            EXPECT_EQ(ctl->Width, c.width);
            EXPECT_EQ(ctl->Height, c.height);
        }
        if (c.kind == "GIF") {
            auto* gif = layout::as<layout::GifAnimator>(ctl);
            ASSERT_NE(gif, nullptr);
            EXPECT_EQ(gif->Image_.frames.size(), static_cast<size_t>(std::max(1, c.frames)));
            EXPECT_EQ(gif->Image_.width, c.pictureWidth);
            EXPECT_EQ(gif->Image_.height, c.pictureHeight);
            EXPECT_EQ(gif->Loop, c.loop);
        }
        const bool exit = c.role.substr(0, 7) == "exit to";
        if (exit && c.kind == "label") {
            auto* label = layout::as<layout::Label>(ctl);
            ASSERT_NE(label, nullptr);
            EXPECT_TRUE(label->Transparent);
            EXPECT_FALSE(label->AutoSize);
            EXPECT_TRUE(label->Caption.empty());
            EXPECT_EQ(label->OnClick.name, exitHandlers(c.name).click);
            EXPECT_EQ(label->OnMouseDown.name, "st4MouseDown");
        }
    }
    // That exits and hotspots are not covered where they are clicked is
    // checked on the whole layout, with the screen's own hit test.
}

INSTANTIATE_TEST_SUITE_P(AllLocations, SceneBuilderTest,
                         testing::Values(Scene::Udedka, Scene::Natrzisti, Scene::Predhospodou, Scene::Vhospode,
                                         Scene::Predradnici, Scene::Radnice, Scene::Predsoudem, Scene::Predveznici,
                                         Scene::Veveznici, Scene::Uzlocinkyne, Scene::Les1, Scene::Les2, Scene::Les3,
                                         Scene::Les4, Scene::Les5, Scene::Les6),
                         sceneName);

TEST(SceneBuilder, RejectsTheCountSentinel) {
    EXPECT_THROW(buildLocationPanel(Scene::Count), std::invalid_argument);
}

}  // namespace
}  // namespace kvarnel::standin

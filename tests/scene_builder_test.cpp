// The stand-in location panels read back through the layout loader with
// every description rectangle, face and exit where the game looks for them.
#include "standin/scene_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "layout/blit.h"
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
    EXPECT_EQ(bg->Picture_.image().width, catalogued->bgPictureWidth);
    EXPECT_EQ(bg->Picture_.image().height, catalogued->bgPictureHeight);
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
            EXPECT_EQ(gif->Image_.frames().size(), static_cast<size_t>(std::max(1, c.frames)));
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

// What a control shows, drawn as the screen draws it (stretched to the
// control or at natural size), on a panel-sized picture.
layout::Image onPanel(const layout::Image& pic, const layout::Control& c, bool stretch) {
    layout::Image panel;
    panel.width = 1024;
    panel.height = 625;
    panel.pixels.assign(static_cast<size_t>(1024) * 625, 0u);
    layout::blitScaled(panel, {0, 0, 1024, 625}, pic, c.Left, c.Top, stretch ? c.Width : pic.width,
                       stretch ? c.Height : pic.height, {});
    return panel;
}

// The share of the pixels of `r` where `a` and `b` agree to within a little
// (GIF frames may have had their colours grouped).
double agreement(const layout::Image& a, const layout::Image& b, const layout::ScreenRect& r) {
    int same = 0;
    for (int y = r.y; y < r.y + r.h; ++y) {
        for (int x = r.x; x < r.x + r.w; ++x) {
            const uint32_t p = a.at(x, y), q = b.at(x, y);
            bool close = true;
            for (int shift : {16, 8, 0}) {
                close &= std::abs(static_cast<int>((p >> shift) & 0xFF) - static_cast<int>((q >> shift) & 0xFF)) <= 24;
            }
            same += close;
        }
    }
    return static_cast<double>(same) / (r.w * r.h);
}

// The Bush Man talks as his standing picture with his eye and mouth
// animations over it, and otherwise shows up in his shrub animation; the
// screen shrinks both of his big pictures into their controls. Every switch
// between them must not jump: the overlays and the standing frames of the
// shrub animation agree with the standing picture as the screen draws it,
// and the shrub animation hides him up to frame 6 and again at its end.
TEST(SceneBuilderBushMan, HisAnimationsMeetHisStandingPictureAsTheScreenDrawsIt) {
    const Built& b = built(Scene::Predveznici);
    auto* standing = b.layout.findAs<layout::ImageControl>("Krovak");
    auto* shrub = b.layout.findAs<layout::GifAnimator>("Krovakvp");
    auto* eyes = b.layout.findAs<layout::GifAnimator>("Krovakoci");
    auto* mouth = b.layout.findAs<layout::GifAnimator>("Krovakpusa");
    ASSERT_TRUE(standing && shrub && eyes && mouth);
    EXPECT_TRUE(standing->Stretch);
    EXPECT_TRUE(shrub->Stretch);
    ASSERT_EQ(shrub->Image_.frames().size(), 23u);
    const layout::Image stood = onPanel(standing->Picture_.image(), *standing, true);

    const layout::ScreenRect eyesArea{eyes->Left, eyes->Top, std::min(eyes->Width, eyes->Image_.width),
                                      std::min(eyes->Height, eyes->Image_.height)};
    const layout::ScreenRect mouthArea{mouth->Left, mouth->Top, std::min(mouth->Width, mouth->Image_.width),
                                       std::min(mouth->Height, mouth->Image_.height)};
    // Frame 0 of each overlay is the face at rest: open eyes, closed mouth.
    EXPECT_GE(agreement(onPanel(eyes->Image_.frames()[0].image, *eyes, false), stood, eyesArea), 0.99);
    EXPECT_GE(agreement(onPanel(mouth->Image_.frames()[0].image, *mouth, false), stood, mouthArea), 0.99);
    // The overlays do move: some frame differs from the picture under them.
    auto moves = [&](const layout::GifAnimator& g, const layout::ScreenRect& r) {
        return std::any_of(g.Image_.frames().begin(), g.Image_.frames().end(),
                           [&](const auto& f) { return agreement(onPanel(f.image, g, false), stood, r) < 0.97; });
    };
    EXPECT_TRUE(moves(*eyes, eyesArea));
    EXPECT_TRUE(moves(*mouth, mouthArea));

    // His face shows in the shrub animation only past frame 6, and not at its end.
    bool standsSomewhere = false;
    for (size_t i = 0; i < shrub->Image_.frames().size(); ++i) {
        SCOPED_TRACE("frame " + std::to_string(i));
        const double a = agreement(onPanel(shrub->Image_.frames()[i].image, *shrub, true), stood, eyesArea);
        if (i <= 6 || i + 1 == shrub->Image_.frames().size()) {
            EXPECT_LT(a, 0.5) << "his face shows while he counts as hidden";
        } else if (a >= 0.97) {
            standsSomewhere = true;
        }
    }
    EXPECT_TRUE(standsSomewhere) << "no frame shows him as the standing picture does";
}

// The daughter is a figure on a clear surround, which the control lets the
// scene show through.
TEST(SceneBuilderBushMan, HisDaughterIsDrawnOnAClearSurround) {
    const Built& b = built(Scene::Les3);
    auto* girl = b.layout.findAs<layout::GifAnimator>("Dcerka");
    ASSERT_NE(girl, nullptr);
    EXPECT_TRUE(girl->Transparent);
    ASSERT_FALSE(girl->Image_.frames().empty());
    for (const auto& f : girl->Image_.frames()) {
        const layout::Image& img = f.image;
        for (auto [x, y] : {std::pair{0, 0}, std::pair{img.width - 1, 0}, std::pair{0, img.height / 2},
                            std::pair{img.width - 1, img.height / 2}}) {
            EXPECT_LT(img.at(x, y) >> 24, 128u) << x << "," << y;
        }
        EXPECT_GE(img.at(img.width / 2, img.height / 2) >> 24, 128u);
    }
    EXPECT_NE(girl->Image_.frames().front().image, girl->Image_.frames()[2].image) << "she does not move";
}

TEST(SceneBuilder, RejectsTheCountSentinel) {
    EXPECT_THROW(buildLocationPanel(Scene::Count), std::invalid_argument);
}

}  // namespace
}  // namespace kvarnel::standin

// The scene catalogue rows against what the game relies on: the panel set,
// one face set per location matching the animations the exits start and stop,
// every exit with its destination, the interlude captions in both languages,
// and the story flags.
#include "standin/scene_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kvarnel::standin {
namespace {

const std::vector<std::string_view> kLocations = {
    "Udedka",    "Natrzisti",   "Predhospodou", "Vhospode", "Predradnici", "Radnice", "Predsoudem", "Predveznici",
    "Veveznici", "Uzlocinkyne", "Les1",         "Les2",     "Les3",        "Les4",    "Les5",       "Les6"};

const ComponentSpec* findComponent(std::string_view name) {
    for (const auto& c : componentCatalogue())
        if (c.name == name) return &c;
    return nullptr;
}

const PanelSpec* findPanel(std::string_view name) {
    for (const auto& p : panelCatalogue())
        if (p.name == name) return &p;
    return nullptr;
}

std::vector<const ComponentSpec*> childrenOf(std::string_view parent) {
    std::vector<const ComponentSpec*> out;
    for (const auto& c : componentCatalogue())
        if (c.parent == parent) out.push_back(&c);
    return out;
}

bool isValidUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        size_t extra = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : 99;
        if (extra == 99 || extra > s.size() - i - 1) return false;
        for (size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += extra + 1;
    }
    return true;
}

// ---- panels

TEST(SceneCataloguePanels, ThirtyThreeOnTheWindowAndTwoCovers) {
    std::map<std::string, int> kinds;
    int onWindow = 0;
    for (const auto& p : panelCatalogue()) {
        if (p.parent == "TForm1") {
            ++onWindow;
            ++kinds[std::string(p.kind)];
            EXPECT_EQ(p.visibleAtStart, p.name == "SPanel") << p.name;
        }
    }
    EXPECT_EQ(onWindow, 33);
    const std::map<std::string, int> expected = {
        {"location", 16}, {"interlude", 7},  {"movie", 4},           {"table game", 1}, {"cave", 1},
        {"menu", 1},      {"bonus game", 1}, {"language choice", 1}, {"story flags", 1}};
    EXPECT_EQ(kinds, expected);
    for (const auto& location : kLocations) {
        const PanelSpec* p = findPanel(location);
        ASSERT_NE(p, nullptr) << location;
        EXPECT_EQ(p->kind, "location") << location;
        EXPECT_EQ(p->width, 1024) << location;
        EXPECT_EQ(p->height, 625) << location;
        EXPECT_FALSE(p->background.empty()) << location;
    }
    const PanelSpec* kryti = findPanel("Kryti");
    const PanelSpec* krytivo = findPanel("Krytivo");
    ASSERT_NE(kryti, nullptr);
    ASSERT_NE(krytivo, nullptr);
    EXPECT_EQ(kryti->parent, "Intro");
    EXPECT_EQ(krytivo->parent, "Outro");
    EXPECT_EQ(panelCatalogue().size(), 35u);
}

TEST(SceneCataloguePanels, OversizedBackgroundsAreCutOrCentred) {
    // A background larger than its control is either centred or cut at the right and bottom.
    for (const auto& p : panelCatalogue()) {
        if (p.background.empty()) continue;
        EXPECT_GT(p.bgPictureWidth, 0) << p.name;
        const bool oversized = p.bgPictureWidth > p.bgWidth || p.bgPictureHeight > p.bgHeight;
        if (p.name == "Natrzisti") {
            EXPECT_TRUE(p.bgCenter && p.bgAlignClient);
        }
        if (p.name == "Vhospode" || p.name == "Les3") {
            EXPECT_TRUE(oversized && !p.bgStretch) << p.name;
        }
        if (p.bgStretch) {
            EXPECT_EQ(p.bgWidth, p.width) << p.name;
        }
    }
}

// ---- names and parents

TEST(SceneCatalogueNames, UniqueParentsKnownTextsUtf8) {
    std::set<std::string_view> names;
    for (const auto& p : panelCatalogue()) {
        EXPECT_TRUE(names.insert(p.name).second) << "duplicate " << p.name;
    }
    for (const auto& c : componentCatalogue()) {
        EXPECT_TRUE(names.insert(c.name).second) << "duplicate " << c.name;
        EXPECT_TRUE(c.parent == "TForm1" || findPanel(c.parent) != nullptr) << c.name << " in " << c.parent;
        for (std::string_view text : {c.captionCz, c.captionEn, c.hintCz, c.hintEn})
            EXPECT_TRUE(isValidUtf8(text)) << c.name;
        if (c.kind == "GIF") {
            EXPECT_TRUE(c.frames > 0 || c.name == "RxGIFAnimator8") << c.name;
        } else
            EXPECT_EQ(c.frames, 0) << c.name;
    }
}

// ---- faces: the animations each location's exits start and stop are exactly
// its face GIFs (the bird, the Bush Man and his daughter run on their own).

TEST(SceneCatalogueFaces, EachLocationHasOneDetectiveFaceAndItsAnimationSet) {
    const std::map<std::string_view, std::set<std::string_view>> animations = {
        {"Udedka",
         {"RxGIFAnimator1", "RxGIFAnimator2", "RxGIFAnimator3", "RxGIFAnimator4", "RxGIFAnimator5", "RxGIFAnimator6",
          "RxGIFAnimator7"}},
        {"Natrzisti",
         {"Zocibojovnika", "zocibojovnikamluva", "Zpusabojovnika", "Zpusabojovnikamluva", "Ztmluvavpravo", "Ztoci",
          "Ztpopis", "Ztpusavpravo"}},
        {"Predhospodou", {"Phoci", "Phpopis", "Phpusa"}},
        {"Vhospode", {"hhmluva", "Hhoboci", "Hhoci", "hhocimluva", "Hhpusa", "Hoci", "Hpopis", "Hpusa", "hpusamluva"}},
        {"Predradnici", {"PrOci", "PrPopis", "PrPusa"}},
        {"Radnice",
         {"Rmluva", "Roci", "Rpopis", "Rpusa", "Starostaoci", "Starostaocimluva", "Starostapusa", "Starostapusamluva"}},
        {"Predsoudem", {"PsOci", "PsPopis", "PsPusa"}},
        {"Predveznici", {"PvMluva", "Pvoci", "PvPopis", "Pvpusa"}},
        {"Veveznici",
         {"Serifmluva", "Serifoci", "Serifocimluva", "Serifpusa", "Vvmluva", "Vvoci", "Vvpopis", "Vvpusa"}},
        {"Uzlocinkyne", {"UzOci", "UzPopis", "Uzpusa"}},
        {"Les1",
         {"Drujdoci", "Drujdocimluva", "Drujdpusa", "Drujdpusamluva", "L1mluva", "L1oci", "L1ocimluva", "L1popis",
          "L1pusa"}},
        {"Les2", {"L2oci", "L2Popis", "L2Pusa"}},
        {"Les3", {"L3oci", "L3Popis", "L3pusa"}},
        {"Les4", {"L4Oci", "L4Popis", "L4Pusa"}},
        {"Les5",
         {"hranicarmluva", "hranicaroci", "hranicarocimluva", "hranicarpusa", "L5mluva", "L5oci", "L5Popis", "L5pusa"}},
        {"Les6", {"L6oci", "L6Popis", "L6pusa"}},
    };
    ASSERT_EQ(animations.size(), kLocations.size());
    for (const auto& [scene, expected] : animations) {
        std::set<std::string_view> faceGifs;
        std::map<std::string_view, int> detective;
        for (const ComponentSpec* c : childrenOf(scene)) {
            const bool ownAnimation = c->role.starts_with("Bush Man") || c->role.starts_with("bird");
            if (c->kind == "GIF" && !ownAnimation) faceGifs.insert(c->name);
            if (c->role.starts_with("detective ")) ++detective[c->role.substr(10)];
            if (c->role == "detective head") {
                EXPECT_EQ(c->kind, "picture") << scene;
                EXPECT_TRUE(c->visibleAtStart) << scene;
            }
            if (c->role == "detective eyes" || c->role == "detective mouth") {
                EXPECT_TRUE(c->visibleAtStart) << c->name;
            }
            if (c->role.ends_with("talking mouth") || c->role.ends_with("eyes in a talk") ||
                c->role.ends_with("description animation")) {
                EXPECT_FALSE(c->visibleAtStart) << c->name;
            }
            if (c->role == "detective description animation") {
                EXPECT_EQ(c->frames, 5) << c->name;
            }
            EXPECT_TRUE(c->loop || ownAnimation) << c->name;
        }
        EXPECT_EQ(faceGifs, expected) << "face animations of " << scene;
        for (std::string_view part : {"head", "eyes", "mouth", "description animation"})
            EXPECT_EQ(detective[part], 1) << scene << ": detective " << part;
    }
}

TEST(SceneCatalogueFaces, NamedAnimationsHaveTheirFramesAndPlayback) {
    struct Case {
        std::string_view name, parent;
        int frames;
        bool visible, loop;
    };
    const Case cases[] = {
        {"Ptak", "Predsoudem", 12, true, false},
        {"Krovakvp", "Predveznici", 23, false, false},
        {"Dcerka", "Les3", 5, false, true},
        {"Inventar", "TForm1", 9, false, true},
        {"Krovakoci", "Predveznici", 14, false, true},
        {"Krovakpusa", "Predveznici", 3, false, true},
        {"L2oci", "Les2", 61, true, true},
        {"hranicaroci", "Les5", 52, true, true},
    };
    for (const auto& k : cases) {
        const ComponentSpec* c = findComponent(k.name);
        ASSERT_NE(c, nullptr) << k.name;
        EXPECT_EQ(c->kind, "GIF") << k.name;
        EXPECT_EQ(c->parent, k.parent) << k.name;
        EXPECT_EQ(c->frames, k.frames) << k.name;
        EXPECT_EQ(c->visibleAtStart, k.visible) << k.name;
        EXPECT_EQ(c->loop, k.loop) << k.name;
    }
    const ComponentSpec* ker = findComponent("Ker");
    ASSERT_NE(ker, nullptr);
    EXPECT_EQ(ker->parent, "Les2");
    EXPECT_TRUE(ker->visibleAtStart);
}

// ---- exits

struct ExitRun {
    std::string_view from;
    std::string_view prefix;
    int first, last;
    std::string_view to;
};

const ExitRun kExits[] = {
    {"Udedka", "Label", 8, 8, "Natrzisti"},
    {"Natrzisti", "Label", 6, 6, "Predhospodou"},
    {"Natrzisti", "Label", 7, 7, "Udedka"},
    {"Natrzisti", "Label", 41, 62, "Les4"},
    {"Natrzisti", "Image", 156, 160, "Les4"},
    {"Predhospodou", "Label", 3, 4, "Vhospode"},
    {"Predhospodou", "Label", 5, 5, "Natrzisti"},
    {"Predhospodou", "Label", 13, 13, "Predradnici"},
    {"Predhospodou", "Label", 88, 88, "Uzlocinkyne"},
    {"Predhospodou", "Label", 125, 125, "Uzlocinkyne"},
    {"Vhospode", "prechodpredhospodu", -1, -1, "Predhospodou"},
    {"Predradnici", "Label", 12, 12, "Predhospodou"},
    {"Predradnici", "Label", 14, 14, "Predsoudem"},
    {"Predradnici", "Label", 90, 96, "Radnice"},
    {"Radnice", "Label", 89, 89, "Predradnici"},
    {"Predsoudem", "Label", 16, 16, "Predradnici"},
    {"Predsoudem", "Label", 18, 18, "Predveznici"},
    {"Predveznici", "Label", 17, 17, "Predsoudem"},
    {"Predveznici", "Label", 19, 21, "Veveznici"},
    {"Predveznici", "Label", 24, 35, "Les1"},
    {"Veveznici", "Label", 22, 22, "Predveznici"},
    {"Uzlocinkyne", "Label", 87, 87, "Predhospodou"},
    {"Les1", "Label", 23, 23, "Predveznici"},
    {"Les1", "Label", 37, 37, "Les2"},
    {"Les2", "Label", 36, 36, "Les1"},
    {"Les2", "Label", 39, 39, "Les3"},
    {"Les3", "Label", 38, 38, "Les2"},
    {"Les4", "Label", 63, 86, "Natrzisti"},
    {"Les4", "Label", 98, 98, "Les5"},
    {"Les5", "Label", 97, 97, "Les4"},
    {"Les5", "Label", 99, 99, "Les6"},
    {"Les6", "Label", 40, 40, "Les5"},
    {"Les6", "Label", 100, 112, "Vjeskyni"},
};

TEST(SceneCatalogueExits, EveryExitOfTheGraphIsPresentWithItsDestination) {
    std::set<std::string_view> listed;
    for (const auto& run : kExits) {
        for (int i = run.first; i <= run.last; ++i) {
            const std::string name =
                run.first < 0 ? std::string(run.prefix) : std::string(run.prefix) + std::to_string(i);
            const ComponentSpec* c = findComponent(name);
            ASSERT_NE(c, nullptr) << name;
            listed.insert(c->name);
            EXPECT_EQ(c->parent, run.from) << name;
            EXPECT_EQ(c->exitTo, run.to) << name;
            EXPECT_EQ(c->role, "exit to " + std::string(run.to)) << name;
            EXPECT_TRUE(c->transparent) << name;
            EXPECT_TRUE(c->captionCz.empty()) << name;
            EXPECT_EQ(c->kind, run.prefix == "Image" ? "picture" : "label") << name;
            const bool hiddenAtStart = c->name == "Label39" || c->name == "Label125";
            EXPECT_EQ(c->visibleAtStart, !hiddenAtStart) << name;
        }
    }
    EXPECT_EQ(listed.size(), 113u);  // 108 labels and the 5 gate rectangles
    for (const auto& c : componentCatalogue())
        if (!c.exitTo.empty()) {
            EXPECT_TRUE(listed.contains(c.name)) << "exit outside the graph: " << c.name;
        }
}

TEST(SceneCatalogueExits, LabelRunsCoverTheirShapeWithoutOverlap) {
    struct Extent {
        int first, last, x0, x1, y0, y1;
    };
    const Extent extents[] = {
        {41, 62, 896, 975, 0, 625}, {90, 96, 44, 155, 262, 421},    {24, 35, 240, 467, 190, 309},
        {63, 86, 50, 131, 82, 545}, {100, 112, 420, 637, 124, 393},
    };
    for (const auto& e : extents) {
        std::vector<const ComponentSpec*> run;
        long area = 0;
        int left = 1 << 20, top = 1 << 20, right = -(1 << 20), bottom = -(1 << 20);
        for (int i = e.first; i <= e.last; ++i) {
            const ComponentSpec* c = findComponent("Label" + std::to_string(i));
            ASSERT_NE(c, nullptr) << i;
            EXPECT_GT(c->width, 0) << "Label" << i;
            EXPECT_GT(c->height, 0) << "Label" << i;
            for (const ComponentSpec* o : run) {
                const bool overlap = c->left < o->left + o->width && o->left < c->left + c->width &&
                                     c->top < o->top + o->height && o->top < c->top + c->height;
                EXPECT_FALSE(overlap) << c->name << " overlaps " << o->name;
            }
            run.push_back(c);
            area += long{c->width} * c->height;
            left = std::min(left, c->left);
            top = std::min(top, c->top);
            right = std::max(right, c->left + c->width);
            bottom = std::max(bottom, c->top + c->height);
        }
        EXPECT_EQ(left, e.x0) << "Label" << e.first;
        EXPECT_EQ(right, e.x1) << "Label" << e.first;
        EXPECT_EQ(top, e.y0) << "Label" << e.first;
        EXPECT_EQ(bottom, e.y1) << "Label" << e.first;
        // No overlap, equal area and equal bounding box: the labels tile the shape exactly.
        EXPECT_EQ(area, long{e.x1 - e.x0} * (e.y1 - e.y0)) << "Label" << e.first;
    }
}

TEST(SceneCatalogueExits, AtMostOneTalkHotspotPerLocation) {
    const std::map<std::string_view, std::string_view> talk = {
        {"Udedka", "Label121"},      {"Natrzisti", "Label120"}, {"Vhospode", "Label119"}, {"Radnice", "PokecRadnice"},
        {"Predveznici", "Label118"}, {"Veveznici", "Label122"}, {"Les1", "PokecL1"},      {"Les5", "PokecL5"}};
    for (const auto& scene : kLocations) {
        std::vector<std::string_view> found;
        for (const ComponentSpec* c : childrenOf(scene))
            if (c->role.starts_with("talk (")) found.push_back(c->name);
        const auto it = talk.find(scene);
        if (it == talk.end()) {
            EXPECT_TRUE(found.empty()) << scene;
        } else {
            ASSERT_EQ(found.size(), 1u) << scene;
            EXPECT_EQ(found[0], it->second) << scene;
        }
    }
}

// ---- interludes

TEST(SceneCatalogueInterludes, OneCaptionPerScreenInBothLanguages) {
    // English captions whose leading blanks lengthen the display time.
    const std::map<std::string_view, std::string_view> padded = {
        {"Zprava", "   Four hours later."},
        {"Zprava2", " One elaborated animation of climbing the tree later."},
        {"Zprava5", "  Half an hour later."},
        {"Zprava6", "     One dig out of local fortune later."},
    };
    int screens = 0;
    for (const auto& p : panelCatalogue()) {
        if (p.kind != "interlude") continue;
        ++screens;
        std::vector<const ComponentSpec*> captions;
        for (const ComponentSpec* c : childrenOf(p.name))
            if (c->role == "interlude caption") captions.push_back(c);
        ASSERT_EQ(captions.size(), 1u) << p.name;
        const ComponentSpec& c = *captions[0];
        EXPECT_FALSE(c.captionCz.empty()) << c.name;
        EXPECT_FALSE(c.captionEn.empty()) << c.name;
        EXPECT_NE(c.captionCz, c.captionEn) << c.name;
        EXPECT_EQ(c.top, 326) << c.name;
        EXPECT_EQ(c.height, 43) << c.name;
        EXPECT_EQ(c.fontName, "Monotype Corsiva") << c.name;
        EXPECT_EQ(c.fontPixels, 35) << c.name;
        EXPECT_TRUE(c.bold && c.italic) << c.name;
        const bool opaque = c.name == "Zprava5" || c.name == "Zprava6" || c.name == "Zprava7";
        EXPECT_EQ(c.transparent, !opaque) << c.name;
        if (const auto it = padded.find(c.name); it != padded.end()) {
            EXPECT_EQ(c.captionEn, it->second);
        }
    }
    EXPECT_EQ(screens, 7);
}

// ---- window and story flags

TEST(SceneCatalogueWindow, AttributeFlagsOnTheWindowAndStoryFlagsInSPanel) {
    for (std::string_view name : {"Ssplh", "Sinteligence"}) {
        const ComponentSpec* c = findComponent(name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(c->parent, "TForm1") << name;
        EXPECT_EQ(c->kind, "picture") << name;
        EXPECT_FALSE(c->visibleAtStart) << name;
    }
    const auto flags = childrenOf("SPanel");
    EXPECT_EQ(flags.size(), 38u);
    int story = 0;
    for (const ComponentSpec* c : flags) {
        EXPECT_EQ(c->kind, "picture") << c->name;
        EXPECT_FALSE(c->visibleAtStart) << c->name;
        if (c->role == "story flag") ++story;
    }
    EXPECT_EQ(story, 34);
    for (std::string_view used : {"svyresenypripad", "Svzetinoze", "Sker", "Sdcerka"}) {
        const ComponentSpec* c = findComponent(used);
        ASSERT_NE(c, nullptr) << used;
        EXPECT_EQ(c->parent, "SPanel") << used;
        EXPECT_EQ(c->role, "story flag") << used;
    }
}

TEST(SceneCatalogueWindow, ItemPicturesCarryHintsInBothLanguages) {
    int items = 0, held = 0;
    for (const ComponentSpec* c : childrenOf("TForm1")) {
        if (c->role == "item") {
            ++items;
            EXPECT_FALSE(c->hintCz.empty()) << c->name;
            EXPECT_FALSE(c->hintEn.empty()) << c->name;
            const ComponentSpec* heldPicture = findComponent(std::string(c->name) + "2");
            ASSERT_NE(heldPicture, nullptr) << c->name;
            EXPECT_EQ(heldPicture->role, "held item") << c->name;
        }
        if (c->role == "held item") ++held;
        EXPECT_FALSE(c->kind == "label" && c->fontName.empty()) << c->name;
    }
    EXPECT_EQ(items, 7);
    EXPECT_EQ(held, 7);
}

}  // namespace
}  // namespace kvarnel::standin

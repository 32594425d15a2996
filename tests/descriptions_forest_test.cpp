// Checks of the forest locations' description tables: their sizes, that every
// rectangle leads to exactly one row, and the rows the forest's story logic
// depends on (the bush, the nest, the cave mouth, the rude spots).
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <ostream>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "layout/cp1250.h"
#include "descriptions_test_support.h"
#include "scenes/description_tables_internal.h"

namespace kvarnel::scenes {
namespace {

using test_support::names;
using test_support::rowAt;

const std::array<const SceneDescriptions*, 6> kForest = {
    &kLes1Descriptions, &kLes2Descriptions, &kLes3Descriptions,
    &kLes4Descriptions, &kLes5Descriptions, &kLes6Descriptions,
};

std::string_view sceneName(Scene scene) { return kSceneNames[static_cast<size_t>(scene)]; }

// How many of the six forest scenes list each row.
std::map<const DescriptionRow*, int> sceneUseCounts() {
    std::map<const DescriptionRow*, int> uses;
    for (const SceneDescriptions* s : kForest) {
        std::set<const DescriptionRow*> inScene;
        for (const SceneRow& r : s->rows) inScene.insert(r.row);
        for (const DescriptionRow* row : inScene) ++uses[row];
    }
    return uses;
}


const SceneDescriptions& forest(Scene scene) {
    for (const SceneDescriptions* s : kForest)
        if (s->scene == scene) return *s;
    ADD_FAILURE() << "no forest table for " << sceneName(scene);
    return *kForest[0];
}

// Rows that the location overview counts among a scene's other procedures
// (story logic and exits), not among its description rows.
bool isOtherProcedure(const DescriptionRow& row) {
    return row.effect == Effect::ExitNoText || row.effect == Effect::NestUnclimbed;
}

// --- Sizes ------------------------------------------------------------------

struct Counts {
    Scene scene;
    int ownRows;
    int sharedRows;
    int rectangles;
    int detectiveRows;
    int detectiveRectangles;
    // The other procedures kept in the table as rows (nest, cave mouth) and
    // their rectangles; the overview's row and rectangle counts leave them out.
    int otherRows;
    int otherRectangles;
};

// The overview's figures per location, plus the rows it lists as other
// procedures.
constexpr Counts kExpectedCounts[] = {
    {.scene = Scene::Les1, .ownRows = 14, .sharedRows = 1, .rectangles = 89, .detectiveRows = 11,
     .detectiveRectangles = 52, .otherRows = 0, .otherRectangles = 0},
    {.scene = Scene::Les2, .ownRows = 5, .sharedRows = 1, .rectangles = 38, .detectiveRows = 11,
     .detectiveRectangles = 52, .otherRows = 1, .otherRectangles = 4},
    {.scene = Scene::Les3, .ownRows = 4, .sharedRows = 1, .rectangles = 47, .detectiveRows = 11,
     .detectiveRectangles = 57, .otherRows = 0, .otherRectangles = 0},
    {.scene = Scene::Les4, .ownRows = 5, .sharedRows = 1, .rectangles = 56, .detectiveRows = 11,
     .detectiveRectangles = 53, .otherRows = 0, .otherRectangles = 0},
    {.scene = Scene::Les5, .ownRows = 12, .sharedRows = 1, .rectangles = 54, .detectiveRows = 11,
     .detectiveRectangles = 68, .otherRows = 0, .otherRectangles = 0},
    {.scene = Scene::Les6, .ownRows = 5, .sharedRows = 0, .rectangles = 139, .detectiveRows = 11,
     .detectiveRectangles = 67, .otherRows = 1, .otherRectangles = 13},
};

void PrintTo(const Counts& c, std::ostream* os) { *os << sceneName(c.scene); }

class ForestCounts : public testing::TestWithParam<Counts> {};

TEST_P(ForestCounts, MatchTheLocationOverview) {
    const Counts& want = GetParam();
    const SceneDescriptions& s = forest(want.scene);
    const auto uses = sceneUseCounts();

    Counts got{.scene = want.scene, .ownRows = 0, .sharedRows = 0, .rectangles = 0, .detectiveRows = 0,
               .detectiveRectangles = 0, .otherRows = 0, .otherRectangles = 0};
    for (const SceneRow& r : s.rows) {
        const int n = static_cast<int>(names(r.rectangles).size());
        if (isOtherProcedure(*r.row)) {
            ++got.otherRows;
            got.otherRectangles += n;
            continue;
        }
        (uses.at(r.row) > 1 ? got.sharedRows : got.ownRows) += 1;
        got.rectangles += n;
    }
    for (std::string_view part : s.detective) {
        if (part.empty()) continue;
        ++got.detectiveRows;
        got.detectiveRectangles += static_cast<int>(names(part).size());
    }

    EXPECT_EQ(got.ownRows, want.ownRows) << "own rows";
    EXPECT_EQ(got.sharedRows, want.sharedRows) << "shared rows";
    EXPECT_EQ(got.rectangles, want.rectangles) << "rectangles of own and shared rows";
    EXPECT_EQ(got.detectiveRows, want.detectiveRows) << "detective rows";
    EXPECT_EQ(got.detectiveRectangles, want.detectiveRectangles) << "detective rectangles";
    EXPECT_EQ(got.otherRows, want.otherRows) << "rows kept for other procedures";
    EXPECT_EQ(got.otherRectangles, want.otherRectangles) << "rectangles of other procedures";
}

INSTANTIATE_TEST_SUITE_P(Forest, ForestCounts, testing::ValuesIn(kExpectedCounts),
                         [](const testing::TestParamInfo<Counts>& info) {
                             return std::string(sceneName(info.param.scene));
                         });

TEST(ForestTables, AreInSceneOrderAndDistinctRowsAddUp) {
    for (size_t i = 0; i < kForest.size(); ++i)
        EXPECT_EQ(kForest[i]->scene, static_cast<Scene>(static_cast<size_t>(Scene::Les1) + i))
            << "table " << i << " is for " << sceneName(kForest[i]->scene);
    // Every defined row is used: 45 own rows, the grass tuft, the nest and
    // the cave mouth. A row left out of its scene's list lowers this count.
    EXPECT_EQ(sceneUseCounts().size(), 48u);
}

// --- Rectangles ---------------------------------------------------------------

TEST(ForestRectangles, AreWellFormedAndEachLeadsToOneRow) {
    static const std::regex kName("(Image|Label)[1-9][0-9]*");
    std::map<std::string_view, std::string> seen;  // name -> where it was first found
    for (const SceneDescriptions* s : kForest) {
        auto visit = [&](std::string_view list, const std::string& where) {
            EXPECT_FALSE(list.empty()) << where << " has no rectangles";
            for (std::string_view n : names(list)) {
                EXPECT_TRUE(std::regex_match(n.begin(), n.end(), kName))
                    << where << ": bad rectangle name \"" << n << "\" in \"" << list << "\"";
                const auto [it, fresh] = seen.emplace(n, where);
                EXPECT_TRUE(fresh) << n << " is in " << where << " and also in " << it->second;
            }
        };
        const std::string scene(sceneName(s->scene));
        for (size_t p = 0; p < s->detective.size(); ++p)
            visit(s->detective[p], scene + " detective part " + std::to_string(p));
        for (const SceneRow& r : s->rows) visit(r.rectangles, scene + " row " + std::string(r.row->name));
    }
}

struct DetectiveSpot {
    Scene scene;
    DetectivePart part;
    std::string_view rectangles;
};

// Parts with gaps or several runs, where a run is easily expanded wrongly.
constexpr DetectiveSpot kDetectiveSpots[] = {
    {Scene::Les4, DetectivePart::Body, "Image1409 Image1411 Image1412 Image1413 Image1414"},
    {Scene::Les5, DetectivePart::Groin, "Image1837 Image1838"},
    {Scene::Les5, DetectivePart::Ears, "Image1884"},
    {Scene::Les5, DetectivePart::Body,
     "Image1839 Image1840 Image1841 Image1842 Image1843 Image1844 Image1845 Image1846 Image1847 Image1848 "
     "Image1849 Image2144 Image2145 Image2146"},
    {Scene::Les6, DetectivePart::Eyes, "Image2122 Image2123 Image2124"},
    {Scene::Les6, DetectivePart::Mouth, "Image2134"},
    {Scene::Les1, DetectivePart::Groin, "Image1017"},
    {Scene::Les3, DetectivePart::Ears, "Image1291 Image1292 Image1293 Image1294 Image1295"},
};

TEST(ForestRectangles, DetectivePartsWithGaps) {
    for (const DetectiveSpot& spot : kDetectiveSpots)
        EXPECT_EQ(forest(spot.scene).detective[static_cast<size_t>(spot.part)], spot.rectangles)
            << sceneName(spot.scene) << " part " << static_cast<int>(spot.part);
}

// --- Texts --------------------------------------------------------------------

std::vector<const DescriptionRow*> allRows() {
    std::vector<const DescriptionRow*> out;
    for (const auto& [row, uses] : sceneUseCounts()) out.push_back(row);
    return out;
}

TEST(ForestTexts, AreValidUtf8AndFitCodePage1250) {
    for (const DescriptionRow* row : allRows()) {
        for (std::string_view t : {row->text.cz, row->text.en, row->alternate.cz, row->alternate.en}) {
            if (t.empty()) continue;
            EXPECT_TRUE(layout::isValidUtf8(t)) << row->name << ": \"" << t << "\"";
            EXPECT_TRUE(layout::utf8ToCp1250(t).has_value()) << row->name << ": \"" << t << "\"";
        }
    }
}

TEST(ForestTexts, RowNamesAreUniqueAndNameTheirScene) {
    std::set<std::string_view> seen;
    for (const SceneDescriptions* s : kForest) {
        for (const SceneRow& r : s->rows) {
            const std::string_view name = r.row->name;
            const std::string_view prefix = name.substr(0, name.find('.'));
            EXPECT_TRUE(prefix.size() == 4 && prefix.starts_with("Les") && prefix <= sceneName(s->scene))
                << name << " used in " << sceneName(s->scene);
        }
    }
    for (const DescriptionRow* row : allRows()) EXPECT_TRUE(seen.insert(row->name).second) << row->name;
}

struct TextSpot {
    Scene scene;
    std::string_view rectangle;
    std::string_view cz;
    std::string_view en;
};

// What a click on a rectangle describes, including the texts whose slips
// must survive, and rectangles at the ends of runs.
constexpr TextSpot kTextSpots[] = {
    {Scene::Les1, "Image1090", "No ten má hlavičku, jako z kyblíčku. Eh, co to zas říkám za hovadiny?",
     "He has head like bread. Oh, what sort of bullshit am I saying again . . ."},
    {Scene::Les1, "Image1085", "Dobrej plnovous. Asi bych si měl taky takovej nechat narůst.",
     "Good beard. I should let myself grow something like this too."},
    {Scene::Les1, "Image966", "Druidova chatrč. Vypadá skromně, až přeskromněle, no, možná ještě trochu skromněji.",
     "The sorcerer's shack. Look modest, too modest, and maybe even more modest."},
    {Scene::Les2, "Image1200", "Tak přes tenhle keř už holt asi neprojdu.",
     "Unfortunately I won't pass through this bush."},
    {Scene::Les3, "Image1203", "Ten les mi nahání hrůzu. Nevrátíme se zpátky do osady?",
     "This wood makes me scared. Why not to return back?"},
    {Scene::Les4, "Image1337", "Mé orientační smysly mi říkají, že za touhle zdí je nejspíš osada, ze které jsem vyšel.",
     "I would say that there is the village behind that wall."},
    {Scene::Les5, "Image1936", "Tož normální nos, co ti budu povídat.", "Just common nose."},
    {Scene::Les5, "Image1934", "Velký bílý, občas mrkající hraničářský oči.", "Large, white, winking frontiers eyes."},
    {Scene::Les6, "Image2143",
     "Tož les vypadá pořád stejně, spíš mě tu nějak nesedí ta jeskyňa. Té bych si všímal víc.",
     "Well, the wood looks all the same, but this cave doesn't fit here somehow. Did you noticed?"},
    {Scene::Les6, "Image2038",
     "Za tímhle keřem je spousty dalších, jemu podobných a možná i ještě hustších, takže tudy bohužel neprojdu.",
     "Behind this bush there are many similar ones. It is too dense, I can't go through."},
    {Scene::Les6, "Image2039", "Tož jeskyňa přes celou obrazovku a ty tu klikáš na trs obyčejný trávy.",
     "So, here is cave over whole screen and you are clicking on ordinary grass."},
};

TEST(ForestTexts, RectanglesShowTheirExactText) {
    for (const TextSpot& spot : kTextSpots) {
        const DescriptionRow* row = rowAt(forest(spot.scene), spot.rectangle);
        ASSERT_NE(row, nullptr) << sceneName(spot.scene) << " " << spot.rectangle;
        EXPECT_EQ(row->text.cz, spot.cz) << spot.rectangle;
        EXPECT_EQ(row->text.en, spot.en) << spot.rectangle;
    }
}

TEST(ForestTexts, EveryGrassTuftIsTheOneSharedRow) {
    constexpr std::pair<Scene, std::string_view> kTufts[] = {
        {Scene::Les1, "Image988"},  {Scene::Les1, "Image1001"}, {Scene::Les2, "Image1131"},
        {Scene::Les3, "Image1300"}, {Scene::Les4, "Image1392"}, {Scene::Les5, "Image1817"},
        {Scene::Les5, "Image1889"},
    };
    const DescriptionRow* tuft = rowAt(kLes1Descriptions, "Image988");
    ASSERT_NE(tuft, nullptr);
    EXPECT_EQ(tuft->text.cz, "Tváří se to jako zcela obyčejný trs trávy.");
    EXPECT_EQ(tuft->text.en, "It looks like common tree tuft.");
    for (const auto& [scene, rectangle] : kTufts)
        EXPECT_EQ(rowAt(forest(scene), rectangle), tuft) << sceneName(scene) << " " << rectangle;
    EXPECT_EQ(sceneUseCounts().at(tuft), 5);
}

// --- Story rows ---------------------------------------------------------------

TEST(ForestStoryRows, CutBushRunsTheFarFromVillageRow) {
    const DescriptionRow* bush = rowAt(kLes2Descriptions, "Image1107");
    ASSERT_NE(bush, nullptr);
    EXPECT_EQ(bush->itemUse, ItemUse::Bush);
    EXPECT_EQ(bush->effect, Effect::BushOrCutBush);
    for (int i = 1186; i <= 1200; ++i)
        EXPECT_EQ(rowAt(kLes2Descriptions, "Image" + std::to_string(i)), bush) << "Image" << i;

    const DescriptionRow* far = rowAt(kLes2Descriptions, "Image1109");
    ASSERT_NE(far, nullptr);
    EXPECT_EQ(bush->alternateRow, far->name);
    EXPECT_EQ(far->text.en, "You are pretty far from the village, you should be careful not to get lost.");
    EXPECT_EQ(far->effect, Effect::None);
}

TEST(ForestStoryRows, NestIsDescribedOnlyUntilTheDetectiveCanClimb) {
    for (std::string_view rect : {"Image1123", "Image1126"}) {
        const DescriptionRow* nest = rowAt(kLes2Descriptions, rect);
        ASSERT_NE(nest, nullptr) << rect;
        EXPECT_EQ(nest->itemUse, ItemUse::Nest);
        EXPECT_EQ(nest->effect, Effect::NestUnclimbed);
        EXPECT_EQ(nest->text.en, "Nice nest. I would check it out but it is too high.");
    }
}

TEST(ForestStoryRows, CaveMouthLeavesForTheCaveWithoutText) {
    for (int i = 100; i <= 112; ++i) {
        const std::string rect = "Label" + std::to_string(i);
        const DescriptionRow* mouth = rowAt(kLes6Descriptions, rect);
        ASSERT_NE(mouth, nullptr) << rect;
        EXPECT_EQ(mouth->effect, Effect::ExitNoText) << rect;
        EXPECT_EQ(mouth->exitTo, "Vjeskyni") << rect;
        EXPECT_TRUE(mouth->text.cz.empty() && mouth->text.en.empty()) << rect;
        EXPECT_EQ(mouth->itemUse, ItemUse::None) << rect;
    }
}

// Which rows hand over to a character, and which one is his rude spot.
TEST(ForestStoryRows, CharactersAndRudeSpots) {
    struct Character {
        Scene scene;
        ItemUse itemUse;
        int rows;
        std::string_view rudeSpot;
    };
    constexpr Character kCharacters[] = {
        {Scene::Les1, ItemUse::Druid, 9, "Image1068"},
        {Scene::Les5, ItemUse::Ranger, 10, "Image1902"},
    };
    for (const Character& c : kCharacters) {
        int rows = 0;
        for (const SceneDescriptions* s : kForest) {
            for (const SceneRow& r : s->rows) {
                if (r.row->itemUse != c.itemUse) continue;
                EXPECT_EQ(s->scene, c.scene) << r.row->name;
                ++rows;
            }
        }
        EXPECT_EQ(rows, c.rows) << sceneName(c.scene);

        const DescriptionRow* rude = rowAt(forest(c.scene), c.rudeSpot);
        ASSERT_NE(rude, nullptr) << c.rudeSpot;
        EXPECT_EQ(rude->effect, Effect::RudeSpot);
        EXPECT_EQ(rude->itemUse, c.itemUse);
    }
    // No other row in the forest sets a rude-spot flag.
    int rudeRows = 0;
    for (const DescriptionRow* row : allRows()) rudeRows += row->effect == Effect::RudeSpot;
    EXPECT_EQ(rudeRows, 2);
}

}  // namespace
}  // namespace kvarnel::scenes

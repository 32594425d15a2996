// Checks of the court and prison description tables (Predsoudem, Predveznici,
// Veveznici, Uzlocinkyne): their sizes, that every rectangle leads to exactly
// one row, and the rows with story behaviour: the Bush Man's two-state rows,
// the exits without text, the knife search and the knife spot.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <ostream>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "layout/cp1250.h"
#include "descriptions_test_support.h"
#include "scenes/description_tables_internal.h"

namespace kvarnel::scenes {
namespace {

using test_support::names;
using test_support::rowAt;

const std::array<const SceneDescriptions*, 4> kCourt = {
    &kPredsoudemDescriptions,
    &kPredvezniciDescriptions,
    &kVevezniciDescriptions,
    &kUzlocinkyneDescriptions,
};

std::string_view sceneName(Scene scene) { return kSceneNames[static_cast<size_t>(scene)]; }


// Every distinct row the four scenes use.
std::set<const DescriptionRow*> allRows() {
    std::set<const DescriptionRow*> out;
    for (const SceneDescriptions* s : kCourt)
        for (const SceneRow& r : s->rows) out.insert(r.row);
    return out;
}

// Rows of another part of the world that these scenes list with their own
// rectangles.
bool isSharedFromElsewhere(const DescriptionRow* row) { return row == &kTownHallRow; }

// --- Sizes ------------------------------------------------------------------

struct Counts {
    Scene scene;
    int ownRows;
    int sharedRows;
    int rectangles;
    int detectiveRows;
    int detectiveRectangles;
    // Exits kept in the table as rows without text; the location overview
    // lists them apart and leaves them out of its row and rectangle counts.
    int exitRows;
    int exitRectangles;
};

constexpr Counts kExpectedCounts[] = {
    {.scene = Scene::Predsoudem, .ownRows = 13, .sharedRows = 1, .rectangles = 88, .detectiveRows = 11,
     .detectiveRectangles = 35, .exitRows = 0, .exitRectangles = 0},
    {.scene = Scene::Predveznici, .ownRows = 23, .sharedRows = 0, .rectangles = 177, .detectiveRows = 11,
     .detectiveRectangles = 40, .exitRows = 2, .exitRectangles = 15},
    {.scene = Scene::Veveznici, .ownRows = 17, .sharedRows = 0, .rectangles = 66, .detectiveRows = 11,
     .detectiveRectangles = 41, .exitRows = 0, .exitRectangles = 0},
    {.scene = Scene::Uzlocinkyne, .ownRows = 18, .sharedRows = 0, .rectangles = 109, .detectiveRows = 11,
     .detectiveRectangles = 58, .exitRows = 0, .exitRectangles = 0},
};

void PrintTo(const Counts& c, std::ostream* os) { *os << sceneName(c.scene); }

class CourtCounts : public testing::TestWithParam<Counts> {};

TEST_P(CourtCounts, MatchTheLocationOverview) {
    const Counts& want = GetParam();
    const SceneDescriptions* const* found =
        std::find_if(kCourt.begin(), kCourt.end(), [&](const SceneDescriptions* s) { return s->scene == want.scene; });
    ASSERT_NE(found, kCourt.end()) << "no table for " << sceneName(want.scene);
    const SceneDescriptions& s = **found;

    Counts got{.scene = want.scene, .ownRows = 0, .sharedRows = 0, .rectangles = 0, .detectiveRows = 0,
               .detectiveRectangles = 0, .exitRows = 0, .exitRectangles = 0};
    for (const SceneRow& r : s.rows) {
        const int n = static_cast<int>(names(r.rectangles).size());
        if (r.row->effect == Effect::ExitNoText) {
            ++got.exitRows;
            got.exitRectangles += n;
            continue;
        }
        (isSharedFromElsewhere(r.row) ? got.sharedRows : got.ownRows) += 1;
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
    EXPECT_EQ(got.exitRows, want.exitRows) << "exit rows";
    EXPECT_EQ(got.exitRectangles, want.exitRectangles) << "exit rectangles";
}

INSTANTIATE_TEST_SUITE_P(Court, CourtCounts, testing::ValuesIn(kExpectedCounts),
                         [](const testing::TestParamInfo<Counts>& info) {
                             return std::string(sceneName(info.param.scene));
                         });

TEST(CourtTables, AreForTheirScenesAndEveryRowIsUsedOnce) {
    constexpr Scene kScenes[] = {Scene::Predsoudem, Scene::Predveznici, Scene::Veveznici, Scene::Uzlocinkyne};
    for (size_t i = 0; i < kCourt.size(); ++i)
        EXPECT_EQ(sceneName(kCourt[i]->scene), sceneName(kScenes[i])) << "table " << i;

    // 13 + 23 + 17 + 18 own rows, the two exits and the town hall. A row left
    // out of its scene's list, or listed twice, changes one of these.
    size_t listed = 0;
    for (const SceneDescriptions* s : kCourt) listed += s->rows.size();
    EXPECT_EQ(allRows().size(), 74u);
    EXPECT_EQ(listed, 74u);
}

// --- Rectangles ---------------------------------------------------------------

TEST(CourtRectangles, AreWellFormedAndEachLeadsToOneRow) {
    static const std::regex kName("(Image|Label)[1-9][0-9]*|Krovakvp");
    std::map<std::string_view, std::string> seen;  // name -> where it was first found
    for (const SceneDescriptions* s : kCourt) {
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
    const SceneDescriptions* scene;
    DetectivePart part;
    std::string_view rectangles;
};

// Parts with gaps or several pieces, where a run is easily expanded wrongly.
const DetectiveSpot kDetectiveSpots[] = {
    {&kPredsoudemDescriptions, DetectivePart::Shoes, "Image523 Image524 Image525 Image526 Image527 Image528 Image529"},
    {&kPredsoudemDescriptions, DetectivePart::Ears, "Image571 Image572"},
    {&kPredvezniciDescriptions, DetectivePart::Legs,
     "Image738 Image740 Image741 Image742 Image743 Image744 Image745 Image746"},
    {&kPredvezniciDescriptions, DetectivePart::Groin, "Image739"},
    {&kVevezniciDescriptions, DetectivePart::Head, "Image944 Image946 Image947 Image948"},
    {&kVevezniciDescriptions, DetectivePart::Eyes, "Image945 Image949"},
    {&kVevezniciDescriptions, DetectivePart::Mouth, "Image937"},
    {&kUzlocinkyneDescriptions, DetectivePart::Groin, "Image1572 Image1573"},
    {&kUzlocinkyneDescriptions, DetectivePart::Ears, "Image1607"},
};

TEST(CourtRectangles, DetectivePartsWithGaps) {
    for (const DetectiveSpot& spot : kDetectiveSpots)
        EXPECT_EQ(spot.scene->detective[static_cast<size_t>(spot.part)], spot.rectangles)
            << sceneName(spot.scene->scene) << " part " << static_cast<int>(spot.part);
}

// Rectangles that lie in a gap of a run or at its ends, and the row each
// must reach.
TEST(CourtRectangles, RunEndsAndGapsReachTheRightRow) {
    struct Spot {
        const SceneDescriptions* scene;
        std::string_view rectangle;
        std::string_view row;  // "" when the rectangle must lead nowhere
    };
    const Spot kSpots[] = {
        {&kPredsoudemDescriptions, "Image604", "Predsoudem.treeCrown"},
        {&kPredsoudemDescriptions, "Image608", "Predsoudem.treeCrown"},
        {&kPredsoudemDescriptions, "Image605", "Predsoudem.hill"},
        {&kPredsoudemDescriptions, "Label15", "Predsoudem.courtSign"},
        {&kPredvezniciDescriptions, "Image677", ""},
        {&kPredvezniciDescriptions, "Image1322", "Predveznici.shrub"},
        {&kPredvezniciDescriptions, "Image849", "Predveznici.grass"},
        {&kPredvezniciDescriptions, "Image731", "Predveznici.prison"},
        {&kPredvezniciDescriptions, "Image89", "Predveznici.prison"},
        {&kVevezniciDescriptions, "Image860", ""},
        {&kVevezniciDescriptions, "Image877", "Veveznici.table"},
        {&kVevezniciDescriptions, "Image943", "Veveznici.sheriffCap"},
        {&kUzlocinkyneDescriptions, "Image1518", "Uzlocinkyne.leaves"},
        {&kUzlocinkyneDescriptions, "Image1519", "Uzlocinkyne.shelf"},
    };
    for (const Spot& spot : kSpots) {
        const DescriptionRow* row = rowAt(*spot.scene, spot.rectangle);
        EXPECT_EQ(row ? row->name : std::string_view{}, spot.row)
            << sceneName(spot.scene->scene) << " " << spot.rectangle;
    }
}

// --- Texts --------------------------------------------------------------------

TEST(CourtTexts, AreValidUtf8AndFitCodePage1250) {
    for (const DescriptionRow* row : allRows()) {
        for (std::string_view t : {row->text.cz, row->text.en, row->alternate.cz, row->alternate.en}) {
            if (t.empty()) continue;
            EXPECT_TRUE(layout::isValidUtf8(t)) << row->name << ": \"" << t << "\"";
            EXPECT_TRUE(layout::utf8ToCp1250(t).has_value()) << row->name << ": \"" << t << "\"";
        }
    }
}

TEST(CourtTexts, RowNamesAreUniqueAndNameTheirScene) {
    std::set<std::string_view> seen;
    for (const DescriptionRow* row : allRows()) EXPECT_TRUE(seen.insert(row->name).second) << row->name;
    for (const SceneDescriptions* s : kCourt) {
        const std::string prefix = std::string(sceneName(s->scene)) + ".";
        for (const SceneRow& r : s->rows) {
            if (isSharedFromElsewhere(r.row)) continue;
            EXPECT_TRUE(r.row->name.starts_with(prefix)) << r.row->name << " used in " << sceneName(s->scene);
        }
    }
}

struct TextSpot {
    const SceneDescriptions* scene;
    std::string_view rectangle;
    std::string_view cz;
    std::string_view en;
};

// What a click describes, including lines whose quirks must survive: a
// double space, quotes inside the text, "..." and ". . .", odd spellings.
const TextSpot kTextSpots[] = {
    {&kPredsoudemDescriptions, "Image641",
     "Toho se nemusíš bát, je to normální zvíře. Máme tu hodně druhů zvířat, tomuhle druhu říkáme ptáci.",
     "You don't have to be afraid of this. It is common animal.  We have a lot of sorts of animals here and this is "
     "called the bird."},
    {&kPredsoudemDescriptions, "Image544",
     "Jak říkávala babička, obloha Vazi, ta je tak daleko, že slovo daleko je pro vyjádření té dálky moc krátké.",
     "As my grandma said: Sky, Vazi, is so far, that even the word \"far\" means too close that the sky is."},
    {&kPredsoudemDescriptions, "Image539", "Nacházíš se na západní straně osady, konkrétně před místním soudem.",
     "You are now at the west side of the village, before the local court."},
    {&kPredvezniciDescriptions, "Image797",
     "Tak a tady už je les v celé své kráse, hustý a tajemný a tajuplný a ... a kdo ví jaký ještě.",
     "Nice wood in its deep, dark, mysterious, and who knows what else, form."},
    {&kPredvezniciDescriptions, "Image815",
     "Jejda, to slunce dneska peče, raději by sis měl trochu ubrat jasu na monitoru, heh, dneska jsem vtipnej, heh.",
     "The sunshine is bright today, you should rather lower the brightness on your monitor . . . see how funny I am "
     "today."},
    {&kPredvezniciDescriptions, "Krovakvp", "Křák a něco v něm šustí! Co to asi bude?",
     "A shrub and something is inside? What may it be?"},
    {&kVevezniciDescriptions, "Image851",
     "Nevím co čekáš že ti k tomu řeknu, ale mě napadaj jen dvě slova - podlaha ve věznici. Sakra, to byly tři slova, "
     "já vím.",
     "I know that you are waiting for me to say something, but I got only three words: floor in the prison. Damned, "
     "that were four words, I know."},
    {&kVevezniciDescriptions, "Image853", "Vězeňská cela zřeje prázdnotou.", "The jail ceil is very empty."},
    {&kUzlocinkyneDescriptions, "Image1555", "Bohužel, ani tady jsem nic, co by připomínalo nůž nenašel.",
     "Unfortunately I found nothing that would remind a knife."},
};

TEST(CourtTexts, RectanglesShowTheirExactText) {
    for (const TextSpot& spot : kTextSpots) {
        const DescriptionRow* row = rowAt(*spot.scene, spot.rectangle);
        ASSERT_NE(row, nullptr) << sceneName(spot.scene->scene) << " " << spot.rectangle;
        EXPECT_EQ(row->text.cz, spot.cz) << spot.rectangle;
        EXPECT_EQ(row->text.en, spot.en) << spot.rectangle;
    }
}

// --- Story rows ---------------------------------------------------------------

TEST(CourtStoryRows, TownHallIsTheSquaresRow) {
    // Identity, not text: the row and its words belong to the square.
    EXPECT_EQ(rowAt(kPredsoudemDescriptions, "Image540"), &kTownHallRow);
}

TEST(CourtStoryRows, LawnHandsOverToTheShovelStep) {
    const DescriptionRow* green = rowAt(kPredsoudemDescriptions, "Image530");
    ASSERT_NE(green, nullptr);
    EXPECT_EQ(green->itemUse, ItemUse::Lawn);
    int lawnRows = 0;
    for (const DescriptionRow* row : allRows()) lawnRows += row->itemUse == ItemUse::Lawn;
    EXPECT_EQ(lawnRows, 1);
}

struct BushManSpot {
    std::string_view rectangle;
    std::string_view outCz;
    std::string_view outEn;  // "" where only the Czech line exists
    std::string_view hiddenCz;
    std::string_view hiddenEn;
};

constexpr std::string_view kShrubCz = "Křák a něco v něm šustí! Co to asi bude?";
constexpr std::string_view kShrubEn = "A shrub and something is inside? What may it be?";
constexpr std::string_view kGrassCz = "Nádherně zelená tráva.";
constexpr std::string_view kGrassEn = "A beautiful green grass.";
constexpr std::string_view kEdgeCz = "Tady už začíná les, který obklopuje celou severní stranu osady.";
constexpr std::string_view kEdgeEn = "Here begins forest that surrounds whole north side of the village.";
constexpr std::string_view kHeadCz = "Hlava od místního křováka.";
constexpr std::string_view kHeadEn = "Bush man's head.";
constexpr std::string_view kNoseCz = "Na první pohled je to křovákův nos a na pohled druhý, je to stále křovákův nos.";
constexpr std::string_view kNoseEn =
    "At a first sight it is Bush Man's nose and at a second sight it is still Bush Man's nose.";

// One rectangle of each of the ten rows, plus run ends.
constexpr BushManSpot kBushManSpots[] = {
    {"Image644", kHeadCz, kHeadEn, kShrubCz, kShrubEn},
    {"Image662", kHeadCz, kHeadEn, kShrubCz, kShrubEn},
    {"Image686", kHeadCz, kHeadEn, kGrassCz, kGrassEn},
    {"Image659", "Křovákovi uši.", "Bush man's ears.", kGrassCz, kGrassEn},
    {"Image654", "Oči, které vrhají né příliš šťastný pohled.", "", kGrassCz, kGrassEn},
    {"Image673", kHeadCz, kHeadEn, kEdgeCz, kEdgeEn},
    {"Image678", "Ano, i křováci mají tělo.", "Yes, bush man's has body too.", kShrubCz, kShrubEn},
    {"Image684", kNoseCz, kNoseEn, kShrubCz, kShrubEn},
    {"Image656", kNoseCz, kNoseEn, kGrassCz, kGrassEn},
    {"Image683", "Oči, které vrhají ne příliš šťastný pohled.", "", kEdgeCz, kEdgeEn},
    {"Image703", kHeadCz, kHeadEn, "Trs vobyčejný trávy. Trhat ho nebudu, nemám důvod.",
     "Common grass. I have no reason to tug it."},
};

TEST(CourtStoryRows, BushManRowsDescribeHimWhenOutAndTheGroundOtherwise) {
    for (const BushManSpot& spot : kBushManSpots) {
        const DescriptionRow* row = rowAt(kPredvezniciDescriptions, spot.rectangle);
        ASSERT_NE(row, nullptr) << spot.rectangle;
        EXPECT_EQ(row->effect, Effect::BushManWhenOut) << spot.rectangle;
        EXPECT_EQ(row->itemUse, ItemUse::BushMan) << spot.rectangle;
        EXPECT_EQ(row->text.cz, spot.outCz) << spot.rectangle;
        EXPECT_EQ(row->text.en, spot.outEn) << spot.rectangle;
        EXPECT_EQ(row->alternate.cz, spot.hiddenCz) << spot.rectangle;
        EXPECT_EQ(row->alternate.en, spot.hiddenEn) << spot.rectangle;
    }
}

// While he is hidden, a Bush Man row describes the ground: the line of a
// plain row nearby (the shrub, the forest edge, the tuft) or the green-grass
// line, which only these rows have. While he is out it must say something
// else: this catches the two texts swapped.
TEST(CourtStoryRows, BushManHiddenTextsDescribeTheGround) {
    std::set<std::pair<std::string_view, std::string_view>> plain = {{kGrassCz, kGrassEn}};
    int bushManRows = 0;
    for (const SceneRow& r : kPredvezniciDescriptions.rows)
        if (r.row->effect == Effect::None) plain.emplace(r.row->text.cz, r.row->text.en);
    for (const DescriptionRow* row : allRows()) {
        if (row->itemUse == ItemUse::BushMan || row->effect == Effect::BushManWhenOut) {
            ++bushManRows;
            EXPECT_EQ(row->itemUse, ItemUse::BushMan) << row->name;
            EXPECT_EQ(row->effect, Effect::BushManWhenOut) << row->name;
            EXPECT_TRUE(row->name.starts_with("Predveznici.")) << row->name;
            EXPECT_TRUE(plain.contains({row->alternate.cz, row->alternate.en}))
                << row->name << ": hidden text \"" << row->alternate.cz << "\" is not a ground text";
            EXPECT_FALSE(plain.contains({row->text.cz, row->text.en}))
                << row->name << ": text when out \"" << row->text.cz << "\" is a ground text";
        }
    }
    EXPECT_EQ(bushManRows, 10);
    // The shrub itself (with the animation's own rectangle) never hands over.
    const DescriptionRow* shrub = rowAt(kPredvezniciDescriptions, "Krovakvp");
    ASSERT_NE(shrub, nullptr);
    EXPECT_EQ(shrub->itemUse, ItemUse::None);
    EXPECT_EQ(shrub->effect, Effect::None);
}

TEST(CourtStoryRows, ExitsLeadOnWithoutText) {
    struct Exit {
        std::string_view first;
        int from;
        int to;
        std::string_view exitTo;
    };
    constexpr Exit kExits[] = {{"Label", 24, 35, "Les1"}, {"Label", 19, 21, "Veveznici"}};
    for (const Exit& e : kExits) {
        for (int i = e.from; i <= e.to; ++i) {
            const std::string rect = std::string(e.first) + std::to_string(i);
            const DescriptionRow* exit = rowAt(kPredvezniciDescriptions, rect);
            ASSERT_NE(exit, nullptr) << rect;
            EXPECT_EQ(exit->effect, Effect::ExitNoText) << rect;
            EXPECT_EQ(exit->exitTo, e.exitTo) << rect;
            EXPECT_TRUE(exit->text.cz.empty() && exit->text.en.empty()) << rect;
            EXPECT_EQ(exit->itemUse, ItemUse::None) << rect;
        }
    }
    int exitRows = 0;
    for (const DescriptionRow* row : allRows()) exitRows += row->effect == Effect::ExitNoText;
    EXPECT_EQ(exitRows, 2);
}

TEST(CourtStoryRows, EveryLookInTheHouseIsAKnifeSearch) {
    int searches = 0;
    int spots = 0;
    for (const DescriptionRow* row : allRows()) {
        const bool inHouse = row->name.starts_with("Uzlocinkyne.");
        const bool knife = row->effect == Effect::KnifeSearch || row->effect == Effect::KnifeSpot;
        EXPECT_EQ(knife, inHouse) << row->name;
        if (!inHouse) continue;
        EXPECT_EQ(row->itemUse, ItemUse::None) << row->name;
        EXPECT_FALSE(row->text.cz.empty() || row->text.en.empty()) << row->name;
        if (row->effect == Effect::KnifeSearch) {
            ++searches;
            EXPECT_TRUE(row->alternate.cz.empty() && row->alternate.en.empty()) << row->name;
        } else {
            ++spots;
        }
    }
    EXPECT_EQ(searches, 17);
    EXPECT_EQ(spots, 1);
}

TEST(CourtStoryRows, KnifeLiesAtOneSpotWithTwoTexts) {
    const DescriptionRow* spot = rowAt(kUzlocinkyneDescriptions, "Image1556");
    ASSERT_NE(spot, nullptr);
    EXPECT_EQ(spot->effect, Effect::KnifeSpot);
    EXPECT_EQ(spot->text.cz, "Žádný nůž tu bohužel nevidím.");
    EXPECT_EQ(spot->text.en, "I see no knife here.");
    EXPECT_EQ(spot->alternate.cz, "Jejda, vždyť on tam ten nůž byl. Jak jsem ho mohl poprvé přehlídnout.");
    EXPECT_EQ(spot->alternate.en, "Yeek, the knife was there. How can I miss it for the first time?");
}

TEST(CourtStoryRows, SheriffPartsHandOverToHim) {
    const std::set<std::string_view> kSheriffRows = {
        "Veveznici.sheriffUniform", "Veveznici.sheriffButton", "Veveznici.sheriffBadge", "Veveznici.sheriffHead",
        "Veveznici.sheriffEars",    "Veveznici.sheriffNose",   "Veveznici.sheriffEyes",  "Veveznici.sheriffCap",
    };
    std::set<std::string_view> got;
    for (const DescriptionRow* row : allRows())
        if (row->itemUse == ItemUse::Sheriff) got.insert(row->name);
    EXPECT_EQ(got, kSheriffRows);
    // The chair he sits on and his doughnuts are not him.
    for (std::string_view rect : {"Image878", "Image954"}) {
        const DescriptionRow* row = rowAt(kVevezniciDescriptions, rect);
        ASSERT_NE(row, nullptr) << rect;
        EXPECT_EQ(row->itemUse, ItemUse::None) << rect;
    }
    // No rude spots here: none of these characters has one.
    for (const DescriptionRow* row : allRows()) EXPECT_NE(row->effect, Effect::RudeSpot) << row->name;
}

}  // namespace
}  // namespace kvarnel::scenes

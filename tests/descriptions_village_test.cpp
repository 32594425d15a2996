// Checks of the village locations' description tables: their sizes, that
// every rectangle leads to exactly one row, the rows shared between
// neighbouring scenes, the exact texts, and the rows the village's story logic
// depends on (rude spots, the way east, the inn door, the door of the
// criminal's house).
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

const std::array<const SceneDescriptions*, 6> kVillage = {
    &kNatrzistiDescriptions, &kUdedkaDescriptions,      &kPredhospodouDescriptions,
    &kVhospodeDescriptions,  &kPredradniciDescriptions, &kRadniceDescriptions,
};

std::string_view sceneName(Scene scene) { return kSceneNames[static_cast<size_t>(scene)]; }

const SceneDescriptions& village(Scene scene) {
    for (const SceneDescriptions* s : kVillage)
        if (s->scene == scene) return *s;
    ADD_FAILURE() << "no village table for " << sceneName(scene);
    return *kVillage[0];
}

// The row a click on `rectangle` in `scene` leads to, or nullptr.
const DescriptionRow* rowAt(Scene scene, std::string_view rectangle) {
    return test_support::rowAt(village(scene), rectangle);
}

// How many of the village scenes list each row.
std::map<const DescriptionRow*, int> sceneUseCounts() {
    std::map<const DescriptionRow*, int> uses;
    for (const SceneDescriptions* s : kVillage) {
        std::set<const DescriptionRow*> inScene;
        for (const SceneRow& r : s->rows) inScene.insert(r.row);
        for (const DescriptionRow* row : inScene) ++uses[row];
    }
    return uses;
}

std::vector<const DescriptionRow*> allRows() {
    std::vector<const DescriptionRow*> out;
    for (const auto& [row, uses] : sceneUseCounts()) out.push_back(row);
    return out;
}

// A row is shared when two village scenes list it, or when it is the town
// hall, which the court's table lists as well.
bool isShared(const DescriptionRow* row, const std::map<const DescriptionRow*, int>& uses) {
    return row == &kTownHallRow || uses.at(row) > 1;
}

// Exits are counted among a scene's other procedures, not its description
// rows, though they sit in the table.
bool isOtherProcedure(const DescriptionRow& row) {
    return row.effect == Effect::ExitNoText || row.effect == Effect::WayEast;
}

// --- Sizes ------------------------------------------------------------------

struct Counts {
    Scene scene;
    int ownRows;
    int sharedRows;
    int rectangles;
    int detectiveRows;
    int detectiveRectangles;
    // The exits kept in the table as rows, and their rectangles.
    int otherRows;
    int otherRectangles;

    friend bool operator==(const Counts&, const Counts&) = default;
};

std::ostream& operator<<(std::ostream& os, const Counts& c) {
    return os << sceneName(c.scene) << "{own " << c.ownRows << ", shared " << c.sharedRows << ", rectangles "
              << c.rectangles << ", detective " << c.detectiveRows << " / " << c.detectiveRectangles << ", exits "
              << c.otherRows << " / " << c.otherRectangles << "}";
}

constexpr Counts kExpectedCounts[] = {
    {.scene = Scene::Udedka, .ownRows = 29, .sharedRows = 0, .rectangles = 63, .detectiveRows = 11,
     .detectiveRectangles = 27, .otherRows = 0, .otherRectangles = 0},
    {.scene = Scene::Natrzisti, .ownRows = 19, .sharedRows = 3, .rectangles = 97, .detectiveRows = 9,
     .detectiveRectangles = 19, .otherRows = 1, .otherRectangles = 27},
    {.scene = Scene::Predhospodou, .ownRows = 8, .sharedRows = 6, .rectangles = 49, .detectiveRows = 11,
     .detectiveRectangles = 24, .otherRows = 1, .otherRectangles = 2},
    {.scene = Scene::Vhospode, .ownRows = 25, .sharedRows = 0, .rectangles = 133, .detectiveRows = 10,
     .detectiveRectangles = 25, .otherRows = 0, .otherRectangles = 0},
    {.scene = Scene::Predradnici, .ownRows = 7, .sharedRows = 4, .rectangles = 50, .detectiveRows = 11,
     .detectiveRectangles = 33, .otherRows = 0, .otherRectangles = 0},
    {.scene = Scene::Radnice, .ownRows = 20, .sharedRows = 0, .rectangles = 131, .detectiveRows = 10,
     .detectiveRectangles = 58, .otherRows = 0, .otherRectangles = 0},
};

class VillageCounts : public testing::TestWithParam<Counts> {};

TEST_P(VillageCounts, MatchTheLocationOverview) {
    const Counts& want = GetParam();
    const SceneDescriptions& s = village(want.scene);
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
        ++(isShared(r.row, uses) ? got.sharedRows : got.ownRows);
        got.rectangles += n;
    }
    for (std::string_view part : s.detective) {
        if (part.empty()) continue;
        ++got.detectiveRows;
        got.detectiveRectangles += static_cast<int>(names(part).size());
    }
    EXPECT_EQ(got, want);
}

INSTANTIATE_TEST_SUITE_P(Village, VillageCounts, testing::ValuesIn(kExpectedCounts),
                         [](const testing::TestParamInfo<Counts>& info) {
                             return std::string(sceneName(info.param.scene));
                         });

TEST(VillageTables, NameTheirScenesAndDefineEveryRowOnce) {
    constexpr Scene kScenes[] = {Scene::Natrzisti, Scene::Udedka,      Scene::Predhospodou,
                                 Scene::Vhospode,  Scene::Predradnici, Scene::Radnice};
    for (size_t i = 0; i < kVillage.size(); ++i)
        EXPECT_EQ(sceneName(kVillage[i]->scene), sceneName(kScenes[i])) << "table " << i;

    // 123 table lines, six of which are the second scene's use of a shared
    // row. A row listed twice by one scene, or a shared text defined twice,
    // changes this count.
    size_t listed = 0;
    for (const SceneDescriptions* s : kVillage) listed += s->rows.size();
    EXPECT_EQ(listed, 123u);
    EXPECT_EQ(allRows().size(), 117u);

    std::set<std::pair<std::string_view, std::string_view>> texts;
    for (const DescriptionRow* row : allRows()) {
        if (row->text.cz.empty()) continue;
        EXPECT_TRUE(texts.emplace(row->text.cz, row->text.en).second) << row->name << " repeats another row's text";
    }
}

// --- Rectangles ---------------------------------------------------------------

TEST(VillageRectangles, AreWellFormedAndEachLeadsToOneRow) {
    static const std::regex kName("(Image|image|Label)[1-9][0-9]*|PozadiNatrzisti|PozadiVhospode|slanonastole");
    std::map<std::string_view, std::string> seen;  // name -> where it was first found
    for (const SceneDescriptions* s : kVillage) {
        auto visit = [&](std::string_view list, const std::string& where) {
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
        for (const SceneRow& r : s->rows) {
            EXPECT_FALSE(r.rectangles.empty()) << scene << " row " << r.row->name << " has no rectangles";
            visit(r.rectangles, scene + " row " + std::string(r.row->name));
        }
    }
}

// Numbers inside the runs' span that belong to no row: merging two runs into
// one, or reading a list as a run, would claim them.
TEST(VillageRectangles, GapsBetweenRunsLeadNowhere) {
    constexpr std::pair<Scene, std::string_view> kGaps[] = {
        {Scene::Natrzisti, "Image91"},     {Scene::Natrzisti, "Image147"},     {Scene::Natrzisti, "Image154"},
        {Scene::Natrzisti, "Image171"},    {Scene::Udedka, "Image82"},         {Scene::Udedka, "Image88"},
        {Scene::Predhospodou, "Image221"}, {Scene::Predhospodou, "Image235"},  {Scene::Vhospode, "Image281"},
        {Scene::Vhospode, "Image326"},     {Scene::Vhospode, "Image349"},      {Scene::Vhospode, "Image379"},
        {Scene::Vhospode, "Image390"},     {Scene::Predradnici, "Image462"},   {Scene::Predradnici, "Image476"},
        {Scene::Predradnici, "Image506"},  {Scene::Radnice, "Image1710"},      {Scene::Radnice, "Image1720"},
    };
    for (const auto& [scene, rectangle] : kGaps) {
        const DescriptionRow* row = rowAt(scene, rectangle);
        EXPECT_EQ(row, nullptr) << sceneName(scene) << " " << rectangle << " leads to " << row->name;
    }
}

struct DetectiveSpot {
    Scene scene;
    DetectivePart part;
    std::string_view rectangles;
};

// Parts with gaps, several runs or none at all.
constexpr DetectiveSpot kDetectiveSpots[] = {
    {Scene::Natrzisti, DetectivePart::Legs, "Image95 Image96 Image97 Image99 Image100"},
    {Scene::Natrzisti, DetectivePart::Ears, ""},
    {Scene::Natrzisti, DetectivePart::RightHand, ""},
    {Scene::Natrzisti, DetectivePart::Groin, "Image98"},
    {Scene::Udedka, DetectivePart::Head, "Image31 Image32 Image835 Image836 Image837 Image838"},
    {Scene::Udedka, DetectivePart::Mouth, "Image45 Image840"},
    {Scene::Predhospodou, DetectivePart::Head, "Image198 Image254 Image255 Image961 Image962"},
    {Scene::Vhospode, DetectivePart::Mouth, ""},
    {Scene::Vhospode, DetectivePart::Nose, "Image422 Image2147"},
    {Scene::Vhospode, DetectivePart::Groin, "Image271"},
    {Scene::Predradnici, DetectivePart::Ears, "Image473 Image474 Image645"},
    {Scene::Predradnici, DetectivePart::LeftHand, "Image455 Image457 Image458 Image459"},
    {Scene::Radnice, DetectivePart::Mouth, ""},
    {Scene::Radnice, DetectivePart::Groin, "Image1658 Image1659"},
    {Scene::Radnice, DetectivePart::Ears, "Image1699"},
};

TEST(VillageRectangles, DetectiveParts) {
    for (const DetectiveSpot& spot : kDetectiveSpots)
        EXPECT_EQ(village(spot.scene).detective[static_cast<size_t>(spot.part)], spot.rectangles)
            << sceneName(spot.scene) << " part " << static_cast<int>(spot.part);
}

// --- Shared rows --------------------------------------------------------------

TEST(VillageSharedRows, NeighboursLeadToTheSameRow) {
    struct Pair {
        Scene first;
        std::string_view firstRectangle;
        Scene second;
        std::string_view secondRectangle;
        std::string_view en;
    };
    constexpr Pair kPairs[] = {
        {Scene::Natrzisti, "PozadiNatrzisti", Scene::Predhospodou, "Image207", "Beautiful blue sky."},
        {Scene::Natrzisti, "Image117", Scene::Predhospodou, "Image262", "A wall. What to add?"},
        {Scene::Natrzisti, "Image194", Scene::Predhospodou, "Image224",
         "You don't know it? It is called the roof and along with the walls it makes the house. It get useful when "
         "there is raining."},
        {Scene::Predhospodou, "Image233", Scene::Predradnici, "Image492", "This is well known Becher's pub."},
        {Scene::Predhospodou, "Image200", Scene::Predradnici, "Image491",
         "Window that is made from glass. And that's good because if it would be e.g. from iron, it wouldn't "
         "work."},
        {Scene::Predhospodou, "Image205", Scene::Predradnici, "Image493",
         "Yeah, window ledge, man's best friend. Or it is used to say that about dogs?"},
    };
    const auto uses = sceneUseCounts();
    int sharedInVillage = 0;
    for (const auto& [row, n] : uses) sharedInVillage += n > 1;
    EXPECT_EQ(sharedInVillage, static_cast<int>(std::size(kPairs)));

    for (const Pair& p : kPairs) {
        const DescriptionRow* a = rowAt(p.first, p.firstRectangle);
        const DescriptionRow* b = rowAt(p.second, p.secondRectangle);
        ASSERT_NE(a, nullptr) << p.firstRectangle;
        EXPECT_EQ(a, b) << sceneName(p.second) << " " << p.secondRectangle << " leads to "
                        << (b ? b->name : "nothing") << ", not " << a->name;
        EXPECT_EQ(a->text.en, p.en);
        // Defined with the first scene that lists it.
        EXPECT_TRUE(a->name.starts_with(std::string(sceneName(p.first)) + ".")) << a->name;
    }
}

TEST(VillageSharedRows, TownHallIsTheRowTheCourtUses) {
    for (std::string_view rect : {"Image456", "Image477", "Image495", "Image498"})
        EXPECT_EQ(rowAt(Scene::Predradnici, rect), &kTownHallRow) << rect;
    EXPECT_EQ(kTownHallRow.text.cz, "Radnice a stojí přesně ve středu této osady.");
    EXPECT_EQ(kTownHallRow.text.en, "The City Hall stands exactly in the middle of the village.");
    EXPECT_EQ(kTownHallRow.itemUse, ItemUse::None);
    EXPECT_EQ(kTownHallRow.effect, Effect::None);
}

// --- Texts --------------------------------------------------------------------

TEST(VillageTexts, AreValidUtf8AndFitCodePage1250) {
    for (const DescriptionRow* row : allRows()) {
        for (std::string_view t : {row->text.cz, row->text.en, row->alternate.cz, row->alternate.en}) {
            if (t.empty()) continue;
            EXPECT_TRUE(layout::isValidUtf8(t)) << row->name << ": \"" << t << "\"";
            EXPECT_TRUE(layout::utf8ToCp1250(t).has_value()) << row->name << ": \"" << t << "\"";
        }
    }
}

TEST(VillageTexts, RowNamesAreUniqueAndStartWithASceneThatListsThem) {
    std::set<std::string_view> seen;
    for (const DescriptionRow* row : allRows()) EXPECT_TRUE(seen.insert(row->name).second) << row->name;
    for (const SceneDescriptions* s : kVillage) {
        for (const SceneRow& r : s->rows) {
            const std::string_view prefix = r.row->name.substr(0, r.row->name.find('.'));
            bool listedThere = false;
            for (const SceneDescriptions* t : kVillage)
                if (sceneName(t->scene) == prefix)
                    for (const SceneRow& u : t->rows) listedThere |= u.row == r.row;
            EXPECT_TRUE(listedThere) << r.row->name << " (used in " << sceneName(s->scene) << ")";
        }
    }
}

// Every row but the inn door has both texts, and only a handful keep a
// trailing space; a trimmed or padded copy shows up here.
TEST(VillageTexts, BothLanguagesAndOnlyTheKnownTrailingSpaces) {
    const std::set<std::string> kTrailing = {"Udedka.oldManWrinkles en", "Udedka.books cz", "Radnice.table cz",
                                             "Radnice.mayorEyes cz"};
    std::set<std::string> trailing;
    for (const DescriptionRow* row : allRows()) {
        if (row->effect == Effect::ExitNoText) {
            EXPECT_TRUE(row->text.cz.empty() && row->text.en.empty()) << row->name;
            continue;
        }
        EXPECT_FALSE(row->text.cz.empty()) << row->name;
        EXPECT_FALSE(row->text.en.empty()) << row->name;
        for (const auto& [lang, t] : {std::pair{"cz", row->text.cz}, std::pair{"en", row->text.en}}) {
            if (t.empty()) continue;
            EXPECT_NE(t.front(), ' ') << row->name << " " << lang;
            if (t.back() == ' ') trailing.insert(std::string(row->name) + " " + lang);
        }
    }
    EXPECT_EQ(trailing, kTrailing);
}

struct TextSpot {
    Scene scene;
    std::string_view rectangle;
    std::string_view cz;
    std::string_view en;
};

// What a click on a rectangle describes, with the slips and spaces that must
// survive, and rectangles at the ends of runs.
constexpr TextSpot kTextSpots[] = {
    {Scene::Natrzisti, "PozadiNatrzisti", "Nádherně modrá obloha.", "Beautiful blue sky."},
    {Scene::Natrzisti, "slanonastole", "Vypadá to na zcela obyčejné lano.", "This looks like just common rope."},
    {Scene::Natrzisti, "Image152", "Jejda, co to je. Eh, teď si nevzpomenu, mám totální okno.",
     "What is it? I can't remember, I have window in my head . . ."},
    {Scene::Natrzisti, "Image1328", "Co to tam má? Aha, tak to budou asi ruce.",
     "What do he has there? These will be his hand."},
    {Scene::Udedka, "image88", "Stěna v Dědkově domě.", "Old Man's wall."},
    {Scene::Udedka, "Image57", "Až budu starší, taky budu mít takové vrásky.",
     "When I am older, I will have such wrinkles too. "},
    {Scene::Udedka, "Image28", "Jde vidět, že Dědek hodně čte. ", "I seem that Old Man's read a lot."},
    {Scene::Udedka, "Image14", "Opěrátko Dědkova houpacího křesla", "Old Man's armchair's arm."},
    {Scene::Udedka, "Image55",
     "No jo, proč si nevyzkoušet, jestli je tahle hra naprogramovaná i na popis ucha od hrnku, co?",
     "Well, who not to try, if this game is programmed to describe that mugs ear."},
    {Scene::Udedka, "Image21", "No, tak abych ti popisoval jeho zadek, od toho tu já nejsem.",
     "I am not here to describe his back to you."},
    {Scene::Predhospodou, "Label1", "Ten nápis bohužel nepřečtu, zapomněl jsem si brýle.",
     "I forget my glasses so I can't read that sign."},
    {Scene::Predhospodou, "Image237",
     "Máš kliku, našel jsi kliku, ale v podstatě kliku nemáš, protože nejde otevřít. Zmatek, co?",
     "You found the handle, but unluckily it cannot be open."},
    {Scene::Vhospode, "Image357", "Zelená košile. Myslím že má vkus. Ladí mu to k jeho modré hlavě.",
     "Green shirt. I think he has a good taste, it harmonizes with his blue head."},
    {Scene::Vhospode, "Image389", "Název: Nos; Funkce: Čich; Zvláštnosti: O žádných nevím;",
     "Title: A nose. Function: Smell. Specialties: I don't know about any."},
    {Scene::Vhospode, "PozadiVhospode",
     "V tomhle hostinci je jistě mnoho jiných, rentabilnějších míst, kde by se mělo kliknout.",
     "There are probably much more different, more suitable, places to be clicked at."},
    {Scene::Vhospode, "Image338", "Tváří se to jako zábradlí.", "This seems to be railing."},
    {Scene::Predradnici, "Image512",
     "Jó, babička mi vždycky říkala, Vazi okno od radnice, to není jako velbloud v dešti.",
     "My grandma used to say: Vazi, City Hall window is not like camel in rain."},
    {Scene::Radnice, "Image1625",
     "Stůl. Můžou se na něj odkládat věci, opírat se o něj, prostě takovej multifunkční vynález. ",
     "Table. You can put things on it, lean of it . . . really multifunctional invention."},
    {Scene::Radnice, "Image1814",
     "Pokud tohle neznáš, pak nechápu čím si čteš co ti říkám, ale dobře, jsou to kupodivu starostovi oči. ",
     "If you don't know what it is, then I don't understand how you do read what am I telling you."},
    {Scene::Radnice, "Image1760", "Bez toho pruhu by tahle místnost postrádala své kouzlo. Ještě že tu je.",
     "Without this strip would the room be missing its magic."},
};

TEST(VillageTexts, RectanglesShowTheirExactText) {
    for (const TextSpot& spot : kTextSpots) {
        const DescriptionRow* row = rowAt(spot.scene, spot.rectangle);
        ASSERT_NE(row, nullptr) << sceneName(spot.scene) << " " << spot.rectangle;
        EXPECT_EQ(row->text.cz, spot.cz) << spot.rectangle;
        EXPECT_EQ(row->text.en, spot.en) << spot.rectangle;
    }
}

// --- Story rows ---------------------------------------------------------------

TEST(VillageStoryRows, CharactersAndRudeSpots) {
    struct Character {
        Scene scene;
        ItemUse itemUse;
        int rows;
        std::string_view rudeSpot;  // "" when the character has none
        Effect rudeEffect;
    };
    constexpr Character kCharacters[] = {
        {Scene::Natrzisti, ItemUse::Warrior, 9, "Image124", Effect::RudeSpot},
        {Scene::Udedka, ItemUse::OldMan, 11, "Image21", Effect::RudeSpotInHandler},
        {Scene::Vhospode, ItemUse::Guest, 5, "Image346", Effect::RudeSpot},
        {Scene::Vhospode, ItemUse::Publican, 5, "", Effect::None},
        {Scene::Radnice, ItemUse::Mayor, 9, "Image1776", Effect::RudeSpot},
        {Scene::Predhospodou, ItemUse::Door, 2, "", Effect::None},
    };
    int handedOver = 0;
    for (const Character& c : kCharacters) {
        int rows = 0;
        for (const SceneDescriptions* s : kVillage) {
            for (const SceneRow& r : s->rows) {
                if (r.row->itemUse != c.itemUse) continue;
                EXPECT_EQ(s->scene, c.scene) << r.row->name;
                ++rows;
            }
        }
        EXPECT_EQ(rows, c.rows) << sceneName(c.scene) << " item use " << static_cast<int>(c.itemUse);
        handedOver += rows;
        if (c.rudeSpot.empty()) continue;
        const DescriptionRow* rude = rowAt(c.scene, c.rudeSpot);
        ASSERT_NE(rude, nullptr) << c.rudeSpot;
        EXPECT_EQ(rude->effect, c.rudeEffect) << rude->name;
        EXPECT_EQ(rude->itemUse, c.itemUse) << rude->name;
    }
    // No row hands over to anyone else, and only these four set a flag.
    int anyItemUse = 0, rudeRows = 0;
    for (const DescriptionRow* row : allRows()) {
        anyItemUse += row->itemUse != ItemUse::None;
        rudeRows += row->effect == Effect::RudeSpot || row->effect == Effect::RudeSpotInHandler;
    }
    EXPECT_EQ(anyItemUse, handedOver);
    EXPECT_EQ(rudeRows, 4);
    EXPECT_EQ(rowAt(Scene::Radnice, "Image1775"), rowAt(Scene::Radnice, "Image1776"));
}

TEST(VillageStoryRows, WayEastRefusesUntilTheCaseIsSolved) {
    const DescriptionRow* way = rowAt(Scene::Natrzisti, "Image156");
    ASSERT_NE(way, nullptr);
    EXPECT_EQ(way->effect, Effect::WayEast);
    EXPECT_EQ(way->exitTo, "Les4");
    EXPECT_EQ(way->itemUse, ItemUse::None);
    EXPECT_EQ(way->text.en,
              "I wouldn't rather go out of the village. I think that I should do something before I leave.");
    for (int i = 41; i <= 62; ++i)
        EXPECT_EQ(rowAt(Scene::Natrzisti, "Label" + std::to_string(i)), way) << "Label" << i;
    EXPECT_EQ(rowAt(Scene::Natrzisti, "Image160"), way);
}

TEST(VillageStoryRows, InnDoorWalksInWithoutText) {
    for (std::string_view rect : {"Label3", "Label4"}) {
        const DescriptionRow* door = rowAt(Scene::Predhospodou, rect);
        ASSERT_NE(door, nullptr) << rect;
        EXPECT_EQ(door->effect, Effect::ExitNoText) << rect;
        EXPECT_EQ(door->exitTo, "Vhospode") << rect;
        EXPECT_EQ(door->itemUse, ItemUse::None) << rect;
    }
}

// The effects of the other parts of the world never turn up here, and no
// row carries a second text or a replacement row it would never use.
TEST(VillageStoryRows, NoOtherEffects) {
    std::map<Effect, int> effects;
    for (const DescriptionRow* row : allRows()) {
        ++effects[row->effect];
        EXPECT_TRUE(row->alternate.cz.empty() && row->alternate.en.empty()) << row->name;
        EXPECT_TRUE(row->alternateRow.empty()) << row->name;
        const bool exit = row->effect == Effect::ExitNoText || row->effect == Effect::WayEast;
        EXPECT_EQ(row->exitTo.empty(), !exit) << row->name << " exitTo \"" << row->exitTo << "\"";
    }
    const std::map<Effect, int> kWant = {{Effect::None, 111},     {Effect::RudeSpot, 3},   {Effect::RudeSpotInHandler, 1},
                                        {Effect::WayEast, 1},    {Effect::ExitNoText, 1}};
    EXPECT_EQ(effects, kWant);
}

}  // namespace
}  // namespace kvarnel::scenes

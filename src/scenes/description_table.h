// The description tables: what the detective says about everything in the
// sixteen locations, and which hotspot rectangles lead to each description.
//
// A description row is one described thing: its Czech and English text, the
// item-use procedure that follows the text (for parts of characters and
// usable objects), and any further effect, as a tag the game's code acts
// on. A row is defined once; each scene's table lists the rows it uses with
// that scene's own rectangles, so a row shared by two scenes (the sky over
// the market and the inn) is one row with rectangles in both.
//
// Rectangle lists are component names separated by single spaces, every
// name of a run written out ("Image65 Image66 ... Image72").
#pragma once

#include <array>
#include <optional>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace kvarnel::scenes {

enum class Scene : uint8_t {
    Udedka,
    Natrzisti,
    Predhospodou,
    Vhospode,
    Predradnici,
    Radnice,
    Predsoudem,
    Predveznici,
    Veveznici,
    Uzlocinkyne,
    Les1,
    Les2,
    Les3,
    Les4,
    Les5,
    Les6,
    Count,
};

// The location panel's component name of each scene.
inline constexpr std::array<std::string_view, static_cast<size_t>(Scene::Count)> kSceneNames = {
    "Udedka",      "Natrzisti", "Predhospodou", "Vhospode",    "Predradnici", "Radnice", "Predsoudem", "Predveznici",
    "Veveznici",   "Uzlocinkyne", "Les1",       "Les2",        "Les3",        "Les4",    "Les5",       "Les6"};

// The scene whose panel is called `panelName` (exact spelling), if any.
inline std::optional<Scene> sceneByName(std::string_view panelName) {
    for (size_t i = 0; i < kSceneNames.size(); ++i) {
        if (kSceneNames[i] == panelName) return static_cast<Scene>(i);
    }
    return std::nullopt;
}

// Whose item-use procedure follows the text.
enum class ItemUse : uint8_t {
    None,
    Detective,
    OldMan,
    Warrior,
    Publican,
    Guest,
    Mayor,
    Sheriff,
    BushMan,
    Druid,
    Ranger,
    RangerAtHisHotspot,  // the ranger's talk hotspot: not the rope or coins
    Bush,  // the bush in Les2
    Nest,  // the nest in the tall tree of Les2
    Lawn,  // the green in front of the court
    Door,  // the door of the criminal's house in front of the inn
};

// What a row does besides showing its text and handing over to its
// item-use procedure.
enum class Effect : uint8_t {
    None,
    // Sets the character's rude-spot flag after the text, before the
    // item-use step (the character is the row's ItemUse).
    RudeSpot,
    // The old man's rude spot: its handler (Image21Click) sets
    // RudeSpotOldMan before the row runs.
    RudeSpotInHandler,
    // The detective's groin: sets RudeSpotDetective before the guard and
    // clears it right after showing the text.
    DetectiveGroin,
    // The way east from the market (an exit to Les4): while the story flag
    // svyresenypripad is hidden it only shows the text and returns, without
    // FailedUseHook.
    WayEast,
    // An exit with no text (the inn door, the prison door, the forest path,
    // the cave mouth); `exitTo` names where it leads.
    ExitNoText,
    // A knife-search row at the criminal's: once Svzetinoze is visible it
    // shows the knife line (kKnifeLine) instead and returns at once, without
    // the item-use step and without FailedUseHook.
    KnifeSearch,
    // The knife spot at the criminal's: a knife-search row whose first text
    // also shows SKukdosuplu, and whose second text (`alternate`, shown once
    // SKukdosuplu is visible) also shows Svzetinoze and adds the knife.
    KnifeSpot,
    // A row in front of the prison that describes the Bush Man while he is
    // out of the bush (frame index of Krovakvp above 6: `text`, then his
    // item-use step) and the shrub or grass otherwise (`alternate`, no
    // item-use step).
    BushManWhenOut,
    // The nest in Les2: shown while Ssplh is hidden; the climb and what it
    // yields belong to the nest's item-use step.
    NestUnclimbed,
    // The bush in Les2: while Sker is visible and descriptions are on, the
    // row named by `alternateRow` runs in place of the bush line, then the
    // bush step and FailedUseHook follow as usual.
    BushOrCutBush,
};

struct Text {
    std::string_view cz;
    std::string_view en;  // empty: the Czech text shows in both languages
};

struct DescriptionRow {
    // The row's own name, for tests and dumps (e.g. "Natrzisti.sky").
    std::string_view name;
    Text text;
    ItemUse itemUse = ItemUse::None;
    Effect effect = Effect::None;
    // The second text of two-state rows (see Effect).
    Text alternate{};
    // ExitNoText: the scene the exit leads to (a panel name, or "Vjeskyni").
    std::string_view exitTo{};
    // BushOrCutBush: the name of the row that runs instead.
    std::string_view alternateRow{};
};

// One row as a scene uses it: the row and this scene's rectangles for it.
struct SceneRow {
    const DescriptionRow* row;
    std::string_view rectangles;
};

// The detective's own rows, shared by every scene.
enum class DetectivePart : uint8_t { Head, Mouth, Nose, Eyes, Ears, RightHand, LeftHand, Body, Legs, Shoes, Groin, Count };

struct SceneDescriptions {
    Scene scene;
    // This scene's rectangles over the detective, per part (empty: the
    // scene has none for that part).
    std::array<std::string_view, static_cast<size_t>(DetectivePart::Count)> detective;
    std::span<const SceneRow> rows;
};

// The eleven rows describing the detective, in DetectivePart order.
extern const std::array<DescriptionRow, static_cast<size_t>(DetectivePart::Count)> kDetectiveRows;

// The knife line of the knife-search rows.
extern const Text kKnifeLine;

// Every scene's table, in Scene order.
std::span<const SceneDescriptions> allSceneDescriptions();
const SceneDescriptions& sceneDescriptions(Scene scene);

// The names of a rectangle list, in order.
std::vector<std::string_view> splitRectangles(std::string_view rectangles);

// --- Rows shared across the files that define the scenes' tables ----------
// Defined with the village tables, used by the court's.
extern const DescriptionRow kTownHallRow;

}  // namespace kvarnel::scenes

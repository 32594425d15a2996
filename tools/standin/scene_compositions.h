// What each location's stand-in background shows: a hand-placed list of
// props per scene (sky, houses, furniture, trees ...), each with the
// description rows whose click rectangles lie on it. The panel builder paints
// the props in order, back to front, and splits every listed row's
// rectangles over the props that name it.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "scenes/description_table.h"
#include "standin/art.h"

namespace kvarnel::standin {

enum class PropKind : uint8_t {
    Spot,  // nothing painted: a click area on part of a drawn object
    Sky,
    Ground,
    Floor,
    Wall,
    BrickWall,
    StoneWall,
    House,
    Roof,
    Stripe,
    Window,
    BarredWindow,
    Door,
    Table,
    Chair,
    RockingChair,
    Shelf,  // a board with mugs
    Books,
    Cabinet,
    Picture,
    Tree,
    NestInTree,
    Bush,
    Grass,  // a tuft
    Path,
    Fence,
    Stone,
    CaveMouth,
    Sign,
    Counter,
    Barrel,
    Stairs,
    Railing,
    Carpet,
    Mug,
    VaseWithFlower,
    PottedPlant,
    PegWithKeys,
    Doughnuts,
    Bat,
    Ball,
    CellBars,
    Cloud,
    Sun,
    Hill,
    Forest,
    Bird,
    Gate,  // a village gate; the prop's rect is the passage through it
};

struct Prop {
    PropKind kind;
    art::Rect rect;           // panel coordinates
    std::string_view rows{};  // description row names, separated by single spaces
    uint32_t colour = 0;      // 0: the painter's own colour
    bool front = false;       // painted over the characters' figures
};

// The props of `scene`, back to front (empty for Scene::Count).
std::span<const Prop> sceneComposition(scenes::Scene scene);

// Paints `prop` into `r` (the prop's rectangle in picture coordinates).
void paintProp(art::Canvas& c, const Prop& prop, art::Rect r);

}  // namespace kvarnel::standin

// The hand-placed props of every location. Rectangles are panel
// coordinates; each prop keeps clear of the faces, the figures and the exits
// unless it is the very thing an exit leads through (a door under a door
// exit, the cave mouth under the cave's labels). Rows named on several props
// share their rectangles out over all of them.
//
// Sections: painters, then one table per scene in Scene order.
#include "standin/scene_compositions.h"

#include <array>

namespace kvarnel::standin {

using K = PropKind;
using scenes::Scene;

void paintProp(art::Canvas& c, const Prop& p, art::Rect r) {
    const uint32_t col = p.colour;
    auto or_ = [&](uint32_t fallback) { return col ? col : fallback; };
    switch (p.kind) {
        case K::Spot:
            return;
        case K::Sky:
            return art::sky(c, r, or_(art::colour::kSkyTop), col ? 0xFFDCEFD7 : art::colour::kSkyBottom);
        case K::Ground:
            return art::ground(c, r, or_(art::colour::kGrass));
        case K::Floor:
            return art::floorBoards(c, r, or_(art::colour::kWood));
        case K::Wall:
            return art::wall(c, r, or_(art::colour::kWall), false);
        case K::BrickWall:
            return art::wall(c, r, or_(0xFFB8A48A), true);
        case K::StoneWall:
            return art::stoneWall(c, r, or_(art::colour::kStone));
        case K::House:
            return art::house(c, r, art::colour::kWall, or_(art::colour::kRoof));
        case K::Roof:
            return art::roof(c, r, or_(art::colour::kRoof));
        case K::Stripe:
            return art::stripe(c, r, or_(0xFF5B7DB1));
        case K::Window:
            return art::window(c, r);
        case K::BarredWindow:
            return art::barredWindow(c, r);
        case K::Door:
            return art::door(c, r, or_(art::colour::kWood));
        case K::Table:
            return art::table(c, r, or_(art::colour::kWood));
        case K::Chair:
            return art::chair(c, r, or_(art::colour::kWood));
        case K::RockingChair:
            return art::rockingChair(c, r, or_(art::colour::kDarkWood));
        case K::Shelf:
            return art::shelfWithMugs(c, r, 3);
        case K::Books:
            return art::books(c, r);
        case K::Cabinet:
            return art::cabinet(c, r, or_(art::colour::kWood));
        case K::Picture:
            return art::pictureFrame(c, r);
        case K::Tree:
            return art::tree(c, r, or_(art::colour::kLeaf));
        case K::NestInTree:
            return art::nestInTree(c, r, or_(art::colour::kLeaf));
        case K::Bush:
            return art::bush(c, r, or_(art::colour::kLeaf));
        case K::Grass:
            return art::grassTuft(c, r, or_(art::colour::kLeaf));
        case K::Path:
            return art::path(c, r, or_(art::colour::kEarth));
        case K::Fence:
            return art::fence(c, r, false);
        case K::Stone:
            return art::stone(c, r, or_(art::colour::kStone));
        case K::CaveMouth:
            return art::caveMouth(c, r);
        case K::Sign:
            return art::signBoard(c, r);
        case K::Counter:
            return art::counter(c, r);
        case K::Barrel:
            return art::barrel(c, r);
        case K::Stairs:
            return art::stairs(c, r);
        case K::Railing:
            return art::railing(c, r);
        case K::Carpet:
            return art::carpet(c, r);
        case K::Mug:
            return art::mug(c, r);
        case K::VaseWithFlower:
            return art::vaseWithFlower(c, r);
        case K::PottedPlant:
            return art::pottedPlant(c, r);
        case K::PegWithKeys:
            return art::pegWithKeys(c, r);
        case K::Doughnuts:
            return art::bowlOfDoughnuts(c, r);
        case K::Bat:
            return art::bat(c, r);
        case K::Ball:
            return art::ball(c, r);
        case K::CellBars:
            return art::cellBars(c, r);
        case K::Cloud:
            return art::cloud(c, r);
        case K::Sun:
            return art::sun(c, r);
        case K::Hill:
            return art::hill(c, r);
        case K::Forest:
            return art::forestWall(c, r, or_(0xFF3E6A32));
        case K::Bird:
            return art::bird(c, r);
        case K::Gate:
            // The country beyond meets the sky two fifths down the passage.
            return art::villageGate(c, r, r.y + r.h * 2 / 5, or_(art::colour::kWood));
    }
}

namespace {

constexpr uint32_t kForestSky = 0xFF7FA88A;
constexpr uint32_t kForestFloor = 0xFF5E8A4A;
constexpr uint32_t kDarkCrown = 0xFF2E5228;

constexpr Prop kUdedka[] = {
    {K::Wall, {0, 0, 1024, 440}, "Udedka.wall", 0xFFE6D6B0},
    {K::Stripe, {0, 34, 1024, 22}, "Udedka.wallStripe"},
    {K::Floor, {0, 440, 1024, 140}, "Udedka.parquet"},
    {K::Floor, {0, 580, 1024, 45}},
    {K::Window, {30, 70, 150, 170}, "Udedka.window"},
    {K::Picture, {200, 80, 120, 95}, "Udedka.painting"},
    {K::Shelf, {20, 262, 190, 60}, "Udedka.shelf"},
    {K::Spot, {36, 276, 32, 30}, "Udedka.mug"},
    {K::Spot, {93, 276, 32, 30}, "Udedka.mug"},
    {K::Spot, {68, 280, 12, 20}, "Udedka.mugHandle"},
    {K::Spot, {125, 280, 12, 20}, "Udedka.mugHandle"},
    {K::Books, {215, 262, 110, 52}, "Udedka.books"},
    {K::Stripe, {210, 314, 120, 8}, "", art::colour::kDarkWood},
    {K::Cabinet, {30, 340, 200, 230}, "Udedka.cabinet"},
    {K::Spot, {134, 372, 72, 166}, "Udedka.closedCabinet"},
    {K::Table, {240, 450, 100, 120}, "Udedka.smallTable"},
    {K::Spot, {250, 482, 9, 86}, "Udedka.smallTableLeg"},
    {K::Spot, {322, 482, 9, 86}, "Udedka.smallTableLeg"},
    {K::VaseWithFlower, {262, 350, 56, 112}},
    {K::Spot, {264, 350, 52, 44}, "Udedka.flower"},
    {K::Spot, {275, 430, 30, 30}, "Udedka.flowerBottom"},
    {K::RockingChair, {690, 200, 260, 380}, "Udedka.rockingChair"},
    {K::Spot, {692, 390, 46, 38}, "Udedka.rockingChairArm"},
    {K::Door, {952, 170, 68, 400}, "Udedka.door"},
};

constexpr Prop kNatrzisti[] = {
    {K::Sky, {0, 0, 1027, 380}, "Natrzisti.sky"},
    {K::Forest, {45, 190, 400, 90}, "Natrzisti.forestEdge"},
    {K::Ground, {0, 360, 1027, 269}, "Natrzisti.place", 0xFFC8AE80},
    {K::Wall, {50, 230, 125, 140}, "Natrzisti.wall"},
    {K::Roof, {40, 160, 145, 75}, "Natrzisti.roof"},
    {K::Window, {85, 262, 55, 62}, "Natrzisti.window"},
    {K::Wall, {430, 150, 462, 215}, "Natrzisti.houseWall"},
    {K::Roof, {418, 55, 486, 100}, "Natrzisti.houseRoof"},
    {K::Door, {484, 186, 117, 171}},
    {K::Window, {826, 190, 58, 72}, "Natrzisti.window"},
    {K::Spot, {826, 250, 58, 12}, "Natrzisti.windowLedge"},
    {K::StoneWall, {997, 160, 30, 230}, "Natrzisti.wall"},
    // The gate out of the village: its passage is the column of exit labels,
    // the posts and the lintel around it carry the stripe's rows.
    {K::Gate, {896, 150, 79, 475}, "", 0xFF9A6A42},
    {K::Spot, {874, 141, 22, 470}, "Natrzisti.gateStripe"},
    {K::Spot, {975, 141, 22, 470}, "Natrzisti.gateStripe"},
    {K::Spot, {858, 121, 154, 20}, "Natrzisti.gateStripe"},
    {K::Table, {636, 294, 160, 130}, "Natrzisti.table", 0, true},
    {K::Spot, {652, 326, 13, 96}, "Natrzisti.tableLeg"},
    {K::Spot, {767, 326, 13, 96}, "Natrzisti.tableLeg"},
};

constexpr Prop kPredhospodou[] = {
    {K::Sky, {0, 0, 1024, 480}, "Natrzisti.sky"},
    {K::Ground, {0, 470, 1024, 155}, "Predhospodou.place", 0xFFC8AE80},
    {K::Wall, {60, 140, 460, 335}, "Predhospodou.inn", 0xFFEADDC0},
    {K::Roof, {40, 40, 500, 104}, "Natrzisti.roof"},
    {K::Window, {90, 170, 80, 80}, "Predhospodou.wallHoles"},
    {K::Window, {470, 168, 44, 64}, "Predhospodou.wallHoles"},
    {K::Window, {90, 290, 80, 96}, "Predhospodou.window"},
    {K::Spot, {90, 369, 80, 12}, "Predhospodou.windowLedge"},
    {K::Stripe, {266, 262, 16, 231}, "Predhospodou.doorStripe", 0xFF5B7DB1},
    {K::Stripe, {441, 262, 16, 231}, "Predhospodou.doorStripe", 0xFF5B7DB1},
    {K::Stripe, {266, 250, 191, 16}, "Predhospodou.doorStripe", 0xFF5B7DB1},
    {K::Door, {282, 266, 159, 227}},
    {K::Sign, {290, 160, 140, 92}, "Predhospodou.innSign"},
    {K::Wall, {690, 170, 290, 305}, "Natrzisti.wall", 0xFFDCCFAE},
    {K::Roof, {676, 76, 304, 98}, "Natrzisti.roof", 0xFF8A5A3C},
    {K::Stripe, {732, 298, 117, 10}, "Predhospodou.doorFrame", art::colour::kDarkWood},
    {K::Door, {740, 308, 101, 167}, "", art::colour::kDarkWood},
    {K::Stripe, {843, 366, 20, 56}, "", 0xFFD8B040},
    {K::Spot, {844, 368, 18, 16}, "Predhospodou.lock"},
    {K::Spot, {847, 386, 12, 16}, "Predhospodou.keyhole"},
    {K::Spot, {843, 404, 20, 16}, "Predhospodou.handle"},
    {K::Window, {880, 200, 80, 90}, "Predhospodou.window"},
    {K::Spot, {880, 275, 80, 14}, "Predhospodou.windowLedge"},
};

constexpr Prop kVhospode[] = {
    {K::Wall, {0, -4, 1027, 400}, "Vhospode.wall", 0xFFC9A87A},
    {K::Floor, {0, 396, 1027, 235}, "Vhospode.floor", 0xFF8A6040},
    {K::Railing, {20, 40, 440, 50}, "Vhospode.railing"},
    {K::Stairs, {760, 120, 210, 276}, "Vhospode.stairs"},
    {K::Railing, {700, 70, 270, 50}, "Vhospode.railing"},
    {K::Cabinet, {20, 120, 130, 240}, "Vhospode.cabinet"},
    {K::Shelf, {330, 150, 150, 56}, "Vhospode.mugs"},
    {K::Barrel, {370, 250, 80, 110}, "Vhospode.barrels"},
    {K::Counter, {110, 350, 330, 130}, "", 0, true},
    {K::Spot, {150, 400, 120, 60}, "Vhospode.somethingHidden"},
    {K::Table, {296, 500, 196, 100}, "Vhospode.gameTable", 0, true},
    {K::Bat, {316, 470, 96, 42}, "Vhospode.bat", 0, true},
    {K::Ball, {432, 480, 28, 28}, "Vhospode.ball", 0, true},
    {K::Chair, {880, 380, 80, 160}, "Vhospode.chair", 0, true},
    {K::Table, {700, 430, 240, 120}, "Vhospode.table", 0, true},
    {K::Mug, {760, 404, 34, 36}, "Vhospode.mug", 0, true},
};

constexpr Prop kPredradnici[] = {
    {K::Sky, {0, 0, 1024, 430}, "Predradnici.sky"},
    {K::Ground, {0, 420, 1024, 205}, "Predradnici.place", 0xFFC8AE80},
    {K::Wall, {40, 120, 560, 310}, "Predradnici.townHall", 0xFFE8E0D0},
    {K::Roof, {30, 30, 580, 96}, "Predradnici.townHallRoof", 0xFF5A6E8A},
    {K::Door, {44, 262, 111, 159}, "", art::colour::kDarkWood},
    {K::Window, {60, 150, 80, 86}, "Predradnici.townHallWindow"},
    {K::Window, {400, 150, 70, 86}, "Predradnici.townHallWindow"},
    {K::Window, {500, 150, 70, 86}, "Predradnici.townHallWindow"},
    {K::Window, {400, 290, 70, 86}, "Predradnici.townHallWindow"},
    {K::Window, {500, 290, 70, 86}, "Predradnici.townHallWindow"},
    {K::Spot, {400, 222, 70, 12}, "Predradnici.ledge"},
    {K::Spot, {500, 222, 70, 12}, "Predradnici.ledge"},
    {K::Spot, {400, 362, 70, 12}, "Predradnici.ledge"},
    {K::Spot, {500, 362, 70, 12}, "Predradnici.ledge"},
    {K::Tree, {600, 60, 130, 380}},
    {K::Spot, {610, 66, 110, 170}, "Predradnici.treeCrown"},
    {K::Wall, {730, 210, 250, 220}, "Predhospodou.inn", 0xFFEADDC0},
    {K::Roof, {720, 130, 260, 84}, "Predradnici.innRoof"},
    {K::Window, {760, 260, 70, 84}, "Predhospodou.window"},
    {K::Window, {880, 260, 70, 84}, "Predhospodou.window"},
    {K::Spot, {760, 330, 70, 12}, "Predhospodou.windowLedge"},
    {K::Spot, {880, 330, 70, 12}, "Predhospodou.windowLedge"},
};

constexpr Prop kRadnice[] = {
    {K::Wall, {0, 0, 1024, 430}, "Radnice.wall", 0xFFD8CCA8},
    {K::Stripe, {45, 60, 980, 18}, "Radnice.stripe", 0xFF8A3B3B},
    {K::Floor, {0, 430, 1024, 195}, "Radnice.floor", 0xFF9A6A44},
    {K::Books, {50, 100, 130, 48}, "Radnice.bookShelf"},
    {K::Spot, {60, 102, 16, 44}, "Radnice.book"},
    {K::Cabinet, {50, 150, 130, 300}, "Radnice.cabinet"},
    {K::Picture, {720, 100, 160, 120}, "Radnice.pictureFrame"},
    {K::Spot, {743, 117, 114, 86}, "Radnice.picture"},
    {K::RockingChair, {480, 150, 220, 340}, "Radnice.chair", 0xFF6A3A2A},
    {K::Cabinet, {820, 330, 150, 170}, "Radnice.drawers"},
    {K::Table, {420, 380, 350, 160}, "Radnice.table", 0xFF7A4A2A, true},
};

constexpr Prop kPredsoudem[] = {
    {K::Sky, {0, 0, 1024, 330}, "Predsoudem.sky"},
    {K::Hill, {560, 130, 420, 200}, "Predsoudem.hill"},
    {K::Ground, {0, 320, 1024, 305}, "Predsoudem.place"},
    {K::Ground, {650, 470, 320, 150}, "Predsoudem.green", 0xFF9ED07A},
    {K::Wall, {50, 140, 360, 290}, "Predsoudem.courtWalls", 0xFFE0D8C8},
    {K::Roof, {36, 66, 388, 78}, "", 0xFF6E6E78},
    {K::Stripe, {50, 254, 360, 14}, "Predsoudem.stripe", 0xFF4A6EC0},
    {K::Window, {70, 160, 70, 80}, "Predsoudem.window"},
    {K::Window, {320, 160, 70, 80}, "Predsoudem.window"},
    {K::Window, {70, 300, 70, 90}, "Predsoudem.window"},
    {K::Window, {320, 300, 70, 90}, "Predsoudem.window"},
    {K::Door, {180, 300, 100, 130}, "Predsoudem.courtDoor", art::colour::kDarkWood},
    {K::Sign, {172, 176, 116, 110}, "Predsoudem.courtSign"},
    {K::House, {885, 300, 92, 120}, "Predradnici.townHall"},
    {K::Tree, {650, 50, 230, 430}},
    {K::Spot, {736, 270, 58, 205}, "Predsoudem.trunk"},
    {K::Spot, {662, 58, 206, 200}, "Predsoudem.treeCrown"},
    {K::Spot, {700, 84, 56, 38}, "Predsoudem.bird"},
    {K::Spot, {712, 122, 30, 16}, "Predsoudem.birdLegs"},
};

constexpr Prop kPredveznici[] = {
    {K::Sky, {0, 0, 1024, 300}, "Predveznici.sky"},
    {K::Sun, {60, 24, 96, 96}, "Predveznici.sun"},
    {K::Cloud, {170, 40, 160, 60}, "Predveznici.clouds"},
    {K::Cloud, {330, 18, 150, 56}, "Predveznici.clouds"},
    {K::Cloud, {110, 90, 110, 40}, "Predveznici.clouds"},
    {K::Cloud, {560, 50, 110, 45}, "Predveznici.rareCloud"},
    {K::Forest, {0, 110, 640, 110}, "Predveznici.deepForest", kDarkCrown},
    {K::Forest, {0, 190, 640, 80}, "Predveznici.forestEdge"},
    // Where the Bush Man's head, out of his shrub, reaches the forest's edge;
    // off the detective's head, whose clicks are his own.
    {K::Spot, {30, 240, 90, 30}, "Predveznici.bushManHeadAtForestEdge"},
    {K::Spot, {55, 254, 40, 12}, "Predveznici.bushManEyesAtForestEdge"},
    {K::Ground, {0, 270, 1024, 355}, "Predveznici.grass"},
    {K::Ground, {630, 430, 394, 195}, "Predveznici.place", 0xFFC8AE80},
    {K::Path, {240, 190, 227, 120}},
    {K::BrickWall, {640, 120, 340, 320}, "Predveznici.prison", 0xFFA8A29A},
    {K::Roof, {626, 60, 368, 64}, "", 0xFF6E6E78},
    {K::Stripe, {640, 250, 340, 14}, "Predveznici.stripe", 0xFF4A6EC0},
    {K::BarredWindow, {820, 160, 60, 76}, "Predveznici.barredWindows"},
    {K::BarredWindow, {900, 160, 60, 76}, "Predveznici.barredWindows"},
    {K::BarredWindow, {820, 300, 60, 80}, "Predveznici.barredWindows"},
    {K::BarredWindow, {900, 300, 60, 80}, "Predveznici.barredWindows"},
    {K::Door, {694, 278, 95, 147}, "", 0xFF5A5A66},
    // The Bush Man's shrub: the back and the front leaves he rises between.
    // His rows lie where his head, nose and body show when he stands in it.
    {K::Bush, {10, 260, 180, 330}, "Predveznici.shrub"},
    {K::Bush, {4, 536, 192, 84}, "", 0xFF6AA858},
    {K::Spot, {34, 318, 118, 166}, "Predveznici.bushManHeadInShrub"},
    {K::Spot, {84, 396, 18, 42}, "Predveznici.bushManNoseInShrub"},
    {K::Spot, {40, 488, 110, 70}, "Predveznici.bushManBodyInShrub"},
    {K::Grass, {200, 430, 140, 100}, "Predveznici.bushManHeadInGrass"},
    {K::Spot, {206, 450, 20, 30}, "Predveznici.bushManEarsInGrass"},
    {K::Spot, {316, 450, 20, 30}, "Predveznici.bushManEarsInGrass"},
    {K::Spot, {240, 455, 60, 16}, "Predveznici.bushManEyesInGrass"},
    {K::Spot, {262, 474, 16, 20}, "Predveznici.bushManNoseInGrass"},
    {K::Grass, {340, 520, 80, 70}, "Predveznici.grassTuft"},
    {K::Spot, {352, 526, 56, 30}, "Predveznici.bushManHeadInTuft"},
};

constexpr Prop kVeveznici[] = {
    {K::BrickWall, {0, 0, 1024, 420}, "Veveznici.wall", 0xFFA8A29A},
    {K::Floor, {0, 420, 1024, 205}, "Veveznici.floor", 0xFF7A7068},
    {K::CellBars, {430, 60, 240, 380}, "Veveznici.cell"},
    {K::Stripe, {598, 240, 20, 28}, "", 0xFFD8B040},
    {K::Spot, {600, 246, 16, 18}, "Veveznici.keyhole"},
    {K::PegWithKeys, {40, 90, 130, 100}, "Veveznici.keys"},
    {K::Spot, {40, 90, 130, 22}, "Veveznici.peg"},
    {K::Chair, {330, 290, 90, 230}, "Veveznici.chair"},
    {K::Table, {120, 380, 300, 170}, "Veveznici.table", 0, true},
    {K::Doughnuts, {170, 340, 96, 58}, "Veveznici.doughnuts", 0, true},
};

constexpr Prop kUzlocinkyne[] = {
    {K::Wall, {0, 0, 1024, 400}, "Uzlocinkyne.wall", 0xFFD0C0E0},
    {K::Floor, {0, 400, 1024, 188}, "Uzlocinkyne.floor"},
    {K::Floor, {0, 588, 1024, 37}},
    {K::Spot, {20, 40, 60, 60}, "Uzlocinkyne.nothingHere"},
    {K::Carpet, {110, 470, 310, 104}, "Uzlocinkyne.carpet"},
    {K::Spot, {220, 500, 70, 40}, "Uzlocinkyne.knifeSpot"},
    {K::Chair, {40, 290, 110, 230}, "Uzlocinkyne.chair"},
    {K::Spot, {50, 260, 50, 30}, "Uzlocinkyne.nothingKnifeLike"},
    {K::PottedPlant, {230, 180, 140, 300}},
    {K::Spot, {237, 186, 126, 140}, "Uzlocinkyne.leaves"},
    {K::Spot, {292, 326, 18, 92}, "Uzlocinkyne.trunk"},
    {K::Spot, {265, 420, 70, 58}, "Uzlocinkyne.flowerPot"},
    {K::Spot, {380, 40, 50, 50}, "Uzlocinkyne.notThere"},
    {K::Shelf, {700, 100, 260, 70}, "Uzlocinkyne.shelf"},
    {K::Books, {720, 200, 110, 50}, "Uzlocinkyne.shelfInside"},
    {K::Stripe, {710, 250, 130, 10}, "", art::colour::kDarkWood},
    {K::VaseWithFlower, {886, 170, 60, 100}, "Uzlocinkyne.vase"},
    {K::Stripe, {862, 270, 110, 12}, "Uzlocinkyne.vaseShelf", art::colour::kDarkWood},
    {K::Cabinet, {720, 300, 200, 260}, "Uzlocinkyne.cabinet"},
    {K::Spot, {940, 300, 70, 90}, "Uzlocinkyne.foundNothing"},
    {K::Spot, {900, 560, 90, 26}, "Uzlocinkyne.noTrace"},
};

constexpr Prop kLes1[] = {
    {K::Sky, {0, 0, 1024, 300}, "", kForestSky},
    {K::Forest, {45, 0, 926, 310}, "Les1.darkForest", kDarkCrown},
    {K::Ground, {0, 300, 1024, 325}, "Les1.place", kForestFloor},
    {K::House, {390, 100, 250, 320}, "Les1.shack", 0xFF6A5A3A},
    {K::Window, {430, 260, 56, 60}, "Les1.shackWindow"},
    {K::Door, {540, 290, 70, 128}, "Les1.shackDoor", art::colour::kDarkWood},
    {K::Grass, {60, 480, 80, 60}, "Les1.grassTuft"},
    {K::Grass, {400, 500, 90, 60}, "Les1.grassTuft"},
    {K::Grass, {880, 520, 80, 60}, "Les1.grassTuft"},
    {K::Grass, {560, 470, 70, 50}, "Les1.grassTuft"},
};

constexpr Prop kLes2[] = {
    {K::Sky, {0, 0, 1024, 300}, "", kForestSky},
    {K::Forest, {45, 0, 933, 320}, "Les2.darkForest", kDarkCrown},
    {K::Ground, {0, 300, 1024, 325}, "Les2.place", kForestFloor},
    {K::NestInTree, {460, 0, 270, 560}, "Les2.tallTree"},
    {K::Spot, {470, 10, 250, 120}, "Les2.branches"},
    {K::Spot, {470, 160, 100, 80}, "Les2.branches"},
    {K::Spot, {596, 130, 84, 80}, "Les2.nest"},
    {K::Bush, {735, 340, 289, 285}, "Les2.bush"},
    {K::Grass, {80, 520, 80, 60}, "Les1.grassTuft"},
    {K::Grass, {450, 560, 80, 50}, "Les1.grassTuft"},
};

constexpr Prop kLes3[] = {
    {K::Sky, {-2, -2, 1112, 300}, "", kForestSky},
    {K::Forest, {45, -2, 1065, 320}, "Les3.scaryForest", 0xFF24401F},
    {K::Ground, {-2, 300, 1112, 329}, "Les3.place", kForestFloor},
    {K::CaveMouth, {560, 110, 440, 400}, "Les3.cave"},
    {K::Spot, {648, 230, 264, 280}, "Les3.caveInside"},
    // The rock in the cave's mouth where the Bush Man's daughter is found.
    {K::Stone, {598, 372, 140, 46}, "", 0xFF857A6E},
    {K::Grass, {80, 500, 90, 70}, "Les1.grassTuft"},
    {K::Grass, {560, 530, 90, 60}, "Les1.grassTuft"},
    {K::Grass, {900, 530, 80, 60}, "Les1.grassTuft"},
};

constexpr Prop kLes4[] = {
    {K::Sky, {0, 0, 1024, 300}},
    {K::Forest, {640, 60, 342, 280}, "Les4.forest"},
    {K::Ground, {0, 420, 1024, 205}, "Les4.place"},
    {K::House, {150, 110, 130, 130}, "Les4.villageWall"},
    {K::House, {290, 130, 120, 110}, "Les4.villageWall", 0xFF8A5A3C},
    {K::StoneWall, {131, 210, 290, 236}, "Les4.wallOutside"},
    {K::StoneWall, {0, 210, 36, 236}, "Les4.wallOutside"},
    {K::Path, {50, 82, 81, 540}, "", 0xFFB89A6E},
    {K::Stripe, {36, 70, 14, 480}, "Les4.gateStripe", 0xFF8A6A4A},
    {K::Stripe, {131, 70, 14, 480}, "Les4.gateStripe", 0xFF8A6A4A},
    {K::Stripe, {36, 56, 109, 14}, "Les4.gateStripe", 0xFF8A6A4A},
    {K::Grass, {150, 420, 90, 50}, "Les1.grassTuft"},
    {K::Grass, {300, 420, 80, 50}, "Les1.grassTuft"},
    {K::Grass, {680, 500, 80, 60}, "Les1.grassTuft"},
    {K::Grass, {860, 450, 70, 50}, "Les1.grassTuft"},
};

constexpr Prop kLes5[] = {
    {K::Sky, {0, 0, 1024, 300}, "", kForestSky},
    {K::Forest, {45, 0, 937, 330}, "Les5.rangersForest"},
    {K::Ground, {0, 310, 1024, 315}, "Les5.place", kForestFloor},
    {K::Fence, {470, 380, 120, 100}},
    {K::Grass, {80, 500, 80, 60}, "Les1.grassTuft"},
    {K::Grass, {500, 520, 80, 60}, "Les1.grassTuft"},
    {K::Grass, {880, 520, 80, 60}, "Les1.grassTuft"},
};

constexpr Prop kLes6[] = {
    {K::Sky, {0, 0, 1024, 300}, "", kForestSky},
    {K::Forest, {45, 0, 979, 310}, "Les6.forest", kDarkCrown},
    {K::Ground, {0, 300, 1024, 325}, "Les6.grass", kForestFloor},
    {K::Path, {600, 420, 420, 205}, "Les6.place", 0xFF8A7A5A},
    {K::CaveMouth, {348, 9, 362, 384}},
    {K::Spot, {352, 120, 64, 270}, "Les6.caveEntrance"},
    {K::Bush, {760, 250, 250, 210}, "Les6.denseBush"},
};

}  // namespace

std::span<const Prop> sceneComposition(Scene scene) {
    switch (scene) {
        case Scene::Udedka:
            return kUdedka;
        case Scene::Natrzisti:
            return kNatrzisti;
        case Scene::Predhospodou:
            return kPredhospodou;
        case Scene::Vhospode:
            return kVhospode;
        case Scene::Predradnici:
            return kPredradnici;
        case Scene::Radnice:
            return kRadnice;
        case Scene::Predsoudem:
            return kPredsoudem;
        case Scene::Predveznici:
            return kPredveznici;
        case Scene::Veveznici:
            return kVeveznici;
        case Scene::Uzlocinkyne:
            return kUzlocinkyne;
        case Scene::Les1:
            return kLes1;
        case Scene::Les2:
            return kLes2;
        case Scene::Les3:
            return kLes3;
        case Scene::Les4:
            return kLes4;
        case Scene::Les5:
            return kLes5;
        case Scene::Les6:
            return kLes6;
        case Scene::Count:
            break;
    }
    return {};
}

}  // namespace kvarnel::standin

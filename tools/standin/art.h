// Stand-in artwork drawn by code: a small flat-illustration kit over Cairo.
//
// Every picture the stand-in content needs is painted here in one style:
// clean shapes, dark outlines, flat fills, a soft palette. Output is a
// layout::Image (0xAARRGGBB, not premultiplied, top-down) and is a pure
// function of the arguments: the same call gives the same pixels every run
// (no fonts, no clock, no randomness).
//
// Pictures bound for GIF animations or colour-keyed bitmaps are drawn on a
// crisp canvas (no antialiasing, no gradients), so they use a handful of
// exact colours; smooth canvases are for the JPEG/BMP backgrounds.
//
// Sections: Canvas · palette · scenery painters · character · face set ·
// heads in a scene (and the girl) · colours · inventory bar and items.
#pragma once

#include <cstdint>
#include <vector>

#include "layout/image.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace kvarnel::standin::art {

using layout::Image;

// A pixel rectangle; the right and bottom edges are exclusive.
struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    int right() const { return x + w; }
    int bottom() const { return y + h; }
    bool operator==(const Rect&) const = default;
};

// ---------------------------------------------------------------- Canvas

enum class Smoothing {
    Smooth,  // antialiased edges and true gradients (photographic targets)
    Crisp,   // no antialiasing, gradients drawn as a few flat bands (GIF, colour key)
};

// An ARGB drawing surface. Owns its Cairo surface and context; only cr()
// exposes Cairo. Sides must be 1 .. 16384, else std::invalid_argument.
class Canvas {
public:
    Canvas(int w, int h, uint32_t fillArgb, Smoothing smoothing = Smoothing::Smooth);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() { return cr_; }
    int width() const { return w_; }
    int height() const { return h_; }
    bool crisp() const { return smoothing_ == Smoothing::Crisp; }

    // The current pixels, un-premultiplied (fully transparent pixels become 0).
    Image image() const;
    // Replaces the pixels from (x, y) on with `img` (straight alpha), clipped.
    void paste(const Image& img, int x = 0, int y = 0);

private:
    int w_;
    int h_;
    Smoothing smoothing_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// ---------------------------------------------------------------- palette

namespace colour {
inline constexpr uint32_t kOutline = 0xFF2E2A33;
inline constexpr uint32_t kSkyTop = 0xFF8EC5E8;
inline constexpr uint32_t kSkyBottom = 0xFFDCEFF7;
inline constexpr uint32_t kGrass = 0xFF8DBF6A;
inline constexpr uint32_t kEarth = 0xFFB89A6E;
inline constexpr uint32_t kWall = 0xFFEADDC0;
inline constexpr uint32_t kRoof = 0xFFB5533C;
inline constexpr uint32_t kWood = 0xFFA8754A;
inline constexpr uint32_t kDarkWood = 0xFF7A5234;
inline constexpr uint32_t kGlass = 0xFFA9D4E6;
inline constexpr uint32_t kLeaf = 0xFF5E9E4E;
inline constexpr uint32_t kStone = 0xFFA3A19B;
inline constexpr uint32_t kCave = 0xFF3A3440;
inline constexpr uint32_t kPaper = 0xFFF2E6C9;
inline constexpr uint32_t kItemKey = 0xFFFF00FF;  // colour-key background of item pictures
}  // namespace colour

// ---------------------------------------------------------------- scenery
//
// Each painter draws its object to fill `r` (leaving a little air where the
// shape needs it) with the canvas' outline style. Outline width scales with
// the smaller side of `r` (1 .. 4 px).

void sky(Canvas& c, Rect r, uint32_t top = colour::kSkyTop, uint32_t bottom = colour::kSkyBottom);
void ground(Canvas& c, Rect r, uint32_t fill = colour::kGrass);
// Wall in the lower 60 % of r, gabled roof in the upper 40 %.
void house(Canvas& c, Rect r, uint32_t wall = colour::kWall, uint32_t roof = colour::kRoof);
void door(Canvas& c, Rect r, uint32_t fill = colour::kWood);
void window(Canvas& c, Rect r, uint32_t frame = colour::kPaper);  // four panes and a ledge
void table(Canvas& c, Rect r, uint32_t fill = colour::kWood);
void chair(Canvas& c, Rect r, uint32_t fill = colour::kWood);
void shelfWithMugs(Canvas& c, Rect r, int mugs = 3, uint32_t shelf = colour::kDarkWood);
void cabinet(Canvas& c, Rect r, uint32_t fill = colour::kWood);
void pictureFrame(Canvas& c, Rect r, uint32_t frame = colour::kDarkWood);
void tree(Canvas& c, Rect r, uint32_t crown = colour::kLeaf);  // trunk in the lower third
void bush(Canvas& c, Rect r, uint32_t fill = colour::kLeaf);
void grassTuft(Canvas& c, Rect r, uint32_t fill = colour::kLeaf);
void fence(Canvas& c, Rect r, bool withGate = false, uint32_t fill = colour::kWood);
void path(Canvas& c, Rect r, uint32_t fill = colour::kEarth);  // narrows towards the top
void stone(Canvas& c, Rect r, uint32_t fill = colour::kStone);
void caveMouth(Canvas& c, Rect r, uint32_t rock = colour::kStone);
void nestInTree(Canvas& c, Rect r, uint32_t crown = colour::kLeaf);  // the nest sits in the crown
void signBoard(Canvas& c, Rect r, uint32_t board = colour::kWood);   // a blank board on a post
// Room and building parts.
void wall(Canvas& c, Rect r, uint32_t fill = colour::kWall, bool bricks = false);
void floorBoards(Canvas& c, Rect r, uint32_t fill = colour::kWood);
void roof(Canvas& c, Rect r, uint32_t fill = colour::kRoof);  // a tiled roof, narrower at its ridge
void stripe(Canvas& c, Rect r, uint32_t fill);
void stoneWall(Canvas& c, Rect r, uint32_t fill = colour::kStone);
void cellBars(Canvas& c, Rect r, uint32_t fill = 0xFF4A4A55);
void barredWindow(Canvas& c, Rect r);
void stairs(Canvas& c, Rect r, uint32_t fill = colour::kWood);  // rising to the right
void railing(Canvas& c, Rect r, uint32_t fill = colour::kDarkWood);
void carpet(Canvas& c, Rect r, uint32_t fill = 0xFFA8443C);
// Furniture and small things.
void counter(Canvas& c, Rect r, uint32_t fill = colour::kDarkWood);
void barrel(Canvas& c, Rect r, uint32_t fill = colour::kWood);
void rockingChair(Canvas& c, Rect r, uint32_t fill = colour::kDarkWood);
void books(Canvas& c, Rect r);
void mug(Canvas& c, Rect r, uint32_t fill = 0xFFB8B8C0);
void vaseWithFlower(Canvas& c, Rect r);  // a glass vase with water, the flower above it
void pottedPlant(Canvas& c, Rect r);     // pot in the lower fifth, a thin trunk, a leafy top
void pegWithKeys(Canvas& c, Rect r);
void bowlOfDoughnuts(Canvas& c, Rect r);
void bat(Canvas& c, Rect r);
void ball(Canvas& c, Rect r);
// Outdoors.
void cloud(Canvas& c, Rect r);
void sun(Canvas& c, Rect r);
void hill(Canvas& c, Rect r, uint32_t fill = 0xFF7FAF5E);
void forestWall(Canvas& c, Rect r, uint32_t crown = 0xFF3E6A32);  // trunks and crowns filling r
// A small bird seen from the side, facing right. `wings`: 0 folded (sitting),
// 1 raised, 2 lowered (the two strokes of a wing beat).
void bird(Canvas& c, Rect r, int wings = 0);
// A village gate around `opening` (the passage): a post on each side, a
// lintel with a small gabled roof above it, both leaves swung open outside
// the posts, and through the opening the country beyond with the way out
// running off to the horizon at `horizonY`.
void villageGate(Canvas& c, Rect opening, int horizonY, uint32_t wood = colour::kWood);
// Fallback for anything without a painter of its own: a rounded panel with
// an inner border and a diamond mark, in `fill`.
void labelledThing(Canvas& c, Rect r, uint32_t fill);

// ---------------------------------------------------------------- character

struct CharacterLook {
    uint32_t skin = 0xFFF0C8A0;
    uint32_t shirt = 0xFF6C8EBF;
    uint32_t trousers = 0xFF5A5A78;
    uint32_t shoes = 0xFF5B3A29;
    uint32_t hair = 0xFF6B4A2E;
    bool beard = false;
    uint32_t eyeWhite = 0xFFFFFFFF;
    uint32_t pupil = 0xFF2E2A33;
    uint32_t lips = 0xFFC0605A;
};

// Body parts of a standing figure. "Left" and "right" are as seen on the
// screen (the figure faces the viewer).
enum class Part { Head, Eyes, Nose, Mouth, LeftEar, RightEar, Body, LeftHand, RightHand, Groin, Legs, Shoes };

// Where each part lies, as fractions of the figure's rect (x from the left
// edge, y from the top; each pair is [from, to) of the width or height):
//   Head      x .33-.67  y .02-.22   (oval, hair on its top quarter)
//   Eyes      x .39-.61  y .09-.124  (both eyes, inside Head)
//   Nose      x .48-.52  y .124-.152 (inside Head)
//   Mouth     x .43-.57  y .16-.188  (inside Head)
//   LeftEar   x .28-.33  y .096-.15  RightEar x .67-.72 (beside Head)
//   Body      x .28-.72  y .25-.55   (shirt; neck .22-.25 belongs to none)
//   LeftHand  x .12-.28  y .50-.60   RightHand x .72-.88 (sleeves above them)
//   Groin     x .36-.64  y .55-.62
//   Legs      x .30-.70  y .62-.92
//   Shoes     x .26-.74  y .92-.99
// A figure looks right with w : h near 2 : 5. The parts Head, ears, Body,
// hands, Groin, Legs and Shoes never overlap one another; the face parts lie
// inside Head and not in each other.
Rect partRect(Rect figure, Part part);
void drawCharacter(Canvas& c, Rect figure, const CharacterLook& look);

// ---------------------------------------------------------------- face set
//
// A talking head is a head picture with two small animations laid over it:
// the eyes and the mouth. headPartRect() says where, in a w x h head
// picture, the Eyes and Mouth overlays go (and Head, Nose, ears). The
// overlays are drawn at the size they are given and are opaque skin patches
// that cover the head's own eyes or mouth exactly. Head pictures have a
// transparent background. All of these are crisp (GIF-safe: no
// antialiasing, well under 255 colours).

Rect headPartRect(int w, int h, Part part);  // Head, Eyes, Nose, Mouth, LeftEar, RightEar

// Mouth openness: 0 closed, 1 slightly open, 2 open.
// Frame i of `frames` is a blink (eyes shut); the rest are open.
bool isBlinkFrame(int i, int frames);
int mouthOpenness(int i, bool talking);  // idle: mostly closed, sometimes slight; talking: 0,1,2,1 cycle

std::vector<Image> eyesFrames(int w, int h, int frames, const CharacterLook& look);
std::vector<Image> mouthFrames(int w, int h, int frames, const CharacterLook& look, bool talking);
Image headPicture(int w, int h, const CharacterLook& look);  // eyes open, mouth closed
std::vector<Image> describingHead(int w, int h, int frames, const CharacterLook& look);

// ---------------------------------------------------------------- heads in a scene
//
// A head placed in a scene: where its oval, ears and face parts lie. A
// scene's face animations are cut from the scene itself, so a character's
// head is built around the places its eye and mouth animations occupy, and
// every frame is that head drawn again in the frame's state and cropped.

struct HeadGeometry {
    Rect head, leftEar, rightEar, eyes, nose, mouth;
};

// The standard proportions inside `box` (what headPicture draws).
HeadGeometry headIn(Rect box);
// A head whose eyes lie in `eyesArea` and whose mouth lies in `mouthArea`,
// sized from their distance; the features stay inside those areas.
HeadGeometry headAround(Rect eyesArea, Rect mouthArea);
// Head, Eyes, Nose, Mouth, LeftEar or RightEar of `g`; std::invalid_argument
// for a body part.
Rect headPart(const HeadGeometry& g, Part part);

struct FaceState {
    bool eyesOpen = true;
    int mouth = 0;  // openness, as mouthOpenness()
    bool browsUp = false;
};

// Draws the head without antialiasing, even on a smooth canvas, so a crop
// of it drawn again in another state differs only in the changed feature.
void drawHeadAt(Canvas& c, const HeadGeometry& g, const CharacterLook& look, FaceState state = {});
// The standing figure whose head is `g` (feet at `floorY`), and that figure
// drawn: the body of drawCharacter() with the head `g` instead of its own.
Rect figureBelow(const HeadGeometry& g, int floorY);
void drawCharacter(Canvas& c, Rect figure, const CharacterLook& look, const HeadGeometry& head);
// One face-animation frame: `base` (a crop of the scene whose top-left
// lies at (originX, originY) in g's coordinates) with the head drawn again
// in `state`. Same size as `base`.
Image faceFrame(const Image& base, int originX, int originY, const HeadGeometry& g, const CharacterLook& look,
                FaceState state);

// A small girl standing in `figure` (w : h near 2 : 5): a big head with
// leafy hair tufts and pigtails, a dress of leaves, bare legs. `wave` lifts
// her right arm (as seen): 0 down, 1 half up, 2 up and waving.
void drawGirl(Canvas& c, Rect figure, const CharacterLook& look, int wave, FaceState face = {});

// ---------------------------------------------------------------- colours

// Brings the frames of one animation down to the 255 colours a GIF palette
// leaves beside its transparent entry, one palette shared by all frames.
// Colours are grouped on fewer and fewer bits per channel until few enough
// groups remain, each group then taking its mean colour; frames with 255
// colours or fewer are left as they are. Pixels with alpha below 128 count
// as transparent and are not touched.
void limitColours(std::vector<Image>& frames);

// ---------------------------------------------------------------- inventory

inline constexpr int kInventoryBarWidth = 1024;
inline constexpr int kInventoryBarHeight = 123;
// Seven slots, where the game puts the items: item s at window x 288 + 106 s
// and y 670, the bar itself at window x 5, y 652.
inline constexpr int kInventorySlots = 7;

// The inventory bar sliding open from the left: frame i shows the bar's
// right edge at (i + 1) / frames of the width, the rest transparent; the
// last frame is the whole bar. Crisp (GIF-safe). frames must be 1 .. 64.
std::vector<Image> inventoryBar(int frames = 9);
// The slot boxes of the fully open bar, left to right, in bar coordinates.
Rect inventorySlot(int index);
// The plate left of the slots that carries the attribute labels: a dark
// heading strip for the white "properties" label over a light field for the
// black ones.
Rect inventoryAttributePlate();

enum class Item { Knife, Rope, Baguette, Bottle, Shovel, Crowbar, Coins };
inline constexpr Item kAllItems[] = {Item::Knife,  Item::Rope,    Item::Baguette, Item::Bottle,
                                     Item::Shovel, Item::Crowbar, Item::Coins};

// An item on a colour::kItemKey background (so the bottom-left pixel is
// the transparent key), crisp and opaque; the item never uses the key.
Image itemPicture(Item item, int w = 62, int h = 64);

}  // namespace kvarnel::standin::art

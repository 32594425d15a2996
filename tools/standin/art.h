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
// inventory bar and items.
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

// ---------------------------------------------------------------- inventory

inline constexpr int kInventoryBarWidth = 1024;
inline constexpr int kInventoryBarHeight = 123;
inline constexpr int kInventorySlots = 12;

// The inventory bar sliding open from the left: frame i shows the bar's
// right edge at (i + 1) / frames of the width, the rest transparent; the
// last frame is the whole bar. Crisp (GIF-safe). frames must be 1 .. 64.
std::vector<Image> inventoryBar(int frames = 9);
// The slot boxes of the fully open bar, left to right.
Rect inventorySlot(int index);

enum class Item { Knife, Rope, Baguette, Bottle, Shovel, Crowbar, Coins };
inline constexpr Item kAllItems[] = {Item::Knife, Item::Rope,    Item::Baguette, Item::Bottle,
                                     Item::Shovel, Item::Crowbar, Item::Coins};

// An item on a colour::kItemKey background (so the bottom-left pixel is
// the transparent key), crisp and opaque; the item never uses the key.
Image itemPicture(Item item, int w = 62, int h = 64);

}  // namespace kvarnel::standin::art

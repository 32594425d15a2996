// Stand-in pictures of the main menu (`GrafikaMenu`): the items read back
// through the layout reader in the forms and sizes the menu relies on, and
// each picture, drawn where the menu draws it, shows its button inside the
// rectangle that the menu hit-tests for that button.
#include "standin/menu_art.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "layout/components.h"
#include "layout/gif_codec.h"
#include "layout/layout.h"
#include "layout/record_builder.h"

namespace {

using kvarnel::layout::CollectionItem;
using kvarnel::layout::DXImageList;
using kvarnel::layout::Image;
using kvarnel::layout::ImageListItem;
using kvarnel::layout::Layout;
using kvarnel::layout::Obj;
namespace layout = kvarnel::layout;
namespace standin = kvarnel::standin;

// The list read back through the layout reader, built once.
struct Menu {
    std::vector<CollectionItem> raw = standin::menuPictureItems();
    Layout layout = layout::buildLayout(
        Obj("TForm1", "Form1")
            .child(Obj("TDXDraw", "HlavniMenu").bounds(0, 0, 1033, 777))
            .child(Obj("TDXImageList", "GrafikaMenu").ident("DXDraw", "HlavniMenu").collection("Items", raw))
            .record());
    const std::vector<ImageListItem>& items() const { return layout.findAs<DXImageList>("GrafikaMenu")->Items; }
    const ImageListItem& item(int n) const { return items().at(static_cast<size_t>(n)); }
    const Image& image(int n) const { return item(n).Picture_.image(); }
};

const Menu& menu() {
    static const Menu kMenu;
    return kMenu;
}

const kvarnel::layout::Bytes& pictureBytes(const CollectionItem& item) {
    for (const auto& p : item.properties)
        if (p.name == "Picture.Data") return p.value.bytes;
    static const kvarnel::layout::Bytes kNone;
    return kNone;
}

uint32_t le32(std::span<const uint8_t> b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t{b[at + 3]} << 24);
}

// ---------------------------------------------------------------- geometry

// A rectangle with exclusive right and bottom edges, in surface coordinates
// (the menu surface starts at the play area's corner).
struct Box {
    int left, top, right, bottom;
    bool empty() const { return right <= left || bottom <= top; }
    bool inside(const Box& o) const { return left >= o.left && top >= o.top && right <= o.right && bottom <= o.bottom; }
    bool overlaps(const Box& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
};

std::ostream& operator<<(std::ostream& os, const Box& b) {
    return os << b.left << "," << b.top << " - " << b.right << "," << b.bottom;
}

// The menu's hit rectangles.
constexpr Box kRect1{432, 250, 581, 299};
constexpr Box kRect2{423, 310, 570, 359};
constexpr Box kRect3{426, 370, 584, 419};
constexpr Box kRect4{426, 430, 579, 479};
constexpr Box kRect5{450, 490, 550, 540};
constexpr Box kRect6{455, 550, 549, 599};
constexpr Box kRect7{600, 570, 690, 619};
constexpr Box kRect9{590, 310, 625, 336};
constexpr Box kRect10{590, 338, 625, 364};
Box knobRect(int slider) {
    return {slider, 273, slider + 34, 311};
}

constexpr Box kBackdrop{289, 101, 289 + 445, 101 + 555};
constexpr Box kPlayArea{0, 0, 1024, 768};

// The key colour of an item, or none for an opaque one.
bool isKey(const ImageListItem& item, uint32_t pixel) {
    return item.Transparent && (pixel & 0xFFFFFF) == static_cast<uint32_t>(item.TransparentColor);
}

// Where item n shows anything when drawn at (x, y): the box around its
// pixels that are not the key.
Box visibleBox(int n, int x, int y) {
    const ImageListItem& item = menu().item(n);
    const Image& img = item.Picture_.image();
    Box b{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int py = 0; py < img.height; ++py) {
        for (int px = 0; px < img.width; ++px) {
            if (isKey(item, img.at(px, py))) continue;
            b.left = std::min(b.left, x + px);
            b.top = std::min(b.top, y + py);
            b.right = std::max(b.right, x + px + 1);
            b.bottom = std::max(b.bottom, y + py + 1);
        }
    }
    return b;
}

// ---------------------------------------------------------------- items

TEST(MenuArt, ListHas59ItemsWithTheImageListProperties) {
    ASSERT_EQ(menu().raw.size(), 59u);
    ASSERT_EQ(menu().items().size(), 59u);
    const std::vector<std::string> names = {"PatternHeight", "PatternWidth", "Picture.Data",
                                            "SystemMemory",  "Transparent",  "TransparentColor"};
    const std::set<int> opaque = {0, 1, 2, 45, 48};
    for (int n = 0; n < 59; ++n) {
        SCOPED_TRACE("item " + std::to_string(n));
        std::vector<std::string> stored;
        for (const auto& p : menu().raw[static_cast<size_t>(n)].properties) stored.push_back(p.name);
        EXPECT_EQ(stored, names);
        const ImageListItem& item = menu().item(n);
        EXPECT_EQ(item.PatternWidth, 0);
        EXPECT_EQ(item.PatternHeight, 0);
        EXPECT_FALSE(item.SystemMemory);
        EXPECT_EQ(item.Transparent, !opaque.contains(n));
        if (item.Transparent) {
            EXPECT_EQ(item.TransparentColor, n == 44 ? layout::clBlack : layout::clWhite);
        }
    }
}

TEST(MenuArt, PicturesAre24BitDibsButItem2AnUnknownGifClassThatReadsEmpty) {
    for (int n = 0; n < 59; ++n) {
        if (n == 2) continue;
        SCOPED_TRACE("item " + std::to_string(n));
        const auto& rec = pictureBytes(menu().raw[static_cast<size_t>(n)]);
        EXPECT_EQ(menu().item(n).Picture_.className, "TDIB");
        EXPECT_TRUE(menu().item(n).Picture_.known);
        EXPECT_FALSE(menu().image(n).empty());
        // Class name, then the 40-byte header: bit count at 14, compression at 16.
        const size_t header = 1 + rec.at(0);
        EXPECT_EQ(le32(rec, header), 40u);
        EXPECT_EQ(rec.at(header + 14), 24);
        EXPECT_EQ(rec.at(header + 16), 0);
    }
    const ImageListItem& gifItem = menu().item(2);
    EXPECT_EQ(gifItem.Picture_.className, "TJvGIFImage");
    EXPECT_FALSE(gifItem.Picture_.known);
    EXPECT_TRUE(gifItem.Picture_.image().empty());
    // Yet the record holds a real GIF of 181 x 69 behind its byte count.
    const auto& rec = pictureBytes(menu().raw[2]);
    const size_t count = 1 + rec.at(0);
    ASSERT_EQ(le32(rec, count), rec.size() - count - 4);
    const auto gif = layout::decodeGif(std::span(rec).subspan(count + 4), 1);
    EXPECT_EQ(gif.width, 181);
    EXPECT_EQ(gif.height, 69);
}

TEST(MenuArt, SizesTheMenuRelies) {
    struct Size {
        int n, w, h;
        const char* what;
    };
    const Size sizes[] = {
        {0, 445, 555, "backdrop CZ"},         {48, 445, 555, "backdrop EN"},     {30, 303, 371, "two-player page CZ"},
        {49, 303, 371, "two-player page EN"}, {17, 347, 381, "options page CZ"}, {31, 347, 381, "options page EN"},
        {20, 34, 43, "speed knob"},
    };
    for (const Size& s : sizes) {
        EXPECT_EQ(menu().image(s.n).width, s.w) << s.what;
        EXPECT_EQ(menu().image(s.n).height, s.h) << s.what;
    }
}

// ---------------------------------------------------------------- placement

// Every button picture at the position the menu draws it, with the
// rectangle that decides clicks on it.
struct Placement {
    int n, x, y;
    Box rect;
    const char* what;
};

std::vector<Placement> buttonPlacements() {
    std::vector<Placement> p = {
        // Main page: highlighted and normal, Czech then English.
        {4, 425, 250, kRect1, "New game lit CZ"},
        {3, 432, 250, kRect1, "New game CZ"},
        {33, 417, 250, kRect1, "New game lit EN"},
        {32, 425, 250, kRect1, "New game EN"},
        {16, 405, 250, kRect1, "Back to game lit CZ"},
        {15, 415, 250, kRect1, "Back to game CZ"},
        {47, 395, 250, kRect1, "Back to game lit EN"},
        {46, 410, 250, kRect1, "Back to game EN"},
        {6, 413, 310, kRect2, "Load lit CZ"},
        {5, 423, 310, kRect2, "Load CZ"},
        {35, 423, 310, kRect2, "Load lit EN"},
        {34, 424, 310, kRect2, "Load EN"},
        {10, 420, 370, kRect3, "Save lit CZ"},
        {9, 426, 370, kRect3, "Save CZ"},
        {39, 462, 370, kRect3, "Save lit EN"},
        {38, 464, 370, kRect3, "Save EN"},
        {12, 420, 430, kRect4, "Options lit CZ"},
        {11, 426, 430, kRect4, "Options CZ"},
        {41, 437, 430, kRect4, "Options lit EN"},
        {40, 445, 430, kRect4, "Options EN"},
        {14, 445, 490, kRect5, "Credits lit CZ"},
        {13, 450, 490, kRect5, "Credits CZ"},
        {43, 444, 490, kRect5, "Credits lit EN"},
        {42, 452, 490, kRect5, "Credits EN"},
        {8, 452, 550, kRect6, "Exit lit CZ"},
        {7, 455, 550, kRect6, "Exit CZ"},
        {37, 461, 550, kRect6, "Exit lit EN"},
        {36, 465, 550, kRect6, "Exit EN"},
        // Choice page.
        {27, 375, 250, kRect1, "story lit CZ"},
        {26, 395, 250, kRect1, "story CZ"},
        {56, 375, 250, kRect1, "story lit EN"},
        {55, 395, 250, kRect1, "story EN"},
        {29, 360, 310, kRect2, "two players lit CZ"},
        {28, 380, 310, kRect2, "two players CZ"},
        {58, 385, 310, kRect2, "two players lit EN"},
        {57, 410, 310, kRect2, "two players EN"},
        // OK on the options and two-player pages.
        {19, 580, 570, kRect7, "OK lit"},
        {18, 582, 570, kRect7, "OK"},
    };
    // The switches, each picture at both switch positions.
    for (int n : {21, 22, 50, 51}) {
        p.push_back({n, 590, 310, kRect9, "music switch"});
        p.push_back({n, 590, 338, kRect10, "sound switch"});
    }
    // The knob at both ends of its run and at its start value.
    for (int slider : {400, 470, 573}) p.push_back({20, slider, 273, knobRect(slider), "knob"});
    return p;
}

TEST(MenuArt, EveryButtonShowsInsideItsHitRectangle) {
    for (const Placement& p : buttonPlacements()) {
        SCOPED_TRACE(std::string(p.what) + " (item " + std::to_string(p.n) + ")");
        const Box face = visibleBox(p.n, p.x, p.y);
        ASSERT_FALSE(face.empty());
        EXPECT_TRUE(face.inside(p.rect)) << "shows at " << face << ", clicks count in " << p.rect;
        // And fills most of it, so the player sees where to click.
        const int rectW = p.rect.right - p.rect.left, rectH = p.rect.bottom - p.rect.top;
        EXPECT_GE((face.right - face.left) * 2, rectW) << face;
        EXPECT_GE((face.bottom - face.top) * 10, rectH * 8) << face;
    }
}

TEST(MenuArt, OverlaysLieOnTheBackdropAndClearOfEachOther) {
    for (const Placement& p : buttonPlacements()) {
        EXPECT_TRUE(visibleBox(p.n, p.x, p.y).inside(kBackdrop)) << p.what;
    }
    struct Overlay {
        int n, x, y;
        const char* what;
    };
    const Overlay pages[] = {
        {17, 365, 220, "options page CZ"},
        {31, 365, 220, "options page EN"},
        {30, 365, 220, "two-player page CZ"},
        {49, 365, 220, "two-player page EN"},
        {23, 410, 320, "slow CZ"},
        {24, 410, 320, "medium CZ"},
        {25, 410, 320, "fast CZ"},
        {54, 410, 320, "slow EN"},
        {53, 410, 320, "medium EN"},
        {52, 410, 320, "fast EN"},
    };
    for (const Overlay& o : pages) {
        const Box b = visibleBox(o.n, o.x, o.y);
        ASSERT_FALSE(b.empty()) << o.what;
        EXPECT_TRUE(b.inside(kBackdrop)) << o.what << " at " << b;
    }
    // The speed word, the knob's run and the two switches share the
    // options page without covering one another.
    const Box knobRun{400, 273, 573 + 34, 311};
    for (int word : {23, 24, 25, 52, 53, 54}) {
        const Box b = visibleBox(word, 410, 320);
        EXPECT_FALSE(b.overlaps(knobRun)) << "word " << word << " at " << b;
        EXPECT_FALSE(b.overlaps(kRect9)) << "word " << word << " at " << b;
        EXPECT_FALSE(b.overlaps(kRect10)) << "word " << word << " at " << b;
    }
    // The maker's logo and the badge sit in the corners, on screen and off
    // the backdrop.
    for (const Overlay& o : {Overlay{44, 5, 710, "maker's logo"}, Overlay{45, 841, 697, "badge"}}) {
        const Box b = visibleBox(o.n, o.x, o.y);
        ASSERT_FALSE(b.empty()) << o.what;
        EXPECT_TRUE(b.inside(kPlayArea)) << o.what << " at " << b;
        EXPECT_FALSE(b.overlaps(kBackdrop)) << o.what << " at " << b;
    }
}

// A keyed picture's edge is cut at the key, so any light, half-covered
// pixel along it would show as a halo on the dark menu.
TEST(MenuArt, WhiteKeyedPicturesHaveNoLightFringe) {
    for (int n = 0; n < 59; ++n) {
        const ImageListItem& item = menu().item(n);
        if (!item.Transparent || item.TransparentColor != layout::clWhite) continue;
        const Image& img = item.Picture_.image();
        int fringe = 0;
        for (int y = 0; y < img.height; ++y) {
            for (int x = 0; x < img.width; ++x) {
                const uint32_t p = img.at(x, y);
                if (isKey(item, p)) continue;
                const bool edge =
                    (x > 0 && isKey(item, img.at(x - 1, y))) || (x + 1 < img.width && isKey(item, img.at(x + 1, y))) ||
                    (y > 0 && isKey(item, img.at(x, y - 1))) || (y + 1 < img.height && isKey(item, img.at(x, y + 1)));
                const int light = ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
                if (edge && light > 3 * 160) ++fringe;
            }
        }
        EXPECT_EQ(fringe, 0) << "item " << n;
    }
}

// Each language and each state has a picture of its own: a copied item
// would show the wrong language or no highlight.
TEST(MenuArt, LanguagesAndHighlightsDiffer) {
    struct Pair {
        int a, b;
        const char* what;
    };
    const Pair pairs[] = {
        {0, 48, "backdrop"},
        {3, 32, "New game"},
        {15, 46, "Back to game"},
        {5, 34, "Load"},
        {9, 38, "Save"},
        {11, 40, "Options"},
        {13, 42, "Credits"},
        {7, 36, "Exit"},
        {26, 55, "story"},
        {28, 57, "two players"},
        {30, 49, "two-player page"},
        {17, 31, "options page"},
        {21, 50, "switch on"},
        {22, 51, "switch off"},
        {23, 54, "slow"},
        {24, 53, "medium"},
        {25, 52, "fast"},
        {3, 4, "New game lit"},
        {32, 33, "New game lit EN"},
        {15, 16, "Back lit"},
        {5, 6, "Load lit"},
        {9, 10, "Save lit"},
        {11, 12, "Options lit"},
        {13, 14, "Credits lit"},
        {7, 8, "Exit lit"},
        {26, 27, "story lit"},
        {28, 29, "two players lit"},
        {18, 19, "OK lit"},
        {21, 22, "on and off"},
        {50, 51, "on and off EN"},
        {23, 24, "slow and medium"},
        {24, 25, "medium and fast"},
    };
    for (const Pair& p : pairs) EXPECT_NE(menu().image(p.a), menu().image(p.b)) << p.what;
}

TEST(MenuArt, SameItemsOnEveryCall) {
    const std::vector<CollectionItem> again = standin::menuPictureItems();
    ASSERT_EQ(again.size(), menu().raw.size());
    for (size_t n = 0; n < again.size(); ++n) {
        EXPECT_EQ(pictureBytes(again[n]), pictureBytes(menu().raw[n])) << "item " << n;
    }
}

}  // namespace

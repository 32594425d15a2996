// The stand-in pictures of the main menu.
//
// [SECTION] Where the menu draws and what it hit-tests
// [SECTION] Drawing helpers: colours, shapes, words
// [SECTION] Backdrop, maker's logo, badge, the two unused pictures
// [SECTION] Signboard buttons
// [SECTION] Two-player page, options page, knob, switches, speed words
// [SECTION] The image-list items
#include "standin/menu_art.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "layout/bitmap_codec.h"
#include "layout/gif_codec.h"
#include "layout/picture_record.h"
#include "layout/record_builder.h"
#include "standin/art.h"
#include "standin/pen.h"

namespace kvarnel::standin {
namespace {

using pen::fillStroke;
using pen::line;
using pen::roundedRectPath;
using pen::setColour;

using art::Canvas;
using art::Rect;
using layout::Image;

// ---------------------------------------------------------------------------
// [SECTION] Where the menu draws and what it hit-tests
// ---------------------------------------------------------------------------
// The menu surface covers the play area from its top-left corner, so these
// are both surface and play-area coordinates. Hit rectangles are the ones
// start-up computes (right and bottom exclusive).
struct HitRect {
    int left, top, right, bottom;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};
constexpr HitRect kStoryRect{432, 250, 581, 299};  // button 1; choice page: story
constexpr HitRect kLoadRect{423, 310, 570, 359};   // Load; choice page: two-player game
constexpr HitRect kSaveRect{426, 370, 584, 419};
constexpr HitRect kOptionsRect{426, 430, 579, 479};
constexpr HitRect kCreditsRect{450, 490, 550, 540};
constexpr HitRect kExitRect{455, 550, 549, 599};
constexpr HitRect kOkRect{600, 570, 690, 619};  // options page and two-player page
constexpr HitRect kMusicRect{590, 310, 625, 336};
constexpr HitRect kSoundRect{590, 338, 625, 364};

constexpr int kBackdropW = 445, kBackdropH = 555;  // drawn at 289,101
constexpr int kPageX = 365, kPageY = 220;          // both the options page and the two-player page
constexpr int kOptionsW = 347, kOptionsH = 381;
constexpr int kBonusPageW = 303, kBonusPageH = 371;
constexpr int kKnobW = 34, kKnobH = 43, kKnobY = 273, kKnobMinX = 400, kKnobMaxX = 573;
constexpr int kKnobHitH = 38;                       // the knob's hit rectangle is 38 rows, the picture 43
constexpr int kSpeedWordW = 160, kSpeedWordH = 26;  // drawn at 410,320, left of the switches
constexpr int kLogoW = 200, kLogoH = 54;
constexpr int kBadgeW = 176, kBadgeH = 64;
constexpr int kGifW = 181, kGifH = 69;

enum class Lang { Cz, En };

struct Text {
    std::string_view cz;
    std::string_view en;
    std::string_view in(Lang l) const { return l == Lang::Cz ? cz : en; }
};

// A button as the menu draws it: one hit rectangle, a normal and a
// highlighted picture per language, each with the item number and the x at
// which the menu draws it (always at the rectangle's top).
enum class Sign { Plank, Title, Ok };
struct ButtonArt {
    HitRect rect;
    Text caption;
    Sign sign;
    int itemCz, itemCzLit, itemEn, itemEnLit;
    int xCz, xCzLit, xEn, xEnLit;
};

constexpr ButtonArt kButtons[] = {
    {.rect = kStoryRect,
     .caption = {.cz = "Nová hra", .en = "New game"},
     .sign = Sign::Plank,
     .itemCz = 3,
     .itemCzLit = 4,
     .itemEn = 32,
     .itemEnLit = 33,
     .xCz = 432,
     .xCzLit = 425,
     .xEn = 425,
     .xEnLit = 417},
    {.rect = kStoryRect,
     .caption = {.cz = "Zpět do hry", .en = "Back to game"},
     .sign = Sign::Plank,
     .itemCz = 15,
     .itemCzLit = 16,
     .itemEn = 46,
     .itemEnLit = 47,
     .xCz = 415,
     .xCzLit = 405,
     .xEn = 410,
     .xEnLit = 395},
    {.rect = kLoadRect,
     .caption = {.cz = "Nahrát", .en = "Load"},
     .sign = Sign::Plank,
     .itemCz = 5,
     .itemCzLit = 6,
     .itemEn = 34,
     .itemEnLit = 35,
     .xCz = 423,
     .xCzLit = 413,
     .xEn = 424,
     .xEnLit = 423},
    {.rect = kSaveRect,
     .caption = {.cz = "Uložit", .en = "Save"},
     .sign = Sign::Plank,
     .itemCz = 9,
     .itemCzLit = 10,
     .itemEn = 38,
     .itemEnLit = 39,
     .xCz = 426,
     .xCzLit = 420,
     .xEn = 464,
     .xEnLit = 462},
    {.rect = kOptionsRect,
     .caption = {.cz = "Nastavení", .en = "Options"},
     .sign = Sign::Plank,
     .itemCz = 11,
     .itemCzLit = 12,
     .itemEn = 40,
     .itemEnLit = 41,
     .xCz = 426,
     .xCzLit = 420,
     .xEn = 445,
     .xEnLit = 437},
    {.rect = kCreditsRect,
     .caption = {.cz = "Titulky", .en = "Credits"},
     .sign = Sign::Plank,
     .itemCz = 13,
     .itemCzLit = 14,
     .itemEn = 42,
     .itemEnLit = 43,
     .xCz = 450,
     .xCzLit = 445,
     .xEn = 452,
     .xEnLit = 444},
    {.rect = kExitRect,
     .caption = {.cz = "Konec", .en = "Exit"},
     .sign = Sign::Plank,
     .itemCz = 7,
     .itemCzLit = 8,
     .itemEn = 36,
     .itemEnLit = 37,
     .xCz = 455,
     .xCzLit = 452,
     .xEn = 465,
     .xEnLit = 461},
    // The choice page: the story under the game's title, and the two-player game.
    {.rect = kStoryRect,
     .caption = {.cz = "příběh", .en = "the story"},
     .sign = Sign::Title,
     .itemCz = 26,
     .itemCzLit = 27,
     .itemEn = 55,
     .itemEnLit = 56,
     .xCz = 395,
     .xCzLit = 375,
     .xEn = 395,
     .xEnLit = 375},
    {.rect = kLoadRect,
     .caption = {.cz = "Hra pro dva", .en = "Two players"},
     .sign = Sign::Plank,
     .itemCz = 28,
     .itemCzLit = 29,
     .itemEn = 57,
     .itemEnLit = 58,
     .xCz = 380,
     .xCzLit = 360,
     .xEn = 410,
     .xEnLit = 385},
    // One pair for both languages.
    {.rect = kOkRect,
     .caption = {.cz = "OK", .en = "OK"},
     .sign = Sign::Ok,
     .itemCz = 18,
     .itemCzLit = 19,
     .itemEn = 18,
     .itemEnLit = 19,
     .xCz = 582,
     .xCzLit = 580,
     .xEn = 582,
     .xEnLit = 580},
};

constexpr std::string_view kGameTitle = "Kvarnel";
constexpr std::string_view kMakerName = "Quillmoth";

// ---------------------------------------------------------------------------
// [SECTION] Drawing helpers: colours, shapes, words
// ---------------------------------------------------------------------------
constexpr double kPi = 3.14159265358979323846;
constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kBlack = 0xFF000000;
constexpr uint32_t kOutline = art::colour::kOutline;
constexpr uint32_t kBoard = 0xFF7A5234;     // signboard wood
constexpr uint32_t kBoardLit = 0xFF8C6139;  // the same board under the lantern
constexpr uint32_t kGrain = 0xFF684428;
constexpr uint32_t kCream = 0xFFF6E7C1;   // words on a board
constexpr uint32_t kYellow = 0xFFFFD84A;  // highlight
constexpr uint32_t kParchment = 0xFFEFE0BC;
constexpr uint32_t kParchmentEdge = 0xFFD9C398;
constexpr uint32_t kInk = 0xFF4A3220;
constexpr uint32_t kNightTop = 0xFF0A1230;
constexpr uint32_t kNightLow = 0xFF22386A;
constexpr uint32_t kWindowLight = 0xFFF2C94C;

void disc(cairo_t* cr, double cx, double cy, double r, uint32_t fill) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    setColour(cr, fill);
    cairo_fill(cr);
}

enum class Family { Sans, Serif };
struct TextStyle {
    double size = 16;
    uint32_t colour = kInk;
    bool bold = true;
    Family family = Family::Sans;
    uint32_t shadow = 0;  // 0: none; else drawn one pixel down and right
    bool smooth = true;   // false for pictures that must keep to a few colours
};

void selectFont(cairo_t* cr, const TextStyle& st, double size) {
    cairo_select_font_face(cr, st.family == Family::Serif ? "DejaVu Serif" : "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           st.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    // Unhinted grey antialiasing: the same outlines on every screen type.
    cairo_font_options_t* o = cairo_font_options_create();
    cairo_font_options_set_antialias(o, st.smooth ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, o);
    cairo_font_options_destroy(o);
}

// Draws `s` with its left edge at x (or centred on x), shrunk to `maxWidth`
// when it would be wider. The baseline is given, so lines of one block keep
// their spacing whatever their accents.
void words(cairo_t* cr, std::string_view s, double x, double baseline, const TextStyle& st, double maxWidth,
           bool centred) {
    const std::string str(s);
    selectFont(cr, st, st.size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, str.c_str(), &e);
    if (maxWidth > 0 && e.x_advance > maxWidth) {
        selectFont(cr, st, st.size * maxWidth / e.x_advance);
        cairo_text_extents(cr, str.c_str(), &e);
    }
    const double left = centred ? x - e.x_advance / 2 : x;
    if (st.shadow != 0) {
        setColour(cr, st.shadow);
        cairo_move_to(cr, left + 1, baseline + 1);
        cairo_show_text(cr, str.c_str());
    }
    setColour(cr, st.colour);
    cairo_move_to(cr, left, baseline);
    cairo_show_text(cr, str.c_str());
}

void centred(cairo_t* cr, std::string_view s, double cx, double baseline, const TextStyle& st, double maxWidth = 0) {
    words(cr, s, cx, baseline, st, maxWidth, true);
}
void leftAligned(cairo_t* cr, std::string_view s, double x, double baseline, const TextStyle& st, double maxWidth = 0) {
    words(cr, s, x, baseline, st, maxWidth, false);
}

// Keyed pictures are drawn on a clear canvas and then flattened: what is
// less than half covered becomes the key colour, the rest becomes opaque in
// its own colour. A smoothed edge drawn straight onto a white key would
// leave a ring of near-white pixels that the key misses, a halo on the dark
// menu; flattening the coverage instead cuts a clean silhouette. A drawn
// pixel that happens to be the key colour is nudged off it so it still shows.
constexpr uint32_t kClear = 0x00000000;

Image keyed(const Canvas& c, uint32_t key) {
    Image img = c.image();
    for (uint32_t& p : img.pixels) {
        if ((p >> 24) < 128) {
            p = key;
        } else {
            p |= 0xFF000000u;
            if (p == key) p = key == kWhite ? 0xFFFEFEFE : 0xFF010101;
        }
    }
    return img;
}

// A magnifying glass lying from lower left (handle) to upper right (lens).
void magnifier(cairo_t* cr, double cx, double cy, double r, double lw) {
    line(cr, cx - r * 0.7, cy + r * 0.7, cx - r * 1.9, cy + r * 1.9, lw * 3, kOutline);
    line(cr, cx - r * 0.75, cy + r * 0.75, cx - r * 1.85, cy + r * 1.85, lw * 1.8, art::colour::kDarkWood);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    setColour(cr, 0xC0A9D4E6);
    cairo_fill_preserve(cr);
    setColour(cr, 0xFFC9A13B);
    cairo_set_line_width(cr, lw * 2);
    cairo_stroke(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r + lw, 0, 2 * kPi);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, lw * 0.8);
    cairo_stroke(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r * 0.6, -2.6, -1.9);
    setColour(cr, 0xFFF4FAFF);
    cairo_set_line_width(cr, lw);
    cairo_stroke(cr);
}

// A five-pointed star centred on (cx, cy).
void starPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points) {
    for (int i = 0; i < points * 2; ++i) {
        const double a = -kPi / 2 + i * kPi / points;
        const double r = (i % 2 == 0) ? outer : inner;
        if (i == 0) {
            cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        } else {
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        }
    }
    cairo_close_path(cr);
}

// ---------------------------------------------------------------------------
// [SECTION] Backdrop, maker's logo, badge, the two unused pictures
// ---------------------------------------------------------------------------
// A fixed pseudo-random sequence for the stars, so every build scatters
// them alike.
struct StarField {
    uint32_t state = 0x2545F491u;
    double next() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / 16777216.0;
    }
};

// A hanging wooden board with the title in it, as wide as `r`.
void titleBoard(cairo_t* cr, Rect r, std::string_view subtitle) {
    // Two chains up to the top edge.
    for (double fx : {0.18, 0.82}) {
        const double x = r.x + r.w * fx;
        for (double y = 0; y < r.y + 4; y += 6) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, x, y + 3, 2.5, 0, 2 * kPi);
            setColour(cr, 0xFF8D8A96);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
    }
    roundedRectPath(cr, r.x, r.y, r.w, r.h, 12);
    fillStroke(cr, 0xFF6B4528, 3);
    roundedRectPath(cr, r.x + 7, r.y + 7, r.w - 14, r.h - 14, 8);
    setColour(cr, 0xFF8A5E36);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int i = 0; i < 3; ++i) {
        const double y = r.y + 22 + i * 24;
        line(cr, r.x + 16, y, r.x + r.w - 16, y + (i % 2 ? 2 : -1), 1, 0xFF5E3C22);
    }
    for (double fx : {0.18, 0.82}) disc(cr, r.x + r.w * fx, r.y + 9, 3, 0xFFB8B0A0);
    magnifier(cr, r.x + 46, r.y + r.h * 0.42, 15, 2);
    magnifier(cr, r.x + r.w - 30, r.y + r.h * 0.42, 15, 2);
    centred(cr, kGameTitle, r.x + r.w / 2.0, r.y + 54,
            {.size = 44, .colour = kYellow, .family = Family::Serif, .shadow = kOutline}, r.w - 140);
    centred(cr, subtitle, r.x + r.w / 2.0, r.y + r.h - 14,
            {.size = 15, .colour = kCream, .bold = false, .shadow = kOutline}, r.w - 140);
}

void nightHouse(Canvas& c, Rect r, uint32_t wall, uint32_t roof, bool twoWindows) {
    art::house(c, r, wall, roof);
    cairo_t* cr = c.cr();
    const double wy = r.y + r.h * 0.55;
    const double ww = r.w * 0.16, wh = r.h * 0.18;
    const double xs[] = {r.x + r.w * 0.22, r.x + r.w * 0.62};
    for (int i = 0; i < (twoWindows ? 2 : 1); ++i) {
        cairo_rectangle(cr, xs[i], wy, ww, wh);
        fillStroke(cr, kWindowLight, 1.5);
        line(cr, xs[i] + ww / 2, wy, xs[i] + ww / 2, wy + wh, 1, 0xFFB08A30);
    }
}

// The menu's backdrop: a night village under a hanging title board, framed
// as a panel, with a post down the middle that the signboard buttons hang on.
Image backdrop(Lang lang) {
    Canvas c(kBackdropW, kBackdropH, kBlack);
    cairo_t* cr = c.cr();
    const int w = kBackdropW, h = kBackdropH;
    art::sky(c, {0, 0, w, h}, kNightTop, kNightLow);

    StarField stars;
    for (int i = 0; i < 90; ++i) {
        const double x = 8 + stars.next() * (w - 16);
        const double y = 8 + stars.next() * (h * 0.68);
        const double r = 0.6 + stars.next() * 1.1;
        disc(cr, x, y, r, i % 7 == 0 ? 0xFFFFF2B0 : 0xFFE8EEFF);
    }
    // A crescent moon, right under the title board: the disc less an
    // offset disc, cut out by clipping.
    cairo_save(cr);
    cairo_arc(cr, 388, 156, 24, 0, 2 * kPi);
    cairo_clip(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 399, 148, 21, 0, 2 * kPi);
    setColour(cr, 0xFFF6E9B0);
    cairo_fill(cr);
    cairo_restore(cr);

    // Hills, then the village.
    cairo_move_to(cr, 0, 420);
    cairo_curve_to(cr, 90, 370, 180, 380, 250, 410);
    cairo_curve_to(cr, 320, 385, 390, 370, w, 400);
    cairo_line_to(cr, w, h);
    cairo_line_to(cr, 0, h);
    cairo_close_path(cr);
    fillStroke(cr, 0xFF1B2C40, 2);
    art::forestWall(c, {0, 400, 90, 70}, 0xFF1E3A2C);
    art::forestWall(c, {350, 395, 95, 75}, 0xFF1E3A2C);
    nightHouse(c, {8, 430, 110, 100}, 0xFF46506E, 0xFF5A3440, true);
    nightHouse(c, {96, 462, 70, 70}, 0xFF3E4866, 0xFF4A3048, false);
    nightHouse(c, {318, 440, 120, 92}, 0xFF46506E, 0xFF5A3440, true);
    art::tree(c, {284, 448, 50, 84}, 0xFF2E5A3A);
    cairo_rectangle(cr, 0, 528, w, h - 528);
    fillStroke(cr, 0xFF23301F, 2);

    // The post, from under the title board into the ground, with a lantern.
    cairo_rectangle(cr, 205, 96, 16, 440);
    fillStroke(cr, art::colour::kDarkWood, 2);
    line(cr, 210, 110, 210, 520, 1, kGrain);
    cairo_rectangle(cr, 195, 530, 36, 8);
    fillStroke(cr, art::colour::kDarkWood, 2);

    titleBoard(cr, {36, 14, w - 72, 86}, Text{.cz = "Detektivní příběh", .en = "A detective story"}.in(lang));

    // The panel's frame.
    roundedRectPath(cr, 3, 3, w - 6, h - 6, 14);
    setColour(cr, 0xFF3A5590);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    roundedRectPath(cr, 1, 1, w - 2, h - 2, 15);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    return c.image();
}

// The maker's logo, keyed on black: a moth with a quill, and the name.
Image makerLogo() {
    Canvas c(kLogoW, kLogoH, kBlack);
    cairo_t* cr = c.cr();
    const double cx = 28, cy = 27;
    // Wings: a large upper and a small lower pair.
    for (int side : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, side, 1);
        cairo_move_to(cr, 2, -2);
        cairo_curve_to(cr, 10, -22, 26, -20, 24, -8);
        cairo_curve_to(cr, 22, 0, 10, 2, 2, 2);
        cairo_close_path(cr);
        fillStroke(cr, 0xFFD8C9A6, 1.5, 0xFF8E7F66);
        cairo_move_to(cr, 2, 2);
        cairo_curve_to(cr, 14, 4, 20, 14, 12, 19);
        cairo_curve_to(cr, 6, 21, 3, 12, 2, 4);
        cairo_close_path(cr);
        fillStroke(cr, 0xFFC2B08A, 1.5, 0xFF8E7F66);
        disc(cr, 14, -10, 3, 0xFF8E7F66);
        cairo_restore(cr);
    }
    cairo_move_to(cr, cx, cy - 9);
    cairo_line_to(cr, cx, cy + 16);
    setColour(cr, 0xFF6E5E48);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    line(cr, cx - 1, cy - 9, cx - 7, cy - 19, 1.2, 0xFFD8C9A6);
    line(cr, cx + 1, cy - 9, cx + 7, cy - 19, 1.2, 0xFFD8C9A6);
    // The quill under the name.
    cairo_move_to(cr, 58, 46);
    cairo_curve_to(cr, 100, 36, 150, 38, 192, 30);
    cairo_curve_to(cr, 160, 46, 110, 50, 58, 46);
    cairo_close_path(cr);
    fillStroke(cr, 0xFFB9C4D6, 1, 0xFF7B879A);
    leftAligned(cr, kMakerName, 58, 32, {.size = 24, .colour = 0xFFE9DDBE, .family = Family::Serif}, kLogoW - 62);
    // Drawn over black, as the menu shows it: smoothed edges fade into the
    // key colour instead of leaving a fringe.
    return c.image();
}

// A detective's badge: a star with a magnifying glass beside it.
Image badge() {
    Canvas c(kBadgeW, kBadgeH, kBlack);
    cairo_t* cr = c.cr();
    starPath(cr, 34, 33, 29, 14, 6);
    fillStroke(cr, 0xFFD9A93B, 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 34, 33, 11, 0, 2 * kPi);
    fillStroke(cr, 0xFFF2D27A, 1.5);
    starPath(cr, 34, 33, 7, 3, 5);
    setColour(cr, 0xFFB07E22);
    cairo_fill(cr);
    for (int i = 0; i < 6; ++i) {
        const double a = -kPi / 2 + i * kPi / 3;
        disc(cr, 34 + 27 * std::cos(a), 33 + 27 * std::sin(a), 2.5, 0xFFF2D27A);
    }
    magnifier(cr, 140, 22, 15, 2);
    centred(cr, kGameTitle, 118, 58, {.size = 15, .colour = 0xFFD9A93B, .family = Family::Serif}, 100);
    return c.image();
}

// Items 1 and 2 are never drawn by the menu. They hold a small title plate:
// item 1 as a bitmap, item 2 as a GIF (one frame, few colours).
Image titlePlate(bool crisp) {
    Canvas c(kGifW, kGifH, kNightTop, crisp ? art::Smoothing::Crisp : art::Smoothing::Smooth);
    cairo_t* cr = c.cr();
    roundedRectPath(cr, 6, 8, kGifW - 12, kGifH - 16, 8);
    fillStroke(cr, kBoard, 2);
    centred(cr, kGameTitle, kGifW / 2.0, 45, {.size = 30, .colour = kYellow, .family = Family::Serif, .smooth = !crisp},
            kGifW - 30);
    return c.image();
}

// ---------------------------------------------------------------------------
// [SECTION] Signboard buttons
// ---------------------------------------------------------------------------
// Air between a board and the edges of its hit rectangle.
constexpr int kBoardInsetX = 2;
constexpr int kBoardInsetY = 3;

// The board of a button, in surface coordinates: centred in the hit
// rectangle, and never left of where the menu draws either picture, so that
// the normal and the highlighted sign are the same board.
Rect boardOf(const ButtonArt& b, Lang lang) {
    const int drawnAt = lang == Lang::Cz ? std::max(b.xCz, b.xCzLit) : std::max(b.xEn, b.xEnLit);
    const int left = std::max(b.rect.left + kBoardInsetX, drawnAt);
    const int right = b.rect.left + b.rect.right - left;  // mirrored about the centre
    return {left, b.rect.top + kBoardInsetY, right - left, b.rect.height() - 2 * kBoardInsetY};
}

void plank(cairo_t* cr, Rect r, bool lit) {
    roundedRectPath(cr, r.x + 1, r.y + 1, r.w - 2, r.h - 2, 7);
    fillStroke(cr, lit ? kBoardLit : kBoard, 2);
    cairo_save(cr);
    roundedRectPath(cr, r.x + 2, r.y + 2, r.w - 4, r.h - 4, 6);
    cairo_clip(cr);
    for (int i = 1; i <= 3; ++i) {
        const double y = r.y + r.h * i / 4.0;
        line(cr, r.x + 4, y, r.x + r.w - 4, y + (i == 2 ? 1.5 : -1), 1, kGrain);
    }
    if (lit) {
        roundedRectPath(cr, r.x + 4, r.y + 4, r.w - 8, r.h - 8, 5);
        setColour(cr, kYellow);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    for (double x : {r.x + 8.0, r.x + r.w - 8.0}) {
        disc(cr, x, r.y + r.h / 2.0, 2.6, kOutline);
        disc(cr, x - 0.5, r.y + r.h / 2.0 - 0.5, 1.6, 0xFFB8B0A0);
    }
}

Image buttonPicture(const ButtonArt& b, Lang lang, bool lit) {
    const int drawnAt = lang == Lang::Cz ? (lit ? b.xCzLit : b.xCz) : (lit ? b.xEnLit : b.xEn);
    const Rect board = boardOf(b, lang);
    const int margin = board.x - drawnAt;  // the same air on the right keeps the board centred
    const int w = board.w + 2 * margin;
    const int h = b.rect.height();
    Canvas c(w, h, kClear);
    cairo_t* cr = c.cr();
    const Rect r{margin, board.y - b.rect.top, board.w, board.h};
    plank(cr, r, lit);
    const uint32_t ink = lit ? kYellow : kCream;
    const double cx = r.x + r.w / 2.0;
    const double room = r.w - 30;  // clear of the nails
    switch (b.sign) {
        case Sign::Plank:
        case Sign::Ok:
            centred(cr, b.caption.in(lang), cx, r.y + r.h / 2.0 + 7, {.size = 19, .colour = ink, .shadow = kOutline},
                    room);
            break;
        case Sign::Title:
            centred(cr, kGameTitle, cx, r.y + 22,
                    {.size = 21, .colour = ink, .family = Family::Serif, .shadow = kOutline}, room);
            centred(cr, b.caption.in(lang), cx, r.y + 35, {.size = 12, .colour = kCream, .bold = false}, room);
            break;
    }
    return keyed(c, kWhite);
}

// ---------------------------------------------------------------------------
// [SECTION] Two-player page, options page, knob, switches, speed words
// ---------------------------------------------------------------------------
// A parchment sheet filling a w x h picture keyed on white.
void parchment(cairo_t* cr, int w, int h) {
    roundedRectPath(cr, 1, 1, w - 2, h - 2, 12);
    fillStroke(cr, kParchment, 2, kInk);
    roundedRectPath(cr, 8, 8, w - 16, h - 16, 8);
    setColour(cr, kParchmentEdge);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (auto [x, y] :
         {std::pair{8.0, 8.0}, std::pair{w - 8.0, 8.0}, std::pair{8.0, h - 8.0}, std::pair{w - 8.0, h - 8.0}}) {
        disc(cr, x, y, 3, kParchmentEdge);
    }
}

void divider(cairo_t* cr, double x0, double x1, double y) {
    line(cr, x0, y, x1, y, 1.5, kParchmentEdge);
    disc(cr, (x0 + x1) / 2, y, 3, kParchmentEdge);
}

// A key cap with a letter, or an arrow when `arrow` is -1 (left) or 1 (right).
void keyCap(cairo_t* cr, double x, double y, std::string_view letter, int arrow) {
    roundedRectPath(cr, x, y + 2, 30, 28, 5);
    setColour(cr, 0xFFB9AE98);
    cairo_fill(cr);
    roundedRectPath(cr, x, y, 30, 28, 5);
    fillStroke(cr, 0xFFFAF4E4, 1.5, kInk);
    if (arrow == 0) {
        centred(cr, letter, x + 15, y + 20, {.size = 15, .colour = kInk});
        return;
    }
    const double cx = x + 15, cy = y + 14;
    cairo_move_to(cr, cx + 8 * arrow, cy);
    cairo_line_to(cr, cx - 2 * arrow, cy - 7);
    cairo_line_to(cr, cx - 2 * arrow, cy - 3);
    cairo_line_to(cr, cx - 8 * arrow, cy - 3);
    cairo_line_to(cr, cx - 8 * arrow, cy + 3);
    cairo_line_to(cr, cx - 2 * arrow, cy + 3);
    cairo_line_to(cr, cx - 2 * arrow, cy + 7);
    cairo_close_path(cr);
    setColour(cr, kInk);
    cairo_fill(cr);
}

struct KeyRow {
    Text player;
    std::string_view leftKey, rightKey;  // empty: the arrow keys
};

// The two-player game's page: who plays with which keys, and the rules.
Image bonusPage(Lang lang) {
    Canvas c(kBonusPageW, kBonusPageH, kClear);
    cairo_t* cr = c.cr();
    parchment(cr, kBonusPageW, kBonusPageH);
    const double mid = kBonusPageW / 2.0;
    centred(cr, Text{.cz = "Hra pro dva", .en = "Two players"}.in(lang), mid, 40, {.size = 24, .colour = kInk},
            kBonusPageW - 40);
    divider(cr, 30, kBonusPageW - 30, 54);

    const KeyRow rows[] = {
        {.player = {.cz = "Hráč 1 (nahoře)", .en = "Player 1 (top)"}, .leftKey = "A", .rightKey = "S"},
        {.player = {.cz = "Hráč 2 (dole)", .en = "Player 2 (bottom)"}, .leftKey = "", .rightKey = ""},
    };
    const Text leftWord{.cz = "vlevo", .en = "left"}, rightWord{.cz = "vpravo", .en = "right"};
    double y = 82;
    for (const KeyRow& row : rows) {
        leftAligned(cr, row.player.in(lang), 26, y, {.size = 15, .colour = kInk}, kBonusPageW - 52);
        const double ky = y + 10;
        keyCap(cr, 34, ky, row.leftKey, row.leftKey.empty() ? -1 : 0);
        leftAligned(cr, leftWord.in(lang), 70, ky + 20, {.size = 13, .colour = kInk, .bold = false}, 70);
        keyCap(cr, 158, ky, row.rightKey, row.rightKey.empty() ? 1 : 0);
        leftAligned(cr, rightWord.in(lang), 194, ky + 20, {.size = 13, .colour = kInk, .bold = false}, 80);
        y += 74;
    }
    divider(cr, 30, kBonusPageW - 30, 222);

    const std::array<Text, 4> rules = {{
        {.cz = "Odrážejte míček svou pálkou.", .en = "Bounce the ball with your bat."},
        {.cz = "Kdo první získá 5 bodů, vyhrává.", .en = "The first to score 5 points wins."},
        {.cz = "Esc během hry: zpět do menu.", .en = "Esc during play: back to menu."},
        {.cz = "OK: začít hru", .en = "OK: start the game"},
    }};
    const double baselines[] = {250, 274, 298, 340};
    for (size_t i = 0; i < rules.size(); ++i) {
        leftAligned(cr, rules[i].in(lang), 26, baselines[i],
                    {.size = 14, .colour = kInk, .bold = i == rules.size() - 1}, i + 1 == rules.size() ? 180 : 255);
    }
    return keyed(c, kWhite);
}

// Page coordinates of what the menu draws over the options page.
constexpr int kTrackLeft = kKnobMinX - kPageX + kKnobW / 2;   // knob centre at the far left
constexpr int kTrackRight = kKnobMaxX - kPageX + kKnobW / 2;  // and at the far right
constexpr int kTrackY = kKnobY - kPageY + kKnobHitH / 2 - 2;

// The options page: the speed slider's groove, the labels of the two
// switches, and what the controls do.
Image optionsPage(Lang lang) {
    Canvas c(kOptionsW, kOptionsH, kClear);
    cairo_t* cr = c.cr();
    parchment(cr, kOptionsW, kOptionsH);
    const double mid = kOptionsW / 2.0;
    centred(cr, Text{.cz = "Nastavení", .en = "Options"}.in(lang), mid, 32, {.size = 22, .colour = kInk},
            kOptionsW - 40);
    leftAligned(cr, Text{.cz = "Rychlost textů", .en = "Text speed"}.in(lang), 24, 49,
                {.size = 13, .colour = kInk, .bold = false}, 200);

    // The groove the knob runs in, with marks at both ends.
    roundedRectPath(cr, kTrackLeft - 6, kTrackY - 4, kTrackRight - kTrackLeft + 12, 8, 4);
    fillStroke(cr, 0xFF8A6A48, 1.5, kInk);
    for (int i = 0; i <= 6; ++i) {
        const double x = kTrackLeft + (kTrackRight - kTrackLeft) * i / 6.0;
        line(cr, x, kTrackY + 8, x, kTrackY + (i % 3 == 0 ? 15 : 12), 1.5, kInk);
    }
    // Sockets under the switches, and their labels to the right.
    const struct {
        HitRect rect;
        Text label;
    } switches[] = {
        {kMusicRect, {.cz = "Hudba", .en = "Music"}},
        {kSoundRect, {.cz = "Zvuky", .en = "Sounds"}},
    };
    for (const auto& s : switches) {
        const double x = s.rect.left - kPageX, y = s.rect.top - kPageY;
        roundedRectPath(cr, x - 2, y - 1, s.rect.width() + 4, s.rect.height() + 2, 3);
        setColour(cr, kInk);
        cairo_fill(cr);
        leftAligned(cr, s.label.in(lang), x + s.rect.width() + 7, y + 19, {.size = 14, .colour = kInk},
                    kOptionsW - 16 - (x + s.rect.width() + 7));
    }
    divider(cr, 28, kOptionsW - 28, 160);

    const std::array<Text, 8> help = {{
        {.cz = "Posuvníkem nastavíte, jak dlouho", .en = "The slider sets how long the texts"},
        {.cz = "zůstávají texty na obrazovce.", .en = "stay on the screen."},
        {.cz = "", .en = ""},
        {.cz = "Přepínači zapnete nebo vypnete", .en = "The switches turn the music and"},
        {.cz = "hudbu a zvukové efekty.", .en = "the sound effects on or off."},
        {.cz = "", .en = ""},
        {.cz = "Tlačítkem OK nebo klávesou Esc", .en = "OK or the Esc key takes you"},
        {.cz = "se vrátíte do hlavního menu.", .en = "back to the main menu."},
    }};
    double y = 186;
    for (const Text& t : help) {
        if (!t.cz.empty()) {
            leftAligned(cr, t.in(lang), 26, y, {.size = 14, .colour = kInk, .bold = false}, kOptionsW - 52);
        }
        y += 20;
    }
    return keyed(c, kWhite);
}

// The speed knob: a brass slide that stays inside its hit rectangle (the
// lower rows of the picture are left transparent).
Image knob() {
    Canvas c(kKnobW, kKnobH, kClear);
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 3, 3);
    cairo_line_to(cr, kKnobW - 3, 3);
    cairo_line_to(cr, kKnobW - 3, 25);
    cairo_line_to(cr, kKnobW / 2.0, kKnobHitH - 2);
    cairo_line_to(cr, 3, 25);
    cairo_close_path(cr);
    fillStroke(cr, 0xFFD9A93B, 2);
    for (double x : {11.0, 17.0, 23.0}) {
        line(cr, x, 8, x, 22, 1.5, 0xFF9A7320);
        line(cr, x + 1, 8, x + 1, 22, 1, 0xFFF2D27A);
    }
    return keyed(c, kWhite);
}

// A switch fills its hit rectangle: a word on green when on, on red when off.
Image switchPicture(Lang lang, bool on) {
    const int w = kMusicRect.width(), h = kMusicRect.height();
    Canvas c(w, h, kClear);
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 1, 1, w - 2, h - 2);
    fillStroke(cr, on ? 0xFF4E8F4A : 0xFF8E4438, 2);
    const Text word = on ? Text{.cz = "ZAP", .en = "ON"} : Text{.cz = "VYP", .en = "OFF"};
    centred(cr, word.in(lang), w / 2.0, h / 2.0 + 4.5, {.size = 12, .colour = kCream}, w - 6);
    return keyed(c, kWhite);
}

enum class Speed { Slow, Medium, Fast };

// The word under the slider, on a small plate of its own.
Image speedWord(Lang lang, Speed speed) {
    Canvas c(kSpeedWordW, kSpeedWordH, kClear);
    cairo_t* cr = c.cr();
    roundedRectPath(cr, 1, 1, kSpeedWordW - 2, kSpeedWordH - 2, 5);
    fillStroke(cr, 0xFFF8EED4, 2, kInk);
    const Text words[] = {
        {.cz = "pomalu", .en = "slow"},
        {.cz = "středně", .en = "medium"},
        {.cz = "rychle", .en = "fast"},
    };
    centred(cr, words[static_cast<int>(speed)].in(lang), kSpeedWordW / 2.0, 18, {.size = 15, .colour = kInk},
            kSpeedWordW - 16);
    return keyed(c, kWhite);
}

// ---------------------------------------------------------------------------
// [SECTION] The image-list items
// ---------------------------------------------------------------------------
enum class Key { None, White, Black };

struct MenuPicture {
    Image image;
    Key key = Key::White;
};

layout::CollectionItem dibItem(const MenuPicture& p) {
    std::vector<uint8_t> record = layout::encodePictureRecord("TDIB", layout::encodeDib(p.image, 24));
    return layout::item({
        {"PatternHeight", layout::Value::integerValue(0)},
        {"PatternWidth", layout::Value::integerValue(0)},
        {"Picture.Data", layout::Value::binary(std::move(record))},
        {"SystemMemory", layout::Value::boolean(false)},
        {"Transparent", layout::Value::boolean(p.key != Key::None)},
        {"TransparentColor", layout::Value::ident(p.key == Key::Black ? "clBlack" : "clWhite")},
    });
}

// Item 2 is stored as a picture class the game's reader does not have; the
// GIF inside is real, only never seen.
layout::CollectionItem gifItem(const Image& img) {
    const std::vector<uint8_t> gif = layout::encodeGifFromImages({img}, {});
    return layout::item({
        {"PatternHeight", layout::Value::integerValue(0)},
        {"PatternWidth", layout::Value::integerValue(0)},
        {"Picture.Data", layout::Value::binary(layout::encodePictureRecord("TJvGIFImage", gif))},
        {"SystemMemory", layout::Value::boolean(false)},
        {"Transparent", layout::Value::boolean(false)},
        {"TransparentColor", layout::Value::ident("clWhite")},
    });
}

}  // namespace

std::vector<layout::CollectionItem> menuPictureItems() {
    std::array<MenuPicture, kMenuPictureCount> pics;
    const auto put = [&](int n, Image img, Key key = Key::White) {
        pics[static_cast<size_t>(n)] = {std::move(img), key};
    };
    put(0, backdrop(Lang::Cz), Key::None);
    put(48, backdrop(Lang::En), Key::None);
    put(1, titlePlate(false), Key::None);
    put(44, makerLogo(), Key::Black);
    put(45, badge(), Key::None);
    for (const ButtonArt& b : kButtons) {
        put(b.itemCz, buttonPicture(b, Lang::Cz, false));
        put(b.itemCzLit, buttonPicture(b, Lang::Cz, true));
        if (b.itemEn != b.itemCz) {
            put(b.itemEn, buttonPicture(b, Lang::En, false));
            put(b.itemEnLit, buttonPicture(b, Lang::En, true));
        }
    }
    put(30, bonusPage(Lang::Cz));
    put(49, bonusPage(Lang::En));
    put(17, optionsPage(Lang::Cz));
    put(31, optionsPage(Lang::En));
    put(20, knob());
    put(21, switchPicture(Lang::Cz, true));
    put(22, switchPicture(Lang::Cz, false));
    put(50, switchPicture(Lang::En, true));
    put(51, switchPicture(Lang::En, false));
    put(23, speedWord(Lang::Cz, Speed::Slow));
    put(24, speedWord(Lang::Cz, Speed::Medium));
    put(25, speedWord(Lang::Cz, Speed::Fast));
    put(54, speedWord(Lang::En, Speed::Slow));
    put(53, speedWord(Lang::En, Speed::Medium));
    put(52, speedWord(Lang::En, Speed::Fast));

    std::vector<layout::CollectionItem> items;
    items.reserve(kMenuPictureCount);
    for (int n = 0; n < kMenuPictureCount; ++n) {
        if (n == 2) {
            items.push_back(gifItem(titlePlate(true)));
            continue;
        }
        const MenuPicture& p = pics[static_cast<size_t>(n)];
        if (p.image.empty()) throw std::logic_error("menu picture " + std::to_string(n) + " was not drawn");
        items.push_back(dibItem(p));
    }
    return items;
}

}  // namespace kvarnel::standin

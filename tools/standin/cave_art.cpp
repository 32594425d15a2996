// Stand-in pictures of the cave chase and the bat-and-ball games.
//
// [SECTION] Drawing helpers
// [SECTION] Cave data and geometry
// [SECTION] Cave maps
// [SECTION] Cave sprites
// [SECTION] Cave message screens and buttons
// [SECTION] Bat-and-ball pictures
// [SECTION] Image-list items
#include "standin/cave_art.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>

#include "layout/bitmap_codec.h"
#include "layout/jpeg_codec.h"
#include "layout/picture_record.h"
#include "layout/record_builder.h"
#include "standin/pen.h"

namespace kvarnel::standin {

using art::Canvas;
using art::Rect;
using art::Smoothing;
using layout::Image;

namespace {

using pen::fillStroke;
using pen::line;
using pen::mix;
using pen::setColour;

// ---------------------------------------------------------------------------
// [SECTION] Drawing helpers
// ---------------------------------------------------------------------------
constexpr double kPi = 3.14159265358979323846;
constexpr uint32_t kKeyWhite = 0xFFFFFFFF;  // the transparent colour of the keyed pictures
constexpr uint32_t kOutline = art::colour::kOutline;
constexpr uint32_t kCream = 0xFFFFF2C8;  // light text; never pure white, which is the key
constexpr uint32_t kGlint = 0xFFF4F8FA;  // highlights on keyed art, likewise

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, std::max(rx, 0.01), std::max(ry, 0.01));
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void fill(cairo_t* cr, uint32_t colour) {
    setColour(cr, colour);
    cairo_fill(cr);
}

// A small deterministic generator for scattered texture (never the game's
// own random numbers: the pictures must not depend on play).
struct Scatter {
    uint32_t state;
    explicit Scatter(uint32_t seed) : state(seed * 2654435761u + 12345u) {}
    double next() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / 16777216.0;
    }
    double in(double lo, double hi) { return lo + (hi - lo) * next(); }
};

// Words on pictures. Keyed pictures go through text paths, so that a crisp
// canvas fills them without antialiasing and no blended pixel can come out
// as the key; opaque pictures use the same path with soft edges.
struct TextStyle {
    double size = 24;
    bool bold = true;
    uint32_t fill = kCream;
    uint32_t outline = 0;  // 0: no outline
    double outlineWidth = 2;
};

double textWidth(cairo_t* cr, std::string_view s, const TextStyle& st) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           st.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, st.size);
    const std::string str(s);
    cairo_text_extents_t e;
    cairo_text_extents(cr, str.c_str(), &e);
    return e.x_advance;
}

// Draws `s` centred on cx with its baseline at `baseline`, shrinking the
// font until it fits `maxWidth`.
void centredText(cairo_t* cr, std::string_view s, double cx, double baseline, TextStyle st, double maxWidth) {
    while (st.size > 8 && textWidth(cr, s, st) > maxWidth) st.size -= 1;
    const std::string str(s);
    cairo_text_extents_t e;
    cairo_text_extents(cr, str.c_str(), &e);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - e.width / 2 - e.x_bearing, baseline);
    cairo_text_path(cr, str.c_str());
    if (st.outline != 0) {
        setColour(cr, st.outline);
        cairo_set_line_width(cr, st.outlineWidth * 2);
        cairo_stroke_preserve(cr);
    }
    fill(cr, st.fill);
}

std::vector<uint8_t> jpegRecord(const Image& img) {
    return layout::encodePictureRecord("TJPEGImage", layout::encodeJpeg(img, 90));
}

std::vector<uint8_t> dibRecord(const Image& img, int bits) {
    return layout::encodePictureRecord("TDIB", layout::encodeDib(img, bits));
}

// ---------------------------------------------------------------------------
// [SECTION] Cave data and geometry
// ---------------------------------------------------------------------------
struct CaveLevel {
    CaveWalls walls;
    int exitColumn;
};

const std::array<CaveLevel, kCaveCount>& levels() {
    static const std::array<CaveLevel, kCaveCount> kLevels = {{
        {{.eastOf = {{1, 2}, {1, 5}, {3, 3}, {3, 4}, {5, 2}, {5, 5}},
          .northOf = {{2, 1}, {2, 5}, {3, 1}, {3, 3}, {3, 5}, {4, 1}, {4, 3}, {4, 5}, {5, 1}, {5, 5}}},
         4},
        {{.eastOf = {{1, 2}, {1, 3}, {2, 5}, {2, 6}, {3, 4}, {4, 3}, {4, 5}, {4, 6}, {5, 2}},
          .northOf = {{3, 2}, {4, 2}, {5, 5}, {6, 1}}},
         2},
        {{.eastOf = {{1, 2}, {1, 4}, {1, 5}, {2, 3}, {5, 2}, {5, 3}, {5, 5}},
          .northOf = {{2, 1}, {2, 3}, {3, 4}, {4, 4}, {5, 1}, {5, 3}, {5, 5}, {6, 4}}},
         2},
        {{.eastOf = {{1, 4}, {1, 5}, {3, 3}, {3, 5}, {5, 2}, {5, 4}},
          .northOf = {{1, 3}, {2, 1}, {2, 5}, {3, 2}, {4, 4}, {5, 4}, {6, 1}, {6, 4}}},
         6},
        {{.eastOf = {{1, 2}, {2, 1}, {3, 4}, {5, 5}},
          .northOf = {{2, 3}, {3, 1}, {3, 2}, {3, 4}, {3, 5}, {4, 3}, {5, 2}, {5, 3}, {5, 5}, {6, 5}}},
         1},
        {{.eastOf = {{1, 2}, {1, 3}, {1, 6}, {2, 5}, {3, 2}, {4, 5}, {5, 2}, {5, 4}},
          .northOf = {{1, 4}, {3, 1}, {3, 2}, {3, 4}, {3, 5}, {4, 5}, {5, 3}, {5, 4}, {6, 1}}},
         3},
        {{.eastOf = {{1, 3}, {1, 5}, {2, 3}, {2, 6}, {3, 2}, {3, 5}, {5, 2}, {5, 6}},
          .northOf = {{1, 2}, {2, 1}, {2, 5}, {3, 1}, {3, 3}, {3, 4}, {4, 3}, {5, 1}, {5, 2}, {5, 4}, {6, 4}}},
         5},
    }};
    return kLevels;
}

const CaveLevel& level(int cave) {
    if (cave < 1 || cave > kCaveCount) throw std::out_of_range("cave " + std::to_string(cave) + " is not 1 .. 7");
    return levels()[static_cast<size_t>(cave - 1)];
}

constexpr int kMapHeight = 768;
constexpr int kWallHalf = 11;  // walls are 22 pixels thick, centred on the cell boundary
constexpr int kSprite = 94;    // the detective's box, and the box turned sprites are drawn in

}  // namespace

const CaveWalls& caveWalls(int cave) {
    return level(cave).walls;
}

int caveExitColumn(int cave) {
    return level(cave).exitColumn;
}

Rect caveCellRect(int column, int row) {
    if (column < 1 || column > kCaveColumns || row < 1 || row > kCaveRows)
        throw std::out_of_range("cave cell " + std::to_string(column) + "," + std::to_string(row));
    // Sprite boxes are 100 apart across and 99 apart down; each cell takes
    // three pixels of margin on the left and top of its sprite's box.
    return {92 + 100 * (column - 1), 587 - 99 * (row - 1), 100, 99};
}

namespace {

// ---------------------------------------------------------------------------
// [SECTION] Cave maps
// ---------------------------------------------------------------------------
// The rock: a base colour with lighter and darker facets and a few cracks,
// so a wall reads as stone and not as a flat bar.
void paintRock(Canvas& c, uint32_t seed) {
    cairo_t* cr = c.cr();
    setColour(cr, kCaveRock);
    cairo_paint(cr);
    Scatter rnd(seed);
    const int facets = c.width() * c.height() / 700;
    for (int i = 0; i < facets; ++i) {
        const double cx = rnd.in(-20, c.width() + 20);
        const double cy = rnd.in(-20, c.height() + 20);
        const double r = rnd.in(8, 30);
        const int corners = 5 + static_cast<int>(rnd.in(0, 3));
        cairo_new_path(cr);
        for (int k = 0; k < corners; ++k) {
            const double a = 2 * kPi * k / corners + rnd.in(-0.3, 0.3);
            const double rr = r * rnd.in(0.6, 1.0);
            cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a) * 0.8);
        }
        cairo_close_path(cr);
        const double shade = rnd.in(-1, 1);
        fill(cr, shade > 0 ? mix(kCaveRock, 0xFF8A8298, 0.25 * shade) : mix(kCaveRock, 0xFF1E1A24, -0.3 * shade));
    }
    for (int i = 0; i < facets / 6; ++i) {
        double x = rnd.in(0, c.width());
        double y = rnd.in(0, c.height());
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        for (int k = 0; k < 3; ++k) {
            x += rnd.in(-14, 14);
            y += rnd.in(-14, 14);
            cairo_line_to(cr, x, y);
        }
        setColour(cr, mix(kCaveRock, 0xFF1E1A24, 0.5));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

// The floor: sand with pebbles and faint seams between the cells, so the
// player can count the steps.
void paintFloor(Canvas& c, const Rect& area, uint32_t seed) {
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, area.x, area.y, area.w, area.h);
    fill(cr, kCaveFloor);
    Scatter rnd(seed);
    const int pebbles = area.w * area.h / 500;
    for (int i = 0; i < pebbles; ++i) {
        const double cx = rnd.in(area.x, area.right());
        const double cy = rnd.in(area.y, area.bottom());
        const double rx = rnd.in(1.5, 5);
        ellipse(cr, cx, cy, rx, rx * rnd.in(0.6, 0.9));
        fill(cr, rnd.next() < 0.5 ? mix(kCaveFloor, kOutline, rnd.in(0.08, 0.18))
                                  : mix(kCaveFloor, 0xFFF4E8CC, rnd.in(0.2, 0.5)));
    }
    const uint32_t seam = mix(kCaveFloor, kOutline, 0.12);
    const double dashes[] = {6, 6};
    cairo_set_dash(cr, dashes, 2, 0);
    for (int col = 2; col <= kCaveColumns; ++col) {
        const double x = caveCellRect(col, 1).x;
        line(cr, x, area.y, x, area.bottom(), 1.5, seam);
    }
    for (int row = 1; row < kCaveRows; ++row) {
        const double y = caveCellRect(1, row).y;
        line(cr, area.x, y, area.right(), y, 1.5, seam);
    }
    cairo_set_dash(cr, nullptr, 0, 0);
}

// The walls: each runs along a cell boundary and reaches a little past both
// ends, so walls meeting at a corner join. Drawn in passes (all shadows,
// all outlines, then all rock) so joined walls read as one mass of rock.
struct WallSegment {
    double left, top, w, h;
};

WallSegment wallAlong(double x0, double y0, double x1, double y1) {
    return {std::min(x0, x1) - kWallHalf, std::min(y0, y1) - kWallHalf, std::abs(x1 - x0) + 2 * kWallHalf,
            std::abs(y1 - y0) + 2 * kWallHalf};
}

void paintWalls(Canvas& c, cairo_surface_t* rock, const std::vector<WallSegment>& walls) {
    cairo_t* cr = c.cr();
    for (const WallSegment& s : walls) pen::roundedRectPath(cr, s.left + 4, s.top + 5, s.w, s.h, kWallHalf);
    setColour(cr, 0x55000000);
    cairo_fill(cr);
    for (const WallSegment& s : walls) {
        pen::roundedRectPath(cr, s.left, s.top, s.w, s.h, kWallHalf);
        setColour(cr, kOutline);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
    }
    for (const WallSegment& s : walls) pen::roundedRectPath(cr, s.left, s.top, s.w, s.h, kWallHalf);
    cairo_set_source_surface(cr, rock, 0, 0);
    cairo_fill(cr);
    for (const WallSegment& s : walls) {
        line(cr, s.left + 7, s.top + 4.5, s.left + s.w - 7, s.top + 4.5, 2, mix(kCaveRock, 0xFFB0A8BC, 0.45));
    }
}

Image caveMap(int cave, int width) {
    const CaveLevel& lv = level(cave);
    Canvas rockCanvas(width, kMapHeight, kCaveRock);
    paintRock(rockCanvas, 1000u + static_cast<uint32_t>(cave));
    cairo_surface_t* rock = cairo_get_target(rockCanvas.cr());
    cairo_surface_flush(rock);

    Canvas c(width, kMapHeight, kCaveRock);
    cairo_t* cr = c.cr();
    cairo_set_source_surface(cr, rock, 0, 0);
    cairo_paint(cr);

    const Rect first = caveCellRect(1, kCaveRows);
    const Rect last = caveCellRect(kCaveColumns, 1);
    const Rect area{first.x, first.y, last.right() - first.x, last.bottom() - first.y};

    // Crystals glinting in the surrounding rock, well clear of the floor and
    // of the way out, so the border reads as plain rock next to the cells.
    const Rect exitCell = caveCellRect(lv.exitColumn, kCaveRows);
    Scatter rnd(77u + static_cast<uint32_t>(cave));
    for (int placed = 0; placed < 14;) {
        const double x = rnd.in(10, width - 10);
        const double y = rnd.in(20, kMapHeight - 10);
        const bool clear = x < area.x - 45 || x > area.right() + 45 || y > area.bottom() + 55 ||
                           (y < area.y - 55 && (x < exitCell.x - 15 || x > exitCell.right() + 15));
        if (!clear) continue;
        ++placed;
        const double s = rnd.in(5, 11);
        cairo_new_path(cr);
        cairo_move_to(cr, x, y - s * 1.6);
        cairo_line_to(cr, x + s * 0.6, y);
        cairo_line_to(cr, x, y + s * 0.5);
        cairo_line_to(cr, x - s * 0.6, y);
        cairo_close_path(cr);
        fillStroke(cr, placed % 2 ? 0xFF8FC7D8 : 0xFFB59AD8, 1.5);
    }

    // The way out: a passage through the top border above the exit cell,
    // darkening as it climbs out of the lit cave.
    const double px = exitCell.x + 18, pw = exitCell.w - 36;
    cairo_rectangle(cr, px, 0, pw, area.y + 2);
    cairo_pattern_t* dark = cairo_pattern_create_linear(0, 0, 0, area.y);
    cairo_pattern_add_color_stop_rgb(dark, 0, 0.55, 0.49, 0.39);
    cairo_pattern_add_color_stop_rgb(dark, 1, ((kCaveFloor >> 16) & 0xFF) / 255.0, ((kCaveFloor >> 8) & 0xFF) / 255.0,
                                     (kCaveFloor & 0xFF) / 255.0);
    cairo_set_source(cr, dark);
    cairo_fill(cr);
    cairo_pattern_destroy(dark);

    paintFloor(c, area, 500u + static_cast<uint32_t>(cave));

    // The rock's edge around the floor and along the passage.
    cairo_new_path(cr);
    cairo_move_to(cr, px, 0);
    cairo_line_to(cr, px, area.y);
    cairo_line_to(cr, area.x, area.y);
    cairo_line_to(cr, area.x, area.bottom());
    cairo_line_to(cr, area.right(), area.bottom());
    cairo_line_to(cr, area.right(), area.y);
    cairo_line_to(cr, px + pw, area.y);
    cairo_line_to(cr, px + pw, 0);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);

    std::vector<WallSegment> walls;
    for (const CaveCell& cell : lv.walls.eastOf) {
        const Rect r = caveCellRect(cell.column, cell.row);
        walls.push_back(wallAlong(r.right(), r.y, r.right(), r.bottom()));
    }
    for (const CaveCell& cell : lv.walls.northOf) {
        const Rect r = caveCellRect(cell.column, cell.row);
        walls.push_back(wallAlong(r.x, r.y, r.right(), r.y));
    }
    paintWalls(c, rock, walls);
    return c.image();
}

// ---------------------------------------------------------------------------
// [SECTION] Cave sprites
// ---------------------------------------------------------------------------
// All sprites are seen from above, facing down (towards the viewer's lower
// edge); the game turns them for the other facings. Crisp, on the white key.

// The detective: hat, trench coat, a magnifying glass in his hand. `step`
// 0 stands, 1 and 2 are the two halves of a stride. Drawn in a 94 x 94 box
// at (ox, oy).
void drawDetective(cairo_t* cr, double ox, double oy, int step) {
    const double stride = step == 0 ? 0 : (step == 1 ? 9 : -9);
    const uint32_t coat = 0xFFC2A46E, hat = 0xFF6B4A2E, skin = 0xFFF0C8A0, shoe = 0xFF4A3222;
    cairo_save(cr);
    cairo_translate(cr, ox, oy);
    // Shoes under the coat, the forward one further down.
    ellipse(cr, 36, 74 + stride, 7, 10);
    fillStroke(cr, shoe, 2);
    ellipse(cr, 58, 74 - stride, 7, 10);
    fillStroke(cr, shoe, 2);
    // Arms swing against the legs.
    ellipse(cr, 16, 52 - stride * 0.6, 8, 13);
    fillStroke(cr, mix(coat, kOutline, 0.15), 2);
    ellipse(cr, 78, 52 + stride * 0.6, 8, 13);
    fillStroke(cr, mix(coat, kOutline, 0.15), 2);
    ellipse(cr, 16, 64 - stride * 0.6, 5, 5);
    fillStroke(cr, skin, 1.5);
    // The magnifying glass in his right hand (left on the screen).
    line(cr, 16, 66 - stride * 0.6, 12, 78 - stride * 0.6, 4, 0xFF5B3A29);
    ellipse(cr, 11, 84 - stride * 0.6, 7, 7);
    fillStroke(cr, 0xFFA9D4E6, 2);
    ellipse(cr, 78, 64 + stride * 0.6, 5, 5);
    fillStroke(cr, skin, 1.5);
    // Coat over the shoulders, belt.
    ellipse(cr, 47, 52, 29, 22);
    fillStroke(cr, coat, 2.5);
    line(cr, 47, 56, 47, 73, 2, mix(coat, kOutline, 0.4));
    line(cr, 26, 62, 68, 62, 3, 0xFF7A5234);
    // Head and face below the hat's brim.
    ellipse(cr, 47, 42, 14, 15);
    fillStroke(cr, skin, 2);
    ellipse(cr, 41.5, 50, 2, 2.2);
    fill(cr, kOutline);
    ellipse(cr, 52.5, 50, 2, 2.2);
    fill(cr, kOutline);
    line(cr, 44, 55.5, 50, 55.5, 1.5, 0xFFB05848);
    ellipse(cr, 47, 33, 24, 14);
    fillStroke(cr, hat, 2.5);
    ellipse(cr, 47, 30, 14, 9);
    fillStroke(cr, mix(hat, kOutline, 0.25), 2);
    line(cr, 34, 33, 60, 33, 2.5, 0xFF3A2A1E);
    cairo_restore(cr);
}

Image detectiveSprite(int step) {
    Canvas c(kSprite, kSprite, kKeyWhite, Smoothing::Crisp);
    drawDetective(c.cr(), 0, 0, step);
    return c.image();
}

// The monster: a shaggy beast with horns, yellow eyes and claws, 100 x 98.
Image monsterSprite(int step) {
    Canvas c(100, 98, kKeyWhite, Smoothing::Crisp);
    cairo_t* cr = c.cr();
    const double stride = step == 0 ? 0 : (step == 1 ? 8 : -8);
    const uint32_t fur = 0xFF6E8B3D, dark = 0xFF4C6428, horn = 0xFFE6DCBA, claw = 0xFFEDE3C4;
    // Feet with claws.
    for (int side = 0; side < 2; ++side) {
        const double fx = side == 0 ? 30 : 70;
        const double fy = 82 + (side == 0 ? stride : -stride);
        ellipse(cr, fx, fy, 10, 8);
        fillStroke(cr, dark, 2);
        for (int k = -1; k <= 1; ++k) {
            cairo_new_path(cr);
            cairo_move_to(cr, fx + k * 5 - 2, fy + 6);
            cairo_line_to(cr, fx + k * 5, fy + 12);
            cairo_line_to(cr, fx + k * 5 + 2, fy + 6);
            cairo_close_path(cr);
            fillStroke(cr, claw, 1);
        }
    }
    // Arms reaching forward.
    ellipse(cr, 12, 56 - stride * 0.7, 9, 15);
    fillStroke(cr, dark, 2);
    ellipse(cr, 88, 56 + stride * 0.7, 9, 15);
    fillStroke(cr, dark, 2);
    // Shaggy body: a ring of tufts around an oval.
    cairo_new_path(cr);
    const int tufts = 22;
    for (int k = 0; k < tufts * 2; ++k) {
        const double a = 2 * kPi * k / (tufts * 2);
        const double r = k % 2 ? 1.0 : 0.88;
        cairo_line_to(cr, 50 + 37 * r * std::cos(a), 48 + 35 * r * std::sin(a));
    }
    cairo_close_path(cr);
    fillStroke(cr, fur, 2.5);
    ellipse(cr, 50, 40, 22, 14);
    fill(cr, mix(fur, 0xFFB8D080, 0.35));
    // Horns.
    for (int side = -1; side <= 1; side += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, 50 + side * 14, 22);
        cairo_curve_to(cr, 50 + side * 22, 10, 50 + side * 30, 6, 50 + side * 36, 2);
        cairo_curve_to(cr, 50 + side * 30, 14, 50 + side * 26, 22, 50 + side * 22, 28);
        cairo_close_path(cr);
        fillStroke(cr, horn, 2);
    }
    // Eyes and a toothy mouth at the front (the lower edge).
    for (int side = -1; side <= 1; side += 2) {
        ellipse(cr, 50 + side * 12, 58, 8, 7);
        fillStroke(cr, 0xFFF2D34B, 2);
        ellipse(cr, 50 + side * 12, 58, 2, 5);
        fill(cr, kOutline);
    }
    pen::roundedRectPath(cr, 36, 70, 28, 9, 4);
    fillStroke(cr, 0xFF7A2430, 2);
    for (int k = 0; k < 4; ++k) {
        cairo_new_path(cr);
        cairo_move_to(cr, 39 + k * 6.5, 70.5);
        cairo_line_to(cr, 42 + k * 6.5, 76);
        cairo_line_to(cr, 45 + k * 6.5, 70.5);
        cairo_close_path(cr);
        fill(cr, claw);
    }
    return c.image();
}

// The dust cloud of a catch: puffs that burst out, with stars, and thin away.
Image dustCloud(int frame) {
    Canvas c(100, 98, kKeyWhite, Smoothing::Crisp);
    cairo_t* cr = c.cr();
    static constexpr double kSpread[] = {14, 22, 30, 36};
    static constexpr double kPuff[] = {16, 15, 12, 8};
    const double spread = kSpread[frame], puff = kPuff[frame];
    const int puffs = 7;
    const uint32_t dust = frame < 3 ? 0xFFBDB3A2 : 0xFFCFC8BA;
    for (int k = 0; k < puffs; ++k) {
        const double a = 2 * kPi * k / puffs + frame * 0.4;
        ellipse(cr, 50 + spread * std::cos(a), 49 + spread * std::sin(a) * 0.9, puff, puff * 0.85);
        fillStroke(cr, dust, 2);
    }
    if (frame < 3) {
        ellipse(cr, 50, 49, puff + 4, puff + 2);
        fillStroke(cr, mix(dust, kOutline, 0.12), 2);
    }
    // Stars knocked loose by the scuffle.
    for (int k = 0; k < 3 + frame; ++k) {
        const double a = 2 * kPi * k / (3 + frame) + 0.7;
        const double sx = 50 + (spread + puff * 0.5) * std::cos(a), sy = 49 + (spread + puff * 0.5) * std::sin(a);
        cairo_new_path(cr);
        for (int p = 0; p < 10; ++p) {
            const double r = p % 2 ? 2.5 : 6;
            const double b = kPi * p / 5 - kPi / 2;
            cairo_line_to(cr, sx + r * std::cos(b), sy + r * std::sin(b));
        }
        cairo_close_path(cr);
        fillStroke(cr, 0xFFF2D34B, 1);
    }
    return c.image();
}

// The exit hole, 129 x 177: a rocky rim around a pit with a ladder going
// down. The cell it stands in is the band from y 47 (the sprite box's top)
// down; the rim climbs into the border rock above it. `who`: 0 empty, 1 the
// detective standing in it, 2 only his hat still showing as he climbs down.
Image exitHole(int who) {
    Canvas c(129, 177, kKeyWhite, Smoothing::Crisp);
    cairo_t* cr = c.cr();
    Scatter rnd(31);
    // The rim: a ring of stones.
    cairo_new_path(cr);
    for (int k = 0; k < 28; ++k) {
        const double a = 2 * kPi * k / 28;
        const double r = rnd.in(0.92, 1.0);
        cairo_line_to(cr, 64.5 + 60 * r * std::cos(a), 94 + 80 * r * std::sin(a));
    }
    cairo_close_path(cr);
    fillStroke(cr, 0xFF8C8593, 2.5);
    for (int k = 0; k < 12; ++k) {
        const double a = 2 * kPi * k / 12 + 0.2;
        ellipse(cr, 64.5 + 53 * std::cos(a), 94 + 72 * std::sin(a), 8, 6);
        fillStroke(cr, k % 2 ? 0xFFA3A19B : 0xFF7E7786, 1.5);
    }
    // The pit, darkening inwards in flat bands.
    static constexpr uint32_t kBands[] = {0xFF3A3440, 0xFF26222C, 0xFF17141C, 0xFF0C0A10};
    for (int b = 0; b < 4; ++b) {
        ellipse(cr, 64.5, 96 + b * 2, 44 - b * 9, 60 - b * 12);
        if (b == 0) {
            fillStroke(cr, kBands[b], 2.5);
        } else {
            fill(cr, kBands[b]);
        }
    }
    // The ladder's top, clipped to the pit.
    cairo_save(cr);
    ellipse(cr, 64.5, 96, 43, 59);
    cairo_clip(cr);
    line(cr, 50, 36, 52, 150, 4, 0xFFA8754A);
    line(cr, 79, 36, 77, 150, 4, 0xFFA8754A);
    for (int k = 0; k < 6; ++k) line(cr, 50.5, 48 + k * 18, 78.5, 48 + k * 18, 3.5, 0xFF7A5234);
    if (who == 1) {
        drawDetective(cr, 64.5 - 47, 90 - 47, 0);
    } else if (who == 2) {
        // Down to his shoulders: only the hat and his hands on the ladder.
        ellipse(cr, 64.5, 122, 24, 14);
        fillStroke(cr, 0xFF6B4A2E, 2.5);
        ellipse(cr, 64.5, 119, 14, 9);
        fillStroke(cr, 0xFF563C26, 2);
        ellipse(cr, 51, 104, 5, 5);
        fillStroke(cr, 0xFFF0C8A0, 1.5);
        ellipse(cr, 78, 104, 5, 5);
        fillStroke(cr, 0xFFF0C8A0, 1.5);
    }
    cairo_restore(cr);
    return c.image();
}

// The sacred bottle, 64 x 94: green glass, a cork, a paper label.
Image bottle() {
    Canvas c(64, 94, kKeyWhite, Smoothing::Crisp);
    cairo_t* cr = c.cr();
    const uint32_t glass = 0xFF3F8F5A;
    pen::roundedRectPath(cr, 24, 4, 16, 12, 3);
    fillStroke(cr, 0xFFB58A58, 2);
    cairo_new_path(cr);
    cairo_move_to(cr, 26, 15);
    cairo_line_to(cr, 38, 15);
    cairo_line_to(cr, 38, 30);
    cairo_curve_to(cr, 38, 36, 54, 38, 54, 50);
    cairo_line_to(cr, 54, 84);
    cairo_curve_to(cr, 54, 89, 50, 91, 46, 91);
    cairo_line_to(cr, 18, 91);
    cairo_curve_to(cr, 14, 91, 10, 89, 10, 84);
    cairo_line_to(cr, 10, 50);
    cairo_curve_to(cr, 10, 38, 26, 36, 26, 30);
    cairo_close_path(cr);
    fillStroke(cr, glass, 2.5);
    pen::roundedRectPath(cr, 14, 55, 36, 22, 3);
    fillStroke(cr, art::colour::kPaper, 1.5);
    line(cr, 20, 62, 44, 62, 2, 0xFFB5533C);
    line(cr, 22, 69, 42, 69, 1.5, 0xFF7A5234);
    line(cr, 15, 46, 15, 52, 3, 0xFF9FD4B0);
    line(cr, 15, 80, 15, 86, 3, 0xFF9FD4B0);
    ellipse(cr, 30, 9, 2, 2);
    fill(cr, kGlint);
    return c.image();
}

// ---------------------------------------------------------------------------
// [SECTION] Cave message screens and buttons
// ---------------------------------------------------------------------------
struct Words {
    std::string_view cz;
    std::string_view en;
};

struct MessageText {
    Words title;
    Words lines[3];
};

// The introductions of caves 1..7, the catch message and the message for
// leaving the last cave without the bottle.
constexpr MessageText kIntros[kCaveCount] = {
    {{.cz = "Jeskyně 1", .en = "Cave 1"},
     {{.cz = "Dojdi k východu dřív, než tě chytí netvor.", .en = "Reach the exit before the monster catches you."},
      {.cz = "Na každý tvůj krok udělá netvor dva.", .en = "The monster takes two steps for each of yours."},
      {.cz = "Šipky: krok.   Mezerník: počkat.", .en = "Arrows: one step.   Space: wait."}}},
    {{.cz = "Jeskyně 2", .en = "Cave 2"},
     {{.cz = "Netvor jde vždy nejdřív do strany,", .en = "The monster always moves sideways first,"},
      {.cz = "a teprve když nemůže, nahoru či dolů.", .en = "and only when it cannot, up or down."},
      {.cz = "Zdi ho zastaví stejně jako tebe.", .en = "Walls stop it just as they stop you."}}},
    {{.cz = "Jeskyně 3", .en = "Cave 3"},
     {{.cz = "Chodby se kroutí a netvor je blízko.", .en = "The tunnels wind and the monster is close."},
      {.cz = "Vylákej ho za zeď, kde uvázne.", .en = "Lure it behind a wall where it gets stuck."},
      {.cz = "", .en = ""}}},
    {{.cz = "Jeskyně 4", .en = "Cave 4"},
     {{.cz = "Netvor stojí přímo na východu.", .en = "The monster stands right on the exit."},
      {.cz = "Nejdřív ho odtamtud odlákej.", .en = "Lure it away from there first."},
      {.cz = "", .en = ""}}},
    {{.cz = "Jeskyně 5", .en = "Cave 5"},
     {{.cz = "Netvor číhá v protějším rohu.", .en = "The monster lurks in the opposite corner."},
      {.cz = "Východ je na jeho straně.", .en = "The exit is on its side."},
      {.cz = "", .en = ""}}},
    {{.cz = "Jeskyně 6", .en = "Cave 6"},
     {{.cz = "Předposlední jeskyně.", .en = "The last cave but one."},
      {.cz = "Někdy je nejlepší tah počkat.", .en = "Sometimes the best move is to wait."},
      {.cz = "", .en = ""}}},
    {{.cz = "Jeskyně 7", .en = "Cave 7"},
     {{.cz = "Poslední jeskyně. Je v ní posvátná lahev.", .en = "The last cave. The sacred bottle is here."},
      {.cz = "Nejdřív ji seber, teprve potom odejdi.", .en = "Take it first, and only then leave."},
      {.cz = "", .en = ""}}},
};

constexpr MessageText kCaught = {{.cz = "Netvor tě chytil!", .en = "The monster caught you!"},
                                 {{.cz = "Zkus to v této jeskyni znovu.", .en = "Try this cave again."},
                                  {.cz = "", .en = ""},
                                  {.cz = "", .en = ""}}};

constexpr MessageText kNoBottle = {
    {.cz = "Bez lahve neodcházej!", .en = "Don't leave without the bottle!"},
    {{.cz = "Lahev stojí v pravém horním rohu.", .en = "The bottle stands in the top right corner."},
     {.cz = "Klikni a zkus to znovu.", .en = "Click and try again."},
     {.cz = "", .en = ""}}};

constexpr int kMessageW = 572;
constexpr int kMessageH = 299;
// The buttons are drawn over the message from y 480 on the surface; the
// message's top is at 233, so its lowest 52 rows stay free for them.
constexpr int kButtonBand = 480 - 233;

Image messagePicture(const MessageText& m, bool english, uint32_t accent) {
    Canvas c(kMessageW, kMessageH, 0xFF000000);
    cairo_t* cr = c.cr();
    // A stone tablet on the black of the cave screen.
    pen::roundedRectPath(cr, 6, 6, kMessageW - 12, kButtonBand - 16, 18);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 6, 0, kButtonBand - 10);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.40, 0.36, 0.44);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.22, 0.19, 0.25);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColour(cr, accent);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    pen::roundedRectPath(cr, 14, 14, kMessageW - 28, kButtonBand - 32, 12);
    setColour(cr, mix(accent, kOutline, 0.5));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    auto pick = [&](const Words& w) { return english ? w.en : w.cz; };
    centredText(cr, pick(m.title), kMessageW / 2.0, 70, {.size = 40, .fill = accent, .outline = kOutline}, 490);
    line(cr, 150, 88, kMessageW - 150, 88, 2, mix(accent, kOutline, 0.3));
    for (int i = 0; i < 3; ++i) {
        centredText(cr, pick(m.lines[i]), kMessageW / 2.0, 128 + 36 * i, {.size = 21, .bold = false, .fill = kCream},
                    530);
    }
    // Little stalactites along the tablet's foot, in the band the button covers.
    for (int k = 0; k < 9; ++k) {
        const double x = 40 + k * 61.5;
        cairo_new_path(cr);
        cairo_move_to(cr, x - 8, kButtonBand - 10);
        cairo_line_to(cr, x, kButtonBand + 6 + (k % 3) * 6);
        cairo_line_to(cr, x + 8, kButtonBand - 10);
        cairo_close_path(cr);
        fill(cr, 0xFF2C2733);
    }
    return c.image();
}

// A button on the white key: a rounded plate with its word. Highlighted
// buttons glow warmer and carry a lit rim.
Image button(std::string_view word, int w, int h, bool highlighted) {
    Canvas c(w, h, kKeyWhite, Smoothing::Crisp);
    cairo_t* cr = c.cr();
    pen::roundedRectPath(cr, 1.5, 1.5, w - 3, h - 3, h / 2.0 - 2);
    fillStroke(cr, highlighted ? 0xFFE0A33A : 0xFF8C6A3E, 3);
    pen::roundedRectPath(cr, 6, 5, w - 12, h / 2.0 - 5, h / 4.0);
    fill(cr, highlighted ? 0xFFF0C468 : 0xFFA8834E);
    centredText(
        cr, word, w / 2.0, h / 2.0 + h * 0.22,
        {.size = h * 0.6, .fill = highlighted ? 0xFFFFF6D8 : 0xFFF2E6C9, .outline = kOutline, .outlineWidth = 1.5},
        w - h);
    return c.image();
}

// ---------------------------------------------------------------------------
// [SECTION] Bat-and-ball pictures
// ---------------------------------------------------------------------------
Image gameBall() {
    Canvas c(35, 35, kKeyWhite, Smoothing::Crisp);
    cairo_t* cr = c.cr();
    ellipse(cr, 17.5, 17.5, 15.5, 15.5);
    fillStroke(cr, 0xFFE8703A, 2.5);
    ellipse(cr, 19, 20, 10, 9);
    fill(cr, 0xFFD0552A);
    ellipse(cr, 12, 11, 4, 3);
    fill(cr, 0xFFFFD7A8);
    return c.image();
}

// The inn's table seen from above: dark wood rim, a worn green field, a
// line where the bat guards the near edge.
Image tableTop() {
    Canvas c(448, 573, 0xFF5B3A29);
    cairo_t* cr = c.cr();
    for (int k = 0; k < 24; ++k) line(cr, 0, 12 + k * 24, 448, 12 + k * 24 + 3, 1.2, 0xFF4A2F20);
    pen::roundedRectPath(cr, 10, 10, 428, 573, 14);
    fillStroke(cr, 0xFF3F7A4A, 3);
    pen::roundedRectPath(cr, 22, 22, 404, 573, 10);
    setColour(cr, 0xFF5A9460);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    ellipse(cr, 224, 260, 60, 60);
    setColour(cr, 0xFF5A9460);
    cairo_stroke(cr);
    line(cr, 22, 548, 426, 548, 2, 0xFFD8C89A);
    centredText(cr, "RUKPAL", 224, 272, {.size = 30, .fill = 0xFF4F8A58}, 200);
    return c.image();
}

// The bat "Palka": its hitting face along the top (only the top 13 rows
// show above the table's lower edge), a grip below.
Image palka() {
    Canvas c(106, 27, kKeyWhite, Smoothing::Crisp);
    cairo_t* cr = c.cr();
    pen::roundedRectPath(cr, 36, 10, 34, 16, 4);
    fillStroke(cr, 0xFF7A5234, 2);
    pen::roundedRectPath(cr, 1.5, 1.5, 103, 12, 6);
    fillStroke(cr, 0xFFD8A860, 2.5);
    line(cr, 8, 5, 98, 5, 2, 0xFFF0D098);
    return c.image();
}

// The two-player court, 568 x 768: a hall floor with a centre line and the
// two goal zones at the top and the bottom.
Image court() {
    Canvas c(568, 768, 0xFF2F5D8A);
    cairo_t* cr = c.cr();
    for (int k = 0; k < 12; ++k) {
        cairo_rectangle(cr, k * 48, 0, 24, 768);
        fill(cr, 0xFF32628F);
    }
    cairo_rectangle(cr, 0, 0, 568, 40);
    fill(cr, 0xFF8A3A3A);
    cairo_rectangle(cr, 0, 728, 568, 40);
    fill(cr, 0xFF3A7A4A);
    line(cr, 0, 40, 568, 40, 3, 0xFFE8E0C8);
    line(cr, 0, 728, 568, 728, 3, 0xFFE8E0C8);
    const double dashes[] = {16, 12};
    cairo_set_dash(cr, dashes, 2, 0);
    line(cr, 0, 384, 568, 384, 3, 0xFFE8E0C8);
    cairo_set_dash(cr, nullptr, 0, 0);
    ellipse(cr, 284, 384, 70, 70);
    setColour(cr, 0xFFE8E0C8);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    centredText(cr, "1", 284, 30, {.size = 24, .fill = 0xFFF2E6C9}, 60);
    centredText(cr, "2", 284, 758, {.size = 24, .fill = 0xFFF2E6C9}, 60);
    line(cr, 2, 0, 2, 768, 4, 0xFFC8C0A8);
    line(cr, 566, 0, 566, 768, 4, 0xFFC8C0A8);
    return c.image();
}

Image paddle() {
    Canvas c(103, 11, 0xFF2E2A33, Smoothing::Crisp);
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 1, 1, 101, 9);
    fill(cr, 0xFFE0B050);
    cairo_rectangle(cr, 1, 1, 101, 3);
    fill(cr, 0xFFF4D488);
    return c.image();
}

Image digit(char d) {
    Canvas c(77, 127, kKeyWhite, Smoothing::Crisp);
    const char s[2] = {d, 0};
    centredText(c.cr(), s, 38.5, 112, {.size = 128, .fill = 0xFFF0A030, .outline = kOutline, .outlineWidth = 3}, 70);
    return c.image();
}

Image banner(std::string_view words, int w, uint32_t plate) {
    Canvas c(w, 39, kKeyWhite, Smoothing::Crisp);
    cairo_t* cr = c.cr();
    pen::roundedRectPath(cr, 1.5, 1.5, w - 3, 36, 12);
    fillStroke(cr, plate, 3);
    centredText(cr, words, w / 2.0, 29, {.size = 25, .fill = 0xFFFFF2B0, .outline = kOutline, .outlineWidth = 1.5},
                w - 24);
    return c.image();
}

// ---------------------------------------------------------------------------
// [SECTION] Image-list items
// ---------------------------------------------------------------------------
// One image-list item with the properties in the order the game's lists
// store them; `transparent` items leave out white.
layout::CollectionItem imageItem(std::vector<uint8_t> record, bool transparent, std::string name = {}) {
    std::vector<std::pair<std::string, layout::Value>> props;
    if (!name.empty()) props.emplace_back("Name", layout::Value::textValue(std::move(name)));
    props.emplace_back("PatternHeight", layout::Value::integerValue(0));
    props.emplace_back("PatternWidth", layout::Value::integerValue(0));
    props.emplace_back("Picture.Data", layout::Value::binary(std::move(record)));
    props.emplace_back("SystemMemory", layout::Value::boolean(false));
    props.emplace_back("Transparent", layout::Value::boolean(transparent));
    props.emplace_back("TransparentColor", layout::Value::ident("clWhite"));
    return layout::item(std::move(props));
}

layout::CollectionItem keyed(const Image& img) {
    return imageItem(dibRecord(img, 24), true);
}
layout::CollectionItem opaqueJpeg(const Image& img) {
    return imageItem(jpegRecord(img), false);
}

}  // namespace

std::vector<layout::CollectionItem> cavePictureItems() {
    std::vector<layout::CollectionItem> items(47);
    auto put = [&](int n, layout::CollectionItem item) { items[static_cast<size_t>(n)] = std::move(item); };

    static constexpr int kMapItems[kCaveCount] = {0, 20, 22, 24, 26, 28, 30};
    for (int cave = 1; cave <= kCaveCount; ++cave) {
        put(kMapItems[cave - 1], opaqueJpeg(caveMap(cave, cave == 1 ? 788 : 768)));
    }
    for (int step = 0; step < 3; ++step) {
        put(1 + step, keyed(detectiveSprite(step)));
        put(4 + step, keyed(monsterSprite(step)));
        put(7 + step, keyed(exitHole(step)));
    }
    for (int f = 0; f < 4; ++f) put(10 + f, keyed(dustCloud(f)));
    put(31, keyed(bottle()));

    static constexpr int kIntroItems[kCaveCount][2] = {{33, 34}, {17, 35}, {21, 36}, {23, 37},
                                                       {25, 38}, {27, 39}, {29, 40}};
    constexpr uint32_t kGold = 0xFFF0C060, kRed = 0xFFE0604A, kGreen = 0xFF8FD08A;
    for (int cave = 0; cave < kCaveCount; ++cave) {
        put(kIntroItems[cave][0], opaqueJpeg(messagePicture(kIntros[cave], false, kGold)));
        put(kIntroItems[cave][1], opaqueJpeg(messagePicture(kIntros[cave], true, kGold)));
    }
    put(14, opaqueJpeg(messagePicture(kCaught, false, kRed)));
    put(42, opaqueJpeg(messagePicture(kCaught, true, kRed)));
    put(32, opaqueJpeg(messagePicture(kNoBottle, false, kGreen)));
    put(41, opaqueJpeg(messagePicture(kNoBottle, true, kGreen)));

    // Normal and highlighted share a centre (the surface's column 396), so
    // the highlighted one grows out of the normal one.
    put(18, keyed(button("ZAČÍT", 272, 32, false)));
    put(19, keyed(button("ZAČÍT", 302, 36, true)));
    put(44, keyed(button("START", 252, 32, false)));
    put(43, keyed(button("START", 282, 36, true)));
    put(15, keyed(button("ZKUSIT ZNOVU", 212, 32, false)));
    put(16, keyed(button("ZKUSIT ZNOVU", 262, 36, true)));
    put(45, keyed(button("TRY AGAIN", 192, 32, false)));
    put(46, keyed(button("TRY AGAIN", 242, 36, true)));
    return items;
}

std::vector<layout::CollectionItem> gamePictureItems() {
    std::vector<layout::CollectionItem> items;
    items.push_back(imageItem(dibRecord(gameBall(), 32), true));
    items.push_back(opaqueJpeg(tableTop()));
    items.push_back(imageItem(dibRecord(palka(), 32), true, "Palka"));
    items.push_back(opaqueJpeg(court()));
    items.push_back(imageItem(dibRecord(paddle(), 24), false));
    for (char d : {'3', '2', '1'}) items.push_back(keyed(digit(d)));
    constexpr uint32_t kBlue = 0xFF3A6FB0, kGreen = 0xFF3F8A4A, kGold = 0xFFC08A2A;
    items.push_back(keyed(banner("VÍTĚZEM JE HRÁČ 1", 482, kBlue)));
    items.push_back(keyed(banner("VÍTĚZEM JE HRÁČ 2", 482, kGreen)));
    items.push_back(keyed(banner("GRATULUJEME!", 317, kGold)));
    items.push_back(keyed(banner("PLAYER 1 WINS", 425, kBlue)));
    items.push_back(keyed(banner("PLAYER 2 WINS", 425, kGreen)));
    items.push_back(keyed(banner("CONGRATULATIONS!", 425, kGold)));
    return items;
}

}  // namespace kvarnel::standin

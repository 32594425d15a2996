// Stand-in artwork drawn by code. Sections:
//   [helpers]   colour, shapes, outline width
//   [canvas]    Canvas and the premultiplied-to-straight conversion
//   [scenery]   the scene painters
//   [character] figure geometry and drawing, shared face drawing
//   [face set]  head picture, eye and mouth overlays
//   [colours]   bringing frames down to one GIF palette
//   [inventory] the sliding bar and the item pictures
#include "standin/art.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>

#include "standin/pen.h"

namespace kvarnel::standin::art {
namespace {

using pen::fillStroke;
using pen::line;
using pen::mix;
using pen::roundedRectPath;
using pen::setColour;

// ------------------------------------------------------------ [helpers]

constexpr double kPi = 3.14159265358979323846;
constexpr int kMaxSide = 16384;

uint32_t darker(uint32_t c, double t = 0.25) {
    return mix(c, colour::kOutline, t);
}
uint32_t lighter(uint32_t c, double t = 0.3) {
    return mix(c, 0xFFFFFFFF, t);
}

double outlineWidth(double w, double h) {
    return std::clamp(std::floor(std::min(w, h) / 30.0), 1.0, 4.0);
}

// Fills the current path with `fill` and strokes it with the outline colour.
void fillOnly(cairo_t* cr, uint32_t fill) {
    setColour(cr, fill);
    cairo_fill(cr);
}

void ellipsePath(cairo_t* cr, double x, double y, double w, double h) {
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y + h / 2);
    cairo_scale(cr, std::max(w / 2, 0.01), std::max(h / 2, 0.01));
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void rectPath(cairo_t* cr, double x, double y, double w, double h) {
    cairo_rectangle(cr, x, y, w, h);
}

// Painters work in doubles relative to the rect: X(f) and Y(f) map [0, 1].
struct Frame {
    double x, y, w, h, lw;
    explicit Frame(Rect r) : x(r.x), y(r.y), w(r.w), h(r.h), lw(outlineWidth(r.w, r.h)) {}
    double X(double f) const { return x + f * w; }
    double Y(double f) const { return y + f * h; }
};

void requireSize(int w, int h, const char* what) {
    if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide) {
        throw std::invalid_argument(std::string(what) + ": size " + std::to_string(w) + " x " + std::to_string(h) +
                                    " is outside 1 .. " + std::to_string(kMaxSide));
    }
}

void requireFrames(int frames, const char* what) {
    if (frames < 1 || frames > 64) {
        throw std::invalid_argument(std::string(what) + ": frame count " + std::to_string(frames) +
                                    " is outside 1 .. 64");
    }
}

}  // namespace

// ------------------------------------------------------------ [canvas]

Canvas::Canvas(int w, int h, uint32_t fillArgb, Smoothing smoothing) : w_(w), h_(h), smoothing_(smoothing) {
    requireSize(w, h, "Canvas");
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface_);
        throw std::runtime_error("Canvas: cannot create a Cairo surface");
    }
    cr_ = cairo_create(surface_);
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
        throw std::runtime_error("Canvas: cannot create a Cairo context");
    }
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    setColour(cr_, fillArgb);
    cairo_paint(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
    cairo_set_antialias(cr_, crisp() ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_DEFAULT);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

void Canvas::paste(const Image& img, int x, int y) {
    cairo_surface_flush(surface_);
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    for (int sy = 0; sy < img.height; ++sy) {
        const int ty = y + sy;
        if (ty < 0 || ty >= h_) continue;
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(ty) * stride);
        for (int sx = 0; sx < img.width; ++sx) {
            const int tx = x + sx;
            if (tx < 0 || tx >= w_) continue;
            const uint32_t p = img.at(sx, sy);
            const uint32_t a = p >> 24;
            auto pre = [&](int shift) { return ((((p >> shift) & 0xFF) * a + 127) / 255) << shift; };
            row[tx] = (a << 24) | pre(16) | pre(8) | pre(0);
        }
    }
    cairo_surface_mark_dirty(surface_);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

Image Canvas::image() const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    Image out;
    out.width = w_;
    out.height = h_;
    out.pixels.resize(static_cast<size_t>(w_) * h_);
    for (int y = 0; y < h_; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < w_; ++x) {
            // Cairo's ARGB32 is a native-endian 32-bit word, premultiplied.
            const uint32_t p = row[x];
            const uint32_t a = p >> 24;
            uint32_t straight = 0;
            if (a == 255) {
                straight = p;
            } else if (a != 0) {
                auto un = [&](int shift) {
                    const uint32_t v = (p >> shift) & 0xFF;
                    return std::min<uint32_t>(255, (v * 255 + a / 2) / a) << shift;
                };
                straight = (a << 24) | un(16) | un(8) | un(0);
            }
            out.pixels[static_cast<size_t>(y) * w_ + x] = straight;
        }
    }
    return out;
}

// ------------------------------------------------------------ [scenery]

void sky(Canvas& c, Rect r, uint32_t top, uint32_t bottom) {
    cairo_t* cr = c.cr();
    if (c.crisp()) {
        constexpr int kBands = 6;
        for (int i = 0; i < kBands; ++i) {
            const int y0 = r.y + r.h * i / kBands;
            const int y1 = r.y + r.h * (i + 1) / kBands;
            rectPath(cr, r.x, y0, r.w, y1 - y0);
            fillOnly(cr, mix(top, bottom, i / double(kBands - 1)));
        }
        return;
    }
    cairo_pattern_t* g = cairo_pattern_create_linear(0, r.y, 0, r.y + r.h);
    cairo_pattern_add_color_stop_rgb(g, 0, ((top >> 16) & 0xFF) / 255.0, ((top >> 8) & 0xFF) / 255.0,
                                     (top & 0xFF) / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 1, ((bottom >> 16) & 0xFF) / 255.0, ((bottom >> 8) & 0xFF) / 255.0,
                                     (bottom & 0xFF) / 255.0);
    cairo_set_source(cr, g);
    rectPath(cr, r.x, r.y, r.w, r.h);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void ground(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    rectPath(cr, r.x, r.y, r.w, r.h);
    fillOnly(cr, fill);
    line(cr, f.x, f.y, f.x + f.w, f.y, f.lw);
    // A few darker strokes give the surface some texture.
    const uint32_t tex = darker(fill, 0.15);
    for (int i = 0; i < 12; ++i) {
        const double fx = (i * 0.083 + 0.03) + (i % 3) * 0.01;
        const double fy = 0.2 + ((i * 7) % 10) * 0.07;
        line(cr, f.X(fx), f.Y(fy), f.X(fx + 0.04), f.Y(fy), f.lw, tex);
    }
}

void house(Canvas& c, Rect r, uint32_t wall, uint32_t roof) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    rectPath(cr, f.X(0.08), f.Y(0.4), f.w * 0.84, f.h * 0.6 - f.lw);
    fillStroke(cr, wall, f.lw);
    // Chimney behind the roof line.
    rectPath(cr, f.X(0.66), f.Y(0.06), f.w * 0.09, f.h * 0.25);
    fillStroke(cr, darker(roof, 0.1), f.lw);
    cairo_move_to(cr, f.X(0.0) + f.lw, f.Y(0.42));
    cairo_line_to(cr, f.X(0.5), f.Y(0.02));
    cairo_line_to(cr, f.X(1.0) - f.lw, f.Y(0.42));
    cairo_close_path(cr);
    fillStroke(cr, roof, f.lw);
}

void door(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    const double top = f.Y(0.0) + f.lw;
    cairo_move_to(cr, f.X(0.05), f.Y(1.0) - f.lw);
    cairo_line_to(cr, f.X(0.05), top + f.w * 0.45);
    cairo_arc(cr, f.X(0.5), top + f.w * 0.45, f.w * 0.45, kPi, 2 * kPi);
    cairo_line_to(cr, f.X(0.95), f.Y(1.0) - f.lw);
    cairo_close_path(cr);
    fillStroke(cr, fill, f.lw);
    for (double fx : {0.35, 0.65}) line(cr, f.X(fx), top + f.w * 0.2, f.X(fx), f.Y(0.95), f.lw, darker(fill));
    ellipsePath(cr, f.X(0.75), f.Y(0.55), f.w * 0.1, f.w * 0.1);
    fillStroke(cr, 0xFFE0C060, f.lw);
}

void window(Canvas& c, Rect r, uint32_t frame) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    rectPath(cr, f.X(0.1), f.Y(0.05), f.w * 0.8, f.h * 0.78);
    fillStroke(cr, frame, f.lw);
    rectPath(cr, f.X(0.18), f.Y(0.12), f.w * 0.64, f.h * 0.64);
    fillStroke(cr, colour::kGlass, f.lw);
    line(cr, f.X(0.5), f.Y(0.12), f.X(0.5), f.Y(0.76), f.lw * 1.5, frame);
    line(cr, f.X(0.18), f.Y(0.44), f.X(0.82), f.Y(0.44), f.lw * 1.5, frame);
    line(cr, f.X(0.25), f.Y(0.2), f.X(0.35), f.Y(0.3), f.lw, lighter(colour::kGlass, 0.6));
    rectPath(cr, f.X(0.02), f.Y(0.83), f.w * 0.96, f.h * 0.12);
    fillStroke(cr, darker(frame, 0.2), f.lw);
}

void table(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    for (double fx : {0.1, 0.82}) {
        rectPath(cr, f.X(fx), f.Y(0.25), f.w * 0.08, f.h * 0.73);
        fillStroke(cr, darker(fill, 0.15), f.lw);
    }
    rectPath(cr, f.X(0.02), f.Y(0.1), f.w * 0.96, f.h * 0.16);
    fillStroke(cr, fill, f.lw);
}

void chair(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    rectPath(cr, f.X(0.15), f.Y(0.02), f.w * 0.14, f.h * 0.96);  // back post and leg
    fillStroke(cr, darker(fill, 0.15), f.lw);
    rectPath(cr, f.X(0.15), f.Y(0.08), f.w * 0.5, f.h * 0.12);  // back rail
    fillStroke(cr, fill, f.lw);
    rectPath(cr, f.X(0.72), f.Y(0.55), f.w * 0.12, f.h * 0.43);  // front leg
    fillStroke(cr, darker(fill, 0.15), f.lw);
    rectPath(cr, f.X(0.1), f.Y(0.5), f.w * 0.8, f.h * 0.1);  // seat
    fillStroke(cr, fill, f.lw);
}

void shelfWithMugs(Canvas& c, Rect r, int mugs, uint32_t shelf) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    static constexpr uint32_t kMugColours[] = {0xFFD9776A, 0xFF7FA7C9, 0xFFE8C76A, 0xFF9CC48A};
    const int n = std::clamp(mugs, 0, 12);
    for (int i = 0; i < n; ++i) {
        const double cell = 0.9 / std::max(n, 1);
        const double mx = 0.05 + cell * i + cell * 0.15;
        const double mw = cell * 0.55;
        // handle first so the body covers its inner half
        ellipsePath(cr, f.X(mx + mw * 0.7), f.Y(0.35), f.w * mw * 0.6, f.h * 0.25);
        setColour(cr, colour::kOutline);
        cairo_set_line_width(cr, f.lw * 1.5);
        cairo_stroke(cr);
        roundedRectPath(cr, f.X(mx), f.Y(0.25), f.w * mw, f.h * 0.5, f.lw * 2);
        fillStroke(cr, kMugColours[i % 4], f.lw);
    }
    rectPath(cr, f.X(0.0) + f.lw, f.Y(0.75), f.w - 2 * f.lw, f.h * 0.12);
    fillStroke(cr, shelf, f.lw);
    for (double fx : {0.12, 0.82}) {
        cairo_move_to(cr, f.X(fx), f.Y(0.87));
        cairo_line_to(cr, f.X(fx + 0.06), f.Y(0.87));
        cairo_line_to(cr, f.X(fx + 0.06), f.Y(0.98));
        cairo_close_path(cr);
        fillStroke(cr, darker(shelf, 0.1), f.lw);
    }
}

void cabinet(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    rectPath(cr, f.X(0.05), f.Y(0.04), f.w * 0.9, f.h * 0.9);
    fillStroke(cr, fill, f.lw);
    rectPath(cr, f.X(0.0) + f.lw, f.Y(0.0) + f.lw, f.w - 2 * f.lw, f.h * 0.06);
    fillStroke(cr, darker(fill, 0.15), f.lw);
    for (double fx : {0.12, 0.52}) {
        rectPath(cr, f.X(fx), f.Y(0.14), f.w * 0.36, f.h * 0.72);
        fillStroke(cr, lighter(fill, 0.15), f.lw);
    }
    for (double fx : {0.4, 0.56}) {
        ellipsePath(cr, f.X(fx), f.Y(0.48), f.w * 0.05, f.w * 0.05);
        fillStroke(cr, 0xFFE0C060, f.lw);
    }
    for (double fx : {0.1, 0.82}) {
        rectPath(cr, f.X(fx), f.Y(0.94), f.w * 0.08, f.h * 0.05);
        fillStroke(cr, darker(fill, 0.2), f.lw);
    }
}

void pictureFrame(Canvas& c, Rect r, uint32_t frame) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    rectPath(cr, f.X(0.04), f.Y(0.04), f.w * 0.92, f.h * 0.92);
    fillStroke(cr, frame, f.lw);
    rectPath(cr, f.X(0.14), f.Y(0.14), f.w * 0.72, f.h * 0.72);
    fillStroke(cr, colour::kSkyBottom, f.lw);
    // A tiny landscape inside: a hill and a sun.
    cairo_move_to(cr, f.X(0.14), f.Y(0.86));
    cairo_curve_to(cr, f.X(0.35), f.Y(0.45), f.X(0.6), f.Y(0.55), f.X(0.86), f.Y(0.7));
    cairo_line_to(cr, f.X(0.86), f.Y(0.86));
    cairo_close_path(cr);
    fillOnly(cr, colour::kGrass);
    ellipsePath(cr, f.X(0.62), f.Y(0.22), f.w * 0.14, f.w * 0.14);
    fillOnly(cr, 0xFFF2CF5B);
}

void tree(Canvas& c, Rect r, uint32_t crown) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    cairo_move_to(cr, f.X(0.42), f.Y(0.5));
    cairo_line_to(cr, f.X(0.38), f.Y(1.0) - f.lw);
    cairo_line_to(cr, f.X(0.62), f.Y(1.0) - f.lw);
    cairo_line_to(cr, f.X(0.58), f.Y(0.5));
    cairo_close_path(cr);
    fillStroke(cr, colour::kDarkWood, f.lw);
    // Crown: three overlapping blobs, drawn as one outlined shape.
    ellipsePath(cr, f.X(0.05), f.Y(0.2), f.w * 0.5, f.h * 0.45);
    ellipsePath(cr, f.X(0.45), f.Y(0.2), f.w * 0.5, f.h * 0.45);
    ellipsePath(cr, f.X(0.2), f.Y(0.02), f.w * 0.6, f.h * 0.45);
    setColour(cr, colour::kOutline);
    cairo_set_line_width(cr, f.lw * 2);
    cairo_stroke_preserve(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    fillOnly(cr, crown);
    for (auto [fx, fy] : {std::pair{0.3, 0.25}, std::pair{0.6, 0.35}, std::pair{0.4, 0.48}}) {
        ellipsePath(cr, f.X(fx), f.Y(fy), f.w * 0.08, f.h * 0.05);
        fillOnly(cr, lighter(crown, 0.2));
    }
}

void bush(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    ellipsePath(cr, f.X(0.02), f.Y(0.3), f.w * 0.5, f.h * 0.68);
    ellipsePath(cr, f.X(0.48), f.Y(0.3), f.w * 0.5, f.h * 0.68);
    ellipsePath(cr, f.X(0.22), f.Y(0.04), f.w * 0.56, f.h * 0.8);
    setColour(cr, colour::kOutline);
    cairo_set_line_width(cr, f.lw * 2);
    cairo_stroke_preserve(cr);
    fillOnly(cr, fill);
}

void grassTuft(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    static constexpr double kTips[][2] = {{0.05, 0.35}, {0.3, 0.02}, {0.5, 0.25}, {0.72, 0.0}, {0.95, 0.4}};
    cairo_move_to(cr, f.X(0.1), f.Y(1.0) - f.lw);
    double baseX = 0.1;
    for (const auto& tip : kTips) {
        cairo_line_to(cr, f.X(tip[0]), f.Y(tip[1]) + f.lw);
        baseX += 0.18;
        cairo_line_to(cr, f.X(std::min(baseX, 0.9)), f.Y(1.0) - f.lw);
    }
    cairo_close_path(cr);
    fillStroke(cr, fill, f.lw);
}

void fence(Canvas& c, Rect r, bool withGate, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    const int posts = std::max(3, r.w / std::max(r.h / 3, 8));
    const double step = 1.0 / posts;
    for (double fy : {0.3, 0.7}) {
        rectPath(cr, f.X(0.0), f.Y(fy), f.w, f.h * 0.1);
        fillStroke(cr, darker(fill, 0.15), f.lw);
    }
    const int gateFirst = posts / 2 - 1;
    for (int i = 0; i < posts; ++i) {
        const bool gate = withGate && (i == gateFirst || i == gateFirst + 1);
        const double px = step * i + step * 0.15;
        const double pw = step * 0.7;
        cairo_move_to(cr, f.X(px), f.Y(1.0) - f.lw);
        cairo_line_to(cr, f.X(px), f.Y(0.12));
        cairo_line_to(cr, f.X(px + pw / 2), f.Y(0.02));
        cairo_line_to(cr, f.X(px + pw), f.Y(0.12));
        cairo_line_to(cr, f.X(px + pw), f.Y(1.0) - f.lw);
        cairo_close_path(cr);
        fillStroke(cr, gate ? lighter(fill, 0.2) : fill, f.lw);
    }
    if (withGate) {
        // The gate's brace runs across its two boards.
        const double gx0 = step * gateFirst + step * 0.15;
        const double gx1 = step * (gateFirst + 1) + step * 0.85;
        line(cr, f.X(gx0), f.Y(0.85), f.X(gx1), f.Y(0.2), f.lw * 2, darker(fill, 0.3));
        ellipsePath(cr, f.X(gx1) - f.lw * 3, f.Y(0.5), f.lw * 3, f.lw * 3);
        fillStroke(cr, 0xFF6E6E78, f.lw);
    }
}

void path(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    cairo_move_to(cr, f.X(0.0), f.Y(1.0));
    cairo_curve_to(cr, f.X(0.2), f.Y(0.6), f.X(0.45), f.Y(0.4), f.X(0.4), f.Y(0.0));
    cairo_line_to(cr, f.X(0.6), f.Y(0.0));
    cairo_curve_to(cr, f.X(0.65), f.Y(0.4), f.X(0.8), f.Y(0.6), f.X(1.0), f.Y(1.0));
    cairo_close_path(cr);
    fillStroke(cr, fill, f.lw);
    for (auto [fx, fy] : {std::pair{0.35, 0.8}, std::pair{0.6, 0.6}, std::pair{0.48, 0.3}}) {
        ellipsePath(cr, f.X(fx), f.Y(fy), f.w * 0.06, f.h * 0.04);
        fillOnly(cr, darker(fill, 0.15));
    }
}

void stone(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    cairo_move_to(cr, f.X(0.05), f.Y(0.95));
    cairo_curve_to(cr, f.X(0.0), f.Y(0.4), f.X(0.3), f.Y(0.05), f.X(0.55), f.Y(0.08));
    cairo_curve_to(cr, f.X(0.85), f.Y(0.1), f.X(1.0), f.Y(0.5), f.X(0.95), f.Y(0.95));
    cairo_close_path(cr);
    fillStroke(cr, fill, f.lw);
    line(cr, f.X(0.3), f.Y(0.3), f.X(0.45), f.Y(0.22), f.lw, lighter(fill, 0.4));
}

void caveMouth(Canvas& c, Rect r, uint32_t rock) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    cairo_move_to(cr, f.X(0.0), f.Y(1.0));
    cairo_curve_to(cr, f.X(0.0), f.Y(0.3), f.X(0.2), f.Y(0.0), f.X(0.5), f.Y(0.0) + f.lw);
    cairo_curve_to(cr, f.X(0.8), f.Y(0.0), f.X(1.0), f.Y(0.3), f.X(1.0), f.Y(1.0));
    cairo_close_path(cr);
    fillStroke(cr, rock, f.lw);
    cairo_move_to(cr, f.X(0.2), f.Y(1.0));
    cairo_curve_to(cr, f.X(0.2), f.Y(0.5), f.X(0.32), f.Y(0.3), f.X(0.5), f.Y(0.3));
    cairo_curve_to(cr, f.X(0.68), f.Y(0.3), f.X(0.8), f.Y(0.5), f.X(0.8), f.Y(1.0));
    cairo_close_path(cr);
    fillStroke(cr, colour::kCave, f.lw);
    line(cr, f.X(0.1), f.Y(0.5), f.X(0.16), f.Y(0.4), f.lw, darker(rock, 0.2));
    line(cr, f.X(0.85), f.Y(0.35), f.X(0.9), f.Y(0.55), f.lw, darker(rock, 0.2));
}

void nestInTree(Canvas& c, Rect r, uint32_t crown) {
    tree(c, r, crown);
    cairo_t* cr = c.cr();
    const Frame f(r);
    // The nest rests in the crown, right of the trunk line.
    cairo_move_to(cr, f.X(0.5), f.Y(0.3));
    cairo_curve_to(cr, f.X(0.52), f.Y(0.42), f.X(0.78), f.Y(0.42), f.X(0.8), f.Y(0.3));
    cairo_close_path(cr);
    fillStroke(cr, 0xFFB08A55, f.lw);
    // Eggs, then the nest's front rim again so they sit inside it.
    for (double fx : {0.58, 0.66}) {
        ellipsePath(cr, f.X(fx), f.Y(0.25), f.w * 0.07, f.h * 0.06);
        fillStroke(cr, 0xFFEDE6D6, f.lw);
    }
    cairo_move_to(cr, f.X(0.5), f.Y(0.3));
    cairo_curve_to(cr, f.X(0.52), f.Y(0.42), f.X(0.78), f.Y(0.42), f.X(0.8), f.Y(0.3));
    cairo_close_path(cr);
    fillStroke(cr, 0xFFB08A55, f.lw);
    line(cr, f.X(0.55), f.Y(0.34), f.X(0.75), f.Y(0.34), f.lw, darker(0xFFB08A55));
}

void signBoard(Canvas& c, Rect r, uint32_t board) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    rectPath(cr, f.X(0.44), f.Y(0.4), f.w * 0.12, f.h * 0.6 - f.lw);
    fillStroke(cr, colour::kDarkWood, f.lw);
    roundedRectPath(cr, f.X(0.04), f.Y(0.04), f.w * 0.92, f.h * 0.46, f.lw * 3);
    fillStroke(cr, board, f.lw);
    for (double fy : {0.18, 0.28, 0.38}) line(cr, f.X(0.15), f.Y(fy), f.X(0.85), f.Y(fy), f.lw, darker(board, 0.2));
}

void wall(Canvas& c, Rect r, uint32_t fill, bool bricks) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    rectPath(cr, r.x, r.y, r.w, r.h);
    fillOnly(cr, fill);
    const uint32_t seam = darker(fill, 0.12);
    if (bricks) {
        const int bh = std::max(8, std::min(r.h / 6, 22));
        const int bw = bh * 3;
        for (int y = r.y, row = 0; y < r.bottom(); y += bh, ++row) {
            line(cr, r.x, y, r.right(), y, 1, seam);
            for (int x = r.x + (row % 2) * bw / 2; x < r.right(); x += bw)
                line(cr, x, y, x, std::min(y + bh, r.bottom()), 1, seam);
        }
    } else {
        // Soft vertical streaks of old plaster.
        for (int i = 0; i < 9; ++i) {
            const double fx = 0.05 + i * 0.11 + (i % 3) * 0.013;
            line(cr, f.X(fx), f.Y(0.1 + (i % 4) * 0.05), f.X(fx), f.Y(0.55 + (i % 3) * 0.12), f.lw,
                 mix(fill, seam, 0.5));
        }
    }
}

void floorBoards(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    rectPath(cr, r.x, r.y, r.w, r.h);
    fillOnly(cr, fill);
    const double lw = outlineWidth(r.w, r.h);
    line(cr, r.x, r.y, r.right(), r.y, lw);
    const uint32_t seam = darker(fill, 0.25);
    const int rows = std::max(2, r.h / 24);
    for (int i = 1; i <= rows; ++i) {
        const double y = r.y + r.h * i / double(rows);
        line(cr, r.x, y, r.right(), y, 1, seam);
        for (int x = r.x + (i % 2) * 60; x < r.right(); x += 120) {
            line(cr, x, y - r.h / double(rows), x, y, 1, seam);
        }
    }
}

void roof(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    cairo_move_to(cr, f.X(0.0) + f.lw, f.Y(1.0) - f.lw);
    cairo_line_to(cr, f.X(0.12), f.Y(0.0) + f.lw);
    cairo_line_to(cr, f.X(0.88), f.Y(0.0) + f.lw);
    cairo_line_to(cr, f.X(1.0) - f.lw, f.Y(1.0) - f.lw);
    cairo_close_path(cr);
    fillStroke(cr, fill, f.lw);
    const uint32_t tile = darker(fill, 0.2);
    for (double fy : {0.25, 0.5, 0.75})
        line(cr, f.X(0.12 * (1 - fy)) + f.lw, f.Y(fy), f.X(1 - 0.12 * (1 - fy)) - f.lw, f.Y(fy), f.lw, tile);
}

void stripe(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const double lw = std::clamp(std::floor(std::min(r.w, r.h) / 8.0), 1.0, 3.0);
    rectPath(cr, r.x + lw / 2, r.y + lw / 2, r.w - lw, r.h - lw);
    fillStroke(cr, fill, lw);
}

void stoneWall(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    rectPath(cr, r.x, r.y, r.w, r.h);
    fillOnly(cr, darker(fill, 0.2));
    const int sh = std::max(10, std::min(r.h / 5, 34));
    const double lw = outlineWidth(sh * 3.0, sh * 3.0);
    for (int y = r.y, row = 0; y < r.bottom(); y += sh, ++row) {
        for (int x = r.x - (row % 2) * sh; x < r.right(); x += sh * 2) {
            const double x0 = std::max<double>(x, r.x) + 1, x1 = std::min<double>(x + sh * 2, r.right()) - 1;
            const double y1 = std::min<double>(y + sh, r.bottom()) - 1;
            if (x1 - x0 < 3 || y1 - y < 3) continue;
            roundedRectPath(cr, x0, y + 1, x1 - x0, y1 - y - 1, sh / 4.0);
            fillStroke(cr, ((x / sh + row) % 3) ? fill : lighter(fill, 0.1), lw);
        }
    }
}

void cellBars(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const double lw = outlineWidth(r.w, r.h);
    const int n = std::max(3, r.w / 28);
    for (double fy : {0.04, 0.5, 0.94}) {
        rectPath(cr, r.x, r.y + r.h * fy - 4, r.w, 8);
        fillStroke(cr, fill, 1);
    }
    for (int i = 0; i <= n; ++i) {
        const double x = r.x + 4 + (r.w - 12) * i / double(n);
        rectPath(cr, x, r.y, 6, r.h);
        fillStroke(cr, fill, lw > 2 ? 2 : 1);
    }
}

void barredWindow(Canvas& c, Rect r) {
    window(c, r, colour::kStone);
    cairo_t* cr = c.cr();
    const Frame f(r);
    for (double fx : {0.3, 0.5, 0.7})
        line(cr, f.X(fx), f.Y(0.1), f.X(fx), f.Y(0.78), std::max(2.0, f.lw * 1.5), 0xFF3A3A44);
}

void stairs(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    const int steps = std::max(3, r.h / 30);
    cairo_move_to(cr, f.X(0), f.Y(1));
    for (int i = 0; i < steps; ++i) {
        const double y = f.Y(1.0 - (i + 1) / double(steps));
        const double x = f.X(i / double(steps));
        cairo_line_to(cr, x, y);
        cairo_line_to(cr, f.X((i + 1) / double(steps)), y);
    }
    cairo_line_to(cr, f.X(1), f.Y(1));
    cairo_close_path(cr);
    fillStroke(cr, fill, f.lw);
    for (int i = 0; i < steps; ++i) {
        const double y = f.Y(1.0 - (i + 1) / double(steps));
        line(cr, f.X(i / double(steps)), y + 4, f.X(1), y + 4, 1, darker(fill, 0.2));
    }
}

void railing(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    const int n = std::max(3, r.w / 22);
    for (int i = 0; i <= n; ++i) {
        const double x = f.X(0.01 + 0.98 * i / double(n));
        rectPath(cr, x - 3, f.Y(0.15), 6, f.h * 0.85);
        fillStroke(cr, lighter(fill, 0.15), 1);
    }
    rectPath(cr, f.x + 1, f.y + 1, f.w - 2, f.h * 0.16);
    fillStroke(cr, fill, f.lw);
}

void carpet(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    ellipsePath(cr, f.x + f.lw, f.y + f.lw, f.w - 2 * f.lw, f.h - 2 * f.lw);
    fillStroke(cr, fill, f.lw);
    ellipsePath(cr, f.X(0.15), f.Y(0.2), f.w * 0.7, f.h * 0.6);
    setColour(cr, 0xFFE8C76A);
    cairo_set_line_width(cr, f.lw * 1.5);
    cairo_stroke(cr);
}

void counter(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    rectPath(cr, f.X(0.02), f.Y(0.12), f.w * 0.96, f.h * 0.88 - f.lw);
    fillStroke(cr, fill, f.lw);
    for (double fx = 0.1; fx < 0.95; fx += 0.16) {
        rectPath(cr, f.X(fx), f.Y(0.3), f.w * 0.12, f.h * 0.55);
        fillStroke(cr, lighter(fill, 0.12), f.lw);
    }
    rectPath(cr, f.X(0.0) + f.lw, f.Y(0.0) + f.lw, f.w - 2 * f.lw, f.h * 0.12);
    fillStroke(cr, lighter(fill, 0.3), f.lw);
}

void barrel(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    cairo_move_to(cr, f.X(0.15), f.Y(0.04));
    cairo_curve_to(cr, f.X(-0.02), f.Y(0.35), f.X(-0.02), f.Y(0.65), f.X(0.15), f.Y(0.96));
    cairo_line_to(cr, f.X(0.85), f.Y(0.96));
    cairo_curve_to(cr, f.X(1.02), f.Y(0.65), f.X(1.02), f.Y(0.35), f.X(0.85), f.Y(0.04));
    cairo_close_path(cr);
    fillStroke(cr, fill, f.lw);
    for (double fy : {0.2, 0.8}) line(cr, f.X(0.05), f.Y(fy), f.X(0.95), f.Y(fy), f.lw * 2, 0xFF5A5A60);
    for (double fx : {0.35, 0.65}) line(cr, f.X(fx), f.Y(0.06), f.X(fx), f.Y(0.94), f.lw, darker(fill, 0.2));
}

void rockingChair(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    roundedRectPath(cr, f.X(0.1), f.Y(0.0) + f.lw, f.w * 0.8, f.h * 0.62, f.w * 0.2);  // high back
    fillStroke(cr, fill, f.lw);
    roundedRectPath(cr, f.X(0.18), f.Y(0.06), f.w * 0.64, f.h * 0.5, f.w * 0.15);
    fillStroke(cr, 0xFFB5533C, f.lw);  // cushion
    for (double fx : {0.0, 0.82}) {
        rectPath(cr, f.X(fx) + f.lw, f.Y(0.5), f.w * 0.18, f.h * 0.1);  // arms
        fillStroke(cr, lighter(fill, 0.15), f.lw);
        rectPath(cr, f.X(fx + 0.06), f.Y(0.6), f.w * 0.06, f.h * 0.3);  // legs
        fillStroke(cr, fill, f.lw);
    }
    cairo_move_to(cr, f.X(0.0) + f.lw, f.Y(0.86));
    cairo_curve_to(cr, f.X(0.3), f.Y(1.0), f.X(0.7), f.Y(1.0), f.X(1.0) - f.lw, f.Y(0.86));
    setColour(cr, fill);
    cairo_set_line_width(cr, f.lw * 3);
    cairo_stroke(cr);
}

void books(Canvas& c, Rect r) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    static constexpr uint32_t kSpines[] = {0xFF8C3B3B, 0xFF3B5E8C, 0xFF4E7A3E, 0xFFC09A3E, 0xFF6A4C8C};
    const int n = std::max(3, r.w / 14);
    for (int i = 0; i < n; ++i) {
        const double top = 0.08 + ((i * 7) % 5) * 0.04;
        rectPath(cr, f.X(i / double(n)) + 1, f.Y(top), f.w / n - 1, f.h * (1 - top) - 1);
        fillStroke(cr, kSpines[i % 5], 1);
        line(cr, f.X((i + 0.2) / n) + 1, f.Y(top + 0.15), f.X((i + 0.8) / n), f.Y(top + 0.15), 1, 0xFFE8C76A);
    }
}

void mug(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    ellipsePath(cr, f.X(0.55), f.Y(0.25), f.w * 0.4, f.h * 0.45);
    setColour(cr, colour::kOutline);
    cairo_set_line_width(cr, std::max(2.0, f.lw * 2));
    cairo_stroke(cr);
    roundedRectPath(cr, f.X(0.05), f.Y(0.08), f.w * 0.65, f.h * 0.88, f.lw * 2);
    fillStroke(cr, fill, f.lw);
}

void vaseWithFlower(Canvas& c, Rect r) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    line(cr, f.X(0.5), f.Y(0.3), f.X(0.5), f.Y(0.9), std::max(2.0, f.lw), 0xFF3E7A2E);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * kPi / 5;
        ellipsePath(cr, f.X(0.5 + 0.18 * std::cos(a)) - f.w * 0.14, f.Y(0.17 + 0.1 * std::sin(a)) - f.h * 0.07,
                    f.w * 0.28, f.h * 0.14);
        fillStroke(cr, 0xFFE06A8A, f.lw);
    }
    ellipsePath(cr, f.X(0.4), f.Y(0.12), f.w * 0.2, f.h * 0.1);
    fillStroke(cr, 0xFFF2CF5B, f.lw);
    // Glass vase: water in its lower part.
    cairo_move_to(cr, f.X(0.25), f.Y(0.5));
    cairo_line_to(cr, f.X(0.2), f.Y(0.98));
    cairo_line_to(cr, f.X(0.8), f.Y(0.98));
    cairo_line_to(cr, f.X(0.75), f.Y(0.5));
    cairo_close_path(cr);
    fillStroke(cr, lighter(colour::kGlass, 0.4), f.lw);
    rectPath(cr, f.X(0.22), f.Y(0.7), f.w * 0.56, f.h * 0.27);
    fillOnly(cr, colour::kGlass);
    line(cr, f.X(0.5), f.Y(0.5), f.X(0.5), f.Y(0.96), std::max(2.0, f.lw), 0xFF3E7A2E);
}

void pottedPlant(Canvas& c, Rect r) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    rectPath(cr, f.X(0.46), f.Y(0.4), f.w * 0.08, f.h * 0.45);
    fillStroke(cr, colour::kDarkWood, f.lw);
    ellipsePath(cr, f.X(0.05), f.Y(0.02), f.w * 0.9, f.h * 0.48);
    fillStroke(cr, colour::kLeaf, f.lw);
    for (auto [fx, fy] : {std::pair{0.25, 0.12}, std::pair{0.55, 0.2}, std::pair{0.35, 0.32}}) {
        ellipsePath(cr, f.X(fx), f.Y(fy), f.w * 0.2, f.h * 0.08);
        fillOnly(cr, lighter(colour::kLeaf, 0.2));
    }
    cairo_move_to(cr, f.X(0.25), f.Y(0.8));
    cairo_line_to(cr, f.X(0.32), f.Y(1.0) - f.lw);
    cairo_line_to(cr, f.X(0.68), f.Y(1.0) - f.lw);
    cairo_line_to(cr, f.X(0.75), f.Y(0.8));
    cairo_close_path(cr);
    fillStroke(cr, 0xFFC0704A, f.lw);
}

void pegWithKeys(Canvas& c, Rect r) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    rectPath(cr, f.X(0.0) + 1, f.Y(0.0) + 1, f.w - 2, f.h * 0.22);
    fillStroke(cr, colour::kDarkWood, f.lw);
    for (int i = 0; i < 5; ++i) {
        const double fx = 0.1 + i * 0.18;
        line(cr, f.X(fx + 0.04), f.Y(0.22), f.X(fx + 0.04), f.Y(0.45), f.lw, 0xFF8A8A90);
        ellipsePath(cr, f.X(fx), f.Y(0.4), f.w * 0.08, f.w * 0.08);
        setColour(cr, 0xFFD8B040);
        cairo_set_line_width(cr, std::max(2.0, f.lw));
        cairo_stroke(cr);
        line(cr, f.X(fx + 0.04), f.Y(0.45) + f.w * 0.08, f.X(fx + 0.04), f.Y(0.95), std::max(2.0, f.lw * 1.5),
             0xFFD8B040);
    }
}

void bowlOfDoughnuts(Canvas& c, Rect r) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    for (auto [fx, fy] : {std::pair{0.12, 0.2}, std::pair{0.4, 0.08}, std::pair{0.62, 0.22}}) {
        ellipsePath(cr, f.X(fx), f.Y(fy), f.w * 0.3, f.h * 0.4);
        fillStroke(cr, 0xFFD89A5A, f.lw);
        ellipsePath(cr, f.X(fx + 0.11), f.Y(fy + 0.14), f.w * 0.08, f.h * 0.12);
        fillStroke(cr, 0xFFF0E0C0, f.lw);
    }
    cairo_move_to(cr, f.X(0.0) + f.lw, f.Y(0.45));
    cairo_curve_to(cr, f.X(0.1), f.Y(1.05), f.X(0.9), f.Y(1.05), f.X(1.0) - f.lw, f.Y(0.45));
    cairo_close_path(cr);
    fillStroke(cr, 0xFF7FA7C9, f.lw);
}

void bat(Canvas& c, Rect r) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    cairo_move_to(cr, f.X(0.1), f.Y(0.9));
    cairo_line_to(cr, f.X(0.8), f.Y(0.05));
    cairo_line_to(cr, f.X(0.95), f.Y(0.2));
    cairo_line_to(cr, f.X(0.2), f.Y(0.98));
    cairo_close_path(cr);
    fillStroke(cr, 0xFFD8B880, f.lw);
}

void ball(Canvas& c, Rect r) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    ellipsePath(cr, f.x + f.lw, f.y + f.lw, f.w - 2 * f.lw, f.h - 2 * f.lw);
    fillStroke(cr, 0xFFF0F0E8, f.lw);
    line(cr, f.X(0.3), f.Y(0.2), f.X(0.3), f.Y(0.8), f.lw, 0xFFC0504A);
}

void cloud(Canvas& c, Rect r) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    ellipsePath(cr, f.X(0.0), f.Y(0.35), f.w * 0.45, f.h * 0.6);
    ellipsePath(cr, f.X(0.5), f.Y(0.35), f.w * 0.5, f.h * 0.6);
    ellipsePath(cr, f.X(0.2), f.Y(0.02), f.w * 0.5, f.h * 0.8);
    setColour(cr, 0xFFB0BCC8);
    cairo_set_line_width(cr, f.lw);
    cairo_stroke_preserve(cr);
    fillOnly(cr, 0xFFFAFCFF);
}

void sun(Canvas& c, Rect r) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6;
        line(cr, f.X(0.5 + 0.3 * std::cos(a)), f.Y(0.5 + 0.3 * std::sin(a)), f.X(0.5 + 0.48 * std::cos(a)),
             f.Y(0.5 + 0.48 * std::sin(a)), std::max(2.0, f.lw), 0xFFF2B83B);
    }
    ellipsePath(cr, f.X(0.22), f.Y(0.22), f.w * 0.56, f.h * 0.56);
    fillStroke(cr, 0xFFF7D54A, f.lw);
}

void hill(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    cairo_move_to(cr, f.X(0.0), f.Y(1.0));
    cairo_curve_to(cr, f.X(0.2), f.Y(0.1), f.X(0.6), f.Y(-0.05), f.X(1.0), f.Y(0.6));
    cairo_line_to(cr, f.X(1.0), f.Y(1.0));
    cairo_close_path(cr);
    fillStroke(cr, fill, f.lw);
    for (int i = 0; i < 6; ++i) {
        const double fx = 0.12 + i * 0.14, fy = 0.45 + (i % 3) * 0.12;
        ellipsePath(cr, f.X(fx), f.Y(fy), f.w * 0.07, f.h * 0.14);
        fillOnly(cr, darker(fill, 0.25));
    }
}

void forestWall(Canvas& c, Rect r, uint32_t crown) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    rectPath(cr, r.x, r.y + r.h * 0.3, r.w, r.h * 0.7);
    fillOnly(cr, darker(crown, 0.35));
    const int n = std::max(2, r.w / 70);
    for (int i = 0; i < n; ++i) {
        const double fx = (i + 0.5) / n;
        rectPath(cr, f.X(fx) - 6, f.Y(0.4), 12, f.h * 0.6);
        fillStroke(cr, colour::kDarkWood, 1);
    }
    for (int i = 0; i <= n; ++i) {
        const double fx = (i - 0.1) / n;
        const double fy = (i % 2) ? 0.0 : 0.08;
        ellipsePath(cr, f.X(fx) - f.w * 0.5 / n, f.Y(fy), f.w * 1.3 / n, f.h * 0.55);
        fillStroke(cr, (i % 2) ? crown : lighter(crown, 0.1), f.lw);
    }
}

void bird(Canvas& c, Rect r, int wings) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    constexpr uint32_t kFeathers = 0xFF5A6A8A, kBeak = 0xFFE8A03A;
    // A flying bird tucks its legs in; the far wing goes behind the body.
    if (wings == 0) {
        for (double fx : {0.4, 0.55}) line(cr, f.X(fx), f.Y(0.68), f.X(fx), f.Y(0.95), f.lw, kBeak);
    } else {
        const double tipY = wings == 1 ? 0.0 : 0.95;
        cairo_move_to(cr, f.X(0.38), f.Y(0.48));
        cairo_line_to(cr, f.X(0.2), f.Y(tipY));
        cairo_line_to(cr, f.X(0.56), f.Y(0.48));
        cairo_close_path(cr);
        fillStroke(cr, darker(kFeathers, 0.25), f.lw);
    }
    // Tail, body, head, beak.
    cairo_move_to(cr, f.X(0.25), f.Y(0.48));
    cairo_line_to(cr, f.X(0.0), f.Y(0.38));
    cairo_line_to(cr, f.X(0.04), f.Y(0.6));
    cairo_close_path(cr);
    fillStroke(cr, kFeathers, f.lw);
    ellipsePath(cr, f.X(0.2), f.Y(0.35), f.w * 0.55, f.h * 0.35);
    fillStroke(cr, kFeathers, f.lw);
    ellipsePath(cr, f.X(0.6), f.Y(0.2), f.w * 0.25, f.h * 0.25);
    fillStroke(cr, kFeathers, f.lw);
    ellipsePath(cr, f.X(0.72), f.Y(0.27), f.w * 0.05, f.h * 0.06);
    fillOnly(cr, colour::kOutline);
    cairo_move_to(cr, f.X(0.84), f.Y(0.3));
    cairo_line_to(cr, f.X(0.98), f.Y(0.34));
    cairo_line_to(cr, f.X(0.84), f.Y(0.38));
    cairo_close_path(cr);
    fillStroke(cr, kBeak, f.lw);
    if (wings == 0) {
        // The folded wing lies along the body.
        ellipsePath(cr, f.X(0.3), f.Y(0.42), f.w * 0.3, f.h * 0.16);
        fillStroke(cr, darker(kFeathers, 0.15), f.lw);
    } else {
        const double tipY = wings == 1 ? 0.0 : 1.0;
        cairo_move_to(cr, f.X(0.36), f.Y(0.5));
        cairo_line_to(cr, f.X(0.5), f.Y(tipY));
        cairo_line_to(cr, f.X(0.62), f.Y(0.5));
        cairo_close_path(cr);
        fillStroke(cr, lighter(kFeathers, 0.15), f.lw);
    }
}

void villageGate(Canvas& c, Rect opening, int horizonY, uint32_t wood) {
    cairo_t* cr = c.cr();
    const Frame o(opening);
    const double lw = std::clamp(std::floor(opening.w / 30.0), 1.0, 3.0);
    const double post = std::max(6.0, opening.w * 0.28);
    const double top = opening.y, bottom = opening.bottom();
    const double horizon = std::clamp<double>(horizonY, top + 4, bottom - 4);
    // The country beyond, seen through the opening.
    cairo_save(cr);
    rectPath(cr, opening.x, top, opening.w, bottom - top);
    cairo_clip(cr);
    rectPath(cr, opening.x, top, opening.w, horizon - top);
    fillOnly(cr, 0xFFCFE8F2);
    rectPath(cr, opening.x, horizon, opening.w, bottom - horizon);
    fillOnly(cr, 0xFF8DBF6A);
    // Far hills and a dark line of forest on them.
    cairo_move_to(cr, o.X(-0.1), horizon);
    cairo_curve_to(cr, o.X(0.2), horizon - o.w * 0.5, o.X(0.6), horizon - o.w * 0.2, o.X(1.1), horizon - o.w * 0.35);
    cairo_line_to(cr, o.X(1.1), horizon + 2);
    cairo_line_to(cr, o.X(-0.1), horizon + 2);
    cairo_close_path(cr);
    fillStroke(cr, 0xFF7FAF5E, lw);
    for (int i = 0; i < 4; ++i) {
        ellipsePath(cr, o.X(0.05 + i * 0.25), horizon - o.w * 0.16, o.w * 0.22, o.w * 0.2);
        fillStroke(cr, 0xFF3E6A32, lw);
    }
    // The way out: wide at the gate's foot, running off to the horizon.
    cairo_move_to(cr, o.X(0.02), bottom);
    cairo_curve_to(cr, o.X(0.2), bottom - (bottom - horizon) * 0.4, o.X(0.45), horizon + 12, o.X(0.5), horizon);
    cairo_line_to(cr, o.X(0.56), horizon);
    cairo_curve_to(cr, o.X(0.62), horizon + 12, o.X(0.85), bottom - (bottom - horizon) * 0.4, o.X(0.98), bottom);
    cairo_close_path(cr);
    fillStroke(cr, colour::kEarth, lw);
    cairo_restore(cr);
    // Both leaves stand open against the outside of the posts: planks, two
    // rails and a brace.
    const double leafTop = top + (bottom - top) * 0.22, leafH = (bottom - top) * 0.72;
    for (int side = 0; side < 2; ++side) {
        const double x0 = side == 0 ? opening.x - post - post * 1.1 : opening.right() + post;
        const double x1 = x0 + post * 1.1;
        const double nearX = side == 0 ? x1 : x0, farX = side == 0 ? x0 : x1;
        cairo_move_to(cr, nearX, leafTop);
        cairo_line_to(cr, farX, leafTop + leafH * 0.06);
        cairo_line_to(cr, farX, leafTop + leafH * 0.94);
        cairo_line_to(cr, nearX, leafTop + leafH);
        cairo_close_path(cr);
        fillStroke(cr, darker(wood, 0.12), lw);
        for (double t : {0.33, 0.66}) {
            line(cr, x0 + (x1 - x0) * t, leafTop + leafH * 0.04, x0 + (x1 - x0) * t, leafTop + leafH * 0.96, lw,
                 darker(wood, 0.35));
        }
        for (double t : {0.2, 0.8}) line(cr, nearX, leafTop + leafH * t, farX, leafTop + leafH * (t + 0.02), lw * 2);
        line(cr, nearX, leafTop + leafH * 0.8, farX, leafTop + leafH * 0.22, lw * 2, darker(wood, 0.25));
    }
    // Posts.
    for (double x : {opening.x - post, static_cast<double>(opening.right())}) {
        rectPath(cr, x, top - post * 0.4, post, bottom - top + post * 0.4);
        fillStroke(cr, wood, lw);
        line(cr, x + post * 0.35, top + post, x + post * 0.35, bottom - post, lw, darker(wood, 0.3));
    }
    // Lintel across the posts, the roof over it.
    const double beamH = std::max(8.0, post * 0.9);
    const double beamY = top - post * 0.4 - beamH;
    const double over = post * 0.7;
    rectPath(cr, opening.x - post - over, beamY, opening.w + 2 * (post + over), beamH);
    fillStroke(cr, darker(wood, 0.1), lw);
    const double roofH = std::max(12.0, opening.w * 0.55);
    cairo_move_to(cr, opening.x - post - over * 1.6, beamY);
    cairo_line_to(cr, o.X(0.5), beamY - roofH);
    cairo_line_to(cr, opening.right() + post + over * 1.6, beamY);
    cairo_close_path(cr);
    fillStroke(cr, colour::kRoof, lw);
    for (double t : {0.35, 0.7}) {
        line(cr, o.X(0.5) - (o.w / 2 + post + over * 1.6) * t, beamY - roofH * (1 - t),
             o.X(0.5) + (o.w / 2 + post + over * 1.6) * t, beamY - roofH * (1 - t), lw, darker(colour::kRoof, 0.3));
    }
}

void labelledThing(Canvas& c, Rect r, uint32_t fill) {
    cairo_t* cr = c.cr();
    const Frame f(r);
    roundedRectPath(cr, f.X(0.04), f.Y(0.04), f.w * 0.92, f.h * 0.92, f.lw * 4);
    fillStroke(cr, fill, f.lw);
    roundedRectPath(cr, f.X(0.14), f.Y(0.14), f.w * 0.72, f.h * 0.72, f.lw * 3);
    setColour(cr, darker(fill, 0.3));
    cairo_set_line_width(cr, f.lw);
    cairo_stroke(cr);
    cairo_move_to(cr, f.X(0.5), f.Y(0.3));
    cairo_line_to(cr, f.X(0.7), f.Y(0.5));
    cairo_line_to(cr, f.X(0.5), f.Y(0.7));
    cairo_line_to(cr, f.X(0.3), f.Y(0.5));
    cairo_close_path(cr);
    fillStroke(cr, lighter(fill, 0.4), f.lw);
}

// ------------------------------------------------------------ [character]

namespace {

struct Span {
    double x0, x1, y0, y1;
};

// Head within a figure, and face parts within a head (fractions of the head
// box). Ears reach outside the head box by 15 % of its width.
constexpr Span kFigureHead{0.33, 0.67, 0.02, 0.22};
constexpr Span kHeadInPicture{0.13, 0.87, 0.04, 0.96};

Span faceLocal(Part p) {
    switch (p) {
        case Part::Eyes:
            return {0.18, 0.82, 0.35, 0.52};
        case Part::Nose:
            return {0.43, 0.57, 0.52, 0.66};
        case Part::Mouth:
            return {0.30, 0.70, 0.70, 0.84};
        case Part::LeftEar:
            return {-0.15, 0.0, 0.38, 0.65};
        case Part::RightEar:
            return {1.0, 1.15, 0.38, 0.65};
        default:
            return {0.0, 1.0, 0.0, 1.0};
    }
}

bool isFacePart(Part p) {
    return p == Part::Head || p == Part::Eyes || p == Part::Nose || p == Part::Mouth || p == Part::LeftEar ||
           p == Part::RightEar;
}

Span figureSpan(Part p) {
    switch (p) {
        case Part::Body:
            return {0.28, 0.72, 0.25, 0.55};
        case Part::LeftHand:
            return {0.12, 0.28, 0.50, 0.60};
        case Part::RightHand:
            return {0.72, 0.88, 0.50, 0.60};
        case Part::Groin:
            return {0.36, 0.64, 0.55, 0.62};
        case Part::Legs:
            return {0.30, 0.70, 0.62, 0.92};
        case Part::Shoes:
            return {0.26, 0.74, 0.92, 0.99};
        default:
            break;
    }
    const Span h = kFigureHead;
    const Span l = faceLocal(p);
    const double hw = h.x1 - h.x0;
    const double hh = h.y1 - h.y0;
    return {h.x0 + l.x0 * hw, h.x0 + l.x1 * hw, h.y0 + l.y0 * hh, h.y0 + l.y1 * hh};
}

Rect toRect(Rect outer, Span s) {
    const int x0 = outer.x + static_cast<int>(std::lround(s.x0 * outer.w));
    const int x1 = outer.x + static_cast<int>(std::lround(s.x1 * outer.w));
    const int y0 = outer.y + static_cast<int>(std::lround(s.y0 * outer.h));
    const int y1 = outer.y + static_cast<int>(std::lround(s.y1 * outer.h));
    return {x0, y0, x1 - x0, y1 - y0};
}

// Eyes in `box`: a skin patch filling the box, two eyes, brows. The patch
// makes an eye overlay cover whatever the head picture had there.
void drawEyes(cairo_t* cr, Rect box, const CharacterLook& look, bool open, double lw, bool browsUp = false) {
    // Nothing leaves the box: an eye animation cropped at it shows all of it.
    cairo_save(cr);
    rectPath(cr, box.x, box.y, box.w, box.h);
    cairo_clip(cr);
    rectPath(cr, box.x, box.y, box.w, box.h);
    fillOnly(cr, look.skin);
    const Frame f(box);
    for (double cx : {0.25, 0.75}) {
        const double ew = f.w * 0.32;
        const double eh = f.h * 0.62;
        const double ex = f.X(cx) - ew / 2;
        const double ey = f.Y(0.3);
        const double brow = browsUp ? 0.0 : 0.08;
        line(cr, ex, f.Y(brow + 0.04) + lw / 2, ex + ew, f.Y(brow) + lw / 2, std::max(lw, f.h * 0.12), look.hair);
        if (open) {
            ellipsePath(cr, ex, ey, ew, eh);
            fillStroke(cr, look.eyeWhite, lw);
            ellipsePath(cr, f.X(cx) - ew * 0.22, ey + eh * 0.25, ew * 0.44, eh * 0.6);
            fillOnly(cr, look.pupil);
        } else {
            line(cr, ex, ey + eh * 0.55, ex + ew, ey + eh * 0.55, lw);
        }
    }
    cairo_restore(cr);
}

// Mouth in `box` on a skin (or beard) patch; openness 0 closed, 1 slight, 2 open. A
// bearded look gets a moustache over it.
void drawMouth(cairo_t* cr, Rect box, const CharacterLook& look, int openness, double lw) {
    // With a beard the patch lies inside the beard, so it takes its colour.
    // Nothing leaves the box, as with the eyes.
    cairo_save(cr);
    rectPath(cr, box.x, box.y, box.w, box.h);
    cairo_clip(cr);
    rectPath(cr, box.x, box.y, box.w, box.h);
    fillOnly(cr, look.beard ? look.hair : look.skin);
    const Frame f(box);
    const double top = look.beard ? 0.35 : 0.15;
    if (openness <= 0) {
        line(cr, f.X(0.2), f.Y(0.62), f.X(0.8), f.Y(0.62), std::max(lw, f.h * 0.12), look.lips);
    } else {
        const double oh = openness == 1 ? 0.35 : 0.8;
        const double oy = std::min(top + 0.05, 1.0 - oh - 0.04);
        ellipsePath(cr, f.X(openness == 1 ? 0.25 : 0.18), f.Y(oy), f.w * (openness == 1 ? 0.5 : 0.64), f.h * oh);
        fillStroke(cr, 0xFF6A2A2E, lw);
        if (openness == 2) {
            ellipsePath(cr, f.X(0.35), f.Y(oy + oh * 0.55), f.w * 0.3, f.h * oh * 0.35);
            fillOnly(cr, look.lips);
        }
    }
    if (look.beard) {
        cairo_move_to(cr, f.X(0.05), f.Y(0.45));
        cairo_curve_to(cr, f.X(0.2), f.Y(0.0), f.X(0.8), f.Y(0.0), f.X(0.95), f.Y(0.45));
        cairo_curve_to(cr, f.X(0.7), f.Y(0.3), f.X(0.3), f.Y(0.3), f.X(0.05), f.Y(0.45));
        cairo_close_path(cr);
        fillOnly(cr, darker(look.hair, 0.2));
    }
    cairo_restore(cr);
}

// A whole head: ears, face oval, hair, beard, eyes, nose, mouth. `head`
// is the head box, `eyes`, `nose`, `mouth` the face boxes inside it.
void drawHead(cairo_t* cr, Rect head, Rect leftEar, Rect rightEar, Rect eyes, Rect nose, Rect mouth,
              const CharacterLook& look, bool eyesOpen, int mouthOpen, bool browsUp = false) {
    const double lw = outlineWidth(head.w * 1.5, head.h * 1.5);
    // Each ear reaches a little under the face oval, which is drawn over it.
    ellipsePath(cr, leftEar.x, leftEar.y, leftEar.w + lw * 2, leftEar.h);
    fillStroke(cr, look.skin, lw);
    ellipsePath(cr, rightEar.x - lw * 2, rightEar.y, rightEar.w + lw * 2, rightEar.h);
    fillStroke(cr, look.skin, lw);
    const Frame h(head);
    ellipsePath(cr, h.x + lw / 2, h.y + lw / 2, h.w - lw, h.h - lw);
    fillStroke(cr, look.skin, lw);
    // Hair: a cap over the top quarter of the oval.
    cairo_save(cr);
    ellipsePath(cr, h.x + lw / 2, h.y + lw / 2, h.w - lw, h.h - lw);
    cairo_clip(cr);
    cairo_move_to(cr, h.X(0.0), h.Y(0.0));
    cairo_line_to(cr, h.X(1.0), h.Y(0.0));
    cairo_line_to(cr, h.X(1.0), h.Y(0.32));
    cairo_curve_to(cr, h.X(0.7), h.Y(0.18), h.X(0.4), h.Y(0.3), h.X(0.0), h.Y(0.3));
    cairo_close_path(cr);
    fillOnly(cr, look.hair);
    if (look.beard) {
        // Cheeks and chin, leaving the mouth box to the mouth patch.
        rectPath(cr, h.X(0.0), h.Y(0.6), h.w, h.h * 0.4);
        fillOnly(cr, look.hair);
    }
    cairo_restore(cr);
    ellipsePath(cr, h.x + lw / 2, h.y + lw / 2, h.w - lw, h.h - lw);
    setColour(cr, colour::kOutline);
    cairo_set_line_width(cr, lw);
    cairo_stroke(cr);
    drawEyes(cr, eyes, look, eyesOpen, lw, browsUp);
    const Frame n(nose);
    cairo_move_to(cr, n.X(0.5), n.Y(0.0));
    cairo_line_to(cr, n.X(0.1), n.Y(0.95));
    cairo_line_to(cr, n.X(0.9), n.Y(0.95));
    cairo_close_path(cr);
    fillOnly(cr, darker(look.skin, 0.15));
    drawMouth(cr, mouth, look, mouthOpen, lw);
}

}  // namespace

Rect partRect(Rect figure, Part part) {
    return toRect(figure, figureSpan(part));
}

namespace {

// Everything of a standing figure below its head.
void drawBody(Canvas& c, Rect fig, const CharacterLook& look) {
    cairo_t* cr = c.cr();
    const Frame f(fig);
    const double lw = outlineWidth(fig.w, fig.h / 2.0);
    auto R = [&](Part p) { return partRect(fig, p); };
    // Trousers: waist over the groin, two legs below with a gap between.
    cairo_move_to(cr, f.X(0.31), f.Y(0.54));
    cairo_line_to(cr, f.X(0.69), f.Y(0.54));
    cairo_line_to(cr, f.X(0.69), f.Y(0.93));
    cairo_line_to(cr, f.X(0.52), f.Y(0.93));
    cairo_line_to(cr, f.X(0.5), f.Y(0.66));
    cairo_line_to(cr, f.X(0.48), f.Y(0.93));
    cairo_line_to(cr, f.X(0.31), f.Y(0.93));
    cairo_close_path(cr);
    fillStroke(cr, look.trousers, lw);
    for (auto [x0, x1] : {std::pair{0.26, 0.49}, std::pair{0.51, 0.74}}) {
        cairo_move_to(cr, f.X(x0), f.Y(0.985));
        cairo_line_to(cr, f.X(x0), f.Y(0.95));
        cairo_curve_to(cr, f.X(x0), f.Y(0.92), f.X(x1), f.Y(0.92), f.X(x1), f.Y(0.95));
        cairo_line_to(cr, f.X(x1), f.Y(0.985));
        cairo_close_path(cr);
        fillStroke(cr, look.shoes, lw);
    }
    // Arms (sleeves), then the torso over their inner edge.
    for (auto [x0, x1] : {std::pair{0.16, 0.3}, std::pair{0.7, 0.84}}) {
        roundedRectPath(cr, f.X(x0), f.Y(0.26), f.X(x1) - f.X(x0), f.h * 0.26, lw * 3);
        fillStroke(cr, darker(look.shirt, 0.1), lw);
    }
    roundedRectPath(cr, f.X(0.28), f.Y(0.245), f.w * 0.44, f.h * 0.31, lw * 4);
    fillStroke(cr, look.shirt, lw);
    line(cr, f.X(0.5), f.Y(0.3), f.X(0.5), f.Y(0.53), lw, darker(look.shirt, 0.3));
    for (Part hand : {Part::LeftHand, Part::RightHand}) {
        const Rect h = R(hand);
        ellipsePath(cr, h.x + h.w * 0.1, h.y, h.w * 0.8, h.h * 0.95);
        fillStroke(cr, look.skin, lw);
    }
}

}  // namespace

void drawCharacter(Canvas& c, Rect fig, const CharacterLook& look) {
    drawBody(c, fig, look);
    cairo_t* cr = c.cr();
    const Frame f(fig);
    const double lw = outlineWidth(fig.w, fig.h / 2.0);
    auto R = [&](Part p) { return partRect(fig, p); };
    rectPath(cr, f.X(0.45), f.Y(0.2), f.w * 0.1, f.h * 0.05);  // neck
    fillStroke(cr, look.skin, lw);
    drawHead(cr, R(Part::Head), R(Part::LeftEar), R(Part::RightEar), R(Part::Eyes), R(Part::Nose), R(Part::Mouth), look,
             true, 0);
}

void drawCharacter(Canvas& c, Rect fig, const CharacterLook& look, const HeadGeometry& head) {
    drawBody(c, fig, look);
    cairo_t* cr = c.cr();
    const Frame f(fig);
    const double lw = outlineWidth(fig.w, fig.h / 2.0);
    // The neck runs from inside the head down under the collar.
    const double neckTop = head.head.bottom() - head.head.h * 0.15;
    const double neckW = std::max(6.0, head.head.w * 0.3);
    const double cx = head.head.x + head.head.w / 2.0;
    if (f.Y(0.26) > neckTop) {
        rectPath(cr, cx - neckW / 2, neckTop, neckW, f.Y(0.26) - neckTop);
        fillStroke(cr, look.skin, lw);
    }
    drawHeadAt(c, head, look);
}

// ------------------------------------------------------------ [face set]

Rect headPartRect(int w, int h, Part part) {
    if (!isFacePart(part)) throw std::invalid_argument("headPartRect: a head picture has no such part");
    const Span hd = kHeadInPicture;
    const Span l = faceLocal(part);
    const double hw = hd.x1 - hd.x0;
    const double hh = hd.y1 - hd.y0;
    return toRect({0, 0, w, h}, {hd.x0 + l.x0 * hw, hd.x0 + l.x1 * hw, hd.y0 + l.y0 * hh, hd.y0 + l.y1 * hh});
}

bool isBlinkFrame(int i, int frames) {
    if (frames < 2) return false;
    if (frames < 4) return i == frames - 1;
    return i == frames / 2 || i == frames - 1;
}

int mouthOpenness(int i, bool talking) {
    static constexpr int kTalk[] = {0, 1, 2, 1};
    if (talking) return kTalk[i % 4];
    return i % 4 == 3 ? 1 : 0;
}

namespace {

Image headImage(int w, int h, const CharacterLook& look, bool eyesOpen, int mouthOpen) {
    Canvas c(w, h, 0x00000000, Smoothing::Crisp);
    auto R = [&](Part p) { return headPartRect(w, h, p); };
    drawHead(c.cr(), R(Part::Head), R(Part::LeftEar), R(Part::RightEar), R(Part::Eyes), R(Part::Nose), R(Part::Mouth),
             look, eyesOpen, mouthOpen);
    return c.image();
}

// The overlays use the outline width the matching head would use, taking the
// overlay as the face box of a head ~3x its height.
double overlayLine(int h) {
    return outlineWidth(h * 6.0, h * 6.0);
}

}  // namespace

std::vector<Image> eyesFrames(int w, int h, int frames, const CharacterLook& look) {
    requireSize(w, h, "eyesFrames");
    requireFrames(frames, "eyesFrames");
    std::vector<Image> out;
    for (int i = 0; i < frames; ++i) {
        Canvas c(w, h, 0x00000000, Smoothing::Crisp);
        drawEyes(c.cr(), {0, 0, w, h}, look, !isBlinkFrame(i, frames), overlayLine(h));
        out.push_back(c.image());
    }
    return out;
}

std::vector<Image> mouthFrames(int w, int h, int frames, const CharacterLook& look, bool talking) {
    requireSize(w, h, "mouthFrames");
    requireFrames(frames, "mouthFrames");
    std::vector<Image> out;
    for (int i = 0; i < frames; ++i) {
        Canvas c(w, h, 0x00000000, Smoothing::Crisp);
        drawMouth(c.cr(), {0, 0, w, h}, look, mouthOpenness(i, talking), overlayLine(h));
        out.push_back(c.image());
    }
    return out;
}

Image headPicture(int w, int h, const CharacterLook& look) {
    requireSize(w, h, "headPicture");
    return headImage(w, h, look, true, 0);
}

std::vector<Image> describingHead(int w, int h, int frames, const CharacterLook& look) {
    requireSize(w, h, "describingHead");
    requireFrames(frames, "describingHead");
    std::vector<Image> out;
    for (int i = 0; i < frames; ++i)
        out.push_back(headImage(w, h, look, !isBlinkFrame(i, frames), mouthOpenness(i, true)));
    return out;
}

// ------------------------------------------------------------ [heads in a scene]

HeadGeometry headIn(Rect box) {
    HeadGeometry g;
    auto at = [&](Part p) { return toRect(box, faceLocal(p)); };
    g.head = box;
    g.eyes = at(Part::Eyes);
    g.nose = at(Part::Nose);
    g.mouth = at(Part::Mouth);
    g.leftEar = at(Part::LeftEar);
    g.rightEar = at(Part::RightEar);
    return g;
}

HeadGeometry headAround(Rect eyesArea, Rect mouthArea) {
    const double ecx = eyesArea.x + eyesArea.w / 2.0, ecy = eyesArea.y + eyesArea.h / 2.0;
    const double mcx = mouthArea.x + mouthArea.w / 2.0, mcy = mouthArea.y + mouthArea.h / 2.0;
    const double eyeW = std::max(8.0, eyesArea.w * 0.86);
    const double eyeH = std::max(4.0, std::min(eyesArea.h * 0.7, eyeW * 0.4));
    const double mouthW = std::max(6.0, std::min(mouthArea.w * 0.8, eyeW * 0.7));
    const double mouthH = std::max(4.0, std::min(mouthArea.h * 0.9, mouthW * 0.45));
    const double dist = std::max(mcy - ecy, eyeH * 1.5);
    const double top = ecy - std::max(eyeH * 1.8, dist * 0.85);
    const double bottom = mcy + mouthH / 2 + std::max(mouthH * 0.8, dist * 0.35);
    const double h = bottom - top;
    const double w = std::max({eyeW / 0.7, mouthW / 0.45, h * 0.62});
    const double cx = (ecx + mcx) / 2;
    auto box = [](double x, double y, double bw, double bh) {
        const int x0 = static_cast<int>(std::lround(x)), y0 = static_cast<int>(std::lround(y));
        return Rect{x0, y0, std::max(1, static_cast<int>(std::lround(x + bw)) - x0),
                    std::max(1, static_cast<int>(std::lround(y + bh)) - y0)};
    };
    HeadGeometry g;
    g.head = box(cx - w / 2, top, w, h);
    g.eyes = box(ecx - eyeW / 2, ecy - eyeH / 2, eyeW, eyeH);
    g.mouth = box(mcx - mouthW / 2, mcy - mouthH / 2, mouthW, mouthH);
    const double noseTop = g.eyes.bottom(), noseBottom = std::max<double>(g.mouth.y - 1, noseTop + 3);
    g.nose = box(cx - w * 0.07, noseTop, w * 0.14, noseBottom - noseTop);
    const double earTop = g.eyes.y, earH = std::max(eyeH * 1.6, (mcy - ecy) * 0.6);
    g.leftEar = box(g.head.x - w * 0.15, earTop, w * 0.15, earH);
    g.rightEar = box(g.head.right(), earTop, w * 0.15, earH);
    return g;
}

Rect headPart(const HeadGeometry& g, Part part) {
    switch (part) {
        case Part::Head:
            return g.head;
        case Part::Eyes:
            return g.eyes;
        case Part::Nose:
            return g.nose;
        case Part::Mouth:
            return g.mouth;
        case Part::LeftEar:
            return g.leftEar;
        case Part::RightEar:
            return g.rightEar;
        default:
            throw std::invalid_argument("headPart: a head has no such part");
    }
}

void drawHeadAt(Canvas& c, const HeadGeometry& g, const CharacterLook& look, FaceState state) {
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    drawHead(cr, g.head, g.leftEar, g.rightEar, g.eyes, g.nose, g.mouth, look, state.eyesOpen, state.mouth,
             state.browsUp);
    cairo_restore(cr);
}

Rect figureBelow(const HeadGeometry& g, int floorY) {
    // The collar (a quarter down the figure) meets the chin, so a small
    // head gets no long neck; the body's width follows the head's.
    const double top = (g.head.bottom() - 0.22 * floorY) / 0.78;
    const double fh = std::max(40.0, floorY - top);
    const double fw = std::max(g.head.w * 1.5, std::min(g.head.w / 0.34, fh * 0.45));
    const double cx = g.head.x + g.head.w / 2.0;
    const int x = static_cast<int>(std::lround(cx - fw / 2));
    const int y = static_cast<int>(std::lround(floorY - fh));
    return {x, y, static_cast<int>(std::lround(fw)), floorY - y};
}

Image faceFrame(const Image& base, int originX, int originY, const HeadGeometry& g, const CharacterLook& look,
                FaceState state) {
    requireSize(base.width, base.height, "faceFrame");
    Canvas c(base.width, base.height, 0x00000000, Smoothing::Crisp);
    c.paste(base);
    cairo_translate(c.cr(), -originX, -originY);
    drawHeadAt(c, g, look, state);
    return c.image();
}

void drawGirl(Canvas& c, Rect figure, const CharacterLook& look, int wave, FaceState face) {
    cairo_t* cr = c.cr();
    const Frame f(figure);
    const double lw = outlineWidth(figure.w, figure.h / 2.0);
    // An arm is a thick outlined stroke from the shoulder to a round hand.
    auto arm = [&](double sx, double sy, double hx, double hy) {
        line(cr, f.X(sx), f.Y(sy), f.X(hx), f.Y(hy), f.w * 0.1 + 2 * lw);
        line(cr, f.X(sx), f.Y(sy), f.X(hx), f.Y(hy), f.w * 0.1, look.skin);
        ellipsePath(cr, f.X(hx) - f.w * 0.07, f.Y(hy) - f.w * 0.07, f.w * 0.14, f.w * 0.14);
        fillStroke(cr, look.skin, lw);
    };
    for (auto [x0, x1] : {std::pair{0.37, 0.47}, std::pair{0.53, 0.63}}) {
        rectPath(cr, f.X(x0), f.Y(0.6), f.X(x1) - f.X(x0), f.h * 0.32);
        fillStroke(cr, look.skin, lw);
        cairo_move_to(cr, f.X(x0 - 0.03), f.Y(0.985));
        cairo_curve_to(cr, f.X(x0 - 0.03), f.Y(0.9), f.X(x1 + 0.03), f.Y(0.9), f.X(x1 + 0.03), f.Y(0.985));
        cairo_close_path(cr);
        fillStroke(cr, look.shoes, lw);
    }
    arm(0.34, 0.36, 0.2, 0.58);
    static constexpr double kHand[3][2] = {{0.8, 0.58}, {0.93, 0.4}, {0.88, 0.16}};
    const auto& hand = kHand[std::clamp(wave, 0, 2)];
    arm(0.66, 0.36, hand[0], hand[1]);
    // The dress: leaves from the shoulders to a pointed hem.
    cairo_move_to(cr, f.X(0.34), f.Y(0.32));
    cairo_line_to(cr, f.X(0.66), f.Y(0.32));
    cairo_line_to(cr, f.X(0.8), f.Y(0.66));
    for (int i = 0; i < 5; ++i) {
        const double x = 0.8 - (i + 0.5) * 0.12;
        cairo_line_to(cr, f.X(x), f.Y(0.72));
        cairo_line_to(cr, f.X(x - 0.06), f.Y(0.66));
    }
    cairo_line_to(cr, f.X(0.2), f.Y(0.66));
    cairo_close_path(cr);
    fillStroke(cr, look.shirt, lw);
    for (auto [fx, fy] : {std::pair{0.42, 0.42}, std::pair{0.56, 0.5}, std::pair{0.38, 0.58}, std::pair{0.6, 0.6}}) {
        cairo_move_to(cr, f.X(fx), f.Y(fy));
        cairo_curve_to(cr, f.X(fx + 0.04), f.Y(fy - 0.03), f.X(fx + 0.08), f.Y(fy - 0.01), f.X(fx + 0.1), f.Y(fy));
        setColour(cr, darker(look.shirt, 0.3));
        cairo_set_line_width(cr, lw);
        cairo_stroke(cr);
    }
    // Pigtails: leaf bunches under the ears, then the head over their tops.
    const Rect headBox = toRect(figure, {0.2, 0.8, 0.02, 0.31});
    for (double fx : {0.08, 0.76}) {
        ellipsePath(cr, f.X(fx), f.Y(0.17), f.w * 0.16, f.h * 0.1);
        fillStroke(cr, look.hair, lw);
    }
    rectPath(cr, f.X(0.45), f.Y(0.27), f.w * 0.1, f.h * 0.06);
    fillStroke(cr, look.skin, lw);
    drawHeadAt(c, headIn(headBox), look, face);
    // Leaf tufts on the crown.
    for (auto [fx, tilt] : {std::pair{0.32, -0.06}, std::pair{0.46, 0.0}, std::pair{0.6, 0.06}}) {
        cairo_move_to(cr, f.X(fx), f.Y(0.05));
        cairo_curve_to(cr, f.X(fx + tilt - 0.02), f.Y(0.0), f.X(fx + tilt + 0.02), f.Y(-0.01), f.X(fx + tilt + 0.04),
                       f.Y(0.0) + lw);
        cairo_curve_to(cr, f.X(fx + 0.1), f.Y(0.02), f.X(fx + 0.08), f.Y(0.05), f.X(fx), f.Y(0.05));
        cairo_close_path(cr);
        fillStroke(cr, lighter(look.hair, 0.25), lw);
    }
}

// ------------------------------------------------------------ [colours]

void limitColours(std::vector<Image>& frames) {
    for (int bits = 8; bits >= 2; --bits) {
        const uint32_t keep = (0xFFu << (8 - bits)) & 0xFFu;
        const uint32_t mask = (keep << 16) | (keep << 8) | keep;
        std::map<uint32_t, std::array<uint64_t, 4>> groups;
        for (const Image& f : frames) {
            for (uint32_t p : f.pixels) {
                if ((p >> 24) < 128) continue;
                auto& g = groups[p & mask];
                g[0] += (p >> 16) & 0xFF;
                g[1] += (p >> 8) & 0xFF;
                g[2] += p & 0xFF;
                ++g[3];
            }
        }
        if (groups.size() > 255) continue;
        if (bits == 8) return;
        std::map<uint32_t, uint32_t> mean;
        for (const auto& [key, g] : groups) {
            mean[key] = 0xFF000000u | static_cast<uint32_t>((g[0] / g[3]) << 16) |
                        static_cast<uint32_t>((g[1] / g[3]) << 8) | static_cast<uint32_t>(g[2] / g[3]);
        }
        for (Image& f : frames) {
            for (uint32_t& p : f.pixels) {
                if ((p >> 24) >= 128) p = mean[p & mask];
            }
        }
        return;
    }
}

// ------------------------------------------------------------ [inventory]

Rect inventorySlot(int index) {
    if (index < 0 || index >= kInventorySlots) throw std::invalid_argument("inventorySlot: index out of range");
    // An item is 62 x 64 at bar (283 + 106 s, 18); the box leaves it a margin.
    return {277 + 106 * index, 12, 74, 76};
}

Rect inventoryAttributePlate() {
    return {112, 24, 150, 76};
}

std::vector<Image> inventoryBar(int frames) {
    requireFrames(frames, "inventoryBar");
    // The open bar, drawn once; each frame reveals a growing part of it.
    Canvas full(kInventoryBarWidth, kInventoryBarHeight, 0x00000000, Smoothing::Crisp);
    cairo_t* cr = full.cr();
    const double lw = 3;
    roundedRectPath(cr, 2, 8, kInventoryBarWidth - 4, kInventoryBarHeight - 10, 14);
    fillStroke(cr, colour::kWood, lw);
    roundedRectPath(cr, 10, 16, kInventoryBarWidth - 20, kInventoryBarHeight - 26, 10);
    fillStroke(cr, colour::kDarkWood, 2);
    for (int i = 0; i < kInventorySlots; ++i) {
        const Rect s = inventorySlot(i);
        roundedRectPath(cr, s.x, s.y, s.w, s.h, 6);
        fillStroke(cr, colour::kPaper, 2);
    }
    const Rect plate = inventoryAttributePlate();
    roundedRectPath(cr, plate.x, plate.y, plate.w, plate.h, 6);
    fillStroke(cr, colour::kPaper, 2);
    roundedRectPath(cr, plate.x, plate.y, plate.w, 26, 6);
    fillStroke(cr, colour::kOutline, 2);
    for (double x : {18.0, kInventoryBarWidth - 18.0}) {
        ellipsePath(cr, x - 5, 57, 10, 10);
        fillStroke(cr, 0xFFE0C060, 1);
    }
    const Image open = full.image();
    std::vector<Image> out;
    for (int i = 0; i < frames; ++i) {
        const int shown = kInventoryBarWidth * (i + 1) / frames;
        const int shift = kInventoryBarWidth - shown;  // the bar slides in from the left edge
        Image frame{kInventoryBarWidth, kInventoryBarHeight,
                    std::vector<uint32_t>(static_cast<size_t>(kInventoryBarWidth) * kInventoryBarHeight, 0)};
        for (int y = 0; y < kInventoryBarHeight; ++y)
            for (int x = 0; x < shown; ++x) frame.at(x, y) = open.at(x + shift, y);
        out.push_back(std::move(frame));
    }
    return out;
}

Image itemPicture(Item item, int w, int h) {
    requireSize(w, h, "itemPicture");
    Canvas c(w, h, colour::kItemKey, Smoothing::Crisp);
    cairo_t* cr = c.cr();
    // Items keep a 3-pixel margin so the key shows at every edge.
    const Frame f(Rect{3, 3, w - 6, h - 6});
    const double lw = std::max(1.0, std::floor(std::min(w, h) / 32.0));
    constexpr uint32_t kSteel = 0xFFC4CAD2;
    switch (item) {
        case Item::Knife:
            cairo_move_to(cr, f.X(0.1), f.Y(0.9));
            cairo_line_to(cr, f.X(0.3), f.Y(0.7));
            cairo_line_to(cr, f.X(0.42), f.Y(0.82));
            cairo_line_to(cr, f.X(0.22), f.Y(1.0));
            cairo_close_path(cr);
            fillStroke(cr, colour::kDarkWood, lw);
            cairo_move_to(cr, f.X(0.33), f.Y(0.67));
            cairo_line_to(cr, f.X(0.9), f.Y(0.05));
            cairo_line_to(cr, f.X(0.5), f.Y(0.75));
            cairo_close_path(cr);
            fillStroke(cr, kSteel, lw);
            break;
        case Item::Rope:
            for (int i = 0; i < 3; ++i) {
                ellipsePath(cr, f.X(0.1 + i * 0.06), f.Y(0.15 + i * 0.06), f.w * (0.8 - i * 0.12),
                            f.h * (0.7 - i * 0.12));
                setColour(cr, colour::kOutline);
                cairo_set_line_width(cr, lw * 5);
                cairo_stroke_preserve(cr);
                setColour(cr, 0xFFD8B878);
                cairo_set_line_width(cr, lw * 3);
                cairo_stroke(cr);
            }
            line(cr, f.X(0.5), f.Y(0.85), f.X(0.7), f.Y(1.0), lw * 3, 0xFFD8B878);
            break;
        case Item::Baguette:
            cairo_save(cr);
            cairo_translate(cr, f.X(0.5), f.Y(0.5));
            cairo_rotate(cr, -kPi / 4);
            roundedRectPath(cr, -f.w * 0.55, -f.h * 0.12, f.w * 1.1, f.h * 0.24, f.h * 0.12);
            cairo_restore(cr);
            fillStroke(cr, 0xFFE3B168, lw);
            for (double t : {-0.25, 0.0, 0.25}) {
                const double cx = f.X(0.5) + t * f.w * 0.7;
                const double cy = f.Y(0.5) - t * f.h * 0.7;
                line(cr, cx - f.w * 0.02, cy - f.h * 0.07, cx + f.w * 0.07, cy + f.h * 0.02, lw, 0xFFB07838);
            }
            break;
        case Item::Bottle:
            cairo_move_to(cr, f.X(0.42), f.Y(0.02));
            cairo_line_to(cr, f.X(0.58), f.Y(0.02));
            cairo_line_to(cr, f.X(0.58), f.Y(0.3));
            cairo_curve_to(cr, f.X(0.75), f.Y(0.38), f.X(0.75), f.Y(0.4), f.X(0.75), f.Y(0.5));
            cairo_line_to(cr, f.X(0.75), f.Y(0.98));
            cairo_line_to(cr, f.X(0.25), f.Y(0.98));
            cairo_line_to(cr, f.X(0.25), f.Y(0.5));
            cairo_curve_to(cr, f.X(0.25), f.Y(0.4), f.X(0.25), f.Y(0.38), f.X(0.42), f.Y(0.3));
            cairo_close_path(cr);
            fillStroke(cr, 0xFF5E9A6A, lw);
            rectPath(cr, f.X(0.3), f.Y(0.58), f.w * 0.4, f.h * 0.22);
            fillStroke(cr, colour::kPaper, lw);
            rectPath(cr, f.X(0.42), f.Y(0.0), f.w * 0.16, f.h * 0.07);
            fillStroke(cr, colour::kDarkWood, lw);
            break;
        case Item::Shovel:
            line(cr, f.X(0.75), f.Y(0.05), f.X(0.4), f.Y(0.6), lw * 5);
            line(cr, f.X(0.75), f.Y(0.05), f.X(0.4), f.Y(0.6), lw * 3, colour::kWood);
            cairo_move_to(cr, f.X(0.4), f.Y(0.5));
            cairo_line_to(cr, f.X(0.55), f.Y(0.65));
            cairo_line_to(cr, f.X(0.2), f.Y(1.0));
            cairo_line_to(cr, f.X(0.02), f.Y(0.82));
            cairo_close_path(cr);
            fillStroke(cr, kSteel, lw);
            break;
        case Item::Crowbar:
            cairo_move_to(cr, f.X(0.2), f.Y(0.95));
            cairo_line_to(cr, f.X(0.75), f.Y(0.2));
            cairo_curve_to(cr, f.X(0.85), f.Y(0.02), f.X(1.0), f.Y(0.1), f.X(0.95), f.Y(0.25));
            setColour(cr, colour::kOutline);
            cairo_set_line_width(cr, lw * 6);
            cairo_stroke_preserve(cr);
            setColour(cr, 0xFFC8503C);
            cairo_set_line_width(cr, lw * 4);
            cairo_stroke(cr);
            break;
        case Item::Coins:
            for (auto [fx, fy] : {std::pair{0.1, 0.5}, std::pair{0.45, 0.45}, std::pair{0.28, 0.15}}) {
                ellipsePath(cr, f.X(fx), f.Y(fy), f.w * 0.45, f.h * 0.42);
                fillStroke(cr, 0xFFE8C45A, lw);
                ellipsePath(cr, f.X(fx + 0.1), f.Y(fy + 0.09), f.w * 0.25, f.h * 0.24);
                setColour(cr, 0xFFB8902E);
                cairo_set_line_width(cr, lw);
                cairo_stroke(cr);
            }
            break;
    }
    return c.image();
}

}  // namespace kvarnel::standin::art

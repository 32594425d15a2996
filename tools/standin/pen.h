// Small Cairo path and paint helpers shared by the stand-in painters.
// Colours are 0xAARRGGBB, straight alpha.
#pragma once

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kvarnel::standin::pen {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr uint32_t kInk = 0xFF2E2A33;  // the outline colour of the whole set

inline void setColour(cairo_t* cr, uint32_t argb) {
    cairo_set_source_rgba(cr, ((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0, (argb & 0xFF) / 255.0,
                          ((argb >> 24) & 0xFF) / 255.0);
}

// Channel-wise blend of two opaque colours; t = 0 gives a.
inline uint32_t mix(uint32_t a, uint32_t b, double t) {
    auto ch = [&](int shift) {
        const double va = (a >> shift) & 0xFF;
        const double vb = (b >> shift) & 0xFF;
        return static_cast<uint32_t>(std::lround(va + (vb - va) * t)) << shift;
    };
    return 0xFF000000u | ch(16) | ch(8) | ch(0);
}

inline void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double r = std::min({radius, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 1.5 * kPi);
    cairo_close_path(cr);
}

// Fills the current path and strokes its outline.
inline void fillStroke(cairo_t* cr, uint32_t fill, double lineWidth, uint32_t outline = kInk) {
    setColour(cr, fill);
    cairo_fill_preserve(cr);
    setColour(cr, outline);
    cairo_set_line_width(cr, lineWidth);
    cairo_stroke(cr);
}

inline void line(cairo_t* cr, double x0, double y0, double x1, double y1, double width, uint32_t colour = kInk) {
    setColour(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
}

}  // namespace kvarnel::standin::pen

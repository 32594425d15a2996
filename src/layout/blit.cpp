#include "layout/blit.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace kvarnel::layout {
namespace {

ScreenRect clipFor(const Image& dst, const ScreenRect& clip) {
    return clip.intersect({0, 0, dst.width, dst.height});
}

inline bool keep(uint32_t px, const BlitOptions& opt) {
    switch (opt.mode) {
        case BlitMode::Opaque:
            return true;
        case BlitMode::ColorKey:
            return (px & 0xFFFFFF) != (opt.key & 0xFFFFFF);
        case BlitMode::Alpha:
            return (px >> 24) >= 128;
    }
    return true;
}

}  // namespace

namespace {

// One row of pixels at natural size, the mode's test hoisted out of the
// loop: a screen's sprites are mostly drawn this way, every frame.
void copyRow(uint32_t* d, const uint32_t* s, int n, const BlitOptions& opt) {
    switch (opt.mode) {
        case BlitMode::Opaque:
            std::memcpy(d, s, static_cast<size_t>(n) * 4);
            return;
        case BlitMode::ColorKey: {
            const uint32_t key = opt.key & 0xFFFFFF;
            for (int i = 0; i < n; ++i) {
                if ((s[i] & 0xFFFFFF) != key) d[i] = s[i] | 0xFF000000u;
            }
            return;
        }
        case BlitMode::Alpha:
            for (int i = 0; i < n; ++i) {
                if (s[i] >= 0x80000000u) d[i] = s[i] | 0xFF000000u;
            }
            return;
    }
}

}  // namespace

void blitScaled(Image& dst, const ScreenRect& clip, const Image& src, int x, int y, int w, int h,
                const BlitOptions& opt) {
    if (src.empty() || w <= 0 || h <= 0) return;
    const ScreenRect area = clipFor(dst, clip).intersect({x, y, w, h});
    if (area.empty()) return;
    const bool natural = w == src.width && h == src.height;
    for (int dy = area.y; dy < area.y + area.h; ++dy) {
        const int sy = natural ? dy - y : static_cast<int>(int64_t{dy - y} * src.height / h);
        const uint32_t* srow = src.pixels.data() + static_cast<size_t>(sy) * src.width;
        uint32_t* drow = dst.pixels.data() + static_cast<size_t>(dy) * dst.width;
        if (natural) {
            copyRow(drow + area.x, srow + (area.x - x), area.w, opt);
            continue;
        }
        for (int dx = area.x; dx < area.x + area.w; ++dx) {
            const int sx = static_cast<int>(int64_t{dx - x} * src.width / w);
            const uint32_t px = srow[sx];
            if (keep(px, opt)) drow[dx] = px | 0xFF000000u;
        }
    }
}

void blitTurned(Image& dst, const ScreenRect& clip, const Image& src, int x, int y, int w, int h, int ax, int ay,
                int degrees, const BlitOptions& opt) {
    if (src.empty() || w <= 0 || h <= 0) return;
    const int quarter = ((static_cast<int>(std::lround(degrees / 90.0)) % 4) + 4) % 4;
    // The anchor in the scaled picture, placed at (x, y). A point p of the
    // scaled picture, relative to the anchor, lands at (x, y) + turn(p),
    // where one clockwise quarter (y down) maps (px, py) to (-py, px).
    const int anchorX = ax * w;
    const int anchorY = ay * h;
    // Destination box of the turned picture.
    const int cx[4] = {-anchorX, w - anchorX, -anchorX, w - anchorX};
    const int cy[4] = {-anchorY, -anchorY, h - anchorY, h - anchorY};
    int minX = 1 << 30, minY = 1 << 30, maxX = -(1 << 30), maxY = -(1 << 30);
    for (int i = 0; i < 4; ++i) {
        int tx = cx[i], ty = cy[i];
        for (int q = 0; q < quarter; ++q) {
            const int nx = -ty;
            ty = tx;
            tx = nx;
        }
        minX = std::min(minX, tx), maxX = std::max(maxX, tx);
        minY = std::min(minY, ty), maxY = std::max(maxY, ty);
    }
    const ScreenRect area = clipFor(dst, clip).intersect({x + minX, y + minY, maxX - minX, maxY - minY});
    for (int dy = area.y; dy < area.y + area.h; ++dy) {
        uint32_t* drow = dst.pixels.data() + static_cast<size_t>(dy) * dst.width;
        for (int dx = area.x; dx < area.x + area.w; ++dx) {
            // The destination pixel's centre, turned back (counter-clockwise:
            // (px, py) -> (py, -px)), in doubled units to stay on integers.
            int px = 2 * (dx - x) + 1;
            int py = 2 * (dy - y) + 1;
            for (int q = 0; q < quarter; ++q) {
                const int nx = py;
                py = -px;
                px = nx;
            }
            const int sxs = (px + 2 * anchorX - 1) / 2;  // pixel of the scaled picture
            const int sys = (py + 2 * anchorY - 1) / 2;
            if (px + 2 * anchorX < 1 || py + 2 * anchorY < 1 || sxs >= w || sys >= h) continue;
            const int sx = static_cast<int>(int64_t{sxs} * src.width / w);
            const int sy = static_cast<int>(int64_t{sys} * src.height / h);
            const uint32_t pixel = src.pixels[static_cast<size_t>(sy) * src.width + sx];
            if (keep(pixel, opt)) drow[dx] = pixel | 0xFF000000u;
        }
    }
}

void fillRect(Image& dst, const ScreenRect& clip, const ScreenRect& r, uint32_t argbColour) {
    const ScreenRect area = clipFor(dst, clip).intersect(r);
    if (area.empty()) return;
    // The first row pixel by pixel, the others copied from it: a row copy
    // runs at the speed of a memory copy, and every composed frame fills
    // whole panels and surfaces.
    uint32_t* first = dst.pixels.data() + static_cast<size_t>(area.y) * dst.width + area.x;
    std::fill(first, first + area.w, argbColour | 0xFF000000u);
    for (int y = 1; y < area.h; ++y) {
        std::memcpy(first + static_cast<size_t>(y) * dst.width, first, static_cast<size_t>(area.w) * 4);
    }
}

void blendMask(Image& dst, const ScreenRect& clip, const uint8_t* mask, int maskW, int maskH, int x, int y,
               uint32_t argbColour) {
    const ScreenRect area = clipFor(dst, clip).intersect({x, y, maskW, maskH});
    const uint32_t r = (argbColour >> 16) & 0xFF, g = (argbColour >> 8) & 0xFF, b = argbColour & 0xFF;
    for (int dy = area.y; dy < area.y + area.h; ++dy) {
        const uint8_t* mrow = mask + static_cast<size_t>(dy - y) * maskW;
        uint32_t* drow = dst.pixels.data() + static_cast<size_t>(dy) * dst.width;
        for (int dx = area.x; dx < area.x + area.w; ++dx) {
            const uint32_t a = mrow[dx - x];
            if (a == 0) continue;
            const uint32_t d = drow[dx];
            const uint32_t nr = (r * a + ((d >> 16) & 0xFF) * (255 - a) + 127) / 255;
            const uint32_t ng = (g * a + ((d >> 8) & 0xFF) * (255 - a) + 127) / 255;
            const uint32_t nb = (b * a + (d & 0xFF) * (255 - a) + 127) / 255;
            drow[dx] = 0xFF000000u | (nr << 16) | (ng << 8) | nb;
        }
    }
}

}  // namespace kvarnel::layout

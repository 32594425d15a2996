// Drawing one picture into another: the few pixel operations the screen
// and the drawing surfaces need. All clip to the destination and to a clip
// rectangle, and never read outside the source.
#pragma once

#include <cstdint>

#include "layout/image.h"
#include "layout/screen.h"

namespace kvarnel::layout {

enum class BlitMode : uint8_t {
    Opaque,    // every source pixel
    ColorKey,  // leaves out pixels of one colour (compared as 0xRRGGBB)
    Alpha,     // leaves out pixels whose alpha is below 128
};

struct BlitOptions {
    BlitMode mode = BlitMode::Opaque;
    uint32_t key = 0;  // 0xRRGGBB for ColorKey
};

// Draws `src` with its top-left at (x, y), scaled to w x h (nearest pixel).
void blitScaled(Image& dst, const ScreenRect& clip, const Image& src, int x, int y, int w, int h,
                const BlitOptions& opt);

// Natural size.
inline void blit(Image& dst, const ScreenRect& clip, const Image& src, int x, int y, const BlitOptions& opt) {
    blitScaled(dst, clip, src, x, y, src.width, src.height, opt);
}

// Draws `src` scaled to w x h and turned clockwise by `degrees` (a multiple
// of 90; others are rounded to one) about its point (ax * w, ay * h), that
// point placed at (x, y).
void blitTurned(Image& dst, const ScreenRect& clip, const Image& src, int x, int y, int w, int h, int ax, int ay,
                int degrees, const BlitOptions& opt);

void fillRect(Image& dst, const ScreenRect& clip, const ScreenRect& r, uint32_t argbColour);

// Paints `colour` through an 8-bit coverage mask at (x, y), blending.
void blendMask(Image& dst, const ScreenRect& clip, const uint8_t* mask, int maskW, int maskH, int x, int y,
               uint32_t argbColour);

}  // namespace kvarnel::layout

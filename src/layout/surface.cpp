#include "layout/surface.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <utility>

#include "layout/blit.h"

namespace kvarnel::layout {
namespace {
bool gMinimised = false;

const ImageListItem* itemAt(const DXImageList& list, int n) {
    if (n < 0 || n >= static_cast<int>(list.Items.size())) return nullptr;
    const ImageListItem& item = list.Items[static_cast<size_t>(n)];
    return item.Picture_.image().empty() ? nullptr : &item;
}

// One row filled pixel by pixel and copied down to the others: every frame
// of a surface screen starts with this, and row copies run at the speed of a
// memory copy where a pixel-by-pixel fill of the whole surface does not.
void fillBlackRows(Image& img) {
    if (img.width <= 0 || img.height <= 0) return;
    uint32_t* first = img.pixels.data();
    const size_t w = static_cast<size_t>(img.width);
    std::fill(first, first + w, 0xFF000000u);
    for (size_t y = 1; y < static_cast<size_t>(img.height); ++y) std::memcpy(first + y * w, first, w * 4);
}

BlitOptions optionsFor(const ImageListItem& item) {
    if (!item.Transparent) return {};
    const uint32_t rgb = colorToArgb(item.TransparentColor) & 0xFFFFFF;
    return {BlitMode::ColorKey, rgb};
}

// Whether the command paints every pixel of the surface: a fill, or an item
// without a transparent colour drawn over the whole of it.
bool paintsAll(const SurfaceCommand& cmd, int w, int h) {
    switch (cmd.kind) {
        case SurfaceCommand::Kind::FillBlack:
            return true;
        case SurfaceCommand::Kind::Scaled:
            return !cmd.list->Items[static_cast<size_t>(cmd.n)].Transparent && cmd.x <= 0 && cmd.y <= 0 &&
                   cmd.x + cmd.w >= w && cmd.y + cmd.h >= h;
        case SurfaceCommand::Kind::Turned:
            return false;
    }
    return false;
}
}  // namespace

void Surface::setMinimised(bool minimised) {
    gMinimised = minimised;
}

bool Surface::canDraw() const {
    return !gMinimised && screen_.showing(draw_) && width() > 0 && height() > 0;
}

int Surface::width() const {
    return screen_.localBounds(draw_).w;
}
int Surface::height() const {
    return screen_.localBounds(draw_).h;
}

void Surface::ensureBack() {
    const int w = std::max(0, width()), h = std::max(0, height());
    if (draw_.back.width != w || draw_.back.height != h) {
        draw_.back.width = w;
        draw_.back.height = h;
        draw_.back.pixels.assign(static_cast<size_t>(w) * h, 0xFF000000u);
    }
}

void Surface::fillBlack() {
    draw_.pending.push_back({.kind = SurfaceCommand::Kind::FillBlack});
}

void Surface::drawItem(const DXImageList& list, int n, int x, int y) {
    const ImageListItem* item = itemAt(list, n);
    if (!item) return;
    drawScaled(list, n, x, y, item->Picture_.image().width, item->Picture_.image().height);
}

void Surface::drawScaled(const DXImageList& list, int n, int x, int y, int w, int h) {
    if (!itemAt(list, n)) return;
    draw_.pending.push_back(
        {.kind = SurfaceCommand::Kind::Scaled, .list = &list, .n = n, .x = x, .y = y, .w = w, .h = h});
}

void Surface::drawScaledTurned(const DXImageList& list, int n, int x, int y, int w, int h, int ax, int ay,
                               int degrees) {
    if (!itemAt(list, n)) return;
    draw_.pending.push_back({.kind = SurfaceCommand::Kind::Turned,
                             .list = &list,
                             .n = n,
                             .x = x,
                             .y = y,
                             .w = w,
                             .h = h,
                             .ax = ax,
                             .ay = ay,
                             .degrees = degrees});
}

void Surface::flip() {
    const int w = std::max(0, width()), h = std::max(0, height());
    const bool sameSize = draw_.front.width == w && draw_.front.height == h;
    // Each operation paints fixed pixels over what lies beneath, so drawing
    // the same operations again onto their own result changes nothing: the
    // idle menu costs no pixel work and no new picture.
    if (draw_.flips > 0 && sameSize && draw_.pending == draw_.drawn) {
        draw_.pending.clear();
        return;
    }
    ensureBack();
    const ScreenRect clip{0, 0, draw_.back.width, draw_.back.height};
    // What lies under the last command that paints the whole surface never
    // shows: a frame's fill under a full-size background costs nothing.
    size_t first = draw_.pending.size();
    for (size_t i = draw_.pending.size(); i-- > 0;) {
        if (paintsAll(draw_.pending[i], clip.w, clip.h)) {
            first = i;
            break;
        }
    }
    // The back picture is the one shown before last (the two are swapped
    // below); a frame that paints over only part of the surface goes on from
    // the picture shown now.
    if (first == draw_.pending.size()) {
        first = 0;
        if (sameSize && draw_.flips > 0) draw_.back.pixels = draw_.front.pixels;
    }
    for (const SurfaceCommand& cmd : std::span(draw_.pending).subspan(first)) {
        switch (cmd.kind) {
            case SurfaceCommand::Kind::FillBlack:
                fillBlackRows(draw_.back);
                break;
            case SurfaceCommand::Kind::Scaled: {
                const ImageListItem& item = cmd.list->Items[static_cast<size_t>(cmd.n)];
                blitScaled(draw_.back, clip, item.Picture_.image(), cmd.x, cmd.y, cmd.w, cmd.h, optionsFor(item));
                break;
            }
            case SurfaceCommand::Kind::Turned: {
                const ImageListItem& item = cmd.list->Items[static_cast<size_t>(cmd.n)];
                blitTurned(draw_.back, clip, item.Picture_.image(), cmd.x, cmd.y, cmd.w, cmd.h, cmd.ax, cmd.ay,
                           cmd.degrees, optionsFor(item));
                break;
            }
        }
    }
    std::swap(draw_.front, draw_.back);
    ++draw_.flips;
    draw_.drawn = std::move(draw_.pending);
    draw_.pending.clear();
}

int Surface::itemWidth(const DXImageList& list, int n) {
    const ImageListItem* item = itemAt(list, n);
    return item ? item->Picture_.image().width : 0;
}

int Surface::itemHeight(const DXImageList& list, int n) {
    const ImageListItem* item = itemAt(list, n);
    return item ? item->Picture_.image().height : 0;
}

}  // namespace kvarnel::layout

#include "layout/surface.h"

#include "layout/blit.h"

namespace kvarnel::layout {
namespace {
bool gMinimised = false;

const ImageListItem* itemAt(const DXImageList& list, int n) {
    if (n < 0 || n >= static_cast<int>(list.Items.size())) return nullptr;
    const ImageListItem& item = list.Items[static_cast<size_t>(n)];
    return item.Picture_.image.empty() ? nullptr : &item;
}

BlitOptions optionsFor(const ImageListItem& item) {
    if (!item.Transparent) return {};
    const uint32_t rgb = colorToArgb(item.TransparentColor) & 0xFFFFFF;
    return {BlitMode::ColorKey, rgb};
}
}  // namespace

void Surface::setMinimised(bool minimised) { gMinimised = minimised; }

bool Surface::canDraw() const { return !gMinimised && screen_.showing(draw_) && width() > 0 && height() > 0; }

int Surface::width() const { return screen_.localBounds(draw_).w; }
int Surface::height() const { return screen_.localBounds(draw_).h; }

void Surface::ensureBack() {
    const int w = std::max(0, width()), h = std::max(0, height());
    if (draw_.back.width != w || draw_.back.height != h) {
        draw_.back.width = w;
        draw_.back.height = h;
        draw_.back.pixels.assign(static_cast<size_t>(w) * h, 0xFF000000u);
    }
}

void Surface::fillBlack() {
    ensureBack();
    std::fill(draw_.back.pixels.begin(), draw_.back.pixels.end(), 0xFF000000u);
}

void Surface::drawItem(const DXImageList& list, int n, int x, int y) {
    const ImageListItem* item = itemAt(list, n);
    if (!item) return;
    drawScaled(list, n, x, y, item->Picture_.image.width, item->Picture_.image.height);
}

void Surface::drawScaled(const DXImageList& list, int n, int x, int y, int w, int h) {
    const ImageListItem* item = itemAt(list, n);
    if (!item) return;
    ensureBack();
    blitScaled(draw_.back, {0, 0, draw_.back.width, draw_.back.height}, item->Picture_.image, x, y, w, h,
               optionsFor(*item));
}

void Surface::drawScaledTurned(const DXImageList& list, int n, int x, int y, int w, int h, int ax, int ay,
                               int degrees) {
    const ImageListItem* item = itemAt(list, n);
    if (!item) return;
    ensureBack();
    blitTurned(draw_.back, {0, 0, draw_.back.width, draw_.back.height}, item->Picture_.image, x, y, w, h, ax, ay,
               degrees, optionsFor(*item));
}

void Surface::flip() {
    ensureBack();
    draw_.front = draw_.back;
    ++draw_.flips;
}

int Surface::itemWidth(const DXImageList& list, int n) {
    const ImageListItem* item = itemAt(list, n);
    return item ? item->Picture_.image.width : 0;
}

int Surface::itemHeight(const DXImageList& list, int n) {
    const ImageListItem* item = itemAt(list, n);
    return item ? item->Picture_.image.height : 0;
}

}  // namespace kvarnel::layout

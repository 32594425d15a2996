// Drawing surfaces: the screens the frame timer draws (menu, cave, the two
// small games) paint a surface from the items of an image list, then flip
// it so the screen shows the new picture.
//
// Coordinates are the surface's own, its top-left at (0, 0); the surface is
// as large as its control.
#pragma once

#include "layout/components.h"
#include "layout/screen.h"

namespace kvarnel::layout {

class Surface {
public:
    Surface(Screen& screen, DXDraw& draw) : screen_(screen), draw_(draw) {}

    // False while the surface cannot be drawn on (hidden, no size, the window
    // minimised); the game then skips drawing for that tick.
    bool canDraw() const;
    int width() const;
    int height() const;

    // Clears the back picture to black.
    void fillBlack();
    // Draws item n of `list` with its top-left at (x, y); an item with its
    // Transparent flag leaves out the pixels of its transparent colour. An
    // item that does not exist, or holds no picture, draws nothing.
    void drawItem(const DXImageList& list, int n, int x, int y);
    void drawScaled(const DXImageList& list, int n, int x, int y, int w, int h);
    // Scaled to w x h and turned clockwise by `degrees` (a multiple of 90)
    // about the item's point (ax * w, ay * h), placed at (x, y).
    void drawScaledTurned(const DXImageList& list, int n, int x, int y, int w, int h, int ax, int ay, int degrees);
    // Shows what was drawn since the last flip.
    void flip();

    static int itemWidth(const DXImageList& list, int n);
    static int itemHeight(const DXImageList& list, int n);

    // Set by the platform layer while the window is minimised.
    static void setMinimised(bool minimised);

private:
    void ensureBack();

    Screen& screen_;
    DXDraw& draw_;
};

}  // namespace kvarnel::layout

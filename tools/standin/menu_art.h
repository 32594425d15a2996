// The stand-in pictures of the main menu: the image list `GrafikaMenu` that
// the menu screen paints from in every frame-timer tick.
//
// The menu draws its pictures at fixed surface positions and decides clicks
// by fixed hit rectangles, not by the pictures, so each button picture is
// drawn to fit where the menu puts it: the visible board of a button lies
// inside its hit rectangle, and the rest of the picture is the transparent
// colour. The look: a night village under a title board, wooden signs hung
// on a post, yellow when the pointer is over them.
#pragma once

#include <vector>

#include "layout/stream.h"

namespace kvarnel::standin {

// Number of items of `GrafikaMenu`.
inline constexpr int kMenuPictureCount = 59;

// The 59 image-list items of `GrafikaMenu`, in item order, each with the
// properties PatternHeight 0, PatternWidth 0, Picture.Data, SystemMemory
// false, Transparent and TransparentColor. Item 2 is a "TJvGIFImage" record
// holding a 181 x 69 GIF (a class the reader does not know, so it reads as
// empty, as the original's does); every other item is a 24-bit "TDIB".
// Items 0, 1, 2, 45 and 48 are opaque; item 44 keys out black, the others
// white. Deterministic; takes well under a second.
std::vector<layout::CollectionItem> menuPictureItems();

}  // namespace kvarnel::standin

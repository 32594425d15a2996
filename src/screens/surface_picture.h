// A picture of an image list drawn at a point of a surface, in the Czech and
// English forms the menu and the cave draw their texts and buttons with.
#pragma once

namespace kvarnel::screens {

// An item of the screen's image list drawn at a point of the surface.
struct Pic {
    int item;
    int x;
    int y;
};

// A picture in its Czech and English form.
struct Bilingual {
    Pic cz;
    Pic en;
    const Pic& in(int language) const { return language == 2 ? en : cz; }
};

}  // namespace kvarnel::screens

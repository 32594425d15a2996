// The scene catalogue: every panel of the main window and every component the
// game addresses by name inside the panels and on the window itself, as plain
// rows. The stand-in content builder turns these rows into the layout stream;
// the rows carry what the game relies on (names, parents, places, sizes, frame
// counts, visibility at start, captions in both languages, exit destinations).
//
// Coordinates are layout coordinates (before the start-up centring shift) and
// relative to the parent. A field that is 0 or "" is a value the catalogue does
// not fix; the builder picks a neutral stand-in for it.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "scenes/exit_handlers.h"

namespace kvarnel::standin {

// A panel lying on the window (parent "TForm1"), or one of the two black cover
// panels inside the movie panels (parent "Intro" / "Outro").
struct PanelSpec {
    std::string_view name{};
    // "location", "table game", "interlude", "cave", "menu", "bonus game",
    // "language choice", "movie", "story flags", "cover".
    std::string_view kind{};
    int left = 0, top = 0, width = 0, height = 0;
    bool visibleAtStart = false;
    // The background picture component ("" for a plain panel) and its stored
    // picture: "JPEG" or "BMP".
    std::string_view background{};
    std::string_view backgroundKind{};
    // The background control's extent within the panel, then the stored
    // picture's own size; a picture larger than its control is cut off at the
    // right and bottom unless stretched or centred.
    int bgLeft = 0, bgTop = 0, bgWidth = 0, bgHeight = 0, bgPictureWidth = 0, bgPictureHeight = 0;
    bool bgStretch = false, bgCenter = false, bgAlignClient = false;
    // A hint stored with the background, never shown.
    std::string_view hint{};
    std::string_view parent = "TForm1";
};

// Any other named component: exit and talk labels, faces and figures, signs,
// interlude captions, panel contents, window-level controls and story flags.
struct ComponentSpec {
    std::string_view name{};
    std::string_view parent{};  // a panel name, or "TForm1" for the window
    // "picture", "GIF" (animated picture), "label", "movie", "drawing surface".
    std::string_view kind{};
    int left = 0, top = 0, width = 0, height = 0;
    // The stored picture's size and, for a GIF, its frame count (0: no picture).
    int pictureWidth = 0, pictureHeight = 0, frames = 0;
    bool visibleAtStart = false;
    bool loop = true;  // a GIF that plays once per start has false
    bool transparent = false;
    // captionCz is the caption stored in the layout; captionEn replaces it
    // when English is chosen ("" when the caption stays as stored). Texts are
    // UTF-8 and kept byte for byte, leading and trailing blanks included.
    std::string_view captionCz{}, captionEn{}, hintCz{}, hintEn{};
    std::string_view fontName{};
    int fontPixels = 0;
    std::string_view fontColour{};  // a Delphi colour name: "clYellow", "clMaroon", ...
    bool bold = false, italic = false;
    bool ansiCharset = false;  // the font's character set is ANSI, not East European
    // What the game uses the component for. Faces read "<owner> <part>", the
    // owner being "detective", "old man", "warrior", "publican", "mayor",
    // "Bush Man", "sheriff", "druid" or "ranger" and the part one of "head",
    // "eyes", "mouth", "talking mouth", "eyes in a talk", "description
    // animation", "eyebrows". Exits read "exit to <scene>", talk hotspots
    // "talk (<character>)", the story flags "story flag".
    std::string_view role{};
    std::string_view exitTo{};      // destination panel of an exit label or rectangle
    std::string_view backColour{};  // background colour of an opaque label ("" if not given)
};

// The 33 panels on the window followed by the two cover panels, in a fixed order.
std::span<const PanelSpec> panelCatalogue();

// Every other named component, grouped by scene, then the interludes, the
// other panels' contents, the window-level controls and the story flags.
std::span<const ComponentSpec> componentCatalogue();

// The handlers an exit label is bound to, as the game names them.
using scenes::ExitHandlers;
using scenes::exitHandlers;

// The rectangles of a location that have no handler and only swallow the
// clicks that land on them (empty for the other panels). The layout knows
// them only as a count per location; these names are numbers no other
// component uses.
std::span<const std::string_view> silentRectangles(std::string_view panel);

}  // namespace kvarnel::standin

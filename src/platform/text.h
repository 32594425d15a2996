// Text rasterising for the labels: a font by name, pixel height and style,
// measured and rendered to a coverage mask. Both platforms use the same
// implementation, so a headless screenshot shows the same letters as the
// window.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kvarnel::platform {

struct FontSpec {
    std::string name;     // as the layout names it: "MS Sans Serif", "Sylfaen", ...
    int pixelHeight = 11;  // character height in pixels (the magnitude of Font.Height)
    bool bold = false;
    bool italic = false;
    bool operator==(const FontSpec&) const = default;
};

struct TextSize {
    int width = 0;
    int height = 0;
};

// Coverage of rendered text: 0 = background, 255 = full ink.
struct TextMask {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> alpha;  // width * height, rows from the top
};

class TextRasterizer {
public:
    virtual ~TextRasterizer() = default;
    // Size of one line of `utf8` in this font: width of the line, height of
    // the font's line (ascent + descent), as an auto-sizing label takes it.
    // An empty text has width 0 and the font's line height.
    virtual TextSize measure(const FontSpec& font, std::string_view utf8) = 0;
    // The line rendered with its top-left at (0, 0), of the measured size.
    virtual TextMask render(const FontSpec& font, std::string_view utf8) = 0;
};

}  // namespace kvarnel::platform

// Draws the whole screen into one framebuffer: every showing control in
// stacking order, clipped to its parents, then the tooltip. The window and
// the headless platform show the same framebuffer, so a test's screenshot
// is what a player sees.
#pragma once

#include <functional>
#include <list>
#include <string>
#include <unordered_map>
#include <vector>

#include "layout/image.h"
#include "layout/screen.h"

namespace kvarnel::layout {

class Compositor {
public:
    // The frame a movie control currently shows (null: none), and a number
    // that changes whenever that frame does.
    struct MovieFrame {
        const Image* image = nullptr;
        uint64_t serial = 0;
    };
    using MovieFrameSource = std::function<MovieFrame(const ShockwaveFlash&)>;

    explicit Compositor(Screen& screen);

    void setMovieFrames(MovieFrameSource source) { movieFrames_ = std::move(source); }

    // Brings `fb` (resized to the screen) up to date. Drawn into the same
    // buffer as the last time, only what changed is drawn again; changed()
    // then tells where.
    void compose(Image& fb);
    // The rectangles the last compose drew (the whole screen when it drew
    // everything), none overlapping.
    const std::vector<ScreenRect>& changed() const { return changed_; }

    // A cheap fingerprint of everything that decides what the screen shows;
    // when it has not changed since the last compose, neither has the
    // picture (movies and surfaces count through their frames).
    uint64_t fingerprint() const;

private:
    // Mixes what decides the picture of `parent`'s showing descendants.
    void mixShowing(uint64_t& h, const Control& parent) const;
    // Mixes what decides the picture of `c` itself.
    void mixOwn(uint64_t& h, Control& c) const;
    // Where `c` writes every pixel of its own (empty: it lets things show through).
    ScreenRect opaqueArea(Control& c) const;
    // The largest such area among `parent`'s showing children, within `clip`.
    ScreenRect largestOpaqueChild(Control& parent, const ScreenRect& clip) const;
    void drawControl(Image& fb, Control& c, const ScreenRect& clip);
    void drawChildren(Image& fb, Control& parent, const ScreenRect& clip);
    void drawText(Image& fb, const ScreenRect& clip, const Font& font, const std::string& text, int x, int y);
    void drawHint(Image& fb, const ScreenRect& clip);
    ScreenRect hintBox() const;
    // A control as the last compose drew it.
    struct Drawn {
        Control* control = nullptr;  // null: the tooltip
        ScreenRect rect;
        uint64_t hash = 0;
    };
    void listShowing(Control& parent, const ScreenRect& clip, std::vector<Drawn>& out) const;
    void addChanged(ScreenRect r);
    const platform::TextMask& mask(const platform::FontSpec& font, const std::string& text);

    Screen& screen_;
    MovieFrameSource movieFrames_;
    std::vector<Drawn> drawn_;
    std::vector<ScreenRect> changed_;
    const uint32_t* lastBuffer_ = nullptr;
    TColor lastFormColor_ = clBlack;
    // Rendered texts, most recently used first; labels change rarely.
    struct CachedText {
        std::string key;
        platform::TextMask mask;
    };
    std::list<CachedText> cache_;
    std::unordered_map<std::string, std::list<CachedText>::iterator> cacheIndex_;
};

}  // namespace kvarnel::layout

// The control runtime: where each control lies on the screen, which control
// a mouse event goes to, and the operations the game calls on controls
// (captions with auto-size, GIF animation, frame index).
//
// Stacking. Each control lies inside its parent and is clipped to it. Within
// a parent, windowed controls (panels, drawing surfaces, movie controls,
// media players) lie above drawn ones (pictures, labels, animated GIFs);
// among siblings of the same kind a later one in the stream lies above an
// earlier one. A control shows while it and all its ancestors are visible.
// A drawn control takes the mouse over its whole rectangle, whether or not
// anything is drawn there.
//
// The window covers the whole screen at (0, 0); its stored position is a
// design position and is ignored.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "layout/layout.h"
#include "platform/text.h"

namespace kvarnel::layout {

// A rectangle in screen coordinates; empty when w or h is not positive.
struct ScreenRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    bool empty() const { return w <= 0 || h <= 0; }
    bool contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
    ScreenRect intersect(const ScreenRect& o) const;
    bool operator==(const ScreenRect&) const = default;
};

// Tooltip on screen: text and where its box goes.
struct HintState {
    bool shown = false;
    std::string text;
    int x = 0;
    int y = 0;
};

class Screen {
public:
    Screen(Layout& layout, platform::TextRasterizer& text);

    Layout& layout() { return layout_; }
    const Layout& layout() const { return layout_; }
    platform::TextRasterizer& text() { return text_; }

    // The window's size, which is the screen's.
    void setScreenSize(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }

    // Applies AutoSize to every picture, animated GIF and label, as the
    // original did when their pictures and captions were first set.
    void applyAutoSizes();

    // --- Geometry ------------------------------------------------------------
    // Position and size relative to the parent, after Align.
    ScreenRect localBounds(const Control& c) const;
    // The control's rectangle on the screen (not clipped).
    ScreenRect bounds(const Control& c) const;
    // What of it can be seen: clipped to every ancestor; empty when it or an
    // ancestor is hidden.
    ScreenRect visibleRect(const Control& c) const;
    bool showing(const Control& c) const;
    // The topmost showing control under a screen point; the window itself
    // when no control is there.
    Control* hitTest(int x, int y) const;
    // The children of `parent` in drawing order (bottom first): drawn
    // controls in stream order, then windowed ones in stream order.
    std::vector<Control*> paintOrder(const Control& parent) const;

    // --- Labels ----------------------------------------------------------------
    // The font and background colour a label draws with (its parent's where
    // ParentFont / ParentColor hold).
    Font effectiveFont(const Control& c) const;
    TColor effectiveColor(const Label& label) const;
    static platform::FontSpec fontSpec(const Font& f);
    // Replaces the caption; an auto-sizing label takes the caption's size.
    void setCaption(Label& label, std::string utf8);
    void autoSize(Label& label);

    // --- Animated GIFs -------------------------------------------------------
    // Starts the animation from the shown frame.
    void startAnimation(GifAnimator& gif);
    // Stops it; stopping a running animation raises OnStop.
    void stopAnimation(GifAnimator& gif);
    // Shows frame `index` now (ignored outside the frames) and restarts the
    // delay with that frame's.
    void setFrameIndex(GifAnimator& gif, int index);
    // Steps every running animation whose delay ran out by `nowMs`. Only a
    // visible control with two or more frames steps; a hidden one keeps its
    // timing. Returns whether a shown frame changed.
    bool advanceAnimations(uint64_t nowMs);
    // When the next step is due (UINT64_MAX when none runs).
    uint64_t nextAnimationDue() const;

    // --- Mouse -----------------------------------------------------------------
    // Routes a button press, release or move at a screen point. For one left
    // click: OnMouseDown, then OnClick (when released over the same control),
    // then OnMouseUp. The right button raises no OnClick. A release goes to
    // the control that took the press.
    void mouseDown(MouseButton button, int x, int y);
    void mouseUp(MouseButton button, int x, int y);
    void mouseMove(int x, int y, uint64_t nowMs);
    // Re-evaluates what lies under a resting pointer (controls appear and
    // disappear under it): raises OnMouseEnter / OnMouseLeave and times the
    // tooltip. Call after every event and tick.
    void updateHover(int x, int y, uint64_t nowMs);
    Control* hovered() const { return hover_; }
    const HintState& hint() const { return hint_; }
    // When the tooltip next appears or disappears (UINT64_MAX when nothing
    // is pending).
    uint64_t nextHintChange() const;

private:
    Control* hitIn(Control& parent, const ScreenRect& clip, int x, int y) const;
    void setHover(Control* c);
    const Control* hintSource(const Control* c) const;

    Layout& layout_;
    platform::TextRasterizer& text_;
    int width_ = 1024;
    int height_ = 768;
    std::vector<GifAnimator*> gifs_;
    Control* pressed_ = nullptr;  // took the last button press
    Control* hover_ = nullptr;
    uint64_t hoverSince_ = 0;
    HintState hint_;
    const Control* hintFor_ = nullptr;
    uint64_t hintShownAt_ = 0;
};

// Tooltip timing, as the desktop shows hints.
inline constexpr uint64_t kHintPauseMs = 500;
inline constexpr uint64_t kHintHideMs = 2500;

}  // namespace kvarnel::layout

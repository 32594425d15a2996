#include "layout/screen.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace kvarnel::layout {

ScreenRect ScreenRect::intersect(const ScreenRect& o) const {
    const int x0 = std::max(x, o.x);
    const int y0 = std::max(y, o.y);
    const int x1 = std::min(x + w, o.x + o.w);
    const int y1 = std::min(y + h, o.y + o.h);
    return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

Screen::Screen(Layout& layout, platform::TextRasterizer& text) : layout_(layout), text_(text) {
    for (Component* c : layout_.components()) {
        if (auto* gif = as<GifAnimator>(c)) gifs_.push_back(gif);
    }
}

void Screen::setScreenSize(int width, int height) {
    width_ = width;
    height_ = height;
}

void Screen::applyAutoSizes() {
    for (Component* c : layout_.components()) {
        if (auto* img = as<ImageControl>(c)) {
            if (img->AutoSize && !img->Picture_.image().empty()) {
                img->Width = img->Picture_.image().width;
                img->Height = img->Picture_.image().height;
            }
        } else if (auto* gif = as<GifAnimator>(c)) {
            if (gif->AutoSize && !gif->Image_.empty()) {
                gif->Width = gif->Image_.width;
                gif->Height = gif->Image_.height;
            }
        } else if (auto* label = as<Label>(c)) {
            if (label->AutoSize) autoSize(*label);
        }
    }
}

// ---------------------------------------------------------------------------
// Geometry
// ---------------------------------------------------------------------------
ScreenRect Screen::localBounds(const Control& c) const {
    if (c.componentClass() == ComponentClass::Form) return {0, 0, width_, height_};
    if (c.Align_ == Align::alClient && c.parent) {
        const ScreenRect p = localBounds(*c.parent);
        return {0, 0, p.w, p.h};
    }
    return {c.Left, c.Top, c.Width, c.Height};
}

ScreenRect Screen::bounds(const Control& c) const {
    ScreenRect r = localBounds(c);
    if (c.componentClass() == ComponentClass::Form) return r;
    for (const Control* p = c.parent; p && p->componentClass() != ComponentClass::Form; p = p->parent) {
        const ScreenRect pl = localBounds(*p);
        r.x += pl.x;
        r.y += pl.y;
    }
    return r;
}

ScreenRect Screen::visibleRect(const Control& c) const {
    if (!c.Visible) return {};
    ScreenRect r = bounds(c);
    if (c.parent) r = r.intersect(visibleRect(*c.parent));
    return r;
}

bool Screen::showing(const Control& c) const {
    for (const Control* p = &c; p; p = p->parent) {
        if (!p->Visible) return false;
    }
    return true;
}

std::vector<Control*> Screen::paintOrder(const Control& parent) const {
    std::vector<Control*> out;
    out.reserve(parent.children.size());
    for (Control* c : parent.children) {
        if (!c->windowed()) out.push_back(c);
    }
    for (Control* c : parent.children) {
        if (c->windowed()) out.push_back(c);
    }
    return out;
}

Control* Screen::hitIn(Control& parent, const ScreenRect& clip, int x, int y) const {
    const std::vector<Control*> order = paintOrder(parent);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        Control* c = *it;
        if (!c->Visible || !c->Enabled) continue;
        const ScreenRect r = bounds(*c).intersect(clip);
        if (!r.contains(x, y)) continue;
        if (!c->children.empty()) return hitIn(*c, r, x, y);
        return c;
    }
    return &parent;
}

Control* Screen::hitTest(int x, int y) const {
    Form& form = layout_.form();
    const ScreenRect all = bounds(form);
    if (!form.Visible || !all.contains(x, y)) return nullptr;
    return hitIn(form, all, x, y);
}

// ---------------------------------------------------------------------------
// Labels
// ---------------------------------------------------------------------------
Font Screen::effectiveFont(const Control& c) const {
    const Control* p = &c;
    while (p) {
        if (auto* label = dynamic_cast<const Label*>(p)) {
            if (!label->ParentFont) return label->Font_;
        } else if (auto* panel = dynamic_cast<const Panel*>(p)) {
            if (!panel->ParentFont) return panel->Font_;
        } else if (auto* form = dynamic_cast<const Form*>(p)) {
            return form->Font_;
        }
        p = p->parent;
    }
    return Font{};
}

TColor Screen::effectiveColor(const Label& label) const {
    if (!label.ParentColor) return label.Color;
    for (const Control* p = label.parent; p; p = p->parent) {
        if (auto* panel = dynamic_cast<const Panel*>(p)) return panel->Color;
        if (auto* form = dynamic_cast<const Form*>(p)) return form->Color;
    }
    return label.Color;
}

platform::FontSpec Screen::fontSpec(const Font& f) {
    return {f.Name, std::max(1, std::abs(f.Height)), f.Bold, f.Italic};
}

void Screen::setCaption(Label& label, std::string utf8) {
    label.Caption = std::move(utf8);
    if (label.AutoSize) autoSize(label);
}

void Screen::autoSize(Label& label) {
    const platform::TextSize size = text_.measure(fontSpec(effectiveFont(label)), label.Caption);
    label.Width = size.width;
    label.Height = size.height;
}

// ---------------------------------------------------------------------------
// Animated GIFs
// ---------------------------------------------------------------------------
namespace {
int frameDelay(const GifAnimator& gif) {
    // The delays are known without decoding the frames.
    const size_t count = gif.Image_.frameCount();
    if (count == 0) return 100;
    const auto i = static_cast<size_t>(std::clamp<int32_t>(gif.FrameIndex, 0, static_cast<int32_t>(count) - 1));
    return std::clamp(gif.Image_.delayMs(i), 50, 10000);
}
}  // namespace

void Screen::startAnimation(GifAnimator& gif) {
    if (gif.Animate) return;
    gif.Animate = true;
    gif.frameDueMs = 0;
}

void Screen::stopAnimation(GifAnimator& gif) {
    if (!gif.Animate) return;
    gif.Animate = false;
    gif.frameDueMs = 0;
    gif.OnStop.fire({&gif});
}

void Screen::setFrameIndex(GifAnimator& gif, int index) {
    if (index < 0 || index >= static_cast<int>(gif.Image_.frameCount())) return;
    gif.FrameIndex = index;
    gif.frameDueMs = 0;
}

bool Screen::advanceAnimations(uint64_t nowMs) {
    bool changed = false;
    for (GifAnimator* gif : gifs_) {
        if (!gif->Animate) continue;
        const auto count = static_cast<int32_t>(gif->Image_.frameCount());
        if (count < 2) continue;
        if (gif->frameDueMs == 0) {
            gif->frameDueMs = nowMs + static_cast<uint64_t>(frameDelay(*gif));
            continue;
        }
        // After a long stall (a suspended machine) the animation goes on from
        // now instead of racing through the missed frames.
        if (nowMs > gif->frameDueMs + 10000) gif->frameDueMs = nowMs;
        while (gif->Animate && gif->frameDueMs != 0 && nowMs >= gif->frameDueMs) {
            if (!gif->Visible) {
                gif->frameDueMs += static_cast<uint64_t>(frameDelay(*gif));
                continue;
            }
            gif->FrameIndex = (gif->FrameIndex + 1) % count;
            if (gif->FrameIndex < 0) gif->FrameIndex = 0;
            gif->frameDueMs += static_cast<uint64_t>(frameDelay(*gif));
            changed = changed || showing(*gif);
            if (!gif->Loop && gif->FrameIndex == 0) stopAnimation(*gif);
        }
    }
    return changed;
}

uint64_t Screen::nextAnimationDue() const {
    uint64_t due = std::numeric_limits<uint64_t>::max();
    for (const GifAnimator* gif : gifs_) {
        if (!gif->Animate || gif->Image_.frameCount() < 2) continue;
        // An unscheduled animation is scheduled on the next pass: due now.
        due = std::min(due, gif->frameDueMs);
    }
    return due;
}

// ---------------------------------------------------------------------------
// Mouse
// ---------------------------------------------------------------------------
namespace {
EventArgs argsAt(Screen& screen, Control* c, MouseButton button, int x, int y) {
    const ScreenRect r = screen.bounds(*c);
    return {c, button, x - r.x, y - r.y};
}
}  // namespace

void Screen::mouseDown(MouseButton button, int x, int y) {
    Control* target = hitTest(x, y);
    pressed_ = target;
    if (target) target->OnMouseDown.fire(argsAt(*this, target, button, x, y));
}

void Screen::mouseUp(MouseButton button, int x, int y) {
    Control* target = pressed_ ? pressed_ : hitTest(x, y);
    pressed_ = nullptr;
    if (!target) return;
    if (button == MouseButton::Left && showing(*target) && bounds(*target).contains(x, y)) {
        target->OnClick.fire(argsAt(*this, target, button, x, y));
    }
    target->OnMouseUp.fire(argsAt(*this, target, button, x, y));
}

void Screen::mouseMove(int x, int y, uint64_t nowMs) {
    Control* target = pressed_ ? pressed_ : hitTest(x, y);
    if (target) target->OnMouseMove.fire(argsAt(*this, target, MouseButton::Left, x, y));
    updateHover(x, y, nowMs);
}

void Screen::setHover(Control* c) {
    if (c == hover_) return;
    Control* old = hover_;
    hover_ = c;
    if (auto* label = as<Label>(old)) label->OnMouseLeave.fire({label});
    if (auto* label = as<Label>(c)) label->OnMouseEnter.fire({label});
}

const Control* Screen::hintSource(const Control* c) const {
    for (const Control* p = c; p; p = p->parent) {
        if (p->ShowHint) return p->Hint.empty() ? nullptr : p;
        if (!p->ParentShowHint) return nullptr;
    }
    return nullptr;
}

void Screen::updateHover(int x, int y, uint64_t nowMs) {
    setHover(hitTest(x, y));
    const Control* source = hintSource(hover_);
    if (source != hintFor_) {
        hintFor_ = source;
        hint_ = {};
        hoverSince_ = nowMs;
        hintShownAt_ = 0;
    }
    if (!hintFor_) return;
    if (!hint_.shown && hintShownAt_ == 0 && nowMs >= hoverSince_ + kHintPauseMs) {
        hint_ = {true, hintFor_->Hint, x, y + 20};
        hintShownAt_ = nowMs;
    } else if (hint_.shown && nowMs >= hintShownAt_ + kHintHideMs) {
        hint_.shown = false;  // stays hidden until the pointer rests on another control
    }
}

uint64_t Screen::nextHintChange() const {
    if (!hintFor_) return std::numeric_limits<uint64_t>::max();
    if (!hint_.shown && hintShownAt_ == 0) return hoverSince_ + kHintPauseMs;
    if (hint_.shown) return hintShownAt_ + kHintHideMs;
    return std::numeric_limits<uint64_t>::max();
}

}  // namespace kvarnel::layout

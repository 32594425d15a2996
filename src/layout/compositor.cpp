#include "layout/compositor.h"

#include <algorithm>

#include "layout/blit.h"

namespace kvarnel::layout {
namespace {

constexpr size_t kTextCacheSize = 256;
const Font kHintFont{.Name = "MS Sans Serif", .Height = -11, .Color = clBlack};

void mix(uint64_t& h, uint64_t v) {
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
}

void mixString(uint64_t& h, const std::string& s) {
    mix(h, std::hash<std::string>{}(s));
}

// A picture in its control: scaled to the control, centred in it, or at its
// top-left corner at natural size.
void drawPlaced(Image& fb, const ScreenRect& clip, const Image& pic, const ScreenRect& b, bool stretch, bool center,
                const BlitOptions& opt) {
    if (stretch) {
        blitScaled(fb, clip, pic, b.x, b.y, b.w, b.h, opt);
    } else if (center) {
        blit(fb, clip, pic, b.x + (b.w - pic.width) / 2, b.y + (b.h - pic.height) / 2, opt);
    } else {
        blit(fb, clip, pic, b.x, b.y, opt);
    }
}

// Fills `area` but not `hole`: the bands above and below it, and to its
// left and right between them.
void fillAround(Image& fb, const ScreenRect& area, uint32_t colour, const ScreenRect& hole) {
    const ScreenRect h = hole.intersect(area);
    if (h.empty()) {
        fillRect(fb, area, area, colour);
        return;
    }
    const ScreenRect bands[] = {
        {area.x, area.y, area.w, h.y - area.y},
        {area.x, h.y + h.h, area.w, area.y + area.h - (h.y + h.h)},
        {area.x, h.y, h.x - area.x, h.h},
        {h.x + h.w, h.y, area.x + area.w - (h.x + h.w), h.h},
    };
    for (const ScreenRect& band : bands) {
        if (!band.empty()) fillRect(fb, band, band, colour);
    }
}

// How a picture control's picture is laid over what is under it: a bitmap as
// it is, or leaving out the colour of its bottom-left pixel when transparent;
// a JPEG as it is; anything else (GIF) by its own transparency. Known from
// the class alone, so nothing is decoded to ask.
BlitMode pictureMode(const ImageControl& img) {
    if (img.Picture_.className == "TBitmap" || img.Picture_.className == "TDIB")
        return img.Transparent ? BlitMode::ColorKey : BlitMode::Opaque;
    return img.Picture_.className == "TJPEGImage" ? BlitMode::Opaque : BlitMode::Alpha;
}

}  // namespace

Compositor::Compositor(Screen& screen) : screen_(screen) {}

ScreenRect Compositor::opaqueArea(Control& c) const {
    const ScreenRect b = screen_.bounds(c);
    switch (c.componentClass()) {
        case ComponentClass::Panel:
            return b;  // its colour fills its whole box
        case ComponentClass::Image: {
            auto& img = static_cast<ImageControl&>(c);
            if (pictureMode(img) != BlitMode::Opaque) return {};
            const Image& pic = img.Picture_.image();
            if (pic.empty()) return {};
            if (img.Stretch) return b;
            if (img.Center)
                return b.intersect({b.x + (b.w - pic.width) / 2, b.y + (b.h - pic.height) / 2, pic.width, pic.height});
            return b.intersect({b.x, b.y, pic.width, pic.height});
        }
        default:
            return {};
    }
}

ScreenRect Compositor::largestOpaqueChild(Control& parent, const ScreenRect& clip) const {
    ScreenRect best;
    int64_t bestArea = 0;
    for (Control* c : screen_.paintOrder(parent)) {
        if (!c->Visible) continue;
        const ScreenRect r = opaqueArea(*c).intersect(clip);
        const int64_t a = int64_t{r.w} * r.h;
        if (a > bestArea) {
            best = r;
            bestArea = a;
        }
    }
    return best;
}

const platform::TextMask& Compositor::mask(const platform::FontSpec& font, const std::string& text) {
    std::string key = font.name + '\x1f' + std::to_string(font.pixelHeight) + (font.bold ? "b" : "") +
                      (font.italic ? "i" : "") + '\x1f' + text;
    const auto it = cacheIndex_.find(key);
    if (it != cacheIndex_.end()) {
        cache_.splice(cache_.begin(), cache_, it->second);
        return it->second->mask;
    }
    cache_.push_front({key, screen_.text().render(font, text)});
    cacheIndex_[std::move(key)] = cache_.begin();
    if (cache_.size() > kTextCacheSize) {
        cacheIndex_.erase(cache_.back().key);
        cache_.pop_back();
    }
    return cache_.front().mask;
}

void Compositor::drawText(Image& fb, const ScreenRect& clip, const Font& font, const std::string& text, int x, int y) {
    if (text.empty()) return;
    const platform::TextMask& m = mask(Screen::fontSpec(font), text);
    blendMask(fb, clip, m.alpha.data(), m.width, m.height, x, y, colorToArgb(font.Color));
}

void Compositor::listShowing(Control& parent, const ScreenRect& clip, std::vector<Drawn>& out) const {
    for (Control* c : screen_.paintOrder(parent)) {
        if (!c->Visible) continue;
        const ScreenRect r = screen_.bounds(*c).intersect(clip);
        if (r.empty()) continue;
        uint64_t h = 0;
        mixOwn(h, *c);
        out.push_back({c, r, h});
        listShowing(*c, r, out);
    }
}

void Compositor::compose(Image& fb) {
    // Pictures drawn in this picture are kept however full the budget.
    DecodedPictures::instance().nextFrame();
    const int w = screen_.width(), h = screen_.height();
    bool full = fb.pixels.data() != lastBuffer_ || fb.width != w || fb.height != h;
    if (fb.width != w || fb.height != h) {
        fb.width = w;
        fb.height = h;
        fb.pixels.assign(static_cast<size_t>(w) * h, 0xFF000000u);
    }
    const ScreenRect all{0, 0, w, h};
    Form& form = screen_.layout().form();

    // What shows now, control by control in painting order, the tooltip last.
    std::vector<Drawn> now;
    now.reserve(drawn_.size());
    if (form.Visible) listShowing(form, all, now);
    const HintState& hint = screen_.hint();
    uint64_t hintHash = 0;
    mix(hintHash, hint.shown);
    mixString(hintHash, hint.text);
    now.push_back({nullptr, hintBox(), hintHash});

    // The same controls in the same order: only those that changed, where
    // they were and where they are, are drawn again. Anything else (a place
    // shown or hidden, a control moved in the order) draws everything.
    changed_.clear();
    full = full || now.size() != drawn_.size() || form.Color != lastFormColor_;
    for (size_t i = 0; !full && i < now.size(); ++i) {
        const Drawn& a = drawn_[i];
        const Drawn& b = now[i];
        if (a.control != b.control) {
            full = true;
        } else if (a.rect != b.rect || a.hash != b.hash) {
            addChanged(a.rect);
            addChanged(b.rect);
        }
    }
    int64_t area = 0;
    for (const ScreenRect& r : changed_) area += int64_t{r.w} * r.h;
    if (full || area * 2 > int64_t{w} * h) {
        changed_.assign(1, all);
    }
    for (const ScreenRect& clip : changed_) {
        // What an opaque place or picture covers is not filled first only
        // to be drawn over: a frame's cost is mostly writing memory.
        fillAround(fb, clip.intersect(all), colorToArgb(form.Color),
                   form.Visible ? largestOpaqueChild(form, clip) : ScreenRect{});
        if (form.Visible) drawChildren(fb, form, clip);
        drawHint(fb, clip);
    }
    drawn_ = std::move(now);
    lastBuffer_ = fb.pixels.data();
    lastFormColor_ = form.Color;
}

// Adds `r` to the rectangles drawn again, merged with any it overlaps, so
// that no pixel is drawn twice.
void Compositor::addChanged(ScreenRect r) {
    if (r.empty()) return;
    for (bool merged = true; merged;) {
        merged = false;
        for (size_t i = 0; i < changed_.size(); ++i) {
            if (changed_[i].intersect(r).empty()) continue;
            const ScreenRect& o = changed_[i];
            const int left = std::min(o.x, r.x), top = std::min(o.y, r.y);
            const int right = std::max(o.x + o.w, r.x + r.w), bottom = std::max(o.y + o.h, r.y + r.h);
            r = {left, top, right - left, bottom - top};
            changed_.erase(changed_.begin() + static_cast<std::ptrdiff_t>(i));
            merged = true;
            break;
        }
    }
    changed_.push_back(r);
}

void Compositor::drawChildren(Image& fb, Control& parent, const ScreenRect& clip) {
    for (Control* c : screen_.paintOrder(parent)) {
        if (!c->Visible) continue;
        const ScreenRect r = screen_.bounds(*c).intersect(clip);
        if (r.empty()) continue;
        drawControl(fb, *c, r);
    }
}

void Compositor::drawControl(Image& fb, Control& c, const ScreenRect& clip) {
    const ScreenRect b = screen_.bounds(c);
    switch (c.componentClass()) {
        case ComponentClass::Panel: {
            auto& panel = static_cast<Panel&>(c);
            fillAround(fb, clip.intersect(b), colorToArgb(panel.Color), largestOpaqueChild(c, clip));
            if (!panel.Caption.empty()) {
                const Font font = c.parent ? screen_.effectiveFont(*c.parent) : Font{};
                const platform::TextSize size = screen_.text().measure(Screen::fontSpec(font), panel.Caption);
                drawText(fb, clip, font, panel.Caption, b.x + (b.w - size.width) / 2, b.y + (b.h - size.height) / 2);
            }
            drawChildren(fb, c, clip);
            break;
        }
        case ComponentClass::Image: {
            auto& img = static_cast<ImageControl&>(c);
            const Image& pic = img.Picture_.image();
            if (pic.empty()) break;
            BlitOptions opt{pictureMode(img), 0};
            if (opt.mode == BlitMode::ColorKey) opt.key = pic.at(0, pic.height - 1) & 0xFFFFFF;
            drawPlaced(fb, clip, pic, b, img.Stretch, img.Center, opt);
            break;
        }
        case ComponentClass::GifAnimator: {
            auto& gif = static_cast<GifAnimator&>(c);
            const size_t count = gif.Image_.frameCount();
            if (count == 0) break;
            const auto i = static_cast<size_t>(std::clamp<int64_t>(gif.FrameIndex, 0, static_cast<int64_t>(count) - 1));
            const Image& frame = gif.Image_.frame(i);
            if (frame.empty()) break;
            const BlitOptions opt{gif.Transparent ? BlitMode::Alpha : BlitMode::Opaque, 0};
            drawPlaced(fb, clip, frame, b, gif.Stretch, gif.Center, opt);
            break;
        }
        case ComponentClass::Label: {
            auto& label = static_cast<Label&>(c);
            if (!label.Transparent) fillRect(fb, clip, b, colorToArgb(screen_.effectiveColor(label)));
            drawText(fb, clip, screen_.effectiveFont(label), label.Caption, b.x, b.y);
            break;
        }
        case ComponentClass::ShockwaveFlash: {
            const Image* frame = movieFrames_ ? movieFrames_(static_cast<ShockwaveFlash&>(c)).image : nullptr;
            fillRect(fb, clip, b, 0xFF000000u);
            if (frame) blitScaled(fb, clip, *frame, b.x, b.y, b.w, b.h, {});
            break;
        }
        case ComponentClass::DXDraw: {
            auto& draw = static_cast<DXDraw&>(c);
            fillRect(fb, clip, b, 0xFF000000u);
            if (!draw.front.empty()) blit(fb, clip, draw.front, b.x, b.y, {});
            break;
        }
        default:
            break;  // media players are never drawn
    }
}

ScreenRect Compositor::hintBox() const {
    const HintState& hint = screen_.hint();
    if (!hint.shown || hint.text.empty()) return {};
    const platform::TextSize size = screen_.text().measure(Screen::fontSpec(kHintFont), hint.text);
    ScreenRect box{hint.x, hint.y, size.width + 6, size.height + 4};
    // Keep the box on the screen.
    box.x = std::clamp(box.x, 0, std::max(0, screen_.width() - box.w));
    box.y = std::clamp(box.y, 0, std::max(0, screen_.height() - box.h));
    return box;
}

void Compositor::drawHint(Image& fb, const ScreenRect& clip) {
    const ScreenRect box = hintBox();
    if (box.empty()) return;
    fillRect(fb, clip, box, argb(0, 0, 0));
    fillRect(fb, clip, {box.x + 1, box.y + 1, box.w - 2, box.h - 2}, argb(0xFF, 0xFF, 0xE1));
    drawText(fb, clip, kHintFont, screen_.hint().text, box.x + 3, box.y + 2);
}

void Compositor::mixOwn(uint64_t& h, Control& c) const {
    mix(h, (static_cast<uint64_t>(static_cast<uint32_t>(c.Left)) << 32) ^ static_cast<uint32_t>(c.Top));
    mix(h, (static_cast<uint64_t>(static_cast<uint32_t>(c.Width)) << 32) ^ static_cast<uint32_t>(c.Height));
    if (auto* label = as<Label>(&c)) {
        mixString(h, label->Caption);
        mix(h, static_cast<uint32_t>(label->Font_.Color));
        mix(h, static_cast<uint32_t>(label->Font_.Height));
    } else if (auto* gif = as<GifAnimator>(&c)) {
        mix(h, static_cast<uint32_t>(gif->FrameIndex));
    } else if (auto* movie = as<ShockwaveFlash>(&c)) {
        const MovieFrame frame = movieFrames_ ? movieFrames_(*movie) : MovieFrame{};
        mix(h, reinterpret_cast<uintptr_t>(frame.image));
        mix(h, frame.serial);
    } else if (auto* draw = as<DXDraw>(&c)) {
        mix(h, draw->flips);
    }
}

void Compositor::mixShowing(uint64_t& h, const Control& parent) const {
    for (Control* c : parent.children) {
        // A hidden control may move as it likes (the inventory places its
        // hidden items every tick), and nothing inside it can show: only its
        // showing up changes the picture. So the walk skips hidden subtrees,
        // which are most of the layout at any time.
        mix(h, c->Visible);
        if (!c->Visible) continue;
        mixOwn(h, *c);
        mixShowing(h, *c);
    }
}

uint64_t Compositor::fingerprint() const {
    uint64_t h = 0;
    mix(h, static_cast<uint64_t>(screen_.width()) << 32 | static_cast<uint32_t>(screen_.height()));
    mixShowing(h, screen_.layout().form());
    const HintState& hint = screen_.hint();
    mix(h, hint.shown);
    mixString(h, hint.text);
    return h;
}

}  // namespace kvarnel::layout

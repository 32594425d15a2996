#include "scenes/actions.h"

#include <algorithm>
#include <set>

#include "scenes/inventory.h"

namespace kvarnel::scenes {

namespace {

layout::Control* control(const Context& ctx, std::string_view name) {
    return layout::as<layout::Control>(ctx.layout.find(name));
}

layout::GifAnimator* sprite(const Context& ctx, std::string_view name) {
    return ctx.layout.findAs<layout::GifAnimator>(name);
}

void runOne(Context& ctx, const Op& o) {
    core::GameState& s = ctx.state;
    Controls& c = ctx.c;
    switch (o.kind) {
        case OpKind::Show:
        case OpKind::Hide:
            if (layout::Control* target = control(ctx, o.name)) target->Visible = o.kind == OpKind::Show;
            break;
        case OpKind::Animate:
            if (layout::GifAnimator* g = sprite(ctx, o.name)) ctx.screen->startAnimation(*g);
            break;
        case OpKind::StopAnimation:
            if (layout::GifAnimator* g = sprite(ctx, o.name)) ctx.screen->stopAnimation(*g);
            break;
        case OpKind::Frame:
            if (layout::GifAnimator* g = sprite(ctx, o.name)) ctx.screen->setFrameIndex(*g, o.value);
            break;
        case OpKind::Say:
            setCaption(ctx, *c.Rozhovor, inLanguage(ctx, o.text).value_or(""));
            break;
        case OpKind::Describe:
            setCaption(ctx, *c.Popis, inLanguage(ctx, o.text).value_or(""));
            break;
        case OpKind::Colour:
            c.Rozhovor->Font_.Color = static_cast<layout::TColor>(o.value);
            break;
        case OpKind::Choice:
            if (o.value >= 1 && o.value <= 3) {
                setCaption(ctx, *c.Otazka[static_cast<size_t>(o.value - 1)], inLanguage(ctx, o.text).value_or(""));
            }
            break;
        case OpKind::AddToCaption:
            if (auto* label = ctx.layout.findAs<layout::Label>(o.name)) {
                setCaption(ctx, *label, std::to_string(captionNumber(label->Caption) + o.value));
            }
            break;
        case OpKind::SetVariable:
            core::setNumber(s, o.name, o.value);
            break;
        case OpKind::GiveItem:
            addItem(ctx, o.item);
            break;
        case OpKind::TakeItem:
            removeItem(ctx, o.item);
            break;
        case OpKind::EndTalk:
            endExchangeAtOnce(ctx);
            break;
        case OpKind::Time:
            timeLine(ctx, o.timing, o.value);
            break;
        case OpKind::Call:
            if (o.call) o.call(ctx);
            break;
    }
}

}  // namespace

bool isShown(const Context& ctx, std::string_view name) {
    const layout::Control* target = control(ctx, name);
    return target != nullptr && target->Visible;
}

void timeLine(Context& ctx, Timing timing, int32_t extraMs) {
    core::GameState& s = ctx.state;
    const layout::Label& line = hasText(*ctx.c.Rozhovor) ? *ctx.c.Rozhovor : *ctx.c.Popis;
    const int32_t limit = textLength(line.Caption) * s.SpeechSpeed + extraMs;
    // A new line is timed from its start. The countdown it takes over may
    // still be running from an earlier line (the talk countdown runs on
    // after the ranger's warning, say); carried over, an elapsed time past
    // the new, shorter limit would never expire and the line would stay on
    // the screen for good.
    switch (timing) {
        case Timing::None:
            break;
        case Timing::Talk:
            s.TalkTime = limit;
            s.TalkElapsed = 0;
            s.TalkTimerOn = 1;
            break;
        case Timing::Speech:
            s.SpeechTime = limit;
            s.SpeechElapsed = 0;
            s.SpeechTimerOn = 1;
            break;
        case Timing::SpeechLimitOnly:
            s.SpeechTime = limit;
            break;
        case Timing::Description:
            s.DescriptionTime = limit;
            s.DescriptionElapsed = 0;
            s.DescriptionTimerOn = 1;
            break;
    }
}

void runOps(Context& ctx, std::span<const Op> ops) {
    for (const Op& o : ops) {
        if (o.when && !o.when(ctx)) continue;
        runOne(ctx, o);
    }
}

std::vector<std::string> missingNames(const layout::Layout& layout, std::span<const Op> ops) {
    std::set<std::string> missing;
    for (const Op& o : ops) {
        switch (o.kind) {
            case OpKind::Show:
            case OpKind::Hide:
                if (!layout::as<layout::Control>(layout.find(o.name))) missing.emplace(o.name);
                break;
            case OpKind::Animate:
            case OpKind::StopAnimation:
            case OpKind::Frame:
                if (!layout.findAs<layout::GifAnimator>(o.name)) missing.emplace(o.name);
                break;
            case OpKind::AddToCaption:
                if (!layout.findAs<layout::Label>(o.name)) missing.emplace(o.name);
                break;
            case OpKind::SetVariable:
                if (!core::findVariable(o.name)) missing.emplace(o.name);
                break;
            default:
                break;
        }
    }
    return {missing.begin(), missing.end()};
}

void endExchangeAtOnce(Context& ctx) {
    Controls& c = ctx.c;
    for (layout::Label* choice : c.Otazka) {
        choice->Visible = false;
        setCaption(ctx, *choice, "");
    }
    c.zrusit->Visible = false;
    setCaption(ctx, *c.Popis, "");
    setCaption(ctx, *c.Rozhovor, "");
    ctx.state.DescriptionsOn = 1;
}

}  // namespace kvarnel::scenes

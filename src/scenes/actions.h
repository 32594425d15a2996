// Actions as rows of data: what a conversation step, an opening or an
// item's answer does to the screen and the state, one small operation per
// row, run in order by one loop.
//
// Controls are named as in the layout and looked up when the row runs (the
// lookup is a hash of the lower-cased name). missingControlNames() lets the
// owner of a table check every name against the layout once, at start-up,
// so a layout that lacks one fails with the names instead of a silent no-op.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/items.h"
#include "scenes/context.h"
#include "scenes/description_table.h"

namespace kvarnel::scenes {

// How a line is timed. The line is Rozhovor's, or Popis's while Rozhovor is
// empty (a comment of the detective that closes an exchange).
enum class Timing : uint8_t {
    None,             // nothing is timed
    Talk,             // the talk countdown: another scripted step follows
    Speech,           // the speech countdown: the exchange's last line
    SpeechLimitOnly,  // only the speech countdown's limit; its on flag stays
    Description,      // the description countdown
};

// Times the line: limit := its characters x SpeechSpeed + extraMs, and the
// countdown's on flag set (but for SpeechLimitOnly). Elapsed time is left
// as it is.
void timeLine(Context& ctx, Timing timing, int32_t extraMs = 0);

enum class OpKind : uint8_t {
    Show,           // `name` (a control, a story-flag picture) visible
    Hide,           // and hidden
    Animate,        // `name`, an animated sprite, starts animating
    StopAnimation,  // and stops where it is
    Frame,          // `name`'s frame index := value
    Say,            // Rozhovor := text in the current language (empty text: emptied)
    Describe,       // Popis := text in the current language (empty text: emptied)
    Colour,         // Rozhovor's font colour := value
    Choice,         // the caption of reply choice `value` (1..3) := text
    AddToCaption,   // the number in label `name`'s caption += value
    SetVariable,    // the game variable `name` := value
    GiveItem,       // `item` gets a slot on the bar
    TakeItem,       // `item` leaves the bar
    EndTalk,        // the exchange ends at once (choices, zrusit and both lines cleared)
    Time,           // timeLine(timing, value)
    Call,           // `call` does what no other row can
};

struct Op {
    OpKind kind{};
    std::string_view name{};
    int32_t value = 0;
    Text text{};
    core::Item item = core::Item::Count;
    Timing timing = Timing::None;
    void (*call)(Context&) = nullptr;
    // The row runs only while this holds (null: always).
    bool (*when)(const Context&) = nullptr;
};

// Constructors that keep the tables readable.
namespace op {
constexpr Op show(std::string_view n) {
    return {.kind = OpKind::Show, .name = n};
}
constexpr Op hide(std::string_view n) {
    return {.kind = OpKind::Hide, .name = n};
}
constexpr Op animate(std::string_view n) {
    return {.kind = OpKind::Animate, .name = n};
}
constexpr Op stopAnimation(std::string_view n) {
    return {.kind = OpKind::StopAnimation, .name = n};
}
constexpr Op frame(std::string_view n, int32_t f) {
    return {.kind = OpKind::Frame, .name = n, .value = f};
}
constexpr Op say(Text t) {
    return {.kind = OpKind::Say, .text = t};
}
constexpr Op emptyRozhovor() {
    return {.kind = OpKind::Say};
}
constexpr Op describe(Text t) {
    return {.kind = OpKind::Describe, .text = t};
}
constexpr Op colour(int32_t c) {
    return {.kind = OpKind::Colour, .value = c};
}
constexpr Op choice(int32_t n, Text t) {
    return {.kind = OpKind::Choice, .value = n, .text = t};
}
constexpr Op emptyChoice(int32_t n) {
    return {.kind = OpKind::Choice, .value = n};
}
constexpr Op addTo(std::string_view label, int32_t delta) {
    return {.kind = OpKind::AddToCaption, .name = label, .value = delta};
}
constexpr Op set(std::string_view variable, int32_t v) {
    return {.kind = OpKind::SetVariable, .name = variable, .value = v};
}
constexpr Op give(core::Item i) {
    return {.kind = OpKind::GiveItem, .item = i};
}
constexpr Op take(core::Item i) {
    return {.kind = OpKind::TakeItem, .item = i};
}
constexpr Op endTalk() {
    return {.kind = OpKind::EndTalk};
}
constexpr Op time(Timing t, int32_t extraMs = 0) {
    return {.kind = OpKind::Time, .value = extraMs, .timing = t};
}
constexpr Op call(void (*f)(Context&)) {
    return {.kind = OpKind::Call, .call = f};
}
// The same row, run only while `w` holds.
constexpr Op when(bool (*w)(const Context&), Op o) {
    o.when = w;
    return o;
}
}  // namespace op

// Rows of several tables one after the other, for a step that shares a pose
// or a rule with others.
template <size_t... N>
constexpr auto join(const std::array<Op, N>&... parts) {
    std::array<Op, (N + ...)> out{};
    size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), out.begin() + static_cast<std::ptrdiff_t>(at)), at += N), ...);
    return out;
}
template <class... O>
constexpr auto ops(O... rows) {
    return std::array<Op, sizeof...(O)>{rows...};
}
// The same rows, each run only while `w` holds (a row's own condition is
// replaced, as conditions do not nest).
template <size_t N>
constexpr std::array<Op, N> onlyWhen(bool (*w)(const Context&), std::array<Op, N> rows) {
    for (Op& o : rows) o.when = w;
    return rows;
}

// Whether the control `name` is visible (false when there is none).
bool isShown(const Context& ctx, std::string_view name);

// A control name as a template argument, for conditions written as
// shown<"St1"> in the tables.
template <size_t N>
struct ControlName {
    char chars[N]{};
    constexpr ControlName(const char (&name)[N]) { std::copy_n(name, N, chars); }
    constexpr std::string_view view() const { return {chars, N - 1}; }
};
template <ControlName Name>
bool shown(const Context& ctx) {
    return isShown(ctx, Name.view());
}
template <ControlName Name>
bool hidden(const Context& ctx) {
    return !isShown(ctx, Name.view());
}

// Runs the rows in order.
void runOps(Context& ctx, std::span<const Op> ops);

// The control names the rows use that `layout` lacks (or has as something
// that is not a control, or, for Animate, StopAnimation and Frame, not an
// animated sprite), and game variables that do not exist; sorted, each once.
std::vector<std::string> missingNames(const layout::Layout& layout, std::span<const Op> ops);

// Ends an exchange at once: the reply choices and zrusit hidden and empty,
// both text lines cleared, descriptions on again.
void endExchangeAtOnce(Context& ctx);

}  // namespace kvarnel::scenes

// The detective's remark to the player after twelve idle seconds: about the
// time of day, the season, the day of the week, or small talk. The only
// place where the game reads the local clock and calendar.
#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"
#include "scenes/context.h"

namespace kvarnel::story {

// The remark step of the game tick: draws a family (and for small talk a
// line) from the game's generator and puts the remark, if any, into Popis.
void IdleRemark(scenes::Context& ctx);

// What a remark says: `kind` is the first draw (0..4), `redraw` the second
// (0..6, drawn only for kinds 1 and 2), `now` the local time, `language` 1
// for Czech, 2 for English. Nothing when the remark says nothing.
std::optional<std::string> idleRemarkText(int kind, int redraw, const platform::CalendarTime& now, int language);

}  // namespace kvarnel::story

// The three advance rules of a countdown.
//
// A countdown is four game variables: an on flag, a limit L (ms), an elapsed
// time E (ms) and an expired flag. The game tick advances each running
// countdown once per tick, by 50 ms, with the rule named where the tick lists
// it. The rule sets the expired flag and resets E to 0 when the time is up;
// it never clears the expired flag: the step that reacts to the expiry does.
//
// With E starting at 0 and L >= 0 unchanged, a countdown expires on advance
// number L / 50 + 1 (integer division); a wide window W = 100 expires one
// advance earlier for every L >= 50. If L has been lowered below E the rules
// do nothing until someone resets E.
#pragma once

#include <cstdint>

#include "core/game_state.h"

namespace kvarnel::core {

// Elapsed time added by one game tick, in ms.
inline constexpr int32_t kCountdownStep = 50;

// Rule A (limit-gated): the caller advances the countdown only while its on
// flag is 1. L = 0 holds E at 0 and never expires.
void advanceRuleA(int32_t limit, int32_t& elapsed, uint8_t& expired);

// Rule B (flag-gated): advanced on every tick; while `on` is 0 it holds E at
// 0. With L = 0 it expires on its first advance.
void advanceRuleB(uint8_t on, int32_t limit, int32_t& elapsed, uint8_t& expired);

// Rule C: rule B with an expiry window of `window` ms (50 or 100) instead of
// 50: expires when L < E + window; E still grows by 50.
void advanceRuleC(uint8_t on, int32_t limit, int32_t& elapsed, uint8_t& expired,
                  int32_t window);

// The same rules over a line timer, whose on flag is Active. Rule A still
// leaves the test of Active to the caller.
void advanceRuleA(LineTimer& timer);
void advanceRuleB(LineTimer& timer);
void advanceRuleC(LineTimer& timer, int32_t window);

// The right-button cut of a shown text: in a countdown that has started
// counting (L > 0 and E > 0) set E := L - 70, so that it expires on the second
// following advance with a 50 ms window and on the first with a 100 ms one.
// A countdown with E = 0 (not counting) or L <= 0 is left alone.
void cutShort(int32_t limit, int32_t& elapsed);
void cutShort(LineTimer& timer);

}  // namespace kvarnel::core

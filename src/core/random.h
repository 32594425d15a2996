// The game's random numbers: one 32-bit linear congruential state.
//
// The sequence is part of the game's behaviour: until the first bet at the
// table game every run draws the same numbers, and each bet reseeds the state
// from the time of day. Game code draws only from this generator; it never
// reads a clock itself (the caller passes the time to reseed()).
#pragma once

#include <cstdint>

namespace kvarnel::core {

class RandomGenerator {
public:
    // A uniform integer 0 .. n - 1 (0 when n is 0 or 1). Advances the state
    // first: state := state * 134775813 + 1 (mod 2^32); the result is the high
    // 32 bits of the 64-bit product state * n.
    uint32_t next(uint32_t n);

    // state := ((hour * 60 + minute) * 60 + second) * 1000 + millisecond,
    // taken modulo 2^32. The table game passes the current UTC time.
    void reseed(int hour, int minute, int second, int millisecond);

    uint32_t state() const { return state_; }
    void setState(uint32_t state) { state_ = state; }

private:
    uint32_t state_ = 0;
};

}  // namespace kvarnel::core

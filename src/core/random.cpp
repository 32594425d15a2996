#include "core/random.h"

namespace kvarnel::core {

uint32_t RandomGenerator::next(uint32_t n) {
    state_ = state_ * 134775813u + 1u;  // unsigned: wraps modulo 2^32
    return static_cast<uint32_t>((static_cast<uint64_t>(state_) * n) >> 32);
}

void RandomGenerator::reseed(int hour, int minute, int second, int millisecond) {
    // Unsigned arithmetic, so that out-of-range arguments wrap instead of
    // overflowing; for a real time of day the value is below 86 400 000.
    const auto u = [](int v) { return static_cast<uint32_t>(v); };
    state_ = ((u(hour) * 60u + u(minute)) * 60u + u(second)) * 1000u + u(millisecond);
}

}  // namespace kvarnel::core

#include "core/countdown.h"

namespace kvarnel::core {
namespace {

// The shared body of all three rules. Sums are taken in 64 bits so that an
// elapsed time near the top of int32 cannot overflow.
void step(int32_t limit, int32_t& elapsed, uint8_t& expired, int32_t window) {
    if (limit < elapsed) return;
    const int64_t e = elapsed;
    if (limit < e + window) {
        expired = 1;
        elapsed = 0;
    } else {
        elapsed = static_cast<int32_t>(e + kCountdownStep);
    }
}

}  // namespace

void advanceRuleA(int32_t limit, int32_t& elapsed, uint8_t& expired) {
    if (limit == 0) {
        elapsed = 0;
        return;
    }
    step(limit, elapsed, expired, kCountdownStep);
}

void advanceRuleB(uint8_t on, int32_t limit, int32_t& elapsed, uint8_t& expired) {
    advanceRuleC(on, limit, elapsed, expired, kCountdownStep);
}

void advanceRuleC(uint8_t on, int32_t limit, int32_t& elapsed, uint8_t& expired,
                  int32_t window) {
    if (on == 0) {
        elapsed = 0;
        return;
    }
    step(limit, elapsed, expired, window);
}

void advanceRuleA(LineTimer& timer) { advanceRuleA(timer.Limit, timer.Elapsed, timer.Expired); }

void advanceRuleB(LineTimer& timer) {
    advanceRuleB(timer.Active, timer.Limit, timer.Elapsed, timer.Expired);
}

void advanceRuleC(LineTimer& timer, int32_t window) {
    advanceRuleC(timer.Active, timer.Limit, timer.Elapsed, timer.Expired, window);
}

void cutShort(int32_t limit, int32_t& elapsed) {
    if (limit > 0 && elapsed > 0) elapsed = limit - 70;
}

void cutShort(LineTimer& timer) { cutShort(timer.Limit, timer.Elapsed); }

}  // namespace kvarnel::core

#include "core/random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>

namespace kvarnel::core {
namespace {

// The first draws from the start state 0, worked out by hand.
//
//   state 0 -> 0 * 134775813 + 1 = 1
//              next(n) = (1 * n) >> 32 = 0 for every n < 2^32
//   state 1 -> 1 * 134775813 + 1 = 134775814
//              next(100)  = 13477581400 >> 32 = 3   (3 * 2^32 = 12884901888)
//              next(2^31) = 134775814 / 2     = 67387907
//   state 134775814 -> 134775814 * 134775813 + 1 = 18164519904586783
//              = 4229256 * 2^32 + 3698175007, so the state is 3698175007
//              next(100)  = 369817500700 >> 32 = 86 (86 * 2^32 = 369367187456)
//              next(2^31) = 3698175007 / 2 rounded down = 1849087503
TEST(RandomGenerator, FirstDrawsFromTheStartStateMatchTheHandComputation) {
    struct Case {
        uint32_t n;
        uint32_t draws[3];
    };
    const Case cases[] = {
        {100, {0, 3, 86}},
        {2147483648u, {0, 67387907, 1849087503}},
    };
    const uint32_t states[3] = {1, 134775814, 3698175007u};
    for (const Case& c : cases) {
        RandomGenerator rng;
        EXPECT_EQ(rng.state(), 0u);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(rng.next(c.n), c.draws[i]) << "draw " << i + 1 << " of n = " << c.n;
            EXPECT_EQ(rng.state(), states[i]) << "state after draw " << i + 1;
        }
    }
}

TEST(RandomGenerator, DrawsStayInRange) {
    struct Case {
        uint32_t n;
        bool everyValueSeen;  // small ranges must be covered in 5000 draws
    };
    const Case cases[] = {{1, true}, {2, true}, {11, true}, {2147483648u, false}, {0, true}};
    for (const Case& c : cases) {
        RandomGenerator rng;
        rng.setState(12345);
        std::set<uint32_t> seen;
        for (int i = 0; i < 5000; ++i) {
            uint32_t v = rng.next(c.n);
            if (c.n == 0) {
                ASSERT_EQ(v, 0u);
            } else {
                ASSERT_LT(v, c.n) << "draw " << i;
            }
            seen.insert(v);
        }
        if (c.everyValueSeen) {
            EXPECT_EQ(seen.size(), c.n == 0 ? 1u : c.n) << "n = " << c.n;
        } else {
            EXPECT_GT(seen.size(), 4900u) << "n = " << c.n << " should rarely repeat";
        }
    }
}

TEST(RandomGenerator, ReseedFromTheTimeOfDay) {
    struct Case {
        int hour, minute, second, millisecond;
        uint32_t state;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0},
        {0, 0, 0, 1, 1},
        {0, 0, 1, 0, 1000},
        {0, 1, 0, 0, 60000},
        {1, 0, 0, 0, 3600000},
        {12, 34, 56, 789, 45296789},
        {23, 59, 59, 999, 86399999},
    };
    for (const Case& c : cases) {
        RandomGenerator rng;
        rng.next(1000);
        rng.reseed(c.hour, c.minute, c.second, c.millisecond);
        EXPECT_EQ(rng.state(), c.state)
            << c.hour << ":" << c.minute << ":" << c.second << "." << c.millisecond;
    }
}

TEST(RandomGenerator, SameStateGivesTheSameSequence) {
    RandomGenerator a;
    RandomGenerator b;
    a.reseed(12, 34, 56, 789);
    b.setState(45296789);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(a.next(447 - 35), b.next(447 - 35)) << "draw " << i;

    // Saving and restoring the state replays the draws.
    const uint32_t saved = a.state();
    const uint32_t first = a.next(5000);
    const uint32_t second = a.next(5000);
    a.setState(saved);
    EXPECT_EQ(a.next(5000), first);
    EXPECT_EQ(a.next(5000), second);
}

}  // namespace
}  // namespace kvarnel::core

#include "core/countdown.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace kvarnel::core {
namespace {

enum class Rule { A, B, C };

const char* ruleName(Rule rule) {
    switch (rule) {
        case Rule::A: return "A";
        case Rule::B: return "B";
        case Rule::C: return "C";
    }
    return "?";
}

// One countdown as the game ticks it: four fields advanced by one rule. Rule A
// is advanced only while on, as the tick guards it.
struct Countdown {
    Rule rule = Rule::B;
    int32_t window = 50;  // rule C only
    uint8_t on = 1;
    int32_t limit = 0;
    int32_t elapsed = 0;
    uint8_t expired = 0;

    void advance() {
        switch (rule) {
            case Rule::A:
                if (on == 1) advanceRuleA(limit, elapsed, expired);
                break;
            case Rule::B: advanceRuleB(on, limit, elapsed, expired); break;
            case Rule::C: advanceRuleC(on, limit, elapsed, expired, window); break;
        }
    }

    // The number of the advance on which the expired flag comes up, or 0 if
    // it does not within `maxAdvances`.
    int advancesUntilExpiry(int maxAdvances = 1000) {
        for (int n = 1; n <= maxAdvances; ++n) {
            advance();
            if (expired == 1) return n;
        }
        return 0;
    }
};

TEST(CountdownRules, AdvanceOnWhichAFreshCountdownExpires) {
    struct Case {
        Rule rule;
        int32_t window;
        int32_t limit;
        int expectedAdvance;  // 0: never
    };
    const Case cases[] = {
        // L div 50 + 1 for rules A and B
        {Rule::A, 50, 1, 1},
        {Rule::A, 50, 49, 1},
        {Rule::A, 50, 50, 2},
        {Rule::A, 50, 100, 3},
        {Rule::A, 50, 120, 3},
        {Rule::A, 50, 5000, 101},
        {Rule::B, 50, 50, 2},
        {Rule::B, 50, 3000, 61},
        // L = 0: rule B expires at once, rule A holds E at 0 for ever
        {Rule::B, 50, 0, 1},
        {Rule::A, 50, 0, 0},
        // rule C with the narrow window is rule B
        {Rule::C, 50, 0, 1},
        {Rule::C, 50, 1000, 21},
        // the wide window: one advance earlier for a multiple of 50 ...
        {Rule::C, 100, 50, 1},
        {Rule::C, 100, 100, 2},
        {Rule::C, 100, 1000, 20},
        // ... and for any other limit of at least 50, the same for less
        {Rule::C, 100, 120, 2},
        {Rule::C, 100, 30, 1},
        {Rule::C, 100, 0, 1},
    };
    for (const Case& c : cases) {
        Countdown cd{.rule = c.rule, .window = c.window, .limit = c.limit};
        EXPECT_EQ(cd.advancesUntilExpiry(), c.expectedAdvance)
            << "rule " << ruleName(c.rule) << ", W " << c.window << ", L " << c.limit;
    }
}

TEST(CountdownRules, ExpiryFollowsTheClosedFormForEveryLimit) {
    for (int32_t limit = 1; limit <= 1200; ++limit) {
        const int narrow = limit / 50 + 1;
        const int wide = limit >= 50 ? narrow - 1 : narrow;
        Countdown a{.rule = Rule::A, .limit = limit};
        Countdown b{.rule = Rule::B, .limit = limit};
        Countdown c{.rule = Rule::C, .window = 100, .limit = limit};
        ASSERT_EQ(a.advancesUntilExpiry(), narrow) << "rule A, L " << limit;
        ASSERT_EQ(b.advancesUntilExpiry(), narrow) << "rule B, L " << limit;
        ASSERT_EQ(c.advancesUntilExpiry(), wide) << "rule C W 100, L " << limit;
    }
}

TEST(CountdownRules, ExpiryResetsElapsedButNeverClearsTheFlag) {
    for (Rule rule : {Rule::A, Rule::B, Rule::C}) {
        Countdown cd{.rule = rule, .limit = 100};
        ASSERT_EQ(cd.advancesUntilExpiry(), 3) << ruleName(rule);
        EXPECT_EQ(cd.elapsed, 0) << ruleName(rule);
        // Counting goes on from 0; the flag stays for the reacting step to clear.
        cd.advance();
        EXPECT_EQ(cd.elapsed, 50) << ruleName(rule);
        EXPECT_EQ(cd.expired, 1) << ruleName(rule);
        cd.advance();
        cd.advance();  // expires again
        EXPECT_EQ(cd.elapsed, 0) << ruleName(rule);
        EXPECT_EQ(cd.expired, 1) << ruleName(rule);
    }
}

TEST(CountdownRules, ElapsedPastALoweredLimitStaysSilent) {
    for (Rule rule : {Rule::A, Rule::B, Rule::C}) {
        Countdown cd{.rule = rule, .limit = 100, .elapsed = 500};
        for (int i = 0; i < 20; ++i) cd.advance();
        EXPECT_EQ(cd.elapsed, 500) << ruleName(rule);
        EXPECT_EQ(cd.expired, 0) << ruleName(rule);
    }
}

TEST(CountdownRules, OffFlagOrZeroLimitHoldsElapsedAtZero) {
    // Rules B and C clear E while off, without expiring.
    for (Rule rule : {Rule::B, Rule::C}) {
        Countdown cd{.rule = rule, .on = 0, .limit = 0, .elapsed = 300};
        cd.advance();
        EXPECT_EQ(cd.elapsed, 0) << ruleName(rule);
        EXPECT_EQ(cd.expired, 0) << ruleName(rule);
    }
    // Rule A with L = 0 clears E even past the limit.
    int32_t elapsed = 300;
    uint8_t expired = 0;
    advanceRuleA(0, elapsed, expired);
    EXPECT_EQ(elapsed, 0);
    EXPECT_EQ(expired, 0);
}

TEST(CountdownRules, ElapsedNearTheTopOfInt32ExpiresWithoutOverflow) {
    const int32_t top = std::numeric_limits<int32_t>::max();
    int32_t elapsed = top - 10;
    uint8_t expired = 0;
    advanceRuleA(top, elapsed, expired);
    EXPECT_EQ(expired, 1);
    EXPECT_EQ(elapsed, 0);

    elapsed = top - 120;
    expired = 0;
    advanceRuleC(1, top, elapsed, expired, 100);
    EXPECT_EQ(elapsed, top - 70);
    EXPECT_EQ(expired, 0);
}

// ---------------------------------------------------------------------------
// The right-button cut

TEST(CountdownCut, RunningCountdownExpiresOnSecondOrFirstAdvance) {
    struct Case {
        int32_t window;
        int32_t limit;
        int advancesBefore;  // how far the countdown ran before the cut
        int expectedAdvance;
    };
    const Case cases[] = {
        {50, 2000, 3, 2}, {50, 160, 1, 2},  {50, 60, 1, 2},  {50, 5000, 90, 2},
        {100, 2000, 3, 1}, {100, 160, 1, 1}, {100, 3000, 40, 1},
    };
    for (const Case& c : cases) {
        Countdown cd{.rule = Rule::C, .window = c.window, .limit = c.limit};
        for (int i = 0; i < c.advancesBefore; ++i) cd.advance();
        ASSERT_EQ(cd.expired, 0);
        ASSERT_GT(cd.elapsed, 0);
        cutShort(cd.limit, cd.elapsed);
        EXPECT_EQ(cd.elapsed, c.limit - 70);
        if (c.window == 50) {
            Countdown probe = cd;
            probe.advance();
            EXPECT_EQ(probe.elapsed, c.limit - 20) << "first advance after the cut, L " << c.limit;
        }
        EXPECT_EQ(cd.advancesUntilExpiry(), c.expectedAdvance)
            << "W " << c.window << ", L " << c.limit;
    }
}

TEST(CountdownCut, CountdownThatHasNotStartedIsUntouched) {
    struct Case {
        int32_t limit;
        int32_t elapsed;
    };
    const Case cases[] = {{2000, 0}, {0, 0}, {0, 150}, {-100, 50}, {2000, -20}};
    for (const Case& c : cases) {
        int32_t elapsed = c.elapsed;
        cutShort(c.limit, elapsed);
        EXPECT_EQ(elapsed, c.elapsed) << "L " << c.limit << ", E " << c.elapsed;
    }
}

// ---------------------------------------------------------------------------
// Line timers

TEST(CountdownLineTimer, OverloadsUseActiveAsTheOnFlag) {
    LineTimer timer{.Active = 1, .Expired = 0, .Limit = 100, .Elapsed = 0};
    advanceRuleB(timer);
    advanceRuleB(timer);
    EXPECT_EQ(timer.Elapsed, 100);
    advanceRuleB(timer);
    EXPECT_EQ(timer.Expired, 1);
    EXPECT_EQ(timer.Elapsed, 0);

    LineTimer idle{.Active = 0, .Expired = 0, .Limit = 0, .Elapsed = 250};
    advanceRuleB(idle);
    EXPECT_EQ(idle.Elapsed, 0);
    EXPECT_EQ(idle.Expired, 0) << "an inactive timer with limit 0 must not expire";

    LineTimer wide{.Active = 1, .Expired = 0, .Limit = 100, .Elapsed = 0};
    advanceRuleC(wide, 100);
    EXPECT_EQ(wide.Expired, 0);
    advanceRuleC(wide, 100);
    EXPECT_EQ(wide.Expired, 1);

    LineTimer gated{.Active = 0, .Expired = 0, .Limit = 0, .Elapsed = 100};
    advanceRuleA(gated);  // rule A ignores Active; L = 0 only clears E
    EXPECT_EQ(gated.Elapsed, 0);
    EXPECT_EQ(gated.Expired, 0);

    LineTimer cut{.Active = 1, .Expired = 0, .Limit = 5000, .Elapsed = 1500};
    cutShort(cut);
    EXPECT_EQ(cut.Elapsed, 4930);
}

}  // namespace
}  // namespace kvarnel::core

// The music players' bookkeeping on a virtual clock: when playbacks end,
// which end notifications come and in what order, where a player resumes,
// and when the next end is due.
#include "platform/media_clock.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace kvarnel::platform {
namespace {

constexpr uint64_t kNever = std::numeric_limits<uint64_t>::max();

// Player 0 lasts 1000 ms, player 1 400 ms, player 2 has no known length,
// player 3 is never opened.
void openPlayers(MediaClock& clock) {
    clock.open(0, 1000);
    clock.open(1, 400);
    clock.open(2, std::nullopt);
}

enum class Op { Play, PlayQuiet, Stop, Rewind, Update, Finish, Reopen, Deadline, Position, Playing };

struct Step {
    uint64_t at;
    Op op;
    int player = 0;
    uint64_t expect = 0;  // Deadline: the due time; Position: ms from the start; Playing: 1 or 0
};

struct Scenario {
    const char* name;
    std::vector<Step> steps;
    std::string ends;  // every notification as "player@time", time of the step it came out after
};

void PrintTo(const Scenario& s, std::ostream* os) { *os << s.name; }

// Test names from the case descriptions: letters and digits, the rest '_'.
template <typename Info>
std::string caseName(const Info& info) {
    std::string name = info.param.name;
    for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    }
    return name;
}

class MediaClockRules : public ::testing::TestWithParam<Scenario> {};

TEST_P(MediaClockRules, NotifiesAsExpected) {
    const Scenario& s = GetParam();
    MediaClock clock;
    openPlayers(clock);
    std::string ends;
    for (const Step& step : s.steps) {
        const std::string where = std::string(s.name) + ", step at " + std::to_string(step.at);
        switch (step.op) {
            case Op::Play: clock.play(step.player, true, step.at); break;
            case Op::PlayQuiet: clock.play(step.player, false, step.at); break;
            case Op::Stop: clock.stop(step.player, step.at); break;
            case Op::Rewind: clock.rewind(step.player); break;
            case Op::Update: clock.update(step.at); break;
            case Op::Finish: clock.finish(step.at); break;
            case Op::Reopen: clock.open(step.player, 1000); break;
            case Op::Deadline:
                EXPECT_EQ(clock.nextDeadline(), step.expect) << where;
                break;
            case Op::Position:
                EXPECT_EQ(clock.positionMs(step.player, step.at), step.expect) << where << ", player " << step.player;
                break;
            case Op::Playing:
                EXPECT_EQ(clock.playing(step.player, step.at), step.expect == 1) << where << ", player " << step.player;
                break;
        }
        int player = -1;
        while (clock.takeEnded(player)) {
            if (!ends.empty()) ends += ' ';
            ends += std::to_string(player) + "@" + std::to_string(step.at);
        }
    }
    EXPECT_EQ(ends, s.ends) << s.name;
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, MediaClockRules,
    ::testing::Values(
        Scenario{"natural end at the track's length",
                 {{0, Op::Play}, {999, Op::Update}, {1000, Op::Update}, {2000, Op::Update}},
                 "0@1000"},
        Scenario{"a stop gives one notification, at the stop",
                 {{0, Op::Play}, {300, Op::Stop}, {2000, Op::Update}, {2100, Op::Stop}},
                 "0@300"},
        Scenario{"stopping a silent player gives none",
                 {{0, Op::Stop}, {10, Op::Stop, 1}, {20, Op::Stop, 3}, {5000, Op::Update}},
                 ""},
        Scenario{"stopping after the natural end gives none",
                 {{0, Op::Play, 1}, {400, Op::Update}, {500, Op::Stop, 1}},
                 "1@400"},
        Scenario{"stopping another player leaves the playing one alone",
                 {{0, Op::Play}, {100, Op::Stop, 1}, {1000, Op::Update}},
                 "0@1000"},
        Scenario{"a second player interrupts the first",
                 {{0, Op::Play}, {200, Op::Play, 1}, {599, Op::Update}, {600, Op::Update}, {1000, Op::Update}},
                 "0@200 1@600"},
        Scenario{"interrupting an unnotified playback gives nothing for it",
                 {{0, Op::PlayQuiet}, {200, Op::Play, 1}, {600, Op::Update}},
                 "1@600"},
        Scenario{"a playback without notification ends silently",
                 {{0, Op::PlayQuiet}, {1000, Op::Update}, {1100, Op::Stop}},
                 ""},
        Scenario{"play after the natural end starts from the beginning",
                 {{0, Op::Play, 1}, {400, Op::Update}, {500, Op::Play, 1}, {899, Op::Update}, {900, Op::Update}},
                 "1@400 1@900"},
        Scenario{"play after a stop resumes where it stopped",
                 {{0, Op::Play}, {300, Op::Stop}, {1000, Op::Play}, {1699, Op::Update}, {1700, Op::Update}},
                 "0@300 0@1700"},
        Scenario{"rewind after a stop plays the whole track",
                 {{0, Op::Play}, {300, Op::Stop}, {400, Op::Rewind}, {1000, Op::Play}, {1700, Op::Update},
                  {2000, Op::Update}},
                 "0@300 0@2000"},
        Scenario{"rewind of a playing player stops it with its notification",
                 {{0, Op::Play}, {200, Op::Rewind}, {1000, Op::Update}, {1100, Op::Play}, {2100, Op::Update}},
                 "0@200 0@2100"},
        Scenario{"the interrupted player resumes where it was cut off",
                 {{0, Op::Play}, {100, Op::Play, 1}, {200, Op::Play}, {1099, Op::Update}, {1100, Op::Update}},
                 "0@100 1@200 0@1100"},
        Scenario{"playing the playing player keeps its playback",
                 {{0, Op::Play}, {500, Op::Play}, {1000, Op::Update}, {1500, Op::Update}},
                 "0@1000"},
        Scenario{"a notify request on a running quiet playback counts",
                 {{0, Op::PlayQuiet}, {500, Op::Play}, {1000, Op::Update}},
                 "0@1000"},
        Scenario{"a quiet play of a playing player keeps its notification",
                 {{0, Op::Play}, {500, Op::PlayQuiet}, {1000, Op::Update}},
                 "0@1000"},
        Scenario{"an overdue end is settled before a stop",
                 {{0, Op::Play, 1}, {450, Op::Stop, 1}, {500, Op::Play, 1}, {900, Op::Update}},
                 "1@450 1@900"},
        Scenario{"an overdue end is settled before the same player plays again",
                 {{0, Op::Play, 1}, {450, Op::Play, 1}, {849, Op::Update}, {850, Op::Update}},
                 "1@450 1@850"},
        Scenario{"unknown length ends only when finished",
                 {{0, Op::Play, 2}, {100000, Op::Update}, {100001, Op::Finish}, {100002, Op::Play, 2},
                  {100010, Op::Position, 2, 8}, {100010, Op::Stop, 2}},
                 "2@100001 2@100010"},
        Scenario{"finish with nothing playing does nothing",
                 {{0, Op::Finish}, {10, Op::Play, 1}, {20, Op::Stop, 1}, {30, Op::Finish}},
                 "1@20"},
        Scenario{"reopening a playing player ends its playback",
                 {{0, Op::Play}, {300, Op::Reopen}, {1000, Op::Update}},
                 "0@300"},
        Scenario{"players that are not open do nothing and interrupt nothing",
                 {{0, Op::Play}, {100, Op::Play, 3}, {200, Op::Play, -1}, {300, Op::Play, 6}, {1000, Op::Update}},
                 "0@1000"},
        Scenario{"the deadline follows the playing track",
                 {{0, Op::Deadline, 0, kNever},
                  {0, Op::Play},
                  {0, Op::Deadline, 0, 1000},
                  {300, Op::Stop},
                  {300, Op::Deadline, 0, kNever},
                  {1000, Op::Play},
                  {1000, Op::Deadline, 0, 1700},
                  {1100, Op::Play, 1},
                  {1100, Op::Deadline, 0, 1500},
                  {1500, Op::Update},
                  {1500, Op::Deadline, 0, kNever},
                  {1600, Op::Play, 2},
                  {1600, Op::Deadline, 0, kNever}},
                 "0@300 0@1100 1@1500"},
        Scenario{"positions while playing, stopped, at the end and rewound",
                 {{0, Op::Play},
                  {250, Op::Position, 0, 250},
                  {250, Op::Position, 1, 0},
                  {300, Op::Stop},
                  {900, Op::Position, 0, 300},
                  {1000, Op::Play},
                  {3000, Op::Position, 0, 1000},
                  {3000, Op::Update},
                  {3000, Op::Position, 0, 1000},
                  {3000, Op::Rewind},
                  {3000, Op::Position, 0, 0}},
                 "0@300 0@3000"},
        Scenario{"a player sounds from its play until its end is due, settled or not",
                 {{0, Op::Playing, 0, 0},
                  {0, Op::Play},
                  {0, Op::Playing, 0, 1},
                  {0, Op::Playing, 1, 0},
                  {999, Op::Playing, 0, 1},
                  {1000, Op::Playing, 0, 0},
                  {1000, Op::Update},
                  {1000, Op::Playing, 0, 0},
                  {1100, Op::Play, 1},
                  {1200, Op::Play, 2},
                  {1200, Op::Playing, 1, 0},
                  {99999, Op::Playing, 2, 1},
                  {99999, Op::Playing, -1, 0},
                  {99999, Op::Playing, 6, 0},
                  {99999, Op::Stop, 2},
                  {99999, Op::Playing, 2, 0},
                  {100000, Op::Play, 3},
                  {100000, Op::Playing, 3, 0}},
                 "0@1000 1@1200 2@99999"}),
    [](const auto& info) { return caseName(info); });

TEST(MediaClockState, AtEndOnlyAfterRunningOut) {
    MediaClock clock;
    openPlayers(clock);
    EXPECT_FALSE(clock.atEnd(0));
    clock.play(0, false, 0);
    EXPECT_FALSE(clock.atEnd(0)) << "a playing player is not at its end";
    clock.stop(0, 999);
    EXPECT_FALSE(clock.atEnd(0));
    clock.play(0, false, 1000);
    EXPECT_EQ(clock.update(1001), 0) << "update() names the player that ran out";
    EXPECT_TRUE(clock.atEnd(0));
    EXPECT_EQ(clock.playing(), -1);
    clock.rewind(0);
    EXPECT_FALSE(clock.atEnd(0));
}

TEST(MediaClockState, ClosedPlayerForgetsItsMedia) {
    MediaClock clock;
    openPlayers(clock);
    clock.play(1, true, 0);
    clock.close(1);
    int player = -1;
    ASSERT_TRUE(clock.takeEnded(player)) << "closing a playing player ends its playback";
    EXPECT_EQ(player, 1);
    EXPECT_FALSE(clock.isOpen(1));
    clock.play(1, true, 10);
    EXPECT_EQ(clock.playing(), -1);
    EXPECT_FALSE(clock.takeEnded(player));
}

}  // namespace
}  // namespace kvarnel::platform

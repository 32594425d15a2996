// The detective's idle remarks: what each family says by the local clock and
// calendar, and the game tick making one after twelve idle seconds.
#include "story/idle_remarks.h"

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "story/movies.h"
#include "story/tick.h"

namespace kvarnel::story {
namespace {

using platform::CalendarTime;

// Weekdays as the platform counts them.
constexpr int kSunday = 0, kMonday = 1, kTuesday = 2, kWednesday = 3, kThursday = 4, kFriday = 5, kSaturday = 6;

CalendarTime at(int month, int day, int weekday, int hour) {
    CalendarTime t;
    t.year = 2026;
    t.month = month;
    t.day = day;
    t.weekday = weekday;
    t.hour = hour;
    t.minute = 59;
    t.second = 59;
    return t;
}

struct Case {
    const char* what;
    int kind, redraw;
    CalendarTime now;
    int language;
    const char* expected;  // nullptr: nothing is said
};

const Case kCases[] = {
    // The time of day: every band, at its edges.
    {"23:59", 0, 0, at(3, 3, kTuesday, 23), 2, "The midnight is close and you are still playing, respect!"},
    {"22", 0, 0, at(3, 3, kTuesday, 22), 2, "It is already dark there, isn't?"},
    {"21", 0, 0, at(3, 3, kTuesday, 21), 2, "I agree, that playing is best in evenings."},
    {"20", 0, 0, at(3, 3, kTuesday, 20), 2, "I agree, that playing is best in evenings."},
    {"19", 0, 0, at(3, 3, kTuesday, 19), 2, "Come on, you can solve the case."},
    {"16", 0, 0, at(3, 3, kTuesday, 16), 2, "Come on, you can solve the case."},
    {"15", 0, 0, at(3, 3, kTuesday, 15), 2, "Yeah, my grandma said that best fun is at afternoon."},
    {"13", 0, 0, at(3, 3, kTuesday, 13), 2, "Yeah, my grandma said that best fun is at afternoon."},
    {"12", 0, 0, at(3, 3, kTuesday, 12), 2, "Hey, make yourself a pause for a lunch."},
    {"11", 0, 0, at(3, 3, kTuesday, 11), 2, "Yeah, my grandpa said that best fun is at morning."},
    {"9", 0, 0, at(3, 3, kTuesday, 9), 2, "Yeah, my grandpa said that best fun is at morning."},
    {"8", 0, 0, at(3, 3, kTuesday, 8), 2, "You are playing the Kvarnel at so early morning?"},
    {"7", 0, 0, at(3, 3, kTuesday, 7), 2, "You are playing the Kvarnel at so early morning?"},
    {"6", 0, 0, at(3, 3, kTuesday, 6), 2, "Wow, you waked up really early to play this cool game."},
    {"5", 0, 0, at(3, 3, kTuesday, 5), 2, "Wow, you waked up really early to play this cool game."},
    {"4", 0, 0, at(3, 3, kTuesday, 4), 2, "Really psycho to play this game in these hours."},
    {"3", 0, 0, at(3, 3, kTuesday, 3), 2, "Should I with you good night or good morning?"},
    {"2", 0, 0, at(3, 3, kTuesday, 2), 2, "Bless all players like you are! To play the game right now, . . . respect!"},
    {"1", 0, 0, at(3, 3, kTuesday, 1), 2, "Oh man, to play games so late . . . rather so early . . . is respectable!"},
    {"0", 0, 0, at(3, 3, kTuesday, 0), 2,
     "I wish you good new day, we just passed the midnight. The case is difficult, aren't it?"},
    {"0 in Czech", 0, 0, at(3, 3, kTuesday, 0), 1,
     "Přeju hezký nový den, protože půlnoc už máme za námi. Tahle záhada ti nedá spát, co?"},
    // Small talk: the second draw picks the line; 0 says nothing.
    {"small talk 0", 1, 0, at(3, 3, kTuesday, 10), 2, nullptr},
    {"small talk 1", 2, 1, at(3, 3, kTuesday, 10), 2, "Well, this seems to be difficult case to solve."},
    {"small talk 2", 1, 2, at(3, 3, kTuesday, 10), 2,
     "I feel like I was supposed to say something, but I have no idea what to say."},
    {"small talk 5", 1, 5, at(3, 3, kTuesday, 10), 2,
     "La, la, la, la, laaaaa. Sorry, I don't wanted to interrupt you."},
    {"small talk 6", 2, 6, at(3, 3, kTuesday, 10), 1, "Celkem mě to znervózňuje, když se na mě takhle díváš."},
    // A second draw of 3 or 4 goes on to the season or the weekday, which
    // overwrite the small talk when they have something to say.
    {"small talk 3 in March", 1, 3, at(3, 3, kTuesday, 10), 2,
     "You don't know what to do? As long as there is single breath in my body, I won't give up, and not it can you!"},
    {"small talk 3 in December", 1, 3, at(12, 10, kThursday, 10), 2,
     "Do you have already bought all presents for the Christmas or you are to buy something yet?"},
    {"small talk 4 on Wednesday", 2, 4, at(3, 4, kWednesday, 10), 2,
     "Hey, I solved it! I know where the sacred bottle is! . . . no, just kidding!"},
    {"small talk 4 on Monday", 2, 4, at(3, 2, kMonday, 10), 2, "Do you hate Mondays as I do?"},
    // The season.
    {"March", 3, 0, at(3, 3, kTuesday, 10), 2, nullptr},
    {"July", 3, 0, at(7, 15, kWednesday, 10), 2, "Yeah, vacation. A lot of free time so man can play all day long."},
    {"August", 3, 0, at(8, 31, kMonday, 10), 1,
     "Jo, jo, prázdniny. Času hodně, tak člověk může pařit od rána až do večera."},
    {"23 December", 3, 0, at(12, 23, kWednesday, 10), 2,
     "Do you have already bought all presents for the Christmas or you are to buy something yet?"},
    {"24 December", 3, 0, at(12, 24, kThursday, 10), 2,
     "Merry Christmas! It's great that you found some time for me today."},
    {"25 December", 3, 0, at(12, 25, kFriday, 10), 2, "Merry Christmas and Happy New Year!"},
    {"30 December in Czech", 3, 0, at(12, 30, kWednesday, 10), 1, "Veselé Vánoce a šťastný nový rok!"},
    {"31 December: New Year wins", 3, 0, at(12, 31, kThursday, 10), 2, " Happy New Year 2026, !"},
    {"31 December in Czech", 3, 0, at(12, 31, kThursday, 10), 1, " Šťastný nový rok 2026, !"},
    // The day of the week; nothing from Tuesday to Thursday.
    {"Friday", 4, 0, at(3, 6, kFriday, 10), 2, "Yeah, Friday, great day to play games!"},
    {"Monday", 4, 0, at(3, 2, kMonday, 10), 1, "Taky tak nemáš rád pondělky?"},
    {"Saturday", 4, 0, at(3, 7, kSaturday, 10), 2, "Yeah, I love these weekends where we can play all day long!"},
    {"Sunday", 4, 0, at(3, 1, kSunday, 10), 2, "Yeah, I love these weekends where we can play all day long!"},
    {"Tuesday", 4, 0, at(3, 3, kTuesday, 10), 2, nullptr},
    {"Wednesday", 4, 0, at(3, 4, kWednesday, 10), 2, nullptr},
    {"Thursday", 4, 0, at(3, 5, kThursday, 10), 2, nullptr},
};

TEST(IdleRemarks, EachFamilySaysWhatTheClockAndCalendarGive) {
    for (const Case& c : kCases) {
        const auto line = idleRemarkText(c.kind, c.redraw, c.now, c.language);
        if (c.expected == nullptr) {
            EXPECT_FALSE(line.has_value()) << c.what << ": said \"" << line.value_or("") << "\"";
        } else {
            EXPECT_EQ(line.value_or("(nothing)"), c.expected) << c.what;
        }
    }
}

// Twelve idle seconds in the market place: the tick draws the family from the
// game's generator and puts the remark into Popis, read from the local clock.
TEST(IdleRemarks, TheTickMakesTheRemarkAfterTwelveIdleSeconds) {
    testing::GameFixture f("idle-remark");
    f.start();
    scenes::Context& ctx = f.game->ctx;
    startAtScene(ctx, scenes::Scene::Natrzisti);
    ctx.state.Language = 2;
    // The first generator state from 1 whose draws say something on a Friday
    // evening in July (only a second draw of 0 says nothing then).
    f.host->setLocalTime(at(7, 10, kFriday, 20));
    std::optional<std::string> expected;
    uint32_t seed = 1;
    for (;; ++seed) {
        core::RandomGenerator copy;
        copy.setState(seed);
        const int first = static_cast<int>(copy.next(5));
        const int redraw = (first == 1 || first == 2) ? static_cast<int>(copy.next(7)) : 0;
        expected = idleRemarkText(first, redraw, f.host->localTime(), 2);
        if (expected) break;
    }
    ctx.random.setState(seed);
    ctx.state.IdleTime = 0;
    for (int i = 0; i < 240; ++i) CasodavacTimer(ctx);
    EXPECT_EQ(ctx.c.Popis->Caption, "") << "not yet: the remark falls due on the next tick";
    CasodavacTimer(ctx);
    EXPECT_EQ(ctx.c.Popis->Caption, *expected);
    EXPECT_EQ(ctx.state.IdleRemarkDue, 0);
    EXPECT_EQ(ctx.state.IdleTime, 0);
}

}  // namespace
}  // namespace kvarnel::story

#include "story/idle_remarks.h"

#include <array>
#include <string_view>

#include "scenes/actions.h"

namespace kvarnel::story {

namespace {

using scenes::Text;

// The time of day: each row overwrites the remark while the hour is below its
// bound, so the last row that applies wins.
struct HourRow {
    int below;
    Text line;
};
constexpr std::array<HourRow, 14> kHours = {{
    {24,
     {"Už se blíží půlnoc a ty pořád paříš, no respekt!",
      "The midnight is close and you are still playing, respect!"}},                 // 23
    {23, {"Tam u vás je už teď asi tma, co?", "It is already dark there, isn't?"}},  // 22
    {22,
     {"Taky jsem zastáncem názoru, že večer se hraje nejlépe.",
      "I agree, that playing is best in evenings."}},                                                   // 20–21
    {20, {"No tak, ty tomuhle případu určitě přijdeš na kloub.", "Come on, you can solve the case."}},  // 16–19
    {16,
     {"Jó, jak říkávala moje babička, odpoledne, to se paří nejlépe.",
      "Yeah, my grandma said that best fun is at afternoon."}},                                 // 13–15
    {13, {"Udělej jsi taky někdy pauzu na oběd.", "Hey, make yourself a pause for a lunch."}},  // 12
    {12,
     {"Jo, jak říkával můj dědeček, dopoledne, to se paří nejlépe.",
      "Yeah, my grandpa said that best fun is at morning."}},  // 9–11
    {9,
     {"Takhle po ránu pařit hru, i když proč ne, když se jedná o Kvarnel.",
      "You are playing the Kvarnel at so early morning?"}},  // 7–8
    {7,
     {"Fíha, vstáváš docela brzo, aby sis zahrál tuhle supr hru, ale proč ne, že?",
      "Wow, you waked up really early to play this cool game."}},  // 5–6
    {5, {"V tuhle hodinu pařit hry, to je celkem psycho.", "Really psycho to play this game in these hours."}},  // 4
    {4,
     {"Člověk neví, jestli ti má popřát dobrou noc nebo dobré ráno.",
      "Should I with you good night or good morning?"}},  // 3
    {3,
     {"Ať žijou pařani jako jsi ty! V tuhle hodinu hrát hry? Respekt!",
      "Bless all players like you are! To play the game right now, . . . respect!"}},  // 2
    {2,
     {"Uff, kámo, hrát hry takhle pozdě nebo spíš brzo, to si zaslouží respekt.",
      "Oh man, to play games so late . . . rather so early . . . is respectable!"}},  // 1
    {1,
     {"Přeju hezký nový den, protože půlnoc už máme za námi. Tahle záhada ti nedá spát, co?",
      "I wish you good new day, we just passed the midnight. The case is difficult, aren't it?"}},  // 0
}};

// Small talk, by the second draw 1..6.
constexpr std::array<Text, 6> kSmallTalk = {{
    {"Hmm, tak to vypadá na zapeklitej případ, co?", "Well, this seems to be difficult case to solve."},
    {"Hmm, trapná chvilka, asi čekáš že něco řeknu, ale já fakt nevím, co bych ti měl povídat.",
     "I feel like I was supposed to say something, but I have no idea what to say."},
    {"Nevíš jak dál co? Ale jak říkával můj dědeček, Vazi nevzdávej se, nikdy se nevzdávej!",
     "You don't know what to do? As long as there is single breath in my body, I won't give up, and not it can you!"},
    {"Už to mám, vím kde je ta posvátná láhev Becherovky! Né, dělám si srandu.",
     "Hey, I solved it! I know where the sacred bottle is! . . . no, just kidding!"},
    {"La, la, la, la, laaaaa. Promiň, nechci tě rozptylovat.",
     "La, la, la, la, laaaaa. Sorry, I don't wanted to interrupt you."},
    {"Celkem mě to znervózňuje, když se na mě takhle díváš.",
     "Hey, it makes me nervous when you look at me like that."},
}};

// The seasons, each row overwriting the one before when it applies.
constexpr Text kSummer{"Jo, jo, prázdniny. Času hodně, tak člověk může pařit od rána až do večera.",
                       "Yeah, vacation. A lot of free time so man can play all day long."};
constexpr Text kBeforeChristmas{
    "Tak co, už máš koupené všechny dárky na Vánoce nebo to řešíš jako já na poslední chvíli?",
    "Do you have already bought all presents for the Christmas or you are to buy something yet?"};
constexpr Text kChristmasEve{"Veselé Vánoce přeju! Je super že si na mě uděláš čas i přímo o Vánocích!",
                             "Merry Christmas! It's great that you found some time for me today."};
constexpr Text kAfterChristmas{"Veselé Vánoce a šťastný nový rok!", "Merry Christmas and Happy New Year!"};

// The days of the week; Tuesday to Thursday have none.
constexpr Text kFriday{"No, jo, už je zase pátek, to se to paří!", "Yeah, Friday, great day to play games!"};
constexpr Text kMonday{"Taky tak nemáš rád pondělky?", "Do you hate Mondays as I do?"};
constexpr Text kWeekend{"Jó, starý dobrý, nefalšovaný propařený víkendy, ty já miluju!",
                        "Yeah, I love these weekends where we can play all day long!"};

std::string say(const Text& t, int language) {
    return std::string(language == 2 ? t.en : t.cz);
}

// On New Year's Eve a date pattern: a space, the wish, a space, the year, a
// comma, a space and an exclamation mark, as the pattern's literal parts fall.
std::string newYearWish(int year, int language) {
    const std::string_view wish = language == 2 ? "Happy New Year" : "Šťastný nový rok";
    return " " + std::string(wish) + " " + std::to_string(year) + ", !";
}

}  // namespace

std::optional<std::string> idleRemarkText(int kind, int redraw, const platform::CalendarTime& now, int language) {
    std::optional<std::string> line;
    if (kind == 0) {
        for (const HourRow& row : kHours) {
            if (now.hour < row.below) line = say(row.line, language);
        }
    }
    if (kind == 1 || kind == 2) {
        kind = redraw;
        if (redraw >= 1 && redraw <= 6) line = say(kSmallTalk[static_cast<size_t>(redraw - 1)], language);
    }
    if (kind == 3) {
        if (now.month == 7 || now.month == 8) line = say(kSummer, language);
        if (now.month == 12 && now.day < 24) line = say(kBeforeChristmas, language);
        if (now.month == 12 && now.day == 24) line = say(kChristmasEve, language);
        if (now.month == 12 && now.day > 24) line = say(kAfterChristmas, language);
        if (now.month == 12 && now.day == 31) line = newYearWish(now.year, language);
    }
    if (kind == 4) {
        // The platform counts weekdays from Sunday = 0.
        if (now.weekday == 5) line = say(kFriday, language);
        if (now.weekday == 1) line = say(kMonday, language);
        if (now.weekday == 0 || now.weekday == 6) line = say(kWeekend, language);
    }
    return line;
}

void IdleRemark(scenes::Context& ctx) {
    core::GameState& s = ctx.state;
    const int first = static_cast<int>(ctx.random.next(5));
    int redraw = 0;
    s.IdleRemarkKind = first;
    if (first == 1 || first == 2) {
        redraw = static_cast<int>(ctx.random.next(7));
        s.IdleRemarkKind = redraw;
    }
    // One reading of the clock for the whole remark, so that a remark made on
    // the turn of an hour or a day is about one moment.
    if (const auto line = idleRemarkText(first, redraw, ctx.platform.localTime(), s.Language)) {
        scenes::setCaption(ctx, *ctx.c.Popis, *line);
    }
}

}  // namespace kvarnel::story

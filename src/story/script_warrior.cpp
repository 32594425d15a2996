// The warrior at the market stall: he sells long string (the rope the
// ranger wants) for ten coins, in his dialect, and stops selling when his
// face is likened to a frozen chicken until a detective with "inteligence"
// talks him round.
//
// Steps 1 and 2 run while the market is shown; the rest run wherever the
// detective is, so a line of his left on screen goes on in any scene.
#include "scenes/inventory.h"
#include "story/script.h"

namespace kvarnel::story {

namespace {

using namespace scenes::op;
using scenes::hidden;
using scenes::join;
using scenes::ops;
using scenes::shown;
using scenes::Timing;

constexpr Text kW01{
    "Tož vždyť ty máš pravdu bo bez teho špagátu beztak Becherovku nenaideš. Tak já ti teraz odpušťam, ale jen kvůli "
    "Becherovky!",
    "Ye, you're right 'cause without the line, you won't find the Becherovka. So I forget what you said, but only "
    "because of Becherovka!"};
constexpr Text kW02{
    "Nejen, že si tím, že mi to lano neprodáte způsobíte finanční újmu, ale navíc mi nedáte možnost pomoct této "
    "vesnici.",
    "If you won't sell me that rope, not only that you won't get money, but you won't give me an opportunity to help "
    "this village."};
constexpr Text kW03{"Dobrý den, proč tu tak stojíte za tím stolkem?", "Good day, why are you standing here?"};
constexpr Text kW04{"A za kolikpak prodáváte ten váš špagát?", "How much does that line cost?"};
constexpr Text kW05{"Co to máte s obličejem, nějaká autonehoda?", "What happened to your face, a car accident?"};
constexpr Text kW06{"Uvědomujete si, že tímto postojem poškozujete i sebe?",
                    "Do you understand that your attitude impairs you too?"};
constexpr Text kW07{
    "Je zajímavý, že nevěděl, co je to autonehoda a přitom věděl, co je to mražený kuře ze supermarketu.",
    "It is interesting that he didn't know what car accident is but he knew what is frozen chicken."};
constexpr Text kW08{"Takhle škaredě o mě pravíš?! Za tohle už ti žádný dluhý špagát predávat nebudu!!!",
                    "You say bad things about me?! I won't sell you any long line!!!"};
constexpr Text kW09{
    "No, to máte jedno. V podstatě jsem chtěl ale říct, že váš obličej vypadá jako mražený kuře ze supermarketu.",
    "It doesn't matter. I just wanted to say that your face looks like frozen chicken from supermarket."};
constexpr Text kW10{"Eh, co ty to pravíš? Co to teraz má znamenat taka autonehoda?",
                    "And this is supposed to mean what? What accident?"};
constexpr Text kW11{"Nié, dluhý špagát to je!", "Noo, this  is long line!"};
constexpr Text kW12{"Ale to máte přeci jedno jestli tomu říkáte lano nebo špagát, ne?",
                    "But It doesn't matter if you call it line or rope, does it?"};
constexpr Text kW13{"Teraz tu prodávám dluhý špagát, tak jaképak lano?",
                    "I am selling these long lines here, so what ropes?"};
constexpr Text kW14{"Dobrý obchod s tebů, moc dobrý, špagát se ti určitě bude hodit.",
                    "Good deal. . . great deal. . . be sure you'll find that line useful."};
constexpr Text kW15{"Tož taky dluhý špagát bys chtěl, ale peníze, ty máš teraz kde?",
                    "So long line would you like, but money is where?"};
constexpr Text kW16{"Nie, ty cuzák! To vždecky pride nějaký cuzák jako jsi teraz ty a dělá mě v tem zmatky.",
                    "No stranger! It is always the same, someone like you comes and makes mess in my stuff."};
constexpr Text kW17{"Ah, to myslíte jako lana, že?", "Yeah, you mean ropes, don't you?"};
constexpr Text kW18{"Moj dluhý špagát? Iba 10 zlotých za dobrý špagát, dobrý moc, moc!",
                    "One long line. . . yea, it's just ten bucks. Really good line!"};
constexpr Text kW19{"Tak já si ho teda koupím.", "So I'll buy one."};
constexpr Text kW20{"Ne, díky, zas tak mě ten špagát nenadchnul.", "No thanks. I see nothing special on your lines."};
constexpr Text kW21{"Teraz špagát sis už kupil, tak k čemu další, což?", "You bought one, why do you need more, man?"};
constexpr Text kW22{"Ty, ty, ty chalan jeden, tobě já nic predávat nebudu!",
                    "Ye, ye ,ye man, I am not going to sell you anything!"};
constexpr Text kW23{"Tož já tu enem prodávám také dluhé špagáty, neviděš?",
                    "I am just selling here these long lines, don't you see?"};

constexpr auto kWarriorSpeaks =
    ops(show("zocibojovnikamluva"), show("Zpusabojovnikamluva"), show("Ztoci"), show("Ztpusavpravo"), show("zthlava"),
        hide("Zocibojovnika"), hide("Zpusabojovnika"), hide("Ztmluvavpravo"), colour(layout::clRed));
constexpr auto kDetectivePose =
    ops(show("Ztmluvavpravo"), show("Zpusabojovnika"), show("zocibojovnikamluva"), hide("Ztpusavpravo"),
        hide("Ztpopis"), hide("Zocibojovnika"), hide("Zpusabojovnikamluva"));
constexpr auto kDetectiveSpeaks = join(kDetectivePose, ops(colour(layout::clYellow)));

bool offeredInsult(const scenes::Context& c) {
    return shown<"St1">(c) && shown<"st2">(c) && shown<"slanonastole">(c) && hidden<"Sbojovnikzly">(c);
}
bool offendedAfterSelling(const scenes::Context& c) {
    return shown<"St1">(c) && shown<"Sbojovnikzly">(c);
}
bool cleverAndSold(const scenes::Context& c) {
    return shown<"Sinteligence">(c) && shown<"st4">(c);
}
bool cleverAndOffended(const scenes::Context& c) {
    return shown<"Sinteligence">(c) && hidden<"st4">(c) && shown<"Sbojovnikzly">(c);
}
bool canPay(const scenes::Context& c) {
    return scenes::captionNumber(c.c.Penez->Caption) > 9;
}
bool cannotPay(const scenes::Context& c) {
    return !canPay(c);
}
bool ropeOnTable(const scenes::Context& c) {
    return hidden<"Sbojovnikzly">(c) && shown<"slanonastole">(c);
}
bool ropeSold(const scenes::Context& c) {
    return hidden<"Sbojovnikzly">(c) && hidden<"slanonastole">(c);
}

// The second reply: the insult while it can still be made, nothing once he
// is offended, the persuasion once the detective is clever enough.
constexpr auto kSecondChoice = ops(when(offeredInsult, choice(2, kW05)), when(offendedAfterSelling, emptyChoice(2)),
                                   when(cleverAndSold, emptyChoice(2)), when(cleverAndOffended, choice(2, kW06)));
constexpr auto kWarriorChoices =
    join(ops(when(hidden<"St1">, choice(1, kW03)), when(shown<"St1">, choice(1, kW04))), kSecondChoice);

constexpr auto kStep1 = join(kWarriorSpeaks, ops(say(kW01), hide("Sbojovnikzly")));
constexpr auto kStep2 = join(kDetectiveSpeaks, ops(say(kW02), emptyChoice(2), show("st4")));
constexpr auto kStep3 = join(ops(hide("Ztoci"), hide("Ztpusavpravo"), hide("zthlava"), hide("Ztmluvavpravo"),
                                 show("Zpusabojovnika"), hide("Zpusabojovnikamluva"), emptyRozhovor(), describe(kW07)),
                             kWarriorChoices, ops(show("Sbojovnikzly")));
constexpr auto kStep4 = join(kWarriorSpeaks, ops(say(kW08)));
constexpr auto kStep5 = join(kDetectiveSpeaks, ops(say(kW09)));
constexpr auto kStep6 = join(kWarriorSpeaks, ops(say(kW10), emptyChoice(2), addTo("body", -15)));
constexpr auto kStep7 = join(kWarriorSpeaks, ops(say(kW11)), kWarriorChoices);
constexpr auto kStep8 = join(kDetectiveSpeaks, ops(say(kW12)));
constexpr auto kStep9 = join(kWarriorSpeaks, ops(say(kW13)));
constexpr auto kStep10Sold =
    join(kWarriorSpeaks, ops(say(kW14), choice(1, kW04)), kSecondChoice,
         ops(emptyChoice(2), hide("slanonastole"), give(core::Item::Rope), show("st4"), addTo("Penez", -10)));
constexpr auto kStep10NoMoney = join(kWarriorSpeaks, ops(say(kW15), choice(1, kW04)), kSecondChoice);
constexpr auto kStep11 = join(kWarriorSpeaks, ops(say(kW16)));
constexpr auto kStep12 = join(kDetectiveSpeaks, ops(say(kW17)));
constexpr auto kStep13 = join(kDetectivePose, kWarriorChoices, ops(set("SpeechExpired", 1)));
constexpr auto kStep14Offer =
    join(kWarriorSpeaks, ops(say(kW18), choice(1, kW19), choice(2, kW20), set("ChoicesWithoutCancel", 1)));
constexpr auto kStep14Sold = join(kWarriorSpeaks, ops(say(kW21)));
constexpr auto kStep14Offended = join(kWarriorSpeaks, ops(say(kW22)));
constexpr auto kStep15 = join(kWarriorSpeaks, ops(say(kW23), choice(1, kW04), show("St1"), show("st2")));

const Step kAtTheStall[] = {
    {.after = kW02, .actions = kStep1, .timing = Timing::Speech},
    {.after = kW06, .actions = kStep2, .timing = Timing::Talk},
};

const Step kAnywhere[] = {
    // The insult and the detective's comment on it.
    {.after = kW08, .actions = kStep3, .timing = Timing::Speech},
    {.after = kW09, .actions = kStep4, .timing = Timing::Talk},
    {.after = kW10, .actions = kStep5, .timing = Timing::Talk},
    {.after = kW05, .actions = kStep6, .timing = Timing::Talk},
    // Rope or string.
    {.after = kW12, .actions = kStep7, .timing = Timing::Speech},
    {.after = kW13, .actions = kStep8, .timing = Timing::Talk},
    {.after = kW16, .actions = kStep9, .timing = Timing::Talk},
    // The sale: ten coins for the rope, or not enough of them.
    {.after = kW19, .when = canPay, .actions = kStep10Sold, .timing = Timing::Speech},
    {.after = kW19, .when = cannotPay, .actions = kStep10NoMoney, .timing = Timing::Speech},
    {.after = kW17, .actions = kStep11, .timing = Timing::Talk},
    {.after = kW23, .actions = kStep12, .timing = Timing::Talk},
    // Not buying: the choices come back within the same tick.
    {.after = kW20, .actions = kStep13},
    {.after = kW04, .when = ropeOnTable, .actions = kStep14Offer, .timing = Timing::Speech},
    {.after = kW04, .when = ropeSold, .actions = kStep14Sold, .timing = Timing::Speech},
    {.after = kW04, .when = shown<"Sbojovnikzly">, .actions = kStep14Offended, .timing = Timing::Speech},
    {.after = kW03, .actions = kStep15, .timing = Timing::Talk},
};

constexpr auto kOpening =
    join(ops(show("Otazka1"), show("Otazka2"), emptyChoice(2), emptyChoice(3)), kWarriorChoices, ops(show("zrusit")));
constexpr auto kReplyPose = kDetectivePose;
constexpr auto kListening =
    ops(show("zthlava"), show("Ztoci"), show("Ztpusavpravo"), show("Zpusabojovnika"), show("zocibojovnikamluva"),
        hide("Ztmluvavpravo"), hide("Ztpopis"), hide("Zocibojovnika"), hide("Zpusabojovnikamluva"));
constexpr auto kCancelEyes = ops(show("Zocibojovnika"), hide("zocibojovnikamluva"));

}  // namespace

const StepGroup kWarriorSteps{.name = "warrior", .scene = scenes::Scene::Natrzisti, .steps = kAtTheStall};
const StepGroup kWarriorStepsAnywhere{.name = "warrior, anywhere", .steps = kAnywhere};

const Character kWarrior{.name = "warrior",
                         .scene = scenes::Scene::Natrzisti,
                         .hotspot = "Label120",
                         .opening = kOpening,
                         .itemUse = scenes::ItemUse::Warrior,
                         .replyPose = kReplyPose,
                         .listeningPose = kListening,
                         .cancelEyes = kCancelEyes};

}  // namespace kvarnel::story

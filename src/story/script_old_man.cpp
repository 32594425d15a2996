// The old man, a descendant of the finder of the sacred drink and a
// climber: the picture on his shelf, his name, and the long story of his
// climb. Heard to its end, it takes four hours and teaches the detective to
// climb; called boring, it makes him cross until he is given a bottle.
#include "scenes/item_use.h"
#include "story/script.h"
#include "story/sequences.h"

namespace kvarnel::story {

namespace {

using namespace scenes::op;
using scenes::hidden;
using scenes::join;
using scenes::ops;
using scenes::shown;
using scenes::Timing;

constexpr Text kO01{"Pokud budeš chtít vědět něco o lezení na skalách, všechno zodpovím.",
                    "If you will need to know anything about climbing, ask me."};
constexpr Text kO02{
    "Neuvěřitelné, za ty čtyři hodiny poslouchání jeho vyprávění, jsem se naučil šplhat! Nyní umím šplhat na hory, "
    "stromy a po laně.",
    "Unbelievable! In four hours listening to him, I've learned how to climb. Now I can climb the mountains, trees and "
    "ropes."};
constexpr Text kO03{
    "A tak jsem urazil první metr, na cestě vstříc té hoře. Čekalo mě však dalších 2134 metů, které ti teď detailně "
    "vylíčím   . . .",
    "So these were the first 3 feets of my journey. But there were next 6402 feets waiting for me. I'll describe each "
    "in detail . . ."};
constexpr Text kO04{
    "Nu, tak se tam rozhlížím a najednou vidím výklenek. Chytnu se ho, přitáhnu se a vylezl jsem na něj.",
    "So I am there and looking around when I saw an alcove. Then I climbed to it."};
constexpr Text kO05{"Jó, vyhlídnout si ze začátku ty správný štěrbiny, to není žádná legrace mladej.",
                    "Yes, to find the right holes is important, it is not fun, boy."};
constexpr Text kO06{
    "Nuže teprve pak jsem mohl vyrazit k té hoře. Přišel jsem k ní a začal jsem hledat nějaké ty štěrbiny.",
    "Well, then I can go to the mountain. I came to it and started looking for some holes."};
constexpr Text kO07{"Eh, kde jsem to skončil. Ach ano, nu správně oblečení, to prostě musí být.",
                    "Oh, where did I stop? Oh yeah, right clothes, these are important."};
constexpr Text kO08{
    "Jo, a o to více mě rozčílilo když jsem se doslechl o Kvarnel. Jó, to není jako za mých časů, to tu byl klid.",
    "Yes, the more it made me angry when I heard about the Kvarnel. Yeah, now it is not like the old times."};
constexpr Text kO09{"Povězte mi ještě něco o tom, jak jste neohroženě lezl na vrcholky hor.",
                    "Tell me more about how you were climbing the mountains."};
constexpr Text kO10{"Takže vy jste potomek toho slavného Bechera?", "So you are relative to the famous Becher?"};
constexpr Text kO11{
    "Ano, ano, mladej, můj pravnuk v této hoře objevil jeskyní komplexy, které ukrývaly onen posvátný nápoj.",
    "Yeah, boy. My old grandfather found there a complex that was hiding the sacred drink."};
constexpr Text kO12{"Posvátný vrch?", "The Sacred Hill?"};
constexpr Text kO13{"Zrovna mě kreslil můj kamarád, když jsme se vyšplhali na Posvátný vrch.",
                    "My friend draw me, when we made the Sacred Hill."};
constexpr Text kO14{"Jsem to já. Já jako mladý. To byly časy. Né jako teď. Dneska ta mladá generace nic nevydrží.",
                    "This is me. When I was young it wasn't like today. Today, young generation can't stand anything."};
constexpr Text kO15{"No tak.", "So what."};
constexpr Text kO16{"Eh, to ne, ale . . . ", "Oh, no, but . . ."};
constexpr Text kO17{"No neva, no.", "Okay, okay."};
constexpr Text kO18{"Slyšel jsem, že prý se jmenujete Dědek. To vám odmalička říkali Dědku?",
                    "I've heard that they call you Old man. Did they call you Old man 'til you were a baby?"};
constexpr Text kO19{"Tobě už o skalách nic neřeknu!", "You won't hear anything!"};
constexpr Text kO20{"Co? Jaké nudné poučky? Tobě už o lezení na skály neřeknu nic!",
                    "What? What boring stuff? I won't tell you about climbing more!"};
constexpr Text kO21{"Nic, nic, jen pokračujte.", "Nothing, nothing. . ."};
constexpr Text kO22{"Nešly by tyhle nudné poučky přeskočit, že byste mluvil přímo o tom lezení na skály?",
                    "Could you please skip this boring stuff and talk about climbing the mountains?"};
constexpr Text kO23{"Co je zas?", "What's wrong?"};
constexpr Text kO24{"Ehm, ehm.", "Ahem, ahem!"};
constexpr Text kO25{"A málem bych zapomněl na oblečení, no dneska si každý myslí, že šplhat na horu muže v . . .",
                    "And I almost forget the clothes. Everyone thinks that they can climb the hill in. . ."};
constexpr Text kO26{"Nu a hlavně, ta hora se nesmí podcenit. To ta dnešní generace, ta pořád přeceňuje svoje síly.",
                    "Well and the most important is not to underestimate the hill. Today young people always do this."};
constexpr Text kO27{
    "Vzal jsem si potřebné vybavení. To je důležitá věc, mladej, vzít si pořádný vybavení, to je základ.",
    "I took really good equipment. Yeah, this is important thing boy, taking good equips is base."};
constexpr Text kO28{"No, nerad se chlubím, ale proč ne. Inu jednoho dne jsem se rozhodl zdolat jednu horu.",
                    "Well, I don't want to sound selfish, but why not. One day I decided to climb one hill."};
constexpr Text kO29{"A to jako chceš říct, že lžu!?", "And you mean that I lie!?"};
constexpr Text kO30{"Jen aby. Radši si na tebe dám pozor, mladej.", "Oh yes. I'll be better watching you, boy."};
constexpr Text kO31{"Cože? Eh, no celou dobu tu s vámi mluvím.", "What? I am talking to you for a while."};
constexpr Text kO32{"A ty seš jako kdo!?", "And you are?!"};
constexpr Text kO33{"Tak počkat, tady jsme ve středověké vesnici. Tady se počítače ještě nevynalezly.",
                    "Hey wait, we are in medieval village. Computers were not even invented in here!"};
constexpr Text kO34{"O tom nepochybuji.", "Indeed."};
constexpr Text kO35{"Jo, to není jako zamlada. To jsme pařili hry, ve kterých byly stovky postav, se stovkami jmen.",
                    "Yeah, when we were young, we played games with hundreds of named characters."};
constexpr Text kO36{"Vždyť už ses mě na to ptal. Chlapče zlatej, paměť mi ještě slouží dobře.",
                    "Hey, you already asked that. My memory is still good, kiddy."};
constexpr Text kO37{
    "Ne, moje pravé jméno je Alois, ale v týhle hře se musím jmenovat Dědek, protože pro dnešní hráče je složité "
    "zapamatovat si nová jména.",
    "My real name is Alois, but in this game my name must be Old man, because it is too difficult for present players "
    "to remember new names."};
constexpr Text kO38{
    "Jej, vždyť to je Becherovka! Chlapče, ty víš jak mě udělat radost. Za to ti odpouštím, tu tvou poznámku o mých "
    "nudných poučkách.",
    "Wow, it is Becherovka. Boy, you made me really happy. I will forget that remark about my boring words."};
constexpr Text kO39{". . .  no, a tak jsem došel až na vrchol té hory.", ". . .so I made it up to that hill."};
constexpr Text kO40{"Vidím, že tady v poličce máte pěkný obraz, co je to na něm za člověka?",
                    "Nice picture. Who is that?"};

constexpr auto kOldManSpeaks =
    ops(show("image2"), show("RxGIFAnimator1"), show("RxGIFAnimator3"), hide("RxGIFAnimator6"), hide("RxGIFAnimator4"),
        show("RxGIFAnimator7"), colour(layout::clRed));
constexpr auto kMouthOnly = ops(hide("RxGIFAnimator4"), show("RxGIFAnimator7"), colour(layout::clRed));
constexpr auto kMouthIdle = ops(show("RxGIFAnimator4"), hide("RxGIFAnimator7"));
constexpr auto kDetectiveSpeaks = ops(show("RxGIFAnimator4"), hide("RxGIFAnimator7"), hide("RxGIFAnimator3"),
                                      hide("RxGIFAnimator5"), show("RxGIFAnimator6"), colour(layout::clYellow));
constexpr auto kListening =
    ops(show("image2"), show("RxGIFAnimator1"), show("RxGIFAnimator2"), show("RxGIFAnimator3"), show("RxGIFAnimator4"),
        hide("RxGIFAnimator5"), hide("RxGIFAnimator6"), hide("RxGIFAnimator7"));

bool stillCross(const scenes::Context& c) {
    return shown<"Sdedek3zl">(c) && hidden<"Sdedek3hodny">(c);
}
bool willTell(const scenes::Context& c) {
    return !stillCross(c);
}
bool climbHeard(const scenes::Context& c) {
    return shown<"Sdedek2">(c) && shown<"Sotazkahory">(c);
}
bool climbNotHeard(const scenes::Context& c) {
    return shown<"Sdedek2">(c) && hidden<"Sotazkahory">(c);
}

constexpr auto kHideChoices = ops(hide("Otazka1"), hide("Otazka2"), hide("Otazka3"), hide("zrusit"));

constexpr auto kEndNow = join(kMouthIdle, ops(endTalk(), set("PlayerFree", 1)));
constexpr auto kStep2 = join(kMouthOnly, ops(say(kO01), show("Sdedek3hodny"), set("EndTalkAfterLine", 1)));
constexpr auto kStep3 = join(ops(emptyRozhovor(), describe(kO02)), kHideChoices,
                             ops(hide("RxGIFAnimator5"), hide("RxGIFAnimator6"), hide("RxGIFAnimator7"),
                                 show("RxGIFAnimator4"), set("TalkTimerOn", 0)));
constexpr auto kStep4 =
    ops(hide("Udedka"), hide("Rozhovor"), show("Ssplh"), show("Textanimace"), call(startFourHoursInterlude));
constexpr auto kStep5 = join(kMouthOnly, ops(say(kO03)));
constexpr auto kStep6 = join(kMouthOnly, ops(say(kO04)));
constexpr auto kStep7 = join(kMouthOnly, ops(say(kO05)));
constexpr auto kStep8 = join(kMouthOnly, ops(say(kO06)));
constexpr auto kStep9 = join(kOldManSpeaks, ops(say(kO07), addTo("body", 10)));
constexpr auto kStep10 = join(kOldManSpeaks, ops(say(kO08), choice(2, kO09), show("Sdedek2")));
constexpr auto kStep11 = join(kDetectiveSpeaks, ops(say(kO10)));
constexpr auto kStep12 = join(kOldManSpeaks, ops(say(kO11)));
constexpr auto kStep13 = join(kDetectiveSpeaks, ops(say(kO12)));
constexpr auto kStep14 = join(kMouthOnly, ops(say(kO13)));
constexpr auto kStep15 = join(kOldManSpeaks, ops(say(kO14)));
constexpr auto kStep16 = join(kOldManSpeaks, ops(say(kO15)));
constexpr auto kStep17 = join(kDetectiveSpeaks, ops(say(kO16)));
constexpr auto kStep18 = join(kDetectiveSpeaks, ops(say(kO17), choice(1, kO18), choice(2, kO09), show("Sdedek3zl")));
constexpr auto kStep19 = join(kOldManSpeaks, ops(say(kO19)));
constexpr auto kStep20 = join(kOldManSpeaks, ops(say(kO20), addTo("body", -5)));
constexpr auto kStep21 =
    join(ops(emptyRozhovor(), show("Otazka1"), show("Otazka2"), show("Otazka3"), hide("zrusit"), choice(1, kO21),
             when(shown<"Sdedek3hodny">, emptyChoice(2)), when(hidden<"Sdedek3hodny">, choice(2, kO22))),
         kListening);
constexpr auto kStep22 = join(kOldManSpeaks, ops(say(kO23)));
constexpr auto kStep23 = join(kDetectiveSpeaks, ops(say(kO24)));
constexpr auto kStep24 = join(kMouthOnly, ops(say(kO25)));
constexpr auto kStep25 = join(kMouthOnly, ops(say(kO26)));
constexpr auto kStep26 = join(kMouthOnly, ops(say(kO27)));
constexpr auto kStep27 = join(kOldManSpeaks, ops(say(kO28)));
constexpr auto kStep28 = join(kOldManSpeaks, ops(say(kO29)));
constexpr auto kStep29 = join(kOldManSpeaks, ops(say(kO30)));
constexpr auto kStep30 = join(kDetectiveSpeaks, ops(say(kO31)));
constexpr auto kStep31 = join(kOldManSpeaks, ops(say(kO32)));
constexpr auto kStep32 = join(kDetectiveSpeaks, ops(say(kO33)));
constexpr auto kStep33 = join(kDetectiveSpeaks, ops(say(kO34)));
constexpr auto kStep34 = join(kOldManSpeaks, ops(say(kO35)));
constexpr auto kStep35Again = join(kOldManSpeaks, ops(say(kO36)));
constexpr auto kStep35First = join(kOldManSpeaks, ops(say(kO37), show("Sdedek")));

// His refusal of a second bottle is matched in Czech only: in English it
// ends with its own speech countdown instead, which ends the exchange too.
constexpr Text kRefusalCzechOnly{scenes::kOldManSecondBottle.cz, ""};

const Step kSteps[] = {
    {.after = kRefusalCzechOnly, .actions = kEndNow},
    {.after = kO01, .actions = kEndNow},
    {.after = kO38, .actions = kStep2, .timing = Timing::SpeechLimitOnly},
    // The end of the climb, four hours later: the detective can climb.
    {.after = kO39, .actions = kStep3, .timing = Timing::Speech},
    {.after = kO03, .actions = kStep4},
    {.after = kO04, .actions = kStep5, .timing = Timing::Talk},
    {.after = kO05, .actions = kStep6, .timing = Timing::Talk},
    {.after = kO06, .actions = kStep7, .timing = Timing::Talk},
    {.after = kO07, .actions = kStep8, .timing = Timing::Talk},
    {.after = kO21, .actions = kStep9, .timing = Timing::Talk},
    // The picture on the shelf.
    {.after = kO10, .actions = kStep10, .timing = Timing::Speech},
    {.after = kO11, .actions = kStep11, .timing = Timing::Talk},
    {.after = kO12, .actions = kStep12, .timing = Timing::Talk},
    {.after = kO13, .actions = kStep13, .timing = Timing::Talk},
    {.after = kO14, .actions = kStep14, .timing = Timing::Talk},
    {.after = kO40, .actions = kStep15, .timing = Timing::Talk},
    {.after = kO16, .actions = kStep16, .timing = Timing::Speech, .extraMs = 1000},
    {.after = kO29, .actions = kStep17, .timing = Timing::Talk, .extraMs = 300},
    // The boring lessons.
    {.after = kO20, .actions = kStep18, .timing = Timing::Speech},
    {.after = kO09, .when = stillCross, .actions = kStep19, .timing = Timing::Speech},
    {.after = kO22, .actions = kStep20, .timing = Timing::Talk},
    {.after = kO23, .actions = kStep21},
    // The climb.
    {.after = kO24, .actions = kStep22, .timing = Timing::Talk},
    {.after = kO25, .actions = kStep23, .timing = Timing::Talk},
    {.after = kO26, .actions = kStep24, .timing = Timing::Talk},
    {.after = kO27, .actions = kStep25, .timing = Timing::Talk},
    {.after = kO28, .actions = kStep26, .timing = Timing::Talk},
    {.after = kO09, .when = willTell, .actions = kStep27, .timing = Timing::Talk},
    // His name.
    {.after = kO33, .actions = kStep28, .timing = Timing::Talk},
    {.after = kO31, .actions = kStep29, .timing = Timing::Speech},
    {.after = kO32, .actions = kStep30, .timing = Timing::Talk},
    {.after = kO34, .actions = kStep31, .timing = Timing::Talk},
    {.after = kO35, .actions = kStep32, .timing = Timing::Talk},
    {.after = kO36, .actions = kStep33, .timing = Timing::Talk},
    {.after = kO37, .actions = kStep34, .timing = Timing::Talk},
    {.after = kO18, .when = shown<"Sdedek">, .actions = kStep35Again, .timing = Timing::Talk},
    {.after = kO18, .when = hidden<"Sdedek">, .actions = kStep35First, .timing = Timing::Talk},
};

// O38 and the refusal come from his answer to a bottle, O39 from the end of
// the four hours.
const Text kFromOutside[] = {kO38, scenes::kOldManSecondBottle, kO39};
// The four hours' end sets the first reply again.
const Text kChoicesFromCode[] = {kO18};

constexpr auto kOpening =
    ops(show("zrusit"), choice(1, kO18), show("Otazka1"), show("Otazka2"), when(hidden<"Sdedek2">, choice(2, kO40)),
        when(climbHeard, emptyChoice(2)), when(climbNotHeard, choice(2, kO09)));
constexpr auto kReplyPose =
    ops(hide("RxGIFAnimator3"), hide("RxGIFAnimator5"), show("RxGIFAnimator6"), set("TalkTimerOn", 1));

}  // namespace

const StepGroup kOldManSteps{.name = "old man",
                             .scene = scenes::Scene::Udedka,
                             .steps = kSteps,
                             .linesFromOutside = kFromOutside,
                             .choicesFromCode = kChoicesFromCode};

const Character kOldMan{.name = "old man",
                        .scene = scenes::Scene::Udedka,
                        .hotspot = "Label121",
                        .opening = kOpening,
                        .itemUse = scenes::ItemUse::OldMan,
                        .replyPose = kReplyPose,
                        .listeningPose = kListening};

}  // namespace kvarnel::story

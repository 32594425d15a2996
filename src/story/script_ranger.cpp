// The ranger at the edge of his land, who bars the way east to the Sacred
// Hill. He wants something to mark his land and ten coins, takes both and
// still refuses; only a detective with "inteligence" gets round him, by way
// of Becherovka: the ranger recognises him, lets him pass and recites the
// old scroll about the monster of the hill. Afterwards a click on him only
// replays the scroll.
#include <array>
#include <cstddef>

#include "scenes/exits.h"
#include "scenes/ranger_lines.h"
#include "story/script.h"

namespace kvarnel::story {

namespace {

using namespace scenes::op;
using scenes::hidden;
using scenes::join;
using scenes::onlyWhen;
using scenes::ops;
using scenes::shown;
using scenes::Timing;

constexpr Text kR01{"Možná je snad lepší než ne. Přineste to a já se rozmyslím, jestli vás pustím.",
                    "Maybe is better than no. Bring me that and I'll maybe let you go."};
constexpr Text kR02{"A co po mě jako chcete?", "What do you want from me?"};
constexpr Text kR03{"Ach jo.", "Oh God."};
constexpr Text kR04{"Můj pozemek, tak podmínky kladu já! Nezajímá mě proč chcete přejít, ale že chcete přejít.",
                    "This is my ground, my decisions! I don't care why you want to pass."};
constexpr Text kR05{"Ale vy to očividně nechápete, já tu nechci projít jen tak. Já musím zach . . . ",
                    "But you really don't get it, I don't only want to pass, I must save . . ."};
constexpr Text kR06{"Ne!", "No!"};
constexpr Text kR08{"Cože?! Ach jo, už vám nedám ani zlatej.", "What? I won't give you nothing."};
constexpr Text kR09{"No, to je super a můžu už dál?", "That's great, may I go now?"};
constexpr Text kR10{"To teda jo.", "Yeah, yeah."};
constexpr Text kR11{"Možná?!", "Maybe?"};
constexpr Text kR12{"Přineste mě něco takového a já vás možná nechám projít.",
                    "Bring me something and I will maybe let go."};
constexpr Text kR13{"Jak už jsem řekl, potřeboval bych něco na ohraničení téhle části lesa.",
                    "As I said, I need something to define borders of this part of wood."};
constexpr Text kR14{
    "Potřeboval bych sehnat něco, čím bych procházející upozornil, že tohle je soukromý pozemek a že pokud chcou "
    "projít, musí zaplatit.",
    "I need something, that would notify trespassers, that this is private place and if they want to pass, they must "
    "pay."};
constexpr Text kR15{"Mladej, mě je úplně jedno proč tudy musíte projít, pokud to tak chcete, musíte mi něco dát.",
                    "Man, I don't really care why. If you want to pass, you must give me something?"};
constexpr Text kR16{"No, ale já tudy potřebuji projít, protože musím zachrá . . .",
                    "But I need to pass this place, because I must save . . ."};
constexpr Text kR17{
    "Zadarmo to teda nebude určitě. Já jsem hraničář a tohle je moje část lesa, jen tak vás projít nenechám.",
    "It certainly won't be for free. I am the frontier and this is my piece of wood."};
constexpr Text kR18{"Ajta! Tak projít tudy nebude tak snadné.", "Eh. This won't be so easy to pass."};
constexpr Text kR19{"Tady mě nikdo bez mého svolení procházet nebude!",
                    "Oh no, no one will pass this without my permission!"};
constexpr Text kR20{"No, tak pardon že jsem obtěžoval, tak já tudy jen projdu a . . . ",
                    "Okay, I am sorry, I just pass this place and . . ."};
constexpr Text kR21{"Co je vám potom pane, hleďte si svýho, já jsem na svým pozemku.",
                    "Go on your feet. I am on my ground."};
constexpr Text kR22{"Mě je ale jedno kdo jste, panáčku, zaplaťte nebo odejděte.",
                    "I don't care who you are. Pay or leave."};
constexpr Text kR23{"Ale já jsem Vazi Špli . . . ", "But I am Vazi Spli . . ."};
constexpr Text kR24{"To už je vaše věc, jestli chcete projít, zaplaťte.", "I don't care. If you want to pass, pay!"};
constexpr Text kR25{"Deset zlatých a kde na to mám vzít?", "Where am I supposed to get ten bucks?"};
constexpr Text kR26{"Takových deset zlatých, by se mě docela hodilo.", "Let's say ten bucks."};
constexpr Text kR27{"Kolik peněz?", "How much?"};
constexpr Text kR28{"Už jsem vám to říkal, ale znovu, dejte mě deset zlatých a pustím vás.",
                    "I told you, give me ten bucks and I let you go."};
constexpr Text kR29{"Hmm, řekněme peníze?", "What about money?"};
constexpr Text kR30{"Hele panáčku, nezkoušejte tu na mě fráze typu, to nemáte čest? Prostě tudy vás projít nenechám!",
                    "Don't try to get me on the \"promises\" stuff. I simply won't let you go."};
constexpr Text kR31{
    "Jak to nemáte důvod? Vždyť jste mě slíbil, že když vám donesu lano a peníze pustíte mě! To nemáte čest?",
    "What do you mean \"no reason\"? You promised to let me go if I bring you the rope and money."};
constexpr Text kR32{"Ten chlap je prostě magor, jinak si to vysvětlit nedokážu!",
                    "The man is simply stupid! I have no other answer to this."};
constexpr Text kR33{"Prostě vás nepustím pane, smiřte se s tím.", "I just won't let you go. Understand it."};
constexpr Text kR34{"Po vás už nic nechci, jen nemám důvod pustit vás přes můj pozemek.",
                    "I don't want anything. I just have no reason to let you go."};
constexpr Text kR35{"Já sám to moc nechápu, ale snad vám to k něčemu bude.",
                    "I don't understand it much but may it will help you."};
constexpr Text kR36{
    "Příšera vždy nejprve vertikálně tě dožene, to velmi blízko tvé smrti je, až pak horizont sleduje, to duše tvá již "
    "v nebi je.",
    "The Monster hunts you vertical and your death is close, when it passes horizontal, in heaven already is your "
    "soul."};
constexpr Text kR37{
    "Tento svitek už je dnes už téměř zapomenut, ale já si stále vzpomínám co na něm bylo. Stálo tam tohle.",
    "All of this is already forgotten, but I can still remember the most important think. It stated like this."};
constexpr Text kR38{
    "Prý byl kdysi napsán mocnými druidy svitek, který měl sloužit jako poselství pro toho, kdo se rozhodne postavit "
    "se té příšeře.",
    "A long time ago, the Sorcerers wrote something like hint for everyone who decide to fight this Monster."};
constexpr Text kR39{"Už je to dávno, ale řekl mě ještě jednu důležitou věc.",
                    "It is long time ago, but he told me one more thing."};
constexpr Text kR40{"To je mi líto.", "I am sorry about that."};
constexpr Text kR41{"Říkal mi to můj dědeček. Jmenoval se Feus, ale zemřel na mor.",
                    "My grandpa told me. His name was Feus, but he died on plaque."};
constexpr Text kR42{"A odkud tohle všechno víte?", "How do you know all of that?"};
constexpr Text kR43{
    "Ne, Vazi, chci tím říct, že když už vás ta potvora chytne, budete moct použít tlačítko load a pokusit se před ní "
    "utéct znovu.",
    "No, Vazi. I am trying to tell you, that when it catches you, you will be able to use the Load button and try to "
    "run away again."};
constexpr Text kR44{"Chcete tím říct, že před tak rychlou bestií jsem schopen utéct?",
                    "You are trying to tell me, that I can dodge this beast?"};
constexpr Text kR45{"A právě proto nebude nikdy tak rychlá a silná jako vy.",
                    "Because of that, it will never be as strong or as fast as you can be?"};
constexpr Text kR46{"Ano, ale její síla a rychlost mají základ ve světě, který má vždy své hranice.",
                    "Yet its strength and its speed are still based in a world that is built on rules."};
constexpr Text kR47{"Ajta! To bude ale rychlá mršinka.", "Wow! This is gonna be fast."};
constexpr Text kR48{". . . vystřílel do ní celý zásobník šípů a netrefil nic než vzduch.",
                    ". . . of arrows and hit nothing but air."};
constexpr Text kR49{"Ta příšera prorazí rukou betonovou zeď. Když se jí snažil zabít jeden lukostřelec . . .",
                    "I have seen the Monster punch through a concrete wall, archers have emptied entire clips . . ."};
constexpr Text kR50{"Proč?", "Why?"};
constexpr Text kR51{"Oni prohráli, vy vyhrajete.", "But where they have failed, you will succeed."};
constexpr Text kR52{
    "Nebudu vám lhát Vazi, každý kdo to zkusil, muž nebo žena, každý kdo bojoval s tou příšerou zemřel.",
    "I won't lie to you Vazi. Every single man or women who has stood their ground, everyone who has fought the "
    "Monster has died."};
constexpr Text kR53{"Takže dříve nebo později, se jí někdo musel postavit.",
                    ". . . which means that sooner or later, someone is going to have to fight it."};
constexpr Text kR54{"Ona, je strážce Posvátného vrchu, hlídá všechny vchody a drží klíče k jeskynnímu komplexu.",
                    "It is the gatekeeper of the Sacred Hill. It is guarding all the doors, it is holding all the keys "
                    "to the cave complex . . ."};
constexpr Text kR55{"Jo, přesně tu mám na mysli. Proč? Vy už jste o ní něco slyšel?",
                    "Oh yeah, that's the one. Why? You heard about it?"};
constexpr Text kR56{"Ohh, snad nemyslíte tu příšeru z Posvátného vrchu?!",
                    "Oh, you mean the Monster from Sacred Hill?!"};
constexpr Text kR57{"Ale, to víte, denní rutina v mojí práci. Jdu sebrat jedné příšeře tu posvátnou láhev.",
                    "It's my job, daily routine, you know. I go to take a sacred bottle from one monster."};
constexpr Text kR58{"Promiňte mi mou zvídavou otázku, ale proč tudy vlastně potřebujete projít?",
                    "Forget me my question, but why do you need to pass this place?"};
constexpr Text kR59{"Ach jo.", "Okay, okay."};
constexpr Text kR60{"Říkal jsem, zapomeňme na ten nešvar.", "I said, forget that stuff."};
constexpr Text kR61{"Mockrát děkuji, že konečně mohu přejít a v podstatě byste mi teď ty věci mohl vrátit, že?",
                    "Thanks a lot. But you could finally give me these things back, don't you?"};
constexpr Text kR62{
    "Ale tak to je jiná, račte dál přes můj pozemek a zapomeňme na ten nešvar s lanem a deseti zlatými.",
    "Oh, then I am very sorry. You can pass and forget that stuff with the rope and ten bucks."};
constexpr Text kR63{"Ano, ano, to jsem já.", "Yes, that's me."};
constexpr Text kR64{"Ale tak to musíte být ten známý záhadolog Vazi Zidezevo?!!",
                    "Wow, so you must be the well known mystery detective Vazi Ridodari?!!!"};
constexpr Text kR65{"Takže o Kvarnel, víte? No, a já jsem tu proto, abych to celé vyšetřil.",
                    "So you know about the Kvarnel. Well, I am here to figure this out."};
constexpr Text kR66{
    "Ale teď prý se ze Lhotky ztratila nějaká posvátná receptura. Kdyby se mi ten neřád, který jí vzal dostal pod "
    "ruku!",
    "But now, they say, something is missing. I would be very bad if I get this man in my hands."};
constexpr Text kR67{"No, jistě, kdo by neměl. Nejsem sice z Lhotky, ale občas si tam na ni zajdu.",
                    "Of course, who wouldn't. I am not local, but I went for some often."};
constexpr Text kR73{"Dobrý den, co tady děláte, uprostřed tak temného lesa?",
                    "Good day. What are you doing here, in the middle of dark wood?"};
constexpr Text kR74{"Lano už jsem vám dal, tak co ještě musím udělat pro to, abyste mě pustil?",
                    "I already gave you the rope, so what should I do to be able to get there?"};
constexpr Text kR75{"Už jsem vám dal lano, peníze, tak co po mě pořád chcete?",
                    "I gave you the rope, money, so what more do you want?"};
constexpr Text kR76{"Ještě jednou, co jste říkal že stálo na tom svitku?",
                    "What did you said that stated on that paper?"};
constexpr Text kR77{"Máte rád Becherovku?", "Do you like Becherovka?"};

constexpr auto kRangerSpeaks =
    ops(show("L5pusa"), hide("L5mluva"), hide("hranicarpusa"), show("hranicarmluva"), colour(layout::clRed));
constexpr auto kDetectiveSpeaks =
    ops(hide("L5pusa"), show("L5mluva"), show("hranicarpusa"), hide("hranicarmluva"), colour(layout::clYellow));

constexpr auto ranger(Text line) {
    return join(kRangerSpeaks, ops(say(line)));
}
constexpr auto detective(Text line) {
    return join(kDetectiveSpeaks, ops(say(line)));
}
bool namedPrice(const scenes::Context& c) {
    return c.state.RangerNamedPrice == 1;
}
bool priceNotNamed(const scenes::Context& c) {
    return c.state.RangerNamedPrice != 1;
}
bool saidNoReason(const scenes::Context& c) {
    return c.state.RangerNoReason == 1;
}
bool reasonNotDenied(const scenes::Context& c) {
    return c.state.RangerNoReason != 1;
}

// His warning to one who walks on without leave: his face goes back to
// rest and the exchange ends at once.
constexpr auto kWarningEnds = ops(show("hranicarpusa"), show("hranicaroci"), hide("hranicarmluva"),
                                  hide("hranicarocimluva"), show("L5pusa"), hide("L5mluva"), endTalk());
// What he wants, the first time: something to mark his land.
constexpr auto kMaybe = join(ranger(kR01), ops(choice(1, kR02), show("Solane")));
// The rope thread ends on a sigh. "Ach jo." is also the detective's sigh late
// in the scroll thread, whose step would otherwise fire on it in this pass.
constexpr auto kSigh = join(detective(kR03), ops(set("EndTalkAfterLine", 1)));
constexpr auto kMyGround = ranger(kR04);
constexpr auto kMustSave = detective(kR05);
constexpr auto kNo = ranger(kR06);
// Ten coins taken, and the way still barred.
constexpr auto kNotAnotherCoin = join(detective(kR08), ops(set("RangerPaid", 1), set("EndTalkAfterLine", 1)));
constexpr auto kMayIGoNow = join(detective(kR09), ops(set("RangerHasRope", 1)));
constexpr auto kYeahYeah = join(detective(kR10), ops(set("RangerPaid", 1), set("EndTalkAfterLine", 1)));
constexpr auto kMaybeWhat = detective(kR11);
constexpr auto kBringSomething = ranger(kR12);
constexpr auto kAsISaid = ranger(kR13);
constexpr auto kNeedSomething = ranger(kR14);
// The first meeting ends with his introduction.
constexpr auto kPayOrNothing = join(ranger(kR15), ops(choice(1, kR02), show("Sjsemhranicar")));
constexpr auto kS15 = detective(kR16);
constexpr auto kS16 = ranger(kR17);
constexpr auto kS17 = detective(kR18);
constexpr auto kS18 = ranger(kR19);
constexpr auto kS19 = detective(kR20);
constexpr auto kS20 = ranger(kR21);
// The price, after the rope.
constexpr auto kS21 = ranger(kR22);
constexpr auto kS22 = detective(kR23);
constexpr auto kS23 = ranger(kR24);
constexpr auto kS24 = detective(kR25);
constexpr auto kS25 = ranger(kR26);
constexpr auto kS26 = detective(kR27);
constexpr auto kToldYou = ranger(kR28);
constexpr auto kMoney = join(ranger(kR29), ops(set("RangerNamedPrice", 1)));
// After the rope and the coins.
constexpr auto kNoPromises = ranger(kR30);
constexpr auto kNoHonour = join(detective(kR31), ops(set("RangerNoReason", 1)));
// The detective's own comment, in Popis, closes the exchange; the speech end
// gives him his portrait back. The description start of the next tick shows
// his talking face.
constexpr auto kStupid =
    ops(describe(kR32), emptyRozhovor(), hide("L5Hlava"), hide("L5pusa"), hide("L5mluva"), set("RangerAfterword", 1));
constexpr auto kJustWont = ranger(kR33);
constexpr auto kNoReason = ranger(kR34);
// The scroll: he lets the detective pass.
constexpr auto kMayItHelp = join(ranger(kR35), ops(set("RangerLetsPass", 1), set("EndTalkAfterLine", 1)));
constexpr auto kScroll = ranger(kR36);
constexpr auto kS35 = ranger(kR37);
constexpr auto kS36 = ranger(kR38);
constexpr auto kS37 = ranger(kR39);
constexpr auto kS38 = detective(kR40);
constexpr auto kS39 = ranger(kR41);
constexpr auto kS40 = detective(kR42);
constexpr auto kS41 = ranger(kR43);
constexpr auto kS42 = detective(kR44);
constexpr auto kS43 = ranger(kR45);
constexpr auto kS44 = ranger(kR46);
constexpr auto kS45 = detective(kR47);
constexpr auto kS46 = ranger(kR48);
constexpr auto kS47 = ranger(kR49);
constexpr auto kS48 = detective(kR50);
constexpr auto kS49 = ranger(kR51);
constexpr auto kS50 = ranger(kR52);
constexpr auto kS51 = ranger(kR53);
constexpr auto kS52 = ranger(kR54);
constexpr auto kS53 = detective(kR55);
constexpr auto kS54 = ranger(kR56);
constexpr auto kS55 = detective(kR57);
constexpr auto kS56 = ranger(kR58);
constexpr auto kS57 = detective(kR59);
constexpr auto kS58 = ranger(kR60);
constexpr auto kS59 = detective(kR61);
constexpr auto kS60 = ranger(kR62);
constexpr auto kS61 = detective(kR63);
constexpr auto kS62 = ranger(kR64);
constexpr auto kS63 = detective(kR65);
constexpr auto kS64 = ranger(kR66);
constexpr auto kS65 = ranger(kR67);

const Step kSteps[] = {
    {.after = scenes::kRangerWarning, .actions = kWarningEnds},
    {.after = kR11, .actions = kMaybe, .timing = Timing::Speech},
    {.after = kR04, .actions = kSigh, .timing = Timing::Speech, .endsTick = true},
    {.after = kR05, .actions = kMyGround, .timing = Timing::Talk},
    {.after = kR06, .actions = kMustSave, .timing = Timing::Talk},
    {.after = kR09, .actions = kNo, .timing = Timing::Talk},
    // His answers to the coins and the rope.
    {.after = scenes::kRangerR69, .actions = kNotAnotherCoin, .timing = Timing::Speech},
    {.after = scenes::kRangerR70, .actions = kNotAnotherCoin, .timing = Timing::Speech},
    {.after = scenes::kRangerR71, .actions = kMayIGoNow, .timing = Timing::Talk},
    {.after = scenes::kRangerR72, .actions = kYeahYeah, .timing = Timing::Speech},
    // What he wants.
    {.after = kR12, .actions = kMaybeWhat, .timing = Timing::Talk},
    {.after = kR14, .actions = kBringSomething, .timing = Timing::Talk},
    {.after = kR02, .when = shown<"Solane">, .actions = kAsISaid, .timing = Timing::Speech, .endsTick = true},
    {.after = kR02, .when = hidden<"Solane">, .actions = kNeedSomething, .timing = Timing::Talk},
    // The first meeting.
    {.after = kR16, .actions = kPayOrNothing, .timing = Timing::Speech},
    {.after = kR17, .actions = kS15, .timing = Timing::Talk},
    {.after = kR18, .actions = kS16, .timing = Timing::Talk},
    {.after = kR19, .actions = kS17, .timing = Timing::Talk},
    {.after = kR20, .actions = kS18, .timing = Timing::Talk},
    {.after = kR21, .actions = kS19, .timing = Timing::Talk},
    {.after = kR73, .actions = kS20, .timing = Timing::Talk},
    // The price.
    {.after = kR23, .actions = kS21, .timing = Timing::Speech},
    {.after = kR24, .actions = kS22, .timing = Timing::Talk},
    {.after = kR25, .actions = kS23, .timing = Timing::Talk},
    {.after = kR26, .actions = kS24, .timing = Timing::Talk},
    {.after = kR27, .actions = kS25, .timing = Timing::Talk},
    {.after = kR29, .actions = kS26, .timing = Timing::Talk},
    {.after = kR74, .when = namedPrice, .actions = kToldYou, .timing = Timing::Speech},
    {.after = kR74, .when = priceNotNamed, .actions = kMoney, .timing = Timing::Talk},
    // No reason to let him pass.
    {.after = kR31, .actions = kNoPromises, .timing = Timing::Speech},
    {.after = kR34, .actions = kNoHonour, .timing = Timing::Talk},
    {.after = kR33, .actions = kStupid, .timing = Timing::Speech},
    {.after = kR75, .when = saidNoReason, .actions = kJustWont, .timing = Timing::Talk},
    {.after = kR75, .when = reasonNotDenied, .actions = kNoReason, .timing = Timing::Talk},
    // Becherovka, the detective recognised, and the scroll.
    {.after = kR36, .actions = kMayItHelp, .timing = Timing::Speech},
    {.after = kR76, .actions = kScroll, .timing = Timing::Talk},
    {.after = kR37, .actions = kScroll, .timing = Timing::Talk},
    {.after = kR38, .actions = kS35, .timing = Timing::Talk},
    {.after = kR39, .actions = kS36, .timing = Timing::Talk},
    {.after = kR40, .actions = kS37, .timing = Timing::Talk},
    {.after = kR41, .actions = kS38, .timing = Timing::Talk},
    {.after = kR42, .actions = kS39, .timing = Timing::Talk},
    {.after = kR43, .actions = kS40, .timing = Timing::Talk},
    {.after = kR44, .actions = kS41, .timing = Timing::Talk},
    {.after = kR45, .actions = kS42, .timing = Timing::Talk},
    {.after = kR46, .actions = kS43, .timing = Timing::Talk},
    {.after = kR47, .actions = kS44, .timing = Timing::Talk},
    {.after = kR48, .actions = kS45, .timing = Timing::Talk},
    {.after = kR49, .actions = kS46, .timing = Timing::Talk},
    {.after = kR50, .actions = kS47, .timing = Timing::Talk},
    {.after = kR51, .actions = kS48, .timing = Timing::Talk},
    {.after = kR52, .actions = kS49, .timing = Timing::Talk},
    {.after = kR53, .actions = kS50, .timing = Timing::Talk},
    {.after = kR54, .actions = kS51, .timing = Timing::Talk},
    {.after = kR55, .actions = kS52, .timing = Timing::Talk},
    {.after = kR56, .actions = kS53, .timing = Timing::Talk},
    {.after = kR57, .actions = kS54, .timing = Timing::Talk},
    {.after = kR58, .actions = kS55, .timing = Timing::Talk},
    {.after = kR59, .actions = kS56, .timing = Timing::Talk},
    {.after = kR60, .actions = kS57, .timing = Timing::Talk},
    {.after = kR61, .actions = kS58, .timing = Timing::Talk},
    {.after = kR62, .actions = kS59, .timing = Timing::Talk},
    {.after = kR63, .actions = kS60, .timing = Timing::Talk},
    {.after = kR64, .actions = kS61, .timing = Timing::Talk},
    {.after = kR65, .actions = kS62, .timing = Timing::Talk},
    {.after = kR66, .actions = kS63, .timing = Timing::Talk},
    {.after = kR67, .actions = kS64, .timing = Timing::Talk},
    {.after = kR77, .actions = kS65, .timing = Timing::Talk},
};

// The exit's warning, and his answers to the coins and the rope.
const Text kFromOutside[] = {scenes::kRangerWarning, scenes::kRangerR69, scenes::kRangerR70, scenes::kRangerR71,
                             scenes::kRangerR72};

// The opening. Once he has let the detective pass, the detective only asks
// for the scroll again. Before, the one reply follows the story: the
// greeting, what he wants, then the rope and the rope with the coins; with
// both given and "inteligence" bought, the question about Becherovka too.
bool letsPass(const scenes::Context& c) {
    return c.state.RangerLetsPass == 1;
}
bool barsTheWay(const scenes::Context& c) {
    return c.state.RangerLetsPass != 1;
}
bool firstMeeting(const scenes::Context& c) {
    return barsTheWay(c) && c.state.RangerHasRope != 1 && hidden<"Sjsemhranicar">(c);
}
bool introduced(const scenes::Context& c) {
    return barsTheWay(c) && c.state.RangerHasRope != 1 && shown<"Sjsemhranicar">(c);
}
bool ropeNoCoins(const scenes::Context& c) {
    return barsTheWay(c) && c.state.RangerHasRope == 1 && c.state.RangerPaid != 1;
}
bool ropeAndCoins(const scenes::Context& c) {
    return barsTheWay(c) && c.state.RangerHasRope == 1 && c.state.RangerPaid == 1;
}
bool ropeCoinsAndWits(const scenes::Context& c) {
    return ropeAndCoins(c) && shown<"Sinteligence">(c);
}

constexpr auto kOpening = join(ops(hide("hranicaroci"), show("hranicarocimluva")),
                               onlyWhen(letsPass, join(kDetectiveSpeaks, ops(say(kR76), time(Timing::Talk)))),
                               ops(when(barsTheWay, show("Otazka1")), when(firstMeeting, choice(1, kR73)),
                                   when(introduced, choice(1, kR02)), when(ropeNoCoins, choice(1, kR74)),
                                   when(ropeAndCoins, choice(1, kR75)), when(ropeCoinsAndWits, show("Otazka2")),
                                   when(ropeCoinsAndWits, choice(2, kR77)), when(barsTheWay, show("zrusit"))));
constexpr auto kReplyPose = ops(hide("L5pusa"), show("L5mluva"), show("hranicarpusa"), hide("hranicarmluva"));
constexpr auto kListening = ops(show("L5oci"), show("L5pusa"), show("hranicarocimluva"), show("hranicarpusa"),
                                hide("L5mluva"), hide("hranicaroci"), hide("hranicarmluva"));
constexpr auto kCancelEyes = ops(show("hranicaroci"), hide("hranicarocimluva"));

}  // namespace

const StepGroup kRangerSteps{
    .name = "ranger", .scene = scenes::Scene::Les5, .steps = kSteps, .linesFromOutside = kFromOutside};

// Once he lets the detective pass, the click only replays the scroll: no item
// is answered.
const Character kRanger{.name = "ranger",
                        .scene = scenes::Scene::Les5,
                        .hotspot = "PokecL5",
                        .opening = kOpening,
                        .openingEndsClick = letsPass,
                        .itemUse = scenes::ItemUse::RangerAtHisHotspot,
                        .replyPose = kReplyPose,
                        .listeningPose = kListening,
                        .cancelEyes = kCancelEyes};

}  // namespace kvarnel::story

// The druid in front of his hut in the forest (Les1). The village's sacred
// bottle of Becherovka was stolen from his hut together with his precious
// knife. At the first meeting he tells how it happened (and wonders about the
// large glass in front of his hut, the player's screen); then he answers four
// questions: what he can offer (the fluid of intelligence, for twenty coins),
// who might be the thief (he cannot tell, but the thief carries his knife;
// and the legend of the monster of the Sacred Hill), whether he is angry
// with the thief (a druid is not, though he lists the thief's qualities),
// and whether he has any supplies (the scroll about ten bottles his
// forebears buried).
//
// He offers the same three questions at the end of most exchanges: what he
// offers, then the suspicion once he has said he is not angry (the anger
// before), then the scroll again once he has recited it (the supplies
// before). A step that marks a story flag marks it before the questions are
// set, so they already follow it.
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

constexpr Text kD01{
    "Tam kde je spravedlnosti za dosti a tam, kde příroda je v souladu s člověkem deset lahví Becherovky zakopem.",
    "Where the is enough of justice and the nature is in relationship with human, ten bottles are hidden underground."};
constexpr Text kD02{"Co mi můžete jako místní druid nabídnout?", "What can you offer to me as a local Sorcerer?"};
constexpr Text kD03{"Máte na někoho z osady podezření?", "Are you suspicious to anyone?"};
constexpr Text kD04{"Musíte být na toho, kdo vám tu láhev vzal pěkně naštvaný, co?",
                    "You must be really pissed off to that thief, aren't you?"};
constexpr Text kD05{"Ještě jednou, co je nepsáno na tom svitku?", "Once again what is written on that old paper?"};
constexpr Text kD06{"To nemáte žádné zásoby Becherovky nebo neznáte způsob, jakým této osadě alespoň dočasně pomoci?",
                    "You don't have any emergency supplies or you don't know any other way to help the village?"};
constexpr Text kD07{"Ó, to nevím, avšak existují svitky, na kterých je to popsáno. Píše se v nich:",
                    "Oh, I don't know, but there are old papers with descriptions. There is:"};
constexpr Text kD08{"Alespoň něco. Kde přesně to zakopali?", "Do you know where the bottles may be?"};
constexpr Text kD09{
    "Avšak na těchto lahvích bohužel není štítek se složením, takže by to osadě pomohlo jen velmi krátkodobě.",
    "But on these bottles is no label with ingredients, so this would help only temporarily."};
constexpr Text kD10{
    "Před lety zakopali mí předci na oslavu toho, že našli v jeskyni v Posvátném Vrchu onu první láhev Becherovky, "
    "deset lahví tohoto nápoje.",
    "Few years ago, my predecessors hide ten bottles of Becherovka, as a celebration of discovery of the first "
    "bottle."};
constexpr Text kD11{"Avšak způsob jak osadě dočasně pomoci by tu byl.",
                    "But there is way to help at least temporarily."};
constexpr Text kD12{"Ó, zásoby jsem si opravdu nedělal, s něčím takovým jsem nemohl v naší mírumilovné osadě počítat.",
                    "Oh, I have no other supplies. I wasn't counting on such thing in our peaceful village."};
constexpr Text kD13{
    "Člověku, který by mu to šel prodat, by dal jistě velké mění. Ó, doufejme však, že zatím to pachatel prodat "
    "nestihl.",
    "The Monster would have given a fortune to get the bottle. Oh, let's hope, that the bottle isn't sold yet."};
constexpr Text kD14{
    "Pouští dovnitř jen lidi, kteří mu chtějí prodat něco velmi vzácného, což láhev Becherovky i s původní recepturou "
    "určitě je.",
    "He only let inside people that want to sell something precious to him. A bottle of Becherovka with ingredients "
    "certainly is."};
constexpr Text kD15{"Od té doby tuto jeskyni usilovně střeží.", "Now he guards that cave."};
constexpr Text kD16{"Tento člověk už je příliš dlouho živ a nějak se z toho jednoho dne zbláznil.",
                    "The man is alive for a long long time and one day, he get mad."};
constexpr Text kD17{"Věčný život ano, ale pouze pokud zůstane v jeskyni. Pokud ji opustí, čeká ho smrt.",
                    "He will live forever, but he will die if he leaves the caves."};
constexpr Text kD18{
    "Usiloval o věčný život a ten také dostal. Ó, ale pak si přečet pořádně co stojí na plechovce, ze které pil a "
    "zděsil se.",
    "He wanted to live forever, and he succeeded. Oh, but then he fully read what the paper say."};
constexpr Text kD19{
    "Ó, bohužel ano. Jeskyně Posvátný Vrch, ukrývá spousty bohatství. Jednou tam však přišel člověk a napil se, čeho "
    "neměl.",
    "Oh, no. The cave under the Sacred Hill is hiding a large fortune. Once a man came there and tasted what he "
    "shouldn't"};
constexpr Text kD20{"Příšera? To snad ne!", "The Monster? You must be kidding me!"};
constexpr Text kD21{"Určitě by to prodal příšeře, která dnes žije v jeskyních komplexech hory Posvátný Vrch.",
                    "He would certainly sell it to the Monster that lives in cave complex under the Sacred Hill."};
constexpr Text kD22{"Doufejme, že to nechce prodat nebo to ještě neprodal, ale pokud ano, Ó to by bylo strašné!",
                    "Let's hope that he hasn't sold it. But if he does, Oh, this would be disaster!"};
constexpr Text kD23{"Proč se toho tak bojíte? Komu by to pachatel prodal?",
                    "Why are you afraid? To who would he sold it?"};
constexpr Text kD24{"Ó, moc se bojím, že kvůli penězům.", "Oh, I am afraid that because of money."};
constexpr Text kD25{"Proč by tohle všechno vlastně někdo z vesnice dělal?", "Why somebody local would did such thing?"};
constexpr Text kD26{
    "Ó, ano, ten nůž byl velmi vzácný. Kdysi byl nalezen v jeskyni Posvátný vrch, tam, kde našli i onu posvátnou "
    "láhev.",
    "Oh, yes. It was very special knife. A long time ago, it was found in caves under the Sacred Hill along with the "
    "bottle."};
constexpr Text kD27{"On vám někdo ukradl nůž?", "Somebody has stolen your knife?"};
constexpr Text kD28{"Tu osudnou noc, kdy se to událo, mi z mojí chatrče zmizel totiž ještě můj nejcennější nůž.",
                    "Not only the bottle is missing, but also my precious knife is gone."};
constexpr Text kD29{
    "Ó, jak už jsem pravil, zdaleka netuším kdo to udělal, avšak vím, že ten kdož spáchal ten ostudný čin by měl mít u "
    "sebe můj nůž.",
    "Oh, as I said, I don't know who did it, but he should have my knife with him."};
constexpr Text kD30{
    "Ó, opravdu netuším, kdo z osady by mohl něco takového učinit, avšak zdaliž hledáte nějakou stopu, pak hledejte "
    "nůž.",
    "Oh, I really have no idea, who could do something like this, but if need first trace, look for the knife."};
constexpr Text kD31{
    ". . . je intelektuálním ekvivalentem domácího učitele přírodopisu, vztek samozřejmě nemám. Ó, to bych přeciž "
    "nebyl dobrým druidem, což?",
    ". . . who is intellectually equivalent to family teacher of natural science. I wouldn't be a good sorcerer if I "
    "would."};
constexpr Text kD32{". . .který má důvtip a šarm německého ovčáka po transplantaci hlavy a . . .",
                    ". . .with sagacity and beauty of a German shepherd after head transplantation, . . ."};
constexpr Text kD33{"Takže na toho ošklivého, notoricky mizerného, neuroticky narušeného pomatence, . . . ",
                    "So I am not angry to that bad, ugly, notorious wretch, neurotically eroded derange, . . ."};
constexpr Text kD34{
    "Pokud chcete být dobrým druidem, musíte zapomenout na zášť a nenávist. A musíte naopak umět odpouštět.",
    "If you want to be a good Sorcerer, you must forget the anger and hate.  You must learn to forgive."};
constexpr Text kD35{"Ó, já druid a být na někoho naštvaný? Ne, to ne. Druid to jest povolání vznešeného ducha.",
                    "Oh, me Sorcerer. I am not angry to anybody. As a Sorcerer you need to have higher soul."};
constexpr Text kD36{"Jak chcete.", "As you wish."};
constexpr Text kD37{"Jo, má pravdu, úplně cítím, jak jsem teď chytřejší a výřečnější, no fakt že jo.",
                    "Yes, he is right. I feel much smarter right now, oh yeah."};
constexpr Text kD38{"Ó, vždyť u sebe dvacet zlatých nemáte.", "But you don't have any money with you."};
constexpr Text kD39{
    "Ó, máte sice u sebe dvacet zlatých, ale má prozíravost mi říká, že za ně musíte pomoct lidem, kteří to potřebují.",
    "Oh, you already have twenty bucks, but I think there are people that need this money more than I do."};
constexpr Text kD40{
    "Ó, předobré to rozhodnutí. V tento okamžik byla zdokonalena vaše schopnost v komunikaci s ostatními lidmi.",
    "Oh, great decision. Now, you will be able to talk to other people much better."};
constexpr Text kD41{"Ó, berte nebo nechte být.", "Oh, take or let is be."};
constexpr Text kD42{"Tak mi teda dejte jednu tu inteligenci.", "So give me one that intelligence."};
constexpr Text kD43{"Zatím s tou koupí počkám.", "I'll rather wait with the buying."};
constexpr Text kD44{"Dvacet zlatých! A není to trošku moc!", "Twenty! Isn't it a bit much?"};
constexpr Text kD45{
    "Že jste tu pro to, aby jste zachránil naši osadu, tak mi samotná prozíravost radí, ať vám dám slevu. Takže "
    "pouhých dvacet zlatých.",
    "You are here to save our village, so whole the eternity keeps telling me to lower the price much. So it is only "
    "twenty bucks."};
constexpr Text kD46{"Hmm, no, a kolik by to asi tak stálo.", "Well, and how much would it cost?"};
constexpr Text kD47{"Ó, jistě, jistě, avšak tento lektvar vám váš stávající obrovský intelekt ještě zvýší.",
                    "Oh sure, sure, but this will advance you current large intellect."};
constexpr Text kD48{"Ale já už inteligenci mám!", "But I have already a lot of intelligence!"};
constexpr Text kD49{
    "Ó, ale vůbec nic, nechtěl bych vás urazit. Jen si v mém nitru rozpravuji o tom, že by se to dobrodruhovi jako "
    "jste vy docela hodilo.",
    "Oh, nothing bad about you. I just thought that such thing could help to adventurer like you are."};
constexpr Text kD50{"No a co tím jako chcete naznačit?", "And this is supposed to mean what?"};
constexpr Text kD51{"Ó, vám už jsem přeci inteligenci prodal. Nužeš vám tedy nemohu nic nabídnout.",
                    "Oh, I have already sold you the intelligence. I cannot offer you anything else."};
constexpr Text kD52{
    "Ó, kromě Becherovky dělám prášky tišící bolest, pak nějaké léčivé bylinky, ale vám bych mohl nabídnout lektvar "
    "inteligence.",
    "Oh, except of Becherovka, I got also painkillers, some herbs and I can offer you also fluid of intelligence."};
constexpr Text kD53{"Jak již má ústa prorokovala, mám tu lektvar inteligence za dvacet zlatých.",
                    "As my lips already said, I have here fluid of intelligence for twenty bucks."};
constexpr Text kD54{
    "Jinými slovy pokud se vám nepodaří najít pachatele, který mi odcizil onu láhev, celá osada je ztracena, Ó.",
    "In other words, if you won't find the thief that stolen the bottle, the village is lost."};
constexpr Text kD55{
    "Dokonce už někteří obyvatelé osady začínají bláznit, Ó. Pokud jste už mluvil s místním šerifem, pak víte o čem "
    "hovořím.",
    "Some people are already getting crazy. Oh, if you talked to local Sheriff, you know what I am talking about."};
constexpr Text kD56{"Zvykli si na lahodnou chuť tohoto likéru, a teď odmítají pít cokoliv jiného.",
                    "They get used to it so much, that they refuse to drink anything else."};
constexpr Text kD57{"Nemohu teď vyrábět Becherovku a obyvatelé osady nemají už den co pít, Ó.",
                    "Right now, I cannot make the Becherovka and people have nothing to drink."};
constexpr Text kD58{"Ach ano, je to strašné! Musíte tu láhev znovu najít, cizinče neboť jinak se stane katastrofa!",
                    "Oh yes, it is terrible! You must find that bottle or disaster will happen."};
constexpr Text kD59{"No, o tom, že vám ukradli tu láhev, přeci.", "That someone took your bottle."};
constexpr Text kD60{"Och, ano, ano a o čem že jsme to vlastně vedli rozpravu?", "Oh yes. What were we talking about?"};
constexpr Text kD61{
    "No, snad se mu to podaří i když zatím to vypadá jako pěkně zapeklitý případ, ale vraťme se zpátky ke scénáři, ne?",
    "Well I hope so, but is seems to be very complicated case right now. Okay, let's continue."};
constexpr Text kD62{
    "Ó, tak to je velmi užitečné zařízeni, nužeš doufejme že se to hráči podaří. Ó, síly dobra, provázejte jej na jeho "
    "cestě.",
    "Oh, very useful device, well let's hope, he will be successful in his journey. Let good power stay with him."};
constexpr Text kD63{"No, vono je to na to, aby nás mohl vidět a díky toho, aby do této osady navrátil zpět Becherovku.",
                    "Well, he could see us through it. And this way he can get the Becherovka back to this village."};
constexpr Text kD64{"Ó, a já si pořád říkal, co před mou chatrčí tady v lese, dělá to velké sklo.",
                    "Oh. I was curious, what is this large glass doing before my house."};
constexpr Text kD65{"Ano, ale vlastně se o to nepokouším já, ale hráč, to je ten člověk za tím sklem.",
                    "Yes, but it is not me, but the player. That's the person behind that glass."};
constexpr Text kD66{
    "Ano, ano, někdo se ke mě vloupal. Má prozíravost mi říká, že ty budeš ten kdož onu láhev má navrátit zpět.",
    "Yes, yes. Someone breached in. Something is telling me that you are the one, who will get the bottle back."};
constexpr Text kD67{"Vy musíte být určitě ten místní druid, kterému byla odcizena ta posvátná láhev, že?",
                    "You must be local Sorcerer that is missing the sacred bottle, aren't you?"};

// The druid speaks in red, the detective listens; and the reverse.
constexpr auto kDruidPose = ops(show("L1pusa"), hide("L1mluva"), hide("Drujdpusa"), show("Drujdpusamluva"));
constexpr auto kDruidSpeaks = join(kDruidPose, ops(colour(layout::clRed)));
constexpr auto kDetectivePose = ops(hide("L1pusa"), show("L1mluva"), show("Drujdpusa"), hide("Drujdpusamluva"));
constexpr auto kDetectiveSpeaks = join(kDetectivePose, ops(colour(layout::clYellow)));
// The detective's own thought after buying the fluid: his portrait makes way
// for the description animation, the druid's mouth rests.
constexpr auto kCommentPose = ops(hide("L1hlava"), hide("L1ocimluva"), hide("L1oci"), hide("L1pusa"), hide("L1mluva"),
                                  show("Drujdpusa"), hide("Drujdpusamluva"));

constexpr auto druid(Text line) {
    return join(kDruidSpeaks, ops(say(line)));
}
constexpr auto detective(Text line) {
    return join(kDetectiveSpeaks, ops(say(line)));
}

// Both conditions at once (a row takes one condition only).
template <bool (*A)(const scenes::Context&), bool (*B)(const scenes::Context&)>
bool both(const scenes::Context& c) {
    return A(c) && B(c);
}

constexpr auto saidNotAngry = shown<"Sdrujdovynadavky">;
constexpr auto notAskedAboutAnger = hidden<"Sdrujdovynadavky">;
constexpr auto recitedScroll = shown<"Stequilzakopem">;
constexpr auto notRecitedScroll = hidden<"Stequilzakopem">;
constexpr auto toldLegend = shown<"Sdrujdovovypraveni">;
constexpr auto notToldLegend = hidden<"Sdrujdovovypraveni">;
constexpr auto boughtWits = shown<"Sinteligence">;
constexpr auto witsNotBought = hidden<"Sinteligence">;
constexpr auto namedWares = shown<"Sobchodsdrujdem">;
constexpr auto waresNotNamed = hidden<"Sobchodsdrujdem">;
constexpr auto toldPrologue = shown<"Sdrujduvprolog">;
constexpr auto prologueNotTold = hidden<"Sdrujduvprolog">;

// The three questions he comes back to.
constexpr auto kStandardChoices =
    ops(choice(1, kD02), when(saidNotAngry, choice(2, kD03)), when(notAskedAboutAnger, choice(2, kD04)),
        when(recitedScroll, choice(3, kD05)), when(notRecitedScroll, choice(3, kD06)));
// Buy the fluid now or later; no cancelling this offer.
constexpr auto kBuyOrWait = ops(choice(1, kD42), choice(2, kD43), emptyChoice(3), set("ChoicesWithoutCancel", 1));

// The fluid costs twenty coins; one who has them but has not yet bought the
// baguette is sent to help the people who need the money first.
bool underTwenty(const scenes::Context& c) {
    return scenes::captionNumber(c.c.Penez->Caption) < 20;
}
bool twentyNoFoodYet(const scenes::Context& c) {
    return !underTwenty(c) && c.state.FoodBought != 1;
}
bool twentyAfterFood(const scenes::Context& c) {
    return !underTwenty(c) && c.state.FoodBought == 1;
}

// The supplies: the scroll about the ten buried bottles.
constexpr auto kScroll = join(druid(kD01), ops(show("Stequilzakopem")), kStandardChoices);
constexpr auto kThereAreScrolls = druid(kD07);
constexpr auto kWhereExactly = detective(kD08);
constexpr auto kNoLabel = druid(kD09);
constexpr auto kForebears = druid(kD10);
constexpr auto kAWayToHelp = druid(kD11);
constexpr auto kNoSupplies = druid(kD12);
// The suspicion: his knife, and the legend of the monster of the Sacred Hill.
constexpr auto kLegendEnds = join(druid(kD13), ops(show("Sdrujdovovypraveni")), kStandardChoices);
constexpr auto kOnlySellers = druid(kD14);
constexpr auto kGuardsTheCave = druid(kD15);
constexpr auto kWentMad = druid(kD16);
constexpr auto kOnlyInTheCave = druid(kD17);
constexpr auto kEternalLife = druid(kD18);
constexpr auto kTheCaveHides = druid(kD19);
constexpr auto kTheMonster = detective(kD20);
constexpr auto kSellToTheMonster = druid(kD21);
constexpr auto kLetUsHope = druid(kD22);
constexpr auto kWhyAfraid = detective(kD23);
constexpr auto kForMoney = druid(kD24);
constexpr auto kWhyWouldAnyone = detective(kD25);
constexpr auto kARareKnife = druid(kD26);
constexpr auto kYourKnife = detective(kD27);
constexpr auto kKnifeGone = druid(kD28);
constexpr auto kAsISaid = druid(kD29);
constexpr auto kLookForTheKnife = druid(kD30);
// The anger he does not feel.
constexpr auto kNotAngry = join(druid(kD31), ops(show("Sdrujdovynadavky")), kStandardChoices);
constexpr auto kGermanShepherd = druid(kD32);
constexpr auto kThatWretch = druid(kD33);
constexpr auto kForgive = druid(kD34);
constexpr auto kMeAngry = druid(kD35);
// The fluid of intelligence.
constexpr auto kAsYouWish = join(druid(kD36), kStandardChoices);
// Bought: the detective feels smarter, and says so in his own thoughts. His
// portrait comes back when the exchange ends.
constexpr auto kSmarter = join(ops(describe(kD37), emptyRozhovor()), kStandardChoices, kCommentPose,
                               ops(show("Sinteligence"), set("DruidAfterword", 1)));
constexpr auto kNoMoney = join(druid(kD38), kStandardChoices);
constexpr auto kHelpPeopleFirst = join(druid(kD39), kStandardChoices);
constexpr auto kGoodDecision = join(druid(kD40), ops(addTo("Penez", -20)));
constexpr auto kTakeOrLeave = join(druid(kD41), kBuyOrWait);
constexpr auto kTooMuch = detective(kD44);
constexpr auto kADiscount = druid(kD45);
constexpr auto kHowMuch = detective(kD46);
constexpr auto kEvenMore = druid(kD47);
constexpr auto kIHaveIt = detective(kD48);
constexpr auto kNoOffence = druid(kD49);
constexpr auto kMeaning = detective(kD50);
constexpr auto kAlreadySold = druid(kD51);
constexpr auto kMyWares = join(druid(kD52), ops(show("Sobchodsdrujdem")));
constexpr auto kAsMyLipsSaid = join(druid(kD53), kBuyOrWait);
// The prologue, at the first meeting.
constexpr auto kVillageLost = join(druid(kD54), ops(show("Sdrujduvprolog")), kStandardChoices);
constexpr auto kGoingCrazy = druid(kD55);
constexpr auto kUsedToTheTaste = druid(kD56);
constexpr auto kCannotMakeIt = druid(kD57);
constexpr auto kTerrible = druid(kD58);
constexpr auto kTheBottle = detective(kD59);
constexpr auto kWhatAbout = druid(kD60);
constexpr auto kBackToTheScript = detective(kD61);
constexpr auto kUsefulDevice = druid(kD62);
constexpr auto kHeSeesUs = detective(kD63);
constexpr auto kLargeGlass = druid(kD64);
constexpr auto kThePlayer = detective(kD65);
constexpr auto kSomeoneBrokeIn = druid(kD66);

// Every thread runs from the bottom of the table up: a new line never fires a
// step further down in the same pass.
const Step kSteps[] = {
    // The supplies, and the scroll again.
    {.after = kD05, .actions = kScroll, .timing = Timing::Speech},
    {.after = kD07, .actions = kScroll, .timing = Timing::Speech},
    {.after = kD08, .actions = kThereAreScrolls, .timing = Timing::Talk},
    {.after = kD09, .actions = kWhereExactly, .timing = Timing::Talk},
    {.after = kD10, .actions = kNoLabel, .timing = Timing::Talk},
    {.after = kD11, .actions = kForebears, .timing = Timing::Talk},
    {.after = kD12, .actions = kAWayToHelp, .timing = Timing::Talk},
    {.after = kD06, .actions = kNoSupplies, .timing = Timing::Talk},
    // The suspicion and the legend; once the legend is told, only the knife.
    {.after = kD14, .actions = kLegendEnds, .timing = Timing::Speech},
    {.after = kD15, .actions = kOnlySellers, .timing = Timing::Talk},
    {.after = kD16, .actions = kGuardsTheCave, .timing = Timing::Talk},
    {.after = kD17, .actions = kWentMad, .timing = Timing::Talk},
    {.after = kD18, .actions = kOnlyInTheCave, .timing = Timing::Talk},
    {.after = kD19, .actions = kEternalLife, .timing = Timing::Talk},
    {.after = kD20, .actions = kTheCaveHides, .timing = Timing::Talk},
    {.after = kD21, .actions = kTheMonster, .timing = Timing::Talk},
    {.after = kD22, .actions = kSellToTheMonster, .timing = Timing::Talk},
    {.after = kD23, .actions = kLetUsHope, .timing = Timing::Talk},
    {.after = kD24, .actions = kWhyAfraid, .timing = Timing::Talk},
    {.after = kD25, .actions = kForMoney, .timing = Timing::Talk},
    {.after = kD26, .actions = kWhyWouldAnyone, .timing = Timing::Talk},
    {.after = kD27, .actions = kARareKnife, .timing = Timing::Talk},
    {.after = kD28, .actions = kYourKnife, .timing = Timing::Talk},
    {.after = kD30, .actions = kKnifeGone, .timing = Timing::Talk},
    {.after = kD03, .when = toldLegend, .actions = kAsISaid, .timing = Timing::Speech, .endsTick = true},
    {.after = kD03, .when = notToldLegend, .actions = kLookForTheKnife, .timing = Timing::Talk},
    // The anger.
    {.after = kD32, .actions = kNotAngry, .timing = Timing::Speech},
    {.after = kD33, .actions = kGermanShepherd, .timing = Timing::Talk},
    {.after = kD34, .actions = kThatWretch, .timing = Timing::Talk},
    {.after = kD35, .actions = kForgive, .timing = Timing::Talk},
    {.after = kD04, .actions = kMeAngry, .timing = Timing::Talk},
    // The fluid of intelligence: waiting, buying, and the price.
    {.after = kD43, .actions = kAsYouWish, .timing = Timing::Speech},
    {.after = kD40, .actions = kSmarter, .timing = Timing::Speech},
    {.after = kD42, .when = underTwenty, .actions = kNoMoney, .timing = Timing::Speech, .endsTick = true},
    {.after = kD42, .when = twentyNoFoodYet, .actions = kHelpPeopleFirst, .timing = Timing::Speech, .endsTick = true},
    {.after = kD42, .when = twentyAfterFood, .actions = kGoodDecision, .timing = Timing::Talk},
    {.after = kD44, .actions = kTakeOrLeave, .timing = Timing::Speech},
    {.after = kD45, .actions = kTooMuch, .timing = Timing::Talk},
    {.after = kD46, .actions = kADiscount, .timing = Timing::Talk},
    {.after = kD47, .actions = kHowMuch, .timing = Timing::Talk},
    {.after = kD48, .actions = kEvenMore, .timing = Timing::Talk},
    {.after = kD49, .actions = kIHaveIt, .timing = Timing::Talk},
    {.after = kD50, .actions = kNoOffence, .timing = Timing::Talk},
    {.after = kD52, .actions = kMeaning, .timing = Timing::Talk},
    {.after = kD02, .when = boughtWits, .actions = kAlreadySold, .timing = Timing::Speech, .endsTick = true},
    {.after = kD02,
     .when = both<witsNotBought, waresNotNamed>,
     .actions = kMyWares,
     .timing = Timing::Talk,
     .endsTick = true},
    {.after = kD02, .when = both<witsNotBought, namedWares>, .actions = kAsMyLipsSaid, .timing = Timing::Speech},
    // The prologue.
    {.after = kD55, .actions = kVillageLost, .timing = Timing::Speech},
    {.after = kD56, .actions = kGoingCrazy, .timing = Timing::Talk},
    {.after = kD57, .actions = kUsedToTheTaste, .timing = Timing::Talk},
    {.after = kD58, .actions = kCannotMakeIt, .timing = Timing::Talk},
    {.after = kD59, .actions = kTerrible, .timing = Timing::Talk},
    {.after = kD60, .actions = kTheBottle, .timing = Timing::Talk},
    {.after = kD61, .actions = kWhatAbout, .timing = Timing::Talk},
    {.after = kD62, .actions = kBackToTheScript, .timing = Timing::Talk},
    {.after = kD63, .actions = kUsefulDevice, .timing = Timing::Talk},
    {.after = kD64, .actions = kHeSeesUs, .timing = Timing::Talk},
    {.after = kD65, .actions = kLargeGlass, .timing = Timing::Talk},
    {.after = kD66, .actions = kThePlayer, .timing = Timing::Talk},
    {.after = kD67, .actions = kSomeoneBrokeIn, .timing = Timing::Talk},
};

// The opening: his eyes and the detective's turn attentive. At the first
// meeting the detective can only introduce himself; after the prologue the
// three questions are offered.
constexpr auto kOpening =
    ops(show("zrusit"), show("L1ocimluva"), hide("L1oci"), show("Drujdocimluva"), hide("Drujdoci"),
        when(toldPrologue, choice(1, kD02)), when(both<toldPrologue, saidNotAngry>, choice(2, kD03)),
        when(both<toldPrologue, notAskedAboutAnger>, choice(2, kD04)),
        when(both<toldPrologue, recitedScroll>, choice(3, kD05)),
        when(both<toldPrologue, notRecitedScroll>, choice(3, kD06)), when(toldPrologue, show("Otazka1")),
        when(toldPrologue, show("Otazka2")), when(toldPrologue, show("Otazka3")),
        when(prologueNotTold, choice(1, kD67)), when(prologueNotTold, show("Otazka1")));
constexpr auto kListening = ops(show("L1ocimluva"), show("L1pusa"), show("Drujdocimluva"), show("Drujdpusa"),
                                hide("L1oci"), hide("L1mluva"), hide("Drujdoci"), hide("Drujdpusamluva"));
constexpr auto kCancelEyes = ops(show("Drujdoci"), show("L1oci"), hide("Drujdocimluva"), hide("L1ocimluva"));

}  // namespace

const StepGroup kDruidSteps{.name = "druid", .scene = scenes::Scene::Les1, .steps = kSteps};

// Every click on him ends with his answer to an item held, if any.
const Character kDruid{.name = "druid",
                       .scene = scenes::Scene::Les1,
                       .hotspot = "PokecL1",
                       .opening = kOpening,
                       .itemUse = scenes::ItemUse::Druid,
                       .replyPose = kDetectivePose,
                       .listeningPose = kListening,
                       .cancelEyes = kCancelEyes};

}  // namespace kvarnel::story

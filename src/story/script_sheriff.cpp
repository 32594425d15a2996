// The sheriff in his prison. Without Becherovka he talks nonsense; once the
// publican has poured him some he thinks straight, blames the Bush Man and
// tells how he let Eleanor leave the village for her sick penguin. Shown the
// druid's knife, he and the detective work out that Eleanor is the thief: he
// pays ten coins for the solved case and explains the way to the Sacred Hill
// and its seven caves. At the first meeting he hands over a shovel.
//
// An item held out to his talk hotspot gets no answer of his: only his body
// takes items (his description rows). The click ends, as every talk click
// does, with the failed-use hook, which answers with the detective's word on
// the item and puts it back on the bar, so the hands do not stay full. (An
// item is only ever held with the bar open, when descriptions are off, so
// such a click opens no talk; were it to, his answer, and with the knife his
// whole story, would run under the opening's choices, where a cancel would
// stop it halfway with the detective held.)
#include "scenes/sheriff_lines.h"
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

constexpr Text kS01{"Jó, stoly tu máme hezký.", "Well these tables are pretty."};
constexpr Text kS02{"Hmm, taky mi dopsala průpiska.", "And my pen is exhausted too."};
constexpr Text kS03{"Já nevím, podle mě je to obyčejný kus železobetonu.",
                    "I don't know. It seems like a piece of concrete to me."};
constexpr Text kS04{"Ticho, přemýšlím, že bych si upletl beton.", "Quiet! I am thinking about knitting the concrete."};
constexpr Text kS05{"Jo, babičku mám hodnou, posledně mi upletla nádherný gumáky.",
                    "My grandmother is nice to me. She knitted me these nice galoshes."};
constexpr Text kS06{"Jedeš!?", "Going?!"};
constexpr Text kS07{"Hele, veverky z toho vynechte.", "Hey, left them out of it, yeah."};
constexpr Text kS08{"A o těch klokanech jsem právě mluvil.", "And these kangaroos I talked about."};
constexpr Text kS09{"No, v tuhle hodinu to asi fakt nepůjde.", "Well, it won't work in this hour."};
constexpr Text kS10{"Ne, ne, přece vidíš, že jsem ve službě.", "No. You see that I am in charge."};
constexpr Text kS11{"Hmm, tak zbořit čaj? To je docela dobrý nápad.",
                    "Yeah, that's the reason, why we must set that waterfall on fire."};
constexpr Text kS12{"No právě a proto ten vodopád musíme podpálit.",
                    "Yeah, that's the reason, why we must set that waterfall on fire."};
constexpr Text kS13{"A já jim pořád říkal, ať si přečtou tu cihlu.", "And I was telling them to read that brick."};
constexpr Text kS14{"To neřeš, vynásob to pěti a bude to zas dobrý.",
                    "Multiply it by five and it is gonna be good again."};
constexpr Text kS16{"Dávejte pozor abyste tu nerozlil ten oheň!", "Hey, don't spill that fire all over here!"};
constexpr Text kS17{"Navíc se druidovi ztratil i jeho nůž, který se takovému křovákovi docela hodí.",
                    "What over, he took the Sorcerer's knife. Such a Bush man needs good knife."};
constexpr Text kS18{"Jako jedinej má motiv, protože nejvíc z osady potřebuje peníze.", "He is the one who need money."};
constexpr Text kS19{"A proč si to myslíte?", "Why do you think?"};
constexpr Text kS20{"Přece už jsem vám to povídal, podle mě to vzal křovák.",
                    "I told you, I think that the Bush man took the bottle."};
constexpr Text kS21{"No, nevím to jistě, ale můj instinkt mě říká, že to udělal křovák.",
                    "I don't know, but my instinct is telling me, that the Bush man did it."};
constexpr Text kS22{"Hmm, něco se mě na tom všem nezdá.", "Well, this all sounds odd to me."};
constexpr Text kS23{"Toho tučňáka má ve své chatě, údajně někde poblíž v lesích, ale bohužel sám nevím kde.",
                    "She has that penguin in her house. Probably somewhere nearly in woods, but I don't know where."};
constexpr Text kS24{"A kde bych jí našel?", "Where would I found her?"};
constexpr Text kS25{
    "Ano, nevím co se vám nezdá, ale buďte bez obav, Elenóře tu každý věří, ta je ta poslední, kdo by tu láhev bral.",
    "I did. You don't have to worry. Everyone trusts to Eleanor, she is the last who would have taken that bottle."};
constexpr Text kS26{
    "Jo, tak to bude ono. To jako myslíte vážně?! Vy jste jí pustil z osady, protože vám řekla, že jí onemocněl "
    "tučňák?",
    "That's it. You really mean that serious? You left her out, because she told you that her penguin is ill?"};
constexpr Text kS27{"Že jí onemocněl tučňák?", "That her penguin is ill?"};
constexpr Text kS28{"Ne, ne, ne, to co jste říkal potom.", "No, no, no, the next think you've said."};
constexpr Text kS29{"Že nám ukradli tu láhev? Já myslel, že už o tom víte.",
                    "They stolen the bottle. I thought you know about it."};
constexpr Text kS30{"Cože?! Rozuměl jsem dobře?!", "What? Pardon me, I had to miss something."};
constexpr Text kS31{
    "No, jak už jsem vám řekl, pustil jsem jí protože jí onemocněl tučňák, to jsem toho tučňáka měl nechat bez pomoci?",
    "As I said, I left here because her penguin is ill. Should I left that penguin without aid?"};
constexpr Text kS32{
    "Ale jistě, víte ona to teď nemá lehké. Zrovna když nám ukradli tu láhev, onemocněl jí tučňák.",
    "Of course. This is difficult time for her. They have stolen that bottle and her penguin get ill . . ."};
constexpr Text kS33{
    "To musíte pořád na východ od osady a vstup do jeskyních komplexů hory Posvátný vrch nemůžete minout.",
    "You must go to the east and you can't miss the cave complex entrance."};
constexpr Text kS34{"Tak on mi tu lopatu opravdu dal! On je asi vážně nějakej divnej.",
                    "Hey, he really gave me the shovel! Some people are different."};
constexpr Text kS35{"No, to jste fakt hodnej, určitě se bude hodit.", "I am grateful, it will certainly get useful."};
constexpr Text kS36{
    "Slyšel jsem, že jste z nedostatku Becherovky celý pryč, ale musím se přiznat, že tohle jsem opravdu nečekal.",
    "I have heard that some people react badly when there is no Becherovka, but I haven't expected this."};
constexpr Text kS37{"Cože? Tak vy byste chtěl lopatu? Máte štěstí, jednu tu mám.",
                    "What? So you need the shovel? You are lucky, I have one here."};
constexpr Text kS38{"Eh, možná že špatně slyším, ale vy jste mě vůbec neodpověděl na otázku, že?",
                    "I may listen badly, but you haven't answered the question, have you?"};
constexpr Text kS39{"V sobotu možná, ale přes týden? To fakt nevím.",
                    "Maybe in Saturday, but today? I really don't know."};
constexpr Text kS40{"Cože? Nemluvil jste teď trochu z cesty?", "What? Don't you just talked about whales?"};
constexpr Text kS41{"Nikdy předtím jsem tu bohužel žádnou velrybu nepotkal, protože na pouštích jich moc nechodí.",
                    "I have never met any whale, because most of them do not cruise the desert."};
constexpr Text kS42{
    "A málem bych zapomněl, tady máte za odhalení viníka toho hrůzného činu deset zlatých, snad vám na vaší cestě "
    "pomohou.",
    "And I almost forget to give you these ten bucks for solving the case. I hope the money get useful."};
constexpr Text kS43{
    "Od doby co je tam příšera se do sedmé jeskyně ještě nikdo nedostal. Přeji hodně štěstí, budete ho potřebovat.",
    "Till there is the monster, no one get to the seventh cave. I wish you luck and courage, you'll need it."};
constexpr Text kS44{"Takže pokud chcete opravdu navrátit láhev do rukou osady, musíte projít všech sedm jeskyní.",
                    "So if you really want to get the bottle back, you will need to pass all seven caves."};
constexpr Text kS45{"Podle legendy má příšera všechny poklady ukryté až v poslední jeskyni.",
                    "The legend says, that the monster keeps everything in the last cave."};
constexpr Text kS46{"Tyto komplexy tvoří sedm rozlehlých jeskyní.", "The complex is made by seven large caves."};
constexpr Text kS47{"Hora posvátný vrch je hluboko v lesích a je celá prokopaná jeskynními komplexy.",
                    "The hill is deep in woods and there are complex caves."};
constexpr Text kS48{
    "Cože? Chlape vy máte odvahu. Pokud se chcete opravdu vydat k Posvátnému vrchu, musíte jít na východ od osady.",
    "What? Man, you are courageous.  If you really want to get to the Sacred Hill, you must go to the East from the "
    "village."};
constexpr Text kS49{"A tak, já bych to i zkusil, ale kudy se tam dostanu?", "I would try to. How can I get there?"};
constexpr Text kS50{
    "Teď už Becherovku nikdy pít nebudem. Jenom blázen nebo hrdina by se pokusil obelstít příšeru v Posvátném vrchu a "
    "přinést láhev zpět.",
    "Now, we won't drink Becherovka anymore. Only crazy fool or hero would went and try to get the bottle back from "
    "the monster."};
constexpr Text kS51{
    "Hernajs chlape, vy jste mi rozenej detektiv. Ovšem pokud je to tak jak říkáte, je tato osada ztracena!",
    "Hey man, you are born detective. But if you are right, this village is lost!"};
constexpr Text kS52{
    "A ten nůž druidovi ukradla jen proto, aby jste obviňovali křováka, protože by se mu takový nůž určitě hodil.",
    "And she had stolen that knife from the Sorcerer, to throw everything at the Bush man."};
constexpr Text kS53{"Teď už si nejspíš užívá bohatství, za které ji příšera z Posvátného vrchu vyměnila tu láhev.",
                    "She is now probably enjoying everything she was given by the Monster from Sacred Hill."};
constexpr Text kS54{"A neznamenalo by to spíš, že ani žádného tučňáka nemá a že si tu historku vymyslela od základu?",
                    "Wouldn't it rather mean that there is probably no such thing as ill penguin?"};
constexpr Text kS55{"Znamenalo by to, že na toho nemocného tučňáka kašle a radši šla prodat tu láhev té příšeře!",
                    "It would mean, that she don't care the penguin and went to sell the bottle to the monster!"};
constexpr Text kS56{"Ovšem jestli je to co říkáte pravda, to by byla katastrofa! Víte co by to znamenalo?",
                    "If all what you said is true, it would be a disaster! Do you know what would it mean?"};
constexpr Text kS57{"No jo, s tak důmyslným příběhem mohla nepozorovaně opustit tuto osadu. To mě nenapadlo.",
                    "Yes. With such good story she could leave the village unseen. I had no idea."};
constexpr Text kS58{". . . a jako zástěrku si vymyslela, že musí odjet za nemocným tučňákem?",
                    ". . . and she made up the ill penguin story as a cover."};
constexpr Text kS59{"A neznamenalo by to spíš to, že potřebovala tu láhev prodat příšeře z Posvátného vrchu . . .",
                    "Wouldn't it mean that she needed to sell that bottle to the monster from the Sacred Hill . . ."};
constexpr Text kS60{
    "Ale víte co by to znamenalo? Znamenalo by to, že ta ženská krade i když má nemocného tučňáka!",
    "Do you know what does that mean? It means that the woman is thief, even when she has an ill penguin at home!"};
constexpr Text kS61{"Ano, něco takového hráč nemohl vůbec čekat, scénárista si dal záležet.",
                    "Yes. The player couldn't expect something like this. The screenplay is great."};
constexpr Text kS62{"Cože? Elenóra?! Té jsme tu všichni věřili! To je mi ale nečekaný zvrat v ději.",
                    "What? Eleanor? Everyone trusted to her! This is really unexpected reversal."};
constexpr Text kS63{"Měla ho v domě Elenóra.", "Eleonor kept it at home."};
constexpr Text kS64{
    "Och, to ne, já nemám s něčím podobným žádné zkušenosti! Osud této osady zůstává stále ve vašich rukou.",
    "Oh no! I have no experiences with something like this! The faith of this village is still in your hand."};
constexpr Text kS65{"Kdo podle vás tu láhev ukradl?", "Did you found any suspect?"};
constexpr Text kS66{"Doslechl jsem se, že jste nechal odjet ze Lhotky jistou Elenóru, mohu vědět proč?",
                    "I've heard that you left Eleanor to leave the place, may I ask why?"};
constexpr Text kS67{"No, ale teď budete pár dní v pořádku, takže případ Kvarnel můžete dořešit vy, ne?",
                    "Well, but you are going to be all right for a few days, so you can finish the case, can't you?"};
constexpr Text kS68{
    "Ano, ano a řekl mi i díky koho jsem zase schopen normálně uvažovat, takže jsem vám vděčný, ovšem časem se můj "
    "stav zase zhorší.",
    "Yes, yes and he told me who helped me to think straight again, so I am grateful, but my state will get worse "
    "again."};
constexpr Text kS69{"Ještě jednou, kudy že se dostanu k Posvátnému vrchu?",
                    "Once again, how can I get to the Sacred Hill?"};
constexpr Text kS70{"Vy budete hádám ten místní šerif, že?", "I guess that you are local Sheriff."};
constexpr Text kS72{"Tak co, už vám hostinský dal napít Becherovky?",
                    "Well, did the publican gave you some Becherovka?"};

constexpr auto kSheriffPose = ops(show("Vvpusa"), hide("Vvmluva"), hide("Serifpusa"), show("Serifmluva"));
constexpr auto kSheriffSpeaks = join(kSheriffPose, ops(colour(layout::clRed)));
constexpr auto kDetectivePose = ops(hide("Vvpusa"), show("Vvmluva"), show("Serifpusa"), hide("Serifmluva"));
constexpr auto kDetectiveSpeaks = join(kDetectivePose, ops(colour(layout::clYellow)));

bool accusedBushMan(const scenes::Context& c) {
    return c.state.SheriffAccusedBushMan == 1;
}
bool notAccusedYet(const scenes::Context& c) {
    return !accusedBushMan(c);
}
bool toldOfEleanor(const scenes::Context& c) {
    return c.state.SheriffToldOfEleanor == 1;
}
bool notToldYet(const scenes::Context& c) {
    return !toldOfEleanor(c);
}

// His nonsense: a number 0..14 drawn into the index the failed-use answers
// share; 0..13 pick the first fourteen lines, 14 the last.
void drawNonsense(scenes::Context& c) {
    c.state.FailedUseIndex = static_cast<int32_t>(c.random.next(15));
}
template <int32_t N>
bool drew(const scenes::Context& c) {
    return c.state.FailedUseIndex == N;
}
constexpr auto kStep1 = join(
    kSheriffSpeaks,
    ops(call(drawNonsense), when(drew<0>, say(kS01)), when(drew<1>, say(kS02)), when(drew<2>, say(kS03)),
        when(drew<3>, say(kS04)), when(drew<4>, say(kS05)), when(drew<5>, say(kS06)), when(drew<6>, say(kS07)),
        when(drew<7>, say(kS08)), when(drew<8>, say(kS09)), when(drew<9>, say(kS10)), when(drew<10>, say(kS11)),
        when(drew<11>, say(kS12)), when(drew<12>, say(kS13)), when(drew<13>, say(kS14)), when(drew<14>, say(kS16))));
constexpr auto kStep2 = join(kSheriffSpeaks, ops(say(kS17), set("SheriffAccusedBushMan", 1)));
constexpr auto kStep3 = join(kSheriffSpeaks, ops(say(kS18)));
constexpr auto kStep4 = join(kDetectiveSpeaks, ops(say(kS19)));
constexpr auto kStep5Again = join(kSheriffSpeaks, ops(say(kS20)));
constexpr auto kStep5 = join(kSheriffSpeaks, ops(say(kS21)));
constexpr auto kStep6 = join(kDetectiveSpeaks, ops(say(kS22)));
constexpr auto kStep7 = join(kSheriffSpeaks, ops(say(kS23)));
constexpr auto kStep8 = join(kDetectiveSpeaks, ops(say(kS24)));
constexpr auto kStep9 = join(kSheriffSpeaks, ops(say(kS25)));
constexpr auto kStep10 = join(kDetectiveSpeaks, ops(say(kS26)));
constexpr auto kStep11 = join(kSheriffSpeaks, ops(say(kS27)));
constexpr auto kStep12 = join(kDetectiveSpeaks, ops(say(kS28)));
constexpr auto kStep13 = join(kSheriffSpeaks, ops(say(kS29)));
constexpr auto kStep14 = join(kDetectiveSpeaks, ops(say(kS30), set("SheriffToldOfEleanor", 1)));
constexpr auto kStep15Again = join(kSheriffSpeaks, ops(say(kS31)));
constexpr auto kStep15 = join(kSheriffSpeaks, ops(say(kS32)));
constexpr auto kStep16 = join(kSheriffSpeaks, ops(say(kS33)));
// The detective's own comment on the gift; his face shows the description
// animation, so both his mouths go.
constexpr auto kStep17 = ops(describe(kS34), emptyRozhovor(), hide("Vvpusa"), hide("Vvmluva"));
constexpr auto kStep18 = join(kDetectiveSpeaks, ops(say(kS35), choice(1, kS36)));
constexpr auto kStep19 = join(kSheriffSpeaks, ops(say(kS37), give(core::Item::Shovel)));
constexpr auto kStep20 = join(kDetectiveSpeaks, ops(say(kS38)));
constexpr auto kStep21 = join(kSheriffSpeaks, ops(say(kS39)));
constexpr auto kStep22 = join(kDetectiveSpeaks, ops(say(kS40)));
constexpr auto kStep23 = join(kSheriffSpeaks, ops(say(kS41), show("Sserif")));
// The case solved: ten coins, and the exchange ends after this line.
constexpr auto kStep24 = join(kSheriffSpeaks, ops(say(kS42), show("Sserif"), addTo("Penez", 10), set("PlayerFree", 1),
                                                  set("EndTalkAfterLine", 1), show("svyresenypripad")));
constexpr auto kStep25 = join(kSheriffSpeaks, ops(say(kS43), show("Sserif")));
constexpr auto kStep26 = join(kSheriffSpeaks, ops(say(kS44), show("Sserif")));
constexpr auto kStep27 = join(kSheriffSpeaks, ops(say(kS45), show("Sserif")));
constexpr auto kStep28 = join(kSheriffSpeaks, ops(say(kS46), show("Sserif")));
constexpr auto kStep29 = join(kSheriffSpeaks, ops(say(kS47), show("Sserif")));
constexpr auto kStep30 = join(kSheriffSpeaks, ops(say(kS48), show("Sserif")));
constexpr auto kStep31 = join(kDetectiveSpeaks, ops(say(kS49)));
constexpr auto kStep32 = join(kSheriffSpeaks, ops(say(kS50), show("Sserif")));
constexpr auto kStep33 = join(kSheriffSpeaks, ops(say(kS51), show("Sserif")));
constexpr auto kStep34 = join(kDetectiveSpeaks, ops(say(kS52)));
constexpr auto kStep35 = join(kDetectiveSpeaks, ops(say(kS53)));
constexpr auto kStep36 = join(kDetectiveSpeaks, ops(say(kS54)));
constexpr auto kStep37 = join(kSheriffSpeaks, ops(say(kS55), show("Sserif")));
constexpr auto kStep38 = join(kSheriffSpeaks, ops(say(kS56), show("Sserif")));
constexpr auto kStep39 = join(kSheriffSpeaks, ops(say(kS57), show("Sserif")));
constexpr auto kStep40 = join(kDetectiveSpeaks, ops(say(kS58)));
constexpr auto kStep41 = join(kDetectiveSpeaks, ops(say(kS59)));
constexpr auto kStep42 = join(kSheriffSpeaks, ops(say(kS60), show("Sserif")));
constexpr auto kStep43 = join(kDetectiveSpeaks, ops(say(kS61)));
constexpr auto kStep44 = join(kSheriffSpeaks, ops(say(kS62), show("Sserif"), set("SheriffSawKnife", 1)));
constexpr auto kStep45 = join(kDetectiveSpeaks, ops(say(kS63)));
constexpr auto kStep46 = join(kSheriffSpeaks, ops(say(kS64), choice(1, kS65), choice(2, kS66)));
constexpr auto kStep46NoEleanor = join(kSheriffSpeaks, ops(say(kS64), choice(1, kS65), emptyChoice(2)));
constexpr auto kStep47 = join(kDetectiveSpeaks, ops(say(kS67)));
constexpr auto kStep48 = join(kSheriffSpeaks, ops(say(kS68)));

const Step kSteps[] = {
    // The nonsense of a sheriff without his Becherovka, drawn afresh every time.
    {.after = kS36, .actions = kStep1, .timing = Timing::Speech},
    // Who took the bottle.
    {.after = kS18, .actions = kStep2, .timing = Timing::Speech},
    {.after = kS19, .actions = kStep3, .timing = Timing::Talk},
    {.after = kS21, .actions = kStep4, .timing = Timing::Talk},
    {.after = kS65, .when = accusedBushMan, .actions = kStep5Again, .timing = Timing::Speech},
    {.after = kS65, .when = notAccusedYet, .actions = kStep5, .timing = Timing::Talk},
    // Eleanor, who left because her penguin fell ill.
    {.after = kS23, .actions = kStep6, .timing = Timing::Speech},
    {.after = kS24, .actions = kStep7, .timing = Timing::Talk},
    {.after = kS25, .actions = kStep8, .timing = Timing::Talk},
    {.after = kS26, .actions = kStep9, .timing = Timing::Talk},
    {.after = kS27, .actions = kStep10, .timing = Timing::Talk},
    {.after = kS28, .actions = kStep11, .timing = Timing::Talk},
    {.after = kS29, .actions = kStep12, .timing = Timing::Talk},
    {.after = kS30, .actions = kStep13, .timing = Timing::Talk},
    {.after = kS32, .actions = kStep14, .timing = Timing::Talk},
    {.after = kS66, .when = toldOfEleanor, .actions = kStep15Again, .timing = Timing::Speech},
    {.after = kS66, .when = notToldYet, .actions = kStep15, .timing = Timing::Talk},
    // The way to the Sacred Hill, once the case is solved.
    {.after = kS69, .actions = kStep16, .timing = Timing::Speech},
    // The first meeting: the shovel.
    {.after = kS35, .actions = kStep17, .timing = Timing::Speech},
    {.after = kS37, .actions = kStep18, .timing = Timing::Talk},
    {.after = kS38, .actions = kStep19, .timing = Timing::Talk},
    {.after = kS39, .actions = kStep20, .timing = Timing::Talk},
    {.after = kS40, .actions = kStep21, .timing = Timing::Talk},
    {.after = kS41, .actions = kStep22, .timing = Timing::Talk},
    {.after = kS70, .actions = kStep23, .timing = Timing::Talk},
    // The knife: Eleanor is the thief; ten coins and the way to the hill.
    {.after = kS43, .actions = kStep24, .timing = Timing::Speech},
    {.after = kS44, .actions = kStep25, .timing = Timing::Talk},
    {.after = kS45, .actions = kStep26, .timing = Timing::Talk},
    {.after = kS46, .actions = kStep27, .timing = Timing::Talk},
    {.after = kS47, .actions = kStep28, .timing = Timing::Talk},
    {.after = kS48, .actions = kStep29, .timing = Timing::Talk},
    {.after = kS49, .actions = kStep30, .timing = Timing::Talk},
    {.after = kS50, .actions = kStep31, .timing = Timing::Talk},
    {.after = kS51, .actions = kStep32, .timing = Timing::Talk},
    {.after = kS52, .actions = kStep33, .timing = Timing::Talk},
    {.after = kS53, .actions = kStep34, .timing = Timing::Talk},
    {.after = kS54, .actions = kStep35, .timing = Timing::Talk},
    {.after = kS55, .actions = kStep36, .timing = Timing::Talk},
    {.after = kS56, .actions = kStep37, .timing = Timing::Talk},
    {.after = kS57, .actions = kStep38, .timing = Timing::Talk},
    {.after = kS58, .actions = kStep39, .timing = Timing::Talk},
    {.after = kS59, .actions = kStep40, .timing = Timing::Talk},
    {.after = kS60, .actions = kStep41, .timing = Timing::Talk},
    {.after = kS61, .actions = kStep42, .timing = Timing::Talk},
    {.after = kS62, .actions = kStep43, .timing = Timing::Talk},
    {.after = kS63, .actions = kStep44, .timing = Timing::Talk},
    {.after = scenes::kSheriffKnowsTheKnife, .actions = kStep45, .timing = Timing::Talk},
    // With his drink: the case is the detective's.
    {.after = kS67, .when = shown<"SInfoopachatelce">, .actions = kStep46, .timing = Timing::Speech},
    {.after = kS67, .when = hidden<"SInfoopachatelce">, .actions = kStep46NoEleanor, .timing = Timing::Speech},
    {.after = kS68, .actions = kStep47, .timing = Timing::Talk},
    {.after = kS72, .actions = kStep48, .timing = Timing::Talk},
};

// His first answer to the knife comes from the item answer.
const Text kFromOutside[] = {scenes::kSheriffKnowsTheKnife};

// The opening, the first case that applies.
bool caseSolved(const scenes::Context& c) {
    return shown<"svyresenypripad">(c);
}
bool firstMeeting(const scenes::Context& c) {
    return !caseSolved(c) && hidden<"Sserif">(c);
}
bool met(const scenes::Context& c) {
    return !caseSolved(c) && shown<"Sserif">(c);
}
bool withoutHisDrink(const scenes::Context& c) {
    return met(c) && c.state.BottlesSold == 0;
}
bool askedForHisDrink(const scenes::Context& c) {
    return met(c) && c.state.BottlesSold != 0 && c.state.SheriffAskedForDrink == 1;
}
bool askedHeardOfEleanor(const scenes::Context& c) {
    return askedForHisDrink(c) && shown<"SInfoopachatelce">(c);
}
bool askedNotHeardOfEleanor(const scenes::Context& c) {
    return askedForHisDrink(c) && hidden<"SInfoopachatelce">(c);
}
bool asksForHisDrink(const scenes::Context& c) {
    return met(c) && c.state.BottlesSold != 0 && c.state.SheriffAskedForDrink != 1;
}

// Each case empties the captions of the replies it does not offer: the
// choices that come back at the end of an exchange show all three captions,
// and one left over from another character's talk would lead nowhere here,
// leaving its line on screen for good. In the last case the detective asks
// about the drink at once; its flag is set after the line is timed, since
// the flag decides the case.
constexpr auto kOpening = join(
    ops(hide("Serifoci"), show("Serifocimluva")),
    onlyWhen(caseSolved, ops(choice(1, kS69), show("Otazka1"), show("zrusit"), emptyChoice(2), emptyChoice(3))),
    onlyWhen(firstMeeting, ops(show("zrusit"), choice(1, kS70), show("Otazka1"), emptyChoice(2), emptyChoice(3))),
    onlyWhen(withoutHisDrink, ops(show("zrusit"), choice(1, kS36), show("Otazka1"), emptyChoice(2), emptyChoice(3))),
    onlyWhen(askedForHisDrink, ops(show("zrusit"), choice(1, kS65), show("Otazka1"))),
    ops(when(askedHeardOfEleanor, choice(2, kS66)), when(askedNotHeardOfEleanor, emptyChoice(2))),
    onlyWhen(askedForHisDrink, ops(show("Otazka2"), emptyChoice(3))),
    onlyWhen(asksForHisDrink,
             join(kDetectiveSpeaks, ops(say(kS72), time(Timing::Talk), set("SheriffAskedForDrink", 1)))));
constexpr auto kListening =
    ops(show("Vvhlava"), show("Vvoci"), show("Vvpusa"), show("Serifpusa"), show("Serifocimluva"), hide("Vvmluva"),
        hide("Vvpopis"), hide("Serifoci"), hide("Serifmluva"));
constexpr auto kCancelEyes = ops(show("Serifoci"), hide("Serifocimluva"));

}  // namespace

const StepGroup kSheriffSteps{
    .name = "sheriff", .scene = scenes::Scene::Veveznici, .steps = kSteps, .linesFromOutside = kFromOutside};

const Character kSheriff{.name = "sheriff",
                         .scene = scenes::Scene::Veveznici,
                         .hotspot = "Label122",
                         .opening = kOpening,
                         .itemUse = scenes::ItemUse::None,
                         .replyPose = kDetectivePose,
                         .listeningPose = kListening,
                         .cancelEyes = kCancelEyes};

}  // namespace kvarnel::story

// The Bush Man, who lives in the shrub in front of the prison and now and
// then stirs out of it. He is poor and his stomach aches with hunger; his
// daughter went to the druid for painkillers and has not come back, so he
// asks the detective to find her. Fed with the baguette he tells the one
// thing he saw on the night of the theft: only Eleanor, the old man's
// neighbour, passed by. With his daughter home he thanks the detective and
// pays him twenty coins; after that he only thanks him again.
//
// He can be talked to only while he is out of his shrub (his stirring has
// passed its sixth frame); before that a click on the shrub only wonders
// what rustles in it. When an exchange ends he goes back in: the engine's
// end of a conversation sends him there, so no step here does.
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

constexpr Text kB01{"Aha, tak to já si je radši vezmu. Tak děkuju.", "Oh yeah, so I rather take it. Thanks a lot."};
constexpr Text kB02{"Nemůžete to nepřijmout, protože bez těch peněz byste nemohl tuhle hru dokončit.",
                    "You cannot refuse, because without that money, you won't be able to finish this game."};
constexpr Text kB03{"To ale nemůžu přijmout.", "I cannot take it."};
constexpr Text kB04{
    "Ale vy jste jí teď zachránil život, takže tady vám ty peníze dávám, pane. Je to dvacet zlatých, snad vám příjdou "
    "vhod.",
    "But you saved her live, so here I am giving this money to you, sir. It is twenty bucks, they will be useful to "
    "you."};
constexpr Text kB05{
    "Ani nevíte, pane, jak jsem vám zavázán. Našetřil jsem si nějaké peníze, abych mohl dceři koupit učebnice a dát jí "
    "vzdělání.",
    "You don't know how grateful I am. I saved some money so I could buy for my daughter some books."};
constexpr Text kB06{
    "No, byla to hračka. Asi si jen cestou zpět spletla křáky a prolezla tím hustým křovím, kterým jsem se musel "
    "prosekat.",
    "Piece of cake. She probably went through the shrub I had to mow by mistake."};
constexpr Text kB07{
    "Tak to bohužel nevím pane, ale myslím že šerif chtěl vědět kam jede, takže to bude vědět on, pane.",
    "I don't know sir, but I think that Sheriff asked her to that question, so he will know, sir."};
constexpr Text kB08{"A nevíte kde bych zhruba našel tuhle Elenóru?", "Don't you know where would I find that Eleanor?"};
constexpr Text kB09{
    "Všichni jí tu věří více než mě, podle mě si šerif myslí že jsem to byl já, ale to já bych nikdy neudělal pane.",
    "Everyone here trusts her much more than to me. Sheriff thinks that I did it …but I would never did it, sir."};
constexpr Text kB10{"Ano, pane a to byl navíc ještě při smyslech.", "Yes sir and he were at his senses then."};
constexpr Text kB11{
    "Cože? On šerif někoho pustil pryč ze Lhotky, když je jasné, že to z osady někdo udělal, navíc ona je v podstatě "
    "hlavní podezřelá!",
    "What? The Sheriff left someone out when we are sure that local man did it, and what over she is main suspect "
    "now!"};
constexpr Text kB12{
    "Elenóra? Ona bydlí v domku hned vedle Dědka, ale pokud byste jí hledal pane, tak to ona je teď někde mimo osadu.",
    "Eleanor? She lives in house, just next door to Old man. But she is not at home sir, she went somewhere outside "
    "the village."};
constexpr Text kB13{"Elenóra? A to je zase kdo?", "Eleanor? And that's who?"};
constexpr Text kB14{
    "Neviděl jsem přímo pachatele při činu, ale tu noc tudy, směrem k druidovu domku procházela jediná osoba, Elenóra!",
    "I didn't catch the suspect at the scene. But that night, only one person passed this place, Eleanor!"};
constexpr Text kB15{"Ach pane, to co jsem viděl, už jsem vám vylíčil. Tu noc tady procházela pouze sousedka od Dědka.",
                    "Oh sir, I told you what I have seen. Only Old man's neighbor was here that night."};
constexpr Text kB16{"Ach pane, že jste mě dal tak dobré jídlo, tak vám tedy řeknu, co o tom vím.",
                    "Oh sir, thanks for so good food, I'll tell you what I know."};
constexpr Text kB17{"Ach pane, teď o tom vůbec nedokážu mluvit, strašně mě bolí břicho.",
                    "Oh sir, I can't even talk. It's such a pain from my stomach."};
constexpr Text kB18{"A kam přesně pro ty prášky šla?", "And where exactly did she go?"};
constexpr Text kB19{"Musíte na ní nejspíš pořád myslet, co?", "You are still thinking about her, aren't you?"};
constexpr Text kB20{"V intru říkali, že prý jste jediný svědek Kvarnel.",
                    "They said in intro, that you are only witness of the theft."};
constexpr Text kB21{"Jo, na tu. Ach, ano. Prosím, najděte mi ji!", "Oh yeah, her. Please, find her!"};
constexpr Text kB22{"No, na vaši dceru, přece.", "About your daughter, man!"};
constexpr Text kB23{"Eh, a na koho jako?", "Think about whom?"};
constexpr Text kB24{"Ach pane, už jsem vám to přeci říkal, šla za druidem, který sídlí v lese, nedaleko odtud.",
                    "Oh sir, as I said, she went to sorcerer that lives in wood, not too far from here."};
constexpr Text kB25{
    "No, ty prášky prodává druid, který sídlí v lese, nedaleko odtud. Ale je možné, že se tam ztratila. Ach, měl jsem "
    "jít s ní!",
    "Well the pills sells the sorcerer that lives in woods, not too far from here. It is possible that she get lost, "
    "oh I should go with her!"};
constexpr Text kB26{
    "Ach, pane, to už je teď přeci jedno, důležité je, že jste mě jí opět přivedl. Jsem vám zavázán, mockrát vám "
    "děkuju.",
    "Oh sir, it doesn't matter. Important is, that you brought her back. I am forever indebted to you, many thanks."};
constexpr Text kB27{"Cože!? Snad ještě je! Ach pane, prosím vás, musíte jí najít, nevím co bych si tu bez ní počal!",
                    "What? I am sure she still is! Oh sir, please, you must find her, without her, I am lost."};
constexpr Text kB28{"Byla to asi hodná holka, co?", "She was good girl, wasn't she?"};
constexpr Text kB29{
    "Ví, že mívám z nedostatku jídla strašné bolesti břicha, tak se rozhodla, že mi za ten 1 zlatý koupí prášky tišící "
    "bolest, ale už se nevrátila!",
    "She knows that I often have abdominal pain caused by lack of food, so she decided to buy me some painkillers, but "
    "she didn't came back!"};
constexpr Text kB30{
    "Stalo se to včera, měl jsem zrovna narozeniny a dcera měla ušetřené nějaké peníze, asi něco málo přes 1 zlatý a "
    "chtěla mi udělat radost.",
    "It happened yesterday. I just had birthday and my daughter had saves some money a little over 1 buck and she "
    "wanted make me happy."};
constexpr Text kB31{"Ale to je strašné! Jak se to stalo?", "That's horrible! How does it happen?"};
constexpr Text kB32{
    "Čím to? Vy se ptáte čím to? Ach pane, nemám domov, peníze a teď jsem ztratil i to jediné, co jsem měl, svoji "
    "dceru!",
    "You are asking what happened? Oh sir, I have no home, no money and now I have lost my darling, my daughter."};
constexpr Text kB33{"Ale, čím to?", "What happened?"};
constexpr Text kB34{"Ach, dobrý den pane. Ach ano, pane, jsem to já, já nešťastný člověk.",
                    "Oh, good day man. Oh yea sir, it is me. I am such an unfortunate human."};
constexpr Text kB35{"Ještě jednou vám děkuji, pane, že jsi mi mojí dcerku přivedl zpátky.",
                    "Thank you one more time sir, for bringing my daughter back."};
constexpr Text kB36{"Dobrý den, vy budete asi ten místní křovák, že?",
                    "Good day, you are that local Bush Man, aren't you?"};
// A click on the shrub before he has come out.
constexpr Text kRustling{"Křák a něco v něm šustí! Co to asi bude?",
                         "A shrub and something is inside? What may it be?"};
// His daughter home: every click gets this thanks and nothing more.
constexpr Text kForeverIndebted{"Jsem vám až do konce života zavázán, že jste mi našel moji dceru.",
                                "I am forever indebted to you for finding my daughter."};

// He speaks, and the detective's mouth closes to listen, as in every
// other line of his (his opening thanks, his answers to items).
constexpr auto kBushManSpeaks = ops(show("Pvpusa"), hide("PvMluva"), animate("Krovakpusa"), colour(layout::clRed));
// The detective speaks; the Bush Man's mouth rests closed.
constexpr auto kDetectiveSpeaks =
    ops(show("PvMluva"), hide("Pvpusa"), stopAnimation("Krovakpusa"), frame("Krovakpusa", 0), colour(layout::clYellow));

// The replies he leaves the detective with; asking after his thoughts of
// her makes no sense once she is home.
constexpr auto kHisReplies = ops(choice(1, kB18), when(hidden<"Sdcerka">, choice(2, kB19)), choice(3, kB20));

// What he saw: told once he has eaten, and in short after that.
bool fedAndTold(const scenes::Context& c) {
    return shown<"Sdejbagetu">(c) && shown<"SInfoopachatelce">(c);
}
bool fedNotTold(const scenes::Context& c) {
    return shown<"Sdejbagetu">(c) && hidden<"SInfoopachatelce">(c);
}
// Where she went: in full the first time, in short after that, and with
// thanks once she is home.
bool toldWhere(const scenes::Context& c) {
    return hidden<"Sdcerka">(c) && shown<"SMistodcerky">(c);
}
bool notToldWhere(const scenes::Context& c) {
    return hidden<"Sdcerka">(c) && hidden<"SMistodcerky">(c);
}

// Daughter home: the twenty coins he saved for her schoolbooks.
constexpr auto kStep1 =
    join(kDetectiveSpeaks, ops(say(kB01), addTo("Penez", 20), set("DescriptionsOn", 1), set("EndTalkAfterLine", 1)));
constexpr auto kStep2 = join(kBushManSpeaks, ops(say(kB02)));
constexpr auto kStep3 = join(kDetectiveSpeaks, ops(say(kB03)));
constexpr auto kStep4 = join(kBushManSpeaks, ops(say(kB04)));
constexpr auto kStep5 = join(kBushManSpeaks, ops(say(kB05), show("SInfoopachatelce")));
constexpr auto kStep6 = join(kDetectiveSpeaks, ops(say(kB06)));
// The witness, after the baguette: Eleanor, whom the sheriff let go.
constexpr auto kStep7 = join(kBushManSpeaks, ops(say(kB07), show("SInfoopachatelce")));
constexpr auto kStep8 = join(kDetectiveSpeaks, ops(say(kB08)));
constexpr auto kStep9 = join(kBushManSpeaks, ops(say(kB09)));
constexpr auto kStep10 = join(kBushManSpeaks, ops(say(kB10)));
constexpr auto kStep11 = join(kDetectiveSpeaks, ops(say(kB11)));
constexpr auto kStep12 = join(kBushManSpeaks, ops(say(kB12)));
constexpr auto kStep13 = join(kDetectiveSpeaks, ops(say(kB13)));
constexpr auto kStep14 = join(kBushManSpeaks, ops(say(kB14)));
constexpr auto kStep15Told = join(kBushManSpeaks, ops(say(kB15)));
constexpr auto kStep15Fed = join(kBushManSpeaks, ops(say(kB16)));
// Hungry, he cannot talk of it at all.
constexpr auto kStep15Hungry = join(kBushManSpeaks, ops(say(kB17)), kHisReplies);
// Thinking of her.
constexpr auto kStep16 = join(kBushManSpeaks, ops(say(kB21)), kHisReplies);
constexpr auto kStep17 = join(kDetectiveSpeaks, ops(say(kB22)));
constexpr auto kStep18 = join(kBushManSpeaks, ops(say(kB23)));
// Where she went.
constexpr auto kStep19Again = join(kBushManSpeaks, ops(say(kB24)));
constexpr auto kStep19First = join(kBushManSpeaks, ops(say(kB25), show("SMistodcerky")));
constexpr auto kStep19Home = join(kBushManSpeaks, ops(say(kB26), show("SMistodcerky")));
// The first talk: he asks the detective to find her.
constexpr auto kStep20 = join(kBushManSpeaks, ops(say(kB27)), kHisReplies, ops(show("Shledejdceru")));
constexpr auto kStep21 = join(kDetectiveSpeaks, ops(say(kB28)));
constexpr auto kStep22 = join(kBushManSpeaks, ops(say(kB29)));
constexpr auto kStep23 = join(kBushManSpeaks, ops(say(kB30)));
constexpr auto kStep24 = join(kDetectiveSpeaks, ops(say(kB31)));
constexpr auto kStep25 = join(kBushManSpeaks, ops(say(kB32)));
constexpr auto kStep26 = join(kDetectiveSpeaks, ops(say(kB33)));
constexpr auto kStep27 = join(kBushManSpeaks, ops(say(kB34)));

const Step kSteps[] = {
    // Daughter home: thanks and twenty coins, and the talk ends.
    {.after = kB02, .actions = kStep1, .timing = Timing::Speech},
    {.after = kB03, .actions = kStep2, .timing = Timing::Talk},
    {.after = kB04, .actions = kStep3, .timing = Timing::Talk},
    {.after = kB05, .actions = kStep4, .timing = Timing::Talk},
    {.after = kB06, .actions = kStep5, .timing = Timing::Talk},
    {.after = kB35, .actions = kStep6, .timing = Timing::Talk},
    // The witness.
    {.after = kB08, .actions = kStep7, .timing = Timing::Speech},
    {.after = kB09, .actions = kStep8, .timing = Timing::Talk},
    {.after = kB10, .actions = kStep9, .timing = Timing::Talk},
    {.after = kB11, .actions = kStep10, .timing = Timing::Talk},
    {.after = kB12, .actions = kStep11, .timing = Timing::Talk},
    {.after = kB13, .actions = kStep12, .timing = Timing::Talk},
    {.after = kB14, .actions = kStep13, .timing = Timing::Talk},
    {.after = kB16, .actions = kStep14, .timing = Timing::Talk},
    {.after = kB20, .when = fedAndTold, .actions = kStep15Told, .timing = Timing::Speech},
    {.after = kB20, .when = fedNotTold, .actions = kStep15Fed, .timing = Timing::Talk},
    {.after = kB20, .when = hidden<"Sdejbagetu">, .actions = kStep15Hungry, .timing = Timing::Speech},
    // Thinking of her.
    {.after = kB22, .actions = kStep16, .timing = Timing::Speech},
    {.after = kB23, .actions = kStep17, .timing = Timing::Talk},
    {.after = kB19, .actions = kStep18, .timing = Timing::Talk},
    // Where she went.
    {.after = kB18, .when = toldWhere, .actions = kStep19Again, .timing = Timing::Speech},
    {.after = kB18, .when = notToldWhere, .actions = kStep19First, .timing = Timing::Speech},
    {.after = kB18, .when = shown<"Sdcerka">, .actions = kStep19Home, .timing = Timing::Speech},
    // The first talk.
    {.after = kB28, .actions = kStep20, .timing = Timing::Speech},
    {.after = kB29, .actions = kStep21, .timing = Timing::Talk},
    {.after = kB30, .actions = kStep22, .timing = Timing::Talk},
    {.after = kB31, .actions = kStep23, .timing = Timing::Talk},
    {.after = kB32, .actions = kStep24, .timing = Timing::Talk},
    {.after = kB33, .actions = kStep25, .timing = Timing::Talk},
    {.after = kB34, .actions = kStep26, .timing = Timing::Talk},
    {.after = kB36, .actions = kStep27, .timing = Timing::Talk},
};

// His thanks when the detective brings his daughter to the prison: the end
// of her return puts it into Rozhovor on the talk countdown.
const Text kFromOutside[] = {kB35};

// The opening. In the shrub he is only a rustle. Out of it he stays out
// for the talk: his stirring stops and he stands in full view. Then either
// the thanks for his daughter, a single line that ends the talk (the first
// reply stays up under it with whatever it last said), or the replies.
bool inHisShrub(const scenes::Context& c) {
    return c.c.Krovakvp->FrameIndex < 7;
}
bool outOfHisShrub(const scenes::Context& c) {
    return !inHisShrub(c);
}
bool thanksAgain(const scenes::Context& c) {
    return outOfHisShrub(c) && shown<"Sdcerka">(c);
}
bool asksAgain(const scenes::Context& c) {
    return outOfHisShrub(c) && hidden<"Sdcerka">(c) && shown<"Shledejdceru">(c);
}
bool meetsHim(const scenes::Context& c) {
    return outOfHisShrub(c) && hidden<"Sdcerka">(c) && hidden<"Shledejdceru">(c);
}
bool offersReplies(const scenes::Context& c) {
    return outOfHisShrub(c) && hidden<"Sdcerka">(c);
}
constexpr auto kOpening =
    join(ops(when(inHisShrub, describe(kRustling))),
         onlyWhen(outOfHisShrub, ops(set("KrovakIdleOn", 0), stopAnimation("Krovakvp"), show("Krovak"),
                                     show("Krovakoci"), show("Krovakpusa"), hide("Krovakvp"), show("Otazka1"))),
         onlyWhen(thanksAgain, ops(show("Pvpusa"), hide("PvMluva"), animate("Krovakpusa"), colour(layout::clRed),
                                   say(kForeverIndebted), set("EndTalkAfterLine", 1), time(Timing::Speech))),
         ops(when(asksAgain, choice(1, kB18)), when(meetsHim, choice(1, kB36))),
         onlyWhen(asksAgain, ops(choice(3, kB20), choice(2, kB19), show("Otazka3"), show("Otazka2"))),
         ops(when(offersReplies, show("zrusit"))));

constexpr auto kReplyPose = ops(show("PvMluva"), hide("Pvpusa"));
constexpr auto kListening = ops(show("Pvpusa"), stopAnimation("Krovakpusa"), frame("Krovakpusa", 0), hide("PvMluva"));
// Cancelled, he goes back into his shrub and stirs there again.
constexpr auto kCancelEyes = ops(show("Krovakvp"), animate("Krovakvp"), hide("Krovakoci"), hide("Krovakpusa"),
                                 hide("Krovak"), set("KrovakIdleOn", 1));

}  // namespace

const StepGroup kBushManSteps{
    .name = "Bush Man", .scene = scenes::Scene::Predveznici, .steps = kSteps, .linesFromOutside = kFromOutside};

const Character kBushMan{.name = "Bush Man",
                         .scene = scenes::Scene::Predveznici,
                         .hotspot = "Label118",
                         .opening = kOpening,
                         .itemUse = scenes::ItemUse::BushMan,
                         .replyPose = kReplyPose,
                         .listeningPose = kListening,
                         .cancelEyes = kCancelEyes};

}  // namespace kvarnel::story

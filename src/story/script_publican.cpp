// The publican of the inn: no sacred drink to serve, but a baguette for
// five coins and the table game for one; he buys the dug-up bottles.
#include "scenes/inventory.h"
#include "scenes/item_use.h"
#include "story/publican_lines.h"
#include "story/script.h"

namespace kvarnel::story {

namespace {

using namespace scenes::op;
using scenes::hidden;
using scenes::join;
using scenes::ops;
using scenes::shown;
using scenes::Timing;

constexpr Text kP01{"Koupím od vás tedy všech 9 Becherovek za 25 zlatých.",
                    "So I will buy all 9 bottles for 25 bucks."};
constexpr Text kP02{"Koupím od vás tedy 9 Becherovek za 25 zlatých, tu jednu si nechte, mohla by se vám ještě hodit.",
                    "I will buy 9 bottles for 25 bucks. Keep one bottle with you, it may get useful."};
constexpr Text kP03{
    "Aha, no, zatím bych měl ty Becherovky co máte dodat místním obyvatelům, aby se z toho nezbláznili. Hlavně šerif "
    "už by potřeboval.",
    "Oh yea. I should these bottles bring to local people. They are almost getting crazy, Sheriff certainly need "
    "some."};
constexpr Text kP04{"Ovšem posvátná láhev Becherovky se štítkem se složením stále chybí.",
                    "The sacred bottle of Becherovka with ingredients list is still missing."};
constexpr Text kP05{
    "To ne, jen jsem vykopal pár lahví, které kdysi zakopali předci místního druida na oslavu toho, že objevili "
    "Becherovku.",
    "Oh no. I only found few bottles, that were hidden in past as celebration of Becherovka discovery."};
constexpr Text kP06{
    "Už vás dále nemůžu nechat hrát rukpal. Vždyť vám ta hra vůbec nejde. Bez peněz Becherovku nenajdete a můj "
    "hostinec zkrachuje!",
    "I can't let you play more. You are really bad in it. You will not find Becherovka without money."};
constexpr Text kP07{"Jak chcete, dejte mi zlatej a můžete začít.", "As you wish, give me a buck."};
constexpr Text kP08{
    "Už jsem vám říkal, že bych s takovou přišel na mizinu. Netušil jsem, že vám rukpal tak jde. V mojem hostinci, to "
    "už hrát nemůžete.",
    "I told you, that I would go on the rocks. I haven't idea that you are so good in HandShot. You cannot play more "
    "in my restaurant."};
constexpr Text kP09{"Výborná koupě cizinče, taková křupavá bageta ta umí zahnat hlad.",
                    "Good buy stranger, such fresh baguette will really feed you up."};
constexpr Text kP10 = kPublicanAskAboutTheGuest;
constexpr Text kP11 = kPublicanBuyFood;
constexpr Text kP12 = kPublicanPlayTheTable;
constexpr Text kP13{"Vždyť na to nemáte dostatek peněz.", "But you don't have enough money."};
constexpr Text kP14{
    "Ale vždyť jídlo už jste si kupoval. Je zbytečné kupovat další. Neztrácejte čas a vydejte se hledat Becherovku.",
    "But you have already bought the food. You don't need more. Do not loose time and go look for Becherovka."};
constexpr Text kP15{"Mohu vám nabídnout specialitu této osady, bagetu. Stojí jen pět zlatých.",
                    "May I offer you a specialty of the village, the baguette. It cost only five bucks."};
constexpr Text kP16{"Prozatím si jí ještě kupovat nebudu", "I won't buy it right now."};
constexpr Text kP17{"Tak sem s ní.", "Get it to me."};
constexpr Text kP18{
    "Ano, je naživu, ale je tak šťastný, že už je Becherovka, že z toho přestal mluvit, lépe řečeno mluvit nezačal.",
    "Yes, he is alive, but he is so happy, that Becherovka is available, that he stopped talking …better he didn't "
    "begun."};
constexpr Text kP19{
    "Ano, je naživu, ale je úplně na dně z toho, že není Becherovka. Už dokonce přestal mluvit.",
    "Yes, he is alive, but he is so sad, that Becherovka is not available. He already stopped talking."};
constexpr Text kP20{
    "Ovšem tuhle hru ovládají jen lidé z této osady, cizinci na ní většinou prodělají, ale pokud to chcete zkusit, "
    "stačí říct.",
    "Of course, that the best players are local peoples. Strangers often loose but if you want to try, just tell me."};
constexpr Text kP21{
    "Jde o to, že mi dáte jeden zlatý a pokud vydržíte hrát sto sekund, já vám váš zlatý vrátím a přihodím ještě "
    "dalších pět navrch.",
    "The main idea is that you'll give me one buck and if you can stand hundred seconds, I'll give your buck back and "
    "give you five more."};
constexpr Text kP22{"Vy nevíte co je to rukpal? Ahh, vlastně vy jste od jinud. No, to je tady v osadě nejznámější hra.",
                    "You don't know HandShot? Yeah, you are not local. So, it is the best game ever played in here."};
constexpr Text kP23{"Rukpal? Co to je?", "HandShot? What is it?"};
constexpr Text kP24{"Avšak můžete si zde koupit něco na jídlo a také si v mém hostinci můžete zahrát rukpal.",
                    "But you can buy anything to eat here and you can play HandShot game in here."};
constexpr Text kP25{"Dobrý cizinče, vítám u nás ve Lhotce. Asi už jste slyšel, že Becherovku vám nabídnout nemohu.",
                    "Hello stranger, welcome in Lhotka. You have probably heard that I can't offer you Becherovka."};
constexpr Text kP26{"Cože?! Vždyť to je Becherovka! To už jí druid zase vyrábí?",
                    "What? It is Becherovka! The Sorcerer is making it?"};
constexpr Text kP27{"Dobrý den, co mi zde můžete nabídnout?", "Good day, what can you offer to me?"};

constexpr auto kPublicanPose = ops(show("Hpusa"), hide("hpusamluva"), hide("Hhpusa"), show("hhmluva"));
constexpr auto kPublicanSpeaks = join(kPublicanPose, ops(colour(layout::clRed)));
constexpr auto kDetectiveSpeaks = ops(hide("Hpusa"), show("hpusamluva"), show("Hhpusa"), hide("hhmluva"),
                                      hide("Zpusabojovnikamluva"), colour(layout::clYellow));
constexpr auto kMouthIdle = ops(show("Hhoci"), show("Hhpusa"), hide("hhocimluva"), hide("hhmluva"));
constexpr auto kOffer = ops(choice(1, kP10), choice(2, kP12), choice(3, kP11));

bool oldManHadOne(const scenes::Context& c) {
    return c.c.Pitiva->Caption != "10";
}
bool allTen(const scenes::Context& c) {
    return !oldManHadOne(c);
}
bool tooBadAtTheTable(const scenes::Context& c) {
    return c.state.TableWinnings < -9;
}
bool mayPlay(const scenes::Context& c) {
    return c.state.TableWinnings >= -9 && c.state.TableWinnings < 10;
}
bool tooGoodAtTheTable(const scenes::Context& c) {
    return c.state.TableWinnings >= 10;
}
bool canPay(const scenes::Context& c) {
    return scenes::captionNumber(c.c.Penez->Caption) > 4;
}
bool cannotPay(const scenes::Context& c) {
    return !canPay(c);
}

constexpr auto kSale = ops(addTo("Penez", 25), set("BottlesSold", 1));
constexpr auto kStep0 = join(kMouthIdle, ops(set("PlayerFree", 1), endTalk()));
constexpr auto kStep1All =
    join(kPublicanSpeaks, ops(say(kP01)), kSale, ops(take(core::Item::Bottle), set("EndTalkAfterLine", 1)));
constexpr auto kStep1Nine =
    join(kPublicanSpeaks, ops(say(kP02)), kSale, ops(hide("Pitiva"), set("EndTalkAfterLine", 1)));
constexpr auto kStep2 = join(kPublicanSpeaks, ops(say(kP03)));
constexpr auto kStep3 = join(kDetectiveSpeaks, ops(say(kP04)));
constexpr auto kStep4 = join(kDetectiveSpeaks, ops(say(kP05)));
// The table game takes the screen.
constexpr auto kStep5 = ops(emptyRozhovor(), hide("Vhospode"), show("Rukpal"), hide("hhmluva"), show("Hhpusa"));
constexpr auto kStep6Bad = join(kPublicanSpeaks, ops(say(kP06)));
constexpr auto kStep6Play = join(kPublicanSpeaks, ops(say(kP07)));
constexpr auto kStep6Good = join(kPublicanSpeaks, ops(say(kP08)));
constexpr auto kStep7Food =
    join(kPublicanSpeaks, ops(say(kP09)), kOffer,
         ops(set("FoodBought", 1), give(core::Item::Food), show("Shjidlo"), addTo("Penez", -5)));
constexpr auto kStep7NoMoney = join(kPublicanSpeaks, ops(say(kP13)), kOffer);
constexpr auto kStep8 = join(kOffer, ops(set("SpeechTime", 1), set("SpeechTimerOn", 1)));
constexpr auto kStep9Again = join(kPublicanSpeaks, ops(say(kP14)));
constexpr auto kStep9Offer = join(
    kPublicanSpeaks, ops(say(kP15), choice(1, kP16), choice(2, kP17), emptyChoice(3), set("ChoicesWithoutCancel", 1)));
constexpr auto kStep10Happy = join(kPublicanSpeaks, ops(say(kP18)));
constexpr auto kStep10Sad = join(kPublicanSpeaks, ops(say(kP19)));
constexpr auto kStep11 = join(kPublicanPose, ops(say(kP20)), kOffer);
constexpr auto kStep12 = join(kPublicanSpeaks, ops(say(kP21)));
constexpr auto kStep13 = join(kPublicanSpeaks, ops(say(kP22)));
constexpr auto kStep14 = join(kDetectiveSpeaks, ops(say(kP23)));
constexpr auto kStep15 = join(kPublicanSpeaks, ops(say(kP24), show("Shnabidka")));
constexpr auto kStep16 = join(kPublicanSpeaks, ops(say(kP25), show("Shnabidka")));

const Step kSteps[] = {
    // His refusal of a further bottle is timed on the talk countdown; it is
    // matched in both languages so that it never stays on screen for good.
    {.after = scenes::kPublicanKeepTheBottle, .actions = kStep0},
    // The bottles sold.
    {.after = kP03, .when = oldManHadOne, .actions = kStep1All, .timing = Timing::Speech},
    {.after = kP03, .when = allTen, .actions = kStep1Nine, .timing = Timing::Speech},
    {.after = kP04, .actions = kStep2, .timing = Timing::Talk},
    {.after = kP05, .actions = kStep3, .timing = Timing::Talk},
    {.after = kP26, .actions = kStep4, .timing = Timing::Talk},
    // The table game.
    {.after = kP07, .actions = kStep5},
    {.after = kP12, .when = tooBadAtTheTable, .actions = kStep6Bad, .timing = Timing::Speech},
    {.after = kP12, .when = mayPlay, .actions = kStep6Play, .timing = Timing::Talk},
    {.after = kP12, .when = tooGoodAtTheTable, .actions = kStep6Good, .timing = Timing::Speech},
    // The baguette.
    {.after = kP17, .when = canPay, .actions = kStep7Food, .timing = Timing::Speech},
    {.after = kP17, .when = cannotPay, .actions = kStep7NoMoney, .timing = Timing::Speech},
    {.after = kP16, .actions = kStep8},
    {.after = kP11, .when = shown<"Shjidlo">, .actions = kStep9Again, .timing = Timing::Speech},
    {.after = kP11, .when = hidden<"Shjidlo">, .actions = kStep9Offer, .timing = Timing::Speech},
    // The silent guest.
    {.after = kP10, .when = shown<"STequila">, .actions = kStep10Happy, .timing = Timing::Speech},
    {.after = kP10, .when = hidden<"STequila">, .actions = kStep10Sad, .timing = Timing::Speech},
    // The first talk.
    {.after = kP21, .actions = kStep11, .timing = Timing::Speech},
    {.after = kP22, .actions = kStep12, .timing = Timing::Talk},
    {.after = kP23, .actions = kStep13, .timing = Timing::Talk},
    {.after = kP24, .actions = kStep14, .timing = Timing::Talk},
    {.after = kP25, .actions = kStep15, .timing = Timing::Talk},
    {.after = kP27, .actions = kStep16, .timing = Timing::Talk},
};

// P26 and the refusal are his answers to a bottle.
const Text kFromOutside[] = {kP26, scenes::kPublicanKeepTheBottle};

bool inventoryClosed(const scenes::Context& c) {
    return c.state.InventoryClosed == 1;
}

constexpr auto kOpening =
    join(ops(hide("Hhoci"), show("hhocimluva"), show("Otazka1")),
         ops(when(shown<"Shnabidka">, show("Otazka2")), when(shown<"Shnabidka">, show("Otazka3")),
             when(shown<"Shnabidka">, choice(1, kP10)), when(shown<"Shnabidka">, choice(2, kP12)),
             when(shown<"Shnabidka">, choice(3, kP11)), when(hidden<"Shnabidka">, choice(1, kP27))),
         ops(show("zrusit")));
constexpr auto kReplyPose = ops(show("hpusamluva"), hide("Hpusa"), hide("Hpopis"), hide("Hhoci"), show("hhocimluva"),
                                hide("hhmluva"), hide("Zpusabojovnikamluva"));
constexpr auto kListening = ops(show("Hhlava"), show("Hoci"), show("Hpusa"), show("Hhpusa"), show("hhocimluva"),
                                hide("hpusamluva"), hide("Hpopis"), hide("Hhoci"), hide("hhmluva"));
constexpr auto kCancelEyes = ops(show("Hhoci"), hide("hhocimluva"));

}  // namespace

const StepGroup kPublicanSteps{
    .name = "publican", .scene = scenes::Scene::Vhospode, .steps = kSteps, .linesFromOutside = kFromOutside};

const Character kPublican{.name = "publican",
                          .scene = scenes::Scene::Vhospode,
                          .hotspot = "Label119",
                          .opensWhen = inventoryClosed,
                          .opening = kOpening,
                          .itemUse = scenes::ItemUse::Publican,
                          .replyPose = kReplyPose,
                          .listeningPose = kListening,
                          .cancelEyes = kCancelEyes};

}  // namespace kvarnel::story

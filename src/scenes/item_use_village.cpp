// The answers of the village's characters and of the detective himself
// to an item held out to them.
#include "scenes/inventory.h"
#include "scenes/item_use.h"

namespace kvarnel::scenes {

namespace {

using namespace op;
using core::Item;

// --- The mayor --------------------------------------------------------------

constexpr auto kMayorFaces = ops(hide("Starostaoci"), hide("Starostapusa"), show("Starostaocimluva"),
                                 show("Starostapusamluva"), show("Rpusa"), hide("Rmluva"), colour(layout::clRed));
const ItemReply kMayorReplies[] = {
    {.item = Item::Bottle,
     .rude = {"Kam si myslíte, že mi tu becherovku strčíte?", "Where do you think you are putting this Becherovka?"},
     .plain = {"Děkuji za nabídku, ale jak bych v očích občanů obce vypadal, kdybych popíjel Becherovku zatím co jiní "
               "ji mají nedostatek?",
               "Thanks for an offer, but what would the public opinion be to see me drinking Becherovka when no one "
               "has any more?"}},
    {.item = Item::Shovel,
     .rude = {"A tu lopatu mě mezi nohy strkáte proč?", "And the shovel is put between my legs why?"},
     .plain = {"Co já bych dělal s touhle lopatou?", "What would I do with shovel?"}},
    {.item = Item::Money,
     .rude = {"Myslíte že když mě budete strkat peníze tam kam mi je strkáte, že tím ten případ vyřešíte?!",
              "You think that putting the money into . . . where are you putting it will solve the case?!"},
     .plain = {"Děkuji, ale nechci peníze, jediné co chci, je navrátit naší Lhotce to, co jí právem náleží.",
               "Thank you, but I don't want money. I would rather want to get the bottle back."}},
    {.item = Item::Food,
     .rude = {"Chápu, jiný kraj, jiný mrav, ale strkat lidem bagetu mezi nohy?",
              "Yes, different land, but putting the food between legs . . . ?"},
     .plain = {"Ne, ne, díky, před chvilkou jsem obědval.", "No, thank you. I just finished my lunch."}},
    {.item = Item::LockPick,
     .rude = {"Nevím jak by vás to, že mě šperháte šprhákem, ehm, kdo ví kde, mohlo dovést k Kvarnel.",
              "May I know, how crowing me . . . somewhere . . . with the crowbar will lead you to the Kvarnel?"},
     .plain = {"Opravdu děkuji, ale nevím jak bych takový šperhák využil.",
               "No thanks, what would I do with the crowbar."}},
    {.item = Item::Knife,
     .rude = {"Co to?! Sakra, chystáme se s manželkou ještě na jedno dítě, tak toho nechte!!!",
              "What the . . . ?! Stop it! I would like to have one more child with my wife, so stop it!!!"},
     .plain = {"Radši ten nůž schovejte, ještě tu někomu ublížíte!",
               "Better hide that knife before you hurt someone!"}},
    {.item = Item::Rope,
     .rude = {"Co mi to tam s tím lanem děláte?! Dejte to pryč!", "What are you doing with that rope? Get it away?"},
     .plain = {"K čemu by mělo být starostovi lano?", "What use would the Mayor had for a rope?"}},
};

// --- The warrior -------------------------------------------------------------

constexpr auto kWarriorFaces =
    ops(hide("Zocibojovnika"), hide("Zpusabojovnika"), show("zocibojovnikamluva"), show("Zpusabojovnikamluva"),
        show("zthlava"), show("Ztoci"), show("Ztpusavpravo"), hide("Ztmluvavpravo"), colour(layout::clRed));
const ItemReply kWarriorReplies[] = {
    {.item = Item::Bottle,
     .rude = {"Tož že si cuzák to věm, ale až taký?! My tady pijame úplně inak.",
              "You are really strange, stranger. We use to drink here in different way."},
     .plain = {"Tož taký cuzák jsa a také petíčko mňa nabízeš? Taky vzacny dar ale nemožu vzét.",
               "I cannot take so precious gift from you stranger."}},
    {.item = Item::Rope,
     .rude = {"Co to robiš s tym lanem! Tam mňa ho nedávaj!", "What are you doing with the rope? Do not put it there!"},
     .plain = {"Tož teď jsem vám ho predal vy cuzák jeden. Reklamace tady u nás neberem, to zkušajte iba v tom vašem "
               "cuzákově.",
               "I just sold it to you stranger. We don't accept any complains here, try that stuff there where you "
               "came from."}},
    {.item = Item::Food,
     .rude = {"Tož nevěm jak tam u vás v cuzákově, ale tady jíme trošku poinačí.",
              "I don't know how you do, but here we eat in a little bit different way."},
     .plain = {"Děkujem, ale teď niemam hlad.", "No, thanks, I am not hungry."}},
    {.item = Item::Knife,
     .rude = {"Co to iba s tím nožem zamyšláš?! To ako abych neměl děti?! Ideš s tym pryč?!!",
              "What are you going to do with that knife? You want me to have no children? Go away with that!"},
     .plain = {"Pryč s tym nožem bo někomu ublížaš!", "Away with that knife or you hurt someone!"}},
    {.item = Item::Shovel,
     .rude = {"Co mňa tam s tou lopatou chceš prováďat?! Jedeš?!!", "What are you doing to me? Back off!"},
     .plain = {"Takých lopatov mám doma hafo.", "I have pile of such shovels."}},
    {.item = Item::Money,
     .rude = {"Kam mňa ty peníze strkáš? No, jo, to sou iba ty cuzácké zvyklosti.",
              "Where are you putting this money to me? Well, stranger's commons."},
     .plain = {"Pokud si chceš ode mňa něco kupit, tak sa domluvíme slovy, nie?",
               "If you want to buy anything, we can talk, or can't we?"}},
    {.item = Item::LockPick,
     .rude = {"Co tam chcaš vyšperhat ty sprosťák jeden!! Ideš s tym pryč?!",
              "What do you want to get from there, fool?! Go away with that."},
     .plain = {"Taky šperhak som taky míval, teraz jsem ho tu jednov prodával a najednů taký pták přilétl, chňapl "
               "šperhák a už bol pryč.",
               "I used to have such crowbar here. I was trying to sell it when this big bird came, grabbed it and get "
               "lost."}},
};

// --- The detective himself ---------------------------------------------------

const ItemReply kDetectiveReplies[] = {
    {.item = Item::Bottle,
     .rude = {"Hele, kámo, kam mě tu Becherovku strkáš?", "Hey, friend, where are you putting that Becherovka?"},
     .plain = {"Díky za nabídku, ale dám si Becherovku, až tohle všechno vyřeším.",
               "Thanks for an offer, but I will have Becherovka after this all gets solved."}},
    {.item = Item::Food,
     .rude = {"Je fakt, že tohle je moje první role v adventuře, ale ještě jsem neslyšel o tom, že by hráči cpali "
              "hlavní postavě mezi nohy bagety.",
              "It is true, that this is my very first role in adventure game, but I have never heard about any player "
              "putting Bageta between legs of the major character."},
     .plain = {"Díky, ale teď nemám vůbec hlad.", "Thanks but I am not hungry."}},
    {.item = Item::Money,
     .rude = {"Máš nějakou úchylku či co?", "You have any sort of deviance, or what?"},
     .plain = {"Proč mě ty peníze vytahuješ z inventáře, abych je tam musel zase dávat?",
               "Why are you retrieving the money from the inventory just for me to put them back there?"}},
    {.item = Item::Rope,
     .rude = {"Co se týče používání věcí z inventáře, mám z tebe docela strach.",
              "I am a little bit terrified about you using the inventory."},
     .plain = {"Co je tohle za blbost? Když mě svážeš, kdo vyřeší tenhle případ?",
               "What bullshit is that? If you get me bound, who will solve the case?"}},
    {.item = Item::Knife,
     .rude = {"Hele, zkus se někdy s touhle úchylkou někomu svěřit, jo? Nejlépe někomu, kdo má na bundě nápis policie.",
              "Hey, try to tell about this deviance to someone, especially to someone, who has POLICE written on his "
              "jacket."},
     .plain = {"Chceš mě zabít, hovado!!!", "You want to kill me, idiot!!!"}},
    {.item = Item::Shovel,
     .rude = {"Budu se tvářit, že nechápu kam se mě snažíš tu lopatu strčit.",
              "Let's pretend that I don't understand where are you trying to put that shovel."},
     .plain = {"Vyndal jsi lopatu z inventáře abys mě jí dal? Je tohle normální?",
               "You get the shovel from the inventory to give me it? Is this normal?"}},
    {.item = Item::LockPick,
     .rude = {"Já ti nevím, podle mě máš v mozku něco špatně spojené.",
              "I don't know, but I think that you have something badly connected in you brain."},
     .plain = {"Nevyndávej věci jen pro to, abys mě je potom dal. Kdo to má pořád do toho inventáře vracet?",
               "Stop getting things out of the inventory just to give them to me! Who is supposed to give that back "
               "all the time?"}},
};

// --- The old man ---------------------------------------------------------------

// He keeps one bottle: while the bar counts ten the count goes down to
// nine, otherwise the bottle leaves the bar.
void oldManTakesABottle(Context& ctx) {
    if (ctx.c.Pitiva->Visible) {
        setCaption(ctx, *ctx.c.Pitiva, "9");
    } else {
        removeItem(ctx, Item::Bottle);
    }
}
constexpr auto kOldManTakesIt = ops(call(oldManTakesABottle), show("Sdedek3hodny"));
constexpr auto kOldManFaces = ops(hide("RxGIFAnimator4"), show("RxGIFAnimator7"), colour(layout::clRed));
const ItemReply kOldManReplies[] = {
    // He has had his bottle: a polite refusal, and the bottle stays.
    {.item = Item::Bottle, .when = shown<"Sdedek3hodny">, .plain = kOldManSecondBottle},
    // Given while he is cross, it makes him friendly again.
    {.item = Item::Bottle, .when = shown<"Sdedek3zl">, .plain = kOldManForgives, .effects = kOldManTakesIt},
    {.item = Item::Bottle,
     .plain = {"Chlapče zlatej, jak víš co piju? Jen tak dát mě starýmu votravovi takovou šťávičku? Do smrti dobrý.",
               "Dearie, boy, how do you know what do I drink? To give this great soak to such an old fool as I am. "
               "We're friends forever!"},
     .effects = kOldManTakesIt},
    {.item = Item::Food,
     .rude = {"Safra, mladej, myslíš že je normální, že mi tu bagetu chceš strčit do zadku?!",
              "Damned man, you think it is normal that you want to put that Bageta into my ass?!"},
     .plain = {"Ne, díky zrovna teď nemám hlad.", "No, thanks, I am not hungry."}},
    {.item = Item::Money,
     .rude = {"Kam mě ty peníze jako chceš strčit?!! Ať už tě tu nevidím, mladej!",
              "Where do you want to put this money? Get lost immediately, boy."},
     .plain = {"Tolik peněz? To opravdu nemohu přijmout, důchod sice nic moc, ale nebudu ti přece brát peníze mladej.",
               "So much money? I can't take it. I don't have much high pension but I can't take your money, boy."}},
    {.item = Item::Rope,
     .rude = {"Jseš normální, mladej? Kam mě to lano chceš strčit?!",
              "Are you serious? Where do you want to put that rope to me?"},
     .plain = {"Díky, ale takovýhle lano už jedno doma mám.", "Thank you but I have such rope already."}},
    {.item = Item::Knife,
     .rude = {"Au!! Můj zadek!! Kliď se odsud!", "Ouch!! My back!! Get out of here!"},
     .plain = {"Radši s tím nožem tady nemáchej, můžeš někoho zranit.",
               "Stop waving with that knife before you hurt someone."}},
    {.item = Item::Shovel,
     .rude = {"To se snažíš strkat lopatu do zadku každému nebo jenom mě?",
              "You are trying to put that shovel into everyone's back or just mine?"},
     .plain = {"Díky, ale takovouhle lopatu už doma mám.", "Thanks, but I have such shovel already."}},
    {.item = Item::LockPick,
     .rude = {"Mladej, nešperhej mi tím šperhákem v zadku, rozuměl jsi?!",
              "Boy, stop crowing my ass with that. Do you understand?!"},
     .plain = {"Co já bych s takovým šperhákem dělal, mladej?", "What would I do with that crowbar, boy?"}},
};

// --- The seated guest at the inn ---------------------------------------------------

bool bottlesSold(const Context& c) {
    return c.state.BottlesSold == 1;
}
bool bottlesNotSold(const Context& c) {
    return c.state.BottlesSold != 1;
}
constexpr Text kGuestBottleRude{
    "Proč bych mu měl nacpat do zadku Becherovku, to nevím, ale podle mě by sis tyhle sklony měl léčit.",
    "I don't know why should I put that Becherovka into his ass, but you should find professional help."};
const ItemReply kGuestReplies[] = {
    {.item = Item::Bottle,
     .when = bottlesSold,
     .rude = kGuestBottleRude,
     .plain = {"Becherovku už mu nalil hostinský, poté, co jsem mu jí prodal. Nebudu už mu dávat další.",
               "He already had his Becherovka so I se no reason to give to him some more."}},
    {.item = Item::Bottle,
     .when = bottlesNotSold,
     .rude = kGuestBottleRude,
     .plain = {"Stačí, když dám Becherovku hostinskýmu, on už mu jí potom nalije.",
               "I'll rather give this Becherovka to the publican, he will serve it to him."}},
    {.item = Item::Food,
     .rude = {"Sakra, tohle už není normální. Cpát lidem do zadku bagety, to se přeci nedělá.",
              "Damned, this is illness. Nobody puts food into other people's asses!"},
     .plain = {"Né, nebudu ho teď otravovat s bagetou.", "I won't annoy him with the bageta."}},
    {.item = Item::Money,
     .rude = {"Babička mi vždycky říkala, peníze Vazi, jsou od toho, aby se s nimi platilo a né od toho, aby se cpaly "
              "do zadku cizím lidem. A já jí věřím.",
              "My grandma used to say: Money, Vazi, are there to be paid with, not to be put into other people's "
              "asses. I and trust her!"},
     .plain = {"Co bych jen tak dával peníze, nejsem přece magor!", "Why should I give him money for no reason?"}},
    {.item = Item::Rope,
     .rude = {"Uniká mě smysl toho, že bych mu strčil lano do zadku. Někdy ti opravdu nerozumím.",
              "I am missing the sense of putting that rope."},
     .plain = {"To mu mám to lano jen tak dát nebo ho mám svázat? Ani jedna alternativa se mi nejeví jako logická.",
               "Should I give him that rope or bind him? No alternative sounds logical to me."}},
    {.item = Item::Knife,
     .rude = {"Ty tvoje agresivní sklony se mi přestávají líbit. Píchat lidi nožem do zadku, to se přeci nedělá.",
              "I am beginning to hate your aggressiveness. Pointing the knife to his back is not polite."},
     .plain = {"To bych radši nedělal, porušil bych tím pravidlo 10, bod 3 pravidel soutěže o nejlepší hru.",
               "I'd rather not. It would break rule 10, point 3 of the rules of the game contest."}},
    {.item = Item::Shovel,
     .rude = {"To, že mu vrazím tu lopatu do zadku, mě nijak nepomůže s řešením tohoto případu.",
              "Putting the shovel into his back won't help me with solving this case."},
     .plain = {"Myslím že ten chlápek o lopatu nestojí.", "I don't think he need shovel."}},
    {.item = Item::LockPick,
     .rude = {"Ne, v zadku mu šperhákem hrabat nebudu, nejsem magor!",
              "I simply won't do this. Who do you think I am?"},
     .plain = {"Myslím že můj šperhák by mu byl k ničemu.", "I don't think he would have use for my crowbar."}},
};

// --- The publican --------------------------------------------------------------

constexpr auto kPublicanFaces = ops(hide("Hhoci"), hide("Hhpusa"), show("hhocimluva"), show("hhmluva"), show("Hhlava"),
                                    show("Hoci"), show("Hpusa"), hide("hpusamluva"), colour(layout::clRed));
constexpr auto kPublicanMet = ops(show("Shnabidka"));
const ItemReply kPublicanReplies[] = {
    // The bottle leads on to the sale, or to his refusal once he has bought.
    {.item = Item::Bottle, .when = bottlesSold, .plain = kPublicanKeepTheBottle, .goesOn = true},
    {.item = Item::Bottle, .plain = kPublicanSurprise, .goesOn = true},
    {.item = Item::Food,
     .plain = {"Teď jsem vám to jídlo prodal, tak proč mě ho dáváte? Je mi líto, ale žádné reklamace neberu.",
               "I just sold that to you, so why are you giving it to me? I am sorry, I don't accept any complains."}},
    {.item = Item::Money,
     .plain = {"Pokud si u mě chcete něco koupit, tak řekněte co?", "If you want to buy anything, just tell me."}},
    {.item = Item::Rope,
     .plain = {"To lano mi sem netahejte, co já bych s ním dělal?",
               "Do not give me that rope, what would I do with it?"}},
    {.item = Item::Knife,
     .plain = {"Chlape dejte ten nůž pryč, ještě tu někoho zraníte.", "Give that knife away before you hurt someone."}},
    {.item = Item::Shovel,
     .plain = {"Co mě sem strkáte tu lopatu? K čemu by mě byla?", "What would I do with that shovel?"}},
    {.item = Item::LockPick,
     .plain = {"K čemu by mě takový šperhák, asi tak byl?", "What, do you think, would I do with that crowbar?"}},
};

}  // namespace

const ItemUseProcedure kUseOnOldMan{.who = ItemUse::OldMan,
                                    .faces = kOldManFaces,
                                    .rudeSpot = &core::GameState::RudeSpotOldMan,
                                    .holdsPlayer = true,
                                    .replies = kOldManReplies};
const ItemUseProcedure kUseOnMayor{
    .who = ItemUse::Mayor, .faces = kMayorFaces, .rudeSpot = &core::GameState::RudeSpotMayor, .replies = kMayorReplies};
const ItemUseProcedure kUseOnWarrior{.who = ItemUse::Warrior,
                                     .faces = kWarriorFaces,
                                     .rudeSpot = &core::GameState::RudeSpotWarrior,
                                     .holdsPlayer = true,
                                     .replies = kWarriorReplies};
const ItemUseProcedure kUseOnPublican{.who = ItemUse::Publican,
                                      .faces = kPublicanFaces,
                                      .holdsPlayer = true,
                                      .always = kPublicanMet,
                                      .replies = kPublicanReplies};
const ItemUseProcedure kUseOnGuest{.who = ItemUse::Guest,
                                   .rudeSpot = &core::GameState::RudeSpotGuest,
                                   .detectiveAnswers = true,
                                   .replies = kGuestReplies};
const ItemUseProcedure kUseOnDetective{.who = ItemUse::Detective,
                                       .rudeSpot = &core::GameState::RudeSpotDetective,
                                       .detectiveAnswers = true,
                                       .replies = kDetectiveReplies};

}  // namespace kvarnel::scenes

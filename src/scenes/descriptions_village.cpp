// The description tables of the village: the market place (Natrzisti), the
// old man's house (Udedka), the inn front (Predhospodou), the inn
// (Vhospode), the square in front of the town hall (Predradnici) and the
// town hall (Radnice).
//
// Texts are kept exactly as the game shows them, slips, odd spacing and
// trailing spaces included: the description timer runs for the length of
// the text, and they are the game's lines, not ours to correct.
//
// A row seen from two neighbouring scenes is defined once, with the first of
// them, and listed by both with each scene's own rectangles. The town hall
// row is also listed by the court's table, so it has external linkage.
//
// Sections: Natrzisti, Udedka, Predhospodou, Vhospode, Predradnici, Radnice.
// Each lists its rows, then the scene's rectangles for its rows, then its
// rectangles over the detective in DetectivePart order.
#include "scenes/description_tables_internal.h"

namespace kvarnel::scenes {

// [SECTION] Natrzisti

constexpr DescriptionRow kNatrzistiTableLeg{
    .name = "Natrzisti.tableLeg",
    .text = {.cz = "Naprosto normální noha od stolu.",
             .en = "Just common leg of the table."},
};

constexpr DescriptionRow kNatrzistiTable{
    .name = "Natrzisti.table",
    .text = {.cz = "Stůl. Obyčejný dřevěný stůl, který stojí na obyčejných dřevěných nohách.",
             .en = "Table. Ordinary wooden table standing on ordinary wooden legs."},
};

constexpr DescriptionRow kNatrzistiGateStripe{
    .name = "Natrzisti.gateStripe",
    .text = {.cz = "Prachvobyčejnej pruh kolem brány.",
             .en = "Absolutely ordinary stripe around the gate."},
};

constexpr DescriptionRow kNatrzistiHouseWall{
    .name = "Natrzisti.houseWall",
    .text = {.cz = "To je jen obyčejná stěna, pod obyčejnou střechou, tvořící obyčejný dům.",
             .en = "This is only common wall under common roof making common house."},
};

constexpr DescriptionRow kNatrzistiHouseRoof{
    .name = "Natrzisti.houseRoof",
    .text = {.cz = "To je jen obyčejná střecha na obyčejné zdi, tvořící obyčejný dům.",
             .en = "This is common roof on common walls making common house."},
};

constexpr DescriptionRow kNatrzistiWarriorShoes{
    .name = "Natrzisti.warriorShoes",
    .text = {.cz = "Boty od toho modrého týpka.",
             .en = "Blue man's shoes."},
    .itemUse = ItemUse::Warrior,
};

constexpr DescriptionRow kNatrzistiWarriorHead{
    .name = "Natrzisti.warriorHead",
    .text = {.cz = "Jeho azurově modrá hlava.",
             .en = "His blue head."},
    .itemUse = ItemUse::Warrior,
};

constexpr DescriptionRow kNatrzistiWarriorEyes{
    .name = "Natrzisti.warriorEyes",
    .text = {.cz = "Jeho oči jsou docela brutálně zastiňovány nosem.",
             .en = "His eyes are brutally shadowed by his nose."},
    .itemUse = ItemUse::Warrior,
};

constexpr DescriptionRow kNatrzistiWarriorNose{
    .name = "Natrzisti.warriorNose",
    .text = {.cz = "Ten má frňák přes celý obličej. Někdy holt méně znamená více.",
             .en = "His nose fills whole his face. Sometimes less means more."},
    .itemUse = ItemUse::Warrior,
};

constexpr DescriptionRow kNatrzistiWarriorEars{
    .name = "Natrzisti.warriorEars",
    .text = {.cz = "Tož pokud se nemýlím, tak to jsou uši.",
             .en = "I am not wrong, these are ears."},
    .itemUse = ItemUse::Warrior,
};

constexpr DescriptionRow kNatrzistiWarriorMuscles{
    .name = "Natrzisti.warriorMuscles",
    .text = {.cz = "No, musím uznat, že trochu namakanej je, ale ne zas o moc víc než já.",
             .en = "Yes, he has a big muscles, but not much bigger than I am."},
    .itemUse = ItemUse::Warrior,
};

constexpr DescriptionRow kNatrzistiWarriorHands{
    .name = "Natrzisti.warriorHands",
    .text = {.cz = "Co to tam má? Aha, tak to budou asi ruce.",
             .en = "What do he has there? These will be his hand."},
    .itemUse = ItemUse::Warrior,
};

// The warrior's rude spot: the flag tells his item-use step where the click
// came from.
constexpr DescriptionRow kNatrzistiWarriorRudeSpot{
    .name = "Natrzisti.warriorRudeSpot",
    .text = {.cz = "Nemusíš zkoumat všechno!",
             .en = "You don't have to examine everything."},
    .itemUse = ItemUse::Warrior,
    .effect = Effect::RudeSpot,
};

constexpr DescriptionRow kNatrzistiWarriorLegs{
    .name = "Natrzisti.warriorLegs",
    .text = {.cz = "Jeho nohy v roztrhaných kalhotech.",
             .en = "His legs in tear wear out trousers."},
    .itemUse = ItemUse::Warrior,
};

// Also the sky over the inn; the panel's background picture leads here too,
// so a click that hits nothing else at the market describes the sky.
constexpr DescriptionRow kNatrzistiSky{
    .name = "Natrzisti.sky",
    .text = {.cz = "Nádherně modrá obloha.",
             .en = "Beautiful blue sky."},
};

constexpr DescriptionRow kNatrzistiForestEdge{
    .name = "Natrzisti.forestEdge",
    .text = {.cz = "Tady už začíná les, který se táhne přes celou severní stranu osady.",
             .en = "Large forest begins here and spreads over whole north side of the village."},
};

constexpr DescriptionRow kNatrzistiWindowLedge{
    .name = "Natrzisti.windowLedge",
    .text = {.cz = "Tohle je myslím parapet.",
             .en = "I think this is window ledge."},
};

constexpr DescriptionRow kNatrzistiRope{
    .name = "Natrzisti.rope",
    .text = {.cz = "Vypadá to na zcela obyčejné lano.",
             .en = "This looks like just common rope."},
};

constexpr DescriptionRow kNatrzistiWindow{
    .name = "Natrzisti.window",
    .text = {.cz = "Jejda, co to je. Eh, teď si nevzpomenu, mám totální okno.",
             .en = "What is it? I can't remember, I have window in my head . . ."},
};

// Walls and roofs seen from both the market and the inn front.
constexpr DescriptionRow kNatrzistiWall{
    .name = "Natrzisti.wall",
    .text = {.cz = "Stěna. Co víc dodat?",
             .en = "A wall. What to add?"},
};

constexpr DescriptionRow kNatrzistiRoof{
    .name = "Natrzisti.roof",
    .text = {.cz = "To neznáš? Tomu se říká střecha a má to za úkol tvořit společně se zdmi dům. Když třeba prší, tak se to celkem hodí.",
             .en = "You don't know it? It is called the roof and along with the walls it makes the house. It get useful when there is raining."},
};

constexpr DescriptionRow kNatrzistiPlace{
    .name = "Natrzisti.place",
    .text = {.cz = "Nacházíš se v nejvýchodnější části osady.",
             .en = "You are in the most eastern part of the village."},
};

// The way east out of the village, to Les4. Until the case is solved it only
// refuses with this text; the exit itself belongs to the scene changes.
constexpr DescriptionRow kNatrzistiWayEast{
    .name = "Natrzisti.wayEast",
    .text = {.cz = "Momentálně bych pryč z osady ještě nechodil. Mám takový pocit, že tu musím ještě něco udělat.",
             .en = "I wouldn't rather go out of the village. I think that I should do something before I leave."},
    .effect = Effect::WayEast,
    .exitTo = "Les4",
};

constexpr SceneRow kNatrzistiRows[] = {
    {&kNatrzistiTableLeg, "Image842 Image845 Image846 Image847"},
    {&kNatrzistiTable, "Image843 Image844"},
    {&kNatrzistiGateStripe, "Image165 Image173 Image174 Image175 Image176 Image177 Image178 Image179 Image180"},
    {&kNatrzistiHouseWall, "Image102"},
    {&kNatrzistiHouseRoof, "Image114 Image115 Image116 Image118"},
    {&kNatrzistiWarriorShoes, "Image92 Image119 Image120 Image121"},
    {&kNatrzistiWarriorHead, "Image132 Image133 Image134 Image135"},
    {&kNatrzistiWarriorEyes, "Image1329 Image1330"},
    {&kNatrzistiWarriorNose, "Image1331 Image1332 Image1333 Image1334"},
    {&kNatrzistiWarriorEars, "Image1335 Image1336"},
    {&kNatrzistiWarriorMuscles, "Image125 Image126 Image127 Image128 Image136 Image137"},
    {&kNatrzistiWarriorHands, "Image129 Image130 Image1325 Image1326 Image1327 Image1328"},
    {&kNatrzistiWarriorRudeSpot, "Image124"},
    {&kNatrzistiWarriorLegs, "Image122 Image123"},
    {&kNatrzistiSky, "Image138 Image139 Image140 Image141 Image142 Image143 Image144 Image145 PozadiNatrzisti"},
    {&kNatrzistiForestEdge, "Image131 Image848"},
    {&kNatrzistiWindowLedge, "Image146"},
    {&kNatrzistiRope, "slanonastole"},
    {&kNatrzistiWindow, "Image148 Image149 Image150 Image151 Image152"},
    {&kNatrzistiWall,
     "Image117 Image166 Image170 Image172 Image181 Image182 Image183 Image184 Image185 Image186 Image187"},
    {&kNatrzistiRoof, "Image153 Image188 Image189 Image190 Image191 Image192 Image193 Image194"},
    {&kNatrzistiPlace, "Image94 Image155 Image161 Image162 Image163 Image164 Image167 Image168 Image169"},
    {&kNatrzistiWayEast,
     "Image156 Image157 Image158 Image159 Image160 Label41 Label42 Label43 Label44 Label45 Label46 Label47 Label48 "
     "Label49 Label50 Label51 Label52 Label53 Label54 Label55 Label56 Label57 Label58 Label59 Label60 Label61 "
     "Label62"},
};

const SceneDescriptions kNatrzistiDescriptions{
    .scene = Scene::Natrzisti,
    .detective = {
        // head
        "Image105 Image106",
        // mouth
        "Image109",
        // nose
        "Image104",
        // eyes
        "Image107 Image108",
        // ears
        "",
        // right hand
        "",
        // left hand
        "Image110 Image111 Image112 Image113",
        // body
        "Image101 Image103",
        // legs
        "Image95 Image96 Image97 Image99 Image100",
        // shoes
        "Image90",
        // groin
        "Image98",
    },
    .rows = kNatrzistiRows,
};

// [SECTION] Udedka

constexpr DescriptionRow kUdedkaMug{
    .name = "Udedka.mug",
    .text = {.cz = "Dědkův hrnek.",
             .en = "Old Man's mug."},
};

constexpr DescriptionRow kUdedkaWall{
    .name = "Udedka.wall",
    .text = {.cz = "Stěna v Dědkově domě.",
             .en = "Old Man's wall."},
};

constexpr DescriptionRow kUdedkaWindow{
    .name = "Udedka.window",
    .text = {.cz = "Okno s nádherným výhledem.",
             .en = "Window and beautiful view."},
};

constexpr DescriptionRow kUdedkaWallStripe{
    .name = "Udedka.wallStripe",
    .text = {.cz = "Pruh na stěně. Je tu nejspíše z estetických důvodů.",
             .en = "Stripe on the wall. Probably because of esthetical reasons."},
};

constexpr DescriptionRow kUdedkaFlower{
    .name = "Udedka.flower",
    .text = {.cz = "Kytička.",
             .en = "A flower."},
};

constexpr DescriptionRow kUdedkaFlowerBottom{
    .name = "Udedka.flowerBottom",
    .text = {.cz = "Spodní část kytičky, která je pod vodičkou.",
             .en = "A bottom of flower that is under water."},
};

constexpr DescriptionRow kUdedkaOldManHead{
    .name = "Udedka.oldManHead",
    .text = {.cz = "Hlava od dědka.",
             .en = "Old Man's head."},
    .itemUse = ItemUse::OldMan,
};

constexpr DescriptionRow kUdedkaOldManEye{
    .name = "Udedka.oldManEye",
    .text = {.cz = "Dědkovo oko, které toho jistě mnoho vidělo.",
             .en = "Old Man's eye, that certainly had seen a lot."},
    .itemUse = ItemUse::OldMan,
};

constexpr DescriptionRow kUdedkaOldManEar{
    .name = "Udedka.oldManEar",
    .text = {.cz = "Vidím, že pozoruješ jen věci, které jsou zajisté klíčem k vyřešení tohoto případu, jako je například toto dědkovo ucho.",
             .en = "I see that you are watching only those things that will certainly lead you to solving the case. Like Old Man's ear is."},
    .itemUse = ItemUse::OldMan,
};

constexpr DescriptionRow kUdedkaOldManWrinkles{
    .name = "Udedka.oldManWrinkles",
    .text = {.cz = "Až budu starší, taky budu mít takové vrásky.",
             .en = "When I am older, I will have such wrinkles too. "},
    .itemUse = ItemUse::OldMan,
};

constexpr DescriptionRow kUdedkaSmallTable{
    .name = "Udedka.smallTable",
    .text = {.cz = "Dědkův stolek, na kterým leží váza.",
             .en = "Old Man's table with vase on it."},
};

constexpr DescriptionRow kUdedkaSmallTableLeg{
    .name = "Udedka.smallTableLeg",
    .text = {.cz = "Noha od Dědkového stolku, na kterém leží váza.",
             .en = "Old Man's table's leg with vase on it."},
};

constexpr DescriptionRow kUdedkaOldManLegs{
    .name = "Udedka.oldManLegs",
    .text = {.cz = "Dědkovy nohy.",
             .en = "Old Man's legs."},
    .itemUse = ItemUse::OldMan,
};

constexpr DescriptionRow kUdedkaOldManShoes{
    .name = "Udedka.oldManShoes",
    .text = {.cz = "Dědkovy boty.",
             .en = "Old Man's shoes."},
    .itemUse = ItemUse::OldMan,
};

constexpr DescriptionRow kUdedkaRockingChair{
    .name = "Udedka.rockingChair",
    .text = {.cz = "Dědkovo houpací křeslo.",
             .en = "Old Man's armchair."},
};

constexpr DescriptionRow kUdedkaRockingChairArm{
    .name = "Udedka.rockingChairArm",
    .text = {.cz = "Opěrátko Dědkova houpacího křesla",
             .en = "Old Man's armchair's arm."},
};

constexpr DescriptionRow kUdedkaCabinet{
    .name = "Udedka.cabinet",
    .text = {.cz = "Dědkova skříň.",
             .en = "Old Man's cabinet."},
};

constexpr DescriptionRow kUdedkaBooks{
    .name = "Udedka.books",
    .text = {.cz = "Jde vidět, že Dědek hodně čte. ",
             .en = "I seem that Old Man's read a lot."},
};

constexpr DescriptionRow kUdedkaShelf{
    .name = "Udedka.shelf",
    .text = {.cz = "Police s nějakými hrnky a obrazem.",
             .en = "A shelf with some mugs and picture on it."},
};

constexpr DescriptionRow kUdedkaClosedCabinet{
    .name = "Udedka.closedCabinet",
    .text = {.cz = "Co má Dědek v této skříni, to se asi nikdy nedozvím.",
             .en = "I will probably never get to know what do Old Man has in this cabinet."},
};

constexpr DescriptionRow kUdedkaPainting{
    .name = "Udedka.painting",
    .text = {.cz = "Na obraze jde vidět nějaký poměrně mladý člověk na vrcholku hory. Vskutku nádherný pohled.",
             .en = "There is young man at the top of the mountain on the picture. Really beautiful sight."},
};

constexpr DescriptionRow kUdedkaMugHandle{
    .name = "Udedka.mugHandle",
    .text = {.cz = "No jo, proč si nevyzkoušet, jestli je tahle hra naprogramovaná i na popis ucha od hrnku, co?",
             .en = "Well, who not to try, if this game is programmed to describe that mugs ear."},
};

constexpr DescriptionRow kUdedkaParquet{
    .name = "Udedka.parquet",
    .text = {.cz = "Celkem moderní parkety.",
             .en = "Relative common parquet."},
};

constexpr DescriptionRow kUdedkaOldManBody{
    .name = "Udedka.oldManBody",
    .text = {.cz = "Dědkovo tělo.",
             .en = "Old Man's body."},
    .itemUse = ItemUse::OldMan,
};

constexpr DescriptionRow kUdedkaOldManBeard{
    .name = "Udedka.oldManBeard",
    .text = {.cz = "Dědkovy šedý vousy.",
             .en = "Old Man's gray facial hair."},
    .itemUse = ItemUse::OldMan,
};

constexpr DescriptionRow kUdedkaOldManHand{
    .name = "Udedka.oldManHand",
    .text = {.cz = "Dědkova ruka.",
             .en = "Old Man's hand."},
    .itemUse = ItemUse::OldMan,
};

constexpr DescriptionRow kUdedkaOldManFingers{
    .name = "Udedka.oldManFingers",
    .text = {.cz = "Jejda! Co to má s rukou! Aha, jó, to jsou prsty.",
             .en = "Hey, his hand is wounded. No it isn't, these are just fingers."},
    .itemUse = ItemUse::OldMan,
};

constexpr DescriptionRow kUdedkaDoor{
    .name = "Udedka.door",
    .text = {.cz = "Jen Bůh ví kam vedou tyhle dveře. A jó, vlastně ještě Dědek to ví.",
             .en = "Only God knows where these door lead. Oh yeah, the Old Man knows too."},
};

// The old man's backside: its handler raises RudeSpotOldMan before this row
// runs, so his item-use step knows where the click came from.
constexpr DescriptionRow kUdedkaOldManRudeSpot{
    .name = "Udedka.oldManRudeSpot",
    .text = {.cz = "No, tak abych ti popisoval jeho zadek, od toho tu já nejsem.",
             .en = "I am not here to describe his back to you."},
    .itemUse = ItemUse::OldMan,
    .effect = Effect::RudeSpotInHandler,
};

constexpr SceneRow kUdedkaRows[] = {
    {&kUdedkaMug, "Image52 Image53"},
    {&kUdedkaWall, "Image64 Image74 Image75 image88"},
    {&kUdedkaWindow, "Image5"},
    {&kUdedkaWallStripe, "Image4 Image65 Image66 Image67 Image68 Image69 Image70 Image71 Image72"},
    {&kUdedkaFlower, "Image7"},
    {&kUdedkaFlowerBottom, "Image6"},
    {&kUdedkaOldManHead, "Image59"},
    {&kUdedkaOldManEye, "Image56"},
    {&kUdedkaOldManEar, "Image58"},
    {&kUdedkaOldManWrinkles, "Image57"},
    {&kUdedkaSmallTable, "Image8"},
    {&kUdedkaSmallTableLeg, "Image9 Image10"},
    {&kUdedkaOldManLegs, "Image17 Image18 Image19 Image20"},
    {&kUdedkaOldManShoes, "Image16"},
    {&kUdedkaRockingChair, "Image13 Image15"},
    {&kUdedkaRockingChairArm, "Image14"},
    {&kUdedkaCabinet, "Image12 Image73"},
    {&kUdedkaBooks, "Image28"},
    {&kUdedkaShelf, "Image29"},
    {&kUdedkaClosedCabinet, "Image30"},
    {&kUdedkaPainting, "Image63"},
    {&kUdedkaMugHandle, "Image54 Image55"},
    {&kUdedkaParquet, "Image11 Image83 Image84 Image85 Image86 Image87"},
    {&kUdedkaOldManBody, "Image22 Image23"},
    {&kUdedkaOldManBeard, "Image60 Image61 Image62"},
    {&kUdedkaOldManHand, "Image24 Image25 Image26"},
    {&kUdedkaOldManFingers, "Image27"},
    {&kUdedkaDoor, "Image76 Image77 Image78 Image79 Image80 Image81"},
    {&kUdedkaOldManRudeSpot, "Image21"},
};

const SceneDescriptions kUdedkaDescriptions{
    .scene = Scene::Udedka,
    .detective = {
        // head
        "Image31 Image32 Image835 Image836 Image837 Image838",
        // mouth
        "Image45 Image840",
        // nose
        "Image34",
        // eyes
        "Image33 Image839",
        // ears
        "Image35",
        // right hand
        "Image38 Image39",
        // left hand
        "Image40 Image41 Image42 Image43",
        // body
        "Image36 Image37",
        // legs
        "Image46 Image47 Image48 Image49",
        // shoes
        "Image50 Image51",
        // groin
        "Image44",
    },
    .rows = kUdedkaRows,
};

// [SECTION] Predhospodou

constexpr DescriptionRow kPredhospodouPlace{
    .name = "Predhospodou.place",
    .text = {.cz = "Nacházíš se ve východní části osady, před hostincem u Becherů.",
             .en = "You are located at east part of the village, before the Becher's pub."},
};

constexpr DescriptionRow kPredhospodouDoorStripe{
    .name = "Predhospodou.doorStripe",
    .text = {.cz = "Pruh, kolem dveří, které slouží jako vstup do hostince.",
             .en = "A stripe around the pub's entrance door."},
};

// The inn as seen from its front and from the square.
constexpr DescriptionRow kPredhospodouInn{
    .name = "Predhospodou.inn",
    .text = {.cz = "Toto je známý hostinec u Becherů.",
             .en = "This is well known Becher's pub."},
};

constexpr DescriptionRow kPredhospodouInnSign{
    .name = "Predhospodou.innSign",
    .text = {.cz = "Ten nápis bohužel nepřečtu, zapomněl jsem si brýle.",
             .en = "I forget my glasses so I can't read that sign."},
};

// The keyhole and the lock hand a held item to the door of the criminal's
// house; the handle itself does not.
constexpr DescriptionRow kPredhospodouKeyhole{
    .name = "Predhospodou.keyhole",
    .text = {.cz = "Tam se myslím strká klíč.",
             .en = "I think that key should be put there."},
    .itemUse = ItemUse::Door,
};

constexpr DescriptionRow kPredhospodouLock{
    .name = "Predhospodou.lock",
    .text = {.cz = "No, tady je zařízení, které v podstatě zajišťuje komunikaci mezi klikou a zámkem, čímž umožňuje funkci dveří.",
             .en = "This is device that maintains communication between the handle and the lock which makes it possible for door to work."},
    .itemUse = ItemUse::Door,
};

constexpr DescriptionRow kPredhospodouHandle{
    .name = "Predhospodou.handle",
    .text = {.cz = "Máš kliku, našel jsi kliku, ale v podstatě kliku nemáš, protože nejde otevřít. Zmatek, co?",
             .en = "You found the handle, but unluckily it cannot be open."},
};

constexpr DescriptionRow kPredhospodouDoorFrame{
    .name = "Predhospodou.doorFrame",
    .text = {.cz = "Fakt nevím, jak ti tohle popsat. Vždyť to vidíš, rám na dveře.",
             .en = "How should I describe that? You see, doors frame."},
};

constexpr DescriptionRow kPredhospodouWallHoles{
    .name = "Predhospodou.wallHoles",
    .text = {.cz = "Tenhle dům už bude asi starý, když má ve zdi takovýhle díry. I když né, ty díry budou nejspíš okna.",
             .en = "This house will be old when there are such holes in walls. But wait, these holes will probably be windows."},
};

// The windows of the house by the inn, seen from the inn front and from the
// square.
constexpr DescriptionRow kPredhospodouWindow{
    .name = "Predhospodou.window",
    .text = {.cz = "Okno, které je skleněné. A je to asi dobře, protože kdyby bylo třeba z železa, nejspíše by neplnilo svou funkci.",
             .en = "Window that is made from glass. And that's good because if it would be e.g. from iron, it wouldn't work."},
};

constexpr DescriptionRow kPredhospodouWindowLedge{
    .name = "Predhospodou.windowLedge",
    .text = {.cz = "Jó, parapet, nejlepší přítel člověka. Hmm, nebo se to říká o psech?",
             .en = "Yeah, window ledge, man's best friend. Or it is used to say that about dogs?"},
};

// The inn door says nothing: a click on it walks into the inn.
constexpr DescriptionRow kPredhospodouInnDoor{
    .name = "Predhospodou.innDoor",
    .text = {},
    .effect = Effect::ExitNoText,
    .exitTo = "Vhospode",
};

constexpr SceneRow kPredhospodouRows[] = {
    {&kNatrzistiSky, "Image207"},
    {&kNatrzistiWall, "Image197 Image261 Image262"},
    {&kNatrzistiRoof, "Image224 Image225 Image226 Image227 Image228 Image229 Image230 Image231 Image232"},
    {&kPredhospodouPlace, "Image199 Image206 Image239"},
    {&kPredhospodouDoorStripe,
     "Image208 Image209 Image211 Image212 Image213 Image214 Image215 Image216 Image217 Image218 Image219 Image220"},
    {&kPredhospodouInn, "Image210 Image223 Image233"},
    {&kPredhospodouInnSign, "Label1"},
    {&kPredhospodouKeyhole, "Image238"},
    {&kPredhospodouLock, "Image236"},
    {&kPredhospodouHandle, "Image237"},
    {&kPredhospodouDoorFrame, "Image234"},
    {&kPredhospodouWallHoles, "Image263 Image264 Image265 Image266 Image267 Image268 Image269"},
    {&kPredhospodouWindow, "Image200 Image201 Image202"},
    {&kPredhospodouWindowLedge, "Image203 Image204 Image205"},
    {&kPredhospodouInnDoor, "Label3 Label4"},
};

const SceneDescriptions kPredhospodouDescriptions{
    .scene = Scene::Predhospodou,
    .detective = {
        // head
        "Image198 Image254 Image255 Image961 Image962",
        // mouth
        "Image260",
        // nose
        "Image259",
        // eyes
        "Image258",
        // ears
        "Image256 Image257",
        // right hand
        "Image249 Image253",
        // left hand
        "Image250 Image251 Image252",
        // body
        "Image247 Image248",
        // legs
        "Image244 Image245",
        // shoes
        "Image240 Image241 Image242 Image243",
        // groin
        "Image246",
    },
    .rows = kPredhospodouRows,
};

// [SECTION] Vhospode

constexpr DescriptionRow kVhospodeStairs{
    .name = "Vhospode.stairs",
    .text = {.cz = "Schody vedoucí do horní části hostince. Nejspíše tam jsou pokoje k pronajmutí, jak už to v hostincích bývá. Ale to já nepotřebuju.",
             .en = "These stairs lead to upper part of the pub. Probably there are rooms for rent as is use to be. But I don't need this."},
};

constexpr DescriptionRow kVhospodeWall{
    .name = "Vhospode.wall",
    .text = {.cz = "Stěna, která vyplňuje mezeru mezi venkem a hostincem.",
             .en = "Wall that fills empty space between outside and the pub."},
};

constexpr DescriptionRow kVhospodeFloor{
    .name = "Vhospode.floor",
    .text = {.cz = "Podlahovitě podlahovitá, místy vypodlahovaná podlaha.",
             .en = "A floor-ish floor, somewhere more floor-ish floor."},
};

constexpr DescriptionRow kVhospodeRailing{
    .name = "Vhospode.railing",
    .text = {.cz = "Tváří se to jako zábradlí.",
             .en = "This seems to be railing."},
};

constexpr DescriptionRow kVhospodeTable{
    .name = "Vhospode.table",
    .text = {.cz = "Obyčejný hospodský stůl.",
             .en = "Just common table."},
};

constexpr DescriptionRow kVhospodeChair{
    .name = "Vhospode.chair",
    .text = {.cz = "Židle na které kdosi sedí.",
             .en = "Chair and someone is sitting on it."},
};

// The guest's shirt: Image357 has a handler of its own that runs this same
// row.
constexpr DescriptionRow kVhospodeGuestShirt{
    .name = "Vhospode.guestShirt",
    .text = {.cz = "Zelená košile. Myslím že má vkus. Ladí mu to k jeho modré hlavě.",
             .en = "Green shirt. I think he has a good taste, it harmonizes with his blue head."},
    .itemUse = ItemUse::Guest,
};

// The guest's rude spot.
constexpr DescriptionRow kVhospodeGuestRudeSpot{
    .name = "Vhospode.guestRudeSpot",
    .text = {.cz = "Hele, všude mu klikat nemusíš! Tohle je slušnej podnik.",
             .en = "Hey, you don't have to click everywhere, this is solid restaurant."},
    .itemUse = ItemUse::Guest,
    .effect = Effect::RudeSpot,
};

constexpr DescriptionRow kVhospodeGuestLegs{
    .name = "Vhospode.guestLegs",
    .text = {.cz = "Nohy od toho co sedí na té židli.",
             .en = "Sitting man's legs."},
    .itemUse = ItemUse::Guest,
};

constexpr DescriptionRow kVhospodeGuestHead{
    .name = "Vhospode.guestHead",
    .text = {.cz = "Jeho hlava je modrá, jako hladina nikdy nekončících oceánů. Sakra, asi se dám na spisovatelství.",
             .en = "His head is blue as surface of nowhere ending oceans. Damned, I should become writer."},
    .itemUse = ItemUse::Guest,
};

constexpr DescriptionRow kVhospodeGuestHands{
    .name = "Vhospode.guestHands",
    .text = {.cz = "To jsou ruce. Nic neobvyklýho. Taky je mám.",
             .en = "These are hands. Noting extraordinary. I have then too."},
    .itemUse = ItemUse::Guest,
};

constexpr DescriptionRow kVhospodeMug{
    .name = "Vhospode.mug",
    .text = {.cz = "Hrnek. Šedý hrnek.",
             .en = "Mug. Gray mug."},
};

constexpr DescriptionRow kVhospodePublicanBody{
    .name = "Vhospode.publicanBody",
    .text = {.cz = "Sakra co tu dělá to tělo!!! Aha, to je tělo od hostinského.",
             .en = "Damned, what does this body here!!! Yeah, it's publican's body."},
    .itemUse = ItemUse::Publican,
};

constexpr DescriptionRow kVhospodePublicanHead{
    .name = "Vhospode.publicanHead",
    .text = {.cz = "Má hlavu jako vepřík. Ale neříkej mu, že jsem to o něm řek.",
             .en = "He has piggy head. But don't tell him I said that about him."},
    .itemUse = ItemUse::Publican,
};

constexpr DescriptionRow kVhospodePublicanNose{
    .name = "Vhospode.publicanNose",
    .text = {.cz = "Název: Nos; Funkce: Čich; Zvláštnosti: O žádných nevím;",
             .en = "Title: A nose. Function: Smell. Specialties: I don't know about any."},
    .itemUse = ItemUse::Publican,
};

constexpr DescriptionRow kVhospodeGameTable{
    .name = "Vhospode.gameTable",
    .text = {.cz = "Stůl, jako stvořený pro hru.",
             .en = "Table, well suitable for a game."},
};

constexpr DescriptionRow kVhospodePublicanEyes{
    .name = "Vhospode.publicanEyes",
    .text = {.cz = "Ten má kukadla, jako zrcadla.",
             .en = "His eyes are like mirrors."},
    .itemUse = ItemUse::Publican,
};

constexpr DescriptionRow kVhospodeBat{
    .name = "Vhospode.bat",
    .text = {.cz = "Pálka, jako stvořená pro hru.",
             .en = "Bat, well suitable for a game."},
};

constexpr DescriptionRow kVhospodeBall{
    .name = "Vhospode.ball",
    .text = {.cz = "Kulička, jako stvořená pro hru.",
             .en = "A ball, well suitable for a game."},
};

constexpr DescriptionRow kVhospodeCabinet{
    .name = "Vhospode.cabinet",
    .text = {.cz = "Skříň, ve které jsou police. Docela dobrej vynález.",
             .en = "A cabinet with shelves. Kinda good invention."},
};

constexpr DescriptionRow kVhospodeSomethingHidden{
    .name = "Vhospode.somethingHidden",
    .text = {.cz = "Tam bude nejspíš něco, co by nemělo jít vidět. Jinak si to nedovedu vysvětlit.",
             .en = "There will be something that shouldn't be visible. I can't explain that in other way."},
};

constexpr DescriptionRow kVhospodeMugs{
    .name = "Vhospode.mugs",
    .text = {.cz = "Spousty hrnků. Nejspíš je tu plno, když je Becherovka k mání.",
             .en = "A lot of mugs. Probably there is a lot of people when Becherovka is available."},
};

constexpr DescriptionRow kVhospodeBarrels{
    .name = "Vhospode.barrels",
    .text = {.cz = "Sudy, ale budou nejspíš prázdné, když teď místní druid nedodává Becherovku.",
             .en = "Probably empty barrels when the Sorcerer is no longer producing Becherovka."},
};

// The room's background picture: any click that hits nothing else.
constexpr DescriptionRow kVhospodeRoom{
    .name = "Vhospode.room",
    .text = {.cz = "V tomhle hostinci je jistě mnoho jiných, rentabilnějších míst, kde by se mělo kliknout.",
             .en = "There are probably much more different, more suitable, places to be clicked at."},
};

constexpr DescriptionRow kVhospodePublicanHair{
    .name = "Vhospode.publicanHair",
    .text = {.cz = "Co to má na hlavě? Tohle já neznám. Tohle roste na hlavě jen některým.",
             .en = "What does he had on his head? I don't know what it is. Few people only have that."},
    .itemUse = ItemUse::Publican,
};

constexpr SceneRow kVhospodeRows[] = {
    {&kVhospodeStairs, "Image274 Image275 Image276"},
    {&kVhospodeWall, "Image277 Image278 Image279 Image280 Image282 Image283"},
    {&kVhospodeFloor, "Image284 Image285 Image286 Image287 Image288 Image339 Image350 Image378 Image391 Image392"},
    {&kVhospodeRailing,
     "Image289 Image290 Image291 Image292 Image293 Image294 Image295 Image296 Image297 Image298 Image299 Image300 "
     "Image301 Image302 Image303 Image304 Image305 Image306 Image307 Image308 Image309 Image310 Image311 Image312 "
     "Image313 Image314 Image315 Image316 Image317 Image318 Image319 Image320 Image321 Image322 Image323 Image324 "
     "Image325 Image327 Image328 Image329 Image330 Image331 Image332 Image333 Image334 Image335 Image336 Image337 "
     "Image338"},
    {&kVhospodeTable, "Image340 Image367 Image369 Image370 Image371 Image372 Image373"},
    {&kVhospodeChair, "Image341 Image342 Image343 Image345 Image374 Image375 Image376 Image377"},
    {&kVhospodeGuestShirt, "Image344 Image351 Image352 Image353 Image354 Image357"},
    {&kVhospodeGuestRudeSpot, "Image346"},
    {&kVhospodeGuestLegs, "Image347 Image348"},
    {&kVhospodeGuestHead, "Image356 Image358 Image359"},
    {&kVhospodeGuestHands, "Image360 Image361 Image362 Image363 Image364 Image365 Image366"},
    {&kVhospodeMug, "Image368"},
    {&kVhospodePublicanBody, "Image380 Image381 Image382 Image383"},
    {&kVhospodePublicanHead, "Image384 Image385 Image386"},
    {&kVhospodePublicanNose, "Image389"},
    {&kVhospodeGameTable, "Image393 Image394 Image395 Image396 Image397 Image398 Image399 Image400"},
    {&kVhospodePublicanEyes, "Image387 Image388"},
    {&kVhospodeBat, "Image401"},
    {&kVhospodeBall, "Image402"},
    {&kVhospodeCabinet, "Image426 Image427 Image428"},
    {&kVhospodeSomethingHidden, "Image429"},
    {&kVhospodeMugs, "Image430"},
    {&kVhospodeBarrels, "Image431"},
    {&kVhospodeRoom, "PozadiVhospode"},
    {&kVhospodePublicanHair, "Image432 Image433 Image434"},
};

const SceneDescriptions kVhospodeDescriptions{
    .scene = Scene::Vhospode,
    .detective = {
        // head
        "Image418 Image419 Image420 Image421",
        // mouth
        "",
        // nose
        "Image422 Image2147",
        // eyes
        "Image423 Image424",
        // ears
        "Image425",
        // right hand
        "Image411 Image412 Image413 Image414",
        // left hand
        "Image415 Image416 Image417",
        // body
        "Image410",
        // legs
        "Image405 Image406 Image407 Image408 Image409",
        // shoes
        "Image403 Image404",
        // groin
        "Image271",
    },
    .rows = kVhospodeRows,
};

// [SECTION] Predradnici

constexpr DescriptionRow kPredradniciPlace{
    .name = "Predradnici.place",
    .text = {.cz = "Nacházíš se v centrální části osady, přesněji před radnicí.",
             .en = "You are located in middle part of the village, before the City Hall."},
};

// The town hall, seen from the square and from in front of the court.
constexpr DescriptionRow kTownHallRow{
    .name = "Predradnici.townHall",
    .text = {.cz = "Radnice a stojí přesně ve středu této osady.",
             .en = "The City Hall stands exactly in the middle of the village."},
};

constexpr DescriptionRow kPredradniciSky{
    .name = "Predradnici.sky",
    .text = {.cz = "Nádherná obloha, která se rozprostírá nad touto malebnou krajinou. Huh, co to kecám za kraviny?",
             .en = "Beautiful sky arches above picturesque landscape. Huh, what bullshit did I just said?"},
};

constexpr DescriptionRow kPredradniciInnRoof{
    .name = "Predradnici.innRoof",
    .text = {.cz = "Tož i hostinec holt potřebuje střechu.",
             .en = "Yeah, the pub needs roof too."},
};

constexpr DescriptionRow kPredradniciTownHallRoof{
    .name = "Predradnici.townHallRoof",
    .text = {.cz = "Střecha radnice se leskne v odlesku slunce.",
             .en = "Specular sun shined City Hall roof."},
};

constexpr DescriptionRow kPredradniciLedge{
    .name = "Predradnici.ledge",
    .text = {.cz = "Vskutku normální parapet.",
             .en = "Just common ledge."},
};

constexpr DescriptionRow kPredradniciTownHallWindow{
    .name = "Predradnici.townHallWindow",
    .text = {.cz = "Jó, babička mi vždycky říkala, Vazi okno od radnice, to není jako velbloud v dešti.",
             .en = "My grandma used to say: Vazi, City Hall window is not like camel in rain."},
};

constexpr DescriptionRow kPredradniciTreeCrown{
    .name = "Predradnici.treeCrown",
    .text = {.cz = "Koruna stromu, který tady uprostřed osady nádherně reprezentuje přírodu.",
             .en = "This tree perfectly represents the nature in this village."},
};

constexpr SceneRow kPredradniciRows[] = {
    {&kPredradniciPlace, "Image222 Image435"},
    {&kTownHallRow, "Image456 Image460 Image464 Image465 Image475 Image477 Image495 Image496 Image497 Image498"},
    {&kPredradniciSky,
     "Image478 Image479 Image480 Image481 Image482 Image483 Image484 Image485 Image486 Image487 Image488 Image489"},
    {&kPredradniciInnRoof, "Image461"},
    {&kPredradniciTownHallRoof, "Image463"},
    {&kPredradniciLedge, "Image499 Image500 Image501 Image502"},
    {&kPredradniciTownHallWindow, "Image503 Image504 Image505 Image508 Image509 Image510 Image511 Image512"},
    {&kPredradniciTreeCrown, "Image513 Image514 Image515 Image516 Image517 Image518 Image519"},
    {&kPredhospodouInn, "Image492"},
    {&kPredhospodouWindow, "Image490 Image491"},
    {&kPredhospodouWindowLedge, "Image493 Image494"},
};

const SceneDescriptions kPredradniciDescriptions{
    .scene = Scene::Predradnici,
    .detective = {
        // head
        "Image466 Image467 Image468",
        // mouth
        "Image472",
        // nose
        "Image469",
        // eyes
        "Image470 Image471",
        // ears
        "Image473 Image474 Image645",
        // right hand
        "Image451 Image452 Image453 Image454",
        // left hand
        "Image455 Image457 Image458 Image459",
        // body
        "Image446 Image447 Image448 Image449 Image450",
        // legs
        "Image441 Image442 Image443 Image444",
        // shoes
        "Image436 Image437 Image438 Image439 Image440",
        // groin
        "Image445",
    },
    .rows = kPredradniciRows,
};

// [SECTION] Radnice

constexpr DescriptionRow kRadniceWall{
    .name = "Radnice.wall",
    .text = {.cz = "Jak říkala moje babička, jó stěna Vazi, to není jako okno.",
             .en = "My grandma said: Wall, Vazi, is not like window."},
};

constexpr DescriptionRow kRadniceFloor{
    .name = "Radnice.floor",
    .text = {.cz = "Tož stojí se na té podlaze dobře.",
             .en = "Well, good solid floor."},
};

constexpr DescriptionRow kRadniceTable{
    .name = "Radnice.table",
    .text = {.cz = "Stůl. Můžou se na něj odkládat věci, opírat se o něj, prostě takovej multifunkční vynález. ",
             .en = "Table. You can put things on it, lean of it . . . really multifunctional invention."},
};

constexpr DescriptionRow kRadnicePictureFrame{
    .name = "Radnice.pictureFrame",
    .text = {.cz = "Rám od obrazu.",
             .en = "Frame of the picture."},
};

constexpr DescriptionRow kRadnicePicture{
    .name = "Radnice.picture",
    .text = {.cz = "Obraz zachycující radnici v které se teď nacházíme.",
             .en = "Picture with the City Hall we are in."},
};

constexpr DescriptionRow kRadniceCabinet{
    .name = "Radnice.cabinet",
    .text = {.cz = "Fakt normální skříň, nic víc, nic míň.",
             .en = "Really ordinary cabinet, nothing more, nothing less."},
};

constexpr DescriptionRow kRadniceBookShelf{
    .name = "Radnice.bookShelf",
    .text = {.cz = "Jistě ta polička obsahuje vrcholovou literaturu naší kultury, ale teď musíme zachránit tuhle osadu.",
             .en = "I am sure that there is peak of our literature, but we should go and save the village first."},
};

constexpr DescriptionRow kRadniceBook{
    .name = "Radnice.book",
    .text = {.cz = "Prioritnější, než přečíst si knížku je pro nás najít tu láhev.",
             .en = "Higher priority has lookup for the bottle than reading some book."},
};

constexpr DescriptionRow kRadniceDrawers{
    .name = "Radnice.drawers",
    .text = {.cz = "Přece tu nebudu starostovi šňupat do přihrádek.",
             .en = "Why should I be checking the Mayors things?"},
};

constexpr DescriptionRow kRadniceStripe{
    .name = "Radnice.stripe",
    .text = {.cz = "Bez toho pruhu by tahle místnost postrádala své kouzlo. Ještě že tu je.",
             .en = "Without this strip would the room be missing its magic."},
};

constexpr DescriptionRow kRadniceMayorShoes{
    .name = "Radnice.mayorShoes",
    .text = {.cz = "Moje boty jsou bezesporu lepší, ale nechci se chlubit.",
             .en = "My shoes are better, no doubt."},
    .itemUse = ItemUse::Mayor,
};

constexpr DescriptionRow kRadniceMayorTrousers{
    .name = "Radnice.mayorTrousers",
    .text = {.cz = "Celkem COOL tepláčky.",
             .en = "Really cool trousers."},
    .itemUse = ItemUse::Mayor,
};

// The mayor's rude spot.
constexpr DescriptionRow kRadniceMayorRudeSpot{
    .name = "Radnice.mayorRudeSpot",
    .text = {.cz = "Ale no tak!",
             .en = "Hey!"},
    .itemUse = ItemUse::Mayor,
    .effect = Effect::RudeSpot,
};

constexpr DescriptionRow kRadniceChair{
    .name = "Radnice.chair",
    .text = {.cz = "Židle, na které sedí starosta.",
             .en = "Chair. The Mayor is sitting on it."},
};

constexpr DescriptionRow kRadniceMayorBody{
    .name = "Radnice.mayorBody",
    .text = {.cz = "Trošku silnější postavy, jak se říká o tlustých lidech.",
             .en = "Thick bones . . . they say about fat people."},
    .itemUse = ItemUse::Mayor,
};

constexpr DescriptionRow kRadniceMayorHands{
    .name = "Radnice.mayorHands",
    .text = {.cz = "Jó, už to tak příroda zařídila, že i starosta má ruce.",
             .en = "Yeah, the Mayor has hands . . . nature's work."},
    .itemUse = ItemUse::Mayor,
};

constexpr DescriptionRow kRadniceMayorHead{
    .name = "Radnice.mayorHead",
    .text = {.cz = "Tohle vypadá jako starosta. Přesněji jako jeho hlava.",
             .en = "This looks like the Mayor. Specially his head."},
    .itemUse = ItemUse::Mayor,
};

constexpr DescriptionRow kRadniceMayorEars{
    .name = "Radnice.mayorEars",
    .text = {.cz = "Tak bez tohodle by mě starosta vůbec neslyšel.",
             .en = "He wouldn't hear me at all without this."},
    .itemUse = ItemUse::Mayor,
};

constexpr DescriptionRow kRadniceMayorEyes{
    .name = "Radnice.mayorEyes",
    .text = {.cz = "Pokud tohle neznáš, pak nechápu čím si čteš co ti říkám, ale dobře, jsou to kupodivu starostovi oči. ",
             .en = "If you don't know what it is, then I don't understand how you do read what am I telling you."},
    .itemUse = ItemUse::Mayor,
};

constexpr DescriptionRow kRadniceMayorNose{
    .name = "Radnice.mayorNose",
    .text = {.cz = "Nos. Normálka, taky jeden mám.",
             .en = "The nose. I've got one too."},
    .itemUse = ItemUse::Mayor,
};

constexpr SceneRow kRadniceRows[] = {
    {&kRadniceWall,
     "Image1616 Image1626 Image1627 Image1628 Image1629 Image1630 Image1631 Image1721 Image1722 Image1723 Image1732"},
    {&kRadniceFloor, "Image1617"},
    {&kRadniceTable, "Image1618 Image1619 Image1620 Image1621 Image1622 Image1623 Image1624 Image1625"},
    {&kRadnicePictureFrame, "Image1632"},
    {&kRadnicePicture, "Image1633"},
    {&kRadniceCabinet, "Image1634 Image1635 Image1636 Image1637 Image1638"},
    {&kRadniceBookShelf, "Image1639"},
    {&kRadniceBook, "Image1640"},
    {&kRadniceDrawers, "Image1641"},
    {&kRadniceStripe,
     "Image1700 Image1701 Image1702 Image1703 Image1704 Image1705 Image1706 Image1707 Image1708 Image1709 Image1724 "
     "Image1725 Image1726 Image1727 Image1728 Image1729 Image1730 Image1731 Image1733 Image1734 Image1735 Image1736 "
     "Image1737 Image1738 Image1739 Image1740 Image1741 Image1742 Image1743 Image1744 Image1745 Image1746 Image1747 "
     "Image1748 Image1749 Image1750 Image1751 Image1752 Image1753 Image1754 Image1755 Image1756 Image1757 Image1758 "
     "Image1759 Image1760"},
    {&kRadniceMayorShoes, "Image1761 Image1762 Image1763 Image1764"},
    {&kRadniceMayorTrousers,
     "Image1765 Image1766 Image1767 Image1768 Image1769 Image1770 Image1771 Image1772 Image1773 Image1774"},
    {&kRadniceMayorRudeSpot, "Image1775 Image1776"},
    {&kRadniceChair, "Image1777 Image1778 Image1779 Image1780 Image1801 Image1802"},
    {&kRadniceMayorBody, "Image1781 Image1782 Image1783 Image1784 Image1785 Image1786 Image1787"},
    {&kRadniceMayorHands,
     "Image1788 Image1789 Image1790 Image1791 Image1792 Image1793 Image1794 Image1795 Image1796 Image1797 Image1798 "
     "Image1799 Image1800"},
    {&kRadniceMayorHead, "Image1803 Image1804 Image1805 Image1806 Image1807 Image1808 Image1809 Image1810"},
    {&kRadniceMayorEars, "Image1811 Image1812"},
    {&kRadniceMayorEyes, "Image1813 Image1814"},
    {&kRadniceMayorNose, "Image1815"},
};

const SceneDescriptions kRadniceDescriptions{
    .scene = Scene::Radnice,
    .detective = {
        // head
        "Image1687 Image1688 Image1689 Image1690 Image1691 Image1692 Image1693",
        // mouth
        "",
        // nose
        "Image1696 Image1697 Image1698",
        // eyes
        "Image1694 Image1695",
        // ears
        "Image1699",
        // right hand
        "Image1668 Image1669 Image1670 Image1671 Image1672 Image1673 Image1674 Image1675",
        // left hand
        "Image1676 Image1677 Image1678 Image1679 Image1680 Image1681 Image1682 Image1683 Image1684 Image1685 "
        "Image1686",
        // body
        "Image1660 Image1661 Image1662 Image1663 Image1664 Image1665 Image1666 Image1667",
        // legs
        "Image1647 Image1648 Image1649 Image1650 Image1651 Image1652 Image1653 Image1654 Image1655 Image1656 "
        "Image1657",
        // shoes
        "Image1642 Image1643 Image1644 Image1645 Image1646",
        // groin
        "Image1658 Image1659",
    },
    .rows = kRadniceRows,
};

}  // namespace kvarnel::scenes

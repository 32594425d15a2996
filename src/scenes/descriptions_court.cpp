// The description tables of the western village and the criminal's house:
// the square in front of the court (Predsoudem), the ground in front of the
// prison where the Bush Man hides in his shrub (Predveznici), the inside of
// the prison with the sheriff (Veveznici), and the criminal's house, where
// every look is part of the search for the hidden knife (Uzlocinkyne).
//
// Texts are kept exactly as the game shows them, slips and all; they are the
// game's lines, not ours to correct.
//
// Sections: Predsoudem, Predveznici, Veveznici, Uzlocinkyne. Each lists its
// rows, then the scene's rectangles for its rows, then its rectangles over
// the detective in DetectivePart order. The town hall seen from in front of
// the court is the square's row (kTownHallRow, with the village tables).
#include "scenes/description_tables_internal.h"

namespace kvarnel::scenes {

// [SECTION] Predsoudem

constexpr DescriptionRow kPredsoudemPlace{
    .name = "Predsoudem.place",
    .text = {.cz = "Nacházíš se na západní straně osady, konkrétně před místním soudem.",
             .en = "You are now at the west side of the village, before the local court."},
};

constexpr DescriptionRow kPredsoudemSky{
    .name = "Predsoudem.sky",
    .text = {.cz = "Jak říkávala babička, obloha Vazi, ta je tak daleko, že slovo daleko je pro vyjádření té dálky moc krátké.",
             .en = "As my grandma said: Sky, Vazi, is so far, that even the word \"far\" means too close that the sky is."},
};

// The green where the shovel is used: its item-use step takes the held item.
constexpr DescriptionRow kPredsoudemGreen{
    .name = "Predsoudem.green",
    .text = {.cz = "Nádherný zelený plácek, který je téměř v centru osady.",
             .en = "Nice green place almost in the middle of the village."},
    .itemUse = ItemUse::Lawn,
};

constexpr DescriptionRow kPredsoudemHill{
    .name = "Predsoudem.hill",
    .text = {.cz = "Kopec, který je severně od osady. Za tímto kopcem je ještě spousta dalších hornatin, které jsou celé porostlé hustými lesy.",
             .en = "A hill at the north of the village. Behind that hill there are many others with deep forests."},
};

constexpr DescriptionRow kPredsoudemTrunk{
    .name = "Predsoudem.trunk",
    .text = {.cz = "Mohutný kmen, který slouží jako opora jistě velmi starému stromu.",
             .en = "Large trunk that holds probably very old tree."},
};

constexpr DescriptionRow kPredsoudemTreeCrown{
    .name = "Predsoudem.treeCrown",
    .text = {.cz = "Koruna velmi starého stromu.",
             .en = "Head of very old tree."},
};

constexpr DescriptionRow kPredsoudemCourtDoor{
    .name = "Predsoudem.courtDoor",
    .text = {.cz = "Tyto dveře jsou bránou ke spravedlnosti. Sakra, to se mi zas něco povedlo popsat.",
             .en = "This door leads to the justice. Well, I came off with good description again."},
};

constexpr DescriptionRow kPredsoudemWindow{
    .name = "Predsoudem.window",
    .text = {.cz = "Okno. A docela pěkné okno.",
             .en = "Window. Nice window."},
};

constexpr DescriptionRow kPredsoudemCourtWalls{
    .name = "Predsoudem.courtWalls",
    .text = {.cz = "Za těmito zdmi se v této mírumilovné osadě ortel spravedlnosti vyřkne jistě jen zřídka.",
             .en = "Behind these walls are sentences passed very rarely in this peaceful village."},
};

constexpr DescriptionRow kPredsoudemBird{
    .name = "Predsoudem.bird",
    .text = {.cz = "Toho se nemusíš bát, je to normální zvíře. Máme tu hodně druhů zvířat, tomuhle druhu říkáme ptáci.",
             .en = "You don't have to be afraid of this. It is common animal.  We have a lot of sorts of animals here and this is called the bird."},
};

constexpr DescriptionRow kPredsoudemBirdLegs{
    .name = "Predsoudem.birdLegs",
    .text = {.cz = "Ano, i ptáci mají nohy. Tak už to holt zařídila matka příroda.",
             .en = "Yes, the birds have legs too. It is matter of nature."},
};

constexpr DescriptionRow kPredsoudemCourtSign{
    .name = "Predsoudem.courtSign",
    .text = {.cz = "Vždyť je to tam napsaný většíma písmenkama, než kterýma je napsaný to co říkám. Takže je zbytečné, abych ti to četl.",
             .en = "It is written there in much larger letters than my words. So it is useless for me to read it for you."},
};

constexpr DescriptionRow kPredsoudemStripe{
    .name = "Predsoudem.stripe",
    .text = {.cz = "Modrý pruh, který alespoň na mě působí jako architektonicky velmi zdařilé dílo.",
             .en = "Blue stripe that seems to me like successful architectonic work."},
};

constexpr SceneRow kPredsoudemRows[] = {
    {&kPredsoudemPlace,
     "Image521 Image531 Image532 Image533 Image534 Image535 Image536 Image537 Image538 Image539"},
    {&kPredsoudemSky, "Image544"},
    {&kPredsoudemGreen, "Image530"},
    {&kPredsoudemHill, "Image522 Image605 Image606 Image607"},
    {&kPredsoudemTrunk,
     "Image573 Image574 Image575 Image576 Image577 Image578 Image579 Image580 Image581 Image582 Image583 "
     "Image584 Image585 Image586 Image587"},
    {&kPredsoudemTreeCrown,
     "Image588 Image589 Image590 Image591 Image592 Image593 Image594 Image595 Image596 Image597 Image598 "
     "Image599 Image600 Image601 Image602 Image603 Image604 Image608 Image609 Image610 Image611 Image612 "
     "Image613 Image614 Image615"},
    {&kPredsoudemCourtDoor, "Image616"},
    {&kPredsoudemWindow,
     "Image543 Image623 Image624 Image625 Image626 Image627 Image628 Image629 Image630 Image631 Image632 "
     "Image633 Image634 Image635 Image636 Image637"},
    {&kPredsoudemCourtWalls, "Image541 Image617 Image618 Image619 Image620 Image621 Image622"},
    {&kPredsoudemBird, "Image638 Image639 Image640 Image641"},
    {&kPredsoudemBirdLegs, "Image642"},
    {&kPredsoudemCourtSign, "Label15"},
    {&kPredsoudemStripe, "Image542"},
    {&kTownHallRow, "Image540"},
};

const SceneDescriptions kPredsoudemDescriptions{
    .scene = Scene::Predsoudem,
    .detective = {
        // head
        "Image563 Image564 Image565 Image566",
        // mouth
        "Image570",
        // nose
        "Image569",
        // eyes
        "Image567 Image568",
        // ears
        "Image571 Image572",
        // right hand
        "Image550 Image551 Image552 Image553",
        // left hand
        "Image554 Image555 Image556 Image557 Image558 Image559",
        // body
        "Image560 Image561 Image562",
        // legs
        "Image545 Image546 Image547 Image548",
        // shoes
        "Image523 Image524 Image525 Image526 Image527 Image528 Image529",
        // groin
        "Image549",
    },
    .rows = kPredsoudemRows,
};

// [SECTION] Predveznici

// The path into the forest: an exit, with nothing to say.
constexpr DescriptionRow kPredvezniciForestPath{
    .name = "Predveznici.forestPath",
    .text = {},
    .effect = Effect::ExitNoText,
    .exitTo = "Les1",
};

// The Bush Man's rows: while he is out of his shrub (frame of Krovakvp above
// 6) they describe a part of him and hand over to his item-use step;
// otherwise they describe what lies there when he is hidden (`alternate`,
// no item-use step).
constexpr DescriptionRow kPredvezniciBushManHeadInShrub{
    .name = "Predveznici.bushManHeadInShrub",
    .text = {.cz = "Hlava od místního křováka.",
             .en = "Bush man's head."},
    .itemUse = ItemUse::BushMan,
    .effect = Effect::BushManWhenOut,
    .alternate = {.cz = "Křák a něco v něm šustí! Co to asi bude?",
                  .en = "A shrub and something is inside? What may it be?"},
};

constexpr DescriptionRow kPredvezniciBushManHeadInGrass{
    .name = "Predveznici.bushManHeadInGrass",
    .text = {.cz = "Hlava od místního křováka.",
             .en = "Bush man's head."},
    .itemUse = ItemUse::BushMan,
    .effect = Effect::BushManWhenOut,
    .alternate = {.cz = "Nádherně zelená tráva.",
                  .en = "A beautiful green grass."},
};

constexpr DescriptionRow kPredvezniciBushManEarsInGrass{
    .name = "Predveznici.bushManEarsInGrass",
    .text = {.cz = "Křovákovi uši.",
             .en = "Bush man's ears."},
    .itemUse = ItemUse::BushMan,
    .effect = Effect::BushManWhenOut,
    .alternate = {.cz = "Nádherně zelená tráva.",
                  .en = "A beautiful green grass."},
};

// The game has only a Czech line for his eyes, shown in both languages (no
// English text); note "né" here and "ne" in the other eyes row.
constexpr DescriptionRow kPredvezniciBushManEyesInGrass{
    .name = "Predveznici.bushManEyesInGrass",
    .text = {.cz = "Oči, které vrhají né příliš šťastný pohled.",
             .en = {}},
    .itemUse = ItemUse::BushMan,
    .effect = Effect::BushManWhenOut,
    .alternate = {.cz = "Nádherně zelená tráva.",
                  .en = "A beautiful green grass."},
};

constexpr DescriptionRow kPredvezniciBushManHeadAtForestEdge{
    .name = "Predveznici.bushManHeadAtForestEdge",
    .text = {.cz = "Hlava od místního křováka.",
             .en = "Bush man's head."},
    .itemUse = ItemUse::BushMan,
    .effect = Effect::BushManWhenOut,
    .alternate = {.cz = "Tady už začíná les, který obklopuje celou severní stranu osady.",
                  .en = "Here begins forest that surrounds whole north side of the village."},
};

constexpr DescriptionRow kPredvezniciBushManBodyInShrub{
    .name = "Predveznici.bushManBodyInShrub",
    .text = {.cz = "Ano, i křováci mají tělo.",
             .en = "Yes, bush man's has body too."},
    .itemUse = ItemUse::BushMan,
    .effect = Effect::BushManWhenOut,
    .alternate = {.cz = "Křák a něco v něm šustí! Co to asi bude?",
                  .en = "A shrub and something is inside? What may it be?"},
};

constexpr DescriptionRow kPredvezniciBushManNoseInShrub{
    .name = "Predveznici.bushManNoseInShrub",
    .text = {.cz = "Na první pohled je to křovákův nos a na pohled druhý, je to stále křovákův nos.",
             .en = "At a first sight it is Bush Man's nose and at a second sight it is still Bush Man's nose."},
    .itemUse = ItemUse::BushMan,
    .effect = Effect::BushManWhenOut,
    .alternate = {.cz = "Křák a něco v něm šustí! Co to asi bude?",
                  .en = "A shrub and something is inside? What may it be?"},
};

constexpr DescriptionRow kPredvezniciBushManNoseInGrass{
    .name = "Predveznici.bushManNoseInGrass",
    .text = {.cz = "Na první pohled je to křovákův nos a na pohled druhý, je to stále křovákův nos.",
             .en = "At a first sight it is Bush Man's nose and at a second sight it is still Bush Man's nose."},
    .itemUse = ItemUse::BushMan,
    .effect = Effect::BushManWhenOut,
    .alternate = {.cz = "Nádherně zelená tráva.",
                  .en = "A beautiful green grass."},
};

constexpr DescriptionRow kPredvezniciBushManEyesAtForestEdge{
    .name = "Predveznici.bushManEyesAtForestEdge",
    .text = {.cz = "Oči, které vrhají ne příliš šťastný pohled.",
             .en = {}},
    .itemUse = ItemUse::BushMan,
    .effect = Effect::BushManWhenOut,
    .alternate = {.cz = "Tady už začíná les, který obklopuje celou severní stranu osady.",
                  .en = "Here begins forest that surrounds whole north side of the village."},
};

constexpr DescriptionRow kPredvezniciBushManHeadInTuft{
    .name = "Predveznici.bushManHeadInTuft",
    .text = {.cz = "Hlava od místního křováka.",
             .en = "Bush man's head."},
    .itemUse = ItemUse::BushMan,
    .effect = Effect::BushManWhenOut,
    .alternate = {.cz = "Trs vobyčejný trávy. Trhat ho nebudu, nemám důvod.",
                  .en = "Common grass. I have no reason to tug it."},
};

// The prison door: an exit into the prison, with nothing to say.
constexpr DescriptionRow kPredvezniciPrisonDoor{
    .name = "Predveznici.prisonDoor",
    .text = {},
    .effect = Effect::ExitNoText,
    .exitTo = "Veveznici",
};

constexpr DescriptionRow kPredvezniciGrassTuft{
    .name = "Predveznici.grassTuft",
    .text = {.cz = "Trs vobyčejný trávy. Trhat ho nebudu, nemám důvod.",
             .en = "Common grass. I have no reason to tug it."},
};

constexpr DescriptionRow kPredvezniciGrass{
    .name = "Predveznici.grass",
    .text = {.cz = "Jak říkávala moje babička, tráva Vazi, tráva, ta je zelená.",
             .en = "My grandma said: Grass, Vazi, grass is green."},
};

// Krovakvp, the Bush Man's animation, is itself one of the shrub's rectangles.
constexpr DescriptionRow kPredvezniciShrub{
    .name = "Predveznici.shrub",
    .text = {.cz = "Křák a něco v něm šustí! Co to asi bude?",
             .en = "A shrub and something is inside? What may it be?"},
};

constexpr DescriptionRow kPredvezniciSky{
    .name = "Predveznici.sky",
    .text = {.cz = "Jasná obloha, ojediněle mráček, ale ráno říkali, že se z východu žene studená fronta, ale že prý mám mít slunce v duši.",
             .en = "Clear sky, rare clouds, but they said that there is cold front coming and that we should keep the sun in our soul."},
};

constexpr DescriptionRow kPredvezniciForestEdge{
    .name = "Predveznici.forestEdge",
    .text = {.cz = "Tady už začíná les, který obklopuje celou severní stranu osady.",
             .en = "Here begins forest that surrounds whole north side of the village."},
};

constexpr DescriptionRow kPredvezniciDeepForest{
    .name = "Predveznici.deepForest",
    .text = {.cz = "Tak a tady už je les v celé své kráse, hustý a tajemný a tajuplný a ... a kdo ví jaký ještě.",
             .en = "Nice wood in its deep, dark, mysterious, and who knows what else, form."},
};

constexpr DescriptionRow kPredvezniciPlace{
    .name = "Predveznici.place",
    .text = {.cz = "Nacházíš se v nejzápadnější části osady, před věznicí.",
             .en = "You are located in far west part of the village."},
};

constexpr DescriptionRow kPredvezniciStripe{
    .name = "Predveznici.stripe",
    .text = {.cz = "V kontrastu s těmi zamřížovanými okny, už se mi ten pruh nezdá tak pěkný.",
             .en = "That stripe loosed its beauty in contrast with these barred windows."},
};

constexpr DescriptionRow kPredvezniciBarredWindows{
    .name = "Predveznici.barredWindows",
    .text = {.cz = "Na těch oknech mi něco vadí, jen pořad nemůžu přijít na to, co by to mohlo být.",
             .en = "Something is annoying me on these windows and I cannot find what it is."},
};

constexpr DescriptionRow kPredvezniciRareCloud{
    .name = "Predveznici.rareCloud",
    .text = {.cz = "To bude asi ten ojedinělej mráček, o kterým mluvili ráno v počasí.",
             .en = "This is probably that rare cloud, they were talking about in weather forecast."},
};

constexpr DescriptionRow kPredvezniciSun{
    .name = "Predveznici.sun",
    .text = {.cz = "Jejda, to slunce dneska peče, raději by sis měl trochu ubrat jasu na monitoru, heh, dneska jsem vtipnej, heh.",
             .en = "The sunshine is bright today, you should rather lower the brightness on your monitor . . . see how funny I am today."},
};

constexpr DescriptionRow kPredvezniciClouds{
    .name = "Predveznici.clouds",
    .text = {.cz = "Mraky, které lehce zastiňují slunce.",
             .en = "Clouds slightly shielding the sun."},
};

constexpr DescriptionRow kPredvezniciPrison{
    .name = "Predveznici.prison",
    .text = {.cz = "Tak tohle vypadá, že to bude místní věznice.",
             .en = "This looks like local prison."},
};

constexpr SceneRow kPredvezniciRows[] = {
    {&kPredvezniciForestPath,
     "Label24 Label25 Label26 Label27 Label28 Label29 Label30 Label31 Label32 Label33 Label34 Label35"},
    {&kPredvezniciBushManHeadInShrub,
     "Image644 Image650 Image651 Image652 Image653 Image660 Image661 Image662"},
    {&kPredvezniciBushManHeadInGrass,
     "Image663 Image664 Image665 Image666 Image667 Image668 Image669 Image670 Image686"},
    {&kPredvezniciBushManEarsInGrass, "Image658 Image659"},
    {&kPredvezniciBushManEyesInGrass, "Image654 Image655"},
    {&kPredvezniciBushManHeadAtForestEdge, "Image671 Image672 Image673"},
    {&kPredvezniciBushManBodyInShrub, "Image674 Image675 Image676 Image678 Image679 Image680 Image681"},
    {&kPredvezniciBushManNoseInShrub, "Image684"},
    {&kPredvezniciBushManNoseInGrass, "Image656"},
    {&kPredvezniciBushManEyesAtForestEdge, "Image682 Image683"},
    {&kPredvezniciBushManHeadInTuft, "Image685 Image703"},
    {&kPredvezniciPrisonDoor, "Label19 Label20 Label21"},
    {&kPredvezniciGrassTuft, "Image702"},
    {&kPredvezniciGrass,
     "Image647 Image648 Image649 Image657 Image688 Image689 Image690 Image692 Image693 Image694 Image695 "
     "Image696 Image697 Image698 Image699 Image700 Image701 Image849"},
    {&kPredvezniciShrub,
     "Image687 Image1202 Image1307 Image1308 Image1309 Image1310 Image1311 Image1312 Image1313 Image1314 "
     "Image1315 Image1316 Image1317 Image1318 Image1319 Image1320 Image1321 Image1322 Krovakvp"},
    {&kPredvezniciSky, "Image646"},
    {&kPredvezniciForestEdge,
     "Image704 Image705 Image706 Image707 Image708 Image709 Image710 Image711 Image712 Image713 Image714 "
     "Image715 Image716 Image717 Image718 Image719 Image720 Image721 Image722 Image723 Image724 Image725 "
     "Image726"},
    {&kPredvezniciDeepForest,
     "Image733 Image774 Image775 Image776 Image777 Image778 Image779 Image780 Image781 Image782 Image783 "
     "Image784 Image785 Image786 Image787 Image788 Image789 Image790 Image791 Image792 Image793 Image794 "
     "Image795 Image796 Image797"},
    {&kPredvezniciPlace, "Image691 Image727 Image728 Image729 Image730 Image732"},
    {&kPredvezniciStripe, "Image798"},
    {&kPredvezniciBarredWindows,
     "Image799 Image800 Image801 Image802 Image803 Image804 Image805 Image806 Image807"},
    {&kPredvezniciRareCloud, "Image808 Image833 Image834"},
    {&kPredvezniciSun, "Image809 Image810 Image811 Image812 Image813 Image814 Image815"},
    {&kPredvezniciClouds,
     "Image816 Image817 Image818 Image819 Image820 Image821 Image822 Image823 Image824 Image825 Image826 "
     "Image827 Image828 Image829 Image830 Image831 Image832 Image841"},
    {&kPredvezniciPrison, "Image89 Image91 Image196 Image221 Image270 Image390 Image520 Image643 Image731"},
};

const SceneDescriptions kPredvezniciDescriptions{
    .scene = Scene::Predveznici,
    .detective = {
        // head
        "Image761 Image762 Image763 Image764 Image765 Image766",
        // mouth
        "Image772",
        // nose
        "Image769 Image770 Image771",
        // eyes
        "Image767 Image768",
        // ears
        "Image773",
        // right hand
        "Image756 Image757 Image758 Image759 Image760",
        // left hand
        "Image752 Image753 Image754 Image755",
        // body
        "Image747 Image748 Image749 Image750 Image751",
        // legs
        "Image738 Image740 Image741 Image742 Image743 Image744 Image745 Image746",
        // shoes
        "Image734 Image735 Image736 Image737",
        // groin
        "Image739",
    },
    .rows = kPredvezniciRows,
};

// [SECTION] Veveznici

constexpr DescriptionRow kVevezniciFloor{
    .name = "Veveznici.floor",
    .text = {.cz = "Nevím co čekáš že ti k tomu řeknu, ale mě napadaj jen dvě slova - podlaha ve věznici. Sakra, to byly tři slova, já vím.",
             .en = "I know that you are waiting for me to say something, but I got only three words: floor in the prison. Damned, that were four words, I know."},
};

constexpr DescriptionRow kVevezniciWall{
    .name = "Veveznici.wall",
    .text = {.cz = "Stěna, kdyby tu nebyla, šlo by vidět na kopce porostlé temnými lesy na severu osady.",
             .en = "A wall. If it wasn't here, you could see hills covered by huge forest."},
};

constexpr DescriptionRow kVevezniciCell{
    .name = "Veveznici.cell",
    .text = {.cz = "Vězeňská cela zřeje prázdnotou.",
             .en = "The jail ceil is very empty."},
};

constexpr DescriptionRow kVevezniciPeg{
    .name = "Veveznici.peg",
    .text = {.cz = "Tohle zařízení je docela promyšleně uděláno. Jmenuje se to věšák a může to držet nejrůznější věci.",
             .en = "This facility is gizmo thing. It is called peg and it can hold a variety of things."},
};

constexpr DescriptionRow kVevezniciKeys{
    .name = "Veveznici.keys",
    .text = {.cz = "Klíč, visící na věšáku spolu s dalšími klíči. Jsou to asi klíče od cel nebo co já vím?",
             .en = "A key hanging on peg along with other keys. These are probably ceil keys or whatever."},
};

constexpr DescriptionRow kVevezniciTable{
    .name = "Veveznici.table",
    .text = {.cz = "Shluk kvarků, přesněji shluk jader a elektronů respektive shluk atomů, konkrétně shluk dřevěných desek, jinými slovy stůl.",
             .en = "Scrum of quarks, precisely scrum of cores and electrons, and precisely scum of plank, in other words the table."},
};

constexpr DescriptionRow kVevezniciChair{
    .name = "Veveznici.chair",
    .text = {.cz = "Šerif, na kterém sedí židle, eh, teda naopak.",
             .en = "A chair sitting on Sheriff . . . oh, reversed."},
};

constexpr DescriptionRow kVevezniciKeyhole{
    .name = "Veveznici.keyhole",
    .text = {.cz = "Tak do tohodle se nejspíše strká klíč.",
             .en = "Probably key needs to be put there."},
};

constexpr DescriptionRow kVevezniciSheriffUniform{
    .name = "Veveznici.sheriffUniform",
    .text = {.cz = "Šerifova uniforma na šerifově těle.",
             .en = "Sheriff's uniform has Sheriff on."},
    .itemUse = ItemUse::Sheriff,
};

constexpr DescriptionRow kVevezniciSheriffButton{
    .name = "Veveznici.sheriffButton",
    .text = {.cz = "Knoflík. U uniformy jsou knoflíky naprosto běžné, věř mi.",
             .en = "A button. Buttons are common on uniforms, trust me."},
    .itemUse = ItemUse::Sheriff,
};

constexpr DescriptionRow kVevezniciSheriffBadge{
    .name = "Veveznici.sheriffBadge",
    .text = {.cz = "Šerifův odznak. Vypadá s ním docela jako tvrďák.",
             .en = "Sheriff's badge. He looks like tough man."},
    .itemUse = ItemUse::Sheriff,
};

constexpr DescriptionRow kVevezniciSheriffHead{
    .name = "Veveznici.sheriffHead",
    .text = {.cz = "Šerifova hlava.",
             .en = "Sheriff's head."},
    .itemUse = ItemUse::Sheriff,
};

constexpr DescriptionRow kVevezniciSheriffEars{
    .name = "Veveznici.sheriffEars",
    .text = {.cz = "Uši, díky kterých mě při komunikaci slyší.",
             .en = "Ears, he can hear me because of them."},
    .itemUse = ItemUse::Sheriff,
};

constexpr DescriptionRow kVevezniciSheriffNose{
    .name = "Veveznici.sheriffNose",
    .text = {.cz = "Nos, jak dělaný pro jeho práci. Eh, co to kecám?",
             .en = "A nose, made especially for his work . . . eh, what did I said?"},
    .itemUse = ItemUse::Sheriff,
};

constexpr DescriptionRow kVevezniciSheriffEyes{
    .name = "Veveznici.sheriffEyes",
    .text = {.cz = "Oči, které vypadají jako, jako . . . oči.",
             .en = "Eyes that looks like . . . eyes."},
    .itemUse = ItemUse::Sheriff,
};

constexpr DescriptionRow kVevezniciSheriffCap{
    .name = "Veveznici.sheriffCap",
    .text = {.cz = "Jé, takovou čepici bych taky chtěl a mě by ještě navíc barevně ladila k mojí pleti.",
             .en = "Yeah, I would like to have such a cap. This would fit to my skin color."},
    .itemUse = ItemUse::Sheriff,
};

constexpr DescriptionRow kVevezniciDoughnuts{
    .name = "Veveznici.doughnuts",
    .text = {.cz = "No jo, co by to bylo za šerifa, kdyby neměl po ruce mísu s koblihami.",
             .en = "What kind of Sheriff that would be if there was no bowl of doughnuts."},
};

constexpr SceneRow kVevezniciRows[] = {
    {&kVevezniciFloor, "Image851"},
    {&kVevezniciWall, "Image852"},
    {&kVevezniciCell, "Image853"},
    {&kVevezniciPeg, "Image854"},
    {&kVevezniciKeys, "Image855 Image856 Image857 Image858 Image859"},
    {&kVevezniciTable,
     "Image861 Image862 Image863 Image864 Image865 Image866 Image867 Image868 Image869 Image870 Image871 "
     "Image872 Image873 Image874 Image875 Image876 Image877"},
    {&kVevezniciChair, "Image878 Image879 Image880"},
    {&kVevezniciKeyhole, "Image881"},
    {&kVevezniciSheriffUniform, "Image882 Image883 Image884 Image885"},
    {&kVevezniciSheriffButton, "Image886 Image887 Image888"},
    {&kVevezniciSheriffBadge, "Image889 Image890 Image891 Image892 Image893"},
    {&kVevezniciSheriffHead, "Image894 Image895 Image896 Image897 Image898 Image899 Image900 Image901"},
    {&kVevezniciSheriffEars, "Image902 Image903"},
    {&kVevezniciSheriffNose, "Image904"},
    {&kVevezniciSheriffEyes, "Image905 Image906"},
    {&kVevezniciSheriffCap, "Image938 Image939 Image940 Image941 Image942 Image943"},
    {&kVevezniciDoughnuts, "Image954 Image955 Image956 Image957 Image958"},
};

const SceneDescriptions kVevezniciDescriptions{
    .scene = Scene::Veveznici,
    .detective = {
        // head
        "Image944 Image946 Image947 Image948",
        // mouth
        "Image937",
        // nose
        "Image950 Image951 Image952",
        // eyes
        "Image945 Image949",
        // ears
        "Image953",
        // right hand
        "Image930 Image931 Image932 Image933 Image934 Image935 Image936",
        // left hand
        "Image926 Image927 Image928 Image929",
        // body
        "Image918 Image919 Image920 Image921 Image922 Image923 Image924 Image925",
        // legs
        "Image910 Image911 Image912 Image913 Image914 Image915 Image916",
        // shoes
        "Image907 Image908 Image909",
        // groin
        "Image917",
    },
    .rows = kVevezniciRows,
};

// [SECTION] Uzlocinkyne

// Every row of the house is a knife search: once Svzetinoze is visible it
// shows kKnifeLine instead and returns at once.
constexpr DescriptionRow kUzlocinkyneWall{
    .name = "Uzlocinkyne.wall",
    .text = {.cz = "Ve stěně ten nůž nikde zabodnutý není.",
             .en = "There is no knife on the wall."},
    .effect = Effect::KnifeSearch,
};

constexpr DescriptionRow kUzlocinkyneFloor{
    .name = "Uzlocinkyne.floor",
    .text = {.cz = "Nikde na parketách ten nůž nevidím.",
             .en = "I see no knife on the floor."},
    .effect = Effect::KnifeSearch,
};

constexpr DescriptionRow kUzlocinkyneChair{
    .name = "Uzlocinkyne.chair",
    .text = {.cz = "Kdybych chtěl u sebe doma skrýt nůž, rozhodně bych ho neschoval do židle.",
             .en = "If I would like to hide a knife, I definitely wouldn't hide it into the chair."},
    .effect = Effect::KnifeSearch,
};

constexpr DescriptionRow kUzlocinkyneFlowerPot{
    .name = "Uzlocinkyne.flowerPot",
    .text = {.cz = "Ne, ne, v květináči žádný nůž není.",
             .en = "There is no knife in that flower pot."},
    .effect = Effect::KnifeSearch,
};

constexpr DescriptionRow kUzlocinkyneTrunk{
    .name = "Uzlocinkyne.trunk",
    .text = {.cz = "Obyčejný kmen. Po noži ani památky.",
             .en = "Ordinary trunk. No knife."},
    .effect = Effect::KnifeSearch,
};

constexpr DescriptionRow kUzlocinkyneLeaves{
    .name = "Uzlocinkyne.leaves",
    .text = {.cz = "Mezi těmi listy nůž určitě nebude.",
             .en = "I am sure there is no knife."},
    .effect = Effect::KnifeSearch,
};

constexpr DescriptionRow kUzlocinkyneShelf{
    .name = "Uzlocinkyne.shelf",
    .text = {.cz = "Police, nůž by mohl být někde uvnitř.",
             .en = "Shelf, that knife may be inside."},
    .effect = Effect::KnifeSearch,
};

constexpr DescriptionRow kUzlocinkyneShelfInside{
    .name = "Uzlocinkyne.shelfInside",
    .text = {.cz = "Ne, nůž uvnitř nebyl. Jen nějaký zbytečnosti.",
             .en = "No knife, only some useless stuff."},
    .effect = Effect::KnifeSearch,
};

constexpr DescriptionRow kUzlocinkyneCabinet{
    .name = "Uzlocinkyne.cabinet",
    .text = {.cz = "Skříň, dobrý místo kam ukrýt nůž.",
             .en = "Cabinets are good place to hide something."},
    .effect = Effect::KnifeSearch,
};

constexpr DescriptionRow kUzlocinkyneVaseShelf{
    .name = "Uzlocinkyne.vaseShelf",
    .text = {.cz = "Vždyť vidíš, že v polici je jen váza.",
             .en = "You see that there is only the vase."},
    .effect = Effect::KnifeSearch,
};

constexpr DescriptionRow kUzlocinkyneVase{
    .name = "Uzlocinkyne.vase",
    .text = {.cz = "Kdo by schovával nůž do vázy?",
             .en = "Who would have hidden knife inside a vase?"},
    .effect = Effect::KnifeSearch,
};

constexpr DescriptionRow kUzlocinkyneCarpet{
    .name = "Uzlocinkyne.carpet",
    .text = {.cz = "Pod kobercem nůž není, to bych viděl.",
             .en = "There is no knife under the carpet. I would have seen it."},
    .effect = Effect::KnifeSearch,
};

constexpr DescriptionRow kUzlocinkyneNoTrace{
    .name = "Uzlocinkyne.noTrace",
    .text = {.cz = "Po noži ani památky.",
             .en = "No trace of the knife."},
    .effect = Effect::KnifeSearch,
};

constexpr DescriptionRow kUzlocinkyneNothingKnifeLike{
    .name = "Uzlocinkyne.nothingKnifeLike",
    .text = {.cz = "Nic nožovitýho tam nebylo.",
             .en = "Nothing knife-like was there."},
    .effect = Effect::KnifeSearch,
};

constexpr DescriptionRow kUzlocinkyneNothingHere{
    .name = "Uzlocinkyne.nothingHere",
    .text = {.cz = "Kde nic, tu nic. Žádný nůž.",
             .en = "Nothing, nowhere, no knife."},
    .effect = Effect::KnifeSearch,
};

constexpr DescriptionRow kUzlocinkyneNotThere{
    .name = "Uzlocinkyne.notThere",
    .text = {.cz = "Tam nůž není. Kdepak.",
             .en = "There is no knife."},
    .effect = Effect::KnifeSearch,
};

constexpr DescriptionRow kUzlocinkyneFoundNothing{
    .name = "Uzlocinkyne.foundNothing",
    .text = {.cz = "Bohužel, ani tady jsem nic, co by připomínalo nůž nenašel.",
             .en = "Unfortunately I found nothing that would remind a knife."},
    .effect = Effect::KnifeSearch,
};

// Where the knife lies: the first look shows SKukdosuplu; once that is
// visible, the second text finds the knife (Svzetinoze, AddKnife).
constexpr DescriptionRow kUzlocinkyneKnifeSpot{
    .name = "Uzlocinkyne.knifeSpot",
    .text = {.cz = "Žádný nůž tu bohužel nevidím.",
             .en = "I see no knife here."},
    .effect = Effect::KnifeSpot,
    .alternate = {.cz = "Jejda, vždyť on tam ten nůž byl. Jak jsem ho mohl poprvé přehlídnout.",
                  .en = "Yeek, the knife was there. How can I miss it for the first time?"},
};

constexpr SceneRow kUzlocinkyneRows[] = {
    {&kUzlocinkyneWall, "Image1448 Image1449 Image1450 Image1451"},
    {&kUzlocinkyneFloor,
     "Image1452 Image1453 Image1454 Image1455 Image1456 Image1457 Image1458 Image1459 Image1460 Image1461 "
     "Image1462 Image1463"},
    {&kUzlocinkyneChair,
     "Image1464 Image1465 Image1466 Image1467 Image1468 Image1469 Image1470 Image1471 Image1472 Image1473 "
     "Image1474 Image1475 Image1476 Image1477 Image1478 Image1479 Image1480 Image1481"},
    {&kUzlocinkyneFlowerPot,
     "Image1482 Image1483 Image1484 Image1485 Image1486 Image1487 Image1488 Image1489 Image1490"},
    {&kUzlocinkyneTrunk, "Image1491"},
    {&kUzlocinkyneLeaves,
     "Image1492 Image1493 Image1494 Image1495 Image1496 Image1497 Image1498 Image1499 Image1500 Image1501 "
     "Image1502 Image1503 Image1504 Image1505 Image1506 Image1507 Image1508 Image1509 Image1510 Image1511 "
     "Image1512 Image1513 Image1514 Image1515 Image1516 Image1517 Image1518"},
    {&kUzlocinkyneShelf, "Image1519 Image1520 Image1521 Image1522 Image1523"},
    {&kUzlocinkyneShelfInside, "Image1524"},
    {&kUzlocinkyneCabinet, "Image1525 Image1526 Image1527 Image1528 Image1529 Image1530 Image1531 Image1532"},
    {&kUzlocinkyneVaseShelf, "Image1533"},
    {&kUzlocinkyneVase, "Image1534 Image1535 Image1536 Image1537 Image1538 Image1539 Image1540"},
    {&kUzlocinkyneCarpet,
     "Image1541 Image1542 Image1543 Image1544 Image1545 Image1546 Image1547 Image1548 Image1549 Image1550"},
    {&kUzlocinkyneNoTrace, "Image1551"},
    {&kUzlocinkyneNothingKnifeLike, "Image1552"},
    {&kUzlocinkyneNothingHere, "Image1553"},
    {&kUzlocinkyneNotThere, "Image1554"},
    {&kUzlocinkyneFoundNothing, "Image1555"},
    {&kUzlocinkyneKnifeSpot, "Image1556"},
};

const SceneDescriptions kUzlocinkyneDescriptions{
    .scene = Scene::Uzlocinkyne,
    .detective = {
        // head
        "Image1598 Image1599 Image1600 Image1601 Image1602 Image1603 Image1604 Image1605 Image1606",
        // mouth
        "Image1614",
        // nose
        "Image1611 Image1612 Image1613",
        // eyes
        "Image1608 Image1609 Image1610",
        // ears
        "Image1607",
        // right hand
        "Image1581 Image1582 Image1583 Image1584 Image1585 Image1586 Image1587",
        // left hand
        "Image1588 Image1589 Image1590 Image1591 Image1592 Image1593 Image1594 Image1595 Image1596 "
        "Image1597",
        // body
        "Image1574 Image1575 Image1576 Image1577 Image1578 Image1579 Image1580",
        // legs
        "Image1562 Image1563 Image1564 Image1565 Image1566 Image1567 Image1568 Image1569 Image1570 "
        "Image1571",
        // shoes
        "Image1557 Image1558 Image1559 Image1560 Image1561",
        // groin
        "Image1572 Image1573",
    },
    .rows = kUzlocinkyneRows,
};

}  // namespace kvarnel::scenes

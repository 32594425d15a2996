// The description tables of the six forest locations around the village:
// the druid's shack (Les1), the tall tree with the nest and the dense bush
// (Les2), the cave seen from the forest (Les3), the village gate from outside
// (Les4), the ranger's land (Les5) and the cave mouth far east (Les6).
//
// Texts are kept exactly as the game shows them, slips and all; they are the
// game's lines, not ours to correct.
//
// Sections: Les1, Les2, Les3, Les4, Les5, Les6. Each lists its rows, then the
// scene's rectangles for its rows, then its rectangles over the detective in
// DetectivePart order.
#include "scenes/description_tables_internal.h"

namespace kvarnel::scenes {

// [SECTION] Les1

constexpr DescriptionRow kLes1Place{
    .name = "Les1.place",
    .text = {.cz = "Jsi v hustém lese, který je však ještě součástí osady.",
             .en = "You are in deep woods that are still part of the village."},
};

constexpr DescriptionRow kLes1DarkForest{
    .name = "Les1.darkForest",
    .text = {.cz = "Les už je tu pořádně temný. Abych řek pravdu, mám docela strach.",
             .en = "The forest is really deep here. To be true, I am a bit scared."},
};

constexpr DescriptionRow kLes1Shack{
    .name = "Les1.shack",
    .text = {.cz = "Druidova chatrč. Vypadá skromně, až přeskromněle, no, možná ještě trochu skromněji.",
             .en = "The sorcerer's shack. Look modest, too modest, and maybe even more modest."},
};

// The grass tuft: one row for every forest location from Les1 to Les5.
constexpr DescriptionRow kLes1GrassTuft{
    .name = "Les1.grassTuft",
    .text = {.cz = "Tváří se to jako zcela obyčejný trs trávy.",
             .en = "It looks like common tree tuft."},
};

constexpr DescriptionRow kLes1ShackWindow{
    .name = "Les1.shackWindow",
    .text = {.cz = "Okno od chatrče.",
             .en = "Shack window."},
};

constexpr DescriptionRow kLes1ShackDoor{
    .name = "Les1.shackDoor",
    .text = {.cz = "Dveře, sice jsou nejspíš otevřené, ale proč bych lezl dovnitř?",
             .en = "Doors are open but why should I go there?"},
};

constexpr DescriptionRow kLes1DruidShoes{
    .name = "Les1.druidShoes",
    .text = {.cz = "Já mám boty teda hezčí.",
             .en = "My shoes are prettier."},
    .itemUse = ItemUse::Druid,
};

constexpr DescriptionRow kLes1DruidTrousers{
    .name = "Les1.druidTrousers",
    .text = {.cz = "Má docela COOL tepláčky.",
             .en = "His trousers are cool."},
    .itemUse = ItemUse::Druid,
};

// The druid's rude spot: the flag tells his item-use step where the click
// came from.
constexpr DescriptionRow kLes1DruidRudeSpot{
    .name = "Les1.druidRudeSpot",
    .text = {.cz = "Ale no tak! Kroť se trochu!",
             .en = "Hey, calm down, man!"},
    .itemUse = ItemUse::Druid,
    .effect = Effect::RudeSpot,
};

constexpr DescriptionRow kLes1DruidBody{
    .name = "Les1.druidBody",
    .text = {.cz = "Jestli nepoznáš ani jeho tělo, tak to je krize.",
             .en = "If you don't recognize his body, you got some sort of crisis."},
    .itemUse = ItemUse::Druid,
};

constexpr DescriptionRow kLes1DruidBeard{
    .name = "Les1.druidBeard",
    .text = {.cz = "Dobrej plnovous. Asi bych si měl taky takovej nechat narůst.",
             .en = "Good beard. I should let myself grow something like this too."},
    .itemUse = ItemUse::Druid,
};

constexpr DescriptionRow kLes1DruidHead{
    .name = "Les1.druidHead",
    .text = {.cz = "No ten má hlavičku, jako z kyblíčku. Eh, co to zas říkám za hovadiny?",
             .en = "He has head like bread. Oh, what sort of bullshit am I saying again . . ."},
    .itemUse = ItemUse::Druid,
};

constexpr DescriptionRow kLes1DruidEyes{
    .name = "Les1.druidEyes",
    .text = {.cz = "Jestli sis představoval, že druidi nemaj oči, pak tě asi překvapím - mají je.",
             .en = "If you imagine that sorcerers has no eyes, I have surprise for you: they have."},
    .itemUse = ItemUse::Druid,
};

constexpr DescriptionRow kLes1DruidEar{
    .name = "Les1.druidEar",
    .text = {.cz = "Gratuluju, objevil jsi ucho!",
             .en = "Congratulations, you have discovered the ear!"},
    .itemUse = ItemUse::Druid,
};

constexpr DescriptionRow kLes1DruidHands{
    .name = "Les1.druidHands",
    .text = {.cz = "Vím že to pro tebe může znít divně, ale jsou to obyčejný, tmavě zelený ruky.",
             .en = "I know that this might sound odd but these are common green hands."},
    .itemUse = ItemUse::Druid,
};

constexpr SceneRow kLes1Rows[] = {
    {&kLes1Place, "Image964"},
    {&kLes1DarkForest,
     "Image965 Image979 Image980 Image981 Image982 Image983 Image984 Image985 Image986 "
     "Image987"},
    {&kLes1Shack,
     "Image966 Image967 Image968 Image969 Image970 Image971 Image972 Image973 Image974 "
     "Image975 Image976 Image977 Image978"},
    {&kLes1GrassTuft,
     "Image988 Image989 Image990 Image991 Image992 Image993 Image994 Image995 Image996 "
     "Image997 Image998 Image999 Image1000 Image1001"},
    {&kLes1ShackWindow, "Image1002"},
    {&kLes1ShackDoor, "Image1003 Image1004"},
    {&kLes1DruidShoes, "Image1057 Image1058 Image1059 Image1060"},
    {&kLes1DruidTrousers, "Image1061 Image1062 Image1063 Image1064 Image1065 Image1066 Image1067"},
    {&kLes1DruidRudeSpot, "Image1068"},
    {&kLes1DruidBody, "Image1069"},
    {&kLes1DruidBeard,
     "Image1070 Image1071 Image1072 Image1073 Image1074 Image1075 Image1076 Image1077 "
     "Image1078 Image1079 Image1080 Image1081 Image1082 Image1084 Image1085"},
    {&kLes1DruidHead, "Image1086 Image1087 Image1088 Image1089 Image1090"},
    {&kLes1DruidEyes, "Image1091 Image1092"},
    {&kLes1DruidEar, "Image1093 Image1094"},
    {&kLes1DruidHands,
     "Image1095 Image1096 Image1097 Image1098 Image1099 Image1100 Image1101 Image1102 "
     "Image1103 Image1104 Image1105"},
};

const SceneDescriptions kLes1Descriptions{
    .scene = Scene::Les1,
    .detective = {
        // head
        "Image1043 Image1044 Image1045 Image1046 Image1047 Image1048",
        // mouth
        "Image1056",
        // nose
        "Image1055",
        // eyes
        "Image1049 Image1050",
        // ears
        "Image1051 Image1052 Image1053 Image1054",
        // right hand
        "Image1027 Image1028 Image1029 Image1030 Image1031 Image1032 Image1033 Image1034",
        // left hand
        "Image1035 Image1036 Image1037 Image1038 Image1039 Image1040 Image1041 Image1042",
        // body
        "Image1018 Image1019 Image1020 Image1021 Image1022 Image1023 Image1024 Image1025 "
        "Image1026",
        // legs
        "Image1011 Image1012 Image1013 Image1014 Image1015 Image1016",
        // shoes
        "Image1005 Image1006 Image1007 Image1008 Image1009 Image1010",
        // groin
        "Image1017",
    },
    .rows = kLes1Rows,
};

// [SECTION] Les2

// Also the line the cut bush shows (see kLes2Bush).
constexpr DescriptionRow kLes2Place{
    .name = "Les2.place",
    .text = {.cz = "Už jsi docela daleko od osady, tady už aby si člověk dával bacha, aby se tu neztratil.",
             .en = "You are pretty far from the village, you should be careful not to get lost."},
};

constexpr DescriptionRow kLes2DarkForest{
    .name = "Les2.darkForest",
    .text = {.cz = "Les je tu ještě temnější než před chýší od druida a můj strach narůstá.",
             .en = "The wood here is much deeper here and my fear is growing."},
};

constexpr DescriptionRow kLes2TallTree{
    .name = "Les2.tallTree",
    .text = {.cz = "Ten strom je ale vysoký. Snad nejvyšší z tohoto lesa a nejspíše i nejstarší.",
             .en = "This tree is really tall. Maybe the tallest from the whole forest and maybe the oldest."},
};

constexpr DescriptionRow kLes2Branches{
    .name = "Les2.branches",
    .text = {.cz = "Jak říkávala moje babička, Vazi, větve vysokých stromů jsou s velkou pravděpodobností vysoko.",
             .en = "My grandma used to say: Vazi, branches of tall trees are probably very high."},
};

// Once the bush is cut (Sker shown) and descriptions are on, Les2.place runs
// in its place; the knife step on the bush and FailedUseHook follow either way.
constexpr DescriptionRow kLes2Bush{
    .name = "Les2.bush",
    .text = {.cz = "Tak přes tenhle keř už holt asi neprojdu.",
             .en = "Unfortunately I won't pass through this bush."},
    .itemUse = ItemUse::Bush,
    .effect = Effect::BushOrCutBush,
    .alternateRow = "Les2.place",
};

// The nest's text while the detective cannot climb (Ssplh hidden); climbing
// and what he finds up there belong to the nest's item-use step.
constexpr DescriptionRow kLes2Nest{
    .name = "Les2.nest",
    .text = {.cz = "To je mi ale hnízdečko. Podíval bych se, jestli v něm něco není, ale je moc vysoko.",
             .en = "Nice nest. I would check it out but it is too high."},
    .itemUse = ItemUse::Nest,
    .effect = Effect::NestUnclimbed,
};

constexpr SceneRow kLes2Rows[] = {
    {&kLes2Place, "Image1109"},
    {&kLes2DarkForest, "Image1108"},
    {&kLes2TallTree, "Image1110 Image1111 Image1112 Image1113 Image1132 Image1133"},
    {&kLes2Branches,
     "Image1114 Image1115 Image1116 Image1117 Image1118 Image1119 Image1120 Image1121 "
     "Image1122"},
    {&kLes2Bush,
     "Image1107 Image1186 Image1187 Image1188 Image1189 Image1190 Image1191 Image1192 "
     "Image1193 Image1194 Image1195 Image1196 Image1197 Image1198 Image1199 Image1200"},
    {&kLes2Nest, "Image1123 Image1124 Image1125 Image1126"},
    {&kLes1GrassTuft, "Image1127 Image1128 Image1129 Image1130 Image1131"},
};

const SceneDescriptions kLes2Descriptions{
    .scene = Scene::Les2,
    .detective = {
        // head
        "Image1173 Image1174 Image1175 Image1176 Image1177",
        // mouth
        "Image1185",
        // nose
        "Image1180",
        // eyes
        "Image1178 Image1179",
        // ears
        "Image1181 Image1182 Image1183 Image1184",
        // right hand
        "Image1159 Image1160 Image1161 Image1162 Image1163 Image1164",
        // left hand
        "Image1165 Image1166 Image1167 Image1168 Image1169 Image1170 Image1171 Image1172",
        // body
        "Image1152 Image1153 Image1154 Image1155 Image1156 Image1157 Image1158",
        // legs
        "Image1142 Image1143 Image1144 Image1145 Image1146 Image1147 Image1148 Image1149 "
        "Image1150",
        // shoes
        "Image1134 Image1135 Image1136 Image1137 Image1138 Image1139 Image1140 Image1141",
        // groin
        "Image1151",
    },
    .rows = kLes2Rows,
};

// [SECTION] Les3

constexpr DescriptionRow kLes3Place{
    .name = "Les3.place",
    .text = {.cz = "Nacházíš se na odlehlém, tajuplném místě, kdesi v lese, severně od osady, docela rád bych šel zpátky.",
             .en = "You are far, deep, somewhere in wood, at the north of the village and I would rather go back."},
};

constexpr DescriptionRow kLes3ScaryForest{
    .name = "Les3.scaryForest",
    .text = {.cz = "Ten les mi nahání hrůzu. Nevrátíme se zpátky do osady?",
             .en = "This wood makes me scared. Why not to return back?"},
};

constexpr DescriptionRow kLes3Cave{
    .name = "Les3.cave",
    .text = {.cz = "Kdo ví co ukrývá tahle jeskyně, radši bych šel pryč.",
             .en = "Who knows what is inside, I would rather go away."},
};

constexpr DescriptionRow kLes3CaveInside{
    .name = "Les3.caveInside",
    .text = {.cz = "Ne, nemám důvod jít dovnitř. Moc dobře nevidím, co je v té jeskyni, ale nic mě tam nedostane.",
             .en = "No, I have no reason to go inside. I don't see what is inside and nothing will get me inside."},
};

constexpr SceneRow kLes3Rows[] = {
    {&kLes3Place, "Image1204"},
    {&kLes3ScaryForest, "Image1203"},
    {&kLes3Cave,
     "Image1205 Image1206 Image1207 Image1208 Image1209 Image1210 Image1211 Image1212 "
     "Image1213 Image1214 Image1215 Image1216 Image1217 Image1218 Image1219 Image1220 "
     "Image1221 Image1222 Image1223"},
    {&kLes3CaveInside,
     "Image1224 Image1225 Image1226 Image1227 Image1228 Image1229 Image1230 Image1231 "
     "Image1232 Image1233 Image1234 Image1235 Image1236 Image1237 Image1238 Image1239 "
     "Image1240 Image1241 Image1242"},
    {&kLes1GrassTuft, "Image1300 Image1301 Image1302 Image1303 Image1304 Image1305 Image1306"},
};

const SceneDescriptions kLes3Descriptions{
    .scene = Scene::Les3,
    .detective = {
        // head
        "Image1282 Image1283 Image1284 Image1285 Image1286 Image1287 Image1288 Image1289 "
        "Image1290",
        // mouth
        "Image1299",
        // nose
        "Image1296",
        // eyes
        "Image1297 Image1298",
        // ears
        "Image1291 Image1292 Image1293 Image1294 Image1295",
        // right hand
        "Image1268 Image1269 Image1270 Image1271 Image1272 Image1273",
        // left hand
        "Image1274 Image1275 Image1276 Image1277 Image1278 Image1279 Image1280 Image1281",
        // body
        "Image1258 Image1259 Image1260 Image1261 Image1262 Image1263 Image1264 Image1265 "
        "Image1266 Image1267",
        // legs
        "Image1249 Image1250 Image1251 Image1252 Image1253 Image1254 Image1255 Image1256",
        // shoes
        "Image1243 Image1244 Image1245 Image1246 Image1247 Image1248",
        // groin
        "Image1257",
    },
    .rows = kLes3Rows,
};

// [SECTION] Les4

constexpr DescriptionRow kLes4Place{
    .name = "Les4.place",
    .text = {.cz = "Nacházíš se jen kousek od osady, poblíž vstupní brány.",
             .en = "You are located near the village, few steps from the entrance gate."},
};

constexpr DescriptionRow kLes4VillageWall{
    .name = "Les4.villageWall",
    .text = {.cz = "Mé orientační smysly mi říkají, že za touhle zdí je nejspíš osada, ze které jsem vyšel.",
             .en = "I would say that there is the village behind that wall."},
};

constexpr DescriptionRow kLes4Forest{
    .name = "Les4.forest",
    .text = {.cz = "Les snad poznáš, ne?",
             .en = "You do notice wood, don't you?"},
};

constexpr DescriptionRow kLes4GateStripe{
    .name = "Les4.gateStripe",
    .text = {.cz = "Vypadá to, jako pravej a nefalšovanej pruh kolem vstupní brány.",
             .en = "This seems to be real, unaltered stripe around entrance gate."},
};

constexpr DescriptionRow kLes4WallOutside{
    .name = "Les4.wallOutside",
    .text = {.cz = "Zvenčí je ta zeď nějak méně udržovaná. Mohli by tu trávu občas posekat.",
             .en = "The wall is much less preserved from outside. They could at least mow the grass sometime."},
};

constexpr SceneRow kLes4Rows[] = {
    {&kLes4Place, "Image1338"},
    {&kLes4VillageWall,
     "Image1337 Image1340 Image1341 Image1342 Image1343 Image1344 Image1345 Image1346 "
     "Image1347 Image1348"},
    {&kLes4Forest, "Image1339"},
    {&kLes4GateStripe,
     "Image1349 Image1350 Image1351 Image1352 Image1353 Image1354 Image1355 Image1356 "
     "Image1357 Image1358 Image1359 Image1360 Image1361 Image1362 Image1363 Image1364 "
     "Image1365 Image1366 Image1367"},
    {&kLes4WallOutside,
     "Image1368 Image1369 Image1370 Image1371 Image1372 Image1373 Image1374 Image1375 "
     "Image1376 Image1377 Image1378 Image1379 Image1380 Image1381"},
    {&kLes1GrassTuft,
     "Image1382 Image1383 Image1384 Image1385 Image1386 Image1387 Image1388 Image1389 "
     "Image1390 Image1391 Image1392"},
};

const SceneDescriptions kLes4Descriptions{
    .scene = Scene::Les4,
    .detective = {
        // head
        "Image1430 Image1431 Image1432 Image1433 Image1434 Image1435 Image1436",
        // mouth
        "Image1437",
        // nose
        "Image1438",
        // eyes
        "Image1439 Image1440",
        // ears
        "Image1441 Image1442 Image1443 Image1444 Image1445 Image1446",
        // right hand
        "Image1415 Image1416 Image1417 Image1418 Image1419 Image1420 Image1421",
        // left hand
        "Image1422 Image1423 Image1424 Image1425 Image1426 Image1427 Image1428 Image1429",
        // body
        "Image1409 Image1411 Image1412 Image1413 Image1414",
        // legs
        "Image1400 Image1401 Image1402 Image1403 Image1404 Image1405 Image1406 Image1407",
        // shoes
        "Image1393 Image1394 Image1395 Image1396 Image1397 Image1398 Image1399",
        // groin
        "Image1408",
    },
    .rows = kLes4Rows,
};

// [SECTION] Les5

constexpr DescriptionRow kLes5Place{
    .name = "Les5.place",
    .text = {.cz = "Jsi v hustém lese nedaleko osady, na půdě která je v soukromém vlastnictví.",
             .en = "You are in deep woods near the village on land that is in private ownership."},
};

constexpr DescriptionRow kLes5RangersForest{
    .name = "Les5.rangersForest",
    .text = {.cz = "Hustý les, který patří tomu hraničáři, po mojí levé ruce.",
             .en = "This is deep forest that belongs to the frontier on the left."},
};

constexpr DescriptionRow kLes5RangerShoes{
    .name = "Les5.rangerShoes",
    .text = {.cz = "No, nechci machrovat, ale já mám boty hezčí.",
             .en = "I don't want to trump but my shoes are nicer."},
    .itemUse = ItemUse::Ranger,
};

constexpr DescriptionRow kLes5RangerLegs{
    .name = "Les5.rangerLegs",
    .text = {.cz = "Nohy, to se člověku docela hodí, když chce někam jít.",
             .en = "The legs are useful when you want to go somewhere."},
    .itemUse = ItemUse::Ranger,
};

// The ranger's rude spot. Every ranger row hands over to both of his
// item-use procedures; ItemUse::Ranger stands for the pair.
constexpr DescriptionRow kLes5RangerRudeSpot{
    .name = "Les5.rangerRudeSpot",
    .text = {.cz = "Jistý věci prostě odmítám popisovat!!!",
             .en = "I refuse to describe certain things!!!"},
    .itemUse = ItemUse::Ranger,
    .effect = Effect::RudeSpot,
};

constexpr DescriptionRow kLes5RangerCord{
    .name = "Les5.rangerCord",
    .text = {.cz = "Tož asi má ty kalhoty velký, tak mu je drží tahle šňůra.",
             .en = "His trousers are a bit larger when he needs this cord to hold it."},
    .itemUse = ItemUse::Ranger,
};

constexpr DescriptionRow kLes5RangerBody{
    .name = "Les5.rangerBody",
    .text = {.cz = "Už to tak příroda zařídila, že máme tělo.",
             .en = "Well it is nature's work that we have a body."},
    .itemUse = ItemUse::Ranger,
};

constexpr DescriptionRow kLes5RangerHands{
    .name = "Les5.rangerHands",
    .text = {.cz = "Jo, ruce, odedávna součást lidského těla. Proto nechápu co je pro tebe tak překvapivého na tom, že je má.",
             .en = "Hands, we all have them. I don't understand why you are so surprised that he has them."},
    .itemUse = ItemUse::Ranger,
};

constexpr DescriptionRow kLes5RangerHead{
    .name = "Les5.rangerHead",
    .text = {.cz = "Ten má ale kebulu oranžovou. Eh, ne že bych byl rasista.",
             .en = "So orange head man. Oh, I am not racist."},
    .itemUse = ItemUse::Ranger,
};

constexpr DescriptionRow kLes5RangerEars{
    .name = "Les5.rangerEars",
    .text = {.cz = "Jo, tak tohle jsou uši a v podstatě to zpracovává vzduchové vlny. Celkem se to v životě hodí.",
             .en = "These are ears and they are in fact processing sound waves. They get pretty useful."},
    .itemUse = ItemUse::Ranger,
};

constexpr DescriptionRow kLes5RangerNose{
    .name = "Les5.rangerNose",
    .text = {.cz = "Tož normální nos, co ti budu povídat.",
             .en = "Just common nose."},
    .itemUse = ItemUse::Ranger,
};

constexpr DescriptionRow kLes5RangerEyes{
    .name = "Les5.rangerEyes",
    .text = {.cz = "Velký bílý, občas mrkající hraničářský oči.",
             .en = "Large, white, winking frontiers eyes."},
    .itemUse = ItemUse::Ranger,
};

constexpr SceneRow kLes5Rows[] = {
    {&kLes5Place, "Image1819"},
    {&kLes5RangersForest, "Image1820"},
    {&kLes5RangerShoes, "Image1890 Image1892 Image1893 Image1894 Image1895 Image1896 Image1897"},
    {&kLes5RangerLegs, "Image1891 Image1898 Image1899 Image1900 Image1901"},
    {&kLes5RangerRudeSpot, "Image1902"},
    {&kLes5RangerCord, "Image1903"},
    {&kLes5RangerBody, "Image1904 Image1905 Image1906 Image1907 Image1908 Image1909"},
    {&kLes5RangerHands,
     "Image1910 Image1911 Image1912 Image1913 Image1914 Image1915 Image1916 Image1917 "
     "Image1918 Image1919 Image1920 Image1921 Image1922"},
    {&kLes5RangerHead,
     "Image1923 Image1924 Image1925 Image1926 Image1927 Image1928 Image1929 Image1930"},
    {&kLes5RangerEars, "Image1931 Image1932 Image1933"},
    {&kLes5RangerNose, "Image1936"},
    {&kLes5RangerEyes, "Image1934 Image1935"},
    {&kLes1GrassTuft, "Image1817 Image1886 Image1887 Image1888 Image1889"},
};

const SceneDescriptions kLes5Descriptions{
    .scene = Scene::Les5,
    .detective = {
        // head
        "Image1869 Image1870 Image1871 Image1872 Image1873 Image1874 Image1875 Image1876",
        // mouth
        "Image1885",
        // nose
        "Image1879 Image1880 Image1881 Image1882 Image1883",
        // eyes
        "Image1877 Image1878",
        // ears
        "Image1884",
        // right hand
        "Image1850 Image1851 Image1852 Image1853 Image1854 Image1855 Image1856 Image1857 "
        "Image1858",
        // left hand
        "Image1859 Image1860 Image1861 Image1862 Image1863 Image1864 Image1865 Image1866 "
        "Image1867 Image1868",
        // body
        "Image1839 Image1840 Image1841 Image1842 Image1843 Image1844 Image1845 Image1846 "
        "Image1847 Image1848 Image1849 Image2144 Image2145 Image2146",
        // legs
        "Image1826 Image1827 Image1828 Image1829 Image1830 Image1831 Image1832 Image1833 "
        "Image1834 Image1835 Image1836",
        // shoes
        "Image1821 Image1822 Image1823 Image1824 Image1825",
        // groin
        "Image1837 Image1838",
    },
    .rows = kLes5Rows,
};

// [SECTION] Les6

// The cave mouth (the labels over the dark opening): leaves the forest for
// the cave without a word.
constexpr DescriptionRow kLes6CaveMouth{
    .name = "Les6.caveMouth",
    .text = {},
    .effect = Effect::ExitNoText,
    .exitTo = "Vjeskyni",
};

constexpr DescriptionRow kLes6Place{
    .name = "Les6.place",
    .text = {.cz = "Nacházíš se kdesi v lese, hodně na východ od osady.",
             .en = "You are somewhere in woods, far east side of the village."},
};

constexpr DescriptionRow kLes6Forest{
    .name = "Les6.forest",
    .text = {.cz = "Tož les vypadá pořád stejně, spíš mě tu nějak nesedí ta jeskyňa. Té bych si všímal víc.",
             .en = "Well, the wood looks all the same, but this cave doesn't fit here somehow. Did you noticed?"},
};

constexpr DescriptionRow kLes6CaveEntrance{
    .name = "Les6.caveEntrance",
    .text = {.cz = "Já nevím, moc se mě dovnitř nechce, vypadá to celkem strašidelně.",
             .en = "This looks a bit scary, I wouldn't go inside rather."},
};

constexpr DescriptionRow kLes6Grass{
    .name = "Les6.grass",
    .text = {.cz = "Tož jeskyňa přes celou obrazovku a ty tu klikáš na trs obyčejný trávy.",
             .en = "So, here is cave over whole screen and you are clicking on ordinary grass."},
};

constexpr DescriptionRow kLes6DenseBush{
    .name = "Les6.denseBush",
    .text = {.cz = "Za tímhle keřem je spousty dalších, jemu podobných a možná i ještě hustších, takže tudy bohužel neprojdu.",
             .en = "Behind this bush there are many similar ones. It is too dense, I can't go through."},
};

constexpr SceneRow kLes6Rows[] = {
    {&kLes6CaveMouth,
     "Label100 Label101 Label102 Label103 Label104 Label105 Label106 Label107 Label108 "
     "Label109 Label110 Label111 Label112"},
    {&kLes6Place, "Image1938"},
    {&kLes6Forest,
     "Image1939 Image1941 Image1942 Image1943 Image1944 Image1945 Image1946 Image1947 "
     "Image1948 Image1949 Image1950 Image1951 Image1952 Image1953 Image1954 Image1955 "
     "Image1956 Image1957 Image1958 Image1959 Image1960 Image1961 Image1962 Image1963 "
     "Image1964 Image1965 Image1966 Image1967 Image1968 Image1969 Image1970 Image1971 "
     "Image1972 Image1973 Image1974 Image1975 Image1976 Image1977 Image1978 Image1979 "
     "Image1980 Image1981 Image1982 Image1983 Image1984 Image1985 Image1986 Image1987 "
     "Image1988 Image1989 Image1990 Image1991 Image1992 Image1993 Image1994 Image1995 "
     "Image1996 Image1997 Image1998 Image1999 Image2000 Image2001 Image2002 Image2003 "
     "Image2004 Image2005 Image2006 Image2007 Image2008 Image2009 Image2010 Image2011 "
     "Image2012 Image2013 Image2014 Image2015 Image2016 Image2017 Image2018 Image2019 "
     "Image2020 Image2135 Image2136 Image2137 Image2138 Image2139 Image2140 Image2141 "
     "Image2142 Image2143"},
    {&kLes6CaveEntrance, "Image1940"},
    {&kLes6Grass,
     "Image2021 Image2022 Image2023 Image2024 Image2025 Image2026 Image2027 Image2028 "
     "Image2029 Image2030 Image2031 Image2032 Image2033 Image2034 Image2035 Image2036 "
     "Image2037 Image2039 Image2040 Image2041 Image2042 Image2043 Image2044 Image2045 "
     "Image2046 Image2047 Image2048 Image2049 Image2050 Image2051 Image2052 Image2053 "
     "Image2054 Image2055 Image2056 Image2057 Image2058 Image2059 Image2060 Image2061 "
     "Image2062 Image2063 Image2064 Image2065 Image2066 Image2067"},
    {&kLes6DenseBush, "Image2038"},
};

const SceneDescriptions kLes6Descriptions{
    .scene = Scene::Les6,
    .detective = {
        // head
        "Image2114 Image2115 Image2116 Image2117 Image2118 Image2119 Image2120 Image2121",
        // mouth
        "Image2134",
        // nose
        "Image2125 Image2126 Image2127 Image2128 Image2129 Image2130 Image2131",
        // eyes
        "Image2122 Image2123 Image2124",
        // ears
        "Image2132 Image2133",
        // right hand
        "Image2095 Image2096 Image2097 Image2098 Image2099 Image2100 Image2101 Image2102",
        // left hand
        "Image2103 Image2104 Image2105 Image2106 Image2107 Image2108 Image2109 Image2110 "
        "Image2111 Image2112 Image2113",
        // body
        "Image2085 Image2086 Image2087 Image2088 Image2089 Image2090 Image2091 Image2092 "
        "Image2093 Image2094",
        // legs
        "Image2073 Image2074 Image2075 Image2076 Image2077 Image2078 Image2079 Image2080 "
        "Image2081 Image2082 Image2083",
        // shoes
        "Image2068 Image2069 Image2070 Image2071 Image2072",
        // groin
        "Image2084",
    },
    .rows = kLes6Rows,
};

}  // namespace kvarnel::scenes

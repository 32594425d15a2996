// The detective's own rows and the gathering of every scene's table.
#include <cassert>

#include "scenes/description_tables_internal.h"

namespace kvarnel::scenes {

const std::array<DescriptionRow, static_cast<size_t>(DetectivePart::Count)> kDetectiveRows = {{
    {.name = "Detective.head",
     .text = {.cz = "Ale to je přeci moje hlava.", .en = "But this is my head."},
     .itemUse = ItemUse::Detective},
    {.name = "Detective.mouth",
     .text = {.cz = "Proč mi tu šipku strkáš do pusy?!", .en = "Why are you putting that arrow into my mouth?"},
     .itemUse = ItemUse::Detective},
    {.name = "Detective.nose",
     .text = {.cz = "Kdybych se chtěl šťourat v nose, udělám to sám.",
              .en = "If I would like to dig in my nose, I will do it myself."},
     .itemUse = ItemUse::Detective},
    {.name = "Detective.eyes",
     .text = {.cz = "Au! Ještě mi tou šipkou vypíchneš oči!", .en = "Ow! You will jab out my eyes!"},
     .itemUse = ItemUse::Detective},
    {.name = "Detective.ears",
     .text = {.cz = "Uši mi tou šipkou čistit nemusíš, mám je čistý.",
              .en = "My ears are clean; you don't have to clean them with that arrow."},
     .itemUse = ItemUse::Detective},
    {.name = "Detective.rightHand",
     .text = {.cz = "Moje pravá ruka.", .en = "My right hand."},
     .itemUse = ItemUse::Detective},
    {.name = "Detective.leftHand",
     .text = {.cz = "Moje levá ruka.", .en = "My left hand."},
     .itemUse = ItemUse::Detective},
    {.name = "Detective.body",
     .text = {.cz = "Moje mužné tělo, na kterým jsou docela IN hadry. Vestička a košilka. To teď frčí.",
              .en = "My masculine body with IN clothes on. The shirt and vest. People like it these days."},
     .itemUse = ItemUse::Detective},
    {.name = "Detective.legs",
     .text = {.cz = "Žiju v přesvědčení, že to jsou moje nohy, ale třeba se mýlím.",
              .en = "I lived in thought that these are my legs but maybe I was wrong."},
     .itemUse = ItemUse::Detective},
    {.name = "Detective.shoes",
     .text = {.cz = "Hezký boty, že? Zrovna byly ve slevě, tak jsem neváhal a koupil je.",
              .en = "Nice shoes, aren't they? They price was reduced so I bought them on the spot."},
     .itemUse = ItemUse::Detective},
    {.name = "Detective.groin",
     .text = {.cz = "Ehm. Vzal jsem roli v týhle hře, ale ve scénáři o tomhle nic nebylo! Tak toho nech!",
              .en = "Ahem. I took role in this game but there was nothing about this in script. So stop it!"},
     .itemUse = ItemUse::Detective,
     .effect = Effect::DetectiveGroin},
}};

const Text kKnifeLine = {.cz = "Nůž už mám, radši bych měl odsud zmizet.", .en = "I have the knife. I should get lost."};

namespace {
// Pointers, so the order is fixed here and the tables stay where they are
// defined.
const std::array<const SceneDescriptions*, static_cast<size_t>(Scene::Count)> kAll = {
    &kUdedkaDescriptions,    &kNatrzistiDescriptions,  &kPredhospodouDescriptions, &kVhospodeDescriptions,
    &kPredradniciDescriptions, &kRadniceDescriptions,  &kPredsoudemDescriptions,   &kPredvezniciDescriptions,
    &kVevezniciDescriptions, &kUzlocinkyneDescriptions, &kLes1Descriptions,        &kLes2Descriptions,
    &kLes3Descriptions,      &kLes4Descriptions,       &kLes5Descriptions,         &kLes6Descriptions,
};

std::vector<SceneDescriptions> gathered() {
    std::vector<SceneDescriptions> out;
    for (const SceneDescriptions* s : kAll) out.push_back(*s);
    return out;
}
}  // namespace

std::span<const SceneDescriptions> allSceneDescriptions() {
    static const std::vector<SceneDescriptions> all = gathered();
    return all;
}

const SceneDescriptions& sceneDescriptions(Scene scene) { return allSceneDescriptions()[static_cast<size_t>(scene)]; }

std::vector<std::string_view> splitRectangles(std::string_view rectangles) {
    std::vector<std::string_view> out;
    while (!rectangles.empty()) {
        const size_t space = rectangles.find(' ');
        const std::string_view name = rectangles.substr(0, space);
        if (!name.empty()) out.push_back(name);
        if (space == std::string_view::npos) break;
        rectangles.remove_prefix(space + 1);
    }
    return out;
}

}  // namespace kvarnel::scenes

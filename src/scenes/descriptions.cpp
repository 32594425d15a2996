// The description tables' common part and the procedure that runs a row.
//
// Sections:
//   [Tables]     the detective's own rows, every scene's table gathered
//   [Procedure]  the handlers of the rectangles and the row's procedure
#include "scenes/descriptions.h"

#include "scenes/description_tables_internal.h"
#include "scenes/failed_use.h"
#include "scenes/inventory.h"
#include "scenes/item_use.h"

namespace kvarnel::scenes {

// [Tables] ------------------------------------------------------------------

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

const Text kKnifeLine = {.cz = "Nůž už mám, radši bych měl odsud zmizet.",
                         .en = "I have the knife. I should get lost."};

namespace {
// Pointers, so the order is fixed here and the tables stay where they are
// defined.
const std::array<const SceneDescriptions*, static_cast<size_t>(Scene::Count)> kAll = {
    &kUdedkaDescriptions,      &kNatrzistiDescriptions,   &kPredhospodouDescriptions, &kVhospodeDescriptions,
    &kPredradniciDescriptions, &kRadniceDescriptions,     &kPredsoudemDescriptions,   &kPredvezniciDescriptions,
    &kVevezniciDescriptions,   &kUzlocinkyneDescriptions, &kLes1Descriptions,         &kLes2Descriptions,
    &kLes3Descriptions,        &kLes4Descriptions,        &kLes5Descriptions,         &kLes6Descriptions,
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

const SceneDescriptions& sceneDescriptions(Scene scene) {
    return allSceneDescriptions()[static_cast<size_t>(scene)];
}

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

// [Procedure] ---------------------------------------------------------------

namespace {

const DescriptionRow* rowNamed(std::string_view name) {
    for (const SceneDescriptions& table : allSceneDescriptions()) {
        for (const SceneRow& r : table.rows) {
            if (r.row->name == name) return r.row;
        }
    }
    return nullptr;
}

}  // namespace

void bindDescriptionHandlers(Context& ctx, layout::HandlerRegistry& handlers) {
    auto bind = [&ctx, &handlers](std::string_view rectangle, const DescriptionRow* row) {
        // The Bush Man's mouth reaches his row through its change event.
        const std::string handler = std::string(rectangle) + (rectangle == "Krovakpusa" ? "Change" : "Click");
        if (row->effect == Effect::RudeSpotInHandler && rectangle == "Image21") {
            // The old man's rude spot tells his item-use step before the row runs.
            handlers.add(handler, [&ctx, row](const layout::EventArgs&) {
                ctx.state.RudeSpotOldMan = 1;
                runDescription(ctx, *row);
            });
            return;
        }
        handlers.add(handler, [&ctx, row](const layout::EventArgs&) { runDescription(ctx, *row); });
    };
    for (const SceneDescriptions& table : allSceneDescriptions()) {
        for (size_t part = 0; part < table.detective.size(); ++part) {
            for (std::string_view r : splitRectangles(table.detective[part])) bind(r, &kDetectiveRows[part]);
        }
        for (const SceneRow& sr : table.rows) {
            // Exits that also carry a text are bound with the exits.
            if (sr.row->effect == Effect::WayEast || sr.row->effect == Effect::ExitNoText) continue;
            for (std::string_view r : splitRectangles(sr.rectangles)) bind(r, sr.row);
        }
    }
    // The Bush Man's mouth answers its change event (never raised in play)
    // as a click on his head.
    if (const DescriptionRow* head = rowNamed("Predveznici.bushManHeadInShrub")) bind("Krovakpusa", head);
}

void runDescription(Context& ctx, const DescriptionRow& row) {
    core::GameState& s = ctx.state;
    InventoryModeGuard(ctx);
    switch (row.effect) {
        case Effect::DetectiveGroin:
            // The flag survives only a click made with descriptions off, that
            // is with an item in the hand, for the detective's own answer.
            s.RudeSpotDetective = 1;
            if (s.DescriptionsOn == 1) {
                describe(ctx, row.text);
                s.RudeSpotDetective = 0;
            }
            break;
        case Effect::KnifeSearch:
        case Effect::KnifeSpot:
            if (s.DescriptionsOn == 1 && storyFlag(ctx, "Svzetinoze")) {
                describe(ctx, kKnifeLine);
                return;
            }
            if (s.DescriptionsOn == 1) {
                if (row.effect == Effect::KnifeSpot && storyFlag(ctx, "SKukdosuplu")) {
                    describe(ctx, row.alternate);
                    setStoryFlag(ctx, "Svzetinoze", true);
                    addItem(ctx, core::Item::Knife);
                } else {
                    describe(ctx, row.text);
                    if (row.effect == Effect::KnifeSpot) setStoryFlag(ctx, "SKukdosuplu", true);
                }
            }
            break;
        case Effect::BushManWhenOut:
            // Out of the bush he is described; in it, only the shrub is.
            if (ctx.c.Krovakvp->FrameIndex > 6) {
                if (s.DescriptionsOn == 1) describe(ctx, row.text);
            } else {
                if (s.DescriptionsOn == 1) describe(ctx, row.alternate);
                FailedUseHook(ctx);
                return;
            }
            break;
        case Effect::NestUnclimbed:
            if (s.DescriptionsOn == 1 && !storyFlag(ctx, "Ssplh")) describe(ctx, row.text);
            break;
        case Effect::BushOrCutBush:
            if (s.DescriptionsOn == 1) {
                const DescriptionRow* cut = storyFlag(ctx, "Sker") ? rowNamed(row.alternateRow) : nullptr;
                describe(ctx, cut ? cut->text : row.text);
            }
            break;
        default:
            if (s.DescriptionsOn == 1) describe(ctx, row.text);
            break;
    }
    if (row.effect == Effect::RudeSpot) {
        switch (row.itemUse) {
            case ItemUse::Mayor:
                s.RudeSpotMayor = 1;
                break;
            case ItemUse::Warrior:
                s.RudeSpotWarrior = 1;
                break;
            case ItemUse::Guest:
                s.RudeSpotGuest = 1;
                break;
            case ItemUse::Druid:
                s.RudeSpotDruid = 1;
                break;
            case ItemUse::Ranger:
                s.RudeSpotRanger = 1;
                break;
            default:
                break;
        }
    }
    // The characters' answer to a held item, between the text and the
    // failed-use hook.
    useItem(ctx, row.itemUse);
    FailedUseHook(ctx);
}

}  // namespace kvarnel::scenes

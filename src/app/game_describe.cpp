// Looking at things: every hotspot rectangle of every location leads to one
// row of its scene's description table, whose procedure shows the row's text
// in Popis, hands a held item to the row's item-use step and ends with the
// failed-use hook, which answers an item nothing reacted to.
#include "app/game.h"
#include "scenes/failed_use.h"

namespace kvarnel::app {

namespace {

using scenes::Effect;

const scenes::DescriptionRow* rowNamed(std::string_view name) {
    for (const scenes::SceneDescriptions& table : scenes::allSceneDescriptions()) {
        for (const scenes::SceneRow& r : table.rows) {
            if (r.row->name == name) return r.row;
        }
    }
    return nullptr;
}

}  // namespace

void Game::registerSceneHandlers() {
    auto bind = [this](std::string_view rectangle, const scenes::DescriptionRow* row) {
        // The Bush Man's mouth reaches his row through its change event.
        const std::string handler = std::string(rectangle) + (rectangle == "Krovakpusa" ? "Change" : "Click");
        if (row->effect == Effect::RudeSpotInHandler && rectangle == "Image21") {
            // The old man's rude spot tells his item-use step before the row runs.
            handlers.add(handler, [this, row](const layout::EventArgs&) {
                state.RudeSpotOldMan = 1;
                runDescription(*row);
            });
            return;
        }
        handlers.add(handler, [this, row](const layout::EventArgs&) { runDescription(*row); });
    };
    for (const scenes::SceneDescriptions& table : scenes::allSceneDescriptions()) {
        for (size_t part = 0; part < table.detective.size(); ++part) {
            for (std::string_view r : scenes::splitRectangles(table.detective[part]))
                bind(r, &scenes::kDetectiveRows[part]);
        }
        for (const scenes::SceneRow& sr : table.rows) {
            // Exits that also carry a text are bound with the exits.
            if (sr.row->effect == Effect::WayEast || sr.row->effect == Effect::ExitNoText) continue;
            for (std::string_view r : scenes::splitRectangles(sr.rectangles)) bind(r, sr.row);
        }
    }
}

void Game::InventoryModeGuard() {
    const GameState& s = state;
    if (s.PlayerFree == 1 && s.InventoryOpen == 1 && s.DescriptionsOn == 1 && s.CursorFile == kPlainCursor) {
        describe({"Momentálně jsi v módu pro inventář. Pokud chceš popsat nějaký objekt, zasuň inventář.",
                  "You are in inventory mode. If you want me to describe anything, close the inventory."});
    }
}

void Game::runDescription(const scenes::DescriptionRow& row) {
    GameState& s = state;
    InventoryModeGuard();
    switch (row.effect) {
        case Effect::DetectiveGroin:
            // The flag survives only a click made with descriptions off, that
            // is with an item in the hand, for the detective's own answer.
            s.RudeSpotDetective = 1;
            if (s.DescriptionsOn == 1) {
                describe(row.text);
                s.RudeSpotDetective = 0;
            }
            break;
        case Effect::KnifeSearch:
        case Effect::KnifeSpot:
            if (s.DescriptionsOn == 1 && storyFlag("Svzetinoze")) {
                describe(scenes::kKnifeLine);
                return;
            }
            if (s.DescriptionsOn == 1) {
                if (row.effect == Effect::KnifeSpot && storyFlag("SKukdosuplu")) {
                    describe(row.alternate);
                    setStoryFlag("Svzetinoze", true);
                    addItem(Item::Knife);
                } else {
                    describe(row.text);
                    if (row.effect == Effect::KnifeSpot) setStoryFlag("SKukdosuplu", true);
                }
            }
            break;
        case Effect::BushManWhenOut:
            // Out of the bush he is described; in it, only the shrub is.
            if (c.Krovakvp->FrameIndex > 6) {
                if (s.DescriptionsOn == 1) describe(row.text);
            } else {
                if (s.DescriptionsOn == 1) describe(row.alternate);
                FailedUseHook();
                return;
            }
            break;
        case Effect::NestUnclimbed:
            if (s.DescriptionsOn == 1 && !storyFlag("Ssplh")) describe(row.text);
            break;
        case Effect::BushOrCutBush:
            if (s.DescriptionsOn == 1) {
                const scenes::DescriptionRow* cut = storyFlag("Sker") ? rowNamed(row.alternateRow) : nullptr;
                describe(cut ? cut->text : row.text);
            }
            break;
        default:
            if (s.DescriptionsOn == 1) describe(row.text);
            break;
    }
    if (row.effect == Effect::RudeSpot) {
        switch (row.itemUse) {
            case scenes::ItemUse::Mayor:
                s.RudeSpotMayor = 1;
                break;
            case scenes::ItemUse::Warrior:
                s.RudeSpotWarrior = 1;
                break;
            case scenes::ItemUse::Guest:
                s.RudeSpotGuest = 1;
                break;
            case scenes::ItemUse::Druid:
                s.RudeSpotDruid = 1;
                break;
            case scenes::ItemUse::Ranger:
                s.RudeSpotRanger = 1;
                break;
            default:
                break;
        }
    }
    // The characters' and objects' answers to a held item come here, between
    // the text and the failed-use hook.
    FailedUseHook();
}

void Game::FailedUseHook() {
    GameState& s = state;
    s.RudeSpotGuest = 0;
    s.RudeSpotOldMan = 0;
    s.RudeSpotWarrior = 0;
    s.RudeSpotMayor = 0;
    s.RudeSpotDruid = 0;
    s.RudeSpotRanger = 0;
    // Something has answered the click already.
    if (hasText(*c.Popis) || hasText(*c.Rozhovor)) return;
    for (const scenes::FailedUseBlock& block : scenes::kFailedUseBlocks) {
        if (s.CursorFile != itemInfo(block.item).cursor) continue;
        // Drawn even when no reply follows: the sequence of numbers is part
        // of the game.
        s.FailedUseIndex = static_cast<int32_t>(random.next(11));
        if (s.FailedUseArmed == 1) {
            describe(block.replies[static_cast<size_t>(s.FailedUseIndex)]);
            s.FailedUseArmed = 0;
            const size_t i = static_cast<size_t>(block.item);
            c.itemTwin[i]->Visible = false;
            c.itemPicture[i]->Visible = true;
            s.ItemTaken = 0;
            s.CursorFile = kPlainCursor;
            s.HandsEmpty = 1;
        }
    }
}

}  // namespace kvarnel::app

// Sections:
//   [Keys]     the 116 keys in their order
//   [Save]
//   [Load]     reading, then making a damaged file playable, then rebuilding
#include "screens/saved_game.h"

#include <algorithm>
#include <array>

#include "core/items.h"
#include "core/settings_file.h"
#include "platform/log.h"
#include "scenes/actions.h"
#include "scenes/exits.h"
#include "scenes/inventory.h"
#include "scenes/scene_faces.h"
#include "screens/cave.h"
#include "screens/menu.h"
#include "screens/music.h"

namespace kvarnel::screens {

namespace {

using core::GameState;
using scenes::Controls;
using K = SavedGameKey::Kind;

// [Keys] --------------------------------------------------------------------

constexpr SavedGameKey kKeys[] = {
    // The location panels.
    {"Data1", K::Shown, "Les1"},
    {"Data2", K::Shown, "Les2"},
    {"Data3", K::Shown, "Les3"},
    {"Data4", K::Shown, "Les4"},
    {"Data5", K::Shown, "Les5"},
    {"Data6", K::Shown, "Natrzisti"},
    {"Data7", K::Shown, "Predhospodou"},
    {"Data8", K::Shown, "Predradnici"},
    {"Data9", K::Shown, "Predsoudem"},
    {"Data10", K::Shown, "Predveznici"},
    {"Data11", K::Shown, "Radnice"},
    {"Data12", K::Shown, "Udedka"},
    {"Data13", K::Shown, "Uzlocinkyne"},
    {"Data14", K::Shown, "Veveznici"},
    {"Data15", K::Shown, "Vhospode"},
    {"Data16", K::Shown, "Les6"},
    // The story flags.
    {"Data17", K::Shown, "Sbojovnikzly"},
    {"Data18", K::Shown, "Sdarlano"},
    {"Data19", K::Shown, "Sdcerka"},
    {"Data20", K::Shown, "Sdedek"},
    {"Data21", K::Shown, "Sdedek2"},
    {"Data22", K::Shown, "Sdedek3hodny"},
    {"Data23", K::Shown, "Sdedek3zl"},
    {"Data24", K::Shown, "Sdejbagetu"},
    {"Data25", K::Shown, "Sdrujdovovypraveni"},
    {"Data26", K::Shown, "Sdrujdovynadavky"},
    {"Data27", K::Shown, "Sdrujduvprolog"},
    {"Data28", K::Shown, "Shjidlo"},
    {"Data29", K::Shown, "Shledejdceru"},
    {"Data30", K::Shown, "Shnabidka"},
    {"Data31", K::Shown, "SInfoopachatelce"},
    {"Data32", K::Shown, "Sinteligence"},
    {"Data33", K::Shown, "Sjsemhranicar"},
    {"Data34", K::Shown, "Sker"},
    {"Data35", K::Shown, "SKukdosuplu"},
    {"Data36", K::Shown, "SMistodcerky"},
    {"Data37", K::Shown, "Snajdeskrovaka"},
    {"Data38", K::Shown, "Sobchodsdrujdem"},
    {"Data39", K::Shown, "Solane"},
    {"Data40", K::Shown, "Sotazkahory"},
    {"Data41", K::Shown, "Spoplatek"},
    {"Data42", K::Shown, "Sserif"},
    {"Data43", K::Shown, "Sserifinfo"},
    {"Data44", K::Shown, "Ssplh"},
    {"Data45", K::Shown, "Ssplhnastrom"},
    {"Data46", K::Shown, "St1"},
    {"Data47", K::Shown, "st2"},
    {"Data48", K::Shown, "st4"},
    {"Data49", K::Shown, "STequila"},
    {"Data50", K::Shown, "svyresenypripad"},
    {"Data51", K::Shown, "Svzetinoze"},
    // Story and inventory.
    {"Data52", K::Flag, "FoodBought"},
    {"Data53", K::Flag, "SheriffAskedForDrink"},
    {"Data54", K::Flag, "BottlesSold"},
    {"Data55", K::Flag, "HasShovel"},
    {"Data56", K::Flag, "HasRope"},
    {"Data57", K::Flag, "HasBottle"},
    {"Data58", K::Flag, "HasLockPick"},
    {"Data59", K::Flag, "HasKnife"},
    {"Data60", K::Flag, "HasMoney"},
    {"Data61", K::Shown, "Pitiva"},
    {"Data62", K::Shown, "slanonastole", 1},
    {"Data63", K::Flag, "MoneySlotGiven"},
    {"Data64", K::Flag, "RangerLetsPass"},
    {"Data65", K::Shown, "Stequilzakopem"},
    {"Data66", K::Flag, "SheriffAccusedBushMan"},
    {"Data67", K::Flag, "SheriffToldOfEleanor"},
    {"Data68", K::Flag, "SheriffSawKnife"},
    {"Data69", K::Flag, "RangerPaid"},
    {"Data70", K::Flag, "RangerHasRope"},
    {"Data71", K::Flag, "RangerNamedPrice"},
    {"Data72", K::Flag, "RangerNoReason"},
    {"Data73", K::Flag, "HasFood"},
    {"Data74", K::Shown, "Ker", 1},
    {"Data75", K::Flag, "MayorGreeted"},
    // The cave.
    {"Data78", K::Flag, "CaveLevel1"},
    {"Data79", K::Flag, "CaveLevel2"},
    {"Data80", K::Flag, "CaveLevel3"},
    {"Data81", K::Flag, "CaveLevel4"},
    {"Data82", K::Flag, "CaveLevel5"},
    {"Data83", K::Flag, "CaveLevel6"},
    {"Data84", K::Flag, "CaveLevel7"},
    {"Data85", K::Shown, "Vjeskyni"},
    {"Data86", K::Flag, "InCave"},
    {"Data87", K::Flag, "BottleInCave"},
    {"Data88", K::Flag, "DugAtCourt"},
    {"Data89", K::Flag, "CriminalDoorOpen"},
    {"Data90", K::Shown, "Image225"},
    {"Data91", K::Shown, "Image226"},
    {"Data92", K::Shown, "Image227"},
    {"Data94", K::Flag, "DaughterReturned"},
    // Numbers.
    {"Files", K::Caption, "Penez"},
    {"Files2", K::Int, "ItemCount"},
    {"Files3", K::Int, "TableWinnings"},
    {"Files4", K::Caption, "Pitiva"},
    {"Files5", K::Int, "SpeechSpeed", 70},
    {"Files6", K::Int, "ShovelSlot"},
    {"Files7", K::Int, "BottleSlot"},
    {"Files8", K::Int, "RopeSlot"},
    {"Files9", K::Int, "LockPickSlot"},
    {"Files10", K::Int, "KnifeSlot"},
    {"Files11", K::Int, "FoodSlot"},
    {"Files12", K::Int, "MoneySlot"},
    {"Files14", K::Int, "CaveNumber"},
    {"Files15", K::Int, "DetectiveColumn"},
    {"Files16", K::Int, "DetectiveRow"},
    {"Files17", K::Int, "MonsterColumn"},
    {"Files18", K::Int, "MonsterRow"},
    {"Files19", K::Int, "DetectiveX"},
    {"Files20", K::Int, "DetectiveY"},
    {"Files21", K::Int, "MonsterX"},
    {"Files22", K::Int, "MonsterY"},
    {"Files23", K::Int, "DetectiveFacing"},
    {"Files24", K::Int, "MonsterFacing"},
    {"Files25", K::Int, "ExitX"},
    {"Files26", K::Int, "ExitY"},
};
static_assert(std::size(kKeys) == 116);

std::string dataFile(const scenes::Context& ctx) {
    return ctx.programFolder + std::string(core::kDataFileName);
}

layout::Control* component(const scenes::Context& ctx, const SavedGameKey& k) {
    auto* c = ctx.layout.findAs<layout::Control>(k.name);
    if (!c)
        logOnce("saved-game " + std::string(k.name),
                "the layout has no '" + std::string(k.name) + "' for key " + std::string(k.key) + " of the saved game");
    return c;
}

}  // namespace

std::span<const SavedGameKey> savedGameKeys() {
    return kKeys;
}

bool hasSavedGame(const scenes::Context& ctx) {
    if (!ctx.platform.fileExists(dataFile(ctx))) return false;
    const core::SettingsFile file(ctx.platform, dataFile(ctx));
    return std::any_of(std::begin(kKeys), std::end(kKeys), [&](const SavedGameKey& k) {
        return file.document().readString(core::kDataSection, k.key).has_value();
    });
}

// [Save] --------------------------------------------------------------------

bool saveGame(scenes::Context& ctx) {
    GameState& s = ctx.state;
    ctx.c.Menu1->Visible = false;
    ctx.c.Start->Enabled = false;

    core::SettingsFile file(ctx.platform, dataFile(ctx));
    for (const SavedGameKey& k : kKeys) {
        const std::string_view section = core::kDataSection;
        switch (k.kind) {
            case K::Shown: {
                const layout::Control* c = component(ctx, k);
                file.setBool(section, k.key, c ? c->Visible : k.defaultValue != 0);
                break;
            }
            case K::Flag:
                file.setBool(section, k.key, core::getNumber(s, k.name).value_or(k.defaultValue) != 0);
                break;
            case K::Int:
                file.setInt(section, k.key, static_cast<int32_t>(core::getNumber(s, k.name).value_or(k.defaultValue)));
                break;
            case K::Caption: {
                const auto* label = ctx.layout.findAs<layout::Label>(k.name);
                file.setInt(section, k.key, label ? scenes::captionNumber(label->Caption) : k.defaultValue);
                break;
            }
        }
    }
    const bool saved = file.commit();

    if (ctx.c.Vjeskyni->Visible) resumeCaveAfterMenu(ctx);
    if (!saved) {
        const std::string path = dataFile(ctx);
        const std::string line = s.Language == 2 ? "The game could not be saved to " + path + "."
                                                 : "Hru se nepodařilo uložit do souboru " + path + ".";
        scenes::setCaption(ctx, *ctx.c.Popis, line);
        logWarning("cannot save the game: cannot write " + path + "; the previous saved game is kept");
    }
    return saved;
}

// [Load] --------------------------------------------------------------------

namespace {

// One location shows, or the cave: the first location in the panels' order
// wins over others, the cave over all; with none, the market place, where
// the story begins.
void oneLocation(scenes::Context& ctx) {
    Controls& c = ctx.c;
    int shown = 0;
    for (layout::Panel* p : c.scenes) shown += p->Visible ? 1 : 0;
    if (c.Vjeskyni->Visible) {
        if (shown > 0) logWarning(dataFile(ctx) + ": the saved game shows the cave and a location; the cave is kept");
        for (layout::Panel* p : c.scenes) p->Visible = false;
        return;
    }
    if (shown == 1) return;
    if (shown == 0) {
        logWarning(dataFile(ctx) + ": the saved game shows no location; going on in the market place");
        scenes::scenePanel(c, scenes::Scene::Natrzisti)->Visible = true;
        return;
    }
    logWarning(dataFile(ctx) + ": the saved game shows several locations; keeping the first");
    const auto first = scenes::shownScene(ctx);
    for (size_t i = 0; i < c.scenes.size(); ++i) c.scenes[i]->Visible = first && i == static_cast<size_t>(*first);
}

// Items in distinct slots 0 .. n-1 and an item count of n. A file the game
// wrote already is so and is left as it is; otherwise the items keep their
// order by slot.
void consistentItems(scenes::Context& ctx) {
    GameState& s = ctx.state;
    std::vector<const core::ItemInfo*> held;
    for (const core::ItemInfo& info : core::kItems) {
        if (s.*info.has != 0) held.push_back(&info);
    }
    const int32_t n = static_cast<int32_t>(held.size());
    std::array<bool, core::kItems.size()> taken{};
    bool valid = s.ItemCount == n;
    for (const core::ItemInfo* info : held) {
        const int32_t slot = s.*info->slot;
        if (slot < 0 || slot >= n || taken[static_cast<size_t>(slot)]) {
            valid = false;
            break;
        }
        taken[static_cast<size_t>(slot)] = true;
    }
    if (valid) return;
    logWarning(dataFile(ctx) + ": the saved game's item slots do not fit its items; laying the bar out again");
    std::stable_sort(held.begin(), held.end(),
                     [&](const core::ItemInfo* a, const core::ItemInfo* b) { return s.*a->slot < s.*b->slot; });
    for (int32_t i = 0; i < n; ++i) s.*held[static_cast<size_t>(i)]->slot = i;
    s.ItemCount = n;
}

// Cells on the six-by-six map (a sprite moved onto the map stands at its
// cell's place), a known cave, and texts that end.
void consistentNumbers(scenes::Context& ctx) {
    GameState& s = ctx.state;
    const auto onMap = [&](int32_t& column, int32_t& row, int32_t& x, int32_t& y, const char* who) {
        if (column >= 1 && column <= 6 && row >= 1 && row <= 6) return;
        logWarning(dataFile(ctx) + ": the " + who + "'s cave cell lies off the map; moved onto it");
        column = std::clamp(column, 1, 6);
        row = std::clamp(row, 1, 6);
        x = 95 + 100 * (column - 1);
        y = 590 - 99 * (row - 1);
    };
    if (s.InCave == 1 || ctx.c.Vjeskyni->Visible) {
        onMap(s.DetectiveColumn, s.DetectiveRow, s.DetectiveX, s.DetectiveY, "detective");
        onMap(s.MonsterColumn, s.MonsterRow, s.MonsterX, s.MonsterY, "pursuer");
    }
    s.CaveNumber = std::clamp(s.CaveNumber, 0, 7);
    // A speed of zero or less would keep a line on the screen for ever.
    const int32_t slowest = speechSpeedForSlider(kSliderMin), fastest = speechSpeedForSlider(kSliderMax);
    if (s.SpeechSpeed < slowest || s.SpeechSpeed > fastest) {
        logWarning(dataFile(ctx) + ": the saved text speed " + std::to_string(s.SpeechSpeed) + " lies outside " +
                   std::to_string(slowest) + ".." + std::to_string(fastest) + "; using the nearest");
        s.SpeechSpeed = std::clamp(s.SpeechSpeed, slowest, fastest);
    }
}

}  // namespace

void loadGame(scenes::Context& ctx) {
    if (!hasSavedGame(ctx)) return;
    GameState& s = ctx.state;
    Controls& c = ctx.c;

    // 1. Out of the menu; the bird lands; the story's timer runs again.
    c.Menu1->Visible = false;
    c.Start->Enabled = false;
    scenes::leaveCourt(ctx);
    c.Casodavac->Enabled = true;
    s.TableGameRunning = 0;
    // The exchange that ran when the menu opened ends here: its reply
    // choices and line belong to the place left behind, and answered in the
    // loaded one, where no character has a step for them, the line would
    // stay for good and keep every exit shut. What the file holds is read
    // over this below.
    scenes::endExchangeAtOnce(ctx);
    s.TalkTimerOn = 0;
    s.SpeechTimerOn = 0;

    // 2. Every key.
    const core::SettingsFile file(ctx.platform, dataFile(ctx));
    const std::string_view section = core::kDataSection;
    for (const SavedGameKey& k : kKeys) {
        switch (k.kind) {
            case K::Shown:
                if (layout::Control* ctl = component(ctx, k))
                    ctl->Visible = file.readBool(section, k.key, k.defaultValue != 0);
                break;
            case K::Flag:
                core::setNumber(s, k.name, file.readBool(section, k.key, k.defaultValue != 0) ? 1 : 0);
                break;
            case K::Int:
                core::setNumber(s, k.name, file.readInt(section, k.key, k.defaultValue));
                break;
            case K::Caption:
                if (auto* label = ctx.layout.findAs<layout::Label>(k.name)) {
                    scenes::setCaption(ctx, *label, std::to_string(file.readInt(section, k.key, k.defaultValue)));
                }
                break;
        }
    }
    oneLocation(ctx);
    consistentItems(ctx);
    consistentNumbers(ctx);

    // 3. The music of the loaded place.
    musicAfterLoad(ctx);
    // 4. The cave goes on under the frame timer, the detective to move.
    if (c.Vjeskyni->Visible) {
        if (s.BottleInCave == 1) s.BottleShrinking = 1;
        c.Start->Enabled = true;
        c.Start->Interval = 100;
        s.PlayerTurn = 1;
        ctx.platform.showCursor(false);
        resumeCaveAfterLoad(ctx);
    }
    // 5.-6. The Bush Man's pause; the bush cut or not.
    if (scenes::sceneShown(ctx, scenes::Scene::Predveznici)) {
        scenes::enterPrison(ctx);
    } else {
        s.KrovakIdleTime = 0;
    }
    if (scenes::storyFlag(ctx, "Sker")) {
        c.Ker->Visible = false;
        c.Label39->Visible = true;
    }
    // 7. The faces of the place move.
    if (const auto scene = scenes::shownScene(ctx)) {
        for (layout::GifAnimator* g : c.sceneFaces[static_cast<size_t>(*scene)]) ctx.screen->startAnimation(*g);
    }
}

}  // namespace kvarnel::screens

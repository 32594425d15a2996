// The start-up sequence (the window's OnCreate) and the shutdown sequence
// (its OnClose). Both run once per process; their order of steps is the
// original's and matters: later steps read what earlier ones set.
#include <algorithm>
#include <array>

#include "app/game.h"
#include "core/items.h"
#include "platform/log.h"
#include "screens/menu.h"

namespace kvarnel::app {

const std::array<AssetName, 20> kAssetNames = {{
    {"Cursors\\Data1.quillmoth", "Cursors\\Jidlo.cur"},
    {"Cursors\\Data2.quillmoth", "Cursors\\Kurzor.cur"},
    {"Cursors\\Data3.quillmoth", "Cursors\\Lano.cur"},
    {"Cursors\\Data4.quillmoth", "Cursors\\Lopata.cur"},
    {"Cursors\\Data5.quillmoth", "Cursors\\Nuz.cur"},
    {"Cursors\\Data6.quillmoth", "Cursors\\Olmeca.cur"},
    {"Cursors\\Data7.quillmoth", "Cursors\\Peniz.cur"},
    {"Cursors\\Data8.quillmoth", "Cursors\\Prechod.cur"},
    {"Cursors\\Data9.quillmoth", "Cursors\\Pusa.cur"},
    {"Cursors\\Data10.quillmoth", "Cursors\\Sperhak.cur"},
    {"Animations\\Data1.quillmoth", "Animations\\Quillmoth.swf"},
    {"Animations\\Data2.quillmoth", "Animations\\Intro.swf"},
    {"Animations\\Data3.quillmoth", "Animations\\Outro1.swf"},
    {"Animations\\Data4.quillmoth", "Animations\\Outro2.swf"},
    {"Animations\\Data5.quillmoth", "Animations\\Outro3.swf"},
    {"Animations\\Data6.quillmoth", "Animations\\Outro4.swf"},
    {"Animations\\Data7.quillmoth", "Animations\\Outro5.swf"},
    {"Animations\\Data8.quillmoth", "Animations\\Outro6.swf"},
    {"Animations\\Data9.quillmoth", "Animations\\Titulky1.swf"},
    {"Animations\\Data10.quillmoth", "Animations\\Titulky2.swf"},
}};

namespace {

using core::kDataFileName;
constexpr std::string_view kSettingsSection = core::kDataSection;

// The settings keys of "data.dat", in the order shutdown writes them.
constexpr std::string_view kKeyMusicOn = "Data76";
constexpr std::string_view kKeySoundOn = "Data77";
constexpr std::string_view kKeyMenuSlider = "Files13";
constexpr std::string_view kKeyBonusGameUnlocked = "Data93";

constexpr int32_t kDefaultMenuSlider = 470;

// Main-menu hit rectangles relative to the play area's corner; MenuRect8 is
// the speed knob and follows MenuSlider.
struct MenuRectSpec {
    int32_t left, top, right, bottom;
};
constexpr std::array<MenuRectSpec, 10> kMenuRects = {{
    {432, 250, 581, 299},
    {423, 310, 570, 359},
    {426, 370, 584, 419},
    {426, 430, 579, 479},
    {450, 490, 550, 540},
    {455, 550, 549, 599},
    {600, 570, 690, 619},
    {0, 273, 34, 311},  // left and right are added to MenuSlider
    {590, 310, 625, 336},
    {590, 338, 625, 364},
}};
constexpr size_t kSliderRect = 7;

// Limits of the story sequences' line timers that start-up sets.
constexpr std::array<std::pair<size_t, int32_t>, 5> kLineTimerLimits = {{
    {6, 5000},
    {7, 4000},
    {8, 5000},
    {9, 3000},
    {10, 3000},
}};

void shift(layout::Control* c, int dx, int dy) {
    c->Left += dx;
    c->Top += dy;
}

}  // namespace

void Game::FormCreate() {
    core::GameState& s = state;

    // 1. Display mode: only a screen smaller than the play area both ways.
    platform::Size screen = platform.screenSize();
    if (screen.width < 1024 && screen.height < 768) {
        s.DisplayModeChanged = 1;
        platform.changeDisplayMode(1024, 768, 32);
        screen = platform.screenSize();
    }

    // 2.-5.
    s.ShowMakerLogo = 1;
    platform.showCursor(false);
    c.SPanel->Top = screen.height + 10000;
    c.AnimaceQuillmoth->Width = screen.width;
    c.AnimaceQuillmoth->Height = screen.height - 2;

    // 6. Music players: names, then "wait", then opening, each over all six.
    for (size_t k = 0; k < c.Skladba.size(); ++k) {
        c.Skladba[k]->FileName = programFolder + "mmid" + std::to_string(k + 1) + ".mid";
        platform.mediaSetFileName(static_cast<int>(k), c.Skladba[k]->FileName);
    }
    for (size_t k = 0; k < c.Skladba.size(); ++k) {
        c.Skladba[k]->Wait = false;
        platform.mediaSetWait(static_cast<int>(k), false);
    }
    for (size_t k = 0; k < c.Skladba.size(); ++k) platform.mediaOpen(static_cast<int>(k));

    // 7. Give the asset files their working names; a failure is no error
    // (after a crash they already carry them).
    for (const auto& a : kAssetNames) {
        platform.renameFile(programFolder + std::string(a.onDisk), programFolder + std::string(a.working));
    }

    // 8.-9. Centre the play area; integer division truncates toward zero.
    s.OffsetX = (screen.width - 1024) / 2;
    s.OffsetY = (screen.height - 768) / 2;
    for (auto* ctl : c.shiftedFirst) shift(ctl, s.OffsetX, s.OffsetY);
    for (auto* ctl : c.shiftedTopOnly) shift(ctl, 0, s.OffsetY);
    for (auto* ctl : c.shiftedSecond) shift(ctl, s.OffsetX, s.OffsetY);

    // 10.
    s.CursorFile = core::kPlainCursor;
    s.LoadedCursorFile = core::kPlainCursor;
    s.Language = 1;

    // 11.-12.
    s.InventoryTriggerArea = {s.OffsetX, s.OffsetY + 750, s.OffsetX + 1024, screen.height + s.OffsetY + 768};
    s.SceneArea = {s.OffsetX, s.OffsetY, s.OffsetX + 1024, s.OffsetY + 650};
    s.CaveHotRect = {s.OffsetX + 400, s.OffsetY + 480, s.OffsetX + 620, s.OffsetY + 512};
    s.BottleX = 625;
    s.BottleY = 180;
    s.BottleWidth = 58;
    s.BottleHeight = 85;
    s.PaddleA = 360;
    s.PaddleB = 120;

    // 13. Settings.
    SettingsFile_.emplace(platform, programFolder + std::string(kDataFileName));
    s.MusicOn = SettingsFile_->readBool(kSettingsSection, kKeyMusicOn, true);
    s.SoundOn = SettingsFile_->readBool(kSettingsSection, kKeySoundOn, true);
    s.MenuSlider = SettingsFile_->readInt(kSettingsSection, kKeyMenuSlider, kDefaultMenuSlider);
    // The knob lies on its track: a value off it (a hand-edited file) would
    // give the texts a speed of zero or less, and a line that never ends.
    if (s.MenuSlider < screens::kSliderMin || s.MenuSlider > screens::kSliderMax) {
        logWarning(programFolder + std::string(kDataFileName) + ": [" + std::string(kSettingsSection) + "] " +
                   std::string(kKeyMenuSlider) + "=" + std::to_string(s.MenuSlider) +
                   " lies off the speed knob's track " + std::to_string(screens::kSliderMin) + ".." +
                   std::to_string(screens::kSliderMax) + "; using the nearest end");
        s.MenuSlider = std::clamp(s.MenuSlider, screens::kSliderMin, screens::kSliderMax);
    }
    s.BonusGameUnlocked = SettingsFile_->readBool(kSettingsSection, kKeyBonusGameUnlocked, false);

    // 14. Main-menu rectangles.
    for (size_t i = 0; i < kMenuRects.size(); ++i) {
        const auto& m = kMenuRects[i];
        const int32_t base = i == kSliderRect ? s.MenuSlider : 0;
        s.MenuRect[i] = {s.OffsetX + base + m.left, s.OffsetY + m.top, s.OffsetX + base + m.right,
                         s.OffsetY + m.bottom};
    }

    // 15. Start values of the game variables.
    s.TableGameRunning = 0;
    s.TableTickDue = 0;
    s.TableTickElapsed = 0;
    s.InventoryAllowed = 1;
    s.InventoryPoll = 1;
    s.EndTalkAfterLine = 0;
    s.FailedUseArmed = 1;
    s.PlayerFree = 1;
    s.DescriptionsResume = 1;
    s.HandsEmpty = 1;
    s.InventoryOpen = 0;
    s.BirdPhase = 0;
    s.CursorFile = core::kPlainCursor;
    s.InventoryClosed = 1;
    s.DescriptionTime = 0;
    s.DescriptionTimerOn = 1;
    s.NarratorTalks = 1;
    s.SpeechTimerOn = 1;
    s.ArrangeInventory = 1;
    s.KrovakIdleTime = 0;
    s.KrovakIdleElapsed = 0;
    s.KrovakIdleOn = 1;
    s.BirdActive = 0;
    s.BirdStepTime = 1000;
    s.BirdPauseOn = 0;
    s.BirdPause = 0;
    for (auto& t : s.LineTimer) t = {};
    for (const auto& [index, limit] : kLineTimerLimits) s.LineTimer[index].Limit = limit;
    if (s.SpeechSpeed == 0) s.SpeechSpeed = 55;
    s.ItemCount = 0;
    s.MoneySlotFree = 1;

    // 16. The pointer; a missing cursor file leaves the default one.
    platform.loadCursor(programFolder + s.CursorFile);

    // 17. Sound effects go to the live device, or to the silent one.
    c.Zvuky->DXSound_ = s.SoundOn ? c.DXSound1 : c.DXSound2;

    // 18.
    if (s.MusicOn) s.TrackEnabled.fill(1);
}

void Game::FormClose() {
    core::GameState& s = state;

    // 1. Disguise the asset files again.
    for (const auto& a : kAssetNames) {
        platform.renameFile(programFolder + std::string(a.working), programFolder + std::string(a.onDisk));
    }

    // 2. Settings, in this order, each written through at once.
    SettingsFile_.emplace(platform, programFolder + std::string(kDataFileName));
    SettingsFile_->writeBool(kSettingsSection, kKeyMusicOn, s.MusicOn);
    SettingsFile_->writeBool(kSettingsSection, kKeySoundOn, s.SoundOn);
    SettingsFile_->writeInt(kSettingsSection, kKeyMenuSlider, s.MenuSlider);
    SettingsFile_->writeBool(kSettingsSection, kKeyBonusGameUnlocked, s.BonusGameUnlocked);
    SettingsFile_.reset();

    // 3.-4. No tick may run any more; then clear the running states.
    c.Casodavac->Enabled = false;
    for (auto& t : s.LineTimer) t.Active = 0;
    s.InventoryClosing = 0;
    s.SpeechSpeed = 50;
    s.InventoryPoll = 0;
    s.KrovakIdleOn = 0;
    s.NarratorTalks = 0;
    s.SpeechTimerOn = 0;
    s.TalkTimerOn = 0;
    s.DescriptionTimerOn = 0;
    s.BirdPauseOn = 0;
    s.TableGameRunning = 0;
    s.InventoryAllowed = 0;
    s.BirdActive = 0;

    // 5. Stop the sprites, but for the three the original leaves alone.
    for (auto* gif : c.gifs) {
        const bool kept = std::find(scenes::kGifsKeptAtShutdown.begin(), scenes::kGifsKeptAtShutdown.end(),
                                    gif->Name) != scenes::kGifsKeptAtShutdown.end();
        if (!kept) gif->Animate = false;
    }

    // 6.
    if (s.DisplayModeChanged) platform.restoreDisplayMode();
}

}  // namespace kvarnel::app

// The main window of the game: the component tree, the game variables, the
// random generator and the handlers, all owned here for the whole run.
//
// Life of a Game: construct it on a platform and a game folder, load() the
// layout stream (components created, handlers bound, controls resolved),
// create() runs the window's OnCreate (the start-up sequence), the timers
// then drive everything, and close() runs OnClose (the shutdown sequence).
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/controls.h"
#include "app/game_state.h"
#include "app/items.h"
#include "app/random.h"
#include "app/settings_file.h"
#include "layout/compositor.h"
#include "layout/layout.h"
#include "layout/movie_controls.h"
#include "layout/screen.h"
#include "platform/platform.h"
#include "scenes/description_table.h"

namespace kvarnel::app {

// The ranger's warning when the detective would walk on east without his
// leave.
inline constexpr scenes::Text kRangerWarning{
    "Hele, tohle území je moje a nikdo ho nebude překračovat bez mého svolení!",
    "Hey, this place is mine and nobody can pass it without my permission!"};

// File name of the layout stream in the game folder.
inline constexpr std::string_view kLayoutFileName = "form1.layout";

class Game {
public:
    // `programFolder` ends with '/': every file name of the game is relative
    // to it, as the original's names were relative to its own folder.
    Game(platform::Platform& platform, std::string programFolder);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Reads and builds the layout stream, binds the handlers, resolves the
    // controls and sets up the screen. Throws layout::LayoutError.
    void load(std::span<const uint8_t> layoutBytes, std::string_view source);
    // Reads programFolder + kLayoutFileName and loads it.
    void loadFromGameFolder();

    // Runs the window's OnCreate (the start-up sequence); the screen then
    // takes the platform's screen size.
    void create();
    // Runs the window's OnClose (the shutdown sequence).
    void close();

    // --- Start-up and shutdown: the handlers bound to the window ------------
    void FormCreate();
    void FormClose();

    // --- Timers: the handlers the layout binds to them --------------------------
    // The game timer's tick (every 50 ms of game time).
    void CasodavacTimer();
    // The frame timer's tick.
    void StartTimer();
    // Loads the pointer named by CursorFile when it differs from the one
    // last loaded. The name counts as loaded even when the file failed, so a
    // broken file is not retried until CursorFile changes.
    void refreshPointer();

    // --- Sound -----------------------------------------------------------------
    // Plays item n of the wave list through the sound object it is routed
    // to; the silent one plays nothing.
    void playWave(int n);

    // --- Music (game_music.cpp) ------------------------------------------------
    // Track k is Skladba<k>, 1 .. 6. Start: when TrackEnabled<k>, rewind and
    // play with end notification. Play only: the same without the rewind.
    // Stop: SkipTrackRestart := 1, then stop the player.
    void startTrack(int k);
    void playTrack(int k);
    void stopTrack(int k);
    // The end notification of track k (Skladba<k>Notify): loops the track
    // unless a stop asked for silence.
    void trackNotify(int k);

    // --- Texts and faces (game_speech.cpp) -------------------------------------
    // Sets a label's caption (the label sizes itself as the window did).
    void setCaption(layout::Label& label, std::string_view text);
    static bool hasText(const layout::Label& label) { return !label.Caption.empty(); }
    // Characters of a shown text, as the game counts them (one per byte of
    // its single-byte code page).
    static int32_t textLength(std::string_view utf8);
    // The text of `t` in the current language: Czech when Language is 1,
    // English when 2, nothing otherwise; a text with only a Czech version
    // shows it in both.
    std::optional<std::string_view> inLanguage(const scenes::Text& t) const;
    // Puts a line in Popis in the current language (a description, a
    // refusal, a remark); the tick times it and animates the face.
    void describe(const scenes::Text& t);
    // Tick steps: the start of a description line, the arbitration of the
    // two text lines, and the plain end of a description line.
    void descriptionStart();
    void labelArbitration();
    void plainDescriptionEnd();

    // --- Scenes and exits (game_exits.cpp) -------------------------------------
    // The location shown, the first in Scene order when (by a damaged saved
    // game) several are.
    std::optional<scenes::Scene> shownScene() const;
    bool sceneShown(scenes::Scene s) const;
    // Shows a location as the first scene after the intro is shown: every
    // other panel hidden, its faces started, its region's music playing.
    void startAtScene(scenes::Scene s);

    // --- Descriptions and failed use (game_describe.cpp) -----------------------
    void InventoryModeGuard();
    void FailedUseHook();
    // One description row as its procedure runs it.
    void runDescription(const scenes::DescriptionRow& row);

    // --- Inventory (game_inventory.cpp) ----------------------------------------
    void takeItem(Item item);
    void putItemBack(Item item);
    void addItem(Item item);
    void removeItem(Item item);
    // The right button's cut of every running text timer.
    void cutTextsShort();

    // --- State by name: game variables, then story flags --------------------
    // A story flag reads as 1 when its picture is visible.
    std::optional<int64_t> variable(std::string_view name) const;
    bool setVariable(std::string_view name, int64_t value);
    bool storyFlag(std::string_view name) const;
    void setStoryFlag(std::string_view name, bool shown);

    platform::Platform& platform;
    const std::string programFolder;
    GameState state;
    RandomGenerator random;
    layout::HandlerRegistry handlers;
    layout::Layout layout;
    Controls c;
    // The open "data.dat" while it is read or written; empty otherwise.
    std::optional<SettingsFile> SettingsFile_;

    // The live screen: geometry, routing and animation of the controls, the
    // movies and the picture of it all.
    std::unique_ptr<layout::Screen> screen;
    std::unique_ptr<layout::Compositor> compositor;
    layout::MovieControls movies;
    // The game variables as start-up left them, for state dumps.
    GameState startState;

private:
    void registerHandlers();
    void registerSceneHandlers();
    void registerInventoryHandlers();
    // Tick steps that live beside the code they belong to.
    void moneyAndHandsRules();
    void inventoryClosingStep();
    void inventoryPlacement();
    void inventoryPoll();
    void inventoryPollRearm();
    // Hides what the open bar shows: the attribute labels, the items and the
    // count labels (not the lifted twins).
    void hideBarContents();
    bool interludeBlocksBar() const;
    void advanceSequenceTimers();
    void conversationPass();
    void endConversationAtOnce();
    // The common scene change and the music crossing of an exit.
    void switchScene(scenes::Scene from, scenes::Scene to);
    void crossMusicRegion(int oldTrack, int newTrack);
    // What entering the court, the prison's front and the bush's forest sets
    // up, whether by an exit or as the first scene.
    void enterCourt();
    void enterPrison();
    void showBushOrWayOn();
    // An exit click: the guard, then `walk` unless refused.
    bool exitAllowed() const { return state.DescriptionsOn == 1; }
    layout::ImageControl* storyFlagPicture(std::string_view name) const;
};

// The asset files that lie on disk under neutral names between runs:
// {name on disk, working name}, in the order both sequences rename them.
struct AssetName {
    std::string_view onDisk;
    std::string_view working;
};
extern const std::array<AssetName, 20> kAssetNames;

}  // namespace kvarnel::app

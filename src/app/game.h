// The host: the main window of the game. It owns the platform's use, the
// component tree with its resolved controls, the game variables, the random
// generator, the screen and the movies for the whole run; binds every
// handler of the layout by name to the rules of play (in scenes/, story/ and
// screens/, which reach the game through the Context handed to them); and
// runs the start-up and shutdown sequences. It holds no rule of play.
//
// Life of a Game: construct it on a platform and a game folder, load() the
// layout stream (components created, handlers bound, controls resolved),
// create() runs the window's OnCreate (the start-up sequence), the timers
// then drive everything, and close() runs OnClose (the shutdown sequence).
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/game_state.h"
#include "core/random.h"
#include "core/settings_file.h"
#include "layout/compositor.h"
#include "layout/layout.h"
#include "layout/movie_controls.h"
#include "layout/screen.h"
#include "platform/platform.h"
#include "scenes/context.h"
#include "scenes/controls.h"

namespace kvarnel::app {

// File name of the layout stream in the game folder.
inline constexpr std::string_view kLayoutFileName = "form1.layout";

// The layout of a game folder as loadFromGameFolder reads and builds it,
// from the host's own files. It touches no game, so it may run on a thread
// of its own while the window opens. Throws layout::LayoutError.
layout::Layout buildGameFolderLayout(const std::string& programFolder);

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
    // Reads programFolder + kLayoutFileName and loads it; the layout refers
    // into the file as mapped rather than copying its payloads.
    void loadFromGameFolder();
    // Loads a layout that buildGameFolderLayout(programFolder) built.
    void loadBuilt(layout::Layout&& built);

    // Runs the window's OnCreate (the start-up sequence); the screen then
    // takes the platform's screen size.
    void create();
    // Runs the window's OnClose (the shutdown sequence).
    void close();

    // The handlers bound to the window's OnCreate and OnClose (startup.cpp).
    void FormCreate();
    void FormClose();

    // The state register by name, for scripts, dumps and tests: game
    // variables first, then story flags (1 while the flag's picture shows).
    // setVariable refuses an unknown name, a string or rectangle, and a flag
    // given anything but 0 or 1.
    std::optional<int64_t> variable(std::string_view name) const;
    bool setVariable(std::string_view name, int64_t value);

    platform::Platform& platform;
    const std::string programFolder;
    core::GameState state;
    core::RandomGenerator random;
    layout::HandlerRegistry handlers;
    layout::Layout layout;
    scenes::Controls c;
    // The open "data.dat" while it is read or written; empty otherwise.
    std::optional<core::SettingsFile> SettingsFile_;

    // The live screen: geometry, routing and animation of the controls, the
    // movies and the picture of it all.
    std::unique_ptr<layout::Screen> screen;
    std::unique_ptr<layout::Compositor> compositor;
    layout::MovieControls movies;
    // The game variables as start-up left them, for state dumps.
    core::GameState startState;

    // What every rule of play is handed: refers to the members above.
    scenes::Context ctx;

private:
    // Takes a built layout as the game's: binds, resolves, sets up the screen.
    void install(layout::Layout&& loaded, std::string_view source);
    void registerHandlers();
};

// The asset files that lie on disk under neutral names between runs:
// {name on disk, working name}, in the order both sequences rename them.
struct AssetName {
    std::string_view onDisk;
    std::string_view working;
};
extern const std::array<AssetName, 20> kAssetNames;

}  // namespace kvarnel::app

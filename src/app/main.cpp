// Process entry: command line, then the game's life on the chosen platform.
//
//   kvarnel [--window | --headless] [--script FILE] [--record FILE] [--game-dir DIR]
//           [--screen WxH] [--start-scene NAME] [--first-frame]
//   kvarnel --headless --monkey EVENTS --seed N [--monkey-script FILE]
//   kvarnel --dump-layout FILE
//
// The game folder is the executable's folder unless --game-dir or the
// environment variable KVARNEL_GAME_DIR names another.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <future>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "app/game.h"
#include "app/game_loop.h"
#include "app/monkey.h"
#include "app/recording_platform.h"
#include "app/script.h"
#include "layout/errors.h"
#include "layout/layout.h"
#include "platform/headless/headless_platform.h"
#include "platform/host_files.h"
#include "platform/log.h"
#include "platform/sdl/sdl_platform.h"
#include "platform/sdl/ttf_text.h"
#include "story/movies.h"

namespace {

using namespace kvarnel;

struct Options {
    bool headless = false;
    bool windowed = false;
    std::string script;
    std::string record;
    std::string gameDir;
    platform::Size screen{1024, 768};
    bool screenGiven = false;
    std::string startScene;
    bool firstFrame = false;
    std::optional<uint64_t> monkeyEvents;
    std::optional<uint64_t> seed;
    std::string monkeyScript;
};

// A whole decimal number, nothing else.
std::optional<uint64_t> parseCount(const char* text) {
    if (!text || !*text) return std::nullopt;
    uint64_t value = 0;
    for (const char* p = text; *p; ++p) {
        if (*p < '0' || *p > '9' || value > (UINT64_MAX - 9) / 10) return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(*p - '0');
    }
    return value;
}

int usage(const char* message) {
    if (message) std::cerr << "kvarnel: " << message << "\n";
    std::cerr << "usage: kvarnel [--window | --headless] [--script FILE] [--record FILE] [--game-dir DIR]\n"
                 "               [--screen WxH] [--start-scene NAME] [--first-frame]\n"
                 "       kvarnel --headless --monkey EVENTS --seed N [--monkey-script FILE]\n"
                 "       kvarnel --dump-layout FILE\n"
                 "  --window      a 1024x768 window instead of the whole desktop (Alt+Enter switches)\n"
                 "  --headless    no display and no sound; time runs as fast as the machine allows\n"
                 "  --script FILE play the commands of FILE, then quit (exit 0 passed, 1 failed, 2 malformed)\n"
                 "  --record FILE write the session as a script that replays it (kvarnel --headless --script FILE),\n"
                 "                and the state it ended in to FILE.dump\n"
                 "  --screen WxH  the headless screen's size (default 1024x768, or a script's screen line)\n"
                 "  --start-scene NAME  begin play in a location (Natrzisti, Les1, ...) as after the intro\n"
                 "  --first-frame present the first frame, print \"first frame at NS\" (the wall clock in\n"
                 "                nanoseconds since 1970) and quit: for timing start-up from outside\n"
                 "  --monkey EVENTS  play EVENTS random moves from start-up, checking the game's invariants after\n"
                 "                every tick (exit 0 none broke; 1 one broke, and what, where and the state)\n"
                 "  --seed N      the monkey's seed: the same seed plays the same moves\n"
                 "  --monkey-script FILE  where the monkey writes its moves as a script that replays them\n"
                 "                (kept; without it a failing run's moves go to the temporary folder)\n";
    return 2;
}

int dumpLayout(const std::string& path) {
    const auto bytes = platform::host::readWholeFile(path);
    if (!bytes) {
        std::cerr << "kvarnel: cannot read " << path << "\n";
        return 1;
    }
    try {
        const layout::ObjectRecord root = layout::readStream(*bytes, path);
        const layout::Layout built = layout::buildLayout(root, path);
        layout::dumpLayout(root, built, std::cout);
    } catch (const layout::LayoutError& e) {
        std::cerr << "kvarnel: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

std::string withSlash(std::string dir) {
    if (dir.empty()) return "./";
    if (dir.back() != '/') dir.push_back('/');
    return dir;
}

int run(const Options& opt) {
    const std::string gameDir = withSlash(opt.gameDir.empty() ? platform::host::executableFolder() : opt.gameDir);
    // The font aliases sit beside the executable; a game folder elsewhere
    // may bring its own.
    std::string fontsConf = gameDir + "fonts.conf";
    if (!platform::host::exists(fontsConf)) fontsConf = platform::host::executableFolder() + "fonts.conf";

    std::optional<app::Script> script;
    if (!opt.script.empty()) {
        std::string error;
        script = app::loadScript(opt.script, error);
        if (!script) {
            std::cerr << "kvarnel: " << error << "\n";
            return app::kScriptMalformed;
        }
    }

    // The layout is read and built while the window opens.
    std::future<layout::Layout> built =
        std::async(std::launch::async, [gameDir] { return app::buildGameFolderLayout(gameDir); });

    // A recorded session names its screen; the command line still wins.
    const platform::Size screen = script && script->screen && !opt.screenGiven ? *script->screen : opt.screen;
    std::unique_ptr<platform::Platform> host;
    if (opt.headless) {
        host = std::make_unique<platform::HeadlessPlatform>(screen, platform::makeTtfTextRasterizer(fontsConf));
    } else {
        std::string error;
        host = platform::makeSdlPlatform({opt.windowed, fontsConf}, error);
        if (!host) {
            std::cerr << "kvarnel: " << error << " (try --headless)\n";
            return 1;
        }
    }

    // A recorded session brings the "data.dat" it started with.
    if (script) {
        std::string error;
        if (!app::prepareDataFile(*script, gameDir, error)) {
            std::cerr << "kvarnel: " << error << "\n";
            return 1;
        }
    }
    // Recording stands between the game and the real platform.
    std::unique_ptr<app::RecordingPlatform> recorder;
    if (!opt.record.empty()) {
        recorder = std::make_unique<app::RecordingPlatform>(
            *host, opt.record, app::RecordingOptions{.scripted = script.has_value(), .gameFolder = gameDir});
    }
    app::Game game(recorder ? static_cast<platform::Platform&>(*recorder) : *host, gameDir);
    try {
        game.loadBuilt(built.get());
    } catch (const layout::LayoutError& e) {
        std::cerr << "kvarnel: " << e.what() << "\n";
        return 1;
    }
    game.create();
    if (!opt.startScene.empty()) {
        const auto scene = scenes::sceneByName(opt.startScene);
        if (!scene) {
            std::cerr << "kvarnel: no location is called " << opt.startScene << "\n";
            game.close();
            return 2;
        }
    }
    app::GameLoop loop(game);
    if (recorder) {
        recorder->setDumper([&game, &loop](std::ostream& out) {
            std::ostringstream ignored;
            app::ScriptRunner(game, loop, ignored).dump(out);
        });
    }
    if (!opt.startScene.empty()) {
        // With its pass, as the script's own start-scene runs it.
        if (recorder) recorder->beginCommand("start-scene " + opt.startScene);
        story::startAtScene(game.ctx, *scenes::sceneByName(opt.startScene));
        if (recorder) {
            loop.pass();
            recorder->endCommand();
        }
    }
    int code = 0;
    if (opt.firstFrame) {
        loop.pass();
        timespec t{};
        clock_gettime(CLOCK_REALTIME, &t);
        std::cout << "first frame at " << (static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec) << std::endl;
        if (!loop.quit()) game.close();
    } else if (script) {
        app::ScriptRunner runner(game, loop, std::cout);
        code = runner.run(*script);
        if (recorder) recorder->finish();
        if (!loop.quit()) game.close();
    } else if (auto* headless = dynamic_cast<platform::HeadlessPlatform*>(host.get())) {
        // Nobody can close a headless game: report what start-up asked of
        // the system, then shut down.
        const platform::Size screen = headless->screenSize();
        std::cout << "Layout: " << game.layout.components().size() << " components, " << game.layout.bindingCount()
                  << " event bindings\n";
        std::cout << "Start-up on a " << screen.width << "x" << screen.height << " screen:\n";
        for (const auto& line : headless->calls) std::cout << "  " << line << "\n";
        const core::GameState& s = game.state;
        std::cout << "Play area at " << s.OffsetX << "," << s.OffsetY << "; music " << (s.MusicOn ? "on" : "off")
                  << ", sound " << (s.SoundOn ? "on" : "off") << ", speech speed " << s.SpeechSpeed
                  << " ms a character, menu slider " << s.MenuSlider << "\n";
        headless->calls.clear();
        game.close();
        std::cout << "Shutdown:\n";
        for (const auto& line : headless->calls) std::cout << "  " << line << "\n";
    } else {
        loop.runUntilQuit();
    }
    if (recorder) recorder->finish();
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    Options opt;
    if (const char* env = std::getenv("KVARNEL_GAME_DIR")) opt.gameDir = env;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto next = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (arg == "--dump-layout") {
            const char* file = next();
            if (!file) return usage("--dump-layout needs a file");
            return dumpLayout(file);
        } else if (arg == "--headless") {
            opt.headless = true;
        } else if (arg == "--window") {
            opt.windowed = true;
        } else if (arg == "--script") {
            const char* file = next();
            if (!file) return usage("--script needs a file");
            opt.script = file;
        } else if (arg == "--record") {
            const char* file = next();
            if (!file) return usage("--record needs a file");
            opt.record = file;
        } else if (arg == "--game-dir") {
            const char* dir = next();
            if (!dir) return usage("--game-dir needs a folder");
            opt.gameDir = dir;
        } else if (arg == "--screen") {
            const char* size = next();
            if (!size || std::sscanf(size, "%dx%d", &opt.screen.width, &opt.screen.height) != 2 ||
                opt.screen.width <= 0 || opt.screen.height <= 0) {
                return usage("--screen needs WIDTHxHEIGHT");
            }
            opt.screenGiven = true;
        } else if (arg == "--start-scene") {
            const char* name = next();
            if (!name) return usage("--start-scene needs a location's name");
            opt.startScene = name;
        } else if (arg == "--first-frame") {
            opt.firstFrame = true;
        } else if (arg == "--monkey") {
            opt.monkeyEvents = parseCount(next());
            if (!opt.monkeyEvents) return usage("--monkey needs a number of events");
        } else if (arg == "--seed") {
            opt.seed = parseCount(next());
            if (!opt.seed) return usage("--seed needs a whole number");
        } else if (arg == "--monkey-script") {
            const char* file = next();
            if (!file) return usage("--monkey-script needs a file");
            opt.monkeyScript = file;
        } else if (arg == "--help" || arg == "-h") {
            usage(nullptr);
            return 0;
        } else {
            return usage(("unknown option " + arg).c_str());
        }
    }
    if (opt.headless && opt.windowed) return usage("--window and --headless exclude each other");
    if (opt.headless && !opt.record.empty() && opt.script.empty()) {
        return usage("--record on the headless platform needs --script (nobody plays it otherwise)");
    }
    if (opt.monkeyEvents || opt.seed || !opt.monkeyScript.empty()) {
        if (!opt.monkeyEvents || !opt.seed) return usage("the monkey needs --monkey EVENTS and --seed N");
        if (!opt.headless) return usage("the monkey plays on the headless platform (--headless)");
        if (!opt.script.empty() || !opt.record.empty() || !opt.startScene.empty() || opt.screenGiven) {
            return usage("--monkey takes no --script, --record, --start-scene or --screen");
        }
        const std::string gameDir = withSlash(opt.gameDir.empty() ? platform::host::executableFolder() : opt.gameDir);
        std::string fontsConf = gameDir + "fonts.conf";
        if (!platform::host::exists(fontsConf)) fontsConf = platform::host::executableFolder() + "fonts.conf";
        return app::runMonkey(gameDir, fontsConf, *opt.monkeyEvents, *opt.seed, opt.monkeyScript, std::cout);
    }
    return run(opt);
}

// Process entry: command line, then the game's life on the chosen platform.
//
//   kvarnel [--headless] [--game-dir DIR] [--screen WxH]
//   kvarnel --dump-layout FILE
//
// The game folder is the executable's folder unless --game-dir or the
// environment variable KVARNEL_GAME_DIR names another.
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "app/game.h"
#include "layout/errors.h"
#include "layout/layout.h"
#include "platform/headless/headless_platform.h"
#include "platform/host_files.h"
#include "platform/log.h"

namespace {

using namespace kvarnel;

int usage(const char* message) {
    if (message) std::cerr << "kvarnel: " << message << "\n";
    std::cerr << "usage: kvarnel [--headless] [--game-dir DIR] [--screen WxH]\n"
                 "       kvarnel --dump-layout FILE\n";
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

// Until the desktop platform exists every run is headless: it runs the
// start-up sequence, reports what it asked of the system, and shuts down.
int runHeadless(const std::string& gameDir, platform::Size screen) {
    platform::HeadlessPlatform host(screen);
    app::Game game(host, gameDir);
    try {
        game.loadFromGameFolder();
    } catch (const layout::LayoutError& e) {
        std::cerr << "kvarnel: " << e.what() << "\n";
        return 1;
    }
    std::cout << "Layout: " << game.layout.components().size() << " components, " << game.layout.bindingCount()
              << " event bindings\n";
    game.create();
    const app::GameState& s = game.state;
    std::cout << "Start-up on a " << screen.width << "x" << screen.height << " screen:\n";
    for (const auto& line : host.calls) std::cout << "  " << line << "\n";
    std::cout << "Play area at " << s.OffsetX << "," << s.OffsetY << "; music " << (s.MusicOn ? "on" : "off")
              << ", sound " << (s.SoundOn ? "on" : "off") << ", speech speed " << s.SpeechSpeed
              << " ms a character, menu slider " << s.MenuSlider << "\n";
    host.calls.clear();
    game.close();
    std::cout << "Shutdown:\n";
    for (const auto& line : host.calls) std::cout << "  " << line << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string gameDir;
    if (const char* env = std::getenv("KVARNEL_GAME_DIR")) gameDir = env;
    platform::Size screen{1024, 768};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto next = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (arg == "--dump-layout") {
            const char* file = next();
            if (!file) return usage("--dump-layout needs a file");
            return dumpLayout(file);
        } else if (arg == "--headless") {
            // The only platform for now; accepted so scripts keep working.
        } else if (arg == "--game-dir") {
            const char* dir = next();
            if (!dir) return usage("--game-dir needs a folder");
            gameDir = dir;
        } else if (arg == "--screen") {
            const char* size = next();
            if (!size || std::sscanf(size, "%dx%d", &screen.width, &screen.height) != 2 || screen.width <= 0 ||
                screen.height <= 0) {
                return usage("--screen needs WIDTHxHEIGHT");
            }
        } else if (arg == "--help" || arg == "-h") {
            usage(nullptr);
            return 0;
        } else {
            return usage(("unknown option " + arg).c_str());
        }
    }
    if (gameDir.empty()) gameDir = platform::host::executableFolder();
    return runHeadless(withSlash(gameDir), screen);
}

// A game on the headless platform with the stand-in layout, in a game folder
// of its own with the asset files in place.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "app/game.h"
#include "app/game_loop.h"
#include "platform/headless/headless_platform.h"
#include "platform/midi_file.h"
#include "standin/standin_layout.h"

namespace kvarnel::testing {

// A whole file as it is on disk; empty when it cannot be read.
inline std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The stand-in layout as the build wrote it beside the game; drawn here
// only when that file is missing (drawing it takes a while, most of all
// under the sanitizers, and every test runs in a process of its own).
inline const std::vector<uint8_t>& standinLayoutBytes() {
    static const std::vector<uint8_t> bytes = [] {
        std::ifstream in(std::string(KVARNEL_BINARY_DIR) + "/form1.layout", std::ios::binary);
        std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return file.empty() ? layout::writeStream(standin::makeLayout()) : file;
    }();
    return bytes;
}

class GameFixture {
public:
    explicit GameFixture(const std::string& name, platform::Size screen = {1024, 768},
                         std::unique_ptr<platform::TextRasterizer> text = nullptr)
        // One folder per process: several test runs may share the machine.
        : folder(std::filesystem::temp_directory_path() / ("kvarnel-" + name + "-" + std::to_string(getpid()))) {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "Cursors");
        for (const auto& a : app::kAssetNames) {
            std::string rel(a.onDisk);
            std::replace(rel.begin(), rel.end(), '\\', '/');
            std::filesystem::create_directories((folder / rel).parent_path());
            std::ofstream(folder / rel) << "asset";
        }
        const platform::MidiNote note{60, 0, 1000};
        const auto midi = platform::makeMidiFile(std::span(&note, 1));
        for (int i = 1; i <= 6; ++i) {
            std::ofstream(folder / ("mmid" + std::to_string(i) + ".mid"), std::ios::binary)
                .write(reinterpret_cast<const char*>(midi.data()), static_cast<std::streamsize>(midi.size()));
        }
        host = std::make_unique<platform::HeadlessPlatform>(screen, std::move(text));
        game = std::make_unique<app::Game>(*host, folder.string() + "/");
    }
    ~GameFixture() { std::filesystem::remove_all(folder); }

    // Loads the layout and runs start-up; `prepare` may add handlers first.
    void start() {
        game->load(standinLayoutBytes(), "stand-in");
        game->create();
        loop = std::make_unique<app::GameLoop>(*game);
    }

    std::filesystem::path folder;
    std::unique_ptr<platform::HeadlessPlatform> host;
    std::unique_ptr<app::Game> game;
    std::unique_ptr<app::GameLoop> loop;
};

}  // namespace kvarnel::testing

// Writes a PNG of every location of a game folder as a player first sees it
// (faces a little way into their animations), one of the market place with
// the inventory bar open and the seven items in their slots, and one of each
// interlude. It is how the stand-in art gets looked at without playing
// through the story to every place.
//
//   standin_preview GAME_FOLDER OUT_FOLDER
//
// The game folder is only read: the start-up sequence, which renames the
// asset files, is not run.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

#include "app/game.h"
#include "layout/png_codec.h"
#include "platform/headless/headless_platform.h"
#include "platform/sdl/ttf_text.h"
#include "scenes/description_table.h"

namespace {

using namespace kvarnel;

// Every control this tool touches is one the stand-in layout has; a folder
// without it is reported rather than crashed on.
layout::Control* control(app::Game& game, std::string_view name) {
    auto* c = game.layout.findAs<layout::Control>(name);
    if (c == nullptr) throw std::runtime_error("the layout has no control " + std::string(name));
    return c;
}

void hideAllPanels(app::Game& game) {
    for (layout::Control* c : game.layout.form().children) {
        if (c->componentClass() == layout::ComponentClass::Panel && c->Name != "SPanel") c->Visible = false;
    }
}

// Starts the animations inside `panel` that are shown, as entering a scene
// does, and lets them run for `ms`.
void animate(app::Game& game, layout::Control& panel, uint64_t ms) {
    for (layout::Control* c : panel.children) {
        if (auto* gif = dynamic_cast<layout::GifAnimator*>(c); gif && gif->Visible) game.screen->startAnimation(*gif);
    }
    for (uint64_t t = 0; t <= ms; t += 50) game.screen->advanceAnimations(t);
}

bool shoot(app::Game& game, const std::filesystem::path& file) {
    layout::Image fb;
    game.compositor->compose(fb);
    const std::vector<uint8_t> png = layout::encodePng(fb);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    if (!out) {
        std::cerr << "standin_preview: cannot write " << file << "\n";
        return false;
    }
    std::cout << file.string() << "\n";
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: standin_preview GAME_FOLDER OUT_FOLDER\n";
        return 2;
    }
    const std::filesystem::path gameFolder = std::filesystem::absolute(argv[1]);
    const std::filesystem::path out = argv[2];
    std::filesystem::create_directories(out);
    try {
        auto text = platform::makeTtfTextRasterizer((gameFolder / "fonts.conf").string());
        platform::HeadlessPlatform host({1024, 768}, std::move(text));
        app::Game game(host, gameFolder.string() + "/");
        game.loadFromGameFolder();

        bool ok = true;
        for (size_t i = 0; i < static_cast<size_t>(scenes::Scene::Count); ++i) {
            const std::string name(scenes::kSceneNames[i]);
            hideAllPanels(game);
            auto* panel = game.layout.findAs<layout::Control>(name);
            if (panel == nullptr) {
                std::cerr << "standin_preview: the layout has no panel " << name << "\n";
                return 1;
            }
            panel->Visible = true;
            animate(game, *panel, 1200);
            ok &= shoot(game, out / (name + ".png"));
        }

        // The bar open over the market place, every item in a slot in the
        // order the game would add them.
        hideAllPanels(game);
        control(game, "Natrzisti")->Visible = true;
        auto* bar = dynamic_cast<layout::GifAnimator*>(control(game, "Inventar"));
        if (bar == nullptr) throw std::runtime_error("Inventar is not an animated picture");
        bar->Visible = true;
        game.screen->setFrameIndex(*bar, 8);
        // Lefts in slot s: the knife 288 + 103 s, the coins 287 + 106 s with
        // their count at 305 + 106 s, the bottle 305 + 106 s with its count
        // over it, the rest 288 + 106 s.
        int slot = 0;
        for (const char* item : {"Nuz", "Lano", "Jidlo", "Olmeca", "Lopata", "Sperhak", "Penize"}) {
            const std::string name(item);
            layout::Control* c = control(game, item);
            c->Left = name == "Nuz" ? 288 + 103 * slot
                                    : (name == "Penize"   ? 287
                                       : name == "Olmeca" ? 305
                                                          : 288) +
                                          106 * slot;
            c->Visible = true;
            if (name == "Penize") {
                auto* coins = dynamic_cast<layout::Label*>(control(game, "Penez"));
                if (coins == nullptr) throw std::runtime_error("Penez is not a label");
                game.screen->setCaption(*coins, "12");
                coins->Left = 305 + 106 * slot;
                coins->Visible = true;
            }
            ++slot;
        }
        for (const char* label : {"Vlastnosti", "Splh", "inteligence", "Pitiva"}) control(game, label)->Visible = true;
        control(game, "Pitiva")->Left = control(game, "Olmeca")->Left;
        ok &= shoot(game, out / "inventory.png");

        for (const char* name : {"Textanimace", "Textanimace2", "Textanimace3", "Textanimace4", "Textanimace5",
                                 "Textanimace6", "Textanimace7"}) {
            hideAllPanels(game);
            control(game, "Inventar")->Visible = false;
            control(game, name)->Visible = true;
            ok &= shoot(game, out / (std::string(name) + ".png"));
        }
        return ok ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "standin_preview: " << e.what() << "\n";
        return 1;
    }
}

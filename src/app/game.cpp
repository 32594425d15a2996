#include "app/game.h"

#include "layout/errors.h"
#include "platform/log.h"

namespace kvarnel::app {

Game::Game(platform::Platform& p, std::string folder) : platform(p), programFolder(std::move(folder)) {
    registerHandlers();
}

Game::~Game() = default;

void Game::load(std::span<const uint8_t> layoutBytes, std::string_view source) {
    layout = layout::loadLayout(layoutBytes, source);
    layout.bindHandlers(handlers);
    c = resolveControls(layout, source);
    std::vector<std::span<const uint8_t>> waves;
    for (const auto& item : c.Zvuky->Items) waves.emplace_back(item.Wave);
    platform.setWaves(waves);

    screen = std::make_unique<layout::Screen>(layout, platform.text());
    const platform::Size size = platform.screenSize();
    screen->setScreenSize(size.width, size.height);
    screen->applyAutoSizes();
    compositor = std::make_unique<layout::Compositor>(*screen);
    compositor->setMovieFrames([this](const layout::ShockwaveFlash& m) { return movies.frame(m); });
}

void Game::loadFromGameFolder() {
    const std::string path = programFolder + std::string(kLayoutFileName);
    const auto bytes = platform.readFile(path);
    if (!bytes) throw layout::LayoutError(path + ": cannot read the layout stream (missing or unreadable)");
    load(*bytes, path);
}

void Game::create() {
    layout.form().OnCreate.fire({&layout.form()});
    const platform::Size size = platform.screenSize();
    screen->setScreenSize(size.width, size.height);
    startState = state;
}

void Game::StartTimer() {
    // The bonus game keeps the pointer it has.
    if (!c.BonusHra->Visible) refreshPointer();
}

void Game::refreshPointer() {
    if (state.CursorFile == state.LoadedCursorFile) return;
    platform.loadCursor(programFolder + state.CursorFile);
    state.LoadedCursorFile = state.CursorFile;
}

void Game::playWave(int n) {
    const bool live = c.Zvuky->DXSound_ && c.Zvuky->DXSound_ == c.DXSound1;
    platform.playWave(n, live);
}

void Game::close() {
    layout.form().OnClose.fire({&layout.form()});
}

layout::ImageControl* Game::storyFlagPicture(std::string_view name) const {
    for (size_t i = 0; i < kStoryFlagNames.size(); ++i) {
        if (kStoryFlagNames[i] == name) return c.storyFlags[i];
    }
    return nullptr;
}

bool Game::storyFlag(std::string_view name) const {
    const auto* p = storyFlagPicture(name);
    return p && p->Visible;
}

void Game::setStoryFlag(std::string_view name, bool shown) {
    if (auto* p = storyFlagPicture(name)) p->Visible = shown;
}

std::optional<int64_t> Game::variable(std::string_view name) const {
    if (auto v = getNumber(state, name)) return v;
    if (const auto* p = storyFlagPicture(name)) return p->Visible ? 1 : 0;
    return std::nullopt;
}

bool Game::setVariable(std::string_view name, int64_t value) {
    if (findVariable(name)) return setNumber(state, name, value);
    if (auto* p = storyFlagPicture(name)) {
        if (value != 0 && value != 1) return false;
        p->Visible = value == 1;
        return true;
    }
    return false;
}

}  // namespace kvarnel::app

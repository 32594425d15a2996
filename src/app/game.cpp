#include "app/game.h"

#include "layout/errors.h"
#include "platform/host_files.h"
#include "scenes/descriptions.h"
#include "scenes/exits.h"
#include "scenes/inventory.h"
#include "screens/cave.h"
#include "screens/frame_timer.h"
#include "screens/language.h"
#include "screens/menu.h"
#include "screens/music.h"
#include "screens/table_game.h"
#include "story/conversation.h"
#include "story/tick.h"

namespace kvarnel::app {

namespace {

std::string layoutPath(const std::string& programFolder) {
    return programFolder + std::string(kLayoutFileName);
}

layout::Layout buildFrom(const std::optional<layout::Bytes>& bytes, const std::string& path) {
    if (!bytes) throw layout::LayoutError(path + ": cannot read the layout stream (missing or unreadable)");
    return layout::loadLayoutSharing(*bytes, path, layout::PayloadDecoding::WhenFirstUsed);
}

}  // namespace

Game::Game(platform::Platform& p, std::string folder)
    : platform(p),
      programFolder(std::move(folder)),
      ctx{.platform = platform,
          .programFolder = programFolder,
          .state = state,
          .random = random,
          .layout = layout,
          .c = c,
          .screen = nullptr,
          .movies = movies} {
    registerHandlers();
}

Game::~Game() = default;

void Game::registerHandlers() {
    handlers.add("FormCreate", [this](const layout::EventArgs&) { FormCreate(); });
    handlers.add("FormClose", [this](const layout::EventArgs&) { FormClose(); });
    handlers.add("CasodavacTimer", [this](const layout::EventArgs&) { story::CasodavacTimer(ctx); });
    handlers.add("StartTimer", [this](const layout::EventArgs&) { screens::StartTimer(ctx); });
    // Every room binds its own handlers by name. A name bound twice keeps
    // the later binding; none is.
    using Binder = void (*)(scenes::Context&, layout::HandlerRegistry&);
    for (Binder bind : {screens::bindMusicHandlers, scenes::bindDescriptionHandlers, scenes::bindInventoryHandlers,
                        scenes::bindExitHandlers, story::bindConversationHandlers, screens::bindLanguageHandlers,
                        screens::bindMenuHandlers, screens::bindTableGameHandlers, screens::bindCaveHandlers}) {
        bind(ctx, handlers);
    }
}

void Game::load(std::span<const uint8_t> layoutBytes, std::string_view source) {
    install(layout::loadLayout(layoutBytes, source, layout::PayloadDecoding::WhenFirstUsed), source);
}

void Game::install(layout::Layout&& loaded, std::string_view source) {
    layout = std::move(loaded);
    layout.bindHandlers(handlers);
    c = scenes::resolveControls(layout, source);
    story::checkConversationNames(layout, source);
    std::vector<std::span<const uint8_t>> waves;
    for (const auto& item : c.Zvuky->Items) waves.emplace_back(item.Wave);
    platform.setWaves(waves);

    screen = std::make_unique<layout::Screen>(layout, platform.text());
    ctx.screen = screen.get();
    const platform::Size size = platform.screenSize();
    screen->setScreenSize(size.width, size.height);
    screen->applyAutoSizes();
    compositor = std::make_unique<layout::Compositor>(*screen);
    compositor->setMovieFrames([this](const layout::ShockwaveFlash& m) { return movies.frame(m); });
}

void Game::loadFromGameFolder() {
    const std::string path = layoutPath(programFolder);
    install(buildFrom(platform.mapFile(path), path), path);
}

void Game::loadBuilt(layout::Layout&& built) {
    install(std::move(built), layoutPath(programFolder));
}

layout::Layout buildGameFolderLayout(const std::string& programFolder) {
    const std::string path = layoutPath(programFolder);
    return buildFrom(platform::host::mapWholeFile(platform::nativePath(path)), path);
}

void Game::create() {
    layout.form().OnCreate.fire({&layout.form()});
    const platform::Size size = platform.screenSize();
    screen->setScreenSize(size.width, size.height);
    startState = state;
}

void Game::close() {
    layout.form().OnClose.fire({&layout.form()});
}

std::optional<int64_t> Game::variable(std::string_view name) const {
    if (auto v = core::getNumber(state, name)) return v;
    if (const auto* p = scenes::storyFlagPicture(ctx, name)) return p->Visible ? 1 : 0;
    return std::nullopt;
}

bool Game::setVariable(std::string_view name, int64_t value) {
    if (core::findVariable(name)) return core::setNumber(state, name, value);
    if (auto* p = scenes::storyFlagPicture(ctx, name)) {
        if (value != 0 && value != 1) return false;
        p->Visible = value == 1;
        return true;
    }
    return false;
}

}  // namespace kvarnel::app

// The saved game: the input becomes "data.dat" of a running headless game,
// Load reads it, and the game runs on for a few ticks of its timers. Any
// file must give a game that goes on: no crash, no overread, no hang.
//
// Building a game takes far longer than a load, so one game serves every
// input. Before each input it is put back to the same point (the market
// place, a game in progress): the game variables, every control's
// visibility, every label's caption and the two timers, as they were the
// first time. What Load reads is exactly that, so each input starts alike.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/game.h"
#include "app/game_loop.h"
#include "app/invariants.h"
#include "core/items.h"
#include "layout/components.h"
#include "platform/headless/headless_platform.h"
#include "platform/midi_file.h"
#include "screens/saved_game.h"
#include "story/movies.h"

namespace {

using namespace kvarnel;
namespace fs = std::filesystem;

// Game ticks run after each load: enough for the tick, the frame timer
// (the cave) and the music to act on what was loaded.
constexpr int kTicksAfterLoad = 3;

// Traps unless the loaded game is one that can be played: every invariant
// the game keeps in play (app/invariants.h, which the monkey checks too),
// and what a load promises beyond them: the story's location shows, or the
// cave in its place, with the cave's sprites on its cells even before its
// first maze begins.
void checkPlayable(const app::Game& game) {
    if (app::checkState(game)) __builtin_trap();
    const core::GameState& s = game.state;
    int shown = 0;
    for (const layout::Panel* p : game.c.scenes) shown += p->Visible ? 1 : 0;
    const bool cave = game.c.Vjeskyni->Visible;
    if (shown != (cave ? 0 : 1)) __builtin_trap();
    if (s.InCave == 1 || cave) {
        for (int32_t cell : {s.DetectiveColumn, s.DetectiveRow, s.MonsterColumn, s.MonsterRow}) {
            if (cell < 1 || cell > 6) __builtin_trap();
        }
    }
}

class SavedGameHarness {
public:
    SavedGameHarness() : folder_(fs::temp_directory_path() / ("kvarnel-fuzz-saved-game-" + std::to_string(getpid()))) {
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "Cursors");
        for (const auto& a : app::kAssetNames) {
            std::string rel(a.onDisk);
            std::replace(rel.begin(), rel.end(), '\\', '/');
            fs::create_directories((folder_ / rel).parent_path());
            std::ofstream(folder_ / rel) << "asset";
        }
        const platform::MidiNote note{60, 0, 1000};
        const auto midi = platform::makeMidiFile(std::span(&note, 1));
        for (int i = 1; i <= 6; ++i) {
            std::ofstream(folder_ / ("mmid" + std::to_string(i) + ".mid"), std::ios::binary)
                .write(reinterpret_cast<const char*>(midi.data()), static_cast<std::streamsize>(midi.size()));
        }
        std::ifstream in(KVARNEL_FUZZ_LAYOUT, std::ios::binary);
        const std::vector<uint8_t> layoutBytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (layoutBytes.empty()) {
            // The layout's path is fixed when the target is built.
            std::fprintf(stderr, "saved_game_fuzz: cannot read the stand-in layout %s; build it again\n",
                         KVARNEL_FUZZ_LAYOUT);
            std::exit(1);
        }

        host_ = std::make_unique<platform::HeadlessPlatform>();
        game_ = std::make_unique<app::Game>(*host_, folder_.string() + "/");
        game_->load(layoutBytes, KVARNEL_FUZZ_LAYOUT);
        game_->create();
        loop_ = std::make_unique<app::GameLoop>(*game_);
        story::startAtScene(game_->ctx, scenes::Scene::Natrzisti);
        game_->state.GameInProgress = 1;
        loop_->runOneTick();

        state_ = game_->state;
        for (layout::Component* c : game_->layout.components()) {
            if (auto* control = layout::as<layout::Control>(c)) visible_.push_back({control, control->Visible});
            if (auto* label = layout::as<layout::Label>(c)) captions_.push_back({label, label->Caption});
        }
        casodavac_ = TimerState<layout::Timer>(game_->c.Casodavac);
        start_ = TimerState<layout::DXTimer>(game_->c.Start);
    }
    ~SavedGameHarness() { fs::remove_all(folder_); }

    void run(const uint8_t* data, size_t size) {
        game_->state = state_;
        for (const auto& [control, visible] : visible_) control->Visible = visible;
        for (const auto& [label, caption] : captions_) label->Caption = caption;
        casodavac_.restore();
        start_.restore();
        host_->calls.clear();

        std::ofstream(folder_ / std::string(core::kDataFileName), std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        screens::loadGame(game_->ctx);
        checkPlayable(*game_);
        // The two timers fired directly, as the loop would every 50 ms, then
        // one pass of the loop that draws the loaded game: drawing the whole
        // screen on every tick would cost more than the load itself.
        scenes::Controls& c = game_->c;
        for (int i = 0; i < kTicksAfterLoad; ++i) {
            host_->advanceClock(50);
            if (c.Casodavac->Enabled) c.Casodavac->OnTimer.fire({c.Casodavac});
            if (c.Start->Enabled) c.Start->OnTimer.fire({c.Start});
        }
        loop_->pass();
    }

private:
    template <class T>
    struct TimerState {
        TimerState() = default;
        explicit TimerState(T* t) : timer(t), enabled(t->Enabled), interval(t->Interval) {}
        void restore() const {
            timer->Enabled = enabled;
            timer->Interval = interval;
        }
        T* timer = nullptr;
        bool enabled = false;
        int32_t interval = 0;
    };

    fs::path folder_;
    std::unique_ptr<platform::HeadlessPlatform> host_;
    std::unique_ptr<app::Game> game_;
    std::unique_ptr<app::GameLoop> loop_;
    core::GameState state_;
    std::vector<std::pair<layout::Control*, bool>> visible_;
    std::vector<std::pair<layout::Label*, std::string>> captions_;
    TimerState<layout::Timer> casodavac_;  // the game tick
    TimerState<layout::DXTimer> start_;    // the frame timer
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SavedGameHarness harness;
    harness.run(data, size);
    return 0;
}

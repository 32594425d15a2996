// The table game's frame: the bat, the ball with its bounces, the table, the
// ball and the bat drawn on DXDraw1 and flipped, on the stand-in game during a
// bet, beside a plain copy of the surface's pixels, which is the least any
// frame of it costs. The third benchmark runs the two side by side and
// reports the ratio.
//
// The stand-in layout is the one the build writes beside this program.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "app/game.h"
#include "layout/layout.h"
#include "platform/headless/headless_platform.h"
#include "platform/host_files.h"
#include "screens/table_game.h"

namespace {

using namespace kvarnel;

// A game on the headless platform with a bet running at the table.
struct Table {
    std::filesystem::path folder;
    std::unique_ptr<platform::HeadlessPlatform> host;
    std::unique_ptr<app::Game> game;

    // Empty when the stand-in layout cannot be read.
    std::string error;

    Table() {
        const std::filesystem::path here = std::filesystem::read_symlink("/proc/self/exe").parent_path();
        const auto bytes = platform::host::readWholeFile((here / "form1.layout").string());
        if (!bytes) {
            error = "no stand-in layout beside the benchmark: build the standin_content target";
            return;
        }
        folder = std::filesystem::temp_directory_path() / ("kvarnel-table-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        host = std::make_unique<platform::HeadlessPlatform>();
        game = std::make_unique<app::Game>(*host, folder.string() + "/");
        game->load(*bytes, "stand-in");
        game->create();
        scenes::Controls& c = game->c;
        game->state.Language = 2;
        c.Rukpal->Visible = true;
        c.Menu1->Visible = false;
        game->screen->setCaption(*c.Penez, "9");
        bet();
    }
    ~Table() {
        if (!folder.empty()) std::filesystem::remove_all(folder);
    }

    void bet() { (*game->handlers.find("Label2Click"))({}); }

    // The player keeps the ball in play, so a bet runs for as long as the
    // benchmark does (the table clock, on the game timer, does not run here).
    void steer() {
        const core::GameState& s = game->state;
        const int32_t want = (s.BallX + s.BallDX + 17) - (s.BatX + 53);
        host->setKey(platform::Key::Right, want > 7);
        host->setKey(platform::Key::Left, want < -7);
    }

    void frame() {
        steer();
        screens::tableFrameStep(game->ctx);
        if (game->state.TableGameRunning == 0) bet();
    }

    const layout::Image& surface() const { return game->c.DXDraw1->front; }
};

void BM_TableFrame(benchmark::State& state) {
    Table t;
    if (!t.error.empty()) {
        state.SkipWithError(t.error.c_str());
        return;
    }
    for (auto _ : state) {
        t.frame();
        benchmark::DoNotOptimize(t.surface().pixels.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TableFrame)->Unit(benchmark::kMicrosecond);

void BM_CopyTableSurface(benchmark::State& state) {
    Table t;
    if (!t.error.empty()) {
        state.SkipWithError(t.error.c_str());
        return;
    }
    t.frame();
    const std::vector<uint32_t>& src = t.surface().pixels;
    std::vector<uint32_t> dst(src.size());
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size() * 4);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CopyTableSurface)->Unit(benchmark::kMicrosecond);

// A frame, then a copy of the surface it drew, each timed on its own, in
// every iteration: both see the same caches and the same machine load.
void BM_TableFrameOverCopy(benchmark::State& state) {
    Table t;
    if (!t.error.empty()) {
        state.SkipWithError(t.error.c_str());
        return;
    }
    t.frame();
    std::vector<uint32_t> dst(t.surface().pixels.size());
    using Clock = std::chrono::steady_clock;
    Clock::duration frames{}, copies{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        t.frame();
        const auto t1 = Clock::now();
        std::memcpy(dst.data(), t.surface().pixels.data(), dst.size() * 4);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
        const auto t2 = Clock::now();
        frames += t1 - t0;
        copies += t2 - t1;
    }
    const double n = static_cast<double>(state.iterations());
    const double frameUs = std::chrono::duration<double, std::micro>(frames).count() / n;
    const double copyUs = std::chrono::duration<double, std::micro>(copies).count() / n;
    state.counters["frame_us"] = frameUs;
    state.counters["copy_us"] = copyUs;
    state.counters["frame_over_copy"] = copyUs > 0 ? frameUs / copyUs : 0;
}
BENCHMARK(BM_TableFrameOverCopy)->Unit(benchmark::kMicrosecond);

}  // namespace

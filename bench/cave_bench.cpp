// One frame of cave play on the stand-in game (the frame timer's tick: the
// turn's logic, drawing DXDraw2 from Obrazky, the flip) beside a plain copy
// of the surface's pixels, the least a frame of that size can cost. Both are
// timed in the same iterations; the counter `ratio` is frame time over copy
// time.
//
// The frame is the seventh cave with Space held: the monster's turn is
// played every frame (walled in, it hands the turn straight back) and the
// bottle pulses, so every frame changes the picture and the flip does its
// full work. Needs the stand-in layout that the build writes beside this
// program.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/game.h"
#include "platform/headless/headless_platform.h"
#include "screens/frame_timer.h"
#include "story/movies.h"

namespace {

using namespace kvarnel;

std::filesystem::path programFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

// A game on the headless platform in a folder of its own, so that its asset
// renames cannot disturb a game running from the build folder.
struct CaveGame {
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kvarnel-cave-bench-" + std::to_string(getpid()));
    std::unique_ptr<platform::HeadlessPlatform> host = std::make_unique<platform::HeadlessPlatform>();
    std::unique_ptr<app::Game> game;

    CaveGame() {
        std::filesystem::remove_all(folder);
        for (const auto& a : app::kAssetNames) {
            std::string rel(a.onDisk);
            std::replace(rel.begin(), rel.end(), '\\', '/');
            std::filesystem::create_directories((folder / rel).parent_path());
            std::ofstream(folder / rel) << "asset";
        }
        std::ifstream in(programFolder() / app::kLayoutFileName, std::ios::binary);
        const std::vector<uint8_t> layout((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        game = std::make_unique<app::Game>(*host, folder.string() + "/");
        game->load(layout, "form1.layout");
        game->create();

        scenes::Context& ctx = game->ctx;
        story::startAtScene(ctx, scenes::Scene::Les6);
        auto* mouth = game->layout.findAs<layout::Label>("Label105");
        mouth->OnClick.fire({mouth});
        // Straight to the seventh cave's start button.
        game->state.CaveNumber = 6;
        const core::Rect& r = game->state.CaveHotRect;
        const int x = (r.Left + r.Right) / 2, y = (r.Top + r.Bottom) / 2;
        host->setCursorPos({x, y});
        game->screen->mouseDown(layout::MouseButton::Left, x, y);
        game->screen->mouseUp(layout::MouseButton::Left, x, y);
        host->setKey(platform::Key::Space, true);
        screens::StartTimer(ctx);
    }
    ~CaveGame() { std::filesystem::remove_all(folder); }
};

void BM_CaveFrameBesideCopy(benchmark::State& state) {
    CaveGame g;
    if (g.game->state.CaveNumber != 7 || !g.game->c.Vjeskyni->Visible) {
        state.SkipWithError("the cave did not start (is form1.layout beside the benchmark?)");
        return;
    }
    const layout::Image& front = g.game->c.DXDraw2->front;
    std::vector<uint32_t> copy(front.pixels.size());
    using Clock = std::chrono::steady_clock;
    Clock::duration frameTime{}, copyTime{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        screens::StartTimer(g.game->ctx);
        benchmark::DoNotOptimize(front.pixels.data());
        const auto t1 = Clock::now();
        std::memcpy(copy.data(), front.pixels.data(), copy.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
        const auto t2 = Clock::now();
        frameTime += t1 - t0;
        copyTime += t2 - t1;
        g.host->calls.clear();
    }
    const double n = static_cast<double>(state.iterations());
    const double frameUs = std::chrono::duration<double, std::micro>(frameTime).count() / n;
    const double copyUs = std::chrono::duration<double, std::micro>(copyTime).count() / n;
    state.counters["frame_us"] = frameUs;
    state.counters["copy_us"] = copyUs;
    state.counters["ratio"] = copyUs > 0 ? frameUs / copyUs : 0;
    state.SetLabel("cave frame / copy of " + std::to_string(front.width) + "x" + std::to_string(front.height) +
                   " pixels");
}
BENCHMARK(BM_CaveFrameBesideCopy)->Unit(benchmark::kMicrosecond);

}  // namespace

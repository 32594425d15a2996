// One frame of the two-player match (the frame step's logic, its drawing on
// DXDraw3 and the flip), beside a plain copy of that surface's pixels, which
// is the least any frame of it costs. Both run in the same loop, one after
// the other, so the ratio between them holds on a busy machine too.
//
// The game is the stand-in game on the headless platform, its layout read
// from the build folder beside this program, in a game folder of its own.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

#include "app/game.h"
#include "platform/headless/headless_platform.h"
#include "screens/bonus_game.h"

namespace {

using namespace kvarnel;
using Clock = std::chrono::steady_clock;

std::vector<uint8_t> standinLayout() {
    const std::filesystem::path dir = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    std::ifstream in(dir / app::kLayoutFileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A match in its first rally; the two players keep their paddles under the
// ball with the keys, so the rally never ends.
struct Match {
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kvarnel-bonus-bench-" + std::to_string(getpid()));
    platform::HeadlessPlatform host;
    std::unique_ptr<app::Game> game;

    Match() {
        std::filesystem::remove_all(folder);
        for (const auto& a : app::kAssetNames) {
            std::string rel(a.onDisk);
            std::replace(rel.begin(), rel.end(), '\\', '/');
            std::filesystem::create_directories((folder / rel).parent_path());
            std::ofstream(folder / rel) << "asset";
        }
        game = std::make_unique<app::Game>(host, folder.string() + "/");
        const std::vector<uint8_t> bytes = standinLayout();
        if (bytes.empty()) throw std::runtime_error("form1.layout is missing beside the benchmark");
        game->load(bytes, "stand-in");
        game->create();
        core::GameState& s = game->state;
        s.Language = 2;
        s.BonusGameUnlocked = 1;
        game->c.Menu1->Visible = true;
        game->c.Start->Enabled = true;
        screens::startBonusGame(game->ctx);
        while (s.BonusBallInPlay == 0) {
            screens::bonusFrameStep(game->ctx);
            screens::bonusAnimationStep(game->ctx);
        }
    }
    ~Match() {
        game.reset();
        std::filesystem::remove_all(folder);
    }

    void steer(int32_t paddle, platform::Key right, platform::Key left) {
        const int32_t middle = paddle + 37;
        host.setKey(right, middle < game->state.BallX);
        host.setKey(left, middle > game->state.BallX + 20);
    }
    void frame() {
        steer(game->state.PaddleA, platform::Key::S, platform::Key::A);
        steer(game->state.PaddleB, platform::Key::Right, platform::Key::Left);
        screens::bonusFrameStep(game->ctx);
    }
};

void BM_BonusFrameBesideCopy(benchmark::State& state) {
    Match match;
    const layout::Image& shown = match.game->c.DXDraw3->front;
    match.frame();
    std::vector<uint32_t> copy(shown.pixels.size());
    Clock::duration frames{}, copies{};
    for (auto _ : state) {
        const Clock::time_point t0 = Clock::now();
        match.frame();
        const Clock::time_point t1 = Clock::now();
        std::memcpy(copy.data(), shown.pixels.data(), copy.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
        const Clock::time_point t2 = Clock::now();
        frames += t1 - t0;
        copies += t2 - t1;
    }
    if (match.game->state.BonusBallInPlay != 1) state.SkipWithError("the rally ended");
    const double n = static_cast<double>(state.iterations());
    const double frameUs = std::chrono::duration<double, std::micro>(frames).count() / n;
    const double copyUs = std::chrono::duration<double, std::micro>(copies).count() / n;
    state.counters["frame_us"] = frameUs;
    state.counters["copy_us"] = copyUs;
    state.counters["frame_per_copy"] = copyUs > 0 ? frameUs / copyUs : 0;
}
BENCHMARK(BM_BonusFrameBesideCopy)->Unit(benchmark::kMicrosecond);

}  // namespace

// Composing the screen: a full 1024 x 768 scene (a background, a dozen
// animated sprites, labels) per frame, beside a plain copy of the same
// framebuffer, which is the least any frame costs. Run with
// --benchmark_repetitions=3 for the median and spread of the ratio.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <utility>

#include "layout/compositor.h"
#include "layout/gif_codec.h"
#include "layout/jpeg_codec.h"
#include "layout/picture_record.h"
#include "layout/record_builder.h"
#include "layout/screen.h"
#include "platform/sdl/ttf_text.h"

namespace {

using namespace kvarnel::layout;

Image texture(int w, int h) {
    Image img{w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h)};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) img.at(x, y) = argb(static_cast<uint8_t>(x / 4), static_cast<uint8_t>(y / 3), 90);
    }
    return img;
}

struct Scene {
    std::unique_ptr<kvarnel::platform::TextRasterizer> text =
        kvarnel::platform::makeTtfTextRasterizer(KVARNEL_FONTS_CONF);
    Layout layout;
    std::unique_ptr<Screen> screen;
    std::unique_ptr<Compositor> compositor;
    Image fb;

    Scene() {
        Obj form("TForm1", "Form1");
        Obj scene("TPanel", "Natrzisti");
        scene.bounds(0, 0, 1024, 625);
        scene.child(Obj("TImage", "PozadiNatrzisti")
                        .bounds(0, 0, 1024, 625)
                        .binary("Picture.Data", encodePictureRecord("TJPEGImage", encodeJpeg(texture(1024, 625), 85))));
        for (int i = 0; i < 12; ++i) {
            std::vector<Image> frames;
            for (int f = 0; f < 4; ++f) {
                Image img{96, 96, std::vector<uint32_t>(96 * 96, 0)};
                for (int y = 10; y < 86; ++y) {
                    for (int x = 10 + f; x < 86; ++x) img.at(x, y) = argb(200, static_cast<uint8_t>(20 * i), 40);
                }
                frames.push_back(std::move(img));
            }
            scene.child(Obj("TRxGIFAnimator", "Sprite" + std::to_string(i))
                            .bounds(40 + 80 * i, 100 + 30 * (i % 5), 96, 96)
                            .binary("Image.Data", encodeGifControlValue(encodeGifFromImages(frames, {}))));
        }
        form.child(std::move(scene));
        form.child(Obj("TLabel", "Popis")
                       .bounds(24, 628, 4, 20)
                       .text("Caption", "Nádherně modrá obloha. Ta je ale krásná, co?")
                       .ident("Font.Color", "clYellow")
                       .integer("Font.Height", -16)
                       .text("Font.Name", "MS Sans Serif")
                       .boolean("ParentFont", false));
        for (int i = 0; i < 3; ++i) {
            form.child(Obj("TLabel", "Otazka" + std::to_string(i + 1))
                           .bounds(32, 656 + 26 * i, 4, 20)
                           .text("Caption", "Kdo jste a co tady děláte?")
                           .ident("Font.Color", "clWhite")
                           .integer("Font.Height", -16)
                           .boolean("ParentFont", false)
                           .boolean("Transparent", true));
        }
        layout = loadLayout(writeStream(std::move(form).record()));
        screen = std::make_unique<Screen>(layout, *text);
        screen->setScreenSize(1024, 768);
        screen->applyAutoSizes();
        compositor = std::make_unique<Compositor>(*screen);
    }
};

// One frame of the scene, timed beside a plain copy of the framebuffer in
// the same iteration, so that the counter `ratio` (compose time over copy
// time) holds on a busy machine too. `full`: into a buffer other than the
// last, so everything is drawn, as when a place is entered; otherwise the
// sprites' new frames only, as while faces talk.
void composeBesideCopy(benchmark::State& state, bool full) {
    Scene s;
    Image other;
    std::vector<uint32_t> copy(size_t{1024} * 768);
    using Clock = std::chrono::steady_clock;
    Clock::duration composeTime{}, copyTime{};
    int frame = 0;
    for (auto _ : state) {
        for (Component* c : s.layout.components()) {
            if (auto* gif = as<GifAnimator>(c)) gif->FrameIndex = frame % 4;
        }
        ++frame;
        if (full) std::swap(s.fb, other);
        const auto t0 = Clock::now();
        s.compositor->compose(s.fb);
        benchmark::DoNotOptimize(s.fb.pixels.data());
        const auto t1 = Clock::now();
        std::memcpy(copy.data(), s.fb.pixels.data(), copy.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
        const auto t2 = Clock::now();
        composeTime += t1 - t0;
        copyTime += t2 - t1;
    }
    const double n = static_cast<double>(state.iterations());
    const double composeUs = std::chrono::duration<double, std::micro>(composeTime).count() / n;
    const double copyUs = std::chrono::duration<double, std::micro>(copyTime).count() / n;
    state.counters["compose_us"] = composeUs;
    state.counters["copy_us"] = copyUs;
    state.counters["ratio"] = copyUs > 0 ? composeUs / copyUs : 0;
}

void BM_ComposeFullSceneBesideCopy(benchmark::State& state) {
    composeBesideCopy(state, true);
}
BENCHMARK(BM_ComposeFullSceneBesideCopy)->Unit(benchmark::kMicrosecond);

void BM_ComposeAnimatingSpritesBesideCopy(benchmark::State& state) {
    composeBesideCopy(state, false);
}
BENCHMARK(BM_ComposeAnimatingSpritesBesideCopy)->Unit(benchmark::kMicrosecond);

void BM_CopyFramebuffer(benchmark::State& state) {
    std::vector<uint32_t> src(1024 * 768, 0xFF204060u), dst(1024 * 768);
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size() * 4);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CopyFramebuffer)->Unit(benchmark::kMicrosecond);

void BM_SceneFingerprint(benchmark::State& state) {
    Scene s;
    for (auto _ : state) benchmark::DoNotOptimize(s.compositor->fingerprint());
}
BENCHMARK(BM_SceneFingerprint)->Unit(benchmark::kMicrosecond);

}  // namespace

// Reading the layout stream at start-up: a stream of the original's size
// (over 12 MB, nearly all of it picture, GIF and wave payloads), read and
// decoded, beside merely reading the same bytes from the page cache.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "layout/bitmap_codec.h"
#include "layout/gif_codec.h"
#include "layout/jpeg_codec.h"
#include "layout/layout.h"
#include "layout/picture_record.h"
#include "layout/record_builder.h"
#include "layout/wave.h"
#include "platform/host_files.h"

namespace {

using namespace kvarnel::layout;

// Pictures with some texture, so JPEG sizes resemble painted backgrounds.
Image texture(int w, int h, unsigned seed) {
    std::mt19937 rng(seed);
    Image img{w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h)};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int n = static_cast<int>(rng() % 48);
            img.at(x, y) = argb(static_cast<uint8_t>((x / 4 + n) & 0xFF), static_cast<uint8_t>((y / 3 + n) & 0xFF),
                                static_cast<uint8_t>((x + y) / 8 + n));
        }
    }
    return img;
}

std::string makeLargeStream() {
    Obj form("TForm1", "Form1");
    form.ident("OnCreate", "FormCreate");
    // 18 location-sized JPEGs and 32 smaller ones, as the original has.
    for (int i = 0; i < 18; ++i) {
        form.child(
            Obj("TImage", "Pozadi" + std::to_string(i))
                .bounds(0, 0, 1024, 625)
                .binary("Picture.Data", encodePictureRecord("TJPEGImage", encodeJpeg(texture(1024, 625, i), 90))));
    }
    std::vector<CollectionItem> items;
    for (int i = 0; i < 32; ++i) {
        items.push_back(item({{"Picture.Data", Value::binary(encodePictureRecord(
                                                   "TJPEGImage", encodeJpeg(texture(300, 200, 100 + i), 90)))}}));
    }
    // 87 DIBs and 35 lying bitmaps.
    for (int i = 0; i < 87; ++i) {
        items.push_back(item(
            {{"Picture.Data", Value::binary(encodePictureRecord("TDIB", encodeDib(texture(120, 90, 200 + i), 24)))}}));
    }
    form.child(Obj("TDXImageList", "Obrazky").collection("Items", std::move(items)));
    for (int i = 0; i < 35; ++i) {
        form.child(
            Obj("TImage", "Bitmap" + std::to_string(i))
                .binary("Picture.Data",
                        encodePictureRecord("TBitmap", encodeBmpFile(texture(200, 160, 300 + i), 24, 216, 864), 864)));
    }
    // 91 face animations of 36 frames with few colours.
    for (int i = 0; i < 91; ++i) {
        std::vector<Image> frames;
        for (int f = 0; f < 36; ++f) {
            Image img{90, 92, std::vector<uint32_t>(90 * 92, argb(0x30, 0x20, 0x10))};
            for (int y = 20; y < 40; ++y) {
                for (int x = 10 + f; x < 30 + f; ++x) img.at(x, y) = argb(0xF0, 0xD0, static_cast<uint8_t>(i));
            }
            frames.push_back(std::move(img));
        }
        form.child(
            Obj("TRxGIFAnimator", "Gif" + std::to_string(i))
                .binary("Image.Data", encodeGifControlValue(encodeGifFromImages(frames, std::vector<int>(36, 100)))));
    }
    std::vector<CollectionItem> waves;
    for (int i = 0; i < 17; ++i) {
        std::vector<uint8_t> samples(22050 * 2);
        for (size_t k = 0; k < samples.size(); ++k) samples[k] = static_cast<uint8_t>(k * (i + 1));
        waves.push_back(item({{"Wave.WAVE", Value::binary(makeWave(1, 16, 22050, samples))}}));
    }
    form.child(Obj("TDXSound", "DXSound1"));
    form.child(Obj("TDXWaveList", "Zvuky").ident("DXSound", "DXSound1").collection("Items", std::move(waves)));

    const std::vector<uint8_t> bytes = writeStream(std::move(form).record());
    const auto path = std::filesystem::temp_directory_path() / "kvarnel-bench-large.layout";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

const std::string& largeStream() {
    static const std::string path = makeLargeStream();
    return path;
}

void BM_ReadBytesFromPageCache(benchmark::State& state) {
    const std::string& path = largeStream();
    size_t size = 0;
    for (auto _ : state) {
        auto bytes = kvarnel::platform::host::readWholeFile(path);
        size = bytes->size();
        benchmark::DoNotOptimize(bytes->data());
    }
    state.counters["MB"] = static_cast<double>(size) / 1e6;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}
BENCHMARK(BM_ReadBytesFromPageCache)->Unit(benchmark::kMillisecond);

void BM_ReadStreamRecordsOnly(benchmark::State& state) {
    const auto bytes = *kvarnel::platform::host::readWholeFile(largeStream());
    for (auto _ : state) {
        ObjectRecord root = readStream(bytes);
        benchmark::DoNotOptimize(root.children.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadStreamRecordsOnly)->Unit(benchmark::kMillisecond);

void BM_ReadAndDecodeLayout(benchmark::State& state) {
    const std::string& path = largeStream();
    size_t components = 0;
    size_t size = 0;
    for (auto _ : state) {
        const auto bytes = kvarnel::platform::host::readWholeFile(path);
        size = bytes->size();
        Layout layout = loadLayout(*bytes, path);
        components = layout.components().size();
        benchmark::DoNotOptimize(layout.form().Name.data());
    }
    state.counters["MB"] = static_cast<double>(size) / 1e6;
    state.counters["components"] = static_cast<double>(components);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}
BENCHMARK(BM_ReadAndDecodeLayout)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// What the game does at start-up beside its floor, timed in alternate turns
// of the same iterations so that both see the same machine: the game reads
// (maps) the file, builds the layout with the pictures left encoded and decodes
// those its first location shows (one background and ten faces); the floor
// reads the file and decodes the same pictures straight from their bytes,
// which no loader can avoid. The counter `ratio` is the first over the
// second.
void BM_LayoutAsTheGameLoadsItBesideItsFloor(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const std::string& path = largeStream();
    constexpr int kFaces = 10;
    // The first location's payloads, found once, for the floor.
    const auto fileBytes = *kvarnel::platform::host::readWholeFile(path);
    const ObjectRecord root = readStream(fileBytes);
    std::vector<kvarnel::layout::Bytes> pictures, gifs;
    for (const ObjectRecord& child : root.children) {
        for (const auto& p : child.properties) {
            if (child.name == "Pozadi0" && p.name == "Picture.Data") pictures.push_back(p.value.bytes);
            if (child.name.starts_with("Gif") && std::stoi(child.name.substr(3)) < kFaces && p.name == "Image.Data") {
                gifs.push_back(p.value.bytes);
            }
        }
    }
    Clock::duration game{}, floor{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        {
            const auto bytes = kvarnel::platform::host::mapWholeFile(path);
            Layout layout = loadLayoutSharing(*bytes, path, PayloadDecoding::WhenFirstUsed);
            benchmark::DoNotOptimize(layout.findAs<ImageControl>("Pozadi0")->Picture_.image().pixels.data());
            for (int i = 0; i < kFaces; ++i) {
                const auto* gif = layout.findAs<GifAnimator>("Gif" + std::to_string(i));
                benchmark::DoNotOptimize(gif->Image_.frames().data());
            }
        }
        const auto t1 = Clock::now();
        {
            const auto bytes = kvarnel::platform::host::mapWholeFile(path);
            benchmark::DoNotOptimize(bytes->data());
            for (const auto& p : pictures) benchmark::DoNotOptimize(decodePictureRecord(p).image.pixels.data());
            for (const auto& g : gifs) benchmark::DoNotOptimize(decodeGifControlValue(g).frames.data());
        }
        const auto t2 = Clock::now();
        game += t1 - t0;
        floor += t2 - t1;
    }
    const double n = static_cast<double>(state.iterations());
    const double gameMs = std::chrono::duration<double, std::milli>(game).count() / n;
    const double floorMs = std::chrono::duration<double, std::milli>(floor).count() / n;
    state.counters["game_ms"] = gameMs;
    state.counters["floor_ms"] = floorMs;
    state.counters["ratio"] = floorMs > 0 ? gameMs / floorMs : 0;
}
BENCHMARK(BM_LayoutAsTheGameLoadsItBesideItsFloor)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(false);

}  // namespace

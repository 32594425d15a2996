// Build-time tool: the seed corpora and the generated dictionaries of the
// fuzz targets, made from the stand-in game folder with the game's own
// reader and writers.
//
//   make_seeds GAME_FOLDER OUT_DIR
//
// GAME_FOLDER is where make_standin wrote the stand-in content; OUT_DIR gets
// one folder per target (OUT_DIR/gif, OUT_DIR/layout, ...) and the
// dictionaries ini.dict and saved_game.dict. Seeds are kept small: a fuzzer
// spends its time on every byte of its inputs, and the stand-in's large
// pictures add nothing the small ones do not already reach.
//
// [1] Files and small pictures
// [2] Payloads of the stand-in layout
// [3] Small layouts
// [4] Files the game's writers make
// [5] INI text and its dictionary
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "app/game.h"
#include "core/ini_document.h"
#include "core/settings_file.h"
#include "layout/bitmap_codec.h"
#include "layout/cursor_file.h"
#include "layout/gif_codec.h"
#include "layout/jpeg_codec.h"
#include "layout/picture_record.h"
#include "layout/png_codec.h"
#include "layout/stream.h"
#include "layout/wave.h"
#include "platform/midi_file.h"
#include "screens/saved_game.h"

namespace fs = std::filesystem;
using namespace kvarnel;

namespace {

// ---------------------------------------------------------------------------
// [1] Files and small pictures
// ---------------------------------------------------------------------------

// The largest seed: the fuzz runs cut longer inputs (scripts/fuzz.sh's
// -max_len), and a cut picture only tells the decoder that it ends early.
constexpr size_t kMaxSeedBytes = 8192;
constexpr size_t kMaxPayloadSeedBytes = 4096;

std::vector<uint8_t> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class Corpus {
public:
    explicit Corpus(fs::path dir) : dir_(std::move(dir)) { fs::create_directories(dir_); }

    // Adds `bytes` under a name of its own; identical seeds are kept once.
    void add(const std::string& name, const std::vector<uint8_t>& bytes, size_t maxBytes = kMaxSeedBytes) {
        if (bytes.empty() || bytes.size() > maxBytes || !seen_.insert(bytes).second) return;
        std::ofstream(dir_ / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    size_t size() const { return seen_.size(); }

private:
    fs::path dir_;
    std::set<std::vector<uint8_t>> seen_;
};

// A small picture with a few colours, some of them see-through.
layout::Image smallImage(int width, int height, bool withAlpha) {
    layout::Image image{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const auto v = static_cast<uint8_t>((x * 37 + y * 91) & 0xFF);
            const uint8_t alpha = withAlpha && (x + y) % 3 == 0 ? 0 : 0xFF;
            image.pixels.push_back(alpha == 0 ? 0 : layout::argb(v, static_cast<uint8_t>(255 - v), 0x40, alpha));
        }
    }
    return image;
}

std::vector<uint8_t> tinyGif() {
    layout::GifPlan plan;
    plan.width = 4;
    plan.height = 3;
    plan.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    plan.loopCount = 0;
    layout::GifFramePlan a{
        .left = 0, .top = 0, .width = 4, .height = 3, .indices = {0, 1, 2, 3, 3, 2, 1, 0, 1, 1, 2, 2}};
    layout::GifFramePlan b{.left = 1,
                           .top = 1,
                           .width = 2,
                           .height = 2,
                           .indices = {3, 0, 0, 3},
                           .delayCs = 20,
                           .transparentIndex = 0,
                           .disposal = 3,
                           .interlaced = true};
    plan.frames = {a, b};
    return layout::encodeGif(plan);
}

std::vector<uint8_t> tinyWave() {
    const std::vector<uint8_t> samples{0x80, 0x90, 0xA0, 0x90, 0x80, 0x70, 0x60};
    return layout::makeWave(1, 8, 11025, samples);
}

// ---------------------------------------------------------------------------
// [2] Payloads of the stand-in layout
// ---------------------------------------------------------------------------

std::string pictureClass(std::span<const uint8_t> record) {
    if (record.empty() || record.size() < 1u + record[0]) return {};
    return {record.begin() + 1, record.begin() + 1 + record[0]};
}

// The payload after a picture record's class name (and its byte count, for
// the classes that have one).
std::vector<uint8_t> pictureData(std::span<const uint8_t> record) {
    const std::string cls = pictureClass(record);
    size_t at = 1 + cls.size();
    if (cls != "TDIB") at += 4;
    if (at > record.size()) return {};
    return {record.begin() + static_cast<std::ptrdiff_t>(at), record.end()};
}

struct Payloads {
    std::map<std::string, Corpus*> byClass;  // picture class to corpus
    Corpus* gif = nullptr;
    Corpus* wave = nullptr;
    int count = 0;
};

void collectValue(const layout::Property& p, Payloads& out);

void collectProperties(const std::vector<layout::Property>& props, Payloads& out) {
    for (const auto& p : props) collectValue(p, out);
}

void collectValue(const layout::Property& p, Payloads& out) {
    const layout::Value& v = p.value;
    if (v.tag == layout::ValueTag::Collection) {
        for (const auto& item : v.items) collectProperties(item.properties, out);
        return;
    }
    if (v.tag != layout::ValueTag::Binary) return;
    const std::string name = "stand-in-" + std::to_string(out.count++);
    if (p.name == "Picture.Data") {
        const auto it = out.byClass.find(pictureClass(v.bytes));
        if (it != out.byClass.end()) it->second->add(name, pictureData(v.bytes), kMaxPayloadSeedBytes);
    } else if (p.name == "Image.Data" && v.bytes.size() > 4) {
        out.gif->add(name, {v.bytes.begin() + 4, v.bytes.end()}, kMaxPayloadSeedBytes);
    } else if (p.name == "Wave.WAVE") {
        out.wave->add(name, v.bytes.toVector(), kMaxPayloadSeedBytes);
    }
}

void collectRecord(const layout::ObjectRecord& rec, Payloads& out) {
    collectProperties(rec.properties, out);
    for (const auto& child : rec.children) collectRecord(child, out);
}

// ---------------------------------------------------------------------------
// [3] Small layouts
// ---------------------------------------------------------------------------

// Every payload replaced by a tiny one of the same kind, so that a layout of
// the whole window stays small enough to mutate quickly.
void shrinkProperties(std::vector<layout::Property>& props);

void shrinkValue(layout::Property& p) {
    layout::Value& v = p.value;
    if (v.tag == layout::ValueTag::Collection) {
        for (auto& item : v.items) shrinkProperties(item.properties);
        return;
    }
    if (v.tag != layout::ValueTag::Binary || v.bytes.size() <= 256) return;
    if (p.name == "Picture.Data") {
        const std::string cls = pictureClass(v.bytes);
        const layout::Image image = smallImage(3, 2, false);
        if (cls == "TBitmap") {
            v.bytes = layout::encodePictureRecord(cls, layout::encodeBmpFile(image, 24));
        } else if (cls == "TJPEGImage") {
            v.bytes = layout::encodePictureRecord(cls, layout::encodeJpeg(image, 50));
        } else if (cls == "TDIB") {
            v.bytes = layout::encodePictureRecord(cls, layout::encodeDib(image, 24));
        } else if (cls == "TGIFImage" || cls == "TJvGIFImage") {
            v.bytes = layout::encodePictureRecord(cls, tinyGif());
        }
    } else if (p.name == "Image.Data") {
        v.bytes = layout::encodeGifControlValue(tinyGif());
    } else if (p.name == "Wave.WAVE") {
        v.bytes = tinyWave();
    }
}

void shrinkProperties(std::vector<layout::Property>& props) {
    for (auto& p : props) shrinkValue(p);
}

void shrinkRecord(layout::ObjectRecord& rec) {
    shrinkProperties(rec.properties);
    for (auto& child : rec.children) shrinkRecord(child);
}

void addLayouts(const layout::ObjectRecord& standin, Corpus& corpus) {
    layout::ObjectRecord whole = standin;
    shrinkRecord(whole);
    corpus.add("whole-window", layout::writeStream(whole));
    // The window with one of its children at a time: each class with its
    // properties on its own, in a stream short enough to mutate quickly.
    std::set<std::string> classes;
    for (size_t i = 0; i < whole.children.size(); ++i) {
        const layout::ObjectRecord& child = whole.children[i];
        if (!classes.insert(child.className).second && child.children.empty()) continue;
        layout::ObjectRecord one = whole;
        one.children = {child};
        corpus.add("window-child-" + std::to_string(i), layout::writeStream(one));
    }
    layout::ObjectRecord bare = whole;
    bare.children.clear();
    corpus.add("bare-window", layout::writeStream(bare));
    // Smaller still: each panel with a few of its components at a time.
    constexpr size_t kPerSeed = 3;
    constexpr size_t kMaxSmallLayout = 4096;
    for (size_t i = 0; i < whole.children.size(); ++i) {
        const layout::ObjectRecord& child = whole.children[i];
        for (size_t from = 0; from < child.children.size(); from += kPerSeed) {
            layout::ObjectRecord part = child;
            const auto first = child.children.begin() + static_cast<std::ptrdiff_t>(from);
            part.children.assign(first,
                                 first + static_cast<std::ptrdiff_t>(std::min(kPerSeed, child.children.size() - from)));
            layout::ObjectRecord one = bare;
            one.children = {part};
            corpus.add("panel-" + std::to_string(i) + "-from-" + std::to_string(from), layout::writeStream(one),
                       kMaxSmallLayout);
        }
    }
}

// ---------------------------------------------------------------------------
// [4] Files the game's writers make
// ---------------------------------------------------------------------------

void addPictures(Corpus& bitmap, Corpus& jpeg, Corpus& png, Corpus& gif) {
    const layout::Image opaque = smallImage(5, 3, false);
    const layout::Image clear = smallImage(4, 4, true);
    for (int bits : {24, 32}) {
        bitmap.add("bmp-" + std::to_string(bits), layout::encodeBmpFile(opaque, bits));
        bitmap.add("bmp-table-" + std::to_string(bits), layout::encodeBmpFile(opaque, bits, 4, 16));
        bitmap.add("dib-" + std::to_string(bits), layout::encodeDib(opaque, bits));
    }
    bitmap.add("dib-core", layout::encodeDib(opaque, 24, true));
    for (int quality : {10, 90}) jpeg.add("jpeg-" + std::to_string(quality), layout::encodeJpeg(opaque, quality));
    jpeg.add("jpeg-square", layout::encodeJpeg(smallImage(17, 9, false), 75));
    png.add("png-rgb", layout::encodePng(opaque));
    png.add("png-rgba", layout::encodePng(clear));
    gif.add("gif-two-frames", tinyGif());
    gif.add("gif-from-images", layout::encodeGifFromImages({clear, smallImage(4, 4, false)}, {100, 250}));
}

void addSounds(Corpus& wave, Corpus& midi) {
    wave.add("wave-mono-8", tinyWave());
    const std::vector<uint8_t> samples{0, 1, 2, 3, 4, 5, 6, 7};
    wave.add("wave-stereo-16", layout::makeWave(2, 16, 22050, samples));
    const std::vector<platform::MidiNote> notes{{60, 0, 500}, {64, 250, 500}, {67, 900, 100}};
    midi.add("midi-notes", platform::makeMidiFile(notes));
    midi.add("midi-slow", platform::makeMidiFile(notes, 1000000));
}

void addCursors(Corpus& cursor, Corpus& png) {
    cursor.add("cursor-small", layout::encodeCursorFile(smallImage(8, 8, true), 3, 4));
    cursor.add("cursor-opaque", layout::encodeCursorFile(smallImage(3, 5, false), 0, 0));
    // A cursor file whose one image is a PNG stream.
    const std::vector<uint8_t> image = layout::encodePng(smallImage(4, 4, true));
    std::vector<uint8_t> file{0, 0, 2, 0, 1, 0, 4, 4, 0, 0, 1, 0, 2, 0};
    const auto size = static_cast<uint32_t>(image.size());
    for (int i = 0; i < 4; ++i) file.push_back(static_cast<uint8_t>(size >> (8 * i)));
    for (uint8_t b : {22, 0, 0, 0}) file.push_back(b);
    file.insert(file.end(), image.begin(), image.end());
    cursor.add("cursor-png", file);
    png.add("png-of-cursor", image);
}

// The start of an uncompressed movie, cut to `keep` bytes, as the compressed
// file that the movie reader inflates (its header's length fitted to the cut).
std::vector<uint8_t> compressedMovieStart(const std::vector<uint8_t>& plain, size_t keep) {
    if (plain.size() < 8) return {};
    std::vector<uint8_t> cut(plain.begin(), plain.begin() + static_cast<std::ptrdiff_t>(std::min(keep, plain.size())));
    const auto length = static_cast<uint32_t>(cut.size());
    for (int i = 0; i < 4; ++i) cut[4 + static_cast<size_t>(i)] = static_cast<uint8_t>(length >> (8 * i));
    uLongf packedSize = compressBound(static_cast<uLong>(cut.size() - 8));
    std::vector<uint8_t> result(8 + packedSize);
    std::copy(cut.begin(), cut.begin() + 8, result.begin());
    result[0] = 'C';
    if (compress2(result.data() + 8, &packedSize, cut.data() + 8, static_cast<uLong>(cut.size() - 8), 9) != Z_OK) {
        throw std::runtime_error("zlib cannot compress a movie seed");
    }
    result.resize(8 + packedSize);
    return result;
}

void addMovie(Corpus& movie, const std::string& name, const std::vector<uint8_t>& plain) {
    movie.add(name + "-cws", compressedMovieStart(plain, 8 * 1024), kMaxPayloadSeedBytes);
    movie.add(name + "-cws-header", compressedMovieStart(plain, 64));
    movie.add(name + "-fws-header",
              std::vector<uint8_t>(plain.begin(), plain.begin() + std::min<ptrdiff_t>(64, plain.size())));
}

// ---------------------------------------------------------------------------
// [5] INI text and its dictionary
// ---------------------------------------------------------------------------

std::vector<uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

void addIni(Corpus& ini, Corpus& saved, const fs::path& outDir) {
    using K = screens::SavedGameKey::Kind;
    const std::string section(core::kDataSection);
    // A saved game with every key at its default, one with other values, and
    // a settings-only file; the same texts seed the INI reader.
    core::IniDocument defaults, others;
    int32_t n = 0;
    for (const auto& k : screens::savedGameKeys()) {
        defaults.writeInt(section, k.key, k.defaultValue);
        const int32_t other = k.kind == K::Int || k.kind == K::Caption ? (n++ % 9) : (k.defaultValue == 0 ? 1 : 0);
        others.writeInt(section, k.key, other);
    }
    core::IniDocument settings;
    for (const char* key : {"Music", "Sounds", "SpeechSpeed", "Language"}) settings.writeInt(section, key, 1);
    for (Corpus* c : {&ini, &saved}) {
        c->add("saved-defaults", bytesOf(defaults.text()));
        c->add("saved-others", bytesOf(others.text()));
        c->add("settings", bytesOf(settings.text()));
    }
    ini.add("comments-and-hex", bytesOf("; note\n[Other]\nA = $FF\r\nB=0x10\n[other]\nA=-$1\nC=\n  [ x ]\nk=v"));

    std::ofstream dict(outDir / "saved_game.dict");
    dict << "# Keys of the saved game, the section and the values they take.\n";
    dict << "section=\"[" << section << "]\"\nnewline=\"\\x0d\\x0a\"\ntrue=\"=1\"\nfalse=\"=0\"\nhex=\"=$\"\n";
    for (const auto& k : screens::savedGameKeys()) dict << "key_" << k.key << "=\"" << k.key << "=\"\n";
    dict.close();
    fs::copy_file(outDir / "saved_game.dict", outDir / "ini.dict", fs::copy_options::overwrite_existing);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_seeds GAME_FOLDER OUT_DIR\n";
        return 2;
    }
    const fs::path game = argv[1];
    const fs::path out = argv[2];
    try {
        std::map<std::string, Corpus> corpora;
        for (const char* target :
             {"layout", "bitmap", "jpeg", "png", "gif", "wave", "cursor", "midi", "movie", "ini", "saved_game"}) {
            corpora.emplace(target, Corpus(out / target));
        }
        auto& c = corpora;

        const std::vector<uint8_t> layoutBytes = readFile(game / std::string(app::kLayoutFileName));
        const layout::ObjectRecord root = layout::readStream(layoutBytes, "stand-in layout");
        Payloads payloads{.byClass = {{"TBitmap", &c.at("bitmap")},
                                      {"TDIB", &c.at("bitmap")},
                                      {"TJPEGImage", &c.at("jpeg")},
                                      {"TGIFImage", &c.at("gif")},
                                      {"TJvGIFImage", &c.at("gif")}},
                          .gif = &c.at("gif"),
                          .wave = &c.at("wave")};
        collectRecord(root, payloads);
        addLayouts(root, c.at("layout"));

        addPictures(c.at("bitmap"), c.at("jpeg"), c.at("png"), c.at("gif"));
        addSounds(c.at("wave"), c.at("midi"));
        addCursors(c.at("cursor"), c.at("png"));
        addIni(c.at("ini"), c.at("saved_game"), out);

        // The asset files the stand-in folder holds: pointers, movies, music.
        for (const auto& a : app::kAssetNames) {
            std::string rel(a.onDisk);
            std::replace(rel.begin(), rel.end(), '\\', '/');
            const fs::path path = game / rel;
            if (!fs::exists(path)) continue;
            const std::string name = fs::path(rel).filename().string() + "-" + fs::path(rel).parent_path().string();
            if (std::string_view(a.working).ends_with(".cur")) c.at("cursor").add(name, readFile(path));
            if (std::string_view(a.working).ends_with(".swf")) addMovie(c.at("movie"), name, readFile(path));
        }
        for (int i = 1; i <= 6; ++i) {
            const fs::path path = game / ("mmid" + std::to_string(i) + ".mid");
            if (fs::exists(path)) c.at("midi").add(path.filename().string(), readFile(path));
        }
        for (const auto& [target, corpus] : corpora) {
            if (corpus.size() == 0) throw std::runtime_error("no seed for " + target);
            std::cout << target << ": " << corpus.size() << " seeds\n";
        }
    } catch (const std::exception& e) {
        std::cerr << "make_seeds: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

// The stand-in layout.
//
// [SECTION] Pictures and sounds made by code
// [SECTION] Window-level controls
// [SECTION] Panels
// [SECTION] Non-visual components
// [SECTION] Files
#include "standin/standin_layout.h"

#include "standin/art.h"
#include "standin/scene_builder.h"

#include <array>
#include <cmath>
#include <fstream>
#include <stdexcept>

#include "app/game.h"
#include "layout/bitmap_codec.h"
#include "layout/gif_codec.h"
#include "layout/jpeg_codec.h"
#include "layout/picture_record.h"
#include "layout/record_builder.h"
#include "layout/wave.h"
#include "platform/midi_file.h"

namespace kvarnel::standin {

using layout::argb;
using layout::Image;
using layout::Obj;

namespace {

// ---------------------------------------------------------------------------
// [SECTION] Pictures and sounds made by code
// ---------------------------------------------------------------------------
// A bitmap as the original's are stored: 24-bit with a 216-entry colour
// table and a header whose offsets and byte count overstate the data by the
// table's 864 bytes.
std::vector<uint8_t> bitmapPicture(const Image& img) {
    constexpr int kTable = 216;
    constexpr int kLie = kTable * 4;
    return layout::encodePictureRecord("TBitmap", layout::encodeBmpFile(img, 24, kTable, kLie), kLie);
}

std::vector<uint8_t> gifValue(const std::vector<Image>& frames, const std::vector<int>& delaysMs) {
    return layout::encodeGifControlValue(layout::encodeGifFromImages(frames, delaysMs));
}

// The inventory bar folding open: nine frames of 80 ms.
std::vector<uint8_t> inventoryBar() { return gifValue(art::inventoryBar(9), std::vector<int>(9, 80)); }

// A short tone with a soft attack and decay, 8-bit mono.
std::vector<uint8_t> tone(double hz, int ms, int rate = 22050) {
    const int n = rate * ms / 1000;
    std::vector<uint8_t> samples(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double env = std::min(1.0, i / (rate * 0.005)) * (1.0 - static_cast<double>(i) / n);
        samples[i] = static_cast<uint8_t>(128 + std::lround(90 * env * std::sin(2 * M_PI * hz * t)));
    }
    return layout::makeWave(1, 8, rate, samples);
}

// ---------------------------------------------------------------------------
// [SECTION] Window-level controls
// ---------------------------------------------------------------------------
Obj label(std::string name, int l, int t, int w, int h, std::string caption, bool visible) {
    Obj o("TLabel", std::move(name));
    o.bounds(l, t, w, h);
    if (!caption.empty()) o.text("Caption", std::move(caption));
    o.boolean("Transparent", true);
    if (!visible) o.boolean("Visible", false);
    return o;
}

Obj font(Obj o, const std::string& colour, int pixels, const std::string& face = "MS Sans Serif",
         std::vector<std::string> style = {}) {
    o.ident("Font.Charset", "EASTEUROPE_CHARSET")
        .ident("Font.Color", colour)
        .integer("Font.Height", -pixels)
        .text("Font.Name", face)
        .members("Font.Style", std::move(style))
        .boolean("ParentFont", false);
    return o;
}

void addWindowControls(Obj& form) {
    form.child(font(label("Popis", 24, 628, 4, 20, "", true), "clYellow", 16)
                   .ident("Color", "clBlack")
                   .boolean("ParentColor", false)
                   .boolean("Transparent", false));
    form.child(font(label("Rozhovor", 14, 630, 4, 20, "", true), "clYellow", 16)
                   .ident("Color", "clBlack")
                   .boolean("ParentColor", false)
                   .boolean("Transparent", false));
    form.child(font(label("Otazka1", 32, 630, 4, 20, "", false), "clWhite", 16));
    form.child(font(label("Otazka2", 32, 656, 4, 20, "", false), "clWhite", 16));
    form.child(font(label("Otazka3", 32, 684, 4, 20, "", false), "clWhite", 16));
    form.child(font(label("zrusit", 32, 713, 42, 20, "Zrušit", false), "clRed", 16)
                   .ident("Color", "clBlack")
                   .boolean("ParentColor", false)
                   .boolean("Transparent", false));
    form.child(font(label("body", 12, 684, 10, 24, "0", false), "clRed", 19));
    form.child(Obj("TRxGIFAnimator", "Inventar")
                   .bounds(5, 652, 1024, 123)
                   .binary("Image.Data", inventoryBar())
                   .boolean("Visible", false));
    form.child(font(label("Vlastnosti", 124, 682, 79, 20, "Vlastnosti:", false), "clWhite", 16));
    form.child(font(label("Splh", 128, 706, 25, 16, "šplh", false), "clBlack", 13));
    form.child(label("inteligence", 126, 728, 50, 14, "inteligence", false));
    form.child(font(label("Penez", 306, 715, 12, 24, "0", false), "clBlack", 19, "MS Sans Serif", {"fsBold"})
                   .text("Hint", "MÍSTNÍ PLATIDLO")
                   .boolean("ShowHint", true));
    form.child(font(label("Pitiva", 622, 715, 20, 24, "10", false), "clWindowText", 19)
                   .text("Hint", "BECHEROVKA")
                   .boolean("ShowHint", true));

    // Each item is drawn on the key colour, which its bottom-left pixel
    // carries, so the transparent picture shows only the item.
    struct ItemSpec {
        const char* name;
        const char* hint;
        art::Item look;
    };
    const std::array<ItemSpec, 7> items = {{
        {"Nuz", "NŮŽ", art::Item::Knife},
        {"Lano", "LANO", art::Item::Rope},
        {"Jidlo", "JÍDLO", art::Item::Baguette},
        {"Olmeca", "BECHEROVKA", art::Item::Bottle},
        {"Lopata", "LOPATA", art::Item::Shovel},
        {"Sperhak", "ŠPERHÁK", art::Item::Crowbar},
        {"Penize", "MÍSTNÍ PLATIDLO", art::Item::Coins},
    }};
    for (const auto& it : items) {
        const std::vector<uint8_t> pic = bitmapPicture(art::itemPicture(it.look));
        form.child(Obj("TImage", it.name)
                       .bounds(0, 670, 62, 64)
                       .binary("Picture.Data", pic)
                       .boolean("Transparent", true)
                       .text("Hint", it.hint)
                       .boolean("ShowHint", true)
                       .boolean("Visible", false));
        form.child(Obj("TImage", std::string(it.name) + "2")
                       .bounds(0, 670, 62, 64)
                       .binary("Picture.Data", pic)
                       .boolean("Transparent", true)
                       .boolean("Visible", false));
    }
    form.child(Obj("TImage", "Ssplh").bounds(42, 800, 33, 33).boolean("Visible", false));
    form.child(Obj("TImage", "Sinteligence").bounds(22, -28, 33, 33).boolean("Visible", false));
}

// ---------------------------------------------------------------------------
// [SECTION] Panels
// ---------------------------------------------------------------------------
Obj panel(std::string name, int l, int t, int w, int h) {
    return std::move(Obj("TPanel", std::move(name))
                         .bounds(l, t, w, h)
                         .ident("BevelOuter", "bvNone")
                         .ident("Color", "clBlack")
                         .integer("TabOrder", 0)
                         .boolean("Visible", false));
}

Obj movie(std::string name, bool shown) {
    Obj o("TShockwaveFlash", std::move(name));
    o.bounds(0, 0, 1024, 768).integer("TabOrder", 0);
    if (!shown) o.boolean("Visible", false);
    return o;
}

void addPanels(Obj& form) {
    // The sixteen locations, drawn and covered with their hotspots.
    for (size_t i = 0; i < static_cast<size_t>(scenes::Scene::Count); ++i) {
        form.child(buildLocationPanel(static_cast<scenes::Scene>(i)));
    }
    form.child(panel("Rukpal", 2, 0, 1024, 625));
    form.child(panel("Textanimace", 0, 0, 1024, 800));
    for (int i = 2; i <= 7; ++i) form.child(panel("Textanimace" + std::to_string(i), 0, 0, i == 5 ? 1025 : 1024, 800));
    form.child(panel("Vjeskyni", -4, 0, 1024, 768));
    form.child(panel("Menu1", 0, 0, 1033, 777));
    form.child(panel("BonusHra", 0, 0, 1024, 768));
    form.child(panel("VyberJazyk", 0, 0, 1037, 775));
    form.child(panel("AnimaceQuillmoth", 0, 0, 1024, 768).child(movie("ShockwaveFlash1", true)));
    form.child(panel("Intro", 0, 0, 1024, 768)
                   .child(movie("ShockwaveFlash2", true))
                   .child(panel("Kryti", 2, 700, 1023, 71)));
    Obj outro = panel("Outro", 0, 0, 1024, 768);
    for (int i = 1; i <= 6; ++i) outro.child(movie("Outro" + std::to_string(i), i == 1));
    outro.child(panel("Krytivo", 0, 702, 1024, 71));
    form.child(std::move(outro));
    form.child(panel("Titulky", 0, 0, 1050, 780).child(movie("Titulky1", false)).child(movie("Titulky2", false)));

    // The story flags: empty pictures nobody draws. SPanel is the one panel
    // shown at start, far below the screen.
    Obj flags = std::move(panel("SPanel", 630, 2000, 33, 33).boolean("Visible", true));
    for (std::string_view name : app::kStoryFlagNames) {
        if (name == "Ssplh" || name == "Sinteligence") continue;  // these lie on the window
        flags.child(Obj("TImage", std::string(name)).bounds(0, 0, 33, 33).boolean("Visible", false));
    }
    for (const char* unused : {"Image171", "Image273", "Image281", "Image349"}) {
        flags.child(Obj("TImage", unused).bounds(0, 0, 33, 33).boolean("Visible", false));
    }
    form.child(std::move(flags));
}

// ---------------------------------------------------------------------------
// [SECTION] Non-visual components
// ---------------------------------------------------------------------------
void addNonVisual(Obj& form) {
    for (int i = 1; i <= 7; ++i) {
        Obj player("TMediaPlayer", "Skladba" + std::to_string(i));
        player.bounds(0, 0, 253, 30).boolean("Visible", false).integer("TabOrder", 0);
        if (i <= 6) player.ident("OnNotify", "Skladba" + std::to_string(i) + "Notify");
        form.child(std::move(player));
    }
    form.child(Obj("TDXSound", "DXSound1").integer("Left", 8).integer("Top", 8).boolean("AutoInitialize", true).members("Options", {}));
    form.child(Obj("TDXSound", "DXSound2").integer("Left", 40).integer("Top", 8).boolean("AutoInitialize", false).members("Options", {}));

    // Seventeen sound effects; the first is the inventory bar's slide.
    std::vector<layout::CollectionItem> waves;
    for (int i = 0; i < 17; ++i) {
        std::vector<std::pair<std::string, layout::Value>> props;
        if (i == 0) props.emplace_back("Name", layout::Value::textValue("Inventar"));
        props.emplace_back("Looped", layout::Value::boolean(false));
        props.emplace_back("MaxPlayingCount", layout::Value::integerValue(0));
        props.emplace_back("Wave.WAVE", layout::Value::binary(tone(330.0 + 40.0 * i, 120 + 10 * i)));
        waves.push_back(layout::item(std::move(props)));
    }
    form.child(Obj("TDXWaveList", "Zvuky")
                   .integer("Left", 72)
                   .integer("Top", 8)
                   .ident("DXSound", "DXSound2")
                   .collection("Items", std::move(waves)));
    form.child(Obj("TTimer", "Casodavac").integer("Interval", 50).ident("OnTimer", "CasodavacTimer").integer("Left", 104).integer("Top", 8));
    form.child(Obj("TDXTimer", "Start")
                   .boolean("ActiveOnly", true)
                   .boolean("Enabled", true)
                   .integer("Interval", 17)
                   .ident("OnTimer", "StartTimer")
                   .integer("Left", 136)
                   .integer("Top", 8));
}

// ---------------------------------------------------------------------------
// [SECTION] Files
// ---------------------------------------------------------------------------
void writeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

// A short tune per music file, so the players have real files to open.
std::vector<uint8_t> midiFile(uint8_t root) {
    std::vector<platform::MidiNote> notes;
    const uint8_t steps[] = {0, 4, 7, 12, 7, 4};
    for (uint32_t i = 0; i < 6; ++i) notes.push_back({static_cast<uint8_t>(root + steps[i]), i * 400, 380});
    return platform::makeMidiFile(notes);
}

}  // namespace

layout::ObjectRecord makeLayout() {
    Obj form("TForm1", "Form1");
    form.integer("Left", 196)
        .integer("Top", 196)
        .ident("BorderStyle", "bsNone")
        .text("Caption", "Kvarnel")
        .integer("ClientHeight", 534)
        .integer("ClientWidth", 790)
        .ident("Color", "clBlack")
        .ident("Font.Charset", "EASTEUROPE_CHARSET")
        .ident("Font.Color", "clWindowText")
        .integer("Font.Height", -11)
        .text("Font.Name", "Times New Roman")
        .members("Font.Style", {})
        .boolean("OldCreateOrder", false)
        .ident("WindowState", "wsMaximized")
        .ident("OnClose", "FormClose")
        .ident("OnCreate", "FormCreate")
        .ident("OnMouseDown", "BonusHraMouseDown")
        .integer("PixelsPerInch", 96)
        .integer("TextHeight", 14);
    addPanels(form);
    addWindowControls(form);
    addNonVisual(form);
    return std::move(form).record();
}

void writeGameFolder(const std::filesystem::path& folder) {
    writeFile(folder / std::string(app::kLayoutFileName), layout::writeStream(makeLayout()));
    // The cursor and movie files lie under their disguised names between
    // runs. These are placeholders of the right names until the cursor and
    // movie art is drawn; the game treats an unreadable one as missing.
    for (const auto& asset : app::kAssetNames) {
        std::string rel(asset.onDisk);
        for (char& ch : rel) {
            if (ch == '\\') ch = '/';
        }
        writeFile(folder / rel, {});
    }
    for (int i = 1; i <= 6; ++i) {
        writeFile(folder / ("mmid" + std::to_string(i) + ".mid"), midiFile(static_cast<uint8_t>(57 + 2 * i)));
    }
}

}  // namespace kvarnel::standin

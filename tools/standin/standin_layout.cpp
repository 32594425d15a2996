// The stand-in layout.
//
// [SECTION] Pictures and sounds made by code
// [SECTION] Window-level controls
// [SECTION] Panels
// [SECTION] Non-visual components
// [SECTION] Files
#include "standin/standin_layout.h"

#include <algorithm>
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
#include "standin/art.h"
#include "standin/audio_set.h"
#include "standin/catalogue_objects.h"
#include "standin/cave_art.h"
#include "standin/menu_art.h"
#include "standin/movie_set.h"
#include "standin/scene_builder.h"

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
std::vector<uint8_t> inventoryBar() {
    return gifValue(art::inventoryBar(9), std::vector<int>(9, 80));
}

// ---------------------------------------------------------------------------
// [SECTION] Window-level controls
// ---------------------------------------------------------------------------
// The shared mouse-down behaviour (the right button cuts a running text
// short) is bound under several names; which name a control carries does not
// matter to the game, only that every control that can be clicked has one.
constexpr const char* kMouseDown = "st4MouseDown";
constexpr const char* kItemMouseDown = "Nuz2MouseDown";
constexpr const char* kTalkMouseDown = "zrusitMouseDown";

struct ItemLook {
    const char* name;
    art::Item look;
    bool showsHint;  // the food and the coins carry a hint nobody sees
};
constexpr std::array<ItemLook, 7> kItems = {{
    {"Nuz", art::Item::Knife, true},
    {"Lano", art::Item::Rope, true},
    {"Jidlo", art::Item::Baguette, false},
    {"Olmeca", art::Item::Bottle, true},
    {"Lopata", art::Item::Shovel, true},
    {"Sperhak", art::Item::Crowbar, true},
    {"Penize", art::Item::Coins, false},
}};

void addWindowControls(Obj& form) {
    for (const ComponentSpec* row : catalogueChildren("TForm1")) {
        const std::string name(row->name);
        Obj o = objectFor(*row);
        if (name.starts_with("Otazka")) {
            o.ident("OnClick", name + "Click")
                .ident("OnMouseDown", kTalkMouseDown)
                .ident("OnMouseLeave", name + "MouseLeave")
                .ident("OnMouseMove", name + "MouseMove");
        } else if (name == "zrusit") {
            o.ident("OnClick", "zrusitClick")
                .ident("OnMouseDown", kTalkMouseDown)
                .ident("OnMouseLeave", "zrusitMouseLeave")
                .ident("OnMouseMove", "zrusitMouseMove");
        } else if (name == "Penez" || name == "Pitiva") {
            // The count labels lie over their item and take it as a click on
            // the item would.
            o.ident("OnClick", name + "Click").ident("OnMouseDown", kItemMouseDown).boolean("ShowHint", true);
        } else if (name == "Inventar") {
            o.binary("Image.Data", inventoryBar()).ident("OnMouseDown", kItemMouseDown);
        } else if (row->role == "item" || row->role == "held item") {
            const bool twin = row->role == "held item";
            const std::string itemName = twin ? name.substr(0, name.size() - 1) : name;
            const auto it =
                std::find_if(kItems.begin(), kItems.end(), [&](const ItemLook& i) { return itemName == i.name; });
            if (it == kItems.end()) throw std::logic_error("no picture for the item " + name);
            // Each item is drawn on the key colour, which its bottom-left
            // pixel carries, so the transparent picture shows only the item.
            o.bounds(0, 670, 62, 64)
                .binary("Picture.Data", bitmapPicture(art::itemPicture(it->look)))
                .ident("OnClick", name + "Click")
                .ident("OnMouseDown", kItemMouseDown);
            if (!twin && it->showsHint) o.boolean("ShowHint", true);
        } else if (row->role == "attribute flag") {
            o.bounds(row->left, row->top, 33, 33);
        } else {
            o.ident("OnMouseDown", kMouseDown);
        }
        form.child(std::move(o));
    }
}

// ---------------------------------------------------------------------------
// [SECTION] Panels
// ---------------------------------------------------------------------------
// The picture stretched behind the first interlude: a night-blue field with a
// lighter centre, dark enough for the white caption.
std::vector<uint8_t> interludePicture() {
    constexpr int kSide = 86;
    Image img;
    img.width = kSide;
    img.height = kSide;
    img.pixels.resize(static_cast<size_t>(kSide) * kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const double dx = (x - kSide / 2.0) / kSide, dy = (y - kSide / 2.0) / kSide;
            const double glow = std::max(0.0, 1.0 - 2.2 * std::sqrt(dx * dx + dy * dy));
            const auto channel = [&](int dark, int light) {
                return static_cast<uint32_t>(std::lround(dark + (light - dark) * glow));
            };
            img.at(x, y) = argb(static_cast<uint8_t>(channel(0x0A, 0x2A)), static_cast<uint8_t>(channel(0x10, 0x38)),
                                static_cast<uint8_t>(channel(0x28, 0x66)));
        }
    }
    return bitmapPicture(img);
}

Obj panelWithContents(std::string_view name) {
    const PanelSpec& row = panelRow(name);
    Obj p = panelFor(row);
    const std::string_view kind = row.kind;
    if (kind != "movie" && kind != "cover" && kind != "story flags") p.ident("OnMouseDown", kMouseDown);
    if (!row.background.empty()) {
        // The menu, cave and game pictures are drawn by the media set; the
        // interlude's own picture is here.
        Obj bg("TImage", std::string(row.background));
        bg.bounds(row.bgLeft, row.bgTop, row.bgWidth, row.bgHeight);
        if (row.bgStretch) bg.boolean("Stretch", true);
        if (name == "Textanimace") bg.binary("Picture.Data", interludePicture());
        if (kind != "interlude") bg.ident("OnMouseDown", kMouseDown);
        p.child(std::move(bg));
    }
    for (const ComponentSpec* c : catalogueChildren(name)) {
        const std::string child(c->name);
        if (c->kind == "drawing surface" && panelRow(name).kind == "cave") {
            p.child(objectFor(*c).ident("OnClick", "DXDraw2Click"));
        } else if (child == "HlavniMenu") {
            p.child(objectFor(*c)
                        .ident("Align", "alClient")
                        .ident("OnClick", "HlavniMenuClick")
                        .ident("OnMouseDown", "HlavniMenuMouseDown")
                        .ident("OnMouseUp", "HlavniMenuMouseUp"));
        } else if (c->kind == "drawing surface") {
            p.child(objectFor(*c).ident("OnMouseDown", kMouseDown));
        } else if (child == "Label123" || child == "Label124") {
            p.child(objectFor(*c)
                        .ident("OnClick", child + "Click")
                        .ident("OnMouseEnter", child + "MouseEnter")
                        .ident("OnMouseLeave", child + "MouseLeave"));
        } else if (child == "Label2" || child == "Label11") {
            p.child(objectFor(*c).ident("OnClick", child + "Click").ident("OnMouseDown", kMouseDown));
        } else if (c->kind == "label" && kind != "interlude") {
            p.child(objectFor(*c).ident("OnMouseDown", kMouseDown));
        } else if (c->role == "story flag" || c->role == "unused flag") {
            p.child(objectFor(*c).bounds(0, 0, 33, 33));
        } else {
            p.child(objectFor(*c));
        }
    }
    // The black covers inside the movie panels hide the movies' lower edge.
    for (const PanelSpec& cover : panelCatalogue()) {
        if (cover.parent == name) p.child(panelFor(cover));
    }
    return p;
}

void addPanels(Obj& form) {
    for (const PanelSpec& row : panelCatalogue()) {
        if (row.parent != "TForm1") continue;
        if (row.kind == "location") {
            // Drawn and covered with their hotspots.
            const auto scene = scenes::sceneByName(row.name);
            if (!scene) throw std::logic_error("no description table for the location " + std::string(row.name));
            form.child(buildLocationPanel(*scene));
        } else {
            form.child(panelWithContents(row.name));
        }
    }
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
    form.child(Obj("TDXSound", "DXSound1")
                   .integer("Left", 8)
                   .integer("Top", 8)
                   .boolean("AutoInitialize", true)
                   .members("Options", {}));
    form.child(Obj("TDXSound", "DXSound2")
                   .integer("Left", 40)
                   .integer("Top", 8)
                   .boolean("AutoInitialize", false)
                   .members("Options", {}));

    // Seventeen sound effects; the first is the inventory bar's slide.
    const std::vector<std::vector<uint8_t>> sounds = waveItems();
    std::vector<layout::CollectionItem> waves;
    for (int i = 0; i < 17; ++i) {
        std::vector<std::pair<std::string, layout::Value>> props;
        if (i == 0) props.emplace_back("Name", layout::Value::textValue("Inventar"));
        props.emplace_back("Looped", layout::Value::boolean(false));
        props.emplace_back("MaxPlayingCount", layout::Value::integerValue(0));
        props.emplace_back("Wave.WAVE", layout::Value::binary(sounds[static_cast<size_t>(i)]));
        waves.push_back(layout::item(std::move(props)));
    }
    form.child(Obj("TDXWaveList", "Zvuky")
                   .integer("Left", 72)
                   .integer("Top", 8)
                   .ident("DXSound", "DXSound2")
                   .collection("Items", std::move(waves)));
    // The picture lists of the drawing surfaces: the two small games', the
    // cave's and the main menu's.
    form.child(Obj("TDXImageList", "DXImageList1")
                   .integer("Left", 168)
                   .integer("Top", 8)
                   .ident("DXDraw", "DXDraw3")
                   .collection("Items", gamePictureItems()));
    form.child(Obj("TDXImageList", "Obrazky")
                   .integer("Left", 200)
                   .integer("Top", 8)
                   .ident("DXDraw", "DXDraw2")
                   .collection("Items", cavePictureItems()));
    form.child(Obj("TDXImageList", "GrafikaMenu")
                   .integer("Left", 232)
                   .integer("Top", 8)
                   .ident("DXDraw", "HlavniMenu")
                   .collection("Items", menuPictureItems()));
    form.child(Obj("TTimer", "Casodavac")
                   .integer("Interval", 50)
                   .ident("OnTimer", "CasodavacTimer")
                   .integer("Left", 104)
                   .integer("Top", 8));
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
    // runs.
    const auto cursors = cursorFiles();
    int movie = 0;
    for (const auto& asset : app::kAssetNames) {
        std::string rel(asset.onDisk);
        for (char& ch : rel) {
            if (ch == '\\') ch = '/';
        }
        std::filesystem::create_directories((folder / rel).parent_path());
        if (asset.working.starts_with("Animations")) {
            writeMovie(movie++, folder / rel);
            continue;
        }
        std::string working(asset.working);
        std::replace(working.begin(), working.end(), '\\', '/');
        const auto cursor =
            std::find_if(cursors.begin(), cursors.end(), [&](const auto& named) { return named.first == working; });
        if (cursor == cursors.end()) throw std::logic_error("no cursor drawn for " + working);
        writeFile(folder / rel, cursor->second);
    }
    for (int i = 1; i <= 6; ++i) {
        writeFile(folder / ("mmid" + std::to_string(i) + ".mid"), musicFile(i));
    }
}

}  // namespace kvarnel::standin

// Building components from a stream: properties, defaults, decoded
// payloads, handler binding, references and the errors of bad input.
#include <gtest/gtest.h>

#include <sstream>

#include "layout/errors.h"
#include "layout/layout.h"
#include "layout_fixture.h"

namespace kvarnel::layout {
namespace {

using testing::fixtureLayout;
using testing::patternImage;
using testing::sameImage;

Layout loadFixture() { return loadLayout(writeStream(fixtureLayout()), "fixture.layout"); }

TEST(LayoutTree, StoredPropertiesAndClassDefaults) {
    const Layout layout = loadFixture();
    EXPECT_EQ(layout.components().size(), 15u);

    const Form& form = layout.form();
    EXPECT_EQ(form.Caption, "Kvarnel");
    EXPECT_EQ(form.BorderStyle, "bsNone");
    EXPECT_EQ(form.Color, clBlack);
    EXPECT_EQ(form.Font_.Name, "Times New Roman");

    auto* panel = layout.findAs<Panel>("Natrzisti");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Left, 2);
    EXPECT_EQ(panel->Width, 1024);
    EXPECT_FALSE(panel->Visible);
    EXPECT_EQ(panel->Hint, "Jít k místnímu hostinci u Olmeků");
    ASSERT_EQ(panel->children.size(), 3u);
    EXPECT_EQ(panel->children[0]->Name, "PozadiNatrzisti");
    EXPECT_EQ(panel->children[0]->parent, panel);
    EXPECT_EQ(panel->parent, &layout.form());

    // A picture without a picture still exists and keeps the defaults.
    auto* hotspot = layout.findAs<ImageControl>("Image94");
    ASSERT_NE(hotspot, nullptr);
    EXPECT_TRUE(hotspot->Visible);
    EXPECT_FALSE(hotspot->Transparent);
    EXPECT_FALSE(hotspot->Stretch);
    EXPECT_TRUE(hotspot->Picture_.image().empty());
    EXPECT_EQ(hotspot->Align_, Align::alNone);
    EXPECT_EQ(layout.findAs<ImageControl>("PozadiNatrzisti")->Align_, Align::alClient);

    auto* popis = layout.findAs<Label>("Popis");
    ASSERT_NE(popis, nullptr);
    EXPECT_EQ(popis->Caption, "Nádherně modrá obloha.");
    EXPECT_TRUE(popis->AutoSize);       // default
    EXPECT_FALSE(popis->Transparent);   // default
    EXPECT_FALSE(popis->ParentFont);
    EXPECT_EQ(popis->Font_.Height, -16);
    EXPECT_EQ(popis->Font_.Color, 0x00FFFF);  // clYellow is 0x00BBGGRR
    EXPECT_EQ(popis->Font_.Charset, 238);
    EXPECT_TRUE(popis->Font_.Bold);
    EXPECT_TRUE(popis->Font_.Italic);
    EXPECT_EQ(colorToArgb(popis->Color), argb(0xC0, 0xDC, 0xC0));

    auto* gif = layout.findAs<GifAnimator>("Ztoci");
    ASSERT_NE(gif, nullptr);
    EXPECT_FALSE(gif->Animate);   // nothing starts animated
    EXPECT_TRUE(gif->AutoSize);
    EXPECT_FALSE(gif->Loop);
    EXPECT_TRUE(gif->Transparent);

    auto* timer = layout.findAs<Timer>("Casodavac");
    EXPECT_TRUE(timer->Enabled);
    EXPECT_EQ(timer->Interval, 50);
    EXPECT_EQ(timer->Left, -70000);
    EXPECT_EQ(layout.findAs<DXDraw>("DXDraw3")->Options, (std::vector<std::string>{"doCenter", "doHardware"}));
    EXPECT_EQ(layout.findAs<ShockwaveFlash>("ShockwaveFlash1")->ControlData.size(), 200u);
}

TEST(LayoutTree, ColourNamesBothWays) {
    struct Case {
        const char* name;
        TColor value;
    };
    // Blue in the high byte; the system colours carry the high bit.
    const Case cases[] = {
        {"clBlack", 0x000000},    {"clMaroon", 0x000080},         {"clNavy", 0x800000},   {"clRed", 0x0000FF},
        {"clYellow", 0x00FFFF},   {"clAqua", 0xFFFF00},           {"clSilver", 0xC0C0C0}, {"clWhite", 0xFFFFFF},
        {"clBtnFace", clBtnFace}, {"clWindowText", clWindowText},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(colorFromName(c.name), c.value) << c.name;
        EXPECT_EQ(colorName(c.value), c.name) << c.name;
    }
    EXPECT_EQ(colorFromName("clPink"), std::nullopt);
    EXPECT_EQ(colorName(0x123456), std::nullopt);
}

TEST(LayoutTree, PayloadsAreDecoded) {
    const Layout layout = loadFixture();

    // The bitmap whose header overstates its data by 864 bytes decodes whole,
    // down to its last rows.
    auto* penize = layout.findAs<ImageControl>("Penize");
    EXPECT_EQ(penize->Picture_.className, "TBitmap");
    EXPECT_TRUE(sameImage(patternImage(62, 64, 1), penize->Picture_.image()));

    auto* jpeg = layout.findAs<ImageControl>("PozadiNatrzisti");
    EXPECT_EQ(jpeg->Picture_.className, "TJPEGImage");
    EXPECT_EQ(jpeg->Picture_.image().width, 40);
    EXPECT_EQ(jpeg->Picture_.image().height, 30);

    auto* gif = layout.findAs<GifAnimator>("Ztoci");
    ASSERT_EQ(gif->Image_.frames().size(), 3u);
    EXPECT_EQ(gif->Image_.width, 8);
    EXPECT_EQ(gif->Image_.frames()[0].delayMs, 100);
    EXPECT_EQ(gif->Image_.frames()[1].delayMs, 50);     // 30 ms is raised to the minimum
    EXPECT_EQ(gif->Image_.frames()[2].delayMs, 10000);  // 20 s is cut to the maximum
    EXPECT_EQ(gif->Image_.frames()[1].image.at(3, 2) >> 24, 0u);  // the transparent hole

    auto* list = layout.findAs<DXImageList>("DXImageList1");
    ASSERT_EQ(list->Items.size(), 3u);
    EXPECT_TRUE(sameImage(patternImage(35, 35, 2), list->Items[0].Picture_.image()));
    EXPECT_EQ(list->Items[1].Name, "Palka");
    EXPECT_TRUE(sameImage(patternImage(106, 27, 3), list->Items[1].Picture_.image()));
    EXPECT_EQ(list->Items[0].TransparentColor, 0xFFFFFF);
    EXPECT_EQ(list->Items[1].TransparentColor, 0x00FF00FF);
    // An unknown picture class reads as an empty picture.
    EXPECT_FALSE(list->Items[2].Picture_.known);
    EXPECT_TRUE(list->Items[2].Picture_.image().empty());
    EXPECT_EQ(list->ColorTable.size(), 1024u);

    auto* waves = layout.findAs<DXWaveList>("Zvuky");
    ASSERT_EQ(waves->Items.size(), 1u);
    EXPECT_EQ(waves->Items[0].Name, "Inventar");
    EXPECT_EQ(waves->Items[0].format.samplesPerSecond, 22050);
    EXPECT_EQ(waves->Items[0].format.durationMs(), 20);
    EXPECT_EQ(waves->Items[0].Wave, testing::testWave());  // kept byte for byte
}

TEST(LayoutTree, ReferencesResolveAfterTheWholeStream) {
    const Layout layout = loadFixture();
    EXPECT_EQ(layout.findAs<DXWaveList>("Zvuky")->DXSound_, layout.findAs<DXSound>("DXSound2"));
    EXPECT_EQ(layout.findAs<DXImageList>("DXImageList1")->DXDraw_, layout.findAs<DXDraw>("DXDraw3"));
    // Names are looked up without regard to case, as the original did.
    EXPECT_EQ(layout.find("popis"), layout.find("Popis"));
    EXPECT_EQ(layout.find("NoSuchThing"), nullptr);
    EXPECT_EQ(layout.findAs<Label>("Natrzisti"), nullptr);  // wrong class
}

TEST(LayoutTree, EventsBindToHandlersByName) {
    Layout layout = loadFixture();
    HandlerRegistry registry;
    std::vector<std::string> fired;
    registry.add("Image94Click", [&](const EventArgs& a) { fired.push_back("click " + a.sender->Name); });
    registry.add("st4MouseDown", [&](const EventArgs& a) {
        fired.push_back("down " + a.sender->Name + " " + std::to_string(a.x));
    });
    layout.bindHandlers(registry);

    auto* hotspot = layout.findAs<ImageControl>("Image94");
    hotspot->OnMouseDown.fire({hotspot, MouseButton::Left, 5, 6});
    hotspot->OnClick.fire({hotspot});
    hotspot->OnMouseUp.fire({hotspot});  // not stored: nothing happens
    EXPECT_EQ(fired, (std::vector<std::string>{"down Image94 5", "click Image94"}));

    EXPECT_EQ(layout.bindingCount(), 8u);
    EXPECT_EQ(layout.unboundHandlerNames(),
              (std::vector<std::string>{"BonusHraMouseDown", "CasodavacTimer", "FormClose", "FormCreate",
                                        "PopisMouseEnter", "Skladba1Notify"}));
}

TEST(LayoutTree, DumpPrintsEveryComponentWithItsPayloads) {
    const ObjectRecord root = readStream(writeStream(fixtureLayout()));
    const Layout layout = buildLayout(root);
    std::ostringstream out;
    dumpLayout(root, layout, out);
    const std::string text = out.str();
    for (const char* expected : {
             "TForm1 Form1: Left=196 BorderStyle=bsNone Caption=\"Kvarnel\"",
             "\n  TPanel Natrzisti: Left=2 Top=0 Width=1024 Height=625",
             "\n    TImage PozadiNatrzisti: ",
             "Picture.Data=<TJPEGImage 40x30>",
             "Image.Data=<GIF 8x6, 3 frames>",
             "Picture.Data=<TBitmap 62x64>",
             "Caption=\"Nádherně modrá obloha.\"",
             "Font.Style=[fsBold, fsItalic]",
             "Items=<3 items>",
             "  - Items[1]: Name=\"Palka\" Picture.Data=<TDIB 106x27> TransparentColor=16711935",
             "Picture.Data=<TJvGIFImage (unknown picture class, left empty)>",
             "Wave.WAVE=<WAVE PCM 1ch 8bit 22050Hz, 20 ms>",
             "ControlData=<200 bytes>",
         }) {
        EXPECT_NE(text.find(expected), std::string::npos) << "missing: " << expected << "\nin:\n" << text;
    }
    // One line per component plus one per collection item.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 15 + 4);
}

// Each broken layout and the parts its error message must contain.
TEST(LayoutTree, BadComponentsNameTheComponentPropertyAndOffset) {
    struct Case {
        const char* what;
        ObjectRecord root;
        std::vector<std::string> expected;
    };
    auto form = [](Obj child) { return std::move(Obj("TForm1", "Form1").child(std::move(child))).record(); };
    std::vector<uint8_t> brokenJpeg = encodePictureRecord("TJPEGImage", std::vector<uint8_t>{0xFF, 0xD8, 0xFF, 0xE0, 1, 2});
    const Case cases[] = {
        {"unknown class", form(Obj("TButton", "Button1")), {"'Button1'", "unknown class 'TButton'"}},
        {"a second window", form(Obj("TForm1", "Inner")), {"unknown class 'TForm1'"}},
        {"property the class lacks", form(Obj("TImage", "Image1").integer("Interval", 5)),
         {"'Image1' (TImage)", "property 'Interval'", "no such property"}},
        {"wrong value kind", form(Obj("TLabel", "L").integer("Caption", 5)),
         {"property 'Caption'", "expected a string, found Int8"}},
        {"unknown colour", form(Obj("TPanel", "P").ident("Color", "clPlaid")), {"unknown colour 'clPlaid'"}},
        {"unknown alignment", form(Obj("TImage", "I").ident("Align", "alMiddle")), {"unknown alignment"}},
        {"unknown font style", form(Obj("TLabel", "L").members("Font.Style", {"fsBlink"})), {"fsBlink"}},
        {"picture that does not decode", form(Obj("TImage", "Image7").binary("Picture.Data", brokenJpeg)),
         {"'Image7' (TImage)", "property 'Picture.Data'", "TJPEGImage"}},
        {"GIF count past the value", form(Obj("TRxGIFAnimator", "G").binary("Image.Data", {200, 0, 0, 0, 'G'})),
         {"property 'Image.Data'", "runs past"}},
        {"wave that is not RIFF",
         form(Obj("TDXWaveList", "W").collection("Items", {item({{"Wave.WAVE", Value::binary({'R', 'I', 'F', 'X'})}})})),
         {"property 'Items[0].Wave.WAVE'"}},
        {"item property a list item lacks",
         form(Obj("TDXWaveList", "W").collection("Items", {item({{"Colour", Value::integerValue(1)}})})),
         {"'Items[0].Colour'"}},
        {"duplicate name", std::move(Obj("TForm1", "Form1").child(Obj("TImage", "A")).child(Obj("TLabel", "a"))).record(),
         {"'a' (TLabel)", "already exists"}},
        {"reference to nothing", form(Obj("TDXWaveList", "Zvuky").ident("DXSound", "DXSound9")),
         {"'Zvuky'", "property 'DXSound'", "no component named 'DXSound9'"}},
        {"reference of the wrong class",
         std::move(Obj("TForm1", "Form1").child(Obj("TDXImageList", "L").ident("DXDraw", "T")).child(Obj("TTimer", "T")))
             .record(),
         {"'T' is not a TDXDraw"}},
        {"child of a label", form(Obj("TLabel", "L").child(Obj("TImage", "I"))), {"cannot contain"}},
        {"root of another class", std::move(Obj("TPanel", "P")).record(), {"must be of class TForm1"}},
    };
    for (const auto& c : cases) {
        const std::vector<uint8_t> bytes = writeStream(c.root);
        try {
            loadLayout(bytes, "bad.layout");
            ADD_FAILURE() << c.what << ": no error";
        } catch (const LayoutError& e) {
            const std::string msg = e.what();
            EXPECT_EQ(msg.rfind("bad.layout: offset ", 0), 0u) << c.what << ": " << msg;
            for (const auto& part : c.expected) {
                EXPECT_NE(msg.find(part), std::string::npos) << c.what << ": '" << part << "' not in: " << msg;
            }
        }
    }
}

TEST(LayoutTree, DecoderErrorOffsetsPointIntoTheStream) {
    // A JPEG whose data is cut short: the error offset must lie inside the
    // binary value's bytes in the stream.
    std::vector<uint8_t> jpeg = encodeJpeg(patternImage(16, 16), 80);
    jpeg.resize(jpeg.size() / 3);
    const ObjectRecord root =
        std::move(Obj("TForm1", "Form1").child(Obj("TImage", "I").binary("Picture.Data", encodePictureRecord("TJPEGImage", jpeg))))
            .record();
    const std::vector<uint8_t> bytes = writeStream(root);
    const ObjectRecord read = readStream(bytes);
    const Value& v = read.children[0].properties[0].value;
    try {
        buildLayout(read);
        FAIL() << "a cut JPEG decoded";
    } catch (const LayoutError& e) {
        const std::string msg = e.what();
        const auto at = msg.find("offset ");
        ASSERT_NE(at, std::string::npos) << msg;
        const size_t offset = std::stoul(msg.substr(at + 7));
        EXPECT_GE(offset, v.binaryDataOffset()) << msg;
        EXPECT_LE(offset, v.binaryDataOffset() + v.bytes.size()) << msg;
    }
}

}  // namespace
}  // namespace kvarnel::layout

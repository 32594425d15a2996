// A small layout that uses every value tag and every payload kind the reader
// knows, shared by the stream and component-tree tests.
#pragma once

#include <cstdint>
#include <vector>

#include "codec_test_support.h"
#include "layout/bitmap_codec.h"
#include "layout/gif_codec.h"
#include "layout/jpeg_codec.h"
#include "layout/picture_record.h"
#include "layout/record_builder.h"
#include "layout/wave.h"

namespace kvarnel::layout::testing {

// Three frames; the middle one leaves a transparent hole.
inline std::vector<Image> gifFrames() {
    std::vector<Image> frames;
    for (int f = 0; f < 3; ++f) {
        Image img{8, 6, std::vector<uint32_t>(48, argb(10 * f, 200, 30))};
        if (f == 1) img.at(3, 2) = 0;
        frames.push_back(img);
    }
    return frames;
}

// The original's bitmaps: 24-bit, 216-entry colour table, headers and byte
// count overstating the data by the table's 864 bytes.
inline std::vector<uint8_t> lyingBitmapRecord(const Image& img) {
    return encodePictureRecord("TBitmap", encodeBmpFile(img, 24, 216, 864), 864);
}

inline std::vector<uint8_t> testWave() {
    std::vector<uint8_t> samples(441);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<uint8_t>(128 + (i % 20) * 4);
    return makeWave(1, 8, 22050, samples);
}

inline ObjectRecord fixtureLayout() {
    const Image penize = patternImage(62, 64, 1);
    Obj form("TForm1", "Form1");
    form.integer("Left", 196)
        .ident("BorderStyle", "bsNone")
        .text("Caption", "Kvarnel")
        .ident("Color", "clBlack")
        .members("Font.Style", {})
        .text("Font.Name", "Times New Roman")
        .integer("Font.Height", -11)
        .ident("OnCreate", "FormCreate")
        .ident("OnClose", "FormClose")
        .ident("OnMouseDown", "BonusHraMouseDown");
    form.child(Obj("TPanel", "Natrzisti")
                   .bounds(2, 0, 1024, 625)
                   .ident("BevelOuter", "bvNone")
                   .ident("Color", "clBlack")
                   .integer("TabOrder", 3)
                   .boolean("Visible", false)
                   .text("Hint", "Jít k místnímu hostinci u Olmeků")
                   .child(Obj("TImage", "PozadiNatrzisti")
                              .bounds(0, 0, 1024, 625)
                              .ident("Align", "alClient")
                              .boolean("Center", true)
                              .binary("Picture.Data",
                                      encodePictureRecord("TJPEGImage", encodeJpeg(patternImage(40, 30), 90))))
                   .child(Obj("TImage", "Image94").bounds(10, 20, 30, 40).ident("OnClick", "Image94Click").ident(
                       "OnMouseDown", "st4MouseDown"))
                   .child(Obj("TRxGIFAnimator", "Ztoci")
                              .bounds(100, 60, 8, 6)
                              .binary("Image.Data", encodeGifControlValue(encodeGifFromImages(gifFrames(), {100, 30, 20000})))
                              .boolean("Loop", false)));
    form.child(Obj("TImage", "Penize")
                   .bounds(0, 670, 62, 64)
                   .boolean("Transparent", true)
                   .binary("Picture.Data", lyingBitmapRecord(penize))
                   .boolean("Visible", false));
    form.child(Obj("TLabel", "Popis")
                   .bounds(24, 628, 4, 20)
                   .text("Caption", "Nádherně modrá obloha.")
                   .ident("Font.Color", "clYellow")
                   .integer("Font.Height", -16)
                   .ident("Font.Charset", "EASTEUROPE_CHARSET")
                   .members("Font.Style", {"fsBold", "fsItalic"})
                   .boolean("ParentFont", false)
                   .integer("Color", 0x00C0DCC0)
                   .boolean("ParentColor", false)
                   .ident("OnMouseEnter", "PopisMouseEnter"));
    form.child(Obj("TDXImageList", "DXImageList1")
                   .integer("Left", 8)
                   .ident("DXDraw", "DXDraw3")
                   .binary("Items.ColorTable", std::vector<uint8_t>(1024, 0))
                   .collection("Items",
                               {item({{"PatternHeight", Value::integerValue(0)},
                                      {"Picture.Data", Value::binary(encodePictureRecord(
                                                           "TDIB", encodeDib(patternImage(35, 35, 2), 32)))},
                                      {"TransparentColor", Value::ident("clWhite")}}),
                                item({{"Name", Value::textValue("Palka")},
                                      {"Picture.Data", Value::binary(encodePictureRecord(
                                                           "TDIB", encodeDib(patternImage(106, 27, 3), 32)))},
                                      {"TransparentColor", Value::integerValue(0x00FF00FF)}}),
                                item({{"Picture.Data",
                                       Value::binary(encodePictureRecord(
                                           "TJvGIFImage", encodeGifFromImages({patternImage(4, 4)}, {})))}})}));
    form.child(Obj("TDXWaveList", "Zvuky")
                   .ident("DXSound", "DXSound2")  // a reference to a later component
                   .collection("Items", {item({{"Name", Value::textValue("Inventar")},
                                               {"Looped", Value::boolean(false)},
                                               {"Wave.WAVE", Value::binary(testWave())}})}));
    form.child(Obj("TPanel", "BonusHra").bounds(0, 0, 1024, 768).child(Obj("TDXDraw", "DXDraw3")
                                                                           .bounds(0, 0, 640, 480)
                                                                           .members("Options", {"doCenter", "doHardware"})
                                                                           .integer("SurfaceWidth", 640)));
    form.child(Obj("TDXSound", "DXSound2").boolean("AutoInitialize", false));
    form.child(Obj("TShockwaveFlash", "ShockwaveFlash1").binary("ControlData", std::vector<uint8_t>(200, 7)));
    form.child(Obj("TMediaPlayer", "Skladba1").ident("OnNotify", "Skladba1Notify"));
    form.child(Obj("TTimer", "Casodavac").integer("Interval", 50).integer("Left", -70000).ident("OnTimer", "CasodavacTimer"));
    form.child(Obj("TDXTimer", "Start").integer("Interval", 17));
    return std::move(form).record();
}

}  // namespace kvarnel::layout::testing

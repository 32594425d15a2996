// The control runtime: stacking and mouse routing, labels, GIF stepping,
// drawing surfaces and the composed screen.
#include "layout/screen.h"

#include <gtest/gtest.h>

#include "codec_test_support.h"
#include "layout/bitmap_codec.h"
#include "layout/blit.h"
#include "layout/compositor.h"
#include "layout/gif_codec.h"
#include "layout/jpeg_codec.h"
#include "layout/picture_record.h"
#include "layout/record_builder.h"
#include "layout/surface.h"

namespace kvarnel::layout {
namespace {

// Letters as solid boxes 7 pixels wide and the font's height tall, so sizes
// and ink are predictable.
class BoxText : public platform::TextRasterizer {
public:
    platform::TextSize measure(const platform::FontSpec& f, std::string_view s) override {
        return {7 * static_cast<int>(s.size()), f.pixelHeight + 2};
    }
    platform::TextMask render(const platform::FontSpec& f, std::string_view s) override {
        const auto size = measure(f, s);
        return {size.width, size.height, std::vector<uint8_t>(static_cast<size_t>(size.width) * size.height, 255)};
    }
};

Image solid(int w, int h, uint32_t c) {
    return Image{w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h, c)};
}

struct Fixture {
    BoxText text;
    Layout layout;
    std::unique_ptr<Screen> screen;
    std::vector<std::string> events;
    HandlerRegistry handlers;

    explicit Fixture(ObjectRecord root) : layout(loadLayout(writeStream(root))) {
        for (const char* name : {"Down", "Click", "Up", "Enter", "Leave", "Move", "Stop"}) {
            handlers.add(
                name, [this, name](const EventArgs& a) { events.push_back(std::string(name) + " " + a.sender->Name); });
        }
        layout.bindHandlers(handlers);
        screen = std::make_unique<Screen>(layout, text);
        screen->setScreenSize(1024, 768);
        screen->applyAutoSizes();
    }
};

Obj hotspot(std::string name, int l, int t, int w, int h) {
    return std::move(Obj("TImage", std::move(name))
                         .bounds(l, t, w, h)
                         .ident("OnMouseDown", "Down")
                         .ident("OnClick", "Click")
                         .ident("OnMouseUp", "Up"));
}

ObjectRecord routingLayout() {
    const auto picture = encodePictureRecord("TJPEGImage", encodeJpeg(solid(100, 100, argb(200, 30, 30)), 95));
    Obj form("TForm1", "Form1");
    form.ident("OnMouseDown", "Down").ident("Color", "clBlack");
    form.child(Obj("TPanel", "Scene")
                   .bounds(100, 50, 400, 300)
                   .ident("Color", "clNavy")
                   .ident("OnMouseDown", "Down")
                   .child(hotspot("Background", 0, 0, 400, 300).binary("Picture.Data", picture))
                   .child(hotspot("Early", 10, 10, 100, 100))
                   .child(hotspot("Late", 50, 50, 100, 100))  // over Early where they overlap
                   .child(hotspot("Hidden", 60, 60, 20, 20).boolean("Visible", false))
                   .child(hotspot("Disabled", 20, 80, 20, 20).boolean("Enabled", false))
                   .child(hotspot("Sticking", 380, 10, 100, 50))  // runs out of its panel
                   .child(Obj("TLabel", "Exit")
                              .bounds(200, 200, 40, 40)
                              .boolean("AutoSize", false)
                              .ident("OnMouseEnter", "Enter")
                              .ident("OnMouseLeave", "Leave")
                              .ident("OnMouseMove", "Move")
                              .ident("OnClick", "Click"))
                   .child(Obj("TPanel", "Cover").bounds(300, 0, 100, 100).ident("OnMouseDown", "Down")));
    // A drawn control on the window lies beneath the panel above.
    form.child(hotspot("UnderPanel", 150, 100, 50, 50));
    return std::move(form).record();
}

TEST(ScreenRouting, TheTopmostShowingControlTakesTheMouse) {
    Fixture f(routingLayout());
    struct Case {
        int x, y;
        const char* expected;
    };
    const Case cases[] = {
        {100 + 20, 50 + 20, "Early"},
        {100 + 70, 50 + 70, "Late"},        // the later sibling lies above
        {100 + 65, 50 + 65, "Late"},        // a hidden control lets the mouse through
        {100 + 25, 50 + 85, "Early"},       // so does a disabled one, drawn as it is
        {100 + 5, 50 + 200, "Background"},  // a picture under nothing else
        {100 + 350, 50 + 20, "Cover"},      // a windowed control covers drawn siblings, even later ones
        {100 + 390, 50 + 80, "Cover"},
        {100 + 390, 50 + 150, "Background"},
        {520, 70, "Form1"},  // Sticking is clipped to its panel
        {160, 110, "Late"},  // the panel covers UnderPanel on the window
        {600, 600, "Form1"},
        {100 + 210, 50 + 210, "Exit"},  // a caption-less label takes clicks
    };
    for (const auto& c : cases) {
        Control* hit = f.screen->hitTest(c.x, c.y);
        ASSERT_NE(hit, nullptr);
        EXPECT_EQ(hit->Name, c.expected) << "at " << c.x << "," << c.y;
    }
    // Hiding the panel uncovers what lay beneath it.
    f.layout.findAs<Panel>("Scene")->Visible = false;
    EXPECT_EQ(f.screen->hitTest(160, 110)->Name, "UnderPanel");
    EXPECT_EQ(f.screen->hitTest(100 + 20, 50 + 20)->Name, "Form1");
    f.layout.findAs<Panel>("Scene")->Visible = true;
    f.layout.findAs<ImageControl>("Disabled")->Enabled = true;
    EXPECT_EQ(f.screen->hitTest(100 + 25, 50 + 85)->Name, "Disabled");
}

TEST(ScreenRouting, ClickOrderAndTheRightButton) {
    Fixture f(routingLayout());
    f.screen->mouseDown(MouseButton::Left, 120, 70);
    f.screen->mouseUp(MouseButton::Left, 120, 70);
    EXPECT_EQ(f.events, (std::vector<std::string>{"Down Early", "Click Early", "Up Early"}));

    f.events.clear();
    f.screen->mouseDown(MouseButton::Right, 120, 70);
    f.screen->mouseUp(MouseButton::Right, 120, 70);
    EXPECT_EQ(f.events, (std::vector<std::string>{"Down Early", "Up Early"}));

    // Released elsewhere: no click, and the release goes to the pressed control.
    f.events.clear();
    f.screen->mouseDown(MouseButton::Left, 120, 70);
    f.screen->mouseUp(MouseButton::Left, 400, 300);
    EXPECT_EQ(f.events, (std::vector<std::string>{"Down Early", "Up Early"}));

    // The window's own handler where no control lies.
    f.events.clear();
    f.screen->mouseDown(MouseButton::Left, 900, 700);
    EXPECT_EQ(f.events, (std::vector<std::string>{"Down Form1"}));
}

TEST(ScreenRouting, LabelsHearTheMouseEnterAndLeave) {
    Fixture f(routingLayout());
    f.screen->mouseMove(100 + 210, 50 + 210, 0);
    f.screen->mouseMove(100 + 215, 50 + 215, 10);
    f.screen->mouseMove(100 + 20, 50 + 20, 20);
    // The move reaches the label first; entering is noticed once the move is
    // handled, as the original's idle-time check did.
    EXPECT_EQ(f.events, (std::vector<std::string>{"Move Exit", "Enter Exit", "Move Exit", "Leave Exit"}));
    // A label that appears under a resting pointer is entered.
    f.events.clear();
    auto* exitLabel = f.layout.findAs<Label>("Exit");
    f.screen->updateHover(100 + 210, 50 + 210, 30);
    exitLabel->Visible = false;
    f.screen->updateHover(100 + 210, 50 + 210, 40);
    EXPECT_EQ(f.events, (std::vector<std::string>{"Enter Exit", "Leave Exit"}));
}

TEST(ScreenRouting, AlignClientFillsTheParentAndAutoSizeTakesThePicture) {
    Obj form("TForm1", "Form1");
    form.child(
        Obj("TPanel", "P")
            .bounds(10, 20, 300, 200)
            .child(Obj("TImage", "Fill").bounds(5, 5, 10, 10).ident("Align", "alClient"))
            .child(Obj("TImage", "Auto")
                       .bounds(0, 0, 1, 1)
                       .boolean("AutoSize", true)
                       .binary("Picture.Data",
                               encodePictureRecord("TBitmap", encodeBmpFile(solid(33, 44, argb(1, 2, 3)), 24)))));
    Fixture f(std::move(form).record());
    EXPECT_EQ(f.screen->bounds(*f.layout.findAs<ImageControl>("Fill")), (ScreenRect{10, 20, 300, 200}));
    EXPECT_EQ(f.screen->bounds(*f.layout.findAs<ImageControl>("Auto")), (ScreenRect{10, 20, 33, 44}));
}

TEST(ScreenLabels, AutoSizeFollowsEveryCaptionChange) {
    Obj form("TForm1", "Form1");
    form.integer("Font.Height", -11);
    form.child(Obj("TLabel", "Auto")
                   .bounds(0, 0, 4, 20)
                   .text("Caption", "abc")
                   .integer("Font.Height", -16)
                   .boolean("ParentFont", false));
    form.child(Obj("TLabel", "Fixed").bounds(0, 0, 50, 20).boolean("AutoSize", false).text("Caption", "abc"));
    form.child(Obj("TLabel", "Inherits").bounds(0, 0, 4, 4).text("Caption", "ab"));
    Fixture f(std::move(form).record());
    auto* autoLabel = f.layout.findAs<Label>("Auto");
    EXPECT_EQ(autoLabel->Width, 21);   // sized at load: 3 letters of 7
    EXPECT_EQ(autoLabel->Height, 18);  // 16-pixel font
    f.screen->setCaption(*autoLabel, "Nádherně");
    EXPECT_EQ(autoLabel->Width, 7 * static_cast<int>(std::string("Nádherně").size()));
    f.screen->setCaption(*autoLabel, "");
    EXPECT_EQ(autoLabel->Width, 0);
    auto* fixed = f.layout.findAs<Label>("Fixed");
    f.screen->setCaption(*fixed, "a much longer caption");
    EXPECT_EQ(fixed->Width, 50);
    EXPECT_EQ(f.layout.findAs<Label>("Inherits")->Height, 13);  // the window's 11-pixel font
}

// Three frames of 100, 200 and 50 ms.
ObjectRecord gifLayout(bool loop) {
    std::vector<Image> frames = {solid(4, 4, argb(255, 0, 0)), solid(4, 4, argb(0, 255, 0)),
                                 solid(4, 4, argb(0, 0, 255))};
    Obj gif("TRxGIFAnimator", "Gif");
    gif.bounds(0, 0, 4, 4).binary("Image.Data", encodeGifControlValue(encodeGifFromImages(frames, {100, 200, 50})));
    gif.ident("OnStop", "Stop");
    if (!loop) gif.boolean("Loop", false);
    Obj form("TForm1", "Form1");
    form.child(std::move(gif));
    return std::move(form).record();
}

TEST(ScreenGif, FramesStepByTheirOwnDelays) {
    Fixture f(gifLayout(true));
    auto* gif = f.layout.findAs<GifAnimator>("Gif");
    EXPECT_FALSE(f.screen->advanceAnimations(0));  // nothing runs at start
    f.screen->startAnimation(*gif);
    f.screen->advanceAnimations(1000);  // schedules the first step
    struct Step {
        uint64_t at;
        int frame;
    };
    for (const Step s : {Step{1099, 0}, Step{1100, 1}, Step{1299, 1}, Step{1300, 2}, Step{1350, 0}, Step{1450, 1}}) {
        f.screen->advanceAnimations(s.at);
        EXPECT_EQ(gif->FrameIndex, s.frame) << "at " << s.at;
    }
    // Hidden: the frame stays, the timing goes on.
    gif->Visible = false;
    f.screen->advanceAnimations(2000);
    EXPECT_EQ(gif->FrameIndex, 1);
    gif->Visible = true;
    // Setting the frame restarts that frame's delay.
    f.screen->setFrameIndex(*gif, 2);
    f.screen->setFrameIndex(*gif, 7);  // outside the frames: ignored
    EXPECT_EQ(gif->FrameIndex, 2);
    f.screen->advanceAnimations(3000);
    f.screen->advanceAnimations(3049);
    EXPECT_EQ(gif->FrameIndex, 2);
    f.screen->advanceAnimations(3050);
    EXPECT_EQ(gif->FrameIndex, 0);
    EXPECT_TRUE(f.events.empty());
    f.screen->stopAnimation(*gif);
    f.screen->stopAnimation(*gif);  // not running: no second OnStop
    EXPECT_EQ(f.events, (std::vector<std::string>{"Stop Gif"}));
}

TEST(ScreenGif, WithoutLoopItStopsAtFrameZeroAndPlaysAgainWhenStarted) {
    Fixture f(gifLayout(false));
    auto* gif = f.layout.findAs<GifAnimator>("Gif");
    for (int round = 0; round < 2; ++round) {
        f.events.clear();
        f.screen->startAnimation(*gif);
        uint64_t t = 10000 * (round + 1);
        f.screen->advanceAnimations(t);
        f.screen->advanceAnimations(t + 349);
        EXPECT_EQ(gif->FrameIndex, 2);
        EXPECT_TRUE(gif->Animate);
        f.screen->advanceAnimations(t + 350);
        EXPECT_EQ(gif->FrameIndex, 0);
        EXPECT_FALSE(gif->Animate);
        EXPECT_EQ(f.events, (std::vector<std::string>{"Stop Gif"}));
        f.screen->advanceAnimations(t + 5000);
        EXPECT_EQ(gif->FrameIndex, 0);
    }
}

// A spot of a composed picture and the colour it must show, within the
// rounding a JPEG leaves (6 in each channel).
struct Spot {
    int x, y;
    uint32_t colour;
    const char* what;
};

void expectSpots(const Image& fb, std::initializer_list<Spot> spots) {
    for (const auto& s : spots) {
        const uint32_t actual = fb.at(s.x, s.y);
        bool near = true;
        for (int shift : {0, 8, 16}) {
            near = near && std::abs(static_cast<int>((actual >> shift) & 0xFF) -
                                    static_cast<int>((s.colour >> shift) & 0xFF)) <= 6;
        }
        EXPECT_TRUE(near) << s.what << ": " << testing::hexPixel(actual) << " vs " << testing::hexPixel(s.colour);
    }
}

// A screen with a JPEG background, a transparent bitmap sprite, a GIF with a
// transparent hole, and labels; checked pixel by pixel at known spots.
TEST(ScreenCompositor, DrawsEveryControlKindInStackingOrder) {
    Image sprite = solid(20, 20, argb(0, 200, 0));
    for (int x = 0; x < 10; ++x) {
        for (int y = 10; y < 20; ++y) sprite.at(x, y) = argb(255, 0, 255);  // bottom-left quarter: the key colour
    }
    std::vector<Image> frames = {solid(10, 10, argb(0, 0, 250)), solid(10, 10, argb(0, 0, 250))};
    frames[0].at(5, 5) = 0;
    Obj form("TForm1", "Form1");
    form.ident("Color", "clBlack");
    form.child(
        Obj("TPanel", "Scene")
            .bounds(100, 100, 200, 100)
            .ident("Color", "clMaroon")
            .child(Obj("TImage", "Bg")
                       .bounds(0, 0, 100, 100)
                       .binary("Picture.Data",
                               encodePictureRecord("TJPEGImage", encodeJpeg(solid(50, 50, argb(250, 250, 250)), 95)))
                       .boolean("Stretch", true))
            .child(Obj("TImage", "Sprite")
                       .bounds(20, 20, 20, 20)
                       .boolean("Transparent", true)
                       .binary("Picture.Data", encodePictureRecord("TBitmap", encodeBmpFile(sprite, 24))))
            .child(Obj("TRxGIFAnimator", "Gif")
                       .bounds(60, 60, 10, 10)
                       .binary("Image.Data", encodeGifControlValue(encodeGifFromImages(frames, {})))));
    form.child(Obj("TLabel", "Text")
                   .bounds(400, 400, 4, 4)
                   .text("Caption", "ab")
                   .ident("Font.Color", "clYellow")
                   .boolean("ParentFont", false)
                   .ident("Color", "clNavy")
                   .boolean("ParentColor", false));
    Fixture f(std::move(form).record());
    Compositor compositor(*f.screen);
    Image fb;
    compositor.compose(fb);
    ASSERT_EQ(fb.width, 1024);
    // The box letters fill the label but for what lies below the text line.
    f.layout.findAs<Label>("Text")->AutoSize = false;
    f.layout.findAs<Label>("Text")->Height = 20;
    compositor.compose(fb);
    expectSpots(fb, {
                        {5, 5, argb(0, 0, 0), "the black window"},
                        {150, 150, argb(250, 250, 250), "the background stretched to 100x100"},
                        {250, 150, argb(0x80, 0, 0), "the panel's own colour"},
                        {135, 125, argb(0, 200, 0), "the sprite"},
                        {125, 135, argb(250, 250, 250), "the sprite's key colour leaves the background"},
                        {161, 161, argb(0, 0, 250), "the GIF frame"},
                        {165, 165, argb(250, 250, 250), "the GIF's transparent pixel"},
                        {403, 403, argb(255, 255, 0), "the label's letters"},
                        {401, 401 + 14, argb(0, 0, 0x80), "the label's background below the letters"},
                        {399, 401, argb(0, 0, 0), "beside the label"},
                    });
    // Nothing changed: same fingerprint; a caption change shows.
    const uint64_t before = compositor.fingerprint();
    EXPECT_EQ(compositor.fingerprint(), before);
    f.screen->setCaption(*f.layout.findAs<Label>("Text"), "abc");
    EXPECT_NE(compositor.fingerprint(), before);
}

// What an opaque picture covers is not filled first, and everything beside
// it still is: a centred picture and one at its natural size smaller than
// their controls, a transparent bitmap (not opaque), on a panel on a window
// whose colours differ from the black a new buffer starts with.
TEST(ScreenCompositor, FillsStayWhereNoOpaquePictureCoversThem) {
    const auto jpeg = encodePictureRecord("TJPEGImage", encodeJpeg(solid(20, 20, argb(250, 250, 250)), 95));
    Image keyed = solid(20, 20, argb(0, 200, 0));
    for (int x = 0; x < 20; ++x) keyed.at(x, 19) = argb(255, 0, 255);  // the key colour: its bottom row
    Obj form("TForm1", "Form1");
    form.ident("Color", "clNavy");
    form.child(
        Obj("TPanel", "Scene")
            .bounds(100, 100, 300, 100)
            .ident("Color", "clMaroon")
            .child(Obj("TImage", "Centred").bounds(0, 0, 60, 60).boolean("Center", true).binary("Picture.Data", jpeg))
            .child(Obj("TImage", "Natural").bounds(100, 0, 60, 60).binary("Picture.Data", jpeg))
            .child(Obj("TImage", "Keyed")
                       .bounds(200, 0, 20, 20)
                       .boolean("Transparent", true)
                       .binary("Picture.Data", encodePictureRecord("TBitmap", encodeBmpFile(keyed, 24)))));
    Fixture f(std::move(form).record());
    Compositor compositor(*f.screen);
    Image fb;
    compositor.compose(fb);
    const uint32_t white = argb(250, 250, 250), maroon = argb(0x80, 0, 0), navy = argb(0, 0, 0x80);
    expectSpots(fb, {
                        {130, 130, white, "the centred picture"},
                        {105, 105, maroon, "the panel around the centred picture"},
                        {155, 155, maroon, "the panel below the centred picture"},
                        {205, 105, white, "the natural-size picture at the top left"},
                        {225, 125, maroon, "the panel beside it"},
                        {205, 125, maroon, "the panel below it"},
                        {305, 105, argb(0, 200, 0), "the keyed bitmap"},
                        {305, 119, maroon, "the panel through the key colour"},
                        {50, 50, navy, "the window"},
                        {250, 250, navy, "the window below the panel"},
                        {450, 150, navy, "the window beside the panel"},
                    });
}

// An asymmetric 2x3 picture (columns a b, rows 0 1 2) turned about each
// anchor, checked against where its corners must land.
TEST(SurfaceDrawing, TurnedDrawingAboutEachAnchor) {
    Image src{2, 3, {}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 2; ++x)
            src.pixels.push_back(argb(static_cast<uint8_t>(10 + x), static_cast<uint8_t>(20 + y), 1));
    }
    auto draw = [&](int x, int y, int ax, int ay, int degrees) {
        Image dst = solid(20, 20, argb(0, 0, 0));
        blitTurned(dst, {0, 0, 20, 20}, src, x, y, 2, 3, ax, ay, degrees, {});
        return dst;
    };
    auto pixelOf = [&](int sx, int sy) { return src.at(sx, sy) | 0xFF000000u; };
    // No turn, anchor top-left: as a plain draw.
    Image d = draw(5, 5, 0, 0, 0);
    EXPECT_EQ(d.at(5, 5), pixelOf(0, 0));
    EXPECT_EQ(d.at(6, 7), pixelOf(1, 2));
    // A quarter turn clockwise about the top-left: the picture lies to the
    // left of the anchor, its top row down the right edge.
    d = draw(10, 10, 0, 0, 90);
    EXPECT_EQ(d.at(9, 10), pixelOf(0, 0));
    EXPECT_EQ(d.at(9, 11), pixelOf(1, 0));
    EXPECT_EQ(d.at(7, 10), pixelOf(0, 2));
    EXPECT_EQ(d.at(10, 10), argb(0, 0, 0));
    // Half a turn about the bottom-right: the picture lands right of and
    // below the anchor, upside down.
    d = draw(10, 10, 1, 1, 180);
    EXPECT_EQ(d.at(10, 10), pixelOf(1, 2));
    EXPECT_EQ(d.at(11, 12), pixelOf(0, 0));
    EXPECT_EQ(d.at(9, 9), argb(0, 0, 0));
    // Three quarters about the top-right (ax 1, ay 0): what lay left of the
    // anchor now hangs below it, what lay below now lies to its right.
    d = draw(10, 10, 1, 0, 270);
    EXPECT_EQ(d.at(10, 10), pixelOf(1, 0));
    EXPECT_EQ(d.at(10, 11), pixelOf(0, 0));
    EXPECT_EQ(d.at(12, 11), pixelOf(0, 2));
    EXPECT_EQ(d.at(9, 10), argb(0, 0, 0));
    // Half a turn about the bottom-left (ax 0, ay 1).
    d = draw(10, 10, 0, 1, 180);
    EXPECT_EQ(d.at(9, 10), pixelOf(0, 2));
    EXPECT_EQ(d.at(8, 12), pixelOf(1, 0));
}

TEST(SurfaceDrawing, ItemsWithTransparencyScaledAndFlipped) {
    Image picture = solid(4, 4, argb(255, 255, 255));
    picture.at(1, 1) = argb(10, 20, 30);
    Obj form("TForm1", "Form1");
    form.child(Obj("TDXDraw", "Draw").bounds(0, 0, 16, 16));
    form.child(
        Obj("TDXImageList", "List")
            .ident("DXDraw", "Draw")
            .collection("Items",
                        {item({{"Picture.Data", Value::binary(encodePictureRecord("TDIB", encodeDib(picture, 24)))},
                               {"Transparent", Value::boolean(true)},
                               {"TransparentColor", Value::ident("clWhite")}})}));
    Fixture f(std::move(form).record());
    auto& draw = *f.layout.findAs<DXDraw>("Draw");
    auto& list = *f.layout.findAs<DXImageList>("List");
    Surface s(*f.screen, draw);
    ASSERT_TRUE(s.canDraw());
    EXPECT_EQ(s.width(), 16);
    EXPECT_EQ(Surface::itemWidth(list, 0), 4);
    EXPECT_EQ(Surface::itemWidth(list, 5), 0);
    s.fillBlack();
    s.drawItem(list, 0, 2, 2);
    s.drawScaled(list, 0, 8, 8, 8, 8);
    s.drawItem(list, 9, 0, 0);        // no such item: nothing
    EXPECT_TRUE(draw.front.empty());  // nothing shows before the flip
    s.flip();
    EXPECT_EQ(draw.front.at(3, 3), argb(10, 20, 30));
    EXPECT_EQ(draw.front.at(2, 2), argb(0, 0, 0));       // white is the item's transparent colour
    EXPECT_EQ(draw.front.at(10, 10), argb(10, 20, 30));  // the scaled pixel covers 2x2
    EXPECT_EQ(draw.front.at(11, 11), argb(10, 20, 30));
    EXPECT_EQ(draw.front.at(12, 12), argb(0, 0, 0));

    // The screens draw every tick: the same frame again is no new picture,
    // a changed one is, and a resized surface is drawn afresh.
    auto frame = [&](int x) {
        s.fillBlack();
        s.drawItem(list, 0, x, 2);
        s.flip();
    };
    frame(2);
    const uint64_t flips = draw.flips;
    frame(2);
    EXPECT_EQ(draw.flips, flips);
    EXPECT_EQ(draw.front.at(3, 3), argb(10, 20, 30));
    frame(6);
    EXPECT_EQ(draw.flips, flips + 1);
    EXPECT_EQ(draw.front.at(3, 3), argb(0, 0, 0));
    EXPECT_EQ(draw.front.at(7, 3), argb(10, 20, 30));
    draw.Width = 12;
    frame(6);
    EXPECT_EQ(draw.flips, flips + 2);
    EXPECT_EQ(draw.front.width, 12);

    draw.Visible = false;
    EXPECT_FALSE(s.canDraw());
}

TEST(SurfaceDrawing, AFrameWithoutAFillGoesOnFromThePictureShownAndABackgroundCoversAll) {
    Image spot = solid(4, 4, argb(255, 255, 255));
    spot.at(1, 1) = argb(10, 20, 30);
    Obj form("TForm1", "Form1");
    form.child(Obj("TDXDraw", "Draw").bounds(0, 0, 16, 16));
    form.child(Obj("TDXImageList", "List")
                   .ident("DXDraw", "Draw")
                   .collection("Items",
                               {item({{"Picture.Data", Value::binary(encodePictureRecord("TDIB", encodeDib(spot, 24)))},
                                      {"Transparent", Value::boolean(true)},
                                      {"TransparentColor", Value::ident("clWhite")}}),
                                item({{"Picture.Data", Value::binary(encodePictureRecord(
                                                           "TDIB", encodeDib(solid(16, 16, argb(0, 90, 0)), 24)))},
                                      {"Transparent", Value::boolean(false)}})}));
    Fixture f(std::move(form).record());
    auto& draw = *f.layout.findAs<DXDraw>("Draw");
    auto& list = *f.layout.findAs<DXImageList>("List");
    Surface s(*f.screen, draw);
    s.fillBlack();
    s.drawItem(list, 0, 0, 0);
    s.flip();
    // Two frames without a fill: each adds to what shows.
    for (int x : {4, 8}) {
        s.drawItem(list, 0, x, 0);
        s.flip();
    }
    for (int x : {1, 5, 9}) EXPECT_EQ(draw.front.at(x, 1), argb(10, 20, 30)) << x;
    EXPECT_EQ(draw.front.at(13, 1), argb(0, 0, 0));
    // An opaque background over the whole surface hides the earlier spots
    // and the fill beneath it; spots drawn after it show.
    s.fillBlack();
    s.drawItem(list, 0, 0, 0);
    s.drawItem(list, 1, 0, 0);
    s.drawItem(list, 0, 8, 8);
    s.flip();
    EXPECT_EQ(draw.front.at(1, 1), argb(0, 90, 0));
    EXPECT_EQ(draw.front.at(9, 9), argb(10, 20, 30));
    EXPECT_EQ(draw.front.at(8, 8), argb(0, 90, 0));
    // The same frame again, and a partial one after it, go on from it.
    s.drawItem(list, 0, 0, 0);
    s.flip();
    EXPECT_EQ(draw.front.at(1, 1), argb(10, 20, 30));
    EXPECT_EQ(draw.front.at(9, 9), argb(10, 20, 30));
    EXPECT_EQ(draw.front.at(5, 5), argb(0, 90, 0));
}

}  // namespace
}  // namespace kvarnel::layout

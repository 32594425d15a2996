// Pictures and GIF animations decoded when first used: the same pixels and
// delays as the eager reader, a damaged payload that draws nothing and is
// logged once with its component and offset, and decoded pixels dropped and
// decoded again under the budget.
#include "layout/lazy_payload.h"

#include <gtest/gtest.h>

#include "layout/compositor.h"
#include "layout/errors.h"
#include "layout/layout.h"
#include "layout/screen.h"
#include "layout_fixture.h"
#include "platform/headless/headless_platform.h"

namespace kvarnel::layout {
namespace {

using testing::fixtureLayout;
using testing::patternImage;

TEST(LazyPayload, DecodedWhenFirstUsedTheSameAsAtOnce) {
    const std::vector<uint8_t> stream = writeStream(fixtureLayout());
    const Layout eager = loadLayout(stream, "fixture.layout");
    const Layout lazy = loadLayout(stream, "fixture.layout", PayloadDecoding::WhenFirstUsed);
    DecodedPictures& pictures = DecodedPictures::instance();
    pictures.dropAll();
    int images = 0, gifs = 0;
    for (size_t i = 0; i < eager.components().size(); ++i) {
        Component* e = eager.components()[i];
        Component* l = lazy.components()[i];
        SCOPED_TRACE(e->Name);
        if (const auto* img = as<ImageControl>(e)) {
            const auto* limg = as<ImageControl>(l);
            EXPECT_EQ(limg->Picture_.className, img->Picture_.className);
            EXPECT_EQ(limg->Picture_.known, img->Picture_.known);
            const size_t before = pictures.decodedBytes();
            EXPECT_EQ(limg->Picture_.image(), img->Picture_.image());
            if (!img->Picture_.image().empty()) {
                EXPECT_GT(pictures.decodedBytes(), before) << "decoded now";
            }
            ++images;
        }
        if (const auto* gif = as<GifAnimator>(e)) {
            const auto* lgif = as<GifAnimator>(l);
            const size_t before = pictures.decodedBytes();
            // Size and delays are known before any pixel is decoded.
            ASSERT_EQ(lgif->Image_.frameCount(), gif->Image_.frames().size());
            EXPECT_EQ(lgif->Image_.width, gif->Image_.width);
            EXPECT_EQ(lgif->Image_.height, gif->Image_.height);
            for (size_t f = 0; f < lgif->Image_.frameCount(); ++f) {
                EXPECT_EQ(lgif->Image_.delayMs(f), gif->Image_.frames()[f].delayMs) << f;
            }
            // Frame by frame in the order an animation asks: forward, the
            // loop starting over, a jump back, past the end.
            const size_t n = lgif->Image_.frameCount();
            std::vector<size_t> order;
            for (size_t f = 0; f < n; ++f) order.push_back(f);
            order.insert(order.end(), {0, n - 1, n / 2, 0, n + 3});
            for (const size_t f : order) {
                const Image& expected = gif->Image_.frames()[std::min(f, n - 1)].image;
                ASSERT_EQ(lgif->Image_.frame(f), expected) << "frame " << f << " of " << n;
                // Only the frame shown is held, not every frame.
                EXPECT_LE(pictures.decodedBytes() - before, 3 * expected.pixels.size() * sizeof(uint32_t));
            }
            EXPECT_EQ(lgif->Image_.frames(), gif->Image_.frames());
            ++gifs;
        }
    }
    EXPECT_GT(images, 1);
    EXPECT_GT(gifs, 0);
}

// A window with two pictures on a maroon panel: a good bitmap, and a JPEG
// (or GIF) whose data is damaged past what building the layout looks at.
ObjectRecord windowWithDamage(bool damagedGif) {
    std::vector<uint8_t> jpeg = encodeJpeg(patternImage(16, 16), 80);
    jpeg.resize(jpeg.size() / 3);
    std::vector<uint8_t> gif = encodeGifFromImages({patternImage(8, 8), patternImage(8, 8, 1)}, {100, 100});
    // The first frame's compressed pixels made codes the decoder cannot
    // have: the blocks around them still walk.
    size_t pos = 13 + 3 * (size_t{2} << (gif[10] & 7));
    while (gif[pos] == 0x21) {  // extensions before the frame
        pos += 2;
        while (gif[pos] != 0) pos += gif[pos] + 1u;
        ++pos;
    }
    EXPECT_EQ(gif[pos], 0x2C) << "an image descriptor";
    pos += 10 + 1;  // the descriptor, then the code size
    for (size_t i = 1; i <= gif[pos]; ++i) gif[pos + i] = 0xFF;
    Obj panel("TPanel", "Scene");
    panel.bounds(0, 0, 300, 200).ident("Color", "clMaroon");
    panel.child(Obj("TImage", "Good")
                    .bounds(10, 10, 16, 16)
                    .binary("Picture.Data", encodePictureRecord("TBitmap", encodeBmpFile(patternImage(16, 16), 24))));
    if (damagedGif) {
        panel.child(
            Obj("TRxGIFAnimator", "Broken").bounds(100, 100, 8, 8).binary("Image.Data", encodeGifControlValue(gif)));
    } else {
        panel.child(Obj("TImage", "Broken")
                        .bounds(100, 100, 16, 16)
                        .binary("Picture.Data", encodePictureRecord("TJPEGImage", jpeg)));
    }
    Obj form("TForm1", "Form1");
    form.ident("Color", "clBlack");
    form.child(std::move(panel));
    return std::move(form).record();
}

TEST(LazyPayload, ADamagedPayloadDrawsNothingAndIsLoggedOnceWithItsComponentAndOffset) {
    for (const bool damagedGif : {false, true}) {
        SCOPED_TRACE(damagedGif ? "GIF" : "JPEG");
        const ObjectRecord root = windowWithDamage(damagedGif);
        const std::vector<uint8_t> bytes = writeStream(root);
        // Built at once, the damage stops the build; built lazily it does not.
        EXPECT_THROW(loadLayout(bytes, "damaged.layout"), LayoutError);
        Layout layout = loadLayout(bytes, "damaged.layout", PayloadDecoding::WhenFirstUsed);
        const ObjectRecord read = readStream(bytes);
        const Value& payload = read.children[0].children[1].properties.back().value;

        platform::HeadlessPlatform host;
        Screen screen(layout, host.text());
        screen.setScreenSize(1024, 768);
        Compositor compositor(screen);
        Image fb;
        ::testing::internal::CaptureStderr();
        compositor.compose(fb);
        const std::string first = ::testing::internal::GetCapturedStderr();
        ::testing::internal::CaptureStderr();
        compositor.compose(fb);  // drawn again: not decoded, not logged again
        const std::string second = ::testing::internal::GetCapturedStderr();

        const std::string property = damagedGif ? "Image.Data" : "Picture.Data";
        const std::string cls = damagedGif ? "TRxGIFAnimator" : "TImage";
        EXPECT_NE(first.find("damaged.layout: offset "), std::string::npos) << first;
        EXPECT_NE(first.find("component 'Broken' (" + cls + "), property '" + property + "'"), std::string::npos)
            << first;
        const size_t at = first.find("offset ");
        ASSERT_NE(at, std::string::npos);
        const size_t offset = std::stoul(first.substr(at + 7));
        EXPECT_GE(offset, payload.binaryDataOffset()) << first;
        EXPECT_LE(offset, payload.binaryDataOffset() + payload.bytes.size()) << first;
        EXPECT_EQ(second, "");

        // The good picture is drawn; where the broken one lies the panel shows.
        EXPECT_EQ(fb.at(10, 10), patternImage(16, 16).at(0, 0));
        EXPECT_EQ(fb.at(103, 103), argb(0x80, 0, 0));
    }
}

TEST(LazyPayload, PicturesNotDrawnLatelyAreDroppedOverTheBudgetAndDecodedAgain) {
    const Layout layout = loadLayout(writeStream(fixtureLayout()), "fixture.layout", PayloadDecoding::WhenFirstUsed);
    DecodedPictures& pictures = DecodedPictures::instance();
    const size_t savedBudget = pictures.budget();
    pictures.dropAll();
    const auto* bitmap = layout.findAs<ImageControl>("Penize");
    const auto* jpeg = layout.findAs<ImageControl>("PozadiNatrzisti");
    const Image first = bitmap->Picture_.image();
    const size_t bitmapBytes = pictures.decodedBytes();
    ASSERT_GT(bitmapBytes, 0u);

    // A budget for one picture: the next picture's frame drops the first.
    pictures.setBudget(bitmapBytes);
    pictures.nextFrame();
    EXPECT_FALSE(jpeg->Picture_.image().empty());
    EXPECT_EQ(pictures.decodedCount(), 1u);
    EXPECT_LE(pictures.decodedBytes(), std::max(bitmapBytes, jpeg->Picture_.image().pixels.size() * 4));
    // Both used in one frame are both kept, budget or not.
    EXPECT_EQ(bitmap->Picture_.image(), first) << "decoded again, the same";
    EXPECT_EQ(pictures.decodedCount(), 2u);
    pictures.setBudget(savedBudget);
}

}  // namespace
}  // namespace kvarnel::layout

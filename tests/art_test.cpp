// Stand-in artwork: deterministic output, GIF-safe animations, figure part
// geometry that hotspots can rely on, colour-keyed item pictures.
#include "standin/art.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "layout/gif_codec.h"

namespace art = kvarnel::standin::art;
using art::Part;
using kvarnel::layout::Image;

namespace {

std::string hex(uint32_t v) {
    char buf[16];
    snprintf(buf, sizeof buf, "%08X", v);
    return buf;
}

size_t opaqueColours(const std::vector<Image>& frames) {
    std::set<uint32_t> colours;
    for (const Image& f : frames)
        for (uint32_t p : f.pixels)
            if ((p >> 24) >= 128) colours.insert(p & 0xFFFFFF);
    return colours.size();
}

// Pixels with partial alpha would be rounded to opaque or transparent by the
// GIF encoder; crisp art must not have any.
size_t partialAlphaPixels(const std::vector<Image>& frames) {
    size_t n = 0;
    for (const Image& f : frames)
        for (uint32_t p : f.pixels) n += (p >> 24) != 0 && (p >> 24) != 0xFF;
    return n;
}

art::CharacterLook testLook(bool beard) {
    art::CharacterLook look;
    look.skin = 0xFFF0C8A0;
    look.shirt = 0xFF3070C0;
    look.trousers = 0xFF404060;
    look.shoes = 0xFF603010;
    look.hair = 0xFF804020;
    look.beard = beard;
    return look;
}

struct Animation {
    const char* name;
    std::vector<Image> (*make)();
};

const Animation kAnimations[] = {
    {"eyes", [] { return art::eyesFrames(48, 16, 8, testLook(false)); }},
    {"mouth idle", [] { return art::mouthFrames(30, 14, 8, testLook(false), false); }},
    {"mouth talking bearded", [] { return art::mouthFrames(30, 14, 8, testLook(true), true); }},
    {"describing head", [] { return art::describingHead(90, 110, 8, testLook(true)); }},
    {"head picture", [] { return std::vector<Image>{art::headPicture(90, 110, testLook(false))}; }},
    {"inventory bar", [] { return art::inventoryBar(9); }},
};

}  // namespace

TEST(ArtCanvas, ConvertsPremultipliedPixelsToStraightAlpha) {
    art::Canvas c(4, 1, 0x00000000, art::Smoothing::Crisp);
    // A half-transparent fill: Cairo stores it premultiplied.
    art::Canvas half(2, 2, 0x80FF8040);
    const Image img = half.image();
    for (uint32_t p : img.pixels) {
        EXPECT_EQ(p >> 24, 0x80u) << hex(p);
        EXPECT_NEAR(static_cast<int>((p >> 16) & 0xFF), 0xFF, 1) << hex(p);
        EXPECT_NEAR(static_cast<int>((p >> 8) & 0xFF), 0x80, 1) << hex(p);
        EXPECT_NEAR(static_cast<int>(p & 0xFF), 0x40, 1) << hex(p);
    }
    for (uint32_t p : c.image().pixels) EXPECT_EQ(p, 0u) << hex(p);
    EXPECT_THROW(art::Canvas(0, 10, 0), std::invalid_argument);
    EXPECT_THROW(art::Canvas(10, 20000, 0), std::invalid_argument);
}

TEST(ArtDeterminism, SameCallsGiveSamePixels) {
    auto scene = [] {
        art::Canvas c(320, 240, 0xFFFFFFFF);
        art::sky(c, {0, 0, 320, 150});
        art::ground(c, {0, 150, 320, 90});
        art::house(c, {10, 60, 120, 110});
        art::tree(c, {150, 60, 60, 110});
        art::nestInTree(c, {220, 50, 60, 120});
        art::fence(c, {0, 170, 320, 30}, true);
        art::drawCharacter(c, {260, 130, 40, 100}, testLook(true));
        art::labelledThing(c, {10, 200, 30, 30}, 0xFFD0A0C0);
        return c.image();
    };
    const Image a = scene();
    EXPECT_EQ(a, scene());
    for (const Animation& anim : kAnimations) EXPECT_EQ(anim.make(), anim.make()) << anim.name;
    for (art::Item item : art::kAllItems) EXPECT_EQ(art::itemPicture(item), art::itemPicture(item));
}

TEST(ArtGifSafety, AnimationsFitOnePaletteAndEncode) {
    for (const Animation& anim : kAnimations) {
        SCOPED_TRACE(anim.name);
        const std::vector<Image> frames = anim.make();
        ASSERT_FALSE(frames.empty());
        EXPECT_LE(opaqueColours(frames), 255u);
        EXPECT_EQ(partialAlphaPixels(frames), 0u);
        std::vector<uint8_t> gif;
        ASSERT_NO_THROW(gif = kvarnel::layout::encodeGifFromImages(frames, {}));
        const auto back = kvarnel::layout::decodeGif(gif);
        ASSERT_EQ(back.frames.size(), frames.size());
        EXPECT_EQ(back.frames.back().image, frames.back()) << "the GIF must reproduce the frames exactly";
    }
}

TEST(ArtFaceSet, BlinksAndMouthMovementShowInTheFrames) {
    const auto look = testLook(false);
    const auto eyes = art::eyesFrames(48, 16, 8, look);
    int blinks = 0;
    for (int i = 0; i < 8; ++i) {
        const bool blink = art::isBlinkFrame(i, 8);
        blinks += blink;
        EXPECT_EQ(eyes[i] == eyes[0], !blink) << "frame " << i;
    }
    EXPECT_EQ(blinks, 2);
    const auto talking = art::mouthFrames(30, 14, 4, look, true);
    EXPECT_NE(talking[0], talking[1]);
    EXPECT_NE(talking[1], talking[2]);
    EXPECT_EQ(talking[1], talking[3]);
    const auto idle = art::mouthFrames(30, 14, 4, look, false);
    EXPECT_EQ(idle[0], idle[1]);
    EXPECT_EQ(idle[0], talking[0]);
}

TEST(ArtFaceSet, OverlaysMatchTheHeadPictureWhereTheyGo) {
    // The head picture's own eyes and mouth are the open-eyed, closed-mouth
    // overlay frames, so laying an overlay over it changes only the feature.
    for (bool beard : {false, true}) {
        SCOPED_TRACE(beard ? "bearded" : "clean-shaven");
        const auto look = testLook(beard);
        const Image head = art::headPicture(90, 110, look);
        for (Part part : {Part::Eyes, Part::Mouth}) {
            const art::Rect r = art::headPartRect(90, 110, part);
            const Image overlay = part == Part::Eyes ? art::eyesFrames(r.w, r.h, 1, look)[0]
                                                     : art::mouthFrames(r.w, r.h, 1, look, false)[0];
            int differing = 0;
            for (int y = 0; y < r.h; ++y)
                for (int x = 0; x < r.w; ++x) differing += overlay.at(x, y) != head.at(r.x + x, r.y + y);
            // Outline widths may differ by a pixel; the patch colour must not.
            EXPECT_LT(differing, r.w * r.h / 5) << "of " << r.w * r.h << " pixels";
            EXPECT_EQ(overlay.at(0, 0), head.at(r.x, r.y));
        }
        EXPECT_EQ(head.at(0, 0), 0u) << "head pictures have a transparent background";
    }
}

TEST(ArtCharacter, PartsLieInsideTheFigureAndDoNotOverlap) {
    const art::Rect fig{17, 23, 160, 400};
    auto inside = [](art::Rect inner, art::Rect outer) {
        return inner.w > 0 && inner.h > 0 && inner.x >= outer.x && inner.y >= outer.y &&
               inner.right() <= outer.right() && inner.bottom() <= outer.bottom();
    };
    auto overlap = [](art::Rect a, art::Rect b) {
        return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
    };
    const Part body[] = {Part::Head,      Part::LeftEar, Part::RightEar, Part::Body, Part::LeftHand,
                         Part::RightHand, Part::Groin,   Part::Legs,     Part::Shoes};
    const Part face[] = {Part::Eyes, Part::Nose, Part::Mouth};
    for (Part p : body) EXPECT_TRUE(inside(art::partRect(fig, p), fig)) << "part " << static_cast<int>(p);
    for (Part a : body) {
        for (Part b : body) {
            if (a < b) {
                EXPECT_FALSE(overlap(art::partRect(fig, a), art::partRect(fig, b)))
                    << static_cast<int>(a) << " and " << static_cast<int>(b);
            }
        }
    }
    for (Part a : face) {
        EXPECT_TRUE(inside(art::partRect(fig, a), art::partRect(fig, Part::Head))) << static_cast<int>(a);
        for (Part b : face) {
            if (a < b) {
                EXPECT_FALSE(overlap(art::partRect(fig, a), art::partRect(fig, b)));
            }
        }
    }
    EXPECT_LT(art::partRect(fig, Part::LeftHand).x, art::partRect(fig, Part::RightHand).x);
}

TEST(ArtCharacter, EachPartRectShowsThatPart) {
    const auto look = testLook(false);
    const art::Rect fig{10, 10, 160, 400};
    constexpr uint32_t kBackground = 0xFF00FF00;
    art::Canvas c(180, 420, kBackground, art::Smoothing::Crisp);
    art::drawCharacter(c, fig, look);
    const Image img = c.image();
    struct Case {
        Part part;
        uint32_t colour;
        bool mostCommon;  // else the colour only has to appear
    };
    const Case cases[] = {
        {Part::Head, look.skin, true},      {Part::Body, look.shirt, true},    {Part::LeftHand, look.skin, true},
        {Part::RightHand, look.skin, true}, {Part::Legs, look.trousers, true}, {Part::Groin, look.trousers, true},
        {Part::Shoes, look.shoes, true},    {Part::LeftEar, look.skin, false}, {Part::RightEar, look.skin, false},
        {Part::Eyes, look.eyeWhite, false}, {Part::Eyes, look.pupil, false},   {Part::Mouth, look.lips, false},
    };
    for (const Case& k : cases) {
        const art::Rect r = art::partRect(fig, k.part);
        std::map<uint32_t, int> count;
        for (int y = r.y; y < r.bottom(); ++y)
            for (int x = r.x; x < r.right(); ++x) ++count[img.at(x, y)];
        uint32_t top = 0;
        int best = -1;
        for (auto [colour, n] : count)
            if (n > best) best = n, top = colour;
        SCOPED_TRACE("part " + std::to_string(static_cast<int>(k.part)));
        if (k.mostCommon) {
            EXPECT_EQ(hex(top), hex(k.colour));
        } else {
            EXPECT_GT(count[k.colour], 0) << "colour " << hex(k.colour) << " missing";
        }
        EXPECT_LT(count[kBackground] * 2, r.w * r.h) << "mostly background";
    }
}

TEST(ArtItems, CornersAreTheKeyAndTheItemIsNot) {
    for (art::Item item : art::kAllItems) {
        SCOPED_TRACE("item " + std::to_string(static_cast<int>(item)));
        const Image img = art::itemPicture(item);
        ASSERT_EQ(img.width, 62);
        ASSERT_EQ(img.height, 64);
        const uint32_t key = img.at(0, img.height - 1);
        EXPECT_EQ(hex(key), hex(art::colour::kItemKey));
        for (auto [x, y] : {std::pair{0, 0}, std::pair{61, 0}, std::pair{61, 63}})
            EXPECT_EQ(hex(img.at(x, y)), hex(key));
        int itemPixels = 0;
        std::set<uint32_t> colours;
        for (uint32_t p : img.pixels) {
            EXPECT_EQ(p >> 24, 0xFFu);
            if (p != key) ++itemPixels, colours.insert(p);
        }
        EXPECT_GT(itemPixels, 62 * 64 / 10) << "the item must fill a fair part of the picture";
        EXPECT_GE(colours.size(), 2u) << "outline and fill";
        // No fringe of near-key colours that would show as a pink halo.
        for (uint32_t p : colours) {
            const int dr = static_cast<int>((p >> 16) & 0xFF) - 0xFF, dg = static_cast<int>((p >> 8) & 0xFF),
                      db = static_cast<int>(p & 0xFF) - 0xFF;
            EXPECT_GT(dr * dr + dg * dg + db * db, 40 * 40) << hex(p);
        }
    }
}

TEST(ArtInventory, BarSlidesOpenToTheFullBar) {
    const auto frames = art::inventoryBar(9);
    ASSERT_EQ(frames.size(), 9u);
    auto shownWidth = [](const Image& f) {
        int right = 0;
        for (int y = 0; y < f.height; ++y)
            for (int x = 0; x < f.width; ++x)
                if (f.at(x, y) >> 24) right = std::max(right, x + 1);
        return right;
    };
    int previous = 0;
    for (size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i].width, art::kInventoryBarWidth);
        EXPECT_EQ(frames[i].height, art::kInventoryBarHeight);
        const int w = shownWidth(frames[i]);
        EXPECT_GT(w, previous) << "frame " << i;
        previous = w;
    }
    EXPECT_GE(previous, art::kInventoryBarWidth - 4);
    const art::Rect last = art::inventorySlot(art::kInventorySlots - 1);
    EXPECT_LE(last.right(), art::kInventoryBarWidth);
    EXPECT_EQ(frames.back().at(last.x + last.w / 2, last.y + last.h / 2) >> 24, 0xFFu);
    EXPECT_THROW(art::inventoryBar(0), std::invalid_argument);
}

// ---------------------------------------------------------------- heads in a scene

namespace {

bool inside(const art::Rect& inner, const art::Rect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

// Face frames are the head drawn again in another state and cropped at the
// eye or mouth control, so everything that changes with the state has to
// lie inside that control, or the frames leave a seam or a stale feature.
TEST(ArtHeadAround, FeaturesAndWhatChangesStayInsideTheirAreas) {
    struct Case {
        const char* name;
        art::Rect eyes, mouth;
    } const cases[] = {
        {"square eyes over a narrow mouth", {447, 152, 90, 90}, {456, 253, 30, 20}},
        {"big eyes, mouth close under them", {43, 328, 100, 100}, {62, 430, 60, 40}},
        {"wide flat eyes, thin low mouth", {10, 10, 104, 52}, {35, 90, 35, 11}},
        {"small eyes, a mouth of a few rows", {200, 40, 51, 51}, {208, 110, 37, 5}},
        {"mouth off to one side", {0, 0, 66, 40}, {30, 70, 50, 30}},
    };
    const art::CharacterLook look = testLook(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const art::HeadGeometry g = art::headAround(c.eyes, c.mouth);
        EXPECT_TRUE(inside(g.eyes, c.eyes));
        EXPECT_TRUE(inside(g.mouth, c.mouth));
        EXPECT_TRUE(inside(g.eyes, g.head));
        EXPECT_TRUE(inside(g.mouth, g.head));
        EXPECT_GE(g.nose.y, g.eyes.bottom());
        EXPECT_LE(g.nose.bottom(), g.mouth.y);
        EXPECT_LE(g.leftEar.right(), g.head.x + 1);
        EXPECT_GE(g.rightEar.x, g.head.right() - 1);

        // Draw the head in each state on a canvas around it and compare.
        const art::Rect all{std::min(c.eyes.x, c.mouth.x) - 80, std::min(c.eyes.y, c.mouth.y) - 80,
                            std::max(c.eyes.right(), c.mouth.right()) - std::min(c.eyes.x, c.mouth.x) + 160,
                            std::max(c.eyes.bottom(), c.mouth.bottom()) - std::min(c.eyes.y, c.mouth.y) + 160};
        auto draw = [&](art::FaceState st) {
            art::Canvas cv(all.w, all.h, 0xFF336699, art::Smoothing::Crisp);
            cairo_translate(cv.cr(), -all.x, -all.y);
            art::drawHeadAt(cv, g, look, st);
            return cv.image();
        };
        const Image still = draw({});
        auto changesInside = [&](const Image& other, const art::Rect& area) {
            int changed = 0, outside = 0;
            for (int y = 0; y < all.h; ++y) {
                for (int x = 0; x < all.w; ++x) {
                    if (still.at(x, y) == other.at(x, y)) continue;
                    ++changed;
                    const int px = x + all.x, py = y + all.y;
                    outside += px < area.x || py < area.y || px >= area.right() || py >= area.bottom();
                }
            }
            EXPECT_GT(changed, 0) << "the state shows";
            EXPECT_EQ(outside, 0) << "pixels changed outside the area";
        };
        changesInside(draw({.eyesOpen = false}), c.eyes);
        changesInside(draw({.browsUp = true}), c.eyes);
        for (int open : {1, 2}) changesInside(draw({.mouth = open}), c.mouth);
    }
}

// ---------------------------------------------------------------- colours

TEST(ArtLimitColours, BringsManyColoursUnderOnePaletteAndStaysClose) {
    // Two frames of smooth gradients (thousands of colours between them) with
    // a clear corner that must stay clear. They fit 255 groups once each
    // channel keeps its top three bits, so no colour moves by 32 or more.
    std::vector<Image> frames(2);
    for (int k = 0; k < 2; ++k) {
        Image& f = frames[k];
        f.width = 96;
        f.height = 80;
        f.pixels.resize(96 * 80);
        for (int y = 0; y < 80; ++y) {
            for (int x = 0; x < 96; ++x) {
                const uint32_t r = x * 255 / 95, g = y * 255 / 79, b = 0x40 + 0x10 * k;
                f.at(x, y) = x < 8 && y < 8 ? 0x20000000u : 0xFF000000u | (r << 16) | (g << 8) | b;
            }
        }
    }
    const std::vector<Image> before = frames;
    ASSERT_GT(opaqueColours(before), 255u);
    art::limitColours(frames);
    EXPECT_LE(opaqueColours(frames), 255u);
    int worst = 0;
    for (int k = 0; k < 2; ++k) {
        for (size_t i = 0; i < frames[k].pixels.size(); ++i) {
            const uint32_t a = before[k].pixels[i], b = frames[k].pixels[i];
            if ((a >> 24) < 128) {
                EXPECT_EQ(b, a) << "a clear pixel was touched";
                continue;
            }
            for (int shift : {16, 8, 0}) {
                worst = std::max(
                    worst, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
            }
        }
    }
    EXPECT_LT(worst, 32) << "colours moved further than a coarse grouping would";
}

TEST(ArtLimitColours, LeavesFramesWithFewColoursAsTheyAre) {
    // 255 colours exactly, plus clear pixels: nothing to do.
    std::vector<Image> frames(1);
    Image& f = frames[0];
    f.width = 32;
    f.height = 10;
    f.pixels.resize(320);
    for (int i = 0; i < 320; ++i) f.pixels[i] = i < 255 ? 0xFF000000u | static_cast<uint32_t>(i * 0x010203) : 0u;
    ASSERT_EQ(opaqueColours(frames), 255u);
    const std::vector<Image> before = frames;
    art::limitColours(frames);
    EXPECT_EQ(frames, before);
    // A crisp animation from the kit is left alone too.
    std::vector<Image> eyes = art::eyesFrames(48, 16, 8, testLook(false));
    const std::vector<Image> eyesBefore = eyes;
    art::limitColours(eyes);
    EXPECT_EQ(eyes, eyesBefore);
}

}  // namespace

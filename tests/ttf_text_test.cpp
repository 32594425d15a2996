// The label text rasteriser against the installed fonts: which face each
// layout font name gets, Czech coverage, line metrics, and the coverage mask.
// KVARNEL_FONTS_CONF names the source copy of data/fonts.conf.
#include "platform/sdl/ttf_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/log.h"

#ifndef KVARNEL_FONTS_CONF
#error "KVARNEL_FONTS_CONF must name data/fonts.conf"
#endif

namespace kvarnel::platform {
namespace {

constexpr std::u32string_view kCzechLetters = U"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ";
constexpr std::string_view kSentence = "Nádherně modrá obloha.";
constexpr const char* kLayoutFonts[] = {"MS Sans Serif", "Times New Roman", "Monotype Corsiva", "Century Gothic",
                                        "Sylfaen"};

std::string describe(const FontSpec& f) {
    return "\"" + f.name + "\" " + std::to_string(f.pixelHeight) + " px" + (f.bold ? " bold" : "") +
           (f.italic ? " italic" : "");
}

std::string baseName(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}

// Bounding box of every pixel with any coverage; empty when there is none.
struct InkBox {
    int left = 0, top = 0, right = -1, bottom = -1;  // inclusive
    bool empty() const { return right < left; }
};

InkBox inkBox(const TextMask& mask) {
    InkBox box{mask.width, mask.height, -1, -1};
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            if (mask.alpha[static_cast<size_t>(y) * static_cast<size_t>(mask.width) + static_cast<size_t>(x)] == 0) {
                continue;
            }
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

class TtfTextTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setVerbose(false);
        text_ = std::make_unique<TtfTextRasterizer>(KVARNEL_FONTS_CONF);
    }
    static void TearDownTestSuite() { text_.reset(); }
    static inline std::unique_ptr<TtfTextRasterizer> text_;

    // Every mask must be exactly the measured size with one byte a pixel.
    static TextMask renderChecked(const FontSpec& font, std::string_view utf8) {
        const TextSize size = text_->measure(font, utf8);
        TextMask mask = text_->render(font, utf8);
        EXPECT_EQ(mask.width, size.width) << describe(font);
        EXPECT_EQ(mask.height, size.height) << describe(font);
        EXPECT_EQ(mask.alpha.size(), static_cast<size_t>(mask.width) * static_cast<size_t>(mask.height));
        return mask;
    }
};

// --- Font choice -------------------------------------------------------------

TEST_F(TtfTextTest, LayoutNamesAndStylesResolveToTheIntendedFaces) {
    struct Case {
        FontSpec font;
        const char* family;
        const char* fileNameHas;  // the face's style as its file is named
        bool syntheticBold;
        bool syntheticItalic;
    };
    const Case cases[] = {
        {{"MS Sans Serif", 11, false, false}, "Liberation Sans", "Regular", false, false},
        {{"MS Sans Serif", 11, true, false}, "Liberation Sans", "Bold", false, false},
        {{"Times New Roman", 11, false, false}, "Liberation Serif", "Regular", false, false},
        {{"Times New Roman", 11, true, true}, "Liberation Serif", "BoldItalic", false, false},
        // The family has one face, already italic: bold is drawn by thickening.
        {{"Monotype Corsiva", 11, false, false}, "Z003", "MediumItalic", false, false},
        {{"Monotype Corsiva", 11, true, false}, "Z003", "MediumItalic", true, false},
        {{"Monotype Corsiva", 11, false, true}, "Z003", "MediumItalic", false, false},
        {{"Century Gothic", 11, false, false}, "URW Gothic", "Book", false, false},
        {{"Century Gothic", 11, true, false}, "URW Gothic", "Demi", false, false},
        {{"Century Gothic", 11, false, true}, "URW Gothic", "BookOblique", false, false},
        {{"Sylfaen", 11, false, false}, "DejaVu Serif", "DejaVuSerif.", false, false},
        {{"Sylfaen", 11, true, true}, "DejaVu Serif", "BoldItalic", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(describe(c.font));
        const TtfTextRasterizer::ResolvedFont r = text_->resolve(c.font);
        EXPECT_EQ(r.family, c.family) << "file " << r.file;
        EXPECT_NE(baseName(r.file).find(c.fileNameHas), std::string::npos)
            << "expected a file named with \"" << c.fileNameHas << "\", got " << r.file;
        EXPECT_EQ(r.syntheticBold, c.syntheticBold);
        EXPECT_EQ(r.syntheticItalic, c.syntheticItalic);
        EXPECT_EQ(text_->resolvedFontFile(c.font), r.file);
        EXPECT_TRUE(text_->providesGlyph(c.font, U'A')) << "SDL_ttf cannot use " << r.file;
    }
}

// Mean column of the ink in row `y`, or -1 when the row has none.
double inkCentre(const TextMask& mask, int y) {
    double sum = 0, weight = 0;
    for (int x = 0; x < mask.width; ++x) {
        const double a = mask.alpha[static_cast<size_t>(y) * static_cast<size_t>(mask.width) + static_cast<size_t>(x)];
        sum += a * x;
        weight += a;
    }
    return weight > 0 ? sum / weight : -1;
}

// A family with only an upright face (DejaVu Math TeX Gyre, from
// fonts-dejavu-extra) is slanted by SDL_ttf when italic is asked.
TEST_F(TtfTextTest, AFamilyWithoutAnItalicFaceIsSlanted) {
    const FontSpec upright{"DejaVu Math TeX Gyre", 32, false, false};
    const FontSpec italic{"DejaVu Math TeX Gyre", 32, false, true};
    ASSERT_EQ(text_->resolve(italic).family, "DejaVu Math TeX Gyre") << "fonts-dejavu-extra is not installed";
    EXPECT_EQ(text_->resolve(italic).file, text_->resolve(upright).file);
    EXPECT_TRUE(text_->resolve(italic).syntheticItalic);
    EXPECT_FALSE(text_->resolve(upright).syntheticItalic);

    const auto lean = [](const TextMask& mask) {
        const InkBox box = inkBox(mask);
        EXPECT_FALSE(box.empty());
        return inkCentre(mask, box.top) - inkCentre(mask, box.bottom);
    };
    const double uprightLean = lean(renderChecked(upright, "I"));
    const double italicLean = lean(renderChecked(italic, "I"));
    EXPECT_NEAR(uprightLean, 0.0, 1.0);
    EXPECT_GT(italicLean, 3.0) << "the stem's top is not right of its foot";
}

TEST_F(TtfTextTest, ANameNobodyHasStillGetsAFontThatDraws) {
    const FontSpec font{"Kvarnel Nonexistent Grotesk", 16, false, false};
    EXPECT_FALSE(text_->resolvedFontFile(font).empty());
    const InkBox box = inkBox(renderChecked(font, "Ahoj"));
    EXPECT_FALSE(box.empty());
}

// --- Czech letters -----------------------------------------------------------

TEST_F(TtfTextTest, EveryCzechLetterHasAGlyphInEveryLayoutFont) {
    for (const char* name : kLayoutFonts) {
        for (const bool bold : {false, true}) {
            const FontSpec font{name, 16, bold, false};
            std::string missing;
            for (const char32_t cp : kCzechLetters) {
                if (!text_->providesGlyph(font, cp)) missing += " U+" + std::to_string(static_cast<unsigned>(cp));
            }
            EXPECT_EQ(missing, "") << describe(font) << " (" << text_->resolvedFontFile(font) << ") lacks glyphs";
        }
    }
}

// An accent must not move its letter: SDL_ttf grows its surface upwards for
// glyphs taller than the ascent (the ring of a bold sans-serif Ů), and the
// mask must put the baseline back where measure() has it.
TEST_F(TtfTextTest, AccentedCapitalsSitOnTheSameBaselineAsPlainOnes) {
    const struct {
        const char* plain;
        const char* accented;
    } pairs[] = {{"U", "Ů"}, {"A", "Á"}, {"Z", "Ž"}, {"E", "Ě"}};
    for (const char* name : kLayoutFonts) {
        for (const int px : {11, 16, 32}) {
            for (const bool bold : {false, true}) {
                const FontSpec font{name, px, bold, false};
                for (const auto& pair : pairs) {
                    SCOPED_TRACE(describe(font) + " " + pair.plain + "/" + pair.accented);
                    const InkBox plain = inkBox(renderChecked(font, pair.plain));
                    const InkBox accented = inkBox(renderChecked(font, pair.accented));
                    ASSERT_FALSE(plain.empty());
                    ASSERT_FALSE(accented.empty());
                    EXPECT_EQ(accented.bottom, plain.bottom);
                    EXPECT_LT(accented.top, plain.top) << "the accent is not drawn above the letter";
                }
            }
        }
    }
}

// --- Measuring ---------------------------------------------------------------

TEST_F(TtfTextTest, LineHeightGrowsWithPixelHeightAndLeavesRoomForAccents) {
    for (const char* name : kLayoutFonts) {
        int previous = 0;
        for (const int px : {8, 11, 16, 24, 32, 64}) {
            const FontSpec font{name, px, false, false};
            const int height = text_->measure(font, "Ž").height;
            EXPECT_GT(height, previous) << describe(font);
            // Windows fonts have internal leading for accents: a line exactly
            // one em tall would cut them off.
            EXPECT_GT(height, px) << describe(font) << " (" << text_->resolvedFontFile(font) << ")";
            EXPECT_LT(height, 2 * px) << describe(font);
            previous = height;
        }
    }
}

TEST_F(TtfTextTest, SentenceWidthIsPlausibleAndTheMaskFitsItsInk) {
    for (const char* name : kLayoutFonts) {
        const FontSpec font{name, 16, false, false};
        SCOPED_TRACE(describe(font));
        const TextMask mask = renderChecked(font, kSentence);
        EXPECT_GE(mask.width, 120);
        EXPECT_LE(mask.width, 220);
        // The measured width is the ink's: neither cut nor padded by more
        // than a side bearing.
        const InkBox box = inkBox(mask);
        ASSERT_FALSE(box.empty());
        EXPECT_LE(box.left, 2) << "width " << mask.width;
        EXPECT_GE(box.right, mask.width - 4) << "width " << mask.width;
        EXPECT_GE(box.top, 0);
        EXPECT_LT(box.bottom, mask.height);
    }
}

TEST_F(TtfTextTest, CapitalIIsInkAboveTheDescent) {
    for (const char* name : kLayoutFonts) {
        const FontSpec font{name, 16, false, false};
        const TextMask mask = renderChecked(font, "I");
        const InkBox box = inkBox(mask);
        ASSERT_FALSE(box.empty()) << describe(font);
        int strongest = 0;
        for (const uint8_t a : mask.alpha) strongest = std::max<int>(strongest, a);
        EXPECT_GE(strongest, 160) << describe(font) << ": the stem is hardly covered";
        EXPECT_GE(box.top, 1) << describe(font) << ": no room above the capital";
        EXPECT_LE(box.bottom, mask.height - 3) << describe(font) << ": the baseline is not above the descent";
    }
}

TEST_F(TtfTextTest, EmptyTextHasNoWidthAndTheLineHeight) {
    for (const char* name : kLayoutFonts) {
        const FontSpec font{name, 16, false, false};
        const int lineHeight = text_->measure(font, "Ay").height;
        const TextSize size = text_->measure(font, "");
        EXPECT_EQ(size.width, 0) << describe(font);
        EXPECT_EQ(size.height, lineHeight) << describe(font);
        const TextMask mask = text_->render(font, "");
        EXPECT_EQ(mask.width, 0) << describe(font);
        EXPECT_EQ(mask.height, lineHeight) << describe(font);
        EXPECT_TRUE(mask.alpha.empty()) << describe(font);
    }
}

TEST_F(TtfTextTest, BoldIsWiderThanRegular) {
    for (const char* name : kLayoutFonts) {
        const FontSpec regular{name, 16, false, false};
        const FontSpec bold{name, 16, true, false};
        const int regularWidth = text_->measure(regular, kSentence).width;
        const int boldWidth = text_->measure(bold, kSentence).width;
        EXPECT_GT(boldWidth, regularWidth) << name << " (" << text_->resolvedFontFile(bold) << ")";
    }
}

// Captions come from data files: bad bytes must neither crash nor vanish.
TEST_F(TtfTextTest, MalformedTextMeasuresAsReplacementCharacters) {
    const FontSpec font{"MS Sans Serif", 16, false, false};
    const std::string fffd = "\xEF\xBF\xBD";
    const struct {
        const char* what;
        std::string_view input;
        std::string sameAs;
    } cases[] = {
        {"truncated sequence", "a\xC3", "a" + fffd},
        {"stray continuation byte", "\x80z", fffd + "z"},
        {"overlong slash", "\xC0\xAF", fffd + fffd},
        {"encoded surrogate", "\xED\xA0\x80", fffd + fffd + fffd},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", fffd + fffd + fffd + fffd},
        {"embedded NUL", std::string_view("A\0B", 3), "AB"},
        {"byte-order mark", "\xEF\xBB\xBFOK", "OK"},
    };
    for (const auto& c : cases) {
        const TextSize got = text_->measure(font, c.input);
        const TextSize want = text_->measure(font, c.sameAs);
        EXPECT_GT(want.width, 0) << c.what;
        EXPECT_EQ(got.width, want.width) << c.what;
        EXPECT_EQ(got.height, want.height) << c.what;
        const TextMask mask = renderChecked(font, c.input);
        EXPECT_FALSE(inkBox(mask).empty()) << c.what;
    }
}

TEST_F(TtfTextTest, OutOfRangeSizesAndLengthsAreBounded) {
    const auto size = [](int px, std::string_view s) {
        return text_->measure({"Times New Roman", px, false, false}, s);
    };
    EXPECT_EQ(size(0, "Ahoj").height, size(1, "Ahoj").height);
    EXPECT_EQ(size(-16, "Ahoj").height, size(1, "Ahoj").height);
    EXPECT_EQ(size(1 << 30, "Ahoj").height, size(TtfTextRasterizer::kMaxPixelHeight, "Ahoj").height);
    EXPECT_GT(size(1, "Ahoj").height, 0);

    const std::string atLimit(TtfTextRasterizer::kMaxCharacters, 'a');
    const std::string beyond(TtfTextRasterizer::kMaxCharacters + 100, 'a');
    EXPECT_EQ(size(11, beyond).width, size(11, atLimit).width);
    EXPECT_GT(size(11, atLimit).width, size(11, "aaaa").width);
}

// --- Lifetime ----------------------------------------------------------------

bool drawsInk(TtfTextRasterizer& text) {
    const TextMask mask = text.render({"Century Gothic", 16, false, false}, "Čáp");
    return !inkBox(mask).empty();
}

// fontconfig is shut down only when the last rasteriser goes; a new one
// afterwards starts it again.
TEST(TtfTextLifetime, RasterisersOutliveEachOtherAndStartAfresh) {
    setVerbose(false);
    auto first = std::make_unique<TtfTextRasterizer>(KVARNEL_FONTS_CONF);
    auto second = std::make_unique<TtfTextRasterizer>(KVARNEL_FONTS_CONF);
    EXPECT_TRUE(drawsInk(*first));
    first.reset();
    EXPECT_TRUE(drawsInk(*second));
    EXPECT_EQ(second->resolve({"Century Gothic", 16, false, false}).family, "URW Gothic");
    second.reset();
    auto third = std::make_unique<TtfTextRasterizer>(KVARNEL_FONTS_CONF);
    EXPECT_TRUE(drawsInk(*third));
    EXPECT_EQ(third->resolve({"Century Gothic", 16, false, false}).family, "URW Gothic");
}

TEST(TtfTextLifetime, MissingAliasFileFallsBackToTheSystemsChoice) {
    setVerbose(false);
    auto text = makeTtfTextRasterizer("/nonexistent/kvarnel/fonts.conf");
    const TextMask mask = text->render({"Century Gothic", 16, false, false}, "Čáp");
    EXPECT_GT(mask.width, 0);
    EXPECT_FALSE(inkBox(mask).empty());
}

}  // namespace
}  // namespace kvarnel::platform

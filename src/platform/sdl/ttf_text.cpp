// Sections:
//   [library lifetime]  fontconfig configuration, TTF_Init, FcFini by the last user
//   [text clean-up]     UTF-8 into the exact code points SDL_ttf will draw
//   [font choice]       fontconfig match, synthetic bold and italic
//   [font cache]        open SDL_ttf fonts by (file, face, pixel size, style)
//   [measure, render]   the TextRasterizer contract
#include "platform/sdl/ttf_text.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <mutex>
#include <tuple>
#include <vector>

#include "platform/log.h"

namespace kvarnel::platform {
namespace {

// --- [library lifetime] -----------------------------------------------------

// fontconfig keeps process-wide state (object tables, the cache of font
// directories) that only FcFini releases, and FcFini must not run while any
// configuration is still alive. Every rasteriser counts itself in here; the
// last one out calls FcFini.
std::mutex gFontconfigMutex;
int gFontconfigUsers = 0;

FcConfig* loadConfig(const std::string& fontsConfPath) {
    FcConfig* config = FcInitLoadConfig();  // the system's files, no fonts yet
    if (config == nullptr) {
        logOnce("text:fontconfig", "fontconfig could not load its configuration; labels show no text");
        return nullptr;
    }
    // The aliases go in before the fonts are listed: their <rejectfont>
    // rules only act while the font list is built.
    const auto* path = reinterpret_cast<const FcChar8*>(fontsConfPath.c_str());
    if (!FcConfigParseAndLoad(config, path, FcTrue)) {
        logOnce("text:aliases:" + fontsConfPath,
                "cannot load the font aliases " + fontsConfPath + "; labels use the system's font choice");
    }
    if (!FcConfigBuildFonts(config)) {
        logOnce("text:fontconfig", "fontconfig could not list the installed fonts; labels show no text");
        FcConfigDestroy(config);
        return nullptr;
    }
    return config;
}

// --- [text clean-up] --------------------------------------------------------

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kByteOrderMark = 0xFEFF;

// Decodes one UTF-8 sequence at `in[i]`; returns the code point and moves `i`
// past it, or returns U+FFFD and moves one byte on for anything malformed
// (stray continuation, truncated or overlong sequence, surrogate, > U+10FFFF).
char32_t decodeOne(std::string_view in, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(in[i]);
    int extra = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++i;
        return kReplacement;
    }
    if (in.size() - i < static_cast<std::size_t>(extra) + 1) {
        ++i;
        return kReplacement;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto c = static_cast<unsigned char>(in[i + k]);
        if ((c & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return kReplacement;
    }
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}

void encodeOne(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The text as SDL_ttf will draw it: well-formed, NUL-terminated UTF-8 (a NUL
// would end it early), without the byte-order marks SDL_ttf skips and with
// the non-characters it replaces already replaced, and cut after
// kMaxCharacters. `codePoints` then lists exactly the glyphs of the line.
struct CleanText {
    std::string utf8;
    std::vector<char32_t> codePoints;
};

CleanText cleanText(std::string_view in) {
    CleanText text;
    std::size_t i = 0;
    while (i < in.size() && text.codePoints.size() < TtfTextRasterizer::kMaxCharacters) {
        char32_t cp = decodeOne(in, i);
        if (cp == 0 || cp == kByteOrderMark) continue;
        if (cp == 0xFFFE || cp == 0xFFFF) cp = kReplacement;
        text.codePoints.push_back(cp);
        encodeOne(cp, text.utf8);
    }
    return text;
}

int clampedPixelHeight(int pixelHeight) {
    return std::clamp(pixelHeight, 1, TtfTextRasterizer::kMaxPixelHeight);
}

// Width of the cleaned line as SDL_ttf lays it out, height of the font's line.
TextSize lineSize(TTF_Font* ttf, const CleanText& text) {
    TextSize size{0, std::max(TTF_FontHeight(ttf), 0)};
    int width = 0;
    if (!text.utf8.empty() && TTF_SizeUTF8(ttf, text.utf8.c_str(), &width, nullptr) == 0) {
        size.width = std::max(width, 0);
    }
    return size;
}

// --- [font choice] ----------------------------------------------------------

std::string patternString(FcPattern* pattern, const char* object) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || value == nullptr) return {};
    return reinterpret_cast<const char*>(value);
}

TtfTextRasterizer::ResolvedFont matchFont(FcConfig* config, const FontSpec& font) {
    TtfTextRasterizer::ResolvedFont result;
    if (config == nullptr) return result;
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr) return result;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(font.name.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, font.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, font.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult status = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &status);
    FcPatternDestroy(pattern);
    if (match == nullptr) return result;

    result.file = patternString(match, FC_FILE);
    result.family = patternString(match, FC_FAMILY);
    int index = 0;
    if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch) result.faceIndex = index;
    FcPatternDestroy(match);
    if (result.file.empty()) return result;

    // A family without a bold or slanted face gets the nearest face, and
    // SDL_ttf thickens or slants its glyphs instead. The matched pattern
    // cannot tell: the system's rules for synthetic styles rewrite its weight
    // and slant to what was asked. So the face's own weight and slant are
    // read from the font list; when it cannot be read (a variable font
    // lists a range), the face is trusted. Demibold counts as bold: it is
    // the heaviest face some families have.
    int weight = FC_WEIGHT_DEMIBOLD;
    int slant = FC_SLANT_ITALIC;
    if (FcPattern* face = FcPatternCreate()) {
        FcPatternAddString(face, FC_FILE, reinterpret_cast<const FcChar8*>(result.file.c_str()));
        FcPatternAddInteger(face, FC_INDEX, result.faceIndex);
        if (FcObjectSet* objects = FcObjectSetBuild(FC_WEIGHT, FC_SLANT, nullptr)) {
            if (FcFontSet* listed = FcFontList(config, face, objects)) {
                if (listed->nfont > 0) {
                    FcPatternGetInteger(listed->fonts[0], FC_WEIGHT, 0, &weight);
                    FcPatternGetInteger(listed->fonts[0], FC_SLANT, 0, &slant);
                }
                FcFontSetDestroy(listed);
            }
            FcObjectSetDestroy(objects);
        }
        FcPatternDestroy(face);
    }
    result.syntheticBold = font.bold && weight < FC_WEIGHT_DEMIBOLD;
    result.syntheticItalic = font.italic && slant == FC_SLANT_ROMAN;
    return result;
}

// --- [font cache] -----------------------------------------------------------

struct FontCloser {
    void operator()(TTF_Font* font) const { TTF_CloseFont(font); }
};
using FontHandle = std::unique_ptr<TTF_Font, FontCloser>;

// The game uses a handful of fonts; the bound only stops a caller that
// sweeps sizes from holding every one open.
constexpr std::size_t kMaxOpenFonts = 64;

}  // namespace

struct TtfTextRasterizer::Impl {
    FcConfig* config = nullptr;
    bool ttfReady = false;
    std::map<std::tuple<std::string, bool, bool>, ResolvedFont> resolved;
    // (file, face, pixel height, TTF style) -> open font; null when the file
    // could not be opened, so it is not tried again on every frame.
    std::map<std::tuple<std::string, int, int, int>, FontHandle> fonts;

    const ResolvedFont& resolve(const FontSpec& font) {
        auto key = std::make_tuple(font.name, font.bold, font.italic);
        auto it = resolved.find(key);
        if (it == resolved.end()) {
            ResolvedFont match = matchFont(config, font);
            if (config != nullptr && match.file.empty()) {
                logOnce("text:nomatch:" + font.name, "fontconfig found no font file for \"" + font.name + "\"");
            }
            it = resolved.emplace(std::move(key), std::move(match)).first;
        }
        return it->second;
    }

    // The open font for `font`, or null (logged once per file) when there is
    // none.
    TTF_Font* open(const FontSpec& font) {
        const ResolvedFont& face = resolve(font);
        if (!ttfReady || face.file.empty()) return nullptr;
        // Windows reads a negative font height as the character height: the
        // cell height minus the internal leading, which is the em square in
        // pixels. SDL_ttf sets its size with FT_Set_Char_Size at 72 dpi,
        // where one point is one pixel, so the point size is the em height in
        // pixels and the requested height can be passed on unchanged.
        const int size = clampedPixelHeight(font.pixelHeight);
        const int style = (face.syntheticBold ? TTF_STYLE_BOLD : 0) | (face.syntheticItalic ? TTF_STYLE_ITALIC : 0);
        auto key = std::make_tuple(face.file, face.faceIndex, size, style);
        if (auto it = fonts.find(key); it != fonts.end()) return it->second.get();
        if (fonts.size() >= kMaxOpenFonts) fonts.clear();

        FontHandle handle(TTF_OpenFontIndex(face.file.c_str(), size, face.faceIndex));
        if (!handle) {
            logOnce("text:open:" + face.file,
                    "cannot open the font " + face.file + ": " + TTF_GetError() + "; its labels show no text");
        } else {
            TTF_SetFontStyle(handle.get(), style);
            // Windows draws label captions without pair kerning; so do we,
            // so that captions take the width their layout was made for.
            TTF_SetFontKerning(handle.get(), 0);
        }
        return fonts.emplace(std::move(key), std::move(handle)).first->second.get();
    }
};

// --- [measure, render] ------------------------------------------------------

TtfTextRasterizer::TtfTextRasterizer(const std::string& fontsConfPath) : impl_(std::make_unique<Impl>()) {
    {
        std::lock_guard lock(gFontconfigMutex);
        ++gFontconfigUsers;
        impl_->config = loadConfig(fontsConfPath);
    }
    // SDL_ttf counts its own TTF_Init calls; each rasteriser holds one.
    if (TTF_Init() == 0) {
        impl_->ttfReady = true;
    } else {
        logOnce("text:ttf", std::string("SDL_ttf could not start: ") + TTF_GetError() + "; labels show no text");
    }
}

TtfTextRasterizer::~TtfTextRasterizer() {
    impl_->fonts.clear();
    if (impl_->ttfReady) TTF_Quit();
    std::lock_guard lock(gFontconfigMutex);
    if (impl_->config != nullptr) FcConfigDestroy(impl_->config);
    if (--gFontconfigUsers == 0) FcFini();
}

TtfTextRasterizer::ResolvedFont TtfTextRasterizer::resolve(const FontSpec& font) {
    return impl_->resolve(font);
}

bool TtfTextRasterizer::providesGlyph(const FontSpec& font, char32_t codePoint) {
    TTF_Font* ttf = impl_->open(font);
    return ttf != nullptr && TTF_GlyphIsProvided32(ttf, static_cast<Uint32>(codePoint)) != 0;
}

TextSize TtfTextRasterizer::measure(const FontSpec& font, std::string_view utf8) {
    TTF_Font* ttf = impl_->open(font);
    if (ttf == nullptr) return {};
    return lineSize(ttf, cleanText(utf8));
}

TextMask TtfTextRasterizer::render(const FontSpec& font, std::string_view utf8) {
    TTF_Font* ttf = impl_->open(font);
    if (ttf == nullptr) return {};
    const CleanText text = cleanText(utf8);
    const TextSize size = lineSize(ttf, text);
    TextMask mask;
    mask.width = size.width;
    mask.height = size.height;
    mask.alpha.assign(static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height), 0);
    if (mask.alpha.empty()) return mask;

    SDL_Surface* rendered = TTF_RenderUTF8_Blended(ttf, text.utf8.c_str(), SDL_Color{255, 255, 255, 255});
    if (rendered != nullptr && rendered->format->format != SDL_PIXELFORMAT_ARGB8888) {
        SDL_Surface* converted = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(rendered);
        rendered = converted;
    }
    if (rendered == nullptr) {
        logOnce("text:render", std::string("SDL_ttf could not render a text: ") + SDL_GetError());
        return mask;  // blank, of the measured size
    }

    // SDL_ttf grows its surface upwards when a glyph reaches above the
    // font's ascent (accents on capitals in some fonts), putting the line's
    // top `yStart` rows down: the tallest glyph's top above the ascent.
    // Undo that shift so the baseline sits at the ascent, as in measure().
    const int ascent = TTF_FontAscent(ttf);
    int tallest = ascent;
    for (const char32_t cp : text.codePoints) {
        int top = 0;
        if (TTF_GlyphMetrics32(ttf, static_cast<Uint32>(cp), nullptr, nullptr, nullptr, &top, nullptr) == 0) {
            tallest = std::max(tallest, top);
        }
    }
    const int yStart = tallest - ascent;

    const bool locked = SDL_MUSTLOCK(rendered) ? SDL_LockSurface(rendered) == 0 : true;
    if (locked) {
        const int columns = std::min(mask.width, rendered->w);
        for (int y = 0; y < mask.height; ++y) {
            const int sourceRow = y + yStart;
            if (sourceRow < 0 || sourceRow >= rendered->h) continue;
            const auto* source =
                reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(rendered->pixels) +
                                                  static_cast<std::ptrdiff_t>(sourceRow) * rendered->pitch);
            uint8_t* target = mask.alpha.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(mask.width);
            for (int x = 0; x < columns; ++x) target[x] = static_cast<uint8_t>(source[x] >> 24);
        }
        if (SDL_MUSTLOCK(rendered)) SDL_UnlockSurface(rendered);
    }
    SDL_FreeSurface(rendered);
    return mask;
}

std::unique_ptr<TextRasterizer> makeTtfTextRasterizer(const std::string& fontsConfPath) {
    return std::make_unique<TtfTextRasterizer>(fontsConfPath);
}

}  // namespace kvarnel::platform

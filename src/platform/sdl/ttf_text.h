// The label text rasteriser of both platforms: fontconfig picks the font file
// for a layout font name, SDL_ttf (FreeType) measures and renders the line.
//
// The mapping from the game's Windows font names to installed families lives
// in the alias file (data/fonts.conf), which is loaded on top of the system's
// fontconfig configuration. Nothing here needs SDL video or audio to be
// initialised, so headless runs render the same letters as the window.
//
// Use from one thread at a time. The last rasteriser to be destroyed shuts
// fontconfig down (FcFini), so destroy it after anything else in the process
// that uses fontconfig.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "platform/text.h"

namespace kvarnel::platform {

class TtfTextRasterizer final : public TextRasterizer {
public:
    // Pixel heights outside 1..kMaxPixelHeight are clamped into it.
    static constexpr int kMaxPixelHeight = 128;
    // A text is cut after this many characters: one line of a label never
    // holds more, and the bound keeps a hostile caption from asking for a
    // huge surface.
    static constexpr std::size_t kMaxCharacters = 512;

    // Loads the system's fontconfig configuration plus the alias file at
    // `fontsConfPath` (absolute). A missing or broken alias file is logged
    // once and the system's matching is used alone; a failure of fontconfig
    // or SDL_ttf is logged once and every text then measures 0 x 0.
    explicit TtfTextRasterizer(const std::string& fontsConfPath);
    ~TtfTextRasterizer() override;
    TtfTextRasterizer(const TtfTextRasterizer&) = delete;
    TtfTextRasterizer& operator=(const TtfTextRasterizer&) = delete;

    // Width as SDL_ttf lays the line out (no pair kerning), height of the
    // font's line (ascent + descent). Malformed UTF-8 shows U+FFFD per bad
    // byte; NUL characters are dropped.
    TextSize measure(const FontSpec& font, std::string_view utf8) override;
    // Coverage of the line with the baseline at the font's ascent from the
    // top, exactly measure()'s size; ink outside the line box is cut off.
    TextMask render(const FontSpec& font, std::string_view utf8) override;

    // The face fontconfig chose for a font name and style.
    struct ResolvedFont {
        std::string file;              // empty when fontconfig gave nothing
        int faceIndex = 0;             // face within the file (collections)
        std::string family;            // the face's family as fontconfig names it
        bool syntheticBold = false;    // bold asked, the family has no bold face
        bool syntheticItalic = false;  // italic asked, the family has no slanted face
    };
    ResolvedFont resolve(const FontSpec& font);
    std::string resolvedFontFile(const FontSpec& font) { return resolve(font).file; }
    // Whether the chosen face has a glyph for `codePoint` (false when no
    // font could be opened).
    bool providesGlyph(const FontSpec& font, char32_t codePoint);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

std::unique_ptr<TextRasterizer> makeTtfTextRasterizer(const std::string& fontsConfPath);

}  // namespace kvarnel::platform

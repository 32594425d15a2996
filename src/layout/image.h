// Decoded pictures as the layout reader hands them to the controls.
//
// Every decoder (BMP, DIB, JPEG, GIF) produces the same simple form: a
// top-down array of 32-bit pixels 0xAARRGGBB, not premultiplied. Opaque
// formats give alpha 0xFF everywhere; GIF frames give alpha 0 where the
// frame is transparent. An empty Image (0 x 0) stands for "no picture".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kvarnel::layout {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // width * height, row by row from the top

    bool empty() const { return width <= 0 || height <= 0; }
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    uint32_t& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    bool operator==(const Image&) const = default;
};

inline constexpr uint32_t argb(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 0xFF) {
    return (uint32_t{a} << 24) | (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
}

// One composed frame of a GIF animation: the full logical screen as it looks
// after this frame was drawn over the previous ones, and how long it stays.
struct GifFrame {
    Image image;
    int delayMs = 0;  // already clamped to 50 .. 10,000
    bool operator==(const GifFrame&) const = default;
};

struct GifAnimation {
    int width = 0;   // logical screen size
    int height = 0;
    std::vector<GifFrame> frames;
    bool empty() const { return frames.empty(); }
};

// A picture record: the class name the stream gave and the decoded image.
// An unknown class name gives known == false and an empty image.
struct Picture {
    std::string className;
    bool known = false;
    Image image;
};

// Format facts of a RIFF/WAVE file; the bytes themselves are kept unchanged.
struct WaveFormat {
    int channels = 0;
    int bitsPerSample = 0;
    int samplesPerSecond = 0;
    uint32_t dataBytes = 0;
    int durationMs() const {
        const int frameBytes = channels * (bitsPerSample / 8);
        if (frameBytes <= 0 || samplesPerSecond <= 0) return 0;
        return static_cast<int>(uint64_t{dataBytes} * 1000 / frameBytes / samplesPerSecond);
    }
};

}  // namespace kvarnel::layout

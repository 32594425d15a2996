// The floor that the game's start-up is measured against: a bare SDL2
// program that opens the window the game opens with --window (1024x768 at
// the top left), uploads one black picture into a streaming texture as the
// game does, presents it once and prints the wall clock the way
// `kvarnel --first-frame` does.
#include <SDL.h>

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <vector>

int main() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "bare_window: %s\n", SDL_GetError());
        return 1;
    }
    constexpr int kWidth = 1024;
    constexpr int kHeight = 768;
    SDL_Window* window = SDL_CreateWindow("bare", 0, 0, kWidth, kHeight, 0);
    SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, 0) : nullptr;
    SDL_Texture* texture =
        renderer ? SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, kWidth, kHeight)
                 : nullptr;
    if (!texture) {
        std::fprintf(stderr, "bare_window: %s\n", SDL_GetError());
        return 1;
    }
    const std::vector<uint32_t> pixels(static_cast<size_t>(kWidth) * kHeight, 0xFF000000u);
    SDL_UpdateTexture(texture, nullptr, pixels.data(), kWidth * 4);
    SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    SDL_RenderPresent(renderer);
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    std::printf("first frame at %lld\n", static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec);
    SDL_DestroyTexture(texture);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}

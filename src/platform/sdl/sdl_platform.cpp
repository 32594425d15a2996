// The desktop platform on SDL2.
//
// [SECTION] Window and screen
// [SECTION] Events and time
// [SECTION] Pointer and keyboard
// [SECTION] Files, sound and music
#include "platform/sdl/sdl_platform.h"

#include <SDL.h>

#include <array>
#include <chrono>
#include <ctime>
#include <deque>
#include <optional>
#include <string_view>

#include "layout/cursor_file.h"
#include "layout/errors.h"
#include "layout/surface.h"
#include "platform/host_files.h"
#include "platform/log.h"
#include "platform/movie.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/ttf_text.h"
#include "platform/sdl/x11_wait.h"

namespace kvarnel::platform {

namespace {
// Whether an OpenGL renderer draws through a software rasteriser (Mesa's
// llvmpipe, softpipe or swrast) rather than a graphics card.
bool rendersOnTheProcessor(SDL_Renderer* renderer) {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) != 0 || info.name == nullptr) return false;
    if (std::string_view(info.name).substr(0, 6) != "opengl") return false;
    using GetString = const unsigned char* (*)(unsigned);
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    if (getString == nullptr) return false;
    constexpr unsigned kGlRenderer = 0x1F01;
    const auto* name = reinterpret_cast<const char*>(getString(kGlRenderer));
    if (name == nullptr) return false;
    const std::string_view n(name);
    return n.find("llvmpipe") != n.npos || n.find("softpipe") != n.npos || n.find("swrast") != n.npos ||
           n.find("Software Rasterizer") != n.npos;
}
}  // namespace
namespace {

constexpr int kDesignWidth = 1024;
constexpr uint64_t kPumpAtLeastEveryMs = 100;
constexpr int kDesignHeight = 768;

CalendarTime toCalendar(const std::tm& tm, int ms) {
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_wday, tm.tm_hour, tm.tm_min, tm.tm_sec, ms};
}

class SdlPlatform : public Platform {
public:
    ~SdlPlatform() override;
    bool init(const SdlOptions& options, std::string& error);

    // --- Events and time ---------------------------------------------------
    bool pollEvent(Event& event) override;
    void waitUntil(uint64_t untilMs) override;
    bool isActive() const override { return active_; }
    void pushEvent(const Event& event) override { injected_.push_back(event); }
    void setKeyOverride(Key key, bool down) override { overrides_[static_cast<size_t>(key)] = down; }
    uint64_t nowMs() const override { return SDL_GetTicks64(); }
    CalendarTime localTime() const override { return calendar(false); }
    CalendarTime utcTime() const override { return calendar(true); }

    // --- Screen ------------------------------------------------------------
    void present(const uint32_t* pixels, int width, int height, std::span<const Rect> changed) override;
    TextRasterizer& text() override { return *text_; }
    Size screenSize() const override { return screen_; }
    bool changeDisplayMode(int width, int height, int bitsPerPixel) override;
    void restoreDisplayMode() override;

    // --- Pointer and keyboard ---------------------------------------------
    int showCursor(bool show) override;
    Point cursorPos() const override { return pointer_; }
    void setCursorPos(Point p) override;
    bool loadCursor(const std::string& path) override;
    bool keyDown(Key key) const override;

    // --- Files, sound and music -------------------------------------------
    bool renameFile(const std::string& from, const std::string& to) override {
        return host::renameNoReplace(nativePath(from), nativePath(to));
    }
    bool fileExists(const std::string& path) const override { return host::exists(nativePath(path)); }
    std::optional<std::vector<uint8_t>> readFile(const std::string& path) const override {
        return host::readWholeFile(nativePath(path));
    }
    std::optional<layout::Bytes> mapFile(const std::string& path) const override {
        return host::mapWholeFile(nativePath(path));
    }
    bool writeFileAtomically(const std::string& path, std::span<const uint8_t> bytes) override {
        return host::writeAtomically(nativePath(path), bytes);
    }
    void setWaves(const std::vector<std::span<const uint8_t>>& waves) override { audio_.setWaves(waves); }
    void playWave(int index, bool audible) override {
        if (audible) audio_.playWave(index);
    }
    void mediaSetFileName(int player, const std::string& path) override {
        audio_.setFileName(player, nativePath(path));
    }
    void mediaSetWait(int, bool) override {}
    bool mediaOpen(int player) override { return audio_.openPlayer(player); }
    void mediaPlay(int player, bool notify) override { audio_.play(player, notify, nowMs()); }
    void mediaStop(int player) override { audio_.stop(player, nowMs()); }
    void mediaRewind(int player) override { audio_.rewind(player); }
    uint64_t nextMediaDeadline() const override { return audio_.nextDeadline(); }

private:
    CalendarTime calendar(bool utc) const;
    void setScreen(Size size);
    void useSoftwareRenderer();
    bool shouldPump() const;
    void applyLook();
    void repaint();
    void translate(const SDL_Event& e);

    SDL_Window* window_ = nullptr;
    std::optional<X11Connection> x11_;
    uint64_t lastPumpMs_ = 0;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    bool softwareRenderer_ = false;  // drawing into the window's own image
    bool presentedOnce_ = false;     // the texture holds a whole picture
    SDL_Cursor* cursor_ = nullptr;
    Size desktop_;
    Size screen_;
    Size startScreen_;
    bool windowed_ = false;
    bool active_ = true;
    int cursorCount_ = 0;
    Point pointer_;
    std::array<bool, static_cast<size_t>(Key::Count)> overrides_{};
    std::deque<Event> events_;
    std::deque<Event> injected_;
    std::unique_ptr<TextRasterizer> text_;
    SdlAudio audio_;
};

// ---------------------------------------------------------------------------
// [SECTION] Window and screen
// ---------------------------------------------------------------------------
bool SdlPlatform::init(const SdlOptions& options, std::string& error) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
        error = std::string("cannot start the video system: ") + SDL_GetError();
        return false;
    }
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0 || mode.w <= 0 || mode.h <= 0) {
        mode.w = kDesignWidth;
        mode.h = kDesignHeight;
    }
    desktop_ = {mode.w, mode.h};
    windowed_ = options.windowed;
    startScreen_ = windowed_ ? Size{kDesignWidth, kDesignHeight} : desktop_;
    const Uint32 flags = windowed_ ? 0 : SDL_WINDOW_BORDERLESS;
    window_ = SDL_CreateWindow("Kvarnel", 0, 0, startScreen_.width, startScreen_.height, flags);
    if (!window_) {
        error = std::string("cannot open a window: ") + SDL_GetError();
        return false;
    }
    x11_.emplace(window_);
    // OpenGL without a graphics card (a virtual display, a remote session)
    // runs a shader on the processor over the whole picture at every
    // present, several times dearer than SDL's own software renderer
    // writing into the window's shared-memory image; and merely trying it
    // maps Mesa's rasteriser and its compiler, tens of megabytes.
    if (x11_->present() && !x11_->offersDirectRendering()) {
        useSoftwareRenderer();
    } else {
        renderer_ = SDL_CreateRenderer(window_, -1, 0);
        if (renderer_ && rendersOnTheProcessor(renderer_)) {
            SDL_DestroyRenderer(renderer_);
            useSoftwareRenderer();
        }
    }
    if (!renderer_) {
        error = std::string("cannot draw into the window: ") + SDL_GetError();
        return false;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    setScreen(startScreen_);
    text_ = makeTtfTextRasterizer(options.fontsConfPath);
    const Uint32 windowFlags = SDL_GetWindowFlags(window_);
    active_ = (windowFlags & SDL_WINDOW_INPUT_FOCUS) != 0 || SDL_GetKeyboardFocus() == window_ ||
              SDL_GetKeyboardFocus() == nullptr;
    return true;
}

void SdlPlatform::useSoftwareRenderer() {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    softwareRenderer_ = true;
    logInfo("no graphics card for OpenGL: drawing with the software renderer");
}

SdlPlatform::~SdlPlatform() {
    audio_.close();
    text_.reset();
    if (cursor_) SDL_FreeCursor(cursor_);
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER);
    SDL_Quit();
}

void SdlPlatform::setScreen(Size size) {
    screen_ = size;
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ =
        SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, size.width, size.height);
    presentedOnce_ = false;
    SDL_RenderSetLogicalSize(renderer_, size.width, size.height);
}

// Alt+Enter: the borderless window over the whole desktop, or a window of
// the play area's size. The picture keeps its size and is scaled.
void SdlPlatform::applyLook() {
    if (windowed_) {
        SDL_SetWindowBordered(window_, SDL_TRUE);
        SDL_SetWindowSize(window_, kDesignWidth, kDesignHeight);
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    } else {
        SDL_SetWindowBordered(window_, SDL_FALSE);
        SDL_SetWindowPosition(window_, 0, 0);
        SDL_SetWindowSize(window_, desktop_.width, desktop_.height);
    }
}

void SdlPlatform::present(const uint32_t* pixels, int width, int height, std::span<const Rect> changed) {
    if (width != screen_.width || height != screen_.height || !texture_) return;
    // A new texture (a new screen size) holds nothing yet: all of it then.
    const bool whole = changed.empty() || !presentedOnce_;
    if (whole) {
        SDL_UpdateTexture(texture_, nullptr, pixels, width * 4);
    } else {
        for (const Rect& r : changed) {
            const SDL_Rect area{r.x, r.y, r.w, r.h};
            SDL_UpdateTexture(texture_, &area, pixels + static_cast<size_t>(r.y) * width + r.x, width * 4);
        }
    }
    // The software renderer draws into the window's own image, which keeps
    // what it held: unscaled, only the changed rectangles need copying. A
    // graphics card's back buffer holds nothing certain after a present, so
    // there the whole picture is drawn.
    int outW = 0, outH = 0;
    SDL_GetRendererOutputSize(renderer_, &outW, &outH);
    if (softwareRenderer_ && !whole && outW == width && outH == height) {
        for (const Rect& r : changed) {
            const SDL_Rect area{r.x, r.y, r.w, r.h};
            SDL_RenderCopy(renderer_, texture_, &area, &area);
        }
    } else {
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    }
    SDL_RenderPresent(renderer_);
    // The first picture is up: the sound device and the movie decoder can
    // open meanwhile (whatever needs the device first waits for it, or
    // opens it itself when that comes before this).
    if (!presentedOnce_) {
        audio_.openInBackground();
        preloadMovieSupport();
    }
    presentedOnce_ = true;
}

void SdlPlatform::repaint() {
    if (!texture_ || !presentedOnce_) return;
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

bool SdlPlatform::changeDisplayMode(int width, int height, int) {
    // Shown scaled instead: the desktop's own mode is never touched.
    setScreen({width, height});
    return true;
}

void SdlPlatform::restoreDisplayMode() {
    setScreen(startScreen_);
}

// ---------------------------------------------------------------------------
// [SECTION] Events and time
// ---------------------------------------------------------------------------
CalendarTime SdlPlatform::calendar(bool utc) const {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    const int ms =
        static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
    std::tm tm{};
    if (utc) {
        gmtime_r(&t, &tm);
    } else {
        localtime_r(&t, &tm);
    }
    return toCalendar(tm, ms);
}

void SdlPlatform::translate(const SDL_Event& e) {
    Event out;
    switch (e.type) {
        case SDL_QUIT:
            out.type = Event::Type::Quit;
            break;
        case SDL_MOUSEMOTION:
            pointer_ = {e.motion.x, e.motion.y};
            out.type = Event::Type::MouseMove;
            out.position = pointer_;
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            pointer_ = {e.button.x, e.button.y};
            out.type = e.type == SDL_MOUSEBUTTONDOWN ? Event::Type::MouseDown : Event::Type::MouseUp;
            out.position = pointer_;
            if (e.button.button == SDL_BUTTON_LEFT) {
                out.button = MouseButton::Left;
            } else if (e.button.button == SDL_BUTTON_RIGHT) {
                out.button = MouseButton::Right;
            } else if (e.button.button == SDL_BUTTON_MIDDLE) {
                out.button = MouseButton::Middle;
            } else {
                return;
            }
            break;
        case SDL_KEYDOWN:
            if ((e.key.keysym.sym == SDLK_RETURN || e.key.keysym.sym == SDLK_KP_ENTER) &&
                (e.key.keysym.mod & KMOD_ALT) && !e.key.repeat) {
                windowed_ = !windowed_;
                applyLook();
            }
            return;
        case SDL_WINDOWEVENT:
            switch (e.window.event) {
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    active_ = true;
                    out.type = Event::Type::FocusGained;
                    break;
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    active_ = false;
                    out.type = Event::Type::FocusLost;
                    break;
                case SDL_WINDOWEVENT_MINIMIZED:
                    layout::Surface::setMinimised(true);
                    return;
                case SDL_WINDOWEVENT_RESTORED:
                    layout::Surface::setMinimised(false);
                    repaint();
                    return;
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                case SDL_WINDOWEVENT_SHOWN:
                    // The window's image may be gone: show the last picture
                    // again from the texture, which always holds it whole.
                    repaint();
                    return;
                default:
                    return;
            }
            break;
        default:
            return;
    }
    events_.push_back(out);
}

bool SdlPlatform::pollEvent(Event& event) {
    if (!injected_.empty()) {
        event = injected_.front();
        injected_.pop_front();
        return true;
    }
    SDL_Event e;
    if (events_.empty() && shouldPump()) {
        lastPumpMs_ = nowMs();
        while (events_.empty() && SDL_PollEvent(&e)) translate(e);
    }
    if (events_.empty()) {
        audio_.update(nowMs());
        int player = -1;
        if (audio_.takeEnded(player)) {
            event = Event::mediaEnded(player);
            return true;
        }
        return false;
    }
    event = events_.front();
    events_.pop_front();
    return true;
}

bool SdlPlatform::shouldPump() const {
    if (!x11_ || !x11_->present()) return true;
    // An X11 pump reads the socket several times over even when nothing
    // came; with nothing pending it is skipped, but still made now and then
    // for what SDL does in it besides reading X (a Ctrl+C turned into a
    // quit, the screensaver kept off).
    return SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) || x11_->inputPending() ||
           nowMs() >= lastPumpMs_ + kPumpAtLeastEveryMs;
}

void SdlPlatform::waitUntil(uint64_t untilMs) {
    if (!injected_.empty() || !events_.empty()) return;
    const uint64_t until = std::min(untilMs, audio_.nextDeadline());
    const uint64_t now = nowMs();
    if (until <= now) return;
    const uint64_t wait = std::min<uint64_t>(until - now, 1000);
    if (x11_ && x11_->present()) {
        // SDL's own wait pumps X twice around its sleep, and at the frame
        // timer's hundred passes a second those pumps are most of what an
        // idle game costs. The next pass pumps whatever woke us. Events SDL
        // queued by itself meanwhile (a window change it reports at once)
        // cut the sleep short.
        if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) return;
        x11_->waitForInput(static_cast<uint32_t>(wait));
        return;
    }
    SDL_WaitEventTimeout(nullptr, static_cast<int>(wait));
}

// ---------------------------------------------------------------------------
// [SECTION] Pointer and keyboard
// ---------------------------------------------------------------------------
int SdlPlatform::showCursor(bool show) {
    cursorCount_ += show ? 1 : -1;
    SDL_ShowCursor(cursorCount_ >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return cursorCount_;
}

void SdlPlatform::setCursorPos(Point p) {
    pointer_ = p;
    int wx = 0, wy = 0;
    SDL_RenderLogicalToWindow(renderer_, static_cast<float>(p.x), static_cast<float>(p.y), &wx, &wy);
    if (SDL_GetMouseFocus() == window_) SDL_WarpMouseInWindow(window_, wx, wy);
}

bool SdlPlatform::loadCursor(const std::string& path) {
    const auto bytes = host::readWholeFile(nativePath(path));
    if (!bytes) {
        logOnce("cursor:" + path, "pointer file " + path + " is missing; keeping the pointer");
        return false;
    }
    layout::CursorImage cur;
    try {
        cur = layout::decodeCursorFile(*bytes);
    } catch (const layout::DecodeError& e) {
        logOnce("cursor:" + path,
                "pointer file " + path + " at offset " + std::to_string(e.offset()) + ": " + e.what());
        return false;
    }
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        cur.image.pixels.data(), cur.image.width, cur.image.height, 32, cur.image.width * 4, SDL_PIXELFORMAT_ARGB8888);
    SDL_Cursor* made = surface ? SDL_CreateColorCursor(surface, cur.hotX, cur.hotY) : nullptr;
    if (surface) SDL_FreeSurface(surface);
    if (!made) {
        logOnce("cursor-create", std::string("cannot make a pointer from a cursor file: ") + SDL_GetError());
        return false;
    }
    SDL_SetCursor(made);
    if (cursor_) SDL_FreeCursor(cursor_);
    cursor_ = made;
    return true;
}

bool SdlPlatform::keyDown(Key key) const {
    if (overrides_[static_cast<size_t>(key)]) return true;
    static constexpr std::array<SDL_Scancode, static_cast<size_t>(Key::Count)> kCodes = {
        SDL_SCANCODE_ESCAPE, SDL_SCANCODE_LEFT,  SDL_SCANCODE_RIGHT, SDL_SCANCODE_UP,
        SDL_SCANCODE_DOWN,   SDL_SCANCODE_SPACE, SDL_SCANCODE_A,     SDL_SCANCODE_S};
    const Uint8* state = SDL_GetKeyboardState(nullptr);
    return state && state[kCodes[static_cast<size_t>(key)]];
}

}  // namespace

std::unique_ptr<Platform> makeSdlPlatform(const SdlOptions& options, std::string& error) {
    auto p = std::make_unique<SdlPlatform>();
    if (!p->init(options, error)) return nullptr;
    return p;
}

}  // namespace kvarnel::platform

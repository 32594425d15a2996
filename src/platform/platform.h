// Everything the game asks of the system, behind one interface.
//
// Two implementations exist: the desktop one (SDL2) and the headless one
// (a virtual clock and a recorder, for tests and scripted runs). Game code
// never reads the real clock, the real file system or a random source
// except through this interface.
//
// Paths. The game spells file names as the original did, with backslashes
// ("Cursors\Kurzor.cur") under a program folder that ends in '/'. Every
// method that takes a path accepts that spelling and maps the backslashes to
// the host's separator itself (nativePath()).
//
// Movies are not the platform's: they are decoded by the FFmpeg libraries
// on the platform's clock (platform/movie.h), the same way on both.
//
// Failure. Nothing here throws. A platform feature that is missing at run
// time (no sound device, a cursor file that
// does not load) reports failure through the return value where the
// contract says so, stays silent to the player and is logged once by the
// implementation.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "layout/bytes.h"

namespace kvarnel::platform {

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// A rectangle of the screen, in pixels.
struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    bool operator==(const Rect&) const = default;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// Keys whose state the game reads.
enum class Key : uint8_t { Escape, Left, Right, Up, Down, Space, A, S, Count };

const char* keyName(Key key);
std::optional<Key> keyFromName(std::string_view name);

// A date and time of day, local or UTC as the call says.
struct CalendarTime {
    int year = 2000;
    int month = 1;    // 1..12
    int day = 1;      // 1..31
    int weekday = 6;  // 0 = Sunday .. 6 = Saturday
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Input and notifications, delivered to the game's thread in order.
enum class MouseButton : uint8_t { Left, Right, Middle };

struct Event {
    enum class Type : uint8_t {
        MouseDown,    // button, position
        MouseUp,      // button, position
        MouseMove,    // position
        MediaEnded,   // player: a playback started with notification ended or was stopped
        FocusGained,  // the program became the active application
        FocusLost,
        Quit,  // the user asked to close the window
    };
    Type type = Type::MouseMove;
    MouseButton button = MouseButton::Left;
    Point position;  // screen coordinates
    int player = -1;

    static Event mediaEnded(int player) {
        Event e;
        e.type = Type::MediaEnded;
        e.player = player;
        return e;
    }
};

class TextRasterizer;

// Maps the game's backslash spelling to the host's: '\' becomes '/'.
std::string nativePath(std::string_view gamePath);

class Platform {
public:
    virtual ~Platform() = default;

    // --- Events and time between ticks --------------------------------------
    // Takes the next queued event; false when none is queued.
    virtual bool pollEvent(Event& event) = 0;
    // Returns when an event is queued or the clock has reached `untilMs`,
    // whichever comes first; the desktop platform sleeps meanwhile, the
    // headless one moves its virtual clock forward.
    virtual void waitUntil(uint64_t untilMs) = 0;
    // Whether the program is the active application (the frame timer only
    // ticks while it is).
    virtual bool isActive() const = 0;

    // --- Screen ------------------------------------------------------------
    // Shows a finished frame: `pixels` holds screenSize() pixels 0xAARRGGBB,
    // row by row. `changed` names the rectangles that differ from the frame
    // presented before (empty: all of it may have changed). The headless
    // platform keeps nothing.
    virtual void present(const uint32_t* pixels, int width, int height, std::span<const Rect> changed) = 0;
    // The text rasteriser both platforms share.
    virtual TextRasterizer& text() = 0;

    // --- Display -----------------------------------------------------------
    // Size in pixels of the screen the game fills. After changeDisplayMode()
    // it reports the new mode; after restoreDisplayMode() the old one.
    virtual Size screenSize() const = 0;
    // Asks for a display mode of width x height at bitsPerPixel, for this run
    // only (never stored in the system's settings). Returns whether the mode
    // was set; callers may ignore the result.
    virtual bool changeDisplayMode(int width, int height, int bitsPerPixel) = 0;
    // Goes back to the mode the system had before changeDisplayMode().
    virtual void restoreDisplayMode() = 0;

    // --- Pointer -----------------------------------------------------------
    // Counted show/hide: show(true) increments, show(false) decrements a
    // counter that starts at 0; the pointer is visible while it is >= 0.
    // Returns the new count.
    virtual int showCursor(bool show) = 0;
    // Pointer position in screen coordinates (may lie off the screen when it
    // was set there).
    virtual Point cursorPos() const = 0;
    virtual void setCursorPos(Point p) = 0;
    // Loads a Windows cursor file (program folder + game path) and makes it
    // the pointer. Returns false and keeps the current pointer when the file
    // is missing or cannot be read.
    virtual bool loadCursor(const std::string& path) = 0;

    // --- Keyboard ----------------------------------------------------------
    // Whether the key is held down at this moment (a state, not an event).
    virtual bool keyDown(Key key) const = 0;

    // --- Clock -------------------------------------------------------------
    // Milliseconds since an arbitrary start, monotonic.
    virtual uint64_t nowMs() const = 0;
    virtual CalendarTime localTime() const = 0;
    virtual CalendarTime utcTime() const = 0;

    // --- Files -------------------------------------------------------------
    // Renames a file. Fails without effect when `from` is missing or `to`
    // already exists.
    virtual bool renameFile(const std::string& from, const std::string& to) = 0;
    virtual bool fileExists(const std::string& path) const = 0;
    // The whole file, or nullopt when it is missing or unreadable.
    virtual std::optional<std::vector<uint8_t>> readFile(const std::string& path) const = 0;
    // The same, possibly mapped rather than copied (large data files).
    virtual std::optional<layout::Bytes> mapFile(const std::string& path) const {
        auto bytes = readFile(path);
        if (!bytes) return std::nullopt;
        return layout::Bytes(std::move(*bytes));
    }
    // Replaces the file's content so that a crash at any moment leaves either
    // the old or the new content, never a mix or an empty file. Returns false
    // when the file could not be written (the old content then stays).
    virtual bool writeFileAtomically(const std::string& path, std::span<const uint8_t> bytes) = 0;

    // --- Sound -------------------------------------------------------------
    // Hands the wave list's files to the sound device (called once after the
    // layout is read); `index` of playWave() counts into this list.
    virtual void setWaves(const std::vector<std::span<const uint8_t>>& waves) = 0;
    // Plays wave `index` once, mixed with whatever already plays. `audible`
    // false is the silent device: the call is accepted and nothing sounds.
    virtual void playWave(int index, bool audible) = 0;

    // --- Media players (MIDI music), numbered 0 .. 5 ------------------------
    virtual void mediaSetFileName(int player, const std::string& path) = 0;
    // Whether open() waits for completion; kept for fidelity, no effect.
    virtual void mediaSetWait(int player, bool wait) = 0;
    // Opens the player's file. Returns false when it cannot be opened; the
    // player then stays silent.
    virtual bool mediaOpen(int player) = 0;
    // Plays from the current position. With `notify`, an end notification is
    // queued for the game's thread when the playback ends or is stopped.
    virtual void mediaPlay(int player, bool notify) = 0;
    virtual void mediaStop(int player) = 0;
    virtual void mediaRewind(int player) = 0;

    // When the media players next need attention (a track's end), so the
    // caller's sleep can end in time; UINT64_MAX when nothing plays.
    virtual uint64_t nextMediaDeadline() const = 0;

    // --- Scripted input ------------------------------------------------------
    // Queues an event as if the user had made it (scripted play).
    virtual void pushEvent(const Event& event) = 0;
    // Holds a key down (or lets it go) regardless of the real keyboard.
    virtual void setKeyOverride(Key key, bool down) = 0;
};

}  // namespace kvarnel::platform

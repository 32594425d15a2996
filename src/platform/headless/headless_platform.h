// The headless platform: no display, no sound device, a virtual clock.
//
// Tests and scripted runs drive it: they set the screen size, the pointer,
// the keys and the calendar, advance the clock themselves, and read back the
// record of every call the game made (`calls`), one line a call, in the
// form "name arg arg ... -> result". Files are real: paths name files of the
// host below the game folder, so renames and "data.dat" behave exactly as
// on the desktop.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace kvarnel::platform {

class HeadlessPlatform : public Platform {
public:
    explicit HeadlessPlatform(Size screen = {1024, 768});

    // --- What tests control ------------------------------------------------
    void setScreenSize(Size s) { screen_ = s; }
    void setKey(Key key, bool down) { keys_[static_cast<size_t>(key)] = down; }
    void advanceClock(uint64_t ms) { now_ += ms; }
    void setLocalTime(const CalendarTime& t) { local_ = t; }
    void setUtcTime(const CalendarTime& t) { utc_ = t; }
    // Makes display-mode changes fail (the result is still recorded).
    void setDisplayModeChangeFails(bool fails) { modeChangeFails_ = fails; }

    // --- What tests read ---------------------------------------------------
    std::vector<std::string> calls;
    int cursorCount() const { return cursorCount_; }
    const std::string& loadedCursor() const { return cursor_; }
    // Calls whose line starts with `prefix`, in order.
    std::vector<std::string> callsStartingWith(std::string_view prefix) const;

    // --- Platform ----------------------------------------------------------
    Size screenSize() const override { return screen_; }
    bool changeDisplayMode(int width, int height, int bitsPerPixel) override;
    void restoreDisplayMode() override;
    int showCursor(bool show) override;
    Point cursorPos() const override { return pointer_; }
    void setCursorPos(Point p) override;
    bool loadCursor(const std::string& path) override;
    bool keyDown(Key key) const override { return keys_[static_cast<size_t>(key)]; }
    uint64_t nowMs() const override { return now_; }
    CalendarTime localTime() const override { return local_; }
    CalendarTime utcTime() const override { return utc_; }
    bool renameFile(const std::string& from, const std::string& to) override;
    bool fileExists(const std::string& path) const override;
    std::optional<std::vector<uint8_t>> readFile(const std::string& path) const override;
    bool writeFileAtomically(const std::string& path, std::span<const uint8_t> bytes) override;
    void setWaves(const std::vector<std::span<const uint8_t>>& waves) override;
    void playWave(int index, bool audible) override;
    void mediaSetFileName(int player, const std::string& path) override;
    void mediaSetWait(int player, bool wait) override;
    bool mediaOpen(int player) override;
    void mediaPlay(int player, bool notify) override;
    void mediaStop(int player) override;
    void mediaRewind(int player) override;
    void movieStart(int movie, const std::string& path, int x, int y, int width, int height) override;
    bool moviePlaying(int movie) const override;
    void movieStop(int movie) override;
    void movieRewind(int movie) override;

private:
    void record(std::string line) { calls.push_back(std::move(line)); }

    Size screen_;
    Size savedScreen_;
    bool modeChanged_ = false;
    bool modeChangeFails_ = false;
    int cursorCount_ = 0;
    Point pointer_;
    std::string cursor_;
    std::array<bool, static_cast<size_t>(Key::Count)> keys_{};
    uint64_t now_ = 0;
    CalendarTime local_;
    CalendarTime utc_;
    size_t waveCount_ = 0;
    struct Player {
        std::string file;
        bool open = false;
    };
    std::array<Player, 6> players_{};
    std::map<int, bool> movies_;
};

}  // namespace kvarnel::platform

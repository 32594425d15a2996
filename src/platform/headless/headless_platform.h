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
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/media_clock.h"
#include "platform/platform.h"
#include "platform/text.h"

namespace kvarnel::platform {

class HeadlessPlatform : public Platform {
public:
    // `text` rasterises the labels; null gives one that measures every text
    // as empty (for tests that draw nothing).
    explicit HeadlessPlatform(Size screen = {1024, 768}, std::unique_ptr<TextRasterizer> text = nullptr);
    ~HeadlessPlatform() override;

    // --- What tests control ------------------------------------------------
    void setScreenSize(Size s) { screen_ = s; }
    void setKey(Key key, bool down) { keys_[static_cast<size_t>(key)] = down; }
    void advanceClock(uint64_t ms) { now_ += ms; }
    void setLocalTime(const CalendarTime& t) { local_ = t; }
    void setUtcTime(const CalendarTime& t) { utc_ = t; }
    // Makes display-mode changes fail (the result is still recorded).
    void setDisplayModeChangeFails(bool fails) { modeChangeFails_ = fails; }
    void setActive(bool active) { active_ = active; }
    // Makes every file write fail, as a full disk or a read-only folder
    // would (the result is still recorded).
    void setFileWritesFail(bool fail) { writesFail_ = fail; }

    // --- What tests read ---------------------------------------------------
    std::vector<std::string> calls;
    // The record holds at most this many lines, the newest.
    static constexpr size_t kMaxCalls = 100000;
    int cursorCount() const { return cursorCount_; }
    const std::string& loadedCursor() const { return cursor_; }
    // Calls whose line starts with `prefix`, in order.
    std::vector<std::string> callsStartingWith(std::string_view prefix) const;
    int framesPresented() const { return presented_; }
    // How often the game went to sleep (waitUntil calls).
    int waits() const { return waits_; }
    const MediaClock& media() const { return media_; }

    // --- Platform ----------------------------------------------------------
    bool pollEvent(Event& event) override;
    void waitUntil(uint64_t untilMs) override;
    bool isActive() const override { return active_; }
    void present(const uint32_t* pixels, int width, int height, std::span<const Rect> changed) override;
    TextRasterizer& text() override { return *text_; }
    uint64_t nextMediaDeadline() const override { return media_.nextDeadline(); }
    void pushEvent(const Event& event) override { events_.push_back(event); }
    void setKeyOverride(Key key, bool down) override { setKey(key, down); }
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
    std::optional<layout::Bytes> mapFile(const std::string& path) const override;
    bool writeFileAtomically(const std::string& path, std::span<const uint8_t> bytes) override;
    void setWaves(const std::vector<std::span<const uint8_t>>& waves) override;
    void playWave(int index, bool audible) override;
    void mediaSetFileName(int player, const std::string& path) override;
    void mediaSetWait(int player, bool wait) override;
    bool mediaOpen(int player) override;
    void mediaPlay(int player, bool notify) override;
    void mediaStop(int player) override;
    void mediaRewind(int player) override;

private:
    // Keeps the record bounded: past kMaxCalls lines the older half goes, so
    // a game that calls without end (say, two tracks restarting each other)
    // cannot eat the machine's memory.
    void record(std::string line);
    void settleMedia();

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
    std::array<std::string, MediaClock::kPlayerCount> mediaFiles_{};
    MediaClock media_;
    std::deque<Event> events_;
    std::unique_ptr<TextRasterizer> text_;
    bool active_ = true;
    bool writesFail_ = false;
    int presented_ = 0;
    int waits_ = 0;
};

}  // namespace kvarnel::platform

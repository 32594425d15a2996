// Recording a session as a script that replays it exactly.
//
//   kvarnel --record FILE                        (the desktop)
//   kvarnel --headless --script IN --record FILE (a scripted run)
//
// RecordingPlatform stands between the game and the real platform and
// writes what the player did in the script runner's own language: pointer
// moves, button presses and releases, keys held and let go, the game time
// between them, and what the run read from outside (the local and UTC
// calendar). `kvarnel --headless --script FILE` then plays the same run to
// the same state, and recording such a replay writes the same file again.
//
// Why a virtual clock. The loop runs its timers from nowMs(); on the desktop
// a pass runs a little late and input arrives at any moment, so the real
// times would order ticks and inputs differently on a replay, where time
// jumps exactly to each due time. Here nowMs() is a game clock that moves
// only inside waitUntil(t): to t once the real clock has reached it, or, when
// input arrives first, to just before t (never past the real clock), so the
// pass that takes the input has no timer due and the player's input comes
// before the tick that was about to run, live and on the replay alike.
//
// Why passes are shaped. A replayed `wait MS` is a pass at its start, passes
// at the due times, and a pass at its end; each input line is one pass of
// its own; a key line is none. The desktop loop makes passes whenever it
// wakes, so this platform decides when waitUntil() returns and what
// pollEvent() hands out so that the passes fall exactly as the replay's
// will: one input per pass, an opening pass after it, a closing pass at the
// input's time. Passes in between that have nothing due change nothing.
//
// What is made the same on the replay:
// - input reaches the game only through this platform's queue, the keys the
//   game reads and the pointer position are latched when the input is
//   handed out, and focus changes are latched like keys (the frame timer
//   asks isActive());
// - the music players' ends are counted on the game clock with the
//   headless platform's rules (the real mixer only sounds);
// - each pass sees one reading of each calendar; a reading the replay's
//   headless calendar would not give is written as a `clock` line before the
//   lines whose replay reads it.
// What is not: the middle mouse button (the script language has none; it is
// dropped while recording), and anything read before the first pass.
//
// In a scripted run the runner tells what it does (beginCommand() and
// endCommand() around every command that acts on the game) and the time
// between comes from the passes; input the real platform delivers is
// dropped there, so only the script drives the game.
//
// Failure. A FILE that cannot be opened or written is reported once on
// stderr; recording stops and the game goes on. Lines reach the disk at the
// latest when the game next waits, so a crash loses at most the last pass.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/media_clock.h"
#include "platform/platform.h"

namespace kvarnel::app {

// The script runner's spelling of a calendar time, for `clock` lines:
// "2026-12-31 23:59:59.250".
std::string formatCalendar(const platform::CalendarTime& t);
// Parses that spelling (the milliseconds may be left out) and computes the
// weekday from the date; nullopt when it is no valid date and time.
std::optional<platform::CalendarTime> parseCalendar(std::string_view date, std::string_view time);

struct RecordingOptions {
    // Whether a script drives the run (the runner reports its commands).
    bool scripted = false;
    // The game folder (ending in '/'): its "data.dat" as start-up will find
    // it goes into the head of the script. Empty: not recorded.
    std::string gameFolder;
};

class RecordingPlatform : public platform::Platform {
public:
    // Opens `path` for writing and writes the head of the script (the screen
    // size the game will see, and "data.dat" as it is now). `inner` is the
    // real platform; it must outlive this object. Made before the game reads
    // its settings.
    RecordingPlatform(platform::Platform& inner, const std::string& path, RecordingOptions options = {});
    ~RecordingPlatform() override;

    platform::Platform& inner() { return inner_; }
    // Whether lines are still being written (the file opened and no write
    // failed, and the session has not finished).
    bool recording() const { return file_ != nullptr && !finished_; }

    // The state dump the session ends with (the runner's `dump`); set before
    // the game runs.
    void setDumper(std::function<void(std::ostream&)> dumper) { dumper_ = std::move(dumper); }

    // A scripted command that acts on the game, as the line that replays it.
    // Passes between begin and end belong to it; clock readings in them are
    // written before it.
    void beginCommand(const std::string& line);
    void endCommand();

    // Ends the session: the last wait and `dump` in the file, and the dump
    // itself in FILE.dump. Called when the game is about to close (by a quit
    // handed out), or by the host when a script ends; later calls do nothing.
    void finish();

    // --- Platform ----------------------------------------------------------
    bool pollEvent(platform::Event& event) override;
    void waitUntil(uint64_t untilMs) override;
    bool isActive() const override;
    void present(const uint32_t* pixels, int width, int height, std::span<const platform::Rect> changed) override {
        inner_.present(pixels, width, height, changed);
    }
    platform::TextRasterizer& text() override { return inner_.text(); }
    platform::Size screenSize() const override { return inner_.screenSize(); }
    bool changeDisplayMode(int width, int height, int bitsPerPixel) override {
        return inner_.changeDisplayMode(width, height, bitsPerPixel);
    }
    void restoreDisplayMode() override { inner_.restoreDisplayMode(); }
    int showCursor(bool show) override { return inner_.showCursor(show); }
    platform::Point cursorPos() const override;
    void setCursorPos(platform::Point p) override;
    bool loadCursor(const std::string& path) override { return inner_.loadCursor(path); }
    bool keyDown(platform::Key key) const override { return keys_[static_cast<size_t>(key)]; }
    uint64_t nowMs() const override { return now_; }
    platform::CalendarTime localTime() const override { return readCalendar(kLocal); }
    platform::CalendarTime utcTime() const override { return readCalendar(kUtc); }
    bool renameFile(const std::string& from, const std::string& to) override { return inner_.renameFile(from, to); }
    bool fileExists(const std::string& path) const override { return inner_.fileExists(path); }
    std::optional<std::vector<uint8_t>> readFile(const std::string& path) const override {
        return inner_.readFile(path);
    }
    std::optional<layout::Bytes> mapFile(const std::string& path) const override { return inner_.mapFile(path); }
    bool writeFileAtomically(const std::string& path, std::span<const uint8_t> bytes) override {
        return inner_.writeFileAtomically(path, bytes);
    }
    void setWaves(const std::vector<std::span<const uint8_t>>& waves) override { inner_.setWaves(waves); }
    void playWave(int index, bool audible) override { inner_.playWave(index, audible); }
    void mediaSetFileName(int player, const std::string& path) override;
    void mediaSetWait(int player, bool wait) override { inner_.mediaSetWait(player, wait); }
    bool mediaOpen(int player) override;
    void mediaPlay(int player, bool notify) override;
    void mediaStop(int player) override;
    void mediaRewind(int player) override;
    uint64_t nextMediaDeadline() const override { return media_.nextDeadline(); }
    void pushEvent(const platform::Event& event) override;
    void setKeyOverride(platform::Key key, bool down) override;

private:
    static constexpr int kLocal = 0;
    static constexpr int kUtc = 1;

    // Something the real platform delivered that the game has not seen yet,
    // with the real time it was taken at (ms since the session's start).
    struct Arrival {
        enum class Kind : uint8_t { Pointer, Key, Focus, Quit };
        Kind kind = Kind::Pointer;
        platform::Event event;  // Pointer
        platform::Key key = platform::Key::Escape;
        bool down = false;  // Key: pressed; Focus: gained
        uint64_t realMs = 0;
    };

    // --- Lines -----------------------------------------------------------
    void writeHead();
    // Appends to the file (or the pass's lines, see pending_).
    void write(const std::string& line);
    void flushFile();
    void failed(const char* what);
    // The wait that replays the passes since the last line, if there were any.
    void writeWaitIfOpen();
    // Puts the pass's lines (its input line) into the file.
    void commitPending();
    void noteCalendarRead(int which, const platform::CalendarTime& value);

    // --- Time and input --------------------------------------------------
    uint64_t realNow() const;
    void settleMedia();
    // Moves the real platform's clock to `ms` of game time (the headless one
    // in a scripted run keeps in step with this one).
    void advanceInnerTo(uint64_t ms);
    // Takes what the real platform has queued and what its keys and focus
    // now say; drops the real end notices (ours count on the game clock).
    void drainInner();
    // A new arrival of that kind, taken now.
    Arrival& arrive(Arrival::Kind kind);
    uint64_t arrivalTime(const Arrival& a, uint64_t untilMs) const;
    // Acts on the oldest arrival at the present game time. Returns true when
    // it needs a pass of its own (an input queued for the next pass).
    bool takeArrival();
    void waitScripted(uint64_t untilMs);
    void waitLive(uint64_t untilMs);
    void startPass();

    platform::Platform& inner_;
    RecordingOptions options_;
    std::string path_;
    std::FILE* file_ = nullptr;
    bool finished_ = false;
    bool failed_ = false;
    std::function<void(std::ostream&)> dumper_;

    // Game time, and where the real clock stood when it was 0.
    uint64_t now_ = 0;
    uint64_t realStart_ = 0;
    bool realStarted_ = false;

    // What the game sees: keys, focus, pointer (latched when handed out).
    std::array<bool, static_cast<size_t>(platform::Key::Count)> keys_{};
    std::array<bool, static_cast<size_t>(platform::Key::Count)> seenKeys_{};
    bool active_ = true;
    bool seenActive_ = true;
    platform::Point pointer_;

    // Events for the game in order (end notices, queued quits, inputs), and
    // what the real platform delivered that waits for its moment. `input`
    // marks an input whose line this platform writes when handing it out.
    struct Queued {
        platform::Event event;
        bool input = false;
    };
    std::deque<Queued> queue_;
    std::deque<Arrival> arrivals_;
    // An input line waits in queue_ for the next pass.
    bool armed_ = false;

    // The music players' ends on the game clock.
    platform::MediaClock media_;
    std::array<std::string, platform::MediaClock::kPlayerCount> mediaFiles_{};

    // The shape of the script so far: the time of the last line, whether
    // passes ran since (a wait to write), the time of the last two passes.
    uint64_t lineTime_ = 0;
    bool passSinceLine_ = false;
    uint64_t lastPassTime_ = 0;
    uint64_t prevPassTime_ = 0;
    bool passStarting_ = true;  // the next pollEvent() opens a pass
    bool inputPass_ = false;    // the running pass is an input's or a command's
    bool inCommand_ = false;
    // Lines of the running pass: its input or command line; clock lines go
    // before them.
    std::vector<std::string> pending_;
    bool dirty_ = false;  // written since the last flush

    // Calendar readings: the value each pass saw first, and what a replay's
    // headless calendar would give (its default until a `clock` line).
    mutable std::array<std::optional<platform::CalendarTime>, 2> passReading_{};
    mutable std::array<platform::CalendarTime, 2> replayCalendar_{};
    mutable std::array<bool, 2> readInWait_{};
    platform::CalendarTime readCalendar(int which) const;
};

// The headless platform a game runs on, also beneath a recording; null on
// the desktop.
platform::HeadlessPlatform* headlessOf(platform::Platform& p);

}  // namespace kvarnel::app

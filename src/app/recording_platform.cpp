// Recording a session: see the header for the why.
//
// [SECTION] Calendar lines
// [SECTION] The file
// [SECTION] Passes and lines
// [SECTION] Waiting
// [SECTION] Input, music and the calendar
#include "app/recording_platform.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "core/settings_file.h"
#include "platform/midi_file.h"

namespace kvarnel::app {

using platform::CalendarTime;
using platform::Event;

// ---------------------------------------------------------------------------
// [SECTION] Calendar lines
// ---------------------------------------------------------------------------
namespace {

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar.
int64_t daysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// 0 = Sunday; 1970-01-01 was a Thursday.
int weekdayOf(int year, int month, int day) {
    return static_cast<int>(((daysFromCivil(year, month, day) + 4) % 7 + 7) % 7);
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// Reads exactly `digits` decimal digits at the front of `s`.
bool takeNumber(std::string_view& s, size_t digits, int& out) {
    if (s.size() < digits) return false;
    for (size_t i = 0; i < digits; ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
    }
    std::from_chars(s.data(), s.data() + digits, out);
    s.remove_prefix(digits);
    return true;
}

bool takeChar(std::string_view& s, char c) {
    if (s.empty() || s.front() != c) return false;
    s.remove_prefix(1);
    return true;
}

bool sameCalendar(const CalendarTime& a, const CalendarTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.weekday == b.weekday && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second && a.millisecond == b.millisecond;
}

const char* buttonName(platform::MouseButton b) {
    return b == platform::MouseButton::Right ? "MouseRight" : "MouseLeft";
}

// The line that replays an input the game was handed.
std::string inputLine(const Event& e) {
    switch (e.type) {
        case Event::Type::MouseMove:
            return "move " + std::to_string(e.position.x) + " " + std::to_string(e.position.y);
        case Event::Type::MouseDown:
            return std::string("hold ") + buttonName(e.button);
        case Event::Type::MouseUp:
            return std::string("release ") + buttonName(e.button);
        default:
            return {};
    }
}

// How long the real mixer may still be playing a track whose end the game
// clock has reached (see waitLive()).
constexpr uint64_t kMusicEndSlackMs = 100;

}  // namespace

std::string formatCalendar(const CalendarTime& t) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second, t.millisecond);
    return text;
}

std::optional<CalendarTime> parseCalendar(std::string_view date, std::string_view time) {
    CalendarTime t;
    if (!takeNumber(date, 4, t.year) || !takeChar(date, '-') || !takeNumber(date, 2, t.month) || !takeChar(date, '-') ||
        !takeNumber(date, 2, t.day) || !date.empty()) {
        return std::nullopt;
    }
    if (!takeNumber(time, 2, t.hour) || !takeChar(time, ':') || !takeNumber(time, 2, t.minute) ||
        !takeChar(time, ':') || !takeNumber(time, 2, t.second)) {
        return std::nullopt;
    }
    t.millisecond = 0;
    if (takeChar(time, '.') && !takeNumber(time, 3, t.millisecond)) return std::nullopt;
    if (!time.empty()) return std::nullopt;
    if (t.year < 1 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > daysInMonth(t.year, t.month) || t.hour > 23 ||
        t.minute > 59 || t.second > 59) {
        return std::nullopt;
    }
    t.weekday = weekdayOf(t.year, t.month, t.day);
    return t;
}

platform::HeadlessPlatform* headlessOf(platform::Platform& p) {
    if (auto* recording = dynamic_cast<RecordingPlatform*>(&p)) return headlessOf(recording->inner());
    return dynamic_cast<platform::HeadlessPlatform*>(&p);
}

// ---------------------------------------------------------------------------
// [SECTION] The file
// ---------------------------------------------------------------------------
RecordingPlatform::RecordingPlatform(platform::Platform& inner, const std::string& path, RecordingOptions options)
    : inner_(inner), options_(options), path_(path) {
    file_ = std::fopen(path.c_str(), "w");
    if (!file_) {
        failed("open");
    } else {
        writeHead();
    }
    if (options_.scripted) {
        // A scripted run moves the real clock itself, in step with this one.
        realStart_ = inner_.nowMs();
        realStarted_ = true;
    }
}

RecordingPlatform::~RecordingPlatform() {
    if (file_) std::fclose(file_);
}

void RecordingPlatform::writeHead() {
    const platform::Size screen = inner_.screenSize();
    write("# A session recorded by kvarnel --record; replay it with kvarnel --headless --script FILE");
    write("screen " + std::to_string(screen.width) + "x" + std::to_string(screen.height));
    if (options_.gameFolder.empty()) return;
    // The settings and the saved game the player had: the replay starts
    // from them, not from the developer's.
    const std::string dataFile = options_.gameFolder + std::string(core::kDataFileName);
    if (!inner_.fileExists(dataFile)) {
        write("data-file none");
        return;
    }
    const auto bytes = inner_.readFile(dataFile);
    if (!bytes) {
        write("# " + std::string(core::kDataFileName) + " could not be read: the replay uses its own");
        return;
    }
    std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        write("data-file \"" + std::string(line) + "\"");
    }
}

void RecordingPlatform::write(const std::string& line) {
    if (!file_ || finished_) return;
    if (std::fputs(line.c_str(), file_) < 0 || std::fputc('\n', file_) == EOF) {
        failed("write");
        return;
    }
    dirty_ = true;
}

void RecordingPlatform::flushFile() {
    if (!file_ || !dirty_) return;
    dirty_ = false;
    if (std::fflush(file_) != 0) failed("write");
}

void RecordingPlatform::failed(const char* what) {
    if (!failed_) {
        std::cerr << "kvarnel: cannot " << what << " the recording " << path_ << ": " << std::strerror(errno)
                  << "; the game goes on without it\n";
    }
    failed_ = true;
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

void RecordingPlatform::finish() {
    if (finished_) return;
    inCommand_ = false;
    commitPending();
    writeWaitIfOpen();
    write("dump");
    const bool wasRecording = recording();
    finished_ = true;
    if (file_ && std::fclose(file_) != 0) {
        file_ = nullptr;
        failed("write");
    }
    file_ = nullptr;
    if (!wasRecording || !dumper_) return;
    // The replay dumps with its clock where the last line left it.
    std::ostringstream dump;
    const uint64_t now = now_;
    now_ = lineTime_;
    dumper_(dump);
    now_ = now;
    const std::string dumpPath = path_ + ".dump";
    std::ofstream out(dumpPath, std::ios::binary);
    out << dump.str();
    out.close();
    if (!out) std::cerr << "kvarnel: cannot write " << dumpPath << ": " << std::strerror(errno) << "\n";
}

// ---------------------------------------------------------------------------
// [SECTION] Passes and lines
// ---------------------------------------------------------------------------
void RecordingPlatform::writeWaitIfOpen() {
    if (!passSinceLine_) return;
    write("wait " + std::to_string(lastPassTime_ - lineTime_));
    passSinceLine_ = false;
    lineTime_ = lastPassTime_;
}

void RecordingPlatform::commitPending() {
    if (inCommand_) return;
    for (const std::string& line : pending_) write(line);
    pending_.clear();
}

void RecordingPlatform::beginCommand(const std::string& line) {
    commitPending();
    writeWaitIfOpen();
    pending_.push_back(line);
    inCommand_ = true;
}

void RecordingPlatform::endCommand() {
    inCommand_ = false;
    commitPending();
    lineTime_ = now_;
    passSinceLine_ = false;
}

void RecordingPlatform::startPass() {
    // A quit about to be handed out closes the game in this pass: the
    // session ends with the state the last pass left.
    if (std::any_of(queue_.begin(), queue_.end(), [](const Queued& q) { return q.event.type == Event::Type::Quit; })) {
        finish();
    }
    commitPending();
    prevPassTime_ = lastPassTime_;
    lastPassTime_ = now_;
    passReading_ = {};
    if (inCommand_ || armed_) {
        inputPass_ = true;
        armed_ = false;
        return;
    }
    inputPass_ = false;
    if (!passSinceLine_) {
        passSinceLine_ = true;
        readInWait_ = {};
    }
}

bool RecordingPlatform::pollEvent(Event& event) {
    if (passStarting_) {
        passStarting_ = false;
        startPass();
    }
    settleMedia();
    if (queue_.empty()) {
        passStarting_ = true;
        return false;
    }
    const Queued q = queue_.front();
    queue_.pop_front();
    if (q.input) {
        pending_.push_back(inputLine(q.event));
        if (q.event.type == Event::Type::MouseMove) pointer_ = q.event.position;
        lineTime_ = now_;
        passSinceLine_ = false;
    }
    event = q.event;
    return true;
}

// ---------------------------------------------------------------------------
// [SECTION] Waiting
// ---------------------------------------------------------------------------
uint64_t RecordingPlatform::realNow() const {
    const uint64_t real = inner_.nowMs();
    return real > realStart_ ? real - realStart_ : 0;
}

void RecordingPlatform::waitUntil(uint64_t untilMs) {
    commitPending();
    flushFile();
    if (options_.scripted || finished_) {
        waitScripted(untilMs);
    } else {
        waitLive(untilMs);
    }
}

// As the headless platform waits, with the real platform kept in step.
void RecordingPlatform::waitScripted(uint64_t untilMs) {
    settleMedia();
    if (untilMs <= now_) return;
    if (!queue_.empty()) {
        ++now_;
        advanceInnerTo(now_);
        settleMedia();
        return;
    }
    const uint64_t target = std::min(untilMs, std::max(now_, media_.nextDeadline()));
    advanceInnerTo(target);
    now_ = target;
    settleMedia();
}

void RecordingPlatform::advanceInnerTo(uint64_t ms) {
    const uint64_t real = realStart_ + ms;
    while (inner_.nowMs() < real) {
        drainInner();
        inner_.waitUntil(real);
    }
    drainInner();
}

// The desktop: the real clock paces the game clock, input ends a wait early.
void RecordingPlatform::waitLive(uint64_t untilMs) {
    settleMedia();
    if (untilMs <= now_) return;
    if (!realStarted_) {
        // The game clock starts with play, not with loading.
        const uint64_t real = inner_.nowMs();
        realStart_ = real > now_ ? real - now_ : 0;
        realStarted_ = true;
    }
    for (;;) {
        drainInner();
        if (armed_) return;
        if (!passSinceLine_) {
            // Right after a line the next pass opens a wait, unless what
            // arrived belongs to this very moment.
            if (!arrivals_.empty() && arrivalTime(arrivals_.front(), untilMs) == now_) {
                if (takeArrival()) return;
                continue;
            }
            return;
        }
        if (!queue_.empty()) {
            // Notices wait for a pass a millisecond on, as on the headless
            // platform.
            ++now_;
            settleMedia();
            return;
        }
        if (!arrivals_.empty()) {
            const uint64_t at = arrivalTime(arrivals_.front(), untilMs);
            if (at > now_) {
                // The pass a replayed wait ends with; the input follows it.
                now_ = at;
                return;
            }
            writeWaitIfOpen();
            if (takeArrival()) return;
            continue;
        }
        const uint64_t target = std::min(untilMs, media_.nextDeadline());
        if (realNow() >= target) {
            if (target == media_.nextDeadline()) {
                // The real mixer started the track a little after the game
                // clock did; let it reach its own end (so that the game's
                // playing it again takes over the running loop) before the
                // game hears of the end.
                const uint64_t limit = realStart_ + target + kMusicEndSlackMs;
                const uint64_t mixerEnd = inner_.nextMediaDeadline();
                while (mixerEnd < limit && inner_.nowMs() < mixerEnd) {
                    inner_.waitUntil(mixerEnd);
                    drainInner();
                }
            }
            now_ = target;
            settleMedia();
            return;
        }
        inner_.waitUntil(realStart_ + target);
    }
}

uint64_t RecordingPlatform::arrivalTime(const Arrival& a, uint64_t untilMs) const {
    return std::max(now_, std::min(a.realMs, untilMs - 1));
}

// ---------------------------------------------------------------------------
// [SECTION] Input, music and the calendar
// ---------------------------------------------------------------------------
RecordingPlatform::Arrival& RecordingPlatform::arrive(Arrival::Kind kind) {
    Arrival& a = arrivals_.emplace_back();
    a.kind = kind;
    a.realMs = realNow();
    return a;
}

void RecordingPlatform::drainInner() {
    Event e;
    while (inner_.pollEvent(e)) {
        switch (e.type) {
            case Event::Type::MediaEnded:
            case Event::Type::FocusGained:
            case Event::Type::FocusLost:
                // Ends count on the game clock; focus is read as a state below.
                break;
            case Event::Type::Quit:
                if (options_.scripted || finished_) {
                    queue_.push_back({e, false});
                } else {
                    arrive(Arrival::Kind::Quit).event = e;
                }
                break;
            case Event::Type::MouseMove:
            case Event::Type::MouseDown:
            case Event::Type::MouseUp:
                if (options_.scripted || finished_) break;
                if (e.type != Event::Type::MouseMove && e.button == platform::MouseButton::Middle) break;
                if (e.type == Event::Type::MouseMove && !arrivals_.empty() &&
                    arrivals_.back().kind == Arrival::Kind::Pointer &&
                    arrivals_.back().event.type == Event::Type::MouseMove) {
                    // Only where the pointer ended up counts.
                    arrivals_.back().event = e;
                    arrivals_.back().realMs = realNow();
                } else {
                    arrive(Arrival::Kind::Pointer).event = e;
                }
                break;
        }
    }
    if (options_.scripted || finished_) return;
    for (size_t k = 0; k < keys_.size(); ++k) {
        const auto key = static_cast<platform::Key>(k);
        const bool down = inner_.keyDown(key);
        if (down == seenKeys_[k]) continue;
        seenKeys_[k] = down;
        Arrival& a = arrive(Arrival::Kind::Key);
        a.key = key;
        a.down = down;
    }
    const bool active = inner_.isActive();
    if (active != seenActive_) {
        seenActive_ = active;
        arrive(Arrival::Kind::Focus).down = active;
    }
}

bool RecordingPlatform::takeArrival() {
    const Arrival a = arrivals_.front();
    switch (a.kind) {
        case Arrival::Kind::Key:
            arrivals_.pop_front();
            write(std::string(a.down ? "hold " : "release ") + platform::keyName(a.key));
            keys_[static_cast<size_t>(a.key)] = a.down;
            lineTime_ = now_;
            return false;
        case Arrival::Kind::Focus:
            arrivals_.pop_front();
            write(a.down ? "focus gained" : "focus lost");
            active_ = a.down;
            lineTime_ = now_;
            return false;
        case Arrival::Kind::Quit: {
            arrivals_.pop_front();
            Event quit;
            quit.type = Event::Type::Quit;
            queue_.push_back({quit, false});
            return true;
        }
        case Arrival::Kind::Pointer:
            break;
    }
    if (a.event.type != Event::Type::MouseMove && a.event.position != pointer_) {
        // A replayed press acts where the pointer stands: bring it there
        // first, as an input of its own, and keep the press for later.
        Event move;
        move.type = Event::Type::MouseMove;
        move.position = a.event.position;
        queue_.push_back({move, true});
    } else {
        arrivals_.pop_front();
        queue_.push_back({a.event, true});
    }
    armed_ = true;
    return true;
}

void RecordingPlatform::pushEvent(const Event& event) {
    // The runner's input (its line came with beginCommand()) or the game's
    // own quit: either way the replay makes it again.
    queue_.push_back({event, false});
}

void RecordingPlatform::setKeyOverride(platform::Key key, bool down) {
    inner_.setKeyOverride(key, down);
    keys_[static_cast<size_t>(key)] = down;
}

bool RecordingPlatform::isActive() const {
    return options_.scripted ? inner_.isActive() : active_;
}

platform::Point RecordingPlatform::cursorPos() const {
    return pointer_;
}

void RecordingPlatform::setCursorPos(platform::Point p) {
    inner_.setCursorPos(p);
    pointer_ = p;
}

void RecordingPlatform::settleMedia() {
    media_.settle(now_, [this](int player) { queue_.push_back({Event::mediaEnded(player), false}); });
}

void RecordingPlatform::mediaSetFileName(int player, const std::string& path) {
    if (player >= 0 && player < platform::MediaClock::kPlayerCount) mediaFiles_[static_cast<size_t>(player)] = path;
    inner_.mediaSetFileName(player, path);
}

bool RecordingPlatform::mediaOpen(int player) {
    inner_.mediaOpen(player);
    // The length as the headless platform reads it, so ends fall alike.
    if (player < 0 || player >= platform::MediaClock::kPlayerCount) return false;
    const auto bytes = inner_.readFile(mediaFiles_[static_cast<size_t>(player)]);
    const auto duration = bytes ? platform::midiDurationMs(*bytes) : std::nullopt;
    if (!duration) {
        media_.close(player);
        return false;
    }
    media_.open(player, static_cast<uint64_t>(*duration));
    return true;
}

void RecordingPlatform::mediaPlay(int player, bool notify) {
    inner_.mediaPlay(player, notify);
    media_.play(player, notify, now_);
}

void RecordingPlatform::mediaStop(int player) {
    inner_.mediaStop(player);
    media_.stop(player, now_);
}

void RecordingPlatform::mediaRewind(int player) {
    inner_.mediaRewind(player);
    media_.rewind(player);
}

CalendarTime RecordingPlatform::readCalendar(int which) const {
    auto& seen = passReading_[static_cast<size_t>(which)];
    if (seen) return *seen;
    const CalendarTime value = which == kLocal ? inner_.localTime() : inner_.utcTime();
    seen = value;
    // Reading the clock is what the game asks of the outside; writing it
    // down is the recorder's side effect, not a change the game can see.
    const_cast<RecordingPlatform*>(this)->noteCalendarRead(which, value);
    return value;
}

void RecordingPlatform::noteCalendarRead(int which, const CalendarTime& value) {
    const size_t i = static_cast<size_t>(which);
    if (!recording()) return;
    const bool inWait = !inputPass_ && passSinceLine_;
    if (!sameCalendar(value, replayCalendar_[i])) {
        const std::string line = std::string("clock ") + (which == kLocal ? "local " : "utc ") + formatCalendar(value);
        // The replay's headless calendar gives the weekday of the date.
        replayCalendar_[i] = value;
        replayCalendar_[i].weekday = weekdayOf(value.year, value.month, value.day);
        if (inputPass_) {
            // Before the line whose pass reads it.
            pending_.insert(pending_.begin(), line);
        } else if (inWait && readInWait_[i]) {
            // An earlier pass of this wait read the old value: end the wait
            // at the pass before this one, and set the clock after it.
            write("wait " + std::to_string(prevPassTime_ - lineTime_));
            lineTime_ = prevPassTime_;
            write(line);
            readInWait_ = {};
        } else {
            // Before the wait that is still being made.
            write(line);
        }
    }
    if (inWait) readInWait_[i] = true;
}

}  // namespace kvarnel::app

#include "platform/headless/headless_platform.h"

#include <algorithm>

#include "platform/host_files.h"
#include "platform/midi_file.h"

namespace kvarnel::platform {
namespace {
const char* yesNo(bool ok) {
    return ok ? "ok" : "failed";
}
bool validPlayer(int p) {
    return p >= 0 && p < MediaClock::kPlayerCount;
}

// Measures every text as empty: for tests that never look at letters.
class NoText : public TextRasterizer {
public:
    TextSize measure(const FontSpec& font, std::string_view) override { return {0, font.pixelHeight}; }
    TextMask render(const FontSpec& font, std::string_view) override { return {0, font.pixelHeight, {}}; }
};
}  // namespace

HeadlessPlatform::HeadlessPlatform(Size screen, std::unique_ptr<TextRasterizer> text)
    : screen_(screen), savedScreen_(screen), text_(text ? std::move(text) : std::make_unique<NoText>()) {}

HeadlessPlatform::~HeadlessPlatform() = default;

void HeadlessPlatform::record(std::string line) {
    if (calls.size() >= kMaxCalls)
        calls.erase(calls.begin(), calls.begin() + static_cast<std::ptrdiff_t>(kMaxCalls / 2));
    calls.push_back(std::move(line));
}

void HeadlessPlatform::settleMedia() {
    media_.settle(now_, [this](int player) { events_.push_back(Event::mediaEnded(player)); });
}

bool HeadlessPlatform::pollEvent(Event& event) {
    settleMedia();
    if (events_.empty()) return false;
    event = events_.front();
    events_.pop_front();
    return true;
}

void HeadlessPlatform::waitUntil(uint64_t untilMs) {
    ++waits_;
    settleMedia();
    if (untilMs <= now_) return;
    if (!events_.empty()) {
        // Handling events takes time on a real machine; a game that keeps
        // raising them (each notice causing the next) still sees its clock
        // move, so its timers go on ticking.
        ++now_;
        settleMedia();
        return;
    }
    // Time jumps to the earlier of the deadline and the next track end.
    now_ = std::min(untilMs, std::max(now_, media_.nextDeadline()));
    settleMedia();
}

void HeadlessPlatform::present(const uint32_t*, int, int, std::span<const Rect>) {
    ++presented_;
}

std::vector<std::string> HeadlessPlatform::callsStartingWith(std::string_view prefix) const {
    std::vector<std::string> out;
    for (const auto& c : calls) {
        if (std::string_view(c).substr(0, prefix.size()) == prefix) out.push_back(c);
    }
    return out;
}

bool HeadlessPlatform::changeDisplayMode(int width, int height, int bitsPerPixel) {
    const bool ok = !modeChangeFails_;
    record("changeDisplayMode " + std::to_string(width) + "x" + std::to_string(height) + "x" +
           std::to_string(bitsPerPixel) + " -> " + yesNo(ok));
    if (ok) {
        if (!modeChanged_) savedScreen_ = screen_;
        modeChanged_ = true;
        screen_ = {width, height};
    }
    return ok;
}

void HeadlessPlatform::restoreDisplayMode() {
    record("restoreDisplayMode");
    if (modeChanged_) screen_ = savedScreen_;
    modeChanged_ = false;
}

int HeadlessPlatform::showCursor(bool show) {
    cursorCount_ += show ? 1 : -1;
    record(std::string("showCursor ") + (show ? "true" : "false") + " -> " + std::to_string(cursorCount_));
    return cursorCount_;
}

void HeadlessPlatform::setCursorPos(Point p) {
    pointer_ = p;
    record("setCursorPos " + std::to_string(p.x) + " " + std::to_string(p.y));
}

bool HeadlessPlatform::loadCursor(const std::string& path) {
    const bool ok = host::exists(nativePath(path));
    if (ok) cursor_ = path;
    record("loadCursor " + path + " -> " + yesNo(ok));
    return ok;
}

bool HeadlessPlatform::renameFile(const std::string& from, const std::string& to) {
    const bool ok = host::renameNoReplace(nativePath(from), nativePath(to));
    record("rename " + from + " " + to + " -> " + yesNo(ok));
    return ok;
}

bool HeadlessPlatform::fileExists(const std::string& path) const {
    return host::exists(nativePath(path));
}

std::optional<std::vector<uint8_t>> HeadlessPlatform::readFile(const std::string& path) const {
    return host::readWholeFile(nativePath(path));
}

std::optional<layout::Bytes> HeadlessPlatform::mapFile(const std::string& path) const {
    return host::mapWholeFile(nativePath(path));
}

bool HeadlessPlatform::writeFileAtomically(const std::string& path, std::span<const uint8_t> bytes) {
    const bool ok = !writesFail_ && host::writeAtomically(nativePath(path), bytes);
    record("writeFile " + path + " " + std::to_string(bytes.size()) + " bytes -> " + yesNo(ok));
    return ok;
}

void HeadlessPlatform::setWaves(const std::vector<std::span<const uint8_t>>& waves) {
    waveCount_ = waves.size();
    record("setWaves " + std::to_string(waves.size()));
}

void HeadlessPlatform::playWave(int index, bool audible) {
    record("playWave " + std::to_string(index) + (audible ? " audible" : " silent"));
}

void HeadlessPlatform::mediaSetFileName(int player, const std::string& path) {
    if (validPlayer(player)) mediaFiles_[static_cast<size_t>(player)] = path;
    record("mediaSetFileName " + std::to_string(player) + " " + path);
}

void HeadlessPlatform::mediaSetWait(int player, bool wait) {
    record("mediaSetWait " + std::to_string(player) + (wait ? " true" : " false"));
}

bool HeadlessPlatform::mediaOpen(int player) {
    bool ok = false;
    if (validPlayer(player)) {
        const auto bytes = host::readWholeFile(nativePath(mediaFiles_[static_cast<size_t>(player)]));
        const auto duration = bytes ? midiDurationMs(*bytes) : std::nullopt;
        ok = duration.has_value();
        if (ok) {
            media_.open(player, static_cast<uint64_t>(*duration));
        } else {
            media_.close(player);
        }
    }
    record("mediaOpen " + std::to_string(player) + " -> " + yesNo(ok));
    return ok;
}

void HeadlessPlatform::mediaPlay(int player, bool notify) {
    media_.play(player, notify, now_);
    record("mediaPlay " + std::to_string(player) + (notify ? " notify" : ""));
}

void HeadlessPlatform::mediaStop(int player) {
    media_.stop(player, now_);
    record("mediaStop " + std::to_string(player));
}

void HeadlessPlatform::mediaRewind(int player) {
    media_.rewind(player);
    record("mediaRewind " + std::to_string(player));
}

}  // namespace kvarnel::platform

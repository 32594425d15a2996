#include "platform/headless/headless_platform.h"

#include "platform/host_files.h"

namespace kvarnel::platform {
namespace {
const char* yesNo(bool ok) { return ok ? "ok" : "failed"; }
bool validPlayer(int p) { return p >= 0 && p < 6; }
}  // namespace

HeadlessPlatform::HeadlessPlatform(Size screen) : screen_(screen), savedScreen_(screen) {}

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

bool HeadlessPlatform::fileExists(const std::string& path) const { return host::exists(nativePath(path)); }

std::optional<std::vector<uint8_t>> HeadlessPlatform::readFile(const std::string& path) const {
    return host::readWholeFile(nativePath(path));
}

bool HeadlessPlatform::writeFileAtomically(const std::string& path, std::span<const uint8_t> bytes) {
    const bool ok = host::writeAtomically(nativePath(path), bytes);
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
    if (validPlayer(player)) players_[player] = {path, false};
    record("mediaSetFileName " + std::to_string(player) + " " + path);
}

void HeadlessPlatform::mediaSetWait(int player, bool wait) {
    record("mediaSetWait " + std::to_string(player) + (wait ? " true" : " false"));
}

bool HeadlessPlatform::mediaOpen(int player) {
    const bool ok = validPlayer(player) && host::exists(nativePath(players_[player].file));
    if (ok) players_[player].open = true;
    record("mediaOpen " + std::to_string(player) + " -> " + yesNo(ok));
    return ok;
}

void HeadlessPlatform::mediaPlay(int player, bool notify) {
    record("mediaPlay " + std::to_string(player) + (notify ? " notify" : ""));
}

void HeadlessPlatform::mediaStop(int player) { record("mediaStop " + std::to_string(player)); }

void HeadlessPlatform::mediaRewind(int player) { record("mediaRewind " + std::to_string(player)); }

void HeadlessPlatform::movieStart(int movie, const std::string& path, int x, int y, int width, int height) {
    const bool ok = host::exists(nativePath(path));
    movies_[movie] = ok;
    record("movieStart " + std::to_string(movie) + " " + path + " " + std::to_string(x) + " " + std::to_string(y) +
           " " + std::to_string(width) + "x" + std::to_string(height) + " -> " + yesNo(ok));
}

bool HeadlessPlatform::moviePlaying(int movie) const {
    const auto it = movies_.find(movie);
    return it != movies_.end() && it->second;
}

void HeadlessPlatform::movieStop(int movie) {
    movies_[movie] = false;
    record("movieStop " + std::to_string(movie));
}

void HeadlessPlatform::movieRewind(int movie) { record("movieRewind " + std::to_string(movie)); }

}  // namespace kvarnel::platform

#include "platform/media_clock.h"

#include <algorithm>
#include <limits>

namespace kvarnel::platform {

void MediaClock::open(int player, std::optional<uint64_t> durationMs) {
    if (!valid(player)) return;
    if (playing_ == player) dropPlayback();
    players_[static_cast<size_t>(player)] = Player{.open = true, .durationMs = durationMs};
}

void MediaClock::close(int player) {
    if (!valid(player)) return;
    if (playing_ == player) dropPlayback();
    players_[static_cast<size_t>(player)] = Player{};
}

bool MediaClock::isOpen(int player) const { return valid(player) && players_[static_cast<size_t>(player)].open; }

void MediaClock::play(int player, bool notify, uint64_t nowMs) {
    if (!isOpen(player)) return;
    update(nowMs);
    Player& p = players_[static_cast<size_t>(player)];
    if (playing_ == player) {
        p.notify = p.notify || notify;
        return;
    }
    if (playing_ >= 0) endPlayback(nowMs, false);
    if (atEnd(player)) {
        p.positionMs = 0;
        p.atEnd = false;
    }
    p.notify = notify;
    p.startedAtMs = nowMs;
    playing_ = player;
}

void MediaClock::stop(int player, uint64_t nowMs) {
    if (!valid(player)) return;
    update(nowMs);
    if (playing_ == player) endPlayback(nowMs, false);
}

void MediaClock::rewind(int player) {
    if (!isOpen(player)) return;
    if (playing_ == player) dropPlayback();
    Player& p = players_[static_cast<size_t>(player)];
    p.positionMs = 0;
    p.atEnd = false;
}

void MediaClock::finish(uint64_t nowMs) {
    if (playing_ >= 0) endPlayback(nowMs, true);
}

int MediaClock::update(uint64_t nowMs) {
    if (playing_ < 0 || nowMs < nextDeadline()) return -1;
    const int player = playing_;
    endPlayback(nowMs, true);
    return player;
}

bool MediaClock::takeEnded(int& player) {
    if (ended_.empty()) return false;
    player = ended_.front();
    ended_.pop_front();
    return true;
}

uint64_t MediaClock::nextDeadline() const {
    if (playing_ < 0) return std::numeric_limits<uint64_t>::max();
    const Player& p = players_[static_cast<size_t>(playing_)];
    if (!p.durationMs) return std::numeric_limits<uint64_t>::max();
    const uint64_t left = *p.durationMs > p.positionMs ? *p.durationMs - p.positionMs : 0;
    return p.startedAtMs + left;
}

bool MediaClock::playing(int player, uint64_t nowMs) const {
    return valid(player) && playing_ == player && nowMs < nextDeadline();
}

uint64_t MediaClock::positionMs(int player, uint64_t nowMs) const {
    if (!valid(player)) return 0;
    const Player& p = players_[static_cast<size_t>(player)];
    if (playing_ != player) return p.positionMs;
    const uint64_t position = p.positionMs + (nowMs > p.startedAtMs ? nowMs - p.startedAtMs : 0);
    return p.durationMs ? std::min(position, *p.durationMs) : position;
}

bool MediaClock::atEnd(int player) const {
    if (!valid(player)) return false;
    const Player& p = players_[static_cast<size_t>(player)];
    if (playing_ == player) return false;
    return p.atEnd || (p.durationMs && p.positionMs >= *p.durationMs);
}

void MediaClock::endPlayback(uint64_t nowMs, bool reachedEnd) {
    const int player = playing_;
    Player& p = players_[static_cast<size_t>(player)];
    p.positionMs = positionMs(player, nowMs);
    if (reachedEnd) {
        if (p.durationMs) p.positionMs = *p.durationMs;
        p.atEnd = true;
    }
    dropPlayback();
}

void MediaClock::dropPlayback() {
    Player& p = players_[static_cast<size_t>(playing_)];
    if (p.notify) ended_.push_back(playing_);
    p.notify = false;
    playing_ = -1;
}

}  // namespace kvarnel::platform

// The bookkeeping of the six music players, without any sound.
//
// Both platforms keep it: the headless one uses it alone on its virtual
// clock; the desktop one adds the mixer calls on top (SdlAudio). It knows
// each player's media length, its position, which one is playing, and when
// that playback ends, and it queues the end notifications the game's thread
// takes one by one.
//
// The rules:
// - One player sounds at a time. Playing one while another plays interrupts
//   the other, which keeps its position as a stop would.
// - Play starts from the player's position and runs to the end of its
//   media; a player that stands at its end starts from the beginning.
//   Playing the player that is already playing keeps that playback running
//   (it does not start over, and it is not a new playback); a notify request
//   then asks for the notification when it ends.
// - A playback that was started with notification queues exactly one
//   notification when it ends: by reaching its end, by a stop, by a rewind
//   or a re-open of its player, or by another player starting. Stopping or
//   rewinding a player that is not playing queues none.
// - Stop keeps the position reached; rewind stops and returns to the start.
// - Notifications are taken in the order in which the playbacks ended.
//
// Times are milliseconds of the caller's clock, which must not run
// backwards. Every call that takes the time first settles a playback whose
// end is already due, so a notification is never lost or reordered because
// update() was not called in between. Player numbers outside 0 .. 5 are
// ignored.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>

namespace kvarnel::platform {

class MediaClock {
public:
    static constexpr int kPlayerCount = 6;

    // Gives the player its media: `durationMs` long, or of unknown length
    // (nullopt), in which case a playback ends only through finish(). Stops a
    // playback of this player first (with its notification); the position
    // goes to the start.
    void open(int player, std::optional<uint64_t> durationMs);
    // Takes the media away (a failed re-open): the player no longer plays.
    void close(int player);
    bool isOpen(int player) const;

    void play(int player, bool notify, uint64_t nowMs);
    void stop(int player, uint64_t nowMs);
    void rewind(int player);

    // The playing track reached its end at `nowMs` by some other account
    // (the mixer finished it). No effect when nothing plays.
    void finish(uint64_t nowMs);
    // Ends the playback whose end is due at `nowMs`. Returns the player that
    // reached its end in this call, or -1.
    int update(uint64_t nowMs);

    // Pops the oldest queued notification; false when none is queued.
    bool takeEnded(int& player);
    // update() at `nowMs`, then hands every queued notification's player to
    // `onEnded`, oldest first.
    template <class OnEnded>
    void settle(uint64_t nowMs, OnEnded&& onEnded) {
        update(nowMs);
        int player = -1;
        while (takeEnded(player)) onEnded(player);
    }
    // When the playing track's end is due, or UINT64_MAX when nothing plays
    // or its length is unknown. Notifications already queued do not count.
    uint64_t nextDeadline() const;

    // The player that is playing, or -1.
    int playing() const { return playing_; }
    // Whether `player` sounds at `nowMs`: it is the playing one and its end
    // is not yet due. A playback whose end has passed without an update()
    // in between no longer counts, so an observer need not settle first.
    bool playing(int player, uint64_t nowMs) const;
    // Where the player stands at `nowMs`, in ms from the start of its media.
    uint64_t positionMs(int player, uint64_t nowMs) const;
    bool atEnd(int player) const;

private:
    struct Player {
        bool open = false;
        std::optional<uint64_t> durationMs;
        uint64_t positionMs = 0;  // while playing: the position at startedAt
        bool atEnd = false;
        bool notify = false;  // the current playback asked for a notification
        uint64_t startedAtMs = 0;
    };

    static bool valid(int player) { return player >= 0 && player < kPlayerCount; }
    // Ends the current playback at `nowMs`: at its end when it ran out,
    // else where it stands.
    void endPlayback(uint64_t nowMs, bool reachedEnd);
    // Ends the current playback without a time (rewind, re-open): the
    // position is about to be reset anyway.
    void dropPlayback();

    std::array<Player, kPlayerCount> players_{};
    int playing_ = -1;
    std::deque<int> ended_;
};

}  // namespace kvarnel::platform

// Music: one looping track at a time, started and stopped where the story
// crosses from one region to another.
#include "app/game.h"

namespace kvarnel::app {

namespace {
bool validTrack(int k) {
    return k >= 1 && k <= 6;
}
}  // namespace

void Game::startTrack(int k) {
    if (!validTrack(k) || state.TrackEnabled[static_cast<size_t>(k - 1)] == 0) return;
    platform.mediaRewind(k - 1);
    platform.mediaPlay(k - 1, true);
}

void Game::playTrack(int k) {
    if (!validTrack(k) || state.TrackEnabled[static_cast<size_t>(k - 1)] == 0) return;
    platform.mediaPlay(k - 1, true);
}

void Game::stopTrack(int k) {
    if (!validTrack(k)) return;
    state.SkipTrackRestart = 1;
    platform.mediaStop(k - 1);
}

void Game::trackNotify(int k) {
    // The player stands at its end, so playing starts it over.
    if (validTrack(k) && state.SkipTrackRestart == 0) platform.mediaPlay(k - 1, true);
    state.SkipTrackRestart = 0;
}

}  // namespace kvarnel::app

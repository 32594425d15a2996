// What every rule of play works with, and the handful of operations they all
// share.
//
// The host (app::Game) owns the platform, the layout with its resolved
// controls, the game state, the random generator, the screen and the movies
// for the whole run, and hands each rule this one Context that refers to
// them. Rules are free functions over it, grouped one file per thing in
// scenes/, story/ and screens/; they never see the host. A rule that needs
// another room's rule calls it through that room's header, downwards only:
// scenes are used by story and screens, never the reverse.
//
// Sections:
//   [Context]     the struct
//   [Texts]       captions, the current language, the detective's line
//   [Story flags] the hidden pictures that record the story
//   [Music]       start, play and stop a track; play a wave
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/game_state.h"
#include "core/random.h"
#include "layout/layout.h"
#include "layout/movie_controls.h"
#include "layout/screen.h"
#include "platform/platform.h"
#include "scenes/controls.h"
#include "scenes/description_table.h"

namespace kvarnel::scenes {

// [Context] -----------------------------------------------------------------

struct Context {
    platform::Platform& platform;
    // Ends with '/'; every file name of the game is relative to it.
    const std::string& programFolder;
    core::GameState& state;
    core::RandomGenerator& random;
    layout::Layout& layout;
    Controls& c;
    // The live screen: geometry, captions, frames and animations. The host
    // creates it when it loads the layout, before any handler can run.
    layout::Screen* screen = nullptr;
    layout::MovieControls& movies;
};

// [Texts] -------------------------------------------------------------------

// Sets a label's caption (the label sizes itself as the window did).
void setCaption(Context& ctx, layout::Label& label, std::string_view text);
inline bool hasText(const layout::Label& label) {
    return !label.Caption.empty();
}
// Characters of a shown text, as the game counts them (one per byte of its
// single-byte code page).
int32_t textLength(std::string_view utf8);
// The text of `t` in the current language: Czech when Language is 1,
// English when 2, nothing otherwise; a text with only a Czech version shows
// it in both.
std::optional<std::string_view> inLanguage(const Context& ctx, const Text& t);
// Puts a line in Popis in the current language (a description, a refusal, a
// remark); the game tick times it and animates the face.
void describe(Context& ctx, const Text& t);

// [Story flags] -------------------------------------------------------------

// The picture that carries story flag `name` (spelled as in
// core::kStoryFlagNames), or nullptr for any other name.
layout::ImageControl* storyFlagPicture(const Context& ctx, std::string_view name);
// A story flag is set while its picture is visible; an unknown name reads as
// unset and is not changed.
bool storyFlag(const Context& ctx, std::string_view name);
void setStoryFlag(Context& ctx, std::string_view name, bool shown);

// [Music] -------------------------------------------------------------------
//
// Track k is Skladba<k>, 1 .. 6; any other k does nothing. The rules that
// decide when music changes (regions, the music switch, the end of a track)
// live in screens/music; exits and the story only start and stop tracks.

// When TrackEnabled<k>: rewind and play with end notification.
void startTrack(Context& ctx, int k);
// The same without the rewind (the track goes on where it stood).
void playTrack(Context& ctx, int k);
// SkipTrackRestart := 1 (the end notification this causes must not loop
// the track), then stop the player.
void stopTrack(Context& ctx, int k);
// Plays item n of the wave list through the sound object it is routed to;
// the silent one plays nothing.
void playWave(Context& ctx, int n);

}  // namespace kvarnel::scenes

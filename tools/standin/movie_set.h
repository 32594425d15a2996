// The stand-in movies: the maker's logo, the intro, the six endings and the
// credits in Czech and English, drawn with the art kit and written as SWF
// files that carry video.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "layout/image.h"

namespace kvarnel::standin {

// The ten movies in the order of the asset names: Quillmoth, Intro,
// Outro1 .. Outro6, Titulky1 (Czech credits), Titulky2 (English credits).
inline constexpr int kMovieCount = 10;
inline constexpr int kMovieWidth = 640;
inline constexpr int kMovieHeight = 480;
inline constexpr int kMovieFps = 10;

// The frames of movie `index` (0 .. 9), all kMovieWidth x kMovieHeight.
std::vector<layout::Image> movieFrames(int index);

// Writes movie `index` as an SWF file at `path`.
void writeMovie(int index, const std::filesystem::path& path);

}  // namespace kvarnel::standin

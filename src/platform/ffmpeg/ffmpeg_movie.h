// The entry point of the movie module: the one symbol the game looks up
// after loading it, and that programs linking the decoder in call directly.
#pragma once

#include <string>

#include "platform/movie.h"

// Opens the movie `source` describes (taking its inflated bytes). Returns a
// decoder the caller owns, or null with a one-line reason in `whyNot` (when
// given). Never throws.
extern "C" kvarnel::platform::MovieDecoder* kvarnel_ffmpeg_open_movie(kvarnel::platform::MovieSource* source,
                                                                      std::string* whyNot);

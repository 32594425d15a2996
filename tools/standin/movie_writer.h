// Movie files for the stand-in content and the movie tests: SWF files that
// carry video (and, for tests, a Matroska file), written with the FFmpeg
// libraries, and a hand-made SWF that holds only a vector shape (a movie the
// player must refuse).
#pragma once

#include <string>
#include <vector>

#include "layout/image.h"

namespace kvarnel::standin {

// Writes `frames` (all of one size, at most 4096 x 4096) as an uncompressed
// ("FWS") SWF with an FLV1 video stream at `fps` frames per second (1..120).
// FLV1 is lossy: flat colours come back within a few steps, fine detail
// blurs. The output is deterministic: the same frames give the same bytes.
// Throws std::runtime_error (and leaves no file behind) on any failure.
void writeSwfMovie(const std::string& path, const std::vector<layout::Image>& frames, int fps);

// Writes `frames` as a Matroska file with MPEG-4 video that uses B-frames
// (so a decoder holds frames back until it is drained) and whose time stamps
// start at `firstFrame` frames instead of 0. Same checks and failure as
// writeSwfMovie; for testing players on a container other than SWF.
void writeMatroskaMovie(const std::string& path, const std::vector<layout::Image>& frames, int fps, int firstFrame);

// Writes a minimal, valid one-frame SWF (160 x 120 at 10 fps) that draws a
// filled rectangle with vector tags only: no stream a video player can play.
// Throws std::runtime_error when the file cannot be written.
void writeVectorOnlySwf(const std::string& path);

}  // namespace kvarnel::standin

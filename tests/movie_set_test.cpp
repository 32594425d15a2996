// The stand-in movies as the build wrote them: each one opens in the game's
// movie player under its disguised name and plays its frames for its length.
#include "standin/movie_set.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/game.h"
#include "platform/movie.h"

namespace kvarnel::standin {
namespace {

TEST(MovieSet, EveryMovieOpensAndPlaysItsFrames) {
    // Seconds of each movie: the logo, the intro's three shots, the six
    // endings, the two rolls of credits.
    const int seconds[kMovieCount] = {3, 10, 4, 4, 4, 4, 4, 4, 6, 6};
    int index = 0;
    std::vector<layout::Image> middle;
    for (const app::AssetName& asset : app::kAssetNames) {
        if (!asset.working.starts_with("Animations")) continue;
        std::string rel(asset.onDisk);
        for (char& ch : rel) {
            if (ch == '\\') ch = '/';
        }
        SCOPED_TRACE(std::string(asset.working));
        std::string why;
        auto movie = platform::MovieDecoder::open(std::string(KVARNEL_BINARY_DIR) + "/" + rel, &why);
        ASSERT_NE(movie, nullptr) << why;
        EXPECT_EQ(movie->width(), kMovieWidth);
        EXPECT_EQ(movie->height(), kMovieHeight);
        layout::Image frame, first;
        int64_t pts = 0, last = -1;
        int frames = 0;
        while (movie->next(frame, pts)) {
            EXPECT_GT(pts, last);
            last = pts;
            if (frames == 0) first = frame;
            if (frames == seconds[index] * kMovieFps / 2) middle.push_back(frame);
            ++frames;
        }
        EXPECT_EQ(frames, seconds[index] * kMovieFps);
        EXPECT_NE(first.pixels, frame.pixels) << "it stands still";
        EXPECT_EQ(movie->durationMs(), seconds[index] * 1000);
        ++index;
    }
    EXPECT_EQ(index, kMovieCount);
    // The Czech and the English credits say different things.
    ASSERT_EQ(middle.size(), static_cast<size_t>(kMovieCount));
    EXPECT_NE(middle[8].pixels, middle[9].pixels);
}

}  // namespace
}  // namespace kvarnel::standin

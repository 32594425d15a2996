// Composing only what changed: on the stand-in game, tick after tick in a
// place with moving faces, through a walk to another place and a pointer
// over exits and talk, the picture composed bit by bit into one buffer is
// pixel for pixel the one composed from scratch, and a face's blink draws
// only a small part of the screen again.
#include "layout/compositor.h"

#include <gtest/gtest.h>

#include "app/script.h"
#include "game_fixture.h"
#include "platform/sdl/ttf_text.h"
#include "story/movies.h"

namespace kvarnel::layout {
namespace {

TEST(Compositor, DrawingWhatChangedGivesThePictureDrawnFromScratch) {
    testing::GameFixture f("compositor", {1024, 768}, platform::makeTtfTextRasterizer(KVARNEL_FONTS_CONF));
    f.start();
    app::Game& game = *f.game;
    story::startAtScene(game.ctx, scenes::Scene::Natrzisti);
    Compositor fresh(*game.screen);
    fresh.setMovieFrames([&](const ShockwaveFlash& m) { return game.movies.frame(m); });

    const int64_t screenArea = int64_t{1024} * 768;
    int composes = 0, small = 0;
    auto check = [&](const std::string& when) {
        const Image& incremental = f.loop->framebuffer();
        int64_t area = 0;
        for (const ScreenRect& r : game.compositor->changed()) area += int64_t{r.w} * r.h;
        ++composes;
        if (area * 10 < screenArea) ++small;
        Image scratch;
        fresh.compose(scratch);
        ASSERT_EQ(scratch.width, incremental.width);
        for (int y = 0; y < scratch.height; ++y) {
            for (int x = 0; x < scratch.width; ++x) {
                ASSERT_EQ(incremental.at(x, y), scratch.at(x, y)) << when << " at " << x << "," << y;
            }
        }
    };
    // The faces of the market place move on their own.
    for (int tick = 0; tick < 80; ++tick) {
        f.loop->runOneTick();
        check("market tick " + std::to_string(tick));
    }
    EXPECT_GT(small, 20) << "blinks draw a small part of the screen again, of " << composes;

    // The pointer over exits and a character, then a walk to the inn's front
    // and a look at the sky on the way, each checked a few ticks on.
    std::string error;
    const auto script = app::parseScript(
        "move Label6\nwait 300\nclick Image138\nwait 300\nclick Label6\nwait 300\nmove 10 10\nwait 200\n", "walk",
        error);
    ASSERT_TRUE(script) << error;
    std::ostringstream out;
    app::ScriptRunner runner(game, *f.loop, out);
    for (const app::ScriptCommand& c : script->commands) {
        app::Script one;
        one.fileName = "walk";
        one.commands = {c};
        ASSERT_EQ(runner.run(one), app::kScriptPassed) << out.str();
        check(c.source);
    }
}

}  // namespace
}  // namespace kvarnel::layout

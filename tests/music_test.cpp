// The music switch of the options page against the platform calls it makes:
// off stops the six players in order; on names the players again and starts
// the track of whatever region lies under the menu, or the menu's own.
#include "screens/music.h"

#include <gtest/gtest.h>

#include "game_fixture.h"

namespace kvarnel::screens {
namespace {

using testing::GameFixture;

std::vector<std::string> mediaCalls(const platform::HeadlessPlatform& host) {
    std::vector<std::string> out;
    for (const std::string& call : host.calls) {
        if (call.rfind("media", 0) == 0) out.push_back(call);
    }
    return out;
}

TEST(MusicSwitch, OnStartsTheTrackOfTheRegionUnderTheMenuOffStopsAll) {
    const struct {
        const char* under;  // the panel shown under the menu, or "" for none
        int player;         // the player that starts (0 .. 5)
    } cases[] = {
        {"Natrzisti", 1}, {"Veveznici", 1}, {"Les2", 2}, {"Les4", 3}, {"Les6", 3}, {"Vjeskyni", 4}, {"", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(*c.under ? c.under : "no location");
        GameFixture f{"music-switch"};
        f.start();
        scenes::Context& ctx = f.game->ctx;
        ctx.c.Menu1->Visible = true;
        if (*c.under) f.game->layout.findAs<layout::Control>(c.under)->Visible = true;
        ASSERT_EQ(f.game->state.MusicOn, 1);

        f.host->calls.clear();
        switchMusicOff(ctx);
        EXPECT_EQ(mediaCalls(*f.host), (std::vector<std::string>{"mediaStop 0", "mediaStop 1", "mediaStop 2",
                                                                 "mediaStop 3", "mediaStop 4", "mediaStop 5"}));
        EXPECT_EQ(f.game->state.MusicOn, 0);
        EXPECT_EQ(f.game->state.SkipTrackRestart, 1);
        for (uint8_t t : f.game->state.TrackEnabled) EXPECT_EQ(t, 0);

        f.host->calls.clear();
        switchMusicOn(ctx);
        const std::string p = std::to_string(c.player);
        EXPECT_EQ(f.host->callsStartingWith("mediaSetFileName").size(), 6u);
        EXPECT_EQ(f.host->callsStartingWith("mediaRewind"), std::vector<std::string>{"mediaRewind " + p});
        EXPECT_EQ(f.host->callsStartingWith("mediaPlay"), std::vector<std::string>{"mediaPlay " + p + " notify"});
        EXPECT_EQ(f.game->state.SceneTrackStarted, c.player == 0 ? 0 : 1);
        for (uint8_t t : f.game->state.TrackEnabled) EXPECT_EQ(t, 1);
    }
}

}  // namespace
}  // namespace kvarnel::screens

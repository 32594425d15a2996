#include "scenes/context.h"

#include "layout/cp1250.h"

namespace kvarnel::scenes {

// [Texts] -------------------------------------------------------------------

void setCaption(Context& ctx, layout::Label& label, std::string_view text) {
    ctx.screen->setCaption(label, std::string(text));
}

int32_t textLength(std::string_view utf8) {
    return static_cast<int32_t>(layout::utf8Length(utf8));
}

std::optional<std::string_view> inLanguage(const Context& ctx, const Text& t) {
    if (t.en.empty()) return t.cz;
    if (ctx.state.Language == 1) return t.cz;
    if (ctx.state.Language == 2) return t.en;
    return std::nullopt;
}

void describe(Context& ctx, const Text& t) {
    if (auto text = inLanguage(ctx, t)) setCaption(ctx, *ctx.c.Popis, *text);
}

// [Story flags] -------------------------------------------------------------

layout::ImageControl* storyFlagPicture(const Context& ctx, std::string_view name) {
    for (size_t i = 0; i < core::kStoryFlagNames.size(); ++i) {
        if (core::kStoryFlagNames[i] == name) return ctx.c.storyFlags[i];
    }
    return nullptr;
}

bool storyFlag(const Context& ctx, std::string_view name) {
    const auto* p = storyFlagPicture(ctx, name);
    return p && p->Visible;
}

void setStoryFlag(Context& ctx, std::string_view name, bool shown) {
    if (auto* p = storyFlagPicture(ctx, name)) p->Visible = shown;
}

// [Music] -------------------------------------------------------------------

namespace {
bool validTrack(int k) {
    return k >= 1 && k <= 6;
}
bool trackEnabled(const Context& ctx, int k) {
    return validTrack(k) && ctx.state.TrackEnabled[static_cast<size_t>(k - 1)] != 0;
}
}  // namespace

void startTrack(Context& ctx, int k) {
    if (!trackEnabled(ctx, k)) return;
    ctx.platform.mediaRewind(k - 1);
    ctx.platform.mediaPlay(k - 1, true);
}

void playTrack(Context& ctx, int k) {
    if (!trackEnabled(ctx, k)) return;
    ctx.platform.mediaPlay(k - 1, true);
}

void stopTrack(Context& ctx, int k) {
    if (!validTrack(k)) return;
    ctx.state.SkipTrackRestart = 1;
    ctx.platform.mediaStop(k - 1);
}

void playWave(Context& ctx, int n) {
    const bool live = ctx.c.Zvuky->DXSound_ && ctx.c.Zvuky->DXSound_ == ctx.c.DXSound1;
    ctx.platform.playWave(n, live);
}

}  // namespace kvarnel::scenes

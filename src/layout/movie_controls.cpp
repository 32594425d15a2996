#include "layout/movie_controls.h"

#include "platform/platform.h"

namespace kvarnel::layout {

void MovieControls::start(const ShockwaveFlash& control, const std::string& gamePath, uint64_t nowMs) {
    auto& entry = movies_[&control];
    entry = std::make_unique<Entry>();
    entry->gamePath = gamePath;
    entry->playback.start(platform::nativePath(gamePath), nowMs);
    entry->lastShown = entry->playback.framesShown();
    entry->serial = ++serials_;
}

bool MovieControls::playing(const ShockwaveFlash& control) const {
    const auto it = movies_.find(&control);
    return it == movies_.end() || it->second->playback.playing();
}

std::string MovieControls::file(const ShockwaveFlash& control) const {
    const auto it = movies_.find(&control);
    return it == movies_.end() ? std::string() : it->second->gamePath;
}

void MovieControls::stop(const ShockwaveFlash& control) {
    const auto it = movies_.find(&control);
    if (it != movies_.end()) it->second->playback.stop();
}

void MovieControls::rewind(const ShockwaveFlash& control) {
    const auto it = movies_.find(&control);
    if (it == movies_.end()) return;
    it->second->playback.rewind();
    it->second->serial = ++serials_;
}

void MovieControls::markPlayed(const ShockwaveFlash& control) {
    auto& entry = movies_[&control];
    entry = std::make_unique<Entry>();
    entry->serial = ++serials_;
}

bool MovieControls::update(uint64_t nowMs) {
    bool changed = false;
    for (auto& [control, entry] : movies_) {
        if (!entry->playback.playing()) continue;
        entry->playback.update(nowMs);
        const int shown = entry->playback.framesShown();
        if (shown != entry->lastShown) {
            entry->lastShown = shown;
            entry->serial = ++serials_;
            changed = true;
        }
    }
    return changed;
}

bool MovieControls::anyPlaying() const {
    for (const auto& [control, entry] : movies_) {
        if (entry->playback.playing()) return true;
    }
    return false;
}

Compositor::MovieFrame MovieControls::frame(const ShockwaveFlash& control) const {
    const auto it = movies_.find(&control);
    if (it == movies_.end()) return {};
    return {it->second->playback.currentFrame(), it->second->serial};
}

}  // namespace kvarnel::layout

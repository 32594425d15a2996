#include "app/invariants.h"

#include <algorithm>
#include <vector>

#include "core/countdown.h"
#include "core/items.h"
#include "scenes/context.h"

namespace kvarnel::app {

namespace {

constexpr std::array<std::string_view, static_cast<size_t>(Invariant::Count)> kNames = {
    "one-view", "item-count", "item-slots", "count-labels", "cave-cells", "caption-timed", "player-stuck",
};

bool shown(const layout::Control* c) {
    return c != nullptr && c->Visible;
}

// The full-screen screens other than the menu, which opens over any of them
// or over a location.
std::vector<const layout::Control*> screensOf(const Game& game) {
    const scenes::Controls& c = game.c;
    std::vector<const layout::Control*> all = {c.VyberJazyk, c.AnimaceQuillmoth, c.Intro,    c.Outro,
                                               c.Titulky,    c.Vjeskyni,         c.BonusHra, c.Rukpal};
    for (const layout::Panel* p : c.Textanimace) all.push_back(p);
    return all;
}

std::string namesOf(const std::vector<const layout::Control*>& controls) {
    std::string text;
    for (const layout::Control* c : controls) text += (text.empty() ? "" : " ") + c->Name;
    return text.empty() ? "none" : text;
}

std::optional<Violation> checkOneView(const Game& game) {
    std::vector<const layout::Control*> locations;
    for (const layout::Panel* p : game.c.scenes) {
        if (shown(p)) locations.push_back(p);
    }
    std::vector<const layout::Control*> screens;
    for (const layout::Control* s : screensOf(game)) {
        if (shown(s)) screens.push_back(s);
    }
    const bool menu = shown(game.c.Menu1);
    // What the player sees is the one screen on top, or else the one
    // location. A screen may lie over the location it returns to (the
    // credits from the menu, the table game at the inn), as the menu lies
    // over anything; the cave takes the location's place. The menu alone is
    // the main menu before a story; opened during one it lies over the
    // story's location or screen.
    const bool caveOverLocation = shown(game.c.Vjeskyni) && !locations.empty();
    const bool nothing = locations.empty() && screens.empty() && (!menu || game.state.GameInProgress == 1);
    if (locations.size() > 1 || screens.size() > 1 || caveOverLocation || nothing) {
        return Violation{Invariant::OneView, "locations shown: " + namesOf(locations) + "; screens shown: " +
                                                 namesOf(screens) + "; menu " + (menu ? "shown" : "hidden")};
    }
    return std::nullopt;
}

std::optional<Violation> checkItems(const Game& game, Invariant which) {
    const core::GameState& s = game.state;
    int32_t held = 0;
    for (const core::ItemInfo& info : core::kItems) held += s.*info.has != 0 ? 1 : 0;
    if (which == Invariant::ItemCount) {
        if (s.ItemCount < 0 || s.ItemCount > static_cast<int32_t>(core::kItems.size()) || s.ItemCount != held) {
            return Violation{which,
                             "ItemCount " + std::to_string(s.ItemCount) + ", items held " + std::to_string(held)};
        }
        return std::nullopt;
    }
    std::array<const core::ItemInfo*, core::kItems.size()> taken{};
    for (const core::ItemInfo& info : core::kItems) {
        if (s.*info.has == 0) continue;
        const int32_t slot = s.*info.slot;
        const std::string name(info.picture);
        if (slot < 0 || slot >= held) {
            return Violation{which,
                             name + " in slot " + std::to_string(slot) + " of " + std::to_string(held) + " items held"};
        }
        if (const core::ItemInfo* other = taken[static_cast<size_t>(slot)]) {
            return Violation{which,
                             name + " and " + std::string(other->picture) + " both in slot " + std::to_string(slot)};
        }
        taken[static_cast<size_t>(slot)] = &info;
    }
    return std::nullopt;
}

bool isNumber(std::string_view text) {
    if (text.starts_with('-')) text.remove_prefix(1);
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

std::optional<Violation> checkCountLabels(const Game& game) {
    for (const layout::Label* label : {game.c.Penez, game.c.Pitiva, game.c.Label10}) {
        if (!isNumber(label->Caption)) {
            return Violation{Invariant::CountLabels, label->Name + " shows \"" + label->Caption + "\""};
        }
    }
    return std::nullopt;
}

std::optional<Violation> checkCave(const Game& game) {
    const core::GameState& s = game.state;
    if (s.CaveNumber < 0 || s.CaveNumber > 7) {
        return Violation{Invariant::CaveCells, "CaveNumber " + std::to_string(s.CaveNumber)};
    }
    // The cells are set when the first cave begins; before it (the
    // entrance's message, CaveNumber 0) they are not yet anywhere.
    if ((s.InCave != 1 && !shown(game.c.Vjeskyni)) || s.CaveNumber < 1) return std::nullopt;
    const std::pair<const char*, int32_t> cells[] = {{"DetectiveColumn", s.DetectiveColumn},
                                                     {"DetectiveRow", s.DetectiveRow},
                                                     {"MonsterColumn", s.MonsterColumn},
                                                     {"MonsterRow", s.MonsterRow}};
    for (const auto& [name, cell] : cells) {
        if (cell < 1 || cell > 6)
            return Violation{Invariant::CaveCells, std::string(name) + " " + std::to_string(cell)};
    }
    return std::nullopt;
}

// Reply choices on show: the game waits for the player's answer.
bool choicesShown(const Game& game) {
    return std::any_of(game.c.Otazka.begin(), game.c.Otazka.end(),
                       [](const layout::Label* l) { return l->Visible && scenes::hasText(*l); });
}

// The line is out of view or the story waits on the player: a full-screen
// screen covers the texts (an interlude keeps the line that led to it until
// it ends), the menu or a small game stands the story's clock still, reply
// choices wait for an answer.
bool storyWaits(const Game& game) {
    return fullScreenShown(game) || game.c.Start->Enabled || game.state.TableGameRunning == 1 || choicesShown(game);
}

// Something under way that will change the game without the player: a
// countdown, a movie, an interlude, a pending remark.
bool somethingUnderway(const Game& game) {
    const core::GameState& s = game.state;
    if (s.DescriptionTimerOn == 1 || s.TalkTimerOn == 1 || s.SpeechTimerOn == 1 || s.CaveExitRemarkDue == 1 ||
        s.IdleRemarkDue == 1 || s.InventoryClosing == 1 || s.IntroRunning == 1) {
        return true;
    }
    if (std::any_of(s.LineTimer.begin(), s.LineTimer.end(), [](const core::LineTimer& t) { return t.Active == 1; })) {
        return true;
    }
    return game.movies.anyPlaying();
}

}  // namespace

std::string_view invariantName(Invariant which) {
    return which < Invariant::Count ? kNames[static_cast<size_t>(which)] : "unknown";
}

bool fullScreenShown(const Game& game) {
    if (shown(game.c.Menu1)) return true;
    const auto screens = screensOf(game);
    return std::any_of(screens.begin(), screens.end(), shown);
}

std::optional<Violation> checkState(const Game& game) {
    if (auto v = checkOneView(game)) return v;
    if (auto v = checkItems(game, Invariant::ItemCount)) return v;
    if (auto v = checkItems(game, Invariant::ItemSlots)) return v;
    if (auto v = checkCountLabels(game)) return v;
    if (auto v = checkCave(game)) return v;
    return std::nullopt;
}

std::optional<Violation> InvariantWatch::checkCaption(const Game& game, const layout::Label& label, CaptionAge& age) {
    if (label.Caption != age.text) age = CaptionAge{label.Caption};
    if (age.text.empty()) return std::nullopt;
    const core::GameState& s = game.state;
    // The time the game gives the line: its length at the reading speed, or
    // the limit of a countdown that times it, whichever is the longest.
    int32_t limit = scenes::textLength(age.text) * s.SpeechSpeed;
    if (&label == game.c.Popis) {
        if (s.DescriptionTimerOn == 1) limit = std::max(limit, s.DescriptionTime);
    } else {
        if (s.TalkTimerOn == 1) limit = std::max(limit, s.TalkTime);
        if (s.SpeechTimerOn == 1) limit = std::max(limit, s.SpeechTime);
    }
    for (const core::LineTimer& t : s.LineTimer) {
        if (t.Active == 1) limit = std::max(limit, t.Limit);
    }
    age.limitMs = std::max(age.limitMs, limit);
    // A hidden line (Popis behind a conversation) and a line the player is
    // answering do not age.
    if (!label.Visible || storyWaits(game)) return std::nullopt;
    age.shownMs += core::kCountdownStep;
    if (age.shownMs > age.limitMs + kCaptionGraceMs) {
        return Violation{Invariant::CaptionTimed, label.Name + " has shown \"" + age.text + "\" for " +
                                                      std::to_string(age.shownMs) + " ms; its time is " +
                                                      std::to_string(age.limitMs) + " ms"};
    }
    return std::nullopt;
}

std::optional<Violation> InvariantWatch::afterTick(const Game& game) {
    if (auto v = checkState(game)) return v;
    if (auto v = checkCaption(game, *game.c.Popis, captions_[0])) return v;
    if (auto v = checkCaption(game, *game.c.Rozhovor, captions_[1])) return v;

    const core::GameState& s = game.state;
    const bool stuck = s.PlayerFree == 0 && !fullScreenShown(game) && !scenes::hasText(*game.c.Popis) &&
                       !scenes::hasText(*game.c.Rozhovor) && !choicesShown(game) && !somethingUnderway(game);
    stuckTicks_ = stuck ? stuckTicks_ + 1 : 0;
    if (stuckTicks_ > kStuckTicks) {
        return Violation{Invariant::PlayerStuck,
                         "PlayerFree 0 for " + std::to_string(stuckTicks_) +
                             " ticks with no text, no reply choices, no countdown, no movie and no screen"};
    }
    return std::nullopt;
}

}  // namespace kvarnel::app

// Text lines and faces: how a line is timed, which of the two labels shows,
// and how the detective's portrait switches to its description animation
// while a Popis line is spoken.
#include "app/game.h"
#include "layout/cp1250.h"

namespace kvarnel::app {

void Game::setCaption(layout::Label& label, std::string_view text) {
    screen->setCaption(label, std::string(text));
}

int32_t Game::textLength(std::string_view utf8) {
    return static_cast<int32_t>(layout::utf8Length(utf8));
}

std::optional<std::string_view> Game::inLanguage(const scenes::Text& t) const {
    if (t.en.empty()) return t.cz;
    if (state.Language == 1) return t.cz;
    if (state.Language == 2) return t.en;
    return std::nullopt;
}

void Game::describe(const scenes::Text& t) {
    if (auto text = inLanguage(t)) setCaption(*c.Popis, *text);
}

void Game::descriptionStart() {
    GameState& s = state;
    if (s.NarratorTalks != 1 || c.Otazka[0]->Visible || !hasText(*c.Popis)) return;
    s.DescriptionsOn = 0;
    s.DescriptionsResume = 0;
    for (const Controls::DetectiveFace& f : c.detectiveFaces) {
        if (!sceneShown(f.scene)) continue;
        f.head->Visible = false;
        f.eyes->Visible = false;
        f.mouth->Visible = false;
        if (f.hidesTalkingMouth && f.talkingMouth) f.talkingMouth->Visible = false;
        if (f.hidesEyesInTalk && f.eyesInTalk) f.eyesInTalk->Visible = false;
        f.description->Visible = true;
        // Re-timed every tick: the limit follows the caption (and the speed),
        // the elapsed time runs on.
        s.DescriptionTime = textLength(c.Popis->Caption) * s.SpeechSpeed;
        s.DescriptionTimerOn = 1;
    }
}

void Game::labelArbitration() {
    GameState& s = state;
    c.Popis->Visible = true;
    if (s.PlayerFree == 1) {
        if (s.InventoryOpen == 1) {
            s.DescriptionsOn = 0;
        } else if (s.DescriptionsResume == 1) {
            s.DescriptionsOn = 1;
        }
    }
    if (c.Otazka[0]->Visible) s.DescriptionsOn = 0;
    if (hasText(*c.Rozhovor)) {
        c.Popis->Visible = false;
        s.DescriptionsOn = 0;
    }
}

void Game::plainDescriptionEnd() {
    GameState& s = state;
    setCaption(*c.Popis, "");
    for (const Controls::DetectiveFace& f : c.detectiveFaces) {
        if (!sceneShown(f.scene)) continue;
        f.head->Visible = true;
        f.eyes->Visible = true;
        f.mouth->Visible = true;
        f.description->Visible = false;
        if (f.hidesTalkingMouth && f.talkingMouth) f.talkingMouth->Visible = false;
        if (f.hidesEyesInTalk && f.eyesInTalk) f.eyesInTalk->Visible = false;
        s.DescriptionTimerOn = 0;
    }
    if (s.PlayerFree == 1 && s.InventoryOpen == 0 && s.DescriptionsResume == 1) s.DescriptionsOn = 1;
    if (s.PlayerFree == 1 && s.InventoryOpen == 1) s.DescriptionsOn = 0;
    s.DescriptionsResume = 1;
    s.DescriptionExpired = 0;
}

}  // namespace kvarnel::app

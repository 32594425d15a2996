// Sections:
//   [Pictures]  the items of GrafikaMenu and where each page draws them
//   [Drawing]   one frame of the menu
//   [Input]     Escape, the click, the knob's drag
//   [Opening]   the menu over a running game
#include "screens/menu.h"

#include <algorithm>

#include "layout/surface.h"
#include "scenes/exits.h"
#include "screens/bonus_game.h"
#include "screens/music.h"
#include "screens/saved_game.h"
#include "screens/surface_picture.h"
#include "story/movies.h"

namespace kvarnel::screens {

namespace {

using core::GameState;
using scenes::Controls;

// [Pictures] ----------------------------------------------------------------

// A button: its hit rectangle (index into MenuRect), the MenuHover number
// it sets, its highlighted and normal pictures.
struct Button {
    size_t rect;
    int32_t hover;
    Bilingual highlighted;
    Bilingual normal;
};


constexpr Bilingual kBackdrop{.cz = {0, 289, 101}, .en = {48, 289, 101}};
constexpr Pic kMakerLogo{44, 5, 710};
constexpr Pic kBadge{45, 841, 697};

// The main page: button 1 in its two forms, then Load .. Exit.
constexpr Button kBackToGame{.rect = kRectButton1,
                             .hover = 1,
                             .highlighted = {.cz = {16, 405, 250}, .en = {47, 395, 250}},
                             .normal = {.cz = {15, 415, 250}, .en = {46, 410, 250}}};
constexpr Button kNewGame{.rect = kRectButton1,
                          .hover = 1,
                          .highlighted = {.cz = {4, 425, 250}, .en = {33, 417, 250}},
                          .normal = {.cz = {3, 432, 250}, .en = {32, 425, 250}}};
constexpr Button kMainButtons[] = {
    {.rect = kRectButton2,
     .hover = 2,
     .highlighted = {.cz = {6, 413, 310}, .en = {35, 423, 310}},
     .normal = {.cz = {5, 423, 310}, .en = {34, 424, 310}}},
    {.rect = kRectSave,
     .hover = 3,
     .highlighted = {.cz = {10, 420, 370}, .en = {39, 462, 370}},
     .normal = {.cz = {9, 426, 370}, .en = {38, 464, 370}}},
    {.rect = kRectOptions,
     .hover = 4,
     .highlighted = {.cz = {12, 420, 430}, .en = {41, 437, 430}},
     .normal = {.cz = {11, 426, 430}, .en = {40, 445, 430}}},
    {.rect = kRectCredits,
     .hover = 5,
     .highlighted = {.cz = {14, 445, 490}, .en = {43, 444, 490}},
     .normal = {.cz = {13, 450, 490}, .en = {42, 452, 490}}},
    {.rect = kRectExit,
     .hover = 6,
     .highlighted = {.cz = {8, 452, 550}, .en = {37, 461, 550}},
     .normal = {.cz = {7, 455, 550}, .en = {36, 465, 550}}},
};

// The choice page: the story, the two-player game.
constexpr Button kChoiceButtons[] = {
    {.rect = kRectButton1,
     .hover = 1,
     .highlighted = {.cz = {27, 375, 250}, .en = {56, 375, 250}},
     .normal = {.cz = {26, 395, 250}, .en = {55, 395, 250}}},
    {.rect = kRectButton2,
     .hover = 2,
     .highlighted = {.cz = {29, 360, 310}, .en = {58, 385, 310}},
     .normal = {.cz = {28, 380, 310}, .en = {57, 410, 310}}},
};

// OK on the options and the two-player pages: one pair for both languages.
constexpr Button kOkButton{.rect = kRectOk,
                           .hover = 7,
                           .highlighted = {.cz = {19, 580, 570}, .en = {19, 580, 570}},
                           .normal = {.cz = {18, 582, 570}, .en = {18, 582, 570}}};

constexpr Bilingual kBonusRules{.cz = {30, 365, 220}, .en = {49, 365, 220}};
constexpr Bilingual kOptionsPage{.cz = {17, 365, 220}, .en = {31, 365, 220}};
constexpr int kKnobItem = 20;
constexpr int kKnobTop = 273;
constexpr int kKnobWidth = 34;
// Switches: on, off; the music one at 590,310, the sound one at 590,338.
constexpr Bilingual kSwitchOn{.cz = {21, 590, 0}, .en = {50, 590, 0}};
constexpr Bilingual kSwitchOff{.cz = {22, 590, 0}, .en = {51, 590, 0}};
constexpr int kMusicSwitchTop = 310;
constexpr int kSoundSwitchTop = 338;
// The speed word: slow, medium, fast.
constexpr Bilingual kSpeedWords[] = {
    {.cz = {23, 410, 320}, .en = {54, 410, 320}},
    {.cz = {24, 410, 320}, .en = {53, 410, 320}},
    {.cz = {25, 410, 320}, .en = {52, 410, 320}},
};

constexpr int kHoverWave = 5;
constexpr int kSoundOnWave = 14;

// [Drawing] -----------------------------------------------------------------

class MenuPainter {
public:
    explicit MenuPainter(scenes::Context& ctx)
        : ctx_(ctx), s_(ctx.state), surface_(*ctx.screen, *ctx.c.HlavniMenu), pointer_(ctx.platform.cursorPos()) {}

    bool canDraw() const { return surface_.canDraw(); }
    void fill() { surface_.fillBlack(); }
    void draw(const Pic& p) { surface_.drawItem(*ctx_.c.GrafikaMenu, p.item, p.x, p.y); }
    void draw(const Bilingual& b) { draw(b.in(s_.Language)); }
    bool over(size_t rect) const { return s_.MenuRect[rect].contains(pointer_.x, pointer_.y); }
    int pointerX() const { return pointer_.x; }

    // Highlighted under the pointer, which makes it the hovered button;
    // normal otherwise, and leaving clears only its own hover number.
    void button(const Button& b) {
        if (over(b.rect)) {
            draw(b.highlighted);
            s_.MenuHover = b.hover;
        } else {
            draw(b.normal);
            if (s_.MenuHover == b.hover) s_.MenuHover = 0;
        }
    }

    void flip() { surface_.flip(); }

private:
    scenes::Context& ctx_;
    GameState& s_;
    layout::Surface surface_;
    platform::Point pointer_;
};

void drawOptionsPage(MenuPainter& paint, GameState& s) {
    paint.draw(kOptionsPage);
    paint.draw(Pic{kKnobItem, s.MenuSlider, kKnobTop});
    Pic music = (s.MusicOn ? kSwitchOn : kSwitchOff).in(s.Language);
    music.y = kMusicSwitchTop;
    paint.draw(music);
    Pic sound = (s.SoundOn ? kSwitchOn : kSwitchOff).in(s.Language);
    sound.y = kSoundSwitchTop;
    paint.draw(sound);
    if (s.SliderDragging == 1) s.MenuSlider = std::clamp(paint.pointerX() - s.OffsetX - 15, kSliderMin, kSliderMax);
    s.SpeechSpeed = speechSpeedForSlider(s.MenuSlider);
    paint.button(kOkButton);
    paint.draw(kSpeedWords[s.SpeechSpeed <= 49 ? 0 : s.SpeechSpeed < 70 ? 1 : 2]);
}

// [Input] -------------------------------------------------------------------

bool pointerIn(const scenes::Context& ctx, size_t rect) {
    const platform::Point p = ctx.platform.cursorPos();
    return ctx.state.MenuRect[rect].contains(p.x, p.y);
}

// Back to a running story: what the menu stood still returns.
void backToGame(scenes::Context& ctx) {
    Controls& c = ctx.c;
    if (c.Vjeskyni->Visible) resumeCaveAfterMenu(ctx);
    if (scenes::sceneShown(ctx, scenes::Scene::Predsoudem)) scenes::enterCourt(ctx);
    c.Menu1->Visible = false;
    if (!c.Vjeskyni->Visible) c.Start->Enabled = false;
}

void newStory(scenes::Context& ctx) {
    scenes::stopTrack(ctx, 1);
    story::startIntro(ctx);
    ctx.c.Menu1->Visible = false;
    ctx.c.Start->Enabled = false;
}

void toggleSound(scenes::Context& ctx) {
    GameState& s = ctx.state;
    if (s.SoundOn == 1) {
        s.SoundOn = 0;
        ctx.c.Zvuky->DXSound_ = ctx.c.DXSound2;
    } else {
        s.SoundOn = 1;
        ctx.c.Zvuky->DXSound_ = ctx.c.DXSound1;
        scenes::playWave(ctx, kSoundOnWave);
    }
}

void HlavniMenuClick(scenes::Context& ctx) {
    GameState& s = ctx.state;
    if (s.MenuBonusInfoPage == 1) {
        // Only OK answers on this page: it starts the two-player game.
        if (pointerIn(ctx, kRectOk)) startBonusGame(ctx);
        return;
    }
    if (s.MenuOptionsPage == 1) {
        if (pointerIn(ctx, kRectOk)) s.MenuOptionsPage = 0;
        if (pointerIn(ctx, kRectMusic)) {
            if (s.MusicOn == 1) {
                switchMusicOff(ctx);
            } else {
                switchMusicOn(ctx);
            }
        }
        if (pointerIn(ctx, kRectSound)) toggleSound(ctx);
        return;
    }
    if (pointerIn(ctx, kRectButton1)) {
        if (s.GameInProgress == 1) {
            backToGame(ctx);
        } else if (s.BonusGameUnlocked == 0 || s.MenuChoicePage == 1) {
            if (s.OutroOver == 1) return;
            newStory(ctx);
        }
        if (s.BonusGameUnlocked == 1) {
            s.MenuChoicePage = 1;
            return;
        }
    }
    if (pointerIn(ctx, kRectButton2)) {
        if (s.MenuChoicePage == 1) {
            s.MenuBonusInfoPage = 1;
            s.MenuChoicePage = 0;
            return;
        }
        // Load: refused without a saved game (a file that holds only the
        // settings has none) and after the ending.
        if (!hasSavedGame(ctx) || s.OutroOver == 1) return;
        loadGame(ctx);
    }
    if (s.MenuChoicePage == 0) {
        // Save: refused while no story runs and after the ending; saving
        // closes the menu.
        if (pointerIn(ctx, kRectSave)) {
            if (s.GameInProgress == 0 || s.OutroOver == 1) return;
            saveGame(ctx);
        }
        if (pointerIn(ctx, kRectOptions)) s.MenuOptionsPage = 1;
        if (pointerIn(ctx, kRectCredits)) story::startCreditsFromMenu(ctx);
        if (pointerIn(ctx, kRectExit)) {
            // As if the window were closed: the loop runs the shutdown.
            platform::Event quit;
            quit.type = platform::Event::Type::Quit;
            ctx.platform.pushEvent(quit);
        }
    }
}

void HlavniMenuMouseDown(scenes::Context& ctx) {
    if (ctx.state.MenuOptionsPage == 1 && pointerIn(ctx, kRectKnob)) ctx.state.SliderDragging = 1;
}

void HlavniMenuMouseUp(scenes::Context& ctx) {
    GameState& s = ctx.state;
    s.SliderDragging = 0;
    core::Rect& knob = s.MenuRect[kRectKnob];
    knob.Left = s.MenuSlider + s.OffsetX;
    knob.Right = knob.Left + kKnobWidth;
}

}  // namespace

void resumeCaveAfterMenu(scenes::Context& ctx) {
    ctx.c.Start->Enabled = true;
    ctx.c.Start->Interval = 100;
    if (ctx.state.LevelIntroMessage != 1 && ctx.state.CaughtMessage != 1) ctx.platform.showCursor(false);
}

int32_t speechSpeedForSlider(int32_t slider) {
    // Three rules in turn, a later one overriding an earlier: so the speed
    // jumps at 515 and at 543.
    const int32_t d = slider - kSliderMin;
    int32_t speed = 0;
    if (d <= 173) speed = d / 2 + 40;
    if (d < 143) speed = d / 2 + 30;
    if (d < 115) speed = d / 2 + 20;
    return speed;
}

void drawMenu(scenes::Context& ctx) {
    GameState& s = ctx.state;
    MenuPainter paint(ctx);
    if (!ctx.c.Menu1->Visible || !paint.canDraw()) return;
    paint.fill();
    paint.draw(kBackdrop);
    paint.draw(kMakerLogo);
    paint.draw(kBadge);
    if (s.MenuChoicePage == 1) {
        for (const Button& b : kChoiceButtons) paint.button(b);
    } else if (s.MenuBonusInfoPage == 1) {
        paint.draw(kBonusRules);
        paint.button(kOkButton);
    } else if (s.MenuOptionsPage == 1) {
        drawOptionsPage(paint, s);
    } else {
        paint.button(s.GameInProgress == 1 ? kBackToGame : kNewGame);
        for (const Button& b : kMainButtons) paint.button(b);
    }
    if (s.MenuHover != s.MenuHoverPrev && s.MenuHover != 0) scenes::playWave(ctx, kHoverWave);
    s.MenuHoverPrev = s.MenuHover;
    paint.flip();
}

void menuEscapeStep(scenes::Context& ctx) {
    GameState& s = ctx.state;
    if (!ctx.platform.keyDown(platform::Key::Escape) || !ctx.c.Menu1->Visible) return;
    if (s.MenuOptionsPage == 1) s.MenuOptionsPage = 0;
    if (s.MenuChoicePage == 1) s.MenuChoicePage = 0;
    if (s.MenuBonusInfoPage == 1) {
        s.MenuChoicePage = 1;
        s.MenuBonusInfoPage = 0;
    }
}

void bindMenuHandlers(scenes::Context& ctx, layout::HandlerRegistry& handlers) {
    handlers.add("HlavniMenuClick", [&ctx](const layout::EventArgs&) { HlavniMenuClick(ctx); });
    handlers.add("HlavniMenuMouseDown", [&ctx](const layout::EventArgs&) { HlavniMenuMouseDown(ctx); });
    handlers.add("HlavniMenuMouseUp", [&ctx](const layout::EventArgs&) { HlavniMenuMouseUp(ctx); });
}

// [Opening] -----------------------------------------------------------------

bool openMenuOnEscape(scenes::Context& ctx, bool escape) {
    GameState& s = ctx.state;
    Controls& c = ctx.c;
    // Not over the two-player match either: between the frame that scores a
    // point and the next one, which hands the pause to the game timer, a
    // tick runs this far, and a menu opened then would sit over the match
    // and take its Escape away.
    if (c.Vjeskyni->Visible || c.Menu1->Visible || c.Rukpal->Visible || c.BonusHra->Visible || s.DescriptionsOn != 1 ||
        s.PlayerFree != 1 || !escape) {
        return false;
    }
    if (scenes::sceneShown(ctx, scenes::Scene::Predsoudem)) scenes::leaveCourt(ctx);
    s.MenuChoicePage = 0;
    s.MenuBonusInfoPage = 0;
    s.GameInProgress = s.OutroOver == 0 ? 1 : 0;
    c.Menu1->Visible = true;
    c.Start->Enabled = true;
    layout::Surface(*ctx.screen, *c.HlavniMenu).fillBlack();
    return true;
}

}  // namespace kvarnel::screens

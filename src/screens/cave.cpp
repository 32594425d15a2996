// Sections:
//   [Pictures]  the items of Obrazky, the waves, the steps' directions
//   [Drawing]   the painter: plain, turned and scaled items on DXDraw2
//   [Levels]    starting a cave, a turn's state cleared
//   [Play]      one play tick: permissions, the exit, the two sprites' turns
//   [Screens]   the message screens and the frame step
//   [Input]     Escape, the click, the end of a cave, a load
#include "screens/cave.h"

#include <cstdint>
#include <iterator>

#include "layout/surface.h"
#include "screens/cave_rules.h"
#include "screens/surface_picture.h"

namespace kvarnel::screens {

namespace {

using cave::Cell;
using cave::Dir;
using core::GameState;
using Flag = uint8_t GameState::*;

// [Pictures] ----------------------------------------------------------------

// The button under a message: highlighted while the pointer is in
// CaveHotRect, normal otherwise. The two forms are placed differently so
// that both stay centred.
struct Button {
    Bilingual highlighted;
    Bilingual normal;
};

constexpr int kMessageX = 107;
constexpr int kMessageY = 233;

// The introduction of caves 1 .. 7.
constexpr Bilingual kIntroduction[cave::kCaveCount] = {
    {.cz = {33, kMessageX, kMessageY}, .en = {34, kMessageX, kMessageY}},
    {.cz = {17, kMessageX, kMessageY}, .en = {35, kMessageX, kMessageY}},
    {.cz = {21, kMessageX, kMessageY}, .en = {36, kMessageX, kMessageY}},
    {.cz = {23, kMessageX, kMessageY}, .en = {37, kMessageX, kMessageY}},
    {.cz = {25, kMessageX, kMessageY}, .en = {38, kMessageX, kMessageY}},
    {.cz = {27, kMessageX, kMessageY}, .en = {39, kMessageX, kMessageY}},
    {.cz = {29, kMessageX, kMessageY}, .en = {40, kMessageX, kMessageY}},
};
constexpr Bilingual kCaughtText{.cz = {14, kMessageX, kMessageY}, .en = {42, kMessageX, kMessageY}};
constexpr Bilingual kNoBottleText{.cz = {32, kMessageX, kMessageY}, .en = {41, kMessageX, kMessageY}};

constexpr Button kStartButton{.highlighted = {.cz = {19, 245, 480}, .en = {43, 255, 480}},
                              .normal = {.cz = {18, 260, 480}, .en = {44, 270, 480}}};
constexpr Button kTryAgainButton{.highlighted = {.cz = {16, 265, 480}, .en = {46, 275, 480}},
                                 .normal = {.cz = {15, 290, 480}, .en = {45, 300, 480}}};

// Sprites: standing, then the two step frames.
constexpr int kDetectiveStanding = 1, kDetectiveStride = 2, kDetectiveLanding = 3;
constexpr int kMonsterStanding = 4, kMonsterStride = 5, kMonsterLanding = 6;
constexpr int kExitEmpty = 7, kExitWithDetective = 8, kExitGoingDown = 9;
constexpr int kDustFirst = 10;  // 10 .. 13, one a frame
constexpr int kBottle = 31;
// Sprites are drawn turned in the box of the detective's picture.
constexpr int kSpriteBox = 94;

constexpr int kWaveStep = 7;
constexpr int kWaveStride = 8;
constexpr int kWaveMonsterStep = 9;
constexpr int kWaveMonsterStride = 10;
constexpr int kWaveCaught = 11;
constexpr int kWaveExit = 12;

// Pixels a sprite moves per animation frame; three frames make a step.
constexpr int kStride = 33;
// The monster's step frames: 0 standing, 1 and 2 stepping, 3 .. 6 the dust
// cloud of a catch, 7 the catch message due.
constexpr int kMonsterDustStart = 3;
constexpr int kMonsterCaughtFrame = 7;
// The exit animation's last step, which ends the cave.
constexpr int kExitLastStep = 6;

// The bottle's pulse turns at these widths.
constexpr int kBottleWidest = 57;
constexpr int kBottleNarrowest = 41;

constexpr int kFrameInterval = 100;

// Everything that differs between the four directions: the flags of the
// game state that belong to it, its arrow key and which way it moves a
// sprite on the surface.
struct Direction {
    Dir dir;
    platform::Key key;
    Flag canMove;
    Flag detectiveMoves;
    Flag monsterCanMove;
    Flag monsterMove;
    Flag monsterAnim;
    int dx;
    int dy;
};

constexpr Direction kDirections[] = {
    {Dir::Down, platform::Key::Down, &GameState::CanMoveDown, &GameState::DetectiveMovesDown,
     &GameState::MonsterCanMoveDown, &GameState::MonsterMoveDown, &GameState::MonsterAnimDown, 0, kStride},
    {Dir::Up, platform::Key::Up, &GameState::CanMoveUp, &GameState::DetectiveMovesUp, &GameState::MonsterCanMoveUp,
     &GameState::MonsterMoveUp, &GameState::MonsterAnimUp, 0, -kStride},
    {Dir::Right, platform::Key::Right, &GameState::CanMoveRight, &GameState::DetectiveMovesRight,
     &GameState::MonsterCanMoveRight, &GameState::MonsterMoveRight, &GameState::MonsterAnimRight, kStride, 0},
    {Dir::Left, platform::Key::Left, &GameState::CanMoveLeft, &GameState::DetectiveMovesLeft,
     &GameState::MonsterCanMoveLeft, &GameState::MonsterMoveLeft, &GameState::MonsterAnimLeft, -kStride, 0},
};
static_assert(std::size(kDirections) == std::size(cave::kDirOrder));

// [Drawing] -----------------------------------------------------------------

class CavePainter {
public:
    explicit CavePainter(scenes::Context& ctx) : surface_(*ctx.screen, *ctx.c.DXDraw2), list_(*ctx.c.Obrazky) {}

    bool canDraw() const { return surface_.canDraw(); }
    void fill() { surface_.fillBlack(); }
    void item(int n, int x, int y) { surface_.drawItem(list_, n, x, y); }
    void draw(const Pic& p) { item(p.item, p.x, p.y); }

    // The sprites' pictures face down; facing up, right or left they are
    // turned into the 94 x 94 box whose top-left corner is at x, y.
    void sprite(int n, int x, int y, int facing) {
        switch (facing) {
            case static_cast<int>(Dir::Up):
                surface_.drawScaledTurned(list_, n, x, y, kSpriteBox, kSpriteBox, 1, 1, 180);
                break;
            case static_cast<int>(Dir::Right):
                surface_.drawScaledTurned(list_, n, x, y, kSpriteBox, kSpriteBox, 1, 0, 270);
                break;
            case static_cast<int>(Dir::Left):
                surface_.drawScaledTurned(list_, n, x, y, kSpriteBox, kSpriteBox, 0, 1, 90);
                break;
            default:
                item(n, x, y);
                break;
        }
    }

    // Scaled, with its bottom-left corner at x, y.
    void fromBottomLeft(int n, int x, int y, int w, int h) { surface_.drawScaledTurned(list_, n, x, y, w, h, 0, 1, 0); }

    void flip() { surface_.flip(); }

private:
    layout::Surface surface_;
    const layout::DXImageList& list_;
};

// [Levels] ------------------------------------------------------------------

Cell detectiveCell(const GameState& s) {
    return {s.DetectiveColumn, s.DetectiveRow};
}
Cell monsterCell(const GameState& s) {
    return {s.MonsterColumn, s.MonsterRow};
}

bool monsterStepChosen(const GameState& s) {
    for (const Direction& d : kDirections) {
        if (s.*d.monsterMove == 1) return true;
    }
    return false;
}

// The bottle starts shrinking. It pulses by one flag at a time: with both
// set its width would stand still.
void startBottleShrinking(GameState& s) {
    s.BottleShrinking = 1;
    s.BottleGrowing = 0;
}

// Nothing of a turn is under way: no step chosen or running, both sprites
// facing down, the detective to move.
void clearTurn(GameState& s) {
    for (const Direction& d : kDirections) {
        s.*d.monsterMove = 0;
        s.*d.monsterAnim = 0;
        s.*d.detectiveMoves = 0;
    }
    s.MonsterStepStart = 0;
    s.MonsterTryVertical = 0;
    s.DetectiveFacing = static_cast<int>(Dir::Down);
    s.MonsterFacing = static_cast<int>(Dir::Down);
    s.PlayerTurn = 1;
    s.MonsterTurn = 0;
}

// Both sprites and the exit hole where cave `number` starts them, and its
// maze active. An unknown cave changes nothing.
void startLevel(GameState& s, int number) {
    const cave::Level* l = cave::level(number);
    if (!l) return;
    s.DetectiveColumn = l->detective.column;
    s.DetectiveRow = l->detective.row;
    s.DetectiveX = l->detectiveX;
    s.DetectiveY = l->detectiveY;
    s.MonsterColumn = l->monster.column;
    s.MonsterRow = l->monster.row;
    s.MonsterX = l->monsterX;
    s.MonsterY = l->monsterY;
    s.ExitX = l->exitX;
    s.ExitY = l->exitY;
    s.DetectiveStepFrame = 0;
    s.MonsterStepFrame = 0;
    s.ExitAnimStep = 0;
    s.CaveLevel[static_cast<size_t>(number - 1)] = 1;
    if (number == cave::kBottleCave) {
        s.BottleInCave = 1;
        startBottleShrinking(s);
    }
}

void startMonsterTurn(GameState& s) {
    s.MonsterStepsDone = 0;
    s.MonsterTurn = 1;
    s.MonsterStepStart = 1;
}

void endMonsterTurn(GameState& s) {
    s.MonsterTurn = 0;
    s.PlayerTurn = 1;
}

// [Play] --------------------------------------------------------------------

void leaveCave(scenes::Context& ctx);
void endCave(scenes::Context& ctx);

void setPermissions(GameState& s, const cave::Moves& detective, const cave::Moves& monster) {
    for (const Direction& d : kDirections) {
        s.*d.canMove = detective.allows(d.dir) ? 1 : 0;
        s.*d.monsterCanMove = monster.allows(d.dir) ? 1 : 0;
    }
}

cave::Moves monsterMoves(const GameState& s) {
    return {.down = s.MonsterCanMoveDown == 1,
            .up = s.MonsterCanMoveUp == 1,
            .right = s.MonsterCanMoveRight == 1,
            .left = s.MonsterCanMoveLeft == 1};
}

void pulseBottle(GameState& s) {
    if (s.BottleGrowing == 1) {
        s.BottleWidth += 2;
        s.BottleHeight += 3;
        s.BottleY += 1;
    }
    if (s.BottleShrinking == 1) {
        s.BottleWidth -= 2;
        s.BottleHeight -= 3;
        s.BottleY -= 1;
    }
    if (s.BottleGrowing == 1 && s.BottleWidth > kBottleWidest) {
        startBottleShrinking(s);
    } else if (s.BottleShrinking == 1 && s.BottleWidth < kBottleNarrowest) {
        s.BottleShrinking = 0;
        s.BottleGrowing = 1;
    }
}

// The hole is empty while the cave goes on; once it is solved the detective
// climbs in and goes down, and the last step ends the cave.
void exitHole(scenes::Context& ctx, CavePainter& paint) {
    GameState& s = ctx.state;
    if (s.LevelSolved == 0) {
        paint.item(kExitEmpty, s.ExitX, s.ExitY);
        return;
    }
    const int step = s.ExitAnimStep++;
    if (step == 0) {
        paint.item(kExitWithDetective, s.ExitX, s.ExitY);
        s.PlayerTurn = 0;
        s.MonsterTurn = 0;
    } else if (step == 1) {
        paint.item(kExitGoingDown, s.ExitX, s.ExitY);
        scenes::playWave(ctx, kWaveExit);
    } else {
        paint.item(kExitEmpty, s.ExitX, s.ExitY);
        if (step == kExitLastStep) endCave(ctx);
    }
}

// The detective's running step, or a new one on an arrow key. The cell
// changes when the step starts; the monster's turn follows its last frame.
void detectiveStep(scenes::Context& ctx, CavePainter& paint) {
    GameState& s = ctx.state;
    for (const Direction& d : kDirections) {
        if (s.*d.detectiveMoves == 1) {
            if (s.DetectiveStepFrame == 1) {
                scenes::playWave(ctx, kWaveStride);
                paint.sprite(kDetectiveStride, s.DetectiveX, s.DetectiveY, s.DetectiveFacing);
                s.DetectiveX += d.dx;
                s.DetectiveY += d.dy;
                s.DetectiveStepFrame = 2;
            } else if (s.DetectiveStepFrame == 2) {
                // He walked into the monster: caught, without its dust.
                if (monsterCell(s) == detectiveCell(s)) {
                    ctx.platform.showCursor(true);
                    s.CaughtMessage = 1;
                    scenes::playWave(ctx, kWaveCaught);
                }
                scenes::playWave(ctx, kWaveStep);
                paint.sprite(kDetectiveLanding, s.DetectiveX, s.DetectiveY, s.DetectiveFacing);
                s.DetectiveX += d.dx;
                s.DetectiveY += d.dy;
                s.DetectiveStepFrame = 0;
                s.*d.detectiveMoves = 0;
                startMonsterTurn(s);
            }
        } else if (s.*d.canMove == 1 && s.PlayerTurn == 1 && s.DetectiveStepFrame == 0 && ctx.platform.keyDown(d.key)) {
            scenes::playWave(ctx, kWaveStep);
            s.DetectiveStepFrame = 1;
            s.DetectiveX += d.dx;
            s.DetectiveY += d.dy;
            s.DetectiveFacing = static_cast<int>(d.dir);
            const Cell next = cave::stepFrom(detectiveCell(s), d.dir);
            s.DetectiveColumn = next.column;
            s.DetectiveRow = next.row;
            s.*d.detectiveMoves = 1;
            s.PlayerTurn = 0;
        }
    }
}

void chooseMonsterStep(GameState& s, Dir dir) {
    for (const Direction& d : kDirections) {
        if (d.dir == dir) s.*d.monsterMove = 1;
    }
    ++s.MonsterStepsDone;
}

// One tick of the monster's turn: a step is chosen (horizontally toward the
// detective first, else vertically, else the turn ends), then the chosen
// step's animation runs a frame. A step that ends on the detective turns
// into the catch: the dust cloud, then the catch message.
void monsterTurn(scenes::Context& ctx, CavePainter& paint) {
    GameState& s = ctx.state;
    s.MonsterStepsBefore = s.MonsterStepsDone;
    const Cell monster = monsterCell(s), detective = detectiveCell(s);
    const cave::Moves open = monsterMoves(s);
    if (s.MonsterStepStart == 1) {
        if (monster.column == detective.column) {
            s.MonsterTryVertical = 1;
        } else if (!monsterStepChosen(s)) {
            if (const auto step = cave::horizontalStep(open, monster, detective)) {
                chooseMonsterStep(s, *step);
            } else {
                s.MonsterTryVertical = 1;
            }
        }
        s.MonsterStepStart = 0;
    }
    if (s.MonsterTryVertical == 1) {
        if (!monsterStepChosen(s)) {
            if (const auto step = cave::verticalStep(open, monster, detective)) chooseMonsterStep(s, *step);
        }
        if (!monsterStepChosen(s)) endMonsterTurn(s);
        s.MonsterTryVertical = 0;
    }

    for (const Direction& d : kDirections) {
        if (s.MonsterStepFrame == 0 && s.*d.monsterMove == 1) {
            scenes::playWave(ctx, kWaveMonsterStep);
            s.MonsterStepFrame = 1;
            s.MonsterX += d.dx;
            s.MonsterY += d.dy;
            s.MonsterFacing = static_cast<int>(d.dir);
            const Cell next = cave::stepFrom(monsterCell(s), d.dir);
            s.MonsterColumn = next.column;
            s.MonsterRow = next.row;
            s.*d.monsterAnim = 1;
        } else if (s.*d.monsterAnim == 1) {
            const int frame = s.MonsterStepFrame;
            if (frame == 1) {
                scenes::playWave(ctx, kWaveMonsterStride);
                paint.sprite(kMonsterStride, s.MonsterX, s.MonsterY, s.MonsterFacing);
                s.MonsterX += d.dx;
                s.MonsterY += d.dy;
                s.MonsterStepFrame = 2;
            } else if (frame == 2 && s.Caught == 1) {
                paint.sprite(d.dir == Dir::Down ? kDustFirst : kMonsterLanding, s.MonsterX, s.MonsterY,
                             s.MonsterFacing);
                s.MonsterX += d.dx;
                s.MonsterY += d.dy;
                s.MonsterStepFrame = kMonsterDustStart;
            } else if (frame == 2) {
                scenes::playWave(ctx, kWaveMonsterStep);
                paint.sprite(kMonsterLanding, s.MonsterX, s.MonsterY, s.MonsterFacing);
                s.MonsterX += d.dx;
                s.MonsterY += d.dy;
                s.MonsterStepFrame = 0;
                s.*d.monsterAnim = 0;
                s.*d.monsterMove = 0;
                if (s.MonsterStepsDone == cave::kMonsterStepsPerTurn) {
                    endMonsterTurn(s);
                } else {
                    s.MonsterStepStart = 1;
                }
            } else if (frame >= kMonsterDustStart && frame < kMonsterCaughtFrame) {
                if (frame == kMonsterDustStart) scenes::playWave(ctx, kWaveCaught);
                paint.sprite(kDustFirst + frame - kMonsterDustStart, s.MonsterX, s.MonsterY, s.MonsterFacing);
                ++s.MonsterStepFrame;
            } else if (frame == kMonsterCaughtFrame) {
                ctx.platform.showCursor(true);
                s.CaughtMessage = 1;
            }
        }
    }
}

void playTick(scenes::Context& ctx) {
    GameState& s = ctx.state;
    const int number = activeCave(s);
    const cave::Level* level = cave::level(number);

    // 1.-3. Where each may step; the exit and the bottle count at the start
    // of the detective's turn; a catch is noticed one tick after the step
    // that made it.
    setPermissions(s, cave::movesFrom(number, detectiveCell(s)), cave::movesFrom(number, monsterCell(s)));
    if (s.PlayerTurn == 1 && level && detectiveCell(s) == level->exit) s.LevelSolved = 1;
    if (number == cave::kBottleCave && s.PlayerTurn == 1 && detectiveCell(s) == cave::kBottleCell) {
        s.BottleInCave = 0;
    }
    if (monsterCell(s) == detectiveCell(s)) s.Caught = 1;

    // 4. The picture, and with it the turns: a window that cannot be drawn
    // holds the game still.
    CavePainter paint(ctx);
    if (!paint.canDraw()) return;
    paint.fill();
    if (level) paint.item(level->mapItem, 0, 0);
    if (number == cave::kBottleCave && s.BottleInCave == 1) {
        paint.fromBottomLeft(kBottle, s.BottleX, s.BottleY, s.BottleWidth, s.BottleHeight);
        pulseBottle(s);
    }
    exitHole(ctx, paint);
    // Space lets the monster have its turn.
    if (s.PlayerTurn == 1 && ctx.platform.keyDown(platform::Key::Space)) {
        s.PlayerTurn = 0;
        startMonsterTurn(s);
    }
    if (s.MonsterStepFrame < kMonsterDustStart && s.LevelSolved == 0 && s.DetectiveStepFrame == 0) {
        paint.sprite(kDetectiveStanding, s.DetectiveX, s.DetectiveY, s.DetectiveFacing);
    }
    detectiveStep(ctx, paint);
    if (s.MonsterStepFrame == 0) paint.sprite(kMonsterStanding, s.MonsterX, s.MonsterY, s.MonsterFacing);
    if (s.MonsterTurn == 1) monsterTurn(ctx, paint);
    paint.flip();
}

// [Screens] -----------------------------------------------------------------

bool pointerInHotRect(const scenes::Context& ctx) {
    const platform::Point p = ctx.platform.cursorPos();
    return ctx.state.CaveHotRect.contains(p.x, p.y);
}

// A message with its button; `text` may be null (no introduction beyond
// the seventh cave).
void messageScreen(scenes::Context& ctx, const Bilingual* text, const Button& button) {
    CavePainter paint(ctx);
    if (!paint.canDraw()) return;
    const int language = ctx.state.Language;
    paint.fill();
    if (text) paint.draw(text->in(language));
    paint.draw((pointerInHotRect(ctx) ? button.highlighted : button.normal).in(language));
    paint.flip();
}

// [Input] -------------------------------------------------------------------

// Out of the seventh cave with the bottle, into the western forest; the game
// timer takes over and says the detective's remark.
void leaveCave(scenes::Context& ctx) {
    GameState& s = ctx.state;
    scenes::Controls& c = ctx.c;
    c.Vjeskyni->Visible = false;
    s.DescriptionsOn = 0;
    s.PlayerFree = 0;
    s.CaveExitRemarkDue = 1;
    s.CaveExitRemarkTicks = 0;
    c.Dcerka->Visible = false;
    scenes::scenePanel(c, scenes::Scene::Les3)->Visible = true;
    scenes::stopTrack(ctx, 5);
    scenes::startTrack(ctx, 3);
    for (layout::GifAnimator* g : c.sceneFaces[static_cast<size_t>(scenes::Scene::Les3)]) {
        ctx.screen->startAnimation(*g);
    }
    c.Start->Enabled = false;
    c.Casodavac->Enabled = true;
}

void endCave(scenes::Context& ctx) {
    GameState& s = ctx.state;
    if (activeCave(s) != cave::kBottleCave) {
        s.LevelIntroMessage = 1;
        ctx.platform.showCursor(true);
    } else if (s.BottleInCave == 1) {
        ctx.platform.showCursor(true);
        s.NoBottleMessage = 1;
    } else if (s.OutroOver == 0) {
        leaveCave(ctx);
    }
}

void DXDraw2Click(scenes::Context& ctx) {
    GameState& s = ctx.state;
    const bool onButton = pointerInHotRect(ctx);
    // Try again; leaving the seventh cave without the bottle takes a click
    // anywhere.
    if ((onButton && s.CaughtMessage == 1) || s.NoBottleMessage == 1) {
        s.LevelSolved = 0;
        s.CaughtMessage = 0;
        s.NoBottleMessage = 0;
        s.Caught = 0;
        ctx.platform.showCursor(false);
        clearTurn(s);
        startLevel(s, s.CaveNumber);
    }
    // The next cave. There is none after the seventh, whose end leads out.
    if (onButton && s.LevelIntroMessage == 1 && cave::level(s.CaveNumber + 1)) {
        ctx.platform.showCursor(false);
        s.LevelIntroMessage = 0;
        s.LevelSolved = 0;
        clearTurn(s);
        if (cave::level(s.CaveNumber)) s.CaveLevel[static_cast<size_t>(s.CaveNumber - 1)] = 0;
        ++s.CaveNumber;
        startLevel(s, s.CaveNumber);
    }
}

}  // namespace

int activeCave(const GameState& s) {
    for (size_t i = 0; i < s.CaveLevel.size(); ++i) {
        if (s.CaveLevel[i] == 1) return static_cast<int>(i) + 1;
    }
    return 0;
}

void caveEscapeStep(scenes::Context& ctx) {
    GameState& s = ctx.state;
    scenes::Controls& c = ctx.c;
    if (!ctx.platform.keyDown(platform::Key::Escape) || c.Menu1->Visible || !c.Vjeskyni->Visible || s.PlayerTurn != 1) {
        return;
    }
    c.Start->Interval = 0;
    s.GameInProgress = 1;
    c.Menu1->Visible = true;
    if (s.LevelIntroMessage != 1 && s.CaughtMessage != 1) ctx.platform.showCursor(true);
}

void caveFrameStep(scenes::Context& ctx) {
    // After the way out the cave is not drawn again, though the frame timer
    // runs once more for the menu or the credits.
    if (!ctx.c.Vjeskyni->Visible) return;
    GameState& s = ctx.state;
    ctx.c.Start->Interval = kFrameInterval;
    if (s.LevelIntroMessage == 1) {
        const size_t next = static_cast<size_t>(s.CaveNumber);
        messageScreen(ctx, next < std::size(kIntroduction) ? &kIntroduction[next] : nullptr, kStartButton);
    } else if (s.CaughtMessage == 1) {
        messageScreen(ctx, &kCaughtText, kTryAgainButton);
    } else if (s.NoBottleMessage == 1) {
        messageScreen(ctx, &kNoBottleText, kTryAgainButton);
    } else {
        playTick(ctx);
    }
}

void bindCaveHandlers(scenes::Context& ctx, layout::HandlerRegistry& handlers) {
    handlers.add("DXDraw2Click", [&ctx](const layout::EventArgs&) { DXDraw2Click(ctx); });
}

void resumeCaveAfterLoad(scenes::Context& ctx) {
    GameState& s = ctx.state;
    // Whatever the cave of this run showed or had under way is gone: the
    // screens, a catch, the exit's animation, a running turn.
    s.LevelIntroMessage = 0;
    s.CaughtMessage = 0;
    s.NoBottleMessage = 0;
    s.Caught = 0;
    s.LevelSolved = 0;
    s.ExitAnimStep = 0;
    s.DetectiveStepFrame = 0;
    s.MonsterStepFrame = 0;
    s.MonsterStepsDone = 0;
    const int32_t detectiveFacing = s.DetectiveFacing, monsterFacing = s.MonsterFacing;
    clearTurn(s);
    s.DetectiveFacing = detectiveFacing;
    s.MonsterFacing = monsterFacing;
    if (s.BottleInCave == 1) startBottleShrinking(s);
    // The cave the file names is the one whose maze is active. A game saved
    // before the first cave began (or a file without the cave's number)
    // goes on at the start of the first: without a cave there is no maze
    // and no way out.
    s.CaveLevel.fill(0);
    if (cave::level(s.CaveNumber)) {
        s.CaveLevel[static_cast<size_t>(s.CaveNumber - 1)] = 1;
    } else {
        s.CaveNumber = 1;
        startLevel(s, s.CaveNumber);
    }
}

}  // namespace kvarnel::screens

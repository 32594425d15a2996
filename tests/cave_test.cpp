// The cave on the stand-in game: the seven caves' data against the drawn
// maps, a breadth-first solver over the cave's own rule functions that
// proves every cave solvable, the solver's turns played through the real
// frame timer, the rules' edge cases, the four screens in both languages,
// the exit, the bottle, Escape and the menu, the way out, and a game saved
// in the cave.
//
// Sections:
//   [Solver]    the turn model over cave_rules and the search
//   [Fixture]   a game at the cave's mouth, driven frame by frame
//   [Data]      the levels table, the walls, the moves from a cell
//   [Solving]   every cave solvable; solutions and random play in the game
//   [Edges]     the rules' edge cases as one table
//   [Screens]   messages, buttons, sprites, the exit, the bottle
//   [Input]     Escape, the clicks, the way out, saving and loading
#include "screens/cave.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <iostream>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "game_fixture.h"
#include "screens/cave_rules.h"
#include "screens/frame_timer.h"
#include "screens/saved_game.h"
#include "standin/cave_art.h"
#include "story/movies.h"
#include "story/tick.h"

namespace kvarnel::screens {
namespace {

using cave::Cell;
using cave::Dir;
using core::GameState;
using testing::GameFixture;

std::string str(Cell c) {
    return std::to_string(c.column) + "," + std::to_string(c.row);
}

// [Solver] ------------------------------------------------------------------
//
// A turn as the rules give it, built only from the game's rule functions:
// the detective steps where movesFrom lets him (or passes), the monster then
// takes up to two steps chosen by monsterStep and stops when it has none;
// meeting on one cell is a catch; the exit and the bottle count when the
// detective's next turn begins.

enum class Action { Down, Up, Right, Left, Pass };
constexpr Action kActions[] = {Action::Down, Action::Up, Action::Right, Action::Left, Action::Pass};

const char* actionName(Action a) {
    switch (a) {
        case Action::Down:
            return "Down";
        case Action::Up:
            return "Up";
        case Action::Right:
            return "Right";
        case Action::Left:
            return "Left";
        case Action::Pass:
            return "Space";
    }
    return "?";
}

std::optional<Dir> dirOf(Action a) {
    switch (a) {
        case Action::Down:
            return Dir::Down;
        case Action::Up:
            return Dir::Up;
        case Action::Right:
            return Dir::Right;
        case Action::Left:
            return Dir::Left;
        case Action::Pass:
            return std::nullopt;
    }
    return std::nullopt;
}

struct Position {
    Cell detective;
    Cell monster;
    bool bottle = false;  // still in the cave
    friend bool operator==(const Position&, const Position&) = default;
};

enum class Outcome { Continue, Caught, Solved, LeftWithoutBottle };

const char* outcomeName(Outcome o) {
    switch (o) {
        case Outcome::Continue:
            return "goes on";
        case Outcome::Caught:
            return "caught";
        case Outcome::Solved:
            return "solved";
        case Outcome::LeftWithoutBottle:
            return "left without the bottle";
    }
    return "?";
}

struct Turn {
    Outcome outcome = Outcome::Continue;
    Position after;
    bool dust = false;  // the monster made the catch
};

Position startPosition(int number) {
    const cave::Level& l = *cave::level(number);
    return {l.detective, l.monster, number == cave::kBottleCave};
}

// Nothing when the detective's step is blocked.
std::optional<Turn> playTurn(int number, Position p, Action a) {
    if (auto d = dirOf(a)) {
        if (!cave::movesFrom(number, p.detective).allows(*d)) return std::nullopt;
        p.detective = cave::stepFrom(p.detective, *d);
        if (p.detective == p.monster) return Turn{Outcome::Caught, p, false};
    }
    for (int i = 0; i < cave::kMonsterStepsPerTurn; ++i) {
        const auto step = cave::monsterStep(number, p.monster, p.detective);
        if (!step) break;
        p.monster = cave::stepFrom(p.monster, *step);
        if (p.monster == p.detective) return Turn{Outcome::Caught, p, true};
    }
    if (p.detective == cave::level(number)->exit) {
        return Turn{p.bottle ? Outcome::LeftWithoutBottle : Outcome::Solved, p, false};
    }
    if (number == cave::kBottleCave && p.detective == cave::kBottleCell) p.bottle = false;
    return Turn{Outcome::Continue, p, false};
}

int key(const Position& p) {
    const auto cell = [](Cell c) { return (c.column - 1) * cave::kRows + (c.row - 1); };
    return (cell(p.detective) * 36 + cell(p.monster)) * 2 + (p.bottle ? 1 : 0);
}

struct Search {
    std::optional<std::vector<Action>> shortest;
    size_t positionsSeen = 0;
};

// Breadth first from the cave's start: the first solved turn found ends a
// shortest solution.
Search solve(int number) {
    struct Node {
        Position p;
        int parent;
        Action via;
    };
    std::vector<Node> nodes{{startPosition(number), -1, Action::Pass}};
    std::set<int> seen{key(nodes[0].p)};
    Search result;
    for (size_t i = 0; i < nodes.size(); ++i) {
        for (Action a : kActions) {
            const auto turn = playTurn(number, nodes[i].p, a);
            if (!turn) continue;
            if (turn->outcome == Outcome::Solved) {
                std::vector<Action> path{a};
                for (int n = static_cast<int>(i); nodes[static_cast<size_t>(n)].parent >= 0;
                     n = nodes[static_cast<size_t>(n)].parent) {
                    path.push_back(nodes[static_cast<size_t>(n)].via);
                }
                std::reverse(path.begin(), path.end());
                result.shortest = std::move(path);
                result.positionsSeen = seen.size();
                return result;
            }
            if (turn->outcome != Outcome::Continue) continue;
            if (seen.insert(key(turn->after)).second) nodes.push_back({turn->after, static_cast<int>(i), a});
        }
    }
    result.positionsSeen = seen.size();
    return result;
}

// [Fixture] -----------------------------------------------------------------

// Where the detective's sprite stands on a cell; the monster's start
// positions sit a few pixels off it in some caves.
int cellX(Cell c) {
    return 95 + 100 * (c.column - 1);
}
int cellY(Cell c) {
    return 590 - 99 * (c.row - 1);
}

class CaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.start();
        story::startAtScene(ctx(), scenes::Scene::Les6);
        s().Language = 1;
        s().TrackEnabled.fill(1);
        s().GameInProgress = 1;
    }
    scenes::Context& ctx() { return f.game->ctx; }
    GameState& s() { return f.game->state; }
    scenes::Controls& c() { return f.game->c; }

    void frame(int n = 1) {
        for (int i = 0; i < n; ++i) StartTimer(ctx());
    }
    // The pointer onto a screen point, pressed and released there: the
    // screen routes it to whatever lies on top.
    void clickAt(int x, int y) {
        f.host->setCursorPos({x, y});
        ctx().screen->mouseDown(layout::MouseButton::Left, x, y);
        ctx().screen->mouseUp(layout::MouseButton::Left, x, y);
    }
    platform::Point hotPoint() const {
        const core::Rect& r = f.game->state.CaveHotRect;
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void clickButton() { clickAt(hotPoint().x, hotPoint().y); }
    void clickAway() { clickAt(s().OffsetX + 300, s().OffsetY + 120); }
    void pointAway() { f.host->setCursorPos({s().OffsetX + 300, s().OffsetY + 120}); }

    // In through the cave mouth, as the player walks in.
    void enterCave() {
        auto* mouth = f.game->layout.findAs<layout::Label>("Label105");
        mouth->OnClick.fire({mouth});
        ASSERT_TRUE(c().Vjeskyni->Visible);
    }
    // The introduction of cave `number` on screen, and its start button
    // clicked (entering the cave first if need be).
    void startCave(int number) {
        if (!c().Vjeskyni->Visible) enterCave();
        s().CaughtMessage = 0;
        s().NoBottleMessage = 0;
        s().LevelIntroMessage = 1;
        s().CaveNumber = number - 1;
        s().CaveLevel.fill(0);
        // The introduction shows the pointer.
        if (f.host->cursorCount() < 0) ctx().platform.showCursor(true);
        frame();
        clickButton();
        ASSERT_EQ(s().CaveNumber, number);
        ASSERT_EQ(s().LevelIntroMessage, 0);
    }
    // Cave `number` with both sprites moved onto other cells, the detective
    // to move.
    void setUp(int number, Cell detective, Cell monster) {
        startCave(number);
        s().DetectiveColumn = detective.column;
        s().DetectiveRow = detective.row;
        s().DetectiveX = cellX(detective);
        s().DetectiveY = cellY(detective);
        s().MonsterColumn = monster.column;
        s().MonsterRow = monster.row;
        s().MonsterX = cellX(monster);
        s().MonsterY = cellY(monster);
    }

    Position position() const {
        const GameState& st = f.game->state;
        return {{st.DetectiveColumn, st.DetectiveRow}, {st.MonsterColumn, st.MonsterRow}, st.BottleInCave == 1};
    }

    struct Played {
        int frames = 0;     // frame ticks until the turn was decided
        bool dust = false;  // the monster's catch animation ran
    };

    bool messageOrGone() const {
        const GameState& st = f.game->state;
        return st.CaughtMessage == 1 || st.NoBottleMessage == 1 || st.LevelIntroMessage == 1 ||
               !f.game->c.Vjeskyni->Visible;
    }

    // An action the way a player makes it: the key held until the game has
    // taken it, then frames until the detective may move again (or a message
    // shows).
    Played press(Action a) {
        Played p;
        const platform::Key k = a == Action::Pass    ? platform::Key::Space
                                : a == Action::Down  ? platform::Key::Down
                                : a == Action::Up    ? platform::Key::Up
                                : a == Action::Right ? platform::Key::Right
                                                     : platform::Key::Left;
        f.host->setKey(k, true);
        frame();
        ++p.frames;
        f.host->setKey(k, false);
        while (p.frames < 60 && !messageOrGone() &&
               !(s().PlayerTurn == 1 && s().DetectiveStepFrame == 0 && s().MonsterTurn == 0)) {
            frame();
            ++p.frames;
            p.dust = p.dust || s().MonsterStepFrame >= 3;
        }
        return p;
    }
    // The same, and the first frame of his next turn, where the exit and the
    // bottle count; from the exit on to the end of the cave.
    Played act(Action a) {
        Played p = press(a);
        if (messageOrGone()) return p;
        frame();
        ++p.frames;
        while (p.frames < 60 && s().LevelSolved == 1 && !messageOrGone()) {
            frame();
            ++p.frames;
        }
        return p;
    }

    Outcome outcomeInGame() const {
        const GameState& st = f.game->state;
        if (st.CaughtMessage == 1) return Outcome::Caught;
        if (st.NoBottleMessage == 1) return Outcome::LeftWithoutBottle;
        if (st.LevelIntroMessage == 1 || !f.game->c.Vjeskyni->Visible) return Outcome::Solved;
        return Outcome::Continue;
    }

    bool drew(int item) const {
        for (const layout::SurfaceCommand& cmd : f.game->c.DXDraw2->drawn) {
            if (cmd.kind != layout::SurfaceCommand::Kind::FillBlack && cmd.n == item) return true;
        }
        return false;
    }
    std::optional<layout::SurfaceCommand> drawing(int item) const {
        for (const layout::SurfaceCommand& cmd : f.game->c.DXDraw2->drawn) {
            if (cmd.kind != layout::SurfaceCommand::Kind::FillBlack && cmd.n == item) return cmd;
        }
        return std::nullopt;
    }
    size_t waves(int n) const { return f.host->callsStartingWith("playWave " + std::to_string(n) + " ").size(); }

    GameFixture f{"cave"};
};

// [Data] --------------------------------------------------------------------

TEST(CaveData, TheLevelsAgreeWithTheDrawnMapsAndTheGrid) {
    ASSERT_EQ(cave::level(0), nullptr);
    ASSERT_EQ(cave::level(8), nullptr);
    const std::set<int> mapItems = {0, 20, 22, 24, 26, 28, 30};
    std::set<int> seen;
    for (int n = 1; n <= cave::kCaveCount; ++n) {
        SCOPED_TRACE("cave " + std::to_string(n));
        const cave::Level& l = *cave::level(n);
        // The walls the game plays by are the walls the map shows.
        const standin::CaveWalls& drawn = standin::caveWalls(n);
        const auto asSet = [](auto cells) {
            std::set<std::pair<int, int>> out;
            for (const auto& c : cells) out.insert({c.column, c.row});
            return out;
        };
        EXPECT_EQ(asSet(l.eastOf), asSet(drawn.eastOf));
        EXPECT_EQ(asSet(l.northOf), asSet(drawn.northOf));
        EXPECT_EQ(l.eastOf.size(), asSet(l.eastOf).size()) << "a wall listed twice";
        EXPECT_EQ(l.exit, (Cell{standin::caveExitColumn(n), cave::kRows}));
        seen.insert(l.mapItem);
        // Sprites start on their cells: the detective exactly, the monster
        // within a few pixels; the hole is centred over the exit cell.
        EXPECT_EQ(l.detectiveX, cellX(l.detective));
        EXPECT_EQ(l.detectiveY, cellY(l.detective));
        EXPECT_EQ(l.monsterX, cellX(l.monster));
        EXPECT_LE(std::abs(l.monsterY - cellY(l.monster)), 3);
        EXPECT_EQ(l.exitX + 129 / 2, cellX(l.exit) + 94 / 2);
        EXPECT_NE(l.detective, l.monster);
        for (Cell wall : l.eastOf) EXPECT_TRUE(wall.column >= 1 && wall.column < 6 && wall.row >= 1 && wall.row <= 6);
        for (Cell wall : l.northOf) EXPECT_TRUE(wall.column >= 1 && wall.column <= 6 && wall.row >= 1 && wall.row < 6);
    }
    EXPECT_EQ(seen, mapItems);
}

TEST(CaveData, MovesFromACellHonourTheBorderAndEveryWallBothWays) {
    const struct {
        int cave;
        Cell cell;
        cave::Moves moves;
        const char* why;
    } cases[] = {
        {1,
         {4, 3},
         {.down = true, .up = false, .right = true, .left = false},
         "cave 1's middle wall above; east of 3,3"},
        {1, {4, 4}, {.down = false, .up = true, .right = true, .left = false}, "the same wall below; east of 3,4"},
        {1, {1, 1}, {.down = false, .up = true, .right = true, .left = false}, "the bottom-left corner"},
        {1, {6, 6}, {.down = true, .up = false, .right = false, .left = true}, "the top-right corner"},
        {2, {2, 6}, {.down = true, .up = false, .right = false, .left = true}, "cave 2's exit, walled east"},
        {5, {2, 1}, {.down = false, .up = true, .right = false, .left = true}, "east of 2,1"},
        {5, {3, 2}, {.down = false, .up = false, .right = true, .left = true}, "north of 3,1 and of 3,2"},
        {7, {6, 5}, {.down = false, .up = true, .right = false, .left = true}, "the bottle's way in"},
        {9, {3, 3}, {.down = true, .up = true, .right = true, .left = true}, "no cave: the border alone"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.why) + " (cave " + std::to_string(c.cave) + ", " + str(c.cell) + ")");
        const cave::Moves m = cave::movesFrom(c.cave, c.cell);
        EXPECT_EQ(m.down, c.moves.down);
        EXPECT_EQ(m.up, c.moves.up);
        EXPECT_EQ(m.right, c.moves.right);
        EXPECT_EQ(m.left, c.moves.left);
    }
    // Every wall blocks both of its sides, and nothing else is blocked.
    for (int n = 1; n <= cave::kCaveCount; ++n) {
        const cave::Level& l = *cave::level(n);
        int blocked = 0;
        for (int col = 1; col <= 6; ++col) {
            for (int row = 1; row <= 6; ++row) {
                const cave::Moves m = cave::movesFrom(n, {col, row});
                blocked += (col < 6 && !m.right) + (col > 1 && !m.left) + (row < 6 && !m.up) + (row > 1 && !m.down);
            }
        }
        EXPECT_EQ(blocked, 2 * static_cast<int>(l.eastOf.size() + l.northOf.size())) << "cave " << n;
    }
}

TEST(CaveData, TheMonsterStepsHorizontallyFirstThenVerticallyElseStays) {
    const cave::Moves open{.down = true, .up = true, .right = true, .left = true};
    const cave::Moves shut{};
    const struct {
        cave::Moves moves;
        Cell monster, detective;
        std::optional<Dir> step;
    } cases[] = {
        {open, {2, 2}, {5, 5}, Dir::Right},
        {open, {5, 2}, {2, 5}, Dir::Left},
        {{.down = true, .up = true, .right = false, .left = true}, {2, 2}, {5, 5}, Dir::Up},
        {{.down = true, .up = true, .right = true, .left = false}, {5, 5}, {2, 2}, Dir::Down},
        {open, {3, 5}, {3, 1}, Dir::Down},
        {open, {3, 1}, {3, 5}, Dir::Up},
        {{.down = true, .up = false, .right = false, .left = true}, {2, 2}, {5, 5}, std::nullopt},
        {shut, {2, 2}, {2, 2}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("monster " + str(c.monster) + ", detective " + str(c.detective));
        auto h = cave::horizontalStep(c.moves, c.monster, c.detective);
        auto v = cave::verticalStep(c.moves, c.monster, c.detective);
        EXPECT_EQ(h ? h : v, c.step);
    }
}

// [Solving] -----------------------------------------------------------------

TEST(CaveSolver, EveryCaveHasAShortestSolutionUnderTheGamesRules) {
    for (int n = 1; n <= cave::kCaveCount; ++n) {
        SCOPED_TRACE("cave " + std::to_string(n));
        const Search search = solve(n);
        ASSERT_TRUE(search.shortest.has_value()) << "no way out among " << search.positionsSeen << " positions";
        // Replayed, the solution goes on turn by turn and ends in the exit;
        // no prefix of it already solves the cave.
        Position p = startPosition(n);
        const std::vector<Action>& path = *search.shortest;
        std::string line;
        for (size_t i = 0; i < path.size(); ++i) {
            const auto turn = playTurn(n, p, path[i]);
            ASSERT_TRUE(turn.has_value()) << "step " << i << " is blocked";
            EXPECT_EQ(turn->outcome, i + 1 == path.size() ? Outcome::Solved : Outcome::Continue) << "step " << i;
            p = turn->after;
            line += std::string(" ") + actionName(path[i]) + ":" + str(p.detective) + "/" + str(p.monster);
        }
        std::cout << "cave " << n << " in " << path.size() << " moves (then detective/monster):" << line << "\n";
    }
}

TEST(CaveSolver, TheFourthCaveIsLeftOnlyAfterLuringTheMonsterOffTheExit) {
    const cave::Level& l = *cave::level(4);
    ASSERT_EQ(l.monster, l.exit);
    // Stepping onto the exit while the monster holds it is a catch, so the
    // monster leaves it in some turn of every solution.
    const std::vector<Action> path = *solve(4).shortest;
    Position p = startPosition(4);
    bool monsterLeft = false;
    for (Action a : path) {
        p = playTurn(4, p, a)->after;
        monsterLeft = monsterLeft || p.monster != l.exit;
    }
    EXPECT_TRUE(monsterLeft);
    const auto walkIn = playTurn(4, {{6, 5}, l.exit, false}, Action::Up);
    ASSERT_TRUE(walkIn);
    EXPECT_EQ(walkIn->outcome, Outcome::Caught);
    EXPECT_FALSE(walkIn->dust);
}

TEST_F(CaveTest, EachCavesSolutionPlaysThroughTheGameTurnByTurn) {
    enterCave();
    frame();
    for (int n = 1; n <= cave::kCaveCount; ++n) {
        SCOPED_TRACE("cave " + std::to_string(n));
        ASSERT_EQ(s().LevelIntroMessage, 1);
        clickButton();
        ASSERT_EQ(s().CaveNumber, n);
        ASSERT_EQ(activeCave(s()), n);
        Position expected = startPosition(n);
        ASSERT_EQ(position(), expected);
        const std::vector<Action> path = *solve(n).shortest;
        for (size_t i = 0; i < path.size(); ++i) {
            SCOPED_TRACE("move " + std::to_string(i) + " " + actionName(path[i]));
            const Turn turn = *playTurn(n, expected, path[i]);
            act(path[i]);
            EXPECT_EQ(outcomeInGame(), turn.outcome);
            if (turn.outcome == Outcome::Continue) {
                ASSERT_EQ(position(), turn.after);
                EXPECT_EQ(s().PlayerTurn, 1);
            }
            expected = turn.after;
        }
    }
    // Out of the seventh with the bottle: the forest, not another cave.
    EXPECT_FALSE(c().Vjeskyni->Visible);
    EXPECT_TRUE(scenes::scenePanel(c(), scenes::Scene::Les3)->Visible);
    EXPECT_EQ(s().BottleInCave, 0);
    EXPECT_EQ(s().CaveExitRemarkDue, 1);
}

// Random play: every valid move the model allows, seeded, in every cave;
// the game's cells, catches and endings follow the model's turn for turn.
TEST_F(CaveTest, RandomPlayAgreesWithTheSolversTurns) {
    std::mt19937 random(20240613);
    int catches = 0, dust = 0, turns = 0;
    for (int n = 1; n <= cave::kCaveCount; ++n) {
        SCOPED_TRACE("cave " + std::to_string(n));
        startCave(n);
        Position expected = startPosition(n);
        for (int move = 0; move < 40; ++move) {
            std::vector<Action> valid;
            for (Action a : kActions) {
                if (playTurn(n, expected, a)) valid.push_back(a);
            }
            const Action a = valid[random() % valid.size()];
            const Turn turn = *playTurn(n, expected, a);
            SCOPED_TRACE("from " + str(expected.detective) + " / " + str(expected.monster) + " " + actionName(a));
            const Played played = act(a);
            ++turns;
            ASSERT_EQ(outcomeInGame(), turn.outcome) << "expected " << outcomeName(turn.outcome);
            if (turn.outcome == Outcome::Continue) {
                ASSERT_EQ(position(), turn.after);
                expected = turn.after;
                continue;
            }
            if (turn.outcome == Outcome::Caught) {
                ++catches;
                dust += played.dust;
                EXPECT_EQ(played.dust, turn.dust);
            }
            // Caught, or out without the bottle: try again; solved: the same
            // cave once more from its introduction.
            frame();
            if (turn.outcome == Outcome::Solved) {
                startCave(n);
            } else {
                clickButton();
            }
            ASSERT_EQ(s().CaveNumber, n);
            expected = startPosition(n);
            ASSERT_EQ(position(), expected);
        }
    }
    // The walk saw both kinds of catch.
    EXPECT_GT(catches, dust);
    EXPECT_GT(dust, 0);
    EXPECT_EQ(turns, 7 * 40);
}

// [Edges] -------------------------------------------------------------------

struct EdgeCase {
    const char* what;
    int cave;
    Cell detective, monster;
    Action action;
    Outcome outcome;
    Cell detectiveAfter, monsterAfter;
    bool dust;
    int monsterSteps;  // in its turn; -1: no turn at all
};

const EdgeCase kEdgeCases[] = {
    {"cave 1: the middle wall stops a step up from 4,3",
     1,
     {4, 3},
     {1, 6},
     Action::Up,
     Outcome::Continue,
     {4, 3},
     {1, 6},
     false,
     -1},
    {"cave 1: the middle wall stops a step down from 4,4",
     1,
     {4, 4},
     {1, 6},
     Action::Down,
     Outcome::Continue,
     {4, 4},
     {1, 6},
     false,
     -1},
    {"cave 4: into the exit while the monster holds it",
     4,
     {6, 5},
     {6, 6},
     Action::Up,
     Outcome::Caught,
     {6, 6},
     {6, 6},
     false,
     0},
    {"onto the exit, and the monster's turn reaches him",
     3,
     {2, 5},
     {4, 6},
     Action::Up,
     Outcome::Caught,
     {2, 6},
     {2, 6},
     true,
     2},
    {"onto the exit, the monster too far", 3, {2, 5}, {5, 6}, Action::Up, Outcome::Solved, {2, 6}, {3, 6}, false, 2},
    {"onto the monster's cell: caught without the dust",
     3,
     {3, 3},
     {3, 2},
     Action::Down,
     Outcome::Caught,
     {3, 2},
     {3, 2},
     false,
     0},
    {"a monster walled in both ways stays",
     1,
     {3, 2},
     {4, 4},
     Action::Left,
     Outcome::Continue,
     {2, 2},
     {4, 4},
     false,
     0},
    {"Space: walled in, the monster still stays",
     1,
     {3, 2},
     {4, 4},
     Action::Pass,
     Outcome::Continue,
     {3, 2},
     {4, 4},
     false,
     0},
    {"Space gives the monster a full turn of two steps",
     2,
     {4, 1},
     {6, 4},
     Action::Pass,
     Outcome::Continue,
     {4, 1},
     {4, 4},
     false,
     2},
    {"Space: one step, then blocked", 1, {3, 1}, {4, 6}, Action::Pass, Outcome::Continue, {3, 1}, {3, 6}, false, 1},
    {"cave 7: out by the exit without the bottle",
     7,
     {5, 5},
     {1, 1},
     Action::Up,
     Outcome::LeftWithoutBottle,
     {5, 6},
     {3, 1},
     false,
     2},
};

// Names the case in gtest's messages.
void PrintTo(const EdgeCase& k, std::ostream* os) {
    *os << k.what;
}

class CaveEdgeTest : public CaveTest, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(CaveEdgeTest, TheTurnEndsAsTheRulesSay) {
    const EdgeCase& k = GetParam();
    SCOPED_TRACE(k.what);
    setUp(k.cave, k.detective, k.monster);
    frame();
    const Position before = position();
    // The solver's turn agrees with the case ...
    const auto model = playTurn(k.cave, before, k.action);
    if (k.monsterSteps < 0) {
        EXPECT_FALSE(model) << "the step is blocked";
    } else {
        ASSERT_TRUE(model);
        EXPECT_EQ(model->outcome, k.outcome);
        EXPECT_EQ(model->after.detective, k.detectiveAfter);
        EXPECT_EQ(model->after.monster, k.monsterAfter);
        EXPECT_EQ(model->dust, k.dust);
    }

    // ... and so does the game.
    f.host->calls.clear();
    const int pointer = f.host->cursorCount();
    const Played played = act(k.action);
    EXPECT_EQ(outcomeInGame(), k.outcome) << outcomeName(outcomeInGame());
    EXPECT_EQ(position().detective, k.detectiveAfter);
    EXPECT_EQ(position().monster, k.monsterAfter);
    EXPECT_EQ(played.dust, k.dust);
    const size_t monsterWaves = k.monsterSteps < 0 ? 0 : 2 * static_cast<size_t>(k.monsterSteps) - (k.dust ? 1 : 0);
    EXPECT_EQ(waves(9), monsterWaves) << "two a step; the catching step only its first";
    EXPECT_EQ(waves(11), k.outcome == Outcome::Caught ? 1u : 0u);
    switch (k.outcome) {
        case Outcome::Continue:
            EXPECT_EQ(s().PlayerTurn, 1);
            EXPECT_EQ(s().MonsterTurn, 0);
            EXPECT_EQ(f.host->cursorCount(), pointer) << "the pointer stays hidden";
            break;
        case Outcome::Caught:
            EXPECT_EQ(s().LevelSolved, 0) << "a catch wins over the exit";
            EXPECT_EQ(s().MonsterStepFrame, k.dust ? 7 : 0);
            EXPECT_EQ(f.host->cursorCount(), pointer + 1) << "the pointer shows for the message";
            frame();
            EXPECT_TRUE(drew(14)) << "the catch message";
            break;
        case Outcome::LeftWithoutBottle:
            EXPECT_EQ(waves(12), 1u) << "down the hole";
            EXPECT_EQ(f.host->cursorCount(), pointer + 1);
            frame();
            EXPECT_TRUE(drew(32));
            // Any click on the surface starts the seventh cave over.
            clickAway();
            EXPECT_EQ(s().NoBottleMessage, 0);
            EXPECT_EQ(position(), startPosition(7));
            EXPECT_EQ(s().BottleInCave, 1);
            EXPECT_EQ(s().PlayerTurn, 1);
            EXPECT_EQ(f.host->cursorCount(), pointer);
            break;
        case Outcome::Solved:
            EXPECT_EQ(s().CaveNumber, k.cave) << "until the start button";
            EXPECT_EQ(f.host->cursorCount(), pointer + 1);
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(Cave, CaveEdgeTest, ::testing::ValuesIn(kEdgeCases));

// A monster that cannot step hands the turn back in the frame that ends the
// detective's step; each step it takes lasts three frames.
TEST_F(CaveTest, TheMonstersTurnTakesThreeFramesAStep) {
    setUp(1, {3, 2}, {4, 4});
    EXPECT_EQ(act(Action::Left).frames, 4) << "three frames of his step, then the first of his next turn";
    EXPECT_EQ(act(Action::Pass).frames, 2) << "Space, then his turn again";
    setUp(2, {4, 1}, {6, 4});
    EXPECT_EQ(act(Action::Pass).frames, 7) << "two steps of three frames, then his turn";
}

// [Screens] -----------------------------------------------------------------

TEST_F(CaveTest, TheMessageScreensInBothLanguagesWithTheirButtons) {
    enterCave();
    struct Pic {
        int item, x, y;
    };
    const struct {
        const char* what;
        int language;
        int caveNumber;  // the cave finished; its next is introduced
        int screen;      // 1 introduction, 2 caught, 3 no bottle
        bool onButton;
        std::optional<Pic> text;
        Pic button;
    } cases[] = {
        {"first introduction, Czech", 1, 0, 1, false, Pic{33, 107, 233}, {18, 260, 480}},
        {"first introduction, English, on the button", 2, 0, 1, true, Pic{34, 107, 233}, {43, 255, 480}},
        {"second introduction, Czech, on the button", 1, 1, 1, true, Pic{17, 107, 233}, {19, 245, 480}},
        {"seventh introduction, English", 2, 6, 1, false, Pic{40, 107, 233}, {44, 270, 480}},
        {"no eighth introduction", 1, 7, 1, false, std::nullopt, {18, 260, 480}},
        {"caught, Czech", 1, 3, 2, false, Pic{14, 107, 233}, {15, 290, 480}},
        {"caught, English, on the button", 2, 3, 2, true, Pic{42, 107, 233}, {46, 275, 480}},
        {"no bottle, Czech, on the button", 1, 7, 3, true, Pic{32, 107, 233}, {16, 265, 480}},
        {"no bottle, English", 2, 7, 3, false, Pic{41, 107, 233}, {45, 300, 480}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        s().Language = k.language;
        s().CaveNumber = k.caveNumber;
        s().LevelIntroMessage = k.screen == 1;
        s().CaughtMessage = k.screen == 2;
        s().NoBottleMessage = k.screen == 3;
        if (k.onButton) {
            f.host->setCursorPos(hotPoint());
        } else {
            pointAway();
        }
        frame();
        const auto& drawn = c().DXDraw2->drawn;
        ASSERT_FALSE(drawn.empty());
        EXPECT_EQ(drawn.front().kind, layout::SurfaceCommand::Kind::FillBlack);
        std::vector<Pic> want;
        if (k.text) want.push_back(*k.text);
        want.push_back(k.button);
        ASSERT_EQ(drawn.size(), want.size() + 1);
        for (size_t i = 0; i < want.size(); ++i) {
            const auto& cmd = drawn[i + 1];
            EXPECT_EQ(cmd.n, want[i].item);
            EXPECT_EQ(cmd.x, want[i].x);
            EXPECT_EQ(cmd.y, want[i].y);
            EXPECT_EQ(cmd.kind, layout::SurfaceCommand::Kind::Scaled) << "drawn at natural size";
        }
        EXPECT_EQ(c().Start->Interval, 100);
    }
}

TEST_F(CaveTest, SpritesAreTurnedToTheirFacingInTheirBox) {
    const struct {
        int facing;
        layout::SurfaceCommand::Kind kind;
        int ax, ay, degrees;
    } cases[] = {
        {1, layout::SurfaceCommand::Kind::Scaled, 0, 0, 0},
        {2, layout::SurfaceCommand::Kind::Turned, 1, 1, 180},
        {3, layout::SurfaceCommand::Kind::Turned, 1, 0, 270},
        {4, layout::SurfaceCommand::Kind::Turned, 0, 1, 90},
    };
    startCave(5);
    for (const auto& k : cases) {
        SCOPED_TRACE("facing " + std::to_string(k.facing));
        s().DetectiveFacing = k.facing;
        s().MonsterFacing = k.facing;
        frame();
        for (int item : {1, 4}) {
            const auto cmd = drawing(item);
            ASSERT_TRUE(cmd) << "item " << item;
            EXPECT_EQ(cmd->kind, k.kind);
            EXPECT_EQ(cmd->x, item == 1 ? s().DetectiveX : s().MonsterX);
            EXPECT_EQ(cmd->y, item == 1 ? s().DetectiveY : s().MonsterY);
            if (k.kind == layout::SurfaceCommand::Kind::Turned) {
                EXPECT_EQ(cmd->w, 94);
                EXPECT_EQ(cmd->h, 94);
                EXPECT_EQ(cmd->ax, k.ax);
                EXPECT_EQ(cmd->ay, k.ay);
                EXPECT_EQ(cmd->degrees, k.degrees);
            } else {
                EXPECT_EQ(cmd->w, item == 1 ? 94 : 100) << "natural size";
            }
        }
    }
    // Turned into the box: the turned picture covers the box's pixels, and
    // nothing to the left of it or above it.
    s().DetectiveFacing = 3;
    frame();
    const layout::Image& front = c().DXDraw2->front;
    const cave::Level& l = *cave::level(5);
    const layout::Image map = c().Obrazky->Items[static_cast<size_t>(l.mapItem)].Picture_.image();
    int changed = 0, outside = 0;
    for (int y = s().DetectiveY - 20; y < s().DetectiveY + 114; ++y) {
        for (int x = s().DetectiveX - 20; x < s().DetectiveX + 114; ++x) {
            if (x < 0 || y < 0 || x >= map.width || y >= map.height) continue;
            const bool differs = (front.at(x, y) & 0xFFFFFF) != (map.at(x, y) & 0xFFFFFF);
            const bool inBox =
                x >= s().DetectiveX && x < s().DetectiveX + 94 && y >= s().DetectiveY && y < s().DetectiveY + 94;
            if (differs && inBox) ++changed;
            if (differs && !inBox) ++outside;
        }
    }
    EXPECT_GT(changed, 94 * 94 / 10);
    EXPECT_EQ(outside, 0);
}

TEST_F(CaveTest, TheExitHoleTakesTheDetectiveDownAndTheNextCaveIsIntroduced) {
    setUp(2, {2, 5}, {6, 1});
    f.host->calls.clear();
    const int pointer = f.host->cursorCount();
    press(Action::Up);
    ASSERT_EQ(s().LevelSolved, 0) << "not before his turn begins";
    const struct {
        int item;
        size_t exitWaves;
    } steps[] = {{8, 0}, {9, 1}, {7, 1}, {7, 1}, {7, 1}, {7, 1}, {7, 1}};
    for (size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE("exit step " + std::to_string(i));
        frame();
        EXPECT_EQ(s().LevelSolved, 1);
        EXPECT_TRUE(drew(steps[i].item));
        EXPECT_FALSE(drew(1)) << "the detective is in the hole";
        EXPECT_EQ(waves(12), steps[i].exitWaves);
        EXPECT_EQ(s().PlayerTurn, 0);
        EXPECT_EQ(s().LevelIntroMessage, i == 6 ? 1 : 0);
    }
    EXPECT_EQ(f.host->cursorCount(), pointer + 1);
    EXPECT_EQ(s().CaveNumber, 2);
    frame();
    EXPECT_TRUE(drew(21)) << "the third cave's introduction";
    // A click off the button does nothing; on it, the third cave begins.
    clickAway();
    EXPECT_EQ(s().LevelIntroMessage, 1);
    clickButton();
    EXPECT_EQ(s().CaveNumber, 3);
    EXPECT_EQ(s().CaveLevel, (std::array<uint8_t, 7>{0, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(position(), startPosition(3));
    EXPECT_EQ(s().ExitX, cave::level(3)->exitX);
    EXPECT_EQ(s().ExitAnimStep, 0);
    EXPECT_EQ(s().LevelSolved, 0);
    EXPECT_EQ(s().PlayerTurn, 1);
    EXPECT_EQ(f.host->cursorCount(), pointer);
    frame();
    EXPECT_TRUE(drew(22)) << "its map";
}

TEST_F(CaveTest, TheBottlePulsesBetweenItsWidthsUntilItIsPickedUp) {
    startCave(7);
    ASSERT_EQ(s().BottleInCave, 1);
    ASSERT_EQ(s().BottleShrinking, 1);
    ASSERT_EQ(s().BottleGrowing, 0);
    std::vector<int> widths;
    for (int i = 0; i < 24; ++i) {
        const int w = s().BottleWidth, h = s().BottleHeight, y = s().BottleY;
        frame();
        const auto cmd = drawing(31);
        ASSERT_TRUE(cmd);
        EXPECT_EQ(cmd->kind, layout::SurfaceCommand::Kind::Turned);
        EXPECT_EQ(cmd->x, 625);
        EXPECT_EQ(cmd->y, y);
        EXPECT_EQ(cmd->w, w);
        EXPECT_EQ(cmd->h, h);
        EXPECT_EQ(cmd->ax, 0);
        EXPECT_EQ(cmd->ay, 1);
        EXPECT_EQ(cmd->degrees, 0);
        // Width, height and the corner move together.
        EXPECT_EQ((s().BottleWidth - w) * 3, (s().BottleHeight - h) * 2);
        EXPECT_EQ((s().BottleWidth - w), (s().BottleY - y) * 2);
        widths.push_back(s().BottleWidth);
    }
    EXPECT_EQ(*std::min_element(widths.begin(), widths.end()), 40);
    EXPECT_EQ(*std::max_element(widths.begin(), widths.end()), 58);
    EXPECT_EQ(s().BottleGrowing + s().BottleShrinking, 1);

    // Onto its cell; it goes when his next turn begins.
    setUp(7, {6, 5}, {1, 1});
    frame();
    ASSERT_TRUE(drew(31));
    act(Action::Up);
    EXPECT_EQ(s().BottleInCave, 0);
    frame();
    EXPECT_FALSE(drew(31));
}

TEST_F(CaveTest, RestartingTheSeventhCaveWhileTheBottleGrowsKeepsItPulsing) {
    startCave(7);
    while (s().BottleGrowing == 0) frame();
    // Caught while it grows, then tried again.
    s().CaughtMessage = 1;
    frame();
    clickButton();
    ASSERT_EQ(s().BottleShrinking, 1);
    const int w = s().BottleWidth;
    frame();
    EXPECT_NE(s().BottleWidth, w);
}

// [Input] -------------------------------------------------------------------

TEST_F(CaveTest, EscapeOpensTheMenuOnlyOnTheDetectivesTurn) {
    startCave(2);
    const int pointer = f.host->cursorCount();
    // During the monster's turn Escape does nothing.
    f.host->setKey(platform::Key::Space, true);
    frame();
    f.host->setKey(platform::Key::Space, false);
    ASSERT_EQ(s().MonsterTurn, 1);
    f.host->setKey(platform::Key::Escape, true);
    frame();
    f.host->setKey(platform::Key::Escape, false);
    EXPECT_FALSE(c().Menu1->Visible);
    while (s().PlayerTurn == 0) frame();

    s().GameInProgress = 0;
    f.host->setKey(platform::Key::Escape, true);
    frame();
    f.host->setKey(platform::Key::Escape, false);
    EXPECT_TRUE(c().Menu1->Visible);
    EXPECT_EQ(c().Start->Interval, 0);
    EXPECT_EQ(s().GameInProgress, 1);
    EXPECT_EQ(f.host->cursorCount(), pointer + 1);
    EXPECT_FALSE(c().HlavniMenu->drawn.empty()) << "the menu is drawn in the same tick";
    // The cave stands still behind the menu.
    const Position before = position();
    f.host->setKey(platform::Key::Space, true);
    frame(3);
    f.host->setKey(platform::Key::Space, false);
    EXPECT_EQ(position(), before);
    EXPECT_EQ(s().PlayerTurn, 1);

    // Back to game.
    const core::Rect& back = s().MenuRect[0];
    f.host->setCursorPos({(back.Left + back.Right) / 2, (back.Top + back.Bottom) / 2});
    c().HlavniMenu->OnClick.fire({c().HlavniMenu});
    EXPECT_FALSE(c().Menu1->Visible);
    EXPECT_TRUE(c().Start->Enabled);
    EXPECT_EQ(c().Start->Interval, 100);
    EXPECT_EQ(f.host->cursorCount(), pointer);
}

TEST_F(CaveTest, TheIntroductionAndTheCatchKeepThePointerShownAcrossTheMenu) {
    // Walked onto the monster: the catch message comes with the turn back,
    // so Escape may open the menu over it, and the pointer is already shown.
    setUp(3, {3, 3}, {3, 2});
    act(Action::Down);
    ASSERT_EQ(s().CaughtMessage, 1);
    ASSERT_EQ(s().PlayerTurn, 1);
    const int pointer = f.host->cursorCount();
    EXPECT_GE(pointer, 0);
    f.host->setKey(platform::Key::Escape, true);
    frame();
    f.host->setKey(platform::Key::Escape, false);
    EXPECT_TRUE(c().Menu1->Visible);
    EXPECT_EQ(f.host->cursorCount(), pointer);
}

TEST_F(CaveTest, TryAgainNeedsTheButtonAndStartsTheCaveOver) {
    setUp(3, {2, 5}, {4, 6});
    const int pointer = f.host->cursorCount();
    act(Action::Up);
    ASSERT_EQ(s().CaughtMessage, 1);
    EXPECT_EQ(s().MonsterStepFrame, 7);
    EXPECT_EQ(f.host->cursorCount(), pointer + 1);
    clickAway();
    EXPECT_EQ(s().CaughtMessage, 1) << "only the button tries again";
    clickButton();
    EXPECT_EQ(s().CaughtMessage, 0);
    EXPECT_EQ(s().Caught, 0);
    EXPECT_EQ(s().MonsterStepFrame, 0);
    EXPECT_EQ(s().MonsterAnimLeft, 0);
    EXPECT_EQ(s().MonsterMoveLeft, 0);
    EXPECT_EQ(s().MonsterFacing, 1);
    EXPECT_EQ(s().DetectiveFacing, 1);
    EXPECT_EQ(position(), startPosition(3));
    EXPECT_EQ(s().DetectiveX, cave::level(3)->detectiveX);
    EXPECT_EQ(s().MonsterY, cave::level(3)->monsterY);
    EXPECT_EQ(s().PlayerTurn, 1);
    EXPECT_EQ(s().MonsterTurn, 0);
    EXPECT_EQ(f.host->cursorCount(), pointer);
    EXPECT_EQ(s().CaveNumber, 3);
}

TEST_F(CaveTest, OutOfTheSeventhCaveIntoTheForestWithTheRemarkAfter) {
    setUp(7, {5, 5}, {1, 1});
    s().BottleInCave = 0;
    f.host->calls.clear();
    act(Action::Up);
    EXPECT_FALSE(c().Vjeskyni->Visible);
    EXPECT_TRUE(scenes::scenePanel(c(), scenes::Scene::Les3)->Visible);
    EXPECT_FALSE(c().Dcerka->Visible);
    EXPECT_FALSE(c().Start->Enabled);
    EXPECT_TRUE(c().Casodavac->Enabled);
    EXPECT_EQ(s().DescriptionsOn, 0);
    EXPECT_EQ(s().PlayerFree, 0);
    EXPECT_EQ(s().InCave, 1) << "never cleared";
    for (layout::GifAnimator* g : c().sceneFaces[static_cast<size_t>(scenes::Scene::Les3)]) {
        EXPECT_TRUE(g->Animate) << g->Name;
    }
    const std::vector<std::string> music = f.host->callsStartingWith("media");
    EXPECT_EQ(music, (std::vector<std::string>{"mediaStop 4", "mediaRewind 2", "mediaPlay 2 notify"}));
    // The game timer says the remark 30 ticks later.
    for (int i = 0; i < 30; ++i) story::CasodavacTimer(ctx());
    EXPECT_EQ(c().Popis->Caption, "");
    story::CasodavacTimer(ctx());
    EXPECT_EQ(c().Popis->Caption,
              "Sakra, kde jsem to vyšel? No, do Lhotky se už odtut nějak dostanu, hlavně že mám tu láhev.");
}

// A game saved in the cave comes back on the same cells and draws the same
// picture; whatever the cave of this run showed is gone.
TEST_F(CaveTest, AGameSavedInTheCaveResumesOnTheSameCellsAndPixels) {
    startCave(5);
    const std::vector<Action> path = *solve(5).shortest;
    ASSERT_GE(path.size(), 4u);
    act(path[0]);
    act(path[1]);
    frame();
    const layout::Image saved = c().DXDraw2->front;
    const Position where = position();
    const int detectiveX = s().DetectiveX, monsterY = s().MonsterY, facing = s().DetectiveFacing;
    ASSERT_NE(where, startPosition(5));

    // Saved from the menu over the cave.
    f.host->setKey(platform::Key::Escape, true);
    frame();
    f.host->setKey(platform::Key::Escape, false);
    ASSERT_TRUE(c().Menu1->Visible);
    ASSERT_TRUE(saveGame(ctx()));
    EXPECT_EQ(c().Start->Interval, 100);

    const struct {
        const char* what;
        void (*change)(GameState&);
    } afterwards[] = {
        {"played on", [](GameState&) {}},
        {"caught", [](GameState& st) { st.CaughtMessage = 1; }},
        {"at the next introduction", [](GameState& st) { st.LevelIntroMessage = 1; }},
        {"half-way through the monster's turn",
         [](GameState& st) {
             st.MonsterTurn = 1;
             st.PlayerTurn = 0;
             st.MonsterStepFrame = 2;
             st.MonsterAnimUp = 1;
             st.MonsterMoveUp = 1;
         }},
    };
    for (const auto& k : afterwards) {
        SCOPED_TRACE(k.what);
        act(path[2]);
        k.change(s());
        s().CaveLevel = {1, 0, 0, 0, 0, 0, 0};
        s().CaveNumber = 1;
        c().Menu1->Visible = true;
        const int pointer = f.host->cursorCount();
        loadGame(ctx());
        EXPECT_FALSE(c().Menu1->Visible);
        EXPECT_EQ(position(), where);
        EXPECT_EQ(s().DetectiveX, detectiveX);
        EXPECT_EQ(s().MonsterY, monsterY);
        EXPECT_EQ(s().DetectiveFacing, facing);
        EXPECT_EQ(s().CaveNumber, 5);
        EXPECT_EQ(activeCave(s()), 5);
        EXPECT_EQ(s().PlayerTurn, 1);
        EXPECT_EQ(f.host->cursorCount(), pointer - 1) << "play hides the pointer";
        frame();
        const layout::Image& now = c().DXDraw2->front;
        ASSERT_EQ(now.width, saved.width);
        EXPECT_TRUE(now.pixels == saved.pixels) << "the same picture";
        // And it plays on from there as the rules say.
        const Turn turn = *playTurn(5, where, path[2]);
        act(path[2]);
        EXPECT_EQ(position(), turn.after);
    }
}

TEST_F(CaveTest, ACaveGameWithoutItsCaveNumberGoesOnAtTheFirstCave) {
    std::ofstream(f.folder / "data.dat") << "[Other]\r\nData85=1\r\nData86=1\r\n";
    c().Menu1->Visible = true;
    loadGame(ctx());
    ASSERT_TRUE(c().Vjeskyni->Visible);
    EXPECT_EQ(s().CaveNumber, 1);
    EXPECT_EQ(activeCave(s()), 1);
    EXPECT_EQ(position(), startPosition(1));
    frame();
    EXPECT_TRUE(drew(0)) << "the first cave's map";
}

}  // namespace
}  // namespace kvarnel::screens

#include "screens/cave_rules.h"

#include <algorithm>
#include <array>

namespace kvarnel::screens::cave {

namespace {

// The inner walls of each cave.
constexpr Cell kEast1[] = {{1, 2}, {1, 5}, {3, 3}, {3, 4}, {5, 2}, {5, 5}};
constexpr Cell kNorth1[] = {{2, 1}, {2, 5}, {3, 1}, {3, 3}, {3, 5}, {4, 1}, {4, 3}, {4, 5}, {5, 1}, {5, 5}};
constexpr Cell kEast2[] = {{1, 2}, {1, 3}, {2, 5}, {2, 6}, {3, 4}, {4, 3}, {4, 5}, {4, 6}, {5, 2}};
constexpr Cell kNorth2[] = {{3, 2}, {4, 2}, {5, 5}, {6, 1}};
constexpr Cell kEast3[] = {{1, 2}, {1, 4}, {1, 5}, {2, 3}, {5, 2}, {5, 3}, {5, 5}};
constexpr Cell kNorth3[] = {{2, 1}, {2, 3}, {3, 4}, {4, 4}, {5, 1}, {5, 3}, {5, 5}, {6, 4}};
constexpr Cell kEast4[] = {{1, 4}, {1, 5}, {3, 3}, {3, 5}, {5, 2}, {5, 4}};
constexpr Cell kNorth4[] = {{1, 3}, {2, 1}, {2, 5}, {3, 2}, {4, 4}, {5, 4}, {6, 1}, {6, 4}};
constexpr Cell kEast5[] = {{1, 2}, {2, 1}, {3, 4}, {5, 5}};
constexpr Cell kNorth5[] = {{2, 3}, {3, 1}, {3, 2}, {3, 4}, {3, 5}, {4, 3}, {5, 2}, {5, 3}, {5, 5}, {6, 5}};
constexpr Cell kEast6[] = {{1, 2}, {1, 3}, {1, 6}, {2, 5}, {3, 2}, {4, 5}, {5, 2}, {5, 4}};
constexpr Cell kNorth6[] = {{1, 4}, {3, 1}, {3, 2}, {3, 4}, {3, 5}, {4, 5}, {5, 3}, {5, 4}, {6, 1}};
constexpr Cell kEast7[] = {{1, 3}, {1, 5}, {2, 3}, {2, 6}, {3, 2}, {3, 5}, {5, 2}, {5, 6}};
constexpr Cell kNorth7[] = {{1, 2}, {2, 1}, {2, 5}, {3, 1}, {3, 3}, {3, 4}, {4, 3}, {5, 1}, {5, 2}, {5, 4}, {6, 4}};

// The sprites' start positions are the original's own numbers: the
// monster's sit a few pixels off the detective's grid in some caves.
// clang-format off
const std::array<Level, kCaveCount> kLevels = {{
    {.mapItem = 0,
     .detective = {3, 1}, .detectiveX = 295, .detectiveY = 590,
     .monster = {4, 6}, .monsterX = 395, .monsterY = 93,
     .exit = {4, 6}, .exitX = 378, .exitY = 46,
     .eastOf = kEast1, .northOf = kNorth1},
    {.mapItem = 20,
     .detective = {4, 1}, .detectiveX = 395, .detectiveY = 590,
     .monster = {6, 4}, .monsterX = 595, .monsterY = 293,
     .exit = {2, 6}, .exitX = 178, .exitY = 46,
     .eastOf = kEast2, .northOf = kNorth2},
    {.mapItem = 22,
     .detective = {2, 1}, .detectiveX = 195, .detectiveY = 590,
     .monster = {4, 5}, .monsterX = 395, .monsterY = 193,
     .exit = {2, 6}, .exitX = 178, .exitY = 46,
     .eastOf = kEast3, .northOf = kNorth3},
    {.mapItem = 24,
     .detective = {2, 1}, .detectiveX = 195, .detectiveY = 590,
     .monster = {6, 6}, .monsterX = 595, .monsterY = 93,
     .exit = {6, 6}, .exitX = 578, .exitY = 46,
     .eastOf = kEast4, .northOf = kNorth4},
    {.mapItem = 26,
     .detective = {6, 1}, .detectiveX = 595, .detectiveY = 590,
     .monster = {1, 1}, .monsterX = 95, .monsterY = 593,
     .exit = {1, 6}, .exitX = 78, .exitY = 46,
     .eastOf = kEast5, .northOf = kNorth5},
    {.mapItem = 28,
     .detective = {1, 1}, .detectiveX = 95, .detectiveY = 590,
     .monster = {6, 5}, .monsterX = 595, .monsterY = 193,
     .exit = {3, 6}, .exitX = 278, .exitY = 46,
     .eastOf = kEast6, .northOf = kNorth6},
    {.mapItem = 30,
     .detective = {3, 1}, .detectiveX = 295, .detectiveY = 590,
     .monster = {3, 5}, .monsterX = 295, .monsterY = 193,
     .exit = {5, 6}, .exitX = 478, .exitY = 46,
     .eastOf = kEast7, .northOf = kNorth7},
}};
// clang-format on

bool has(std::span<const Cell> walls, Cell c) {
    return std::find(walls.begin(), walls.end(), c) != walls.end();
}

}  // namespace

Cell stepFrom(Cell c, Dir d) {
    switch (d) {
        case Dir::Down:
            return {c.column, c.row - 1};
        case Dir::Up:
            return {c.column, c.row + 1};
        case Dir::Right:
            return {c.column + 1, c.row};
        case Dir::Left:
            return {c.column - 1, c.row};
    }
    return c;
}

const Level* level(int cave) {
    if (cave < 1 || cave > kCaveCount) return nullptr;
    return &kLevels[static_cast<size_t>(cave - 1)];
}

bool Moves::allows(Dir d) const {
    switch (d) {
        case Dir::Down:
            return down;
        case Dir::Up:
            return up;
        case Dir::Right:
            return right;
        case Dir::Left:
            return left;
    }
    return false;
}

Moves movesFrom(int cave, Cell c) {
    Moves m{.down = c.row != 1, .up = c.row != kRows, .right = c.column != kColumns, .left = c.column != 1};
    if (const Level* l = level(cave)) {
        if (has(l->eastOf, c)) m.right = false;
        if (has(l->eastOf, {c.column - 1, c.row})) m.left = false;
        if (has(l->northOf, c)) m.up = false;
        if (has(l->northOf, {c.column, c.row - 1})) m.down = false;
    }
    return m;
}

std::optional<Dir> horizontalStep(const Moves& open, Cell monster, Cell detective) {
    if (monster.column < detective.column && open.right) return Dir::Right;
    if (monster.column > detective.column && open.left) return Dir::Left;
    return std::nullopt;
}

std::optional<Dir> verticalStep(const Moves& open, Cell monster, Cell detective) {
    if (monster.row < detective.row && open.up) return Dir::Up;
    if (monster.row > detective.row && open.down) return Dir::Down;
    return std::nullopt;
}

std::optional<Dir> monsterStep(int cave, Cell monster, Cell detective) {
    const Moves open = movesFrom(cave, monster);
    if (auto h = horizontalStep(open, monster, detective)) return h;
    return verticalStep(open, monster, detective);
}

}  // namespace kvarnel::screens::cave

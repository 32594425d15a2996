// The rules of the cave chase as plain data and functions, without a screen:
// the seven caves (their walls, where everyone starts, the exit), which way
// a sprite may step from a cell, and which step the monster takes. The cave
// screen runs its turns through these functions, and so can anything that
// wants to reason about a cave without playing it (the solver in the tests).
//
// Cells: columns 1..6 from the left, rows 1..6 from the bottom. Pixel
// positions are the cave surface's own.
#pragma once

#include <optional>
#include <span>

namespace kvarnel::screens::cave {

inline constexpr int kCaveCount = 7;
inline constexpr int kColumns = 6;
inline constexpr int kRows = 6;

struct Cell {
    int column = 0;
    int row = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// A step, numbered as the sprites' facings are (a sprite faces the way it
// last stepped; 1, facing down, is how its pictures are drawn).
enum class Dir : int { Down = 1, Up = 2, Right = 3, Left = 4 };
// The order in which the game looks at the arrow keys and at the running
// steps: with several keys down, the first wins.
inline constexpr Dir kDirOrder[] = {Dir::Down, Dir::Up, Dir::Right, Dir::Left};

// The cell one step away (no test of walls or the border).
Cell stepFrom(Cell c, Dir d);

// One cave: its map picture, where the detective and the monster start (cell
// and the pixel position of their sprites), the exit cell with the pixel
// position of its hole, and the inner walls. A wall east of c,r stands
// between c,r and c+1,r; one north of c,r between c,r and c,r+1. A wall
// blocks both sprites in both directions.
struct Level {
    int mapItem = 0;
    Cell detective;
    int detectiveX = 0, detectiveY = 0;
    Cell monster;
    int monsterX = 0, monsterY = 0;
    Cell exit;
    int exitX = 0, exitY = 0;
    std::span<const Cell> eastOf;
    std::span<const Cell> northOf;
};

// Cave 1..7; nullptr for any other number.
const Level* level(int cave);

// The seventh cave holds the bottle on this cell; its exit does not count
// as left until the bottle has been picked up.
inline constexpr int kBottleCave = 7;
inline constexpr Cell kBottleCell{6, 6};

// Which steps lead on from a cell: not over the border, not through a wall.
struct Moves {
    bool down = false, up = false, right = false, left = false;
    bool allows(Dir d) const;
};
// For a cell of cave 1..7; a cell off the map or an unknown cave gets the
// border's rules alone.
Moves movesFrom(int cave, Cell c);

// The monster's step toward the detective, the way the game chooses it in
// two stages. Horizontally first: toward his column when it is another and
// the way there is open; nothing when the columns agree or the way is shut
// (the game then tries vertically). Vertically: toward his row when it is
// another and open; nothing otherwise (the monster stays and its turn ends).
std::optional<Dir> horizontalStep(const Moves& open, Cell monster, Cell detective);
std::optional<Dir> verticalStep(const Moves& open, Cell monster, Cell detective);
// Both stages: the step the monster takes from `monster`, if any.
std::optional<Dir> monsterStep(int cave, Cell monster, Cell detective);

// Steps the monster takes in one turn at most.
inline constexpr int kMonsterStepsPerTurn = 2;

}  // namespace kvarnel::screens::cave

// Stand-in pictures of the two small image-list games: the cave chase
// (`Obrazky`, drawn on DXDraw2) and the bat-and-ball games (`DXImageList1`,
// shared by the two-player match on DXDraw3 and the inn table on DXDraw1).
//
// Each function returns the finished collection items of one image list, in
// item order, ready for the list's "Items" property. Output depends only on
// the code (and the installed fonts for the words on the message pictures):
// the same build gives the same bytes.
//
// Picture forms:
//   - cave maps, cave introductions and messages, the table top and the
//     court: JPEG, drawn opaque;
//   - sprites, buttons, digits and banners: 24-bit DIB with white as the
//     transparent colour (their art never uses pure white inside);
//   - the ball and the bat "Palka": 32-bit DIB with colour masks, white
//     transparent; the paddle of the two-player match: 24-bit DIB, opaque.
#pragma once

#include <vector>

#include "layout/stream.h"
#include "standin/art.h"

namespace kvarnel::standin {

// ---------------------------------------------------------------- the caves

inline constexpr int kCaveCount = 7;
inline constexpr int kCaveColumns = 6;
inline constexpr int kCaveRows = 6;

// A cell of a cave: columns 1..6 from the left, rows 1..6 from the bottom.
struct CaveCell {
    int column = 0;
    int row = 0;
    bool operator==(const CaveCell&) const = default;
};

// The inner walls of one cave (the outer border is always closed but for
// the exit). A wall east of c,r stands between c,r and c+1,r; one north of
// c,r between c,r and c,r+1.
struct CaveWalls {
    std::vector<CaveCell> eastOf;
    std::vector<CaveCell> northOf;
};

// Cave 1..7; std::out_of_range otherwise.
const CaveWalls& caveWalls(int cave);
// The column of the exit in the top row (row 6) of cave 1..7.
int caveExitColumn(int cave);

// Where cell c,r lies on a cave map (and on the surface, where the maps are
// drawn at 0,0). A sprite standing on the cell has its 94 x 94 box at
// 95 + 100 (c - 1), 590 - 99 (r - 1); the cell is that box with the gaps
// between neighbours shared out, 100 x 99 pixels.
art::Rect caveCellRect(int column, int row);

// The map colours away from texture and outlines: what a wall and an open
// floor look like.
inline constexpr uint32_t kCaveRock = 0xFF4B4354;
inline constexpr uint32_t kCaveFloor = 0xFFC9B48E;

// The 47 items of `Obrazky`:
//   0, 20, 22, 24, 26, 28, 30  the maps of caves 1..7 (788 x 768, then 768 x 768), JPEG
//   1, 2, 3                    the detective standing and his two step frames (94 x 94), facing down
//   4, 5, 6                    the monster likewise (100 x 98)
//   7, 8, 9                    the exit hole: empty, the detective in it, going down (129 x 177)
//   10..13                     the dust cloud of a catch (100 x 98)
//   31                         the bottle (64 x 94)
//   33 / 34, 17 / 35, 21 / 36, 23 / 37, 25 / 38, 27 / 39, 29 / 40
//                              the introduction of caves 1..7, Czech / English (572 x 299), JPEG
//   14 / 42, 32 / 41           the catch message and the no-bottle message, Czech / English
//                              (572 x 299, drawn where the introductions go), JPEG
//   18 / 19, 44 / 43           start button normal / highlighted, Czech / English
//   15 / 16, 45 / 46           try-again button normal / highlighted, Czech / English
// The buttons are 32 high (highlighted 36) and centred on the surface's
// column 396 at the places the cave screen draws them: Czech start 272 / 302
// wide, English start 252 / 282, Czech try-again 212 / 262, English 192 / 242.
std::vector<layout::CollectionItem> cavePictureItems();

// ---------------------------------------------------------------- the bat-and-ball games

// The 14 items of `DXImageList1`:
//   0  ball (35 x 35), 32-bit DIB, white transparent
//   1  table top of the inn game (448 x 573), JPEG, opaque
//   2  "Palka", the bat (106 x 27), 32-bit DIB, white transparent; the only named item
//   3  court of the two-player match (568 x 768), JPEG, opaque
//   4  paddle (103 x 11), 24-bit DIB, opaque
//   5, 6, 7  the digits 3, 2, 1 (77 x 127), white transparent
//   8 / 11   "player 1 is the winner", Czech 482 x 39 / English 425 x 39
//   9 / 12   the same for player 2
//   10 / 13  congratulations, Czech 317 x 39 / English 425 x 39
std::vector<layout::CollectionItem> gamePictureItems();

}  // namespace kvarnel::standin

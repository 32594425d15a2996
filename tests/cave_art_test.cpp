// Stand-in pictures of the cave chase and of the bat-and-ball games: the
// items read back through the layout reader with the sizes and forms the
// screens rely on, and every cave map draws exactly the walls of its cave.
#include "standin/cave_art.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "layout/components.h"
#include "layout/layout.h"
#include "layout/record_builder.h"

namespace {

using kvarnel::layout::CollectionItem;
using kvarnel::layout::DXImageList;
using kvarnel::layout::Image;
using kvarnel::layout::ImageListItem;
using kvarnel::layout::Layout;
using kvarnel::layout::Obj;
namespace standin = kvarnel::standin;

// Both lists read back through the layout reader, built once.
struct Lists {
    std::vector<CollectionItem> caveRaw = standin::cavePictureItems();
    std::vector<CollectionItem> gameRaw = standin::gamePictureItems();
    Layout layout =
        kvarnel::layout::buildLayout(Obj("TForm1", "Form1")
                                         .child(Obj("TDXImageList", "Obrazky").collection("Items", caveRaw))
                                         .child(Obj("TDXImageList", "DXImageList1").collection("Items", gameRaw))
                                         .record());
    const std::vector<ImageListItem>& cave() const { return layout.findAs<DXImageList>("Obrazky")->Items; }
    const std::vector<ImageListItem>& game() const { return layout.findAs<DXImageList>("DXImageList1")->Items; }
};

const Lists& lists() {
    static const Lists kLists;
    return kLists;
}

const kvarnel::layout::Bytes& pictureBytes(const CollectionItem& item) {
    for (const auto& p : item.properties)
        if (p.name == "Picture.Data") return p.value.bytes;
    static const kvarnel::layout::Bytes kNone;
    return kNone;
}

// ---------------------------------------------------------------- item tables

enum class Form { Jpeg, Dib24, Dib32 };

struct ItemCase {
    int index;
    Form form;
    int w, h;
    bool transparent;  // white is left out
    const char* what;
};

std::string caseName(const ItemCase& c) {
    return "item " + std::to_string(c.index) + " (" + c.what + ")";
}

// The bit count of a "TDIB" record: class name, then the 40-byte header.
int dibBits(std::span<const uint8_t> record) {
    const size_t header = 1 + record[0];
    return record[header + 14] | (record[header + 15] << 8);
}
int dibCompression(std::span<const uint8_t> record) {
    const size_t header = 1 + record[0];
    return record[header + 16];
}

void expectItems(const std::vector<ImageListItem>& items, const std::vector<CollectionItem>& raw,
                 const std::vector<ItemCase>& cases) {
    for (const ItemCase& c : cases) {
        SCOPED_TRACE(caseName(c));
        const ImageListItem& item = items.at(static_cast<size_t>(c.index));
        EXPECT_EQ(item.Picture_.image().width, c.w);
        EXPECT_EQ(item.Picture_.image().height, c.h);
        EXPECT_EQ(item.Transparent, c.transparent);
        EXPECT_EQ(item.TransparentColor, 0xFFFFFFu);
        EXPECT_EQ(item.PatternWidth, 0);
        EXPECT_EQ(item.PatternHeight, 0);
        EXPECT_FALSE(item.SystemMemory);
        const char* cls = c.form == Form::Jpeg ? "TJPEGImage" : "TDIB";
        EXPECT_EQ(item.Picture_.className, cls);
        if (c.form != Form::Jpeg) {
            const auto& rec = pictureBytes(raw.at(static_cast<size_t>(c.index)));
            EXPECT_EQ(dibBits(rec), c.form == Form::Dib32 ? 32 : 24);
            EXPECT_EQ(dibCompression(rec), c.form == Form::Dib32 ? 3 : 0);
        }
        if (c.transparent) {
            // A keyed picture is framed by the key at its corners (so turned
            // and scaled draws leave no rectangle) and has a figure in it.
            const Image& img = item.Picture_.image();
            for (auto [x, y] :
                 {std::pair{0, 0}, {img.width - 1, 0}, {0, img.height - 1}, {img.width - 1, img.height - 1}})
                EXPECT_EQ(img.at(x, y) & 0xFFFFFF, 0xFFFFFFu) << "corner " << x << "," << y;
            size_t figure = 0;
            for (uint32_t p : img.pixels) figure += (p & 0xFFFFFF) != 0xFFFFFF;
            EXPECT_GT(figure, img.pixels.size() / 10);
        }
    }
}

TEST(CaveArt, ObrazkyHasEveryPictureOfTheCaveScreen) {
    const auto& items = lists().cave();
    ASSERT_EQ(items.size(), 47u);
    std::vector<ItemCase> cases = {
        {0, Form::Jpeg, 788, 768, false, "map of cave 1"},
        {1, Form::Dib24, 94, 94, true, "detective standing"},
        {2, Form::Dib24, 94, 94, true, "detective step 1"},
        {3, Form::Dib24, 94, 94, true, "detective step 2"},
        {4, Form::Dib24, 100, 98, true, "monster standing"},
        {5, Form::Dib24, 100, 98, true, "monster step 1"},
        {6, Form::Dib24, 100, 98, true, "monster step 2"},
        {7, Form::Dib24, 129, 177, true, "exit hole"},
        {8, Form::Dib24, 129, 177, true, "exit hole with the detective"},
        {9, Form::Dib24, 129, 177, true, "exit hole, going down"},
        {10, Form::Dib24, 100, 98, true, "dust 1"},
        {11, Form::Dib24, 100, 98, true, "dust 2"},
        {12, Form::Dib24, 100, 98, true, "dust 3"},
        {13, Form::Dib24, 100, 98, true, "dust 4"},
        {31, Form::Dib24, 64, 94, true, "bottle"},
        {14, Form::Jpeg, 572, 299, false, "caught CZ"},
        {42, Form::Jpeg, 572, 299, false, "caught EN"},
        {32, Form::Jpeg, 572, 299, false, "no bottle CZ"},
        {41, Form::Jpeg, 572, 299, false, "no bottle EN"},
    };
    const int maps[] = {20, 22, 24, 26, 28, 30};
    for (int m : maps) cases.push_back({m, Form::Jpeg, 768, 768, false, "cave map"});
    const int intros[] = {33, 34, 17, 35, 21, 36, 23, 37, 25, 38, 27, 39, 29, 40};
    for (int i : intros) cases.push_back({i, Form::Jpeg, 572, 299, false, "cave introduction"});
    const int buttons[] = {18, 19, 44, 43, 15, 16, 45, 46};
    for (int b : buttons) {
        const Image& img = items[static_cast<size_t>(b)].Picture_.image();
        cases.push_back({b, Form::Dib24, img.width, img.height, true, "button"});
    }
    std::set<int> covered;
    for (const auto& c : cases) covered.insert(c.index);
    EXPECT_EQ(covered.size(), 47u) << "every item is checked once";
    expectItems(items, lists().caveRaw, cases);
    for (const auto& item : items) EXPECT_TRUE(item.Name.empty());
}

TEST(CaveArt, DXImageList1HasTheBallGamesPictures) {
    const auto& items = lists().game();
    ASSERT_EQ(items.size(), 14u);
    expectItems(items, lists().gameRaw,
                {
                    {0, Form::Dib32, 35, 35, true, "ball"},
                    {1, Form::Jpeg, 448, 573, false, "table top"},
                    {2, Form::Dib32, 106, 27, true, "Palka"},
                    {3, Form::Jpeg, 568, 768, false, "court"},
                    {4, Form::Dib24, 103, 11, false, "paddle"},
                    {5, Form::Dib24, 77, 127, true, "digit 3"},
                    {6, Form::Dib24, 77, 127, true, "digit 2"},
                    {7, Form::Dib24, 77, 127, true, "digit 1"},
                    {8, Form::Dib24, 482, 39, true, "player 1 wins CZ"},
                    {9, Form::Dib24, 482, 39, true, "player 2 wins CZ"},
                    {10, Form::Dib24, 317, 39, true, "congratulations CZ"},
                    {11, Form::Dib24, 425, 39, true, "player 1 wins EN"},
                    {12, Form::Dib24, 425, 39, true, "player 2 wins EN"},
                    {13, Form::Dib24, 425, 39, true, "congratulations EN"},
                });
    for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].Name, i == 2 ? "Palka" : "") << "item " << i;
}

// Pictures of one animation or one set must differ from one another: a
// repeated frame would freeze a step or show the wrong message.
TEST(CaveArt, FramesOfOneSetDiffer) {
    const auto& cave = lists().cave();
    const auto& game = lists().game();
    const std::vector<std::pair<const std::vector<ImageListItem>*, std::vector<int>>> sets = {
        {&cave, {1, 2, 3}},
        {&cave, {4, 5, 6}},
        {&cave, {7, 8, 9}},
        {&cave, {10, 11, 12, 13}},
        {&cave, {0, 20, 22, 24, 26, 28, 30}},
        {&cave, {33, 34, 17, 35, 21, 36, 23, 37, 25, 38, 27, 39, 29, 40, 14, 42, 32, 41}},
        {&cave, {18, 19, 44, 43, 15, 16, 45, 46}},
        {&game, {5, 6, 7}},
        {&game, {8, 9, 10, 11, 12, 13}},
    };
    for (const auto& [list, indices] : sets) {
        for (size_t a = 0; a < indices.size(); ++a)
            for (size_t b = a + 1; b < indices.size(); ++b)
                EXPECT_FALSE((*list)[static_cast<size_t>(indices[a])].Picture_.image() ==
                             (*list)[static_cast<size_t>(indices[b])].Picture_.image())
                    << "items " << indices[a] << " and " << indices[b] << " are the same picture";
    }
}

// The cave screen draws each button pair at fixed places (normal, then
// highlighted while the pointer is over the hot rectangle 400..620 of the
// play area, which is 286..506 on the surface). The highlighted picture must
// grow out of the normal one about the same centre, and that centre must lie
// inside the hot rectangle.
TEST(CaveArt, ButtonPairsShareACentreOverTheHotRectangle) {
    const auto& items = lists().cave();
    struct Pair {
        int normal, normalX, lit, litX;
        const char* what;
    };
    const Pair pairs[] = {
        {18, 260, 19, 245, "start CZ"},
        {44, 270, 43, 255, "start EN"},
        {15, 290, 16, 265, "try again CZ"},
        {45, 300, 46, 275, "try again EN"},
    };
    for (const Pair& p : pairs) {
        SCOPED_TRACE(p.what);
        const Image& n = items[static_cast<size_t>(p.normal)].Picture_.image();
        const Image& l = items[static_cast<size_t>(p.lit)].Picture_.image();
        const double nc = p.normalX + n.width / 2.0, lc = p.litX + l.width / 2.0;
        EXPECT_NEAR(nc, lc, 1.0);
        EXPECT_GT(nc, 286);
        EXPECT_LT(nc, 506);
        EXPECT_GE(l.width, n.width);
        EXPECT_LE(p.litX + l.width, 788);
        // The button lies on the message's free lower band, below the text.
        EXPECT_LE(480 + l.height, 233 + 299);
    }
}

TEST(CaveArt, SameBytesEveryTime) {
    const auto again = standin::gamePictureItems();
    ASSERT_EQ(again.size(), lists().gameRaw.size());
    for (size_t i = 0; i < again.size(); ++i)
        EXPECT_EQ(pictureBytes(again[i]), pictureBytes(lists().gameRaw[i])) << "item " << i;
    const auto cave = standin::cavePictureItems();
    ASSERT_EQ(cave.size(), lists().caveRaw.size());
    for (size_t i = 0; i < cave.size(); ++i)
        EXPECT_EQ(pictureBytes(cave[i]), pictureBytes(lists().caveRaw[i])) << "item " << i;
}

// ---------------------------------------------------------------- the caves

// The wall table of the seven caves as written in the cave's design:
// "c,r" cells whose east or north side is a wall.
struct WallRow {
    int cave;
    const char* east;
    const char* north;
    int exitColumn;
};
constexpr WallRow kWallTable[] = {
    {1, "1,2 1,5 3,3 3,4 5,2 5,5", "2,1 2,5 3,1 3,3 3,5 4,1 4,3 4,5 5,1 5,5", 4},
    {2, "1,2 1,3 2,5 2,6 3,4 4,3 4,5 4,6 5,2", "3,2 4,2 5,5 6,1", 2},
    {3, "1,2 1,4 1,5 2,3 5,2 5,3 5,5", "2,1 2,3 3,4 4,4 5,1 5,3 5,5 6,4", 2},
    {4, "1,4 1,5 3,3 3,5 5,2 5,4", "1,3 2,1 2,5 3,2 4,4 5,4 6,1 6,4", 6},
    {5, "1,2 2,1 3,4 5,5", "2,3 3,1 3,2 3,4 3,5 4,3 5,2 5,3 5,5 6,5", 1},
    {6, "1,2 1,3 1,6 2,5 3,2 4,5 5,2 5,4", "1,4 3,1 3,2 3,4 3,5 4,5 5,3 5,4 6,1", 3},
    {7, "1,3 1,5 2,3 2,6 3,2 3,5 5,2 5,6", "1,2 2,1 2,5 3,1 3,3 3,4 4,3 5,1 5,2 5,4 6,4", 5},
};

std::set<std::pair<int, int>> parseCells(const char* text) {
    std::set<std::pair<int, int>> cells;
    std::istringstream in(text);
    std::string tok;
    while (in >> tok) {
        int c = 0, r = 0;
        EXPECT_EQ(std::sscanf(tok.c_str(), "%d,%d", &c, &r), 2) << tok;
        cells.insert({c, r});
    }
    return cells;
}

std::set<std::pair<int, int>> asSet(const std::vector<standin::CaveCell>& cells) {
    std::set<std::pair<int, int>> out;
    for (const auto& c : cells) out.insert({c.column, c.row});
    EXPECT_EQ(out.size(), cells.size()) << "a wall is listed twice";
    return out;
}

TEST(CaveArt, WallDataIsTheCavesTable) {
    for (const WallRow& row : kWallTable) {
        SCOPED_TRACE("cave " + std::to_string(row.cave));
        EXPECT_EQ(asSet(standin::caveWalls(row.cave).eastOf), parseCells(row.east));
        EXPECT_EQ(asSet(standin::caveWalls(row.cave).northOf), parseCells(row.north));
        EXPECT_EQ(standin::caveExitColumn(row.cave), row.exitColumn);
    }
    EXPECT_THROW(standin::caveWalls(0), std::out_of_range);
    EXPECT_THROW(standin::caveWalls(8), std::out_of_range);
}

// Where a sprite on cell c,r stands: its 94 x 94 box's top-left corner is at
// 95 + 100 (c - 1), 590 - 99 (r - 1) on the surface, where the maps are drawn
// at 0,0. Boundaries between cells lie halfway between the box centres.
double centreX(int c) {
    return 95 + 100 * (c - 1) + 47;
}
double centreY(int r) {
    return 590 - 99 * (r - 1) + 47;
}

enum class Ground { Wall, Floor, Other };

uint32_t channelDistance(uint32_t a, uint32_t b) {
    uint32_t d = 0;
    for (int s : {16, 8, 0}) {
        const int x = static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF);
        d += static_cast<uint32_t>(x < 0 ? -x : x);
    }
    return d;
}

// What a 5 x 5 patch around x, y shows: wall or floor by its mean colour.
Ground groundAt(const Image& map, double x, double y) {
    double sum[3] = {0, 0, 0};
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const uint32_t p = map.at(static_cast<int>(std::lround(x)) + dx, static_cast<int>(std::lround(y)) + dy);
            sum[0] += (p >> 16) & 0xFF;
            sum[1] += (p >> 8) & 0xFF;
            sum[2] += p & 0xFF;
        }
    const uint32_t mean = 0xFF000000u | (static_cast<uint32_t>(sum[0] / 25) << 16) |
                          (static_cast<uint32_t>(sum[1] / 25) << 8) | static_cast<uint32_t>(sum[2] / 25);
    const uint32_t toWall = channelDistance(mean, standin::kCaveRock);
    const uint32_t toFloor = channelDistance(mean, standin::kCaveFloor);
    if (std::min(toWall, toFloor) > 120) return Ground::Other;
    return toWall < toFloor ? Ground::Wall : Ground::Floor;
}

const char* name(Ground g) {
    return g == Ground::Wall ? "wall" : g == Ground::Floor ? "floor" : "neither";
}

TEST(CaveArt, EveryMapShowsItsCavesWallsAndOpenings) {
    const int mapItems[] = {0, 20, 22, 24, 26, 28, 30};
    for (const WallRow& row : kWallTable) {
        SCOPED_TRACE("cave " + std::to_string(row.cave));
        const Image& map = lists().cave()[static_cast<size_t>(mapItems[row.cave - 1])].Picture_.image();
        ASSERT_GE(map.width, 768);
        const auto east = parseCells(row.east);
        const auto north = parseCells(row.north);
        auto expectGround = [&](double x, double y, Ground want, const std::string& where) {
            const Ground got = groundAt(map, x, y);
            EXPECT_EQ(got, want) << where << " at " << x << "," << y << " shows " << name(got) << ", not "
                                 << name(want);
        };
        for (int c = 1; c <= 6; ++c)
            for (int r = 1; r <= 6; ++r) {
                const std::string cell = std::to_string(c) + "," + std::to_string(r);
                expectGround(centreX(c), centreY(r), Ground::Floor, "the middle of " + cell);
                // Three points along each side: the middle and halfway to
                // either corner, where walls meeting at a corner cannot reach.
                for (double along : {-25.0, 0.0, 25.0}) {
                    if (c < 6) {
                        const Ground want = east.count({c, r}) ? Ground::Wall : Ground::Floor;
                        expectGround((centreX(c) + centreX(c + 1)) / 2, centreY(r) + along, want, "east of " + cell);
                    }
                    if (r < 6) {
                        const Ground want = north.count({c, r}) ? Ground::Wall : Ground::Floor;
                        expectGround(centreX(c) + along, (centreY(r) + centreY(r + 1)) / 2, want, "north of " + cell);
                    }
                }
            }
        // The border is rock all round, open only above the exit cell.
        for (int c = 1; c <= 6; ++c) {
            const Ground want = c == row.exitColumn ? Ground::Floor : Ground::Wall;
            expectGround(centreX(c), centreY(6) - 70, want, "above column " + std::to_string(c));
            expectGround(centreX(c), centreY(1) + 75, Ground::Wall, "below column " + std::to_string(c));
        }
        for (int r = 1; r <= 6; ++r) {
            expectGround(centreX(1) - 75, centreY(r), Ground::Wall, "left of row " + std::to_string(r));
            expectGround(centreX(6) + 75, centreY(r), Ground::Wall, "right of row " + std::to_string(r));
        }
    }
}

}  // namespace

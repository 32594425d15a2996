// The stand-in location panels (see scene_builder.h for the placement
// contract).
//
// [SECTION] Scene facts and keywords
// [SECTION] Regions
// [SECTION] Placing the rows
// [SECTION] Pictures of the catalogue's components
// [SECTION] The panel
#include "standin/scene_builder.h"

#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "layout/bitmap_codec.h"
#include "layout/gif_codec.h"
#include "layout/jpeg_codec.h"
#include "layout/picture_record.h"
#include "standin/art.h"
#include "standin/catalogue_objects.h"
#include "standin/scene_catalogue.h"
#include "standin/scene_compositions.h"

namespace kvarnel::standin {

using art::Part;
using art::Rect;
using layout::Image;
using layout::Obj;
using scenes::DetectivePart;
using scenes::ItemUse;
using scenes::Scene;

namespace {

constexpr int kPanelW = 1024;
constexpr int kPanelH = 625;

// ---------------------------------------------------------------------------
// [SECTION] Scene facts and keywords
// ---------------------------------------------------------------------------
enum class Setting { Village, Indoor, Forest };

Setting settingOf(Scene s) {
    switch (s) {
        case Scene::Udedka:
        case Scene::Vhospode:
        case Scene::Radnice:
        case Scene::Veveznici:
        case Scene::Uzlocinkyne:
            return Setting::Indoor;
        case Scene::Les1:
        case Scene::Les2:
        case Scene::Les3:
        case Scene::Les4:
        case Scene::Les5:
        case Scene::Les6:
            return Setting::Forest;
        default:
            return Setting::Village;
    }
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool has(const std::string& haystack, std::initializer_list<std::string_view> words) {
    return std::any_of(words.begin(), words.end(),
                       [&](std::string_view w) { return haystack.find(w) != std::string::npos; });
}

// The part of a row's own name after the scene prefix, lower-cased
// ("Udedka.oldManEye" -> "oldmaneye").
std::string rowKey(std::string_view rowName) {
    const size_t dot = rowName.find('.');
    return lower(dot == std::string_view::npos ? rowName : rowName.substr(dot + 1));
}

// The catalogue's owner word of each character whose rows lie on a figure.
struct Character {
    ItemUse use;
    std::string_view owner;    // as the catalogue's roles spell it
    std::string_view keyword;  // as row names spell it, lower-cased
    art::CharacterLook look;
};

art::CharacterLook look(uint32_t shirt, uint32_t trousers, uint32_t hair, bool beard, uint32_t skin = 0xFFF0C8A0) {
    art::CharacterLook l;
    l.skin = skin;
    l.shirt = shirt;
    l.trousers = trousers;
    l.hair = hair;
    l.beard = beard;
    return l;
}

const std::vector<Character>& characters() {
    static const std::vector<Character> all = {
        {ItemUse::OldMan, "old man", "oldman", look(0xFF8A7A5C, 0xFF4E4A44, 0xFFD8D8D8, true)},
        {ItemUse::Warrior, "warrior", "warrior", look(0xFFA0522D, 0xFF5B4636, 0xFF2E2A33, false, 0xFF8FB0E8)},
        {ItemUse::Publican, "publican", "publican", look(0xFFEDEDE0, 0xFF3E3E50, 0xFF6B4A2E, false, 0xFFF2B0B8)},
        {ItemUse::Guest, "guest", "guest", look(0xFF5E8C6A, 0xFF5A5A78, 0xFF9A6B3E, false, 0xFF8FB0E8)},
        {ItemUse::Mayor, "mayor", "mayor", look(0xFF30304A, 0xFF30304A, 0xFF8A8A8A, false)},
        {ItemUse::Sheriff, "sheriff", "sheriff", look(0xFFB8985A, 0xFF4A3A2A, 0xFF3A2A1A, false)},
        {ItemUse::BushMan, "Bush Man", "bushman", look(0xFF8A6438, 0xFF3E6A32, 0xFF4E8A3E, false, 0xFF9DBE6A)},
        {ItemUse::Druid, "druid", "druid", look(0xFF6A4C8C, 0xFF4A3A6A, 0xFFEEEEEE, true, 0xFFA8D890)},
        {ItemUse::Ranger, "ranger", "ranger", look(0xFF4E6E3A, 0xFF5A4A30, 0xFF7A4A2A, false, 0xFFF0A860)},
    };
    return all;
}

const Character* characterOf(const scenes::DescriptionRow& row) {
    for (const Character& c : characters()) {
        if (row.itemUse == c.use) return &c;
    }
    const std::string key = rowKey(row.name);
    for (const Character& c : characters()) {
        if (key.find(c.keyword) != std::string::npos) return &c;
    }
    return nullptr;
}

// Which body parts a character row speaks of; several regions share the
// names (both hands, both ears).
std::vector<Part> partsOf(const std::string& key) {
    if (has(key, {"eye"})) return {Part::Eyes};
    if (has(key, {"nose"})) return {Part::Nose};
    if (has(key, {"mouth", "lip", "teeth", "beard", "moustache", "mustache"})) return {Part::Mouth};
    if (has(key, {"ear"})) return {Part::LeftEar, Part::RightEar};
    if (has(key, {"head", "hair", "face", "wrinkle", "hat", "forehead", "cap"})) return {Part::Head};
    if (has(key, {"hand", "finger", "arm", "fist"})) return {Part::LeftHand, Part::RightHand};
    if (has(key, {"shoe", "boot", "feet", "foot"})) return {Part::Shoes};
    if (has(key, {"groin", "rude", "backside", "bottom", "bum"})) return {Part::Groin};
    if (has(key, {"leg", "trouser", "knee", "pants"})) return {Part::Legs};
    return {Part::Body};
}

enum class Height { Top, Middle, Bottom };

Height preferredHeight(const std::string& key) {
    if (has(key, {"sky", "cloud", "roof", "crown", "hill", "bird", "sun", "nest", "ceiling", "top"})) {
        return Height::Top;
    }
    if (has(key, {"floor", "parquet", "ground", "grass", "path", "green", "place", "tuft", "stone", "road", "carpet",
                  "mud", "earth", "way", "leg", "root"})) {
        return Height::Bottom;
    }
    return Height::Middle;
}

uint32_t hashColour(std::string_view s) {
    uint32_t h = 2166136261u;
    for (char c : s) h = (h ^ static_cast<uint8_t>(c)) * 16777619u;
    // Soft, mid-bright colours.
    const uint32_t r = 0x60 + (h & 0x7F), g = 0x60 + ((h >> 8) & 0x7F), b = 0x60 + ((h >> 16) & 0x7F);
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// Paints the thing a scenery row speaks of into `r` (picture coordinates).
void paintThing(art::Canvas& c, Rect r, const std::string& key, std::string_view rowName) {
    if (has(key, {"window", "ledge"})) return art::window(c, r);
    if (has(key, {"door", "gate"})) return art::door(c, r);
    if (has(key, {"table", "desk"})) return art::table(c, r);
    if (has(key, {"chair", "bench", "stool"})) return art::chair(c, r);
    if (has(key, {"shelf", "mug", "book", "bottle", "barrel"})) return art::shelfWithMugs(c, r);
    if (has(key, {"cabinet", "cupboard", "wardrobe", "drawer", "chest"})) return art::cabinet(c, r);
    if (has(key, {"painting", "picture", "portrait", "frame"})) return art::pictureFrame(c, r);
    if (has(key, {"nest"})) return art::nestInTree(c, r);
    if (has(key, {"tree", "trunk", "crown", "forest", "wood", "branch"})) return art::tree(c, r);
    if (has(key, {"bush", "shrub", "hedge"})) return art::bush(c, r);
    if (has(key, {"grass", "tuft", "green", "flower", "lawn"})) return art::grassTuft(c, r);
    if (has(key, {"fence", "stripe"})) return art::fence(c, r);
    if (has(key, {"path", "way", "road"})) return art::path(c, r);
    if (has(key, {"stone", "rock", "hill"})) return art::stone(c, r);
    if (has(key, {"cave"})) return art::caveMouth(c, r);
    if (has(key, {"sign", "board"})) return art::signBoard(c, r);
    if (has(key, {"sky", "cloud"})) return art::sky(c, r);
    if (has(key, {"floor", "parquet", "ground", "place", "earth"})) return art::ground(c, r, art::colour::kEarth);
    if (has(key, {"house", "hall", "court", "prison", "inn", "shack", "roof", "wall"})) return art::house(c, r);
    art::labelledThing(c, r, hashColour(rowName));
}

// ---------------------------------------------------------------------------
// [SECTION] Regions
// ---------------------------------------------------------------------------
bool intersects(const Rect& a, const Rect& b) {
    return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

Rect unite(const Rect& a, const Rect& b) {
    if (a.w <= 0 || a.h <= 0) return b;
    const int x = std::min(a.x, b.x), y = std::min(a.y, b.y);
    return {x, y, std::max(a.right(), b.right()) - x, std::max(a.bottom(), b.bottom()) - y};
}

// Splits `r` into `n` cells of a near-square grid, row by row.
std::vector<Rect> split(Rect r, int n) {
    std::vector<Rect> out;
    if (n <= 0) return out;
    const double aspect = r.h > 0 ? static_cast<double>(r.w) / r.h : 1.0;
    int cols = std::clamp(static_cast<int>(std::lround(std::sqrt(n * aspect))), 1, n);
    const int rows = (n + cols - 1) / cols;
    for (int i = 0; i < n; ++i) {
        const int cx = i % cols, cy = i / cols;
        const int x0 = r.x + r.w * cx / cols, x1 = r.x + r.w * (cx + 1) / cols;
        const int y0 = r.y + r.h * cy / rows, y1 = r.y + r.h * (cy + 1) / rows;
        out.push_back({x0, y0, std::max(1, x1 - x0), std::max(1, y1 - y0)});
    }
    return out;
}

// Splits `n` names over several regions (both hands): the first regions take
// the larger shares.
// The parts of `regions` outside `hole`: each region that meets it gives
// the bands above and below it and the pieces left and right of it; slivers
// too thin to click are dropped. When nothing is left, the regions as they
// were.
std::vector<Rect> without(const std::vector<Rect>& regions, const Rect& hole) {
    constexpr int kThinnest = 8;
    std::vector<Rect> out;
    for (const Rect& r : regions) {
        const int x0 = std::max(r.x, hole.x), x1 = std::min(r.right(), hole.right());
        const int y0 = std::max(r.y, hole.y), y1 = std::min(r.bottom(), hole.bottom());
        if (x0 >= x1 || y0 >= y1) {
            out.push_back(r);
            continue;
        }
        const Rect pieces[] = {{r.x, r.y, r.w, y0 - r.y},
                               {r.x, y1, r.w, r.bottom() - y1},
                               {r.x, y0, x0 - r.x, y1 - y0},
                               {x1, y0, r.right() - x1, y1 - y0}};
        for (const Rect& p : pieces) {
            if (p.w >= kThinnest && p.h >= kThinnest) out.push_back(p);
        }
    }
    return out.empty() ? regions : out;
}

std::vector<Rect> splitOver(const std::vector<Rect>& regions, int n) {
    std::vector<Rect> out;
    const int k = static_cast<int>(regions.size());
    for (int i = 0; i < k; ++i) {
        const int share = n / k + (i < n % k ? 1 : 0);
        for (const Rect& r : split(regions[i], share)) out.push_back(r);
    }
    return out;
}

// The figure standing under a face box: as tall as the room below allows,
// two fifths as wide, its head around the box.
Rect figureUnder(Rect face) {
    const int top = std::max(0, face.y - face.h / 6);
    const int h = std::max(120, kPanelH - 4 - top);
    const int w = std::max(face.w * 3 / 2, h * 2 / 5);
    return {face.x + face.w / 2 - w / 2, top, w, h};
}

// A grid of free cells over the panel for the scenery rows.
class CellGrid {
public:
    static constexpr int kCols = 16;
    static constexpr int kRows = 10;

    explicit CellGrid(const std::vector<Rect>& blocked) {
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kCols; ++c) {
                const Rect cell = at(c, r);
                free_[r][c] =
                    std::none_of(blocked.begin(), blocked.end(), [&](const Rect& b) { return intersects(b, cell); });
            }
        }
    }

    static Rect at(int c, int r) {
        const int x0 = kPanelW * c / kCols, x1 = kPanelW * (c + 1) / kCols;
        const int y0 = kPanelH * r / kRows, y1 = kPanelH * (r + 1) / kRows;
        return {x0, y0, x1 - x0, y1 - y0};
    }

    // Takes the best free cell for `height`, two wide when the row has many
    // names and room allows. When every cell is taken, cells are handed out
    // again in turn (rows then share a place).
    Rect take(Height height, int names) {
        int best = -1;
        double bestScore = 0;
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kCols; ++c) {
                if (!free_[r][c]) continue;
                double score = 0;
                switch (height) {
                    case Height::Top:
                        score = r;
                        break;
                    case Height::Bottom:
                        score = kRows - 1 - r;
                        break;
                    case Height::Middle:
                        score = std::abs(r - 4.5);
                        break;
                }
                score = score * 100 + c;
                if (best < 0 || score < bestScore) {
                    best = r * kCols + c;
                    bestScore = score;
                }
            }
        }
        if (best < 0) {
            const int i = reuse_++ % (kRows * kCols);
            return at(i % kCols, i / kCols);
        }
        const int r = best / kCols, c = best % kCols;
        free_[r][c] = false;
        Rect cell = at(c, r);
        if (names > 4 && c + 1 < kCols && free_[r][c + 1]) {
            free_[r][c + 1] = false;
            cell = unite(cell, at(c + 1, r));
        }
        return cell;
    }

private:
    bool free_[kRows][kCols]{};
    int reuse_ = 0;
};

// ---------------------------------------------------------------------------
// [SECTION] Placing the rows
// ---------------------------------------------------------------------------
struct Catalogue {
    const PanelSpec* panel = nullptr;
    std::vector<const ComponentSpec*> components;        // this panel's, in catalogue order
    std::map<std::string, const ComponentSpec*> byName;  // lower-case names

    const ComponentSpec* find(std::string_view name) const {
        auto it = byName.find(lower(name));
        return it == byName.end() ? nullptr : it->second;
    }
};

Catalogue catalogueOf(std::string_view panelName) {
    Catalogue cat;
    for (const PanelSpec& p : panelCatalogue()) {
        if (p.name == panelName) cat.panel = &p;
    }
    if (!cat.panel) throw std::invalid_argument("no catalogued panel " + std::string(panelName));
    for (const ComponentSpec& c : componentCatalogue()) {
        if (c.parent == panelName) {
            cat.components.push_back(&c);
            cat.byName[lower(c.name)] = &c;
        }
    }
    return cat;
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

Rect boundsOf(const ComponentSpec& c) {
    return {c.left, c.top, c.width, c.height};
}

// One row's placement: its region(s) and the rectangle of each name.
struct Placement {
    std::vector<std::string_view> names;
    std::vector<Rect> rects;  // one per name
    long area = 0;            // of the whole region, for stacking
    // The detective's own rows, stacked above the described pictures.
    bool detective = false;
};

// A figure to draw into the background.
struct Figure {
    Rect rect;
    art::CharacterLook look;
    bool hasHead = false;  // drawn with `head` rather than its own
    art::HeadGeometry head{};
};

// A scenery painting at a cell.
struct Thing {
    Rect rect;
    std::string key;
    std::string_view rowName;
};

// A character who is not drawn into the background but only into pictures
// of his own, standing in a shrub (the Bush Man): the background shows the
// shrub alone, his pictures show him in it.
struct ShrubDweller {
    std::string owner;
    art::CharacterLook look;
    art::HeadGeometry head;   // panel coordinates, around his face animations
    Rect area;                // the union of his pictures' controls
    std::vector<Prop> shrub;  // the shrub's props under `area`, back to front
    int frontTop = 0;         // the top of the front leaves: below it he stays hidden
};

struct ScenePlan {
    std::vector<Placement> placements;
    std::vector<Figure> figures;
    std::vector<Thing> things;
    std::map<std::string, art::HeadGeometry> heads;  // by owner, panel coordinates
    std::vector<ShrubDweller> dwellers;
};

// The part of a component the player sees: its control clipped to its
// stored picture (drawn unstretched at the top-left), or the whole control
// for a stretched picture.
bool stretchedToControl(const ComponentSpec& c);

Rect visibleOf(const ComponentSpec& c) {
    Rect r = boundsOf(c);
    if (stretchedToControl(c)) return r;
    if (c.pictureWidth > 0) r.w = std::min(r.w, c.pictureWidth);
    if (c.pictureHeight > 0) r.h = std::min(r.h, c.pictureHeight);
    return r;
}

Rect intersection(const Rect& a, const Rect& b) {
    const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    const int x1 = std::min(a.right(), b.right()), y1 = std::min(a.bottom(), b.bottom());
    return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

// A character's head built around its catalogued eye and mouth animations,
// so that the head drawn into the background has its features exactly where
// the animations go. The mouth sits where the still and the talking mouth
// overlap, so both show it.
bool headOf(const Catalogue& cat, std::string_view owner, art::HeadGeometry& out) {
    const ComponentSpec *eyes = nullptr, *mouth = nullptr, *talking = nullptr;
    for (const ComponentSpec* c : cat.components) {
        if (c->width <= 0 || c->height <= 0 || !startsWith(c->role, owner)) continue;
        const std::string_view rest = c->role.substr(owner.size());
        if (rest == " eyes") eyes = c;
        if (rest == " mouth") mouth = c;
        if (rest == " talking mouth") talking = c;
    }
    if (!mouth) mouth = talking;
    if (!eyes || !mouth) return false;
    Rect m = visibleOf(*mouth);
    if (talking && talking != mouth) {
        const Rect both = intersection(m, visibleOf(*talking));
        if (both.w >= 6 && both.h >= 4) m = both;
    }
    out = art::headAround(visibleOf(*eyes), m);
    return true;
}

// A body part of a figure whose head may be a placed one.
Rect partOf(const Figure& f, Part p) {
    const bool face = p == Part::Head || p == Part::Eyes || p == Part::Nose || p == Part::Mouth || p == Part::LeftEar ||
                      p == Part::RightEar;
    return face && f.hasHead ? art::headPart(f.head, p) : art::partRect(f.rect, p);
}

art::HeadGeometry shifted(art::HeadGeometry g, int dx, int dy) {
    for (Rect* r : {&g.head, &g.leftEar, &g.rightEar, &g.eyes, &g.nose, &g.mouth}) {
        r->x += dx;
        r->y += dy;
    }
    return g;
}

// The union of a character's eyes, mouth and head components, if any.
Rect faceBoxOf(const Catalogue& cat, std::string_view owner) {
    Rect box{};
    for (const ComponentSpec* c : cat.components) {
        if (c->width <= 0 || c->height <= 0 || !startsWith(c->role, owner)) continue;
        const std::string_view rest = c->role.substr(owner.size());
        if (rest == " eyes" || rest == " mouth" || rest == " head") box = unite(box, boundsOf(*c));
    }
    return box;
}

ScenePlan planScene(Scene scene, const Catalogue& cat) {
    const scenes::SceneDescriptions& table = scenes::sceneDescriptions(scene);
    ScenePlan plan;

    // Things no row may lie under: exits, hotspots, faces, pictures.
    std::vector<Rect> blocked;
    for (const ComponentSpec* c : cat.components) {
        if (c->width > 0 && c->height > 0) blocked.push_back(boundsOf(*c));
    }

    // The detective: his head drawn into the background around his face
    // animations (the head picture is cut from it), his figure under it.
    const ComponentSpec* head = nullptr;
    for (const ComponentSpec* c : cat.components) {
        if (c->role == "detective head") head = c;
    }
    Figure detectiveFigure;
    detectiveFigure.hasHead = headOf(cat, "detective", detectiveFigure.head);
    if (!detectiveFigure.hasHead) detectiveFigure.head = art::headIn(head ? boundsOf(*head) : Rect{430, 100, 170, 180});
    detectiveFigure.hasHead = true;
    detectiveFigure.rect = art::figureBelow(detectiveFigure.head, kPanelH - 4);
    plan.heads["detective"] = detectiveFigure.head;
    plan.figures.push_back(detectiveFigure);
    const Rect detective = detectiveFigure.rect;
    blocked.push_back(detective);
    auto onHead = [&](Part p) { return art::headPart(detectiveFigure.head, p); };
    for (size_t i = 0; i < table.detective.size(); ++i) {
        const std::string_view list = table.detective[i];
        if (list.empty()) continue;
        std::vector<Rect> regions;
        switch (static_cast<DetectivePart>(i)) {
            case DetectivePart::Head:
                regions = {onHead(Part::Head)};
                break;
            case DetectivePart::Mouth:
                regions = {onHead(Part::Mouth)};
                break;
            case DetectivePart::Nose:
                regions = {onHead(Part::Nose)};
                break;
            case DetectivePart::Eyes:
                regions = {onHead(Part::Eyes)};
                break;
            case DetectivePart::Ears:
                regions = {onHead(Part::LeftEar), onHead(Part::RightEar)};
                break;
            case DetectivePart::RightHand:
                regions = {art::partRect(detective, Part::RightHand)};
                break;
            case DetectivePart::LeftHand:
                regions = {art::partRect(detective, Part::LeftHand)};
                break;
            case DetectivePart::Body:
                regions = {art::partRect(detective, Part::Body)};
                break;
            case DetectivePart::Legs:
                regions = {art::partRect(detective, Part::Legs)};
                break;
            case DetectivePart::Shoes:
                regions = {art::partRect(detective, Part::Shoes)};
                break;
            case DetectivePart::Groin:
                regions = {art::partRect(detective, Part::Groin)};
                break;
            case DetectivePart::Count:
                break;
        }
        Placement p;
        p.names = scenes::splitRectangles(list);
        p.rects = splitOver(regions, static_cast<int>(p.names.size()));
        for (const Rect& r : regions) p.area += static_cast<long>(r.w) * r.h;
        p.detective = true;
        plan.placements.push_back(std::move(p));
    }

    // Characters: rows grouped per character and part; rows sharing a part
    // share it out in vertical bands.
    std::map<const Character*, Rect> figureOf;
    struct Pending {
        const scenes::SceneRow* row;
        std::vector<Part> parts;
    };
    std::map<const Character*, std::vector<Pending>> byCharacter;
    std::vector<const scenes::SceneRow*> scenery;
    std::map<std::string_view, std::vector<Rect>> onProps;  // row name -> the props it lies on
    for (const Prop& prop : sceneComposition(scene)) {
        for (std::string_view rowName : scenes::splitRectangles(prop.rows)) onProps[rowName].push_back(prop.rect);
    }
    for (const scenes::SceneRow& sr : table.rows) {
        if (onProps.contains(sr.row->name)) {
            scenery.push_back(&sr);
        } else if (const Character* ch = characterOf(*sr.row)) {
            byCharacter[ch].push_back({&sr, partsOf(rowKey(sr.row->name))});
        } else {
            scenery.push_back(&sr);
        }
    }
    for (const Character& ch : characters()) {
        auto it = byCharacter.find(&ch);
        if (it == byCharacter.end()) continue;
        Rect face = faceBoxOf(cat, ch.owner);
        Figure fig;
        fig.look = ch.look;
        Rect figure{};
        if (headOf(cat, ch.owner, fig.head)) {
            fig.hasHead = true;
            figure = art::figureBelow(fig.head, kPanelH - 4);
            plan.heads[std::string(ch.owner)] = fig.head;
        } else if (face.w > 0) {
            figure = figureUnder(face);
        } else {
            // No face in the catalogue: the first place along the floor
            // that is clear of everything else.
            figure = {40, 200, 160, 420};
            for (int x = 40; x + 160 <= kPanelW; x += 40) {
                const Rect cand{x, 200, 160, 420};
                if (std::none_of(blocked.begin(), blocked.end(), [&](const Rect& b) { return intersects(b, cand); })) {
                    figure = cand;
                    break;
                }
            }
        }
        fig.rect = figure;
        plan.figures.push_back(fig);
        blocked.push_back(figure);
        // Count the rows per part set to cut bands.
        std::map<std::vector<Part>, std::pair<int, int>> band;  // parts -> (rows, next)
        for (const Pending& p : it->second) ++band[p.parts].first;
        for (const Pending& p : it->second) {
            auto& [count, next] = band[p.parts];
            std::vector<Rect> regions;
            for (Part part : p.parts) {
                const Rect whole = partOf(fig, part);
                const int y0 = whole.y + whole.h * next / count, y1 = whole.y + whole.h * (next + 1) / count;
                regions.push_back({whole.x, y0, whole.w, std::max(1, y1 - y0)});
            }
            ++next;
            Placement pl;
            pl.names = scenes::splitRectangles(p.row->rectangles);
            pl.rects = splitOver(regions, static_cast<int>(pl.names.size()));
            for (const Rect& r : regions) pl.area += static_cast<long>(r.w) * r.h;
            plan.placements.push_back(std::move(pl));
        }
    }

    // Characters seen only in pictures of their own, standing in a shrub.
    for (const Character& ch : characters()) {
        const std::string owner(ch.owner);
        if (plan.heads.contains(owner)) continue;
        ShrubDweller d;
        for (const ComponentSpec* c : cat.components) {
            if (c->width <= 0 || c->height <= 0 || !startsWith(c->role, ch.owner)) continue;
            const std::string_view rest = c->role.substr(ch.owner.size());
            if (startsWith(rest, " standing picture") || startsWith(rest, " idle animation")) {
                d.area = unite(d.area, boundsOf(*c));
            }
        }
        if (d.area.w <= 0 || !headOf(cat, ch.owner, d.head)) continue;
        for (const Prop& prop : sceneComposition(scene)) {
            if (prop.kind == PropKind::Bush && intersects(prop.rect, d.area)) d.shrub.push_back(prop);
        }
        if (d.shrub.empty()) continue;
        // His ears stay inside his pictures, which end at the shrub's middle.
        const int x0 = d.area.x + 2, x1 = d.area.right() - 2;
        if (d.head.leftEar.x < x0) {
            d.head.leftEar.w -= x0 - d.head.leftEar.x;
            d.head.leftEar.x = x0;
        }
        if (d.head.rightEar.right() > x1) d.head.rightEar.w = x1 - d.head.rightEar.x;
        // Head and shoulders show above the front leaves.
        d.frontTop = d.head.head.bottom() + d.head.head.h * 7 / 20;
        d.owner = owner;
        d.look = ch.look;
        plan.heads[owner] = d.head;
        plan.dwellers.push_back(std::move(d));
    }

    // Scenery: a cell each, a painted thing in it. Names that are catalogue
    // components keep their bounds; catalogue components without bounds lie
    // beside the ones with.
    CellGrid grid(blocked);
    Rect detectiveHead =
        unite(unite(detectiveFigure.head.head, detectiveFigure.head.leftEar), detectiveFigure.head.rightEar);
    if (head) detectiveHead = unite(detectiveHead, boundsOf(*head));
    for (const scenes::SceneRow* sr : scenery) {
        Placement pl;
        pl.names = scenes::splitRectangles(sr->rectangles);
        Rect known{};
        int fresh = 0;
        for (std::string_view n : pl.names) {
            const ComponentSpec* c = cat.find(n);
            if (c && c->width > 0 && c->height > 0) {
                known = unite(known, boundsOf(*c));
            } else if (lower(n) != lower(cat.panel->background)) {
                ++fresh;
            }
        }
        Rect region{};
        const auto props = onProps.find(sr->row->name);
        if (fresh > 0 && props != onProps.end()) {
            // On the props drawn for it: the names share them out, off the
            // detective's head, so that a click on his head is his head's.
            std::vector<Rect> cells = splitOver(without(props->second, detectiveHead), fresh);
            int k = 0;
            for (std::string_view n : pl.names) {
                const ComponentSpec* c = cat.find(n);
                if (c && c->width > 0 && c->height > 0) {
                    pl.rects.push_back(boundsOf(*c));
                } else if (lower(n) == lower(cat.panel->background)) {
                    pl.rects.push_back({cat.panel->bgLeft, cat.panel->bgTop, cat.panel->bgWidth, cat.panel->bgHeight});
                } else {
                    pl.rects.push_back(cells[k++]);
                }
            }
            for (const Rect& r : props->second) pl.area += static_cast<long>(r.w) * r.h;
            plan.placements.push_back(std::move(pl));
            continue;
        }
        if (fresh > 0) {
            if (known.w > 0) {
                // Beside the components that have their bounds (the gate's
                // pictures beside the gate's labels), so neither covers the other.
                region = known.right() < kPanelW ? Rect{known.right(), known.y, kPanelW - known.right(), known.h}
                                                 : Rect{0, known.y, known.x, known.h};
            } else {
                const std::string key = rowKey(sr->row->name);
                region = grid.take(preferredHeight(key), fresh);
                plan.things.push_back({region, key, sr->row->name});
            }
        }
        const std::vector<Rect> cells = split(region, fresh);
        int k = 0;
        for (std::string_view n : pl.names) {
            const ComponentSpec* c = cat.find(n);
            if (c && c->width > 0 && c->height > 0) {
                pl.rects.push_back(boundsOf(*c));
            } else if (lower(n) == lower(cat.panel->background)) {
                pl.rects.push_back({cat.panel->bgLeft, cat.panel->bgTop, cat.panel->bgWidth, cat.panel->bgHeight});
            } else {
                pl.rects.push_back(cells[k++]);
            }
        }
        pl.area = static_cast<long>(region.w) * region.h;
        plan.placements.push_back(std::move(pl));
    }
    return plan;
}

// ---------------------------------------------------------------------------
// [SECTION] Pictures of the catalogue's components
// ---------------------------------------------------------------------------
std::vector<uint8_t> bitmapRecord(const Image& img) {
    return layout::encodePictureRecord("TBitmap", layout::encodeBmpFile(img, 24));
}

std::vector<uint8_t> gifValue(const std::vector<Image>& frames) {
    return layout::encodeGifControlValue(layout::encodeGifFromImages(frames, std::vector<int>(frames.size(), 100)));
}

// The part of `bg` (in picture coordinates) at `r`, black outside it.
Image crop(const Image& bg, Rect r) {
    Image out;
    out.width = r.w;
    out.height = r.h;
    out.pixels.assign(static_cast<size_t>(r.w) * r.h, 0xFF000000u);
    for (int y = 0; y < r.h; ++y) {
        for (int x = 0; x < r.w; ++x) {
            const int sx = r.x + x, sy = r.y + y;
            if (sx >= 0 && sy >= 0 && sx < bg.width && sy < bg.height) out.at(x, y) = bg.at(sx, sy);
        }
    }
    return out;
}

// A simple crisp animation for a picture no painter knows: a shape that
// rises a step each frame.
std::vector<Image> simpleFrames(int w, int h, int frames, std::string_view name) {
    std::vector<Image> out;
    for (int f = 0; f < frames; ++f) {
        art::Canvas c(w, h, 0, art::Smoothing::Crisp);
        const int shift = frames > 1 ? (h / 4) * f / (frames - 1) : 0;
        art::labelledThing(c, {w / 4, std::max(0, h / 2 - shift), std::max(1, w / 2), std::max(1, h / 3)},
                           hashColour(name));
        out.push_back(c.image());
    }
    return out;
}

// A picture far larger than its control is meant to be shrunk into it (the
// Bush Man's pictures): such a control stretches its picture.
bool stretchedToControl(const ComponentSpec& c) {
    return c.width > 0 && c.height > 0 && (c.pictureWidth >= 2 * c.width || c.pictureHeight >= 2 * c.height);
}

// The pw x ph picture (no smaller than `shown`) that a stretched control of
// `shown`'s size draws as exactly `shown`: the screen takes source column
// floor(x * pw / w) for its column x, so source column s holds the pixel of
// the first screen column at or after s * w / pw (rows alike).
Image enlargedForStretch(const Image& shown, int pw, int ph) {
    const int w = shown.width, h = shown.height;
    Image out;
    out.width = pw;
    out.height = ph;
    out.pixels.resize(static_cast<size_t>(pw) * ph);
    for (int y = 0; y < ph; ++y) {
        const int sy = std::min(h - 1, (y * h + ph - 1) / ph);
        for (int x = 0; x < pw; ++x) out.at(x, y) = shown.at(std::min(w - 1, (x * w + pw - 1) / pw), sy);
    }
    return out;
}

struct Background {
    Image image;
    int offX = 0, offY = 0;  // panel coordinates of the picture's (0, 0)
};

// ---- The Bush Man in his shrub

// One moment of a shrub dweller.
struct DwellerPose {
    double rise = 1;  // 0 hidden under the front leaves .. 1 standing
    double lean = 0;  // pixels the top of the shrub is shaken to the right
    int rustle = 0;   // 0 still; else the frame number of the rustling, for its leaves
    art::FaceState face{};
};

void leafAt(cairo_t* cr, double x, double y, double w, double h, double angle, uint32_t argb) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_scale(cr, w / 2, h / 2);
    cairo_arc(cr, 0, 0, 1, 0, 6.283185307179586);
    cairo_restore(cr);
    cairo_set_source_rgb(cr, ((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0, (argb & 0xFF) / 255.0);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0x2E / 255.0, 0x2A / 255.0, 0x33 / 255.0);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// The dweller's area (its top-left at area.x, area.y of the panel) in
// `pose`: the background without his shrub, the back of the shrub, him,
// then the front leaves. Crisp over the background's own pixels.
Image dwellerStage(const ShrubDweller& d, const Background& bare, const DwellerPose& pose) {
    const Rect a = d.area;
    art::Canvas cv(a.w, a.h, 0, art::Smoothing::Crisp);
    cv.paste(crop(bare.image, {a.x - bare.offX, a.y - bare.offY, a.w, a.h}));
    cairo_t* cr = cv.cr();
    cairo_translate(cr, -a.x, -a.y);
    // A shaken shrub leans from its foot, which stays put.
    auto paintLeaning = [&](const Prop& prop, double lean) {
        cairo_save(cr);
        cairo_matrix_t m;
        const double k = lean / std::max(1, prop.rect.h);
        cairo_matrix_init(&m, 1, 0, -k, 1, k * prop.rect.bottom(), 0);
        cairo_transform(cr, &m);
        paintProp(cv, prop, prop.rect);
        cairo_restore(cr);
    };
    paintLeaning(d.shrub.front(), pose.lean);

    const art::HeadGeometry& g = d.head;
    const Rect crown{g.head.x + g.head.w / 5, g.head.y - g.head.h / 8, g.head.w * 3 / 5, g.head.h / 4};
    if (pose.rise > 0) {
        cairo_save(cr);
        // He shows above a scalloped line of leaves at frontTop.
        const double top = d.frontTop, step = a.w / 6.0;
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, a.right(), a.y);
        cairo_line_to(cr, a.right(), top);
        for (int i = 0; i < 6; ++i) {
            const double x1 = a.right() - step * i, x0 = x1 - step;
            cairo_curve_to(cr, x1 - step * 0.2, top - step * 0.4, x0 + step * 0.2, top - step * 0.4, x0, top);
        }
        cairo_close_path(cr);
        cairo_clip(cr);
        const int depth = d.frontTop - crown.y + 2;
        cairo_translate(cr, 0, std::lround((1 - pose.rise) * depth));
        // A leafy crown, the head drawn over its lower half, the body under
        // the head as narrow as his pictures.
        art::bush(cv, crown, 0xFF7CBA5E);
        const int fw = a.w - 6, fh = fw * 3;
        const int figTop = g.head.bottom() - 4 - fh * 245 / 1000;
        art::drawCharacter(cv, {g.head.x + g.head.w / 2 - fw / 2, figTop, fw, fh}, d.look, g);
        art::drawHeadAt(cv, g, d.look, pose.face);
        cairo_restore(cr);
    }
    if (pose.rustle > 0) {
        // Swishes beside the shaken top, and leaves shaken loose.
        const Prop& back = d.shrub.front();
        const double side = pose.lean >= 0 ? 1 : -1;
        const double cx = back.rect.x + back.rect.w / 2.0;
        const double sx = cx + side * back.rect.w * 0.36, sy = back.rect.y + back.rect.h * 0.12;
        for (int i = 0; i < 2; ++i) {
            cairo_move_to(cr, sx + side * i * 7, sy + i * 14);
            cairo_curve_to(cr, sx + side * (i * 7 + 8), sy + i * 14 + 6, sx + side * (i * 7 + 8), sy + i * 14 + 14,
                           sx + side * i * 7, sy + i * 14 + 20);
            cairo_set_source_rgb(cr, 0x2E / 255.0, 0x2A / 255.0, 0x33 / 255.0);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        }
        for (int k = 0; k < 3; ++k) {
            const int t = pose.rustle + k * 2;
            const double lx = cx + ((k * 37 + t * 11) % 60) - 30;
            const double ly = back.rect.y + back.rect.h * (0.15 + 0.08 * ((t + k) % 4));
            leafAt(cr, lx, ly, 15, 8, 0.5 * ((t % 3) - 1), 0xFF8CCB6A);
        }
    }
    for (size_t i = 1; i < d.shrub.size(); ++i) paintLeaning(d.shrub[i], pose.lean / 3);
    return cv.image();
}

// The dweller's poses through his animation in the shrub: the shrub stirs
// while he is hidden (frames up to 6), he rises out of it from frame 7 (the
// game counts him out from there), stands and blinks, then sinks back.
DwellerPose dwellerPose(int i, int frames) {
    DwellerPose p;
    p.rise = 0;
    if (i <= 6) {
        static constexpr double kLean[] = {0, 5, -5, 7, -7, 5, -3};
        p.lean = kLean[i];
        p.rustle = i;
        return p;
    }
    const int sinkFrom = frames - 4;
    if (i >= sinkFrom) {
        p.rise = std::max(0.0, 1.0 - 0.3 * (i - sinkFrom + 1));
        return p;
    }
    p.rise = std::min(1.0, 0.3 * (i - 6));
    const int standing = i - 10;  // 0 at the first frame he stands
    p.face.eyesOpen = standing != 3 && standing != 7;
    p.face.browsUp = standing == 5;
    return p;
}

struct FaceCache {
    const Background* bg = nullptr;
    const ScenePlan* plan = nullptr;
    std::map<std::string, std::vector<uint8_t>> values;
    // The background without the dwellers' shrubs, and per dweller the
    // panel with him standing in his shrub (his face frames are cut from it).
    Background bare;
    std::map<std::string, Background> standing;
};

const ShrubDweller* dwellerOf(const FaceCache& cache, std::string_view role) {
    if (!cache.plan) return nullptr;
    for (const ShrubDweller& d : cache.plan->dwellers) {
        if (startsWith(role, d.owner)) return &d;
    }
    return nullptr;
}

// The animation of a dweller's control, each frame his stage at the
// control, enlarged for a stretched control.
std::vector<Image> dwellerFrames(const ComponentSpec& c, int w, int h, int frames, const FaceCache& cache,
                                 const ShrubDweller& d) {
    std::vector<Image> out;
    for (int i = 0; i < frames; ++i) {
        const Image stage = dwellerStage(d, cache.bare, dwellerPose(i, frames));
        const Image shown = crop(stage, {c.left - d.area.x, c.top - d.area.y, c.width, c.height});
        out.push_back(stretchedToControl(c) ? enlargedForStretch(shown, w, h) : crop(shown, {0, 0, w, h}));
    }
    art::limitColours(out);
    return out;
}

// The owner word a face role starts with ("detective", "old man", ...).
std::string_view ownerOf(std::string_view role) {
    if (startsWith(role, "detective")) return "detective";
    for (const Character& ch : characters()) {
        if (startsWith(role, ch.owner)) return ch.owner;
    }
    return {};
}

// A face animation cut from the scene: each frame is the background with
// the owner's head drawn again in that frame's state, cropped where the
// control shows its picture. Empty when the owner has no placed head.
std::vector<Image> sceneFaceFrames(const ComponentSpec& c, int w, int h, int frames, const FaceCache& cache,
                                   const art::CharacterLook& look) {
    const std::string_view owner = ownerOf(c.role);
    if (!cache.plan || !cache.bg || owner.empty()) return {};
    const auto head = cache.plan->heads.find(std::string(owner));
    if (head == cache.plan->heads.end()) return {};
    const std::string_view part = c.role.substr(std::min(c.role.size(), owner.size() + 1));
    // A shrub dweller's face lies over his standing picture, not the background.
    const auto standing = cache.standing.find(std::string(owner));
    const Background& bg = standing != cache.standing.end() ? standing->second : *cache.bg;
    const Image base = crop(bg.image, {c.left - bg.offX, c.top - bg.offY, w, h});
    std::vector<Image> out;
    for (int i = 0; i < frames; ++i) {
        art::FaceState st;
        if (part == "eyes" || part == "eyes in a talk") {
            st.eyesOpen = !art::isBlinkFrame(i, frames);
        } else if (part == "eyebrows") {
            st.browsUp = i % 3 == 1;
        } else if (part == "mouth") {
            st.mouth = art::mouthOpenness(i, false);
        } else if (part == "talking mouth") {
            st.mouth = art::mouthOpenness(i, true);
        } else if (part == "description animation") {
            st.eyesOpen = !art::isBlinkFrame(i, frames);
            st.mouth = art::mouthOpenness(i, true);
        } else {
            return {};
        }
        out.push_back(art::faceFrame(base, c.left, c.top, head->second, look, st));
    }
    art::limitColours(out);
    return out;
}

// A bird taking off from its branch in the tree crown behind it: perched,
// crouching, then beating its wings up and away out of the control's top
// right, the branch left empty in the last frame.
std::vector<Image> birdFrames(const ComponentSpec& c, int w, int h, int frames, const Background& bg) {
    const Image base = crop(bg.image, {c.left - bg.offX, c.top - bg.offY, w, h});
    std::vector<Image> out;
    for (int i = 0; i < frames; ++i) {
        art::Canvas cv(w, h, 0, art::Smoothing::Crisp);
        cv.paste(base);
        cairo_t* cr = cv.cr();
        // The branch it sits on, with a few leaves.
        cairo_set_source_rgb(cr, 0x7A / 255.0, 0x52 / 255.0, 0x34 / 255.0);
        cairo_set_line_width(cr, std::max(2.0, h / 15.0));
        cairo_move_to(cr, 0, h * 0.84);
        cairo_line_to(cr, w * 0.72, h * 0.78);
        cairo_stroke(cr);
        leafAt(cr, w * 0.1, h * 0.9, w * 0.14, h * 0.08, 0.4, 0xFF6FAE5A);
        leafAt(cr, w * 0.74, h * 0.76, w * 0.14, h * 0.08, -0.3, 0xFF6FAE5A);
        const int flight = i - 2;  // frames of flight so far
        if (i < frames - 1 || frames == 1) {
            double x = 0.2, y = 0.34, size = 1.0;
            int wings = 0;
            if (i == 1) y = 0.38;  // crouching to jump
            if (flight >= 0) {
                // Up and away over the crown, smaller as it goes.
                const double t = static_cast<double>(flight) / std::max(1, frames - 4);
                x += 0.55 * t;
                y -= 0.33 * t;
                size = 1.0 - 0.7 * t;
                wings = flight % 2 == 0 ? 1 : 2;
            }
            const double bw = w * 0.6 * size, bh = h * 0.45 * size;
            art::bird(cv,
                      {static_cast<int>(std::lround(w * x)), static_cast<int>(std::lround(h * y)),
                       static_cast<int>(std::lround(bw)), static_cast<int>(std::lround(bh))},
                      wings);
        }
        out.push_back(cv.image());
    }
    art::limitColours(out);
    return out;
}

// The Bush Man's daughter, a little girl in his colours, on a clear
// surround; she waves once and blinks.
std::vector<Image> daughterFrames(int w, int h, int frames, const art::CharacterLook& father) {
    art::CharacterLook girl = father;
    girl.beard = false;
    girl.shirt = 0xFF6FB04E;
    girl.hair = 0xFF3E6A2A;
    girl.lips = 0xFFB0504A;
    static constexpr int kWave[] = {0, 1, 2, 1, 0};
    std::vector<Image> out;
    for (int i = 0; i < frames; ++i) {
        art::Canvas cv(w, h, 0, art::Smoothing::Crisp);
        art::FaceState face;
        face.eyesOpen = i != frames - 1 || frames == 1;
        art::drawGirl(cv, {w / 10, h / 30, w - w / 5, h - h / 30 - 2}, girl, kWave[i % 5], face);
        out.push_back(cv.image());
    }
    art::limitColours(out);
    return out;
}

const art::CharacterLook& lookOfRole(std::string_view role) {
    static const art::CharacterLook detective{};
    for (const Character& ch : characters()) {
        if (startsWith(role, ch.owner)) return ch.look;
    }
    return detective;
}

// The face animation of a "<owner> <part>" GIF, shared per owner, part and size.
const std::vector<uint8_t>& faceGif(FaceCache& cache, const ComponentSpec& c) {
    const int w = c.pictureWidth > 0 ? c.pictureWidth : std::max(1, c.width);
    const int h = c.pictureHeight > 0 ? c.pictureHeight : std::max(1, c.height);
    const int frames = std::max(1, c.frames);
    // Frames are cut from the scene, so every control has its own.
    const std::string key = std::string(c.name) + "|" + std::string(c.role) + "|" + std::to_string(w) + "x" +
                            std::to_string(h) + "x" + std::to_string(frames);
    auto it = cache.values.find(key);
    if (it != cache.values.end()) return it->second;
    const art::CharacterLook& lk = lookOfRole(c.role);
    const std::string role(c.role);
    std::vector<Image> images = sceneFaceFrames(c, w, h, frames, cache, lk);
    const ShrubDweller* dweller = dwellerOf(cache, c.role);
    if (!images.empty()) {
        // cut from the scene
    } else if (dweller && has(role, {"idle animation"})) {
        images = dwellerFrames(c, w, h, frames, cache, *dweller);
    } else if (has(role, {"daughter"})) {
        images = daughterFrames(w, h, frames, lk);
    } else if (has(role, {"bird"}) && cache.bg) {
        images = birdFrames(c, w, h, frames, *cache.bg);
    } else if (has(role, {"talking mouth"})) {
        images = art::mouthFrames(w, h, frames, lk, true);
    } else if (has(role, {"mouth"})) {
        images = art::mouthFrames(w, h, frames, lk, false);
    } else if (has(role, {"eyes", "eyebrows"})) {
        images = art::eyesFrames(w, h, frames, lk);
    } else if (has(role, {"description animation"})) {
        images = art::describingHead(w, h, frames, lk);
    } else {
        images = simpleFrames(w, h, frames, c.name);
    }
    return cache.values.emplace(key, gifValue(images)).first->second;
}

// ---------------------------------------------------------------------------
// [SECTION] The panel
// ---------------------------------------------------------------------------
// The panel's background picture; the props in `leaveOut` (the shrubs
// whose dwellers' pictures paint them) are left out when given.
Background drawBackground(Scene scene, const Catalogue& cat, const ScenePlan& plan,
                          const std::vector<Prop>* leaveOut = nullptr) {
    const PanelSpec& p = *cat.panel;
    const int pw = p.bgPictureWidth > 0 ? p.bgPictureWidth : kPanelW;
    const int ph = p.bgPictureHeight > 0 ? p.bgPictureHeight : kPanelH;
    Background bg;
    bg.offX = p.bgLeft + (p.bgCenter ? (p.bgWidth - pw) / 2 : 0);
    bg.offY = p.bgTop + (p.bgCenter ? (p.bgHeight - ph) / 2 : 0);
    auto pic = [&](Rect r) { return Rect{r.x - bg.offX, r.y - bg.offY, r.w, r.h}; };

    art::Canvas c(pw, ph, 0xFF000000u);
    const std::span<const Prop> props = sceneComposition(scene);
    auto drawFigures = [&] {
        for (const Figure& f : plan.figures) {
            if (f.hasHead) {
                art::drawCharacter(c, pic(f.rect), f.look, shifted(f.head, -bg.offX, -bg.offY));
            } else {
                art::drawCharacter(c, pic(f.rect), f.look);
            }
        }
    };
    auto left = [&](const Prop& prop) {
        return leaveOut && std::any_of(leaveOut->begin(), leaveOut->end(),
                                       [&](const Prop& o) { return o.kind == prop.kind && o.rect == prop.rect; });
    };
    if (!props.empty()) {
        for (const Prop& prop : props) {
            if (!prop.front && !left(prop)) paintProp(c, prop, pic(prop.rect));
        }
        for (const Thing& t : plan.things) paintThing(c, pic(t.rect), t.key, t.rowName);
        drawFigures();
        for (const Prop& prop : props) {
            if (prop.front && !left(prop)) paintProp(c, prop, pic(prop.rect));
        }
        bg.image = c.image();
        return bg;
    }
    const int horizon = ph * 2 / 5;
    const int idx = static_cast<int>(scene);
    switch (settingOf(scene)) {
        case Setting::Village:
            art::sky(c, {0, 0, pw, horizon + 10});
            art::ground(c, {0, horizon, pw, ph - horizon}, art::colour::kGrass);
            art::house(c, pic({60 + 20 * idx, horizon - 220, 300, 300}));
            art::house(c, pic({640 - 15 * idx, horizon - 200, 280, 280}), art::colour::kWall, 0xFF8A5A3C);
            art::path(c, pic({380, horizon + 40, 260, kPanelH - horizon - 40}));
            break;
        case Setting::Indoor: {
            const uint32_t wall = hashColour(scenes::kSceneNames[idx]) | 0xFF404040u;
            art::sky(c, {0, 0, pw, ph * 7 / 10}, wall, wall);
            art::ground(c, {0, ph * 7 / 10, pw, ph - ph * 7 / 10}, art::colour::kDarkWood);
            break;
        }
        case Setting::Forest:
            art::sky(c, {0, 0, pw, horizon}, 0xFF9CC8A0, 0xFFDCEFD7);
            art::ground(c, {0, horizon - 10, pw, ph - horizon + 10}, 0xFF4E7A3E);
            for (int i = 0; i < 7; ++i) {
                const int x = (i * 157 + idx * 37) % (pw - 150);
                art::tree(c, pic({x, 10 + (i % 3) * 30, 150, horizon + 60}), i % 2 ? 0xFF3E6A32 : art::colour::kLeaf);
            }
            break;
    }
    for (const Thing& t : plan.things) paintThing(c, pic(t.rect), t.key, t.rowName);
    drawFigures();
    bg.image = c.image();
    return bg;
}

// Rectangles the window starts with hidden: one of the seated guest's in
// the inn, which nothing ever shows.
constexpr std::string_view kRectanglesHiddenAtStart[] = {"Image356"};

Obj rectangle(std::string_view name, Rect r) {
    Obj o("TImage", std::string(name));
    o.bounds(r.x, r.y, r.w, r.h).ident("OnClick", std::string(name) + "Click").ident("OnMouseDown", "st4MouseDown");
    if (std::find(std::begin(kRectanglesHiddenAtStart), std::end(kRectanglesHiddenAtStart), name) !=
        std::end(kRectanglesHiddenAtStart)) {
        o.boolean("Visible", false);
    }
    return o;
}

// A figure GIF drawn on a clear surround (the daughter) shows the scene
// around it through its transparent colour.
bool seenThrough(const ComponentSpec& c) {
    return c.role.ends_with(" figure");
}

bool isExit(const ComponentSpec& c) {
    return startsWith(c.role, "exit to");
}

// The shared mouse-down behaviour (the right button cuts a running text
// short) under one of the names it is bound by.
constexpr const char* kMouseDown = "st4MouseDown";

// A catalogue component of a location panel. `region` places one without
// bounds; `clickable` binds its description click.
Obj catalogueComponent(const ComponentSpec& c, Rect region, bool clickable, const Background& bg, FaceCache& faces) {
    const std::string name(c.name);
    const Rect r = c.width > 0 && c.height > 0 ? boundsOf(c) : region;
    if (c.kind == "label") {
        Obj o("TLabel", name);
        o.integer("Left", r.x).integer("Top", r.y);
        if (r.w > 0 && r.h > 0) o.integer("Width", r.w).integer("Height", r.h).boolean("AutoSize", false);
        if (!c.captionCz.empty()) o.text("Caption", std::string(c.captionCz));
        if (!c.backColour.empty()) o.ident("Color", std::string(c.backColour)).boolean("ParentColor", false);
        applyFont(o, c);
        o.boolean("Transparent", c.transparent);
        if (!c.hintCz.empty()) o.text("Hint", std::string(c.hintCz));
        if (!c.visibleAtStart) o.boolean("Visible", false);
        if (isExit(c)) {
            const ExitHandlers h = exitHandlers(name);
            o.ident("OnClick", h.click).ident("OnMouseEnter", h.enter).ident("OnMouseLeave", h.leave);
        } else if (startsWith(c.role, "talk (")) {
            o.ident("OnClick", name + "Click")
                .ident("OnMouseEnter", name + "MouseEnter")
                .ident("OnMouseLeave", name + "MouseLeave");
        } else if (clickable) {
            o.ident("OnClick", name + "Click");
        }
        o.ident("OnMouseDown", kMouseDown);
        return o;
    }
    if (c.kind == "GIF") {
        Obj o("TRxGIFAnimator", name);
        o.bounds(r.x, r.y, r.w, r.h)
            .binary("Image.Data", faceGif(faces, c))
            .boolean("AutoSize", false)
            .boolean("Loop", c.loop)
            .boolean("Transparent", c.transparent || seenThrough(c));
        if (stretchedToControl(c)) o.boolean("Stretch", true);
        if (!c.visibleAtStart) o.boolean("Visible", false);
        // The Bush Man's mouth describes him through its change event (which
        // nothing raises); his animation in the bush hides itself at its end.
        if (name == "Krovakpusa") {
            o.ident("OnChange", name + "Change");
        } else if (clickable) {
            o.ident("OnClick", name + "Click");
        }
        if (name == "Krovakvp") o.ident("OnStop", name + "Stop");
        o.ident("OnMouseDown", kMouseDown);
        return o;
    }
    if (c.kind == "picture") {
        Obj o("TImage", name);
        o.bounds(r.x, r.y, r.w, r.h);
        if (c.pictureWidth > 0 && c.pictureHeight > 0) {
            Image img;
            const auto standing = faces.standing.find(std::string(ownerOf(c.role)));
            if (standing != faces.standing.end() && has(std::string(c.role), {"standing picture"})) {
                // The shrub dweller standing in his shrub, shrunk back by the control.
                const Background& st = standing->second;
                const Image shown = crop(st.image, {r.x - st.offX, r.y - st.offY, r.w, r.h});
                img = stretchedToControl(c) ? enlargedForStretch(shown, c.pictureWidth, c.pictureHeight)
                                            : crop(shown, {0, 0, c.pictureWidth, c.pictureHeight});
            } else if (has(std::string(c.role), {" head"})) {
                // Opaque: the part of the background where the head is drawn.
                img = crop(bg.image, {r.x - bg.offX, r.y - bg.offY, c.pictureWidth, c.pictureHeight});
            } else {
                // Keyed on the bottom-left pixel when transparent.
                art::Canvas cv(c.pictureWidth, c.pictureHeight, art::colour::kItemKey, art::Smoothing::Crisp);
                const std::string key = lower(c.role);
                if (has(key, {"bush"})) {
                    art::bush(cv, {0, c.pictureHeight / 4, c.pictureWidth, c.pictureHeight - c.pictureHeight / 4});
                } else {
                    art::labelledThing(cv, {2, 2, std::max(1, c.pictureWidth - 4), std::max(1, c.pictureHeight - 4)},
                                       hashColour(c.name));
                }
                img = cv.image();
                img.at(0, img.height - 1) = art::colour::kItemKey;
            }
            o.binary("Picture.Data", bitmapRecord(img));
        }
        if (c.transparent) o.boolean("Transparent", true);
        if (stretchedToControl(c)) o.boolean("Stretch", true);
        if (!c.hintCz.empty()) o.text("Hint", std::string(c.hintCz));
        if (!c.visibleAtStart) o.boolean("Visible", false);
        if (clickable) o.ident("OnClick", name + "Click");
        o.ident("OnMouseDown", kMouseDown);
        return o;
    }
    throw std::invalid_argument("location component " + name + " of unexpected kind " + std::string(c.kind));
}

// A control of a location panel on its way into the layout, with what the
// stacking check needs to know about it.
struct Entry {
    Obj record;
    std::string name;
    Rect rect;               // panel coordinates
    bool visible = true;     // at start
    bool mustReach = false;  // a click on it must land somewhere
    bool movable = false;    // a plain rectangle, free to go up the stack
};

// Whether some point of entries[i] (clipped to the panel) is not under a
// shown entry above it; sampled every few pixels, which is finer than any
// rectangle the builder makes.
bool reachable(const std::vector<Entry>& entries, size_t i) {
    const Rect r = intersection(entries[i].rect, {0, 0, kPanelW, kPanelH});
    if (r.w <= 0 || r.h <= 0) return false;
    std::vector<Rect> above;
    for (size_t j = i + 1; j < entries.size(); ++j) {
        if (entries[j].visible && intersects(entries[j].rect, r)) above.push_back(entries[j].rect);
    }
    constexpr int kStep = 3;
    for (int y = r.y; y < r.bottom(); y += kStep) {
        for (int x = r.x; x < r.right(); x += kStep) {
            const bool covered = std::any_of(above.begin(), above.end(), [&](const Rect& a) {
                return x >= a.x && x < a.right() && y >= a.y && y < a.bottom();
            });
            if (!covered) return true;
        }
    }
    return false;
}

// Lifts every control that must take clicks but is covered whole by the
// controls above it to the top of the stack, until each one can be clicked
// somewhere. Plain rectangles go first; a catalogue component is lifted only
// when it is still covered (the stacking of catalogue components is the
// layout's own). A lifted control may cover another in turn, hence the
// rounds.
void liftCoveredRectangles(std::vector<Entry>& entries) {
    for (bool catalogueToo : {false, true}) {
        for (int round = 0; round < 8; ++round) {
            bool changed = false;
            for (size_t i = 0; i < entries.size(); ++i) {
                const Entry& e = entries[i];
                if (!e.mustReach || (!e.movable && !catalogueToo) || reachable(entries, i)) continue;
                Entry lifted = std::move(entries[i]);
                entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
                entries.push_back(std::move(lifted));
                changed = true;
                --i;
            }
            if (!changed) break;
        }
    }
}

}  // namespace

Obj buildLocationPanel(Scene scene) {
    if (scene >= Scene::Count) throw std::invalid_argument("no such scene");
    const std::string_view panelName = scenes::kSceneNames[static_cast<size_t>(scene)];
    const Catalogue cat = catalogueOf(panelName);
    const PanelSpec& p = *cat.panel;
    const ScenePlan plan = planScene(scene, cat);
    const Background bg = drawBackground(scene, cat, plan);

    // Which names each placement gives, and which catalogue names rows use.
    std::map<std::string, Rect> regionOf;  // lower-case catalogue name -> region for an unbounded one
    std::set<std::string> clickable;
    for (const Placement& pl : plan.placements) {
        for (size_t i = 0; i < pl.names.size(); ++i) {
            const std::string key = lower(pl.names[i]);
            if (cat.find(pl.names[i]) || key == lower(p.background)) {
                clickable.insert(key);
                regionOf.emplace(key, pl.rects[i]);
            }
        }
    }

    Obj panel("TPanel", std::string(panelName));
    panel.bounds(p.left, p.top, p.width, p.height)
        .ident("BevelOuter", "bvNone")
        .ident("Color", "clBlack")
        .integer("TabOrder", 0)
        .boolean("Visible", false)
        .ident("OnMouseDown", scene == Scene::Les6 ? "Les6MouseDown" : kMouseDown);

    std::set<std::string> made;  // lower-case names already in the panel
    std::vector<Entry> entries;  // above the background and the silent rectangles, bottom first
    auto add = [&](Obj o, std::string_view name) {
        made.insert(lower(name));
        panel.child(std::move(o));
    };
    auto stack = [&](Obj o, std::string_view name, Rect r, bool visible, bool mustReach, bool movable) {
        made.insert(lower(name));
        entries.push_back({std::move(o), std::string(name), r, visible, mustReach, movable});
    };

    // Background.
    Obj background("TImage", std::string(p.background));
    background.bounds(p.bgLeft, p.bgTop, p.bgWidth, p.bgHeight);
    if (p.bgAlignClient) background.ident("Align", "alClient");
    if (p.bgCenter) background.boolean("Center", true);
    if (p.bgStretch) background.boolean("Stretch", true);
    background.binary("Picture.Data", layout::encodePictureRecord("TJPEGImage", layout::encodeJpeg(bg.image, 85)));
    if (!p.hint.empty()) background.text("Hint", std::string(p.hint));
    if (clickable.contains(lower(p.background))) {
        background.ident("OnClick", std::string(p.background) + "Click");
    }
    background.ident("OnMouseDown", kMouseDown);
    add(std::move(background), p.background);

    // The rectangles that only swallow clicks lie right above the background,
    // in a row along its top edge, under everything that can be clicked.
    int silentX = 0;
    for (std::string_view name : silentRectangles(panelName)) {
        add(Obj("TImage", std::string(name)).bounds(silentX, 0, 24, 24), name);
        silentX += 24;
    }

    FaceCache faces;
    faces.bg = &bg;
    faces.plan = &plan;
    if (!plan.dwellers.empty()) {
        std::vector<Prop> shrubs;
        for (const ShrubDweller& d : plan.dwellers) shrubs.insert(shrubs.end(), d.shrub.begin(), d.shrub.end());
        faces.bare = drawBackground(scene, cat, plan, &shrubs);
        for (const ShrubDweller& d : plan.dwellers) {
            faces.standing[d.owner] = {dwellerStage(d, faces.bare, DwellerPose{}), d.area.x, d.area.y};
        }
    }
    auto fromCatalogue = [&](const ComponentSpec& c) {
        if (made.contains(lower(c.name))) return;
        const std::string key = lower(c.name);
        const auto region = regionOf.find(key);
        const Rect place = region == regionOf.end() ? Rect{} : region->second;
        const Rect r = c.width > 0 && c.height > 0 ? boundsOf(c) : place;
        const bool reach = clickable.contains(key) || isExit(c) || startsWith(c.role, "talk (");
        stack(catalogueComponent(c, place, clickable.contains(key), bg, faces), c.name, r, c.visibleAtStart, reach,
              false);
    };

    // Faces and pictures; the ones a row describes come after the
    // rectangles, so that the rectangles around them do not cover them.
    auto describedPicture = [&](const ComponentSpec& c) {
        return c.kind != "label" && !isExit(c) && clickable.contains(lower(c.name));
    };
    for (const ComponentSpec* c : cat.components) {
        if (c->kind != "label" && !isExit(*c) && !describedPicture(*c)) fromCatalogue(*c);
    }

    // Rectangles, larger regions first so smaller ones lie above them.
    std::vector<const Placement*> order;
    for (const Placement& pl : plan.placements) order.push_back(&pl);
    std::stable_sort(order.begin(), order.end(),
                     [](const Placement* a, const Placement* b) { return a->area > b->area; });
    auto stackPlacement = [&](const Placement& pl) {
        for (size_t i = 0; i < pl.names.size(); ++i) {
            const std::string_view n = pl.names[i];
            if (made.contains(lower(n)) || cat.find(n)) continue;  // catalogue names are made in their place
            stack(rectangle(n, pl.rects[i]), n, pl.rects[i], true, true, true);
        }
    };
    for (const Placement* pl : order) {
        if (!pl->detective) stackPlacement(*pl);
    }

    for (const ComponentSpec* c : cat.components) {
        if (describedPicture(*c)) fromCatalogue(*c);
    }
    // The detective's own rectangles lie above the described pictures:
    // scenery placed behind his head (the forest's edge in front of the
    // prison) must not take the clicks on his head.
    for (const Placement* pl : order) {
        if (pl->detective) stackPlacement(*pl);
    }

    // Labels that are not exits (talk hotspots, signs), then the exits.
    for (const ComponentSpec* c : cat.components) {
        if (c->kind == "label" && !isExit(*c)) fromCatalogue(*c);
    }
    for (const ComponentSpec* c : cat.components) {
        if (isExit(*c)) fromCatalogue(*c);
    }

    liftCoveredRectangles(entries);
    for (Entry& e : entries) panel.child(std::move(e.record));
    return panel;
}

}  // namespace kvarnel::standin

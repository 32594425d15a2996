#include "standin/movie_set.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>

#include "standin/art.h"
#include "standin/movie_writer.h"
#include "standin/pen.h"

namespace kvarnel::standin {

namespace {

using art::Canvas;
using art::CharacterLook;
using art::Rect;
using layout::Image;

constexpr int W = kMovieWidth;
constexpr int H = kMovieHeight;
constexpr int kGround = H * 3 / 5;

// One shot of a movie: a still backdrop drawn once, what moves over it at
// the time t (0 at the shot's first frame, 1 at its last), and a caption in
// both languages.
struct Shot {
    double seconds;
    std::function<void(Canvas&)> backdrop;
    std::function<void(Canvas&, double)> draw;
    std::string_view captionCz;
    std::string_view captionEn;
};

void nightSky(Canvas& c) {
    art::sky(c, {0, 0, W, H}, 0xFF0E1430, 0xFF1E2A55);
}

CharacterLook detective() {
    return CharacterLook{};
}

CharacterLook bushMan() {
    CharacterLook l;
    l.skin = 0xFF8FBF6A;
    l.shirt = 0xFF7A5A3A;
    l.trousers = 0xFF5A4A30;
    l.hair = 0xFF3E6A32;
    return l;
}

CharacterLook daughter() {
    CharacterLook l = bushMan();
    l.shirt = 0xFF5E9E4E;
    l.trousers = 0xFF5E9E4E;
    return l;
}

CharacterLook villager(uint32_t shirt, uint32_t hair) {
    CharacterLook l;
    l.shirt = shirt;
    l.hair = hair;
    return l;
}

void text(cairo_t* cr, std::string_view s, double cx, double baseline, double size, uint32_t argb, bool bold) {
    // Looked up once: asking fontconfig for the face on every frame is slow.
    static cairo_font_face_t* const faces[2] = {
        cairo_toy_font_face_create("DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL),
        cairo_toy_font_face_create("DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD)};
    cairo_set_font_face(cr, faces[bold ? 1 : 0]);
    cairo_set_font_size(cr, size);
    const std::string str(s);
    cairo_text_extents_t e;
    cairo_text_extents(cr, str.c_str(), &e);
    pen::setColour(cr, argb);
    cairo_move_to(cr, cx - e.width / 2 - e.x_bearing, baseline);
    cairo_show_text(cr, str.c_str());
}

// A dark band at the bottom with the caption, Czech above English.
void caption(Canvas& c, std::string_view cz, std::string_view en) {
    if (cz.empty() && en.empty()) return;
    cairo_t* cr = c.cr();
    cairo_set_source_rgba(cr, 0, 0, 0, 0.65);
    cairo_rectangle(cr, 0, H - 78, W, 78);
    cairo_fill(cr);
    text(cr, cz, W / 2.0, H - 46, 22, 0xFFFFF2B0, true);
    text(cr, en, W / 2.0, H - 16, 18, 0xFFFFFFFF, false);
}

double ease(double t) {
    return t * t * (3 - 2 * t);
}

int lerp(int a, int b, double t) {
    return static_cast<int>(std::lround(a + (b - a) * t));
}

// --- Places ----------------------------------------------------------------
void village(Canvas& c, bool dusk) {
    art::sky(c, {0, 0, W, kGround + 10}, dusk ? 0xFF35507A : art::colour::kSkyTop,
             dusk ? 0xFFE8A070 : art::colour::kSkyBottom);
    art::hill(c, {-60, kGround - 120, 420, 160});
    art::forestWall(c, {300, kGround - 110, 400, 120});
    art::ground(c, {0, kGround, W, H - kGround}, 0xFFCBB285);
    art::house(c, {30, kGround - 200, 210, 220});
    art::house(c, {400, kGround - 230, 220, 250}, art::colour::kWall, 0xFF8A5A3C);
    art::path(c, {250, kGround, 140, H - kGround});
}

void forest(Canvas& c) {
    art::sky(c, {0, 0, W, kGround}, 0xFF9CC8A0, 0xFFDCEFD7);
    art::forestWall(c, {0, 40, W, kGround - 30});
    art::ground(c, {0, kGround - 10, W, H - kGround + 10}, 0xFF4E7A3E);
}

void pedestal(Canvas& c, Rect r, bool withBottle) {
    art::stone(c, {r.x, r.y + r.h * 2 / 3, r.w, r.h / 3});
    if (!withBottle) return;
    // The bar's bottle, its key colour made clear, laid on the stone.
    const Image bottle = art::itemPicture(art::Item::Bottle, r.w / 2, r.h * 2 / 3);
    std::vector<uint32_t> pixels(bottle.pixels.size());
    for (size_t i = 0; i < pixels.size(); ++i) {
        const uint32_t p = bottle.pixels[i];
        pixels[i] = p == art::colour::kItemKey ? 0u : (p | 0xFF000000u);
    }
    cairo_surface_t* img =
        cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels.data()), CAIRO_FORMAT_ARGB32,
                                            bottle.width, bottle.height, bottle.width * 4);
    cairo_t* cr = c.cr();
    cairo_set_source_surface(cr, img, r.x + r.w / 4, r.y);
    cairo_paint(cr);
    cairo_surface_destroy(img);
}

void figure(Canvas& c, int cx, int feetY, int height, const CharacterLook& look) {
    const int w = height * 2 / 5;
    art::drawCharacter(c, {cx - w / 2, feetY - height, w, height}, look);
}

// --- The movies --------------------------------------------------------------
std::vector<Shot> shotsOf(int index) {
    switch (index) {
        case 0:  // the maker's logo
            return {{3.0, nightSky,
                     [](Canvas& c, double t) {
                         cairo_t* cr = c.cr();
                         const double k = ease(std::min(1.0, t * 1.6));
                         const double flap = std::sin(t * 18) * 0.35 + 0.65;
                         const double cx = W / 2.0, cy = H / 2.0 - 40;
                         cairo_save(cr);
                         cairo_translate(cr, cx, cy);
                         cairo_scale(cr, k, k);
                         for (int side : {-1, 1}) {
                             cairo_save(cr);
                             cairo_scale(cr, side * flap, 1);
                             cairo_move_to(cr, 0, 0);
                             cairo_curve_to(cr, 60, -90, 150, -60, 120, 10);
                             cairo_curve_to(cr, 150, 60, 60, 90, 0, 20);
                             cairo_close_path(cr);
                             cairo_set_source_rgb(cr, 0.85, 0.78, 0.55);
                             cairo_fill_preserve(cr);
                             cairo_set_source_rgb(cr, 0.18, 0.16, 0.2);
                             cairo_set_line_width(cr, 4);
                             cairo_stroke(cr);
                             cairo_restore(cr);
                         }
                         cairo_rectangle(cr, -8, -40, 16, 90);
                         cairo_set_source_rgb(cr, 0.3, 0.24, 0.2);
                         cairo_fill(cr);
                         cairo_restore(cr);
                         if (t > 0.45) text(cr, "QUILLMOTH", cx, H - 120, 46, 0xFFF2E6C9, true);
                     },
                     "", ""}};
        case 1:  // the intro
            return {
                {3.0, [](Canvas& c) { village(c, true); }, [](Canvas&, double) {},
                 "Lhotka. Osada, kde se nikdy nic neděje.", "Lhotka. A village where nothing ever happens."},
                {3.0,
                 [](Canvas& c) {
                     art::wall(c, {0, 0, W, H}, 0xFF6A5A7A, true);
                     art::floorBoards(c, {0, kGround + 40, W, H - kGround - 40});
                 },
                 [](Canvas& c, double t) {
                     pedestal(c, {W / 2 - 70, 140, 140, 240}, t < 0.35);
                 },
                 "Až do noci, kdy zmizela posvátná láhev.", "Until the night the sacred bottle vanished."},
                {4.0, [](Canvas& c) { village(c, false); },
                 [](Canvas& c, double t) { figure(c, lerp(-60, W / 2 - 80, ease(t)), H - 40, 300, detective()); },
                 "Na scénu přichází detektiv.", "Enter the detective."},
            };
        case 2:  // out of the cave with the bottle, back to the village
            return {{4.0,
                     [](Canvas& c) {
                         forest(c);
                         art::caveMouth(c, {W - 260, kGround - 190, 220, 200});
                     },
                     [](Canvas& c, double t) {
                         figure(c, lerp(W - 150, 120, ease(t)), H - 40, 300, detective());
                         pedestal(c, {lerp(W - 120, 150, ease(t)), H - 200, 60, 90}, true);
                     },
                     "S posvátnou láhví se detektiv vrací do Lhotky.",
                     "The detective carries the sacred bottle back to Lhotka."}};
        case 3:  // the daughter was never found
            return {{4.0,
                     [](Canvas& c) {
                         art::sky(c, {0, 0, W, kGround}, 0xFF7A8AA0, 0xFFB8C0C8);
                         art::ground(c, {0, kGround, W, H - kGround}, 0xFF6A8A5A);
                         art::bush(c, {W / 2 - 200, kGround - 80, 400, 260});
                     },
                     [](Canvas& c, double t) { figure(c, W / 2, H - 60 + static_cast<int>(10 * t), 260, bushMan()); },
                     "Jen Křovák dál smutně čeká na svou dceru.",
                     "Only the Bush Man still waits sadly for his daughter."}};
        case 4:  // the daughter is back
        case 5:  // the daughter is back and the table game paid
            return {{4.0,
                     [](Canvas& c) {
                         art::sky(c, {0, 0, W, kGround});
                         art::ground(c, {0, kGround, W, H - kGround});
                         art::bush(c, {40, kGround - 60, 300, 220});
                         figure(c, 200, H - 40, 270, bushMan());
                     },
                     [index](Canvas& c, double t) {
                         figure(c, lerp(W + 60, 330, ease(t)), H - 40, 160, daughter());
                         if (index == 5) {
                             for (int i = 0; i < 6; ++i) {
                                 art::ball(c, {W - 200 + i * 24, lerp(60, H - 90 - (i % 2) * 20, ease(t)), 22, 22});
                             }
                         }
                     },
                     index == 4 ? "Křovák má zpátky svou dceru." : "Křovák má zpátky dceru a detektiv plnou kapsu.",
                     index == 4 ? "The Bush Man has his daughter back."
                                : "The Bush Man has his daughter back, and the detective full pockets."}};
        case 6:  // the bottle back in its place
            return {{4.0,
                     [](Canvas& c) {
                         village(c, false);
                         pedestal(c, {W / 2 - 50, kGround - 60, 100, 170}, true);
                     },
                     [](Canvas& c, double t) {
                         const uint32_t shirts[] = {0xFFA0522D, 0xFF30304A, 0xFFEDEDE0, 0xFF4E6E3A};
                         for (int i = 0; i < 4; ++i) {
                             const int hop = static_cast<int>(std::abs(std::sin(t * 12 + i)) * 18);
                             figure(c, 90 + i * 150 + (i > 1 ? 120 : 0), H - 30 - hop, 200,
                                    villager(shirts[i], 0xFF6B4A2E));
                         }
                     },
                     "Posvátná láhev je zpět na svém místě.", "The sacred bottle is back where it belongs."}};
        case 7:  // the better ending
            return {{4.0,
                     [](Canvas& c) {
                         art::sky(c, {0, 0, W, H}, 0xFF141A38, 0xFF2A3A70);
                     },
                     [](Canvas& c, double t) {
                         art::bat(c, {lerp(60, W - 200, ease(t)), 150, 140, 40});
                         art::ball(c, {W / 2 - 20, lerp(90, 300, std::abs(std::sin(t * 6))), 40, 40});
                         art::bat(c, {lerp(W - 200, 60, ease(t)), 360, 140, 40});
                     },
                     "Za návrat dcery a výhru v hospodě: bonusová hra!",
                     "For the daughter's return and the winnings at the inn: a bonus game!"}};
        default:
            return {};
    }
}

// The credits roll up over a night sky.
std::vector<Image> creditsFrames(bool czech) {
    const std::vector<std::pair<std::string_view, bool>> lines =
        czech ? std::vector<std::pair<std::string_view, bool>>{{"KVARNEL", true},
                                                               {"", false},
                                                               {"Hru pro vás připravil", false},
                                                               {"tým Kvarnel", true},
                                                               {"", false},
                                                               {"Obrázky, zvuky a hudba", false},
                                                               {"nakreslil a složil kód", false},
                                                               {"týmu Kvarnel", true},
                                                               {"", false},
                                                               {"Děkujeme za hraní!", true}}
              : std::vector<std::pair<std::string_view, bool>>{{"KVARNEL", true},
                                                               {"", false},
                                                               {"Made for you by", false},
                                                               {"the Kvarnel team", true},
                                                               {"", false},
                                                               {"Pictures, sounds and music", false},
                                                               {"drawn and composed by the code", false},
                                                               {"of the Kvarnel team", true},
                                                               {"", false},
                                                               {"Thank you for playing!", true}};
    const int frames = static_cast<int>(6.0 * kMovieFps);
    Canvas sky(W, H, 0xFF000000);
    nightSky(sky);
    const Image backdrop = sky.image();
    std::vector<Image> out;
    for (int f = 0; f < frames; ++f) {
        Canvas c(W, H, 0xFF000000);
        c.paste(backdrop);
        cairo_t* cr = c.cr();
        const double t = static_cast<double>(f) / (frames - 1);
        const double top = H + 20 - t * (H + 40 * static_cast<double>(lines.size()) - 120);
        for (size_t i = 0; i < lines.size(); ++i) {
            const auto& [line, strong] = lines[i];
            if (!line.empty()) text(cr, line, W / 2.0, top + 44.0 * i, strong ? 30 : 22, 0xFFF2E6C9, strong);
        }
        out.push_back(c.image());
    }
    return out;
}

}  // namespace

std::vector<Image> movieFrames(int index) {
    if (index < 0 || index >= kMovieCount) throw std::invalid_argument("no movie " + std::to_string(index));
    if (index >= 8) return creditsFrames(index == 8);
    std::vector<Image> out;
    for (const Shot& shot : shotsOf(index)) {
        const int frames = std::max(2, static_cast<int>(shot.seconds * kMovieFps));
        Canvas still(W, H, 0xFF000000);
        shot.backdrop(still);
        const Image backdrop = still.image();
        for (int f = 0; f < frames; ++f) {
            Canvas c(W, H, 0xFF000000);
            c.paste(backdrop);
            shot.draw(c, static_cast<double>(f) / (frames - 1));
            caption(c, shot.captionCz, shot.captionEn);
            out.push_back(c.image());
        }
    }
    return out;
}

void writeMovie(int index, const std::filesystem::path& path) {
    writeSwfMovie(path.string(), movieFrames(index), kMovieFps);
}

}  // namespace kvarnel::standin

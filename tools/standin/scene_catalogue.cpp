// The scene catalogue as data. Sections:
//   [panels]      the 33 panels on the window and the two cover panels
//   [components]  per location: exits, talk hotspot, signs and pictures, then
//                 faces and figures; then the interludes, the other panels'
//                 contents, the window-level controls and the story flags
#include "standin/scene_catalogue.h"

#include <array>

namespace kvarnel::standin {
namespace {

// ---------------------------------------------------------------- [panels]
// A plain location background whose control extent is not given sits at the
// panel's origin at its picture's size (which is the panel's size).
// clang-format off
constexpr auto kPanels = std::to_array<PanelSpec>({
    {.name = "Udedka", .kind = "location", .width = 1024, .height = 625, .background = "PozadiUdedka",
     .backgroundKind = "JPEG", .bgTop = 1, .bgWidth = 1024, .bgHeight = 625, .bgPictureWidth = 1024,
     .bgPictureHeight = 625},
    {.name = "Natrzisti", .kind = "location", .left = 2, .width = 1024, .height = 625,
     .background = "PozadiNatrzisti", .backgroundKind = "JPEG", .bgWidth = 1024, .bgHeight = 625,
     .bgPictureWidth = 1027, .bgPictureHeight = 629, .bgCenter = true, .bgAlignClient = true},
    {.name = "Predhospodou", .kind = "location", .width = 1024, .height = 625, .background = "PozadiPredhospodou",
     .backgroundKind = "JPEG", .bgWidth = 1024, .bgHeight = 625, .bgPictureWidth = 1024, .bgPictureHeight = 625,
     .hint = "Jít k místnímu hostinci u Olmeků"},
    // The picture is larger than its control and drawn unscaled from the top-left corner.
    {.name = "Vhospode", .kind = "location", .width = 1024, .height = 625, .background = "PozadiVhospode",
     .backgroundKind = "JPEG", .bgLeft = 3, .bgTop = -4, .bgWidth = 1022, .bgHeight = 629, .bgPictureWidth = 1024,
     .bgPictureHeight = 650},
    {.name = "Rukpal", .kind = "table game", .left = 2, .width = 1024, .height = 625, .background = "Image195",
     .backgroundKind = "JPEG", .bgWidth = 1024, .bgHeight = 625, .bgPictureWidth = 1024, .bgPictureHeight = 625},
    {.name = "Predradnici", .kind = "location", .width = 1024, .height = 625, .background = "PozadiPredRadnici",
     .backgroundKind = "JPEG", .bgWidth = 1024, .bgHeight = 625, .bgPictureWidth = 1024, .bgPictureHeight = 625},
    {.name = "Radnice", .kind = "location", .width = 1024, .height = 625, .background = "PozadiRadnice",
     .backgroundKind = "JPEG", .bgWidth = 1024, .bgHeight = 625, .bgPictureWidth = 1024, .bgPictureHeight = 625},
    {.name = "Predsoudem", .kind = "location", .width = 1024, .height = 625, .background = "PozadiPredSoudem",
     .backgroundKind = "JPEG", .bgWidth = 1024, .bgHeight = 625, .bgPictureWidth = 1024, .bgPictureHeight = 625},
    {.name = "Predveznici", .kind = "location", .width = 1024, .height = 625, .background = "PozadiPredVeznici",
     .backgroundKind = "JPEG", .bgWidth = 1024, .bgHeight = 625, .bgPictureWidth = 1024, .bgPictureHeight = 625},
    {.name = "Veveznici", .kind = "location", .width = 1024, .height = 625, .background = "PozadiVeveznici",
     .backgroundKind = "JPEG", .bgWidth = 1024, .bgHeight = 625, .bgPictureWidth = 1024, .bgPictureHeight = 625},
    {.name = "Uzlocinkyne", .kind = "location", .width = 1024, .height = 625, .background = "PozadiUzlocinkyne",
     .backgroundKind = "JPEG", .bgWidth = 1024, .bgHeight = 625, .bgPictureWidth = 1024, .bgPictureHeight = 625},
    {.name = "Les1", .kind = "location", .width = 1024, .height = 625, .background = "PozadiLes1",
     .backgroundKind = "JPEG", .bgWidth = 1024, .bgHeight = 625, .bgPictureWidth = 1024, .bgPictureHeight = 625},
    {.name = "Les2", .kind = "location", .width = 1024, .height = 625, .background = "PozadiLes2",
     .backgroundKind = "JPEG", .bgWidth = 1024, .bgHeight = 625, .bgPictureWidth = 1024, .bgPictureHeight = 625},
    // The picture is larger than its control and drawn unscaled from the top-left corner.
    {.name = "Les3", .kind = "location", .width = 1024, .height = 625, .background = "PozadiLes3",
     .backgroundKind = "JPEG", .bgLeft = -2, .bgTop = -2, .bgWidth = 1024, .bgHeight = 625, .bgPictureWidth = 1112,
     .bgPictureHeight = 629},
    {.name = "Les4", .kind = "location", .width = 1024, .height = 625, .background = "PozadiLes4",
     .backgroundKind = "JPEG", .bgWidth = 1024, .bgHeight = 625, .bgPictureWidth = 1024, .bgPictureHeight = 625},
    {.name = "Les5", .kind = "location", .width = 1024, .height = 625, .background = "PozadiLes5",
     .backgroundKind = "JPEG", .bgWidth = 1024, .bgHeight = 625, .bgPictureWidth = 1024, .bgPictureHeight = 625},
    {.name = "Les6", .kind = "location", .width = 1024, .height = 625, .background = "PozadiLes6",
     .backgroundKind = "JPEG", .bgWidth = 1024, .bgHeight = 625, .bgPictureWidth = 1024, .bgPictureHeight = 625},
    // Interludes: black panels; the first has a tiny picture stretched over it instead.
    {.name = "Textanimace", .kind = "interlude", .width = 1024, .height = 800, .background = "Image3",
     .backgroundKind = "BMP", .bgWidth = 1024, .bgHeight = 800, .bgPictureWidth = 86, .bgPictureHeight = 86,
     .bgStretch = true},
    {.name = "Textanimace2", .kind = "interlude", .width = 1024, .height = 800},
    {.name = "Textanimace3", .kind = "interlude", .width = 1024, .height = 800},
    {.name = "Textanimace4", .kind = "interlude", .width = 1024, .height = 800},
    {.name = "Textanimace5", .kind = "interlude", .width = 1025, .height = 800},
    {.name = "Textanimace6", .kind = "interlude", .width = 1024, .height = 800},
    {.name = "Textanimace7", .kind = "interlude", .width = 1024, .height = 800},
    {.name = "Vjeskyni", .kind = "cave", .left = -4, .width = 1024, .height = 768},
    {.name = "Menu1", .kind = "menu", .width = 1033, .height = 777},
    {.name = "BonusHra", .kind = "bonus game", .width = 1024, .height = 768, .background = "Image1",
     .backgroundKind = "BMP", .bgWidth = 1024, .bgHeight = 768, .bgPictureWidth = 20, .bgPictureHeight = 20,
     .bgStretch = true},
    {.name = "VyberJazyk", .kind = "language choice", .width = 1037, .height = 775},
    {.name = "AnimaceQuillmoth", .kind = "movie", .width = 1024, .height = 768},
    {.name = "Intro", .kind = "movie", .width = 1024, .height = 768},
    {.name = "Outro", .kind = "movie", .width = 1024, .height = 768},
    {.name = "Titulky", .kind = "movie", .width = 1050, .height = 780},
    // Never on screen: it only carries the story flags.
    {.name = "SPanel", .kind = "story flags", .left = 630, .top = 2000, .width = 33, .height = 33,
     .visibleAtStart = true},
    // Black strips over the bottom of the movies. Their own Visible flag is not
    // given; they are shown, since covering is all they are for.
    {.name = "Kryti", .kind = "cover", .left = 2, .top = 700, .width = 1023, .height = 71, .visibleAtStart = true,
     .parent = "Intro"},
    {.name = "Krytivo", .kind = "cover", .top = 702, .width = 1024, .height = 71, .visibleAtStart = true,
     .parent = "Outro"},
});
// clang-format on

// ---------------------------------------------------------------- [components]
// Faces and figures: transparency and looping are not given and keep their
// defaults (opaque, looping) except where a row says otherwise.
// clang-format off
constexpr auto kComponents = std::to_array<ComponentSpec>({

    // ---- Udedka: exits, talk hotspot, other pictures and labels
    // bottom strip
    {.name = "Label8", .parent = "Udedka", .kind = "label", .left = 0, .top = 580, .width = 1025, .height = 45,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label121", .parent = "Udedka", .kind = "label", .left = 794, .top = 294, .width = 31, .height = 21,
     .visibleAtStart = true, .transparent = true, .role = "talk (old man)"},

    // ---- Udedka: faces and figures
    {.name = "image2", .parent = "Udedka", .kind = "picture", .left = 386, .top = 120, .width = 170, .height = 180,
     .pictureWidth = 170, .pictureHeight = 180, .visibleAtStart = true, .role = "detective head"},
    {.name = "RxGIFAnimator1", .parent = "Udedka", .kind = "GIF", .left = 434, .top = 142, .width = 91, .height = 94,
     .pictureWidth = 91, .pictureHeight = 94, .frames = 36, .visibleAtStart = true, .role = "detective eyes"},
    {.name = "RxGIFAnimator3", .parent = "Udedka", .kind = "GIF", .left = 452, .top = 208, .width = 70, .height = 58,
     .pictureWidth = 70, .pictureHeight = 58, .frames = 13, .visibleAtStart = true, .role = "detective mouth"},
    {.name = "RxGIFAnimator6", .parent = "Udedka", .kind = "GIF", .left = 477, .top = 245, .width = 36, .height = 21,
     .pictureWidth = 36, .pictureHeight = 21, .frames = 3, .visibleAtStart = false,
     .role = "detective talking mouth"},
    {.name = "RxGIFAnimator5", .parent = "Udedka", .kind = "GIF", .left = 367, .top = 116, .width = 160,
     .height = 180, .pictureWidth = 160, .pictureHeight = 180, .frames = 5, .visibleAtStart = false,
     .role = "detective description animation"},
    {.name = "RxGIFAnimator2", .parent = "Udedka", .kind = "GIF", .left = 783, .top = 188, .width = 62, .height = 73,
     .pictureWidth = 62, .pictureHeight = 73, .frames = 21, .visibleAtStart = true, .role = "old man eyes"},
    {.name = "RxGIFAnimator4", .parent = "Udedka", .kind = "GIF", .left = 788, .top = 278, .width = 78, .height = 80,
     .pictureWidth = 78, .pictureHeight = 80, .frames = 8, .visibleAtStart = true, .role = "old man mouth"},
    {.name = "RxGIFAnimator7", .parent = "Udedka", .kind = "GIF", .left = 782, .top = 268, .width = 117, .height = 78,
     .pictureWidth = 78, .pictureHeight = 40, .frames = 3, .visibleAtStart = false, .role = "old man talking mouth"},

    // ---- Natrzisti: exits, talk hotspot, other pictures and labels
    // left edge
    {.name = "Label6", .parent = "Natrzisti", .kind = "label", .left = 0, .top = 0, .width = 45, .height = 627,
     .visibleAtStart = true, .transparent = true, .role = "exit to Predhospodou", .exitTo = "Predhospodou"},
    // house door
    {.name = "Label7", .parent = "Natrzisti", .kind = "label", .left = 484, .top = 186, .width = 117, .height = 171,
     .visibleAtStart = true, .transparent = true, .role = "exit to Udedka", .exitTo = "Udedka"},
    // The gate's vertical extent is not given; the labels run along the whole right edge.
    // Label41 .. Label62: 22 labels that together build the gate shape along the right edge over x 896..975,
    // y 0..625. Their own bounds are not given: each gets an even share of that extent,
    // as a horizontal strip of the full width, so together they cover it exactly.
    {.name = "Label41", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 0, .width = 79, .height = 29,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label42", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 29, .width = 79, .height = 29,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label43", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 58, .width = 79, .height = 29,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label44", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 87, .width = 79, .height = 29,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label45", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 116, .width = 79, .height = 29,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label46", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 145, .width = 79, .height = 29,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label47", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 174, .width = 79, .height = 29,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label48", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 203, .width = 79, .height = 29,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label49", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 232, .width = 79, .height = 29,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label50", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 261, .width = 79, .height = 28,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label51", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 289, .width = 79, .height = 28,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label52", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 317, .width = 79, .height = 28,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label53", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 345, .width = 79, .height = 28,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label54", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 373, .width = 79, .height = 28,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label55", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 401, .width = 79, .height = 28,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label56", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 429, .width = 79, .height = 28,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label57", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 457, .width = 79, .height = 28,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label58", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 485, .width = 79, .height = 28,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label59", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 513, .width = 79, .height = 28,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label60", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 541, .width = 79, .height = 28,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label61", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 569, .width = 79, .height = 28,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label62", .parent = "Natrzisti", .kind = "label", .left = 896, .top = 597, .width = 79, .height = 28,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    // The gate rectangles: transparent pictures without a picture and without enter/leave
    // handlers (no exit cursor). Their bounds are not given (0); the hint is never shown.
    {.name = "Image156", .parent = "Natrzisti", .kind = "picture", .visibleAtStart = true, .transparent = true,
     .hintCz = "Odejít pryč z osady", .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Image157", .parent = "Natrzisti", .kind = "picture", .visibleAtStart = true, .transparent = true,
     .hintCz = "Odejít pryč z osady", .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Image158", .parent = "Natrzisti", .kind = "picture", .visibleAtStart = true, .transparent = true,
     .hintCz = "Odejít pryč z osady", .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Image159", .parent = "Natrzisti", .kind = "picture", .visibleAtStart = true, .transparent = true,
     .hintCz = "Odejít pryč z osady", .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Image160", .parent = "Natrzisti", .kind = "picture", .visibleAtStart = true, .transparent = true,
     .hintCz = "Odejít pryč z osady", .role = "exit to Les4", .exitTo = "Les4"},
    {.name = "Label120", .parent = "Natrzisti", .kind = "label", .left = 688, .top = 174, .width = 65, .height = 21,
     .visibleAtStart = true, .transparent = true, .role = "talk (warrior)"},
    // BMP; clickable for a description; shown or not is saved story state. It lies on the table from the
    // start until the warrior sells it.
    {.name = "slanonastole", .parent = "Natrzisti", .kind = "picture", .left = 656, .top = 304, .width = 117,
     .height = 19, .pictureWidth = 153, .pictureHeight = 16, .visibleAtStart = true, .transparent = true,
     .role = "rope on the table"},

    // ---- Natrzisti: faces and figures
    {.name = "zthlava", .parent = "Natrzisti", .kind = "picture", .left = 212, .top = 68, .width = 170, .height = 180,
     .pictureWidth = 170, .pictureHeight = 180, .visibleAtStart = true, .role = "detective head"},
    {.name = "Ztoci", .parent = "Natrzisti", .kind = "GIF", .left = 260, .top = 91, .width = 91, .height = 94,
     .pictureWidth = 91, .pictureHeight = 94, .frames = 36, .visibleAtStart = true, .role = "detective eyes"},
    {.name = "Ztpusavpravo", .parent = "Natrzisti", .kind = "GIF", .left = 286, .top = 166, .width = 60, .height = 49,
     .pictureWidth = 60, .pictureHeight = 49, .frames = 13, .visibleAtStart = true, .role = "detective mouth"},
    {.name = "Ztmluvavpravo", .parent = "Natrzisti", .kind = "GIF", .left = 306, .top = 195, .width = 31,
     .height = 25, .pictureWidth = 43, .pictureHeight = 25, .frames = 3, .visibleAtStart = false,
     .role = "detective talking mouth"},
    {.name = "Ztpopis", .parent = "Natrzisti", .kind = "GIF", .left = 195, .top = 62, .width = 160, .height = 180,
     .pictureWidth = 160, .pictureHeight = 180, .frames = 5, .visibleAtStart = false,
     .role = "detective description animation"},
    {.name = "Zocibojovnika", .parent = "Natrzisti", .kind = "GIF", .left = 668, .top = 91, .width = 104,
     .height = 52, .pictureWidth = 100, .pictureHeight = 50, .frames = 31, .visibleAtStart = true,
     .role = "warrior eyes"},
    {.name = "Zpusabojovnika", .parent = "Natrzisti", .kind = "GIF", .left = 682, .top = 172, .width = 80,
     .height = 20, .pictureWidth = 80, .pictureHeight = 20, .frames = 14, .visibleAtStart = true,
     .role = "warrior mouth"},
    {.name = "Zpusabojovnikamluva", .parent = "Natrzisti", .kind = "GIF", .left = 680, .top = 172, .width = 80,
     .height = 20, .pictureWidth = 80, .pictureHeight = 20, .frames = 4, .visibleAtStart = false,
     .role = "warrior talking mouth"},
    {.name = "zocibojovnikamluva", .parent = "Natrzisti", .kind = "GIF", .left = 666, .top = 84, .width = 100,
     .height = 70, .pictureWidth = 100, .pictureHeight = 70, .frames = 9, .visibleAtStart = false,
     .role = "warrior eyes in a talk"},

    // ---- Predhospodou: exits, talk hotspot, other pictures and labels
    // inn door
    {.name = "Label3", .parent = "Predhospodou", .kind = "label", .left = 283, .top = 334, .width = 158,
     .height = 159, .visibleAtStart = true, .transparent = true, .role = "exit to Vhospode", .exitTo = "Vhospode"},
    // inn door
    {.name = "Label4", .parent = "Predhospodou", .kind = "label", .left = 282, .top = 272, .width = 155, .height = 83,
     .visibleAtStart = true, .transparent = true, .role = "exit to Vhospode", .exitTo = "Vhospode"},
    // right edge
    {.name = "Label5", .parent = "Predhospodou", .kind = "label", .left = 980, .top = 0, .width = 45, .height = 627,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    // left edge
    {.name = "Label13", .parent = "Predhospodou", .kind = "label", .left = 0, .top = -6, .width = 45, .height = 633,
     .visibleAtStart = true, .transparent = true, .role = "exit to Predradnici", .exitTo = "Predradnici"},
    // the criminal's door
    {.name = "Label88", .parent = "Predhospodou", .kind = "label", .left = 740, .top = 308, .width = 101,
     .height = 167, .visibleAtStart = true, .transparent = true, .role = "exit to Uzlocinkyne",
     .exitTo = "Uzlocinkyne"},
    // shown by the game timer exactly while the door is unlocked
    {.name = "Label125", .parent = "Predhospodou", .kind = "label", .left = 742, .top = 360, .width = 45,
     .height = 47, .visibleAtStart = false, .transparent = true, .role = "exit to Uzlocinkyne",
     .exitTo = "Uzlocinkyne"},
    // sized to its caption; clickable for a description; moved 20 px right in English
    {.name = "Label1", .parent = "Predhospodou", .kind = "label", .left = 236, .top = 200, .visibleAtStart = true,
     .transparent = true, .captionCz = "Hostinec u Becherů ", .captionEn = "The Becher's pub", .fontName = "Sylfaen",
     .fontPixels = 27, .fontColour = "clMaroon", .bold = true, .role = "inn sign"},

    // ---- Predhospodou: faces and figures
    {.name = "Phhlava", .parent = "Predhospodou", .kind = "picture", .left = 578, .top = 175, .width = 200,
     .height = 180, .pictureWidth = 200, .pictureHeight = 180, .visibleAtStart = true, .role = "detective head"},
    {.name = "Phoci", .parent = "Predhospodou", .kind = "GIF", .left = 606, .top = 200, .width = 100, .height = 80,
     .pictureWidth = 100, .pictureHeight = 80, .frames = 61, .visibleAtStart = true, .role = "detective eyes"},
    {.name = "Phpusa", .parent = "Predhospodou", .kind = "GIF", .left = 615, .top = 304, .width = 82, .height = 23,
     .pictureWidth = 80, .pictureHeight = 30, .frames = 30, .visibleAtStart = true, .role = "detective mouth"},
    {.name = "Phpopis", .parent = "Predhospodou", .kind = "GIF", .left = 575, .top = 175, .width = 160, .height = 180,
     .pictureWidth = 160, .pictureHeight = 180, .frames = 5, .visibleAtStart = false,
     .role = "detective description animation"},

    // ---- Vhospode: exits, talk hotspot, other pictures and labels
    // right edge
    {.name = "prechodpredhospodu", .parent = "Vhospode", .kind = "label", .left = 978, .top = 0, .width = 45,
     .height = 639, .visibleAtStart = true, .transparent = true, .role = "exit to Predhospodou",
     .exitTo = "Predhospodou"},
    {.name = "Label119", .parent = "Vhospode", .kind = "label", .left = 226, .top = 276, .width = 41, .height = 25,
     .visibleAtStart = true, .transparent = true, .role = "talk (publican)"},

    // ---- Vhospode: faces and figures
    {.name = "Hhlava", .parent = "Vhospode", .kind = "picture", .left = 510, .top = 158, .width = 149, .height = 169,
     .pictureWidth = 136, .pictureHeight = 157, .visibleAtStart = true, .role = "detective head"},
    {.name = "Hoci", .parent = "Vhospode", .kind = "GIF", .left = 531, .top = 178, .width = 75, .height = 75,
     .pictureWidth = 75, .pictureHeight = 75, .frames = 30, .visibleAtStart = true, .role = "detective eyes"},
    {.name = "Hpusa", .parent = "Vhospode", .kind = "GIF", .left = 545, .top = 267, .width = 39, .height = 27,
     .pictureWidth = 30, .pictureHeight = 20, .frames = 16, .visibleAtStart = true, .role = "detective mouth"},
    {.name = "hpusamluva", .parent = "Vhospode", .kind = "GIF", .left = 544, .top = 271, .width = 37, .height = 22,
     .pictureWidth = 37, .pictureHeight = 22, .frames = 3, .visibleAtStart = false,
     .role = "detective talking mouth"},
    {.name = "Hpopis", .parent = "Vhospode", .kind = "GIF", .left = 539, .top = 154, .width = 180, .height = 162,
     .pictureWidth = 180, .pictureHeight = 162, .frames = 5, .visibleAtStart = false,
     .role = "detective description animation"},
    {.name = "Hhoci", .parent = "Vhospode", .kind = "GIF", .left = 214, .top = 220, .width = 70, .height = 50,
     .pictureWidth = 70, .pictureHeight = 50, .frames = 28, .visibleAtStart = true, .role = "publican eyes"},
    {.name = "Hhoboci", .parent = "Vhospode", .kind = "GIF", .left = 208, .top = 210, .width = 80, .height = 30,
     .pictureWidth = 80, .pictureHeight = 30, .frames = 6, .visibleAtStart = true, .role = "publican eyebrows"},
    {.name = "Hhpusa", .parent = "Vhospode", .kind = "GIF", .left = 222, .top = 279, .width = 50, .height = 20,
     .pictureWidth = 50, .pictureHeight = 20, .frames = 13, .visibleAtStart = true, .role = "publican mouth"},
    {.name = "hhmluva", .parent = "Vhospode", .kind = "GIF", .left = 226, .top = 277, .width = 40, .height = 20,
     .pictureWidth = 40, .pictureHeight = 20, .frames = 3, .visibleAtStart = false, .role = "publican talking mouth"},
    {.name = "hhocimluva", .parent = "Vhospode", .kind = "GIF", .left = 212, .top = 224, .width = 70, .height = 40,
     .pictureWidth = 70, .pictureHeight = 40, .frames = 6, .visibleAtStart = false,
     .role = "publican eyes in a talk"},

    // ---- Predradnici: exits, talk hotspot, other pictures and labels
    // right edge
    {.name = "Label12", .parent = "Predradnici", .kind = "label", .left = 980, .top = -2, .width = 45, .height = 627,
     .visibleAtStart = true, .transparent = true, .role = "exit to Predhospodou", .exitTo = "Predhospodou"},
    // left edge
    {.name = "Label14", .parent = "Predradnici", .kind = "label", .left = 0, .top = -4, .width = 45, .height = 631,
     .visibleAtStart = true, .transparent = true, .role = "exit to Predsoudem", .exitTo = "Predsoudem"},
    // Label90 .. Label96: 7 labels that together build the door arch over x 44..155,
    // y 262..421. Their own bounds are not given: each gets an even share of that extent,
    // as a horizontal strip of the full width, so together they cover it exactly.
    {.name = "Label90", .parent = "Predradnici", .kind = "label", .left = 44, .top = 262, .width = 111, .height = 23,
     .visibleAtStart = true, .transparent = true, .role = "exit to Radnice", .exitTo = "Radnice"},
    {.name = "Label91", .parent = "Predradnici", .kind = "label", .left = 44, .top = 285, .width = 111, .height = 23,
     .visibleAtStart = true, .transparent = true, .role = "exit to Radnice", .exitTo = "Radnice"},
    {.name = "Label92", .parent = "Predradnici", .kind = "label", .left = 44, .top = 308, .width = 111, .height = 23,
     .visibleAtStart = true, .transparent = true, .role = "exit to Radnice", .exitTo = "Radnice"},
    {.name = "Label93", .parent = "Predradnici", .kind = "label", .left = 44, .top = 331, .width = 111, .height = 23,
     .visibleAtStart = true, .transparent = true, .role = "exit to Radnice", .exitTo = "Radnice"},
    {.name = "Label94", .parent = "Predradnici", .kind = "label", .left = 44, .top = 354, .width = 111, .height = 23,
     .visibleAtStart = true, .transparent = true, .role = "exit to Radnice", .exitTo = "Radnice"},
    {.name = "Label95", .parent = "Predradnici", .kind = "label", .left = 44, .top = 377, .width = 111, .height = 22,
     .visibleAtStart = true, .transparent = true, .role = "exit to Radnice", .exitTo = "Radnice"},
    {.name = "Label96", .parent = "Predradnici", .kind = "label", .left = 44, .top = 399, .width = 111, .height = 22,
     .visibleAtStart = true, .transparent = true, .role = "exit to Radnice", .exitTo = "Radnice"},

    // ---- Predradnici: faces and figures
    {.name = "PrHlava", .parent = "Predradnici", .kind = "picture", .left = 165, .top = 132, .width = 200,
     .height = 180, .pictureWidth = 200, .pictureHeight = 180, .visibleAtStart = true, .role = "detective head"},
    {.name = "PrOci", .parent = "Predradnici", .kind = "GIF", .left = 194, .top = 157, .width = 100, .height = 80,
     .pictureWidth = 100, .pictureHeight = 80, .frames = 61, .visibleAtStart = true, .role = "detective eyes"},
    {.name = "PrPusa", .parent = "Predradnici", .kind = "GIF", .left = 204, .top = 258, .width = 80, .height = 27,
     .pictureWidth = 80, .pictureHeight = 30, .frames = 30, .visibleAtStart = true, .role = "detective mouth"},
    {.name = "PrPopis", .parent = "Predradnici", .kind = "GIF", .left = 165, .top = 134, .width = 160, .height = 180,
     .pictureWidth = 160, .pictureHeight = 180, .frames = 5, .visibleAtStart = false,
     .role = "detective description animation"},

    // ---- Radnice: exits, talk hotspot, other pictures and labels
    // left edge
    {.name = "Label89", .parent = "Radnice", .kind = "label", .left = 0, .top = 0, .width = 45, .height = 625,
     .visibleAtStart = true, .transparent = true, .role = "exit to Predradnici", .exitTo = "Predradnici"},
    {.name = "PokecRadnice", .parent = "Radnice", .kind = "label", .left = 550, .top = 202, .width = 39, .height = 23,
     .visibleAtStart = true, .transparent = true, .role = "talk (mayor)"},

    // ---- Radnice: faces and figures
    {.name = "Rhlava", .parent = "Radnice", .kind = "picture", .left = 208, .top = 86, .width = 167, .height = 185,
     .pictureWidth = 147, .pictureHeight = 177, .visibleAtStart = true, .role = "detective head"},
    {.name = "Roci", .parent = "Radnice", .kind = "GIF", .left = 248, .top = 108, .width = 90, .height = 93,
     .pictureWidth = 90, .pictureHeight = 93, .frames = 36, .visibleAtStart = true, .role = "detective eyes"},
    {.name = "Rpusa", .parent = "Radnice", .kind = "GIF", .left = 270, .top = 174, .width = 63, .height = 58,
     .pictureWidth = 70, .pictureHeight = 58, .frames = 13, .visibleAtStart = true, .role = "detective mouth"},
    {.name = "Rmluva", .parent = "Radnice", .kind = "GIF", .left = 286, .top = 212, .width = 38, .height = 22,
     .pictureWidth = 38, .pictureHeight = 22, .frames = 3, .visibleAtStart = false,
     .role = "detective talking mouth"},
    {.name = "Rpopis", .parent = "Radnice", .kind = "GIF", .left = 172, .top = 84, .width = 169, .height = 178,
     .pictureWidth = 160, .pictureHeight = 180, .frames = 5, .visibleAtStart = false,
     .role = "detective description animation"},
    {.name = "Starostaoci", .parent = "Radnice", .kind = "GIF", .left = 542, .top = 135, .width = 51, .height = 56,
     .pictureWidth = 51, .pictureHeight = 51, .frames = 37, .visibleAtStart = true, .role = "mayor eyes"},
    {.name = "Starostapusa", .parent = "Radnice", .kind = "GIF", .left = 552, .top = 207, .width = 35, .height = 11,
     .pictureWidth = 35, .pictureHeight = 18, .frames = 20, .visibleAtStart = true, .role = "mayor mouth"},
    {.name = "Starostapusamluva", .parent = "Radnice", .kind = "GIF", .left = 552, .top = 202, .width = 33,
     .height = 20, .pictureWidth = 50, .pictureHeight = 20, .frames = 3, .visibleAtStart = false,
     .role = "mayor talking mouth"},
    {.name = "Starostaocimluva", .parent = "Radnice", .kind = "GIF", .left = 542, .top = 134, .width = 51,
     .height = 57, .pictureWidth = 51, .pictureHeight = 51, .frames = 9, .visibleAtStart = false,
     .role = "mayor eyes in a talk"},

    // ---- Predsoudem: exits, talk hotspot, other pictures and labels
    // right edge
    {.name = "Label16", .parent = "Predsoudem", .kind = "label", .left = 980, .top = 0, .width = 45, .height = 625,
     .visibleAtStart = true, .transparent = true, .role = "exit to Predradnici", .exitTo = "Predradnici"},
    // left edge
    {.name = "Label18", .parent = "Predsoudem", .kind = "label", .left = 0, .top = -2, .width = 45, .height = 627,
     .visibleAtStart = true, .transparent = true, .role = "exit to Predveznici", .exitTo = "Predveznici"},
    // sized to its caption; clickable for a description
    {.name = "Label15", .parent = "Predsoudem", .kind = "label", .left = 262, .top = 182, .visibleAtStart = true,
     .transparent = true, .captionCz = "OSADNÍ SOUD", .captionEn = "LOCAL COURT", .fontName = "MS Sans Serif",
     .fontPixels = 16, .fontColour = "clNavy", .role = "court sign"},

    // ---- Predsoudem: faces and figures
    {.name = "PsHlava", .parent = "Predsoudem", .kind = "picture", .left = 430, .top = 96, .width = 200,
     .height = 180, .pictureWidth = 200, .pictureHeight = 180, .visibleAtStart = true, .role = "detective head"},
    {.name = "PsOci", .parent = "Predsoudem", .kind = "GIF", .left = 460, .top = 120, .width = 100, .height = 80,
     .pictureWidth = 100, .pictureHeight = 80, .frames = 61, .visibleAtStart = true, .role = "detective eyes"},
    {.name = "PsPusa", .parent = "Predsoudem", .kind = "GIF", .left = 470, .top = 222, .width = 80, .height = 30,
     .pictureWidth = 80, .pictureHeight = 30, .frames = 30, .visibleAtStart = true, .role = "detective mouth"},
    {.name = "PsPopis", .parent = "Predsoudem", .kind = "GIF", .left = 428, .top = 88, .width = 160, .height = 180,
     .pictureWidth = 160, .pictureHeight = 180, .frames = 5, .visibleAtStart = false,
     .role = "detective description animation"},
    // plays once per run; started and reset by the bird timer, reset by the exits leaving the court
    {.name = "Ptak", .parent = "Predsoudem", .kind = "GIF", .left = 698, .top = 80, .width = 60, .height = 60,
     .pictureWidth = 60, .pictureHeight = 60, .frames = 12, .visibleAtStart = true, .loop = false,
     .role = "bird flight"},

    // ---- Predveznici: exits, talk hotspot, other pictures and labels
    // right edge
    {.name = "Label17", .parent = "Predveznici", .kind = "label", .left = 982, .top = -2, .width = 45, .height = 629,
     .visibleAtStart = true, .transparent = true, .role = "exit to Predsoudem", .exitTo = "Predsoudem"},
    // prison door
    {.name = "Label19", .parent = "Predveznici", .kind = "label", .left = 696, .top = 292, .width = 93, .height = 133,
     .visibleAtStart = true, .transparent = true, .role = "exit to Veveznici", .exitTo = "Veveznici"},
    // prison door
    {.name = "Label20", .parent = "Predveznici", .kind = "label", .left = 694, .top = 284, .width = 95, .height = 13,
     .visibleAtStart = true, .transparent = true, .role = "exit to Veveznici", .exitTo = "Veveznici"},
    // prison door
    {.name = "Label21", .parent = "Predveznici", .kind = "label", .left = 718, .top = 278, .width = 59, .height = 13,
     .visibleAtStart = true, .transparent = true, .role = "exit to Veveznici", .exitTo = "Veveznici"},
    // Label24 .. Label35: 12 labels that together build the forest path over x 240..467,
    // y 190..309. Their own bounds are not given: each gets an even share of that extent,
    // as a horizontal strip of the full width, so together they cover it exactly.
    {.name = "Label24", .parent = "Predveznici", .kind = "label", .left = 240, .top = 190, .width = 227, .height = 10,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les1", .exitTo = "Les1"},
    {.name = "Label25", .parent = "Predveznici", .kind = "label", .left = 240, .top = 200, .width = 227, .height = 10,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les1", .exitTo = "Les1"},
    {.name = "Label26", .parent = "Predveznici", .kind = "label", .left = 240, .top = 210, .width = 227, .height = 10,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les1", .exitTo = "Les1"},
    {.name = "Label27", .parent = "Predveznici", .kind = "label", .left = 240, .top = 220, .width = 227, .height = 10,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les1", .exitTo = "Les1"},
    {.name = "Label28", .parent = "Predveznici", .kind = "label", .left = 240, .top = 230, .width = 227, .height = 10,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les1", .exitTo = "Les1"},
    {.name = "Label29", .parent = "Predveznici", .kind = "label", .left = 240, .top = 240, .width = 227, .height = 10,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les1", .exitTo = "Les1"},
    {.name = "Label30", .parent = "Predveznici", .kind = "label", .left = 240, .top = 250, .width = 227, .height = 10,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les1", .exitTo = "Les1"},
    {.name = "Label31", .parent = "Predveznici", .kind = "label", .left = 240, .top = 260, .width = 227, .height = 10,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les1", .exitTo = "Les1"},
    {.name = "Label32", .parent = "Predveznici", .kind = "label", .left = 240, .top = 270, .width = 227, .height = 10,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les1", .exitTo = "Les1"},
    {.name = "Label33", .parent = "Predveznici", .kind = "label", .left = 240, .top = 280, .width = 227, .height = 10,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les1", .exitTo = "Les1"},
    {.name = "Label34", .parent = "Predveznici", .kind = "label", .left = 240, .top = 290, .width = 227, .height = 10,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les1", .exitTo = "Les1"},
    {.name = "Label35", .parent = "Predveznici", .kind = "label", .left = 240, .top = 300, .width = 227, .height = 9,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les1", .exitTo = "Les1"},
    {.name = "Label118", .parent = "Predveznici", .kind = "label", .left = 64, .top = 444, .width = 63, .height = 21,
     .visibleAtStart = true, .transparent = true, .role = "talk (Bush Man)"},
    // Label118 offers the talk cursor and starts a talk only while Krovakvp is past frame 6.

    // ---- Predveznici: faces and figures
    {.name = "PvHlava", .parent = "Predveznici", .kind = "picture", .left = 408, .top = 132, .width = 170,
     .height = 180, .pictureWidth = 170, .pictureHeight = 180, .visibleAtStart = true, .role = "detective head"},
    {.name = "Pvoci", .parent = "Predveznici", .kind = "GIF", .left = 447, .top = 152, .width = 90, .height = 90,
     .pictureWidth = 90, .pictureHeight = 90, .frames = 30, .visibleAtStart = true, .role = "detective eyes"},
    {.name = "Pvpusa", .parent = "Predveznici", .kind = "GIF", .left = 456, .top = 253, .width = 37, .height = 26,
     .pictureWidth = 30, .pictureHeight = 20, .frames = 16, .visibleAtStart = true, .role = "detective mouth"},
    {.name = "PvMluva", .parent = "Predveznici", .kind = "GIF", .left = 458, .top = 261, .width = 33, .height = 20,
     .pictureWidth = 50, .pictureHeight = 30, .frames = 3, .visibleAtStart = false,
     .role = "detective talking mouth"},
    {.name = "PvPopis", .parent = "Predveznici", .kind = "GIF", .left = 450, .top = 136, .width = 160, .height = 180,
     .pictureWidth = 160, .pictureHeight = 180, .frames = 5, .visibleAtStart = false,
     .role = "detective description animation"},
    {.name = "Krovak", .parent = "Predveznici", .kind = "picture", .left = 18, .top = 268, .width = 161,
     .height = 313, .pictureWidth = 550, .pictureHeight = 360, .visibleAtStart = false,
     .role = "Bush Man standing picture"},
    {.name = "Krovakoci", .parent = "Predveznici", .kind = "GIF", .left = 43, .top = 328, .width = 100, .height = 100,
     .pictureWidth = 100, .pictureHeight = 100, .frames = 14, .visibleAtStart = false, .role = "Bush Man eyes"},
    // its change event runs the same procedure as a click on the head
    {.name = "Krovakpusa", .parent = "Predveznici", .kind = "GIF", .left = 62, .top = 430, .width = 73, .height = 40,
     .pictureWidth = 60, .pictureHeight = 40, .frames = 3, .visibleAtStart = false, .role = "Bush Man talking mouth"},
    // plays once, hides itself at its end; frame index > 6 means the Bush Man is out of the bush
    {.name = "Krovakvp", .parent = "Predveznici", .kind = "GIF", .left = 18, .top = 266, .width = 157, .height = 299,
     .pictureWidth = 550, .pictureHeight = 360, .frames = 23, .visibleAtStart = false, .loop = false,
     .role = "Bush Man idle animation in the bush"},

    // ---- Veveznici: exits, talk hotspot, other pictures and labels
    // right edge
    {.name = "Label22", .parent = "Veveznici", .kind = "label", .left = 982, .top = 0, .width = 45, .height = 631,
     .visibleAtStart = true, .transparent = true, .role = "exit to Predveznici", .exitTo = "Predveznici"},
    {.name = "Label122", .parent = "Veveznici", .kind = "label", .left = 264, .top = 226, .width = 51, .height = 17,
     .visibleAtStart = true, .transparent = true, .role = "talk (sheriff)"},

    // ---- Veveznici: faces and figures
    {.name = "Vvhlava", .parent = "Veveznici", .kind = "picture", .left = 692, .top = 92, .width = 170, .height = 180,
     .pictureWidth = 170, .pictureHeight = 180, .visibleAtStart = true, .role = "detective head"},
    {.name = "Vvoci", .parent = "Veveznici", .kind = "GIF", .left = 726, .top = 114, .width = 90, .height = 90,
     .pictureWidth = 90, .pictureHeight = 90, .frames = 30, .visibleAtStart = true, .role = "detective eyes"},
    {.name = "Vvpusa", .parent = "Veveznici", .kind = "GIF", .left = 739, .top = 219, .width = 37, .height = 20,
     .pictureWidth = 30, .pictureHeight = 20, .frames = 16, .visibleAtStart = true, .role = "detective mouth"},
    {.name = "Vvmluva", .parent = "Veveznici", .kind = "GIF", .left = 743, .top = 217, .width = 33, .height = 30,
     .pictureWidth = 50, .pictureHeight = 30, .frames = 3, .visibleAtStart = false,
     .role = "detective talking mouth"},
    {.name = "Vvpopis", .parent = "Veveznici", .kind = "GIF", .left = 739, .top = 93, .width = 160, .height = 180,
     .pictureWidth = 160, .pictureHeight = 180, .frames = 5, .visibleAtStart = false,
     .role = "detective description animation"},
    {.name = "Serifoci", .parent = "Veveznici", .kind = "GIF", .left = 244, .top = 146, .width = 91, .height = 60,
     .pictureWidth = 91, .pictureHeight = 60, .frames = 31, .visibleAtStart = true, .role = "sheriff eyes"},
    {.name = "Serifpusa", .parent = "Veveznici", .kind = "GIF", .left = 264, .top = 218, .width = 50, .height = 25,
     .pictureWidth = 50, .pictureHeight = 20, .frames = 12, .visibleAtStart = true, .role = "sheriff mouth"},
    {.name = "Serifmluva", .parent = "Veveznici", .kind = "GIF", .left = 264, .top = 222, .width = 50, .height = 20,
     .pictureWidth = 50, .pictureHeight = 20, .frames = 3, .visibleAtStart = false, .role = "sheriff talking mouth"},
    {.name = "Serifocimluva", .parent = "Veveznici", .kind = "GIF", .left = 243, .top = 146, .width = 91,
     .height = 60, .pictureWidth = 91, .pictureHeight = 60, .frames = 18, .visibleAtStart = false,
     .role = "sheriff eyes in a talk"},

    // ---- Uzlocinkyne: exits, talk hotspot, other pictures and labels
    // bottom strip
    {.name = "Label87", .parent = "Uzlocinkyne", .kind = "label", .left = 0, .top = 588, .width = 1024, .height = 45,
     .visibleAtStart = true, .transparent = true, .role = "exit to Predhospodou", .exitTo = "Predhospodou"},

    // ---- Uzlocinkyne: faces and figures
    {.name = "Uzhlava", .parent = "Uzlocinkyne", .kind = "picture", .left = 444, .top = 26, .width = 209,
     .height = 213, .pictureWidth = 170, .pictureHeight = 180, .visibleAtStart = true, .role = "detective head"},
    {.name = "UzOci", .parent = "Uzlocinkyne", .kind = "GIF", .left = 504, .top = 50, .width = 110, .height = 113,
     .pictureWidth = 110, .pictureHeight = 113, .frames = 36, .visibleAtStart = true, .role = "detective eyes"},
    {.name = "Uzpusa", .parent = "Uzlocinkyne", .kind = "GIF", .left = 540, .top = 146, .width = 64, .height = 53,
     .pictureWidth = 60, .pictureHeight = 49, .frames = 13, .visibleAtStart = true, .role = "detective mouth"},
    {.name = "UzPopis", .parent = "Uzlocinkyne", .kind = "GIF", .left = 428, .top = 24, .width = 230, .height = 207,
     .pictureWidth = 230, .pictureHeight = 207, .frames = 5, .visibleAtStart = false,
     .role = "detective description animation"},

    // ---- Les1: exits, talk hotspot, other pictures and labels
    // left edge
    {.name = "Label23", .parent = "Les1", .kind = "label", .left = 0, .top = -4, .width = 45, .height = 780,
     .visibleAtStart = true, .transparent = true, .role = "exit to Predveznici", .exitTo = "Predveznici"},
    // right edge
    {.name = "Label37", .parent = "Les1", .kind = "label", .left = 971, .top = -4, .width = 45, .height = 1100,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les2", .exitTo = "Les2"},
    {.name = "PokecL1", .parent = "Les1", .kind = "label", .left = 734, .top = 102, .width = 39, .height = 23,
     .visibleAtStart = true, .transparent = true, .role = "talk (druid)"},

    // ---- Les1: faces and figures
    {.name = "L1hlava", .parent = "Les1", .kind = "picture", .left = 190, .top = 74, .width = 167, .height = 187,
     .pictureWidth = 160, .pictureHeight = 180, .visibleAtStart = true, .role = "detective head"},
    {.name = "L1oci", .parent = "Les1", .kind = "GIF", .left = 222, .top = 98, .width = 100, .height = 80,
     .pictureWidth = 100, .pictureHeight = 80, .frames = 61, .visibleAtStart = true, .role = "detective eyes"},
    {.name = "L1pusa", .parent = "Les1", .kind = "GIF", .left = 230, .top = 200, .width = 80, .height = 30,
     .pictureWidth = 80, .pictureHeight = 30, .frames = 30, .visibleAtStart = true, .role = "detective mouth"},
    {.name = "L1mluva", .parent = "Les1", .kind = "GIF", .left = 248, .top = 206, .width = 40, .height = 18,
     .pictureWidth = 40, .pictureHeight = 18, .frames = 5, .visibleAtStart = false,
     .role = "detective talking mouth"},
    {.name = "L1ocimluva", .parent = "Les1", .kind = "GIF", .left = 222, .top = 100, .width = 100, .height = 80,
     .pictureWidth = 100, .pictureHeight = 80, .frames = 16, .visibleAtStart = false,
     .role = "detective eyes in a talk"},
    {.name = "L1popis", .parent = "Les1", .kind = "GIF", .left = 188, .top = 74, .width = 170, .height = 180,
     .pictureWidth = 170, .pictureHeight = 180, .frames = 5, .visibleAtStart = false,
     .role = "detective description animation"},
    {.name = "Drujdoci", .parent = "Les1", .kind = "GIF", .left = 727, .top = 48, .width = 50, .height = 45,
     .pictureWidth = 50, .pictureHeight = 45, .frames = 39, .visibleAtStart = true, .role = "druid eyes"},
    {.name = "Drujdpusa", .parent = "Les1", .kind = "GIF", .left = 736, .top = 110, .width = 37, .height = 5,
     .pictureWidth = 47, .pictureHeight = 18, .frames = 9, .visibleAtStart = true, .role = "druid mouth"},
    {.name = "Drujdpusamluva", .parent = "Les1", .kind = "GIF", .left = 736, .top = 106, .width = 35, .height = 13,
     .pictureWidth = 47, .pictureHeight = 18, .frames = 3, .visibleAtStart = false, .role = "druid talking mouth"},
    {.name = "Drujdocimluva", .parent = "Les1", .kind = "GIF", .left = 728, .top = 47, .width = 50, .height = 54,
     .pictureWidth = 51, .pictureHeight = 47, .frames = 14, .visibleAtStart = false, .role = "druid eyes in a talk"},

    // ---- Les2: exits, talk hotspot, other pictures and labels
    // left edge
    {.name = "Label36", .parent = "Les2", .kind = "label", .left = 0, .top = -475, .width = 45, .height = 1100,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les1", .exitTo = "Les1"},
    // right edge; shown once the bush is cut
    {.name = "Label39", .parent = "Les2", .kind = "label", .left = 978, .top = -2, .width = 45, .height = 659,
     .visibleAtStart = false, .transparent = true, .role = "exit to Les3", .exitTo = "Les3"},

    // ---- Les2: faces and figures
    {.name = "L2hlava", .parent = "Les2", .kind = "picture", .left = 254, .top = 88, .width = 161, .height = 185,
     .pictureWidth = 160, .pictureHeight = 180, .visibleAtStart = true, .role = "detective head"},
    {.name = "L2oci", .parent = "Les2", .kind = "GIF", .left = 284, .top = 112, .width = 100, .height = 80,
     .pictureWidth = 100, .pictureHeight = 80, .frames = 61, .visibleAtStart = true, .role = "detective eyes"},
    {.name = "L2Pusa", .parent = "Les2", .kind = "GIF", .left = 294, .top = 214, .width = 63, .height = 31,
     .pictureWidth = 80, .pictureHeight = 30, .frames = 30, .visibleAtStart = true, .role = "detective mouth"},
    {.name = "L2Popis", .parent = "Les2", .kind = "GIF", .left = 254, .top = 90, .width = 170, .height = 180,
     .pictureWidth = 170, .pictureHeight = 180, .frames = 5, .visibleAtStart = false,
     .role = "detective description animation"},
    // stands where Label39 is; shown while the bush is uncut
    {.name = "Ker", .parent = "Les2", .kind = "picture", .left = 728, .top = 326, .width = 298, .height = 298,
     .pictureWidth = 298, .pictureHeight = 298, .visibleAtStart = true, .transparent = true, .role = "bush"},

    // ---- Les3: exits, talk hotspot, other pictures and labels
    // left edge
    {.name = "Label38", .parent = "Les3", .kind = "label", .left = 0, .top = -2, .width = 45, .height = 635,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les2", .exitTo = "Les2"},

    // ---- Les3: faces and figures
    {.name = "L3hlava", .parent = "Les3", .kind = "picture", .left = 350, .top = 66, .width = 160, .height = 180,
     .pictureWidth = 160, .pictureHeight = 180, .visibleAtStart = true, .role = "detective head"},
    {.name = "L3oci", .parent = "Les3", .kind = "GIF", .left = 382, .top = 88, .width = 100, .height = 80,
     .pictureWidth = 100, .pictureHeight = 80, .frames = 61, .visibleAtStart = true, .role = "detective eyes"},
    {.name = "L3pusa", .parent = "Les3", .kind = "GIF", .left = 390, .top = 190, .width = 80, .height = 30,
     .pictureWidth = 80, .pictureHeight = 30, .frames = 30, .visibleAtStart = true, .role = "detective mouth"},
    {.name = "L3Popis", .parent = "Les3", .kind = "GIF", .left = 350, .top = 66, .width = 170, .height = 180,
     .pictureWidth = 170, .pictureHeight = 180, .frames = 5, .visibleAtStart = false,
     .role = "detective description animation"},
    // shown when she is found
    {.name = "Dcerka", .parent = "Les3", .kind = "GIF", .left = 600, .top = 148, .width = 136, .height = 243,
     .pictureWidth = 136, .pictureHeight = 243, .frames = 5, .visibleAtStart = false,
     .role = "Bush Man's daughter figure"},

    // ---- Les4: exits, talk hotspot, other pictures and labels
    // Label63 .. Label86: 24 labels that together build the path back over x 50..131,
    // y 82..545. Their own bounds are not given: each gets an even share of that extent,
    // as a horizontal strip of the full width, so together they cover it exactly.
    {.name = "Label63", .parent = "Les4", .kind = "label", .left = 50, .top = 82, .width = 81, .height = 20,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label64", .parent = "Les4", .kind = "label", .left = 50, .top = 102, .width = 81, .height = 20,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label65", .parent = "Les4", .kind = "label", .left = 50, .top = 122, .width = 81, .height = 20,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label66", .parent = "Les4", .kind = "label", .left = 50, .top = 142, .width = 81, .height = 20,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label67", .parent = "Les4", .kind = "label", .left = 50, .top = 162, .width = 81, .height = 20,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label68", .parent = "Les4", .kind = "label", .left = 50, .top = 182, .width = 81, .height = 20,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label69", .parent = "Les4", .kind = "label", .left = 50, .top = 202, .width = 81, .height = 20,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label70", .parent = "Les4", .kind = "label", .left = 50, .top = 222, .width = 81, .height = 19,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label71", .parent = "Les4", .kind = "label", .left = 50, .top = 241, .width = 81, .height = 19,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label72", .parent = "Les4", .kind = "label", .left = 50, .top = 260, .width = 81, .height = 19,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label73", .parent = "Les4", .kind = "label", .left = 50, .top = 279, .width = 81, .height = 19,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label74", .parent = "Les4", .kind = "label", .left = 50, .top = 298, .width = 81, .height = 19,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label75", .parent = "Les4", .kind = "label", .left = 50, .top = 317, .width = 81, .height = 19,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label76", .parent = "Les4", .kind = "label", .left = 50, .top = 336, .width = 81, .height = 19,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label77", .parent = "Les4", .kind = "label", .left = 50, .top = 355, .width = 81, .height = 19,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label78", .parent = "Les4", .kind = "label", .left = 50, .top = 374, .width = 81, .height = 19,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label79", .parent = "Les4", .kind = "label", .left = 50, .top = 393, .width = 81, .height = 19,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label80", .parent = "Les4", .kind = "label", .left = 50, .top = 412, .width = 81, .height = 19,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label81", .parent = "Les4", .kind = "label", .left = 50, .top = 431, .width = 81, .height = 19,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label82", .parent = "Les4", .kind = "label", .left = 50, .top = 450, .width = 81, .height = 19,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label83", .parent = "Les4", .kind = "label", .left = 50, .top = 469, .width = 81, .height = 19,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label84", .parent = "Les4", .kind = "label", .left = 50, .top = 488, .width = 81, .height = 19,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label85", .parent = "Les4", .kind = "label", .left = 50, .top = 507, .width = 81, .height = 19,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    {.name = "Label86", .parent = "Les4", .kind = "label", .left = 50, .top = 526, .width = 81, .height = 19,
     .visibleAtStart = true, .transparent = true, .role = "exit to Natrzisti", .exitTo = "Natrzisti"},
    // right edge
    {.name = "Label98", .parent = "Les4", .kind = "label", .left = 982, .top = -2, .width = 45, .height = 800,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les5", .exitTo = "Les5"},

    // ---- Les4: faces and figures
    {.name = "L4Hlava", .parent = "Les4", .kind = "picture", .left = 448, .top = 68, .width = 153, .height = 183,
     .pictureWidth = 160, .pictureHeight = 180, .visibleAtStart = true, .role = "detective head"},
    {.name = "L4Oci", .parent = "Les4", .kind = "GIF", .left = 478, .top = 94, .width = 100, .height = 80,
     .pictureWidth = 100, .pictureHeight = 80, .frames = 61, .visibleAtStart = true, .role = "detective eyes"},
    {.name = "L4Pusa", .parent = "Les4", .kind = "GIF", .left = 486, .top = 192, .width = 80, .height = 30,
     .pictureWidth = 80, .pictureHeight = 30, .frames = 30, .visibleAtStart = true, .role = "detective mouth"},
    {.name = "L4Popis", .parent = "Les4", .kind = "GIF", .left = 448, .top = 68, .width = 170, .height = 180,
     .pictureWidth = 170, .pictureHeight = 180, .frames = 5, .visibleAtStart = false,
     .role = "detective description animation"},

    // ---- Les5: exits, talk hotspot, other pictures and labels
    // left edge
    {.name = "Label97", .parent = "Les5", .kind = "label", .left = 0, .top = -2, .width = 45, .height = 780,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les4", .exitTo = "Les4"},
    // right edge; passable once the ranger lets the detective go
    {.name = "Label99", .parent = "Les5", .kind = "label", .left = 982, .top = -26, .width = 45, .height = 655,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les6", .exitTo = "Les6"},
    {.name = "PokecL5", .parent = "Les5", .kind = "label", .left = 684, .top = 172, .width = 44, .height = 19,
     .visibleAtStart = true, .transparent = true, .role = "talk (ranger)"},

    // ---- Les5: faces and figures
    {.name = "L5Hlava", .parent = "Les5", .kind = "picture", .left = 276, .top = 66, .width = 151, .height = 207,
     .pictureWidth = 147, .pictureHeight = 177, .visibleAtStart = true, .role = "detective head"},
    {.name = "L5oci", .parent = "Les5", .kind = "GIF", .left = 318, .top = 89, .width = 89, .height = 92,
     .pictureWidth = 89, .pictureHeight = 92, .frames = 36, .visibleAtStart = true, .role = "detective eyes"},
    {.name = "L5pusa", .parent = "Les5", .kind = "GIF", .left = 342, .top = 164, .width = 60, .height = 49,
     .pictureWidth = 60, .pictureHeight = 49, .frames = 13, .visibleAtStart = true, .role = "detective mouth"},
    {.name = "L5mluva", .parent = "Les5", .kind = "GIF", .left = 358, .top = 192, .width = 31, .height = 27,
     .pictureWidth = 43, .pictureHeight = 25, .frames = 3, .visibleAtStart = false,
     .role = "detective talking mouth"},
    {.name = "L5Popis", .parent = "Les5", .kind = "GIF", .left = 250, .top = 64, .width = 170, .height = 180,
     .pictureWidth = 170, .pictureHeight = 180, .frames = 5, .visibleAtStart = false,
     .role = "detective description animation"},
    {.name = "hranicaroci", .parent = "Les5", .kind = "GIF", .left = 677, .top = 101, .width = 62, .height = 60,
     .pictureWidth = 55, .pictureHeight = 55, .frames = 52, .visibleAtStart = true, .role = "ranger eyes"},
    {.name = "hranicarpusa", .parent = "Les5", .kind = "GIF", .left = 682, .top = 170, .width = 50, .height = 20,
     .pictureWidth = 50, .pictureHeight = 20, .frames = 31, .visibleAtStart = true, .role = "ranger mouth"},
    {.name = "hranicarmluva", .parent = "Les5", .kind = "GIF", .left = 686, .top = 166, .width = 41, .height = 27,
     .pictureWidth = 41, .pictureHeight = 27, .frames = 3, .visibleAtStart = false, .role = "ranger talking mouth"},
    {.name = "hranicarocimluva", .parent = "Les5", .kind = "GIF", .left = 672, .top = 96, .width = 66, .height = 65,
     .pictureWidth = 66, .pictureHeight = 61, .frames = 37, .visibleAtStart = false, .role = "ranger eyes in a talk"},

    // ---- Les6: exits, talk hotspot, other pictures and labels
    // left edge
    {.name = "Label40", .parent = "Les6", .kind = "label", .left = 0, .top = 2, .width = 45, .height = 625,
     .visibleAtStart = true, .transparent = true, .role = "exit to Les5", .exitTo = "Les5"},
    // Label100 .. Label112: 13 labels that together build the cave mouth over x 420..637,
    // y 124..393. Their own bounds are not given: each gets an even share of that extent,
    // as a horizontal strip of the full width, so together they cover it exactly.
    {.name = "Label100", .parent = "Les6", .kind = "label", .left = 420, .top = 124, .width = 217, .height = 21,
     .visibleAtStart = true, .transparent = true, .role = "exit to Vjeskyni", .exitTo = "Vjeskyni"},
    {.name = "Label101", .parent = "Les6", .kind = "label", .left = 420, .top = 145, .width = 217, .height = 21,
     .visibleAtStart = true, .transparent = true, .role = "exit to Vjeskyni", .exitTo = "Vjeskyni"},
    {.name = "Label102", .parent = "Les6", .kind = "label", .left = 420, .top = 166, .width = 217, .height = 21,
     .visibleAtStart = true, .transparent = true, .role = "exit to Vjeskyni", .exitTo = "Vjeskyni"},
    {.name = "Label103", .parent = "Les6", .kind = "label", .left = 420, .top = 187, .width = 217, .height = 21,
     .visibleAtStart = true, .transparent = true, .role = "exit to Vjeskyni", .exitTo = "Vjeskyni"},
    {.name = "Label104", .parent = "Les6", .kind = "label", .left = 420, .top = 208, .width = 217, .height = 21,
     .visibleAtStart = true, .transparent = true, .role = "exit to Vjeskyni", .exitTo = "Vjeskyni"},
    {.name = "Label105", .parent = "Les6", .kind = "label", .left = 420, .top = 229, .width = 217, .height = 21,
     .visibleAtStart = true, .transparent = true, .role = "exit to Vjeskyni", .exitTo = "Vjeskyni"},
    {.name = "Label106", .parent = "Les6", .kind = "label", .left = 420, .top = 250, .width = 217, .height = 21,
     .visibleAtStart = true, .transparent = true, .role = "exit to Vjeskyni", .exitTo = "Vjeskyni"},
    {.name = "Label107", .parent = "Les6", .kind = "label", .left = 420, .top = 271, .width = 217, .height = 21,
     .visibleAtStart = true, .transparent = true, .role = "exit to Vjeskyni", .exitTo = "Vjeskyni"},
    {.name = "Label108", .parent = "Les6", .kind = "label", .left = 420, .top = 292, .width = 217, .height = 21,
     .visibleAtStart = true, .transparent = true, .role = "exit to Vjeskyni", .exitTo = "Vjeskyni"},
    {.name = "Label109", .parent = "Les6", .kind = "label", .left = 420, .top = 313, .width = 217, .height = 20,
     .visibleAtStart = true, .transparent = true, .role = "exit to Vjeskyni", .exitTo = "Vjeskyni"},
    {.name = "Label110", .parent = "Les6", .kind = "label", .left = 420, .top = 333, .width = 217, .height = 20,
     .visibleAtStart = true, .transparent = true, .role = "exit to Vjeskyni", .exitTo = "Vjeskyni"},
    {.name = "Label111", .parent = "Les6", .kind = "label", .left = 420, .top = 353, .width = 217, .height = 20,
     .visibleAtStart = true, .transparent = true, .role = "exit to Vjeskyni", .exitTo = "Vjeskyni"},
    {.name = "Label112", .parent = "Les6", .kind = "label", .left = 420, .top = 373, .width = 217, .height = 20,
     .visibleAtStart = true, .transparent = true, .role = "exit to Vjeskyni", .exitTo = "Vjeskyni"},

    // ---- Les6: faces and figures
    {.name = "L6Hlava", .parent = "Les6", .kind = "picture", .left = 112, .top = 64, .width = 165, .height = 191,
     .pictureWidth = 147, .pictureHeight = 177, .visibleAtStart = true, .role = "detective head"},
    {.name = "L6oci", .parent = "Les6", .kind = "GIF", .left = 152, .top = 86, .width = 89, .height = 92,
     .pictureWidth = 89, .pictureHeight = 92, .frames = 36, .visibleAtStart = true, .role = "detective eyes"},
    {.name = "L6pusa", .parent = "Les6", .kind = "GIF", .left = 170, .top = 168, .width = 60, .height = 49,
     .pictureWidth = 60, .pictureHeight = 49, .frames = 13, .visibleAtStart = true, .role = "detective mouth"},
    {.name = "L6Popis", .parent = "Les6", .kind = "GIF", .left = 82, .top = 62, .width = 170, .height = 180,
     .pictureWidth = 170, .pictureHeight = 180, .frames = 5, .visibleAtStart = false,
     .role = "detective description animation"},

    // ---- Text interludes: one caption label each, sized to its caption (width 0)
    {.name = "Zprava", .parent = "Textanimace", .kind = "label", .left = 358, .top = 326, .height = 43,
     .visibleAtStart = true, .transparent = true, .captionCz = "O čtyři hodiny později.",
     .captionEn = "   Four hours later.", .fontName = "Monotype Corsiva", .fontPixels = 35, .fontColour = "clWhite",
     .bold = true, .italic = true, .role = "interlude caption"},
    {.name = "Zprava2", .parent = "Textanimace2", .kind = "label", .left = 138, .top = 326, .height = 43,
     .visibleAtStart = true, .transparent = true,
     .captionCz = "O jednu propracovanou animaci lezení na strom později.",
     .captionEn = " One elaborated animation of climbing the tree later.", .fontName = "Monotype Corsiva",
     .fontPixels = 35, .fontColour = "clWhite", .bold = true, .italic = true, .role = "interlude caption"},
    // moved 130 px left in English
    {.name = "Zprava3", .parent = "Textanimace3", .kind = "label", .left = 198, .top = 326, .height = 43,
     .visibleAtStart = true, .transparent = true, .captionCz = "A tak jsi vrátil dceru od křováka zpět křovákovi.",
     .captionEn = "This way you get the Bush Man's daughter back to the Bush Man.", .fontName = "Monotype Corsiva",
     .fontPixels = 35, .fontColour = "clWhite", .bold = true, .italic = true, .role = "interlude caption"},
    {.name = "Zprava4", .parent = "Textanimace4", .kind = "label", .left = 298, .top = 326, .height = 43,
     .visibleAtStart = true, .transparent = true, .captionCz = "O pár hodin prosekávání se později.",
     .captionEn = "Few hours of mowing through later.", .fontName = "Monotype Corsiva", .fontPixels = 35,
     .fontColour = "clWhite", .bold = true, .italic = true, .role = "interlude caption"},
    {.name = "Zprava5", .parent = "Textanimace5", .kind = "label", .left = 378, .top = 326, .height = 43,
     .visibleAtStart = true, .transparent = false, .captionCz = "O půl hodiny později.",
     .captionEn = "  Half an hour later.", .fontName = "Monotype Corsiva", .fontPixels = 35, .fontColour = "clWhite",
     .bold = true, .italic = true, .role = "interlude caption", .backColour = "clBlack"},
    {.name = "Zprava6", .parent = "Textanimace6", .kind = "label", .left = 238, .top = 326, .height = 43,
     .visibleAtStart = true, .transparent = false, .captionCz = "O jedno vykopání místního pokladu později.",
     .captionEn = "     One dig out of local fortune later.", .fontName = "Monotype Corsiva", .fontPixels = 35,
     .fontColour = "clWhite", .bold = true, .italic = true, .role = "interlude caption", .backColour = "clBlack"},
    // ANSI character set (the other captions: East European)
    {.name = "Zprava7", .parent = "Textanimace7", .kind = "label", .left = 484, .top = 326, .height = 43,
     .visibleAtStart = true, .transparent = false, .captionCz = "Cvak!", .captionEn = "Click!",
     .fontName = "Monotype Corsiva", .fontPixels = 35, .fontColour = "clWhite", .bold = true, .italic = true,
     .ansiCharset = true, .role = "interlude caption", .backColour = "clBlack"},
    // no picture: shows nothing even when shown or started
    {.name = "RxGIFAnimator8", .parent = "Textanimace7", .kind = "GIF", .left = 450, .top = 96, .width = 105,
     .height = 105, .visibleAtStart = true, .role = "empty animation"},

    // ---- Contents of the non-location panels. Bounds 0 where not given; visibility not given is taken as shown
    // (the content of a panel that is itself hidden at start).
    {.name = "DXDraw1", .parent = "Rukpal", .kind = "drawing surface", .left = 332, .top = 42, .width = 447,
     .height = 573, .visibleAtStart = true, .role = "table game surface"},
    {.name = "Cas", .parent = "Rukpal", .kind = "label", .left = 946, .top = 580, .visibleAtStart = true,
     .transparent = true, .captionCz = "0", .fontName = "MS Sans Serif", .fontPixels = 32,
     .fontColour = "clMaroon", .bold = true, .role = "table clock"},
    {.name = "Label2", .parent = "Rukpal", .kind = "label", .left = 88, .top = 40, .visibleAtStart = true,
     .transparent = true, .captionCz = "VSADIT SI",
     .captionEn = "STAKE DOWN", .fontName = "MS Sans Serif", .fontPixels = 27, .fontColour = "clYellow", .bold = true,
     .role = "place a bet"},
    {.name = "Label9", .parent = "Rukpal", .kind = "label", .left = 28, .top = 584, .visibleAtStart = true,
     .transparent = true, .captionCz = "Zlaťáků:",
     .captionEn = "Bucks:", .fontName = "MS Sans Serif", .fontPixels = 18, .fontColour = "clYellow", .bold = true,
     .role = "coins heading"},
    {.name = "Label10", .parent = "Rukpal", .kind = "label", .left = 102, .top = 586, .visibleAtStart = true,
     .transparent = true, .captionCz = "0",
     .fontName = "MS Sans Serif", .fontPixels = 24, .fontColour = "clYellow", .bold = true, .role = "coins"},
    {.name = "Label11", .parent = "Rukpal", .kind = "label", .left = 824, .top = 26, .visibleAtStart = true,
     .transparent = true, .captionCz = "ODEJÍT OD STOLU",
     .captionEn = "GO AWAY", .fontName = "MS Sans Serif", .fontPixels = 20, .fontColour = "clYellow", .bold = true,
     .role = "leave the table"},
    {.name = "DXDraw2", .parent = "Vjeskyni", .kind = "drawing surface", .left = 118, .top = 0, .width = 788,
     .height = 768, .visibleAtStart = true, .role = "cave surface"},
    // aligned to the panel, so the panel's extent
    {.name = "HlavniMenu", .parent = "Menu1", .kind = "drawing surface", .left = 0, .top = 0, .width = 1033,
     .height = 777, .visibleAtStart = true, .role = "menu surface"},
    // JPEG; control extent not given: the picture's size
    {.name = "Image82", .parent = "BonusHra", .kind = "picture", .left = 196, .top = 0, .width = 635, .height = 768,
     .pictureWidth = 635, .pictureHeight = 768, .visibleAtStart = true, .role = "bonus game picture"},
    {.name = "DXDraw3", .parent = "BonusHra", .kind = "drawing surface", .left = 230, .top = 0, .width = 568,
     .height = 768, .visibleAtStart = true, .role = "bonus game surface"},
    {.name = "Label113", .parent = "BonusHra", .kind = "label", .left = 970, .top = 718, .visibleAtStart = true,
     .transparent = true, .captionCz = "0", .fontName = "MS Sans Serif", .fontPixels = 23,
     .fontColour = "clMaroon", .bold = true, .role = "rally clock"},
    {.name = "Label114", .parent = "BonusHra", .kind = "label", .left = 12, .top = 16, .visibleAtStart = true,
     .transparent = true, .captionCz = "Hráč 1:", .captionEn = "Player 1:", .fontName = "MS Sans Serif",
     .fontPixels = 23,
     .fontColour = "clMaroon", .bold = true, .role = "player 1 heading"},
    {.name = "Label115", .parent = "BonusHra", .kind = "label", .left = 848, .top = 16, .visibleAtStart = true,
     .transparent = true, .captionCz = "Hráč 2:", .captionEn = "Player 2:", .fontName = "MS Sans Serif",
     .fontPixels = 23,
     .fontColour = "clMaroon", .bold = true, .role = "player 2 heading"},
    {.name = "Label116", .parent = "BonusHra", .kind = "label", .left = 124, .top = 16, .visibleAtStart = true,
     .transparent = true, .captionCz = "0", .fontName = "MS Sans Serif", .fontPixels = 23,
     .fontColour = "clMaroon", .bold = true, .role = "player 1 score"},
    {.name = "Label117", .parent = "BonusHra", .kind = "label", .left = 960, .top = 16, .visibleAtStart = true,
     .transparent = true, .captionCz = "0", .fontName = "MS Sans Serif", .fontPixels = 23,
     .fontColour = "clMaroon", .bold = true, .role = "player 2 score"},
    // The language choice is made before a language exists: the captions never change.
    {.name = "Label123", .parent = "VyberJazyk", .kind = "label", .left = 348, .top = 354, .width = 97, .height = 42,
     .visibleAtStart = true, .transparent = true, .captionCz = "česky", .fontName = "Century Gothic", .fontPixels = 35,
     .fontColour = "clWhite", .role = "choose Czech"},
    {.name = "Label124", .parent = "VyberJazyk", .kind = "label", .left = 602, .top = 356, .width = 116, .height = 42,
     .visibleAtStart = true, .transparent = true, .captionCz = "english", .fontName = "Century Gothic",
     .fontPixels = 35, .fontColour = "clWhite", .role = "choose English"},
    // fills its panel, which start-up sizes to the screen
    {.name = "ShockwaveFlash1", .parent = "AnimaceQuillmoth", .kind = "movie", .visibleAtStart = true,
     .role = "maker-logo movie"},
    {.name = "ShockwaveFlash2", .parent = "Intro", .kind = "movie", .left = 2, .top = 2, .width = 1024, .height = 768,
     .visibleAtStart = true, .role = "intro movie"},
    {.name = "Outro1", .parent = "Outro", .kind = "movie", .left = 0, .top = 0, .width = 1024, .height = 768,
     .visibleAtStart = true, .role = "ending movie"},
    {.name = "Outro2", .parent = "Outro", .kind = "movie", .left = 0, .top = 0, .width = 1024, .height = 768,
     .visibleAtStart = false, .role = "ending movie"},
    {.name = "Outro3", .parent = "Outro", .kind = "movie", .left = 0, .top = 0, .width = 1024, .height = 768,
     .visibleAtStart = false, .role = "ending movie"},
    {.name = "Outro4", .parent = "Outro", .kind = "movie", .left = 0, .top = 0, .width = 1024, .height = 768,
     .visibleAtStart = false, .role = "ending movie"},
    {.name = "Outro5", .parent = "Outro", .kind = "movie", .left = 0, .top = 0, .width = 1024, .height = 768,
     .visibleAtStart = false, .role = "ending movie"},
    {.name = "Outro6", .parent = "Outro", .kind = "movie", .left = 0, .top = 0, .width = 1024, .height = 768,
     .visibleAtStart = false, .role = "ending movie"},
    {.name = "Titulky1", .parent = "Titulky", .kind = "movie", .left = 0, .top = 0, .width = 1024, .height = 768,
     .visibleAtStart = false, .role = "credits (Czech)"},
    {.name = "Titulky2", .parent = "Titulky", .kind = "movie", .left = 0, .top = 0, .width = 1024, .height = 768,
     .visibleAtStart = false, .role = "credits (English)"},

    // ---- Window-level controls. Fonts are 16-pixel "MS Sans Serif" unless a row says otherwise;
    // labels size themselves to their caption, the width is the design width.
    {.name = "Popis", .parent = "TForm1", .kind = "label", .left = 24, .top = 628, .width = 4, .height = 20,
     .visibleAtStart = true, .fontName = "MS Sans Serif", .fontPixels = 16, .fontColour = "clYellow",
     .role = "description line", .backColour = "clBlack"},
    // colour set per line: clYellow detective, clRed the other character
    {.name = "Rozhovor", .parent = "TForm1", .kind = "label", .left = 14, .top = 630, .width = 4, .height = 20,
     .visibleAtStart = true, .fontName = "MS Sans Serif", .fontPixels = 16, .fontColour = "clYellow",
     .role = "conversation line", .backColour = "clBlack"},
    {.name = "Otazka1", .parent = "TForm1", .kind = "label", .left = 32, .top = 630, .width = 4, .height = 20,
     .visibleAtStart = false, .transparent = true, .fontName = "MS Sans Serif", .fontPixels = 16,
     .fontColour = "clWhite", .role = "reply choice"},
    {.name = "Otazka2", .parent = "TForm1", .kind = "label", .left = 32, .top = 656, .width = 4, .height = 20,
     .visibleAtStart = false, .transparent = true, .fontName = "MS Sans Serif", .fontPixels = 16,
     .fontColour = "clWhite", .role = "reply choice"},
    {.name = "Otazka3", .parent = "TForm1", .kind = "label", .left = 32, .top = 684, .width = 4, .height = 20,
     .visibleAtStart = false, .transparent = true, .fontName = "MS Sans Serif", .fontPixels = 16,
     .fontColour = "clWhite", .role = "reply choice"},
    {.name = "zrusit", .parent = "TForm1", .kind = "label", .left = 32, .top = 713, .width = 42, .height = 20,
     .visibleAtStart = false, .captionCz = "Zrušit", .captionEn = "Close", .fontName = "MS Sans Serif",
     .fontPixels = 16, .fontColour = "clRed", .role = "end conversation", .backColour = "clBlack"},
    // never shown
    {.name = "body", .parent = "TForm1", .kind = "label", .left = 12, .top = 684, .width = 10, .height = 24,
     .visibleAtStart = false, .captionCz = "0", .fontName = "MS Sans Serif", .fontPixels = 19, .fontColour = "clRed",
     .role = "points counter"},
    // frames of 80 ms
    {.name = "Inventar", .parent = "TForm1", .kind = "GIF", .left = 5, .top = 652, .width = 1024, .height = 123,
     .pictureWidth = 1024, .pictureHeight = 123, .frames = 9, .visibleAtStart = false, .role = "inventory bar"},
    {.name = "Vlastnosti", .parent = "TForm1", .kind = "label", .left = 124, .top = 682, .width = 79, .height = 20,
     .visibleAtStart = false, .transparent = true, .captionCz = "Vlastnosti:", .captionEn = "Properties:",
     .fontName = "MS Sans Serif", .fontPixels = 16, .fontColour = "clWhite", .role = "attribute heading"},
    {.name = "Splh", .parent = "TForm1", .kind = "label", .left = 128, .top = 706, .width = 25, .height = 16,
     .visibleAtStart = false, .transparent = true, .captionCz = "šplh", .captionEn = "climbing",
     .fontName = "MS Sans Serif", .fontPixels = 13, .fontColour = "clBlack", .role = "climbing attribute"},
    // the window's font; its colour is not given
    {.name = "inteligence", .parent = "TForm1", .kind = "label", .left = 126, .top = 728, .width = 50, .height = 14,
     .visibleAtStart = false, .transparent = true, .captionCz = "inteligence", .captionEn = "intelligence",
     .fontName = "Times New Roman", .fontPixels = 11, .role = "intelligence attribute"},
    // no English hint given
    {.name = "Penez", .parent = "TForm1", .kind = "label", .left = 306, .top = 715, .width = 12, .height = 24,
     .visibleAtStart = false, .transparent = true, .captionCz = "0", .hintCz = "MÍSTNÍ PLATIDLO",
     .fontName = "MS Sans Serif", .fontPixels = 19, .fontColour = "clBlack", .bold = true, .role = "money amount"},
    // no English hint given
    {.name = "Pitiva", .parent = "TForm1", .kind = "label", .left = 622, .top = 715, .width = 20, .height = 24,
     .visibleAtStart = false, .transparent = true, .captionCz = "10", .hintCz = "BECHEROVKA",
     .fontName = "MS Sans Serif", .fontPixels = 19, .fontColour = "clWindowText", .role = "bottle count"},
    // Item pictures and held-item pictures: their places in the bar belong to the inventory (0 here).
    {.name = "Nuz", .parent = "TForm1", .kind = "picture", .visibleAtStart = false, .transparent = true,
     .hintCz = "NŮŽ", .hintEn = "KNIFE", .role = "item"},
    {.name = "Lano", .parent = "TForm1", .kind = "picture", .visibleAtStart = false, .transparent = true,
     .hintCz = "LANO", .hintEn = "ROPE", .role = "item"},
    {.name = "Jidlo", .parent = "TForm1", .kind = "picture", .visibleAtStart = false, .transparent = true,
     .hintCz = "JÍDLO", .hintEn = "FOOD", .role = "item"},
    {.name = "Olmeca", .parent = "TForm1", .kind = "picture", .visibleAtStart = false, .transparent = true,
     .hintCz = "BECHEROVKA", .hintEn = "BECHEROVKA", .role = "item"},
    {.name = "Lopata", .parent = "TForm1", .kind = "picture", .visibleAtStart = false, .transparent = true,
     .hintCz = "LOPATA", .hintEn = "SHOVEL", .role = "item"},
    {.name = "Sperhak", .parent = "TForm1", .kind = "picture", .visibleAtStart = false, .transparent = true,
     .hintCz = "ŠPERHÁK", .hintEn = "CROWBAR", .role = "item"},
    {.name = "Penize", .parent = "TForm1", .kind = "picture", .visibleAtStart = false, .transparent = true,
     .hintCz = "MÍSTNÍ PLATIDLO", .hintEn = "LOCAL CURRENCY", .role = "item"},
    {.name = "Nuz2", .parent = "TForm1", .kind = "picture", .visibleAtStart = false, .transparent = true,
     .role = "held item"},
    {.name = "Lano2", .parent = "TForm1", .kind = "picture", .visibleAtStart = false, .transparent = true,
     .role = "held item"},
    {.name = "Jidlo2", .parent = "TForm1", .kind = "picture", .visibleAtStart = false, .transparent = true,
     .role = "held item"},
    {.name = "Olmeca2", .parent = "TForm1", .kind = "picture", .visibleAtStart = false, .transparent = true,
     .role = "held item"},
    {.name = "Lopata2", .parent = "TForm1", .kind = "picture", .visibleAtStart = false, .transparent = true,
     .role = "held item"},
    {.name = "Sperhak2", .parent = "TForm1", .kind = "picture", .visibleAtStart = false, .transparent = true,
     .role = "held item"},
    {.name = "Penize2", .parent = "TForm1", .kind = "picture", .visibleAtStart = false, .transparent = true,
     .role = "held item"},
    // climbing learned; empty, outside the play area; size not given
    {.name = "Ssplh", .parent = "TForm1", .kind = "picture", .left = 42, .top = 800, .visibleAtStart = false,
     .role = "attribute flag"},
    // intelligence gained; empty, outside the play area; size not given
    {.name = "Sinteligence", .parent = "TForm1", .kind = "picture", .left = 22, .top = -28, .visibleAtStart = false,
     .role = "attribute flag"},

    // ---- Story flags: empty, hidden pictures in SPanel; each one's Visible flag is a yes/no fact of
    // the story. Bounds not given.
    {.name = "Sserif", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Ssplhnastrom", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "St1", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "st2", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "st4", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Spoplatek", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Sserifinfo", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "STequila", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Stequilzakopem", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "svyresenypripad", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Svzetinoze", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Sotazkahory", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Solane", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Sobchodsdrujdem", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Snajdeskrovaka", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "SMistodcerky", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "SKukdosuplu", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Sjsemhranicar", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Sker", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "SInfoopachatelce", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Sbojovnikzly", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Sdarlano", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Sdcerka", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Sdedek", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Sdedek2", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Sdedek3hodny", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Sdedek3zl", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Sdejbagetu", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Sdrujdovovypraveni", .parent = "SPanel", .kind = "picture", .visibleAtStart = false,
     .role = "story flag"},
    {.name = "Sdrujdovynadavky", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Sdrujduvprolog", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Shjidlo", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Shledejdceru", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    {.name = "Shnabidka", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "story flag"},
    // Never read, changed or saved.
    {.name = "Image171", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "unused flag"},
    {.name = "Image273", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "unused flag"},
    {.name = "Image281", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "unused flag"},
    {.name = "Image349", .parent = "SPanel", .kind = "picture", .visibleAtStart = false, .role = "unused flag"},
});
// clang-format on

}  // namespace

std::span<const PanelSpec> panelCatalogue() { return kPanels; }

std::span<const ComponentSpec> componentCatalogue() { return kComponents; }

std::span<const std::string_view> silentRectangles(std::string_view panel) {
    struct Silent {
        std::string_view panel;
        std::span<const std::string_view> names;
    };
    static constexpr std::string_view kNatrzisti[] = {"Image93", "Image147", "Image154"};
    static constexpr std::string_view kPredhospodou[] = {"Image235"};
    static constexpr std::string_view kVhospode[] = {"Image272", "Image326", "Image355", "Image379"};
    static constexpr std::string_view kPredradnici[] = {"Image462", "Image476", "Image506", "Image507"};
    static constexpr std::string_view kRadnice[] = {"Image677",  "Image850",  "Image860",  "Image959",
                                                    "Image960",  "Image963",  "Image1083", "Image1106",
                                                    "Image1201", "Image1323", "Image1324"};
    static constexpr std::string_view kPredveznici[] = {"Image1410"};
    static constexpr std::string_view kVeveznici[] = {"Image1447"};
    static constexpr std::string_view kLes1[] = {"Image1615"};
    static constexpr std::string_view kLes4[] = {"Image1710"};
    static constexpr Silent kSilent[] = {
        {"Natrzisti", kNatrzisti}, {"Predhospodou", kPredhospodou}, {"Vhospode", kVhospode},
        {"Predradnici", kPredradnici}, {"Radnice", kRadnice}, {"Predveznici", kPredveznici},
        {"Veveznici", kVeveznici}, {"Les1", kLes1}, {"Les4", kLes4},
    };
    for (const Silent& s : kSilent) {
        if (s.panel == panel) return s.names;
    }
    return {};
}

}  // namespace kvarnel::standin

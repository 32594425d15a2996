// The components the game's code works with, resolved by name once after the
// layout is read. Every name the game needs is looked up here and nowhere
// else; a layout that lacks one, or has it with another class, is reported
// in one error that lists every such name.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "core/game_state.h"
#include "core/items.h"
#include "layout/layout.h"
#include "scenes/description_table.h"

namespace kvarnel::scenes {

// Controls that start-up moves into the centred play area, in the order it
// moves them. Controls inside a moved panel move with it.
inline constexpr auto kShiftedFirst =
    std::to_array<std::string_view>({"Intro", "Outro", "Titulky", "Inventar", "inteligence", "Splh", "Vlastnosti"});
// Only their top moves: their left comes from their inventory slot.
inline constexpr auto kShiftedTopOnly = std::to_array<std::string_view>(
    {"Jidlo", "Lano", "Lopata", "Nuz", "Olmeca", "Penez", "Pitiva", "Sperhak", "Penize"});
inline constexpr auto kShiftedSecond = std::to_array<std::string_view>(
    {"Rozhovor",    "Popis",        "Otazka1",      "Otazka2",      "Otazka3",      "zrusit",       "BonusHra",
     "Les1",        "Les2",         "Les3",         "Les4",         "Les5",         "Les6",         "Menu1",
     "Natrzisti",   "Predhospodou", "Predradnici",  "Predsoudem",   "Predveznici",  "Radnice",      "Rukpal",
     "Textanimace", "Textanimace2", "Textanimace3", "Textanimace4", "Textanimace5", "Textanimace6", "Textanimace7",
     "Udedka",      "Uzlocinkyne",  "Veveznici",    "Vhospode",     "Vjeskyni",     "VyberJazyk"});

// Animated sprites that shutdown leaves running.
inline constexpr auto kGifsKeptAtShutdown =
    std::to_array<std::string_view>({"Inventar", "Zocibojovnika", "RxGIFAnimator8"});

struct Controls {
    layout::Panel* SPanel = nullptr;
    layout::Panel* AnimaceQuillmoth = nullptr;
    layout::Panel* BonusHra = nullptr;
    std::array<layout::MediaPlayer*, 6> Skladba{};  // Skladba1 .. Skladba6
    layout::DXWaveList* Zvuky = nullptr;
    layout::DXSound* DXSound1 = nullptr;
    layout::DXSound* DXSound2 = nullptr;
    layout::Timer* Casodavac = nullptr;
    layout::DXTimer* Start = nullptr;

    std::array<layout::Control*, kShiftedFirst.size()> shiftedFirst{};
    std::array<layout::Control*, kShiftedTopOnly.size()> shiftedTopOnly{};
    std::array<layout::Control*, kShiftedSecond.size()> shiftedSecond{};

    // The story-flag pictures, in the order of kStoryFlagNames.
    std::array<layout::ImageControl*, core::kStoryFlagNames.size()> storyFlags{};

    // Every animated sprite, in stream order.
    std::vector<layout::GifAnimator*> gifs;

    // --- Locations ----------------------------------------------------------
    // The location panels, in Scene order.
    std::array<layout::Panel*, static_cast<size_t>(Scene::Count)> scenes{};
    // The face animations each scene's exits start and stop, in Scene order.
    std::array<std::vector<layout::GifAnimator*>, static_cast<size_t>(Scene::Count)> sceneFaces;
    // The detective's portrait per scene, in the order the game tests them.
    struct DetectiveFace {
        Scene scene{};
        layout::Control* head = nullptr;
        layout::Control* eyes = nullptr;
        layout::Control* eyesInTalk = nullptr;  // null where the scene has none
        layout::Control* mouth = nullptr;
        layout::Control* talkingMouth = nullptr;  // null where the scene has none
        layout::Control* description = nullptr;
        bool hidesTalkingMouth = false;
        bool hidesEyesInTalk = false;
    };
    std::vector<DetectiveFace> detectiveFaces;

    // Other panels whose visibility the game tests or changes.
    layout::Panel* Intro = nullptr;
    layout::Panel* Outro = nullptr;
    layout::Panel* Titulky = nullptr;
    layout::Panel* Menu1 = nullptr;
    layout::Panel* Rukpal = nullptr;
    layout::Panel* Vjeskyni = nullptr;
    // Textanimace, Textanimace2 .. Textanimace7.
    std::array<layout::Panel*, 7> Textanimace{};

    // --- Movies, the language screen and the main menu -----------------------
    layout::ShockwaveFlash* ShockwaveFlash1 = nullptr;  // the maker's logo
    layout::ShockwaveFlash* ShockwaveFlash2 = nullptr;  // the intro
    // Outro1 .. Outro6.
    std::array<layout::ShockwaveFlash*, 6> Outros{};
    layout::ShockwaveFlash* Titulky1 = nullptr;  // the credits in Czech
    layout::ShockwaveFlash* Titulky2 = nullptr;  // and in English
    // The black strips over the bottom of the intro and of the endings.
    layout::Panel* Kryti = nullptr;
    layout::Panel* Krytivo = nullptr;
    layout::Panel* VyberJazyk = nullptr;
    layout::Label* Label123 = nullptr;  // "česky"
    layout::Label* Label124 = nullptr;  // "english"
    layout::DXDraw* HlavniMenu = nullptr;
    layout::DXImageList* GrafikaMenu = nullptr;

    // --- The small games ---------------------------------------------------
    layout::DXDraw* DXDraw1 = nullptr;            // the table game's surface
    layout::DXDraw* DXDraw2 = nullptr;            // the cave's surface
    layout::DXDraw* DXDraw3 = nullptr;            // the bonus game's surface
    layout::DXImageList* DXImageList1 = nullptr;  // the two bat games' pictures
    layout::DXImageList* Obrazky = nullptr;       // the cave's pictures
    layout::Label* Label2 = nullptr;              // the table's "stake down"
    layout::Label* Label11 = nullptr;             // the table's "go away"
    layout::Label* Cas = nullptr;                 // the table clock
    layout::Label* Label113 = nullptr;            // the bonus game's rally clock
    layout::Label* Label116 = nullptr;            // player 1's score
    layout::Label* Label117 = nullptr;            // player 2's score

    // --- Text lines and the inventory bar -----------------------------------
    layout::Label* Popis = nullptr;
    layout::Label* Rozhovor = nullptr;
    std::array<layout::Label*, 3> Otazka{};
    layout::Label* zrusit = nullptr;
    layout::GifAnimator* Inventar = nullptr;
    layout::Label* Vlastnosti = nullptr;
    layout::Label* Splh = nullptr;
    layout::Label* inteligence = nullptr;
    layout::Label* Penez = nullptr;
    layout::Label* Pitiva = nullptr;
    layout::Label* Label10 = nullptr;  // the coins at the table game
    layout::ImageControl* Ssplh = nullptr;
    layout::ImageControl* Sinteligence = nullptr;
    // The items' pictures and twins, in Item order.
    std::array<layout::ImageControl*, static_cast<size_t>(core::Item::Count)> itemPicture{};
    std::array<layout::ImageControl*, static_cast<size_t>(core::Item::Count)> itemTwin{};

    // --- Scene pieces that exits and the tick change -----------------------
    layout::Label* Label125 = nullptr;  // the criminal's door while it is open
    layout::Label* Label39 = nullptr;   // the way on from Les2 once the bush is cut
    layout::ImageControl* Ker = nullptr;
    layout::GifAnimator* Dcerka = nullptr;
    layout::GifAnimator* Ptak = nullptr;
    layout::GifAnimator* Krovakvp = nullptr;
    layout::ImageControl* Krovak = nullptr;
    layout::GifAnimator* Krovakoci = nullptr;
    layout::GifAnimator* Krovakpusa = nullptr;
    layout::GifAnimator* Ztpusavpravo = nullptr;
    // The ranger and the detective in Les5 (the ranger's refusal).
    layout::GifAnimator* L5pusa = nullptr;
    layout::GifAnimator* L5mluva = nullptr;
    layout::GifAnimator* hranicaroci = nullptr;
    layout::GifAnimator* hranicarocimluva = nullptr;
    layout::GifAnimator* hranicarpusa = nullptr;
    layout::GifAnimator* hranicarmluva = nullptr;
};

inline layout::Panel* scenePanel(const Controls& c, Scene s) {
    return c.scenes[static_cast<size_t>(s)];
}

// Resolves every control above. Throws layout::LayoutError listing every
// missing or mistyped name, and an event of the window not bound to the
// handler the game runs it with (OnCreate = FormCreate, OnClose = FormClose).
Controls resolveControls(const layout::Layout& layout, std::string_view source);

}  // namespace kvarnel::scenes

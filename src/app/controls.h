// The components the game's code works with, resolved by name once after the
// layout is read. Every name the game needs is looked up here and nowhere
// else; a layout that lacks one, or has it with another class, is reported
// in one error that lists every such name.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "app/game_state.h"
#include "layout/layout.h"

namespace kvarnel::app {

// Controls that start-up moves into the centred play area, in the order it
// moves them. Controls inside a moved panel move with it.
inline constexpr auto kShiftedFirst = std::to_array<std::string_view>(
    {"Intro", "Outro", "Titulky", "Inventar", "inteligence", "Splh", "Vlastnosti"});
// Only their top moves: their left comes from their inventory slot.
inline constexpr auto kShiftedTopOnly = std::to_array<std::string_view>(
    {"Jidlo", "Lano", "Lopata", "Nuz", "Olmeca", "Penez", "Pitiva", "Sperhak", "Penize"});
inline constexpr auto kShiftedSecond = std::to_array<std::string_view>(
    {"Rozhovor",    "Popis",        "Otazka1",      "Otazka2",      "Otazka3",      "zrusit",
     "BonusHra",    "Les1",         "Les2",         "Les3",         "Les4",         "Les5",
     "Les6",        "Menu1",        "Natrzisti",    "Predhospodou", "Predradnici",  "Predsoudem",
     "Predveznici", "Radnice",      "Rukpal",       "Textanimace",  "Textanimace2", "Textanimace3",
     "Textanimace4", "Textanimace5", "Textanimace6", "Textanimace7", "Udedka",       "Uzlocinkyne",
     "Veveznici",   "Vhospode",     "Vjeskyni",     "VyberJazyk"});

// Animated sprites that shutdown leaves running.
inline constexpr auto kGifsKeptAtShutdown = std::to_array<std::string_view>(
    {"Inventar", "Zocibojovnika", "RxGIFAnimator8"});

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
    std::array<layout::ImageControl*, kStoryFlagNames.size()> storyFlags{};

    // Every animated sprite, in stream order.
    std::vector<layout::GifAnimator*> gifs;
};

// Resolves every control above. Throws layout::LayoutError listing every
// missing or mistyped name, and an event of the window not bound to the
// handler the game runs it with (OnCreate = FormCreate, OnClose = FormClose).
Controls resolveControls(const layout::Layout& layout, std::string_view source);

}  // namespace kvarnel::app

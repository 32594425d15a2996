// The seven items the detective can carry: their pictures on the bar, the
// lifted twins, the cursor that names each while it is held, the variables
// that hold possession and slot, and where a slot puts them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/game_state.h"

namespace kvarnel::core {

enum class Item : uint8_t { Knife, Food, Rope, LockPick, Money, Shovel, Bottle, Count };

inline constexpr std::string_view kPlainCursor = "Cursors\\Kurzor.cur";
inline constexpr std::string_view kExitCursor = "Cursors\\Prechod.cur";
inline constexpr std::string_view kTalkCursor = "Cursors\\Pusa.cur";

struct ItemInfo {
    Item item;
    std::string_view picture;  // resting picture on the bar
    std::string_view twin;     // shown in its place while the item is held
    std::string_view cursor;   // CursorFile while held
    uint8_t GameState::*has;   // possession flag
    int32_t GameState::*slot;  // slot index, meaningful while `has` is 1
    // Left in slot s: OffsetX + base + step * s.
    int32_t base;
    int32_t step;
};

// In Item order.
inline constexpr std::array<ItemInfo, static_cast<size_t>(Item::Count)> kItems = {{
    {Item::Knife, "Nuz", "Nuz2", "Cursors\\Nuz.cur", &GameState::HasKnife, &GameState::KnifeSlot, 288, 103},
    {Item::Food, "Jidlo", "Jidlo2", "Cursors\\Jidlo.cur", &GameState::HasFood, &GameState::FoodSlot, 288, 106},
    {Item::Rope, "Lano", "Lano2", "Cursors\\Lano.cur", &GameState::HasRope, &GameState::RopeSlot, 288, 106},
    {Item::LockPick, "Sperhak", "Sperhak2", "Cursors\\Sperhak.cur", &GameState::HasLockPick, &GameState::LockPickSlot,
     288, 106},
    {Item::Money, "Penize", "Penize2", "Cursors\\Peniz.cur", &GameState::HasMoney, &GameState::MoneySlot, 287, 106},
    {Item::Shovel, "Lopata", "Lopata2", "Cursors\\Lopata.cur", &GameState::HasShovel, &GameState::ShovelSlot, 288, 106},
    {Item::Bottle, "Olmeca", "Olmeca2", "Cursors\\Olmeca.cur", &GameState::HasBottle, &GameState::BottleSlot, 305, 106},
}};

inline constexpr const ItemInfo& itemInfo(Item i) {
    return kItems[static_cast<size_t>(i)];
}

// The held item named by a cursor file, or Item::Count for any other cursor.
inline constexpr Item itemOfCursor(std::string_view cursor) {
    for (const ItemInfo& i : kItems) {
        if (i.cursor == cursor) return i.item;
    }
    return Item::Count;
}

}  // namespace kvarnel::core

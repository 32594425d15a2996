// The inventory bar and the held item: lifting an item and putting it back,
// the slots, the coin and bottle counts, the bar folding open at the bottom
// edge and away again, the pointer that shows the held item, and the right
// button that cuts a running text short.
//
// An item is held while its twin shows in its place on the bar and
// CursorFile names its cursor; a plain, exit or talk cursor means empty
// hands.
#pragma once

#include <cstdint>
#include <string>

#include "core/items.h"
#include "layout/layout.h"
#include "scenes/context.h"

namespace kvarnel::scenes {

// Binds the items' and twins' clicks, the count labels that act for their
// item, and the right button's cut.
void bindInventoryHandlers(Context& ctx, layout::HandlerRegistry& handlers);

// --- The held item ---------------------------------------------------------
// Lifts `item` off the bar, while the player is free and holds nothing.
void takeItem(Context& ctx, core::Item item);
void putItemBack(Context& ctx, core::Item item);
// The item comes into the next free slot / leaves its slot, the ones after
// it moving up.
void addItem(Context& ctx, core::Item item);
void removeItem(Context& ctx, core::Item item);
// A click that would describe something while the bar is open with empty
// hands says how to leave inventory mode instead.
void InventoryModeGuard(Context& ctx);
// The right button's cut of every running text timer.
void cutTextsShort(Context& ctx);
// Loads the pointer named by CursorFile when it differs from the one last
// loaded. The name counts as loaded even when the file failed, so a broken
// file is not retried until CursorFile changes.
void refreshPointer(Context& ctx);

// The number a count label of the bar (Penez, Pitiva) shows, as the game
// reads it: a caption that is no number counts 0.
int32_t captionNumber(const std::string& caption);

// --- Steps of the game tick, in the order it runs them ------------------------
// The money item gets or loses its slot as Penez reads other than "0" or
// "0"; hands are empty while no item is taken.
void moneyAndHandsRules(Context& ctx);
// One step of the bar folding away; an interlude freezes it.
void inventoryClosingStep(Context& ctx);
// Every item, twin and count label where its slot puts it.
void inventoryPlacement(Context& ctx);
// The bar's opening step, then its open and close decisions by the pointer.
void inventoryPoll(Context& ctx);
// Re-arms the poll for the next tick, unless the bar is folded while a text
// is on screen.
void inventoryPollRearm(Context& ctx);

}  // namespace kvarnel::scenes

#include "scenes/inventory.h"

#include <charconv>

#include "core/countdown.h"

namespace kvarnel::scenes {

namespace {

using core::GameState;
using core::Item;
using core::ItemInfo;
using core::itemInfo;
using core::kExitCursor;
using core::kItems;
using core::kPlainCursor;
using core::kTalkCursor;

size_t at(Item i) {
    return static_cast<size_t>(i);
}

// Food, rope, money, bottle, shovel, lock-pick, knife: the order the open bar
// shows the items in.
constexpr Item kShowOrder[] = {Item::Food,   Item::Rope,     Item::Money, Item::Bottle,
                               Item::Shovel, Item::LockPick, Item::Knife};

// Hides what the open bar shows: the attribute labels, the items and the
// count labels (not the lifted twins).
void hideBarContents(Controls& c) {
    c.Vlastnosti->Visible = false;
    c.Splh->Visible = false;
    c.inteligence->Visible = false;
    for (layout::ImageControl* picture : c.itemPicture) picture->Visible = false;
    c.Penez->Visible = false;
    c.Pitiva->Visible = false;
}

bool interludeBlocksBar(const Controls& c) {
    // Textanimace .. Textanimace6; the lock's click (Textanimace7) does not.
    for (size_t i = 0; i < 6; ++i) {
        if (c.Textanimace[i]->Visible) return true;
    }
    return false;
}

}  // namespace

void bindInventoryHandlers(Context& ctx, layout::HandlerRegistry& handlers) {
    for (const ItemInfo& info : kItems) {
        const Item item = info.item;
        handlers.add(std::string(info.picture) + "Click",
                     [&ctx, item](const layout::EventArgs&) { takeItem(ctx, item); });
        handlers.add(std::string(info.twin) + "Click",
                     [&ctx, item](const layout::EventArgs&) { putItemBack(ctx, item); });
    }
    // The count labels lie over their item and act for it.
    auto countLabel = [&ctx](Item item) {
        const GameState& s = ctx.state;
        if (s.PlayerFree == 1 && ctx.c.itemPicture[at(item)]->Visible && s.ItemTaken == 0) {
            takeItem(ctx, item);
        } else if (ctx.c.itemTwin[at(item)]->Visible) {
            putItemBack(ctx, item);
        }
    };
    handlers.add("PenezClick", [countLabel](const layout::EventArgs&) { countLabel(Item::Money); });
    handlers.add("PitivaClick", [countLabel](const layout::EventArgs&) { countLabel(Item::Bottle); });
    // One behaviour under five names, bound to nearly every control.
    for (const char* name :
         {"BonusHraMouseDown", "Les6MouseDown", "Nuz2MouseDown", "st4MouseDown", "zrusitMouseDown"}) {
        handlers.add(name, [&ctx](const layout::EventArgs& e) {
            if (e.button == layout::MouseButton::Right) cutTextsShort(ctx);
        });
    }
}

int32_t captionNumber(const std::string& caption) {
    int32_t v = 0;
    const char* end = caption.data() + caption.size();
    const auto [ptr, ec] = std::from_chars(caption.data(), end, v);
    return ec == std::errc() && ptr == end ? v : 0;
}

void takeItem(Context& ctx, Item item) {
    GameState& s = ctx.state;
    Controls& c = ctx.c;
    if (s.PlayerFree == 0 || s.ItemTaken == 1) return;
    s.ItemTaken = 1;
    c.itemPicture[at(item)]->Visible = false;
    c.itemTwin[at(item)]->Visible = true;
    s.CursorFile = itemInfo(item).cursor;
    s.HandsEmpty = 0;
}

void putItemBack(Context& ctx, Item item) {
    GameState& s = ctx.state;
    Controls& c = ctx.c;
    s.ItemTaken = 0;
    c.itemTwin[at(item)]->Visible = false;
    c.itemPicture[at(item)]->Visible = true;
    s.CursorFile = kPlainCursor;
    s.HandsEmpty = 1;
}

void addItem(Context& ctx, Item item) {
    GameState& s = ctx.state;
    Controls& c = ctx.c;
    const ItemInfo& info = itemInfo(item);
    s.*info.has = 1;
    layout::ImageControl* picture = c.itemPicture[at(item)];
    if (item == Item::Money) {
        c.Penez->Left = s.OffsetX + s.ItemCount * 106 + 306;
        picture->Left = s.OffsetX + s.ItemCount * 106 + 288;
        s.MoneySlotFree = 0;
    } else if (item == Item::Bottle) {
        picture->Left = s.OffsetX + s.ItemCount * 106 + 305;
        c.Pitiva->Left = s.OffsetX + s.ItemCount * 106 + 306;
    } else {
        picture->Left = s.OffsetX + s.ItemCount * 106 + 288;
    }
    s.*info.slot = s.ItemCount;
    ++s.ItemCount;
}

void removeItem(Context& ctx, Item item) {
    GameState& s = ctx.state;
    Controls& c = ctx.c;
    const ItemInfo& info = itemInfo(item);
    --s.ItemCount;
    s.*info.has = 0;
    // The coins' count goes with their picture: a picture left on the bar
    // would show coins the detective no longer has, in a slot the next
    // item moves into, and could be lifted and held out as nothing.
    if (item == Item::Money) {
        c.Penez->Visible = false;
        s.MoneySlotFree = 1;
    }
    c.itemPicture[at(item)]->Visible = false;
    c.itemTwin[at(item)]->Visible = false;
    const int32_t gone = s.*info.slot;
    for (const ItemInfo& other : kItems) {
        if (other.item != item && s.*other.slot > gone) --(s.*other.slot);
    }
}

void InventoryModeGuard(Context& ctx) {
    const GameState& s = ctx.state;
    if (s.PlayerFree == 1 && s.InventoryOpen == 1 && s.DescriptionsOn == 1 && s.CursorFile == core::kPlainCursor) {
        describe(ctx, {"Momentálně jsi v módu pro inventář. Pokud chceš popsat nějaký objekt, zasuň inventář.",
                       "You are in inventory mode. If you want me to describe anything, close the inventory."});
    }
}

void cutTextsShort(Context& ctx) {
    GameState& s = ctx.state;
    core::cutShort(s.DescriptionTime, s.DescriptionElapsed);
    core::cutShort(s.TalkTime, s.TalkElapsed);
    core::cutShort(s.SpeechTime, s.SpeechElapsed);
    for (core::LineTimer& t : s.LineTimer) core::cutShort(t);
}

void refreshPointer(Context& ctx) {
    GameState& s = ctx.state;
    if (s.CursorFile == s.LoadedCursorFile) return;
    ctx.platform.loadCursor(ctx.programFolder + s.CursorFile);
    s.LoadedCursorFile = s.CursorFile;
}

void moneyAndHandsRules(Context& ctx) {
    GameState& s = ctx.state;
    Controls& c = ctx.c;
    if (c.Penez->Caption != "0" && s.HasMoney == 0) addItem(ctx, Item::Money);
    if (c.Penez->Caption == "0" && s.HasMoney == 1) removeItem(ctx, Item::Money);
    if (s.ItemTaken == 0) s.HandsEmpty = 1;
}

void inventoryPlacement(Context& ctx) {
    const GameState& s = ctx.state;
    Controls& c = ctx.c;
    for (const ItemInfo& info : kItems) {
        c.itemPicture[at(info.item)]->Left = s.OffsetX + info.base + info.step * (s.*info.slot);
    }
    c.Penez->Left = s.OffsetX + 305 + 106 * s.MoneySlot;
    for (const ItemInfo& info : kItems) {
        layout::ImageControl* picture = c.itemPicture[at(info.item)];
        c.itemTwin[at(info.item)]->Left = picture->Left;
        c.itemTwin[at(info.item)]->Top = picture->Top;
    }
    const int32_t bottle = c.itemPicture[at(Item::Bottle)]->Left;
    c.Pitiva->Left = c.Pitiva->Caption != "10" ? bottle + 7 : bottle;
}

void inventoryClosingStep(Context& ctx) {
    GameState& s = ctx.state;
    Controls& c = ctx.c;
    layout::GifAnimator& bar = *c.Inventar;
    if (bar.FrameIndex == 0) {
        s.InventoryClosed = 1;
        s.InventoryClosing = 0;
        bar.Visible = false;
        return;
    }
    // An interlude freezes the bar where it is.
    if (interludeBlocksBar(c)) return;
    if (bar.FrameIndex == 8) playWave(ctx, 0);
    s.InventoryOpen = 0;
    ctx.screen->setFrameIndex(bar, bar.FrameIndex - 1);
    hideBarContents(c);
    if (s.PlayerFree == 1 && s.DescriptionsResume == 1) s.DescriptionsOn = 1;
    s.DescriptionsResume = 1;
    s.DescriptionExpired = 0;
}

void inventoryPoll(Context& ctx) {
    GameState& s = ctx.state;
    Controls& c = ctx.c;
    layout::GifAnimator& bar = *c.Inventar;

    // Opening step: the bar has unfolded; show what it holds.
    if (bar.FrameIndex == 8) {
        s.InventoryOpen = 1;
        s.MoneyCount = captionNumber(c.Penez->Caption);
        if (s.MoneySlotGiven == 0 && s.MoneyCount > 0) {
            if (s.HasMoney == 0) addItem(ctx, Item::Money);
            s.MoneySlotGiven = 1;
        }
        if (s.MoneySlotFree == 0 && s.MoneyCount < 1) removeItem(ctx, Item::Money);
        ctx.screen->stopAnimation(bar);
        c.Vlastnosti->Visible = true;
        if (c.Ssplh->Visible) c.Splh->Visible = true;
        if (c.Sinteligence->Visible) c.inteligence->Visible = true;
        for (Item item : kShowOrder) {
            const ItemInfo& info = itemInfo(item);
            if (s.*info.has != 1 || c.itemTwin[at(item)]->Visible) continue;
            c.itemPicture[at(item)]->Visible = true;
            if (item == Item::Money) c.Penez->Visible = true;
            if (item == Item::Bottle && s.BottlesSold != 1) c.Pitiva->Visible = true;
        }
    }

    // Decisions: only with empty hands, a free player and a still bar.
    const std::string& cursor = s.CursorFile;
    const bool plainHands = cursor == kPlainCursor || cursor == kExitCursor || cursor == kTalkCursor;
    if (!c.Rukpal->Visible && s.InventoryClosing == 0 && !bar.Animate && plainHands && s.PlayerFree == 1) {
        const platform::Point p = ctx.platform.cursorPos();
        const bool open = bar.FrameIndex == 8;
        if (open && !hasText(*c.Rozhovor) && !hasText(*c.Popis) && s.SceneArea.contains(p.x, p.y)) {
            s.DescriptionsOn = s.DescriptionsResume == 1 ? 1 : 0;
            s.InventoryClosing = 1;
        } else if (!open && s.InventoryTriggerArea.contains(p.x, p.y)) {
            // Only a folded bar opens: an open one under a resting pointer
            // would otherwise slide in again, sound and all, every tick.
            if (!c.Intro->Visible && !c.Outro->Visible && !c.Titulky->Visible && !interludeBlocksBar(c)) {
                s.InventoryOpen = 1;
                s.DescriptionsOn = 0;
                s.InventoryClosed = 0;
                ctx.screen->setFrameIndex(bar, 0);
                bar.Visible = true;
                ctx.screen->startAnimation(bar);
                playWave(ctx, 0);
                hideBarContents(c);
            }
        }
    }
    s.InventoryPoll = 0;
}

void inventoryPollRearm(Context& ctx) {
    GameState& s = ctx.state;
    Controls& c = ctx.c;
    if (s.InventoryAllowed != 1) return;
    s.InventoryPoll = 1;
    if (c.Inventar->Visible) return;
    // A folded bar stays folded while any text is on screen.
    if ((c.Rozhovor->Visible && hasText(*c.Rozhovor)) || (c.Otazka[0]->Visible && hasText(*c.Otazka[0])) ||
        (c.Popis->Visible && hasText(*c.Popis))) {
        s.InventoryPoll = 0;
    }
}

}  // namespace kvarnel::scenes

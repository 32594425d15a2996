// The inventory bar and the held item: lifting an item and putting it back,
// the slots, the coin and bottle counts, the bar folding open at the bottom
// edge and away again, and the right button that cuts a running text short.
#include <charconv>

#include "app/countdown.h"
#include "app/game.h"

namespace kvarnel::app {

namespace {

size_t at(Item i) {
    return static_cast<size_t>(i);
}

// The caption read as an integer, as the game reads its count labels (text
// that is no number reads as 0).
int32_t captionNumber(const std::string& caption) {
    int32_t v = 0;
    const char* end = caption.data() + caption.size();
    const auto [ptr, ec] = std::from_chars(caption.data(), end, v);
    return ec == std::errc() && ptr == end ? v : 0;
}

// Food, rope, money, bottle, shovel, lock-pick, knife: the order the open bar
// shows the items in.
constexpr Item kShowOrder[] = {Item::Food,   Item::Rope,     Item::Money, Item::Bottle,
                               Item::Shovel, Item::LockPick, Item::Knife};

}  // namespace

void Game::registerInventoryHandlers() {
    for (const ItemInfo& info : kItems) {
        const Item item = info.item;
        handlers.add(std::string(info.picture) + "Click", [this, item](const layout::EventArgs&) { takeItem(item); });
        handlers.add(std::string(info.twin) + "Click", [this, item](const layout::EventArgs&) { putItemBack(item); });
    }
    // The count labels lie over their item and act for it.
    auto countLabel = [this](Item item) {
        if (state.PlayerFree == 1 && c.itemPicture[at(item)]->Visible && state.ItemTaken == 0) {
            takeItem(item);
        } else if (c.itemTwin[at(item)]->Visible) {
            putItemBack(item);
        }
    };
    handlers.add("PenezClick", [countLabel](const layout::EventArgs&) { countLabel(Item::Money); });
    handlers.add("PitivaClick", [countLabel](const layout::EventArgs&) { countLabel(Item::Bottle); });
    // One behaviour under five names, bound to nearly every control.
    for (const char* name :
         {"BonusHraMouseDown", "Les6MouseDown", "Nuz2MouseDown", "st4MouseDown", "zrusitMouseDown"}) {
        handlers.add(name, [this](const layout::EventArgs& e) {
            if (e.button == layout::MouseButton::Right) cutTextsShort();
        });
    }
}

void Game::takeItem(Item item) {
    GameState& s = state;
    if (s.PlayerFree == 0 || s.ItemTaken == 1) return;
    s.ItemTaken = 1;
    c.itemPicture[at(item)]->Visible = false;
    c.itemTwin[at(item)]->Visible = true;
    s.CursorFile = itemInfo(item).cursor;
    s.HandsEmpty = 0;
}

void Game::putItemBack(Item item) {
    GameState& s = state;
    s.ItemTaken = 0;
    c.itemTwin[at(item)]->Visible = false;
    c.itemPicture[at(item)]->Visible = true;
    s.CursorFile = kPlainCursor;
    s.HandsEmpty = 1;
}

void Game::addItem(Item item) {
    GameState& s = state;
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

void Game::removeItem(Item item) {
    GameState& s = state;
    const ItemInfo& info = itemInfo(item);
    --s.ItemCount;
    s.*info.has = 0;
    if (item == Item::Money) {
        c.Penez->Visible = false;
        s.MoneySlotFree = 1;
    } else {
        c.itemPicture[at(item)]->Visible = false;
        c.itemTwin[at(item)]->Visible = false;
    }
    const int32_t gone = s.*info.slot;
    for (const ItemInfo& other : kItems) {
        if (other.item != item && s.*other.slot > gone) --(s.*other.slot);
    }
}

void Game::cutTextsShort() {
    GameState& s = state;
    cutShort(s.DescriptionTime, s.DescriptionElapsed);
    cutShort(s.TalkTime, s.TalkElapsed);
    cutShort(s.SpeechTime, s.SpeechElapsed);
    for (LineTimer& t : s.LineTimer) cutShort(t);
}

void Game::moneyAndHandsRules() {
    GameState& s = state;
    if (c.Penez->Caption != "0" && s.HasMoney == 0) addItem(Item::Money);
    if (c.Penez->Caption == "0" && s.HasMoney == 1) removeItem(Item::Money);
    if (s.ItemTaken == 0) s.HandsEmpty = 1;
}

void Game::inventoryPlacement() {
    const GameState& s = state;
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

void Game::hideBarContents() {
    c.Vlastnosti->Visible = false;
    c.Splh->Visible = false;
    c.inteligence->Visible = false;
    for (layout::ImageControl* picture : c.itemPicture) picture->Visible = false;
    c.Penez->Visible = false;
    c.Pitiva->Visible = false;
}

bool Game::interludeBlocksBar() const {
    // Textanimace .. Textanimace6; the lock's click (Textanimace7) does not.
    for (size_t i = 0; i < 6; ++i) {
        if (c.Textanimace[i]->Visible) return true;
    }
    return false;
}

void Game::inventoryClosingStep() {
    GameState& s = state;
    layout::GifAnimator& bar = *c.Inventar;
    if (bar.FrameIndex == 0) {
        s.InventoryClosed = 1;
        s.InventoryClosing = 0;
        bar.Visible = false;
        return;
    }
    // An interlude freezes the bar where it is.
    if (interludeBlocksBar()) return;
    if (bar.FrameIndex == 8) playWave(0);
    s.InventoryOpen = 0;
    screen->setFrameIndex(bar, bar.FrameIndex - 1);
    hideBarContents();
    if (s.PlayerFree == 1 && s.DescriptionsResume == 1) s.DescriptionsOn = 1;
    s.DescriptionsResume = 1;
    s.DescriptionExpired = 0;
}

void Game::inventoryPoll() {
    GameState& s = state;
    layout::GifAnimator& bar = *c.Inventar;

    // Opening step: the bar has unfolded; show what it holds.
    if (bar.FrameIndex == 8) {
        s.InventoryOpen = 1;
        s.MoneyCount = captionNumber(c.Penez->Caption);
        if (s.MoneySlotGiven == 0 && s.MoneyCount > 0) {
            if (s.HasMoney == 0) addItem(Item::Money);
            s.MoneySlotGiven = 1;
        }
        if (s.MoneySlotFree == 0 && s.MoneyCount < 1) removeItem(Item::Money);
        screen->stopAnimation(bar);
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
        const platform::Point p = platform.cursorPos();
        const bool open = bar.FrameIndex == 8;
        if (open && !hasText(*c.Rozhovor) && !hasText(*c.Popis) && s.SceneArea.contains(p.x, p.y)) {
            s.DescriptionsOn = s.DescriptionsResume == 1 ? 1 : 0;
            s.InventoryClosing = 1;
        } else if (!open && s.InventoryTriggerArea.contains(p.x, p.y)) {
            // Only a folded bar opens: an open one under a resting pointer
            // would otherwise slide in again, sound and all, every tick.
            if (!c.Intro->Visible && !c.Outro->Visible && !c.Titulky->Visible && !interludeBlocksBar()) {
                s.InventoryOpen = 1;
                s.DescriptionsOn = 0;
                s.InventoryClosed = 0;
                screen->setFrameIndex(bar, 0);
                bar.Visible = true;
                screen->startAnimation(bar);
                playWave(0);
                hideBarContents();
            }
        }
    }
    s.InventoryPoll = 0;
}

void Game::inventoryPollRearm() {
    GameState& s = state;
    if (s.InventoryAllowed != 1) return;
    s.InventoryPoll = 1;
    if (c.Inventar->Visible) return;
    // A folded bar stays folded while any text is on screen.
    if ((c.Rozhovor->Visible && hasText(*c.Rozhovor)) || (c.Otazka[0]->Visible && hasText(*c.Otazka[0])) ||
        (c.Popis->Visible && hasText(*c.Popis))) {
        s.InventoryPoll = 0;
    }
}

}  // namespace kvarnel::app

// Items given to characters: the detective lifts an item off the bar and
// clicks a character (a rectangle over him or his talk hotspot). After the
// click's own text or opening, the character's procedure recognises the held
// item by the pointer, puts it back on the bar (or keeps it), and answers:
// the character in Rozhovor with his face talking and a countdown armed,
// or the detective in Popis. Most answers are refusals, many with a rude
// variant for a click on a rude spot; a few items are accepted and move the
// story on.
//
// Every procedure is a table of replies read by one loop; the rows of one
// item are tested in order and the first whose condition holds answers.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/items.h"
#include "scenes/actions.h"
#include "scenes/context.h"
#include "scenes/description_table.h"

namespace kvarnel::scenes {

// Who answers an item: the character, in Rozhovor with his face talking and
// a countdown armed, or the detective in Popis, which changes nothing else
// (no face, no countdown, the player stays free).
enum class Voice : uint8_t { Character, Detective };

struct ItemReply {
    core::Item item;
    // The row answers only while this holds (null: always).
    bool (*when)(const Context&) = nullptr;
    // The line while the procedure's rude-spot flag is set (the flag is then
    // cleared); an empty text: no rude variant, the flag is left alone.
    Text rude{};
    Text plain{};
    // Armed on the talk countdown (the conversation goes on after it)
    // instead of the speech countdown that ends the exchange.
    bool goesOn = false;
    // What an accepted item changes, after the answer.
    std::span<const Op> effects{};
    // Who gives each variant.
    Voice rudeBy = Voice::Character;
    Voice plainBy = Voice::Character;
    // The answer sets the player free at once (PlayerFree := 1) though the
    // exchange still ends with its countdown.
    bool freesPlayer = false;
    // The item stays in the hand (not taken, not put back).
    bool keepsItem = false;
};

struct ItemUseProcedure {
    ItemUse who;
    // The faces switched for the answer, with Rozhovor's colour.
    std::span<const Op> faces{};
    // Set by the rude-spot rows of the character's descriptions.
    uint8_t core::GameState::*rudeSpot = nullptr;
    // The detective answers himself, in Popis, and nothing is timed.
    bool detectiveAnswers = false;
    // The answer holds the player (PlayerFree := 0) until it ends.
    bool holdsPlayer = false;
    // Run after every answer.
    std::span<const Op> always{};
    std::span<const ItemReply> replies{};
    // Run after the table whether or not a row answered: a second procedure
    // for the items the table leaves alone.
    void (*alsoRun)(Context&) = nullptr;
    // The procedure ends with the failed-use hook itself (the click's own
    // hook then finds a text and does nothing).
    bool endsWithFailedUseHook = false;
};

// The procedure of `who`, or nullptr when there is none (yet).
const ItemUseProcedure* itemUseProcedure(ItemUse who);
// Every procedure there is.
std::span<const ItemUseProcedure* const> itemUseProcedures();

// Runs `who`'s procedure for the item held, if any answers.
void useItem(Context& ctx, ItemUse who);

// Lines of the answers that the conversations go on from.
inline constexpr Text kOldManSecondBottle{
    "Hoch, chlapče rozdávačná, aby ti taky nějaká ta Becherovka zbyla. To už nemohu přijmout, ale děkuji za "
    "nabídku.",
    "Boy, generous boy, keep some Becherovka with you. I can't take more but thanks for an offer."};
inline constexpr Text kOldManForgives{
    "Jej, vždyť to je Becherovka! Chlapče, ty víš jak mě udělat radost. Za to ti odpouštím, tu tvou poznámku o "
    "mých nudných poučkách.",
    "Wow, it is Becherovka. Boy, you made me really happy. I will forget that remark about my boring words."};
inline constexpr Text kPublicanKeepTheBottle{
    "Jak už jsem řekl, tu Becherovku si radši nechte, mohla by se vám ještě hodit.",
    "As I said, keep that Becherovka with you. You may find it useful."};
inline constexpr Text kPublicanSurprise{"Cože?! Vždyť to je Becherovka! To už jí druid zase vyrábí?",
                                        "What? It is Becherovka! The Sorcerer is making it?"};

// The procedures of the village and of the detective himself.
extern const ItemUseProcedure kUseOnOldMan;
extern const ItemUseProcedure kUseOnMayor;
extern const ItemUseProcedure kUseOnWarrior;
extern const ItemUseProcedure kUseOnPublican;
extern const ItemUseProcedure kUseOnGuest;
extern const ItemUseProcedure kUseOnDetective;
// The forest's and the prison's.
extern const ItemUseProcedure kUseOnSheriff;
extern const ItemUseProcedure kUseOnBushMan;
extern const ItemUseProcedure kUseOnDruid;
extern const ItemUseProcedure kUseOnRanger;
// The ranger's talk hotspot answers only what UseItemOnRanger handles; his
// description rows also take the rope and the coins (GiveToRanger).
extern const ItemUseProcedure kUseOnRangerAtHisHotspot;

}  // namespace kvarnel::scenes

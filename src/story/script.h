// The form of a conversation script: the steps of each character as rows,
// and what the engine needs to know about each character to open, answer,
// cancel and end an exchange.
//
// There is no position variable in a conversation. The line that Rozhovor
// holds when its time is up is the key of the next step: the engine tests
// the shown scene's steps in order against it, and a step that fires
// changes the line, so the steps after it are tested against the new one.
// The order of the rows is the firing order.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "scenes/actions.h"
#include "scenes/description_table.h"

namespace kvarnel::story {

using scenes::Op;
using scenes::Text;

using scenes::Timing;

struct Step {
    // Fires when Rozhovor holds either caption exactly. A step with an
    // empty English caption tests the Czech one only.
    Text after{};
    // A further condition (null: none).
    bool (*when)(const scenes::Context&) = nullptr;
    // In order: the speaker's pose and colour, the new line, the choices,
    // flags, items, money.
    std::span<const Op> actions{};
    Timing timing = Timing::None;
    // Added to the timed line's limit.
    int32_t extraMs = 0;
    // The pass stops after this step.
    bool endsTick = false;
};

// The steps tested together: a character's steps while its scene is shown,
// or (no scene) in any scene.
struct StepGroup {
    std::string_view name;
    std::optional<scenes::Scene> scene{};
    std::span<const Step> steps{};
    // Lines that reach this group from outside its rows (an item's answer, a
    // sequence, an opening line of code): only the transcription check
    // reads them.
    std::span<const Text> linesFromOutside{};
    // Reply captions set by code (Call rows), for the same check.
    std::span<const Text> choicesFromCode{};
};

// A character one can talk to.
struct Character {
    std::string_view name{};
    scenes::Scene scene{};
    // The talk hotspot; its click opens the exchange.
    std::string_view hotspot{};
    // The click opens only while this holds as well as DescriptionsOn = 1
    // (null: no further condition).
    bool (*opensWhen)(const scenes::Context&) = nullptr;
    std::span<const Op> opening{};
    // Tested before the opening runs: the click ends with the opening,
    // without the item's answer and the failed-use hook.
    bool (*openingEndsClick)(const scenes::Context&) = nullptr;
    scenes::ItemUse itemUse = scenes::ItemUse::None;
    // The scene's faces when the player picks a reply (the detective speaks).
    std::span<const Op> replyPose{};
    // The faces when the choices come back at the end of an exchange.
    std::span<const Op> listeningPose{};
    // The character's eyes back at rest when the player cancels.
    std::span<const Op> cancelEyes{};
};

// Every group in the order the pass tests them.
std::span<const StepGroup* const> stepGroups();
// Every character one can talk to (so far).
std::span<const Character* const> characters();

// The groups and characters, one file each.
extern const StepGroup kRangerSteps;
extern const StepGroup kMayorSteps;
extern const StepGroup kPublicanSteps;
extern const StepGroup kOldManSteps;
extern const StepGroup kWarriorSteps;
extern const StepGroup kWarriorStepsAnywhere;
extern const StepGroup kDruidSteps;
extern const StepGroup kSheriffSteps;
extern const StepGroup kBushManSteps;
extern const Character kRanger;
extern const Character kDruid;
extern const Character kSheriff;
extern const Character kBushMan;
extern const Character kMayor;
extern const Character kPublican;
extern const Character kOldMan;
extern const Character kWarrior;

}  // namespace kvarnel::story

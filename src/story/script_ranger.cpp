// The ranger at the edge of his land.
#include "scenes/exits.h"
#include "story/script.h"

namespace kvarnel::story {

namespace {

using namespace scenes::op;
using scenes::ops;

// His warning to one who walks on without leave: his face goes back to
// rest and the exchange ends at once.
constexpr auto kWarningEnds = ops(show("hranicarpusa"), show("hranicaroci"), hide("hranicarmluva"),
                                  hide("hranicarocimluva"), show("L5pusa"), hide("L5mluva"), endTalk());

const Step kSteps[] = {
    {.after = scenes::kRangerWarning, .actions = kWarningEnds},
};

const Text kFromOutside[] = {scenes::kRangerWarning};

}  // namespace

const StepGroup kRangerSteps{
    .name = "ranger", .scene = scenes::Scene::Les5, .steps = kSteps, .linesFromOutside = kFromOutside};

}  // namespace kvarnel::story

// The mayor in the town hall: he greets the detective once and sends him
// on his way; later he only hurries him.
#include "story/script.h"

namespace kvarnel::story {

namespace {

using namespace scenes::op;
using scenes::join;
using scenes::ops;
using scenes::Timing;

constexpr Text kM01{"Hmm, tak to vypadá, že jsem asi opravdu jejich jediná šance.",
                    "Well, this seems like I am their only chance."};
constexpr Text kM02{"Pokud se tak nestane, brzo vlivem nedostatku Becherovky dopadneme všichni z osady jako šerif!",
                    "If you fail, all fails. And starvation will make dumps from all of us. You saw Sheriff!"};
constexpr Text kM03{
    "Ach, díky Bohu, že jste přišel tak brzo, musíte co nejdřív navrátit této osadě zpět tu posvátnou láhev "
    "Becherovky, jinak jsme ztraceni!",
    "Oh, thanks God that you came so early, you must find the sacred bottle of Becherovka and get it back or we are "
    "lost."};
constexpr Text kM04{"Dobrý den, tak jsem tu, aby jsem vyřešil ten případ Kvarnel.",
                    "Good day. I am here to solve the Kvarnel case."};
constexpr Text kHurry{"Neztrácejte už čas a navraťte naší osadě co jí patří, jinak jsme ztraceni.",
                      "Stop loosing time and find the bottle or the village is lost."};

constexpr auto kMayorSpeaks =
    ops(show("Rpusa"), hide("Rmluva"), hide("Starostapusa"), show("Starostapusamluva"), colour(layout::clRed));

bool greeted(const scenes::Context& c) {
    return c.state.MayorGreeted == 1;
}
bool notGreeted(const scenes::Context& c) {
    return c.state.MayorGreeted != 1;
}

constexpr auto kStep1 = ops(emptyRozhovor(), describe(kM01), hide("Otazka1"), hide("Otazka2"), hide("Otazka3"),
                            hide("zrusit"), set("PlayerFree", 1), show("Roci"), show("Rpusa"), show("Starostaoci"),
                            show("Starostapusa"), hide("Rmluva"), hide("Starostaocimluva"), hide("Starostapusamluva"),
                            hide("Rhlava"), hide("Roci"), hide("Rpusa"), show("Rpopis"));
constexpr auto kStep2 = join(kMayorSpeaks, ops(say(kM02)));
constexpr auto kStep3 = join(kMayorSpeaks, ops(say(kM03)));

const Step kSteps[] = {
    {.after = kM02, .actions = kStep1, .timing = Timing::Description},
    {.after = kM03, .actions = kStep2, .timing = Timing::Talk},
    {.after = kM04, .actions = kStep3, .timing = Timing::Talk},
};

// Greeted before: one line of his and the exchange ends. The first time the
// detective introduces himself.
constexpr auto kOpening = ops(
    show("Starostaocimluva"), hide("Starostaoci"), when(greeted, show("Rpusa")), when(greeted, hide("Rmluva")),
    when(greeted, hide("Starostapusa")), when(greeted, show("Starostapusamluva")), when(greeted, colour(layout::clRed)),
    when(greeted, say(kHurry)), when(greeted, set("EndTalkAfterLine", 1)), when(greeted, time(Timing::Speech)),
    when(notGreeted, hide("Rpusa")), when(notGreeted, show("Rmluva")), when(notGreeted, show("Starostapusa")),
    when(notGreeted, hide("Starostapusamluva")), when(notGreeted, colour(layout::clYellow)),
    when(notGreeted, say(kM04)), when(notGreeted, time(Timing::Talk)), when(notGreeted, set("MayorGreeted", 1)));
constexpr auto kReplyPose = ops(hide("Rpusa"), show("Rmluva"), show("Starostapusa"), hide("Starostapusamluva"));
constexpr auto kListening = ops(show("Roci"), show("Rpusa"), show("Starostaoci"), show("Starostapusa"), hide("Rmluva"),
                                hide("Starostaocimluva"), hide("Starostapusamluva"));
constexpr auto kCancelEyes = ops(show("Starostaoci"), hide("Starostaocimluva"));

}  // namespace

const StepGroup kMayorSteps{.name = "mayor", .scene = scenes::Scene::Radnice, .steps = kSteps};

const Character kMayor{.name = "mayor",
                       .scene = scenes::Scene::Radnice,
                       .hotspot = "PokecRadnice",
                       .opening = kOpening,
                       .openingEndsClick = greeted,
                       .itemUse = scenes::ItemUse::Mayor,
                       .replyPose = kReplyPose,
                       .listeningPose = kListening,
                       .cancelEyes = kCancelEyes};

}  // namespace kvarnel::story

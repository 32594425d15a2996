#include "story/conversation.h"

#include "scenes/exits.h"

namespace kvarnel::story {

void conversationPass(scenes::Context& ctx) {
    scenes::Controls& c = ctx.c;
    // The ranger's warning at the edge of his land, when its time is up:
    // his face goes back to rest and the exchange ends at once.
    if (scenes::sceneShown(ctx, scenes::Scene::Les5) &&
        (c.Rozhovor->Caption == scenes::kRangerWarning.cz || c.Rozhovor->Caption == scenes::kRangerWarning.en)) {
        c.hranicarpusa->Visible = true;
        c.hranicaroci->Visible = true;
        c.hranicarmluva->Visible = false;
        c.hranicarocimluva->Visible = false;
        c.L5pusa->Visible = true;
        c.L5mluva->Visible = false;
        endConversationAtOnce(ctx);
    }
}

void endConversationAtOnce(scenes::Context& ctx) {
    scenes::Controls& c = ctx.c;
    for (layout::Label* choice : c.Otazka) {
        choice->Visible = false;
        scenes::setCaption(ctx, *choice, "");
    }
    c.zrusit->Visible = false;
    scenes::setCaption(ctx, *c.Popis, "");
    scenes::setCaption(ctx, *c.Rozhovor, "");
    ctx.state.DescriptionsOn = 1;
}

}  // namespace kvarnel::story

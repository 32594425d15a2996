#include "screens/language.h"

#include <string_view>

#include "platform/log.h"

namespace kvarnel::screens {

namespace {

// The captions and hints that English replaces, as the layout names them.
struct EnglishText {
    std::string_view control;
    enum class Property : uint8_t { Caption, Hint } property;
    std::string_view en;
};

using P = EnglishText::Property;
constexpr EnglishText kEnglishTexts[] = {
    {.control = "Zprava", .property = P::Caption, .en = "   Four hours later."},
    {.control = "Zprava2", .property = P::Caption, .en = " One elaborated animation of climbing the tree later."},
    {.control = "Zprava3",
     .property = P::Caption,
     .en = "This way you get the Bush Man's daughter back to the Bush Man."},
    {.control = "Zprava4", .property = P::Caption, .en = "Few hours of mowing through later."},
    {.control = "Zprava5", .property = P::Caption, .en = "  Half an hour later."},
    {.control = "Zprava6", .property = P::Caption, .en = "     One dig out of local fortune later."},
    {.control = "Zprava7", .property = P::Caption, .en = "Click!"},
    {.control = "zrusit", .property = P::Caption, .en = "Close"},
    {.control = "Label9", .property = P::Caption, .en = "Bucks:"},
    {.control = "Label11", .property = P::Caption, .en = "GO AWAY"},
    {.control = "Label2", .property = P::Caption, .en = "STAKE DOWN"},
    {.control = "Label114", .property = P::Caption, .en = "Player 1:"},
    {.control = "Label115", .property = P::Caption, .en = "Player 2:"},
    {.control = "Label15", .property = P::Caption, .en = "LOCAL COURT"},
    {.control = "Label1", .property = P::Caption, .en = "The Becher's pub"},
    {.control = "Vlastnosti", .property = P::Caption, .en = "Properties:"},
    {.control = "Splh", .property = P::Caption, .en = "climbing"},
    {.control = "inteligence", .property = P::Caption, .en = "intelligence"},
    {.control = "Nuz", .property = P::Hint, .en = "KNIFE"},
    {.control = "Olmeca", .property = P::Hint, .en = "BECHEROVKA"},
    {.control = "Pitiva", .property = P::Hint, .en = "BECHEROVKA"},
    {.control = "Sperhak", .property = P::Hint, .en = "CROWBAR"},
    {.control = "Lano", .property = P::Hint, .en = "ROPE"},
    {.control = "Jidlo", .property = P::Hint, .en = "FOOD"},
    {.control = "Lopata", .property = P::Hint, .en = "SHOVEL"},
    {.control = "Penize", .property = P::Hint, .en = "LOCAL CURRENCY"},
    {.control = "Penez", .property = P::Hint, .en = "LOCAL CURRENCY"},
};

// Two labels move with their English captions.
struct Shift {
    std::string_view control;
    int dx;
};
constexpr Shift kEnglishShifts[] = {{"Zprava3", -130}, {"Label1", 20}};

// The hover look: 28 points against the layout's 26, as pixel heights at
// 96 dots per inch.
constexpr int32_t kHoverFontHeight = -37;
constexpr int32_t kRestFontHeight = -35;

void applyEnglish(scenes::Context& ctx) {
    for (const EnglishText& t : kEnglishTexts) {
        auto* ctl = ctx.layout.findAs<layout::Control>(t.control);
        if (!ctl) {
            logOnce("english " + std::string(t.control),
                    "the layout has no control '" + std::string(t.control) + "' to put its English text on");
            continue;
        }
        if (t.property == P::Hint) {
            ctl->Hint = std::string(t.en);
        } else if (auto* label = layout::as<layout::Label>(ctl)) {
            scenes::setCaption(ctx, *label, t.en);
        }
    }
    for (const Shift& s : kEnglishShifts) {
        if (auto* ctl = ctx.layout.findAs<layout::Control>(s.control)) ctl->Left += s.dx;
    }
}

void hover(scenes::Context& ctx, layout::Label& label, bool entered) {
    if (entered) scenes::playWave(ctx, 13);
    label.Font_.Color = entered ? layout::clYellow : layout::clWhite;
    label.Font_.Height = entered ? kHoverFontHeight : kRestFontHeight;
    label.Left += entered ? -2 : 2;
    ctx.screen->autoSize(label);
}

}  // namespace

void bindLanguageHandlers(scenes::Context& ctx, layout::HandlerRegistry& handlers) {
    handlers.add("Label123Click", [&ctx](const layout::EventArgs&) { chooseLanguage(ctx, 1); });
    handlers.add("Label124Click", [&ctx](const layout::EventArgs&) { chooseLanguage(ctx, 2); });
    for (auto [name, label] :
         {std::pair{"Label123", &scenes::Controls::Label123}, {"Label124", &scenes::Controls::Label124}}) {
        handlers.add(std::string(name) + "MouseEnter",
                     [&ctx, label = label](const layout::EventArgs&) { hover(ctx, *(ctx.c.*label), true); });
        handlers.add(std::string(name) + "MouseLeave",
                     [&ctx, label = label](const layout::EventArgs&) { hover(ctx, *(ctx.c.*label), false); });
    }
}

void chooseLanguage(scenes::Context& ctx, int language) {
    ctx.state.Language = language;
    ctx.c.VyberJazyk->Visible = false;
    ctx.c.Menu1->Visible = true;
    if (language == 2) {
        applyEnglish(ctx);
        ctx.c.Krytivo->Visible = false;
    }
    scenes::playTrack(ctx, 1);
}

}  // namespace kvarnel::screens

#include "app/controls.h"

#include <sstream>

#include "layout/errors.h"

namespace kvarnel::app {
namespace {

class Resolver {
public:
    explicit Resolver(const layout::Layout& layout) : layout_(layout) {}

    template <class T>
    void need(std::string_view name, T*& slot, std::string_view wanted) {
        layout::Component* c = layout_.find(name);
        slot = layout::as<T>(c);
        if (!c) {
            problems_.push_back("'" + std::string(name) + "' is missing");
        } else if (!slot) {
            problems_.push_back("'" + std::string(name) + "' is a " +
                                std::string(layout::streamClassName(c->componentClass())) + ", not a " +
                                std::string(wanted));
        }
    }

    template <class T, size_t N>
    void needAll(const std::array<std::string_view, N>& names, std::array<T*, N>& slots, std::string_view wanted) {
        for (size_t i = 0; i < N; ++i) need(names[i], slots[i], wanted);
    }

    void problem(std::string text) { problems_.push_back(std::move(text)); }

    void finish(std::string_view source) const {
        if (problems_.empty()) return;
        std::ostringstream msg;
        msg << source << ": the layout lacks what the game needs (" << problems_.size() << " problem"
            << (problems_.size() == 1 ? "" : "s") << "):";
        for (const auto& p : problems_) msg << "\n  " << p;
        throw layout::LayoutError(msg.str());
    }

private:
    const layout::Layout& layout_;
    std::vector<std::string> problems_;
};

constexpr auto kSkladbaNames =
    std::to_array<std::string_view>({"Skladba1", "Skladba2", "Skladba3", "Skladba4", "Skladba5", "Skladba6"});

}  // namespace

Controls resolveControls(const layout::Layout& layout, std::string_view source) {
    Controls c;
    Resolver r(layout);
    r.need("SPanel", c.SPanel, "TPanel");
    r.need("AnimaceQuillmoth", c.AnimaceQuillmoth, "TPanel");
    r.need("BonusHra", c.BonusHra, "TPanel");
    r.needAll(kSkladbaNames, c.Skladba, "TMediaPlayer");
    r.need("Zvuky", c.Zvuky, "TDXWaveList");
    r.need("DXSound1", c.DXSound1, "TDXSound");
    r.need("DXSound2", c.DXSound2, "TDXSound");
    r.need("Casodavac", c.Casodavac, "TTimer");
    r.need("Start", c.Start, "TDXTimer");
    r.needAll(kShiftedFirst, c.shiftedFirst, "visual control");
    r.needAll(kShiftedTopOnly, c.shiftedTopOnly, "visual control");
    r.needAll(kShiftedSecond, c.shiftedSecond, "visual control");
    r.needAll(kStoryFlagNames, c.storyFlags, "TImage");

    const layout::Form& form = layout.form();
    if (form.OnCreate.name != "FormCreate") r.problem("the window's OnCreate is not bound to FormCreate");
    if (form.OnClose.name != "FormClose") r.problem("the window's OnClose is not bound to FormClose");
    r.finish(source);

    for (layout::Component* comp : layout.components()) {
        if (auto* gif = layout::as<layout::GifAnimator>(comp)) c.gifs.push_back(gif);
    }
    return c;
}

}  // namespace kvarnel::app

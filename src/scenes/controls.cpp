#include "scenes/controls.h"

#include <algorithm>
#include <sstream>

#include "layout/errors.h"
#include "scenes/scene_faces.h"

namespace kvarnel::scenes {
namespace {

class Resolver {
public:
    explicit Resolver(const layout::Layout& layout) : layout_(layout) {}

    template <class T>
    void need(std::string_view name, T*& slot, std::string_view wanted) {
        layout::Component* c = layout_.find(name);
        slot = layout::as<T>(c);
        if (!c) {
            report("'" + std::string(name) + "' is missing");
        } else if (!slot) {
            report("'" + std::string(name) + "' is a " + std::string(layout::streamClassName(c->componentClass())) +
                   ", not a " + std::string(wanted));
        }
    }

    template <class T, size_t N>
    void needAll(const std::array<std::string_view, N>& names, std::array<T*, N>& slots, std::string_view wanted) {
        for (size_t i = 0; i < N; ++i) need(names[i], slots[i], wanted);
    }

    void problem(std::string text) { problems_.push_back(std::move(text)); }

    // A name several lists need is reported once.
    void report(std::string text) {
        if (std::find(problems_.begin(), problems_.end(), text) == problems_.end())
            problems_.push_back(std::move(text));
    }

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

constexpr auto kInterludeNames = std::to_array<std::string_view>(
    {"Textanimace", "Textanimace2", "Textanimace3", "Textanimace4", "Textanimace5", "Textanimace6", "Textanimace7"});
constexpr auto kOutroNames =
    std::to_array<std::string_view>({"Outro1", "Outro2", "Outro3", "Outro4", "Outro5", "Outro6"});
constexpr auto kReplyNames = std::to_array<std::string_view>({"Otazka1", "Otazka2", "Otazka3"});

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
    r.needAll(core::kStoryFlagNames, c.storyFlags, "TImage");

    for (size_t i = 0; i < c.scenes.size(); ++i) {
        r.need(kSceneNames[i], c.scenes[i], "TPanel");
        for (std::string_view face : kSceneFaces[i]) {
            layout::GifAnimator* gif = nullptr;
            r.need(face, gif, "TRxGIFAnimator");
            if (gif) c.sceneFaces[i].push_back(gif);
        }
    }
    for (const DetectiveSprites& d : kDetectiveSprites) {
        Controls::DetectiveFace f;
        f.scene = d.scene;
        r.need(d.head, f.head, "visual control");
        r.need(d.eyes, f.eyes, "visual control");
        if (!d.eyesInTalk.empty()) r.need(d.eyesInTalk, f.eyesInTalk, "visual control");
        r.need(d.mouth, f.mouth, "visual control");
        if (!d.talkingMouth.empty()) r.need(d.talkingMouth, f.talkingMouth, "visual control");
        r.need(d.description, f.description, "visual control");
        f.hidesTalkingMouth = d.hidesTalkingMouth;
        f.hidesEyesInTalk = d.hidesEyesInTalk;
        c.detectiveFaces.push_back(f);
    }
    r.need("Intro", c.Intro, "TPanel");
    r.need("Outro", c.Outro, "TPanel");
    r.need("Titulky", c.Titulky, "TPanel");
    r.need("Menu1", c.Menu1, "TPanel");
    r.need("Rukpal", c.Rukpal, "TPanel");
    r.need("Vjeskyni", c.Vjeskyni, "TPanel");
    r.needAll(kInterludeNames, c.Textanimace, "TPanel");
    r.need("ShockwaveFlash1", c.ShockwaveFlash1, "TShockwaveFlash");
    r.need("ShockwaveFlash2", c.ShockwaveFlash2, "TShockwaveFlash");
    r.needAll(kOutroNames, c.Outros, "TShockwaveFlash");
    r.need("Titulky1", c.Titulky1, "TShockwaveFlash");
    r.need("Titulky2", c.Titulky2, "TShockwaveFlash");
    r.need("Kryti", c.Kryti, "TPanel");
    r.need("Krytivo", c.Krytivo, "TPanel");
    r.need("VyberJazyk", c.VyberJazyk, "TPanel");
    r.need("Label123", c.Label123, "TLabel");
    r.need("Label124", c.Label124, "TLabel");
    r.need("HlavniMenu", c.HlavniMenu, "TDXDraw");
    r.need("DXDraw1", c.DXDraw1, "TDXDraw");
    r.need("DXDraw2", c.DXDraw2, "TDXDraw");
    r.need("DXDraw3", c.DXDraw3, "TDXDraw");
    r.need("DXImageList1", c.DXImageList1, "TDXImageList");
    r.need("Obrazky", c.Obrazky, "TDXImageList");
    r.need("Label2", c.Label2, "TLabel");
    r.need("Label11", c.Label11, "TLabel");
    r.need("Cas", c.Cas, "TLabel");
    r.need("Label113", c.Label113, "TLabel");
    r.need("Label116", c.Label116, "TLabel");
    r.need("Label117", c.Label117, "TLabel");
    r.need("GrafikaMenu", c.GrafikaMenu, "TDXImageList");

    r.need("Popis", c.Popis, "TLabel");
    r.need("Rozhovor", c.Rozhovor, "TLabel");
    r.needAll(kReplyNames, c.Otazka, "TLabel");
    r.need("zrusit", c.zrusit, "TLabel");
    r.need("Inventar", c.Inventar, "TRxGIFAnimator");
    r.need("Vlastnosti", c.Vlastnosti, "TLabel");
    r.need("Splh", c.Splh, "TLabel");
    r.need("inteligence", c.inteligence, "TLabel");
    r.need("Penez", c.Penez, "TLabel");
    r.need("Pitiva", c.Pitiva, "TLabel");
    r.need("Label10", c.Label10, "TLabel");
    r.need("Ssplh", c.Ssplh, "TImage");
    r.need("Sinteligence", c.Sinteligence, "TImage");
    for (const core::ItemInfo& item : core::kItems) {
        r.need(item.picture, c.itemPicture[static_cast<size_t>(item.item)], "TImage");
        r.need(item.twin, c.itemTwin[static_cast<size_t>(item.item)], "TImage");
    }

    r.need("Label125", c.Label125, "TLabel");
    r.need("Label39", c.Label39, "TLabel");
    r.need("Ker", c.Ker, "TImage");
    r.need("Dcerka", c.Dcerka, "TRxGIFAnimator");
    r.need("Ptak", c.Ptak, "TRxGIFAnimator");
    r.need("Krovakvp", c.Krovakvp, "TRxGIFAnimator");
    r.need("Krovak", c.Krovak, "TImage");
    r.need("Krovakoci", c.Krovakoci, "TRxGIFAnimator");
    r.need("Krovakpusa", c.Krovakpusa, "TRxGIFAnimator");
    r.need("Ztpusavpravo", c.Ztpusavpravo, "TRxGIFAnimator");
    r.need("L5pusa", c.L5pusa, "TRxGIFAnimator");
    r.need("L5mluva", c.L5mluva, "TRxGIFAnimator");
    r.need("hranicaroci", c.hranicaroci, "TRxGIFAnimator");
    r.need("hranicarocimluva", c.hranicarocimluva, "TRxGIFAnimator");
    r.need("hranicarpusa", c.hranicarpusa, "TRxGIFAnimator");
    r.need("hranicarmluva", c.hranicarmluva, "TRxGIFAnimator");

    const layout::Form& form = layout.form();
    if (form.OnCreate.name != "FormCreate") r.problem("the window's OnCreate is not bound to FormCreate");
    if (form.OnClose.name != "FormClose") r.problem("the window's OnClose is not bound to FormClose");
    r.finish(source);

    for (layout::Component* comp : layout.components()) {
        if (auto* gif = layout::as<layout::GifAnimator>(comp)) c.gifs.push_back(gif);
    }
    return c;
}

}  // namespace kvarnel::scenes

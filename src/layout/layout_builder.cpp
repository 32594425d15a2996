// Turns the record tree of a layout stream into components.
//
// [SECTION] Colours and identifiers
// [SECTION] Property setters
// [SECTION] Property tables, one per class
// [SECTION] Builder
// [SECTION] Layout and handler registry
#include <algorithm>
#include <array>
#include <cctype>
#include <sstream>

#include "layout/errors.h"
#include "layout/gif_codec.h"
#include "layout/layout.h"
#include "layout/picture_record.h"
#include "layout/wave.h"

namespace kvarnel::layout {

namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// ---------------------------------------------------------------------------
// [SECTION] Colours and identifiers
// ---------------------------------------------------------------------------
struct NamedValue {
    std::string_view name;
    int32_t value;
};

constexpr int32_t sys(int index) {
    return static_cast<int32_t>(0x80000000u | static_cast<uint32_t>(index));
}

constexpr std::array kColorNames = {
    NamedValue{"clBlack", 0x000000},        NamedValue{"clMaroon", 0x000080},
    NamedValue{"clGreen", 0x008000},        NamedValue{"clOlive", 0x008080},
    NamedValue{"clNavy", 0x800000},         NamedValue{"clPurple", 0x800080},
    NamedValue{"clTeal", 0x808000},         NamedValue{"clGray", 0x808080},
    NamedValue{"clSilver", 0xC0C0C0},       NamedValue{"clRed", 0x0000FF},
    NamedValue{"clLime", 0x00FF00},         NamedValue{"clYellow", 0x00FFFF},
    NamedValue{"clBlue", 0xFF0000},         NamedValue{"clFuchsia", 0xFF00FF},
    NamedValue{"clAqua", 0xFFFF00},         NamedValue{"clWhite", 0xFFFFFF},
    NamedValue{"clMoneyGreen", 0xC0DCC0},   NamedValue{"clSkyBlue", 0xF0CAA6},
    NamedValue{"clCream", 0xF0FBFF},        NamedValue{"clMedGray", 0xA4A0A0},
    NamedValue{"clNone", 0x1FFFFFFF},       NamedValue{"clDefault", 0x20000000},
    NamedValue{"clScrollBar", sys(0)},      NamedValue{"clBackground", sys(1)},
    NamedValue{"clActiveCaption", sys(2)},  NamedValue{"clInactiveCaption", sys(3)},
    NamedValue{"clMenu", sys(4)},           NamedValue{"clWindow", sys(5)},
    NamedValue{"clWindowFrame", sys(6)},    NamedValue{"clMenuText", sys(7)},
    NamedValue{"clWindowText", sys(8)},     NamedValue{"clCaptionText", sys(9)},
    NamedValue{"clActiveBorder", sys(10)},  NamedValue{"clInactiveBorder", sys(11)},
    NamedValue{"clAppWorkSpace", sys(12)},  NamedValue{"clHighlight", sys(13)},
    NamedValue{"clHighlightText", sys(14)}, NamedValue{"clBtnFace", sys(15)},
    NamedValue{"clBtnShadow", sys(16)},     NamedValue{"clGrayText", sys(17)},
    NamedValue{"clBtnText", sys(18)},       NamedValue{"clInactiveCaptionText", sys(19)},
    NamedValue{"clBtnHighlight", sys(20)},  NamedValue{"cl3DDkShadow", sys(21)},
    NamedValue{"cl3DLight", sys(22)},       NamedValue{"clInfoText", sys(23)},
    NamedValue{"clInfoBk", sys(24)},
};

constexpr std::array kCharsetNames = {
    NamedValue{"ANSI_CHARSET", 0},      NamedValue{"DEFAULT_CHARSET", 1},    NamedValue{"SYMBOL_CHARSET", 2},
    NamedValue{"MAC_CHARSET", 77},      NamedValue{"SHIFTJIS_CHARSET", 128}, NamedValue{"HANGEUL_CHARSET", 129},
    NamedValue{"JOHAB_CHARSET", 130},   NamedValue{"GB2312_CHARSET", 134},   NamedValue{"CHINESEBIG5_CHARSET", 136},
    NamedValue{"GREEK_CHARSET", 161},   NamedValue{"TURKISH_CHARSET", 162},  NamedValue{"VIETNAMESE_CHARSET", 163},
    NamedValue{"HEBREW_CHARSET", 177},  NamedValue{"ARABIC_CHARSET", 178},   NamedValue{"BALTIC_CHARSET", 186},
    NamedValue{"RUSSIAN_CHARSET", 204}, NamedValue{"THAI_CHARSET", 222},     NamedValue{"EASTEUROPE_CHARSET", 238},
    NamedValue{"OEM_CHARSET", 255},
};

constexpr std::array<std::string_view, 7> kAlignNames = {"alNone",  "alTop",    "alBottom", "alLeft",
                                                         "alRight", "alClient", "alCustom"};

template <size_t N>
const NamedValue* lookup(const std::array<NamedValue, N>& table, std::string_view name) {
    for (const auto& e : table) {
        if (e.name == name) return &e;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// [SECTION] Property setters
// ---------------------------------------------------------------------------

// Where a value is being applied, for error messages and summaries.
struct Ctx {
    std::string_view source;
    const ObjectRecord* record = nullptr;
    std::string_view property;
    const Value* value = nullptr;
    std::vector<EventBinding*>* bindings = nullptr;
    std::map<size_t, std::string>* summaries = nullptr;
    std::string_view itemOf;  // "Items[3]" inside a collection
    bool lazy = false;        // pictures and GIFs decoded when first used

    [[noreturn]] void fail(const std::string& what, size_t offset) const {
        std::ostringstream msg;
        msg << source << ": offset " << offset << ", component '" << record->name << "' (" << record->className
            << "), property '";
        if (!itemOf.empty()) msg << itemOf << ".";
        msg << property << "': " << what;
        throw LayoutError(msg.str());
    }
    [[noreturn]] void fail(const std::string& what) const { fail(what, value->offset); }

    void expect(bool ok, const char* wanted) const {
        if (!ok) fail(std::string("expected ") + wanted + ", found " + tagName(value->tag));
    }
    bool boolean() const {
        expect(value->isBoolean(), "True or False");
        return value->tag == ValueTag::True;
    }
    int32_t integer() const {
        expect(value->isInteger(), "an integer");
        return value->integer;
    }
    const std::string& text() const {
        expect(value->isText(), "a string");
        return value->text;
    }
    const std::string& ident() const {
        expect(value->tag == ValueTag::Ident, "an identifier");
        return value->text;
    }
    TColor color() const {
        if (value->isInteger()) return value->integer;
        const auto color = colorFromName(ident());
        if (!color) fail("unknown colour '" + value->text + "'");
        return *color;
    }
    const Bytes& binary() const {
        expect(value->tag == ValueTag::Binary, "binary data");
        return value->bytes;
    }
    // The binary value's bytes for a component to keep (sharing the
    // record's buffer, which is the stream's when it was read sharing it).
    Bytes keepBinary() const { return binary(); }
    // Gives a payload reader the bytes to keep, turning its relative offsets
    // into stream ones.
    template <class F>
    auto decodeKept(F&& f) const -> decltype(f(Bytes{})) {
        Bytes bytes = keepBinary();
        try {
            return f(std::move(bytes));
        } catch (const DecodeError& e) {
            fail(e.what(), value->binaryDataOffset() + e.offset());
        }
    }
    // Runs a payload decoder, turning its relative offsets into stream ones.
    template <class F>
    auto decode(F&& f) const -> decltype(f(std::span<const uint8_t>{})) {
        const auto& bytes = binary();
        try {
            return f(std::span<const uint8_t>(bytes));
        } catch (const DecodeError& e) {
            fail(e.what(), value->binaryDataOffset() + e.offset());
        }
    }
    void summarise(std::string text) const {
        if (summaries) (*summaries)[value->offset] = std::move(text);
    }
};

using Setter = void (*)(Component&, const Ctx&);

struct PropertyRule {
    std::string_view name;
    Setter set;
};

template <auto M>
struct Member;
template <class C, class T, T C::*M>
struct Member<M> {
    using Class = C;
    using Type = T;
    static T& of(Component& c) { return static_cast<C&>(c).*M; }
};

template <auto M>
void setBool(Component& c, const Ctx& ctx) {
    Member<M>::of(c) = ctx.boolean();
}
template <auto M>
void setInt(Component& c, const Ctx& ctx) {
    Member<M>::of(c) = ctx.integer();
}
template <auto M>
void setText(Component& c, const Ctx& ctx) {
    Member<M>::of(c) = ctx.text();
}
template <auto M>
void setIdent(Component& c, const Ctx& ctx) {
    Member<M>::of(c) = ctx.ident();
}
template <auto M>
void setColor(Component& c, const Ctx& ctx) {
    Member<M>::of(c) = ctx.color();
}
template <auto M>
void setSet(Component& c, const Ctx& ctx) {
    ctx.expect(ctx.value->tag == ValueTag::Set, "a set");
    Member<M>::of(c) = ctx.value->names;
}
template <auto M>
void setEvent(Component& c, const Ctx& ctx) {
    EventBinding& b = Member<M>::of(c);
    b.name = ctx.ident();
    b.handler = nullptr;
    ctx.bindings->push_back(&b);
}
template <auto M>
void setAlign(Component& c, const Ctx& ctx) {
    const std::string& name = ctx.ident();
    const auto it = std::find(kAlignNames.begin(), kAlignNames.end(), name);
    if (it == kAlignNames.end()) ctx.fail("unknown alignment '" + name + "'");
    Member<M>::of(c) = static_cast<Align>(it - kAlignNames.begin());
}
template <auto M>
void setBytes(Component& c, const Ctx& ctx) {
    Member<M>::of(c) = ctx.keepBinary();
    ctx.summarise(std::to_string(Member<M>::of(c).size()) + " bytes");
}

std::string describe(const Picture& p) {
    if (!p.known) return p.className + " (unknown picture class, left empty)";
    return p.className + " " + std::to_string(p.image.width) + "x" + std::to_string(p.image.height);
}

PayloadOrigin originOf(const Ctx& ctx) {
    std::string property(ctx.property);
    if (!ctx.itemOf.empty()) property = std::string(ctx.itemOf) + "." + property;
    return {std::string(ctx.source), ctx.record->name, ctx.record->className, std::move(property),
            ctx.value->binaryDataOffset()};
}

LazyPicture readPicture(const Ctx& ctx) {
    if (ctx.lazy) {
        // Only the class name is read now; the pixels when first drawn.
        LazyPicture p = ctx.decodeKept([&](Bytes b) { return LazyPicture::fromRecord(std::move(b), originOf(ctx)); });
        ctx.summarise(p.className);
        return p;
    }
    Picture p = ctx.decode([](std::span<const uint8_t> b) { return decodePictureRecord(b); });
    ctx.summarise(describe(p));
    return LazyPicture(std::move(p));
}

template <auto M>
void setPicture(Component& c, const Ctx& ctx) {
    Member<M>::of(c) = readPicture(ctx);
}

template <auto M>
void setGif(Component& c, const Ctx& ctx) {
    LazyGif anim;
    if (ctx.lazy) {
        // The blocks are walked now for the size and the frames' delays.
        anim = ctx.decodeKept([&](Bytes b) { return LazyGif::fromControlValue(std::move(b), originOf(ctx)); });
    } else {
        anim = ctx.decode([](std::span<const uint8_t> b) { return decodeGifControlValue(b); });
    }
    ctx.summarise("GIF " + std::to_string(anim.width) + "x" + std::to_string(anim.height) + ", " +
                  std::to_string(anim.frameCount()) + (anim.frameCount() == 1 ? " frame" : " frames"));
    Member<M>::of(c) = std::move(anim);
}

// Fonts: the setters reach the Font member of the class.
template <auto M>
void setFontName(Component& c, const Ctx& ctx) {
    Member<M>::of(c).Name = ctx.text();
}
template <auto M>
void setFontHeight(Component& c, const Ctx& ctx) {
    Member<M>::of(c).Height = ctx.integer();
}
template <auto M>
void setFontColor(Component& c, const Ctx& ctx) {
    Member<M>::of(c).Color = ctx.color();
}
template <auto M>
void setFontCharset(Component& c, const Ctx& ctx) {
    if (ctx.value->isInteger()) {
        Member<M>::of(c).Charset = ctx.value->integer;
        return;
    }
    const auto* e = lookup(kCharsetNames, ctx.ident());
    if (!e) ctx.fail("unknown character set '" + ctx.value->text + "'");
    Member<M>::of(c).Charset = e->value;
}
template <auto M>
void setFontStyle(Component& c, const Ctx& ctx) {
    ctx.expect(ctx.value->tag == ValueTag::Set, "a set");
    Font& f = Member<M>::of(c);
    f.Bold = f.Italic = f.Underline = f.StrikeOut = false;
    for (const auto& n : ctx.value->names) {
        if (n == "fsBold") {
            f.Bold = true;
        } else if (n == "fsItalic") {
            f.Italic = true;
        } else if (n == "fsUnderline") {
            f.Underline = true;
        } else if (n == "fsStrikeOut") {
            f.StrikeOut = true;
        } else {
            ctx.fail("unknown font style '" + n + "'");
        }
    }
}

#define KV_FONT_RULES(Class)                                                                                          \
    PropertyRule{"Font.Name", setFontName<&Class::Font_>}, PropertyRule{"Font.Height", setFontHeight<&Class::Font_>}, \
        PropertyRule{"Font.Color", setFontColor<&Class::Font_>},                                                      \
        PropertyRule{"Font.Charset", setFontCharset<&Class::Font_>}, PropertyRule {                                   \
        "Font.Style", setFontStyle<&Class::Font_>                                                                     \
    }

// Properties every visual control has.
#define KV_CONTROL_RULES                                                                                            \
    PropertyRule{"Left", setInt<&Component::Left>}, PropertyRule{"Top", setInt<&Component::Top>},                   \
        PropertyRule{"Width", setInt<&Control::Width>}, PropertyRule{"Height", setInt<&Control::Height>},           \
        PropertyRule{"Visible", setBool<&Control::Visible>}, PropertyRule{"Enabled", setBool<&Control::Enabled>},   \
        PropertyRule{"Align", setAlign<&Control::Align_>}, PropertyRule{"Hint", setText<&Control::Hint>},           \
        PropertyRule{"ShowHint", setBool<&Control::ShowHint>},                                                      \
        PropertyRule{"ParentShowHint", setBool<&Control::ParentShowHint>},                                          \
        PropertyRule{"TabOrder", setInt<&Control::TabOrder>}, PropertyRule{"OnClick", setEvent<&Control::OnClick>}, \
        PropertyRule{"OnMouseDown", setEvent<&Control::OnMouseDown>},                                               \
        PropertyRule{"OnMouseUp", setEvent<&Control::OnMouseUp>}, PropertyRule {                                    \
        "OnMouseMove", setEvent<&Control::OnMouseMove>                                                              \
    }

// ---------------------------------------------------------------------------
// [SECTION] Property tables, one per class
// ---------------------------------------------------------------------------
const PropertyRule kFormRules[] = {
    KV_CONTROL_RULES,
    KV_FONT_RULES(Form),
    {"BorderStyle", setIdent<&Form::BorderStyle>},
    {"Caption", setText<&Form::Caption>},
    {"ClientWidth", setInt<&Form::ClientWidth>},
    {"ClientHeight", setInt<&Form::ClientHeight>},
    {"Color", setColor<&Form::Color>},
    {"OldCreateOrder", setBool<&Form::OldCreateOrder>},
    {"WindowState", setIdent<&Form::WindowState>},
    {"PixelsPerInch", setInt<&Form::PixelsPerInch>},
    {"TextHeight", setInt<&Form::TextHeight>},
    {"OnClose", setEvent<&Form::OnClose>},
    {"OnCreate", setEvent<&Form::OnCreate>},
};

const PropertyRule kImageRules[] = {
    KV_CONTROL_RULES,
    {"Picture.Data", setPicture<&ImageControl::Picture_>},
    {"AutoSize", setBool<&ImageControl::AutoSize>},
    {"Center", setBool<&ImageControl::Center>},
    {"Stretch", setBool<&ImageControl::Stretch>},
    {"Transparent", setBool<&ImageControl::Transparent>},
};

const PropertyRule kLabelRules[] = {
    KV_CONTROL_RULES,
    KV_FONT_RULES(Label),
    {"Caption", setText<&Label::Caption>},
    {"AutoSize", setBool<&Label::AutoSize>},
    {"Transparent", setBool<&Label::Transparent>},
    {"ParentColor", setBool<&Label::ParentColor>},
    {"ParentFont", setBool<&Label::ParentFont>},
    {"Color", setColor<&Label::Color>},
    {"OnMouseEnter", setEvent<&Label::OnMouseEnter>},
    {"OnMouseLeave", setEvent<&Label::OnMouseLeave>},
};

const PropertyRule kGifRules[] = {
    KV_CONTROL_RULES,
    {"Image.Data", setGif<&GifAnimator::Image_>},
    {"Animate", setBool<&GifAnimator::Animate>},
    {"AutoSize", setBool<&GifAnimator::AutoSize>},
    {"Loop", setBool<&GifAnimator::Loop>},
    {"Transparent", setBool<&GifAnimator::Transparent>},
    {"Stretch", setBool<&GifAnimator::Stretch>},
    {"Center", setBool<&GifAnimator::Center>},
    {"FrameIndex", setInt<&GifAnimator::FrameIndex>},
    {"OnChange", setEvent<&GifAnimator::OnChange>},
    {"OnStop", setEvent<&GifAnimator::OnStop>},
};

const PropertyRule kPanelRules[] = {
    KV_CONTROL_RULES,
    KV_FONT_RULES(Panel),
    {"Caption", setText<&Panel::Caption>},
    {"BevelOuter", setIdent<&Panel::BevelOuter>},
    {"Color", setColor<&Panel::Color>},
    {"ParentFont", setBool<&Panel::ParentFont>},
};

const PropertyRule kFlashRules[] = {
    KV_CONTROL_RULES,
    {"ControlData", setBytes<&ShockwaveFlash::ControlData>},
};

const PropertyRule kMediaPlayerRules[] = {
    KV_CONTROL_RULES,
    {"AutoOpen", setBool<&MediaPlayer::AutoOpen>},
    {"FileName", setText<&MediaPlayer::FileName>},
    {"Wait", setBool<&MediaPlayer::Wait>},
    {"OnNotify", setEvent<&MediaPlayer::OnNotify>},
};

const PropertyRule kDXDrawRules[] = {
    KV_CONTROL_RULES,
    {"AutoInitialize", setBool<&DXDraw::AutoInitialize>},
    {"AutoSize", setBool<&DXDraw::AutoSize>},
    {"Color", setColor<&DXDraw::Color>},
    {"Display.BitCount", setInt<&DXDraw::DisplayBitCount>},
    {"Display.Width", setInt<&DXDraw::DisplayWidth>},
    {"Display.Height", setInt<&DXDraw::DisplayHeight>},
    {"Display.FixedBitCount", setBool<&DXDraw::DisplayFixedBitCount>},
    {"Display.FixedRatio", setBool<&DXDraw::DisplayFixedRatio>},
    {"Display.FixedSize", setBool<&DXDraw::DisplayFixedSize>},
    {"Options", setSet<&DXDraw::Options>},
    {"SurfaceWidth", setInt<&DXDraw::SurfaceWidth>},
    {"SurfaceHeight", setInt<&DXDraw::SurfaceHeight>},
};

// Component references are resolved after the whole stream is read.
void setImageListDXDraw(Component& c, const Ctx& ctx) {
    static_cast<DXImageList&>(c).DXDrawName = ctx.ident();
}
void setWaveListDXSound(Component& c, const Ctx& ctx) {
    static_cast<DXWaveList&>(c).DXSoundName = ctx.ident();
}

void setColorTable(Component& c, const Ctx& ctx) {
    static_cast<DXImageList&>(c).ColorTable = ctx.binary();
    ctx.summarise(std::to_string(ctx.binary().size()) + " bytes");
}

// Collection items: a small property table of their own.
template <class Item>
using ItemSetter = void (*)(Item&, const Ctx&);
template <class Item>
struct ItemRule {
    std::string_view name;
    ItemSetter<Item> set;
};

const ItemRule<ImageListItem> kImageItemRules[] = {
    {"Name", [](ImageListItem& i, const Ctx& ctx) { i.Name = ctx.text(); }},
    {"Picture.Data", [](ImageListItem& i, const Ctx& ctx) { i.Picture_ = readPicture(ctx); }},
    {"PatternWidth", [](ImageListItem& i, const Ctx& ctx) { i.PatternWidth = ctx.integer(); }},
    {"PatternHeight", [](ImageListItem& i, const Ctx& ctx) { i.PatternHeight = ctx.integer(); }},
    {"SystemMemory", [](ImageListItem& i, const Ctx& ctx) { i.SystemMemory = ctx.boolean(); }},
    {"Transparent", [](ImageListItem& i, const Ctx& ctx) { i.Transparent = ctx.boolean(); }},
    {"TransparentColor", [](ImageListItem& i, const Ctx& ctx) { i.TransparentColor = ctx.color(); }},
};

std::string describe(const WaveFormat& f) {
    return "WAVE PCM " + std::to_string(f.channels) + "ch " + std::to_string(f.bitsPerSample) + "bit " +
           std::to_string(f.samplesPerSecond) + "Hz, " + std::to_string(f.durationMs()) + " ms";
}

const ItemRule<WaveItem> kWaveItemRules[] = {
    {"Name", [](WaveItem& i, const Ctx& ctx) { i.Name = ctx.text(); }},
    {"Looped", [](WaveItem& i, const Ctx& ctx) { i.Looped = ctx.boolean(); }},
    {"MaxPlayingCount", [](WaveItem& i, const Ctx& ctx) { i.MaxPlayingCount = ctx.integer(); }},
    {"Wave.WAVE",
     [](WaveItem& i, const Ctx& ctx) {
         i.format = ctx.decode([](std::span<const uint8_t> b) { return checkWave(b); });
         i.Wave = ctx.keepBinary();
         ctx.summarise(describe(i.format));
     }},
};

template <class Item, size_t N>
void readItems(std::vector<Item>& out, const ItemRule<Item> (&rules)[N], const Ctx& ctx) {
    ctx.expect(ctx.value->tag == ValueTag::Collection, "a collection");
    out.clear();
    out.reserve(ctx.value->items.size());
    for (size_t k = 0; k < ctx.value->items.size(); ++k) {
        const auto& item = ctx.value->items[k];
        Item made;
        const std::string where = std::string(ctx.property) + "[" + std::to_string(k) + "]";
        for (const auto& p : item.properties) {
            Ctx inner = ctx;
            inner.itemOf = where;
            inner.property = p.name;
            inner.value = &p.value;
            const auto* rule = std::find_if(std::begin(rules), std::end(rules),
                                            [&](const ItemRule<Item>& r) { return r.name == p.name; });
            if (rule == std::end(rules)) inner.fail("a collection item of this list has no such property", p.offset);
            rule->set(made, inner);
        }
        out.push_back(std::move(made));
    }
    ctx.summarise(std::to_string(out.size()) + " items");
}

const PropertyRule kImageListRules[] = {
    {"Left", setInt<&Component::Left>},
    {"Top", setInt<&Component::Top>},
    {"DXDraw", setImageListDXDraw},
    {"Items.ColorTable", setColorTable},
    {"Items",
     [](Component& c, const Ctx& ctx) { readItems(static_cast<DXImageList&>(c).Items, kImageItemRules, ctx); }},
};

const PropertyRule kSoundRules[] = {
    {"Left", setInt<&Component::Left>},
    {"Top", setInt<&Component::Top>},
    {"AutoInitialize", setBool<&DXSound::AutoInitialize>},
    {"Options", setSet<&DXSound::Options>},
};

const PropertyRule kWaveListRules[] = {
    {"Left", setInt<&Component::Left>},
    {"Top", setInt<&Component::Top>},
    {"DXSound", setWaveListDXSound},
    {"Items", [](Component& c, const Ctx& ctx) { readItems(static_cast<DXWaveList&>(c).Items, kWaveItemRules, ctx); }},
};

const PropertyRule kTimerRules[] = {
    {"Left", setInt<&Component::Left>},     {"Top", setInt<&Component::Top>},
    {"Enabled", setBool<&Timer::Enabled>},  {"Interval", setInt<&Timer::Interval>},
    {"OnTimer", setEvent<&Timer::OnTimer>},
};

const PropertyRule kDXTimerRules[] = {
    {"Left", setInt<&Component::Left>},
    {"Top", setInt<&Component::Top>},
    {"ActiveOnly", setBool<&DXTimer::ActiveOnly>},
    {"Enabled", setBool<&DXTimer::Enabled>},
    {"Interval", setInt<&DXTimer::Interval>},
    {"OnTimer", setEvent<&DXTimer::OnTimer>},
};

struct ClassInfo {
    std::string_view streamName;
    ComponentClass cls;
    std::span<const PropertyRule> rules;
    std::unique_ptr<Component> (*make)();
};

template <class T>
std::unique_ptr<Component> makeComponent() {
    return std::make_unique<T>();
}

const ClassInfo kClasses[] = {
    {"TForm1", ComponentClass::Form, kFormRules, makeComponent<Form>},
    {"TImage", ComponentClass::Image, kImageRules, makeComponent<ImageControl>},
    {"TLabel", ComponentClass::Label, kLabelRules, makeComponent<Label>},
    {"TRxGIFAnimator", ComponentClass::GifAnimator, kGifRules, makeComponent<GifAnimator>},
    {"TPanel", ComponentClass::Panel, kPanelRules, makeComponent<Panel>},
    {"TShockwaveFlash", ComponentClass::ShockwaveFlash, kFlashRules, makeComponent<ShockwaveFlash>},
    {"TMediaPlayer", ComponentClass::MediaPlayer, kMediaPlayerRules, makeComponent<MediaPlayer>},
    {"TDXDraw", ComponentClass::DXDraw, kDXDrawRules, makeComponent<DXDraw>},
    {"TDXImageList", ComponentClass::DXImageList, kImageListRules, makeComponent<DXImageList>},
    {"TDXSound", ComponentClass::DXSound, kSoundRules, makeComponent<DXSound>},
    {"TDXWaveList", ComponentClass::DXWaveList, kWaveListRules, makeComponent<DXWaveList>},
    {"TTimer", ComponentClass::Timer, kTimerRules, makeComponent<Timer>},
    {"TDXTimer", ComponentClass::DXTimer, kDXTimerRules, makeComponent<DXTimer>},
};
static_assert(std::size(kClasses) == static_cast<size_t>(ComponentClass::DXTimer) + 1,
              "every component class needs its row");

const ClassInfo* classByStreamName(std::string_view name) {
    for (const auto& c : kClasses) {
        if (c.streamName == name) return &c;
    }
    return nullptr;
}

}  // namespace

std::string_view streamClassName(ComponentClass cls) {
    return kClasses[static_cast<size_t>(cls)].streamName;
}

std::optional<TColor> colorFromName(std::string_view name) {
    const auto* e = lookup(kColorNames, name);
    return e ? std::optional<TColor>(e->value) : std::nullopt;
}

std::optional<std::string_view> colorName(TColor color) {
    for (const auto& e : kColorNames) {
        if (e.value == color) return e.name;
    }
    return std::nullopt;
}

uint32_t colorToArgb(TColor color) {
    const auto c = static_cast<uint32_t>(color);
    if (c & 0x80000000u) {
        // The classic desktop scheme: the look the game was drawn against.
        switch (c & 0xFF) {
            case 1:
                return argb(0x00, 0x00, 0x00);  // clBackground: a black desktop
            case 5:
                return argb(0xFF, 0xFF, 0xFF);  // clWindow
            case 8:
                return argb(0x00, 0x00, 0x00);  // clWindowText
            case 15:
                return argb(0xF0, 0xF0, 0xF0);  // clBtnFace
            case 18:
                return argb(0x00, 0x00, 0x00);  // clBtnText
            default:
                return argb(0xC0, 0xC0, 0xC0);
        }
    }
    return argb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// ---------------------------------------------------------------------------
// [SECTION] Builder
// ---------------------------------------------------------------------------
class LayoutBuilder {
public:
    LayoutBuilder(Layout& layout, std::string_view source, bool lazy) : layout_(layout), source_(source), lazy_(lazy) {}

    void build(const ObjectRecord& root) {
        if (root.className != "TForm1") {
            throw LayoutError(std::string(source_) + ": offset " + std::to_string(root.offset) +
                              ": the root object must be of class TForm1, found '" + root.className + "'");
        }
        auto form = std::make_unique<Form>();
        form->Name = root.name;
        form->streamOffset = root.offset;
        applyProperties(*form, root, kClasses[0]);
        layout_.form_ = std::move(form);
        for (const auto& child : root.children) buildChild(child, layout_.form_.get());
        resolveReferences();
    }

private:
    void applyProperties(Component& c, const ObjectRecord& rec, const ClassInfo& info) {
        for (const auto& p : rec.properties) {
            Ctx ctx{source_, &rec, p.name, &p.value, &layout_.bindings_, &layout_.summaries_, {}, lazy_};
            const auto rule = std::find_if(info.rules.begin(), info.rules.end(),
                                           [&](const PropertyRule& r) { return r.name == p.name; });
            if (rule == info.rules.end()) ctx.fail("class " + rec.className + " has no such property", p.offset);
            rule->set(c, ctx);
        }
    }

    [[noreturn]] void fail(const ObjectRecord& rec, const std::string& what) const {
        throw LayoutError(std::string(source_) + ": offset " + std::to_string(rec.offset) + ", component '" + rec.name +
                          "' (" + rec.className + "): " + what);
    }

    void buildChild(const ObjectRecord& rec, Control* parent) {
        const ClassInfo* info = classByStreamName(rec.className);
        if (!info || info->cls == ComponentClass::Form) fail(rec, "unknown class '" + rec.className + "'");
        std::unique_ptr<Component> made = info->make();
        Component* c = made.get();
        c->Name = rec.name;
        c->streamOffset = rec.offset;
        if (!rec.name.empty()) {
            const auto [it, inserted] = layout_.byName_.emplace(lower(rec.name), c);
            if (!inserted) fail(rec, "a component named '" + it->second->Name + "' already exists");
        }
        layout_.owned_.push_back(std::move(made));
        layout_.ordered_.push_back(c);

        if (auto* control = as<Control>(c)) {
            control->parent = parent;
            parent->children.push_back(control);
        }
        applyProperties(*c, rec, *info);

        if (!rec.children.empty()) {
            auto* container = as<Control>(c);
            const bool canContain = container && (info->cls == ComponentClass::Panel);
            if (!canContain) fail(rec, "a " + rec.className + " cannot contain other components");
            for (const auto& child : rec.children) buildChild(child, container);
        }
    }

    template <class T>
    T* reference(Component& owner, const std::string& name, std::string_view property) const {
        if (name.empty()) return nullptr;
        Component* target = layout_.find(name);
        T* typed = as<T>(target);
        if (!typed) {
            throw LayoutError(std::string(source_) + ": offset " + std::to_string(owner.streamOffset) +
                              ", component '" + owner.Name + "', property '" + std::string(property) + "': " +
                              (target ? "'" + name + "' is not a " + std::string(streamClassName(ClassOf<T>::value))
                                      : "no component named '" + name + "'"));
        }
        return typed;
    }

    void resolveReferences() {
        for (Component* c : layout_.ordered_) {
            if (auto* list = as<DXImageList>(c)) list->DXDraw_ = reference<DXDraw>(*c, list->DXDrawName, "DXDraw");
            if (auto* waves = as<DXWaveList>(c))
                waves->DXSound_ = reference<DXSound>(*c, waves->DXSoundName, "DXSound");
        }
    }

    Layout& layout_;
    std::string_view source_;
    bool lazy_ = false;
};

Layout buildLayout(const ObjectRecord& root, std::string_view source, PayloadDecoding decoding) {
    Layout layout;
    LayoutBuilder(layout, source, decoding == PayloadDecoding::WhenFirstUsed).build(root);
    return layout;
}

Layout loadLayout(std::span<const uint8_t> bytes, std::string_view source, PayloadDecoding decoding) {
    return buildLayout(readStream(bytes, source), source, decoding);
}

Layout loadLayoutSharing(const Bytes& bytes, std::string_view source, PayloadDecoding decoding) {
    return buildLayout(readStreamSharing(bytes, source), source, decoding);
}

// ---------------------------------------------------------------------------
// [SECTION] Layout and handler registry
// ---------------------------------------------------------------------------
Layout::Layout() = default;
Layout::Layout(Layout&&) noexcept = default;
Layout& Layout::operator=(Layout&&) noexcept = default;
Layout::~Layout() = default;

Component* Layout::find(std::string_view name) const {
    const auto it = byName_.find(lower(name));
    return it == byName_.end() ? nullptr : it->second;
}

void Layout::bindHandlers(const HandlerRegistry& registry) {
    for (EventBinding* b : bindings_) b->handler = registry.find(b->name);
}

std::vector<std::string> Layout::unboundHandlerNames() const {
    std::vector<std::string> names;
    for (const EventBinding* b : bindings_) {
        if (!b->handler) names.push_back(b->name);
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

void HandlerRegistry::add(std::string name, Handler handler) {
    handlers_[std::move(name)] = std::move(handler);
}

const Handler* HandlerRegistry::find(std::string_view name) const {
    const auto it = handlers_.find(std::string(name));
    return it == handlers_.end() ? nullptr : &it->second;
}

}  // namespace kvarnel::layout
